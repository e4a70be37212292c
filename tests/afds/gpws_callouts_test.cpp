#include "afds/gpws_callouts.h"

#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/sound_fixture.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

constexpr double kGearDown = 16383.0;
const char* kDh = "(A:DECISION HEIGHT,FEET)";

class GpwsTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    simver = 10;  // the decision height comes from the expression
    gear1_pos = kGearDown;  // configured for landing: no too-low alerts
    flap_angle = 30.0;
    ias = 140.0;
  }
  void Descend(double ra_ft, double vs_fpm) {
    radio_height = ra_ft;
    vert_speed = vs_fpm;
  }
};

struct GpwsCase {
  const char* name;
  int32_t phase;
  double ra, vs, ias_kt, gear, flaps;
  const char* expected;  // "" = no alert
  double gsi = 0.0;  // glideslope deviation, with the receiver flags (token 46 bits 0x80, 0x40)
  int32_t flags = 0;
};

class GpwsAlertTest : public GpwsTest, public ::testing::WithParamInterface<GpwsCase> {};

TEST_P(GpwsAlertTest, ChoosesTheFirstRuleThatHolds) {
  const GpwsCase& c = GetParam();
  takeoff_phase = c.phase;
  Descend(c.ra, c.vs);
  ias = c.ias_kt;
  gear1_pos = c.gear;
  flap_angle = c.flaps;
  gsi_needle = c.gsi;
  host().SetToken(46, c.flags);
  host().SetExpression(kDh, 200.0);
  PlayGpws();
  EXPECT_EQ(LastStarted(), c.expected);
  EXPECT_EQ(gpws_sound_delay, std::string(c.expected).empty() ? 0 : 54);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GpwsAlertTest,
    ::testing::Values(
        GpwsCase{"PullUpSteepDive", -1, 2400, -6000, 250, 0, 0, "Pull Up.wav"},
        GpwsCase{"NothingAbove2450", -1, 2500, -6000, 250, 0, 0, ""},
        GpwsCase{"SinkrateMiddle", 0, 1500, -3600, 250, kGearDown, 30, "Sinkrate.wav"},
        GpwsCase{"NoTerrainWhenSinkingSlowly", 0, 800, -250, 250, 0, 0, ""},
        GpwsCase{"TooLowTerrain", 0, 800, -400, 250, 0, 0, "Too Low, Terrain.wav"},
        GpwsCase{"TooLowGear", 0, 450, -400, 180, 0, 0, "Too Low, Gear.wav"},
        GpwsCase{"TooLowFlaps", 0, 200, -500, 150, kGearDown, 15, "Too Low, Flaps.wav"},
        GpwsCase{"FlapsTwentyIsEnough", 0, 200, -500, 150, kGearDown, 20, ""},
        GpwsCase{"DontSinkInTheInitialClimb", 1, 500, -100, 180, 0, 5, "Don't Sink, Don't Sink.wav"},
        GpwsCase{"OnlyDontSinkInTheInitialClimb", 1, 2400, -6000, 250, 0, 0, ""},
        GpwsCase{"LevelInTheInitialClimb", 1, 500, -50, 180, 0, 5, ""},
        // Glideslope: below the beam above the decision height and under 1000 ft, both flags valid.
        GpwsCase{"GlideslopeFarBelow", 0, 800, -500, 140, kGearDown, 30, "Glideslope.wav", -120, 0xC0},
        GpwsCase{"GlideslopeSlightlyBelowLow", 0, 450, -500, 140, kGearDown, 30, "Glideslope.wav", -100, 0xC0},
        GpwsCase{"GlideslopeSlightlyBelowHigh", 0, 800, -500, 140, kGearDown, 30, "", -100, 0xC0},
        GpwsCase{"GlideslopeOneFlagMissing", 0, 800, -500, 140, kGearDown, 30, "", -120, 0x80},
        GpwsCase{"GlideslopeBelowTheDecisionHeight", 0, 150, -500, 140, kGearDown, 30, "", -120, 0xC0},
        GpwsCase{"GlideslopeAbove1000", 0, 1000, -500, 140, kGearDown, 30, "", -120, 0xC0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GpwsTest, PullUpRepeatsEvery54TicksWhileTheDiveLasts) {
  Descend(2400.0, -6000.0);
  Tick(1);
  EXPECT_EQ(Starts("Pull Up.wav"), 1);
  Tick(53);
  EXPECT_EQ(Starts("Pull Up.wav"), 1);
  Tick(1);
  EXPECT_EQ(Starts("Pull Up.wav"), 2);
}


// ---- altitude callouts ----

TEST_F(GpwsTest, BankAngleBeyond45DegreesIsCalledEvenInTheInitialClimb) {
  takeoff_phase = 1;
  plane_bank = -50.0;
  vert_speed = 1500.0;
  PlayAltitudeCallouts();
  EXPECT_EQ(LastStarted(), "Bank Angle, Bank Angle.wav");
}

TEST_F(GpwsTest, MinimumsFollowApproachingMinimumsThreeTicksLaterThenTwoHundred) {
  host().SetExpression(kDh, 200.0);
  takeoff_phase = 2;
  Descend(280.0, -700.0);
  Tick(1);
  EXPECT_EQ(LastStarted(), "Approaching Minimums.wav");
  Descend(230.0, -700.0);
  Tick(2);
  EXPECT_EQ(Started().size(), 1u);
  Tick(1);
  EXPECT_EQ(LastStarted(), "Minimums Minimums.wav");
  Descend(205.0, -700.0);
  Tick(27);
  EXPECT_EQ(LastStarted(), "200.wav");
  EXPECT_EQ(alt_call_appr_mins_done + alt_call_mins_done + alt_call_200_done, 3);
}

struct HeightCase {
  double ra;
  const char* expected;
};

class HeightWindowTest : public GpwsTest, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(HeightWindowTest, WindowsAreOpenIntervals) {
  host().SetExpression(kDh, -500.0);  // keeps the minimums windows out of the way
  Descend(GetParam().ra, -600.0);
  PlayAltitudeCallouts();
  EXPECT_EQ(LastStarted(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, HeightWindowTest,
                         ::testing::Values(HeightCase{2500, "2500.wav"}, HeightCase{1000, "1000.wav"},
                                           HeightCase{514, "500.wav"}, HeightCase{55, "50.wav"},
                                           HeightCase{50, ""}, HeightCase{45, "40.wav"}, HeightCase{40, ""},
                                           HeightCase{30, ""}, HeightCase{15, "10.wav"}, HeightCase{10, ""},
                                           HeightCase{700, ""}));

// ---- take-off phase and re-arming ----

TEST_F(GpwsTest, TakeoffPhaseFollowsTheClimbAndTheLanding) {
  init_sim_time = 100.0;
  host().SetToken(604, 110.0);
  host().SetToken(60, 1.0);
  radio_height = 0.0;
  UpdateTakeoffPhase();
  EXPECT_EQ(takeoff_phase, -1);  // left alone until the first climb above 1300 ft
  host().SetToken(60, 0.0);
  radio_height = 1400.0;
  UpdateTakeoffPhase();
  EXPECT_EQ(takeoff_phase, 2);
  radio_height = 0.0;
  host().SetToken(60, 1.0);
  UpdateTakeoffPhase();
  EXPECT_EQ(takeoff_phase, 2);  // within 15 s of the panel state
  host().SetToken(604, 116.0);
  UpdateTakeoffPhase();
  EXPECT_EQ(takeoff_phase, 0);
  host().SetToken(60, 0.0);
  radio_height = 100.0;
  vert_speed = 1500.0;
  UpdateTakeoffPhase();
  EXPECT_EQ(takeoff_phase, 1);
}

// Slow (on the ground) re-arms the low callouts; in flight each re-arms above its own height, the
// low ones only above 1000 ft, so a level-off or go-around below keeps them set.
TEST_F(GpwsTest, CalloutsReArmAboveTheirOwnHeightsOrWhenSlow) {
  alt_call_2500_done = alt_call_1000_done = alt_call_500_done = 1;
  ground_speed = 160.0;
  for (double ra : {450.0, 900.0}) {
    radio_height = ra;
    ReArmAltCallouts();
    EXPECT_EQ(alt_call_500_done, 1) << ra;
  }
  radio_height = 1600.0;
  ReArmAltCallouts();
  EXPECT_EQ(alt_call_500_done + alt_call_1000_done, 0);
  EXPECT_EQ(alt_call_2500_done, 1);
  radio_height = 3001.0;
  ReArmAltCallouts();
  EXPECT_EQ(alt_call_2500_done, 0);
  alt_call_10_done = 1;
  ground_speed = 10.0;
  radio_height = 0.0;
  ReArmAltCallouts();
  EXPECT_EQ(alt_call_10_done, 0);
}

}  // namespace
