#include "fmc/route_following.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fmc/route_fixture.h"
#include "frame/frame_globals.h"
#include "frame/geodesy.h"
#include "frame/tick_globals.h"

namespace {

using route_test::LegLat;
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
  int32_t PassedFrom(double lat, double lon) {
    plane_lat = lat;
    plane_lon = lon;
    return IsActiveWptPassed();
  }
};

TEST_F(AbeamPassage, ShortOfTheWaypointOnTheLegIsNotPassed) {
  EXPECT_EQ(PassedFrom(46.9, kLegLon), 0);
  EXPECT_EQ(PassedFrom(46.999, kLegLon + 5.0 * kLonPerNm), 0);
}

TEST_F(AbeamPassage, BeyondTheLineWithin22NmIsPassed) {
  for (double side_nm : {0.0, 10.0, -10.0, 21.0, -21.0}) {
    EXPECT_EQ(PassedFrom(47.01, kLegLon + side_nm * kLonPerNm), 1) << side_nm;
  }
}

TEST_F(AbeamPassage, BeyondTheLineFarOutToTheSideIsNotPassed) {
  for (double side_nm : {30.0, -30.0}) EXPECT_EQ(PassedFrom(47.01, kLegLon + side_nm * kLonPerNm), 0) << side_nm;
}

TEST_F(AbeamPassage, ExactlyAbeamIsNotPassedAtAnyDistance) {
  for (double side_nm : {1.0, 5.0, 20.0, -5.0}) {
    // The great-circle bearing to W is square to the leg where the aircraft stands a hair north.
    double lat = 47.0, lon = kLegLon + side_nm * kLonPerNm;
    double dist, brg;
    CalcDistBrg(lat, lon, 47.0, kLegLon, &dist, &brg);
    EXPECT_EQ(PassedFrom(lat, lon), 0) << side_nm << " brg " << brg;
  }
}

TEST_F(AbeamPassage, TheCourseIsMagnetic) {
  mag_var = 20.0;
  rel_leg_course = 340.0;  // due north true
  EXPECT_EQ(PassedFrom(47.01, kLegLon + 3.0 * kLonPerNm), 1);
  EXPECT_EQ(PassedFrom(46.999, kLegLon), 0);
}

TEST_F(AbeamPassage, NoActiveLegIsNeverPassed) {
  stpos = 999;
  EXPECT_EQ(PassedFrom(47.5, kLegLon), 0);
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
  EXPECT_NEAR(dest_dtg, 120.0, 1e-6);
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
}

TEST_F(RouteDistances, ReachingTheTopOfDescentStartsTheDescentSegment) {
  cruise_alt = init_cruise_alt = 35000;
  toc = 1;
  toc_dist_done = 1;
  last_restr_lat = 48.0;  // route_dist_acc 60 NM back from the destination
  last_restr_lon = kLegLon;
  tod_lat = 48.25;
  tod_lon = kLegLon;
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
  EXPECT_NEAR(tod_path_dist, 9.0, 1e-6);
  EXPECT_NEAR(dist_to_cross_at, 36.0, 1e-6);
  EXPECT_NEAR(vnav_path_alt, 30000.0, 1e-3);
}

TEST_F(RouteDistances, NoDescentPathWithoutADistanceToSpreadItOver) {
  cruise_alt = 35000;
  toc = tod = init_tod = 1;
  next_restr_leg = 0;
  vnav_path_alt = 1234.0;
  ComputeRouteDistances();
  EXPECT_EQ(route_dist_sum, 0.0);
  EXPECT_EQ(vnav_path_alt, 1234.0);
}

}  // namespace
