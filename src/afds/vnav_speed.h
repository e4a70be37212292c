// VNAV speed management along the active route: the climb, cruise and descent speed targets (a
// leg's speed constraint, the speed restriction below its altitude, or the economy speed or Mach),
// the hand-over of the climb's pitch to the FLCH controller, the "DRAG REQUIRED" message of the
// descent and the descent thrust.
//
// Reads: vnav, toc, tod, init_tod, stpos, fms_fpln_act, fms_fpln_active, next_restr_leg,
// cross_at_elev, dist_to_cross_at, dist_to_active_wpt, route_dist_total, plane_alt, plane_lat,
// plane_lon, vert_speed, ground_speed, ias, pfd_ias_trend, ap_spdbug, ap_mach_bug, ap_speed,
// ap_mach, radio_height, startup_phase, the restriction and drag-message configuration, tokens 120
// and 604.
// Writes: vnav_des_active, vnav_pnl_restored, vnav_last_set_spd, vnav_last_set_mach_spd,
// vnav_mach_set_pending, clb_spd_restr_active, dist_to_desc_alt_rest, drag_msg_stamp, cdu_message,
// target_ias, target_mach, the phase speeds and Mach numbers, the VNAV sub-mode flags, and
// redraw_tick / tick36_counter after a panel restore; sends 0x101F5, 0x101F6, 0x1022D, 0x1022E,
// 0x10230, 0x10231. Speeds kt, altitudes ft, distances NM.
#pragma once

// Once per tick, and again (after vnav_des_active := 0) when the active leg advances, at the top
// of climb and at the top of descent.
void ProcVnavDescent();
