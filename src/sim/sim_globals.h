// Global state of the module frame: the module entry's handles, the server gauge's life-cycle
// flags, the route look-ahead and the thrust reference (the update driver's own state and samples
// are in tick_globals.h). Units in the names' comments; all plain globals, reset by ResetFrameGlobals().
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"
#include "platform/dsound.h"
#include "platform/simconnect.h"

#define SIM_SCALARS(X)                                                                          \
  /* module entry */                                                                              \
  X(std::string, sim_root, "")          /* simulator folder, at most 259 characters */           \
  X(void*, sim_main_window, nullptr)                                                              \
  X(directsound::DirectSound8*, dsound, nullptr)                                                  \
  X(int32_t, sound_available, 0)        /* 1 while dsound is usable */                           \
  X(SimConnectHandle, simconnect, nullptr)                                                        \
  X(uintptr_t, gdiplus_token, 0)        /* non-zero while the drawing library is started */      \
  X(int32_t, key_handler_registered, 0)                                                           \
  /* server gauge life cycle */                                                                   \
  X(int32_t, server_start_state, 0)     /* pre-initialise start-up machine: 0, 1, 2 */           \
  X(int32_t, server_phase, 0)           /* 0..17, one step per systems pass */                   \
  X(int32_t, pre_kill_seen, 0)                                                                    \
  X(int32_t, disconnect_seen, 0)                                                                  \
  X(int32_t, ground_key_sent, 0)                                                                  \
  X(int32_t, aircraft_identified, 0)                                                              \
  X(int32_t, named_vars_registered, 0)                                                            \
  X(int32_t, initialize_server, 0)      /* 1 once the initial panel state has run */             \
  X(std::string, aircraft, "")          /* simulator aircraft title, lower-cased */              \
  /* route look-ahead */                                                                          \
  X(double, dist_per_tick, 3.0)         /* NM, route look-ahead */                               \
  X(int32_t, vnav_near_wpt_dist, 25)    /* NM */                                                 \
  /* thrust reference of the thrust-mode panel */                                                 \
  X(double, to_epr_temp_sel, -99.0)     /* assumed temperature; -99 = none selected */           \
  X(double, epr_bug, 0.0)                                                                         \
  X(double, epr_bug_2, 0.0)                                                                       \
  /* route following and the T/D once-flags */                                                    \
  X(double, rel_leg_course, 0.0)        /* deg magnetic, LNAV from-point to the active waypoint */ \
  X(int32_t, tod_pause_done, 0)                                                                   \
  X(int32_t, tod_1x_done, 0)                                                                      \
  X(int32_t, dest_dist_pause_done, 0)

RO_DECLARE_GLOBALS(SIM_SCALARS)

void ResetFrameGlobals();
