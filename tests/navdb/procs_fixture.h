// Test bed of the airport and procedure loaders: the navigation test bed with a test airport
// "KTST" (elevation 100 ft, four runways) in apts.txt and helpers to read the loaded procedures.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "base/geodesy.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_fixture.h"

// KTST: 16L/34R and 16R/34L; thresholds about 1.2 NM apart.
inline constexpr const char* kTestAirportLine =
    "KTST TEST_FIELD 100 45.0000 -122.0000 "
    "16L_9000_45.0100_-122.0000_180.0_110.30_X_180.0 34R_9000_44.9900_-122.0000_0.0_0_X_0.0 "
    "16R_8000_45.0100_-122.0100_180.0_0_X_180.0 34L_8000_44.9900_-122.0100_0.0_0_X_0.0\n";

class ProcsTest : public NavdbTest {
 protected:
  void SetUp() override {
    NavdbTest::SetUp();
    WriteNavFile("apts.txt", kTestAirportLine);
  }

  AirportRecord& Origin() { return airport_recs[1]; }
  AirportRecord& Dest() { return airport_recs[2]; }
  const ProcedureRecord& Sid(int i) { return airport_recs[1].sids[i]; }
  const ProcedureRecord& Star(int i) { return airport_recs[2].stars[i]; }
  const ProcedureRecord& Appr(int i) { return airport_recs[2].approaches[i]; }

  // Loads the origin with `sids` as sids.txt.
  void LoadOriginWith(const std::string& sids) {
    WriteNavFile("sids.txt", sids);
    ASSERT_EQ(LoadAirport("KTST", 1), 1);
  }
  // Loads the destination with `stars` as stars.txt and `apps` as apps.txt.
  void LoadDestWith(const std::string& stars, const std::string& apps) {
    WriteNavFile("stars.txt", stars);
    WriteNavFile("apps.txt", apps);
    ASSERT_EQ(LoadAirport("KTST", 2), 1);
  }
};

inline std::string Text(const char* field) { return std::string(field); }

// One text field of every leg of a procedure, joined by blanks (`LegIdents` for the idents).
template <size_t N>
std::string Joined(const ProcedureRecord& r, char (ProcedureLeg::*field)[N]) {
  std::string s;
  for (int k = 1; k <= r.leg_cnt; ++k) s += (k > 1 ? " " : "") + std::string(r.legs[k].*field);
  return s;
}
inline std::string LegIdents(const ProcedureRecord& r) { return Joined(r, &ProcedureLeg::ident); }

inline double DistNm(double lat1, double lon1, double lat2, double lon2) {
  double d, b;
  CalcDistBrg(lat1, lon1, lat2, lon2, &d, &b);
  return d;
}
inline double BearingDeg(double lat1, double lon1, double lat2, double lon2) {
  double d, b;
  CalcDistBrg(lat1, lon1, lat2, lon2, &d, &b);
  return b;
}
// Difference of two courses, -180..180.
inline double CourseDiff(double a, double b) { return std::fmod(a - b + 540.0, 360.0) - 180.0; }

// The point at `dist_nm` on true course `crs_deg` from a position.
struct LatLon {
  double lat;
  double lon;
};
inline LatLon PointAt(double lat, double lon, double crs_deg, double dist_nm) {
  LatLon p;
  CalcDestPoint(lat, lon, crs_deg, dist_nm, &p.lat, &p.lon);
  return p;
}
// How far (in degrees of either coordinate) a leg lies from a point.
inline double Off(const ProcedureLeg& leg, LatLon p) {
  return std::max(std::fabs(leg.lat - p.lat), std::fabs(leg.lon - p.lon));
}
