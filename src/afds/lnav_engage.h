// The LNAV button and the cross-track geometry of the LNAV leg. LNAV flies the active route with
// the simulator's heading hold: the button switches it off, engages it at once from the present
// position ("DIRECT"), or arms it with an intercept point where the present heading meets the
// active leg; the per-tick run (afds/tick_route) then steers the heading bug and captures an armed
// intercept.
//
// Reads: stpos, fms_fpln_act, lnav_leg[0], plane_lat, plane_lon, plane_hdg_mag, mag_var,
// active_wpt_brg, rel_leg_course, active_leg_dist, dist_to_active_wpt, lite_mode, ActLnavWoIntHdg.
// Writes: lnav, lnav_init_mode, the intercept globals (lnav_init_*, lnav_join_trk*), lnav_leg[0],
// hdg_hold_mode, hdg_sel_mode, nav_button, fma_roll_box_timer, xtk_dist, xtk_side, cdu_message,
// lnav_hdg_sent, the
// named variables lnav, hdg_hold, nav_button; sends key events 0x10117, 0x1010F, 0x1011B, 0x10347.
// Distances NM, bearings degrees (magnetic unless named true).
#pragma once

#include <cstdint>

// Cross-track distances are reported up to this much.
inline constexpr double kMaxXtkDistNm = 125.0;
// Cross-track distance without an active route.
inline constexpr double kNoXtkDist = -99.0;

void LnavIntercept();

// What an engaged LNAV asks of the simulator's autopilot: its heading hold, no NAV hold, and the
// heading bug at the next aim (sent by the per-tick run).
void FlyLnav();

// The cross-track distance (at most 125 NM) and side (1 when the aircraft lies to the right of the
// leg, clockwise of its course seen from the along-track point; else 2) of the aircraft from the leg
// LNAV steers along. Without an active route only the distance is written, -99.0.
void ComputeLnavGeometry(int32_t* xtk_side_out, double* xtk_dist_out);

// The aircraft's place on the great circle of the leg LNAV steers along (RouteAheadLeg: the LNAV
// leg, or past waypoints passed the leg of the route ahead): along-track from the leg's start
// (negative behind it) and cross-track (positive to the right), NM. Returns the leg's true course at
// its start, along which the along-track is counted.
double LnavLegOffsets(double* along_nm, double* cross_nm);
