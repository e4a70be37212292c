#include "fmc/traffic_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/vnav_fixture.h"
#include "frame/debug_log.h"
#include "frame/frame_globals.h"
#include "frame/fsuipc_client.h"
#include "frame/geodesy.h"
#include "frame/tick_globals.h"
#include "frame/tick_route.h"

namespace {

using vnav_test::DistNm;

constexpr double kFixLat = 47.0;
constexpr double kFixLon = -122.0;
constexpr double kTolNm = 0.01;

class TrafficPattern : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    vnav_test::SetActiveRoute({{"KAAA", 46.5, -122.0}, {"FIX", kFixLat, kFixLon}, {"KBBB", 47.5, -122.0}});
    RouteHold& h = route_holds[1];
    h.fix = "FIX";
    h.leg = 1;
    h.turn = 1;
    h.leg_mode = 1;
    h.leg_time = 1.0;
    h.inbd_crs = 90.0;
    h.lat = kFixLat;
    h.lon = kFixLon;
    fms_fpln_act[1].hold_idx = 1;
    hold_cnt = 1;
    lnav = 1;
    ground_speed = 120.0;
    dist_per_tick = 0.05;
    SetAircraftAt(kFixLat, kFixLon - 0.1);  // west of the fix, inbound
  }
  const PatternPoint& Point(int n) const { return route_holds[1].pattern_pts[n]; }
  void SetAircraftAt(double lat, double lon) {
    plane_lat = lat;
    plane_lon = lon;
  }
  void FlyTo(int n) { SetAircraftAt(Point(n).lat, Point(n).lon); }
  std::vector<int32_t> Headings() const { return Sent(kApHeadingEvent); }
};

// Timed legs count at least 150 kt; the circuit: crosswind 0.2 W past the fix, downwind 0.75 W to
// the side, base W back, final 0.8 W before the fix on the extended inbound course.
TEST_F(TrafficPattern, CircuitIsLaidOutAroundTheInboundCourse) {
  BuildTrafficPattern();
  EXPECT_DOUBLE_EQ(route_holds[1].leg_dist, 2.5);  // 1 minute at 150 kt
  EXPECT_NEAR(DistNm(kFixLat, kFixLon, Point(1).lat, Point(1).lon), 0.75, kTolNm);
  ground_speed = 240.0;
  BuildTrafficPattern();
  EXPECT_DOUBLE_EQ(route_holds[1].leg_dist, 4.0);

  route_holds[1].leg_mode = 2;  // W = 6 NM
  BuildTrafficPattern();
  EXPECT_EQ(Point(2).name, "Dwind");
  EXPECT_DOUBLE_EQ(Point(1).course, 180.0);  // right hand: south of an eastbound final
  EXPECT_DOUBLE_EQ(Point(2).course, 270.0);
  EXPECT_DOUBLE_EQ(Point(4).course, 90.0);
  EXPECT_NEAR(DistNm(Point(1).lat, Point(1).lon, Point(2).lat, Point(2).lon), 4.5, kTolNm);
  EXPECT_NEAR(DistNm(Point(2).lat, Point(2).lon, Point(3).lat, Point(3).lon), 6.0, kTolNm);
  EXPECT_LT(Point(2).lat, kFixLat);
  EXPECT_NEAR(DistNm(Point(4).lat, Point(4).lon, kFixLat, kFixLon), 4.8, kTolNm);

  route_holds[1].turn = 2;  // left hand, final 360 true with the variation
  route_holds[1].inbd_crs = 350.0;
  mag_var = 10.0;
  BuildTrafficPattern();
  EXPECT_DOUBLE_EQ(Point(1).course, 270.0);
  EXPECT_DOUBLE_EQ(Point(4).course, 0.0);
}

TEST_F(TrafficPattern, WithLnavOffOnlyTheLegLengthIsKept) {
  lnav = 0;
  SetAircraftAt(kFixLat, kFixLon);
  BuildTrafficPattern();
  EXPECT_DOUBLE_EQ(route_holds[1].leg_dist, 2.5);
  EXPECT_EQ(Point(1).name, "");
  EXPECT_EQ(pattern_leg, 0);
  EXPECT_EQ(EventCount(), 0u);
}

// Within 0.25 W of the fix the circuit starts towards Xwind, steered by a lead point one mile ahead
// on the final course; a heading change below one degree sends nothing.
TEST_F(TrafficPattern, ReachingTheFixStartsTheCircuitTowardsXwind) {
  pattern_phase = 1;
  BuildTrafficPattern();  // 4 NM out: not yet
  EXPECT_EQ(pattern_leg, 0);
  EXPECT_EQ(EventCount(), 0u);
  SetAircraftAt(kFixLat, kFixLon - 0.01);  // 0.4 NM
  BuildTrafficPattern();
  EXPECT_EQ(pattern_leg, 1);
  EXPECT_EQ(pattern_phase, 0);
  ASSERT_EQ(Headings().size(), 1u);
  EXPECT_NEAR(Headings()[0], 90, 2);
  const double whole = std::trunc(pattern_hdg);
  pattern_hdg_sent = whole + (pattern_hdg - whole < 0.5 ? 0.9 : 0.1);  // same whole degree
  BuildTrafficPattern();
  EXPECT_EQ(Headings().size(), 1u);
  pattern_hdg_sent = whole - 0.5;
  BuildTrafficPattern();
  EXPECT_EQ(Headings().size(), 2u);
}

TEST_F(TrafficPattern, CircuitRepeatsUntilTheLastOneEndsAtXwindAndRemovesTheHold) {
  SetAircraftAt(kFixLat, kFixLon);
  BuildTrafficPattern();
  std::vector<int32_t> legs{pattern_leg};
  for (int n : {1, 2, 3, 4}) {
    FlyTo(n);
    BuildTrafficPattern();
    legs.push_back(pattern_leg);
  }
  EXPECT_EQ(legs, (std::vector<int32_t>{1, 2, 3, 4, 1}));
  EXPECT_EQ(Headings().size(), 5u);
  pattern_phase = kPatternLastCircuitRequested;
  FlyTo(1);
  BuildTrafficPattern();
  EXPECT_EQ(pattern_phase, kPatternLastCircuit);
  EXPECT_EQ(hold_cnt, 0);
  EXPECT_EQ(holds_present, 0);
  EXPECT_EQ(fms_fpln_act[1].hold_idx, 0);
  EXPECT_EQ(Headings().size(), 5u);
}

TEST_F(TrafficPattern, StrayingFarOrPassingThePointCountsAsReachingIt) {
  SetAircraftAt(kFixLat, kFixLon);
  BuildTrafficPattern();  // towards Xwind on the side from Final, W = 3.75 NM long
  SetAircraftAt(kFixLat + 0.15, kFixLon);  // 9 NM north: within 2.5 times the side
  BuildTrafficPattern();
  EXPECT_EQ(pattern_leg, 1);
  SetAircraftAt(kFixLat + 0.17, kFixLon);  // 10.2 NM
  BuildTrafficPattern();
  EXPECT_EQ(pattern_leg, 2);
  SetAircraftAt(Point(2).lat - 0.02, Point(2).lon);  // 1.2 NM past Dwind on the southbound crosswind
  BuildTrafficPattern();
  EXPECT_EQ(pattern_leg, 3);
}

TEST_F(TrafficPattern, OutOfRangePointIndexesStartFromTheFix) {
  pattern_leg = 7;
  pattern_prev = -3;
  SetAircraftAt(kFixLat, kFixLon);
  BuildTrafficPattern();
  EXPECT_EQ(pattern_leg, 1);
  EXPECT_EQ(pattern_prev, 4);
}

}  // namespace
