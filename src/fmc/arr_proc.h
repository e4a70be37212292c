// Arrival and approach selection and insertion (the ARRIVALS page's choices): the STAR, transition
// and runway choices are recorded in the modified route's selections and narrow the pick lists; the
// STAR legs go between the last en-route leg and the approach or the destination, and the approach
// legs (up to the missed-approach point) before the destination row.
//
// Reads: the destination block (airport_recs[2]) with its STARs and approaches, star_sel,
// star_trans_sel, arr_rwy_sel, appr_legs / appr_leg_cnt, stpos / fp_cnt of the active route, the
// present position, orig_entry. Writes: the selections, star_idx, arr_rwy_cur, star_trans_cur,
// star_leg_list / star_leg_cnt, appr_list / appr_list_cnt, appr_legs_pending, fms_fpln_mod /
// fp_mod_cnt (with next_restr_leg_mod and the holds' pending legs), the ARRIVALS page state
// (arr_rwy_chosen, arr_page, fms_dest_rwy_pos: the runway's row in the destination's runway table),
// a pending direct-to (TmpFrId, tmp_fr_lat / tmp_fr_lon, cdu_prompt_mode), the route state, and
// cdu_message when a route would pass row 200: the choice is then refused whole.
#pragma once

#include <cstdint>
#include <string>

// The choices return false when the route could not take the STAR: "INVALID ENTRY" is shown and
// everything else is as it was before the call. A row outside the list does nothing (true).

// i: row 1..count of the arrival runway list.
bool SelectArrRunway(int32_t i);

// by_name 0 takes the STAR of star_list row `index`; 1 keeps star_sel.
bool SelectArrProcedure(int32_t index, int32_t by_name);

// star_idx := the first STAR record named `name`; unchanged when there is none.
void SelectStar(std::string name);

// The approaches serving the runways of STAR star_idx, per runway in its field's order (50 rows).
void BuildStarApprList();

// The legs of STAR record star_idx that fit star_trans_cur and arr_rwy_cur, at most 80.
void BuildStarLegList();

// Writes star_leg_list into the modified route, before an approach already there, else in place of
// the old arrival, and ends the route with the destination.
bool InsertStarApprLegs();

// Replaces the modified route's approach by appr_legs; flag 1 separates it from the route by a
// discontinuity unless the approach begins at the route's last fix.
bool InsertTmpApprRoute(int32_t flag);

// Both inserters return false, with the route untouched, when the result would pass row 200.
