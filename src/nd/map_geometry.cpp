#include "nd/map_geometry.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"

RO_DEFINE_GLOBALS(MAP_GEOMETRY_SCALARS)

void ResetMapGeometryGlobals() { RO_RESET_GLOBALS(MAP_GEOMETRY_SCALARS) }

namespace {

using gfx::REAL;

constexpr double kTickWindowDeg = 55.0;
constexpr int32_t kArcStepDeg = 5;

// W + H, kept above 0 so that a gauge without pixels draws nothing instead of dividing by zero.
double SizeSum(const DisplaySurface* s) { return std::max(1.0, static_cast<double>(s->width) + s->height); }

void DrawCompassLabel(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, int32_t bearing_deg,
                      double x, double y) {
  DrawTextAt(g, font, brush, x, y, "%d", bearing_deg / 10);
}

}  // namespace

LayerFactors LayerFactorsOf(const DisplaySurface* surface, MapCanvas canvas) {
  const double sum = SizeSum(surface);
  return {sum / canvas.width, sum / canvas.height};
}

LayerFactors SetLayerTransform(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx,
                               double cy) {
  const double sum = SizeSum(surface);
  const LayerFactors f = LayerFactorsOf(surface, canvas);
  g->ResetTransform();
  g->ScaleTransform(static_cast<REAL>(surface->width / sum), static_cast<REAL>(surface->height / sum));
  g->TranslateTransform(static_cast<REAL>(cx * f.fx), static_cast<REAL>(cy * f.fy));
  g->RotateTransform(0.0f);
  return f;
}

void SetLayerFigureTransform(gfx::Graphics* g, LayerFactors f, double x, double y, double rotation_deg) {
  g->TranslateTransform(static_cast<REAL>(x), static_cast<REAL>(y));
  g->ScaleTransform(static_cast<REAL>(f.fx), static_cast<REAL>(f.fy));
  if (rotation_deg != 0.0) g->RotateTransform(static_cast<REAL>(rotation_deg));
}

void SetCanvasTransform(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx, double cy,
                        double rotation_deg) {
  g->ResetTransform();
  g->ScaleTransform(static_cast<REAL>(surface->width / canvas.width),
                    static_cast<REAL>(surface->height / canvas.height));
  g->TranslateTransform(static_cast<REAL>(cx), static_cast<REAL>(cy));
  if (rotation_deg != 0.0) g->RotateTransform(static_cast<REAL>(rotation_deg));
}

bool IrsAligned() { return irs_l_anun_mode == 3 && irs_c_anun_mode == 3 && irs_r_anun_mode == 3; }

bool CompassTickVisible(double bearing_deg, double heading_deg) {
  const double d = bearing_deg - heading_deg;
  return (d > 360.0 - kTickWindowDeg && d < 360.0) || (d > -360.0 && d < kTickWindowDeg - 360.0) ||
         (d > -kTickWindowDeg && d < kTickWindowDeg);
}

void DrawCompassArc(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx, double cy,
                    const CompassArc& arc, bool track_up, const gfx::Pen* pen, const gfx::Font* font,
                    const gfx::Brush* brush) {
  const double reference = track_up ? plane_trk_mag : plane_hdg_mag;
  SetCanvasTransform(g, surface, canvas, cx, cy);
  gfx::Matrix centre;
  g->GetTransform(&centre);
  const REAL top = static_cast<REAL>(-arc.radius);
  for (int32_t b = 0; b < 360; b += kArcStepDeg) {
    if (!CompassTickVisible(b, plane_hdg_mag)) continue;
    g->SetTransform(&centre);
    g->RotateTransform(static_cast<REAL>(b - reference));
    const double len = (b % 10 == 0) ? arc.long_tick : arc.short_tick;
    g->DrawLine(pen, 0.0f, static_cast<REAL>(-arc.radius + len), 0.0f, top);
    if (b % 30 == 0) DrawCompassLabel(g, font, brush, b, b < 100 ? -6.0 : -9.0, arc.label_y);
  }
}

void DrawCompassRose(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx, double cy,
                     const CompassRose& rose, bool track_up, const gfx::Pen* pen, const gfx::Font* font,
                     const gfx::Brush* brush) {
  const double reference = track_up ? plane_trk_mag : plane_hdg_mag;
  SetCanvasTransform(g, surface, canvas, cx, cy);
  gfx::Matrix centre;
  g->GetTransform(&centre);
  for (int32_t b = 0; b < 360; b += rose.step_deg) {
    g->SetTransform(&centre);
    g->RotateTransform(static_cast<REAL>(b - reference));
    const bool labelled = b % 30 == 0;
    if (!(labelled && rose.label_replaces_tick)) {
      const double from = (b % 10 == 0) ? rose.long_from : rose.short_from;
      g->DrawLine(pen, 0.0f, static_cast<REAL>(from), 0.0f, static_cast<REAL>(rose.to));
    }
    if (labelled) DrawCompassLabel(g, font, brush, b, rose.label_x(b), rose.label_y);
  }
}

void SetArcClip(gfx::Graphics* g, double radius, double start_deg, double sweep_deg,
                std::initializer_list<gfx::PointF> points) {
  gfx::GraphicsPath path;
  const REAL r = static_cast<REAL>(radius);
  path.AddArc(-r, -r, 2.0f * r, 2.0f * r, static_cast<REAL>(start_deg), static_cast<REAL>(sweep_deg));
  path.AddLines(points.begin(), static_cast<gfx::INT>(points.size()));
  path.CloseFigure();
  g->SetClip(&path, gfx::CombineModeReplace);
}

void DrawUpperHalfCircle(gfx::Graphics* g, const gfx::Pen* pen, double radius) {
  const REAL r = static_cast<REAL>(radius);
  g->DrawArc(pen, -r, -r, 2.0f * r, 2.0f * r, 180.0f, 180.0f);
}

LayerPoint ProjectToLayer(double centre_lat, double centre_lon, double up_deg, double fx, double fy, double lat,
                          double lon) {
  CalcDistBrg(centre_lat, centre_lon, lat, lon, &calc_dist2, &calc_brg);
  calc_dist = calc_dist2 * map_px_per_nm;
  double x = 0.0;
  double y = 0.0;
  CalcMapPoint(up_deg, calc_brg, 0.0, 0.0, calc_dist, &x, &y);
  return {x * fx, y * fy};
}

MapItemCulling::MapItemCulling(const gfx::Graphics* g, LayerFactors f, double centre_lat, double centre_lon,
                               double item_reach)
    : centre_lat_(centre_lat), centre_lon_(centre_lon) {
  gfx::RectF seen;
  if (g->GetVisibleClipBounds(&seen) != gfx::Ok || !(f.fx > 0.0) || !(f.fy > 0.0) || !(map_px_per_nm > 0.0)) return;
  // The farthest visible canvas point from the centre (canvas units are world units over f).
  double farthest = 0.0;
  for (double x : {static_cast<double>(seen.X), static_cast<double>(seen.GetRight())}) {
    for (double y : {static_cast<double>(seen.Y), static_cast<double>(seen.GetBottom())}) {
      farthest = std::max(farthest, std::hypot(x / f.fx, y / f.fy));
    }
  }
  // A generous margin over the projection's rounding.
  constexpr double kMarginNm = 1.0;
  const double reach_nm = (farthest + item_reach) / map_px_per_nm + kMarginNm;
  const double reach_rad = reach_nm / kEarthRadiusNm;
  const double centre_phi = centre_lat * kDegToRad;
  if (!std::isfinite(reach_rad) || !(std::fabs(centre_lat) <= 90.0) || !std::isfinite(centre_lon) ||
      reach_rad >= kPi / 2.0) {
    return;
  }
  bounded_ = true;
  reach_rad_ = reach_rad;
  cos_centre_lat_ = std::cos(centre_phi);
  const double widest_phi = std::fabs(centre_phi) + reach_rad;
  min_cos_lat_ = widest_phi >= kPi / 2.0 ? 0.0 : std::cos(widest_phi);
  const double half = std::sin(reach_rad / 2.0);
  haversine_limit_ = half * half;
}

bool MapItemCulling::MayShow(double lat, double lon) const {
  if (!bounded_ || !(std::fabs(lat) <= 90.0) || !std::isfinite(lon)) return true;
  // The arc is at least the latitude difference ...
  if (std::fabs(lat - centre_lat_) * kDegToRad > reach_rad_) return false;
  // ... and, by the haversine, sin^2(d/2) >= cos(lat0) cos(lat) sin^2(dlon/2), where cos(lat) is
  // at least min_cos_lat_ within the latitude band and sin(s) >= max(s - s^3/6, 2s/pi) for s in
  // [0, pi/2].
  const double dlon_deg = std::fabs(FmodPositive(lon - centre_lon_ + 180.0, 360.0) - 180.0);
  const double s = dlon_deg * kDegToRad / 2.0;
  const double sin_lower = std::max(s - s * s * s / 6.0, 2.0 * s / kPi);
  return cos_centre_lat_ * min_cos_lat_ * sin_lower * sin_lower <= haversine_limit_;
}

double CanvasReach(std::initializer_list<gfx::RectF> boxes, LayerFactors f) {
  double reach = 0.0;
  for (const gfx::RectF& b : boxes) {
    for (double x : {static_cast<double>(b.X), static_cast<double>(b.GetRight())}) {
      for (double y : {static_cast<double>(b.Y), static_cast<double>(b.GetBottom())}) {
        reach = std::max(reach, std::hypot(x / f.fx, y / f.fy));
      }
    }
  }
  return reach;
}

void LeaveLayerScratch(const NavRecord* rows, int32_t count, int32_t last_in_reach, double centre_lat,
                       double centre_lon, double reach_nm) {
  if (count < 1) return;
  for (int32_t i = count; i > last_in_reach; --i) {
    double dist_nm = 0.0;
    double brg = 0.0;
    CalcDistBrg(centre_lat, centre_lon, rows[i].lat, rows[i].lon, &dist_nm, &brg);
    if (dist_nm <= reach_nm) {
      calc_dist = dist_nm * map_px_per_nm;
      break;
    }
  }
  CalcDistBrg(centre_lat, centre_lon, rows[count].lat, rows[count].lon, &calc_dist2, &calc_brg);
}
