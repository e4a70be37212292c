// The route's terminal airports in detail. LoadAirport fills the origin or destination block from
// the airport's line of "\Orvantel\Navdata\apts.txt" (or apts_user.txt), runways included, and has
// the procedure loaders add its SIDs, or its STARs and approaches. LoadAirportInfo reads the same
// line for the runway list apt_rwys (with the traffic-pattern side of apt_additional_info.txt) or
// to write the airport into a row of a route.
//
// Reads: sim_root, the active and modified routes and their counts. Writes: airport_recs[1..2],
// apt_rwys/apt_rwy_cnt, apt_elev_text, apt_info_loaded, nav_search_list row 1, route rows and the
// crossing point as the modes say.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// selector 1 = origin, 2 = destination. Returns 1 when the airport's line was found; on a miss the
// block is emptied (runways, procedures, lists, ident and name), and for the destination the
// approach list appr_list with it, so that nothing of the airport loaded before stays on offer, and 0
// is returned.
int32_t LoadAirport(std::string icao, int32_t selector);

// Whether the airport's line is in either file; nothing is loaded or changed. An entry that names no
// airport is refused with this before any block is touched.
bool AirportInDatabase(std::string_view icao);

// mode 0: runways and pattern sides, then the origin row's altitude; 1: the same, then the last
// row's constraint when it is this airport; 2: the crossing altitude and the last row's altitude;
// 3 and 5: the airport as row 0 of the active / modified route; 4 and 6: the airport appended to
// the active / modified route (not past row 200). A miss changes nothing.
void LoadAirportInfo(std::string icao, int32_t mode);
