// The pick lists of the DEPARTURES and ARRIVALS pages: procedures (SIDs or STARs), the transitions
// of the chosen procedure and the runways, each filtered by the others' choices ("------" = none
// chosen, no filter).
//
// The lists are fields of the airport blocks: on the origin (airport_recs[1]) sid_list /
// sid_list_cnt, the runway list rwy_list / rwy_list_cnt (dep_rwy_list) and the transition list
// trans_list / trans_list_cnt (sid_trans_list); on the destination (airport_recs[2]) star_list /
// star_list_cnt and its rwy_list (arr_rwy_list) and trans_list (star_trans_list). Reads the blocks'
// runways and SID or STAR records. Every builder empties its list first and stops adding at the
// list's capacity (100 procedures, 118 transitions, 22 runways).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>


// Whether a procedure whose runway field is `field` (comma-separated idents, empty = every runway)
// serves runway `rwy`; "------" passes every procedure.
bool ProcedureServesRunway(std::string_view field, std::string_view rwy);

void BuildSidList(std::string runway);
void BuildDepRunwayList(std::string sid_name);
void BuildSidTransList(std::string sid_name, std::string runway);

void BuildStarList(std::string runway);
void BuildArrRunwayList(std::string star_name);
void BuildStarTransList(std::string star_name, std::string runway);

// Row 1..count of the arrival runway list holding arr_rwy_sel; 0 when none.
int32_t FindArrRunwayIndex();
