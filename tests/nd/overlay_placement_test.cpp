// Overlays lie where they say on the map they are drawn on: in PLAN about a route leg, and on a
// track-up map under drift and magnetic variation.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "nd/map_fixture.h"
#include "nd/map_frame.h"
#include "nd/nd_overlay.h"
#include "nd/route_layer.h"
#include "sim/tcas_link.h"
#include "state/config_globals.h"

namespace {

constexpr LayerMap kNdPlan{kNdCanvas, 107.0, 126.0};

// Heading 164 magnetic, 180 true (variation 16 east) and 11 degrees of drift: the track-up maps have
// the magnetic track 153, the true track 169 at their top.
class OverlayPlacementTest : public LayerTest {
 protected:
  void SetUp() override {
    LayerTest::SetUp();
    std::tie(plane_hdg_mag, mag_var, drift_angle, plane_trk_mag) = std::tuple(164.0, 16.0, 11.0, 153.0);
    fp_nd_centre_y = 272;
  }
  // Direction from a to b on the canvas in tenths of a degree clockwise from up.
  static long Direction(double ax, double ay, double bx, double by) {
    return std::lround(FmodPositive(std::atan2(bx - ax, ay - by) / kDegToRad, 360.0) * 10.0) % 3600;
  }
  // Directions from (cx, cy) of the points of a colour's strokes (or fills) `radius` from it.
  std::set<long> DirectionsAt(gfx::OpKind kind, gfx::ARGB colour, double cx, double cy, double radius) const {
    std::set<long> out;
    for (const gfx::Op* op : Ops(kind, colour)) {
      for (const auto& p : rec().PointsOf(*op)) {
        if (std::fabs(std::hypot(p.x - cx, p.y - cy) - radius) < 0.01) out.insert(Direction(cx, cy, p.x, p.y));
      }
    }
    return out;
  }
};

// PLAN centred on DDD, 24 NM south of the aircraft: an RA 3 NM ahead (south) is drawn 21 NM north of
// DDD, not on it.
TEST_F(OverlayPlacementTest, PlanTrafficLiesWhereItIsFromTheAircraft) {
  static tcas::ServiceRecord service{};
  std::tie(tcas_serv, tcas_server_connect, tcas_take_tick) = std::tuple(&service, 1, 0);  // the list below is taken
  tcas_targets[1] = {plane_hdg_true, 3.0, 3.0, 'R', 0, '-'};
  tcas_target_cnt = 1;
  SetRoute(1);
  std::tie(map_ctr_leg, nd_mode, nd_tfc_on) = std::tuple(4, 4, 1);
  Record(kNdCanvas, DrawNdMap);
  ExpectTextAt("+3", gfx::PointF(107.0f - 13.0f, static_cast<float>(126.0 - 21.0 * 189.0 / 40.0 + 12.0)), 0.6);
}

// VOR 30 degrees right of the nose, ADF 20 left: on the track-up FP_ND each pointer's head lies 11
// degrees further right, over its station.
TEST_F(OverlayPlacementTest, FpNdPointersPointAtTheirStations) {
  for (const auto& [token, value] : {std::pair{49, 1.0}, {550, 30.0}, {20, 1.0}, {39, -20.0}}) SetToken(token, value);
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(DirectionsAt(gfx::OpKind::Stroke, kGreenInk, 159.0, 272.0, 245.0), (std::set<long>{410, 3510}));
}

// Radial 170 is 186 true: 17 degrees right of the top of the track-up map, 186 on the north-up plan.
TEST_F(OverlayPlacementTest, FixInfoRadialsRunAlongTheirTrueCourse) {
  fix_info[1] = FixInfoEntry{};
  std::tie(fix_info[1].ident, fix_info[1].lat, fix_info[1].lon) = std::tuple("FIXA", plane_lat + 0.2, plane_lon);
  std::tie(fix_info[1].radial1, fix_info[1].distance1) = std::tuple(170.0, 5.0);
  for (const auto& [mode, want] : {std::pair{3, 170L}, std::pair{4, 1860L}}) {
    nd_mode = mode;
    Record(kNdCanvas, DrawNdMap);
    std::set<long> radials;
    for (const gfx::Op* op : Strokes(kGreenInk, gfx::Shape::Line)) {
      const auto p = rec().PointsOf(*op);
      if (op->dash != gfx::DashStyleSolid) radials.insert(Direction(p[0].x, p[0].y, p[1].x, p[1].y));
    }
    EXPECT_EQ(radials, std::set<long>{want}) << mode;
  }
}

// Wind from 290 true blows to 094 magnetic, shown here in true degrees: the arrow turns by the
// magnetic track on the track-up maps and by the heading on the heading-up rose.
TEST_F(OverlayPlacementTest, WindArrowPointsDownwindOnItsCompass) {
  std::tie(wind_dir, wind_speed, wind_vector_deg_var) = std::tuple(290.0, 80.0, "TRUE");
  using Overlay = void (*)(DisplaySurface*, gfx::Graphics*);
  for (const auto& [overlay, canvas, mode, ax, ay, want] :
       {std::tuple{Overlay{DrawNdOverlay}, kNdCanvas, 3, 15.0, 230.0, 3010L},
        {Overlay{DrawNdOverlay}, kNdCanvas, 1, 15.0, 230.0, 2900L},
        {Overlay{DrawFpNdOverlay}, kFpNdCanvas, 3, 20.0, 40.0, 3010L}}) {
    nd_mode = fpnd_mode = mode;
    Record(canvas, overlay);
    EXPECT_EQ(DirectionsAt(gfx::OpKind::Fill, kWhiteInk, ax, ay, 9.0), std::set<long>{want}) << canvas.width << mode;
  }
}

// LNAV aims 3 NM down the route (south), the heading to fly 11 degrees right of it for the drift: the
// dot lies on the route line and the aim line runs along it from the aircraft, in MAP and in PLAN.
TEST_F(OverlayPlacementTest, LnavAimDotLiesOnTheRouteLine) {
  SetRoute(1);
  std::tie(DrawAPTarget, lnav, map_ctr_leg) = std::tuple(1, 1, 4);
  lnav_aim_pt = LatLon{plane_lat - 3.0 / 60.0, plane_lon};
  lnav_aim_brg = 180.0 - mag_var + drift_angle;
  for (const auto& [mode, m, up, centre] : {std::tuple{3, kNdMap, 169.0, 0}, std::tuple{4, kNdPlan, 0.0, 4}}) {
    nd_mode = mode;
    RecordLayer(m, 40.0, 189, DrawMapRouteNd);
    const RouteLeg& c = fms_fpln_act[centre];
    const gfx::PointF aircraft = At(m, up, plane_lat, plane_lon, c.lat, c.lon);
    const gfx::PointF aim = At(m, up, lnav_aim_pt.lat, lnav_aim_pt.lon, c.lat, c.lon);
    const auto dots = Ops(gfx::OpKind::Fill, kGreenInk);
    const auto lines = Strokes(kGreenInk, gfx::Shape::Line);
    ASSERT_EQ(std::pair(dots.size(), lines.size()), std::pair(size_t{1}, size_t{1})) << mode;
    EXPECT_NEAR(std::hypot(dots[0]->bounds.X + 4.0 - aim.X, dots[0]->bounds.Y + 4.0 - aim.Y), 0.0, 0.01) << mode;
    const auto p = rec().PointsOf(*lines[0]);
    EXPECT_NEAR(std::hypot(p[0].x - aircraft.X, p[0].y - aircraft.Y), 0.0, 1.0) << mode;
    EXPECT_NEAR(Direction(p[0].x, p[0].y, p[1].x, p[1].y), Direction(aircraft.X, aircraft.Y, aim.X, aim.Y), 10) << mode;
  }
}

}  // namespace
