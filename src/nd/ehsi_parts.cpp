#include "nd/ehsi_parts.h"

#include <iterator>

#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"

namespace {

using gfx::PointF;
using gfx::REAL;

constexpr double kArcRadius = 134.0;
constexpr CompassArc kEhsiArc{kArcRadius, 10.0, 5.0, -124.0};
constexpr double kRangeMarksY[] = {-100.0, -67.0, -33.0};

struct VsTick {
  double angle_deg;
  bool long_tick;
};
constexpr VsTick kVsTicks[] = {{0, true},    {-24, true},  {24, true},   {-40, true},  {40, true},
                               {-48, true},  {48, true},   {-12, false}, {12, false},  {-32, false},
                               {32, false},  {-44, false}, {44, false}};

struct VsLabel {
  const char* text;
  double x, y;
};
constexpr VsLabel kVsLabels[] = {{"6", -50, -55}, {"2", -58, -45}, {"1", -65, -30},
                                 {"1", -65, 25},  {"2", -58, 40},  {"6", -50, 48}};

// Piecewise-linear breakpoints of the needle: (|vertical speed| ft/min, degrees).
struct VsBreak {
  double fpm;
  double deg;
};
constexpr VsBreak kVsBreaks[] = {{0, 0}, {500, 12}, {1000, 24}, {1500, 32}, {2000, 40}, {4000, 44}, {6000, 48}};

}  // namespace

EhsiResources::EhsiResources()
    : white1(gfx::Color(palette::kWhite), 1.0f),
      white2(gfx::Color(palette::kWhite), 2.0f),
      magenta2(gfx::Color(palette::kMagenta), 2.0f),
      magenta2_dashed(gfx::Color(palette::kMagenta), 2.0f),
      green2(gfx::Color(palette::kGreen), 2.0f),
      white(gfx::Color(palette::kWhite)),
      magenta(gfx::Color(palette::kMagenta)),
      font12(PixelFont("Arial", 12.0)),
      font8(PixelFont("Arial", 8.0)) {
  magenta2_dashed.SetDashStyle(gfx::DashStyleDash);
}

int32_t VsNeedleAngle(double vert_speed_fpm) {
  const double v = vert_speed_fpm < 0.0 ? -vert_speed_fpm : vert_speed_fpm;
  double deg = kVsBreaks[std::size(kVsBreaks) - 1].deg;
  for (size_t i = 1; i < std::size(kVsBreaks); ++i) {
    if (v <= kVsBreaks[i].fpm) {
      const VsBreak& a = kVsBreaks[i - 1];
      const VsBreak& b = kVsBreaks[i];
      deg = a.deg + (v - a.fpm) / (b.fpm - a.fpm) * (b.deg - a.deg);
      break;
    }
  }
  const int32_t whole = static_cast<int32_t>(deg);
  return vert_speed_fpm < 0.0 ? -whole : whole;
}

void DrawEhsiArcAndClip(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r) {
  SetCanvasTransform(g, s, kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY);
  const REAL rad = static_cast<REAL>(kArcRadius);
  g->DrawArc(&r.white2, -rad, -rad, 2.0f * rad, 2.0f * rad, 225.0f, 88.0f);
  SetArcClip(g, kArcRadius, 227.0, 86.0,
             {PointF(93, -98), PointF(93, 30), PointF(-93, 30), PointF(-93, -98)});
}

void DrawEhsiCompassArc(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r, bool track_up) {
  DrawCompassArc(g, s, kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY, kEhsiArc, track_up, &r.white2, &r.font12,
                 &r.white);
}

void DrawEhsiAircraftAndMarks(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r, double label_x) {
  SetCanvasTransform(g, s, kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY);
  DrawPolyline(g, &r.white2, {PointF(0, 0), PointF(-7, 18), PointF(7, 18), PointF(0, 0)});
  g->DrawLine(&r.white1, 0.0f, 0.0f, 0.0f, static_cast<REAL>(-kArcRadius));
  for (double y : kRangeMarksY) DrawLineD(g, &r.white1, -3.0, y, 3.0, y);
  DrawTextAt(g, &r.font12, &r.white, label_x, -73.0, "%.0f", fp_ehsi_rng_nm * 0.5);
}

void DrawEhsiSelectedHeading(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r, double cy,
                             double rotation_deg, double base_y, bool with_line) {
  SetCanvasTransform(g, s, kFpEhsiCanvas, kEhsiCentreX, cy, rotation_deg);
  const REAL b = static_cast<REAL>(base_y);
  const REAL t = b - 7.0f;
  DrawPolyline(g, &r.magenta2, {PointF(0, b), PointF(10, b), PointF(10, t), PointF(3, t), PointF(0, b),
                                PointF(-3, t), PointF(-10, t), PointF(-10, b), PointF(0, b)});
  if (with_line) g->DrawLine(&r.magenta2_dashed, 0.0f, 0.0f, 0.0f, b);
}

void DrawEhsiVsScale(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r) {
  SetCanvasTransform(g, s, kFpEhsiCanvas, 330.0, 110.0);
  g->DrawArc(&r.white2, -55.0f, -55.0f, 110.0f, 110.0f, 131.0f, 98.0f);
  for (const VsLabel& l : kVsLabels) DrawTextAt(g, &r.font8, &r.white, l.x, l.y, "%s", l.text);
  gfx::Matrix centre;
  g->GetTransform(&centre);
  for (const VsTick& t : kVsTicks) {
    g->SetTransform(&centre);
    g->RotateTransform(static_cast<REAL>(t.angle_deg));
    g->DrawLine(&r.white1, -55.0f, 0.0f, t.long_tick ? -65.0f : -60.0f, 0.0f);
  }
  g->SetTransform(&centre);
  g->RotateTransform(static_cast<REAL>(VsNeedleAngle(vert_speed)));
  g->DrawLine(&r.white2, 0.0f, 0.0f, -48.0f, 0.0f);
  FillPolygon(g, &r.white, {PointF(-48, 0), PointF(-48, -3), PointF(-53, 0), PointF(-48, 3), PointF(-48, 0)});
}
