// Airways for the RTE page: reading an airway's fixes from awys.txt into the search list with the
// route's joining fix marked, and finding fixes in that list (the RTE page chooses the exit fix).
//
// Reads: fms_fpln_mod row mod_stpos (the joining fix). Writes: nav_search_list,
// nav_search_cnt, awy_entry_idx, awy_exit_idx.
#pragma once

#include <cstdint>
#include <string>

// Loads airway `name` (a leading '#' is dropped); an unknown airway leaves the list empty. When the
// joining fix is on it at the route's place, the list is the one airway of that name that holds the
// fix: the file may list unrelated airways of one name one after another, and where several hold the
// fix the one nearest the joining leg is taken. Without the joining fix (a namesake elsewhere is not
// it) every line of the name stays.
void LoadAirway(std::string name);

// First row 1..nav_search_cnt whose ident is `fix`, 0 when none. The two are the same search.
int32_t FindAirwayFix(const std::string& fix);
int32_t FindAirwayFix2(const std::string& fix);
