#include "nd/roses.h"

#include <gtest/gtest.h>

#include "frame/tcas_link.h"
#include "nd/map_fixture.h"
#include "nd/map_frame.h"
#include "platform/tcas_module.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

TEST(RoseGeometry, ToFromByTheUnfoldedDifference) {
  EXPECT_FALSE(ShowsTo(355.0, 0.0, 5.0));  // difference 350: FROM
  EXPECT_TRUE(ShowsTo(40.0, 0.0, 10.0));
  EXPECT_TRUE(ShowsTo(30.0, 340.0, 0.0));  // station 10 (370 less 360), course 0
  EXPECT_FALSE(ShowsTo(200.0, 0.0, 20.0));
}

TEST(RoseGeometry, LateralDeviationTruncates) {
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

  host_.SetToken(49, 0.0);  // no signal: no bar on the full rose
  Record(kFpEhsiCanvas, DrawEhsiRose);
  EXPECT_FALSE(Bar(&x0, &x1));
  fp_ehsi_mode = 2;  // the expanded arc draws it whatever the signal
  Record(kFpEhsiCanvas, DrawEhsiRose);
  EXPECT_TRUE(Bar(&x0, &x1));
}

TEST_F(RoseTest, EhsiRoseNeedsTheIrs) {
  irs_l_anun_mode = 1;
  fp_ehsi_mode = 1;
  Record(kFpEhsiCanvas, DrawEhsiRose);
  EXPECT_TRUE(rec().ops().empty());
}

TEST_F(RoseTest, NdFullRoseWithoutIrsDrawsOnlyTheAircraft) {
  irs_c_anun_mode = 0;
  nd_mode = 1;
  map_px_per_nm = 3.0;
  Record(kNdCanvas, DrawNdRose);
  EXPECT_EQ(rec().Count(OpKind::Stroke), 6u);
  EXPECT_EQ(rec().Count(OpKind::Text), 0u);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 3.0);
  irs_c_anun_mode = 3;
  nd_rng_nm = 20.0;
  Record(kNdCanvas, DrawNdRose);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 189.0 / 20.0);
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

struct LateralCase {
  int32_t mode;
  double flags;  // token 46
  bool bar;
  bool glideslope;
};

class NdRoseLateral : public RoseTest, public ::testing::WithParamInterface<LateralCase> {};

// VOR mode shows the bar without the localizer bit, approach mode with it; the glideslope scale
// needs bit 0x40.
TEST_P(NdRoseLateral, BarAndGlideslopeByReceiverBits) {
  const LateralCase& c = GetParam();
  nd_mode = c.mode;
  host_.SetToken(49, 1.0);
  host_.SetToken(46, c.flags);
  host_.SetToken(852, 1.0);
  Record(kNdCanvas, DrawNdRose);
  double x0 = 0.0, x1 = 0.0;
  EXPECT_EQ(Bar(&x0, &x1), c.bar);
  EXPECT_EQ(Count(OpKind::Fill, kMagentaInk), c.glideslope ? 1u : 0u);  // the diamond
  size_t ellipses = 0;
  for (const gfx::Op& op : rec().ops()) ellipses += op.shape == gfx::Shape::Ellipse ? 1 : 0;
  EXPECT_EQ(ellipses, c.glideslope ? 8u : 4u);  // four deviation dots, four glideslope dots
}

INSTANTIATE_TEST_SUITE_P(Modes, NdRoseLateral,
                         ::testing::Values(LateralCase{1, 0x00, true, false}, LateralCase{1, 0x80, false, false},
                                           LateralCase{2, 0x00, false, false}, LateralCase{2, 0x80, true, false},
                                           LateralCase{2, 0xC0, true, true}, LateralCase{1, 0xC0, false, false}));

// The ND full rose stays heading up whatever the drift and the MAP orientation setting.
TEST_F(RoseTest, NdFullRoseIsHeadingUp) {
  nd_mode = 1;
  Record(kNdCanvas, DrawNdRose);
  const gfx::PointF nine = Text("9")->position;
  plane_trk_mag = 80.0;
  drift_angle = 10.0;
  Record(kNdCanvas, DrawNdRose);
  EXPECT_NEAR(Text("9")->position.X, nine.X, 1e-4);
  EXPECT_NEAR(Text("9")->position.Y, nine.Y, 1e-4);
  EXPECT_NEAR(nine.X, 107.0 - 8.0, 1e-3);  // bearing 90 on the heading: at the top
  EXPECT_NEAR(nine.Y, 126.0 - 60.0, 1e-3);
}

TEST_F(RoseTest, NdExpandedVorShowsToOrFromInGreen) {
  nd_mode = 1;
  ctr_mode = 0;
  host_.SetToken(49, 1.0);
  nav_rel_brg = 0.0;  // station on the nose, course 90: TO
  Record(kNdCanvas, DrawNdMap);
  const gfx::Op* to = rec().FindText("TO");
  ASSERT_NE(to, nullptr);
  EXPECT_EQ(to->color, kGreenInk);
  EXPECT_NEAR(rec().TextOf(*to)->position.X, 107.0 + 70.0, 1e-3);
  EXPECT_NEAR(rec().TextOf(*to)->position.Y, 209.0 + 5.0, 1e-3);
  nav_rel_brg = 180.0;
  Record(kNdCanvas, DrawNdMap);
  EXPECT_TRUE(rec().HasText("FROM"));
  // The course line magenta, its tail dashed.
  const auto magenta = Ops(OpKind::Stroke, kMagentaInk);
  ASSERT_GE(magenta.size(), 3u);
  EXPECT_EQ(magenta.back()->dash, gfx::DashStyleDash);
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
  const gfx::RecordedText* alt = Text("-3");
  ASSERT_NE(alt, nullptr);
  // 5 NM ahead: 33.5 units up from (159, 170), the text 13 left and 12 below the symbol.
  EXPECT_NEAR(alt->position.X, 159.0 - 13.0, 1e-3);
  EXPECT_NEAR(alt->position.Y, 170.0 - 33.0 + 12.0, 1e-3);
}

}  // namespace
