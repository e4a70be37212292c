#include "state/state_pending.h"

char sim_root[260];

RO_DEFINE_GLOBALS(STATE_PENDING_FRAME)

void ResetStatePendingGlobals() {
  sim_root[0] = '\0';
  RO_RESET_GLOBALS(STATE_PENDING_FRAME)
}
