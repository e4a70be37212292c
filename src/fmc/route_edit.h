// Editing operations on the modified route fms_fpln_mod for the RTE LEGS, RTE and SELECT WAYPOINT
// pages: waypoint insertion (plain, along-track, place/bearing/distance, HOLD PPOS, direct-to),
// discontinuities, airway-join rows, deletions and airway collapsing.
//
// Reads the candidate rows of nav_search_list, along_track_offset, pbd_dist, pbd_brg, pbd_brg2,
// stpos, plane_lat/plane_lon and the scratchpad. Every operation moves legs so that
// next_restr_leg_mod and the holds' pending legs follow them, and steps the route state in states
// 0 and 3. The tables keep rows 0..200: an edit that would pass row 200, or that names rows that
// do not exist, is refused whole with "INVALID ENTRY" (deletions: "INVALID DELETE").
#pragma once

#include <cstdint>
#include <string>

// Inserts candidate `sel` of nav_search_list as leg `ins_pos`, followed by a "DISCO" when it lands
// in front of an ordinary leg inside the route. Consumes along_track_offset and the pbd values.
// A `sel` outside rows 1..nav_search_cnt is refused ("INVALID ENTRY") unless an along-track offset
// makes the point.
void InsertTmpFplanWpt(int32_t ins_pos, int32_t sel);

// For a page that shows a look-up's result without inserting it: when candidate row 1 is the
// crossing point of two places' radials, it takes the name its insertion would give it.
void NameCrossingCandidate();

// Inserts candidate row 1 at `pos` (0 taken as 1) and a "DISCO" after it unless it is the last or
// second-to-last leg.
void InsertDisco(int32_t pos);

// Inserts a "THEN" row at `pos` whose via is the airway in the scratchpad.
void InsertAirwayJoin(int32_t pos);

// Drops every "THEN" row, closing the gaps.
void RemoveThenRows();

// Deletes legs dlpos..to - 1; deleting the active leg of an active route starts a direct-to.
// Empties the scratchpad and rebuilds the RTE rows.
void RemoveFPWpts(int32_t dlpos, int32_t to);

// Drops the legs after leg n that are on airway `via`, keeping the last leg of the route.
void CollapseFollowingLegs(int32_t n, const std::string& via);
