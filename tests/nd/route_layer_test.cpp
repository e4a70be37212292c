#include "nd/route_layer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "afds/route_progress_globals.h"
#include "navdb/navdb_globals.h"
#include "nd/map_fixture.h"
#include "nd/nav_readouts.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;
using gfx::Shape;

class RouteLayerTest : public LayerTest {
 protected:
  void RecordFpNd() { RecordLayer(kFpNdMap, 40.0, 236, DrawMapRouteFpNd); }
  // The label of a position: 7 right of and 7 above its point.
  static gfx::PointF LabelAt(const LayerMap& m, double up, const RouteLeg& leg, double dy = -7.0) {
    const gfx::PointF p = At(m, up, leg.lat, leg.lon);
    return gfx::PointF(p.X + 7.0f, p.Y + static_cast<float>(dy));
  }
  size_t Stars(gfx::ARGB colour) const {
    size_t n = 0;
    for (const gfx::Op* op : Strokes(colour, Shape::Lines)) n += rec().PointsOf(*op).size() == 9 ? 1 : 0;
    return n;
  }
};

TEST_F(RouteLayerTest, NothingWithoutAnActiveRoute) {
  SetRoute(2);
  stpos = 999;
  fms_fpln_active = 4;
  fms_fpln_mod[0] = fms_fpln_act[0];
  fp_mod_cnt = 0;
  cruise_alt = 30000;
  fms_dep_rwy_pos = 1;
  RecordFpNd();
  EXPECT_TRUE(rec().ops().empty());
}

// MAP starts at the leg before the active one: the active waypoint magenta, the others white, each
// with a star centred on it; the origin behind stays off.
TEST_F(RouteLayerTest, MapDrawsFromTheLegBeforeTheActiveOne) {
  SetRoute(2);
  RecordFpNd();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"AAA", "BBB", "CCC", "DDD"}));
  EXPECT_EQ(TextColour("BBB"), kMagentaInk);
  EXPECT_EQ(TextColour("CCC"), kWhiteInk);
  EXPECT_EQ(Stars(kMagentaInk), 1u);
  EXPECT_EQ(Stars(kWhiteInk), 3u);
  // AAA->AAA (no length), AAA->BBB, BBB->CCC, CCC->DDD.
  EXPECT_EQ(Strokes(kMagentaInk, Shape::Line).size(), 4u);
  // Only "DIRECT" itself turns the first point into the direct-to start, labelled "DCT".
  lnav_leg[0].fr_lat = plane_lat - 0.02;
  lnav_leg[0].fr_lon = plane_lon + 0.05;
  for (const auto& [from_id, first_label] : {std::pair{"direct", "AAA"}, {"DIRECT", "DCT"}}) {
    lnav_leg[0].FrId = from_id;
    RecordFpNd();
    EXPECT_EQ(TextColour(first_label), kWhiteInk) << from_id;
  }
  EXPECT_EQ(Text("AAA"), nullptr);
}

TEST_F(RouteLayerTest, PlanDrawsTheWholeRouteNorthUpAboutTheCentreLeg) {
  SetRoute(2);
  fpnd_mode = 4;
  map_ctr_leg = 3;
  nd_data_on = 1;
  ground_speed = 250.0;
  RecordLayer(kFpNdMap, 40.0, 120, DrawMapRouteFpNd);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"KSEA", "AAA", "BBB", "CCC", "DDD"}));  // no data labels
  const RouteLeg& ctr = fms_fpln_act[3];
  const gfx::PointF p = At(kFpNdMap, 0.0, fms_fpln_act[1].lat, fms_fpln_act[1].lon, ctr.lat, ctr.lon);
  ExpectTextAt("AAA", gfx::PointF(p.X + 7.0f, p.Y - 7.0f));
  EXPECT_LT(p.Y, 272.0f);  // north of the centre leg: above it
}

// A "DISCO" row breaks the active route's line on both sides and shows nothing; the modified route
// runs its dashed line through it and labels it.
TEST_F(RouteLayerTest, DiscontinuityBreaksOnlyTheActiveRoute) {
  SetRoute(1);
  SetLeg(fms_fpln_act, 2, "DISCO", 18.0);
  for (int i = 0; i <= 4; ++i) fms_fpln_mod[i] = fms_fpln_act[i];
  fp_mod_cnt = 4;
  mod_stpos = 1;
  fms_fpln_active = 4;
  RecordFpNd();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"KSEA", "AAA", "CCC", "DDD", "KSEA", "AAA", "DISCO", "CCC", "DDD"}));
  // Active: KSEA->AAA and CCC->DDD; nothing into or out of the DISCO row.
  EXPECT_EQ(Strokes(kMagentaInk, Shape::Line).size(), 2u);
  EXPECT_EQ(Strokes(kCyanInk, Shape::Line).size(), 4u);
  fms_fpln_active = 3;  // executed: no pending modification
  RecordFpNd();
  EXPECT_EQ(Count(OpKind::Stroke, kCyanInk), 0u);
}

// With an intercept course on the active leg the FP_ND and ND start its line at the LNAV leg's
// from-point; the FP_EHSI keeps the previous waypoint.
TEST_F(RouteLayerTest, ActiveInterceptLineStartsAtTheLnavFromPoint) {
  SetRoute(2);
  fms_fpln_act[2].intc_crs = 90.0;
  lnav_leg[0].fr_lat = plane_lat - 0.05;
  lnav_leg[0].fr_lon = plane_lon - 0.1;
  for (const auto& [map, layer, radius, from_lnav] :
       {std::tuple{kFpNdMap, MapLayer{DrawMapRouteFpNd}, 236, true}, {kNdMap, MapLayer{DrawMapRouteNd}, 189, true},
        {kEhsiMap, MapLayer{DrawMapRouteEhsi}, 134, false}}) {
    RecordLayer(map, 40.0, radius, layer);
    const auto lines = Strokes(kMagentaInk, Shape::Line);
    ASSERT_GE(lines.size(), 2u);
    const auto start = rec().PointsOf(*lines[1])[0];  // the line into BBB
    const gfx::PointF from = from_lnav ? At(map, 180.0, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon)
                                       : At(map, 180.0, fms_fpln_act[1].lat, fms_fpln_act[1].lon);
    EXPECT_NEAR(start.x, from.X, 1.0) << radius;  // end points are whole layer units
    EXPECT_NEAR(start.y, from.Y, 1.0) << radius;
  }
}

// 18 NM to CCC: 36 minutes at 30 kt, 10.8 at 100 kt. Labels need more than 30 kt (the ND more than
// 100 for the active waypoint); the altitude only with restriction 1; none on the FP_EHSI.
TEST_F(RouteLayerTest, AltitudeAndEtaLabelsNeedSpeedAndRouteData) {
  SetRoute(3);
  fp_cnt = 3;
  nd_data_on = 1;
  zulu_hour = 10.0;
  fms_fpln_act[3].alt = 12000.0;
  using V = std::vector<std::string>;
  for (const auto& [layer, map, gs, restr, texts] :
       {std::tuple{MapLayer{DrawMapRouteFpNd}, kFpNdMap, 30.0, 1, V{"BBB", "CCC"}},
        {MapLayer{DrawMapRouteFpNd}, kFpNdMap, 31.0, 0, V{"BBB", "CCC", "1035Z"}},
        {MapLayer{DrawMapRouteFpNd}, kFpNdMap, 100.0, 1, V{"BBB", "CCC", "12000", "1011Z"}},
        {MapLayer{DrawMapRouteFpNd}, kFpNdMap, 100.0, 3, V{"BBB", "CCC", "1011Z"}},
        {MapLayer{DrawMapRouteNd}, kNdMap, 100.0, 0, V{"BBB", "CCC"}},
        {MapLayer{DrawMapRouteNd}, kNdMap, 101.0, 0, V{"BBB", "CCC", "1011Z"}},
        {MapLayer{DrawMapRouteEhsi}, kEhsiMap, 250.0, 1, V{"BBB", "CCC"}}}) {
    ground_speed = gs;
    fms_fpln_act[3].restr = restr;
    RecordLayer(map, 40.0, 189, layer);
    EXPECT_EQ(Texts(), texts) << gs << " " << restr;
  }
}

// Minutes rounded before the carry, so 59.6 never reads ":60"; hours wrap modulo 24, as the heading
// readout wraps at 360.
TEST_F(MapTest, ArrivalClockCarriesWholeMinutesAndWrapsHours) {
  for (const auto& [minutes_to_go, zulu_h, zulu_m, h, m] :
       {std::tuple{20.0, 23.0, 50.0, 0.0, 10.0}, {59.6, 10.0, 0.0, 11.0, 0.0},
        {59.4, 10.0, 0.0, 10.0, 59.0}, {26.0 * 60.0, 23.0, 0.0, 1.0, 0.0}, {-0.5, 8.0, 30.0, 8.0, 30.0}}) {
    zulu_hour = zulu_h;
    zulu_min = zulu_m;
    const ArrivalClock eta = ArrivalClockAt(minutes_to_go * 2.0, 120.0);  // 2 NM a minute
    EXPECT_DOUBLE_EQ(eta.hours, h) << minutes_to_go;
    EXPECT_DOUBLE_EQ(eta.minutes, m) << minutes_to_go;
  }
  zulu_hour = zulu_min = 0.0;
  EXPECT_DOUBLE_EQ(ArrivalClockAt(0.25, 0.5).minutes, 30.0);  // however slow over the ground
  for (const auto& [hdg, shown] : {std::pair{360.0, 0.0}, {359.5, 359.5}}) {  // the heading readout
    plane_hdg_mag = hdg;
    EXPECT_EQ(HeadingReadout(), shown) << hdg;
  }
}

// ND and FP_EHSI label the origin runway before the loop, also with row 0 behind the aircraft; the
// FP_ND only while row 0 is drawn. The destination runway goes beside the last row.
TEST_F(RouteLayerTest, RunwayIdentsBesideTheRoutesEnds) {
  SetRoute(2);
  fms_dep_rwy_pos = 1;
  fms_dest_rwy_pos = 2;
  SetText(airport_recs[1].runways[1].ident, "16L");
  SetText(airport_recs[2].runways[2].ident, "10R");
  RecordLayer(kNdMap, 40.0, 189, DrawMapRouteNd);
  const RouteLeg& origin = fms_fpln_act[0];
  ExpectTextAt("16L", LabelAt(kNdMap, 180.0, origin, -19.0), 1e-2);
  ExpectTextAt("10R", LabelAt(kNdMap, 180.0, fms_fpln_act[4], -19.0), 1e-2);
  RecordFpNd();
  EXPECT_EQ(Text("16L"), nullptr);
  EXPECT_NE(Text("10R"), nullptr);
  stpos = 1;
  RecordFpNd();
  ExpectTextAt("16L", LabelAt(kFpNdMap, 180.0, origin, -19.0), 1e-2);
}

TEST_F(RouteLayerTest, LongIdentifiersAreCutToTheLabelWidth) {
  SetRoute(1);
  fms_fpln_act[1].ident = std::string(40, 'X');
  RecordFpNd();
  EXPECT_NE(Text(std::string(19, 'X')), nullptr);
}

// The LNAV aim dot sits on its line also where the layer factors differ (ND canvas 215 x 252).
TEST_F(RouteLayerTest, LnavAimDotLiesOnItsLine) {
  SetRoute(1);
  DrawAPTarget = 1;
  lnav_aim_brg = 200.0;
  mag_var = 15.0;  // true 215: 35 degrees right of the south-up map's top
  CalcDestPoint(plane_lat, plane_lon, 215.0, 3.0, &lnav_aim_pt.lat, &lnav_aim_pt.lon);
  RecordLayer(kNdMap, 40.0, 189, DrawMapRouteNd);
  EXPECT_EQ(Count(OpKind::Fill, kGreenInk), 0u);  // LNAV off
  lnav = 1;
  RecordLayer(kNdMap, 40.0, 189, DrawMapRouteNd);
  const auto line = Strokes(kGreenInk, Shape::Line);
  const auto dot = Ops(OpKind::Fill, kGreenInk);
  ASSERT_EQ(line.size(), 1u);
  ASSERT_EQ(dot.size(), 1u);
  const double px = 189.0 / 40.0;
  const double a = 35.0 * kDegToRad;
  EXPECT_NEAR(dot[0]->bounds.X + dot[0]->bounds.Width / 2, 107.0 + 3.0 * px * std::sin(a), 0.05);
  EXPECT_NEAR(dot[0]->bounds.Y + dot[0]->bounds.Height / 2, 209.0 - 3.0 * px * std::cos(a), 0.05);
  EXPECT_NEAR(dot[0]->bounds.Width, 8.0, 0.01);
  EXPECT_NEAR(dot[0]->bounds.Height, 8.0, 0.01);
}

}  // namespace
