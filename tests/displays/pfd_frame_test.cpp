#include "displays/pfd_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "displays/pfd_fixture.h"
#include "frame/display_surface.h"
#include "platform/gfx/gfx_test_surface.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

struct FrameCase {
  int w, h;
};

class PfdFrameSizes : public PfdTest, public ::testing::WithParamInterface<FrameCase> {};

// Canvas texts land at (centre + offset) x (sx, sy); fine texts at their truncated fine units; a
// fine font shows at n sy pixels whatever the width, a canvas one is stretched with the canvas.
TEST_P(PfdFrameSizes, TextsFollowTheirFrames) {
  const FrameCase c = GetParam();
  ap_master = 1.0;
  ias = 250.0;
  Paint(c.w, c.h);
  const double sx = c.w / 318.0, sy = c.h / 232.0;
  EXPECT_DOUBLE_EQ(frame_.k, c.h / (16.0 * (c.w + c.h)));
  EXPECT_TEXT_AT(Text("CMD"), (159 + 60) * sx, (132 - 130) * sy);
  const gfx::RecordedText* readout = Text("250");
  EXPECT_TEXT_AT(readout, FineX(-155), FineY(-8));
  EXPECT_NEAR(readout->device_em_size, 15.0 * sy, 1e-3);
  EXPECT_NEAR(Text("CMD")->device_em_size, 9.0 * std::sqrt(sx * sy), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PfdFrameSizes, ::testing::Values(FrameCase{318, 232}, FrameCase{636, 232},
                                                                 FrameCase{477, 464}));

// The attitude clip (the rounded rectangle) comes first; the ladder's arched clip follows the sky.
TEST_F(PfdTest, ClipShapesSpanTheirOutlines) {
  Paint();
  std::vector<const gfx::Op*> clips;
  for (const gfx::Op& op : rec_.ops()) {
    if (op.kind == OpKind::SetClip) clips.push_back(&op);
  }
  ASSERT_GE(clips.size(), 2u);
  const gfx::RectF att = clips[0]->bounds;
  EXPECT_NEAR(att.X, 159 - 82, 0.01);
  EXPECT_NEAR(att.Y, 132 - 80, 0.01);
  EXPECT_NEAR(att.Width, 164, 0.01);
  EXPECT_NEAR(att.Height, 160, 0.01);
  const gfx::RectF ladder = clips[1]->bounds;
  EXPECT_NEAR(ladder.Y, 132 - 65, 0.05);  // the top of the ellipse (sampled curve)
  EXPECT_NEAR(ladder.GetBottom(), 132 + 75, 0.01);
  EXPECT_NEAR(ladder.X, 159 - 82.3, 0.1);  // where the arc starts, at 192 degrees
  EXPECT_NEAR(ladder.GetRight(), 159 + 82, 0.01);
}

TEST_F(PfdTest, WithoutAlignedIrsTheSphereIsBlankButTheRestIsDrawn) {
  irs_c_anun_mode = 2;
  ias = 250.0;
  Paint();
  EXPECT_TRUE(Ops(OpKind::Fill, kPfdSky).empty());
  EXPECT_TRUE(Ops(OpKind::Fill, kPfdGround).empty());
  EXPECT_EQ(CountText("10"), 0);
  EXPECT_TRUE(Ops(OpKind::Stroke, 0xFF000000u).empty());  // no attitude outline
  EXPECT_GE(Ops(OpKind::Fill, 0xFF000000u).size(), 1u);  // the aircraft symbol
  EXPECT_NE(Text("250"), nullptr);
  EXPECT_EQ(Ops(OpKind::Fill, kPfdWhite).size(), 1u);  // the bank scale's zero triangle
}

// Pitch ladder lines of the scale pen, under the ladder clip.
std::vector<const gfx::Op*> LadderStrokes(const gfx::Recording& rec) {
  std::vector<const gfx::Op*> out;
  const gfx::Op* ladder_clip = nullptr;
  int clips = 0;
  for (const gfx::Op& op : rec.ops()) {
    if (op.kind == OpKind::SetClip && ++clips == 2) ladder_clip = &op;
    if (ladder_clip == nullptr || op.kind != OpKind::Stroke || op.color != kPfdWhite) continue;
    if (!op.clipped || std::fabs(op.clip_bounds.Y - ladder_clip->bounds.Y) > 0.01) continue;
    if (std::fabs(op.device_pen_width - 1.0f) > 1e-3f) continue;  // not the symbol's thick outline
    out.push_back(&op);
  }
  return out;
}

TEST_F(PfdTest, LadderAtTenDegreesNoseUpLevel) {
  plane_pitch = -10.0;
  Paint();
  const double y0 = 30.0;
  const auto lines = LadderStrokes(rec_);
  ASSERT_EQ(lines.size(), 1u + 9u * 2u + 9u * 4u);
  const auto horizon = Points(lines[0]);
  EXPECT_NEAR(horizon[0].x, FineX(-130), 0.01);
  EXPECT_NEAR(horizon[0].y, FineY(y0), 0.01);
  EXPECT_NEAR(horizon[1].x, FineX(130), 0.01);
  // Every tenth degree labelled twice on each side of the horizon, without a sign below it.
  for (int i = 10; i <= 90; i += 10) EXPECT_EQ(CountText(std::to_string(i)), 4) << i;
  for (const std::string& t : TextsIn(-82, -80, 82, 80)) EXPECT_NE(t[0], '-') << t;
  // The 10-degree pair: the upper bar on the centre line, its right label at (33, -5).
  std::vector<const gfx::RecordedText*> tens;
  for (const gfx::Op* op : rec_.TextOps()) {
    if (rec_.TextOf(*op)->text == "10") tens.push_back(rec_.TextOf(*op));
  }
  EXPECT_TEXT_AT(tens[0], FineX(33), FineY(y0 - 30 - 5));
  EXPECT_TEXT_AT(tens[1], FineX(-48), FineY(y0 - 30 - 5));
  EXPECT_TEXT_AT(tens[2], FineX(33), FineY(y0 + 30 - 5));
}

TEST_F(PfdTest, LadderTurnsWithTheBank) {
  plane_bank = 90.0;
  Paint();
  const auto horizon = Points(LadderStrokes(rec_)[0]);
  // Rotated a quarter turn clockwise about the centre: the horizon stands upright.
  EXPECT_NEAR(horizon[0].x, 159.0, 1e-3);
  EXPECT_NEAR(horizon[1].x, 159.0, 1e-3);
  EXPECT_NEAR(horizon[0].y, 132.0 + frame_.k * TruncToI32(-130 * frame_.fx), 1e-3);
}

TEST_F(PfdTest, LadderEndsAtNinetyDegrees) {
  plane_pitch = -90.0;  // horizon 270 units down
  Paint();
  const auto lines = LadderStrokes(rec_);
  ASSERT_EQ(lines.size(), 55u);
  // The last pair: -32..32 at 270 units either side of the horizon, which puts the upper one on the
  // centre line.
  const auto last_up = Points(lines[lines.size() - 2]);
  EXPECT_NEAR(last_up[0].y, FineY(0), 0.01);
  EXPECT_NEAR(Points(lines.back())[0].y, FineY(540), 0.01);
}

// At 90 degrees of bank the sky and ground still cover the whole sphere: every sampled pixel inside
// the rounded clip is painted (none is the black background), away from the aircraft symbol.
TEST_F(PfdTest, SkyAndGroundFillTheSphereAtNinetyDegreesBank) {
  for (double bank : {90.0, -90.0, 45.0}) {
    plane_bank = bank;
    plane_pitch = 20.0;
    gfx_test::TestSurface s(318, 232, true, false);
    DisplaySurface surface{318, 232};
    gfx::Graphics g(s.dc());
    DrawFpPfd(&surface, &g);
    for (int y = -72; y <= 72; y += 4) {
      for (int x = -74; x <= 74; x += 4) {
        if (std::abs(x) <= 44 && y >= -4 && y <= 18) continue;  // the aircraft symbol
        const uint32_t p = s.At(159 + x, 132 + y);
        EXPECT_NE(p, 0xFF000000u) << bank << " at " << x << ", " << y;
        EXPECT_EQ(p >> 24, 0xFFu) << bank << " at " << x << ", " << y;
      }
    }
  }
}

struct BracketCase {
  double token349;
  double base_y;
};

class PfdBracket : public PfdTest, public ::testing::WithParamInterface<BracketCase> {};

TEST_P(PfdBracket, BaseFollowsToken349UpToItsTop) {
  SetToken(907, 5.0);  // flaps out
  SetToken(349, GetParam().token349);
  Paint();
  const auto amber = Ops(OpKind::Stroke, kPfdAmber);
  ASSERT_EQ(amber.size(), 10u);  // both halves: stroke, bar and three hatches
  const auto first = Points(amber[0]);
  EXPECT_NEAR(first[0].x, FineX(-30), 0.01);
  EXPECT_NEAR(first[0].y, FineY(GetParam().base_y), 0.01);
  EXPECT_NEAR(first[1].y, FineY(GetParam().base_y - 5), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Inputs, PfdBracket,
                         ::testing::Values(BracketCase{0.0, 37.0}, BracketCase{12500.0, -3.0},
                                           BracketCase{25000.0, -40.0}, BracketCase{90000.0, -40.0}));

TEST_F(PfdTest, NoBracketWithTheFlapsUp) {
  SetToken(349, 12500.0);
  Paint();
  EXPECT_TRUE(Ops(OpKind::Stroke, kPfdAmber).empty());
}

// The bank scale sits still; the pointer and the slip box turn with the bank, the box offset by the
// slip (token 69 / 15.875).
TEST_F(PfdTest, BankScaleStaysWhilePointerAndSlipTurn) {
  plane_bank = 30.0;
  SetToken(69, 15.875 * 4);
  Paint();
  const auto white_fills = Ops(OpKind::Fill, kPfdWhite);
  ASSERT_EQ(white_fills.size(), 1u);
  const auto tri = Points(white_fills[0]);
  EXPECT_NEAR(tri[0].x, 159.0, 1e-3);
  EXPECT_NEAR(tri[0].y, 132.0 - 70.0, 1e-3);
  // The pointer's tip (0, -70) and the slip box's corner (4 - 5, -62) turned 30 degrees clockwise.
  const double c = std::cos(30.0 * 3.141592653589793 / 180.0), sn = 0.5;
  const auto starts_at = [&](double x, double y) {
    for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdWhite)) {
      const auto p = Points(op);
      if (std::fabs(p[0].x - (159.0 + x * c - y * sn)) < 1e-3 && std::fabs(p[0].y - (132.0 + x * sn + y * c)) < 1e-3) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(starts_at(0, -70));
  EXPECT_TRUE(starts_at(-1, -62));
}

TEST_F(PfdTest, ConfiguredColoursUseTheirLowEightBits) {
  pfd_sky_color_r = 256 + 10;
  pfd_sky_color_g = 20;
  pfd_sky_color_b = 30;
  Paint();
  EXPECT_EQ(Ops(OpKind::Fill, 0xFF0A141Eu).size(), 1u);
}

TEST_F(PfdTest, EmptySurfaceDrawsNothing) {
  Paint(0, 232);
  EXPECT_TRUE(rec_.ops().empty());
  Paint(318, 0);
  EXPECT_TRUE(rec_.ops().empty());
}

}  // namespace
