#include <gtest/gtest.h>

#include <cmath>

#include "navdb/path_legs.h"
#include "navdb/procs_fixture.h"

namespace {

// Path legs are built around an origin at 100 ft (the test airport) with variation `var`.
class PathLegs : public ProcsTest {
 protected:
  void SetUp() override {
    ProcsTest::SetUp();
    airport_recs[1].elevation_ft = 100;
  }
  // Runs BuildSidLegs with the reference fix (ref_lat, ref_lon); returns its result.
  int32_t Sid(const char* code, double lat0, double lon0, double ref_lat, double ref_lon, int32_t alt_ft, double hdg) {
    out_lat = ref_lat;
    out_lon = ref_lon;
    return BuildSidLegs(code, lat0, lon0, &out_lat, &out_lon, 1, "", "", alt_ft, hdg);
  }
  double out_lat = 0.0;
  double out_lon = 0.0;
};

constexpr double kLat0 = 45.0;
constexpr double kLon0 = -122.0;
constexpr double kClimbNmPerFt = 3.1666666666666665 / 1500.0;

// A climb leg without a turn ends on its course, after the climb distance at 1500 ft/min and 190 kt.
TEST_F(PathLegs, ClimbLegEndsAfterClimbDistanceOnTrueCourse) {
  for (double var : {0.0, 17.0, -12.0}) {
    origin_magvar = var;
    ASSERT_EQ(Sid("/H162/UA", kLat0, kLon0, 0.0, 0.0, 3100, 180.0), 0);
    double expected_nm = 3000 * kClimbNmPerFt;
    EXPECT_NEAR(DistNm(kLat0, kLon0, out_lat, out_lon), expected_nm, 1e-6) << var;
    EXPECT_NEAR(CourseDiff(BearingDeg(kLat0, kLon0, out_lat, out_lon), 162.0 + var), 0.0, 1e-3) << var;
  }
}

// A right turn of 90 degrees: a chord of sqrt(2) x 1.25 NM along crs - 45, then the rest on crs.
TEST_F(PathLegs, RightTurnOfNinetyDegreesLaysChordAlongCourseLessFortyFive) {
  origin_magvar = 10.0;
  ASSERT_EQ(Sid("/RT/H090/UA", kLat0, kLon0, 0.0, 0.0, 5000, 0.0), 0);
  const double chord = std::sqrt(2.0) * 1.25;
  EXPECT_NEAR(chord, 1.7678, 1e-4);
  LatLon p = PointAt(kLat0, kLon0, 45.0 + 10.0, chord);
  LatLon end = PointAt(p.lat, p.lon, 90.0 + 10.0, 4900 * kClimbNmPerFt - chord);
  EXPECT_NEAR(out_lat, end.lat, 1e-9);
  EXPECT_NEAR(out_lon, end.lon, 1e-9);
}

// By design: a left turn lays its chord along crs - A/2 too.
TEST_F(PathLegs, LeftTurnUsesTheRightTurnChordDirection) {
  origin_magvar = 0.0;
  ASSERT_EQ(Sid("/LT/H270/UA", kLat0, kLon0, 0.0, 0.0, 5000, 0.0), 0);  // A = 0 - 270 = 90
  LatLon p = PointAt(kLat0, kLon0, 270.0 - 45.0, std::sqrt(2.0) * 1.25);
  LatLon end = PointAt(p.lat, p.lon, 270.0, 4900 * kClimbNmPerFt - std::sqrt(2.0) * 1.25);
  EXPECT_NEAR(out_lat, end.lat, 1e-9);
  EXPECT_NEAR(out_lon, end.lon, 1e-9);
}

// Less than about 95 ft of climb leaves 0.2 NM or less: no end point, outputs untouched.
TEST_F(PathLegs, ClimbOfLessThanNinetyFiveFeetHasNoEndPoint) {
  EXPECT_EQ(Sid("/H180/UA", kLat0, kLon0, 1.5, 2.5, 190, 180.0), kNoPathEnd);
  EXPECT_EQ(out_lat, 1.5);
  EXPECT_EQ(out_lon, 2.5);
  EXPECT_EQ(Sid("/H180/UA", kLat0, kLon0, 1.5, 2.5, 196, 180.0), 0);
  // A turn eats the climb too: 1.25 x sqrt(2) NM of chord leaves less than 0.2 NM of 600 ft.
  EXPECT_EQ(Sid("/RT/H090/UA", kLat0, kLon0, 1.5, 2.5, 600, 0.0), kNoPathEnd);
}

// "UD": the first 0.1 NM step whose distance from the DME reference is within 0.1 NM of d.
TEST_F(PathLegs, DmeLegEndsAtDistanceFromReference) {
  origin_magvar = 15.0;
  proc_ref_lat = 45.2;
  proc_ref_lon = -122.1;
  ASSERT_EQ(Sid("/LT/T360/UD9.0", kLat0, kLon0, 45.2, -122.1, 0, 0.0), 0);
  EXPECT_NEAR(DistNm(out_lat, out_lon, proc_ref_lat, proc_ref_lon), 9.0, 0.1);
  EXPECT_NEAR(CourseDiff(BearingDeg(kLat0, kLon0, out_lat, out_lon), 15.0), 0.0, 1e-3);
  // It is the first such point: one step earlier is still more than 0.1 NM away.
  double along = DistNm(kLat0, kLon0, out_lat, out_lon);
  LatLon before = PointAt(kLat0, kLon0, 15.0, along - 0.1);
  EXPECT_GE(std::fabs(DistNm(before.lat, before.lon, proc_ref_lat, proc_ref_lon) - 9.0), 0.1);
}

// A DME distance not met within 50 NM is no failure: the leg ends at its reference position.
TEST_F(PathLegs, DmeDistanceNotMetLeavesReferencePosition) {
  origin_magvar = 0.0;
  proc_ref_lat = kLat0;
  proc_ref_lon = kLon0;
  EXPECT_EQ(Sid("/H090/UD60.0", kLat0, kLon0, 44.0, -121.0, 0, 0.0), 0);
  EXPECT_EQ(out_lat, 44.0);
  EXPECT_EQ(out_lon, -121.0);
}

// "IC": the end lies on the course flown and on the course into the reference fix.
TEST_F(PathLegs, InterceptLegEndsOnBothCourses) {
  origin_magvar = 10.0;
  const double fix_lat = 45.3, fix_lon = -121.8;
  ASSERT_EQ(Sid("/H080/IC340", kLat0, kLon0, fix_lat, fix_lon, 0, 0.0), 0);
  EXPECT_NEAR(CourseDiff(BearingDeg(kLat0, kLon0, out_lat, out_lon), 90.0), 0.0, 0.01);
  // On the great circle of course 350 (true) into the fix: the fix sees it on the reciprocal.
  EXPECT_NEAR(CourseDiff(BearingDeg(fix_lat, fix_lon, out_lat, out_lon), 170.0), 0.0, 0.01);
}

// With a turn prefix the turn onto the intercepted course ends 7/360 NM per degree beyond.
TEST_F(PathLegs, InterceptWithTurnEndsBeyondTheIntersection) {
  origin_magvar = 0.0;
  const double fix_lat = 45.3, fix_lon = -121.8;
  ASSERT_EQ(Sid("/H080/IC340", kLat0, kLon0, fix_lat, fix_lon, 0, 0.0), 0);
  LatLon plain{out_lat, out_lon};
  ASSERT_EQ(Sid("/RT/T080/IC340", kLat0, kLon0, fix_lat, fix_lon, 0, 20.0), 0);  // A = 60
  EXPECT_NEAR(DistNm(plain.lat, plain.lon, out_lat, out_lon), 60.0 * 7.0 / 360.0, 1e-6);
  EXPECT_NEAR(CourseDiff(BearingDeg(plain.lat, plain.lon, out_lat, out_lon), 340.0), 0.0, 0.01);
}

// An intercept of a course leading away from the fix: the reciprocal gives nothing ahead, so the
// course itself is tried, without the turn offset.
TEST_F(PathLegs, InterceptFallsBackToTheCourseItselfWithoutTurnOffset) {
  origin_magvar = 0.0;
  // From the fix at (44.9, -121.9) course 045 crosses the 090 course flown from (45, -122) ahead.
  ASSERT_EQ(Sid("/RT/T090/IC045", kLat0, kLon0, 44.9, -121.9, 0, 0.0), 0);
  EXPECT_NEAR(CourseDiff(BearingDeg(kLat0, kLon0, out_lat, out_lon), 90.0), 0.0, 0.01);
  EXPECT_NEAR(CourseDiff(BearingDeg(44.9, -121.9, out_lat, out_lon), 45.0), 0.0, 0.01);
}

// Courses that never meet ahead give no end point and leave the outputs alone.
TEST_F(PathLegs, NoInterceptAheadHasNoEndPoint) {
  origin_magvar = 0.0;
  EXPECT_EQ(Sid("/H090/IC090", kLat0, kLon0, kLat0, kLon0, 0, 0.0), kNoPathEnd);  // the fix is the start
  EXPECT_EQ(out_lat, kLat0);
  EXPECT_EQ(Sid("/H270/IC180", kLat0, kLon0, 45.5, -121.0, 0, 0.0), kNoPathEnd);  // it lies behind
  EXPECT_EQ(out_lat, 45.5);
  EXPECT_EQ(out_lon, -121.0);
}

// STAR legs use the destination's variation and know no climb condition: "UA" is an intersection
// with course 0 through the reference fix.
TEST_F(PathLegs, StarLegsUseDestinationVariationAndNoClimb) {
  origin_magvar = 0.0;
  dest_magvar = 20.0;
  double lat = 44.7, lon = -121.8;
  ASSERT_EQ(BuildStarLegs("/H070/UA", kLat0, kLon0, &lat, &lon, 1, "", "", 0.0), 0);
  EXPECT_NEAR(CourseDiff(BearingDeg(kLat0, kLon0, lat, lon), 90.0), 0.0, 0.01);
  EXPECT_NEAR(CourseDiff(BearingDeg(44.7, -121.8, lat, lon), 20.0), 0.0, 0.01);
}

struct NameCase {
  const char* code;
  const char* name;
};
class PathNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(PathNames, NameFromDirectionLetterAndCourse) {
  std::string name = "PREV";
  PathLegName(GetParam().code, &name);
  EXPECT_EQ(name, GetParam().name);
}
INSTANTIATE_TEST_SUITE_P(Codes, PathNames,
                         ::testing::Values(NameCase{"/LT/T360/UD9.0", "TR360"}, NameCase{"/H200/IC102", "HD200"},
                                           NameCase{"/RT/C045/IC090", "CR045"}, NameCase{"/X123/IC090", "PREV"}));

}  // namespace
