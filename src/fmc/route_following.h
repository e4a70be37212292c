// Following the active route: the passage test of the active waypoint, the leg of the route ahead
// that LNAV steers along, the along-route distances from the present position that the PROGRESS
// page, the T/C-T/D logic and VNAV read, and the descent path VNAV flies, measured at the aircraft's
// place along the route for VNAV and every display alike.
//
// Reads fms_fpln_act rows 0..fp_cnt (hold_idx marks a hold fix), stpos, plane_lat/plane_lon/plane_alt,
// mag_var, rel_leg_course, the LNAV leg (lnav_leg[0]), the hold being circled (route_holds[1],
// holds_present, pattern_leg), the profile points (toc_lat/lon, tod_lat/lon, last_restr_lat/lon,
// tod_alt, tod_stpos, cross_at_elev, cross_at_row), cruise_alt, init_cruise_alt, toc, tod,
// toc_dist_done, init_tod, next_restr_leg.
// Writes dest_dtg, dest_brg, route_dist_total, dist_to_tod, dist_to_cross_at, route_dist_acc,
// route_dist_sum, tod_path_dist, tod_dist_acc, vnav_path_alt, path_start_ahead_nm, at the T/D tod,
// init_tod and the path's start (last_restr_lat/lon, tod_stpos), and the crossing point. Distances
// in NM, altitudes in ft; "DISCO" rows are skipped.
// Also sets the LNAV leg's from-point (lnav_leg[0]) from a leg of the route, keeping the leg before.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"
#include "fmc/route_types.h"

// How far short of the active waypoint no circuit has come yet.
inline constexpr double kNotInCircuit = 1.0e9;

#define FMC_ROUTE_FOLLOWING_GLOBALS(X)                                                          \
  X(int32_t, prev_leg_known, 0)       /* 1 when the leg below led to the active leg's start */ \
  X(double, prev_leg_fr_lat, 0.0)     /* the leg LNAV flew before the active one */            \
  X(double, prev_leg_fr_lon, 0.0)                                                              \
  X(double, prev_leg_to_lat, 0.0)                                                              \
  X(double, prev_leg_to_lon, 0.0)                                                              \
  X(double, circuit_short_nm, kNotInCircuit) /* NM, nearest the fix a hold's circuit came */

RO_DECLARE_GLOBALS(FMC_ROUTE_FOLLOWING_GLOBALS)

void ResetRouteFollowingGlobals();

// A waypoint is passed once the aircraft lies beyond the line through it square to the leg there (the
// leg's direction at the waypoint on its great circle, the active leg from the LNAV from-point, so long
// and polar legs are measured alike), or has cut the corner: nearer the leg after it than the leg
// into it, and less short of it than off that leg (not where the route does not go on: the last row,
// before a "DISCO", at a hold fix).
//
// The route ahead: the active row, or past waypoints the aircraft has passed the first later row
// whose waypoint it has not (the row itself where the route does not go on). LNAV steers along the
// leg into it, never along the active leg's extension away from the route.
int32_t RouteAheadRow();

// The ends of the leg into RouteAheadRow(): the LNAV leg (lnav_leg[0]) when that is the active row.
struct LegEnds {
  double fr_lat, fr_lon, to_lat, to_lon;
};
LegEnds RouteAheadLeg();

// 1 once the active waypoint is passed (above) with the aircraft within 22 NM either side of the
// route ahead's leg: the route goes on where the aircraft is; far off it nothing is sequenced.
int32_t IsActiveWptPassed();

// The true course of the active leg abeam the present position: the direction of its great circle
// carried across to the aircraft. rel_leg_course + mag_var when there is no active leg.
double ActiveLegCourseHere();

// Recomputes the distances above from the present position.
void ComputeRouteDistances();

// The descent path runs from its start (last_restr_lat/lon on the leg into row tod_stpos, at
// tod_alt) down to the crossing point (cross_at_elev, at row cross_at_row), straight along the route;
// short of its start it is level at tod_alt. ComputeRouteDistances measures it where the aircraft is
// abeam on the route (vnav_path_alt, dist_to_cross_at, path_start_ahead_nm), round a corner where
// LNAV turns short of a waypoint, and at the fix while a hold there is circled.

// The next segment starts at the altitude constraint of row `row` (at `alt_ft`), which the aircraft
// has reached, and runs down to the crossing point (set first): its altitude is the segment's level
// (cruise_alt), its place the segment's T/D.
void StartDescentSegmentAt(int32_t row, double alt_ft);

// The path starts again where the aircraft is along the route, at `alt_ft` (the path's altitude there
// before an EXEC, the aircraft's after a load): from there VNAV flies it to the crossing point of the
// route just executed (any EXEC in the descent, a plan taken over, a state loaded).
void StartDescentSegmentHere(double alt_ft);

// The path starts at the T/D (tod_lat/lon) reached in the tick: level to it, down from it.
void StartDescentAtTod();

// The crossing point is the waypoint of row `row`, at its altitude.
void SetCrossingRow(int32_t row);

// The row the descent path runs down to: the crossing point's row, else next_restr_leg; -1 none.
int32_t DescentPathEndRow();

// True once the aircraft has passed the end of the descent path along the route (not while it
// circles a hold at that fix).
bool DescentPathEndPassed();

// The LNAV leg starts at leg `from`; a "DISCO" or a missing origin has no position to fly from, so
// after one the leg starts "DIRECT" at the present position.
void SetLnavFromLeg(const RouteLeg& from);

// The LNAV leg of the active route's row `row` (1 or more): to it, from the row before it.
void SetLnavLegToRow(int32_t row);

// The distance to the active waypoint as the pages and maps show it: dist_to_active_wpt, or while it
// holds the "sequence now" value (a passage the next route block acts on) the great-circle distance
// from the aircraft, so that -1 is never shown.
double ShownDistToActiveWptNm();
