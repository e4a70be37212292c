// The RTE page's line-select keys: ORIGIN, RUNWAY, DEST and CO ROUTE on sub-page 1; VIA and TO on
// the route rows of the later sub-pages; line 6.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/legs_page.h"
#include "cdu/pages/rte_page.h"
#include "fmc/airway_insert.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "fmc/route_candidates.h"
#include "fmc/route_edit.h"
#include "fmc/route_files.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/airport_loader.h"
#include "navdb/airways.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

namespace rte {

namespace {

constexpr int32_t kOrigin = 1;
constexpr int32_t kDestination = 2;
constexpr size_t kAirportIdentChars = 4;
constexpr const char* kNewPlanRow = "NEW FPL";  // the stored-plan list's own last row

enum Key : int32_t {
  k1L = 1,
  k2L = 2,
  k1R = cdu_lsk_code::k1R,
  k2R = cdu_lsk_code::k1R + 1,
};

void StepIfNewOrActive() {
  if (fms_fpln_active == 0 || fms_fpln_active == 3) StepFplnState();
}

// An airport row of a route: the airport's ident and reference point at its elevation.
void FillAirportLeg(RouteLeg& leg, const AirportRecord& apt) {
  leg.ident = TextOf(apt.icao);
  leg.lat = apt.lat;
  leg.lon = apt.lon;
  leg.type = "APT";
  leg.freq.clear();
  leg.alt = ParseLeadingDouble(apt_elev_text);
}

// An airport the database does not hold is refused before the route's airport block is touched: the
// airport shown (its runways, procedures and approach) stays as it was.
bool TakeAirport(int32_t block) { return AirportInDatabase(cdu_scratchpad) && LoadAirport(cdu_scratchpad, block) == 1; }

void EnterOrigin() {
  if (!TakeAirport(kOrigin)) return cdu::RefuseEntry(cdu::kNotInDatabase);
  ResetActiveRoute();
  ResetModRoute();
  FillAirportLeg(fms_fpln_act[0], airport_recs[kOrigin]);
  ResetRouteLeg(fms_fpln_act[1]);  // the destination's place
  fp_cnt = 1;
  stpos = kNoActiveLeg;
  cruise_alt = 0;
  CopyActiveToModRoute();
  BuildRteRows();
  orig_ident = cdu_scratchpad;
  orig_entry = orig_ident;
  if (fms_fpln_active == 3) StepFplnState();
  tod = 0;
  toc = 0;
  cdu::AcceptEntry();
  sid_legs_rwy = dep_rwy_sel = dest_ident = arr_rwy_sel = star_sel = kNoProcSelection;
  // A new origin starts a new route, whatever the state was.
  fms_fpln_active = 0;
  dep_sel_state = dep_trans_chosen = dep_rwy_chosen = 0;
  arr_sel_state = star_trans_chosen = arr_rwy_chosen = appr_chosen = appr_trans_chosen = 0;
}

void EnterRunway() {
  const AirportRecord& origin = airport_recs[kOrigin];
  int32_t row = 0;
  for (int32_t i = 1; i <= std::min(origin.rwy_cnt, kAirportRunwayRows - 1) && row == 0; ++i) {
    if (TextIs(origin.runways[i].ident, cdu_scratchpad)) row = i;
  }
  if (row == 0) return cdu::RefuseEntry(cdu::kNotInDatabase);
  if (dep_rwy_sel == kNoProcSelection) {
    dep_rwy_sel = TextOf(origin.runways[row].ident);
    dep_rwy_chosen = 1;
    fms_dep_rwy_pos = row;
    sid_legs_rwy = dep_rwy_sel;
    rte_rwy_entry = kNoProcSelection;
  } else if (fms_fpln_active == 3) {
    // EXEC takes the runway row from the entry.
    rte_rwy_entry = cdu_scratchpad;
    StepFplnState();
  } else {
    dep_rwy_sel = cdu_scratchpad;
    fms_dep_rwy_pos = row;
  }
  PlaceOriginOnChosenRunway();
  cdu::AcceptEntry();
}

// The STAR legs at the end of the modified route go before a new destination.
void RemoveTrailingStarLegs() {
  for (int32_t leg = ClampedLastRow(fp_mod_cnt) - 1; leg >= 1; --leg) {
    if (fms_fpln_mod[leg].proc != "STAR") break;
    DeleteLegInsertDisco(leg, 1);
  }
}

// The modified route's last row, which the destination takes (row 1 at least).
RouteLeg& ModDestinationRow() {
  fp_mod_cnt = std::clamp<int32_t>(fp_mod_cnt, 1, kLastRouteRow);
  return fms_fpln_mod[fp_mod_cnt];
}

void FillDestinationLeg(RouteLeg& leg) {
  FillAirportLeg(leg, airport_recs[kDestination]);
  leg.ias = kNoConstraint;
  leg.intc_crs = kNoConstraint;
}

// No route flown yet: the destination ends the active route, which the modified one copies.
void SetDestinationOfNewRoute() {
  const int32_t n = fms_fpln_act[0].ident.empty() ? 1 : std::clamp<int32_t>(fp_cnt, 1, kLastRouteRow);
  FillDestinationLeg(fms_fpln_act[n]);
  fp_cnt = n;
  next_restr_leg = n;
  if (stpos == kNoActiveLeg) stpos = 1;
  if (lnav_init_mode == 1) lnav_init_mode = 0;
  const RouteLeg& active = fms_fpln_act[std::clamp<int32_t>(stpos, 0, kLastRouteRow)];
  act_wpt_lat = active.lat;
  act_wpt_lon = active.lon;
  CalcDistBrg(plane_lat, plane_lon, active.lat, active.lon, &dist_to_active_wpt, &active_wpt_brg);
  // The route block measures the cross-track from the LNAV leg before any EXEC: the active leg's,
  // not whatever an earlier route (or nothing, 0N 0E) left there.
  if (stpos >= 1 && stpos <= kLastRouteRow) SetLnavLegToRow(stpos);
  CopyActiveToModRoute();
}

void EnterDestination() {
  if (!TakeAirport(kDestination)) return cdu::RefuseEntry(cdu::kNotInDatabase);
  const int32_t state = fms_fpln_active;
  if (state < 3) {
    if (state >= 1 && fp_mod_cnt > 1) {
      // The legs already built in the modified route stay: only its end changes.
      RemoveTrailingStarLegs();
      FillDestinationLeg(ModDestinationRow());
    } else {
      SetDestinationOfNewRoute();
    }
    dest_ident = cdu_scratchpad;
  } else {
    if (state == 3) {
      CopyActiveToModRoute();
      RemoveTrailingStarLegs();
    }
    dest_entry = cdu_scratchpad;
    FillDestinationLeg(ModDestinationRow());
    if (fms_fpln_active == 3) StepFplnState();
  }
  // The old destination's arrival is no choice at the new one, whose airport block is loaded now.
  ClearArrivalSelections();
  cdu::AcceptEntry();
}

// The stored plan a CO ROUTE entry names: the first whose name begins with it, else the first from
// the airport of its first four characters to that of the next four; 0 when none.
int32_t FindCompanyRoute(const std::string& entry) {
  const int32_t plans = std::clamp<int32_t>(fpl_list_loaded, 0, kFplStoreRows - 1);
  for (int32_t i = 1; i <= plans; ++i) {
    if (fpl_store[i].name != kNewPlanRow && fpl_store[i].name.starts_with(entry)) return i;
  }
  // An entry of one airport names no city pair.
  if (entry.size() <= kAirportIdentChars) return 0;
  const std::string orig = entry.substr(0, kAirportIdentChars);
  const std::string dest = entry.substr(kAirportIdentChars, kAirportIdentChars);
  for (int32_t i = 1; i <= plans; ++i) {
    if (fpl_store[i].name != kNewPlanRow && fpl_store[i].orig == orig && fpl_store[i].dest == dest) return i;
  }
  return 0;
}

void EnterCompanyRoute() {
  const int32_t plan = FindCompanyRoute(cdu_scratchpad);
  if (plan == 0) return cdu::RefuseEntry(cdu::kNotInDatabase);
  const bool route_was_active = fms_fpln_active >= 3;
  if (!LoadFlightPlanFile(fpl_store[plan].name, 0)) return cdu::RefuseEntry(cdu::kNotInDatabase);
  co_route = cdu_scratchpad;
  fms_fpln_active = route_was_active ? 4 : 1;
  cdu::AcceptEntry();
}

void ApplyOriginDestKey() {
  if (cdu_scratchpad.empty()) return;
  switch (cdu_lsk) {
    case k1L:
      EnterOrigin();
      break;
    case k2L:
      if (orig_ident != kNoProcSelection) EnterRunway();
      break;
    case k1R:
      EnterDestination();
      break;
    case k2R:
      EnterCompanyRoute();
      break;
    default:
      break;
  }
}

// VIA r: an airway from the fix of the row before.
void EnterAirway(int32_t r) {
  if (cdu::DeleteRequested()) {
    if (DeleteRouteSegment(r) == 0) {
      cdu::RefuseEntry(cdu::kInvalidDelete);
    } else {
      cdu_message.clear();
    }
    return;
  }
  if (cdu_scratchpad.empty()) return;
  if (r == 1) return cdu::RefuseEntry(cdu::kInvalidEntry);  // an airway needs a fix before it
  mod_stpos = FindLegIndexOfFix(r - 1);
  if (mod_stpos == 0) return cdu::RefuseEntry(cdu::kInvalidEntry);
  LoadAirway("#" + cdu_scratchpad);
  if (nav_search_cnt <= 0 || awy_entry_idx <= 0) return cdu::RefuseEntry(cdu::kInvalidEntry);
  const int32_t exit = SelectAirwayExitFix(r);
  if (exit < 0) return;  // refused whole, the message says so
  if (exit == 0) {
    // The row's fix is not on the airway: a THEN row waits for the exit fix.
    const int32_t before = fp_mod_cnt;
    InsertAirwayJoin(FindLegIndexOfFix(r));
    if (fp_mod_cnt == before) return;  // refused whole, the message says so
  }
  BuildRteRows();
  StepIfNewOrActive();
  cdu::AcceptEntry();
}

// The first modified-route leg from `from` on (to the last row) named `ident`; 0 when none.
int32_t FirstLegNamed(int32_t from, const std::string& ident) {
  for (int32_t i = std::max(from, 0); i <= ClampedLastRow(fp_mod_cnt); ++i) {
    if (fms_fpln_mod[i].ident == ident) return i;
  }
  return 0;
}

bool RowFromEndsAt(int32_t r, const std::string& fix) {
  for (int32_t j = r; j <= std::min(rte_row_cnt, kLastRouteRow); ++j) {
    if (rte_rows[j].to_fix == fix) return true;
  }
  return false;
}

// Inserts the airway fixes after leg mod_stpos up to the exit; false when refused whole.
bool InsertAirwayToExit() {
  const int32_t before = fp_mod_cnt;
  awy_exit_set = 1;
  InsertAirwayWpts();
  awy_exit_set = 0;
  return fp_mod_cnt != before;
}

void FinishAirwayEntry() {
  BuildRteRows();
  StepIfNewOrActive();
  cdu::AcceptEntry();
}

// The exit fix of the airway a THEN row waits on.
void EnterThenExit(int32_t r) {
  // The airway again, joined at the row before: the search list may have served another look-up.
  mod_stpos = FindLegIndexOfFix(r - 1);
  LoadAirway("#" + rte_rows[r].via);
  awy_exit_idx = FindAirwayFix2(cdu_scratchpad);
  if (nav_search_cnt <= 0 || awy_entry_idx <= 0 || awy_exit_idx == 0 || awy_exit_idx == awy_entry_idx) {
    cdu::RefuseEntry(cdu::kInvalidEntry);
    cdu_scratchpad.clear();
    return;
  }
  if (!InsertAirwayToExit()) return;
  RemoveThenRows();
  FinishAirwayEntry();
}

// A new exit fix for the airway row r: the airway is flown again from the fix it is joined at (the
// leg before the row's legs, or in a route read from a file its own first leg) to the new exit.
void ChangeAirwayExit(int32_t r, bool clear_on_bad_exit) {
  const Segment seg = FindRouteSegment(r);
  const std::string via = rte_rows[r].via;
  if (seg.first < 1 || seg.last < seg.first) return cdu::RefuseEntry(cdu::kInvalidEntry);
  int32_t entry_leg = seg.first - 1;
  mod_stpos = entry_leg;
  LoadAirway("#" + via);
  if (nav_search_cnt > 0 && awy_entry_idx <= 0) {
    // Loaded again joined there, so that the list is the airway that holds that leg's fix.
    mod_stpos = entry_leg = seg.first;
    LoadAirway("#" + via);
    awy_entry_idx = FindAirwayFix(fms_fpln_mod[entry_leg].ident);
  }
  if (nav_search_cnt <= 0 || awy_entry_idx <= 0) return cdu::RefuseEntry(cdu::kInvalidEntry);
  awy_exit_idx = FindAirwayFix2(cdu_scratchpad);
  if (awy_exit_idx == 0 || awy_exit_idx == awy_entry_idx) {
    cdu::RefuseEntry(cdu::kInvalidEntry);
    if (clear_on_bad_exit) cdu_scratchpad.clear();
    return;
  }
  // Refused whole when the new legs and the end mark would not fit.
  const int32_t removed = seg.last - entry_leg;
  const int32_t added = std::abs(awy_exit_idx - awy_entry_idx);
  if (fp_mod_cnt - removed + added + 1 > kLastRouteRow) return cdu::RefuseEntry(cdu::kInvalidEntry);
  DeleteModLegs(entry_leg + 1, seg.last);
  mod_stpos = entry_leg;
  InsertAirwayToExit();
  FinishAirwayEntry();
}

void EnterDirectFix(int32_t r) {
  cdu_lookup_ident = cdu_scratchpad;
  FindWaypointCandidates(0);
  // The page inserts points as the database holds them; a point off a place is made on RTE LEGS.
  const bool off_a_place = PlaceOffsetPending();
  ClearPlaceOffset();
  if (nav_search_cnt < 1) return cdu::RefuseLookUp();
  if (off_a_place) return cdu::RefuseEntry(cdu::kInvalidEntry);
  if (nav_search_cnt > 1) {
    cdu_return_index = r;
    cdu_return_page = kCduPageRte;
    fms_page = kCduPageSelectWaypoint;
    cdu::AcceptEntry();
    return;
  }
  const int32_t before = fp_mod_cnt;
  InsertDisco(FindLegIndexOfFix(r));
  if (fp_mod_cnt == before) return;
  BuildRteRows();
  StepIfNewOrActive();
  cdu::AcceptEntry();
}

// TO r: an exit fix, a fix further down the route, or a direct fix.
void EnterToFix(int32_t r, int32_t line) {
  if (cdu::DeleteRequested()) return cdu::RefuseEntry(cdu::kInvalidDelete);
  const RteRow& row = rte_rows[r];
  if (cdu_scratchpad.empty()) {
    if (r <= rte_row_cnt) cdu_scratchpad = row.to_fix;
    return;
  }
  if (row.to_fix == cdu_scratchpad) return cdu::RefuseEntry(cdu::kInvalidEntry);
  if (RowFromEndsAt(r, cdu_scratchpad)) {
    if (const int32_t i = FirstLegNamed(r, cdu_scratchpad); i > 0) {
      // Straight on to the fix: the legs from the row's fix up to it go.
      if (const int32_t m = FirstLegNamed(r, row.to_fix); m > 0) RemoveFPWpts(m, i);
      return;
    }
  }
  if (row.to_fix == "THEN") {
    EnterThenExit(r);
  } else if (row.proc == "AWY") {
    ChangeAirwayExit(r, line == 2);
  } else {
    EnterDirectFix(r);
  }
}

void ApplyLine6Key(int32_t page) {
  if (cdu_lsk == cdu_lsk_code::k6L) {
    if (fms_fpln_active == 4) EraseRouteModification();
  } else if (page >= 2 && cdu::DeleteRequested()) {
    cdu::RefuseEntry(cdu::kInvalidDelete);
  } else if (fms_fpln_active == 1) {
    StepFplnState();  // ACTIVATE
  } else {
    fms_page = kCduPagePerfInit;
  }
}

}  // namespace

void ApplyRteKey(int32_t page) {
  const int32_t line = cdu::PendingLine();
  if (line == 0) return;
  if (line == cdu::kLines) return ApplyLine6Key(page);
  if (page <= 1) return ApplyOriginDestKey();
  const int32_t r = 5 * page - 9 + line - 1;
  if (r < 1 || r > kLastRouteRow) return;
  if (cdu::PendingLeft()) {
    EnterAirway(r);
  } else {
    EnterToFix(r, line);
  }
}

}  // namespace rte
