// The two EADI formats and the shared command-bar state they advance.
#include <gtest/gtest.h>

#include <tuple>

#include "displays/attitude_state.h"
#include "displays/display_fixtures.h"
#include "displays/eadi_format_a.h"
#include "displays/eadi_format_b.h"
#include "fmc/fmc_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

// The bank target is trunc(bank - trunc(command)) within 25 either side, the pitch target the command
// less the attitude (both negative nose up, whatever their signs); a part step lands on the target.
TEST_F(EadiTest, CommandBarsStepTowardTheirTargets) {
  std::tie(plane_bank, fd_bank_cmd, plane_pitch, fd_pitch_cmd) = std::tuple(10.0, 30.7, -2.0, 2.0);
  StepFdCommandBars();
  EXPECT_DOUBLE_EQ(fd_roll_bar, -0.33);
  EXPECT_DOUBLE_EQ(fd_pitch_bar, 0.11);
  for (int i = 1; i < 60; ++i) StepFdCommandBars();
  EXPECT_NEAR(fd_roll_bar, -19.8, 1e-9);
  StepFdCommandBars();
  EXPECT_EQ(fd_roll_bar, -20.0);
  EXPECT_NEAR(fd_pitch_bar, 4.0, 1e-9);
  std::tie(plane_bank, fd_bank_cmd) = std::pair(0.0, 40.0);
  for (int i = 0; i < 16; ++i) StepFdCommandBars();
  EXPECT_EQ(fd_roll_bar, -25.0);
  // Take-off modes hold the bars up to 10 ft radio height.
  to_roll_mode = to_pitch_mode = 1;
  for (const auto& [radio_ft, held] : {std::pair{10.0, true}, {10.1, false}}) {
    radio_height = radio_ft;
    std::tie(fd_pitch_cmd, fd_roll_bar, fd_pitch_bar, plane_pitch) = std::tuple(2.0, 0.0, 0.0, 0.0);
    StepFdCommandBars();
    EXPECT_EQ(fd_roll_bar, held ? 0.0 : -0.33) << radio_ft;
    EXPECT_EQ(fd_pitch_cmd, held ? -8.0 : 2.0) << radio_ft;
    EXPECT_DOUBLE_EQ(fd_pitch_bar, held ? -0.11 : 0.11) << radio_ft;
  }
}

// The bars step on each paint while the director shows; without the IRS or the director, no sphere,
// no bars and no steps.
TEST_F(EadiTest, FormatACommandBarsStepOnlyWhileShown) {
  SetToken(792, 1);
  fd_bank_cmd = 20.0;   // bank target -20
  fd_pitch_cmd = -5.0;  // pitch target -5
  ap_spdbug = 100.0;    // digits, not marker lines
  irs_c_anun_mode = 0;
  Paint(DrawEadiFormatA);
  EXPECT_TRUE(Ops(OpKind::Fill, kEadiSky).empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kMagenta).empty());
  EXPECT_EQ(fd_roll_bar, 0.0);
  irs_c_anun_mode = 3;
  for (int i = 0; i < 30; ++i) Paint(DrawEadiFormatA);
  EXPECT_NEAR(fd_roll_bar, -9.9, 1e-9);
  EXPECT_NE(StrokeCentredAt(kMagenta, -17.0, 0.0), nullptr);  // trunc(1.8 x -9.9)
  SetToken(792, 0);
  Paint(DrawEadiFormatA);
  EXPECT_NEAR(fd_roll_bar, -9.9, 1e-9);
  EXPECT_EQ(StrokeCentredAt(kMagenta, -17.0, 0.0), nullptr);
}

// DH and the radio altitude up to 2500 ft, in tens above 10 ft.
TEST_F(EadiTest, FormatARadioAltitudeReadouts) {
  for (const auto& [radio_ft, ra_text] : {std::pair{2500.5, ""}, {2500.0, " 2500"}, {10.0, "  10"}, {123.0, "  120"}}) {
    radio_height = radio_ft;
    Paint(DrawEadiFormatA);
    EXPECT_EQ(TextNear("DH  0", 68.0, 63.0), *ra_text != '\0') << radio_ft;
    EXPECT_TRUE(*ra_text == '\0' || TextNear(ra_text, 68.0, 76.0)) << radio_ft;
  }
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
                        {1, 100.0, 50.0, 0, 140, 0, 140, "R", -78.0, -35.0},
                        {1, 100.0, 0.0, 0, 150, 0, 150, "VR 150", -92.0, -48.0},  // 50 kt off: no marker
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
