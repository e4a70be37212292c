// Global state of autoflight, panel controls, aircraft systems, alerts and sound that other
// subsystems read or write: power, switches, hydraulics, MCP selections, thrust reference and its
// requests, the click-sound queue and the EICAS message lists.
#pragma once

#include <cstdint>
#include <string>

#include "afds/afds_types.h"
#include "base/globals_macros.h"

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
  X(int32_t, alt_call_mins_done, 0)                                                      \
  /* autoflight state the debug dump prints (vs_chg and autoland_cmd it also consumes) */ \
  X(double, ias_trend, 0.0)            /* kt per tick, positive accelerating */           \
  X(double, ias_target_dev, 0.0)       /* kt, |smoothed ias - (target_ias + 0.5)| */       \
  X(int32_t, vs_chg, 0)                /* FLCH controller branch of the last pass */      \
  X(double, spdhld_vs, 0.0)            /* ft/min commanded by the last FLCH pass */       \
  X(int32_t, spdhld_flsh_ctr, 0)       /* FLCH pass counter 0..17 */                      \
  X(int32_t, autoland_mode, 0)         /* 2 and above = autoland armed or active */       \
  X(int32_t, autoland_cmd, 0)          /* last autoland action code */                    \
  X(int32_t, auto_brake_status, 0)     /* 0 not armed, 1 armed or braking */              \
  X(int32_t, loc_mode, 0)                                                                \
  X(int32_t, app_mode, 0)                                                                \
  X(int32_t, loc_capture, 0)                                                             \
  X(int32_t, gs_capture, 0) \
  /* transponder IDENT, annunciators of the panel gauges */                              \
  X(int32_t, xpdr_ident_timer, 0)      /* ticks until "859id" is cleared; 108 at a press */ \
  X(int32_t, irs_l_anun_mode, 0)       /* 3 = aligned */                                  \
  X(int32_t, irs_c_anun_mode, 0)                                                         \
  X(int32_t, irs_r_anun_mode, 0)                                                         \
  X(int32_t, alt_alert_state, 0)       /* 0..3, 3 = alert */ \
  /* inertial reference units: selectors 0 off, 1 on; modes 0 off .. 3 aligned */        \
  X(int32_t, irs_l_anun_knob, 0)                                                         \
  X(int32_t, irs_c_anun_knob, 0)                                                         \
  X(int32_t, irs_r_anun_knob, 0)                                                         \
  X(int32_t, irs_1_align, 0)

#define AFDS_ARRAYS(X)                                   \
  X(EicasMessage, warning_msgs, kEicasMessageRows)       \
  X(EicasMessage, caution_msgs, kEicasMessageRows)       \
  X(EicasMessage, advisory_msgs, kEicasMessageRows)

// Switch, light and mode state that the initial panel state publishes and the panel-state file
// moves (0 at load unless stated).
#define AFDS_PANEL_SCALARS(X)                                                            \
  /* autoflight modes: 1 engaged (or armed where the name says so) */                    \
  X(int32_t, apcenter, 0)                                                                \
  X(int32_t, apright, 0)                                                                 \
  X(int32_t, alt_hold_mode, 0)                                                           \
  X(int32_t, hdg_hold_mode, 0)                                                           \
  X(int32_t, hdg_sel_mode, 0)                                                            \
  X(int32_t, lnav, 0)                                                                    \
  X(int32_t, vnav_armed, 0)                                                              \
  X(int32_t, to_roll_mode, 0)                                                            \
  X(int32_t, to_pitch_mode, 0)                                                           \
  X(int32_t, vs_hold_mode, 0)                                                            \
  X(int32_t, spd_hold, 0)                                                                \
  X(int32_t, vnav_pnl_restored, 0)     /* one-shot: a panel state restored VNAV */       \
  X(int32_t, vnav_des_active, 0)                                                         \
  X(int32_t, vnav_init_flag, 0)                                                          \
  /* callouts, checklist and cabin */                                                    \
  X(int32_t, alt_call_2500_done, 0)                                                      \
  X(int32_t, alt_call_1000_done, 0)                                                      \
  X(int32_t, ldg_checklist_mode, 0)                                                      \
  X(int32_t, to_callout_mode, 0)                                                         \
  X(int32_t, cargo_doors_anun, 0)                                                        \
  X(int32_t, l_entry_doors_anun, 0)                                                      \
  X(int32_t, r_entry_doors_anun, 0)                                                      \
  /* start-up */                                                                         \
  X(int32_t, beg_start_button, 0)      /* set-up button, 1 or 2 */                       \
  X(int32_t, flaps_handle_pos_prev, 0) /* token 328, truncated */                        \
  X(double, init_sim_time, 0.0)        /* s, token 604 when the panel was set up */      \
  /* overhead */                                                                         \
  X(int32_t, aft_xfeed_fuel_pump, 0)                                                     \
  X(int32_t, fwd_xfeed_fuel_pump, 0)                                                     \
  X(int32_t, l_yaw_damper_mode, 0)                                                       \
  X(int32_t, r_yaw_damper_mode, 0)                                                       \
  X(int32_t, apu_bleed, 0)                                                               \
  X(int32_t, apu_fault_light, 0)                                                         \
  X(int32_t, apu_mode, 0)              /* 0 off, 1 starting, 2 running */                \
  X(int32_t, apu_run_light, 0)                                                           \
  X(int32_t, apu_switch, 0)                                                              \
  X(int32_t, battery_button, 0)        /* 0..7 */                                        \
  X(int32_t, isol_air_valve, 0)                                                          \
  X(int32_t, l_eng_start_light, 0)                                                       \
  X(int32_t, r_eng_start_light, 0)                                                       \
  X(int32_t, l_gen_disc_drive, 0)                                                        \
  X(int32_t, r_gen_disc_drive, 0)                                                        \
  X(int32_t, noseldglt, 0)                                                               \
  X(int32_t, wingldglt, 0)                                                               \
  X(int32_t, wing_anti_ice_valve, 0)                                                     \
  X(int32_t, l_eng_anti_ice_valve, 0)  /* 2 open */                                      \
  X(int32_t, r_eng_anti_ice_valve, 0)

RO_DECLARE_GLOBALS(AFDS_SCALARS)
RO_DECLARE_ARRAYS(AFDS_ARRAYS)
RO_DECLARE_GLOBALS(AFDS_PANEL_SCALARS)

// Autoflight modes and the state that the per-tick driver follows, counts down and brings to its
// end states (the mode switches and click handlers that set it are built with this subsystem).
#define AFDS_MODE_SCALARS(X)                                                             \
  /* roll and pitch modes, channels */                                                   \
  X(int32_t, lnav_init_mode, 0)      /* 1 armed with a pending intercept */               \
  X(int32_t, lnav_init_done, 0)                                                          \
  /* LNAV intercept: arming position, intercept point and course (deg magnetic), NM */   \
  X(double, lnav_init_lat, 0.0)                                                          \
  X(double, lnav_init_lon, 0.0)                                                          \
  X(double, lnav_join_trk_lat, 0.0)                                                      \
  X(double, lnav_join_trk_lon, 0.0)                                                      \
  X(double, lnav_join_trk, 0.0)                                                          \
  X(double, lnav_init_dist, 0.0)                                                         \
  X(double, xtk_dist, 0.0)           /* NM from the LNAV leg; -99.0 without a route */    \
  X(int32_t, xtk_side, 0)            /* 1 right of the leg, 2 left */                      \
  /* VNAV sub-states and the climb and descent restrictions */                           \
  X(int32_t, vnav_cruise, 0)                                                             \
  X(int32_t, vnav_mach_set_pending, 0)                                                   \
  X(double, dist_to_desc_alt_rest, 0.0)  /* NM */                                         \
  /* engagement flags and one-shot requests */                                           \
  X(int32_t, pattern_flag, 0)                                                            \
  X(int32_t, ap_engage_low_ra, 0)    /* master came on at or below 400 ft RA */           \
  X(int32_t, own_key_event_pending, 0)                                                   \
  X(int32_t, thr_release_pending, 0)                                                     \
  X(int32_t, to_spd_key_sent, 0)                                                         \
  /* annunciation boxes and CMD (ticks), disconnect warnings (simulator seconds) */      \
  X(int32_t, ap_cmd, 0)                                                                  \
  X(int32_t, fma_thr_box_timer, 0)                                                       \
  X(int32_t, fma_pitch_box_timer, 0)                                                     \
  X(int32_t, fma_roll_box_timer, 0)                                                      \
  X(int32_t, ap_disc_timer, 0)                                                           \
  X(int32_t, apdisc_bar_timer, 0)                                                        \
  X(int32_t, at_disc_timer, 0)                                                           \
  /* autobrake */                                                                        \
  X(int32_t, autobrake_appl, 0)     /* the autobrake's brake events not yet echoed */    \
  X(int32_t, autobrake_holding, 0)  /* 1 from its first application until it disarms */ \
  X(int32_t, exec_reset_word, 0)     /* -999 after an EXEC or engagement resets VNAV */ \
  /* NAV roll mode 0 off, 1 NAV, 2 GPS; marker beacon shown 0 none, 1 outer, 2 middle, 3 inner */ \
  X(int32_t, nav_button, 0)                                                              \
  X(int32_t, marker_state, 0) \
  /* navigation source button: 0 off, 1 NAV (radio), 2 GPS */

// Systems state that the per-tick driver ramps and counts down; timers in ticks, 0 = at rest.
// Valves: 0 closed, 2 open. Lights and switch positions as their named variables show them.
#define AFDS_SYSTEMS_TICK_SCALARS(X)                                                     \
  X(double, apu_egt, 0.0)            /* deg C */                                          \
  X(double, apu_rpm, 0.0)            /* percent */                                        \
  X(int32_t, apu_start_timer, 0)                                                         \
  X(int32_t, apu_run_light_seq, 0)                                                       \
  X(int32_t, apu_run_delay, 0)                                                           \
  X(int32_t, apu_start_step_timer, 0)                                                    \
  X(int32_t, apu_bleed_on_timer, 0)                                                      \
  X(int32_t, apu_bleed_off_timer, 0)                                                     \
  X(int32_t, isol_valve_on_timer, 0)                                                     \
  X(int32_t, isol_valve_off_timer, 0)                                                    \
  X(int32_t, fwd_xfeed_on_timer, 0)                                                      \
  X(int32_t, fwd_xfeed_off_timer, 0)                                                     \
  X(int32_t, aft_xfeed_on_timer, 0)                                                      \
  X(int32_t, aft_xfeed_off_timer, 0)                                                     \
  X(int32_t, wing_anti_ice_on_timer, 0)                                                  \
  X(int32_t, wing_anti_ice_off_timer, 0)                                                 \
  X(int32_t, l_eng_anti_ice_open_timer, 0)                                               \
  X(int32_t, l_eng_anti_ice_close_timer, 0)                                              \
  X(int32_t, r_eng_anti_ice_open_timer, 0)                                               \
  X(int32_t, r_eng_anti_ice_off_timer, 0)                                                \
  X(int32_t, l_eng_start_light_timer, 0)                                                 \
  X(int32_t, r_eng_start_light_timer, 0)                                                 \
  X(int32_t, l_eng_start_count, 0)   /* counts up while above 0 */                        \
  X(int32_t, r_eng_start_count, 0)                                                       \
  X(int32_t, irs_l_align_count, 0)   /* ticks left of the alignment */                    \
  X(int32_t, irs_c_align_count, 0)                                                       \
  X(int32_t, irs_r_align_count, 0)                                                       \
  X(int32_t, yaw_damper_sync_pending, 0)                                                 \
  X(int32_t, ldg_light_clicked, 0)   /* a switch was clicked this tick */                 \
  X(int32_t, gpws_sound_delay, 0)    /* re-trigger delays of the sound logic */           \
  X(int32_t, alt_callout_delay, 0)                                                       \
  X(int32_t, crew_callout_delay, 0)                                                      \
  X(int32_t, cabin_announce_delay, 0) /* the cabin's own */                              \
  X(int32_t, chime_delay, 0)                                                             \
  X(int32_t, spoiler_sound_delay, 0)                                                     \
  X(int32_t, ldg_checklist_done_timer, 0)

RO_DECLARE_GLOBALS(AFDS_MODE_SCALARS)
RO_DECLARE_GLOBALS(AFDS_SYSTEMS_TICK_SCALARS)

// State of the mode switches, the FLCH and thrust loop, the VNAV speed logic and the autoland.
// Lever units run 0..16383; speeds kt; ias_trend_hist holds the smoothed airspeed, newest first.
#define AFDS_AUTOFLIGHT_SCALARS(X)                                                       \
  X(int32_t, hdg_sync_skip_once, 0)     /* the heading echo must not move hdg_sel_dir */  \
  X(int32_t, spd_resync_state, 0)       /* 1 DescSpdRest, 2 VNAV's speed, 3 ias */        \
  X(int32_t, spd_resync_ticks, 0)       /* re-send passes left */                         \
  X(double, thrust_target, 0.0)                                                          \
  X(double, thrust_target_prev, 0.0)    /* target of the last pass that acted */          \
  X(int32_t, thr_roll_held, 0)          /* THR left the levers to the crew on the roll */  \
  X(double, drag_msg_stamp, 0.0)        /* token 604 at the last "DRAG REQUIRED" change */ \
  X(int32_t, autoland_retard_done, 0)                                                    \
  X(int32_t, autoland_spoiler_stage, 0) /* 0 stowed, 1 deployed, 2 stowed after landing */ \
  X(int32_t, restored_modes_pending, 0) /* a panel state's modes await the next tick */    \
  X(int32_t, restored_ap_master, -1)    /* its autopilot master, 0 or 1; -1 none */  \
  X(int64_t, ias_trend_run, -1)        /* driver run that last stepped the trend; -1 none */

#define AFDS_AUTOFLIGHT_ARRAYS(X) X(double, ias_trend_hist, kIasTrendSamples)

RO_DECLARE_GLOBALS(AFDS_AUTOFLIGHT_SCALARS)
RO_DECLARE_ARRAYS(AFDS_AUTOFLIGHT_ARRAYS)

void ResetAfdsGlobals();
