// SELECT WAYPOINT (page 9, DrawSelectWaypointPage in cdu_pages.h): the candidates of a look-up that
// matched several database items, six a sub-page with their type, frequency and position; a line
// key applies the choice for the page that asked (cdu_return_page, cdu_return_index) and returns to
// it: REF NAV DATA takes the fix, RTE inserts it with a discontinuity, RTE LEGS inserts it as a leg,
// the HOLD AT prompt of RTE LEGS takes its row.
//
// PREV PAGE moves forward through the sub-pages and NEXT PAGE back, unlike the other pages. The
// sub-page is kept between uses while it is in range for the new list.
//
// Reads nav_search_list / nav_search_cnt and the hand-off; writes sel_wpt_page(_cnt), wpt_pick_row,
// the modified route (through the route operations), the scratchpad and fms_page.
#pragma once

#include "cdu/cdu_pages.h"
