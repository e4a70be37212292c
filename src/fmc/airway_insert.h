// Airway insertion: the fixes of the airway loaded into nav_search_list, strictly after the entry
// fix up to and including the exit fix, become legs of the modified route after mod_stpos, in
// airway order or reverse order.
//
// Reads: nav_search_list / nav_search_cnt, awy_entry_idx, awy_exit_idx, mod_stpos, the navaid table
// (type and frequency of an inserted navaid). Writes: fms_fpln_mod with the end mark "******" after
// the last leg, fp_mod_cnt, next_restr_leg_mod and the holds' pending legs (they follow their legs),
// cdu_message on refusal. The caller renumbers mod_stpos, steps the route state and rebuilds the RTE
// rows.
#pragma once

inline constexpr const char* kRouteEndMark = "******";

// Refused whole with "INVALID ENTRY" (route unchanged) when the rows named are not in the list or
// the route, or when the end mark would pass row 200.
void InsertAirwayWpts();
