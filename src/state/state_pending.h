// Globals of the frame that the configuration reader and the aircraft identification read, declared
// here until the frame's own state lands. Each is owned by the frame and moves there at merge.
#pragma once

#include <string>

#include "frame/globals_macros.h"

// Owned by the frame: the simulator folder (the current directory at load), no trailing separator.
extern char sim_root[260];

// Owned by the frame: `aircraft` is the loaded aircraft's title, lower-cased (letters A to Z), as the
// server gauge reads it before each identification attempt; empty until then.
#define STATE_PENDING_FRAME(X) X(std::string, aircraft, "")

RO_DECLARE_GLOBALS(STATE_PENDING_FRAME)

void ResetStatePendingGlobals();
