// Route progress of the per-tick run: waypoint passage (30-second look-ahead, abeam line, early turn,
// "DISCO" legs), leg sequencing with the PROGRESS FROM data and the leg time stamps, hold upkeep, and
// LNAV steering of the simulator's heading bug towards a point 3 NM ahead on the active leg.
//
// Reads: the tick samples, the active route (fms_fpln_act, stpos, fp_cnt, fms_fpln_active), the holds
// (route_holds, hold_cnt, holds_present, pattern_leg, pattern_phase), the LNAV state of the autoflight
// (lnav, lnav_init_mode, the intercept point, hdg_hold_mode, hdg_sel_mode), lite_mode, weight_unit.
// Writes: the globals below, rel_leg_course, dist_per_tick, stpos, lnav_leg[0], next_restr_leg, the
// active legs' eta and restr, lnav, lnav_init_mode, lnav_init_done, the VNAV sub-states; sends key
// event 0x101FA (heading bug). Distances NM, bearings degrees magnetic unless named true.
#pragma once

#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "base/globals_macros.h"

struct LatLon {
  double lat = 0.0;
  double lon = 0.0;
};

#define FRAME_TICK_ROUTE_GLOBALS(X)                                                             \
  X(double, dist_to_active_wpt, 999.0)  /* 999.0 no active waypoint; -1.0 sequence now */       \
  X(double, active_wpt_brg, 0.0)                                                                \
  X(double, active_leg_dist, 0.0)       /* from the LNAV from-point to the active waypoint */   \
  X(LatLon, lnav_aim_pt, LatLon{})                                                              \
  X(double, lnav_aim_brg, 0.0)          /* heading to fly to the aim point, drift included */   \
  X(double, act_wpt_lat, 0.0)                                                                   \
  X(double, act_wpt_lon, 0.0)                                                                   \
  X(int32_t, lnav_hdg_sent, 999)        /* last heading sent with 0x101FA */                    \
  X(int32_t, early_seq_in_cruise, 0)    /* a waypoint was sequenced early in a turn in cruise */ \
  X(int32_t, vnav_near_restr_done, 0)   /* the speed constraint ahead was met on this leg */

RO_DECLARE_GLOBALS(FRAME_TICK_ROUTE_GLOBALS)

// The PROGRESS FROM line is row 1 of the CDU's prog_from table; the fuel is in pounds, or kilograms
// when weight_unit is "KGS".
inline std::string& prog_from_ident = prog_from[1].ident;
inline std::string& prog_from_ata = prog_from[1].ata;
inline double& prog_from_alt = prog_from[1].alt;
inline double& prog_from_fuel = prog_from[1].fuel;

inline constexpr double kNoActiveWpt = 999.0;
inline constexpr double kSequenceNow = -1.0;

// The steps in the driver's order. Each tests its own conditions; the driver tests only its gates
// (hold_cnt > 0 for the hold upkeep; an active leg and a slot tick for the route block).
void StepEarlyTurnSequencing();
void StepAbeamPassage();
// Also finds next_restr_leg and moves the VNAV crossing point when the waypoint is within reach.
void StepLookAhead();
void StepLegTimeStamp();
void StepHoldUpkeep();
// Passage, sequencing, LNAV geometry and the heading command, ending with the route distances.
void RunRouteBlock();

void ResetTickRouteGlobals();
