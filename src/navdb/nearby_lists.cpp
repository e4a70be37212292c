#include "navdb/nearby_lists.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "base/geodesy.h"
#include "navdb/nav_index.h"

namespace {

enum class Fields { kPosition, kWithTypeAndExtra };

// The fields of a source row that a list row takes.
void CopyListRow(const NavRecord& src, NavRecord& row, Fields fields) {
  ClearRecord(row);
  std::memcpy(row.ident, src.ident, sizeof row.ident);
  row.lat = src.lat;
  row.lon = src.lon;
  if (fields == Fields::kWithTypeAndExtra) {
    std::memcpy(row.type, src.type, sizeof row.type);
    std::memcpy(row.extra, src.extra, sizeof row.extra);
  }
}

// The rows within radius_nm of (lat, lon), in source order; where more than `limit` are, the
// `limit` nearest of them (of equal distances the first), so that a full list still holds what lies
// around its centre. One degree of latitude is 60 NM and no two points are closer than their
// latitude difference, so rows outside the latitude band are skipped before the distance is
// computed; the 1 NM margin keeps rounding from dropping a row on the radius itself. (A latitude
// beyond +-90, which only a malformed file gives, is not a place on the meridian, so such rows always
// get the full test.) A full table is read through its position index when it has one: the same
// rows, found without reading the others.
int32_t Filter(const NavRecord* source, int32_t source_count, int32_t source_rows, NavRecord* target,
               int32_t limit, double lat, double lon, double radius_nm, Fields fields,
               std::optional<NavTable> indexed = std::nullopt) {
  // No row lies within any distance of a centre that is no place: the list is empty, found without
  // reading the table on each paint while the position stays so.
  if (!std::isfinite(lat) || !std::isfinite(lon) || limit <= 0) return 0;
  static std::vector<int32_t> rows;
  if (rows.size() < static_cast<size_t>(limit)) rows.resize(static_cast<size_t>(limit));
  int32_t count = indexed.has_value() ? NearestRowsWithin(*indexed, lat, lon, radius_nm, limit, rows.data()) : -1;
  if (count < 0) {
    const double band_deg = (radius_nm + 1.0) / 60.0;
    const bool centre_on_sphere = std::fabs(lat) <= 90.0;
    const WithinRadius within(lat, lon, radius_nm);
    static std::vector<std::pair<double, int32_t>> found;  // distance (once ranked), row
    found.clear();
    source_count = std::min(source_count, source_rows - 1);
    for (int32_t i = 1; i <= source_count; ++i) {
      const NavRecord& src = source[i];
      if (centre_on_sphere && std::fabs(src.lat) <= 90.0 && std::fabs(src.lat - lat) > band_deg) continue;
      if (within(src.lat, src.lon)) found.emplace_back(0.0, i);
    }
    if (found.size() > static_cast<size_t>(limit)) {
      for (auto& f : found) f.first = CalcDistNm(lat, lon, source[f.second].lat, source[f.second].lon);
      std::nth_element(found.begin(), found.begin() + limit, found.end());
      found.resize(static_cast<size_t>(limit));
      std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    }
    count = static_cast<int32_t>(found.size());
    for (int32_t k = 0; k < count; ++k) rows[static_cast<size_t>(k)] = found[static_cast<size_t>(k)].second;
  }
  for (int32_t k = 0; k < count; ++k) CopyListRow(source[rows[static_cast<size_t>(k)]], target[k + 1], fields);
  return count;
}

}  // namespace

void FilterAirportsCoarse(double lat, double lon) {
  near_apts_coarse_cnt = Filter(nav_apts, nav_apts_cnt, kNavAptsCapacity + 1, near_apts_coarse, kNearCoarseCapacity,
                                lat, lon, kNearCoarseRadiusNm, Fields::kPosition, NavTable::kAirports);
  near_apt_ref_lat = lat;
  near_apt_ref_lon = lon;
}

void FilterAirportsFine(double lat, double lon) {
  near_apt_count = Filter(near_apts_coarse, near_apts_coarse_cnt, kNearCoarseCapacity + 1, near_apts_fine,
                          kNearAptsFineCapacity, lat, lon, kNearAptsFineRadiusNm, Fields::kPosition);
  near_apt_ref_lat2 = lat;
  near_apt_ref_lon2 = lon;
}

void FilterWaypointsCoarse(double lat, double lon) {
  near_wpts_coarse_cnt =
      Filter(nav_awy_fixes, nav_awy_fixes_cnt, kNavAwyFixesCapacity + 1, near_wpts_coarse, kNearCoarseCapacity, lat,
             lon, kNearCoarseRadiusNm, Fields::kWithTypeAndExtra, NavTable::kAirwayFixes);
  near_wpts_coarse_ctr = {lat, lon};
}

void FilterWaypointsFine(double lat, double lon) {
  int32_t limit = std::clamp(near_wpts_max, 0, kNearWptsFineRows - 1);
  near_wpts_fine_cnt = Filter(near_wpts_coarse, near_wpts_coarse_cnt, kNearCoarseCapacity + 1, near_wpts_fine,
                              limit, lat, lon, kNearWptsFineRadiusNm, Fields::kPosition);
  near_wpts_fine_ctr = {lat, lon};
}

void FilterStationsCoarse(double lat, double lon) {
  near_stations_coarse_cnt = Filter(nav_navaids, nav_navaids_cnt, kNavNavaidsCapacity + 1, near_stations_coarse,
                                    kNearCoarseCapacity, lat, lon, kNearCoarseRadiusNm, Fields::kWithTypeAndExtra,
                                    NavTable::kNavaids);
  near_stations_coarse_ctr = {lat, lon};
}

void FilterStationsFine(double lat, double lon) {
  near_stations_fine_cnt = Filter(near_stations_coarse, near_stations_coarse_cnt, kNearCoarseCapacity + 1,
                                  near_stations_fine, kNearStationsFineCapacity, lat, lon,
                                  kNearStationsFineRadiusNm, Fields::kWithTypeAndExtra);
  near_stations_fine_ctr = {lat, lon};
}

bool NearbyListStale(const NavCentre& centre, double lat, double lon, double threshold_nm) {
  if (centre.lat == kNoNavCentre.lat && centre.lon == kNoNavCentre.lon) return true;
  // A list built around a centre that is no place (a position the simulator gave as not a number or
  // infinite) is no farther than any threshold from anywhere; it is rebuilt as one never built.
  if (!std::isfinite(centre.lat) || !std::isfinite(centre.lon)) return true;
  return CalcDistNm(centre.lat, centre.lon, lat, lon) > threshold_nm;
}
