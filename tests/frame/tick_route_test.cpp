#include <gtest/gtest.h>

#include "frame/tick_route.h"

#include "afds/afds_globals.h"
#include "frame/geodesy.h"
#include "tick_fixture.h"

namespace {

using tick_test::RoutePoint;

constexpr uint32_t kHeadingBug = 0x101FA;
constexpr double kNmPerDegLat = 60.0;

class RouteProgressTest : public tick_test::TickTest {
 protected:
  void SetUp() override {
    TickTest::SetUp();
    SetActiveRoute(NorthboundRoute(4));
    SetRadioHeightFt(3000.0);
  }
  // On the 122 W meridian, `nm` north of waypoint 1 (negative: south of it).
  void PlaceNearWp1(double nm, double east_nm = 0.0) {
    SetPosition(47.5 + nm / kNmPerDegLat, -122.0 + east_nm / (kNmPerDegLat * std::cos(47.5 * kDegToRad)));
  }
};

TEST_F(RouteProgressTest, AbeamPassageIsActedOnAtTheNextRouteSlot) {
  SetGroundSpeedKt(120.0);  // 1 NM look-ahead
  PlaceNearWp1(-5.0);
  RunToRouteSlot();
  ASSERT_NEAR(dist_to_active_wpt, 5.0, 0.01);

  PlaceNearWp1(1.5);
  RunOffSlotTicks(1);
  EXPECT_EQ(dist_to_active_wpt, -1.0);
  EXPECT_EQ(stpos, 1);

  RunToRouteSlot();
  EXPECT_EQ(stpos, 2);
  EXPECT_EQ(prog_from_ident, "WP1");
  EXPECT_EQ(lnav_leg[0].ToId, "WP2");
  EXPECT_NEAR(dist_to_active_wpt, 28.5, 0.01);
}

TEST_F(RouteProgressTest, WaypointWithinThirtySecondsIsSequencedStampedAndRecorded) {
  host_.SetToken(3, 9.0);  // local clock for the leg time, zulu for the PROGRESS FROM line
  host_.SetToken(4, 5.0);
  host_.SetToken(6, 12.0);
  host_.SetToken(7, 34.0);
  SetAltitudeFt(12000.0);
  fms_fpln_act[1].restr = 3;
  init_tod = 1;
  SetGroundSpeedKt(480.0);  // 4 NM look-ahead
  PlaceNearWp1(-3.0);
  RunToRouteSlot();
  EXPECT_EQ(stpos, 1);  // the first block only measures the distance
  RunOffSlotTicks(1);
  EXPECT_EQ(fms_fpln_act[1].eta, "09:05");

  host_.SetToken(4, 6.0);
  RunToRouteSlot();
  EXPECT_EQ(stpos, 2);
  EXPECT_EQ(fms_fpln_act[1].eta, "09:05");
  EXPECT_EQ(prog_from_ata, "1234Z");
  // The altitude constraint is used up and the next descent segment is measured from it.
  EXPECT_EQ(fms_fpln_act[1].restr, 0);
  EXPECT_DOUBLE_EQ(last_restr_lat, 47.5);
}

struct DiscoCase {
  const char* label;
  double radio_height_ft;
  int32_t expected_stpos;
};

class DiscoLeg : public RouteProgressTest, public ::testing::WithParamInterface<DiscoCase> {};

TEST_P(DiscoLeg, IsSkippedOnTheNextSlotOnlyAbove400Ft) {
  fms_fpln_act[2].ident = "DISCO";
  stpos = 2;
  SetGroundSpeedKt(0.0);  // no look-ahead: only the forced passage can sequence
  PlaceNearWp1(10.0);
  SetRadioHeightFt(GetParam().radio_height_ft);
  RunToRouteSlot();
  EXPECT_EQ(stpos, GetParam().expected_stpos);
}

INSTANTIATE_TEST_SUITE_P(Cases, DiscoLeg,
                         ::testing::Values(DiscoCase{"Airborne", 1000.0, 3}, DiscoCase{"Low", 390.0, 2}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(RouteProgressTest, PassingTheLastRowOnlySwitchesLnavOff) {
  stpos = 4;
  lnav = 1;
  vnav_near_restr_done = 1;
  SetGroundSpeedKt(480.0);
  SetPosition(49.0 - 1.0 / kNmPerDegLat, -122.0);
  RunToRouteSlot();
  RunToRouteSlot();
  EXPECT_EQ(lnav, 0);
  EXPECT_EQ(stpos, 4);
  EXPECT_EQ(vnav_near_restr_done, 0);
}

struct InterceptCase {
  const char* label;
  double xtk_nm;
  bool captured;
};

class LnavIntercept : public RouteProgressTest, public ::testing::WithParamInterface<InterceptCase> {};

TEST_P(LnavIntercept, CapturesWithinThirtySecondsOfTheLeg) {
  const InterceptCase& c = GetParam();
  lnav = 1;
  lnav_init_mode = 1;
  hdg_sel_mode = 1;
  lnav_leg[0].FrId = "DIRECT";
  SetGroundSpeedKt(240.0);  // 2 NM in 30 s
  PlaceNearWp1(-15.0, c.xtk_nm);
  lnav_init_lat = plane_lat;
  // The leg distances of the previous block: 15 NM along the 30 NM leg.
  active_leg_dist = 30.0;
  dist_to_active_wpt = 15.0;
  RunToRouteSlot();
  EXPECT_EQ(lnav_init_mode, c.captured ? 0 : 1);
  EXPECT_EQ(lnav_leg[0].FrId, c.captured ? "WP0" : "DIRECT");
  EXPECT_EQ(KeyEvents(kHeadingBug), c.captured ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LnavIntercept,
                         ::testing::Values(InterceptCase{"JustInsideLookAhead", 1.95, true},
                                           InterceptCase{"FarOff", 5.0, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(RouteProgressTest, HoldPatternHoldsSequencingUntilItIsFinished) {
  holds_present = 1;
  pattern_leg = 1;
  pattern_phase = 2;
  SetGroundSpeedKt(480.0);
  PlaceNearWp1(-1.0);
  RunToRouteSlot();
  RunToRouteSlot();
  EXPECT_EQ(stpos, 1);

  pattern_phase = 4;
  RunToRouteSlot();
  EXPECT_EQ(stpos, 2);
  EXPECT_EQ(pattern_phase, 0);
}

TEST_F(RouteProgressTest, HoldsBehindTheActiveLegAreRemoved) {
  stpos = 4;
  const int32_t legs[] = {1, 2, 3, 5};
  for (int i = 0; i < 4; ++i) route_holds[i + 1].leg = legs[i];
  hold_cnt = 4;
  PlaceNearWp1(-10.0);
  RunTicks(2);
  ASSERT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].leg, 5);
}

// The early-turn test itself ignores the radio height, so below 400 ft it is seen without the
// abeam test of the route block sequencing the waypoint first.
struct EarlyTurnCase {
  const char* label;
  double north_nm;
  int32_t active;
  bool early;
};

class EarlyTurn : public RouteProgressTest, public ::testing::WithParamInterface<EarlyTurnCase> {};

TEST_P(EarlyTurn, ForcesThePassageWhenTheWaypointFallsBehindTheTurn) {
  const EarlyTurnCase& c = GetParam();
  host_.SetToken(106, 1.0);
  lnav = 1;
  toc = 1;
  stpos = c.active;
  SetRadioHeightFt(300.0);
  SetGroundSpeedKt(90.0);
  const double wp_lat = 47.0 + 0.5 * c.active;
  SetPosition(wp_lat + c.north_nm / kNmPerDegLat, -122.0 + 5.0 / (kNmPerDegLat * std::cos(wp_lat * kDegToRad)));
  RunToRouteSlot();
  ASSERT_LT(dist_to_active_wpt, 10.0);
  RunTicks(18);
  EXPECT_EQ(early_seq_in_cruise, c.early ? 1 : 0);
  EXPECT_EQ(stpos, c.active);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EarlyTurn,
    ::testing::Values(EarlyTurnCase{"WaypointBehind", 1.0, 1, true},
                      EarlyTurnCase{"WaypointAhead", -1.0, 1, false},
                      EarlyTurnCase{"LastButOneLeg", 1.0, 3, false}),
    [](const auto& info) { return std::string(info.param.label); });

class LnavSteering : public tick_test::TickTest {
 protected:
  void SetUp() override {
    TickTest::SetUp();
    // Eastbound along the equator: every course is exactly 090.
    SetActiveRoute({{"A", 0.0, 0.0}, {"B", 0.0, 0.5}, {"C", 0.0, 1.0}});
    SetRadioHeightFt(3000.0);
    SetGroundSpeedKt(240.0);
    lnav = 1;
  }
};

TEST_F(LnavSteering, HeadingEventGoesOutOnlyWhenTheWholeDegreeChanges) {
  SetPosition(-0.1 / kNmPerDegLat, 0.2);  // 0.1 NM right of the leg: 3 NM ahead is 1.9 degrees left
  RunToRouteSlot();
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(kHeadingBug), std::vector<int32_t>{88});

  SetPosition(1.0 / kNmPerDegLat, 0.2);  // 1 NM left of the leg: 18.4 degrees right
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(kHeadingBug), (std::vector<int32_t>{88, 108}));
  EXPECT_EQ(lnav_hdg_sent, 108);
}

// A leg of true course 5.25 with 5 degrees of east variation: a magnetic aim bearing of about 0.25.
class BearingWrap : public tick_test::TickTest {
 protected:
  void SetUp() override {
    TickTest::SetUp();
    double wp1_lat, wp1_lon, ac_lat, ac_lon;
    CalcDestPoint(47.0, -122.0, 5.25, 30.0, &wp1_lat, &wp1_lon);
    CalcDestPoint(47.0, -122.0, 5.25, 10.0, &ac_lat, &ac_lon);
    SetActiveRoute({{"A", 47.0, -122.0}, {"B", wp1_lat, wp1_lon}, {"C", wp1_lat + 0.5, wp1_lon}});
    SetPosition(ac_lat, ac_lon);
    SetMagVar(5.0);
    SetRadioHeightFt(3000.0);
    SetGroundSpeedKt(240.0);
    lnav = 1;
  }
};

TEST_F(BearingWrap, AimHeadingWrapsToZeroOnTheLeg) {
  RunToRouteSlot();
  EXPECT_GE(lnav_aim_brg, 0.0);
  EXPECT_LT(lnav_aim_brg, 0.5);
  EXPECT_EQ(KeyEventValues(kHeadingBug), std::vector<int32_t>{0});
}

}  // namespace
