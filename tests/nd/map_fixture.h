// Test bed of the map painters and layers: the display test bed with the aircraft at Seattle and a
// recording surface the size of a display's canvas, so that device points are canvas units (a
// layer's point (x, y) about the map centre lands at centre + (x, y)).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "displays/display_fixtures.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "navdb/nav_loader.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"

inline constexpr gfx::ARGB kWhiteInk = palette::kWhite;
inline constexpr gfx::ARGB kGreenInk = palette::kGreen;
inline constexpr gfx::ARGB kMagentaInk = palette::kMagenta;
inline constexpr gfx::ARGB kCyanInk = palette::kCyan;

class MapTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    plane_lat = 47.45;
    plane_lon = -122.311;
    fp_ehsi_mode = 3;  // the EHSI's map painter runs in MAP
  }

  // The example region's database (KSEA, KBFI, SEA, NOLLA, TACMA, ...).
  static void LoadExampleDatabase() {
    sim_root = RO757_SOURCE_DIR "/examples/sim";
    LoadNavDatabase();
  }

  using DisplayTest::Record;
  const gfx::Recording& Record(MapCanvas c, void (*painter)(DisplaySurface*, gfx::Graphics*)) {
    return Record(c.width, c.height, painter);
  }
  // One layer under its display's layer transform about (cx, cy).
  using MapLayer = void (*)(DisplaySurface*, gfx::Graphics*, double, double);
  const gfx::Recording& RecordLayer(MapCanvas c, double cx, double cy, MapLayer layer) {
    return Record(c.width, c.height, [&](DisplaySurface* s, gfx::Graphics* g) {
      const LayerFactors f = SetLayerTransform(g, s, c, cx, cy);
      layer(s, g, f.fx, f.fy);
    });
  }

  const gfx::Recording& rec() const { return rec_; }
  size_t Count(gfx::OpKind kind, gfx::ARGB colour) const { return Ops(kind, colour).size(); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const gfx::Op* op : rec_.TextOps()) out.push_back(rec_.TextOf(*op)->text);
    return out;
  }
  using DisplayTest::ExpectTextAt;
  void ExpectTextAt(const std::string& text, gfx::PointF p, double tol = 1e-3) const {
    SCOPED_TRACE(text);
    ExpectTextAt(Text(text), p.X, p.Y, tol);
  }
  // Strokes of a colour and shape.
  std::vector<const gfx::Op*> Strokes(gfx::ARGB colour, gfx::Shape shape) const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op* op : Ops(gfx::OpKind::Stroke, colour)) {
      if (op->shape == shape) out.push_back(op);
    }
    return out;
  }

  // Where the projection rule puts a position on a map about (cx, cy): canvas units.
  static gfx::PointF Project(double centre_lat, double centre_lon, double up_deg, double px_per_nm, double lat,
                             double lon, double cx, double cy) {
    double d = 0.0, b = 0.0, x = 0.0, y = 0.0;
    CalcDistBrg(centre_lat, centre_lon, lat, lon, &d, &b);
    CalcMapPoint(up_deg, b, 0.0, 0.0, d * px_per_nm, &x, &y);
    return gfx::PointF(static_cast<float>(x + cx), static_cast<float>(y + cy));
  }
};

// The route, runway and FIX INFO layers: a route flown south from Seattle (heading 180 true, no
// drift, so MAP is south up), on the three displays' layer maps.
struct LayerMap {
  MapCanvas canvas;
  double cx, cy;
};
inline constexpr LayerMap kFpNdMap{kFpNdCanvas, 159.0, 272.0};
inline constexpr LayerMap kNdMap{kNdCanvas, 107.0, 209.0};
inline constexpr LayerMap kEhsiMap{kFpEhsiCanvas, 159.0, 170.0};

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
    MapTest::RecordLayer(m.canvas, m.cx, m.cy, layer);
  }

  // Where a position lands on the canvas for the map about `m` with the up direction `up`.
  static gfx::PointF At(const LayerMap& m, double up, double lat, double lon, double centre_lat = plane_lat,
                        double centre_lon = plane_lon) {
    return Project(centre_lat, centre_lon, up, map_px_per_nm, lat, lon, m.cx, m.cy);
  }
};
