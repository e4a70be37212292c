#include "fmc/proc_route.h"

#include <algorithm>

#include "base/geodesy.h"
#include "fmc/fmc_globals.h"
#include "fmc/navaid_resolve.h"
#include "fmc/route_model.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

RO_DEFINE_GLOBALS(FMC_PROC_SELECT_GLOBALS)

void ResetProcSelectGlobals() { RO_RESET_GLOBALS(FMC_PROC_SELECT_GLOBALS) }

void ApplyFixNavaid(RouteLeg& leg) {
  const int32_t n = ResolveWaypointInNavIndex(leg.ident, leg.type, leg.lat);
  if (n <= 0) return;
  const NavRecord& navaid = nav_navaids[n];
  leg.freq = TextOf(navaid.extra);
  leg.type = RouteNavaidType(TextOf(navaid.type));
}

void WriteProcedureLeg(RouteLeg& leg, const ApproachLegEntry& e, std::string_view proc) {
  ResetRouteLeg(leg);
  leg.ident = e.ident;
  leg.proc = proc;
  leg.via = e.proc_label;
  leg.lat = e.lat;
  leg.lon = e.lon;
  leg.leg_code = e.fly_over;
  leg.restr = 0;
  leg.intc_crs = kNoInterceptCourse;
  ApplyFixNavaid(leg);
}

int32_t LeadingAltitude(std::string_view alt_text) { return ParseLeadingInt(alt_text); }

bool IsSameFix(const RouteLeg& a, const RouteLeg& b) {
  return a.ident == b.ident && CalcDistNm(a.lat, a.lon, b.lat, b.lon) <= kSameFixNm;
}

void MoveModLegsDown(int32_t from, int32_t n) {
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  for (int32_t k = from; k <= last; ++k) {
    fms_fpln_mod[k - n].dep_position = fms_fpln_mod[k].dep_position;
    MoveModLeg(k, k - n);
  }
  fp_mod_cnt -= n;
}

void MergeRepeatedFixes(int32_t first, std::string_view other_proc) {
  for (int32_t i = first + 1; i - 1 < fp_mod_cnt; ++i) {
    RouteLeg& before = fms_fpln_mod[i - 1];
    if (fms_fpln_mod[i].ident != before.ident) continue;
    const bool shared = before.proc == other_proc;
    const int32_t kept_hold = fms_fpln_mod[i].hold_idx == 0 ? before.hold_idx : 0;
    MoveModLegsDown(i, 1);
    if (kept_hold != 0) before.hold_idx = kept_hold;
    if (shared) before.proc = "SIDSTAR";
  }
}

RouteLeg& AppendModRow() {
  RouteLeg& leg = fms_fpln_mod[++fp_mod_cnt];
  ResetRouteLeg(leg);
  return leg;
}

int32_t RunwayTableRow(const AirportRecord& apt, std::string_view rwy) {
  const int32_t n = std::clamp<int32_t>(apt.rwy_cnt, 0, kAirportRunwayRows - 1);
  for (int32_t i = 1; i <= n; ++i) {
    if (TextIs(apt.runways[i].ident, rwy)) return i;
  }
  return 0;
}

const ProcedureRecord* ProcedureAt(const ProcedureRecord* table, int32_t count, int32_t array_rows, int32_t idx) {
  return idx >= 1 && idx <= count && idx < array_rows ? &table[idx] : nullptr;
}

void BuildProcedureLegList(const ProcedureRecord* proc, std::string_view trans_key, std::string_view rwy_key,
                           const std::string& label, ApproachLegEntry* list, int32_t* count) {
  for (int32_t i = 1; i <= std::clamp<int32_t>(*count, 0, kProcLegListCapacity); ++i) list[i] = {};
  *count = 0;
  if (proc == nullptr) return;
  const int32_t legs = std::clamp<int32_t>(proc->leg_cnt, 0, kProcedureLegRows - 1);
  for (int32_t k = 1; k <= legs && *count < kProcLegListCapacity; ++k) {
    const ProcedureLeg& leg = proc->legs[k];
    std::string_view trans = TextOf(leg.trans);
    if (!(trans.empty() || trans == trans_key || TextIs(leg.marker, "*"))) continue;
    std::string_view leg_rwy = TextOf(leg.runway);
    if (!(leg_rwy.empty() || leg_rwy == "---" || leg_rwy.find(rwy_key) != std::string_view::npos)) continue;
    ApproachLegEntry& row = list[++*count];
    row.ident = TextOf(leg.ident);
    row.lat = leg.lat;
    row.lon = leg.lon;
    row.fly_over = leg.fly_over;
    row.alt_text = TextOf(leg.alt_text);
    row.proc_label = *count == 1 ? std::string() : label;
  }
}

void WriteDestinationRow(RouteLeg& leg) {
  const AirportRecord& dest = airport_recs[2];
  leg.ident = TextOf(dest.icao);
  leg.lat = dest.lat;
  leg.lon = dest.lon;
  leg.type = "APT";
  leg.freq.clear();
  leg.aux_text.clear();
  leg.alt = kNoConstraint;
  leg.ias = kNoConstraint;
  leg.restr = 0;
}
