#include "nd/map_frame.h"

#include <gtest/gtest.h>

#include <tuple>

#include "nd/map_fixture.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

// The arc shows every 5-degree bearing within 55 degrees of the heading either side: 21 ticks on a
// heading that is a multiple of 5, across the 0/360 seam as well. Each tick is radial, 10 long on
// the tens and 5 long between.
TEST_F(MapTest, CompassArcTicksAndLabelsWithin55DegreesOfTheHeading) {
  struct Case {
    double heading;
    int ticks, long_ticks;
    std::vector<std::string> labels;
  };
  for (const Case& c : {Case{350.0, 21, 11, {"0", "3", "30", "33"}}, Case{2.5, 22, 11, {"0", "3", "33"}}}) {
    plane_hdg_mag = plane_trk_mag = c.heading;
    Record(kFpEhsiCanvas, DrawEhsiMap);
    int ticks = 0, long_ticks = 0;  // the short radial lines ending on the 134 arc
    for (const gfx::Op* op : Strokes(kWhiteInk, gfx::Shape::Line)) {
      const auto pts = rec().PointsOf(*op);
      const double ix = pts[0].x - 159.0, iy = pts[0].y - 170.0, ox = pts[1].x - 159.0, oy = pts[1].y - 170.0;
      if (op->pen_width != 2.0f || std::fabs(std::hypot(ox, oy) - 134.0) > 0.01) continue;
      ++ticks;
      const double inner = std::hypot(ix, iy);
      long_ticks += std::fabs(inner - 124.0) < 0.01;
      EXPECT_TRUE(std::fabs(inner - 124.0) < 0.01 || std::fabs(inner - 129.0) < 0.01) << inner;
      EXPECT_NEAR(ix * oy - iy * ox, 0.0, 0.5) << c.heading;  // on a radius
      // A tens tick is drawn where its bearing reads a multiple of ten.
      const double bearing = c.heading + std::atan2(ox, -oy) / kDegToRad;
      const long tens = std::lround(bearing / 5.0) % 2;
      EXPECT_EQ(std::fabs(inner - 124.0) < 0.01, tens == 0) << bearing;
    }
    std::vector<std::string> labels;  // not the half-range label or the vertical-speed scale's figures
    for (const gfx::Op* op : rec().TextOps()) {
      const gfx::RecordedText* t = rec().TextOf(*op);
      if (t->text != "5" && t->em_size == 12.0f) labels.push_back(t->text);
    }
    EXPECT_EQ(ticks, c.ticks) << c.heading;
    EXPECT_EQ(long_ticks, c.long_ticks) << c.heading;
    EXPECT_EQ(labels, c.labels) << c.heading;
  }
}

// Track up with 10 degrees of drift: the arc turns with the track, the ticks shown still follow the
// heading. Heading up on request: bearing 90 sits 10 degrees left of the top.
TEST_F(MapTest, TrackUpTurnsTheArcButNotItsWindow) {
  plane_hdg_mag = 100.0;
  plane_trk_mag = 90.0;
  Record(kFpNdCanvas, DrawFpNdMap);
  ExpectTextAt("9", gfx::PointF(159.0f - 6.0f, 272.0f - 224.0f), 0.01);
  EXPECT_NE(Text("15"), nullptr);  // 50 degrees right of the heading
  EXPECT_EQ(Text("3"), nullptr);   // 70 degrees left of it
  MapModeDispHdgAlways = 1;
  Record(kFpNdCanvas, DrawFpNdMap);
  const double a = -10.0 * kDegToRad;
  ExpectTextAt("9", gfx::PointF(static_cast<float>(159.0 + (-6.0 * std::cos(a) + 224.0 * std::sin(a))),
                                static_cast<float>(272.0 + (-6.0 * std::sin(a) - 224.0 * std::cos(a)))));
}

// Without aligned IRS the FP_ND draws nothing; the ND keeps the aircraft, the track line and the
// range label (and, centred, the range mark); the FP_EHSI map draws whatever the IRS.
TEST_F(MapTest, MapsWithoutAlignedIrs) {
  irs_c_anun_mode = 2;
  nd_sta_on = 1;
  LoadExampleDatabase();
  fms_fpln_act[1].ident = "AHEAD";
  fms_fpln_act[1].lat = plane_lat + 0.05;
  fms_fpln_act[1].lon = plane_lon;
  fp_cnt = stpos = 1;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_TRUE(rec().ops().empty());
  nd_mode = 3;
  nd_rng_nm = 40.0;
  Record(kNdCanvas, DrawNdMap);
  EXPECT_EQ(Texts(), std::vector<std::string>{"20"});
  EXPECT_EQ(rec().Count(OpKind::Stroke), 2u);
  ctr_mode = 1;
  Record(kNdCanvas, DrawNdMap);
  EXPECT_EQ(rec().Count(OpKind::Stroke), 3u);
  Record(kFpEhsiCanvas, DrawEhsiMap);
  EXPECT_NE(Text("AHEAD"), nullptr);
}

// Radius over range: the ND's centred MAP uses the expanded MAP's scale, PLAN on the FP_ND its
// 120-unit radius; a zero range leaves the scale and draws the frame without layers.
TEST_F(MapTest, PixelsPerNmAreRadiusOverRange) {
  using Painter = void (*)(DisplaySurface*, gfx::Graphics*);
  for (const auto& [fpnd, nd, ctr, range, painter, canvas, px_per_nm] :
       {std::tuple{3, 1, 0, 40.0, Painter{DrawFpNdMap}, kFpNdCanvas, 236.0 / 40.0},
        {4, 1, 0, 40.0, Painter{DrawFpNdMap}, kFpNdCanvas, 120.0 / 40.0},
        {3, 3, 1, 20.0, Painter{DrawNdMap}, kNdCanvas, 189.0 / 20.0},
        {3, 3, 0, 320.0, Painter{DrawEhsiMap}, kFpEhsiCanvas, 134.0 / 320.0}}) {
    std::tie(fpnd_mode, nd_mode, ctr_mode) = std::tuple(fpnd, nd, ctr);
    fp_nd_centre_y = fpnd == 4 ? 170 : 272;
    fpnd_rng_nm = nd_rng_nm = fp_ehsi_rng_nm = range;
    Record(canvas, painter);
    EXPECT_DOUBLE_EQ(map_px_per_nm, px_per_nm) << fpnd << nd << ctr << " " << range;
  }
  fms_fpln_act[1].ident = "AHEAD";
  fms_fpln_act[1].lat = plane_lat + 0.05;
  fms_fpln_act[1].lon = plane_lon;
  fp_cnt = stpos = 1;
  nd_mode = 3;
  nd_rng_nm = 0.0;  // a loaded zero would divide the scale
  Record(kNdCanvas, DrawNdMap);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 134.0 / 320.0);
  EXPECT_EQ(Text("AHEAD"), nullptr);
  EXPECT_NE(Text("0"), nullptr);
}

// PLAN leaves the FP_ND radius at 120; the next MAP paint writes 236 before its layers read it, and
// a presentation without a frame keeps the scale last written.
TEST_F(MapTest, FpNdRadiusFollowsTheLastPresentation) {
  fpnd_mode = 4;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(fp_nd_radius_px, 120);
  fpnd_mode = 3;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(fp_nd_radius_px, 236);
  fpnd_mode = 7;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 23.6);
}

// Range limits are inclusive: 160 still draws on the ND, the FP_ND stops airports above 80; the
// ND's rose presentations draw neither.
TEST_F(MapTest, StationAndAirportLayersFollowTheirRangeLimits) {
  using Painter = void (*)(DisplaySurface*, gfx::Graphics*);
  LoadExampleDatabase();
  nd_sta_on = nd_arpt_on = 1;
  for (const auto& [painter, canvas, mode, range, stations, airports] :
       {std::tuple{Painter{DrawFpNdMap}, kFpNdCanvas, 3, 80.0, true, true},
        {Painter{DrawFpNdMap}, kFpNdCanvas, 3, 160.0, true, false}, {Painter{DrawNdMap}, kNdCanvas, 3, 160.0, true, true},
        {Painter{DrawNdMap}, kNdCanvas, 3, 320.0, false, false}, {Painter{DrawNdMap}, kNdCanvas, 1, 40.0, false, false}}) {
    nd_mode = mode;
    fpnd_rng_nm = nd_rng_nm = range;
    Record(canvas, painter);
    EXPECT_EQ(Text("SEA") != nullptr, stations) << mode << " " << range;
    EXPECT_EQ(Text("KSEA") != nullptr, airports) << mode << " " << range;
  }
}

TEST_F(MapTest, AltitudeArcNeedsTheHoldDescending) {
  ap_master = tok108_flag = 1.0;
  std::tie(plane_alt, ap_alt_lock, ground_speed) = std::tuple(12000.0, 8000.0, 300.0);
  for (const auto& [vs, flag, arcs] : {std::tuple{-200.0, 1.0, 0u}, {-201.0, 1.0, 1u}, {-201.0, 0.0, 0u}}) {
    vert_speed = vs;
    tok108_flag = flag;
    Record(kFpEhsiCanvas, DrawEhsiMap);
    EXPECT_EQ(Count(OpKind::Stroke, kGreenInk), arcs) << vs << " " << flag;
  }
}

// Pointer 2's head while the station lies within 100 degrees of the nose, its tail beyond 90: both
// from 90 to 100.
TEST_F(MapTest, FpNdBearingPointers) {
  host_.SetToken(49, 1.0);
  for (const auto& [rel_brg, heading, head, tail] : {std::tuple{95.0, 10.0, 1, 1}, {180.0, 10.0, 0, 1}, {60.0, 300.0, 1, 0}, {265.0, 10.0, 1, 1}}) {
    plane_hdg_mag = plane_trk_mag = heading;
    host_.SetToken(550, rel_brg);
    Record(kFpNdCanvas, DrawFpNdMap);
    int heads = 0, tails = 0;
    for (const gfx::Op* op : Strokes(kGreenInk, gfx::Shape::Lines)) (rec().PointsOf(*op).size() == 10 ? heads : tails)++;
    EXPECT_EQ(heads, head) << rel_brg << " " << heading;
    EXPECT_EQ(tails, tail) << rel_brg << " " << heading;
  }
}

TEST_F(MapTest, VsNeedleAnglePiecewise) {
  for (const auto& [fpm, deg] : {std::pair{-1200.0, -27}, {7000.0, 48}, {500.0, 12}, {3000.0, 42}, {0.0, 0}}) {
    EXPECT_EQ(VsNeedleAngle(fpm), deg) << fpm;
  }
}

}  // namespace
