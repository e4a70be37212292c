#include "module/main_update.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "afds/afds_globals.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "support/sim_fixture.h"

namespace {

constexpr double kGsDivisor = 1.68781;                          // token 551 units per knot
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
  // Simulator ticks with `callers` gauges calling MainUpdate in each.
  void RunTicks(int n, int callers = 1) {
    for (int i = 0; i < n; ++i) {
      tick_ += 1.0;
      host_.SetToken(1, tick_);
      for (int c = 0; c < callers; ++c) MainUpdate();
    }
  }
  void SetGroundSpeedKt(double kt) { host_.SetToken(551, RawGivingQuotient(kt, kGsDivisor)); }

  double tick_ = 0.0;  // from the first call's tick: each tick one more, none skipped
};

TEST_F(MainUpdateTest, RunsOncePerTickWhicheverCallerComesFirstAndFirstCallEvenAtTickZero) {
  MainUpdate();  // token 1 still 0
  EXPECT_EQ(last_tick18, 0.0);
  EXPECT_EQ(redraw_tick, 1);
  RunTicks(5, /*callers=*/4);
  EXPECT_EQ(redraw_tick, 6);
  EXPECT_EQ(tick36_counter, 6);
  EXPECT_EQ(tick18, tick_);
  // The weight is summed when the 36-tick counter wraps.
  host_.SetExpression("(A:EMPTY WEIGHT,pounds)", 130000.0);
  host_.SetExpression("(A:Payload Station Weight:3,pounds)", 20000.0);
  RunTicks(29);
  EXPECT_EQ(gross_weight, 0.0);
  RunTicks(1);
  EXPECT_EQ(gross_weight, 150000.0);
}

TEST_F(MainUpdateTest, LaterCallsOfATickTakeOnlyTheEveryCallSamples) {
  host_.SetToken(82, 3.0);
  RunTicks(1);
  SetGroundSpeedKt(140.0);
  host_.SetExpression("(A:INDICATED ALTITUDE, feet)", 1500.0);
  host_.SetToken(82, 9.0);
  host_.SetToken(77, -4.0);
  MainUpdate();
  EXPECT_DOUBLE_EQ(ground_speed, 140.0);
  EXPECT_DOUBLE_EQ(plane_alt, 1500.0);
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

// A run stands for the ticks since the last one (a frame below 18 a second spans several): its
// counters and timers advance by them and every slot it passed counts as reached. A stall or a jump
// catches up one second at most; a counter that went back or moved by less than a tick counts one.
TEST_F(MainUpdateTest, ARunAdvancesByTheTicksElapsedWithinOneSecond) {
  const struct {
    double jump;
    int32_t ticks;
  } kCases[] = {{2.0, 2}, {3.0, 3}, {1000.0, 18}, {-40.0, 1}, {0.5, 1}, {1.0, 1}};
  RunTicks(16);  // redraw slot 16
  for (const auto& c : kCases) {
    const int32_t slot = redraw_tick, count36 = tick36_counter;
    chime_delay = 100;
    tick_ += c.jump;
    host_.SetToken(1, tick_);
    MainUpdate();
    EXPECT_EQ(chime_delay, 100 - c.ticks) << c.jump;
    EXPECT_EQ(redraw_tick, (slot + c.ticks) % 18) << c.jump;
    EXPECT_EQ(tick36_counter, (count36 + c.ticks) % 36) << c.jump;
    // Every slot the run passed paints the displays of a rate that has it (slot 0 alone for rate 1).
    EXPECT_EQ(IsRedrawTick(1), slot + c.ticks >= 18) << c.jump;
  }
}

// 10 kt from the right at 120 kt gives 5 degrees of drift to the left, wrapping below 0 or at 360.
// With no airspeed (a tailwind equal to the ground speed, or under 25 kt) the track is the heading
// and there is no drift from a division by zero.
TEST_F(MainUpdateTest, WindTriangleGivesAirspeedTrackAndDrift) {
  const struct {
    double gs, hdg_mag, wind_kt, from_rel_deg;
    double tas, trk, drift;
  } kCases[] = {{120.0, 2.0, 10.0, 90.0, 120.0, 357.0, 5.0},
                {120.0, 359.0, 10.0, -90.0, 120.0, 4.0, -5.0},
                {120.0, 45.0, 120.0, 180.0, 0.0, 45.0, 0.0},
                {25.0, 80.0, 20.0, 90.0, 0.0, 80.0, 0.0}};
  for (const auto& c : kCases) {
    host_.SetToken(86, c.hdg_mag + 10.0);
    host_.SetToken(81, c.hdg_mag);
    host_.SetToken(343, c.wind_kt);
    host_.SetToken(344, c.hdg_mag + 10.0 + c.from_rel_deg);
    SetGroundSpeedKt(c.gs);
    RunTicks(1);
    EXPECT_NEAR(true_airspeed, c.tas, 1e-9) << c.hdg_mag;
    EXPECT_NEAR(plane_trk_mag, c.trk, 1e-9) << c.hdg_mag;
    EXPECT_NEAR(drift_angle, c.drift, 1e-9) << c.hdg_mag;
  }
}

// Below Mach 0.1 the speed bug keeps the MCP speed rather than dividing by a Mach of about 0.
TEST_F(MainUpdateTest, SpeedBugFollowsTheMachBugOnlyFromMach01) {
  host_.SetToken(61, 280.0);
  host_.SetToken(116, 250.0);
  host_.SetToken(117, 1.0);
  host_.SetToken(118, 0.8);
  for (const auto& [mach, follows] : {std::pair{0.099, false}, std::pair{0.5, true}}) {
    host_.SetToken(64, mach * kMachWord);
    RunTicks(1);
    ASSERT_NEAR(plane_mach, mach, 1e-12);
    EXPECT_DOUBLE_EQ(ap_spdbug, follows ? ias / plane_mach * 0.8 : 250.0) << mach;
  }
}

TEST_F(MainUpdateTest, NearLevelBankIsStoredAsZero) {
  for (const auto& [raw, stored] : {std::pair{-0.03, 0.0}, std::pair{-0.035, -0.035}, std::pair{0.0349, 0.0},
                                    std::pair{0.035, 0.035}}) {
    host_.SetToken(80, raw);  // the bank token of the default simulator generation
    RunTicks(1);
    EXPECT_EQ(plane_bank, stored) << raw;
  }
}

}  // namespace
