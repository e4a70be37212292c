#include <gtest/gtest.h>

#include <tuple>

#include "cdu/cdu_globals.h"
#include "navdb/navdb_globals.h"
#include "nd/fix_info_layer.h"
#include "nd/map_fixture.h"
#include "nd/runway_layer.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;
using gfx::Shape;

// --- runways ---

class RunwayLayerTest : public LayerTest {
 protected:
  void SetUp() override {
    LayerTest::SetUp();
    SetRoute(1);
  }
  // Runway `row` of block `block`: threshold `dist_nm` south of the aircraft, heading 160 magnetic.
  static void SetRunway(int block, int row, const char* ident, double dist_nm, int32_t length_ft) {
    RunwayRecord& r = airport_recs[block].runways[row];
    SetText(r.ident, ident);
    CalcDestPoint(plane_lat, plane_lon, 180.0, dist_nm, &r.lat, &r.lon);
    r.length_ft = length_ft;
    r.heading = 160.0;
  }
  void RecordFpNd() {
    RecordLayer(kFpNdMap, 40.0, 236, [](DisplaySurface* s, gfx::Graphics* g, double fx, double fy) {
      DrawMapRunwaysFpNd(s, g, fx, fy, plane_lat, plane_lon, 180.0);
    });
  }
};

// Four dashed lines for a departure runway, five for an arrival runway (its centreline too), within
// 100 NM of the map centre only; rows outside the table draw nothing.
TEST_F(RunwayLayerTest, RunwaysWithinReachAreDrawn) {
  for (const auto& [dist_nm, dep, dest, lines] : {std::tuple{99.9, 3, 0, 4u}, {99.9, 0, 4, 5u}, {99.9, 3, 4, 9u},
                                                  {100.001, 3, 4, 0u}, {5.0, 23, 0, 0u}, {5.0, -1, 0, 0u}}) {
    SetRunway(1, 3, "16L", dist_nm, 11900);
    SetRunway(2, 4, "10R", dist_nm, 11000);
    fms_dep_rwy_pos = dep;
    fms_dest_rwy_pos = dest;
    RecordFpNd();
    size_t dashed = 0;
    for (const gfx::Op* op : Strokes(kWhiteInk, Shape::Line)) dashed += op->dash == gfx::DashStyleDash ? 1 : 0;
    EXPECT_EQ(dashed, lines) << dist_nm << " " << dep << " " << dest;
  }
  EXPECT_EQ(SelectedRunway(1, kAirportRunwayRows), nullptr);  // one past the table
}

// --- FIX INFO ---

class FixInfoLayerTest : public LayerTest {
 protected:
  // Fix `row` `dist_nm` from the aircraft on the true bearing `brg`.
  static void SetFix(int row, const char* type, double brg, double dist_nm, double radial, double distance) {
    FixInfoEntry& f = fix_info[row];
    f = FixInfoEntry{};
    f.ident = "FIX";
    f.type = type;
    CalcDestPoint(plane_lat, plane_lon, brg, dist_nm, &f.lat, &f.lon);
    f.radial1 = radial;
    f.distance1 = distance;
  }
  void RecordFpNd() {
    Record(kFpNdCanvas.width, kFpNdCanvas.height,
           [](DisplaySurface* s, gfx::Graphics* g) { DrawMapFixInfoFpNd(s, g); });
  }
};

// Fixes beyond 380 NM are left out, and so are lines without a distance (a radial alone).
TEST_F(FixInfoLayerTest, OnlyLinesWithADistanceToFixesWithin380Nm) {
  fpnd_rng_nm = 320.0;
  for (const auto& [dist_nm, line_dist_nm, drawn] :
       {std::tuple{379.99, 10.0, true}, {380.01, 10.0, false}, {10.0, 0.0, false}}) {
    SetFix(1, "V", 180.0, dist_nm, 90.0, line_dist_nm);
    RecordFpNd();
    EXPECT_EQ(!rec().ops().empty(), drawn) << dist_nm << " " << line_dist_nm;
  }
}

// The distance circle's label goes below a circle wholly above the centre; a radial of 360 reads 000.
TEST_F(FixInfoLayerTest, FixWithRadialAndDistance) {
  plane_hdg_mag = 180.0;
  SetFix(1, "V", 180.0, 10.0, 360.0, 5.0);
  RecordFpNd();
  const double px = 236.0 / 40.0;
  const int32_t y = static_cast<int32_t>(-10.0 * px);  // straight up on the south-up map
  const auto ellipses = Strokes(kGreenInk, Shape::Ellipse);
  ASSERT_EQ(ellipses.size(), 2u);
  const int32_t r = static_cast<int32_t>(5.0 * px);
  EXPECT_NEAR(ellipses[1]->bounds.Y, 272.0 + y - r, 1e-3);
  // The whole circle lies more than 10 above the centre (y + r = -30): the label goes below it.
  ExpectTextAt("5.0", gfx::PointF(159.0f - 6.0f, 272.0f + y + r + 1.0f));
  EXPECT_NE(Text("000"), nullptr);
  const auto radial = Strokes(kGreenInk, Shape::Line);
  ASSERT_EQ(radial.size(), 1u);
  // North from a fix that lies south of the aircraft on a south-up map: the line runs down.
  const auto pts = rec().PointsOf(*radial[0]);
  EXPECT_NEAR(pts[0].y, 272.0 + y, 1e-3);
  EXPECT_NEAR(pts[1].y, 272.0 + y + 360.0 * px, 1e-2);
}

}  // namespace
