#include <gtest/gtest.h>

#include <cmath>

#include "frame/main_update.h"
#include "frame/tick_globals.h"
#include "support/sim_fixture.h"

namespace {

constexpr double kGsDivisor = 1.68781;            // token 551 units per knot
constexpr double kMachWord = 1.0 / (1.52587890625e-05 * 3.2);  // token 64 units per Mach

// A raw token value whose division by `divisor` gives exactly `target`.
double RawGivingQuotient(double target, double divisor) {
  double raw = target * divisor;
  for (int i = 0; i < 16 && raw / divisor != target; ++i) {
    raw = std::nextafter(raw, raw / divisor < target ? 1e300 : -1e300);
  }
  return raw;
}

class MainUpdateTest : public testing_support::SimFixture {
 protected:
  // One simulator tick with `callers` gauges calling MainUpdate in it.
  void RunTicks(int n, int callers = 1) {
    for (int i = 0; i < n; ++i) {
      tick_ += 1.0;
      host_.SetToken(1, tick_);
      for (int c = 0; c < callers; ++c) MainUpdate();
    }
  }

  void SetGroundSpeedKt(double kt) { host_.SetToken(551, RawGivingQuotient(kt, kGsDivisor)); }

  // Heading true and magnetic, and a wind blowing from `from_rel_deg` relative to the nose.
  void SetHeadingAndWind(double hdg_true, double hdg_mag, double wind_kt, double from_rel_deg) {
    host_.SetToken(86, hdg_true);
    host_.SetToken(81, hdg_mag);
    host_.SetToken(343, wind_kt);
    host_.SetToken(344, hdg_true + from_rel_deg);
  }

  double tick_ = 100.0;
};

TEST_F(MainUpdateTest, LoadValuesBeforeTheFirstRun) {
  EXPECT_EQ(last_tick18, -999.0);
  EXPECT_EQ(last_clock_second, -99.0);
  EXPECT_EQ(plane_lat, 33.6229);
  EXPECT_EQ(plane_lon, -111.9104);
  EXPECT_EQ(mcp_knob_idle_ticks, 100);
}

TEST_F(MainUpdateTest, FirstCallAfterLoadRunsEvenWithTheCounterAtZero) {
  MainUpdate();
  EXPECT_EQ(last_tick18, 0.0);
  EXPECT_EQ(redraw_tick, 1);
  EXPECT_EQ(tick36_counter, 1);
}

TEST_F(MainUpdateTest, RunsOncePerTickWhicheverCallerComesFirst) {
  RunTicks(5, /*callers=*/4);
  EXPECT_EQ(redraw_tick, 5);
  EXPECT_EQ(tick36_counter, 5);
  EXPECT_EQ(tick18, tick_);
}

TEST_F(MainUpdateTest, LaterCallsOfATickTakeOnlyTheEveryCallSamples) {
  host_.SetToken(61, 200.0);
  host_.SetToken(82, 3.0);
  RunTicks(1);
  const double ias_first = ias;

  SetGroundSpeedKt(140.0);
  host_.SetExpression("(A:INDICATED ALTITUDE, feet)", 1500.0);
  host_.SetToken(82, 9.0);
  host_.SetToken(77, -4.0);
  MainUpdate();

  EXPECT_DOUBLE_EQ(ground_speed, 140.0);
  EXPECT_DOUBLE_EQ(plane_alt, 1500.0);
  EXPECT_GT(ias, ias_first);  // the filter stepped again towards 200
  EXPECT_DOUBLE_EQ(mag_var, 3.0);
  EXPECT_DOUBLE_EQ(plane_pitch, 0.0);
  EXPECT_EQ(redraw_tick, 1);
}

TEST_F(MainUpdateTest, PausedSimulatorMovesNoCounterOrTimer) {
  host_.SetToken(5, 10.0);
  RunTicks(3);
  host_.SetToken(5, 11.0);
  host_.SetToken(77, -6.0);
  for (int i = 0; i < 50; ++i) MainUpdate();
  EXPECT_EQ(redraw_tick, 3);
  EXPECT_EQ(tick36_counter, 3);
  EXPECT_EQ(last_clock_second, 10.0);
  EXPECT_EQ(alt_rate, 0.0);
}

TEST_F(MainUpdateTest, RedrawSlotWrapsFrom17ToZero) {
  RunTicks(17);
  EXPECT_EQ(redraw_tick, 17);
  RunTicks(1);
  EXPECT_EQ(redraw_tick, 0);
  redraw_tick = 14;  // a CDU key asks for a paint on the next tick
  RunTicks(1);
  EXPECT_EQ(redraw_tick, 15);
}

TEST_F(MainUpdateTest, GrossWeightIsRecomputedInTheRunThatWrapsTheSlowCounter) {
  host_.SetExpression("(A:EMPTY WEIGHT,pounds)", 100000.0);
  host_.SetExpression("(A:Payload Station Weight:1,pounds)", 20000.0);
  host_.SetExpression("(A:Payload Station Weight:20,pounds)", 500.0);
  RunTicks(35);
  EXPECT_EQ(tick36_counter, 35);
  EXPECT_EQ(gross_weight, 0.0);
  RunTicks(1);
  EXPECT_EQ(tick36_counter, 0);
  EXPECT_DOUBLE_EQ(gross_weight, 120500.0);

  host_.SetExpression("(A:EMPTY WEIGHT,pounds)", 110000.0);
  RunTicks(35);
  EXPECT_DOUBLE_EQ(gross_weight, 120500.0);
  RunTicks(1);
  EXPECT_DOUBLE_EQ(gross_weight, 130500.0);
}

TEST_F(MainUpdateTest, KnobIdleCountStopsAt100) {
  mcp_knob_idle_ticks = 97;
  RunTicks(2);
  EXPECT_EQ(mcp_knob_idle_ticks, 99);
  RunTicks(5);
  EXPECT_EQ(mcp_knob_idle_ticks, 100);
}

TEST_F(MainUpdateTest, GroundSpeedOfExactly25KtGivesNoWindTriangle) {
  SetHeadingAndWind(90.0, 80.0, 20.0, 90.0);
  SetGroundSpeedKt(25.0);
  RunTicks(1);
  ASSERT_EQ(ground_speed, 25.0);
  EXPECT_EQ(true_airspeed, 0.0);
  EXPECT_EQ(drift_angle, 0.0);
  EXPECT_EQ(plane_trk_mag, 80.0);
  EXPECT_NEAR(cross_wind, 20.0, 1e-9);
}

struct WindCase {
  const char* label;
  double hdg_mag;
  double wind_kt;
  double from_rel_deg;
  double expected_tas;
  double expected_trk;
};

class WindTriangle : public MainUpdateTest, public ::testing::WithParamInterface<WindCase> {};

TEST_P(WindTriangle, DerivesAirspeedAndTrackFromGroundSpeedAndWind) {
  const WindCase& c = GetParam();
  SetHeadingAndWind(c.hdg_mag + 10.0, c.hdg_mag, c.wind_kt, c.from_rel_deg);
  SetGroundSpeedKt(120.0);
  RunTicks(1);
  EXPECT_NEAR(true_airspeed, c.expected_tas, 1e-9);
  EXPECT_NEAR(plane_trk_mag, c.expected_trk, 1e-9);
  EXPECT_GE(plane_trk_mag, 0.0);
  EXPECT_LT(plane_trk_mag, 360.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindTriangle,
    ::testing::Values(
        WindCase{"Headwind", 100.0, 30.0, 0.0, 150.0, 100.0},
        // 10 kt from the right at 120 kt: 5 degrees of drift to the left, wrapping below 0.
        WindCase{"CrosswindWrapsBelowZero", 2.0, 10.0, 90.0, 120.0, 357.0},
        WindCase{"CrosswindWrapsAt360", 359.0, 10.0, -90.0, 120.0, 4.0},
        // Tailwind equal to the ground speed: no airspeed, so the track is the heading and no drift
        // is derived from a division by zero.
        WindCase{"TailwindEqualToGroundSpeed", 45.0, 120.0, 180.0, 0.0, 45.0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(MainUpdateTest, TailwindEqualToGroundSpeedLeavesNoDrift) {
  SetHeadingAndWind(0.0, 350.0, 120.0, 180.0);
  SetGroundSpeedKt(120.0);
  RunTicks(1);
  EXPECT_EQ(drift_angle, 0.0);
}

struct MachBugCase {
  const char* label;
  double ap_mach_on;
  double mach;
  bool follows_mach_bug;
};

class SpeedBugWithMachHold : public MainUpdateTest, public ::testing::WithParamInterface<MachBugCase> {};

TEST_P(SpeedBugWithMachHold, FollowsTheMachBugOnlyFromMach01) {
  const MachBugCase& c = GetParam();
  host_.SetToken(61, 280.0);
  host_.SetToken(116, 250.0);
  host_.SetToken(117, c.ap_mach_on);
  host_.SetToken(118, 0.8);
  host_.SetToken(64, c.mach * kMachWord);
  RunTicks(1);
  ASSERT_NEAR(plane_mach, c.mach, 1e-12);
  if (c.follows_mach_bug) {
    EXPECT_DOUBLE_EQ(ap_spdbug, ias / plane_mach * 0.8);
  } else {
    EXPECT_EQ(ap_spdbug, 250.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SpeedBugWithMachHold,
                         ::testing::Values(MachBugCase{"BelowMach01", 1.0, 0.099, false},
                                           MachBugCase{"AtCruiseMach", 1.0, 0.5, true},
                                           MachBugCase{"MachHoldOff", 0.0, 0.5, false}),
                         [](const auto& info) { return std::string(info.param.label); });

struct BankCase {
  double raw;
  double stored;
};

class BankDeadband : public MainUpdateTest, public ::testing::WithParamInterface<BankCase> {};

TEST_P(BankDeadband, StoresNearLevelBankAsZero) {
  host_.SetToken(80, GetParam().raw);  // the bank token of the default simulator generation
  RunTicks(1);
  EXPECT_EQ(plane_bank, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, BankDeadband,
                         ::testing::Values(BankCase{-0.03, 0.0}, BankCase{-0.035, -0.035},
                                           BankCase{0.0349, 0.0}, BankCase{0.035, 0.035},
                                           BankCase{-25.0, -25.0}));

TEST_F(MainUpdateTest, PitchChangeOverOneTickIsTheAltRate) {
  host_.SetToken(77, -2.0);
  RunTicks(1);
  host_.SetToken(77, -5.0);
  RunTicks(1);
  EXPECT_DOUBLE_EQ(alt_rate, -3.0);
}

TEST_F(MainUpdateTest, SamplesConvertIntoTheSharedState) {
  host_.SetToken(614, 1000.0);
  host_.SetToken(75, 1013.25);
  host_.SetToken(64, 0.8 * kMachWord);
  host_.SetToken(5, 42.0);
  host_.SetToken(65, 1300.48);
  RunTicks(1);
  EXPECT_NEAR(radio_height, 3280.8399 - 9.0, 1e-9);
  EXPECT_NEAR(baro_inhg, 29.92, 1e-12);
  EXPECT_NEAR(plane_mach, 0.8, 1e-12);
  EXPECT_NEAR(vert_speed, 1000.0, 1e-9);
  EXPECT_EQ(clock_second_b, 42.0);
  EXPECT_EQ(last_clock_second, 42.0);
}

TEST_F(MainUpdateTest, ResetRestoresTheDriverState) {
  host_.SetToken(71, 10.0 * 111130.555557);
  RunTicks(20);
  ResetModuleState();
  EXPECT_EQ(last_tick18, -999.0);
  EXPECT_EQ(redraw_tick, 0);
  EXPECT_EQ(tick36_counter, 0);
  EXPECT_EQ(plane_lat, 33.6229);
}

}  // namespace
