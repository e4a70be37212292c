// The two EADI formats and the command-bar and airspeed-trend state they advance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "displays/attitude_state.h"
#include "displays/display_fixtures.h"
#include "displays/eadi_format_a.h"
#include "displays/eadi_format_b.h"
#include "fmc/fmc_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

// --- shared state ---

TEST_F(EadiTest, BankBarStepsAThirdOfADegreeToTheClampedTarget) {
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

// The pitch bar shows the command less the attitude (both negative nose up) whatever their signs,
// so it centres only when the aircraft flies the command.
TEST_F(EadiTest, PitchBarSettlesOnTheCommandLessTheAttitude) {
  for (const auto& [pitch, cmd, target] :
       {std::tuple{-5.0, -8.0, -3.0}, {-2.0, 2.0, 4.0}}) {
    plane_pitch = pitch;
    fd_pitch_cmd = cmd;
    for (int i = 0; i < 200; ++i) StepFdCommandBars();
    EXPECT_NEAR(fd_pitch_bar, target, 1e-9) << pitch << " " << cmd;
  }
}

TEST_F(EadiTest, TakeoffModesHoldTheBarsUpTo10Feet) {
  to_roll_mode = to_pitch_mode = 1;
  fd_bank_cmd = -20.0;
  for (const auto& [radio_ft, held] : {std::pair{10.0, true}, {10.1, false}}) {
    radio_height = radio_ft;
    fd_pitch_cmd = 2.0;
    fd_roll_bar = fd_pitch_bar = 0.0;
    StepFdCommandBars();
    EXPECT_EQ(fd_roll_bar, held ? 0.0 : 0.33) << radio_ft;
    EXPECT_EQ(fd_pitch_cmd, held ? -8.0 : 2.0) << radio_ft;
    EXPECT_DOUBLE_EQ(fd_pitch_bar, held ? -0.11 : 0.11) << radio_ft;
  }
}

TEST_F(EadiTest, SteadySpeedFromLoadGivesTheNewestSampleOverFourteenUntilTheHistoryFills) {
  SteadyAirspeed(150.0);
  StepIasTrend();
  EXPECT_EQ(pfd_ias_trend, 0.0);  // a sample counts from the next step on
  for (int paint = 2; paint <= 16; ++paint) {
    StepIasTrend();
    EXPECT_DOUBLE_EQ(pfd_ias_trend, 150.0 / 14.0) << paint;
  }
  StepIasTrend();
  EXPECT_EQ(pfd_ias_trend, 0.0);
}

// --- format A ---

// Without the IRS no sphere and no bars, and the command state is left as it is.
TEST_F(EadiTest, FormatAWithoutIrsLeavesTheCommandBarsAlone) {
  irs_c_anun_mode = 0;
  SetToken(792, 1);
  to_pitch_mode = 1;
  std::tie(fd_bank_cmd, fd_pitch_cmd, fd_pitch_bar) = std::tuple(20.0, 3.0, 1.5);
  ap_spdbug = 100.0;  // digits, not marker lines
  Paint(DrawEadiFormatA);
  EXPECT_TRUE(Ops(OpKind::Fill, kEadiSky).empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kMagenta).empty());
  EXPECT_EQ(fd_roll_bar, 0.0);
  EXPECT_EQ(fd_pitch_bar, 1.5);
  EXPECT_EQ(fd_pitch_cmd, 3.0);
}

// The bars step on each paint while the director shows; with it off, no bars and no steps.
TEST_F(EadiTest, FormatACommandBarsStepOnEachPaintWhileShown) {
  SetToken(792, 1);
  fd_bank_cmd = 20.0;   // bank target -20
  fd_pitch_cmd = -5.0;  // pitch target -5
  for (int i = 0; i < 30; ++i) Paint(DrawEadiFormatA);
  EXPECT_NEAR(fd_roll_bar, -9.9, 1e-9);
  EXPECT_NE(StrokeCentredAt(kMagenta, -17.0, 0.0), nullptr);  // trunc(1.8 x -9.9)
  SetToken(792, 0);
  Paint(DrawEadiFormatA);
  EXPECT_NEAR(fd_roll_bar, -9.9, 1e-9);
  EXPECT_EQ(StrokeCentredAt(kMagenta, -17.0, 0.0), nullptr);
}

// Mach from 0.4, spelt out where the short form would round to ".1000"; DH and the radio altitude
// up to 2500 ft, in tens above 10 ft.
TEST_F(EadiTest, FormatAMachAndRadioAltitudeReadouts) {
  for (const auto& [mach, radio_ft, mach_text, ra_text] :
       {std::tuple{0.399, 2500.5, "", ""}, {0.785, 2500.0, ".785", " 2500"}, {0.9994, 10.0, ".999", "  10"},
        {0.9996, 123.0, "1.000", "  120"}}) {
    plane_mach = mach;
    radio_height = radio_ft;
    Paint(DrawEadiFormatA);
    int mach_texts = 0;
    for (const gfx::Op* op : rec_.TextOps()) mach_texts += rec_.TextOf(*op)->em_size == 15.0f;
    EXPECT_EQ(mach_texts, *mach_text == '\0' ? 0 : 1) << mach;
    EXPECT_TRUE(*mach_text == '\0' || TextNear(mach_text, -106.0, 69.0)) << mach;
    EXPECT_EQ(TextNear("DH  0", 68.0, 63.0), *ra_text != '\0') << radio_ft;
    EXPECT_TRUE(*ra_text == '\0' || TextNear(ra_text, 68.0, 76.0)) << radio_ft;
  }
}

// --- format B ---

// Without the IRS the command state is untouched while the airspeed trend is still stepped.
TEST_F(EadiTest, FormatBWithoutIrsStillStepsTheAirspeedTrend) {
  irs_r_anun_mode = 2;
  SetToken(792, 1);
  to_pitch_mode = 1;
  fd_pitch_cmd = 3.0;
  SteadyAirspeed(180.0);
  Paint(DrawEadiFormatB);
  EXPECT_TRUE(Ops(OpKind::Fill, kEadiSky).empty());
  EXPECT_EQ(fd_pitch_cmd, 3.0);
  EXPECT_EQ(pfd_ias_hist[0], 180.0);
}

// V-speed markers (when shown) at trunc(trunc(ias - V) / 1.25) with the label 3 units higher; V1
// left at 0 takes VR. Far speeds show as readouts; REF only from 301 to 3999 ft.
TEST_F(EadiTest, FormatBSpeedMarkersAndReadouts) {
  struct Case {
    int32_t show;
    double ias, radio_ft;
    int32_t v1, vr, vref, v1_after;
    const char* text;  // at (x, y) about the centre; null: no V-speed text at all
    double x, y;
  };
  const Case cases[] = {{1, 100.0, 0.0, 0, 140, 0, 140, "R", -78.0, -35.0},
                        {1, 60.0, 0.0, 135, 145, 0, 135, "V1 135", -92.0, -48.0},
                        {1, 60.0, 30.0, 135, 145, 0, 135, nullptr, 0.0, 0.0},
                        {0, 100.0, 0.0, 0, 140, 0, 0, nullptr, 0.0, 0.0},  // hidden: V1 stays unset
                        {1, 150.0, 300.0, 0, 0, 140, 0, nullptr, 0.0, 0.0},
                        {1, 150.0, 301.0, 0, 0, 140, 0, "REF", -78.0, 5.0},
                        {1, 150.0, 4000.0, 0, 0, 140, 0, nullptr, 0.0, 0.0}};
  for (const Case& c : cases) {
    ShowRoundEadiVSpeeds = c.show;
    ias = ap_spdbug = c.ias;
    std::tie(radio_height, v1, vr, vref) = std::tuple(c.radio_ft, c.v1, c.vr, c.vref);
    Paint(DrawEadiFormatB);
    EXPECT_EQ(v1, c.v1_after) << c.ias << " " << c.radio_ft;
    if (c.text != nullptr) {
      EXPECT_TRUE(TextNear(c.text, c.x, c.y)) << c.text;
      continue;
    }
    EXPECT_TRUE(Ops(OpKind::Text, kAmber).empty()) << c.ias << " " << c.radio_ft;
    EXPECT_TRUE(TextsAt("REF").empty() && TextsAt("REF 140").empty()) << c.ias << " " << c.radio_ft;
  }
}

}  // namespace
