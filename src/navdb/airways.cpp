#include "navdb/airways.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <tuple>

#include "navdb/coordinate_text.h"
#include "navdb/navdb_files.h"
#include "navdb/navdb_globals.h"
#include "navdb/nav_records.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_text.h"
#include "base/geodesy.h"

namespace {

// The reader's line buffer holds 200 characters: longer lines continue as the next line.
constexpr size_t kAirwayLineChars = 199;
// World data lists unrelated airways that share a name one after another, numbered on as one.
// No leg of one airway is this long: a step this long between two lines begins another airway.
constexpr double kMaxAirwayLegNm = 1200.0;

LineReader reader;

// One airway's fixes as read: its first lines, as many as the list keeps, and its joining fix.
struct AirwayRows {
  NavRecord rows[kNavSearchCapacity + 1];  // from row 1, as the list
  int32_t count = 0;
  int32_t entry = 0;      // the last row of the joining fix, 0 for none
  double entry_nm = 0.0;  // the nearest of those rows to the route's point
};
AirwayRows airway_buffers[2];

}  // namespace

void LoadAirway(std::string name) {
  nav_search_cnt = 0;
  awy_entry_idx = 0;
  awy_exit_idx = 0;
  // Without a modified route there is no joining fix.
  const bool joined = mod_stpos >= 0 && mod_stpos <= 200;
  const std::string entry_fix = joined ? fms_fpln_mod[mod_stpos].ident : std::string();
  const double route_lat = joined ? fms_fpln_mod[mod_stpos].lat : 0.0;
  const double route_lon = joined ? fms_fpln_mod[mod_stpos].lon : 0.0;
  if (!name.empty() && name[0] == '#') name.erase(0, 1);

  std::FILE* f = OpenModuleFileForReading(SimRootPath("\\Orvantel\\navdata\\awys.txt"));
  if (f == nullptr) return;
  reader.Start(f, kAirwayLineChars);
  // Every line of the name goes into the list; where the joining fix is found, the list becomes the
  // one airway that holds it, the one nearest the route's point where several do.
  AirwayRows* current = &airway_buffers[0];
  AirwayRows* best = nullptr;
  current->count = current->entry = 0;
  const auto end_airway = [&] {
    if (current->entry > 0 && (best == nullptr || current->entry_nm < best->entry_nm)) {
      best = current;
      current = &airway_buffers[best == &airway_buffers[0] ? 1 : 0];
    }
    current->count = current->entry = 0;
  };
  bool in_block = false;
  double last_lat = 0.0, last_lon = 0.0;
  std::string_view line;
  std::string_view t[5];
  while (reader.Next(&line)) {
    // A line without a readable position is no line of any airway, as one too short to hold it.
    double lat = 0.0, lon = 0.0;
    if (SplitTokens(line, t, 5) < 5 || !ReadDecimalDegrees(t[3], CoordAxis::kLatitude, &lat) ||
        !ReadDecimalDegrees(t[4], CoordAxis::kLongitude, &lon)) {
      continue;
    }
    if (t[0] != name) {
      if (best != nullptr || current->entry > 0) break;  // the airway's block has ended
      in_block = false;
      continue;
    }
    NavRecord row;
    ClearRecord(row);
    SetText(row.ident, t[2]);
    row.lat = lat;
    row.lon = lon;
    SetText(row.airway, name);
    if (!in_block || !(CalcDistNm(last_lat, last_lon, row.lat, row.lon) <= kMaxAirwayLegNm)) end_airway();
    std::tie(in_block, last_lat, last_lon) = std::tuple(true, row.lat, row.lon);
    if (nav_search_cnt < kNavSearchCapacity) nav_search_list[++nav_search_cnt] = row;
    // A fix beyond the list's capacity cannot be an entry row either.
    if (current->count >= kNavSearchCapacity) continue;
    current->rows[++current->count] = row;
    if (t[2] != entry_fix) continue;
    const double nm = CalcDistNm(route_lat, route_lon, row.lat, row.lon);
    if (!(nm <= kSameFixNm)) continue;  // a namesake elsewhere is not the route's fix
    if (current->entry == 0 || nm < current->entry_nm) current->entry_nm = nm;
    current->entry = current->count;
  }
  std::fclose(f);
  end_airway();
  if (best == nullptr) return;  // the list holds every line of the name, without an entry row
  nav_search_cnt = best->count;
  std::copy(best->rows + 1, best->rows + best->count + 1, nav_search_list + 1);
  awy_entry_idx = awy_exit_idx = best->entry;
}

int32_t FindAirwayFix(const std::string& fix) {
  for (int32_t i = 1; i <= nav_search_cnt && i <= kNavSearchCapacity; ++i) {
    if (TextIs(nav_search_list[i].ident, fix)) return i;
  }
  return 0;
}

int32_t FindAirwayFix2(const std::string& fix) { return FindAirwayFix(fix); }
