#include "fmc/dep_proc.h"

#include <algorithm>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_choice.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"
#include "navdb/procedure_common.h"

namespace {

constexpr int32_t kDeparturesPage = 10;
constexpr int32_t kInfoModOrigin = 5;  // LoadAirportInfo: the airport as row 0 of the modified route

bool IsSidLeg(const RouteLeg& leg) { return leg.proc == "SID"; }

// Rows 1.. that are SID legs, counted from row 1 while they last (all rows when every row is one).
int32_t LeadingSidRows(int32_t count) {
  int32_t i = 1;
  while (i <= count && IsSidLeg(fms_fpln_mod[i])) ++i;
  return i - 1;
}

// A route that already holds the SID's last fix (row `sid_end`) joins the SID there: the legs before
// that fix's later row go, so that nothing after the SID flies back over it. The destination stays.
void JoinRouteAtSidEnd(int32_t sid_end) {
  const RouteLeg& end = fms_fpln_mod[sid_end];
  for (int32_t j = sid_end + 1; j < fp_mod_cnt; ++j) {
    if (IsSameFix(fms_fpln_mod[j], end)) {
      if (j > sid_end + 1) MoveModLegsDown(j, j - sid_end - 1);
      return;
    }
  }
}

}  // namespace

void ResetDepArrSelection() {
  fms_page = kDeparturesPage;
  dep_page_no = 1;
  if (dep_sel_state == 1) dep_sel_state = 2;
  dep_trans_chosen = 0;
  dep_rwy_chosen = 0;
  BuildSidList(kNoProcSelection);
  BuildDepRunwayList(kNoProcSelection);
}

bool SelectDepRunway(int32_t i) {
  const AirportRecord& a = airport_recs[1];
  if (i < 1 || i > a.rwy_list_cnt || i >= kAirportRwyListRows) return true;
  const bool taken = ChooseWhole([&] {
    dep_rwy_sel = TextOf(a.rwy_list[i]);
    fms_dep_rwy_pos = RunwayTableRow(a, dep_rwy_sel);
    dep_rwy_chosen = 1;
    sid_legs_rwy = dep_rwy_sel;
    dep_page_no = 1;
    // The SID again, for this runway.
    if (sid_sel != kNoProcSelection && !SelectDepProcedure(sid_idx, 1)) return false;
    BuildSidList(dep_rwy_sel);
    if (fms_fpln_active == 3) StepFplnState();
    return true;
  });
  if (taken) PlaceOriginOnChosenRunway();
  return taken;
}

bool SelectDepProcedure(int32_t index, int32_t by_name) {
  const AirportRecord& a = airport_recs[1];
  if (by_name == 0 && (index < 1 || index > a.sid_list_cnt || index >= kAirportSidListRows)) return true;
  return ChooseWhole([&] {
    if (by_name == 0) sid_sel = TextOf(a.sid_list[index]);
    BuildSidTransList(sid_sel, dep_rwy_sel);
    SelectSid(sid_sel);
    BuildDepRunwayList(sid_sel);
    sid_legs_rwy = dep_rwy_sel;
    sid_trans_cur = sid_trans_sel;
    BuildSidLegList();
    if (!InsertSidLegs()) return false;
    BuildRteRows();
    StepFplnStateAfterEdit();
    return true;
  });
}

void SelectSid(std::string name) {
  const AirportRecord& a = airport_recs[1];
  if (int32_t i = FindProcedureByName(a.sids, std::clamp<int32_t>(a.sid_cnt, 0, kAirportSidRows - 1), name)) {
    sid_idx = i;
  }
}

void BuildSidLegList() {
  const AirportRecord& a = airport_recs[1];
  const std::string label = IsChosen(sid_trans_cur) ? sid_sel + "." + sid_trans_cur : sid_sel;
  BuildProcedureLegList(ProcedureAt(a.sids, a.sid_cnt, kAirportSidRows, sid_idx), sid_trans_cur, sid_legs_rwy, label,
                        sid_leg_list, &sid_leg_cnt);
}

bool InsertSidLegs() {
  const int32_t legs = std::clamp<int32_t>(sid_leg_cnt, 0, kProcLegListCapacity);
  // The whole edit is refused when its route would pass row 200.
  const int32_t base = mod_stpos == kNoActiveLeg ? 0 : std::max(ClampedLastRow(fp_mod_cnt), 0);
  if (base - LeadingSidRows(base) + legs > kLastRouteRow) {
    cdu_message = "INVALID ENTRY";
    return false;
  }
  fp_mod_cnt = base;
  if (fms_fpln_mod[0].type != "APT") LoadAirportInfo(orig_entry, kInfoModOrigin);

  // Old SID legs go; when every row is one, all of them (a shorter SID must not leave the rest).
  const int32_t old_sid_rows = LeadingSidRows(fp_mod_cnt);
  if (old_sid_rows > 0) MoveModLegsDown(old_sid_rows + 1, old_sid_rows);

  const AirportRecord& origin = airport_recs[1];
  RouteLeg& row0 = fms_fpln_mod[0];
  row0.ident = TextOf(origin.icao);
  row0.lat = origin.lat;
  row0.lon = origin.lon;
  row0.type = "APT";
  row0.freq.clear();

  for (int32_t j = 1, k = 0; j <= legs; ++j) {
    if (!(k + 1 <= fp_mod_cnt && IsSidLeg(fms_fpln_mod[k + 1]))) {
      ShiftModLegsUp(k + 1, 1);
      ++fp_mod_cnt;
    }
    WriteProcedureLeg(fms_fpln_mod[++k], sid_leg_list[j], "SID");
  }
  if (legs > 0) JoinRouteAtSidEnd(legs);
  // A hold at a fix the departure flies again stays with that fix.
  ReattachModHolds(1);

  MergeRepeatedFixes(1, "STAR");
  return true;
}
