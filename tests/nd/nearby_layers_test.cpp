#include "nd/nearby_layers.h"

#include <gtest/gtest.h>

#include <tuple>

#include "navdb/navdb_globals.h"
#include "nd/map_fixture.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

void SetRow(NavRecord& row, const char* ident, double lat, double lon, const char* type = "I") {
  ClearRecord(row);
  SetText(row.ident, ident);
  SetText(row.type, type);
  row.lat = lat;
  row.lon = lon;
}

class NearbyLayerTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    plane_hdg_true = 170.0;
    drift_angle = 5.0;  // FP_ND MAP is track up: 165
    fpnd_rng_nm = 40.0;
    map_px_per_nm = 236.0 / 40.0;
    // Lists built here, around the aircraft: the layers draw them as they are.
    near_stations_coarse_ctr = near_stations_fine_ctr = near_wpts_coarse_ctr = near_wpts_fine_ctr = {plane_lat,
                                                                                                    plane_lon};
  }
  void RecordFpNd(MapLayer layer) { RecordLayer(kFpNdCanvas, 159.0, 272.0, layer); }
  static gfx::PointF At(double lat, double lon) {
    return Project(plane_lat, plane_lon, 165.0, map_px_per_nm, lat, lon, 159.0, 272.0);
  }
};

// The ident 5 right of and 14 above the projected point, the symbol about it: only the type text
// "V" is a VOR (19 points); anything else, "VOR" too, gets the other-station hexagon.
TEST_F(NearbyLayerTest, StationsSitAtTheProjectedPointByType) {
  SetRow(near_stations_fine[1], "AAA", 47.5, -122.3, "VOR");
  SetRow(near_stations_fine[2], "BBB", 47.4, -122.3, "N");
  SetRow(near_stations_fine[3], "SEA", 47.4354, -122.3097, "V");
  near_stations_fine_cnt = 3;
  RecordFpNd(DrawMapStationsFpNd);
  const gfx::PointF p = At(47.4354, -122.3097);
  ExpectTextAt("SEA", gfx::PointF(p.X + 5.0f, p.Y - 14.0f));
  std::vector<size_t> points;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kGreenInk)) points.push_back(rec().PointsOf(*op).size());
  EXPECT_EQ(points, (std::vector<size_t>{7, 7, 19}));
  EXPECT_NEAR(rec().PointsOf(*Ops(OpKind::Stroke, kGreenInk)[2])[0].x, p.X - 2.0, 1e-3);
  EXPECT_NEAR(calc_dist, calc_dist2 * map_px_per_nm, 1e-9);
}

// Idents cut to six characters; items up to 2 x range + 50 NM are drawn, both ends included (seen
// on a recording that sees everything: on the display the clip cuts both away, so they are left out).
TEST_F(NearbyLayerTest, WaypointsWithinReachAsCyanTriangles) {
  fpnd_rng_nm = 10.0;
  double lat = 0.0, lon = 0.0;
  CalcDestPoint(plane_lat, plane_lon, 90.0, 69.99, &lat, &lon);
  SetRow(near_wpts_fine[1], "NEARBYFIX", lat, lon);
  CalcDestPoint(plane_lat, plane_lon, 90.0, 70.01, &lat, &lon);
  SetRow(near_wpts_fine[2], "FAR", lat, lon);
  SetRow(near_wpts_fine[3], "TACMA", 47.2010, -122.3460);
  near_wpts_fine_cnt = 3;
  rec_.set_sees_everything(true);
  RecordFpNd(DrawMapWaypointsFpNd);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"NEARBY", "TACMA"}));
  EXPECT_EQ(Ops(OpKind::Stroke, kCyanInk).size(), 2u);
  rec_.set_sees_everything(false);
  RecordFpNd(DrawMapWaypointsFpNd);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"TACMA"}));
}

// PLAN with an active route and no centre leg chosen: the lists are rebuilt around leg 0, the items
// projected north up around the active leg.
TEST_F(NearbyLayerTest, PlanRefreshesAroundTheCentreLegAndProjectsAroundTheActiveLeg) {
  fpnd_mode = 4;
  fpnd_rng_nm = 80.0;
  map_px_per_nm = 120.0 / 80.0;
  stpos = 2;
  map_ctr_leg = 0;
  std::tie(fms_fpln_act[0].lat, fms_fpln_act[0].lon) = std::pair(47.45, -122.31);
  std::tie(fms_fpln_act[2].lat, fms_fpln_act[2].lon) = std::pair(46.5, -122.0);
  plane_lat = 40.0;  // far from both
  SetRow(nav_navaids[1], "MID", 46.5, -122.0, "V");
  nav_navaids_cnt = 1;
  near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
  RecordLayer(kFpNdCanvas, 159.0, 170.0, DrawMapStationsFpNd);
  EXPECT_EQ(near_stations_coarse_ctr.lat, 47.45);
  EXPECT_EQ(near_stations_fine_ctr.lon, -122.31);
  ExpectTextAt("MID", gfx::PointF(159.0f + 5.0f, 170.0f - 14.0f));
}

}  // namespace
