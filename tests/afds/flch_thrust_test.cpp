#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/flch_thrust.h"
#include "afds_fixture.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"

namespace {

using afds_test::Events;

constexpr uint32_t kStepUp = 0x10049, kStepDown = 0x10051, kLeverSet = 0x100A1, kVs = 0x101F4, kIas = 0x101F5;
constexpr double kFullLever = 16383.0;

class FlchTest : public afds_test::AfdsTest {
 protected:
  // A FLCH climb from 20000 ft to a lock at 30000 ft (a descent to 10000 ft), autopilot and
  // autothrottle engaged, on the lever slot of the display cycle, the speed on target and steady.
  void Climb(double lock_ft = 30000.0) {
    SetRadioHeightFt(20000.0);
    RunTicks(1);
    std::tie(plane_alt, ap_alt_lock) = std::tuple(20000.0, lock_ft);
    ap_master = at_arm = 1.0;
    std::tie(redraw_tick, tick36_counter, flch, tmsp) = std::tuple(0, 5, 1, 3);
    target_ias = ias = 280.0;
    SetIasKt(280.0);
    Mark();
  }
  void Lever(double units) { host_.SetToken(128, units); }
};

// The first pass moves the levers and notes the target; the second sees the lever off by `offset`.
TEST_F(FlchTest, ClimbLeversStepOrSetTowardsTheThrustLimitLever) {
  const struct {
    double offset;  // lever minus target
    Events events;
  } rows[] = {{-150.0, {}}, {-150.5, {{kLeverSet, 9124}}}, {-301.0, {{kStepUp, 0}}}, {301.0, {{kStepDown, 0}}}};
  for (const auto& c : rows) {
    Climb();
    epr_bug = 1.5;
    Lever(0.0);
    ProcFlch();
    const double target = thrust_target;
    ASSERT_NEAR(target, (1.5 + 0.00125 - 1.0) / 0.9 * kFullLever, 1e-6);
    Lever(target + c.offset);
    Mark();
    ProcFlch();
    EXPECT_EQ(SentOf({kStepUp, kStepDown, kLeverSet}), c.events) << c.offset;
  }
}

// A thrust limit beyond the lever's travel is flown at full lever, not chased by step events.
TEST_F(FlchTest, ThrustTargetIsKeptWithinTheLeverTravel) {
  Climb();
  epr_bug = 2.2;
  Lever(kFullLever);
  ProcFlch();
  ProcFlch();
  EXPECT_EQ(thrust_target, kFullLever);
  EXPECT_EQ(SentOf({kStepUp, kLeverSet}), (Events{{kLeverSet, 16383}}));
}

TEST_F(FlchTest, DescentDrivesTheLeversToIdleOnEveryThirdSlot) {
  Climb(10000.0);
  for (const auto& [slot, lever, events] : {std::tuple{3, 500.0, Events{{kStepDown, 0}}}, std::tuple{4, 500.0, Events{}},
                                            std::tuple{6, 5.0, Events{{kLeverSet, 0}}}}) {
    redraw_tick = slot;
    Lever(lever);
    Mark();
    ProcFlch();
    EXPECT_EQ(SentOf({kStepDown, kLeverSet}), events) << slot;
  }
  EXPECT_EQ(thr_release_pending, 1);
}

// On the ground the Mach reads 0: the target stands and nothing is sent.
TEST_F(FlchTest, MachTargetIsConvertedToAnAirspeedWithinTheLimits) {
  const struct {
    double mach, alt_ft;
    Events events;
    double target_after;
  } rows[] = {{0.75, 20000.0, {{kIas, 280}}, 280.0}, {0.6, 31000.0, {{kIas, 350}, {kIas, 300}}, 300.0},
              {0.0, 20000.0, {}, 280.0}};
  for (const auto& c : rows) {
    Climb();
    std::tie(ias, plane_mach, plane_alt, ap_alt_lock) = std::tuple(300.0, c.mach, c.alt_ft, c.alt_ft + 5000.0);
    target_mach = 0.7;
    ProcFlch();
    EXPECT_EQ(SentOf({kIas}), c.events) << c.mach;
    EXPECT_DOUBLE_EQ(target_ias, c.target_after) << c.mach;
  }
}

TEST_F(FlchTest, PitchFliesTheSpeedWithTheVerticalSpeed) {
  const struct {
    double lock_ft, vs, dev, trend, ias, lever;  // target 280
    int32_t branch;
    double commanded;
  } rows[] = {{1e4, -2000, 5, -0.1, 270, 500, 402, -2500}, {3e4, 200, 0.5, 0.0, 280, 0, 9, 300},
              {1e4, -600, 0.5, 0.0, 280, 0, 19, -1000}, {1e4, -2000, 0.5, 0.0, 280, 151, 501, 0}};
  for (const auto& c : rows) {
    Climb(c.lock_ft);
    std::tie(at_arm, vert_speed, ias_target_dev, ias_trend) = std::tuple(0.0, c.vs, c.dev, c.trend);
    SetIasKt(c.ias);
    Lever(c.lever);
    ProcFlch();
    EXPECT_EQ(vs_chg, c.branch);
    EXPECT_EQ(SentOf({kVs}), (Events{{kVs, static_cast<int32_t>(c.commanded)}})) << c.branch;
  }
}

// FLCH or VNAV taking the speed starts the trend level, whatever their last flight left (200 kt).
TEST_F(FlchTest, TrendStartsLevelWhereFlchOrVnavTakesTheSpeed) {
  Climb();
  std::fill_n(ias_trend_hist, kIasTrendSamples, 200.0);
  UpdateSpeedTrend(1);
  UpdateSpeedTrend(1);
  EXPECT_NEAR(ias_trend, 0.0, 0.01);
}

// Near the lock FLCH hands over to ALT HOLD (within reach of the selected altitude) or V/S.
TEST_F(FlchTest, CaptureHandsOverToAltHoldOrVsAndSelectsCruiseThrust) {
  for (double from_selected_ft : {20.0, -35.0}) {
    Climb();
    alt_hold_mode = vs_hold_mode = 0;
    plane_alt = 29301.0;  // 699 ft below the lock
    std::tie(alt_sel_num, vert_speed) = std::tuple(static_cast<int32_t>(plane_alt + from_selected_ft), 1500.0);
    ProcFlch();
    const int32_t alt_hold = from_selected_ft > 0.0 ? 1 : 0;
    EXPECT_EQ(std::tuple(flch, alt_hold_mode, vs_hold_mode), std::tuple(0, alt_hold, 1 - alt_hold)) << from_selected_ft;
    EXPECT_EQ(std::tuple(tmsp, Count(0x1024C)), std::tuple(6, alt_hold));
  }
}

// THR: the driver steps, sets or only refreshes the disconnect bit, once per tick.
TEST_F(FlchTest, AutothrottleDriverMovesTheLeversTowardsTheEprLever) {
  std::tie(epr_bug, thrust_hold) = std::tuple(1.5, 1);
  const double target = (1.5 + 0.00125 - 1.0) / 0.9 * kFullLever;
  struct Step {
    double lever;
    Events events;
  };
  for (const Step& s : {Step{0.0, {{kStepUp, 0}}}, Step{target + 350.0, {{kStepDown, 0}}},
                        Step{target - 100.0, {{kLeverSet, 9124}}}, Step{target - 5.0, {}}}) {
    Lever(s.lever);
    std::tie(tick36_counter, thrust_target_prev) = std::tuple(10, -1.0);
    Mark();
    RunTicks(1);
    EXPECT_EQ(SentOf({kStepUp, kStepDown, kLeverSet}), s.events) << s.lever;
  }
  // Twice a set-band pass, never a step pass.
  EXPECT_EQ(ThrottleDisconnectWrites(), (std::vector<uint64_t>{0, 8, 8}));
}

}  // namespace
