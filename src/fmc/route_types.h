// Records of the flight-management core's route model: the route leg, the stored route, the hold
// with its traffic-pattern points, the RTE page line and the LNAV leg. Tables of them live in
// fmc_globals.h. A freshly constructed record has every text empty and every number zero.
#pragma once

#include <cstdint>
#include <string>

constexpr int kRouteRows = 201;       // route tables: rows 0..200, row 0 the origin
constexpr int kFplStoreRows = 203;
constexpr int kRouteHoldRows = 11;    // rows 1..10 used
constexpr int kPatternPoints = 5;     // point 0 the hold fix, 1..4 the circuit

struct RouteLeg {
  std::string ident;         // "DISCO" discontinuity, "THEN" pending airway join
  double lat = 0.0;          // deg, north positive
  double lon = 0.0;          // deg, east positive
  std::string type;          // "APT", "VOR", "NDB", "INT", "WPT", "V", "N", "OAWY"
  std::string via;           // airway or procedure name; empty = direct
  std::string proc;          // "SID", "STAR", "APPR", "SIDSTAR", "AWY" or empty
  std::string dep_position;  // departure position text; nothing fills it, plan writers print row 0's
  std::string aux_text;      // role of an approach leg ("IAF", "FAF", ...)
  std::string eta;           // "%02.0f:%02.0f" when the leg was reached
  double alt = 0.0;          // ft constraint; -999.0 none
  double ias = 0.0;          // kt constraint; -999.0 none
  double mach = 0.0;         // planned Mach of the active route (vertical profile)
  double intc_crs = 0.0;     // deg magnetic; above -1.0 a course (-1.0 inserted, -999.0 reset: none)
  int32_t leg_code = 0;      // leg code of a procedure leg, carried with the leg; 0 otherwise
  int32_t restr = 0;         // bit 1 altitude, bit 2 speed; 0 (or -999 from airways) none
  int32_t hold_idx = 0;      // row of route_holds; 0 none
  std::string freq;          // navaid frequency text
};

// The constraint bits of `RouteLeg::restr` (1 altitude, 2 speed, 3 both).
inline bool IsAltitudeConstraint(int32_t restr) { return restr == 1 || restr == 3; }
inline bool IsSpeedConstraint(int32_t restr) { return restr == 2 || restr == 3; }

struct FplStoreEntry {
  std::string name;          // plan file name
  std::string orig;          // ident of the plan's row 0
  std::string dest;          // ident of its last row
  int32_t leg_cnt = 0;       // last row index
  RouteLeg legs[kRouteRows];
};

struct PatternPoint {
  double lat = 0.0;
  double lon = 0.0;
  std::string name;          // "Xwind", "Dwind", "Base", "Final"
  double course = 0.0;       // deg true of the side that starts here
};

struct RouteHold {
  std::string fix;
  int32_t leg = 0;           // leg of the fix in the active route; 0 = row unused
  int32_t saved_leg = 0;     // pending leg in the modified route
  int32_t turn = 0;          // 1 right, else left
  double leg_dist = 0.0;     // NM
  double leg_time = 0.0;     // min
  double inbd_crs = 0.0;     // deg magnetic
  int32_t leg_mode = 0;      // 1 timed, 2 distance
  double lat = 0.0;
  double lon = 0.0;
  PatternPoint pattern_pts[kPatternPoints];
};

struct RteRow {
  std::string to_fix;
  std::string via;           // airway, procedure or "DIRECT"
  std::string proc;
};

struct LnavLeg {
  std::string FrId;
  double fr_lat = 0.0;
  double fr_lon = 0.0;
  std::string ToId;
  double to_lat = 0.0;
  double to_lon = 0.0;
};

struct NavNameIndexEntry {
  std::string name;
  int32_t navaid_row = 0;
};
