#include "nd/roses.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "sim/tcas_link.h"
#include "nd/map_fixture.h"
#include "nd/map_frame.h"
#include "platform/tcas_module.h"

namespace {

using gfx::OpKind;

// TO while the station's bearing lies within 90 degrees of the course, across north too; the
// deviation truncates.
TEST(RoseGeometry, ToFromAndLateralDeviation) {
  for (const auto& [rel_brg, hdg, crs, to] :
       {std::tuple{355.0, 0.0, 5.0, true}, {5.0, 355.0, 355.0, true}, {281.0, 0.0, 10.0, true},
        {280.0, 0.0, 10.0, false}, {40.0, 0.0, 10.0, true}, {30.0, 340.0, 0.0, true}, {100.0, 0.0, 10.0, false},
        {200.0, 0.0, 20.0, false}}) {
    EXPECT_EQ(ShowsTo(rel_brg, hdg, crs), to) << rel_brg << " " << hdg << " " << crs;
  }
  EXPECT_EQ(LateralDeviation(127.0), 37);
  EXPECT_EQ(LateralDeviation(-127.0), -37);
  EXPECT_EQ(LateralDeviation(3.4), 0);
}

class RoseTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    plane_hdg_mag = plane_trk_mag = 90.0;
    nav_obs_crs = 90.0;  // the course up the display: no rotation
  }
  // Device x extent of the magenta deviation bar (the 5-point magenta polyline).
  bool Bar(double* x0, double* x1) const {
    for (const gfx::Op* op : Ops(OpKind::Stroke, kMagentaInk)) {
      if (op->shape == gfx::Shape::Lines && rec().PointsOf(*op).size() == 5) {
        *x0 = op->bounds.X;
        *x1 = op->bounds.GetRight();
        return true;
      }
    }
    return false;
  }
};

// A full-scale needle puts the bar over the outer dot (box x 35 to 40).
TEST_F(RoseTest, FullScaleNeedleBarOverTheOuterDot) {
  fp_ehsi_mode = 1;
  cdi_needle = 127.0;
  host_.SetToken(49, 1.0);
  Record(kFpEhsiCanvas, DrawEhsiRose);
  double x0 = 0.0, x1 = 0.0;
  ASSERT_TRUE(Bar(&x0, &x1));
  EXPECT_NEAR(x0, 159.0 + 34.0, 1e-3);
  EXPECT_NEAR(x1, 159.0 + 40.0, 1e-3);
}

// Pointer 1 needs token 20 above 1.0 on the roses (the FP_ND map draws it above 0).
TEST_F(RoseTest, RosePointerOneNeedsToken20AboveOne) {
  nd_mode = 1;
  host_.SetToken(20, 1.0);
  Record(kNdCanvas, DrawNdRose);
  EXPECT_EQ(Count(OpKind::Stroke, kCyanInk) + Count(OpKind::Fill, kCyanInk), 0u);
  host_.SetToken(20, 1.5);
  Record(kNdCanvas, DrawNdRose);
  EXPECT_EQ(Count(OpKind::Fill, kCyanInk), 1u);
  EXPECT_EQ(Count(OpKind::Stroke, kCyanInk), 4u);
}

// VOR mode shows the bar without the localizer bit (0x80), approach mode with it; the glideslope
// diamond and its four dots need bit 0x40 in approach mode.
TEST_F(RoseTest, NdRoseBarAndGlideslopeByReceiverBits) {
  host_.SetToken(49, 1.0);
  host_.SetToken(852, 1.0);
  for (const auto& [mode, flags, bar, glideslope] : {std::tuple{1, 0x00, true, false}, {1, 0xC0, false, false},
                                                     {2, 0x00, false, false}, {2, 0xC0, true, true}}) {
    nd_mode = mode;
    host_.SetToken(46, flags);
    Record(kNdCanvas, DrawNdRose);
    double x0 = 0.0, x1 = 0.0;
    EXPECT_EQ(Bar(&x0, &x1), bar) << mode << " " << flags;
    EXPECT_EQ(Count(OpKind::Fill, kMagentaInk), glideslope ? 1u : 0u) << mode << " " << flags;
    size_t ellipses = 0;
    for (const gfx::Op& op : rec().ops()) ellipses += op.shape == gfx::Shape::Ellipse ? 1 : 0;
    EXPECT_EQ(ellipses, glideslope ? 8u : 4u) << mode << " " << flags;
  }
}

// On the ILS at full deflection either way, the glideslope scale and its pointer lie on the
// display.
TEST_F(RoseTest, NdRoseGlideslopeLiesOnTheDisplay) {
  nd_mode = 2;
  host_.SetToken(46, 0xC0);
  host_.SetToken(852, 1.0);
  for (double gsi : {127.0, -127.0}) {
    gsi_needle = gsi;
    Record(kNdCanvas, DrawNdRose);
    for (const gfx::Op& op : rec().ops()) {
      if (op.kind == OpKind::Clear) continue;
      EXPECT_GE(op.bounds.X, 0.0f);
      EXPECT_LE(op.bounds.GetRight(), 215.0f);
    }
    EXPECT_EQ(Count(OpKind::Fill, kMagentaInk), 1u);
  }
}

// The full APP rose's glideslope diamond shows the share of its scale that the expanded rose shows
// (dots 12.5 and 27.5 from the middle of each, at y 126 and 209 - 40): full scale stops at the outer dot.
TEST_F(RoseTest, FullRoseGlideslopeShowsTheExpandedRosesShareOfTheScale) {
  nd_mode = 2;
  host_.SetToken(46, 0xC0);
  host_.SetToken(852, 1.0);
  const auto diamond_from = [&](void (*painter)(DisplaySurface*, gfx::Graphics*), double middle_y) {
    Record(kNdCanvas, painter);
    const auto& b = Ops(OpKind::Fill, kMagentaInk).at(0)->bounds;
    return b.Y + b.Height / 2.0 - middle_y;
  };
  for (const auto& [needle, units] : {std::pair{127.0, 27.0}, {94.0, 20.0}, {-127.0, -27.0}}) {
    gsi_needle = needle;
    EXPECT_NEAR(diamond_from(DrawNdRose, 126.0), units, 1.0) << needle;
    EXPECT_NEAR(diamond_from(DrawNdExpandedNavSymbols, 169.0), units, 1.0) << needle;
  }
}

// The expanded EHSI rose places traffic with its own scale, whatever map painted last.
TEST_F(RoseTest, EhsiExpandedRoseTrafficUsesItsOwnScale) {
  fp_ehsi_mode = 2;
  fp_ehsi_rng_nm = 20.0;
  tcas_display_on = 1;
  map_px_per_nm = 236.0 / 160.0;
  static tcas::ServiceRecord service{};
  tcas_serv = &service;
  tcas_server_connect = 1;
  tcas_take_tick = 0;  // the record's list was taken already: the table below is current
  tcas_target_cnt = 1;
  tcas_targets[1] = {90.0, 5.0, -3.0, 'O', 0, '-'};
  plane_hdg_true = 90.0;
  Record(kFpEhsiCanvas, DrawEhsiRose);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 134.0 / 20.0);
  // 5 NM ahead: 33.5 units up from (159, 170), the text 13 left and 12 below the symbol.
  ExpectTextAt("-3", gfx::PointF(159.0f - 13.0f, 170.0f - 33.0f + 12.0f));
}

}  // namespace
