#include "nd/nearby_layers.h"

#include <gtest/gtest.h>

#include "fmc/fmc_globals.h"
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

  // One FP_ND layer under the layer transform about the MAP centre.
  void RecordFpNdLayer(void (*layer)(DisplaySurface*, gfx::Graphics*, double, double)) {
    Record(kFpNdCanvas.width, kFpNdCanvas.height, [layer](DisplaySurface* s, gfx::Graphics* g) {
      const LayerFactors f = SetLayerTransform(g, s, kFpNdCanvas, 159.0, 272.0);
      layer(s, g, f.fx, f.fy);
    });
  }
  void Expect(const char* text, double x, double y) {
    const gfx::RecordedText* t = Text(text);
    ASSERT_NE(t, nullptr) << text;
    EXPECT_NEAR(t->position.X, x, 1e-3) << text;
    EXPECT_NEAR(t->position.Y, y, 1e-3) << text;
  }
};

TEST_F(NearbyLayerTest, StationIdentAndSymbolSitAtTheProjectedPoint) {
  SetRow(near_stations_fine[1], "SEA", 47.4354, -122.3097, "V");
  near_stations_fine_cnt = 1;
  RecordFpNdLayer(DrawMapStationsFpNd);
  double x = 0.0, y = 0.0;
  Project(plane_lat, plane_lon, 165.0, map_px_per_nm, 47.4354, -122.3097, 159.0, 272.0, &x, &y);
  Expect("SEA", x + 5.0, y - 14.0);
  const auto symbols = Ops(OpKind::Stroke, kGreenInk);
  ASSERT_EQ(symbols.size(), 1u);
  const auto pts = rec().PointsOf(*symbols[0]);
  EXPECT_EQ(pts.size(), 19u);  // the VOR symbol
  EXPECT_NEAR(pts[0].x, x - 2.0, 1e-3);
  EXPECT_NEAR(pts[0].y, y - 4.0, 1e-3);
  EXPECT_EQ(Ops(OpKind::Text, kGreenInk).size(), 1u);
  EXPECT_EQ(Text("SEA")->family, "Arial");
  EXPECT_NEAR(calc_dist, calc_dist2 * map_px_per_nm, 1e-9);
}

// Only the type text "V" is a VOR; anything else, "VOR" too, gets the other-station hexagon.
TEST_F(NearbyLayerTest, OnlyTypeVIsDrawnAsAVor) {
  SetRow(near_stations_fine[1], "AAA", 47.5, -122.3, "VOR");
  SetRow(near_stations_fine[2], "BBB", 47.4, -122.3, "N");
  SetRow(near_stations_fine[3], "CCC", 47.3, -122.3, "V");
  near_stations_fine_cnt = 3;
  RecordFpNdLayer(DrawMapStationsFpNd);
  std::vector<size_t> points;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kGreenInk)) points.push_back(rec().PointsOf(*op).size());
  EXPECT_EQ(points, (std::vector<size_t>{7, 7, 19}));
}

TEST_F(NearbyLayerTest, WaypointsAreCyanTrianglesWithTheirIdent) {
  SetRow(near_wpts_fine[1], "TACMA", 47.2010, -122.3460);
  near_wpts_fine_cnt = 1;
  RecordFpNdLayer(DrawMapWaypointsFpNd);
  double x = 0.0, y = 0.0;
  Project(plane_lat, plane_lon, 165.0, map_px_per_nm, 47.2010, -122.3460, 159.0, 272.0, &x, &y);
  Expect("TACMA", x + 7.0, y - 10.0);
  const auto symbols = Ops(OpKind::Stroke, kCyanInk);
  ASSERT_EQ(symbols.size(), 1u);
  EXPECT_EQ(rec().PointsOf(*symbols[0]).size(), 4u);
  EXPECT_NEAR(rec().PointsOf(*symbols[0])[0].x, x, 1e-3);
  EXPECT_EQ(Ops(OpKind::Text, kCyanInk).size(), 1u);
}

// Items up to 2 x range + 50 NM are drawn, both ends included in the reach.
TEST_F(NearbyLayerTest, ItemsBeyondTwiceTheRangePlus50AreSkipped) {
  fpnd_rng_nm = 10.0;
  double lat = 0.0, lon = 0.0;
  CalcDestPoint(plane_lat, plane_lon, 90.0, 69.99, &lat, &lon);
  SetRow(near_wpts_fine[1], "NEAR", lat, lon);
  CalcDestPoint(plane_lat, plane_lon, 90.0, 70.01, &lat, &lon);
  SetRow(near_wpts_fine[2], "FAR", lat, lon);
  near_wpts_fine_cnt = 2;
  RecordFpNdLayer(DrawMapWaypointsFpNd);
  EXPECT_EQ(Texts(), std::vector<std::string>{"NEAR"});
}

TEST_F(NearbyLayerTest, IdentifiersAreCutToSixCharacters) {
  SetRow(near_wpts_fine[1], "ABCDEFGHIJKLMNO", 47.5, -122.3);
  near_wpts_fine_cnt = 1;
  RecordFpNdLayer(DrawMapWaypointsFpNd);
  EXPECT_EQ(Texts(), std::vector<std::string>{"ABCDEF"});
}

TEST_F(NearbyLayerTest, NdCopiesUseTheDisplayFont) {
  display_font = "Panel Family";
  nd_mode = 3;
  nd_rng_nm = 40.0;
  SetRow(near_stations_fine[1], "SEA", 47.4354, -122.3097, "V");
  near_stations_fine_cnt = 1;
  Record(kNdCanvas.width, kNdCanvas.height, [](DisplaySurface* s, gfx::Graphics* g) {
    const LayerFactors f = SetLayerTransform(g, s, kNdCanvas, 107.0, 209.0);
    DrawMapStationsNd(s, g, f.fx, f.fy);
  });
  ASSERT_NE(Text("SEA"), nullptr);
  EXPECT_EQ(Text("SEA")->family, "Panel Family");
}

// PLAN with an active route and no centre leg chosen: the lists are rebuilt around leg 0, the items
// projected north up around the active leg.
TEST_F(NearbyLayerTest, PlanRefreshesAroundTheCentreLegAndProjectsAroundTheActiveLeg) {
  fpnd_mode = 4;
  fpnd_rng_nm = 80.0;
  map_px_per_nm = 120.0 / 80.0;
  stpos = 2;
  map_ctr_leg = 0;
  fms_fpln_act[0].lat = 47.45;
  fms_fpln_act[0].lon = -122.31;
  fms_fpln_act[2].lat = 46.5;
  fms_fpln_act[2].lon = -122.0;
  plane_lat = 40.0;  // far from both
  SetRow(nav_navaids[1], "MID", 46.5, -122.0, "V");
  nav_navaids_cnt = 1;
  near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
  Record(kFpNdCanvas.width, kFpNdCanvas.height, [](DisplaySurface* s, gfx::Graphics* g) {
    const LayerFactors f = SetLayerTransform(g, s, kFpNdCanvas, 159.0, 170.0);
    DrawMapStationsFpNd(s, g, f.fx, f.fy);
  });
  EXPECT_EQ(near_stations_coarse_ctr.lat, 47.45);
  EXPECT_EQ(near_stations_fine_ctr.lon, -122.31);
  Expect("MID", 159.0 + 5.0, 170.0 - 14.0);
}

// The fine list is rebuilt on the first paint after the centre has moved more than 50 NM from where
// it was last built, not before.
TEST_F(NearbyLayerTest, FineListIsRebuiltOnlyAfterA50NmMove) {
  SetRow(nav_navaids[1], "SEA", 47.4354, -122.3097, "V");
  nav_navaids_cnt = 1;
  near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
  RecordFpNdLayer(DrawMapStationsFpNd);
  EXPECT_EQ(near_stations_fine_cnt, 1);
  const NavCentre built = near_stations_fine_ctr;

  CalcDestPoint(built.lat, built.lon, 0.0, 49.9, &plane_lat, &plane_lon);
  RecordFpNdLayer(DrawMapStationsFpNd);
  EXPECT_EQ(near_stations_fine_ctr.lat, built.lat);

  CalcDestPoint(built.lat, built.lon, 0.0, 50.1, &plane_lat, &plane_lon);
  RecordFpNdLayer(DrawMapStationsFpNd);
  EXPECT_EQ(near_stations_fine_ctr.lat, plane_lat);
  EXPECT_EQ(near_stations_coarse_ctr.lat, built.lat);  // the coarse list waits for 200 NM
}

TEST_F(NearbyLayerTest, EmptyListsDrawNothing) {
  near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
  RecordFpNdLayer(DrawMapStationsFpNd);
  RecordFpNdLayer(DrawMapWaypointsFpNd);
  EXPECT_TRUE(rec().ops().empty());
}

}  // namespace
