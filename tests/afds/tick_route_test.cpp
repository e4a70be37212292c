#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/lnav_engage.h"
#include "afds/route_progress_globals.h"
#include "afds/tick_route.h"
#include "base/geodesy.h"
#include "fmc/fmc_globals.h"
#include "fmc/traffic_pattern.h"
#include "sim/sim_globals.h"
#include "support/fp_traps.h"
#include "support/tick_fixture.h"

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
  EXPECT_EQ(std::tuple(dist_to_active_wpt, stpos), std::tuple(-1.0, 1));

  RunToRouteSlot();
  EXPECT_EQ(std::tuple(stpos, prog_from_ident), std::tuple(2, std::string("WP1")));
  EXPECT_EQ(lnav_leg[0].ToId, "WP2");
  EXPECT_NEAR(dist_to_active_wpt, 28.5, 0.01);
}

TEST_F(RouteProgressTest, WaypointWithinThirtySecondsIsSequencedStampedAndRecorded) {
  host_.SetToken(3, 9.0);  // local clock for the leg time, zulu for the PROGRESS FROM line
  host_.SetToken(4, 5.0);
  host_.SetToken(6, 12.0);
  host_.SetToken(7, 34.0);
  SetAltitudeFt(12000.0);
  std::tie(fms_fpln_act[1].restr, init_tod) = std::tuple(3, 1);
  SetGroundSpeedKt(480.0);  // 4 NM look-ahead
  PlaceNearWp1(-3.0);
  RunToRouteSlot();
  EXPECT_EQ(stpos, 1);  // the first block only measures the distance
  RunOffSlotTicks(1);
  EXPECT_EQ(fms_fpln_act[1].eta, "09:05");

  host_.SetToken(4, 6.0);
  RunToRouteSlot();
  EXPECT_EQ(std::tuple(stpos, fms_fpln_act[1].eta), std::tuple(2, std::string("09:05")));
  EXPECT_EQ(prog_from_ata, "1234Z");
  // The altitude constraint is used up; the next descent segment starts from it only once the
  // aircraft, 3 NM short, gets there.
  EXPECT_EQ(fms_fpln_act[1].restr, 0);
  EXPECT_DOUBLE_EQ(last_restr_lat, 0.0);
}

// (radio height, active leg after the slot)
class DiscoLeg : public RouteProgressTest, public ::testing::WithParamInterface<std::pair<double, int32_t>> {};

TEST_P(DiscoLeg, IsSkippedOnTheNextSlotOnlyAbove400Ft) {
  std::tie(fms_fpln_act[2].ident, stpos) = std::tuple("DISCO", 2);
  SetGroundSpeedKt(0.0);  // no look-ahead: only the forced passage can sequence
  PlaceNearWp1(10.0);
  SetRadioHeightFt(GetParam().first);
  RunToRouteSlot();
  EXPECT_EQ(stpos, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Cases, DiscoLeg, ::testing::Values(std::pair{1000.0, 3}, std::pair{390.0, 2}));

// Onto a DISCO (at 0N 0E) the heading flown is kept; once it is skipped the next leg starts at the
// present position.
TEST_F(RouteProgressTest, DiscoIsPassedOnTheHeadingFlownThenTheNextLegStartsDirect) {
  std::tie(fms_fpln_act[2].ident, fms_fpln_act[2].lat, fms_fpln_act[2].lon) = std::tuple("DISCO", 0.0, 0.0);
  fms_fpln_act[3].lon = -121.5;
  lnav = 1;
  SetGroundSpeedKt(480.0);  // 4 NM look-ahead
  PlaceNearWp1(-3.0);
  RunToRouteSlot();
  RunToRouteSlot();
  ASSERT_EQ(stpos, 2);
  EXPECT_EQ(KeyEventValues(kHeadingBug), std::vector<int32_t>{359});

  RunToRouteSlot();
  ASSERT_EQ(stpos, 3);
  EXPECT_EQ(std::tuple(lnav_leg[0].FrId, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon),
            std::tuple("DIRECT", plane_lat, plane_lon));
  EXPECT_EQ(KeyEventValues(kHeadingBug), (std::vector<int32_t>{359, 17}));  // straight for WP3, 017.5 true
}

// A tick whose position is no place (the simulator's NaN) leaves the aircraft where the last one put
// it: the leg after the DISCO starts there, not at a NaN it would keep until the next leg.
TEST_F(RouteProgressTest, DiscoPassedWhileThePositionIsNotANumberStartsTheLegAtTheLastPosition) {
  testing_support::FpTrapsOff traps_off;
  std::tie(fms_fpln_act[2].ident, fms_fpln_act[2].lat, fms_fpln_act[2].lon) = std::tuple("DISCO", 0.0, 0.0);
  lnav = 1;
  SetGroundSpeedKt(480.0);
  PlaceNearWp1(-3.0);
  RunToRouteSlot();
  RunToRouteSlot();
  ASSERT_EQ(stpos, 2);
  const std::pair last(plane_lat, plane_lon);
  host_.SetToken(71, std::numeric_limits<double>::quiet_NaN());
  RunToRouteSlot();
  ASSERT_EQ(stpos, 3);
  EXPECT_EQ(std::pair(lnav_leg[0].fr_lat, lnav_leg[0].fr_lon), last);
}

TEST_F(RouteProgressTest, InterceptCompletedAfterADiscoStartsTheLegAtThePresentPosition) {
  std::tie(fms_fpln_act[1].ident, fms_fpln_act[1].lat, fms_fpln_act[1].lon, stpos) = std::tuple("DISCO", 0.0, 0.0, 2);
  std::tie(lnav, lnav_init_mode, hdg_sel_mode) = std::tuple(1, 1, 1);
  std::tie(lnav_leg[0].FrId, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon) = std::tuple("DIRECT", 47.5, -122.0);
  SetGroundSpeedKt(240.0);  // 2 NM in 30 s
  PlaceNearWp1(15.0, 1.95);
  lnav_init_lat = plane_lat;
  std::tie(active_leg_dist, dist_to_active_wpt) = std::tuple(30.0, 15.0);
  RunToRouteSlot();
  EXPECT_EQ(std::tuple(lnav_init_mode, lnav_leg[0].FrId, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon),
            std::tuple(0, "DIRECT", plane_lat, plane_lon));
}

// An armed intercept goes with it (abeam, 10 NM off the track: not captured): the FMA would otherwise
// go on showing LNAV armed.
TEST_F(RouteProgressTest, PassingTheLastRowOnlySwitchesLnavOff) {
  std::tie(stpos, lnav, lnav_init_mode, vnav_near_restr_done) = std::tuple(4, 1, 1, 1);
  SetGroundSpeedKt(480.0);
  SetPosition(49.0 + 1.0 / kNmPerDegLat, -122.0 + 10.0 / (kNmPerDegLat * std::cos(49.0 * kDegToRad)));
  RunToRouteSlot();
  RunToRouteSlot();
  EXPECT_EQ(std::tuple(std::pair(lnav, lnav_init_mode), stpos), std::tuple(std::pair(0, 0), 4));
  EXPECT_EQ(vnav_near_restr_done, 0);
}

// (cross-track NM, captured)
class LnavIntercept : public RouteProgressTest, public ::testing::WithParamInterface<std::pair<double, bool>> {};

TEST_P(LnavIntercept, CapturesWithinThirtySecondsOfTheLeg) {
  const auto [xtk_nm, captured] = GetParam();
  std::tie(lnav, lnav_init_mode, hdg_sel_mode, lnav_leg[0].FrId) = std::tuple(1, 1, 1, "DIRECT");
  SetGroundSpeedKt(240.0);  // 2 NM in 30 s
  PlaceNearWp1(-15.0, xtk_nm);
  lnav_init_lat = plane_lat;
  // The leg distances of the previous block: 15 NM along the 30 NM leg.
  std::tie(active_leg_dist, dist_to_active_wpt) = std::tuple(30.0, 15.0);
  RunToRouteSlot();
  EXPECT_EQ(std::tuple(lnav_init_mode, lnav_leg[0].FrId), std::tuple(captured ? 0 : 1, captured ? "WP0" : "DIRECT"));
  EXPECT_EQ(KeyEvents(kHeadingBug), captured ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LnavIntercept, ::testing::Values(std::pair{1.95, true}, std::pair{5.0, false}));

// The early turn sequences a waypoint that has fallen more than 90 degrees off the leg within 10 NM,
// on its slots, under LNAV with NAV hold, short of the last row and of a hold, and not once passed
// abeam; each guard's failing side keeps the waypoint.
TEST_F(RouteProgressTest, EarlyTurnSequencesOnlyPastEveryGuard) {
  const struct {
    const char* label;
    void (*change)();
    bool sequenced;
  } rows[] = {{"AllMet", [] {}, true},
              {"NoActiveLeg", [] { stpos = kNoActiveLeg; }, false},
              {"OffSlot", [] { redraw_tick = 1, tick36_counter = 1; }, false},
              {"SlotEight", [] { redraw_tick = 8, tick36_counter = 1; }, true},
              {"Tick36Slot", [] { redraw_tick = 1, tick36_counter = 0; }, true},
              {"NoLnav", [] { lnav = 0; }, false},
              {"NoNavHold", [] { ap_nav_hold = 0.0; }, false},
              {"At10Nm", [] { dist_to_active_wpt = 10.0; }, false},
              {"PassedAbeam", [] { dist_to_active_wpt = kSequenceNow; }, false},
              {"LastLeg", [] { stpos = fp_cnt - 1; }, false},
              {"HoldAhead", [] { route_holds[1].leg = stpos; }, false},
              {"Only90Off", [] { active_wpt_brg = 90.0; }, false},
              {"91Off", [] { active_wpt_brg = 91.0; }, true}};
  for (const auto& r : rows) {
    stpos = 1;
    redraw_tick = tick36_counter = 0;
    std::tie(lnav, ap_nav_hold, dist_to_active_wpt, route_holds[1].leg) = std::tuple(1, 1.0, 9.9, 0);
    std::tie(active_wpt_brg, rel_leg_course, toc, tod, early_seq_in_cruise) = std::tuple(120.0, 0.0, 1, 0, 0);
    std::tie(plane_lat, plane_lon) = std::tuple(47.5 - 9.9 / kNmPerDegLat, -122.0);  // 9.9 NM short of WP1
    vnav_cruise = 1;
    r.change();
    const double before = dist_to_active_wpt;
    StepEarlyTurnSequencing();
    EXPECT_EQ(dist_to_active_wpt, r.sequenced ? kSequenceNow : before) << r.label;
    EXPECT_EQ(early_seq_in_cruise, r.sequenced ? 1 : 0) << r.label;
    EXPECT_EQ(vnav_cruise, r.sequenced ? 0 : 1) << r.label;
  }
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

// Slewed off the leg (WP0 to WP1, due north): the cross-track is the distance to the leg's great
// circle, the aim lies 3 NM ahead of the abeam place, and LNAV turns towards the leg ahead, less than
// 90 degrees off its course: near it, 50 NM off, behind its start and past its end, on either side.
TEST_F(RouteProgressTest, LnavFarOffTheLegSteersTowardsTheLegAhead) {
  lnav = 1;
  SetGroundSpeedKt(240.0);
  for (const auto& [north_nm, east_nm] : {std::pair(-20.0, 2.0), {-20.0, 50.0}, {-50.0, 30.0}, {15.0, 50.0}}) {
    for (const double side : {1.0, -1.0}) {
      PlaceNearWp1(north_nm, side * east_nm);
      RunToRouteSlot();
      const double xtk_nm = std::asin(std::cos(plane_lat * kDegToRad) * std::sin((plane_lon + 122.0) * kDegToRad));
      EXPECT_NEAR(xtk_dist, std::fabs(xtk_nm) * kEarthRadiusNm, 0.01) << north_nm << " " << side * east_nm;
      EXPECT_EQ(xtk_side, side > 0.0 ? 1 : 2);
      EXPECT_NEAR((lnav_aim_pt.lat - plane_lat) * kNmPerDegLat, 3.0, 0.5);
      const double turn_deg = std::remainder(lnav_aim_brg, 360.0);  // from the leg's course, 0
      EXPECT_TRUE(side * turn_deg < 0.0 && std::fabs(turn_deg) < 90.0) << lnav_aim_brg;
    }
  }
}

using LnavSteering = tick_test::TickTest;

// A leg of true course 5.25 with 5 degrees of east variation: a magnetic aim bearing of about 0.25.
TEST_F(LnavSteering, AimHeadingWrapsToZeroOnTheLeg) {
  double wp1_lat, wp1_lon, ac_lat, ac_lon;
  CalcDestPoint(47.0, -122.0, 5.25, 30.0, &wp1_lat, &wp1_lon);
  CalcDestPoint(47.0, -122.0, 5.25, 10.0, &ac_lat, &ac_lon);
  SetActiveRoute({{"A", 47.0, -122.0}, {"B", wp1_lat, wp1_lon}, {"C", wp1_lat + 0.5, wp1_lon}});
  SetPosition(ac_lat, ac_lon);
  SetMagVar(5.0);
  SetRadioHeightFt(3000.0);
  SetGroundSpeedKt(240.0);
  lnav = 1;
  RunToRouteSlot();
  EXPECT_GE(lnav_aim_brg, 0.0);
  EXPECT_LT(lnav_aim_brg, 0.5);
  EXPECT_EQ(KeyEventValues(kHeadingBug), std::vector<int32_t>{0});
}

// LNAV engaged again after HDG SEL moved the bug: the aim goes out again, though it is the one LNAV
// sent before.
TEST_F(LnavSteering, LnavEngagedAgainTakesTheBugBackFromTheHeadingMode) {
  SetActiveRoute(NorthboundRoute(2));
  SetPosition(47.25, -122.0);
  SetRadioHeightFt(3000.0);
  SetGroundSpeedKt(240.0);
  RunToRouteSlot();
  ::LnavIntercept();  // the LNAV button
  RunToRouteSlot();
  hdg_sel_dir = 250.0;
  ToggleHdgSel();
  ::LnavIntercept();
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(kHeadingBug), (std::vector<int32_t>{0, 250, 0}));
}

// The same for the traffic pattern's heading: flying its circuit, HDG SEL, then LNAV again where the
// circuit's heading is the one it sent before.
TEST_F(LnavSteering, LnavEngagedAgainTakesTheBugBackFromTheCircuit) {
  SetActiveRoute(NorthboundRoute(2));
  RouteHold& h = route_holds[1];
  std::tie(h.fix, h.leg, h.turn, h.leg_mode, h.leg_time, h.inbd_crs) = std::tuple("WP1", 1, 1, 1, 1.0, 0.0);
  std::tie(h.lat, h.lon, fms_fpln_act[1].hold_idx, hold_cnt) = std::tuple(47.5, -122.0, 1, 1);
  SetPosition(47.495, -122.0);  // 0.3 NM short of the fix: the circuit starts
  SetRadioHeightFt(3000.0);
  SetGroundSpeedKt(120.0);
  lnav = 1;
  RunToRouteSlot();
  const std::vector<int32_t> circuit = KeyEventValues(kHeadingBug);
  ASSERT_FALSE(circuit.empty());
  hdg_sel_dir = 250.0;
  ToggleHdgSel();
  ::LnavIntercept();
  RunToRouteSlot();
  const std::vector<int32_t> sent = KeyEventValues(kHeadingBug);
  ASSERT_GE(sent.size(), circuit.size() + 2);
  EXPECT_EQ(sent[circuit.size()], 250);
  EXPECT_EQ(sent.back(), circuit.back());
}

}  // namespace
