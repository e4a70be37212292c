// Following the active route: the passage test of the active waypoint, the leg of the route ahead
// that LNAV steers along, and the along-route distances from the present position that the PROGRESS
// page, the T/C-T/D logic and VNAV read.
//
// Reads fms_fpln_act rows 0..fp_cnt (hold_idx marks a hold fix), stpos, plane_lat/plane_lon, mag_var,
// rel_leg_course, the LNAV leg (lnav_leg[0]), the profile points (toc_lat/lon, tod_lat/lon, last_restr_lat/lon,
// tod_alt, cross_at_elev), cruise_alt, init_cruise_alt, toc, tod, toc_dist_done, init_tod,
// next_restr_leg, tod_stpos.
// Writes dest_dtg, dest_brg, route_dist_total, dist_to_tod, dist_to_cross_at, route_dist_acc,
// route_dist_sum, tod_path_dist, tod_dist_acc, vnav_path_alt, path_in_ft_per_nm, and at the T/D
// tod, init_tod, tod_stpos, last_restr_lat/lon and cross_at_elev. Distances in NM; "DISCO" rows are
// skipped.
// Also sets the LNAV leg's from-point (lnav_leg[0]) from a leg of the route.
#pragma once

#include <cstdint>

#include "fmc/route_types.h"

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

// An altitude constraint passed in the descent (row `row`) starts the next descent segment: the path
// runs on from its place at its altitude (last_restr_lat/lon, tod_alt, tod_stpos). The descent of the
// path into it (path_in_ft_per_nm) is kept until the aircraft reaches the place.
void StartDescentSegmentAt(int32_t row);

// A plan taken over in the descent has other rows than those the descent started on: the path runs
// on from the aircraft, at the path's altitude here (before a T/D, the level flown), to the plan's
// next constraint.
void StartDescentSegmentHere();

// The LNAV leg starts at leg `from`; a "DISCO" or a missing origin has no position to fly from, so
// after one the leg starts "DIRECT" at the present position.
void SetLnavFromLeg(const RouteLeg& from);

// The LNAV leg of the active route's row `row` (1 or more): to it, from the row before it.
void SetLnavLegToRow(int32_t row);

// The distance to the active waypoint as the pages and maps show it: dist_to_active_wpt, or while it
// holds the "sequence now" value (a passage the next route block acts on) the great-circle distance
// from the aircraft, so that -1 is never shown.
double ShownDistToActiveWptNm();
