#include "frame/module_state.h"

#include "frame/sim_access.h"
#include "state/state_pending.h"

void ResetModuleState() {
  ResetSimAccessGlobals();
  ResetStatePendingGlobals();
}
