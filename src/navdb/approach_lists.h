// The lists of the ARRIVALS page built from the destination's approaches: the approach list
// (identifier and runway), the IAF list of the chosen approach and the legs of the chosen approach
// and transition, ready for the route code to insert.
//
// Reads: airport_recs[2] approaches; the selections appr_sel, arr_rwy_cur and appr_trans_sel
// ("------" = none chosen). Writes: appr_list/appr_list_cnt, the destination block's IAF list and
// iaf_cnt, appr_legs/appr_leg_cnt and appr_legs_pending. Each list stops at its capacity.
#pragma once

#include <string>

// Approach rows for the runway `filter` ("------": every runway).
void BuildApproachList(std::string filter);

void BuildIafList();

void BuildApproachLegList();
