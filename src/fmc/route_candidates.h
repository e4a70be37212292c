// Small helpers between the navigation search and the route editors: the current fix, the chosen
// candidate, an airport's position by ident and the leg an RTE line ends at.
//
// Reads nav_search_list, nav_apts, rte_rows and fms_fpln_mod. Writes cur_fix_*, nav_search_list
// row 1 and found_apt_lat / found_apt_lon.
#pragma once

#include <cstdint>
#include <string>

// Copies candidate row n (1..250) into the current fix.
void SetCurrentFix(int32_t n);

// Copies candidate row i (1..250) into row 1, the candidate the inserters take.
void SelectSearchResult(int32_t i);

// Looks the ident up in the airport table: 1 with found_apt_lat / found_apt_lon set, else 0.
int32_t FindNavRecordByName(const std::string& ident);

// The first modified-route leg from `row` upward (below fp_mod_cnt, not leg 0) whose ident is the
// to-fix of RTE line `row`; fp_mod_cnt when there is none.
int32_t FindLegIndexOfFix(int32_t row);
