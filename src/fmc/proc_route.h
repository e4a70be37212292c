// What the departure and arrival inserters share: their working state, the writing of a procedure
// leg into a route row (with the navaid behind its fix), the altitude a leg's altitude text gives,
// and the merge of a repeated fix.
//
// Writes the modified route rows it is handed; moves carry next_restr_leg_mod and the holds' pending
// legs with their rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fmc/route_types.h"
#include "base/globals_macros.h"
#include "navdb/nav_records.h"

#define FMC_PROC_SELECT_GLOBALS(X)                                                      \
  X(int32_t, sid_idx, 0)            /* chosen SID record of the origin block; 0 none */  \
  X(int32_t, star_idx, 0)           /* chosen STAR record of the destination block */    \
  X(std::string, sid_trans_cur, "") /* transition key of the SID leg builder */

RO_DECLARE_GLOBALS(FMC_PROC_SELECT_GLOBALS)

void ResetProcSelectGlobals();

inline constexpr const char* kNoProcSelection = "------";
inline constexpr int32_t kProcLegListCapacity = 80;

// Whether a selection text names something ("------" and the empty text name nothing).
inline bool IsChosen(std::string_view sel) { return !sel.empty() && sel != kNoProcSelection; }

// Writes a procedure leg as a fresh route row: ident, position and leg code from the list row, `proc`,
// via := the row's procedure label, no constraint (intercept course -1.0), no hold; the type and
// frequency of the navaid at the fix when there is one ("V" written "VOR", "N" "NDB").
void WriteProcedureLeg(RouteLeg& leg, const ApproachLegEntry& e, std::string_view proc);

// The navaid at the leg's fix, if any: its frequency and type.
void ApplyFixNavaid(RouteLeg& leg);

// The integer an altitude text begins with, 0 when it begins with none; constraints need >= 100 ft.
int32_t LeadingAltitude(std::string_view alt_text);
inline constexpr int32_t kMinAltitudeConstraint = 100;

// The same fix: the same ident within `kSameFixNm` (a namesake elsewhere is another fix).
bool IsSameFix(const RouteLeg& a, const RouteLeg& b);

// Legs `from`..fp_mod_cnt of the modified route move down by `n` rows, every field with the
// departure position included; fp_mod_cnt shrinks by n.
void MoveModLegsDown(int32_t from, int32_t n);

// From row `first` + 1 on, a row of the modified route that repeats the fix of the row before merges
// into it (the later row's data wins; a hold of the earlier row stays when the later has none). A
// merged row that came from procedure `other_proc` becomes "SIDSTAR": the SID and STAR share it.
void MergeRepeatedFixes(int32_t first, std::string_view other_proc);

// Appends a fresh row to the modified route; the caller has checked the capacity.
RouteLeg& AppendModRow();

// The destination block's airport as a route row: identifier, reference position, "APT".
void WriteDestinationRow(RouteLeg& leg);

// Row 1..rwy_cnt of an airport block's runway table whose ident is `rwy`; 0 when none.
int32_t RunwayTableRow(const AirportRecord& apt, std::string_view rwy);

// The procedure record `idx` of a table of `count` records (row 0 unused), null when it is none.
const ProcedureRecord* ProcedureAt(const ProcedureRecord* table, int32_t count, int32_t array_rows, int32_t idx);

// Fills `list` (rows 1..*count, at most 80) with the legs of `proc` that belong to transition
// `trans_key` (or to every transition) and whose runway text is empty, "---" or holds `rwy_key` as
// a plain substring. Row 1 carries no procedure label, every later row `label`.
void BuildProcedureLegList(const ProcedureRecord* proc, std::string_view trans_key, std::string_view rwy_key,
                           const std::string& label, ApproachLegEntry* list, int32_t* count);
