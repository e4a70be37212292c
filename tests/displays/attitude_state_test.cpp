#include "displays/attitude_state.h"

#include <gtest/gtest.h>

#include "displays/eadi_fixture.h"

namespace {

using AttitudeStateTest = EadiTest;

TEST_F(AttitudeStateTest, BankBarStepsAThirdOfADegreeToTheClampedTarget) {
  plane_bank = 10.0;
  fd_bank_cmd = 30.7;  // target trunc(10 - 30) = -20
  StepFdCommandBars();
  EXPECT_DOUBLE_EQ(fd_roll_bar, -0.33);
  for (int i = 1; i < 60; ++i) StepFdCommandBars();
  EXPECT_NEAR(fd_roll_bar, -19.8, 1e-9);
  StepFdCommandBars();  // less than a step left: lands on the target
  EXPECT_EQ(fd_roll_bar, -20.0);
  plane_bank = 0.0;
  fd_bank_cmd = 40.0;
  for (int i = 0; i < 30; ++i) StepFdCommandBars();
  EXPECT_EQ(fd_roll_bar, -25.0);
}

struct PitchCase {
  double pitch, cmd, target;
};
class PitchTargetTest : public AttitudeStateTest, public ::testing::WithParamInterface<PitchCase> {};

// The bar shows the command less the attitude (both negative nose up) whatever their signs, so it
// centres only when the aircraft flies the command.
TEST_P(PitchTargetTest, BarSettlesOnTheCommandLessTheAttitude) {
  plane_pitch = GetParam().pitch;
  fd_pitch_cmd = GetParam().cmd;
  for (int i = 0; i < 200; ++i) StepFdCommandBars();
  EXPECT_NEAR(fd_pitch_bar, GetParam().target, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Eadi, PitchTargetTest,
                         ::testing::Values(PitchCase{-5.0, -8.0, -3.0}, PitchCase{-5.0, 2.0, 7.0},
                                           PitchCase{4.0, -1.0, -5.0}, PitchCase{-2.0, 2.0, 4.0}));

struct TakeoffCase {
  double radio_height;
  bool held;
};
class TakeoffHoldTest : public AttitudeStateTest, public ::testing::WithParamInterface<TakeoffCase> {};

TEST_P(TakeoffHoldTest, TakeoffModesHoldTheBarsUpTo10Feet) {
  to_roll_mode = to_pitch_mode = 1;
  radio_height = GetParam().radio_height;
  fd_bank_cmd = -20.0;
  fd_pitch_cmd = 2.0;
  StepFdCommandBars();
  EXPECT_EQ(fd_roll_bar, GetParam().held ? 0.0 : 0.33);
  EXPECT_EQ(fd_pitch_cmd, GetParam().held ? -8.0 : 2.0);
  EXPECT_DOUBLE_EQ(fd_pitch_bar, GetParam().held ? -0.11 : 0.11);
}

INSTANTIATE_TEST_SUITE_P(Eadi, TakeoffHoldTest, ::testing::Values(TakeoffCase{10.0, true}, TakeoffCase{10.1, false}));

TEST_F(AttitudeStateTest, SteadySpeedFromLoadGivesTheNewestSampleOverFourteenUntilTheHistoryFills) {
  SteadyAirspeed(150.0);
  StepIasTrend();
  EXPECT_EQ(pfd_ias_trend, 0.0);  // a sample counts from the next step on
  for (int paint = 2; paint <= 16; ++paint) {
    StepIasTrend();
    EXPECT_DOUBLE_EQ(pfd_ias_trend, 150.0 / 14.0) << paint;
  }
  EXPECT_DOUBLE_EQ(pfd_ias_trend_sum, 150.0);
  StepIasTrend();
  EXPECT_EQ(pfd_ias_trend, 0.0);
}

}  // namespace
