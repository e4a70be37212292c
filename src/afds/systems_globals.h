// Global state of the aircraft systems: electrical power flags, the overhead pass's state machines,
// fuel tank data, the phase-0 timers, the status annunciators and the EICAS message lists' counts and
// shown flags. Switch values and power level live in afds_globals.h; all values here are 0 at load
// unless stated.
#pragma once

#include <cstdint>

#include "afds/panel_input_globals.h"
#include "base/globals_macros.h"

// Message ids of the EICAS manager run 1..81 (warnings below 20, cautions 20..41, advisories above).
constexpr int kEicasMessageIds = 82;

#define AFDS_SYSTEMS_SCALARS(X)                                                             \
  /* power flags, each published under its own name on a change */                         \
  X(int32_t, min_power, 0)                                                                  \
  X(int32_t, gen_power, 0)                                                                  \
  X(int32_t, flag_ac_power, 0)                                                              \
  X(int32_t, no_ac_power, 0)                                                                \
  X(int32_t, circuit_gen_pwr, 0)                                                            \
  X(int32_t, stdby_power_light, 0)                                                          \
  X(int32_t, batdisch_light, 0)                                                             \
  /* hydraulic system pressure lights: 1 lit */                                             \
  X(int32_t, l_hyd_sys_press, 0)                                                            \
  X(int32_t, c_hyd_sys_press, 0)                                                            \
  X(int32_t, r_hyd_sys_press, 0)                                                            \
  /* standby attitude model, degrees */                                                     \
  X(double, stdby_att_pitch, 0.0)                                                           \
  X(double, stdby_att_bank, 0.0)                                                            \
  /* overhead pass */                                                                       \
  X(int32_t, spoiler_touchdown_armed, 0)                                                    \
  X(int32_t, l_eng_start_phase, 0)  /* 0 idle, 1 starter engaged, 2 past 25 */              \
  X(int32_t, r_eng_start_phase, 0)                                                          \
  X(double, flaps_angle, 0.0)       /* degrees, frozen while the left hydraulics failed */  \
  X(int32_t, master_warning_req, 0)                                                         \
  X(int32_t, master_caution_req, 0)                                                         \
  X(int32_t, gear_left_position, 0) /* percent */                                           \
  X(int32_t, gear_center_position, 0)                                                       \
  X(int32_t, gear_right_position, 0)                                                        \
  X(int64_t, systems_pass_run, -1)  /* driver run the tick steps took */                    \
  /* the simulator's heading bug and altitude lock as the MCP sync last saw them */         \
  X(int32_t, mcp_sync_seen, 0)      /* 1 once a pass has seen them */                       \
  X(double, mcp_sync_hdg_seen, 0.0)                                                         \
  X(double, mcp_sync_alt_seen, 0.0)                                                         \
  /* the module's own heading and altitude sends not yet matched, from these numbers on */  \
  X(uint32_t, mcp_sync_hdg_sent, 0)                                                         \
  X(uint32_t, mcp_sync_alt_sent, 0)                                                         \
  X(uint32_t, mcp_sync_sent_mark, 0) /* the module's sends counted at the last pass */       \
  /* phase-0 block: valve time-outs in phase-0 passes, fuel imbalance in lb */              \
  X(double, fuel_imbalance, 0.0)                                                            \
  /* tank capacities (gal) the fuel selectors read once with the weight per gallon */       \
  X(double, fuel_cap_l_aux, 0.0)                                                            \
  X(double, fuel_cap_r_aux, 0.0)                                                            \
  X(double, fuel_cap_l_tip, 0.0)                                                            \
  X(double, fuel_cap_r_tip, 0.0)                                                            \
  /* status annunciators and the EICAS manager's outputs */                                 \
  X(int32_t, config_anun, 0)                                                                \
  X(int32_t, cabalt_anun, 0)                                                                \
  X(int32_t, fuelcfg_anun, 0)                                                               \
  X(int32_t, fuelconfig_anun, 0)                                                            \
  X(int32_t, warning_msg_count, 0)                                                          \
  X(int32_t, caution_msg_count, 0)                                                          \
  X(int32_t, caution_visible_count, 0)                                                      \
  X(int32_t, advisory_msg_count, 0)                                                         \
  X(int32_t, advisory_visible_count, 0)

// Shown flag per message id (PROBE HEAT's is probe_heat_anun).
// The COM digits as last published (digit 2 of COM1 active, COM1 standby, COM2 active, COM2
// standby, then digit 1 in the same order).
#define AFDS_SYSTEMS_ARRAYS(X)                      \
  X(int32_t, eicas_msg_shown, kEicasMessageIds)     \
  X(double, com_digits_published, 8)

RO_DECLARE_GLOBALS(AFDS_SYSTEMS_SCALARS)
RO_DECLARE_ARRAYS(AFDS_SYSTEMS_ARRAYS)

void ResetSystemsGlobals();
