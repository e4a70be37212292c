#include "displays/pfd_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "displays/display_fixtures.h"
#include "platform/gfx/gfx_test_surface.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

constexpr gfx::ARGB kSky = 0xFF4143EEu;  // the built-in sky and ground
constexpr gfx::ARGB kGround = 0xFF611F05u;

// Canvas texts land at (centre + offset) x (sx, sy) and stretch with both; fine texts sit at their
// truncated fine units and grow with sy only.
TEST_F(PfdTest, TextsFollowTheirFramesAtAnyAspect) {
  for (const auto& [w, h] : {std::pair{636, 232}, {477, 464}}) {
    ap_master = 1.0;
    ias = 250.0;
    Paint(w, h);
    const double sx = w / 318.0, sy = h / 232.0;
    EXPECT_DOUBLE_EQ(frame_.k, h / (16.0 * (w + h)));
    EXPECT_TEXT_AT(Text("CMD"), (159 + 60) * sx, (132 - 130) * sy);
    EXPECT_TEXT_AT(Text("250"), FineX(-155), FineY(-8));
    EXPECT_NEAR(Text("250")->device_em_size, 15.0 * sy, 1e-3) << w;
    EXPECT_NEAR(Text("CMD")->device_em_size, 9.0 * std::sqrt(sx * sy), 1e-3) << w;
  }
  Paint(0, 232);
  EXPECT_TRUE(rec_.ops().empty());
  Paint(318, 0);
  EXPECT_TRUE(rec_.ops().empty());
}

TEST_F(PfdTest, WithoutAlignedIrsTheSphereIsBlankButTheRestIsDrawn) {
  irs_c_anun_mode = 2;
  ias = 250.0;
  SetToken(907, 5.0);  // flaps out: still no bracket
  Paint();
  EXPECT_TRUE(Ops(OpKind::Fill, kSky).empty());
  EXPECT_TRUE(Ops(OpKind::Fill, kGround).empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kPfdAmber).empty());
  EXPECT_NE(Text("250"), nullptr);
}

// Pitch ladder lines of the scale pen, under the ladder clip (the second clip).
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

// At 90 degrees nose up the last pair lies 270 units either side of the horizon, none beyond.
TEST_F(PfdTest, LadderEndsAtNinetyDegrees) {
  plane_pitch = -90.0;
  Paint();
  const auto lines = LadderStrokes(rec_);
  ASSERT_EQ(lines.size(), 55u);
  EXPECT_NEAR(Points(lines[lines.size() - 2])[0].y, FineY(0), 0.01);
  EXPECT_NEAR(Points(lines.back())[0].y, FineY(540), 0.01);
}

// Every sampled pixel inside the rounded clip is painted at any bank, away from the aircraft symbol.
TEST_F(PfdTest, SkyAndGroundFillTheSphereAtNinetyDegreesBank) {
  for (double bank : {90.0, -90.0}) {
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
        EXPECT_TRUE(p != 0xFF000000u && p >> 24 == 0xFFu) << bank << " at " << x << ", " << y;
      }
    }
  }
}

// The base follows token 349 from 37 up to its top at -40; flaps up hide the bracket.
TEST_F(PfdTest, FlapBracketBaseFollowsToken349) {
  for (const auto& [flaps, t349, base] : {std::tuple{5.0, 0.0, 37.0}, {5.0, 25000.0, -40.0}, {5.0, 90000.0, -40.0},
                                          {0.0, 12500.0, 0.0}}) {
    SetToken(907, flaps);
    SetToken(349, t349);
    Paint();
    const auto amber = Ops(OpKind::Stroke, kPfdAmber);
    ASSERT_EQ(amber.size(), flaps > 0.0 ? 10u : 0u) << t349;  // both halves: stroke, bar and three hatches
    if (flaps == 0.0) continue;
    EXPECT_NEAR(Points(amber[0])[0].y, FineY(base), 0.01) << t349;
  }
}

// Configured colour components out of range keep their low 8 bits, as the panel files expect.
TEST_F(PfdTest, ConfiguredColoursUseTheirLowEightBits) {
  std::tie(pfd_sky_color_r, pfd_sky_color_g, pfd_sky_color_b) = std::tuple(256 + 10, 20, 30);
  Paint();
  EXPECT_EQ(Ops(OpKind::Fill, 0xFF0A141Eu).size(), 1u);
}

}  // namespace
