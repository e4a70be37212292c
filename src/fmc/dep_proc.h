// Departure selection and insertion (the DEPARTURES page's choices): a runway, SID or transition
// choice is recorded in the modified route's selections, narrows the pick lists, and rebuilds the
// SID legs of fms_fpln_mod directly after the origin row.
//
// Reads: the origin block (airport_recs[1]) and its SID records, sid_sel, sid_trans_sel,
// dep_rwy_sel, mod_stpos, orig_entry. Writes: the selections, sid_idx, sid_legs_rwy, sid_trans_cur,
// sid_leg_list / sid_leg_cnt, fms_fpln_mod / fp_mod_cnt (with next_restr_leg_mod and the holds'
// pending legs), the DEPARTURES page state (fms_page, dep_page_no, dep_sel_state, dep_trans_chosen,
// dep_rwy_chosen, fms_dep_rwy_pos: the runway's row in the origin's runway table), the route state,
// cdu_message when a route would pass row 200: the choice is then refused whole.
#pragma once

#include <cstdint>
#include <string>

// Opens the DEPARTURES page with unfiltered lists.
void ResetDepArrSelection();

// The choices return false when the route could not take the SID: "INVALID ENTRY" is shown and
// everything else is as it was before the call. A row outside the list does nothing (true).

// i: row 1..count of the departure runway list.
bool SelectDepRunway(int32_t i);

// by_name 0 takes the SID of sid_list row `index`; 1 keeps sid_sel (the index is then ignored).
bool SelectDepProcedure(int32_t index, int32_t by_name);

// sid_idx := the first SID record named `name`; unchanged when there is none.
void SelectSid(std::string name);

// The legs of SID record sid_idx that fit sid_trans_cur and sid_legs_rwy, at most 80.
void BuildSidLegList();

// Replaces the modified route's SID legs by sid_leg_list; false, with the route untouched, when the
// result would pass row 200.
bool InsertSidLegs();
