#include "displays/pfd_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "displays/display_fixtures.h"
#include "displays/pfd_display.h"
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
    ASSERT_NO_FATAL_FAILURE(ExpectTextAt(Text("CMD"), (159 + 60) * sx, (132 - 130) * sy));
    ASSERT_NO_FATAL_FAILURE(ExpectTextAt(Text("250"), FineX(-155), FineY(-8)));
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
  Paint();
  EXPECT_TRUE(Ops(OpKind::Fill, kSky).empty());
  EXPECT_TRUE(Ops(OpKind::Fill, kGround).empty());
  EXPECT_NE(Text("250"), nullptr);
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
        if (std::abs(x) <= 62 && y >= -4 && y <= 18) continue;  // the aircraft symbol, either style
        const uint32_t p = s.At(159 + x, 132 + y);
        EXPECT_TRUE(p != 0xFF000000u && p >> 24 == 0xFFu) << bank << " at " << x << ", " << y;
      }
    }
  }
}

}  // namespace
