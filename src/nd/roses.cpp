#include "nd/roses.h"

#include <cmath>

#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "nd/map_toolkit.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/tick_globals.h"
#include "afds/afds_globals.h"
#include "nd/ehsi_parts.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"
#include "state/config_globals.h"

namespace {

using gfx::PointF;
using gfx::REAL;

constexpr double kDeviationUnits = 3.4324324324324325;
// Both ND glideslope scales put their dots 12.5 and 27.5 units from the centre mark: a full-scale
// needle (127) stops at the outer dot, and any needle shows the same share of the scale on both.
constexpr double kGlideslopeNeedlePerUnit = 4.7;
constexpr double kNdCentreX = 107.0;
constexpr double kNdRoseCentreY = 126.0;
constexpr double kNdExpandedY = 209.0;
constexpr double kEhsiRoseCentreY = 110.0;

double StationBearing() {
  double s = nav_rel_brg + plane_hdg_mag;
  if (s >= 360.0) s -= 360.0;
  return s;
}

// Bearing of the NAV 1 station for the pointers that read it from token 550.
double PointerBearing() {
  double s = ReadTokenVar550() + plane_hdg_mag;
  if (s >= 360.0) s -= 360.0;
  return s;
}

// --- pieces of both roses, in the frame rotated by the course ---

void DrawDeviationDots(gfx::Graphics* g, const gfx::Pen* pen) {
  for (REAL x : {-25.0f, -40.0f, 20.0f, 35.0f}) g->DrawEllipse(pen, x, -3.0f, 5.0f, 5.0f);
}

void DrawFullRoseCourseArrow(gfx::Graphics* g, const gfx::Pen* pen) {
  DrawPolyline(g, pen, {PointF(3, -30), PointF(3, -35), PointF(6, -35), PointF(6, -40), PointF(3, -40), PointF(3, -65),
                        PointF(0, -70), PointF(-3, -65), PointF(-3, -40), PointF(-6, -40), PointF(-6, -35),
                        PointF(-3, -35), PointF(-3, -30), PointF(3, -30)});
}

void DrawFullRoseCourseTail(gfx::Graphics* g, const gfx::Pen* pen) {
  DrawPolyline(g, pen, {PointF(-3, 30), PointF(3, 30), PointF(3, 65), PointF(0, 70), PointF(-3, 65), PointF(-3, 30)});
}

void DrawFullRoseDeviationBar(gfx::Graphics* g, const gfx::Pen* pen, double d) {
  const REAL l = static_cast<REAL>(d - 3.0);
  const REAL r = static_cast<REAL>(d + 3.0);
  DrawPolyline(g, pen, {PointF(l, -27), PointF(r, -27), PointF(r, 27), PointF(l, 27), PointF(l, -27)});
}

void DrawToFrom(gfx::Graphics* g, const gfx::Pen* pen) {
  if (ShowsTo(nav_rel_brg, plane_hdg_mag, nav_obs_crs)) {
    DrawPolyline(g, pen, {PointF(0, -18), PointF(4, -14), PointF(-4, -14), PointF(0, -18)});
  } else {
    DrawPolyline(g, pen, {PointF(0, 18), PointF(4, 14), PointF(-4, 14), PointF(0, 18)});
  }
}

// The expanded presentations' course symbols (FP_EHSI mode 2, ND expanded): course line, dots,
// arrow, deviation bar, tail box and tail line.
struct ExpandedCoursePens {
  const gfx::Pen* course_line;
  const gfx::Pen* symbols;
  const gfx::Pen* bar;
  const gfx::Pen* tail_line;
};

void DrawExpandedCourse(gfx::Graphics* g, const ExpandedCoursePens& p, double d) {
  g->DrawLine(p.course_line, 0.0f, -45.0f, 0.0f, -190.0f);
  DrawDeviationDots(g, p.symbols);
  DrawPolyline(g, p.symbols, {PointF(-3, -20), PointF(-3, -40), PointF(0, -45), PointF(3, -40), PointF(3, -20),
                              PointF(-3, -20)});
  const REAL l = static_cast<REAL>(d - 3.0);
  const REAL r = static_cast<REAL>(d + 3.0);
  DrawPolyline(g, p.bar, {PointF(l, 23), PointF(l, -18), PointF(r, -18), PointF(r, 23), PointF(l, 23)});
  DrawPolyline(g, p.symbols, {PointF(-3, 25), PointF(-3, 45), PointF(3, 45), PointF(3, 25), PointF(-3, 25)});
  g->DrawLine(p.tail_line, 0.0f, 45.0f, 0.0f, 190.0f);
}

void DrawAircraftCross(gfx::Graphics* g, const gfx::Pen* pen) {
  DrawLineD(g, pen, -3, 0, -12, 0);
  DrawLineD(g, pen, -3, -12, -3, 12);
  DrawLineD(g, pen, 3, 0, 12, 0);
  DrawLineD(g, pen, 3, -12, 3, 12);
  DrawLineD(g, pen, -3, 11, -10, 11);
  DrawLineD(g, pen, 3, 11, 10, 11);
}

// Eight marks at every 45 degrees of the display, from the rose's edge outward.
void DrawFixedMarks(gfx::Graphics* g, const DisplaySurface* s, MapCanvas canvas, double cx, double cy,
                    const gfx::Pen* pen, double from, double to) {
  for (int32_t a = 0; a < 360; a += 45) {
    SetCanvasTransform(g, s, canvas, cx, cy, a);
    DrawLineD(g, pen, 0, from, 0, to);
  }
}

double RoseLabelX(int32_t b) { return b == 270 ? -7.0 : -8.0; }

// --- FP_EHSI ---

constexpr CompassRose kEhsiRose{5, -63.0, -69.0, -75.0, -63.0, false, RoseLabelX};

void DrawEhsiFullRose(DisplaySurface* s, gfx::Graphics* g, const EhsiResources& r) {
  const double cx = kEhsiCentreX;
  const double cy = kEhsiRoseCentreY;
  SetCanvasTransform(g, s, kFpEhsiCanvas, cx, cy);
  DrawAircraftCross(g, &r.white2);
  DrawCompassRose(g, s, kFpEhsiCanvas, cx, cy, kEhsiRose, false, &r.white2, &r.font12, &r.white);
  DrawFixedMarks(g, s, kFpEhsiCanvas, cx, cy, &r.white2, -75.0, -82.0);

  const bool signal = ReadVor1Signal() > 0.0;
  SetCanvasTransform(g, s, kFpEhsiCanvas, cx, cy, nav_obs_crs - plane_hdg_mag);
  DrawDeviationDots(g, &r.white2);
  DrawFullRoseCourseArrow(g, &r.white2);
  if (signal) DrawFullRoseDeviationBar(g, &r.magenta2, LateralDeviation(cdi_needle));
  DrawFullRoseCourseTail(g, &r.white2);
  if (signal) DrawToFrom(g, &r.white2);

  if (ReadTokenVar20() > 1.0) {
    SetCanvasTransform(g, s, kFpEhsiCanvas, cx, cy, ReadTokenVar39() + 360.0);
    DrawLineD(g, &r.green2, -3, -79, 0, -82);
    DrawLineD(g, &r.green2, 3, -79, 0, -82);
    DrawLineD(g, &r.green2, 0, -82, 0, -40);
    DrawLineD(g, &r.green2, -6, -40, 6, -40);
    DrawLineD(g, &r.green2, 0, 68, 5, 74);
    DrawLineD(g, &r.green2, 0, 68, -5, 74);
    DrawLineD(g, &r.green2, 0, 68, 0, 34);
  }
  if (signal) {
    SetCanvasTransform(g, s, kFpEhsiCanvas, cx, cy, PointerBearing() - plane_hdg_mag);
    DrawPolyline(g, &r.green2, {PointF(0, -82), PointF(3, -79), PointF(3, -42), PointF(6, -42), PointF(6, -37),
                                PointF(-6, -37), PointF(-6, -42), PointF(-3, -42), PointF(-3, -79), PointF(0, -82)});
    DrawPolyline(g, &r.green2, {PointF(0, 72), PointF(4, 75), PointF(4, 69), PointF(3, 67), PointF(3, 42),
                                PointF(0, 37), PointF(-3, 42), PointF(-3, 67), PointF(-4, 69), PointF(-4, 75),
                                PointF(0, 72)});
    DrawLineD(g, &r.green2, 0, 64, 3, 67);
    DrawLineD(g, &r.green2, 0, 64, -3, 67);
  }
}

void DrawEhsiExpandedArc(DisplaySurface* s, gfx::Graphics* g, const EhsiResources& r) {
  DrawEhsiArcAndClip(g, s, r);
  DrawEhsiCompassArc(g, s, r, false);
  SetCanvasTransform(g, s, kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY, nav_obs_crs - plane_hdg_mag);
  DrawExpandedCourse(g, {&r.white2, &r.white2, &r.magenta2, &r.white2}, LateralDeviation(cdi_needle));
  if (tcas_display_on == 1) {
    // The traffic is placed with this display's own scale, not the one the last map left behind.
    if (fp_ehsi_rng_nm > 0.0) map_px_per_nm = ehsi_radius_px / fp_ehsi_rng_nm;
    SetCanvasTransform(g, s, kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY);
    DrawTcasTraffic(g, MapUpDirection(fp_ehsi_mode));
  }
  DrawEhsiAircraftAndMarks(g, s, r, -15.0);
}

// --- ND ---

struct NdRosePens {
  NdRosePens()
      : white(gfx::Color(palette::kWhite), static_cast<REAL>(EfisLinesize)),
        magenta(gfx::Color(palette::kMagenta), static_cast<REAL>(EfisLinesize)),
        magenta_dashed(gfx::Color(palette::kMagenta), static_cast<REAL>(EfisLinesize)),
        green(gfx::Color(palette::kGreen), static_cast<REAL>(EfisLinesize)),
        cyan(gfx::Color(palette::kCyan), static_cast<REAL>(EfisLinesize)),
        green1(gfx::Color(palette::kGreen), 1.0f),
        white_brush(gfx::Color(palette::kWhite)),
        green_brush(gfx::Color(palette::kGreen)),
        magenta_brush(gfx::Color(palette::kMagenta)),
        cyan_brush(gfx::Color(palette::kCyan)),
        font(PixelFont(display_font.c_str(), 12.0)) {
    magenta_dashed.SetDashStyle(gfx::DashStyleDash);
  }
  gfx::Pen white, magenta, magenta_dashed, green, cyan, green1;
  gfx::SolidBrush white_brush, green_brush, magenta_brush, cyan_brush;
  gfx::Font font;
};

constexpr CompassRose kNdRose{5, -65.0, -70.0, -80.0, -60.0, false, RoseLabelX};

void DrawGlideslopeDiamond(gfx::Graphics* g, const gfx::Brush* brush, double x0, double x_mid, double x1, double gs) {
  const REAL y = static_cast<REAL>(gs);
  FillPolygon(g, brush, {PointF(static_cast<REAL>(x0), y), PointF(static_cast<REAL>(x_mid), y - 5),
                         PointF(static_cast<REAL>(x1), y), PointF(static_cast<REAL>(x_mid), y + 5),
                         PointF(static_cast<REAL>(x0), y)});
}

void DrawNdRosePointers(DisplaySurface* s, gfx::Graphics* g, const NdRosePens& p) {
  if (ReadTokenVar20() > 1.0) {
    SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY, ReadTokenVar39() + 360.0);
    FillPolygon(g, &p.cyan_brush, {PointF(0, -90), PointF(5, -82), PointF(-5, -82), PointF(0, -90)});
    DrawLineD(g, &p.cyan, 0, -60, 0, -90);
    DrawLineD(g, &p.cyan, 0, 60, 0, 90);
    DrawLineD(g, &p.cyan, 0, 81, 8, 87);
    DrawLineD(g, &p.cyan, 0, 81, -8, 87);
  }
  if (ReadVor1Signal() > 0.0) {
    SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY, StationBearing() - plane_hdg_mag);
    DrawPolyline(g, &p.green, {PointF(0, -60), PointF(-6, -60), PointF(-6, -65), PointF(-3, -65), PointF(-3, -85),
                               PointF(0, -90), PointF(3, -85), PointF(3, -65), PointF(6, -65), PointF(6, -60),
                               PointF(0, -60)});
    DrawLineD(g, &p.green1, 0, -60, 0, -90);
    DrawPolyline(g, &p.green, {PointF(0, 60), PointF(3, 65), PointF(3, 80), PointF(8, 85), PointF(8, 90),
                               PointF(0, 85), PointF(-8, 90), PointF(-8, 85), PointF(-3, 80), PointF(-3, 65),
                               PointF(0, 60)});
    DrawLineD(g, &p.green1, 0, 60, 0, 90);
    DrawLineD(g, &p.green, 0, 81, 8, 88);
    DrawLineD(g, &p.green, 0, 81, -8, 88);
  }
}

}  // namespace

int32_t LateralDeviation(double needle) { return TruncToPixel(needle / kDeviationUnits); }

bool ShowsTo(double nav_rel_brg_deg, double heading_deg, double course_deg) {
  double s = nav_rel_brg_deg + heading_deg;
  if (s >= 360.0) s -= 360.0;
  // Folded to 0..180 so that a station ahead across north (bearing 355, course 005) reads TO.
  return std::fabs(FmodPositive(s - course_deg + 180.0, 360.0) - 180.0) < 90.0;
}

void DrawEhsiRose(DisplaySurface* s, gfx::Graphics* g) {
  if (!IrsAligned()) return;
  if (fp_ehsi_mode != 1 && fp_ehsi_mode != 2) return;
  const EhsiResources r;
  const bool full = fp_ehsi_mode == 1;
  if (full) {
    DrawEhsiFullRose(s, g, r);
  } else {
    DrawEhsiExpandedArc(s, g, r);
  }
  const double cy = full ? kEhsiRoseCentreY : kEhsiMapCentreY;
  DrawEhsiSelectedHeading(g, s, r, cy, hdg_sel_dir - plane_hdg_mag, full ? -75.0 : -134.0, !full);
  g->ResetClip();
  DrawEhsiVsScale(g, s, r);
}

void DrawNdRose(DisplaySurface* s, gfx::Graphics* g) {
  const NdRosePens p;
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY);
  DrawAircraftCross(g, &p.white);
  if (!IrsAligned()) return;
  DrawCompassRose(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY, kNdRose, false, &p.white, &p.font, &p.white_brush);
  DrawFixedMarks(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY, &p.white, -80.0, -95.0);

  const bool signal = ReadVor1Signal() > 0.0;
  const bool localizer = TestTokenVar46Bit80() != 0;
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY, nav_obs_crs - plane_hdg_mag);
  DrawDeviationDots(g, &p.white);
  DrawFullRoseCourseArrow(g, &p.white);
  if (signal && ((nd_mode == 1 && !localizer) || (nd_mode == 2 && localizer))) {
    DrawFullRoseDeviationBar(g, &p.magenta, LateralDeviation(cdi_needle));
  }
  DrawFullRoseCourseTail(g, &p.white);
  if (nd_mode == 1 && signal) DrawToFrom(g, &p.white);

  if (nd_mode == 2 && TestTokenVar46Bit40() != 0) {
    // At the display's right edge (x 203 to 213 of 215), clear of the rose's mark at 90 degrees.
    SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdRoseCentreY);
    for (REAL y : {-30.0f, -15.0f, 10.0f, 25.0f}) g->DrawEllipse(&p.white, 99.0f, y, 5.0f, 5.0f);
    DrawPolyline(g, &p.white, {PointF(96, -2), PointF(106, -2), PointF(106, 4), PointF(96, 4), PointF(96, -2)});
    if (ReadTokenVar852() != 0.0) {
      DrawGlideslopeDiamond(g, &p.magenta_brush, 96, 102, 106, TruncToPixel(gsi_needle / kGlideslopeNeedlePerUnit));
    }
  }
  if (nd_mode == 1) DrawNdRosePointers(s, g, p);

  SetCanvasTransform(g, s, kNdCanvas, 0.0, 0.0);
  if (nd_rng_nm > 0.0) map_px_per_nm = nd_radius_px / nd_rng_nm;
}

void DrawNdExpandedNavSymbols(DisplaySurface* s, gfx::Graphics* g) {
  const NdRosePens p;
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdExpandedY);
  if (nd_mode == 1 && ReadVor1Signal() > 0.0) {
    DrawTextAt(g, &p.font, &p.green_brush, 70.0, 5.0, "%s",
               ShowsTo(nav_rel_brg, plane_hdg_mag, nav_obs_crs) ? "TO" : "FROM");
  }
  if (nd_mode == 2 && TestTokenVar46Bit40() != 0) {
    for (REAL y : {-70.0f, -55.0f, -30.0f, -15.0f}) g->DrawEllipse(&p.white, 98.0f, y, 5.0f, 5.0f);
    DrawPolyline(g, &p.white, {PointF(95, -42), PointF(105, -42), PointF(105, -36), PointF(95, -36), PointF(95, -42)});
    if (ReadTokenVar852() != 0.0) {
      DrawGlideslopeDiamond(g, &p.magenta_brush, 95, 100, 105,
                            TruncToPixel(gsi_needle / kGlideslopeNeedlePerUnit - 40.0));
    }
  }
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdExpandedY, nav_obs_crs - plane_hdg_mag);
  DrawExpandedCourse(g, {&p.magenta, &p.white, &p.magenta, &p.magenta_dashed}, LateralDeviation(cdi_needle));
}
