// Global state of autoflight, panel controls, aircraft systems, alerts and sound that other
// subsystems read or write: power, switches, hydraulics, MCP selections, thrust reference and its
// requests, the click-sound queue and the EICAS message lists.
#pragma once

#include <cstdint>
#include <string>

#include "afds/afds_types.h"
#include "frame/globals_macros.h"

#define AFDS_SCALARS(X)                                                                  \
  /* power and start-up */                                                               \
  X(int32_t, ac_power, 5)              /* 0 none, 1 standby, 2 and above powered */       \
  X(int32_t, startup_phase, 1)                                                           \
  /* hydraulics */                                                                       \
  X(int32_t, l_elec_hyd_pump_mode, 2)                                                    \
  X(int32_t, c_elec_hyd1_pump_mode, 2)                                                   \
  X(int32_t, c_elec_hyd2_pump_mode, 1)                                                   \
  X(int32_t, r_elec_hyd_pump_mode, 2)                                                    \
  X(int32_t, l_eng_hyd_pump_mode, 1)                                                     \
  X(int32_t, r_eng_hyd_pump_mode, 1)                                                     \
  X(int32_t, l_hyd_press, 100)         /* psi */                                          \
  X(int32_t, c_hyd_press, 0)                                                             \
  X(int32_t, r_hyd_press, 50)                                                            \
  X(int32_t, hyd_fail_l_sent, 0)       /* failure bit written to FSUIPC 0x32F8 */         \
  X(int32_t, hyd_fail_r_sent, 0)                                                         \
  X(int32_t, hyd_fail_c_sent, 0)                                                         \
  /* fuel, electrical and air switches */                                                \
  X(int32_t, l_eng_start_switch, 1)                                                      \
  X(int32_t, r_eng_start_switch, 1)                                                      \
  X(int32_t, l_aft_fuel_pump, 1)                                                         \
  X(int32_t, r_aft_fuel_pump, 1)                                                         \
  X(int32_t, l_fwd_fuel_pump, 1)                                                         \
  X(int32_t, r_fwd_fuel_pump, 1)                                                         \
  X(int32_t, l_ctr_fuel_pump, 1)                                                         \
  X(int32_t, r_ctr_fuel_pump, 1)                                                         \
  X(int32_t, l_utility_bus, 1)                                                           \
  X(int32_t, r_utility_bus, 1)                                                           \
  X(int32_t, l_gen_cont, 1)                                                              \
  X(int32_t, r_gen_cont, 1)                                                              \
  X(int32_t, l_pack_switch, 1)                                                           \
  X(int32_t, r_pack_switch, 1)                                                           \
  X(int32_t, l_eng_bleed, 1)                                                             \
  X(int32_t, r_eng_bleed, 1)                                                             \
  X(int32_t, stdby_power_switch, 1)                                                      \
  X(int32_t, ext_power_button, 1)                                                        \
  X(int32_t, emer_lights_switch, 1)                                                      \
  X(int32_t, l_pack_reset, 2)                                                            \
  X(int32_t, r_pack_reset, 2)                                                            \
  X(int32_t, auto_brake_switch, 1)     /* OFF */                                          \
  X(int32_t, eng1_thrott, 1)           /* fuel control run */                             \
  X(int32_t, eng2_thrott, 1)                                                             \
  X(int32_t, seatbelt_sign, -1)        /* not yet set up */                               \
  X(int32_t, no_smoking_sign, -1)                                                        \
  X(int32_t, ov_rudder_position, 300)  /* neutral */                                      \
  X(int32_t, ov_l_aileron_position, 300)                                                 \
  X(int32_t, ov_r_aileron_position, 300)                                                 \
  X(int32_t, ov_elevator_position, 300)                                                  \
  X(int32_t, nav_radio_mode, 1)                                                          \
  X(int32_t, panelstatus_init_done, 0)                                                   \
  /* MCP and autoflight */                                                               \
  X(int32_t, alt_sel_num, -99)         /* ft; -99 = none selected yet */                  \
  X(double, hdg_sel_dir, -99.0)        /* deg */                                          \
  X(double, crs_dir, -99.0)            /* deg */                                          \
  X(int32_t, asi_bug1, 60)             /* kt */                                           \
  X(int32_t, asi_bug2, 100)                                                              \
  X(int32_t, asi_bug3, 150)                                                              \
  X(int32_t, speed_mode_select, 0)     /* 1 = MCP speed window in Mach */                 \
  X(int32_t, speed_mode_select_prev, 0)                                                  \
  X(int32_t, apleft, 0)                                                                  \
  X(int32_t, flch, 0)                                                                    \
  X(int32_t, vnav, 0)                                                                    \
  X(int32_t, thrust_hold, 0)       /* 1 while the autothrottle drives the levers */       \
  X(int32_t, apu_spool_dir, 0)     /* 0 steady, 1 spooling up, 2 down */                  \
  X(double, target_ias, 0.0)                                                             \
  X(double, target_mach, 0.0)                                                            \
  X(double, vnav_last_set_spd, -999.0)                                                   \
  X(double, vnav_last_set_mach_spd, -999.0)                                              \
  X(int32_t, thr_disc_set, 0)                                                            \
  /* thrust reference mode 1..7 (1 take-off) and the one-shot requests of its panels */  \
  X(int32_t, tmsp, 1)                                                                    \
  X(int32_t, thr_ref_to_req, 1)                                                          \
  X(int32_t, thr_ref_crz_req, 0)                                                         \
  X(int32_t, to_temp_decr_req, 0)                                                        \
  X(int32_t, to_temp_incr_req, 0)                                                        \
  X(int32_t, eicas_cancel_req, 0)                                                        \
  X(int32_t, eicas_recall_req, 0)                                                        \
  /* sound */                                                                            \
  X(int32_t, sound_event_code, 0)      /* 2 = panel click */                              \
  X(int32_t, annuncement_mode, 0)      /* cabin announcement stage; 0 none */             \
  /* radio-altitude callout once-flags: 1 = already called on this approach */           \
  X(int32_t, alt_call_500_done, 0)                                                       \
  X(int32_t, alt_call_400_done, 0)                                                       \
  X(int32_t, alt_call_300_done, 0)                                                       \
  X(int32_t, alt_call_200_done, 0)                                                       \
  X(int32_t, alt_call_100_done, 0)                                                       \
  X(int32_t, alt_call_50_done, 0)                                                        \
  X(int32_t, alt_call_40_done, 0)                                                        \
  X(int32_t, alt_call_30_done, 0)                                                        \
  X(int32_t, alt_call_20_done, 0)                                                        \
  X(int32_t, alt_call_10_done, 0)                                                        \
  X(int32_t, alt_call_appr_mins_done, 0)                                                 \
  X(int32_t, alt_call_mins_done, 0)                                                     \
  /* inertial reference units: selectors 0 off, 1 on; modes 0 off .. 3 aligned */        \
  X(int32_t, irs_l_anun_knob, 0)                                                         \
  X(int32_t, irs_c_anun_knob, 0)                                                         \
  X(int32_t, irs_r_anun_knob, 0)                                                         \
  X(int32_t, irs_l_anun_mode, 0)                                                         \
  X(int32_t, irs_c_anun_mode, 0)                                                         \
  X(int32_t, irs_r_anun_mode, 0)                                                         \
  X(int32_t, irs_1_align, 0)

#define AFDS_ARRAYS(X)                                   \
  X(EicasMessage, warning_msgs, kEicasMessageRows)       \
  X(EicasMessage, caution_msgs, kEicasMessageRows)       \
  X(EicasMessage, advisory_msgs, kEicasMessageRows)

RO_DECLARE_GLOBALS(AFDS_SCALARS)
RO_DECLARE_ARRAYS(AFDS_ARRAYS)

void ResetAfdsGlobals();
