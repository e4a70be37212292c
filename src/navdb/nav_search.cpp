#include "navdb/nav_search.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/geodesy.h"
#include "navdb/mag_model.h"
#include "navdb/nav_index.h"
#include "navdb/navdb_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_text.h"
#include "navdb/path_legs.h"

namespace {

// Farther than any two points on the earth: the start value of the nearest-point scans.
constexpr double kFarNm = 99999.0;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IdentIs(const NavRecord& row, std::string_view entry) {
  // The first byte rejects almost every row before the full compare.
  if (entry.empty() || row.ident[0] != entry[0]) return entry.empty() && row.ident[0] == '\0';
  return TextIs(row.ident, entry);
}

void AppendCandidate(const NavRecord& src) {
  NavRecord& row = nav_search_list[++nav_search_cnt];
  ClearRecord(row);
  std::memcpy(row.ident, src.ident, sizeof row.ident);
  row.lat = src.lat;
  row.lon = src.lon;
  std::memcpy(row.type, src.type, sizeof row.type);
  std::memcpy(row.extra, src.extra, sizeof row.extra);
  std::memcpy(row.info, src.info, sizeof row.info);  // only airports carry one
}

void AppendMatches(NavTable which, const NavRecord* table, int32_t count, int32_t capacity, std::string_view entry) {
  int32_t rows[kNavSearchCapacity];
  const int32_t found = RowsWithIdent(which, entry, rows, kNavSearchCapacity - nav_search_cnt);
  if (found >= 0) {
    for (int32_t k = 0; k < found; ++k) AppendCandidate(table[rows[k]]);
    return;
  }
  count = std::min(count, capacity);
  for (int32_t i = 1; i <= count; ++i) {
    const NavRecord& src = table[i];
    if (!IdentIs(src, entry)) continue;
    if (nav_search_cnt >= kNavSearchCapacity) return;
    AppendCandidate(src);
  }
}

void SearchPass(int32_t kind, std::string_view entry) {
  if (kind > 3) return;
  if (kind < 1 || kind == 1) {
    AppendMatches(NavTable::kNavaids, nav_navaids, nav_navaids_cnt, kNavNavaidsCapacity, entry);
  }
  if (kind < 1 || kind == 2) AppendMatches(NavTable::kIntersections, nav_ints, nav_ints_cnt, kNavIntsCapacity, entry);
  if (kind < 1 || kind == 3) AppendMatches(NavTable::kAirports, nav_apts, nav_apts_cnt, kNavAptsCapacity, entry);
}

// The candidate nearest to the aircraft; ties keep the earlier row.
int32_t NearestCandidate() {
  double best = kFarNm;
  int32_t best_row = 1;
  for (int32_t i = 1; i <= nav_search_cnt; ++i) {
    double d = CalcDistNm(plane_lat, plane_lon, nav_search_list[i].lat, nav_search_list[i].lon);
    if (d < best) {
      best = d;
      best_row = i;
    }
  }
  return best_row;
}

void SetSingleResult(std::string_view ident, double lat, double lon, const char* type) {
  NavRecord& row = nav_search_list[1];
  ClearRecord(row);
  SetText(row.ident, ident);
  row.lat = lat;
  row.lon = lon;
  SetText(row.type, type);
  nav_search_cnt = 1;
}

constexpr size_t kLatLonChars = 15;  // N4736.5W12218.3

bool IsLatLonForm(std::string_view e) {
  return e.size() >= kLatLonChars && e.size() <= 29 && (e[0] == 'N' || e[0] == 'S') && (e[7] == 'E' || e[7] == 'W') &&
         e[5] == '.' && e[13] == '.';
}

bool AllDigits(std::string_view s) { return std::all_of(s.begin(), s.end(), IsDigit); }

constexpr double kMaxLatDeg = 90.0;
constexpr double kMaxLonDeg = 180.0;
constexpr double kMaxBearingDeg = 360.0;

// Set by each look-up that refuses its entry as a bad one rather than a missing one.
bool entry_refused = false;

// Degrees, then minutes and their tenth, of the entry from `at`; false for minutes of 60 or more or
// more than `max_deg` degrees.
bool TypedAngle(std::string_view e, size_t at, size_t deg_digits, double max_deg, double* out) {
  const size_t m = at + deg_digits;
  const double min = ParseLeadingDouble(e.substr(m, 2)) + ParseLeadingDouble(e.substr(m + 2, 2));
  *out = ParseLeadingDouble(e.substr(at, deg_digits)) + min / 60.0;
  return min < 60.0 && *out <= max_deg;
}

void ResolveLatLon(std::string_view e) {
  double lat, lon;
  if (!LatLonGroupsAreDigits(e) || !TypedAngle(e, 1, 2, kMaxLatDeg, &lat) || !TypedAngle(e, 8, 3, kMaxLonDeg, &lon)) {
    entry_refused = true;
    return;
  }
  if (e[0] == 'S') lat = -lat;
  if (e[7] == 'W') lon = -lon;
  SetSingleResult(NextWaypointName(), lat, lon, "I");
}

// "5275N" = 52N 75W, "75N70" = 75N 170W; the letter gives both hemispheres.
void ResolveShorthand(std::string_view e) {
  auto is_hemisphere = [](char c) { return c == 'N' || c == 'E' || c == 'S' || c == 'W'; };
  if (e.size() != 5 || !IsDigit(e[0]) || !IsDigit(e[1]) || !IsDigit(e[3])) return;
  double lat = ParseLeadingDouble(e.substr(0, 2));
  double lon;
  char letter;
  std::string_view lon_digits;
  if (is_hemisphere(e[4])) {
    lon_digits = e.substr(2, 2);
    lon = ParseLeadingDouble(lon_digits);
    letter = e[4];
  } else if (is_hemisphere(e[2])) {
    lon_digits = e.substr(3, 2);
    lon = 100.0 + ParseLeadingDouble(lon_digits);
    letter = e[2];
  } else {
    return;
  }
  if (!AllDigits(lon_digits) || lat > kMaxLatDeg || lon > kMaxLonDeg) {
    entry_refused = true;
    return;
  }
  if (letter == 'S' || letter == 'W') lat = -lat;
  if (letter == 'N' || letter == 'W') lon = -lon;
  SetSingleResult(e, lat, lon, "O");
}

// The point lies on the radial `brg_mag` of the place: its bearing from there agrees within 7 degrees.
bool OnRadial(double lat0, double lon0, int32_t var, double brg_mag, double lat, double lon) {
  return CalcHeadingDiff(MagneticBearing(lat0, lon0, lat, lon, var), brg_mag) < 7;
}

// Row 1 (the second place) moves to where the radial of `first` crosses the second's; false when
// the radials have no intersection or none on both radials.
bool PlaceCrossingPoint(const NavRecord& first) {
  const double lat1 = first.lat, lon1 = first.lon;
  const double lat2 = nav_search_list[1].lat, lon2 = nav_search_list[1].lon;
  int32_t var1 = GetMagVar(TruncToI32(lat1), TruncToI32(lon1));
  int32_t var2 = GetMagVar(TruncToI32(lat2), TruncToI32(lon2));
  double d12 = CalcDistNm(lat1, lon1, lat2, lon2);
  double crs1 = pbd_brg + var1;
  double crs2 = pbd_brg2 + var2;

  bool found = false;
  double lat = 0.0, lon = 0.0;
  for (int attempt = 1; attempt <= 2; ++attempt) {
    double ilat, ilon;
    int32_t r = attempt == 1 ? CalcGreatCircle(lat1, lon1, crs1, lat2, lon2, crs2, &ilat, &ilon)
                             : CalcGreatCircle(lat2, lon2, crs2, lat1, lon1, crs1, &ilat, &ilon);
    found = r != kNoIntersection;
    if (!found) continue;
    lat = ilat;
    lon = ilon;
    int32_t diff = CalcHeadingDiff(MagneticBearing(lat1, lon1, lat, lon, var1), pbd_brg);
    if (diff > 1) {
      // The mirrored points, when the great-circle solution fell on the wrong side of a pole or
      // meridian; one too far from the places counts as a miss.
      const double variants[2][2] = {{-ilat, ilon}, {ilat, -ilon}};
      for (const auto& v : variants) {
        lat = v[0];
        lon = v[1];
        diff = CalcDistNm(lat1, lon1, lat, lon) <= 3.0 * d12
                   ? CalcHeadingDiff(MagneticBearing(lat1, lon1, lat, lon, var1), pbd_brg)
                   : 99;
        if (diff < 7) break;
      }
    }
    if (diff < 7) break;
  }
  // A point off either typed radial is no crossing of them: the radials do not meet near the places.
  if (!found || !OnRadial(lat1, lon1, var1, pbd_brg, lat, lon) || !OnRadial(lat2, lon2, var2, pbd_brg2, lat, lon)) {
    return false;
  }
  nav_search_list[1].lat = lat;
  nav_search_list[1].lon = lon;
  return true;
}

void SortByDistanceFromAircraft() {
  static double dist[kNavSearchCapacity + 1];
  static int32_t order[kNavSearchCapacity];
  static NavRecord sorted[kNavSearchCapacity + 1];
  int32_t n = nav_search_cnt;
  for (int32_t i = 1; i <= n; ++i) {
    dist[i] = CalcDistNm(plane_lat, plane_lon, nav_search_list[i].lat, nav_search_list[i].lon);
    order[i - 1] = i;
  }
  std::stable_sort(order, order + n, [](int32_t a, int32_t b) { return dist[a] < dist[b]; });
  for (int32_t i = 1; i <= n; ++i) sorted[i] = nav_search_list[order[i - 1]];
  std::copy(sorted + 1, sorted + n + 1, nav_search_list + 1);
}

}  // namespace

void FindWaypointCandidates(int32_t kind) {
  nav_search_cnt = 0;
  entry_refused = false;
  ClearPlaceOffset();
  const std::string original = cdu_lookup_ident;
  std::string_view e = original;
  const size_t len = e.size();

  if (IsLatLonForm(e)) {
    ResolveLatLon(e);
    return;
  }

  std::string entry = original;
  std::string place2;
  bool two_places = false;
  size_t p = e.find('/');
  if (len >= 8 && len <= 29 && p != std::string_view::npos) {
    // Place, three bearing digits, '/': shorter prefixes leave no place to read, and a long entry
    // no room for a second place.
    if (p < 3 || (len > 12 && len < p + 4)) return;
    std::string_view place = e.substr(0, p - 3);
    const std::string_view bearing_text = e.substr(p - 3, 3);
    const std::string_view after = e.substr(p + 1);
    // After the '/' a distance, or a second place with its bearing (a place begins with a letter);
    // a distance is a number throughout.
    const bool second_place = len > 12 && !IsPlaceNumber(after);
    const bool distance_typed = !second_place && !after.empty() && !IsLetter(after[0]);
    if (!IsPlaceNumber(bearing_text) || (distance_typed && !IsPlaceNumber(after)) ||
        (second_place && !IsPlaceNumber(e.substr(len - 3)))) {
      entry_refused = true;
      return;
    }
    double bearing = ParseLeadingDouble(bearing_text);
    double distance = distance_typed ? ParseLeadingDouble(after) : 0.0;
    int32_t bearing2 = -1;
    if (second_place) {
      place2 = std::string(e.substr(p + 1, len - p - 4));
      bearing2 = ParseLeadingInt(e.substr(len - 3));
    }
    // A bearing past north or a distance past any radial is a mistyped entry, never a point.
    if (bearing > kMaxBearingDeg || distance >= kMaxRadialDistNm || (distance <= 0.0 && bearing2 > kMaxBearingDeg)) {
      entry_refused = true;
      return;
    }
    if (distance > 0.0) {
      pbd_brg = bearing;
      pbd_dist = TruncToI32(distance);
    } else if (bearing2 >= 0) {
      pbd_brg = bearing;
      pbd_brg2 = bearing2;
      two_places = true;
    } else {
      return;
    }
    entry = std::string(place);
    cdu_lookup_ident = entry;
  }

  SearchPass(kind, entry);

  if (two_places) {
    if (nav_search_cnt == 0) return;
    const NavRecord first = nav_search_list[NearestCandidate()];
    cdu_lookup_ident = place2;
    nav_search_cnt = 0;
    SearchPass(kind, place2);
    if (nav_search_cnt == 0) return;
    int32_t nearest = NearestCandidate();
    if (nearest != 1) nav_search_list[1] = nav_search_list[nearest];
    nav_search_cnt = 1;
    if (!PlaceCrossingPoint(first)) {
      nav_search_cnt = 0;
      return;
    }
    // Only a point that exists replaces the current fix: an entry that finds nothing leaves the page.
    cur_fix_ident = std::string(TextOf(first.ident));
    cur_fix_lat = first.lat;
    cur_fix_lon = first.lon;
    cur_fix_type = std::string(TextOf(first.type));
    cur_fix_extra = std::string(TextOf(first.extra));
    cur_fix_info = std::string(TextOf(first.info));
    // The point is neither navaid nor airport: the second place keeps its frequency and elevation.
    NavRecord& point = nav_search_list[1];
    ClearRecord(point.extra);
    ClearRecord(point.info);
    SetText(point.type, "WPT");
    return;
  }

  if (nav_search_cnt == 0) ResolveShorthand(entry);
  if (nav_search_cnt > 1) SortByDistanceFromAircraft();
}

bool LookUpRefused() { return entry_refused; }

bool IsPlaceNumber(std::string_view text) {
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  return whole.size() + fraction.size() > 0 && AllDigits(whole) && AllDigits(fraction);
}

bool LatLonGroupsAreDigits(std::string_view e) {
  return e.size() == kLatLonChars && AllDigits(e.substr(1, 4)) && IsDigit(e[6]) && AllDigits(e.substr(8, 5)) &&
         IsDigit(e[14]);
}

// Nine digits keep one more than the highest number inside an int32_t.
constexpr size_t kMadeNameDigits = 9;

int32_t MadeNameNumber(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return -1;
  const std::string_view number = name.substr(prefix.size());
  if (number.size() == 2) return std::max(ParseLeadingInt(number), 0);
  if (number.size() < 2 || number.size() > kMadeNameDigits) return -1;
  for (char c : number) {
    if (!IsDigit(c)) return -1;
  }
  return ParseLeadingInt(number);
}

std::string NextWaypointName() {
  int32_t n = 1;
  const int32_t last = std::min(fp_mod_cnt - 1, 200);
  for (int32_t i = 1; i <= last; ++i) {
    const int32_t nn = MadeNameNumber(fms_fpln_mod[i].ident, "WPT");
    if (nn >= 0) n = std::max(n, nn + 1);
  }
  char name[24];
  std::snprintf(name, sizeof name, "%3s%02d", "WPT", n);
  return name;
}

bool PlaceOffsetPending() { return pbd_dist >= 1 || pbd_brg2 >= 0.0; }

void ClearPlaceOffset() {
  pbd_dist = 0;
  pbd_brg = -1.0;
  pbd_brg2 = -1.0;
}

int32_t FindNearestAirport() {
  if (nav_apts_cnt < 1) return 0;
  double nearest_nm = kFarNm;
  const int32_t nearest = NearestRow(NavTable::kAirports, plane_lat, plane_lon, kFarNm, &nearest_nm);
  if (nearest >= 0) {
    if (nearest > 0) nearest_apt_ident = std::string(TextOf(nav_apts[nearest].ident));
    return nearest > 0 ? 1 : 0;
  }
  double best = kFarNm;
  int32_t count = std::min(nav_apts_cnt, kNavAptsCapacity);
  for (int32_t i = 1; i <= count; ++i) {
    double d = CalcDistNm(plane_lat, plane_lon, nav_apts[i].lat, nav_apts[i].lon);
    if (best > d) {
      nearest_apt_ident = std::string(TextOf(nav_apts[i].ident));
      best = d;
    }
  }
  return best < kFarNm ? 1 : 0;
}
