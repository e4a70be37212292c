#include "fmc/arr_proc.h"

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
#include "sim/debug_log.h"
#include "sim/tick_globals.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"
#include "navdb/procedure_common.h"

namespace {

constexpr int32_t kInfoModAppend = 6;  // LoadAirportInfo: the airport appended to the modified route
constexpr int32_t kApproachListCapacity = 50;

bool IsArrivalRow(const RouteLeg& leg) {
  return leg.proc == "STAR" || leg.proc == "APPR" || leg.type == "APT" || IsDisco(leg);
}

// A STAR leg's altitude text of 100 ft or more is an altitude constraint.
void WriteStarLeg(RouteLeg& leg, const ApproachLegEntry& e) {
  WriteProcedureLeg(leg, e, "STAR");
  const int32_t n = LeadingAltitude(e.alt_text);
  if (n >= kMinAltitudeConstraint) {
    leg.alt = n;
    leg.restr = 1;
  }
}

// The leg the aircraft comes from (0 without an active route): the arrival is looked for after it.
int32_t LegBehindActive() { return stpos == kNoActiveLeg ? 0 : std::max(stpos - 1, 0); }

// Whether the aircraft flies the arrival already: its active row is one of it (`a`, the last en-route
// row, lies behind the active leg), or it has flown a leg of the procedure and now flies to a fix the
// crew put there (a DIRECT TO or a HOLD AT on the arrival).
bool FlyingTheArrival(int32_t a) {
  if (stpos == kNoActiveLeg || stpos < 1 || stpos > fp_mod_cnt || fms_fpln_active < 3) return false;
  const RouteLeg& behind = fms_fpln_mod[stpos - 1];
  return a < stpos || behind.proc == "STAR" || behind.proc == "APPR";
}

// One discontinuity between two rows of the same fix at the same position goes, with the repeat.
void DropDiscoBetweenRepeatedFix() {
  for (int32_t i = 2; i < fp_mod_cnt; ++i) {
    const RouteLeg& before = fms_fpln_mod[i - 1];
    const RouteLeg& after = fms_fpln_mod[i + 1];
    if (IsDisco(fms_fpln_mod[i]) && before.ident == after.ident && before.lat == after.lat &&
        before.lon == after.lon) {
      MoveModLegsDown(i + 1, 2);
      return;
    }
  }
}

// Where a procedure (`list` rows 1..legs, tagged `proc` in the route) chosen while the aircraft flies
// it takes over. `first` is the list row to insert first (0: nothing of it lies ahead) and `anchor`
// the route row it follows.
struct ArrivalResume {
  int32_t anchor = 0;
  int32_t first = 0;
};

ArrivalResume ResumeArrival(const ApproachLegEntry* list, int32_t legs, std::string_view proc) {
  const RouteLeg& active = fms_fpln_mod[stpos];
  // Past the last of its fixes already flown on this arrival (from the en-route fix it began at)...
  int32_t arrival_start = stpos - 1;
  while (arrival_start > 1 && IsArrivalRow(fms_fpln_mod[arrival_start])) --arrival_start;
  int32_t flown = 0;
  for (int32_t j = 1; j <= legs; ++j) {
    for (int32_t r = std::max(arrival_start, 1); r < stpos; ++r) {
      if (list[j].ident == fms_fpln_mod[r].ident) flown = j;
    }
  }
  // ...it takes over at the active fix when it has it...
  for (int32_t j = flown + 1; j <= legs; ++j) {
    if (list[j].ident == active.ident) return {stpos - 1, j};
  }
  // ...or after the active leg of the same kind; otherwise none of it lies ahead.
  if (active.proc == proc && flown < legs) return {stpos, flown + 1};
  return {};
}

// A route that already holds the STAR's first fix (row `anchor` + 1) ahead of the aircraft, from row
// `from` on, joins the STAR there: the en-route legs after that fix's earlier row go, so that nothing
// flies past the fix and back to it. The repeat then merges.
void JoinRouteAtStarStart(int32_t from, int32_t anchor) {
  const RouteLeg& start = fms_fpln_mod[anchor + 1];
  for (int32_t j = std::max(from, 1); j < anchor; ++j) {
    if (IsSameFix(fms_fpln_mod[j], start)) {
      MoveModLegsDown(anchor + 1, anchor - j);
      return;
    }
  }
}

}  // namespace

bool SelectArrRunway(int32_t i) {
  const AirportRecord& a = airport_recs[2];
  if (i < 1 || i > a.rwy_list_cnt || i >= kAirportRwyListRows) return true;
  return ChooseWhole([&] {
    arr_rwy_sel = TextOf(a.rwy_list[i]);
    fms_dest_rwy_pos = RunwayTableRow(a, arr_rwy_sel);
    arr_rwy_chosen = 1;
    arr_rwy_cur = arr_rwy_sel;
    arr_page = 1;
    // The STAR again, for this runway.
    if (star_sel != kNoProcSelection && !SelectArrProcedure(star_idx, 1)) return false;
    BuildStarList(arr_rwy_sel);
    if (fms_fpln_active == 3) StepFplnState();
    return true;
  });
}

bool SelectArrProcedure(int32_t index, int32_t by_name) {
  const AirportRecord& a = airport_recs[2];
  if (by_name == 0 && (index < 1 || index > a.star_list_cnt || index >= kAirportStarListRows)) return true;
  return ChooseWhole([&] {
    if (by_name == 0) star_sel = TextOf(a.star_list[index]);
    BuildStarTransList(star_sel, arr_rwy_sel);
    SelectStar(star_sel);
    BuildArrRunwayList(star_sel);
    arr_rwy_cur = arr_rwy_sel;
    star_trans_cur = star_trans_sel;
    BuildStarApprList();
    BuildStarLegList();
    if (!InsertStarApprLegs()) return false;
    BuildRteRows();
    StepFplnStateAfterEdit();
    return true;
  });
}

void SelectStar(std::string name) {
  const AirportRecord& a = airport_recs[2];
  if (int32_t i = FindProcedureByName(a.stars, std::clamp<int32_t>(a.star_cnt, 0, kAirportStarRows - 1), name)) {
    star_idx = i;
  }
}

void BuildStarApprList() {
  for (int32_t i = 1; i <= std::clamp<int32_t>(appr_list_cnt, 0, kApproachListCapacity); ++i) appr_list[i] = {};
  appr_list_cnt = 0;
  const AirportRecord& a = airport_recs[2];
  const ProcedureRecord* star = ProcedureAt(a.stars, a.star_cnt, kAirportStarRows, star_idx);
  if (star == nullptr) return;
  std::string field(TextOf(star->runway));
  field += ',';
  std::string remembered;
  std::string key;
  const int32_t approaches = std::clamp<int32_t>(a.appr_cnt, 0, kAirportApproachRows - 1);
  for (size_t comma; !field.empty() && (comma = field.find(',')) != 0 && comma != std::string::npos;) {
    const std::string token = field.substr(0, comma);
    field.erase(0, comma + 1);
    remembered = "INIT";
    for (int32_t i = 1; i <= approaches; ++i) {
      const ProcedureRecord& r = a.approaches[i];
      if (token != kNoProcSelection && !TextIs(r.runway, token)) continue;
      const int32_t legs = std::clamp<int32_t>(r.leg_cnt, 0, kProcedureLegRows - 1);
      for (int32_t k = 1; k <= legs; ++k) {
        const ProcedureLeg& leg = r.legs[k];
        key.assign(TextOf(leg.appr_id)).append(" ").append(TextOf(leg.runway));
        if (key != remembered && appr_list_cnt < kApproachListCapacity) {
          ApproachListRow& row = appr_list[++appr_list_cnt];
          row.identifier = TextOf(leg.appr_id);
          row.runway = TextOf(leg.runway);
        }
        remembered.swap(key);
      }
    }
  }
}

void BuildStarLegList() {
  const AirportRecord& a = airport_recs[2];
  const std::string label = IsChosen(star_trans_cur) ? star_trans_cur + "." + star_sel : star_sel;
  BuildProcedureLegList(ProcedureAt(a.stars, a.star_cnt, kAirportStarRows, star_idx), star_trans_cur, arr_rwy_cur,
                        label, star_leg_list, &star_leg_cnt);
}

bool InsertStarApprLegs() {
  if (fp_mod_cnt < 0 || fp_mod_cnt > kLastRouteRow) return false;
  const int32_t legs = std::clamp<int32_t>(star_leg_cnt, 0, kProcLegListCapacity);
  const int32_t lo = std::min(LegBehindActive(), fp_mod_cnt);
  const int32_t count_before = fp_mod_cnt;
  if (fms_fpln_mod[fp_mod_cnt].type != "APT") LoadAirportInfo(orig_entry, kInfoModAppend);

  int32_t a = lo;
  for (int32_t r = fp_mod_cnt; r > lo; --r) {
    if (!IsArrivalRow(fms_fpln_mod[r])) {
      a = r;
      break;
    }
  }
  int32_t first = 1;  // the first STAR row to insert
  if (FlyingTheArrival(a)) {
    // The aircraft already flies the arrival: what it has flown is not put back, and the active leg
    // stays the fix ahead.
    const ArrivalResume resume = ResumeArrival(star_leg_list, legs, "STAR");
    if (resume.first == 0) {
      fp_mod_cnt = count_before;  // the STAR lies behind: the route keeps its rows
      return true;
    }
    a = resume.anchor;
    first = resume.first;
  }
  const int32_t inserted = std::max(legs - first + 1, 0);
  const bool before_approach = a + 1 < fp_mod_cnt && fms_fpln_mod[a + 1].proc == "APPR";
  const bool last_is_apt = fms_fpln_mod[fp_mod_cnt].type == "APT";
  const int32_t result_rows = before_approach ? fp_mod_cnt + inserted + (last_is_apt ? 0 : 1) : a + inserted + 1;
  if (result_rows > kLastRouteRow) {
    fp_mod_cnt = count_before;  // the placeholder airport row goes again
    cdu_message = "INVALID ENTRY";
    return false;
  }

  if (before_approach) {
    for (int32_t j = first, p = a + 1; j <= legs; ++j, ++p) {
      ShiftModLegsUp(p, 1);
      ++fp_mod_cnt;
      WriteStarLeg(fms_fpln_mod[p], star_leg_list[j]);
    }
    RouteLeg& dest = last_is_apt ? fms_fpln_mod[fp_mod_cnt] : AppendModRow();
    WriteDestinationRow(dest);
    dest.intc_crs = kNoInterceptCourse;
  } else {
    // The destination's own altitude constraint survives the rebuild.
    const bool keep_dest_alt = next_restr_leg_mod == fp_mod_cnt;
    const double dest_alt = fms_fpln_mod[fp_mod_cnt].alt;
    fp_mod_cnt = a;  // older arrival legs, discontinuities and the destination go
    for (int32_t j = first; j <= legs; ++j) WriteStarLeg(AppendModRow(), star_leg_list[j]);
    RouteLeg& dest = AppendModRow();
    WriteDestinationRow(dest);
    dest.intc_crs = kNoInterceptCourse;
    if (keep_dest_alt) {
      next_restr_leg_mod = fp_mod_cnt;
      dest.alt = dest_alt;
    }
    ReattachModHolds(a + 1);
  }
  if (first == 1 && inserted > 0) JoinRouteAtStarStart(lo + 1, a);

  // Without an active leg the whole route is looked at.
  MergeRepeatedFixes(stpos == kNoActiveLeg ? 1 : std::max(stpos, 1), "SID");
  DropDiscoBetweenRepeatedFix();
  return true;
}

bool InsertTmpApprRoute(int32_t flag) {
  if (fp_mod_cnt < 0 || fp_mod_cnt > kLastRouteRow) return false;
  const int32_t legs = std::clamp<int32_t>(appr_leg_cnt, 0, kProcLegListCapacity);
  int32_t insert_legs = 0;
  while (insert_legs < legs && appr_legs[insert_legs + 1].role != "MAP") ++insert_legs;

  int32_t kept = fp_mod_cnt;
  while (kept >= 1 && (fms_fpln_mod[kept].proc == "APPR" || fms_fpln_mod[kept].type == "APT")) --kept;
  if (kept >= 1 && IsDisco(fms_fpln_mod[kept])) --kept;
  int32_t first = 1;  // the first approach leg to insert
  bool at_active = false;
  const bool flying = fms_fpln_active >= 3 && stpos != kNoActiveLeg;
  if (flying && stpos == fp_cnt && stpos >= 1 && stpos <= fp_mod_cnt) {
    // Past the route's last fix, the destination active (a missed approach): the whole approach is
    // flown from the active leg on, direct from the present position; the legs flown stay behind.
    kept = stpos - 1;
    at_active = true;
  } else if (flying && kept < stpos && stpos < fp_mod_cnt) {
    // The aircraft already flies the approach: its legs flown stay behind and the active leg stays
    // the fix ahead.
    const ArrivalResume resume = ResumeArrival(appr_legs, insert_legs, "APPR");
    if (resume.first > 0) {
      kept = resume.anchor;
      first = resume.first;
      at_active = kept == stpos - 1;
    }
  }
  const std::string first_ident = legs >= first ? appr_legs[first].ident : std::string();
  const bool add_disco = flag == 1 && !at_active && kept > 1 && fms_fpln_mod[kept].ident != first_ident;
  const bool replace_last =
      !at_active && !add_disco && legs >= 1 && kept >= 1 && fms_fpln_mod[kept].ident == first_ident;
  const int32_t inserted = std::max(insert_legs - first + 1, 0);
  if (kept + (add_disco ? 1 : 0) - (replace_last ? 1 : 0) + inserted + 1 > kLastRouteRow) {
    cdu_message = "INVALID ENTRY";
    return false;
  }

  fp_mod_cnt = kept;
  int32_t disco_row = 0;
  if (add_disco) {
    MakeDisco(AppendModRow());
    disco_row = fp_mod_cnt;
    StepFplnStateAfterEdit();
  }
  if (replace_last) --fp_mod_cnt;  // the approach's first leg takes its place

  for (int32_t j = first; j <= insert_legs; ++j) {
    const ApproachLegEntry& e = appr_legs[j];
    RouteLeg& leg = AppendModRow();
    leg.ident = e.ident;
    leg.lat = e.lat;
    leg.lon = e.lon;
    leg.leg_code = e.fly_over;
    leg.proc = "APPR";
    leg.aux_text = e.role;
    leg.ias = e.role == "IAF" ? 190.0 : e.role == "FAF" ? 170.0 : 180.0;
    leg.restr = 2;
    const int32_t n = LeadingAltitude(e.alt_text);
    if (n >= kMinAltitudeConstraint) {
      leg.alt = n;
      leg.restr = 3;
    }
    ApplyFixNavaid(leg);
  }
  WriteDestinationRow(AppendModRow());
  // The gap stands at the approach's first leg, or at the destination when the approach adds none.
  if (disco_row > 0) CarryPlaceOfNextLeg(fms_fpln_mod, fp_mod_cnt, disco_row);
  // A hold at a fix the new approach flies again, its first fix taking the last one's place included,
  // stays with that fix.
  ReattachModHolds(kept);

  if (stpos == fp_cnt && fms_fpln_active >= 3) {
    TmpFrId = "DIRECT";
    tmp_fr_lat = plane_lat;
    tmp_fr_lon = plane_lon;
    cdu_prompt_mode = 1;
    LogLine("InsertTmpApprRoute() stpos =%d  - TmpFrId = 'DIRECT' , fms_fpln_active=%d\n", stpos, fms_fpln_active);
  }
  appr_legs_pending = 0;
  StepFplnStateAfterEdit();
  return true;
}
