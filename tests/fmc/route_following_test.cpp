#include "fmc/route_following.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fmc/route_fixture.h"
#include "frame/frame_globals.h"
#include "frame/geodesy.h"
#include "frame/tick_globals.h"

namespace {

using route_test::kLegLon;
using route_test::SetActLegs;

// One NM east or west at 47 N, in degrees of longitude.
const double kLonPerNm = 1.0 / (60.0 * std::cos(47.0 * kDegToRad));

class AbeamPassage : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    // Active waypoint W (leg 1) at 47 N 122 W on a leg flown due north.
    SetActLegs({"KSEA", "W", "KPDX"});
    fms_fpln_act[1].lat = 47.0;
    stpos = 1;
    rel_leg_course = 0.0;
  }
  int32_t PassedFrom(double lat, double side_nm) {
    plane_lat = lat;
    plane_lon = kLegLon + side_nm * kLonPerNm;
    return IsActiveWptPassed();
  }
};

// Passed: beyond the line square to the leg through the waypoint, within 22 NM of the leg. Exactly
// abeam (the great-circle bearing square to the leg) is not passed at any distance.
TEST_F(AbeamPassage, PassedBeyondTheAbeamLineWithin22Nm) {
  struct Case {
    double lat;
    double side_nm;
    int32_t passed;
  };
  const Case cases[] = {
      {46.9, 0.0, 0},    {46.999, 5.0, 0}, {47.01, 0.0, 1},  {47.01, 10.0, 1}, {47.01, -21.0, 1},
      {47.01, 30.0, 0},  {47.01, -30.0, 0}, {47.0, 1.0, 0},  {47.0, 20.0, 0},  {47.0, -5.0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(PassedFrom(c.lat, c.side_nm), c.passed) << c.lat << " " << c.side_nm;
}

TEST_F(AbeamPassage, TheCourseIsMagneticAndNoActiveLegIsNeverPassed) {
  mag_var = 20.0;
  rel_leg_course = 340.0;  // due north true
  EXPECT_EQ(PassedFrom(47.01, 3.0), 1);
  EXPECT_EQ(PassedFrom(46.999, 0.0), 0);
  stpos = 999;
  EXPECT_EQ(PassedFrom(47.5, 0.0), 0);
}

// Legs along the 122 W meridian, 30 NM apart: KSEA 47.0, A 47.5, B 48.0, C 48.5, KPDX 49.0.
class RouteDistances : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetActLegs({"KSEA", "A", "B", "C", "KPDX"});
    stpos = 1;
    plane_lat = 47.0;
    plane_lon = kLegLon;
  }
};

TEST_F(RouteDistances, DestinationDistanceSkipsDiscontinuities) {
  SetActLegs({"KSEA", "A", "DISCO", "B", "KPDX"});  // B at 48.5, the DISCO at 0, 0
  plane_lat = 47.2;
  ComputeRouteDistances();
  EXPECT_NEAR(dest_dtg, 18.0 + 60.0 + 30.0, 1e-6);  // A straight on to B past the DISCO at 0, 0
  EXPECT_NEAR(dest_brg, 360.0, 1e-6);
}

TEST_F(RouteDistances, WithoutCruiseAltitudeTheAccumulatorsDoNotGrow) {
  toc_lat = 47.75;
  toc_lon = kLegLon;
  route_dist_total = dist_to_tod = route_dist_acc = 500.0;
  for (int i = 0; i < 3; ++i) ComputeRouteDistances();
  EXPECT_NEAR(route_dist_total, 45.0, 1e-6);
  EXPECT_EQ(dist_to_tod, 0.0);
  EXPECT_EQ(route_dist_acc, 0.0);
}

TEST_F(RouteDistances, BeforeTheTopOfClimbTheDistancesEndThere) {
  cruise_alt = 35000;
  toc_lat = 47.75;  // between A and B
  toc_lon = kLegLon;
  next_restr_leg = 1;
  ComputeRouteDistances();
  EXPECT_NEAR(route_dist_total, 45.0, 1e-6);
  EXPECT_NEAR(dist_to_cross_at, 30.0, 1e-6);  // the constraint at A comes first
  next_restr_leg = 3;
  ComputeRouteDistances();
  EXPECT_NEAR(dist_to_cross_at, 45.0, 1e-6);  // past the T/C: the T/C itself
}

TEST_F(RouteDistances, AfterTheTopOfClimbTheDistanceRunsToTheTopOfDescent) {
  cruise_alt = 35000;
  toc = 1;
  tod_lat = 48.25;  // between B and C
  tod_lon = kLegLon;
  ComputeRouteDistances();
  EXPECT_NEAR(dist_to_tod, 75.0, 1e-6);
  EXPECT_NEAR(dist_to_cross_at, 75.0, 1e-6);
  EXPECT_EQ(tod, 0);

  // Reaching the T/D starts the descent segment.
  init_cruise_alt = 35000;
  toc_dist_done = 1;
  last_restr_lat = 48.0;
  last_restr_lon = kLegLon;
  plane_lat = 48.2;
  stpos = 3;
  next_restr_leg = 4;
  fms_fpln_act[4].alt = 500.0;
  ComputeRouteDistances();
  EXPECT_EQ(tod, 1);
  EXPECT_EQ(init_tod, 1);
  EXPECT_EQ(tod_stpos, 3);
  EXPECT_EQ(last_restr_lat, 48.25);
  EXPECT_EQ(cross_at_elev, 500.0);
}

TEST_F(RouteDistances, DescentPathAltitudeFollowsTheDistanceFromTheDescentStart) {
  cruise_alt = 35000;
  toc = tod = init_tod = 1;
  tod_alt = 35000.0;
  cross_at_elev = 10000.0;
  last_restr_lat = 47.75;  // T/D start between A and B
  last_restr_lon = kLegLon;
  next_restr_leg = 3;      // 45 NM along the route from the T/D start
  plane_lat = 47.9;        // 9 NM past it
  stpos = tod_stpos = 2;
  ComputeRouteDistances();
  EXPECT_NEAR(route_dist_sum, 45.0, 1e-6);
  EXPECT_NEAR(dist_to_cross_at, 36.0, 1e-6);
  EXPECT_NEAR(vnav_path_alt, 30000.0, 1e-3);

  next_restr_leg = 0;  // no distance to spread the descent over: the path altitude stays
  ComputeRouteDistances();
  EXPECT_EQ(route_dist_sum, 0.0);
  EXPECT_NEAR(vnav_path_alt, 30000.0, 1e-3);
}

}  // namespace
