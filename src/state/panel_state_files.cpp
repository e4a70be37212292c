#include "state/panel_state_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "afds/afds_globals.h"
#include "afds/mcp_knobs.h"
#include "afds/overhead_pass.h"
#include "afds/restored_modes.h"
#include "afds/route_progress_globals.h"
#include "afds/tick_systems.h"
#include "cdu/cdu_globals.h"
#include "fmc/dep_proc.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "fmc/route_exec.h"
#include "fmc/route_files.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "fmc/thrust_limits.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/readers_flight.h"
#include "navdb/airport_loader.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"
#include "navdb/procedure_common.h"
#include "platform/findfile.h"
#include "platform/paths.h"
#include "platform/win32_env.h"
#include "platform/winfile.h"
#include "state/config_file.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "state/panel_state_format.h"
#include "state/state_globals.h"
#include "state/title_rules.h"

namespace {

constexpr char kPanelFolder[] = "\\Orvantel\\PanelStates\\";
constexpr char kSnapshotSaveName[] = "lastsaved";
constexpr char kSnapshotBaseName[] = "LastSavedPanelState";
constexpr size_t kMaxPathChars = win32::kMaxPath - 1;  // 259 and the terminator
// Lines are read with a 299-character buffer: at most 298 characters at once.
constexpr int kReadChars = 299;
constexpr int32_t kValidationPassed = 4;  // aircraft, position, altitude and heading
constexpr int32_t kPanelListRows = 203;   // pnl_list rows 0..202, row 0 unused

using platform::UpperAscii;
using platform::LowerAscii;

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), UpperAscii);
  return s;
}

std::string DateName(std::string_view prefix) {
  win32::SystemTime t{};
  win32::GetSystemTime(&t);
  const int year = t.year >= 2000 ? t.year - 2000 : t.year - 1900;
  char date[40];
  std::snprintf(date, sizeof date, "_%02d%02d%02d", year, t.month, t.day);
  return std::string(prefix) + date;
}

// The file name (without extension) a save writes.
std::string SaveBaseName(const std::string& name) {
  if (name == kSnapshotSaveName) return kSnapshotBaseName;
  if (!name.empty()) return name;
  if (dest_ident == "------" && orig_ident == "------") return DateName("SavPnl");
  return DateName(orig_ident + dest_ident);
}

// The checks an automatic snapshot must pass before any of it is applied: the same aircraft, and
// the aircraft within 2 NM, 200 ft and 12 degrees of where the snapshot was taken.
struct SnapshotCheck {
  int32_t passed = 0;
  bool position_counted = false;
  double lat = 0.0;
  double lon = 0.0;

  void Take(std::string_view key, std::string_view value) {
    if (platform::EqualsIgnoreCase(key, "aircraft")) {
      std::string title(value);
      std::transform(title.begin(), title.end(), title.begin(), LowerAscii);
      if (title == aircraft) ++passed;
    }
    if (platform::EqualsIgnoreCase(key, "lat")) lat = ParseConfigF64(value);
    if (platform::EqualsIgnoreCase(key, "lon")) lon = ParseConfigF64(value);
    // A saved position of exactly 0.0 counts as none.
    if (!position_counted && lat != 0.0 && lon != 0.0 &&
        CalcDistNm(lat, lon, ReadPlaneLat(), ReadPlaneLon()) < 2.0) {
      ++passed;
      position_counted = true;
    }
    if (platform::EqualsIgnoreCase(key, "alt") && std::fabs(ParseConfigF64(value) - GetIndicatedAltitude()) < 200.0) {
      ++passed;
    }
    if (platform::EqualsIgnoreCase(key, "hdg") && CalcHeadingDiff(ParseConfigF64(value), ReadPlaneHdg()) <= 12) {
      ++passed;
    }
  }
};

// After the start-up phase a load ends with the configured speeds, not the saved ones.
void ResetWorkingSpeeds() {
  if (startup_phase != 0) return;
  climb_ias = ClimbIas;
  cruise_ias = CruiseIas;
  descent_ias = DescentIas;
}

// The runway rows a file restores become the chosen runways again, pending and active, so that
// the CDU pages show the runways the route and the maps use.
void ChooseRestoredRunways(int32_t dep_row, int32_t dest_row) {
  const auto choose = [](const AirportRecord& apt, int32_t row, int32_t* pos, std::string* sel, std::string* act) {
    if (row < 1 || row > apt.rwy_cnt || row >= kAirportRunwayRows) return;
    *pos = row;
    *sel = *act = TextOf(apt.runways[row].ident);
  };
  choose(airport_recs[1], dep_row, &fms_dep_rwy_pos, &dep_rwy_sel, &dep_rwy_sel_act);
  choose(airport_recs[2], dest_row, &fms_dest_rwy_pos, &arr_rwy_sel, &arr_rwy_sel_act);
}

// The SID choice a file restores, pending and active, where the origin has that SID: a runway chosen
// later puts that SID's legs for it in place of the restored ones.
void ChooseRestoredSid(const std::string& sid, const std::string& trans) {
  const AirportRecord& o = airport_recs[1];
  const int32_t row = FindProcedureByName(o.sids, std::clamp<int32_t>(o.sid_cnt, 0, kAirportSidRows - 1), sid);
  sid_sel = sid_sel_act = row != 0 ? sid : kNoProcSelection;
  sid_trans_sel = sid_trans_sel_act = row != 0 ? trans : kNoProcSelection;
  if (row != 0) sid_idx = row;
}

// The airport a route end names, loaded into its block as the RTE page's entry loads it: the ident
// the pages show, or "------" for an end that is no airport.
std::string TakeRouteAirport(const RouteLeg& leg, int32_t block) {
  if (leg.type != "APT" || leg.ident.empty()) return kNoProcSelection;
  LoadAirport(leg.ident, block);
  return leg.ident;
}

// A route not executed stands as the crew left it on the RTE page: the active table holds the rows
// the file gives (the origin and destination entries put them there, and the maps draw them), the
// modified one the route built on them, or the same rows; the ends' airports are loaded and named.
void StandRouteNotExecuted(const SavedBuiltRows& built) {
  fp_cnt = fp_mod_cnt;
  for (int32_t i = 0; i <= ClampedLastRow(fp_cnt); ++i) CopyLegForMove(fms_fpln_mod[i], fms_fpln_act[i]);
  next_restr_leg = std::max(fp_cnt, 0);
  CopyActiveToModRoute();
  if (!built.rows.empty()) {
    fp_mod_cnt = static_cast<int32_t>(built.rows.size()) - 1;
    std::copy(built.rows.begin(), built.rows.end(), fms_fpln_mod);
    next_restr_leg_mod = fp_mod_cnt;
  }
  // The active leg must lie on the restored routes.
  if (stpos != kNoActiveLeg && (stpos < 1 || stpos > std::max(fp_cnt, fp_mod_cnt))) stpos = kNoActiveLeg;
  mod_stpos = stpos;
  ClearDepartureSelections();
  ClearArrivalSelections();
  orig_ident = TakeRouteAirport(fms_fpln_mod[0], 1);
  dest_ident = fp_mod_cnt >= 1 ? TakeRouteAirport(fms_fpln_mod[ClampedLastRow(fp_mod_cnt)], 2) : kNoProcSelection;
}

// The route rows a file restored, in the route state saved: an active route (saved 3, read as 4; or 4,
// whose pending modification the file does not hold) is executed again with its active leg on it; any
// other stands not executed. A file that gives no route state (written by hand) is executed when it
// holds three rows or more. Then the saved runways, SID choice and holds.
void RestoreRoute(const SavedHoldRows& holds, const SavedBuiltRows& built, bool state_given) {
  const int32_t dep_row = fms_dep_rwy_pos;
  const int32_t dest_row = fms_dest_rwy_pos;
  const std::string sid = sid_sel;
  const std::string trans = sid_trans_sel;
  const bool active = state_given ? fms_fpln_active >= 3 : fp_mod_cnt > 1;
  const bool execute = active && stpos != kNoActiveLeg && stpos >= 1 && stpos <= fp_mod_cnt;
  if (execute) {
    LoadAirport(fms_fpln_mod[0].ident, 1);
    LoadAirport(fms_fpln_mod[fp_mod_cnt].ident, 2);
    // Chosen before the execution too, so that no earlier choice moves the route's ends onto
    // another runway; the execution clears them again for a new origin or destination.
    ChooseRestoredRunways(dep_row, dest_row);
    // The descent's path rests on what the file does not hold (where it starts, at what altitude): the
    // execution starts it at the aircraft, as an EXEC in the descent does, and not on the path flown
    // before the load.
    route_dist_sum = path_start_ahead_nm = 0.0;
    ExecRoute();
  } else if (fp_mod_cnt >= 0) {
    StandRouteNotExecuted(built);
    // In no executed state, which would fly it without EXEC (the state of the route before a file
    // that names none, or a file's own with its active leg off its rows): it stands as typed, a
    // route to activate or an origin and destination alone.
    if (!state_given || fms_fpln_active >= 3) fms_fpln_active = fp_mod_cnt > 1 ? 1 : 0;
  }
  if (fp_mod_cnt >= 0) {
    ChooseRestoredRunways(dep_row, dest_row);
    ChooseRestoredSid(sid, trans);
  }
  // After the execution, which drops every hold of an origin new to it.
  PlaceRestoredHolds(holds.rows, holds.count, execute);
  BuildRteRows();  // executed or waiting, the RTE page lists the restored route
}

// A restored route replaces the modification whole: its legs and whatever was entered for it, which
// the load's own execution would otherwise apply.
void DropModification() {
  fp_mod_cnt = -1;
  DiscardPendingEntries();
  // The last passage belongs to the route replaced: PROGRESS names no fix of it.
  prog_from[1] = ProgFromEntry{};
}

}  // namespace

void SavePanelState(std::string name) {
  const std::string base = SaveBaseName(name);
  const std::string path = std::string(sim_root) + Upper(kPanelFolder + base + ".pnl");
  FILE* f = nullptr;
  // A save name typed on the CDU must stay a file of the panel-state folder.
  if (IsSafePlanFileName(base) && path.size() <= kMaxPathChars) f = platform::OpenFile(path, "w");
  if (f != nullptr) {
    WritePanelStateFile(f);
    // The file replaces an earlier one only once it is complete.
    if (std::fclose(f) == 0) {
      cdu_message = Upper(base) + ".PNL OK";
      return;
    }
  }
  cdu_message = "PANEL STATE SAVE FAIL";
}

int32_t LoadPanelState(std::string name) {
  const bool snapshot = name.empty();
  const std::string path = std::string(sim_root) + kPanelFolder + (snapshot ? kPanelStateSnapshotFile : name);
  FILE* f = path.size() <= kMaxPathChars ? platform::OpenFile(path, "r") : nullptr;
  if (f == nullptr) {
    if (!snapshot) cdu_message = "PANEL STATE LOAD FAIL";
    return 0;
  }

  // A first reading takes the snapshot's checks and the outline of the route: nothing is applied
  // unless both pass, so that a refused or cut file leaves everything as it was.
  SnapshotCheck check;
  if (!snapshot) check.passed = kValidationPassed;
  RouteOutline outline;
  int64_t checked_lines = 0;  // lines that serve the checks only
  int64_t n = 0;
  char buf[kReadChars + 1];
  KeyValueLine line;
  while (std::fgets(buf, kReadChars, f) != nullptr) {
    ++n;
    if (!line.Split(buf)) continue;
    const bool applied = check.passed >= kValidationPassed;
    if (!applied) {
      check.Take(line.key(), line.value());
      checked_lines = n;
    }
    outline.Take(line.key(), line.value(), applied);
  }
  // Applied only once both pass, by a second reading from the start.
  if (check.passed < kValidationPassed || !outline.Whole() || std::fseek(f, 0, SEEK_SET) != 0) {
    std::fclose(f);
    if (!snapshot) cdu_message = "PANEL STATE LOAD FAIL";
    return 0;
  }

  // A file without route lines leaves the route as it is; one with them replaces it, holds and all.
  const bool route = outline.HoldsRoute();
  if (route) {
    DropModification();
    RemoveAllHolds();
    // A state saved without a route leaves none: the route flown before would otherwise stay on the
    // pages with no active leg, neither flown nor able to be activated.
    if (outline.Rows() == 0) ResetActiveRoute();
  }
  SavedHoldRows holds;
  SavedBuiltRows built;
  bool tod_given = false;
  n = 0;
  while (std::fgets(buf, kReadChars, f) != nullptr) {
    if (++n <= checked_lines || !line.Split(buf)) continue;
    ResetWorkingSpeeds();
    if (!holds.Take(line.key(), line.value()) && !built.Take(line.key(), line.value())) {
      ApplyPanelStateKey(line.key(), line.value());
    }
    tod_given = tod_given || Upper(std::string(line.key())) == "TOD";
  }
  std::fclose(f);
  // A first T/D the file has not reached has no descent started. VNAV flies the descent's speeds and
  // thrust wherever the first T/D's latch is set, so a file that leaves it set short of its T/D at the
  // first cruise level (edited by hand, or without the latch's line over an aircraft already
  // descending) would fly them in cruise. Level below it between two descent segments, as earlier
  // versions saved it, the descent stays started.
  if (tod_given && tod == 0 && cruise_alt >= init_cruise_alt) init_tod = 0;
  if (TakeLoadedMcpAltitude()) SendLoadedMcpAltitude();
  ResumeSystemsAfterPanelLoad();
  TakeMcpSyncBaseline();
  RequestRestoredModes();
  if (route) RestoreRoute(holds, built, outline.GivesRouteState());
  // The file's cabin switch came from whatever aircraft saved it, and so did its reference EPR,
  // perhaps on another engine's scale: the restored mode gives this engine's.
  ApplyFreighterTitleRule();
  RecomputeThrustReference();
  cdu_message = "PANEL STATE LOADED OK";
  return 1;
}

void ListPanelStates() {
  pnl_list_cnt = 0;
  const std::string pattern = std::string(sim_root) + kPanelFolder + "*.pnl";
  if (pattern.size() > kMaxPathChars) return;
  win32::FindData found{};
  win32::FindHandle h = win32::FindFirstFileA(pattern.c_str(), &found);
  if (h == win32::kInvalidFindHandle) return;
  const int32_t limit = std::min(fpl_list_max, kPanelListRows - 1);
  do {
    if (pnl_list_cnt < limit) pnl_list[++pnl_list_cnt] = Upper(found.file_name);
  } while (win32::FindNextFileA(h, &found) != 0);
  win32::FindClose(h);
}
