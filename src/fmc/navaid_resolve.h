// The navaid behind a route fix: the first row of nav_navaids reached through the navaid name index
// (nav_name_index rows 1..nav_name_index_cnt, keyed by an ident's first character) whose ident,
// kind and whole-degree latitude agree with the fix.
#pragma once

#include <cstdint>
#include <string_view>

#include "fmc/route_types.h"

// `type` "INT" or empty agrees with a VOR ("V"); any other type agrees with a navaid whose type has
// the same first character. The row, or 0 when there is none (also while the index is empty).
int32_t ResolveWaypointInNavIndex(std::string_view ident, std::string_view type, double lat);

// A navaid type as route rows write it: "V" becomes "VOR", "N" "NDB"; other types stay.
std::string_view RouteNavaidType(std::string_view navaid_type);

// The navaid behind the leg's fix, when there is one, gives the leg its frequency and, for a fix of
// type "INT" or none, its type.
void TakeFixNavaid(RouteLeg& leg);
