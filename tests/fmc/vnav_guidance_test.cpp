// The guidance sent to the autopilot: VNAV targets, the descent speed controller and the traffic
// pattern flown around a hold fix.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/route_progress_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/traffic_pattern.h"
#include "fmc/vnav_fixture.h"
#include "afds/vnav_targets.h"
#include "sim/debug_log.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"

namespace {

using vnav_test::DistNm;
using Values = std::vector<int32_t>;

constexpr const char* kApAltLockVar = "(A:AUTOPILOT ALTITUDE LOCK VAR, feet)";

class VnavTargets : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    std::tie(vnav, startup_phase, ias, init_tod) = std::tuple(1, 0, 250.0, 1);
  }
  void SetApAltitude(double ft) { host_.SetExpression(kApAltLockVar, ft); }
  void Descent(double above_ft, double dist_nm, double gs_kt) {
    std::tie(toc, tod, cross_at_elev, plane_alt) = std::tuple(1, 1, 8000.0, 8000.0 + above_ft);
    std::tie(dist_to_cross_at, ground_speed, ap_alt_lock, alt_sel_num) = std::tuple(dist_nm, gs_kt, 8000.0, 8000);
    SetApAltitude(8000.0);
  }
};

// In the climb the autopilot altitude is driven to the lower of MCP and crossing altitudes, in whole
// feet; an MCP altitude not yet set is not flown to. Without a cruise altitude nothing is planned:
// what cross_at_elev holds then (0, or the destination's elevation) is never sent, the MCP altitude is.
TEST_F(VnavTargets, ClimbHoldsTheAutopilotAtTheLowerOfMcpAndCrossing) {
  for (auto [cruise_ft, mcp_ft, cross_ft, ap_ft, sent] :
       {std::tuple{35000, 35000, 10000.0, 10000.0, Values{}}, {35000, 8000, 10000.0, 5000.0, {8000}},
        {35000, 35000, 10500.7, 5000.0, {10500}}, {35000, -99, 10000.0, 5000.0, {10000}},
        {0, 20000, 0.0, 20000.0, {}}, {0, 20000, 31.0, 5000.0, {20000}}, {0, -99, 0.0, 20000.0, {}}}) {
    Mark();
    std::tie(toc, cruise_alt, alt_sel_num, cross_at_elev) = std::tuple(0, cruise_ft, mcp_ft, cross_ft);
    SetApAltitude(ap_ft);
    get_vnav_info();
    EXPECT_EQ(std::pair(Sent(kApAltitudeEvent), Sent(kApVerticalSpeedEvent)), std::pair(sent, Values{}))
        << cruise_ft << " " << mcp_ft << " " << cross_ft << " " << ap_ft;
  }
}

// The rate that reaches the crossing point, in whole hundreds, at most 3000 ft/min; none below
// 155 kt; at or past the point, or without ground speed, 3000 ft/min while above it.
TEST_F(VnavTargets, DescentSetsTheRateThatReachesTheCrossingPoint) {
  // ft above the crossing altitude, NM to the crossing point, ground speed kt, IAS kt; target ft/min
  for (auto [above_ft, dist_nm, gs_kt, ias_kt, target_fpm] :
       {std::tuple{6000.0, 12.0, 300.0, 250.0, -2500}, {6800.0, 10.0, 300.0, 250.0, -3000},
        {6000.0, 12.0, 300.0, 150.0, 0}, {6000.0, 12.0, 300.0, 155.0, -2500}, {6099.0, 12.0, 300.0, 250.0, -2500},
        {6000.0, 0.0, 300.0, 250.0, -3000}, {6000.0, 12.0, 0.0, 250.0, -3000}, {0.0, 0.0, 300.0, 250.0, 0}}) {
    Mark();
    vnav_vs_ref = 0;
    Descent(above_ft, dist_nm, gs_kt);
    ias = ias_kt;
    get_vnav_info();
    EXPECT_EQ(std::pair(vnav_tgt_vs, Sent(kApVerticalSpeedEvent)),
              std::pair(target_fpm, target_fpm == 0 ? Values{} : Values{target_fpm}))
        << above_ft << " " << dist_nm << " " << gs_kt << " " << ias_kt;
  }
}

// The descent speed controller, acting on redraw ticks 0, 6 and 12.
class ThrottleControl : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    std::tie(at_arm, redraw_tick, tick36_counter) = std::tuple(1.0, 6, 5);
    host_.SetToken(116, 250.0);  // selected speed
  }
  void Run(double error_kt, double trend, double lever) {
    ias = 250.0 + error_kt;
    pfd_ias_trend = trend;
    host_.SetToken(128, lever);
    VnavDescent();
  }
};

// Outside 6 kt the trend's dead band is 0.075, at 6 kt 0.02, from 1 to 6 kt 0.0125; within 1 kt the
// lever follows the trend. A lever at idle is never stepped or set down, one at full never up, and
// no lever position outside the travel is sent.
TEST_F(ThrottleControl, EachBandSendsItsCommand) {
  constexpr uint32_t kUp = kThrottleStepUpEvent, kDown = kThrottleStepDownEvent, kSet = kThrottleSetEvent;
  // error kt, trend, lever; the event sent (0: none) and its value
  for (auto [error_kt, trend, lever, event, value] :
       {std::tuple{10.0, -0.1, 1000.0, kUp, 0}, {10.0, -0.075, 1000.0, 0u, 0}, {6.0, -0.01, 1000.0, kDown, 0},
        {-3.0, 0.01, 1000.0, kUp, 0}, {0.5, 0.01, 1000.0, kSet, 950}, {0.5, -0.02, 0.0, kSet, 150},
        {10.0, 0.0, 0.0, 0u, 0}, {0.5, 0.02, 0.0, 0u, 0}, {-10.0, 0.0, 16383.0, 0u, 0},
        {0.5, -0.02, 16300.0, kSet, 16383}, {0.5, -0.02, 16383.0, 0u, 0}, {0.5, 0.02, 100.0, kSet, 0}}) {
    Mark();
    Run(error_kt, trend, lever);
    const auto where = ::testing::Message() << error_kt << " kt, trend " << trend << ", lever " << lever;
    ASSERT_EQ(EventCount(), event == 0 ? 0u : 1u) << where;
    if (event != 0) {
      EXPECT_EQ(std::pair(Event(0).event_id, Event(0).value), std::pair(event, value)) << where;
    }
  }
}

constexpr double kFixLat = 47.0;
constexpr double kFixLon = -122.0;
constexpr double kTolNm = 0.01;

class TrafficPattern : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    vnav_test::SetActiveRoute({{"KAAA", 46.5, -122.0}, {"FIX", kFixLat, kFixLon}, {"KBBB", 47.5, -122.0}});
    RouteHold& h = route_holds[1];
    std::tie(h.fix, h.leg, h.turn, h.leg_mode, h.leg_time, h.inbd_crs) = std::tuple("FIX", 1, 1, 1, 1.0, 90.0);
    std::tie(h.lat, h.lon, fms_fpln_act[1].hold_idx, hold_cnt, lnav) = std::tuple(kFixLat, kFixLon, 1, 1, 1);
    std::tie(ground_speed, dist_per_tick) = std::tuple(120.0, 0.05);
    SetAircraftAt(kFixLat, kFixLon - 0.1);  // west of the fix, inbound
  }
  const PatternPoint& Point(int n) const { return route_holds[1].pattern_pts[n]; }
  void SetAircraftAt(double lat, double lon) {
    plane_lat = lat;
    plane_lon = lon;
  }
  void FlyTo(int n) { SetAircraftAt(Point(n).lat, Point(n).lon); }
  Values Headings() const { return Sent(kApHeadingEvent); }
};

// Timed legs count at least 150 kt; the circuit: crosswind 0.2 W past the fix, downwind 0.75 W to
// the side, base W back, final 0.8 W before the fix on the extended inbound course.
TEST_F(TrafficPattern, CircuitIsLaidOutAroundTheInboundCourse) {
  BuildTrafficPattern();
  EXPECT_DOUBLE_EQ(route_holds[1].leg_dist, 2.5);  // 1 minute at 150 kt
  ground_speed = 240.0;
  BuildTrafficPattern();
  EXPECT_DOUBLE_EQ(route_holds[1].leg_dist, 4.0);

  route_holds[1].leg_mode = 2;  // W = 6 NM
  BuildTrafficPattern();
  EXPECT_EQ(std::pair(Point(1).course, Point(4).course), std::pair(180.0, 90.0));  // right hand: south of an eastbound final
  EXPECT_NEAR(DistNm(Point(1).lat, Point(1).lon, Point(2).lat, Point(2).lon), 4.5, kTolNm);
  EXPECT_NEAR(DistNm(Point(2).lat, Point(2).lon, Point(3).lat, Point(3).lon), 6.0, kTolNm);
  EXPECT_NEAR(DistNm(Point(4).lat, Point(4).lon, kFixLat, kFixLon), 4.8, kTolNm);

  route_holds[1].turn = 2;  // left hand, final 360 true with the variation
  route_holds[1].inbd_crs = 350.0;
  mag_var = 10.0;
  BuildTrafficPattern();
  EXPECT_EQ(std::pair(Point(1).course, Point(4).course), std::pair(270.0, 0.0));
}

// Within 0.25 W of the fix the circuit starts towards Xwind, steered by a lead point one mile ahead
// on the final course; a heading change below one degree sends nothing. The circuit repeats until
// the last one ends at Xwind and removes the hold.
TEST_F(TrafficPattern, CircuitStartsAtTheFixRepeatsAndTheLastOneRemovesTheHold) {
  pattern_phase = 1;
  BuildTrafficPattern();  // 4 NM out: not yet
  EXPECT_EQ(std::pair(pattern_leg, EventCount()), std::pair(0, size_t{0}));
  SetAircraftAt(kFixLat, kFixLon - 0.01);  // 0.4 NM
  BuildTrafficPattern();
  std::vector<int32_t> legs{pattern_leg};
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
  for (int n : {1, 2, 3, 4}) {
    FlyTo(n);
    BuildTrafficPattern();
    legs.push_back(pattern_leg);
  }
  EXPECT_EQ(legs, (std::vector<int32_t>{1, 2, 3, 4, 1}));
  EXPECT_EQ(Headings().size(), 6u);
  pattern_phase = kPatternLastCircuitRequested;
  FlyTo(1);
  BuildTrafficPattern();
  EXPECT_EQ(std::tuple(pattern_phase, hold_cnt, holds_present, fms_fpln_act[1].hold_idx, Headings().size()),
            std::tuple(kPatternLastCircuit, 0, 0, 0, size_t{6}));
}

// A circuit laid out again (left, the hold built anew) sends its first heading, though the one
// before sent the same.
TEST_F(TrafficPattern, NewCircuitSendsItsFirstHeadingWhateverWasSentBefore) {
  SetAircraftAt(kFixLat, kFixLon - 0.01);
  BuildTrafficPattern();
  ASSERT_EQ(Headings().size(), 1u);
  std::tie(pattern_leg, pattern_prev, holds_present) = std::tuple(0, 0, 0);
  BuildTrafficPattern();
  EXPECT_EQ(Headings().size(), 2u);
}

// On the last circuit any point reached ends it.
TEST_F(TrafficPattern, LastCircuitEndsAtThePointReached) {
  BuildTrafficPattern();
  std::tie(pattern_leg, pattern_prev, pattern_phase) = std::tuple(3, 2, kPatternLastCircuit);
  FlyTo(3);
  BuildTrafficPattern();
  EXPECT_EQ(std::pair(hold_cnt, holds_present), std::pair(0, 0));
}

// A point that has fallen behind is done with, also when passed wide of it.
TEST_F(TrafficPattern, PointBehindTheAircraftIsPassed) {
  BuildTrafficPattern();
  std::tie(pattern_leg, pattern_prev) = std::tuple(2, 1);
  double d_nm, brg;
  CalcDistBrg(Point(1).lat, Point(1).lon, Point(2).lat, Point(2).lon, &d_nm, &brg);
  CalcDestPoint(Point(2).lat, Point(2).lon, brg, 1.0, &plane_lat, &plane_lon);
  BuildTrafficPattern();
  EXPECT_EQ(pattern_leg, 3);
}

TEST_F(TrafficPattern, OutOfRangePointIndexesStartFromTheFix) {
  pattern_leg = 7;
  pattern_prev = -3;
  SetAircraftAt(kFixLat, kFixLon);
  BuildTrafficPattern();
  EXPECT_EQ(std::pair(pattern_leg, pattern_prev), std::pair(1, 4));
}

}  // namespace
