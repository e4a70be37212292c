// State of the flight management core that the per-tick driver reads before that subsystem is built.
#pragma once

#include <cstdint>

#include "frame/globals_macros.h"

// stpos: active row of the active route, 999 = no active route; hold_cnt: rows in use of the hold
// table.
#define FMC_PENDING_GLOBALS(X) \
  X(int32_t, stpos, 999)       \
  X(int32_t, hold_cnt, 0)

RO_DECLARE_GLOBALS(FMC_PENDING_GLOBALS)

void ResetFmcPendingGlobals();
