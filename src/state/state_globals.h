// Configuration values with their built-in defaults (what stands when the configuration file or
// a key is missing), the aircraft variant texts, the identification counters and the panel-state
// list. The configuration reader overwrites these; the names are its keys' globals.
#pragma once

#include <cstdint>
#include <string>

#include "frame/globals_macros.h"

#define STATE_SCALARS(X)                                                              \
  /* aircraft variant and identification */                                           \
  X(std::string, aircraft_model, "757 - 200")                                         \
  X(std::string, engine_type, "RB211-535E4B")  /* "PW..." selects the other tables */  \
  X(int32_t, acfg_attempts, 0)                                                        \
  X(int32_t, simver, 9)                                                               \
  X(int32_t, freighter_rule_applied, 0)  /* title rule run on the first known title */ \
  /* configuration state */                                                           \
  X(int32_t, cfg_loaded, 0)                                                           \
  X(int32_t, LogFlightData, 0)                                                        \
  X(int32_t, lite_mode, 0)                                                            \
  X(int32_t, play_announcements, 0)                                                   \
  X(int32_t, ldg_checklist, 0)                                                        \
  X(std::string, weight_unit, "LBS")                                                  \
  X(std::string, wind_vector_deg_var, "TRUE")                                         \
  X(std::string, navdata_cycle, "")                                                   \
  X(std::string, navdata_valid, "")                                                   \
  /* displays */                                                                      \
  X(int32_t, EfisLinesize, 1)                                                         \
  X(int32_t, TcasVertRange, 30)          /* hundreds of feet */                       \
  X(int32_t, EadiRefreshRate, 18)        /* draws per 18-tick cycle */                \
  X(int32_t, FmsRefreshRate, 12)                                                      \
  X(int32_t, RetroEhsiRefreshRate, 18)                                                \
  X(int32_t, RetroPfdRefreshRate, 18)                                                 \
  X(int32_t, RetroNdRefreshRate, 18)                                                  \
  X(int32_t, NdRefreshRate, 18)                                                       \
  X(int32_t, StdbyPfdRefreshRate, 9)                                                  \
  X(int32_t, LowerEicasRefreshRate, 18)                                               \
  X(int32_t, UpperEicasRefreshRate, 18)                                               \
  X(int32_t, eadi_sky_color_r, 40)                                                    \
  X(int32_t, eadi_sky_color_g, 117)                                                   \
  X(int32_t, eadi_sky_color_b, 197)                                                   \
  X(int32_t, eadi_gnd_color_r, 120)                                                   \
  X(int32_t, eadi_gnd_color_g, 102)                                                   \
  X(int32_t, eadi_gnd_color_b, 280)      /* only the low byte (24) reaches the colour */ \
  X(int32_t, pfd_sky_color_r, 65)                                                     \
  X(int32_t, pfd_sky_color_g, 67)                                                     \
  X(int32_t, pfd_sky_color_b, 238)                                                    \
  X(int32_t, pfd_gnd_color_r, 97)                                                     \
  X(int32_t, pfd_gnd_color_g, 31)                                                     \
  X(int32_t, pfd_gnd_color_b, 5)                                                      \
  X(int32_t, pfd_tape_color_r, 62)                                                    \
  X(int32_t, pfd_tape_color_g, 62)                                                    \
  X(int32_t, pfd_tape_color_b, 62)                                                    \
  /* flight management defaults */                                                    \
  X(int32_t, cfg_v1, 0)                  /* kt */                                     \
  X(int32_t, cfg_vr, 0)                                                               \
  X(int32_t, cfg_v2, 0)                                                               \
  X(int32_t, cfg_vref, 0)                                                             \
  X(int32_t, ToFlaps, 15)                                                             \
  X(int32_t, LdgFlaps, 30)                                                            \
  X(int32_t, trans_alt, 18000)           /* ft */                                     \
  X(int32_t, accel_ht, 1000)             /* ft */                                     \
  X(int32_t, cost_index, -1)             /* -1 = none */                              \
  X(int32_t, ClimbIas, 280)              /* kt, stored defaults */                    \
  X(int32_t, CruiseIas, 300)                                                          \
  X(int32_t, DescentIas, 290)                                                         \
  X(int32_t, climb_ias, 280)             /* kt, working speeds */                     \
  X(int32_t, cruise_ias, 300)                                                         \
  X(int32_t, descent_ias, 290)                                                        \
  X(double, climb_mach, 0.74)                                                         \
  X(double, cruise_mach, 0.78)                                                        \
  X(double, descent_mach, 0.74)                                                       \
  X(double, VnavDescFPA, 2.75)           /* deg */                                    \
  X(double, ClbSpdRest, 250.0)           /* kt */                                     \
  X(double, ClbAltRest, 10000.0)         /* ft */                                     \
  X(double, DescSpdRest, 250.0)                                                       \
  X(double, DescAltRest, 10000.0)                                                     \
  X(int32_t, PauseAtDistFromDest, 20)    /* NM */                                     \
  X(int32_t, LoadFuelonFlightPlanLoad, 1)                                             \
  X(int32_t, FmcShowResetMCPMsg, 1)                                                   \
  X(int32_t, FmcDispDragReqMsg, 1)                                                    \
  /* autoflight */                                                                    \
  X(int32_t, SetClbThrAtAccelHt, 1)                                                   \
  X(int32_t, AltWinRightClickIncr, 500)  /* ft */                                     \
  X(int32_t, FlchMinIas, 140)            /* kt */                                     \
  X(int32_t, FlchMaxIas, 350)                                                         \
  X(int32_t, AutoLandApDiscSpd, 85)                                                   \
  /* aircraft systems */                                                              \
  X(int32_t, IrsAlignSecs, 300)          /* ticks */                                  \
  X(int32_t, BurnFuelFromCtrFirst, 1)                                                 \
  /* sounds */                                                                        \
  X(int32_t, PlayCockpitSounds, 1)                                                    \
  X(int32_t, PlayCoolingSounds, 1)                                                    \
  X(int32_t, PlayEventSounds, 1)                                                      \
  X(int32_t, PlayGpwsSounds, 1)                                                       \
  X(int32_t, PlaySpoilersSounds, 1)                                                   \
  X(int32_t, PlayPacksSounds, 1)                                                      \
  X(int32_t, PlayStbyPwrOnSounds, 1)                                                  \
  X(int32_t, PlayGearDragSounds, 1)                                                   \
  X(int32_t, PlayWarningSounds, 1)                                                    \
  X(int32_t, PlayTakeoffCalloutSounds, 1)                                             \
  X(int32_t, PlayFlapHandleSounds, 1)                                                 \
  X(int32_t, VolumeCoolingFan, 100)                                                   \
  X(int32_t, VolumeCrewCallouts, 100)                                                 \
  X(int32_t, VolumeWarnings, 100)                                                     \
  X(int32_t, VolumeStbyPwrOn, 100)                                                    \
  X(int32_t, VolumePacksOn, 100)                                                      \
  X(int32_t, VolumeSpoilers, 100)                                                     \
  X(int32_t, VolumeEvents, 100)                                                       \
  X(int32_t, VolumeGpws, 100)                                                         \
  X(int32_t, VolumeGearDrag, 100)                                                     \
  X(int32_t, VolumeStbyAttSpool, 300)                                                 \
  X(int32_t, AltCallApprMins, 1)                                                      \
  X(int32_t, AltCallMins, 1)                                                          \
  X(int32_t, AltCall10, 1)                                                            \
  X(int32_t, AltCall20, 1)                                                            \
  X(int32_t, AltCall30, 1)                                                            \
  X(int32_t, AltCall40, 1)                                                            \
  X(int32_t, AltCall50, 1)                                                            \
  X(int32_t, AltCall100, 1)                                                           \
  X(int32_t, AltCall200, 1)                                                           \
  X(int32_t, AltCall300, 1)                                                           \
  X(int32_t, AltCall400, 1)                                                           \
  X(int32_t, AltCall500, 1)                                                           \
  X(int32_t, AltCall1000, 1)                                                          \
  X(int32_t, AltCall2500, 1)                                                          \
  /* panel state, files and start-up */                                               \
  X(int32_t, SavePanelStateonFlightSave, 1)                                           \
  X(int32_t, DisplayVCOnLoad, 1)                                                      \
  X(int32_t, DisplayWVOnLoad, 1)                                                      \
  X(int32_t, pnl_list_cnt, 0)                                                         \
  X(int32_t, SetMCPCruiseAltonFlightPlanLoad, 0)  /* 1: a plan's cruise altitude sets the MCP */

#define STATE_ARRAYS(X) X(std::string, pnl_list, 203)  /* saved panel-state names */

RO_DECLARE_GLOBALS(STATE_SCALARS)
RO_DECLARE_ARRAYS(STATE_ARRAYS)

void ResetStateGlobals();
