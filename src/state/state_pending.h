// State of the configuration and aircraft-identification subsystem that other subsystems read before
// that subsystem is built.
#pragma once

#include <cstdint>

#include "frame/globals_macros.h"

// simver: simulator generation, 9 (older folder layout) until the aircraft identification raises it;
// it picks the bank and decision-height sources of the readers.
#define STATE_PENDING_GLOBALS(X) X(int32_t, simver, 9)

RO_DECLARE_GLOBALS(STATE_PENDING_GLOBALS)

void ResetStatePendingGlobals();
