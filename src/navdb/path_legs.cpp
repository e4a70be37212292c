#include "navdb/path_legs.h"

#include <cmath>

#include "base/geodesy.h"
#include "navdb/navdb_globals.h"
#include "navdb/procedure_common.h"

namespace {

// 1500 ft per minute at 190 kt: NM flown per 1500 ft of climb.
constexpr double kClimbNmPer1500Ft = 3.1666666666666665;
// Turn chord of the "UA" legs: NM per degree of turn.
constexpr double kChordNmPerDeg = 1.0 / 72.0;
// Distance beyond an intercept that a turn onto the intercepted course takes: 7/360 NM per degree.
constexpr double kInterceptNmPerDeg = 0.019444444444444445;
// The DME search: 0.1 NM steps while below 50 NM, a hit within 0.1 NM.
constexpr double kDmeStepNm = 0.1;
constexpr double kDmeSearchNm = 50.0;
constexpr double kDmeToleranceNm = 0.1;
// A climb that ends this close to the turn's end gives no leg.
constexpr double kMinClimbLegNm = 0.2;

struct PathCode {
  std::string_view turn;  // "RT", "LT" or empty
  double crs;             // magnetic course of the direction part
  std::string_view cond;  // "UA", "UD9.0", "IC270", ...
};

PathCode ParsePathCode(std::string_view code) {
  PathCode p{std::string_view(), 0.0, std::string_view()};
  if (StartsWith(code, "/RT") || StartsWith(code, "/LT")) {
    p.turn = code.substr(1, 2);
    code.remove_prefix(3);
  }
  if (StartsWith(code, "/")) code.remove_prefix(1);
  size_t slash = code.find('/');
  std::string_view dir = code.substr(0, slash);
  if (slash != std::string_view::npos) p.cond = code.substr(slash + 1);
  if (!dir.empty() && (dir[0] == 'T' || dir[0] == 'H' || dir[0] == 'C')) p.crs = ParseLeadingDouble(dir.substr(1));
  return p;
}

// Turn angle from the heading flown before the leg onto its course, in [0, 360).
double TurnAngle(std::string_view turn, double crs, double hdg) {
  return norm360(turn == "RT" ? crs - hdg : hdg - crs);
}

double TurnChordNm(double a) {
  if (a <= 90.0) return std::sqrt(2.0) * a * kChordNmPerDeg;
  if (a <= 180.0) return std::hypot(a * kChordNmPerDeg, (180.0 - a) * kChordNmPerDeg);
  if (a <= 270.0) return std::hypot((a - 180.0) * kChordNmPerDeg, (360.0 - a) * kChordNmPerDeg);
  return std::sqrt(2.0) * (360.0 - a) * kChordNmPerDeg;
}

int32_t BuildPathLeg(std::string_view code, double lat0, double lon0, double* io_lat, double* io_lon,
                     bool climb_legs, int32_t alt_ft, double hdg, double var) {
  PathCode p = ParsePathCode(code);
  const double fix_lat = *io_lat;
  const double fix_lon = *io_lon;

  if (StartsWith(p.cond, "UD")) {
    // Not met within 50 NM, the leg ends at its reference position.
    FindDmePoint(lat0, lon0, p.crs + var, proc_ref_lat, proc_ref_lon, ParseLeadingDouble(p.cond.substr(2)), io_lat,
                 io_lon);
    return 0;
  }

  if (climb_legs && StartsWith(p.cond, "UA")) {
    double climb_nm = (static_cast<double>(alt_ft) - airport_recs[1].elevation_ft) / 1500.0 * kClimbNmPer1500Ft;
    double lat = lat0, lon = lon0;
    double rest_nm = climb_nm;
    if (!p.turn.empty()) {
      double a = TurnAngle(p.turn, p.crs, hdg);
      double chord_crs = p.crs - a / 2.0;
      if (chord_crs < 0.0) chord_crs += 360.0;
      double chord_nm = TurnChordNm(a);
      CalcDestPoint(lat0, lon0, chord_crs + var, chord_nm, &lat, &lon);
      rest_nm = climb_nm - chord_nm;
    }
    if (rest_nm <= kMinClimbLegNm) return kNoPathEnd;
    CalcDestPoint(lat, lon, p.crs + var, rest_nm, io_lat, io_lon);
    return 0;
  }

  // An intersection with a course through the reference fix: for "IC" first its reciprocal (the
  // course leads to the fix), then the course itself; for any other condition course 0.
  bool intercept = StartsWith(p.cond, "IC");
  double intc_crs = intercept ? ParseLeadingDouble(p.cond.substr(2)) : 0.0;
  double icrs = 0.0;
  if (intercept) {
    icrs = intc_crs + 180.0;
    if (icrs >= 360.0) icrs -= 360.0;
  }
  for (;;) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      double lat, lon;
      int32_t r = attempt == 0
                      ? CalcGreatCircle(lat0, lon0, p.crs + var, fix_lat, fix_lon, icrs + var, &lat, &lon)
                      : CalcGreatCircle(fix_lat, fix_lon, icrs + var, lat0, lon0, p.crs + var, &lat, &lon);
      if (r == kNoIntersection) continue;
      if (!TakeIntersection(lat0, lon0, p.crs, var, &lat, &lon)) continue;
      if (!p.turn.empty() && intercept) {
        // The turn onto the intercepted course ends beyond the intersection.
        double a = TurnAngle(p.turn, p.crs, hdg);
        CalcDestPoint(lat, lon, intc_crs + var, a * kInterceptNmPerDeg, &lat, &lon);
      }
      *io_lat = lat;
      *io_lon = lon;
      return 0;
    }
    if (!intercept) return kNoPathEnd;
    icrs = intc_crs;
    intercept = false;
  }
}

}  // namespace

double MagneticBearing(double lat0, double lon0, double lat1, double lon1, double var_deg) {
  double dist_nm, brg_deg;
  CalcDistBrg(lat0, lon0, lat1, lon1, &dist_nm, &brg_deg);
  return norm360(brg_deg - var_deg);
}

bool FindDmePoint(double lat0, double lon0, double crs_true_deg, double ref_lat, double ref_lon, double dme_nm,
                  double* lat, double* lon) {
  for (double r = kDmeStepNm; r < kDmeSearchNm; r += kDmeStepNm) {
    double p_lat, p_lon;
    CalcDestPoint(lat0, lon0, crs_true_deg, r, &p_lat, &p_lon);
    if (std::fabs(CalcDistNm(p_lat, p_lon, ref_lat, ref_lon) - dme_nm) < kDmeToleranceNm) {
      *lat = p_lat;
      *lon = p_lon;
      return true;
    }
  }
  return false;
}

bool TakeIntersection(double lat0, double lon0, double crs_deg, double var_deg, double* lat, double* lon) {
  if (CalcHeadingDiff(crs_deg, MagneticBearing(lat0, lon0, *lat, *lon, var_deg)) <= 1) return true;
  const double mirrored[2][2] = {{-*lat, *lon}, {*lat, -*lon}};
  for (const auto& m : mirrored) {
    if (CalcDistNm(lat0, lon0, m[0], m[1]) > 0.0) continue;
    if (CalcHeadingDiff(crs_deg, MagneticBearing(lat0, lon0, m[0], m[1], var_deg)) < 7) {
      *lat = m[0];
      *lon = m[1];
      return true;
    }
  }
  return false;
}

int32_t BuildSidLegs(std::string_view code, double lat0, double lon0, double* io_lat, double* io_lon,
                     int32_t /*proc_index*/, std::string_view /*trans*/, std::string_view /*spare_text*/,
                     int32_t alt_ft, double hdg) {
  return BuildPathLeg(code, lat0, lon0, io_lat, io_lon, true, alt_ft, hdg, origin_magvar);
}

int32_t BuildStarLegs(std::string_view code, double lat0, double lon0, double* io_lat, double* io_lon,
                      int32_t /*proc_index*/, std::string_view /*trans*/, std::string_view /*spare_text*/,
                      double hdg) {
  return BuildPathLeg(code, lat0, lon0, io_lat, io_lon, false, 0, hdg, dest_magvar);
}

bool PathLegName(std::string_view code, std::string* name) {
  if (StartsWith(code, "/")) code.remove_prefix(1);
  if (StartsWith(code, "RT/") || StartsWith(code, "LT/")) code.remove_prefix(3);
  if (code.empty()) return false;
  const char* prefix = code[0] == 'T' ? "TR" : code[0] == 'H' ? "HD" : code[0] == 'C' ? "CR" : nullptr;
  if (prefix == nullptr) return false;
  *name = prefix;
  *name += code.substr(1, 3);
  return true;
}
