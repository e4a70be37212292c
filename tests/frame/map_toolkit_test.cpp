#include "frame/map_toolkit.h"

#include <gtest/gtest.h>

#include "fmc/fmc_globals.h"
#include "frame/tcas_link.h"
#include "navdb/navdb_globals.h"
#include "nd/map_fixture.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

constexpr gfx::ARGB kYellowInk = 0xFFFFFF00u;

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

TEST_F(MapToolkitTest, UnknownSymbolDrawsNothing) {
  Draw([](gfx::Graphics* g) { DrawMapSymbol(g, 0.0, 0.0, 64, 1, 1.0, 1.0, 0); });
  EXPECT_TRUE(rec().ops().empty());
}

// --- traffic ---

class TrafficTest : public MapToolkitTest {
 protected:
  void SetUp() override {
    MapToolkitTest::SetUp();
    tcas_serv = &service_;
    tcas_server_connect = 1;
    tcas_take_tick = 0;  // the record's list was taken already: the table below is current
    map_px_per_nm = 10.0;
    plane_hdg_true = 0.0;
  }
  void Target(int row, double brg, double dist, double rel_alt, char threat, char trend) {
    tcas_targets[row] = {brg, dist, rel_alt, threat, 0, trend};
    tcas_target_cnt = std::max(tcas_target_cnt, row);
  }
  tcas::ServiceRecord service_{};
};

TEST_F(TrafficTest, TargetsWithinTheVerticalRangeBothEndsIncluded) {
  Target(1, 0.0, 2.0, 30.0, 'O', '-');
  Target(2, 90.0, 2.0, -30.0, 'P', '-');
  Target(3, 180.0, 2.0, 31.0, 'T', '-');
  Draw(DrawTcasTraffic);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"+30", "-30"}));
  EXPECT_NEAR(Text("+30")->position.Y, 200.0 - 20.0 + 12.0, 1e-4);
  tcas_server_connect = 0;  // nothing without the link
  Draw(DrawTcasTraffic);
  EXPECT_TRUE(rec().ops().empty());
}

// A level target after a climbing one has no arrow.
TEST_F(TrafficTest, ArrowsFollowTheTrend) {
  Target(1, 0.0, 2.0, 3.0, 'T', '^');
  Target(2, 90.0, 2.0, 3.0, 'O', '-');
  Target(3, 180.0, 2.0, -3.0, 'O', 'v');
  Draw(DrawTcasTraffic);
  std::vector<const gfx::Op*> heads;
  for (const gfx::Op& op : rec().ops()) {
    if (op.kind == OpKind::Fill && op.shape == gfx::Shape::Polygon) heads.push_back(&op);
  }
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_EQ(heads[0]->color, kYellowInk);  // an advisory's arrow is yellow
  EXPECT_EQ(heads[1]->color, kWhiteInk);
  // Down: the tip at the bottom.
  const auto down = rec().PointsOf(*heads[1]);
  EXPECT_GT(down[0].y, down[1].y);
}

// --- airports ---

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
  EXPECT_EQ(Count(OpKind::Stroke, kCyanInk), 1u);
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

// PLAN is north up also without a route: an airport due north is straight above the aircraft.
TEST_F(MapToolkitTest, PlanWithoutRouteIsNorthUp) {
  LoadExampleDatabase();
  nd_mode = 4;
  plane_hdg_true = 90.0;
  plane_lat = 47.40;
  plane_lon = -122.302;  // KBFI's meridian
  map_px_per_nm = 2.0;
  Draw([](gfx::Graphics* g) { DrawMapAirportsNd(nullptr, g, 1.0, 1.0); });
  const gfx::RecordedText* bfi = Text("KBFI");
  ASSERT_NE(bfi, nullptr);
  EXPECT_NEAR(bfi->position.X, 200.0 - 3.0, 0.01);
  EXPECT_LT(bfi->position.Y, 200.0 - 15.0);
}

// --- altitude range arc ---

TEST_F(MapToolkitTest, AltitudeArcSitsWhereTheDescentReachesTheLevel) {
  plane_alt = 12000.0;
  ap_alt_lock = 8000.0;
  vert_speed = -1600.0;
  ground_speed = 300.0;
  map_px_per_nm = 6.1;
  Draw(DrawAltRangeArcEhsi);
  ASSERT_EQ(rec().ops().size(), 1u);
  // 2.5 minutes at 5 NM a minute, 6.1 units per NM: 76.25 units ahead, truncated; the arc's top.
  EXPECT_NEAR(rec().ops()[0].bounds.Y, 200.0 - 76.0, 0.01);
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

TEST_F(MapToolkitTest, NdArcTargetFollowsTheRestrictionSetting) {
  plane_alt = 12000.0;
  ap_alt_lock = 9000.0;
  alt_sel_num = 6000;
  vert_speed = -1000.0;
  ground_speed = 60.0;
  map_px_per_nm = 1.0;
  EfisLinesize = 3;
  Draw(DrawAltRangeArcNd);
  EXPECT_NEAR(rec().ops()[0].bounds.Y, 200.0 - 6.0, 0.01);
  BodArcAPRestrictions = 1;
  Draw(DrawAltRangeArcNd);
  EXPECT_NEAR(rec().ops()[0].bounds.Y, 200.0 - 3.0, 0.01);
}

// --- hold ---

struct HoldCase {
  const char* name;
  void (*draw)(gfx::Graphics*, double, double);
  int32_t turn;
  double inbound;      // against a magnetic heading of 100
  double outbound_x;   // of the leg length L = 10 units
  double bottom;
};

class HoldShapes : public MapToolkitTest, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(HoldShapes, OutboundSideByTurnAndDisplay) {
  const HoldCase& c = GetParam();
  plane_hdg_mag = 100.0;
  route_holds[1].lat = plane_lat;  // the fix under the aircraft
  route_holds[1].lon = plane_lon;
  route_holds[1].turn = c.turn;
  route_holds[1].leg_dist = 5.0;
  route_holds[1].inbd_crs = c.inbound;
  map_px_per_nm = 2.0;
  Draw([&c](gfx::Graphics* g) { c.draw(g, 1.0, 1.0); });
  const auto lines = Ops(OpKind::Stroke, kMagentaInk);
  ASSERT_EQ(lines.size(), 5u);
  const auto outbound = rec().PointsOf(*lines[1]);
  EXPECT_NEAR(outbound[0].x, 200.0 + c.outbound_x, 1e-3);
  EXPECT_NEAR(outbound[1].y, 200.0 + c.bottom, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Holds, HoldShapes,
                         ::testing::Values(HoldCase{"RightEhsi", DrawMapHoldEhsi, 1, 100.0, 5.0, 8.0},
                                           HoldCase{"LeftFpNd", DrawMapHoldFpNd, 2, 100.0, -5.0, 8.0},
                                           HoldCase{"RightNd", DrawMapHoldNd, 1, 102.0, 7.0, 11.0}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- T/C and T/D ---

TEST_F(MapToolkitTest, RouteMarksSetTheScaleAndMarkTheProfilePoints) {
  cruise_alt = 35000;
  toc = 0;
  init_tod = 1;
  CalcDestPoint(plane_lat, plane_lon, 0.0, 10.0, &toc_lat, &toc_lon);
  Draw([](gfx::Graphics* g) { DrawRouteMarks(g, 236, 40.0, 0.0, 2.0, 1.0, plane_lat, plane_lon, 0.0); });
  EXPECT_DOUBLE_EQ(map_px_per_nm, 5.9);
  EXPECT_EQ(Texts(), std::vector<std::string>{"T/C"});
  EXPECT_NEAR(Text("T/C")->position.Y, 200.0 - 59.0 - 7.0, 0.01);

  cruise_alt = 0;  // no profile: no marks
  Draw([](gfx::Graphics* g) { DrawRouteMarks(g, 120, 40.0, 0.0, 1.0, 1.0, plane_lat, plane_lon, 0.0); });
  EXPECT_DOUBLE_EQ(map_px_per_nm, 3.0);
  EXPECT_TRUE(rec().ops().empty());
  // A range of 0 would make the scale infinite: it stays.
  Draw([](gfx::Graphics* g) { DrawRouteMarks(g, 120, 0.0, 0.0, 1.0, 1.0, plane_lat, plane_lon, 0.0); });
  EXPECT_DOUBLE_EQ(map_px_per_nm, 3.0);
}

}  // namespace
