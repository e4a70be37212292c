#include "displays/eadi_format_b.h"

#include <gtest/gtest.h>

#include <string>

#include "displays/eadi_fixture.h"
#include "fmc/fmc_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

class FormatBTest : public EadiTest {
 protected:
  const gfx::Recording& PaintB() { return Paint(DrawEadiFormatB); }
};

TEST_F(FormatBTest, RoundWindowClipsTheSphereAndWithoutIrsOnlyTheBracketAndTrendRemain) {
  host_.SetToken(907, 5.0);
  PaintB();
  ASSERT_EQ(Ops(OpKind::Fill, kEadiSky).size(), 1u);
  const gfx::Op* sky = Ops(OpKind::Fill, kEadiSky)[0];
  ASSERT_TRUE(sky->clipped);
  EXPECT_NEAR(sky->clip_bounds.X, 48.0, 0.1);
  EXPECT_NEAR(sky->clip_bounds.Y, 26.0, 0.1);
  EXPECT_NEAR(sky->clip_bounds.Width, 120.0, 0.2);
  EXPECT_TRUE(Ops(OpKind::Stroke, kAmber)[0]->clipped);  // the bracket too

  irs_r_anun_mode = 2;
  host_.SetToken(792, 1);
  to_pitch_mode = 1;
  fd_pitch_cmd = 3.0;
  SteadyAirspeed(180.0);
  PaintB();
  EXPECT_TRUE(Ops(OpKind::Fill, kEadiSky).empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kBlack).empty());  // no window outline
  ASSERT_EQ(Ops(OpKind::Stroke, kAmber).size(), 10u);
  EXPECT_FALSE(Ops(OpKind::Stroke, kAmber)[0]->clipped);
  EXPECT_EQ(fd_pitch_cmd, 3.0);
  EXPECT_EQ(pfd_ias_hist[0], 180.0);
}

struct PointerCase {
  double error_kt;  // MCP speed less airspeed
  bool shown;
  double centre_y;
};
class SpeedPointerTest : public FormatBTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(SpeedPointerTest, PointerSinksAsTheSpeedFallsBelowTheBug) {
  ias = 200.0;
  ap_spdbug = 200.0 + GetParam().error_kt;
  PaintB();
  ASSERT_EQ(Ops(OpKind::Stroke, kMagenta).size(), GetParam().shown ? 1u : 0u);
  if (GetParam().shown) {
    EXPECT_NE(StrokeCentredAt(kMagenta, -86.0, GetParam().centre_y), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Eadi, SpeedPointerTest,
                         ::testing::Values(PointerCase{50.0, false, 0.0}, PointerCase{49.9, true, 39.0},
                                           PointerCase{-49.9, true, -39.0}));

struct MarkerCase {
  const char* name;
  int32_t show;
  double ias, radio_height;
  int32_t v1, vr, vref;
  int32_t v1_after;
  const char* text;  // drawn at (x, y) about the centre; null: no V-speed text at all
  double x, y;
};
class VSpeedTest : public FormatBTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(VSpeedTest, SpeedMarkersAndReadouts) {
  const MarkerCase& c = GetParam();
  ShowRoundEadiVSpeeds = c.show;
  ias = ap_spdbug = c.ias;
  radio_height = c.radio_height;
  v1 = c.v1;
  vr = c.vr;
  vref = c.vref;
  PaintB();
  EXPECT_EQ(v1, c.v1_after);
  if (c.text == nullptr) {
    EXPECT_TRUE(Ops(OpKind::Text, kAmber).empty());
    EXPECT_TRUE(TextsAt("REF").empty() && TextsAt("REF 140").empty());
  } else {
    EXPECT_TRUE(TextNear(c.text, c.x, c.y));
  }
}

// A marker for V sits at trunc(trunc(ias - V) / 1.25), its label 3 units higher.
const MarkerCase kMarkerCases[] = {
    {"VrFillsV1AndShowsR", 1, 100.0, 0.0, 0, 140, 0, 140, "R", -78.0, -32.0 - 3.0},
    {"DistinctV1ShowsV1", 1, 100.0, 0.0, 135, 140, 0, 135, "V1", -78.0, -28.0 - 3.0},
    {"FarV1AboveShowsItsValue", 1, 60.0, 0.0, 135, 145, 0, 135, "V1 135", -92.0, -48.0},
    {"FarV1NotShownFrom30Feet", 1, 60.0, 30.0, 135, 145, 0, 135, nullptr, 0.0, 0.0},
    {"MarkersOffNoCopy", 0, 100.0, 0.0, 0, 140, 0, 0, nullptr, 0.0, 0.0},
    {"NoRefAt300Feet", 1, 150.0, 300.0, 0, 0, 140, 0, nullptr, 0.0, 0.0},
    {"NoRefAt4000Feet", 1, 150.0, 4000.0, 0, 0, 140, 0, nullptr, 0.0, 0.0},
    {"RefMarker", 1, 150.0, 301.0, 0, 0, 140, 0, "REF", -78.0, 8.0 - 3.0},
    {"FarRefBelow", 1, 250.0, 3999.0, 0, 0, 140, 0, "REF 140", -92.0, 35.0},
};

INSTANTIATE_TEST_SUITE_P(Eadi, VSpeedTest, ::testing::ValuesIn(kMarkerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatBTest, UpperLayoutMovesTheRadioTextsDown) {
  radio_height = 100.0;
  EadiFMA = 2;
  PaintB();
  EXPECT_TRUE(TextNear("DH  0", 78.0, 63.0));
  EXPECT_TRUE(TextNear("  100", 80.0, 76.0));
  EadiFMA = 0;
  PaintB();
  EXPECT_TRUE(TextNear("  100", 78.0, -66.0));
}

}  // namespace
