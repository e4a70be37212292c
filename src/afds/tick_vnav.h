// Top of climb, top of descent and the VNAV speed targets of the per-tick run: the crossing point
// (next altitude target) kept at the look-ahead, the T/C and T/D detection of the route block with
// their MCP altitude, speed and mode key events, the climb and descent speed restrictions, and the
// pauses and return to normal simulation rate at the T/D and near the destination.
//
// Reads: the tick samples, the active route and its profile (cruise_alt, init_cruise_alt, toc, tod,
// init_tod, toc/tod points, next_restr_leg, to_wpt_dtg, act_leg_crs, route_dist_acc), dist_to_active_wpt
// and rel_leg_course, vnav, alt_sel_num, the configuration switches of the pauses and restrictions.
// Writes: the legs' planned altitudes and speeds (a climb planned again), the crossing point, toc,
// tod, init_tod, tod_alt, tod_stpos, last_restr_lat/lon, route_dist_sum, vnav_page, tmsp, epr_bug(_2),
// the VNAV sub-states and speeds, cdu_message, the pause once-flags, sim_rate; sends key events
// 0x1024C, 0x1022D, 0x1023E, 0x101F5, 0x10019, 0x100FE.
// Altitudes ft, speeds kt, distances NM.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

#define AFDS_TICK_VNAV_GLOBALS(X) \
  X(double, sim_rate, 0.0)  /* simulation rate sampled each tick; 1.0 normal */

RO_DECLARE_GLOBALS(AFDS_TICK_VNAV_GLOBALS)

// The crossing point and the VNAV cruise flag when the active waypoint comes within the look-ahead
// (after next_restr_leg has been found).
void UpdateCrossingPointAtLookAhead();

// The climb planned again once the aircraft has passed a leg's planned altitude, then T/C, T/D and
// the speed targets at the end of the route block (after the route distances).
void RunTocTodBlock();

// Every tick near the end of the run: the simulation rate and the pauses.
void StepSimRateAndPauses();

void ResetTickVnavGlobals();
