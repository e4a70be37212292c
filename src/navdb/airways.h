// Airways for the RTE page: reading an airway's fixes from awys.txt into the search list with the
// route's joining fix marked, finding fixes in that list, and choosing the exit fix, which hands the
// fixes between entry and exit to the route code for insertion.
//
// Reads: fms_fpln_mod row mod_stpos (the joining fix), rte_rows. Writes: nav_search_list,
// nav_search_cnt, awy_entry_idx, awy_exit_idx, awy_exit_set.
#pragma once

#include <cstdint>
#include <string>

// Loads airway `name` (a leading '#' is dropped); an unknown airway leaves the list empty.
void LoadAirway(std::string name);

// First row 1..nav_search_cnt whose ident is `fix`, 0 when none. The two are the same search.
int32_t FindAirwayFix(const std::string& fix);
int32_t FindAirwayFix2(const std::string& fix);

// Takes the to-fix of RTE row n as the exit (the entry row itself is skipped); on success deletes
// that route segment and inserts the airway's fixes, and returns 1; otherwise 0.
int32_t SelectAirwayExitFix(int32_t n);
