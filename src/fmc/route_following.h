// Following the active route: the passage test of the active waypoint and the along-route
// distances from the present position that the PROGRESS page, the T/C-T/D logic and VNAV read.
//
// Reads fms_fpln_act rows 0..fp_cnt, stpos, plane_lat/plane_lon, mag_var, rel_leg_course, the LNAV
// leg's from-point (lnav_leg[0]), the profile points (toc_lat/lon, tod_lat/lon, last_restr_lat/lon,
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

// 1 once the aircraft has crossed the line through the active waypoint square to the active leg
// there (the great circle from the LNAV from-point, whose course at the waypoint may differ from
// rel_leg_course by any angle on a long or polar leg), within 22 NM either side of the waypoint;
// else 0.
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
