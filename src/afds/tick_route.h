// Route progress of the per-tick run: waypoint passage (30-second look-ahead, abeam line, early turn,
// "DISCO" legs), leg sequencing with the PROGRESS FROM data and the leg time stamps, hold upkeep, and
// LNAV steering of the simulator's heading bug towards a point 3 NM ahead on the leg of the route ahead
// (the active leg, or past waypoints passed far off the route the leg beyond them).
//
// Reads: the tick samples, the active route (fms_fpln_act, stpos, fp_cnt, fms_fpln_active), the holds
// (route_holds, hold_cnt, holds_present, pattern_leg, pattern_phase), the LNAV state of the autoflight
// (lnav, lnav_init_mode, the intercept point, hdg_hold_mode, hdg_sel_mode), lite_mode, weight_unit.
// Writes: the route progress (route_progress_globals.h), rel_leg_course, dist_per_tick, stpos, lnav_leg[0], next_restr_leg, the
// active legs' eta and restr, lnav, lnav_init_mode, lnav_init_done, the VNAV sub-states; sends key
// event 0x101FA (heading bug). Distances NM, bearings degrees magnetic unless named true.
#pragma once

#include "afds/route_progress_globals.h"

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
