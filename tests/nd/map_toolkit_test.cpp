#include "nd/map_toolkit.h"

#include <gtest/gtest.h>

#include "fmc/fmc_globals.h"
#include "sim/tcas_link.h"
#include "navdb/navdb_globals.h"
#include "nd/map_fixture.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

class MapToolkitTest : public MapTest {
 protected:
  // Draws at the origin of a plain 400 x 400 surface moved to (200, 200).
  const gfx::Recording& Draw(const std::function<void(gfx::Graphics*)>& draw) {
    return Record(400.0, 400.0, [&draw](DisplaySurface*, gfx::Graphics* g) {
      g->TranslateTransform(200.0f, 200.0f);
      draw(g);
    });
  }
};

// A centre off the globe gives no bounds to cull by: everything may show.
TEST_F(MapToolkitTest, CullingAroundACentreOffTheGlobeLeavesNothingOut) {
  map_px_per_nm = 1.0;
  Draw([](gfx::Graphics* g) { EXPECT_TRUE(MapItemCulling(g, LayerFactors{1.0, 1.0}, 100.0, 0.0, 10.0).MayShow(0, 0)); });
}

TEST_F(MapToolkitTest, UnknownSymbolDrawsNothing) {
  Draw([](gfx::Graphics* g) { DrawMapSymbol(g, 0.0, 0.0, 64, 1, 1.0, 1.0, 0); });
  EXPECT_TRUE(rec().ops().empty());
}

TEST_F(MapToolkitTest, TrafficWithinTheVerticalRangeBothEndsIncluded) {
  tcas::ServiceRecord service{};
  tcas_serv = &service;
  tcas_server_connect = 1;
  tcas_take_tick = 0;  // the record's list was taken already: the table below is current
  map_px_per_nm = 10.0;
  tcas_targets[1] = {0.0, 2.0, 30.0, 'O', 0, '-'};
  tcas_targets[2] = {90.0, 2.0, -30.0, 'P', 0, '-'};
  tcas_targets[3] = {180.0, 2.0, 31.0, 'T', 0, '-'};
  tcas_target_cnt = 3;
  const auto traffic = [](gfx::Graphics* g) { DrawTcasTraffic(g, plane_hdg_true); };
  Draw(traffic);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"+30", "-30"}));
  tcas_server_connect = 0;  // nothing without the link
  Draw(traffic);
  EXPECT_TRUE(rec().ops().empty());
}

TEST_F(MapToolkitTest, AirportsUpToTwiceTheRangePlus10AreDrawn) {
  fp_ehsi_rng_nm = 20.0;
  map_px_per_nm = 1.0;
  near_apt_ref_lat = near_apt_ref_lat2 = plane_lat;
  near_apt_ref_lon = near_apt_ref_lon2 = plane_lon;
  double lat = 0.0, lon = 0.0;
  CalcDestPoint(plane_lat, plane_lon, 45.0, 49.99, &lat, &lon);
  SetText(near_apts_fine[1].ident, "KNEARBY");
  near_apts_fine[1].lat = lat;
  near_apts_fine[1].lon = lon;
  CalcDestPoint(plane_lat, plane_lon, 45.0, 50.01, &lat, &lon);
  SetText(near_apts_fine[2].ident, "KFAR");
  near_apts_fine[2].lat = lat;
  near_apts_fine[2].lon = lon;
  near_apt_count = 2;
  Draw([](gfx::Graphics* g) { DrawMapAirportsEhsi(nullptr, g, 1.0, 1.0); });
  EXPECT_EQ(Texts(), std::vector<std::string>{"KNEAR"});
}

// The coarse list is rebuilt around the plan's centre leg, not the aircraft, so a plan far away
// keeps its airports and does not rebuild on every paint.
TEST_F(MapToolkitTest, PlanAirportListsFollowTheCentreLeg) {
  LoadExampleDatabase();
  fpnd_mode = 4;
  stpos = 1;
  map_ctr_leg = 3;
  fms_fpln_act[3].lat = 45.589;  // KPDX
  fms_fpln_act[3].lon = -122.597;
  plane_lat = 30.0;  // 900 NM away
  map_px_per_nm = 2.0;
  Draw([](gfx::Graphics* g) { DrawMapAirportsFpNd(nullptr, g, 1.0, 1.0); });
  EXPECT_EQ(near_apt_ref_lat2, 45.589);
  const gfx::RecordedText* pdx = Text("KPDX");
  ASSERT_NE(pdx, nullptr);
  EXPECT_NEAR(pdx->position.X, 200.0 - 5.0 + 2.0, 0.01);  // at the centre
}

TEST_F(MapToolkitTest, AltitudeArcNeedsAVerticalSpeedAndADrawableDistance) {
  plane_alt = 12000.0;
  ap_alt_lock = 8000.0;
  ground_speed = 300.0;
  map_px_per_nm = 6.0;
  vert_speed = 0.0;
  Draw(DrawAltRangeArcEhsi);
  EXPECT_TRUE(rec().ops().empty());
  vert_speed = -0.001;  // millions of units away
  Draw(DrawAltRangeArcEhsi);
  EXPECT_TRUE(rec().ops().empty());
}

TEST_F(MapToolkitTest, RouteMarksSetTheScaleAndMarkTheProfilePoints) {
  cruise_alt = 35000;
  toc = 0;
  init_tod = 1;
  CalcDestPoint(plane_lat, plane_lon, 0.0, 10.0, &toc_lat, &toc_lon);
  Draw([](gfx::Graphics* g) { DrawRouteMarks(g, 236, 40.0, 0.0, 2.0, 1.0, plane_lat, plane_lon, 0.0); });
  EXPECT_DOUBLE_EQ(map_px_per_nm, 5.9);
  EXPECT_EQ(Texts(), std::vector<std::string>{"T/C"});
  EXPECT_NEAR(Text("T/C")->position.Y, 200.0 - 59.0 - 7.0, 0.01);
  // A range of 0 would make the scale infinite: it stays.
  Draw([](gfx::Graphics* g) { DrawRouteMarks(g, 120, 0.0, 0.0, 1.0, 1.0, plane_lat, plane_lon, 0.0); });
  EXPECT_DOUBLE_EQ(map_px_per_nm, 5.9);
}

}  // namespace
