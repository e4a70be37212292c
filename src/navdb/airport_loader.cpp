#include "navdb/airport_loader.h"

#include <string_view>

#include "fmc/fmc_globals.h"
#include "navdb/coordinate_text.h"
#include "navdb/lat_lon_format.h"
#include "navdb/approach_lists.h"
#include "navdb/approach_loader.h"
#include "navdb/navdb_globals.h"
#include "navdb/procedure_common.h"
#include "navdb/sid_loader.h"
#include "navdb/star_loader.h"

namespace {

constexpr size_t kAirportLineChars = 1698;  // LoadAirport's line buffer
constexpr size_t kInfoLineChars = 1498;     // LoadAirportInfo's
constexpr int kLineTokens = 25;             // ICAO, four header tokens, 20 runway groups
constexpr int kRunwaySubFields = 8;
constexpr int32_t kRunwayCapacity = kAirportRunwayRows - 1;
constexpr int32_t kLastRouteRow = kRouteRows - 1;

// The airport's line, upper-cased with its line end as blanks; kept static as it may be long.
std::string airport_line;
std::string info_token;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Whether the line's first token, upper-cased, is `icao` (taken as given).
bool LineIsAirport(std::string_view line, std::string_view icao) {
  size_t blank = 0;
  while (blank < line.size() && !IsBlank(line[blank])) ++blank;
  if (blank == 0 || blank == line.size() || blank != icao.size()) return false;
  for (size_t i = 0; i < blank; ++i) {
    if (Upper(line[i]) != icao[i]) return false;
  }
  return true;
}

// Tokens of the found line: [0] ICAO, [1..4] name, elevation, latitude, longitude, then groups.
int SplitAirportLine(std::string_view* t) {
  for (int i = 0; i < kLineTokens; ++i) t[i] = std::string_view();
  return SplitTokens(airport_line, t, kLineTokens);
}

// The airport's line with a position that can be read; a line whose position cannot is passed
// over, as a line of another airport.
bool FindAirportLine(const char* file, std::string_view icao, size_t line_chars) {
  std::FILE* f = OpenNavdataFile(file);
  if (f == nullptr) return false;
  LineReader& reader = ProcedureLineReader();
  reader.Start(f, line_chars);
  std::string_view line;
  bool found = false;
  while (!found && reader.Next(&line)) {
    if (!LineIsAirport(line, icao)) continue;
    airport_line.assign(line);
    for (char& c : airport_line) c = (c == '\r' || c == '\n') ? ' ' : Upper(c);
    std::string_view t[kLineTokens];
    double lat = 0.0, lon = 0.0;
    found = SplitAirportLine(t) >= 5 && ReadDecimalDegrees(t[3], CoordAxis::kLatitude, &lat) &&
            ReadDecimalDegrees(t[4], CoordAxis::kLongitude, &lon);
  }
  std::fclose(f);
  return found;
}

// A runway group: eight sub-fields joined by '_' (an empty one is skipped, the later ones move up).
// False when its threshold cannot be read: such a group is no runway, never one at 0N or 0E.
bool FillRunway(std::string_view group, RunwayRecord& rw) {
  std::string_view sub[kRunwaySubFields];
  int n = 0;
  size_t i = 0;
  while (n < kRunwaySubFields && i < group.size()) {
    size_t end = group.find('_', i);
    if (end == std::string_view::npos) end = group.size();
    if (end > i) sub[n++] = group.substr(i, end - i);
    i = end + 1;
  }
  ClearRecord(rw);
  if (!ReadDecimalDegrees(sub[2], CoordAxis::kLatitude, &rw.lat) ||
      !ReadDecimalDegrees(sub[3], CoordAxis::kLongitude, &rw.lon)) {
    ClearRecord(rw);
    return false;
  }
  SetText(rw.ident, sub[0]);
  rw.length_ft = ParseLeadingInt(sub[1]);
  rw.heading = ParseLeadingDouble(sub[4]);
  SetText(rw.ils_freq, sub[5]);
  SetText(rw.aux, sub[6]);
  rw.loc_crs = ParseLeadingDouble(sub[7]);
  return true;
}

// Nothing of the airport loaded before may stay on offer under the new ident.
void ForgetAirport(AirportRecord& a) {
  EmptyProcedureTable(a.sids, kAirportSidRows, &a.sid_cnt);
  EmptyProcedureTable(a.stars, kAirportStarRows, &a.star_cnt);
  EmptyProcedureTable(a.approaches, kAirportApproachRows, &a.appr_cnt);
  EmptyProcedureTable(a.appr_transitions, kAirportApprTransRows, &a.appr_trans_cnt);
  EmptyList(a.trans_list, &a.trans_list_cnt);
  EmptyList(a.sid_list, &a.sid_list_cnt);
  EmptyList(a.star_list, &a.star_list_cnt);
  EmptyList(a.name_list, &a.name_list_cnt);
  EmptyList(a.rwy_list, &a.rwy_list_cnt);
  EmptyList(a.iaf_list, &a.iaf_cnt);
  ClearRecord(a.icao);
  ClearRecord(a.name);
}

bool IsRouteRow(int32_t row) { return row >= 0 && row <= kLastRouteRow; }

// The active route's last row, when it is this airport, takes its elevation as its altitude.
void SetLastRowElevation(std::string_view icao, double elev_ft, bool clear_restr) {
  if (!IsRouteRow(fp_cnt)) return;
  RouteLeg& r = fms_fpln_act[fp_cnt];
  if (r.type != "APT" || r.ident != icao) return;
  r.alt = elev_ft;
  if (clear_restr) r.restr = 0;
  r.ias = -999.0;
}

void SetAirportRow(RouteLeg& r, std::string_view icao, double lat, double lon) {
  r.ident = icao;
  r.lat = lat;
  r.lon = lon;
  r.type = "APT";
  r.freq.clear();
}

// Runways marked "RWY<ident>=RIGHTPATTERN" in the airport's section ("RWY9" also marks "09").
void MarkRightPatterns(std::string_view icao) {
  std::FILE* f = OpenNavdataFile("apt_additional_info.txt");
  if (f == nullptr) return;
  std::string opener = "[";
  opener += icao;
  opener += ']';
  LineReader& reader = ProcedureLineReader();
  reader.Start(f, kInfoLineChars);
  std::string_view line;
  bool in_section = false;
  while (reader.Next(&line)) {
    std::string_view token;
    if (SplitTokens(line, &token, 1) == 0) continue;
    info_token.assign(token);
    for (char& c : info_token) c = Upper(c);
    std::string_view t = info_token;
    if (!in_section) {
      in_section = StartsWith(t, opener);
      continue;
    }
    if (StartsWith(t, "[")) break;
    if (!StartsWith(t, "RWY")) continue;
    size_t eq = t.find('=');
    std::string_view ident = t.substr(3, eq == std::string_view::npos ? std::string_view::npos : eq - 3);
    std::string_view value = eq == std::string_view::npos ? std::string_view() : t.substr(eq + 1);
    if (value != "RIGHTPATTERN") continue;
    for (int32_t i = 1; i <= apt_rwy_cnt; ++i) {
      std::string_view id = TextOf(apt_rwys[i].ident);
      if (id == ident || (id.size() == ident.size() + 1 && id[0] == '0' && id.substr(1) == ident)) {
        apt_rwys[i].right_pattern = 1;
      }
    }
  }
  std::fclose(f);
}

}  // namespace

int32_t LoadAirport(std::string icao, int32_t selector) {
  if (selector != 1 && selector != 2) return 0;  // only the origin and destination blocks exist
  AirportRecord& a = airport_recs[selector];
  bool found = false;
  for (const char* file : {"apts.txt", "apts_user.txt"}) {
    EmptyList(a.runways, &a.rwy_cnt);
    if (!icao.empty() && FindAirportLine(file, icao, kAirportLineChars)) {
      found = true;
      break;
    }
  }
  if (!found) {
    ForgetAirport(a);
    // The approach list is built from the destination's record: none of the previous airport's.
    if (selector == 2) BuildApproachList("------");
    return 0;
  }

  std::string_view t[kLineTokens];
  int n = SplitAirportLine(t);
  for (int g = 5; g < n; ++g) {
    if (a.rwy_cnt >= kRunwayCapacity) break;
    RunwayRecord& rw = a.runways[a.rwy_cnt + 1];
    if (!FillRunway(t[g], rw)) continue;
    ++a.rwy_cnt;
    rw.recip_heading = rw.heading + 180.0;
    if (rw.recip_heading >= 360.0) rw.recip_heading -= 360.0;
  }
  apt_elev_text = t[2];
  if (selector == 1) fms_fpln_act[0].alt = ParseLeadingDouble(t[2]);
  SetText(a.icao, icao);
  SetText(a.name, t[1]);
  a.lat = ParseLeadingDouble(t[3]);
  a.lon = ParseLeadingDouble(t[4]);

  NavRecord& row = nav_search_list[1];
  SetText(row.ident, icao);
  row.lat = a.lat;
  row.lon = a.lon;
  SetText(row.type, "APT");
  ClearRecord(row.extra);

  std::string lat_text, lon_text;
  FormatLatLonDms(a.lat, -a.lon, &lat_text, &lon_text, 1);  // the formatter takes west as positive
  SetText(a.lat_text, lat_text);
  SetText(a.lon_text, lon_text);
  a.elevation_ft = ParseLeadingInt(t[2]);

  if (selector == 1) {
    LoadSids(icao);
  } else {
    LoadStars(icao);
    LoadApproaches(icao);
  }
  return 1;
}

bool AirportInDatabase(std::string_view icao) {
  if (icao.empty()) return false;
  return FindAirportLine("apts.txt", icao, kAirportLineChars) || FindAirportLine("apts_user.txt", icao, kAirportLineChars);
}

void LoadAirportInfo(std::string icao, int32_t mode) {
  if (!FindAirportLine("apts.txt", icao, kInfoLineChars) && !FindAirportLine("apts_user.txt", icao, kInfoLineChars)) {
    return;
  }
  std::string_view t[kLineTokens];
  int n = SplitAirportLine(t);
  const double elev_ft = ParseLeadingDouble(t[2]);
  const double lat = ParseLeadingDouble(t[3]);
  const double lon = ParseLeadingDouble(t[4]);

  switch (mode) {
    case 0:
    case 1: {
      for (int32_t i = 1; i <= apt_rwy_cnt && i < kAirportRunwayRows; ++i) ClearRecord(apt_rwys[i]);
      apt_rwy_cnt = 0;
      for (int g = 5; g < n && apt_rwy_cnt < kRunwayCapacity; ++g) {
        RunwayRecord& rw = apt_rwys[apt_rwy_cnt + 1];
        if (!FillRunway(t[g], rw)) continue;
        ++apt_rwy_cnt;
        if (rw.loc_crs == 0.0) rw.loc_crs = rw.heading;  // no localizer: the runway's own course
      }
      MarkRightPatterns(icao);
      apt_elev_text = t[2];
      if (mode == 0) {
        fms_fpln_act[0].alt = elev_ft;
      } else {
        SetLastRowElevation(icao, elev_ft, true);
      }
      apt_info_loaded = 1;
      break;
    }
    case 2:
      cross_at_elev = elev_ft;
      SetLastRowElevation(icao, elev_ft, false);
      break;
    case 3:
      SetAirportRow(fms_fpln_act[0], icao, lat, lon);
      break;
    case 4: {
      if (fp_cnt < -1 || fp_cnt >= kLastRouteRow) break;  // the route holds rows 0..200
      RouteLeg& r = fms_fpln_act[++fp_cnt];
      r = RouteLeg{};
      SetAirportRow(r, icao, lat, lon);
      r.alt = elev_ft;
      r.ias = -999.0;
      r.intc_crs = -1.0;
      cross_at_elev = elev_ft;
      cross_at_lat = lat;
      cross_at_lon = lon;
      next_restr_leg = fp_cnt;
      break;
    }
    case 5:
      SetAirportRow(fms_fpln_mod[0], icao, lat, lon);
      break;
    case 6: {
      if (fp_mod_cnt < -1 || fp_mod_cnt >= kLastRouteRow) break;
      RouteLeg& r = fms_fpln_mod[++fp_mod_cnt];
      r = RouteLeg{};
      SetAirportRow(r, icao, lat, lon);
      break;
    }
    default:
      break;
  }
}
