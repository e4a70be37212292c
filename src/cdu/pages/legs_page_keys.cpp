// The RTE LEGS page's line-select keys and the leg deletion it shares with the RTE page.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/legs_page.h"
#include "cdu/pages/legs_page_rows.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/leg_constraint.h"
#include "fmc/route_edit.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "sim/debug_log.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/nav_records.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"

namespace rte_legs {

namespace {

constexpr double kInterceptFromPointNm = 25.0;
constexpr std::string_view kHoldAtPrefix = "HOLD AT ";
constexpr size_t kMinAlongTrackIdent = 2;
constexpr size_t kMaxAlongTrackIdent = 5;

bool IsModLeg(int32_t leg) { return leg >= 0 && leg <= ClampedLastRow(fp_mod_cnt); }

// An entry that is a whole number with an optional sign, nothing else.
bool ParseWholeNumber(std::string_view text, int32_t* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end;
}

// Looks `ident` (the scratchpad) up among navaids, fixes and airports; returns the candidate count.
int32_t LookUpScratchpad(std::string_view ident = cdu_scratchpad) {
  cdu_lookup_ident = ident;
  FindWaypointCandidates(0);
  if (nav_search_cnt < 1) {
    ClearPlaceOffset();
    cdu::RefuseLookUp();
  }
  return nav_search_cnt;
}

void HandToSelectWaypoint(int32_t return_index) {
  cdu_return_index = return_index;
  cdu_return_page = kCduPageRteLegs;
  fms_page = kCduPageSelectWaypoint;
}

// Inserts candidate `sel` as leg `pos`; true when the route took it (a refused insertion leaves
// "INVALID ENTRY" and the scratchpad).
bool Insert(int32_t pos, int32_t sel) {
  const int32_t before = fp_mod_cnt;
  InsertTmpFplanWpt(pos, sel);
  return fp_mod_cnt > before;
}

// "HOLD AT IDENT" on a line: the hold goes on the fix inserted there, never on the leg that was there,
// and only ever at the fix the entry names. The pick made for it stands while the entry still names
// it; an entry typed over it is looked up again (several matches: the pilot chooses, then the line).
void HoldAtLine(int32_t L) {
  const std::string ident = cdu_scratchpad.substr(kHoldAtPrefix.size());
  int32_t row = wpt_pick_row;
  const bool pick_named = row >= 1 && row <= std::min(nav_search_cnt, kNavSearchCapacity) &&
                          TextIs(nav_search_list[row].ident, ident);
  if (!pick_named) {
    const int32_t found = LookUpScratchpad(ident);
    if (found > 1) {
      cdu_scratchpad = ident;
      HandToSelectWaypoint(0);
    }
    if (found != 1) return;
    row = wpt_pick_row = 1;
  }
  if (Insert(L, row)) {
    AddLegHold(L, 1);
    cdu::AcceptEntry();
  }
}

// A leg chosen on the page (1L-5L with an empty scratchpad) for a 6L entry, while the scratchpad
// still names it: an entry typed over it, or a route changed under it, names another fix.
bool ChosenLegNamed(int32_t leg) { return IsModLeg(leg) && leg >= 1 && fms_fpln_mod[leg].ident == cdu_scratchpad; }

void DeleteOnLeft(const Row& row) {
  const int32_t L = row.leg;
  if (row.kind == RowKind::kHold) {
    ReleaseModLegHold(L);
    DeleteLegHolds(L, 2);
  } else if (L >= 0 && L < fp_mod_cnt) {
    DeleteLegInsertDisco(L, 0);
  } else {
    cdu::RefuseEntry(cdu::kInvalidDelete);
  }
}

// "IDENT/NM": a point NM along the leg after (or before, negative) the line's own fix.
void AlongTrackEntry(int32_t L, size_t slash) {
  cdu_lookup_ident = cdu_scratchpad.substr(0, slash);
  cdu_scratchpad.erase(0, slash + 1);
  int32_t offset_nm = 0;
  if (!cdu_scratchpad.empty() && IsModLeg(L) && cdu_lookup_ident == fms_fpln_mod[L].ident &&
      ParseWholeNumber(cdu_scratchpad, &offset_nm) && offset_nm != 0) {
    along_track_offset = offset_nm;
    if (Insert(L, 0)) cdu::AcceptEntry();
  } else {
    cdu::RefuseEntry(cdu::kInvalidEntry);
  }
}

void LeftKey(const Row& row) {
  const int32_t L = row.leg;
  if (cdu::DeleteRequested()) {
    DeleteOnLeft(row);
    return;
  }
  if (cdu_scratchpad.empty()) {
    if (L >= 0 && L < fp_mod_cnt) {
      cdu_scratchpad = fms_fpln_mod[L].ident;
      if (cdu_prompt_mode == 1) intc_leg = L;
      if (cdu_prompt_mode == 2) hold_at_leg = L;
    }
    return;
  }
  if (cdu_prompt_mode == 2 && cdu_scratchpad.starts_with(kHoldAtPrefix)) {
    HoldAtLine(L);
    return;
  }
  for (int32_t j = std::max(L, 0); j <= ClampedLastRow(fp_mod_cnt); ++j) {
    if (fms_fpln_mod[j].ident == cdu_scratchpad) {
      RemoveFPWpts(L, j);  // the fix moves up to this line
      return;
    }
  }
  const size_t slash = cdu_scratchpad.find('/');
  if (slash != std::string::npos && slash >= kMinAlongTrackIdent && slash <= kMaxAlongTrackIdent) {
    AlongTrackEntry(L, slash);
    return;
  }
  const int32_t found = LookUpScratchpad();
  if (found == 1) {
    if (Insert(L, 1)) cdu::AcceptEntry();
  } else if (found > 1) {
    HandToSelectWaypoint(L);
    cdu::AcceptEntry();
  }
}

void RightKey(const Row& row, int32_t last) {
  const int32_t L = row.leg;
  if (!IsModLeg(L)) return;
  RouteLeg& leg = fms_fpln_mod[L];
  // The last leg (the end line, or its own line when it is the leg flown to) and a discontinuity's
  // line take no constraint: what they stand for is not edited through them (the left keys refuse
  // them alike).
  if (row.kind == RowKind::kEnd || L == last || (row.kind == RowKind::kLeg && IsPlaceholder(leg))) {
    if (cdu::DeleteRequested()) {
      cdu::RefuseEntry(cdu::kInvalidDelete);
    } else if (!cdu_scratchpad.empty()) {
      cdu::RefuseEntry(cdu::kInvalidEntry);
    }
    return;
  }
  if (cdu::DeleteRequested()) {
    leg.alt = kNoConstraint;
    leg.ias = kNoConstraint;
    leg.mach = kNoConstraint;
    leg.restr = 0;
    cdu_message.clear();
    if (fms_fpln_active == 3) StepFplnState();
  } else if (!cdu_scratchpad.empty()) {
    ParseLegConstraint(L);
  } else if (leg.alt > 0.0 && (leg.ias > 0.0 || leg.mach > 0.0)) {
    // The constraint comes back as an entry that can be edited and typed onto another leg.
    cdu_scratchpad = leg.alt >= kMachAltFt && leg.mach > 0.0 ? cdu::Format("%1.2f/%-3.0f", leg.mach, leg.alt)
                                                             : cdu::Format("%5.0f/%-3.0f", leg.ias, leg.alt);
  }
}

void InterceptEntry6L() {
  if (!ChosenLegNamed(intc_leg)) intc_leg = 0;
  if (intc_leg == 0) {
    const int32_t found = LookUpScratchpad();
    if (found == 1) {
      if (Insert(stpos, 1)) cdu::AcceptEntry();
    } else if (found > 1) {
      // The choice goes where a single match would: the active leg.
      HandToSelectWaypoint(stpos >= 1 && stpos <= kLastRouteRow ? stpos : 0);
      cdu::AcceptEntry();
    }
    return;
  }
  if (fms_fpln_active == 3) StepFplnState();
  direct_pending = 1;
  saved_stpos = intc_leg;
  if (intc_leg >= 1 && intc_leg <= ClampedLastRow(fp_mod_cnt)) {
    RouteLeg& leg = fms_fpln_mod[intc_leg];
    if (leg.intc_crs <= -1.0) {
      // The course of the leg into it, from the last place before it across any gap.
      const RouteLeg& prev = fms_fpln_mod[std::max(PreviousPlaceRow(fms_fpln_mod, intc_leg), 0)];
      double dist_nm = 0.0, brg_deg = 0.0;
      CalcDistBrg(prev.lat, prev.lon, leg.lat, leg.lon, &dist_nm, &brg_deg);
      leg.intc_crs = norm360(brg_deg - mag_var);
    }
  }
  intc_leg = 0;
  cdu::AcceptEntry();
}

void HoldAtEntry6L() {
  if (!ChosenLegNamed(hold_at_leg)) hold_at_leg = 0;
  if (hold_at_leg == 0) {
    const int32_t found = LookUpScratchpad();
    if (found == 1) {
      // The pilot then chooses the line the fix goes in front of.
      wpt_pick_row = 1;
      cdu_scratchpad = std::string(kHoldAtPrefix) + cdu_scratchpad;
    } else if (found > 1) {
      HandToSelectWaypoint(0);
    }
    return;
  }
  const int32_t before = hold_cnt;
  AddLegHold(hold_at_leg, 1);
  if (hold_cnt > before) {
    cdu::AcceptEntry();
    fms_page = kCduPageRteHold;
  }
}

void Key6L() {
  if (fms_fpln_active == 4) {
    EraseRouteModification();
  } else if (!cdu_scratchpad.empty() && cdu_prompt_mode == 1) {
    InterceptEntry6L();
  } else if (!cdu_scratchpad.empty() && cdu_prompt_mode == 2) {
    HoldAtEntry6L();
  }
}

// The intercept course onto the active leg: the direct-to starts from a point 25 NM beyond the
// aircraft's distance, back along the course. Only a course typed in digits is one: an empty key,
// a typo or a course past 360 would fly the leg from anywhere.
void InterceptCourse6R() {
  if (cdu_scratchpad.empty()) return;
  double crs_deg = 0.0;
  if (!CourseEntryDeg(cdu_scratchpad, EntryForm::kDigits, &crs_deg)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  RouteLeg& to = fms_fpln_mod[ModActiveLeg()];
  to.intc_crs = crs_deg;
  double dist_nm = 0.0, brg_deg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, to.lat, to.lon, &dist_nm, &brg_deg);
  double back_deg = to.intc_crs - 180.0;
  if (back_deg < 0.0) back_deg += 360.0;
  CalcDestPoint(to.lat, to.lon, norm360(back_deg + mag_var), dist_nm + kInterceptFromPointNm, &tmp_fr_lat,
                &tmp_fr_lon);
  TmpFrId = "DIRECT";
  LogLine("DrawLegsPage R6() - TmpFrId = 'DIRECT'\n");
  cdu::AcceptEntry();
}

void HoldPresentPosition6R() {
  ClearPlaceOffset();  // the hold is at the aircraft, whatever the last look-up was
  nav_search_cnt = 1;
  NavRecord& point = nav_search_list[1];
  ClearRecord(point);
  SetText(point.ident, "HOLD PPOS");
  point.lat = plane_lat;
  point.lon = plane_lon;
  SetText(point.type, "I");
  cdu::AcceptEntry();
  if (fms_fpln_active == 3) {
    CopyActiveToModRoute();
    StepFplnState();
  }
  if (Insert(stpos, 1)) {
    AddLegHold(stpos, 0);
    fms_page = kCduPageRteHold;
  }
}

// STEP: the plan map's centre moves to the next leg, turning the page past its last leg (a hold row
// leaves room for one leg fewer) and starting again from the active leg at the end of the route.
void StepMapCentre(const Layout& layout) {
  const int32_t restart_leg = stpos == kNoActiveLeg ? 1 : stpos;
  int32_t last_on_page = layout.first;
  for (const Row& row : layout.rows) {
    if (row.kind == RowKind::kLeg || row.kind == RowKind::kEnd) last_on_page = std::max(last_on_page, row.leg);
  }
  ++map_ctr_leg;
  // A gap is no place to centre on: the step goes on to the leg after it.
  while (map_ctr_leg < layout.last && IsPlaceholder(ListedRoute()[map_ctr_leg])) ++map_ctr_leg;
  if (map_ctr_leg > last_on_page) {
    ++legs_page;
    map_ctr_leg = 0;  // the next paint centres on the new page's first leg
    if (legs_page > legs_page_cnt) {
      legs_page = 1;
      map_ctr_leg = restart_leg;
    }
  }
  if (map_ctr_leg >= layout.last) {
    legs_page = 1;
    map_ctr_leg = restart_leg;
  }
}

void Key6R(const Layout& layout) {
  if (cdu_prompt_mode == 1) {
    InterceptCourse6R();
  } else if (PposHoldOn6R()) {
    HoldPresentPosition6R();
  } else if (PlanMap()) {
    StepMapCentre(layout);
  } else if (fms_fpln_active == 1) {
    StepFplnState();  // ACTIVATE: EXEC lights
  } else {
    fms_page = kCduPageRte;  // RTE DATA
  }
}

}  // namespace

void ApplyLegsKey(const Layout& layout) {
  const int32_t line = cdu::PendingLine();
  if (line == 0) return;
  if (line == cdu::kLines) {
    if (cdu::PendingLeft()) {
      Key6L();
    } else {
      Key6R(layout);
    }
    return;
  }
  const Row& row = layout.rows[line - 1];
  if (cdu::PendingLeft()) {
    // Line 1 may insert in front of the next leg of an empty route; lines below it act only on legs
    // of the route.
    if (line >= 2 && row.leg > fp_mod_cnt) return;
    LeftKey(row);
  } else {
    RightKey(row, layout.last);
  }
}

}  // namespace rte_legs

void DeleteLegInsertDisco(int32_t leg, int32_t keep_flag) {
  const int32_t n = leg;
  const int32_t cnt = fp_mod_cnt;
  if (cnt > 1 && cnt <= kLastRouteRow && n >= 1 && n <= cnt) {
    ReleaseModLegHold(n);
    RouteLeg& l = fms_fpln_mod[n];
    const bool middle = n > 1 && n < cnt - 1;
    if (middle && keep_flag == 0 && !IsPlaceholder(l) && !IsPlaceholder(fms_fpln_mod[n - 1]) &&
        !IsPlaceholder(fms_fpln_mod[n + 1])) {
      // The gap stays in the route as a discontinuity at the next leg's place; its Mach and
      // frequency are kept.
      MakeDisco(l);
      CarryPlaceOfNextLeg(fms_fpln_mod, cnt, n);
    } else {
      for (int32_t k = n + 1; k <= cnt; ++k) MoveModLeg(k, k - 1);
      fp_mod_cnt = cnt - 1;
    }
  }
  cdu_message.clear();
  if (fms_fpln_active == 3) StepFplnState();
}
