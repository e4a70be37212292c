#include "frame/module_state.h"

#include "afds/afds_pending.h"
#include "fmc/fmc_pending.h"
#include "frame/sim_access.h"
#include "frame/tick_globals.h"
#include "state/state_pending.h"

void ResetModuleState() {
  ResetSimAccessGlobals();
  ResetTickGlobals();
  ResetFmcPendingGlobals();
  ResetAfdsPendingGlobals();
  ResetStatePendingGlobals();
}
