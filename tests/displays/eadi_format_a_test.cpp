#include "displays/eadi_format_a.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "displays/eadi_fixture.h"

namespace {

using gfx::OpKind;

class FormatATest : public EadiTest {
 protected:
  const gfx::Recording& PaintA() { return Paint(DrawEadiFormatA); }
  // Texts drawn in the font of `em_size`.
  std::vector<std::string> TextsOfSize(float em_size) const {
    std::vector<std::string> out;
    for (const gfx::Op* op : rec_.TextOps()) {
      if (rec_.TextOf(*op)->em_size == em_size) out.push_back(rec_.TextOf(*op)->text);
    }
    return out;
  }
};

TEST_F(FormatATest, TenDegreesNoseUpPutsTheHorizonThirtyUnitsDown) {
  plane_pitch = -10.0;
  PaintA();
  int horizons = 0;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kWhite)) {
    if (op->bounds.Width < 200.0f) continue;
    ++horizons;
    EXPECT_NEAR(op->bounds.Y - 86.0, 30.0, 0.05);
  }
  EXPECT_EQ(horizons, 1);
  const auto tens = TextsAt("10");
  ASSERT_EQ(tens.size(), 4u);  // both sides of both "10" lines
  EXPECT_NEAR(tens[0].Y, -5.0, 0.05);
  EXPECT_NEAR(tens[2].Y, 55.0, 0.05);  // the nose-down "10" line 60 units below the centre
  EXPECT_NEAR(tens[2].X, 20.0, 0.05);
  EXPECT_NEAR(tens[3].X, -35.0, 0.05);
}

TEST_F(FormatATest, WithoutIrsOnlyTheFixedPartsAreDrawnAndTheBarsStay) {
  irs_c_anun_mode = 0;
  host_.SetToken(792, 1);
  host_.SetToken(907, 10.0);  // flaps out
  to_pitch_mode = 1;
  fd_bank_cmd = 20.0;
  fd_pitch_cmd = 3.0;
  fd_pitch_bar = 1.5;
  ap_spdbug = 100.0;  // digits, not marker lines
  PaintA();
  EXPECT_TRUE(Ops(OpKind::Fill, kEadiSky).empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kMagenta).empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kAmber).empty());
  EXPECT_EQ(fd_roll_bar, 0.0);
  EXPECT_EQ(fd_pitch_bar, 1.5);
  EXPECT_EQ(fd_pitch_cmd, 3.0);
  const auto black_fills = Ops(OpKind::Fill, kBlack);
  ASSERT_EQ(black_fills.size(), 4u);  // the symbol's three parts and the readout box
  EXPECT_FALSE(black_fills[0]->clipped);
  EXPECT_EQ(Ops(OpKind::Stroke, kBlack).size(), 4u);  // the border
}

TEST_F(FormatATest, CommandBarsStepTowardsTheCommandsOnEachPaint) {
  host_.SetToken(792, 1);
  fd_bank_cmd = 20.0;   // bank target -20
  fd_pitch_cmd = -5.0;  // pitch target -5
  for (int i = 0; i < 30; ++i) PaintA();
  EXPECT_NEAR(fd_roll_bar, -9.9, 1e-9);
  EXPECT_NEAR(fd_pitch_bar, -3.3, 1e-9);
  EXPECT_NE(StrokeCentredAt(kMagenta, 0.0, -9.0), nullptr);  // trunc(3 x -3.3)
  const gfx::Op* roll_bar = StrokeCentredAt(kMagenta, -17.0, 0.0);  // trunc(1.8 x -9.9)
  ASSERT_NE(roll_bar, nullptr);
  // Clipped to the circle of radius 65 with sides flat from the 210 and 330 degree points.
  ASSERT_TRUE(roll_bar->clipped);
  EXPECT_NEAR(roll_bar->clip_bounds.X, 108.0 - 65.0 * std::cos(M_PI / 6.0), 0.1);
  EXPECT_NEAR(roll_bar->clip_bounds.Width, 130.0 * std::cos(M_PI / 6.0), 0.2);
  EXPECT_NEAR(roll_bar->clip_bounds.Height, 130.0, 0.2);
  EXPECT_TRUE(Ops(OpKind::Fill, kBlack)[0]->clipped);  // the aircraft symbol too

  host_.SetToken(792, 0);  // flight director off: no bars, no stepping
  PaintA();
  EXPECT_NEAR(fd_roll_bar, -9.9, 1e-9);
  EXPECT_EQ(StrokeCentredAt(kMagenta, -17.0, 0.0), nullptr);
}

struct BracketCase {
  double flaps_deg;
  double token349;
  double base_y;  // of the brackets' feet; no bracket with the flaps up
};
class FlapBracketTest : public FormatATest, public ::testing::WithParamInterface<BracketCase> {};

TEST_P(FlapBracketTest, BracketFeetFollowToken349) {
  host_.SetToken(907, GetParam().flaps_deg);
  host_.SetToken(349, GetParam().token349);
  PaintA();
  const auto amber = Ops(OpKind::Stroke, kAmber);
  ASSERT_EQ(amber.size(), GetParam().flaps_deg > 0.0 ? 10u : 0u);
  double lowest = GetParam().flaps_deg > 0.0 ? -1e9 : 0.0;
  for (const gfx::Op* op : amber) lowest = std::max(lowest, op->bounds.GetBottom() - 86.0);
  EXPECT_NEAR(lowest, GetParam().base_y, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Eadi, FlapBracketTest,
                         ::testing::Values(BracketCase{5.0, 0.0, 37.0}, BracketCase{5.0, 12500.0, -3.0},
                                           BracketCase{5.0, 25000.0, -40.0}, BracketCase{5.0, 40000.0, -40.0},
                                           BracketCase{0.0, 12500.0, 0.0}));

struct ReadoutCase {
  double mach, radio_height;
  const char* mach_text;  // "" when none
  const char* ra_text;    // "" when neither DH nor the radio altitude shows
};
class ReadoutTest : public FormatATest, public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(ReadoutTest, MachFromPoint4AndRadioTextsUpTo2500Feet) {
  const ReadoutCase& c = GetParam();
  plane_mach = c.mach;
  radio_height = c.radio_height;
  PaintA();
  const auto mach = TextsOfSize(15.0f);
  ASSERT_EQ(mach.size(), *c.mach_text == '\0' ? 0u : 1u);
  if (!mach.empty()) {
    EXPECT_TRUE(TextNear(c.mach_text, -106.0, 69.0));
  }
  if (*c.ra_text == '\0') {
    EXPECT_EQ(TextsOfSize(9.0f).size(), 2u);  // "GS" and the ground speed only
  } else {
    EXPECT_TRUE(TextNear("DH  0", 68.0, 63.0));
    EXPECT_TRUE(TextNear(c.ra_text, 68.0, 76.0));
  }
}

// Just below Mach 1.0 the short form would round to ".1000".
INSTANTIATE_TEST_SUITE_P(Eadi, ReadoutTest,
                         ::testing::Values(ReadoutCase{0.399, 2500.5, "", ""}, ReadoutCase{0.785, 2500.0, ".785", " 2500"},
                                           ReadoutCase{0.9994, 10.0, ".999", "  10"},
                                           ReadoutCase{0.9996, 123.0, "1.000", "  120"},
                                           ReadoutCase{1.0, 0.0, "1.000", "   0"}));

}  // namespace
