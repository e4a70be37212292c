// RTE (page 22, DrawRtePage in cdu_pages.h): the route by airports and airways. Sub-page 1 holds
// the origin, destination, departure runway and company route; the later sub-pages list the
// modified route as VIA / TO rows (rte_rows), on which airways, their exit fixes, direct fixes and
// deletions are entered. Line 6 offers ERASE, ACTIVATE and PERF INIT.
//
// Reads and writes the route tables, the route state, the origin and destination entries and
// selections, the DEP/ARR choice flags, the CDU key state and the stored-plan list; every route
// edit goes through the route operations on the modified route.
#pragma once

#include <cstdint>

// Deletes segment n (1-based, as the VIA/TO rows count them) of the modified route and returns its
// first leg; 0 when there is no such segment or it cannot be deleted (one that runs on to the
// destination). The destination leg is never deleted. Steps an active route to modified and
// rebuilds the rows.
int32_t DeleteRouteSegment(int32_t n);

// Takes the to-fix of RTE row n as the exit of the loaded airway (the entry row itself is skipped);
// on success deletes that route segment and inserts the airway's fixes, and returns 1; otherwise 0.
// -1: the exit is on the airway but its legs would not fit; "INVALID ENTRY", the route unchanged.
int32_t SelectAirwayExitFix(int32_t n);

namespace rte {

// The legs first..last of a segment; last 0 when it runs on to the end of the route.
struct Segment {
  int32_t first = 0;
  int32_t last = 0;
};

// Segment n as DeleteRouteSegment counts it: a leg continues the segment while it carries the
// same airway (not empty); a STAR or APPR leg is a segment of its own.
Segment FindRouteSegment(int32_t n);

// Removes modified-route legs first..last (within 1..fp_mod_cnt - 1), closing the gap; the
// departure or arrival choice whose procedure name a removed leg carries as its via is cleared.
void DeleteModLegs(int32_t first, int32_t last);

// Applies the pending line-select key on sub-page `page`.
void ApplyRteKey(int32_t page);

}  // namespace rte
