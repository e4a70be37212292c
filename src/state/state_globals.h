// Global state of the configuration, identification and panel-state subsystem: the configuration
// globals (config_globals.h) and the identification's (aircraft_id.h), here with the flag of the
// title rule, the stored panel-state list and the tank data of the fuel loaders.
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

#define STATE_SCALARS(X)                                                              \
  X(int32_t, freighter_rule_applied, 0)  /* title rule run on the first known title */ \
  X(int32_t, pnl_list_cnt, 0)                                                        \
  /* tank data of the last fuel load: lb per gallon, capacities in gallons */         \
  X(double, fuel_weight_per_gal, 0.0)                                                \
  X(double, fuel_cap_l_main, 0.0)                                                    \
  X(double, fuel_cap_r_main, 0.0)                                                    \
  X(double, fuel_cap_center, 0.0)

#define STATE_ARRAYS(X) X(std::string, pnl_list, 203)  /* saved panel-state names */

RO_DECLARE_GLOBALS(STATE_SCALARS)
RO_DECLARE_ARRAYS(STATE_ARRAYS)

void ResetStateGlobals();
