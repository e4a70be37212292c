// Test bed of the route, runway and FIX INFO layers: the map test bed with a route flown south
// from Seattle (heading 180 true, no drift, so MAP is south up) and a recorder for one layer under
// its display's layer transform.
#pragma once

#include "fmc/fmc_globals.h"
#include "nd/map_fixture.h"

struct LayerMap {
  MapCanvas canvas;
  double cx, cy;
};
inline constexpr LayerMap kFpNdMap{kFpNdCanvas, 159.0, 272.0};
inline constexpr LayerMap kNdMap{kNdCanvas, 107.0, 209.0};
inline constexpr LayerMap kEhsiMap{kFpEhsiCanvas, 159.0, 170.0};

using MapLayer = void (*)(DisplaySurface*, gfx::Graphics*, double, double);

class LayerTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    plane_hdg_true = 180.0;
    fpnd_rng_nm = nd_rng_nm = fp_ehsi_rng_nm = 40.0;
    nd_mode = 3;
  }

  // Row `row` of a route: `south_nm` south of the aircraft.
  static void SetLeg(RouteLeg* table, int row, const char* ident, double south_nm) {
    table[row] = RouteLeg{};
    table[row].ident = ident;
    table[row].lat = plane_lat - south_nm / 60.0;
    table[row].lon = plane_lon;
    table[row].alt = -999.0;
    table[row].intc_crs = -1.0;
  }
  // KSEA at the aircraft, then AAA, BBB, CCC, DDD every 6 NM, active on `active`.
  static void SetRoute(int active) {
    const char* idents[] = {"KSEA", "AAA", "BBB", "CCC", "DDD"};
    for (int i = 0; i < 5; ++i) SetLeg(fms_fpln_act, i, idents[i], 6.0 * i);
    fp_cnt = 4;
    stpos = active;
    fms_fpln_active = 3;
  }

  void RecordLayer(const LayerMap& m, double range_nm, int32_t radius_px, MapLayer layer) {
    map_px_per_nm = radius_px / range_nm;
    Record(m.canvas.width, m.canvas.height, [&](DisplaySurface* s, gfx::Graphics* g) {
      const LayerFactors f = SetLayerTransform(g, s, m.canvas, m.cx, m.cy);
      layer(s, g, f.fx, f.fy);
    });
  }

  // Where a position lands on the canvas for the map about `m` with the up direction `up`.
  static gfx::PointF At(const LayerMap& m, double up, double lat, double lon, double centre_lat = plane_lat,
                        double centre_lon = plane_lon) {
    double x = 0.0, y = 0.0;
    Project(centre_lat, centre_lon, up, map_px_per_nm, lat, lon, m.cx, m.cy, &x, &y);
    return gfx::PointF(static_cast<float>(x), static_cast<float>(y));
  }

  void ExpectTextAt(const std::string& text, gfx::PointF p, double tol = 1e-3) {
    const gfx::RecordedText* t = Text(text);
    ASSERT_NE(t, nullptr) << text;
    EXPECT_NEAR(t->position.X, p.X, tol) << text;
    EXPECT_NEAR(t->position.Y, p.Y, tol) << text;
  }
  const gfx::Op* TextOp(const std::string& text) const { return rec().FindText(text); }

  // Strokes of a colour and shape.
  std::vector<const gfx::Op*> Strokes(gfx::ARGB colour, gfx::Shape shape) const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op* op : Ops(gfx::OpKind::Stroke, colour)) {
      if (op->shape == shape) out.push_back(op);
    }
    return out;
  }
};
