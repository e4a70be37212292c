// Route execution (the EXEC key, and the panel-state loader after it has read a saved route): the
// modified route with its pending procedure selections becomes the active route; the active leg and
// the LNAV leg are settled, changed origin and destination airports are loaded, the route state
// becomes 3, the vertical profile, T/C, T/D and route distances are recomputed, and the route is
// handed to the simulator's flight plan while synchfplanwithfsgps is 1.
//
// Reads: fms_fpln_mod / fp_mod_cnt, the pending selections, the runway tables of the origin and
// destination blocks, the pending CDU edits (speeds, cruise altitude, cost index), orig_entry /
// dest_entry, TmpFrId with tmp_fr_lat / tmp_fr_lon, the present position.
// Writes: fms_fpln_act / fp_cnt, stpos, the active selections, fms_dep_rwy_pos / fms_dest_rwy_pos,
// lnav_leg[0], act_wpt_lat / act_wpt_lon, orig_ident / dest_ident with their airport blocks, the
// profile and crossing point, fms_fpln_active, dist_to_active_wpt (999.0 until the next tick), the
// VNAV sub-modes after a modification, annuncement_mode, fix_info, cdu_message.
#pragma once

#include <cstdint>

void ExecRoute();

// Empties FIX INFO row n (1 or 2), or both rows when n is below 1: ident empty, position and the
// radial/distance block zero; the type text stays.
void ClearDisplayTables(int32_t n);
