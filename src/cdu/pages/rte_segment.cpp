// The VIA/TO segments of the modified route and their deletion (RTE page DELETE, airway exit).
#include <cstdlib>
#include <string>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/pages/rte_page.h"
#include "fmc/airway_insert.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

namespace rte {

namespace {

bool IsArrivalProc(std::string_view proc) { return proc == "STAR" || proc == "APPR"; }

}  // namespace

Segment FindRouteSegment(int32_t n) {
  Segment s;
  const int32_t last_row = ClampedLastRow(fp_mod_cnt);
  if (n < 1) return s;
  std::string_view prev_via = "INIT";
  std::string_view seg_proc = "INIT";
  int32_t count = 0;
  for (int32_t i = 1; i <= last_row; ++i) {
    const RouteLeg& leg = fms_fpln_mod[i];
    const bool continues = leg.via == prev_via && !leg.via.empty() && !IsArrivalProc(seg_proc);
    if (!continues) {
      if (IsArrivalProc(seg_proc)) seg_proc = {};
      ++count;
      if (s.first > 0) {
        s.last = i - 1;
        break;
      }
      if (count == n) {
        s.first = i;
        if (i == last_row - 1) s.last = i;
        seg_proc = leg.proc;
      }
    }
    prev_via = leg.via;
  }
  // A STAR or approach leg goes one at a time; the destination never goes.
  if (s.first >= 1 && s.first < last_row && IsArrivalProc(fms_fpln_mod[s.first].proc)) s.last = s.first;
  return s;
}

void DeleteModLegs(int32_t first, int32_t last) {
  if (first < 1 || last < first || last >= ClampedLastRow(fp_mod_cnt)) return;
  for (int32_t n = first; n <= last; ++n) {
    // Only a leg that goes takes its procedure choice with it.
    const std::string& via = fms_fpln_mod[first].via;
    if (!via.empty() && via == sid_sel) sid_sel = kNoProcSelection;
    if (!via.empty() && via == star_sel) star_sel = kNoProcSelection;
    // Its hold goes with it, before the legs behind move onto its leg number.
    ReleaseModLegHold(first);
    const int32_t cnt = ClampedLastRow(fp_mod_cnt);
    for (int32_t i = first; i < cnt; ++i) MoveModLeg(i + 1, i);
    fp_mod_cnt = cnt - 1;
  }
}

}  // namespace rte

int32_t DeleteRouteSegment(int32_t n) {
  const rte::Segment s = rte::FindRouteSegment(n);
  const bool deletes = s.first >= 1 && s.last >= s.first;
  if (deletes) {
    rte::DeleteModLegs(s.first, s.last);
    if (fms_fpln_active == 3) StepFplnState();
  }
  BuildRteRows();
  return deletes ? s.first : 0;
}

int32_t SelectAirwayExitFix(int32_t n) {
  if (nav_search_cnt < 1 || n < 0 || n > 200) return 0;
  const std::string& exit_fix = rte_rows[n].to_fix;
  for (int32_t i = 1; i <= nav_search_cnt && i <= kNavSearchCapacity; ++i) {
    if (i == awy_entry_idx || !TextIs(nav_search_list[i].ident, exit_fix)) continue;
    // Refused whole before the segment goes when the airway's legs and end mark would not fit.
    const rte::Segment seg = rte::FindRouteSegment(n);
    const int32_t removed = seg.first >= 1 && seg.last >= seg.first ? seg.last - seg.first + 1 : 0;
    if (fp_mod_cnt - removed + std::abs(i - awy_entry_idx) + 1 > kLastRouteRow) {
      cdu::RefuseEntry(cdu::kInvalidEntry);
      return -1;
    }
    awy_exit_set = 1;
    awy_exit_idx = i;
    DeleteRouteSegment(n);
    InsertAirwayWpts();
    return 1;
  }
  return 0;
}
