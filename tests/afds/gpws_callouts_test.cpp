#include "afds/gpws_callouts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/sound_fixture.h"
#include "sim/tick_globals.h"
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
    std::tie(flap_angle, ias) = std::tuple(30.0, 140.0);
  }
  void Descend(double ra_ft, double vs_fpm) {
    std::tie(radio_height, vert_speed) = std::tuple(ra_ft, vs_fpm);
  }
};

// The first rule that holds is heard. Glideslope: below the beam above the decision height and
// under 1000 ft, both receiver flags (token 46 bits 0x80, 0x40) valid.
TEST_F(GpwsTest, AlertIsTheFirstRuleThatHolds) {
  const struct {
    int32_t phase;
    double ra, vs, ias_kt, gear, flaps;
    const char* expected;  // "" = no alert
    double gsi = 0.0;
    int32_t flags = 0;
  } rows[] = {{-1, 2400, -6000, 250, 0, 0, "Pull Up.wav"},
              {-1, 2500, -6000, 250, 0, 0, ""},
              {0, 1500, -3600, 250, kGearDown, 30, "Sinkrate.wav"},
              {0, 800, -400, 250, 0, 0, "Too Low, Terrain.wav"},
              {0, 450, -400, 180, 0, 0, "Too Low, Gear.wav"},
              {0, 200, -500, 150, kGearDown, 15, "Too Low, Flaps.wav"},
              {0, 200, -500, 150, kGearDown, 20, ""},
              {1, 500, -100, 180, 0, 5, "Don't Sink, Don't Sink.wav"},
              {1, 2400, -6000, 250, 0, 0, ""},
              {0, 450, -500, 140, kGearDown, 30, "Glideslope.wav", -100, 0xC0},
              {0, 800, -500, 140, kGearDown, 30, "", -100, 0xC0},
              {0, 800, -500, 140, kGearDown, 30, "", -120, 0x80},
              {0, 150, -500, 140, kGearDown, 30, "", -120, 0xC0},
              {0, 1000, -500, 140, kGearDown, 30, "", -120, 0xC0}};
  host().SetExpression(kDh, 200.0);
  for (const auto& c : rows) {
    takeoff_phase = c.phase;
    Descend(c.ra, c.vs);
    std::tie(ias, gear1_pos, flap_angle, gsi_needle) = std::tuple(c.ias_kt, c.gear, c.flaps, c.gsi);
    host().SetToken(46, c.flags);
    const size_t before = Started().size();
    gpws_sound_delay = 0;
    PlayGpws();
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), c.expected) << c.ra << " " << c.vs;
    EXPECT_EQ(gpws_sound_delay, std::string(c.expected).empty() ? 0 : 54) << c.ra << " " << c.vs;
  }
}

// Below the beam on the runway with a decision height of 0: the landing, not an alert.
TEST_F(GpwsTest, GlideslopeIsNotCalledOnTheGround) {
  host().SetExpression(kDh, 0.0);
  host().SetToken(46, 0xC0);
  host().SetToken(60, 1.0);
  std::tie(takeoff_phase, gsi_needle, radio_height) = std::tuple(0, -127.0, 0.0);
  PlayGpws();
  EXPECT_TRUE(Started().empty());
}

// ---- altitude callouts ----

TEST_F(GpwsTest, BankAngleBeyond45DegreesIsCalledEvenInTheInitialClimb) {
  std::tie(takeoff_phase, plane_bank, vert_speed) = std::tuple(1, -50.0, 1500.0);
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

TEST_F(GpwsTest, HeightWindowsAreOpenIntervals) {
  host().SetExpression(kDh, -500.0);  // keeps the minimums windows out of the way
  const struct {
    double ra;
    const char* expected;
  } rows[] = {{2500, "2500.wav"}, {50, ""}, {55, "50.wav"}, {10, ""}, {700, ""}};
  for (const auto& c : rows) {
    const size_t before = Started().size();
    Descend(c.ra, -600.0);
    PlayAltitudeCallouts();
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), c.expected) << c.ra;
  }
}

// ---- take-off phase and re-arming ----

// Left alone until the first climb above 1300 ft; on the ground 15 s after the panel state it is 0,
// and 30..1300 ft climbing faster than 300 ft/min from 0 it is 1, but 0 again configured to land
// (flaps 30: a circuit's approach) until climbing cleaned up again.
TEST_F(GpwsTest, TakeoffPhaseFollowsTheClimbAndTheLanding) {
  init_sim_time = 100.0;
  const struct {
    double now, on_ground, ra, vs, flaps;
    int32_t phase;
  } steps[] = {{110, 1, 0, 0, 20, -1},     {110, 0, 1400, 0, 20, 2},   {110, 1, 0, 0, 20, 2},     {116, 1, 0, 0, 20, 0},
               {116, 0, 100, 1500, 20, 1}, {116, 0, 900, -500, 30, 0}, {116, 0, 100, 1500, 20, 1}};
  for (const auto& s : steps) {
    host().SetToken(604, s.now);
    host().SetToken(60, s.on_ground);
    std::tie(radio_height, vert_speed, flap_angle) = std::tuple(s.ra, s.vs, s.flaps);
    UpdateTakeoffPhase();
    EXPECT_EQ(takeoff_phase, s.phase) << s.now << " " << s.ra;
  }
}

// Slow (on the ground) re-arms the low callouts; in flight each re-arms above its own height, the
// low ones only above 1000 ft, so a level-off or go-around below keeps them set.
TEST_F(GpwsTest, CalloutsReArmAboveTheirOwnHeightsOrWhenSlow) {
  alt_call_2500_done = alt_call_1000_done = alt_call_500_done = 1;
  ground_speed = 160.0;
  const struct {
    double ra;
    int32_t f500, f1000, f2500;
  } steps[] = {{900, 1, 1, 1}, {1600, 0, 0, 1}, {3001, 0, 0, 0}};
  for (const auto& s : steps) {
    radio_height = s.ra;
    ReArmAltCallouts();
    EXPECT_EQ(std::tuple(alt_call_500_done, alt_call_1000_done, alt_call_2500_done), std::tuple(s.f500, s.f1000, s.f2500))
        << s.ra;
  }
  std::tie(alt_call_10_done, ground_speed, radio_height) = std::tuple(1, 10.0, 0.0);
  ReArmAltCallouts();
  EXPECT_EQ(alt_call_10_done, 0);
}

}  // namespace
