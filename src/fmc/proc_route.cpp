#include "fmc/proc_route.h"

#include "fmc/fmc_globals.h"
#include "fmc/navaid_resolve.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

RO_DEFINE_GLOBALS(FMC_PROC_SELECT_GLOBALS)

void ResetProcSelectGlobals() { RO_RESET_GLOBALS(FMC_PROC_SELECT_GLOBALS) }

void ApplyFixNavaid(RouteLeg& leg) {
  const int32_t n = ResolveWaypointInNavIndex(leg.ident, leg.type, leg.lat);
  if (n <= 0) return;
  const NavRecord& navaid = nav_navaids[n];
  leg.freq = TextOf(navaid.extra);
  std::string_view type = TextOf(navaid.type);
  leg.type = type == "V" ? "VOR" : type == "N" ? "NDB" : std::string(type);
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

void MoveModLegsDown(int32_t from, int32_t n) {
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  for (int32_t k = from; k <= last; ++k) {
    fms_fpln_mod[k - n].dep_position = fms_fpln_mod[k].dep_position;
    MoveModLeg(k, k - n);
  }
  fp_mod_cnt -= n;
}

void MergeRepeatedFix(int32_t i) {
  const int32_t kept_hold = fms_fpln_mod[i].hold_idx == 0 ? fms_fpln_mod[i - 1].hold_idx : 0;
  MoveModLegsDown(i, 1);
  if (kept_hold != 0) fms_fpln_mod[i - 1].hold_idx = kept_hold;
}

RouteLeg& AppendModRow() {
  RouteLeg& leg = fms_fpln_mod[++fp_mod_cnt];
  ResetRouteLeg(leg);
  return leg;
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
