// The route model: leg values and moves, the modified-route copy and reset, and the RTE page rows.
//
// Reads and writes fms_fpln_act / fms_fpln_mod (rows 0..200, row 0 the origin) with their counts
// fp_cnt / fp_mod_cnt, mod_stpos, next_restr_leg(_mod) and rte_rows / rte_row_cnt. Moving a leg of
// the modified route carries next_restr_leg_mod and the hold's pending leg number with it.
#pragma once

#include <cstdint>
#include <string_view>

#include "fmc/route_types.h"

inline constexpr int32_t kLastRouteRow = kRouteRows - 1;  // 200
inline constexpr double kNoConstraint = -999.0;
inline constexpr double kNoInterceptCourse = -1.0;  // what the inserters write

// A view compare: the route walks test every leg on every route tick.
inline bool IsDisco(const RouteLeg& leg) { return std::string_view(leg.ident) == std::string_view("DISCO"); }
// An airway entered on RTE whose exit fix is still to come.
inline bool IsThen(const RouteLeg& leg) { return std::string_view(leg.ident) == std::string_view("THEN"); }
// A gap in the route ("DISCO" or "THEN"), never a place to measure to, draw or fly.
inline bool IsPlaceholder(const RouteLeg& leg) { return IsDisco(leg) || IsThen(leg); }
// No place to fly from: a "DISCO", or row 0 of a route entered without an origin (left at 0N 0E).
inline bool HasNoPlace(const RouteLeg& leg) { return IsDisco(leg) || leg.ident.empty(); }

// The values of a reset leg: texts empty, alt/ias/intc_crs -999.0, numbers 0; mach and
// dep_position are left as they are.
void ResetRouteLeg(RouteLeg& leg);

// A leg copied as a move copies it: every field but mach and dep_position.
void CopyLegForMove(const RouteLeg& from, RouteLeg& to);

// Moves modified-route leg `from` onto row `to` (both 0..200): the leg, next_restr_leg_mod when it
// names `from`, and the hold whose pending leg is `from`.
void MoveModLeg(int32_t from, int32_t to);

// Opens a gap of `n` rows at `row`: legs row..fp_mod_cnt move up by n, from the last one down. The
// caller has checked that fp_mod_cnt + n stays within row 200; fp_mod_cnt is not changed.
void ShiftModLegsUp(int32_t row, int32_t n);

// Last row of a count, held inside the table (a negative count stays negative).
inline int32_t ClampedLastRow(int32_t count) { return count > kLastRouteRow ? kLastRouteRow : count; }

// Rows 0..fp_cnt of the active route into the modified one (eta emptied), with the counts, the
// active leg, the constraint leg and the holds' pending leg numbers.
void CopyActiveToModRoute();

// Rows 0..fp_mod_cnt of the modified route and the texts of rte_rows 0..rte_row_cnt emptied; no
// count changes.
void ResetModRoute();

// Rebuilds rte_rows 1..rte_row_cnt from the modified route's legs 1..fp_mod_cnt - 1.
void BuildRteRows();

// The row of legs 0..last whose place row `row` stands at: the row itself when it is a place; for a
// placeholder the first place after it, or the last one before it at the end of the route; -1 when
// the route has none.
int32_t PlaceRowOf(const RouteLeg* legs, int32_t last, int32_t row);

// The nearest row before `row` that is a place; -1 when there is none.
int32_t PreviousPlaceRow(const RouteLeg* legs, int32_t row);

// Turns the row into a "DISCO": texts, leg code, hold and intercept course emptied; its place,
// constraints, Mach and frequency are left to the caller.
void MakeDisco(RouteLeg& leg);

// A placeholder row takes the position, altitude, speed and restr of the leg it stands before, so
// that nothing measured through it goes elsewhere.
void CarryPlaceOfNextLeg(RouteLeg* legs, int32_t last, int32_t row);
