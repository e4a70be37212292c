#include <gtest/gtest.h>

#include <tuple>

#include "afds/afds_globals.h"
#include "afds/autoland_autobrake.h"
#include "afds_fixture.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;

constexpr uint32_t kPitchDown = 0x10417, kPitchUp = 0x10418, kBrakes = 0x10034;

class AutolandTest : public afds_test::AfdsTest {
 protected:
  // The autopilot engaged on this and the previous tick.
  void Engaged(double radio_height_ft) {
    host_.SetToken(103, 1.0);
    ap_master = 1.0;
    SetRadioHeightFt(radio_height_ft);
  }
  // The flare state of one pass, called directly.
  void InFlare(double pitch, double pitch_rate, double vs_fpm) {
    std::tie(autoland_mode, radio_height, plane_pitch, alt_rate) = std::tuple(3, 40.0, pitch, pitch_rate);
    vert_speed = vs_fpm;
  }
  // The disarm moves the selector to OFF.
  bool AutobrakeDisengaged() const { return auto_brake_switch == 1 && Named("auto_brake_switch") == 1.0; }
};

TEST_F(AutolandTest, ModesStepDownOnePerTickOnlyWithTheAutopilotOn) {
  std::tie(autoland_mode, app_mode, gs_capture) = std::tuple(1, 1, 1);  // on the glideslope
  SetRadioHeightFt(40.0);
  RunTicks(3);
  EXPECT_EQ(autoland_mode, 1);
  Engaged(1499.0);
  RunTicks(1);
  EXPECT_EQ(autoland_mode, 2);
  SetRadioHeightFt(56.0);
  RunTicks(1);
  EXPECT_EQ(autoland_mode, 2);
  SetRadioHeightFt(4.0);  // below the flare height and at touchdown: still one step
  RunTicks(1);
  EXPECT_EQ(autoland_mode, 3);
  RunTicks(1);
  EXPECT_EQ(autoland_mode, 4);
}

TEST_F(AutolandTest, FlareHoldsTheAttitudeAndSinkRate) {
  const struct {
    double pitch, pitch_rate, vs;
    Events events;
    int32_t cmd;
  } rows[] = {{-4.0, 0.0, -500.0, {{kPitchUp, 0}}, 4}, {-2.0, -0.03, -500.0, {{kPitchUp, 0}}, 4},
              {-3.5, 0.0, -500.0, {}, 0}, {-3.5, 0.0, -800.0, {{kPitchDown, 0}}, 7}};
  for (const auto& c : rows) {
    InFlare(c.pitch, c.pitch_rate, c.vs);
    autoland_cmd = 0;
    Mark();
    ProcAutoland();
    EXPECT_EQ(SentOf({kPitchDown, kPitchUp}), c.events) << c.pitch << " " << c.vs;
    EXPECT_EQ(autoland_cmd, c.cmd) << c.pitch << " " << c.vs;
  }
}

TEST_F(AutolandTest, ThrustIsRetardedOnceBelowTenFeet) {
  spd_hold = thrust_hold = 1;
  for (int i = 0; i < 4; ++i) {
    InFlare(-3.5, 0.0, -500.0);
    radio_height = 8.0;
    ProcAutoland();
  }
  EXPECT_EQ(SentOf({0x1022E, 0x100E5, 0x100A1}), (Events{{0x1022E, 0}, {0x100E5, 0}, {0x100A1, 0}}));
  EXPECT_EQ(spd_hold + thrust_hold, 0);
}

TEST_F(AutolandTest, RolloutDeploysAndStowsTheSpoilersAndDisconnectsAtTheConfiguredSpeed) {
  autoland_mode = 1;
  autoland_spoiler_stage = 2;  // from an earlier landing
  AutoLandApDiscSpd = 40;
  host_.SetToken(123, 1.0);
  Engaged(1000.0);
  RunTicks(1);  // armed pass: a new approach
  autoland_mode = 4;
  SetRadioHeightFt(2.0);
  SetIasKt(120.0);
  RunTicks(1);
  EXPECT_EQ(std::tuple(Count(0x10210), Count(0x10114)), std::tuple(1, 1));
  SetIasKt(59.0);
  RunTicks(1);
  EXPECT_EQ(std::tuple(Count(0x10211), autoland_mode), std::tuple(1, 4));
  SetIasKt(39.0);
  RunTicks(1);
  EXPECT_EQ(std::tuple(autoland_mode, autoland_cmd), std::tuple(0, 14));
  EXPECT_EQ(SentOf({0x100FF, 0x10144}), (Events{{0x100FF, 0}, {0x10144, 0}}));
}

// With the default disconnect at 85 kt the autoland has ended before 60 kt; the spoilers it put out
// are still stowed then, once.
TEST_F(AutolandTest, SpoilersAreStowedAfterTheDefaultDisconnect) {
  ASSERT_EQ(AutoLandApDiscSpd, 85);
  autoland_mode = 4;
  Engaged(2.0);
  SetIasKt(120.0);
  RunTicks(1);
  SetIasKt(80.0);
  RunTicks(1);
  ASSERT_EQ(std::tuple(Count(0x10210), Count(0x100FF), autoland_mode), std::tuple(1, 1, 0));
  host_.SetToken(103, 0.0);  // the simulator's autopilot off
  RunTicks(5);
  EXPECT_EQ(Count(0x10211), 0);
  SetIasKt(59.0);
  RunTicks(5);
  EXPECT_EQ(std::tuple(Count(0x10211), autoland_spoiler_stage), std::tuple(1, 2));
}

// A touch-and-go: thrust advanced (autopilot on or off) or the lift-off stows the spoilers the
// autoland deployed; with the autopilot on, the rollout ends as at low speed.
TEST_F(AutolandTest, ATouchAndGoStowsTheSpoilersAndEndsTheRollout) {
  for (const auto& [lever, air, ra_ft, ap] :
       {std::tuple{14000.0, 0, 2.0, 1}, {14000.0, 0, 2.0, 0}, {5000.0, 1, 30.0, 0}}) {
    std::tie(autoland_mode, autoland_spoiler_stage, ap_master) = std::tuple(4, 1, ap);
    host_.SetToken(128, lever);
    host_.SetToken(60, 1 - air);
    host_.SetToken(103, ap);
    SetRadioHeightFt(ra_ft);
    SetIasKt(120.0);
    Mark();
    RunTicks(1);
    EXPECT_EQ(std::tuple(Count(0x10211), autoland_spoiler_stage, Count(0x100FF)), std::tuple(1, 2, ap)) << lever;
  }
}

class AutobrakeTest : public AutolandTest {
 protected:
  void Levers(double left, double right) {
    host_.SetToken(128, left);
    host_.SetToken(163, right);
  }
  // The key-event handler clears the application flag when it sees the brake event.
  void BrakeEventEchoed() { autobrake_appl = 0; }
};

TEST_F(AutobrakeTest, RtoArmsAtSpeedWithIdleThrustAndBrakes) {
  auto_brake_switch = 0;
  SetGroundSpeedKt(90.0);
  Levers(500.0, 500.0);
  RunTicks(1);
  EXPECT_EQ(std::tuple(auto_brake_status, SentOf({kBrakes})), std::tuple(1, (Events{{kBrakes, 0}})));
  RunTicks(1);  // no echo yet: no second application
  EXPECT_EQ(Count(kBrakes), 1);
  BrakeEventEchoed();
  SetGroundSpeedKt(2.0);
  RunTicks(1);
  EXPECT_EQ(Count(kBrakes), 2);
  EXPECT_TRUE(AutobrakeDisengaged());
}

TEST_F(AutobrakeTest, LandingLevelTwoBrakesInPulsesBelowItsLimit) {
  auto_brake_switch = 3;
  host_.SetToken(60, 1.0);
  SetGroundSpeedKt(120.0);
  for (double brake : {0.0, 6552.0, 6553.0, 9000.0}) {
    host_.SetToken(320, brake);
    BrakeEventEchoed();
    RunTicks(1);
  }
  EXPECT_EQ(Count(kBrakes), 2);
  EXPECT_FALSE(AutobrakeDisengaged());
}

TEST_F(AutobrakeTest, LandingArmingNeedsTheAircraftLevelOnTheGroundAtSpeed) {
  const struct {
    double pitch, bank;
    int32_t on_ground, armed;
  } rows[] = {{0.0, 0.6, 1, 0}, {-4.0, 0.0, 1, 0}, {2.0, 0.0, 1, 1}, {0.0, 0.0, 0, 0}};
  for (const auto& c : rows) {
    auto_brake_switch = 4;
    auto_brake_status = autobrake_appl = 0;
    host_.SetToken(60, c.on_ground);
    std::tie(ground_speed, plane_pitch, plane_bank) = std::tuple(120.0, c.pitch, c.bank);
    Mark();
    ProcAutoBrake();
    EXPECT_EQ(auto_brake_status, c.armed) << c.pitch << " " << c.bank << " " << c.on_ground;
    EXPECT_EQ(Count(kBrakes), c.armed) << c.pitch << " " << c.bank << " " << c.on_ground;
  }
}

}  // namespace
