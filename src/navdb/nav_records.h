// Record types of the navigation database: the navigation point row of every fix, airway-fix,
// airport, navaid, search and nearby table; the runway, procedure leg, procedure and airport blocks
// of the route's origin and destination; and the rows of the approach and procedure leg lists.
//
// The big records keep fixed-width, zero-terminated text fields, so that they stay trivially
// copyable: the half-million static navigation rows and the three airport blocks (about 38 MB each)
// then cost nothing to construct and are filled in place. A text longer than its field is cut to the
// field's width (the terminator always fits). Rows are 1-based in every table; row 0 is never used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

// Two points of one ident this close are one fix: data sets place a fix a fraction of a mile apart
// (a VOR and its DME, rounded positions), while namesakes lie far beyond.
inline constexpr double kSameFixNm = 5.0;

// One navigation point (200 bytes).
struct NavRecord {
  char ident[16];   // fix name, ICAO code or navaid ident
  char name[72];    // second token of the source line; airway fixes repeat the fix name
  double lat;       // degrees, north positive
  double lon;       // degrees, east positive
  char type[8];     // "I" intersection or airway fix, "APT", "V" VOR, "N" other navaid
  char extra[16];   // navaid frequency text as written in the file
  double dist;      // working values (NM, magnetic degrees); no live operation fills them
  double brg;
  char airway[24];  // airway name, in search-list rows read from an airway
  char spare[8];    // never filled
  char info[24];    // airports: elevation token (feet, as text)
};

// One runway end of an airport block (128 bytes).
struct RunwayRecord {
  char ident[24];  // e.g. 16R
  double lat;      // threshold, degrees
  double lon;
  int32_t length_ft;
  char aux[28];       // stored, never read
  char ils_freq[24];  // localizer frequency text
  double heading;     // degrees
  double loc_crs;     // final (localizer) course, degrees
  double recip_heading;
  int32_t right_pattern;  // 1 = right-hand traffic pattern
};

// One leg of a SID, STAR or approach (240 bytes).
struct ProcedureLeg {
  char trans[24];     // transition; empty on the common route (its last leg carries its own ident)
  char ident[24];     // fix ident or generated path-leg name ("TR", "HD", "CR" + course)
  char role[24];      // approach role ("IAF", "FAF", ...)
  char alt_text[24];  // altitude text as written
  char runway[24];
  double lat;  // end point, degrees
  double lon;
  char code1[24];  // approach codes and identifier (approaches only)
  char code2[24];
  char appr_id[24];
  char marker[24];  // "*" on the last leg of the common route
  int32_t fly_over;
  int32_t spare;
};

inline constexpr int kProcedureLegRows = 401;  // legs 1..400

// One SID, STAR or approach.
struct ProcedureRecord {
  char name[32];
  char id[24];      // approach identifier (approaches only)
  char kind[24];    // third token of the "T" line; approach type in transition records
  char runway[48];  // fourth token of the "T" line
  int32_t spare;
  int32_t leg_cnt;
  ProcedureLeg legs[kProcedureLegRows];
};

// A row of the transition-name and IAF lists.
struct NameListRow {
  char name[28];
  int32_t value;
};

inline constexpr int kAirportRunwayRows = 23;  // runways 1..22
inline constexpr int kAirportStarRows = 91;
inline constexpr int kAirportSidRows = 141;
inline constexpr int kAirportApproachRows = 141;
inline constexpr int kAirportApprTransRows = 21;
inline constexpr int kAirportTransListRows = 121;
inline constexpr int kAirportIafListRows = 41;
inline constexpr int kAirportSidListRows = 101;
inline constexpr int kAirportStarListRows = 101;
inline constexpr int kAirportNameListRows = 250;
inline constexpr int kAirportRwyListRows = 23;

// The route's origin or destination airport with its runways and procedures.
struct AirportRecord {
  double lat;  // reference point, degrees
  double lon;
  char lat_text[24];  // degrees:minutes:seconds texts
  char lon_text[24];
  int32_t rwy_cnt;
  char icao[16];
  char name[72];
  int32_t sid_cnt;
  int32_t star_cnt;
  int32_t appr_cnt;
  int32_t appr_trans_cnt;
  int32_t trans_list_cnt;  // the five list counts, in record order
  int32_t sid_list_cnt;
  int32_t star_list_cnt;
  int32_t name_list_cnt;
  int32_t rwy_list_cnt;
  int32_t iaf_cnt;
  RunwayRecord runways[kAirportRunwayRows];
  ProcedureRecord stars[kAirportStarRows];
  ProcedureRecord sids[kAirportSidRows];
  ProcedureRecord approaches[kAirportApproachRows];
  ProcedureRecord appr_transitions[kAirportApprTransRows];
  NameListRow trans_list[kAirportTransListRows];
  NameListRow iaf_list[kAirportIafListRows];
  char sid_list[kAirportSidListRows][32];
  char star_list[kAirportStarListRows][32];
  char name_list[kAirportNameListRows][32];
  char rwy_list[kAirportRwyListRows][24];
  int32_t elevation_ft;
};

// A row of the ARRIVALS page's approach list.
struct ApproachListRow {
  std::string identifier;
  std::string runway;
};

// A leg ready for insertion into a route (approach, SID and STAR leg lists).
struct ApproachLegEntry {
  std::string name;
  std::string ident;
  std::string role;  // "IAF", "MAP", "FAF", "ARC", "HP" or empty
  std::string alt_text;
  std::string path_code;   // fifth text: not filled by the approach leg list
  std::string proc_label;  // sixth text: filled by the SID and STAR leg lists
  double lat;
  double lon;
  int32_t fly_over;
};

static_assert(sizeof(NavRecord) == 200);
static_assert(sizeof(RunwayRecord) == 128);
static_assert(sizeof(ProcedureLeg) == 240);
static_assert(std::is_trivially_copyable_v<NavRecord>);
static_assert(std::is_trivially_copyable_v<AirportRecord>);

// Text fields.

// Writes `text` into a fixed field, cut to the field's width.
template <size_t N>
inline void SetText(char (&field)[N], std::string_view text) {
  size_t n = text.size() < N - 1 ? text.size() : N - 1;
  if (n > 0) std::memcpy(field, text.data(), n);  // an empty view may carry no address
  field[n] = '\0';
}

template <size_t N>
inline std::string_view TextOf(const char (&field)[N]) {
  return std::string_view(field, strnlen(field, N));
}

template <size_t N>
inline bool TextIs(const char (&field)[N], std::string_view text) {
  return TextOf(field) == text;
}

// Empties a record in place (the big blocks must never pass through a temporary on the stack).
template <typename T>
inline void ClearRecord(T& record) {
  static_assert(std::is_trivially_copyable_v<T>);
  std::memset(static_cast<void*>(&record), 0, sizeof(T));
}
