// The symbol drawer of the map layers, the T/C and T/D marks and the TCAS traffic layer.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "fmc/fmc_globals.h"
#include "sim/debug_log.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "nd/map_toolkit.h"
#include "sim/tcas_link.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "platform/gfx/gfx.h"
#include "platform/tcas_module.h"
#include "state/config_globals.h"

namespace {

using gfx::PointF;
using gfx::REAL;

PointF P(double x, double y) { return PointF(static_cast<REAL>(x), static_cast<REAL>(y)); }

// --- traffic symbols (60..63, 70..73) ---

constexpr REAL kTrafficPenWidth = 1.5f;

struct TrafficGeometry {
  double half;      // the diamond's half width; its height is twice that
  double arrow_x;   // the arrow's shaft
  double arrow_dx;  // half width of the arrow head
  double up_head_h, up_shaft_h;
  double down_tip, down_base;
};
constexpr TrafficGeometry kSmallTraffic{4.0, 8.0, 4.0, 4.0, 8.0, 8.0, 4.0};
constexpr TrafficGeometry kLargeTraffic{6.0, 12.0, 5.0, 5.0, 10.0, 8.0, 3.0};

void DrawTrafficSymbol(gfx::Graphics* g, double x, double y, int32_t kind, int32_t arrow, int32_t colour,
                       const TrafficGeometry& s) {
  const gfx::ARGB outline = colour != 0 ? palette::kLightCyan : palette::kWhite;
  gfx::ARGB arrow_colour = outline;
  const double h = s.half;
  switch (kind) {
    case 0: {  // open diamond
      const gfx::Pen pen(gfx::Color(outline), kTrafficPenWidth);
      DrawPolyline(g, &pen, {P(x, y), P(x + h, y + h), P(x, y + 2 * h), P(x - h, y + h), P(x, y)});
      break;
    }
    case 1: {  // filled diamond
      const gfx::SolidBrush brush{gfx::Color(outline)};
      FillPolygon(g, &brush, {P(x, y), P(x + h, y + h), P(x, y + 2 * h), P(x - h, y + h), P(x, y)});
      break;
    }
    default: {  // filled circle over the diamond's place: 2 advisory (yellow), 3 resolution (red)
      arrow_colour = kind == 2 ? palette::kYellow : palette::kTrafficSymbolRed;
      const gfx::SolidBrush brush{gfx::Color(arrow_colour)};
      g->FillEllipse(&brush, static_cast<REAL>(x - h), static_cast<REAL>(y), static_cast<REAL>(2 * h),
                     static_cast<REAL>(2 * h));
      break;
    }
  }
  if (arrow != kArrowUp && arrow != kArrowDown) return;
  const gfx::SolidBrush head{gfx::Color(arrow_colour)};
  const gfx::Pen shaft(gfx::Color(arrow_colour), 1.0f);
  const double ax = x + s.arrow_x;
  if (arrow == kArrowUp) {
    FillPolygon(g, &head, {P(ax, y), P(ax + s.arrow_dx, y + s.up_head_h), P(ax - s.arrow_dx, y + s.up_head_h), P(ax, y)});
  } else {
    FillPolygon(g, &head, {P(ax, y + s.down_tip), P(ax + s.arrow_dx, y + s.down_base),
                           P(ax - s.arrow_dx, y + s.down_base), P(ax, y + s.down_tip)});
  }
  DrawLineD(g, &shaft, ax, y, ax, y + s.up_shaft_h);
}

// --- navigation symbols (1, 2, 3, 20) ---

gfx::ARGB RouteWaypointColour(int32_t colour) {
  switch (colour) {
    case 1: return palette::kCyan;
    case 3: return palette::kGreen;
    case 4: return palette::kMagenta;
    case 5: return palette::kYellow;
    default: return palette::kWhite;
  }
}

gfx::ARGB VorColour(int32_t colour) {
  if (colour == 1) return palette::kCyan;
  return colour == 0 ? palette::kWhite : palette::kGreen;
}

gfx::ARGB StationColour(int32_t colour) { return colour == 1 ? palette::kCyan : palette::kGreen; }

gfx::ARGB WaypointColour(int32_t colour) {
  if (colour == 4) return palette::kMagenta;
  return colour == 1 ? palette::kCyan : palette::kGrey;
}

// --- T/C and T/D ---

struct MarkResources {
  gfx::Pen pen;
  gfx::SolidBrush brush;
  gfx::Font font;
};

void DrawRouteMark(gfx::Graphics* g, const MarkResources& r, double lat, double lon, const char* text, double fx,
                   double fy, double ref_lat, double ref_lon, double rotation_deg) {
  double dist_nm = 0.0;
  double brg = 0.0;
  CalcDistBrg(ref_lat, ref_lon, lat, lon, &dist_nm, &brg);
  double x = 0.0;
  double y = 0.0;
  CalcMapPoint(rotation_deg, brg, 0.0, 0.0, dist_nm * map_px_per_nm, &x, &y);
  x *= fx;
  y *= fy;
  DrawTextAt(g, &r.font, &r.brush, x + 8.0 * fx, y - 7.0 * fy, "%s", text);
  g->DrawEllipse(&r.pen, static_cast<REAL>(x - 3.0 * fx), static_cast<REAL>(y - 4.0 * fy),
                 static_cast<REAL>(6.0 * fx), static_cast<REAL>(6.0 * fy));
}

// --- TCAS ---

int32_t ServiceIntruderCount() { return static_cast<const tcas::ServiceRecord*>(tcas_serv)->count; }

void LogTraffic() {
  LogLine("-----------------------------\n");
  LogLine("TCAS Intruders = %d\n", ServiceIntruderCount());
  LogLine("TCAS Targets = %d\n", tcas_target_cnt);
  LogLine("TCAS Vert Range = %d\n", TcasVertRange);
  for (int32_t i = 1; i <= tcas_target_cnt && i < kTcasTargetRows; ++i) {
    LogLine("TCAS Target-%d,dist=%.2f,hdg=%03.0f\n", i, tcas_targets[i].dist_nm, tcas_targets[i].brg_deg);
  }
}

}  // namespace

void DrawMapSymbol(gfx::Graphics* g, double x, double y, int32_t type, int32_t arrow, double w, double h,
                   int32_t colour) {
  const REAL width = static_cast<REAL>(w);
  switch (type) {
    case kSymbolRouteWaypoint: {
      const gfx::Pen pen(gfx::Color(RouteWaypointColour(colour)), width);
      DrawPolyline(g, &pen, {P(x, y), P(x + w, y + 5 * h), P(x + 5 * w, y + 6 * h), P(x + w, y + 7 * h),
                             P(x, y + 11 * h), P(x - w, y + 7 * h), P(x - 5 * w, y + 6 * h), P(x - w, y + 5 * h),
                             P(x, y)});
      return;
    }
    case kSymbolVor: {
      const gfx::Pen pen(gfx::Color(VorColour(colour)), width);
      DrawPolyline(g, &pen,
                   {P(x, y), P(x + 4 * w, y), P(x + 6 * w, y + 4 * h), P(x + 8 * w, y + 2 * h), P(x + 6 * w, y - 2 * h),
                    P(x + 4 * w, y), P(x + 6 * w, y + 4 * h), P(x + 4 * w, y + 8 * h), P(x, y + 8 * h),
                    P(x, y + 10 * h), P(x + 4 * w, y + 10 * h), P(x + 4 * w, y + 8 * h), P(x, y + 8 * h),
                    P(x - 2 * w, y + 4 * h), P(x, y), P(x - 2 * w, y - 2 * h), P(x - 4 * w, y + 2 * h),
                    P(x - 2 * w, y + 4 * h), P(x, y)});
      return;
    }
    case kSymbolStation: {
      const gfx::Pen pen(gfx::Color(StationColour(colour)), width);
      DrawPolyline(g, &pen, {P(x, y), P(x + 4 * w, y), P(x + 6 * w, y + 4 * h), P(x + 4 * w, y + 8 * h),
                             P(x, y + 8 * h), P(x - 2 * w, y + 4 * h), P(x, y)});
      return;
    }
    case kSymbolWaypoint: {
      const gfx::Pen pen(gfx::Color(WaypointColour(colour)), width);
      DrawPolyline(g, &pen, {P(x, y), P(x + 3 * w, y + 5 * h), P(x - 3 * w, y + 5 * h), P(x, y)});
      return;
    }
    default: break;
  }
  if (type >= kSymbolTrafficOther && type <= kSymbolTrafficResolution) {
    DrawTrafficSymbol(g, x, y, type - kSymbolTrafficOther, arrow, colour, kSmallTraffic);
  } else if (type >= kSymbolTrafficOtherLarge && type <= kSymbolTrafficResolutionLarge) {
    DrawTrafficSymbol(g, x, y, type - kSymbolTrafficOtherLarge, arrow, colour, kLargeTraffic);
  }
}

gfx::RectF MapSymbolInkBounds(double x, double y, int32_t type, double w, double h) {
  // Extents of the outlines in multiples of w and h (left, right, top, bottom).
  double l, r, t, b;
  switch (type) {
    case kSymbolRouteWaypoint: l = -5.0, r = 5.0, t = 0.0, b = 11.0; break;
    case kSymbolVor: l = -4.0, r = 8.0, t = -2.0, b = 10.0; break;
    case kSymbolStation: l = -2.0, r = 6.0, t = 0.0, b = 8.0; break;
    case kSymbolWaypoint: l = -3.0, r = 3.0, t = 0.0, b = 5.0; break;
    default: {
      constexpr REAL kUnbounded = 1.0e30f;
      return gfx::RectF(-kUnbounded, -kUnbounded, 2.0f * kUnbounded, 2.0f * kUnbounded);
    }
  }
  // The pen is w wide; a sharp corner's miter reaches up to five pen widths (miter limit 10).
  const double pen = 5.0 * std::fabs(w) + 1.0;
  const double x0 = std::min(x + l * w, x + r * w) - pen;
  const double x1 = std::max(x + l * w, x + r * w) + pen;
  const double y0 = std::min(y + t * h, y + b * h) - pen;
  const double y1 = std::max(y + t * h, y + b * h) + pen;
  return gfx::RectF(static_cast<REAL>(x0), static_cast<REAL>(y0), static_cast<REAL>(x1 - x0),
                    static_cast<REAL>(y1 - y0));
}

void DrawRouteMarks(gfx::Graphics* g, int32_t radius_px, double range_nm, double, double fx, double fy,
                    double ref_lat, double ref_lon, double rotation_deg) {
  // A range of 0 would make the scale infinite: nothing to place the marks with.
  if (!(range_nm > 0.0)) return;
  map_px_per_nm = radius_px / range_nm;
  if (cruise_alt <= 0) return;
  const MarkResources r{gfx::Pen(gfx::Color(palette::kGreen), static_cast<REAL>(fx)),
                        gfx::SolidBrush(gfx::Color(palette::kGreen)), PixelFont("Arial", 10.0 * fy)};
  if (toc == 0) DrawRouteMark(g, r, toc_lat, toc_lon, "T/C", fx, fy, ref_lat, ref_lon, rotation_deg);
  if (init_tod == 0) DrawRouteMark(g, r, tod_lat, tod_lon, "T/D", fx, fy, ref_lat, ref_lon, rotation_deg);
}

void DrawTcasTraffic(gfx::Graphics* g, double up_deg) {
  // Without the link the table may still hold the last targets seen: they are not current.
  if (tcas_server_connect != 1 || tcas_serv == nullptr) return;
  TakeTcasTargets();
  LogTraffic();
  const gfx::Font font = PixelFont("Arial", 13.0);
  const gfx::SolidBrush yellow{gfx::Color(palette::kYellow)};
  const gfx::SolidBrush red{gfx::Color(palette::kTrafficTextRed)};
  const gfx::SolidBrush white{gfx::Color(palette::kWhite)};
  const double vert_range = TcasVertRange;
  for (int32_t i = 1; i <= tcas_target_cnt && i < kTcasTargetRows; ++i) {
    const TcasTarget& t = tcas_targets[i];
    if (t.rel_alt_hft < -vert_range || t.rel_alt_hft > vert_range) continue;
    calc_dist = map_px_per_nm * t.dist_nm;
    int32_t x = 0;
    int32_t y = 0;
    CalcMapPointInt(up_deg, t.brg_deg, 0, 0, calc_dist, &x, &y);
    const gfx::SolidBrush* brush = t.threat == 'T' ? &yellow : (t.threat == 'R' ? &red : &white);
    DrawTextAt(g, &font, brush, x - 13.0, y + 12.0, "%+02.0f", t.rel_alt_hft);
    const int32_t arrow = t.trend == 'v' ? kArrowDown : (t.trend == '^' ? kArrowUp : 0);
    int32_t type = kSymbolTrafficOtherLarge;
    int32_t colour = 0;
    if (t.threat == 'P') {
      type = kSymbolTrafficProximateLarge;
    } else if (t.threat == 'T') {
      type = kSymbolTrafficAdvisoryLarge;
      colour = 5;
    } else if (t.threat == 'R') {
      type = kSymbolTrafficResolutionLarge;
      colour = 5;
    }
    DrawMapSymbol(g, x, y, type, arrow, 1.0, 1.0, colour);
  }
}
