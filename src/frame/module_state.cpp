#include "frame/module_state.h"

#include "afds/afds_pending.h"
#include "fmc/fmc_pending.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"
#include "state/state_pending.h"

void ResetModuleState() {
  ResetConfigGlobals();
  ResetAircraftIdGlobals();
  ResetStatePendingGlobals();
  ResetFmcPendingGlobals();
  ResetAfdsPendingGlobals();
}
