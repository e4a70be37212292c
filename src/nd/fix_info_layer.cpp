#include "nd/fix_info_layer.h"

#include <algorithm>
#include <cstdio>

#include "cdu/cdu_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "nd/map_toolkit.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::REAL;

constexpr int32_t kModeMap = 3;
constexpr double kMaxFixDistNm = 380.0;
constexpr double kRadialLengthNm = 360.0;
constexpr double kRadialLabelMin = 25.0;
constexpr int32_t kColourCyan = 1;

struct FixInfoMap {
  MapCanvas canvas;
  double (*centre_y)();
  double centre_x;  // the FP_ND's fp_nd_centre_x never changes from 159
  const int32_t* mode;
  const int32_t* radius_px;
  const double* range_nm;
  bool display_family;
};

double EhsiCentreY() { return 170.0; }
double FpNdCentreY() { return fp_nd_centre_y; }
double NdCentreY() { return nd_mode == kModeMap && ctr_mode == 0 ? 209.0 : 126.0; }

const FixInfoMap kEhsiFixInfo{kFpEhsiCanvas, EhsiCentreY, 159.0, &fp_ehsi_mode, &ehsi_radius_px, &fp_ehsi_rng_nm,
                              false};
const FixInfoMap kFpNdFixInfo{kFpNdCanvas, FpNdCentreY, 159.0, &fpnd_mode, &fp_nd_radius_px, &fpnd_rng_nm, false};
const FixInfoMap kNdFixInfo{kNdCanvas, NdCentreY, 107.0, &nd_mode, &nd_radius_px, &nd_rng_nm, true};

struct FixInfoResources {
  explicit FixInfoResources(bool display_family)
      : font(PixelFont(display_family ? display_font.c_str() : "Arial", 8.0)),
        solid(gfx::Color(palette::kGreen), 1.0f),
        dashed(DashedPen(palette::kGreen, 1.0)),
        brush(gfx::Color(palette::kGreen)) {}
  gfx::Font font;
  gfx::Pen solid;
  gfx::Pen dashed;
  gfx::SolidBrush brush;
};

// Where a fix lies from the map's reference, how the map is turned and which magnetic direction is
// up on it, the one the radials are turned against.
struct FixPlacement {
  double dist_nm;
  double brg_true;
  double up;
  double heading_ref;
};

FixPlacement PlaceFix(const FixInfoEntry& fix, bool map) {
  double ref_lat = plane_lat;
  double ref_lon = plane_lon;
  FixPlacement at{0.0, 0.0, 0.0, 0.0};
  if (map) {
    at.up = MapUpDirection(kModeMap);
  } else {
    PlanMapCentre(&ref_lat, &ref_lon);
  }
  // Radials are magnetic, made true with mag_var as the FIX INFO page makes them: a track-up map is
  // turned by the track, the north-up plan by the variation.
  at.heading_ref = FmodPositive(at.up - mag_var, 360.0);
  CalcDistBrg(ref_lat, ref_lon, fix.lat, fix.lon, &calc_dist2, &calc_brg);
  at.dist_nm = calc_dist2;
  at.brg_true = calc_brg;
  return at;
}

// The distance label goes below, right of, above or left of the circle, the first that keeps it
// clear of the aircraft symbol and the display's edges.
void DrawDistanceLabel(gfx::Graphics* g, const FixInfoResources& r, int32_t x, int32_t y, int32_t radius,
                       double dist_nm) {
  char text[32];
  const int n = std::snprintf(text, sizeof text, "%03.1f", dist_nm);
  const int32_t chars = std::clamp(n, 0, static_cast<int>(sizeof text) - 1);
  double lx = x - 4.5 * chars - radius;
  double ly = y - 7.0;
  if (y + radius <= -10) {
    lx = x - 2.0 * chars;
    ly = y + radius + 1.0;
  } else if (x + radius < 110) {
    lx = x + radius + 3.0;
  } else if (y - radius > -200) {
    lx = x - 2.0 * chars;
    ly = y - radius - 9.0;
  }
  DrawTextCut(g, &r.font, &r.brush, lx, ly, text, chars);
}

void DrawRadial(gfx::Graphics* g, const DisplaySurface* s, const FixInfoMap& m, const FixInfoResources& r, double cx,
                double cy, int32_t x, int32_t y, const FixPlacement& at, double radial0) {
  const double radial = FmodPositive(radial0, 360.0);  // 360 reads 000
  SetCanvasTransform(g, s, m.canvas, cx + x, cy + y);
  const double length = kRadialLengthNm * map_px_per_nm;
  const double range = *m.range_nm;
  double offset = kRadialLabelMin;
  if (at.dist_nm > range) offset = std::max(kRadialLabelMin, ((at.dist_nm - range) * 0.5 + range) * map_px_per_nm);
  int32_t dir = 0;
  int32_t angle = 0;
  CalcTurnDirAndAngle(at.heading_ref, radial, &dir, &angle);
  // Rotated so that the text stays upright along the line, whichever side it points to.
  if (dir == 1) {
    g->RotateTransform(static_cast<REAL>(radial - at.heading_ref + 90.0));
    g->DrawLine(&r.dashed, 0.0f, 0.0f, static_cast<REAL>(-length), 0.0f);
    DrawTextAt(g, &r.font, &r.brush, -offset - 10.0, 0.0, "%03.0f", radial);
  } else {
    g->RotateTransform(static_cast<REAL>(radial - at.heading_ref - 90.0));
    g->DrawLine(&r.dashed, 0.0f, 0.0f, static_cast<REAL>(length), 0.0f);
    DrawTextAt(g, &r.font, &r.brush, offset, 0.0, "%03.0f", radial);
  }
}

void DrawFixLine(gfx::Graphics* g, const DisplaySurface* s, const FixInfoMap& m, const FixInfoResources& r,
                 const FixInfoEntry& fix, double radial0, double dist_nm) {
  const double cx = m.centre_x;
  const double cy = m.centre_y();
  SetCanvasTransform(g, s, m.canvas, cx, cy);
  const FixPlacement at = PlaceFix(fix, *m.mode == kModeMap);
  if (at.dist_nm > kMaxFixDistNm) return;
  int32_t x = 0;
  int32_t y = 0;
  CalcMapPointInt(at.up, at.brg_true, 0, 0, at.dist_nm * map_px_per_nm, &x, &y);
  if (fix.type == "V" || fix.type == "N") {
    DrawMapSymbol(g, x - 2.0, y - 4.0, kSymbolVor, -99, 1.0, 1.0, kColourCyan);
  } else {
    DrawMapSymbol(g, x, y - 3.0, kSymbolWaypoint, -99, 1.0, 1.0, kColourCyan);
  }
  g->DrawEllipse(&r.solid, x - 8, y - 8, 16, 16);
  const int32_t radius = TruncToPixel(dist_nm * map_px_per_nm);
  const int32_t size = TruncToPixel(2.0 * dist_nm * map_px_per_nm);
  g->DrawEllipse(&r.dashed, x - radius, y - radius, size, size);
  DrawDistanceLabel(g, r, x, y, radius, dist_nm);
  if (radial0 != 0.0) DrawRadial(g, s, m, r, cx, cy, x, y, at, radial0);
}

void DrawFixInfo(const FixInfoMap& m, const DisplaySurface* s, gfx::Graphics* g) {
  const double range = *m.range_nm;
  // Without a positive range there is no scale to place the fixes with.
  if (!(range > 0.0)) return;
  const FixInfoResources r(m.display_family);
  SetCanvasTransform(g, s, m.canvas, m.centre_x, m.centre_y());
  map_px_per_nm = *m.radius_px / range;
  for (int row = 1; row <= 2; ++row) {
    const FixInfoEntry& fix = fix_info[row];
    if (fix.ident.empty()) continue;
    const double lines[3][2] = {
        {fix.radial1, fix.distance1}, {fix.radial2, fix.distance2}, {fix.radial3, fix.distance3}};
    for (const auto& [radial, dist] : lines) {
      if (dist != 0.0) DrawFixLine(g, s, m, r, fix, radial, dist);
    }
  }
}

}  // namespace

void DrawMapFixInfoEhsi(DisplaySurface* s, gfx::Graphics* g) { DrawFixInfo(kEhsiFixInfo, s, g); }
void DrawMapFixInfoFpNd(DisplaySurface* s, gfx::Graphics* g) { DrawFixInfo(kFpNdFixInfo, s, g); }
void DrawMapFixInfoNd(DisplaySurface* s, gfx::Graphics* g) { DrawFixInfo(kNdFixInfo, s, g); }
