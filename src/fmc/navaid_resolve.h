// The navaid behind a route fix: the first row of nav_navaids reached through the navaid name index
// (nav_name_index rows 1..nav_name_index_cnt, keyed by an ident's first character) whose ident,
// kind and whole-degree latitude agree with the fix.
#pragma once

#include <cstdint>
#include <string_view>

// `type` "INT" or empty agrees with a VOR ("V"); any other type agrees with a navaid whose type has
// the same first character. The row, or 0 when there is none (also while the index is empty).
int32_t ResolveWaypointInNavIndex(std::string_view ident, std::string_view type, double lat);
