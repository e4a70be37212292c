#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "navdb/path_legs.h"
#include "navdb/procs_fixture.h"

namespace {

constexpr double kLat0 = 45.0;
constexpr double kLon0 = -122.0;
constexpr double kClimbNmPerFt = 3.1666666666666665 / 1500.0;

// Path legs are built from (kLat0, kLon0) around an origin at 100 ft (the test airport).
class PathLegs : public ProcsTest {
 protected:
  void SetUp() override {
    ProcsTest::SetUp();
    airport_recs[1].elevation_ft = 100;
    origin_magvar = 0.0;
  }
  // Runs BuildSidLegs with the reference fix `ref`; returns its result.
  int32_t Sid(const char* code, LatLon ref, int32_t alt_ft, double hdg) {
    out = ref;
    return BuildSidLegs(code, kLat0, kLon0, &out.lat, &out.lon, 1, "", "", alt_ft, hdg);
  }
  // How far the end point's bearing from (lat, lon) is off `crs`.
  double CrsOff(double lat, double lon, double crs) const {
    return std::fabs(CourseDiff(BearingDeg(lat, lon, out.lat, out.lon), crs));
  }
  bool OutIs(LatLon p) const { return out.lat == p.lat && out.lon == p.lon; }
  LatLon out{0.0, 0.0};
};

// A climb leg without a turn ends on its course, after the climb distance at 1500 ft/min and 190 kt;
// less than about 95 ft of climb leaves 0.2 NM or less: no end point, outputs untouched.
TEST_F(PathLegs, ClimbLegEndsAfterClimbDistanceOnTrueCourse) {
  for (double var : {0.0, 17.0, -12.0}) {
    origin_magvar = var;
    ASSERT_EQ(Sid("/H162/UA", {0.0, 0.0}, 3100, 180.0), 0);
    EXPECT_NEAR(DistNm(kLat0, kLon0, out.lat, out.lon), 3000 * kClimbNmPerFt, 1e-6) << var;
    EXPECT_LT(CrsOff(kLat0, kLon0, 162.0 + var), 1e-3) << var;
  }
  EXPECT_EQ(Sid("/H180/UA", {1.5, 2.5}, 190, 180.0), kNoPathEnd);
  EXPECT_TRUE(OutIs({1.5, 2.5}));
  EXPECT_EQ(Sid("/H180/UA", {1.5, 2.5}, 196, 180.0), 0);
}

// A turn of 90 degrees lays a chord of sqrt(2) x 1.25 NM along crs - 45, then the rest on crs.
TEST_F(PathLegs, TurnOfNinetyDegreesLaysChordAlongCourseLessFortyFive) {
  origin_magvar = 10.0;
  const double chord = std::sqrt(2.0) * 1.25;
  ASSERT_EQ(Sid("/RT/H090/UA", {0.0, 0.0}, 5000, 0.0), 0);
  LatLon p = PointAt(kLat0, kLon0, 90.0 - 45.0 + 10.0, chord);
  LatLon end = PointAt(p.lat, p.lon, 90.0 + 10.0, 4900 * kClimbNmPerFt - chord);
  EXPECT_NEAR(out.lat, end.lat, 1e-9);
  EXPECT_NEAR(out.lon, end.lon, 1e-9);
}

// "UD": the first 0.1 NM step whose distance from the DME reference is within 0.1 NM of d; a
// distance not met within 50 NM is no failure: the leg ends at its reference position.
TEST_F(PathLegs, DmeLegEndsAtDistanceFromReference) {
  std::tie(origin_magvar, proc_ref_lat, proc_ref_lon) = std::tuple(15.0, 45.2, -122.1);
  ASSERT_EQ(Sid("/LT/T360/UD9.0", {45.2, -122.1}, 0, 0.0), 0);
  EXPECT_NEAR(DistNm(out.lat, out.lon, proc_ref_lat, proc_ref_lon), 9.0, 0.1);
  EXPECT_LT(CrsOff(kLat0, kLon0, 15.0), 1e-3);
  // It is the first such point: one step earlier is still more than 0.1 NM away.
  LatLon before = PointAt(kLat0, kLon0, 15.0, DistNm(kLat0, kLon0, out.lat, out.lon) - 0.1);
  EXPECT_GE(std::fabs(DistNm(before.lat, before.lon, proc_ref_lat, proc_ref_lon) - 9.0), 0.1);

  proc_ref_lat = kLat0;
  proc_ref_lon = kLon0;
  EXPECT_EQ(Sid("/H090/UD60.0", {44.0, -121.0}, 0, 0.0), 0);
  EXPECT_TRUE(OutIs({44.0, -121.0}));
}

// "IC": the end lies on the course flown and on the course into the reference fix; with a turn
// prefix the turn onto the intercepted course ends 7/360 NM per degree beyond. Courses that never
// meet ahead give no end point and leave the outputs alone.
TEST_F(PathLegs, InterceptLegEndsOnBothCourses) {
  origin_magvar = 10.0;
  const LatLon fix{45.3, -121.8};
  ASSERT_EQ(Sid("/H080/IC340", fix, 0, 0.0), 0);
  EXPECT_LT(CrsOff(kLat0, kLon0, 90.0), 0.01);
  EXPECT_LT(CrsOff(fix.lat, fix.lon, 170.0), 0.01);  // on course 350 (true) into the fix
  const LatLon plain = out;
  ASSERT_EQ(Sid("/RT/T080/IC340", fix, 0, 20.0), 0);  // A = 60
  EXPECT_NEAR(DistNm(plain.lat, plain.lon, out.lat, out.lon), 60.0 * 7.0 / 360.0, 1e-6);
  EXPECT_LT(CrsOff(plain.lat, plain.lon, 350.0), 0.01);
  EXPECT_EQ(Sid("/H270/IC180", {45.5, -121.0}, 0, 0.0), kNoPathEnd);  // the fix lies behind
  EXPECT_TRUE(OutIs({45.5, -121.0}));
}

// A leg's name: its type's two letters and up to three figures, after a "/" and a turn prefix; a
// code emptied by its prefixes has none, whatever follows it in memory.
TEST(PathLegName, TypeLettersAndFigures) {
  const char after_turn[] = "RT/T12";
  for (const auto& [code, name] :
       {std::pair{std::string_view("T090"), "TR090"}, {"/RT/H270X", "HD270"}, {"C12", "CR12"}, {"X1", ""},
        {"", ""}, {std::string_view(after_turn, 3), ""}}) {
    std::string got;
    EXPECT_EQ(PathLegName(code, &got), *name != '\0') << code;
    EXPECT_EQ(got, name) << code;
  }
}

}  // namespace
