#include "fmc/vnav_targets.h"

#include <gtest/gtest.h>

#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/vnav_fixture.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/tick_globals.h"
#include "frame/tick_route.h"

namespace {

using Values = std::vector<int32_t>;

constexpr const char* kApAltLockVar = "(A:AUTOPILOT ALTITUDE LOCK VAR, feet)";

class VnavTargets : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    vnav = 1;
    startup_phase = 0;
    ias = 250.0;
    init_tod = 1;
  }
  void SetApAltitude(double ft) { host_.SetExpression(kApAltLockVar, ft); }
  void Descent(double above_ft, double dist_nm, double gs_kt) {
    toc = 1;
    tod = 1;
    cross_at_elev = 8000.0;
    plane_alt = 8000.0 + above_ft;
    dist_to_cross_at = dist_nm;
    ground_speed = gs_kt;
    ap_alt_lock = 8000.0;
    alt_sel_num = 8000;
    SetApAltitude(8000.0);
  }
};

TEST_F(VnavTargets, VnavOffSendsAndChangesNothing) {
  vnav = 0;
  Descent(6000.0, 12.0, 300.0);
  vnav_tgt_vs = 7;
  get_vnav_info();
  EXPECT_EQ(EventCount(), 0u);
  EXPECT_EQ(vnav_tgt_vs, 7);
  EXPECT_EQ(vnav_vs_ref, 0);
}

struct ClimbCase {
  int32_t mcp_ft;
  double cross_ft;
  double ap_ft;
  Values sent;
};

class VnavClimb : public VnavTargets, public ::testing::WithParamInterface<ClimbCase> {};

TEST_P(VnavClimb, HoldsTheAutopilotAtTheLowerOfMcpAndCrossing) {
  const ClimbCase& c = GetParam();
  toc = 0;
  alt_sel_num = c.mcp_ft;
  cross_at_elev = c.cross_ft;
  SetApAltitude(c.ap_ft);
  get_vnav_info();
  EXPECT_EQ(Sent(kApAltitudeEvent), c.sent);
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), Values{});
}

INSTANTIATE_TEST_SUITE_P(Table, VnavClimb,
                         ::testing::Values(ClimbCase{35000, 10000.0, 5000.0, {10000}},  // driven to the constraint
                                           ClimbCase{35000, 10000.0, 10000.0, {}},      // and held there
                                           ClimbCase{8000, 10000.0, 5000.0, {8000}},    // MCP lower
                                           ClimbCase{8000, 10000.0, 8000.0, {}},
                                           ClimbCase{10000, 10000.0, 5000.0, {10000}},
                                           ClimbCase{35000, 10500.7, 5000.0, {10500}},  // whole feet
                                           ClimbCase{-99, 10000.0, 5000.0, {10000}}));  // no MCP altitude set yet

struct DescentCase {
  double above_ft;
  double dist_nm;
  double gs_kt;
  double ias_kt;
  int32_t target_fpm;
};

class VnavDescentRate : public VnavTargets, public ::testing::WithParamInterface<DescentCase> {};

TEST_P(VnavDescentRate, SetsTheRateThatReachesTheCrossingPoint) {
  const DescentCase& c = GetParam();
  Descent(c.above_ft, c.dist_nm, c.gs_kt);
  ias = c.ias_kt;
  get_vnav_info();
  EXPECT_EQ(vnav_tgt_vs, c.target_fpm);
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), c.target_fpm == 0 ? Values{} : Values{c.target_fpm});
}

INSTANTIATE_TEST_SUITE_P(
    Table, VnavDescentRate,
    ::testing::Values(DescentCase{6000.0, 12.0, 300.0, 250.0, -2500},  // 2.4 minutes to go
                      DescentCase{6800.0, 10.0, 300.0, 250.0, -3000},  // 3400 ft/min needed
                      DescentCase{6000.0, 12.0, 300.0, 150.0, 0},      // too slow to descend
                      DescentCase{6000.0, 12.0, 300.0, 155.0, -2500},
                      DescentCase{6099.0, 12.0, 300.0, 250.0, -2500},  // whole hundreds
                      DescentCase{6000.0, 0.0, 300.0, 250.0, -3000},   // at the target, still above it
                      DescentCase{6000.0, -1.0, 300.0, 250.0, -3000},
                      DescentCase{6000.0, 12.0, 0.0, 250.0, -3000},    // no ground speed
                      DescentCase{0.0, 0.0, 300.0, 250.0, 0}));        // on the target

TEST_F(VnavTargets, SameTargetIsSentOnce) {
  Descent(6000.0, 12.0, 300.0);
  get_vnav_info();
  get_vnav_info();
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), Values{-2500});
  dist_to_cross_at = 10.0;
  get_vnav_info();
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), (Values{-2500, -3000}));
  vnav_vs_ref = -999;  // what the MCP knobs write to have the target sent again
  get_vnav_info();
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), (Values{-2500, -3000, -3000}));
}

TEST_F(VnavTargets, DescentVerticalSpeedWaitsUntilAboveTheAutopilotAltitude) {
  Descent(6000.0, 12.0, 300.0);
  ap_alt_lock = plane_alt;
  get_vnav_info();
  EXPECT_EQ(vnav_tgt_vs, -2500);
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), Values{});
}

TEST_F(VnavTargets, DescentHoldsTheAutopilotAtTheHigherOfMcpAndCrossing) {
  Descent(6000.0, 12.0, 300.0);
  alt_sel_num = 6000;
  SetApAltitude(6000.0);
  get_vnav_info();
  EXPECT_EQ(Sent(kApAltitudeEvent), Values{8000});
  alt_sel_num = 9000;
  SetApAltitude(8000.0);
  get_vnav_info();
  EXPECT_EQ(Sent(kApAltitudeEvent), (Values{8000, 9000}));
  alt_sel_num = -99;  // no MCP altitude: the crossing altitude alone
  SetApAltitude(9000.0);
  get_vnav_info();
  EXPECT_EQ(Sent(kApAltitudeEvent), (Values{8000, 9000, 8000}));
}

TEST_F(VnavTargets, NothingBelowTheCrossingAltitudeOrBeforeTheTodIsComputed) {
  Descent(-100.0, 12.0, 300.0);
  get_vnav_info();
  Descent(6000.0, 12.0, 300.0);
  init_tod = 0;
  get_vnav_info();
  EXPECT_EQ(EventCount(), 0u);
  EXPECT_EQ(vnav_tgt_vs, 0);
}

TEST_F(VnavTargets, CruiseDescentToALowerCruiseAltitude) {
  toc = 1;
  tod = 0;
  cruise_alt = 20000;
  cross_at_elev = 20000.0;
  alt_sel_num = 20000;
  plane_alt = 20049.0;
  ap_alt_lock = 24000.0;
  SetApAltitude(24000.0);
  get_vnav_info();
  EXPECT_EQ(EventCount(), 0u);  // within 50 ft of the cruise altitude

  plane_alt = 24000.0;
  get_vnav_info();
  EXPECT_EQ(vnav_tgt_vs, -1800);
  EXPECT_EQ(Sent(kApAltitudeEvent), Values{20000});
  // Below the autopilot altitude the vertical speed waits.
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), Values{});
  ap_alt_lock = 20000.0;
  get_vnav_info();
  EXPECT_EQ(Sent(kApVerticalSpeedEvent), Values{-1800});
  EXPECT_EQ(Sent(kApAltitudeEvent), Values{20000});  // the autopilot altitude is no longer above both
}

// The descent speed controller, acting on redraw ticks 0, 6 and 12.
class ThrottleControl : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    at_arm = 1.0;
    redraw_tick = 6;
    tick36_counter = 5;
    host_.SetToken(116, 250.0);  // selected speed
  }
  void Run(double error_kt, double trend, double lever) {
    ias = 250.0 + error_kt;
    pfd_ias_trend = trend;
    host_.SetToken(128, lever);
    VnavDescent();
  }
};

TEST_F(ThrottleControl, ReleasesTheSimulatorSpeedHoldsEvenWithoutAutothrottle) {
  host_.SetToken(115, 1.0);
  host_.SetToken(117, 1.0);
  at_arm = 0.0;
  Run(10.0, 0.0, 1000.0);
  EXPECT_EQ(Sent(kApAirspeedHoldOffEvent), Values{0});
  EXPECT_EQ(Sent(kApMachHoldOffEvent), Values{0});
  EXPECT_EQ(EventCount(), 2u);
}

TEST_F(ThrottleControl, ActsOnEverySixthTickOnly) {
  for (int32_t tick = 0; tick < 18; ++tick) {
    redraw_tick = tick;
    Run(10.0, 0.0, 1000.0);
  }
  EXPECT_EQ(Sent(kThrottleStepDownEvent).size(), 3u);
  EXPECT_EQ(EventCount(), 3u);
}

struct BandCase {
  double error_kt;
  double trend;
  double lever;
  uint32_t event;  // 0: nothing sent
  int32_t value;
};

class ThrottleBands : public ThrottleControl, public ::testing::WithParamInterface<BandCase> {};

TEST_P(ThrottleBands, SendTheBandsCommand) {
  const BandCase& c = GetParam();
  Run(c.error_kt, c.trend, c.lever);
  if (c.event == 0) {
    EXPECT_EQ(EventCount(), 0u);
  } else {
    ASSERT_EQ(EventCount(), 1u);
    EXPECT_EQ(host_.key_events()[0].event_id, c.event);
    EXPECT_EQ(host_.key_events()[0].value, c.value);
  }
}

constexpr uint32_t kUp = kThrottleStepUpEvent;
constexpr uint32_t kDown = kThrottleStepDownEvent;
constexpr uint32_t kSet = kThrottleSetEvent;

INSTANTIATE_TEST_SUITE_P(
    Table, ThrottleBands,
    ::testing::Values(
        // outside 6 kt: dead band 0.075
        BandCase{10.0, 0.0, 1000.0, kDown, 0}, BandCase{10.0, -0.1, 1000.0, kUp, 0},
        BandCase{-10.0, 0.0, 1000.0, kUp, 0}, BandCase{-10.0, 0.1, 1000.0, kDown, 0},
        BandCase{10.0, -0.075, 1000.0, 0, 0}, BandCase{6.1, -0.05, 1000.0, kDown, 0},
        // exactly 6 kt: dead band 0.02
        BandCase{6.0, -0.05, 1000.0, kUp, 0}, BandCase{6.0, -0.01, 1000.0, kDown, 0},
        BandCase{-6.0, 0.01, 1000.0, kUp, 0}, BandCase{-6.0, 0.05, 1000.0, kDown, 0},
        // 1 to 6 kt: dead band 0.0125
        BandCase{3.0, -0.02, 1000.0, kUp, 0}, BandCase{3.0, -0.01, 1000.0, kDown, 0},
        BandCase{-3.0, 0.01, 1000.0, kUp, 0}, BandCase{-3.0, 0.02, 1000.0, kDown, 0},
        // within 1 kt: the lever follows the trend
        BandCase{0.5, -0.02, 1000.0, kSet, 1150}, BandCase{-1.0, 0.02, 1000.0, kSet, 850},
        BandCase{0.5, -0.01, 1000.0, kSet, 1050}, BandCase{0.5, 0.01, 1000.0, kSet, 950},
        BandCase{0.5, -0.005, 1000.0, 0, 0}, BandCase{0.5, 0.005, 1000.0, 0, 0},
        BandCase{0.5, -0.02, 0.0, kSet, 150}, BandCase{0.5, 0.02, 1000.4, kSet, 850},
        // a lever at idle is never stepped or set down
        BandCase{10.0, 0.0, 0.0, 0, 0}, BandCase{-10.0, 0.1, 0.0, 0, 0}, BandCase{3.0, 0.0, 0.0, 0, 0},
        BandCase{-3.0, 0.02, 0.0, 0, 0}, BandCase{0.5, 0.02, 0.0, 0, 0}, BandCase{0.5, 0.007, 0.0, 0, 0},
        BandCase{-10.0, 0.0, 0.0, kUp, 0}));

TEST_F(ThrottleControl, FastAndSlowingWithSpeedBrakesOutAddsNoThrust) {
  host_.SetToken(326, 1000.0);
  Run(10.0, -0.1, 1000.0);
  EXPECT_EQ(EventCount(), 0u);
  host_.SetToken(326, 999.0);
  host_.SetToken(327, 999.0);
  Run(10.0, -0.1, 1000.0);
  EXPECT_EQ(Sent(kThrottleStepUpEvent), Values{0});
}

}  // namespace
