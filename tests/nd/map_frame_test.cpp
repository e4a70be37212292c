#include "nd/map_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "navdb/navdb_globals.h"
#include "nd/ehsi_parts.h"
#include "nd/map_toolkit.h"
#include "nd/route_layer.h"
#include "nd/trend_vector.h"
#include "sim/tcas_link.h"
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

// The ND's centred MAP ring follows the same rule: with 10 degrees of drift bearing 90 stands at the
// top under the track line, or 10 degrees left of it with the heading up on request.
TEST_F(MapTest, CentredMapRingTurnsWithTheTrack) {
  std::tie(nd_mode, ctr_mode, plane_hdg_mag, plane_trk_mag) = std::tuple(3, 1, 100.0, 90.0);
  for (const auto& [hdg_always, turn_deg] : {std::pair{0, 0.0}, {1, -10.0}}) {
    MapModeDispHdgAlways = hdg_always;
    Record(kNdCanvas, DrawNdMap);
    const double a = turn_deg * kDegToRad;
    ExpectTextAt("9", gfx::PointF(static_cast<float>(107.0 + (-5.0 * std::cos(a) + 90.0 * std::sin(a))),
                                  static_cast<float>(126.0 + (-5.0 * std::sin(a) - 90.0 * std::cos(a)))));
  }
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

// Radius over range: the ND's centred MAP uses its 90-unit compass ring, PLAN on the FP_ND its
// 120-unit radius; a zero range leaves the scale and draws the frame without layers.
TEST_F(MapTest, PixelsPerNmAreRadiusOverRange) {
  using Painter = void (*)(DisplaySurface*, gfx::Graphics*);
  for (const auto& [fpnd, nd, ctr, range, painter, canvas, px_per_nm] :
       {std::tuple{3, 1, 0, 40.0, Painter{DrawFpNdMap}, kFpNdCanvas, 236.0 / 40.0},
        {4, 1, 0, 40.0, Painter{DrawFpNdMap}, kFpNdCanvas, 120.0 / 40.0},
        {3, 3, 1, 20.0, Painter{DrawNdMap}, kNdCanvas, 90.0 / 20.0},
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
// between, neither bound included.
TEST_F(MapTest, FpNdBearingPointers) {
  host_.SetToken(49, 1.0);
  for (const auto& [rel_brg, heading, head, tail] : {std::tuple{95.0, 10.0, 1, 1}, {100.0, 10.0, 0, 1}, {260.0, 10.0, 0, 1},
                                                          {90.0, 10.0, 1, 0}, {60.0, 300.0, 1, 0}, {265.0, 10.0, 1, 1}}) {
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

// Track up with 6 degrees of drift: heading 180, track 174 (no variation). The map's layers turn
// with the track; the hold and the traffic have to turn with them.
class TrackUpTest : public LayerTest {
 protected:
  void SetUp() override {
    LayerTest::SetUp();
    plane_hdg_mag = 180.0;
    drift_angle = 6.0;
    plane_trk_mag = 174.0;
  }
  struct Map {
    void (*painter)(DisplaySurface*, gfx::Graphics*);
    LayerMap at;
  };
  // The hold's fix (where its first line starts) and the direction of its inbound leg in canvas
  // units, degrees clockwise from up: the hold draws its three lines right before its two magenta
  // turns.
  bool Hold(gfx::PointF* fix, double* inbound_deg) const {
    const auto& ops = rec().ops();
    for (size_t i = 3; i < ops.size(); ++i) {
      if (ops[i].shape != gfx::Shape::Arc || ops[i].color != kMagentaInk) continue;
      const auto first = rec().PointsOf(ops[i - 3]);
      const auto inbound = rec().PointsOf(ops[i - 1]);
      *fix = gfx::PointF(static_cast<float>(first[0].x), static_cast<float>(first[0].y));
      const double dx = inbound[1].x - inbound[0].x;
      const double dy = inbound[1].y - inbound[0].y;
      *inbound_deg = std::atan2(dx, -dy) / kDegToRad;
      return true;
    }
    return false;
  }
  // A route waypoint's star centred on p (its top point 6 units above).
  bool StarOn(gfx::PointF p) const {
    for (const gfx::Op& op : rec().ops()) {
      const auto pts = rec().PointsOf(op);
      const bool star = op.shape == gfx::Shape::Lines && pts.size() == 9;
      if (star && std::hypot(pts[0].x - p.X, pts[0].y - (p.Y - 6.0)) < 0.01) return true;
    }
    return false;
  }
};

// The hold at DDD sits on DDD's own star; a hold inbound on the present track runs parallel to the
// track line on every map.
TEST_F(TrackUpTest, HoldSitsOnItsFixAndTurnsWithTheMap) {
  SetRoute(2);
  RouteHold& hold = route_holds[1];
  hold.fix = "DDD";
  hold.leg = 4;
  hold.turn = 1;
  hold.leg_dist = 4.0;
  hold.inbd_crs = 174.0;
  hold.lat = fms_fpln_act[4].lat;
  hold.lon = fms_fpln_act[4].lon;
  for (const auto& [m, turn_deg] : {std::pair{Map{DrawFpNdMap, kFpNdMap}, 0.0}, {Map{DrawNdMap, kNdMap}, 0.0},
                                    {Map{DrawEhsiMap, kEhsiMap}, 0.0}}) {
    Record(m.at.canvas, m.painter);
    SCOPED_TRACE(m.at.canvas.width);
    gfx::PointF fix;
    double inbound_deg = 0.0;
    ASSERT_TRUE(Hold(&fix, &inbound_deg));
    EXPECT_TRUE(StarOn(fix)) << fix.X << "," << fix.Y;
    EXPECT_NEAR(inbound_deg, turn_deg, 0.05);
  }
}

// An intruder dead ahead (relative bearing 0, 20 NM) lies on the heading line, which a track-up map
// turns right of the track by the drift, as the FP_EHSI's heading pointer shows. The ND's rose stays
// heading up and its PLAN north up.
TEST_F(TrackUpTest, TrafficDeadAheadLiesOnTheHeadingLine) {
  static tcas::IntruderRecord intruder{500.0f, 0u, 1, {}, 20.0f, 0.0f};
  static tcas::ServiceRecord service{};
  service.count = 1;
  service.intruders[0] = &intruder;
  tcas_serv = &service;
  tcas_server_connect = 1;
  tcas_callback_tick = 1.0;  // a list not taken yet
  tcas_display_on = fp_nd_tfc_on = nd_tfc_on = 1;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  const auto pointer = std::find_if(rec().ops().begin(), rec().ops().end(), [&](const gfx::Op& op) {
    const auto p = rec().PointsOf(op);
    return op.shape == gfx::Shape::Lines && op.color == kWhiteInk && p.size() == 4 &&
           std::fabs(std::hypot(p[0].x - 159.0, p[0].y - 170.0) - 134.0) < 0.01;
  });
  ASSERT_NE(pointer, rec().ops().end());
  const auto tip = rec().PointsOf(*pointer)[0];
  EXPECT_NEAR(std::atan2(tip.x - 159.0, 170.0 - tip.y) / kDegToRad, 6.0, 1e-3);

  for (const auto& [m, mode, range_px, a_deg] :
       {std::tuple{Map{DrawEhsiMap, kEhsiMap}, 3, 134.0, 6.0}, {Map{DrawFpNdMap, kFpNdMap}, 3, 236.0, 6.0},
        {Map{DrawNdMap, kNdMap}, 3, 189.0, 6.0}, {Map{DrawNdMap, kNdMap}, 2, 189.0, 0.0},
        {Map{DrawNdMap, {kNdCanvas, 107.0, 126.0}}, 4, 189.0, 180.0}}) {
    nd_mode = mode;
    Record(m.at.canvas, m.painter);
    const double r = range_px / 40.0 * 20.0;
    const double a = a_deg * kDegToRad;
    SCOPED_TRACE(testing::Message() << m.at.canvas.width << " mode " << mode);
    ExpectTextAt("+5", gfx::PointF(static_cast<float>(m.at.cx + r * std::sin(a) - 13.0),
                                    static_cast<float>(m.at.cy - r * std::cos(a) + 12.0)),
                 1.0);
  }
}

// Turned figures keep their shape on every map: a hold's inbound leg and a runway's extension lie on
// the route line into their fix, the leg as long whatever its course, and the trend vector's first
// arc ends 30 s round its turn.
TEST_F(LayerTest, TurnedFiguresKeepTheirShapeOnEveryMap) {
  using HoldFn = void (*)(gfx::Graphics*, double, double);
  const std::tuple<LayerMap, int32_t, MapLayer, MapLayer, HoldFn, double> maps[] = {
      {kNdMap, 189, DrawMapRouteNd, DrawTrendVectorNd, DrawMapHoldNd, 1.4},
      {kFpNdMap, 236, DrawMapRouteFpNd, DrawTrendVectorFpNd, DrawMapHoldFpNd, 1.0},
      {kEhsiMap, 134, DrawMapRouteEhsi, nullptr, DrawMapHoldEhsi, 1.0}};
  const auto dir = [](gfx::PointF a, gfx::PointF b) { return std::atan2(b.X - a.X, a.Y - b.Y) / kDegToRad; };
  std::tie(plane_hdg_mag, ground_speed) = std::tuple(180.0, 250.0);
  for (const auto& [m, px, route, trend, hold, leg] : maps) {
    for (const double crs : {180.0, 210.0, 255.0, 300.0, 30.0}) {
      SCOPED_TRACE(testing::Message() << m.canvas.width << " " << crs);
      SetRoute(1);  // KSEA, then AAA 6 NM ahead, active and last
      fp_cnt = 1;
      RouteLeg& from = fms_fpln_act[0];
      const RouteLeg& fix = fms_fpln_act[1];
      CalcDestPoint(fix.lat, fix.lon, crs + 180.0, 8.0, &from.lat, &from.lon);
      route_holds[1] = RouteHold{.fix = "AAA", .leg = 1, .turn = 1, .leg_dist = 4.0, .inbd_crs = crs,
                                 .lat = fix.lat, .lon = fix.lon, .pattern_pts = {}};
      std::tie(plane_bank, map_px_per_nm) = std::tuple(crs < 250.0 ? -25.0 : 20.0, px / 40.0);
      RunwayRecord& rwy = airport_recs[2].runways[fms_dest_rwy_pos = 1];
      std::tie(rwy.lat, rwy.lon, rwy.length_ft, rwy.heading) = std::tuple(fix.lat, fix.lon, 5280, crs);
      Record(m.canvas.width, m.canvas.height, [&](DisplaySurface* s, gfx::Graphics* g) {
        const LayerFactors f = SetLayerTransform(g, s, m.canvas, m.cx, m.cy);
        route(s, g, f.fx, f.fy);
        SetLayerTransform(g, s, m.canvas, m.cx, m.cy);
        hold(g, f.fx, f.fy);
        SetLayerTransform(g, s, m.canvas, m.cx, m.cy);
        if (trend != nullptr) trend(s, g, f.fx, f.fy);
      });
      const auto lines = Strokes(kMagentaInk, gfx::Shape::Line);  // the route line, then the racetrack's
      ASSERT_EQ(lines.size(), 4u);
      const auto in = rec().PointsOf(*lines[3]);
      const gfx::PointF in0(in[0].x, in[0].y), in1(in[1].x, in[1].y);
      const double route_dir = dir(At(m, 180.0, from.lat, from.lon), At(m, 180.0, fix.lat, fix.lon));
      EXPECT_NEAR(dir(in0, in1), route_dir, 0.1);
      EXPECT_NEAR(std::hypot(in1.X - in0.X, in1.Y - in0.Y), 0.8 * leg * 4.0 * map_px_per_nm, 0.01);
      const auto ext = rec().PointsOf(*Strokes(kWhiteInk, gfx::Shape::Line).at(1));  // ahead, to whole units
      EXPECT_NEAR(dir(gfx::PointF(ext[0].x, ext[0].y), gfx::PointF(ext[1].x, ext[1].y)), route_dir, 1.0);
      TrendTurn t{};
      if (trend == nullptr || !ComputeTrendTurn(ground_speed, plane_bank, map_px_per_nm, &t)) continue;
      const double r = t.diameter / 2.0, a = std::trunc(30.0 * t.rate_deg_s) * kDegToRad, side = plane_bank < 0 ? 1 : -1;
      const auto end = rec().PointsOf(*Strokes(kWhiteInk, gfx::Shape::Arc).at(0)).back();
      EXPECT_NEAR(end.x, m.cx + side * r * (1.0 - std::cos(a)), 0.01);
      EXPECT_NEAR(end.y, m.cy - r * std::sin(a), 0.01);
    }
  }
}

}  // namespace
