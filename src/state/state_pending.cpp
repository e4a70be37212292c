#include "state/state_pending.h"

RO_DEFINE_GLOBALS(STATE_PENDING_GLOBALS)

void ResetStatePendingGlobals() { RO_RESET_GLOBALS(STATE_PENDING_GLOBALS) }
