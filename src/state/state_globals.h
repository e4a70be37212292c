// Global state of the configuration, identification and panel-state subsystem: the configuration
// globals (config_globals.h) and the identification's (aircraft_id.h), here with the flag of the
// title rule and the stored panel-state list.
#pragma once

#include <cstdint>
#include <string>

#include "frame/globals_macros.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"

#define STATE_SCALARS(X)                                                              \
  X(int32_t, freighter_rule_applied, 0)  /* title rule run on the first known title */ \
  X(int32_t, pnl_list_cnt, 0)

#define STATE_ARRAYS(X) X(std::string, pnl_list, 203)  /* saved panel-state names */

RO_DECLARE_GLOBALS(STATE_SCALARS)
RO_DECLARE_ARRAYS(STATE_ARRAYS)

void ResetStateGlobals();
