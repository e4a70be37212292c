#include "fmc/route_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "cdu/cdu_globals.h"
#include "afds/afds_globals.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/navaid_resolve.h"
#include "fmc/plan_import.h"
#include "fmc/plan_text.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "sim/readers_flight.h"
#include "sim/sim_globals.h"
#include "navdb/navdb_globals.h"
#include "navdb/airport_loader.h"
#include "navdb/coordinate_text.h"
#include "navdb/navdb_text.h"
#include "platform/findfile.h"
#include "platform/paths.h"
#include "platform/winfile.h"

namespace {

constexpr size_t kPlanLineMax = 498;
constexpr size_t kListLineMax = 1498;
constexpr int32_t kCruiseAltStepFt = 1000;
constexpr double kFuelValueLimitLb = 1e9;  // keeps any sum of header values finite

// What one reader run aims at and does besides reading legs.
struct ReadTarget {
  RouteLeg* legs;
  int32_t* count;
  size_t line_max;
  bool plan_load;  // header keys, section side effects, mod_stpos, lnav_init_done
};

// One line of at most `max` characters into `line`; the rest of a longer line is dropped, so that it
// can never pass for a leg of its own. False at the end of the file.
bool ReadLine(std::FILE* f, std::string* line, size_t max) {
  static char buffer[kListLineMax + 2];
  const size_t cap = std::min(max, kListLineMax) + 2;
  if (std::fgets(buffer, static_cast<int>(cap), f) == nullptr) return false;
  size_t len = std::strlen(buffer);
  if (len > 0 && buffer[len - 1] == '\n') {
    --len;
  } else if (len > max) {
    int c;
    do c = std::getc(f); while (c != '\n' && c != EOF);
  }
  line->assign(buffer, std::min(len, max));
  return true;
}

bool IsHeaderKey(std::string_view key) {
  using platform::EqualsIgnoreCase;
  return EqualsIgnoreCase(key, "CruiseAlt") || EqualsIgnoreCase(key, "TripFuel") || EqualsIgnoreCase(key, "ResvFuel") ||
         EqualsIgnoreCase(key, "Fuel");
}

// A header line: a key and its value split at "=" or blanks. Inside the section only a line of at
// most two such words counts (waypoint lines have five to seven). Applies the key when `apply`.
bool ReadHeaderLine(const std::string& line, bool in_section, bool apply) {
  std::string spaced = line;
  std::replace(spaced.begin(), spaced.end(), '=', ' ');
  std::string_view w[3];
  const int n = SplitTokens(spaced, w, 3);
  if (n < 1 || !IsHeaderKey(w[0]) || (in_section && n > 2)) return false;
  if (!apply) return true;
  const std::string_view value = n >= 2 ? w[1] : std::string_view();
  const double fuel = std::clamp(ParseLeadingDouble(value), -kFuelValueLimitLb, kFuelValueLimitLb);
  if (platform::EqualsIgnoreCase(w[0], "CruiseAlt")) {
    // One the CDU would refuse is no cruise altitude: the plan loads as if it gave none.
    const int32_t alt_ft = ParseLeadingInt(value);
    if (!CruiseAltitudeAccepted(alt_ft)) return true;
    pending_cruise_alt = alt_ft;
    pending_cruise_alt_set = 1;
  } else if (platform::EqualsIgnoreCase(w[0], "TripFuel")) {
    plan_fuel += fuel;
    plan_fuel_set = 1;
  } else if (platform::EqualsIgnoreCase(w[0], "ResvFuel")) {
    plan_fuel += fuel;
  } else {
    plan_fuel = fuel;
  }
  return true;
}

// Whether a waypoint line's two coordinate words give a place on the globe.
bool ReadLegPlace(const std::string_view* w, int n, double* lat, double* lon) {
  return n >= 3 && ReadDecimalDegrees(w[1], CoordAxis::kLatitude, lat) &&
         ReadDecimalDegrees(w[2], CoordAxis::kLongitude, lon);
}

void FillLeg(RouteLeg& leg, const std::string_view* w, int n) {
  const auto word = [&](int i) { return i < n ? w[i] : std::string_view(); };
  ResetRouteLeg(leg);
  leg.ident = word(0);
  ReadLegPlace(w, n, &leg.lat, &leg.lon);
  leg.type = word(3);
  leg.freq = word(4) == "---" ? std::string_view() : word(4);
  leg.via = word(5);
  leg.proc = word(6);
  leg.intc_crs = kNoInterceptCourse;
  if (leg.freq.empty() && leg.type != "APT") TakeFixNavaid(leg);
}

// Walks the plan lines of `f`: the section's opening goes to `on_section`, each waypoint line (its
// words, their count) to `on_leg`, which stops the walk by returning false; header lines are applied
// when `apply`. False at a waypoint line whose coordinates are lost or cannot be read.
template <typename OnSection, typename OnLeg>
bool WalkPlanLines(std::FILE* f, size_t line_max, bool apply, OnSection on_section, OnLeg on_leg) {
  bool in_section = false;
  std::string line;
  while (ReadLine(f, &line, line_max)) {
    std::string_view w[7];
    const int n = SplitTokens(line, w, 7);
    if (n > 0 && w[0].starts_with(';')) continue;
    // A header line inside the section adds no leg; a waypoint named FUEL is still a leg.
    const bool maybe_header = !in_section || n <= 2 || line.find('=') != std::string::npos;
    const bool header = maybe_header && ReadHeaderLine(line, in_section, apply);
    if (!in_section) {
      if (n > 0 && platform::EqualsIgnoreCase(w[0], "[FlightPlan]")) {
        in_section = true;
        on_section();
      }
      continue;
    }
    if (n == 0 || header) continue;
    double lat = 0.0, lon = 0.0;
    if (!ReadLegPlace(w, n, &lat, &lon)) return false;
    if (!on_leg(w, n)) break;
  }
  return true;
}

// Reads plan file `name` into the target; ".PLN" plans are converted into "Temp.rte" first. False,
// with the target untouched, when the conversion refused the plan or a waypoint line lost its
// coordinates: a file cut short or damaged never becomes a route, nor one without its last places.
bool ReadPlanFile(const std::string& name, const ReadTarget& t) {
  const std::string upper = UpperAscii(name);
  std::string file = upper;
  if (upper.find(".PLN") != std::string::npos) {
    if (!IsSafePlanFileName(upper) || ImportPlnToTempRte(upper) == kPlanNotFound) return false;
    file = "Temp.rte";
  }
  std::FILE* f = IsSafePlanFileName(file) ? platform::OpenFile(PlanFolderPath(file), "r") : nullptr;
  const auto any_leg = [](const std::string_view*, int) { return true; };
  if (f != nullptr && !WalkPlanLines(
                          f, t.line_max, false, [] {}, any_leg)) {
    std::fclose(f);
    return false;
  }
  *t.count = -1;
  if (t.plan_load) lnav_init_done = 0;
  if (f == nullptr) return true;
  std::rewind(f);
  if (t.plan_load) {
    pending_cruise_alt = 0;
    plan_fuel = 0.0;
  }
  const auto on_section = [&t] {
    if (!t.plan_load) return;
    clear_holds_on_exec = 1;
    new_fpln_loaded = 1;
    saved_stpos = 1;
  };
  WalkPlanLines(f, t.line_max, t.plan_load, on_section, [&t](const std::string_view* w, int n) {
    if (*t.count >= kLastRouteRow) return false;
    ++*t.count;
    if (t.plan_load && *t.count == 1) mod_stpos = 1;
    FillLeg(t.legs[*t.count], w, n);
    return true;
  });
  std::fclose(f);
  return true;
}

// The route state after a load, by the state before it and the file's cruise altitude. A route
// flown in the air is never dropped, whether the file has a cruise altitude or not: the plan is a
// modification that EXEC or ERASE decides.
void StepStateAfterLoad() {
  const int32_t before = fms_fpln_active;
  const bool flown = (before == 3 || before == 4) && ReadOnGround() == 0;
  bool stepped = false;
  if (before == 0) {
    StepFplnState();  // 0 -> 1 with its ground-load step
    if (pending_cruise_alt > kCruiseAltStepFt) StepFplnState();
    stepped = true;
  } else if (before >= 1 && before <= 4 && pending_cruise_alt < kCruiseAltStepFt && !flown) {
    fms_fpln_active = 0;
    StepFplnState();
    stepped = true;
  } else if (before == 1 || before == 3) {
    StepFplnState();
    stepped = true;
  }
  // An active route keeps its active leg until EXEC makes leg 1 active.
  if (stepped && before <= 2) stpos = 1;
}

}  // namespace

int32_t SetUpLoadedPlan() {
  // The new plan is listed from its leg 1, not from the old route's active leg.
  if (new_fpln_loaded == 1) saved_stpos = 1;
  // Past the T/D the plan's cruise level lies behind: taken, it would arm a climb. A level the crew
  // types after the load still does.
  if (DescentUnderway()) pending_cruise_alt = 0;
  // The plan replaces the modification, a direct-to made on it too: EXEC would fly the plan's active
  // leg from where that direct-to was typed.
  TmpFrId.clear();
  if (fp_mod_cnt <= 0) return 0;
  // A route flown keeps its airports until EXEC takes the entries; ERASE drops them.
  const bool entries_only = fms_fpln_active == 4;
  // A plan that starts or ends at a fix takes no runway of the old airport either: EXEC would move
  // that fix onto the runway's threshold.
  ClearDepartureSelections();
  ClearArrivalSelections();
  const RouteLeg& origin = fms_fpln_mod[0];
  if (origin.type == "APT") {
    plan_orig_key = orig_entry = origin.ident;
    if (!entries_only) orig_ident = origin.ident;
    LoadAirport(plan_orig_key, 1);
  }
  const RouteLeg& dest = fms_fpln_mod[ClampedLastRow(fp_mod_cnt)];
  if (dest.type != "APT") return 0;
  plan_dest_key = dest_entry = dest.ident;
  if (!entries_only) dest_ident = dest.ident;
  return LoadAirport(plan_dest_key, 2);
}

bool IsSafePlanFileName(std::string_view name) {
  if (name.empty() || name.size() >= static_cast<size_t>(win32::kMaxPath)) return false;
  if (name.find("..") != std::string_view::npos) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7F;
  });
}

bool IsStoredRouteFileName(std::string_view name) {
  const std::string upper = UpperAscii(name);
  return upper.ends_with(".RTE") && upper.find(".PLN") == std::string::npos && upper != "TEMP.RTE";
}

int32_t WriteRouteFile(const std::string& name) {
  if (!IsSafePlanFileName(name)) return 0;
  std::FILE* f = platform::OpenFile(PlanFolderPath(name), "w");
  if (f == nullptr) return 0;
  std::fputs("[FlightPlan]\n", f);
  for (int32_t i = 0; i <= ClampedLastRow(fp_cnt); ++i) {
    const RouteLeg& leg = fms_fpln_act[i];
    const bool known = leg.type == "APT" || leg.type == "VOR" || leg.type == "NDB" || leg.type == "INT";
    // The normalised type goes to the file only: the active route keeps "V" and "N" for the
    // hand-over and the displays.
    std::fprintf(f, "%-16s %-2.5f  %-3.5f  %-3s %-6s %-7s %s\n", leg.ident.c_str(), leg.lat, leg.lon,
                 known ? leg.type.c_str() : "WPT", leg.freq.empty() ? "---" : leg.freq.c_str(), leg.via.c_str(),
                 leg.via.empty() ? "" : leg.proc.c_str());
  }
  return std::fclose(f) == 0 ? 1 : 0;
}

bool LoadFlightPlanFile(const std::string& name, int32_t /*mode*/) {
  pending_cruise_alt = 0;
  if (!ReadPlanFile(name, ReadTarget{fms_fpln_mod, &fp_mod_cnt, kPlanLineMax, true})) return false;
  // The RTE page describes the plan just read, whichever page loaded it.
  BuildRteRows();
  StepStateAfterLoad();
  // A destination the database does not know keeps no elevation: apt_elev_text would still be
  // the previous airport's.
  if (SetUpLoadedPlan() == 1) fms_fpln_mod[ClampedLastRow(fp_mod_cnt)].alt = ParseLeadingDouble(apt_elev_text);
  return true;
}

void LoadNextFplFile(const std::string& name, int32_t /*mode*/) {
  ReadPlanFile(name, ReadTarget{fpl_scratch, &fpl_scratch_cnt, kListLineMax, false});
}

void LoadFplList() {
  fpl_list_loaded = 0;
  const int32_t max_files = std::clamp<int32_t>(fpl_list_max, 0, kFplStoreRows - 2);
  const std::string pattern = sim_root + "\\Orvantel\\FlightPlans\\*.*";
  win32::FindData data;
  win32::FindHandle h = win32::FindFirstFileA(pattern.c_str(), &data);
  for (bool more = h != win32::kInvalidFindHandle; more; more = win32::FindNextFileA(h, &data) != 0) {
    const std::string_view n(data.file_name, strnlen(data.file_name, sizeof data.file_name));
    if ((data.file_attributes & win32::kFileAttributeDirectory) != 0 || n.size() < 4) continue;
    const std::string_view ext = n.substr(n.size() - 4);
    if (!platform::EqualsIgnoreCase(ext, ".PLN") && !platform::EqualsIgnoreCase(ext, ".RTE")) continue;
    if (platform::EqualsIgnoreCase(n, "temp.rte") || fpl_list_loaded >= max_files) continue;

    const int32_t row = ++fpl_list_loaded;
    FplStoreEntry& e = fpl_store[row];
    e.name = n;
    fpl_scratch_cnt = -1;
    LoadNextFplFile(e.name, 1);
    if (fpl_scratch_cnt <= 0) {
      --fpl_list_loaded;
      continue;
    }
    e.orig = fpl_scratch[0].ident;
    e.dest = fpl_scratch[fpl_scratch_cnt].ident;
    e.leg_cnt = fpl_scratch_cnt;
    for (int32_t i = 0; i <= fpl_scratch_cnt; ++i) {
      const int32_t hold_idx = e.legs[i].hold_idx;
      CopyLegForMove(fpl_scratch[i], e.legs[i]);
      e.legs[i].hold_idx = hold_idx;
    }
  }
  if (h != win32::kInvalidFindHandle) win32::FindClose(h);

  const int32_t row = ++fpl_list_loaded;
  fpl_store[row].name = "NEW FPL";
  fpl_store[row].orig = "NEXT FPL";
  fpl_store[row].dest.clear();
}
