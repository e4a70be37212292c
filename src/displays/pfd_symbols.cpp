#include "displays/pfd_symbols.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "afds/afds_globals.h"
#include "displays/attitude_state.h"
#include "displays/displays_globals.h"
#include "displays/pfd_frame.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "state/config_globals.h"

namespace {

using gfx::Point;

constexpr double kFpvMinGroundSpeed = 60.0;
constexpr int32_t kFpvLimitY = 70;
constexpr int32_t kFpvLimitX = 65;
constexpr int32_t kFlashOnTicks = 8;         // limited FPV: drawn on redraw ticks below this
constexpr int32_t kMarkerFlashLastTick = 8;  // received marker: drawn on redraw ticks up to this
constexpr double kNeedleToUnits = 2.54;      // full-scale needle (127) = 50 units
constexpr double kFeetPerNm = 6076.12;

// As on the EADIs: 1 the single cue, any other value split bars.
bool VBarStyle() { return FlightDirectorType == 1; }
bool DirectorShown() { return IrsAligned() && ReadTokenVar792() != 0; }

void FillAndOutline(gfx::Graphics* g, const gfx::Brush* fill, const gfx::Pen* pen, const Point* pts, int count) {
  g->FillPolygon(fill, pts, count);
  g->DrawLines(pen, pts, count);
}

void Diamond(gfx::Graphics* g, const gfx::Brush* brush, Point a, Point b, Point c, Point d) {
  const Point pts[] = {a, b, c, d};
  g->FillPolygon(brush, pts, 4);
}

void DeviationDots(gfx::Graphics* g, const gfx::Pen* pen, std::initializer_list<Point> corners) {
  for (Point p : corners) g->DrawEllipse(pen, p.X, p.Y, 5, 5);
}

}  // namespace

void DrawPfdAircraftSymbol(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetCanvas(g);
  if (VBarStyle()) {
    const Point wings[] = {{0, 0}, {40, 15}, {20, 15}, {0, 0}, {-20, 15}, {-40, 15}, {0, 0}};
    FillAndOutline(g, &r.black, &r.thick, wings, 7);
    return;
  }
  const Point left[] = {{-26, 0}, {-26, -2}, {-60, -2}, {-60, 2}, {-30, 2}, {-30, 10}, {-26, 10}, {-26, 0}};
  const Point centre[] = {{-2, -2}, {-2, 2}, {2, 2}, {2, -2}, {-2, -2}};
  const Point right[] = {{26, 0}, {26, -2}, {60, -2}, {60, 2}, {30, 2}, {30, 10}, {26, 10}, {26, 0}};
  FillAndOutline(g, &r.black, &r.symbol, left, 8);
  FillAndOutline(g, &r.black, &r.symbol, centre, 5);
  FillAndOutline(g, &r.black, &r.symbol, right, 8);
}

void DrawPfdFlightDirector(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  if (!DirectorShown()) return;
  StepFdCommandBars();
  f.SetCanvas(g);
  g->SetClip(&r.attitude_clip);
  const int32_t yb = TruncToPixel(3.0 * fd_pitch_bar);
  if (VBarStyle()) {
    f.SetCanvas(g, fd_roll_bar);
    const Point v[] = {{0, yb},        {50, yb + 10},  {45, yb + 15},  {50, yb + 15},  {50, yb + 10},
                       {45, yb + 15},  {0, yb},        {-45, yb + 15}, {-50, yb + 10}, {-50, yb + 15},
                       {-45, yb + 15}, {-50, yb + 10}, {0, yb}};
    g->DrawLines(&r.v_bar, v, 13);
    return;
  }
  const int32_t xr = TruncToPixel(2.4 * fd_roll_bar);
  g->DrawLine(&r.cross_bar, xr, -45, xr, 45);
  g->DrawLine(&r.cross_bar, -45, yb, 45, yb);
}

void DrawPfdFlightPathVector(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  if (DispFPV != 1 || !(ground_speed > kFpvMinGroundSpeed) || !(plane_alt > 0.0)) return;
  // Where the aircraft goes, on the ladder: the flight path angle above the horizon, the track
  // beside the nose (left of it by the drift).
  const double path_deg = std::atan2(ReadTokenVar65(), ground_speed * kFeetPerNm / 60.0) / kDegToRad;
  const gfx::PointF at = f.LadderPoint(-drift_angle, path_deg, plane_pitch, plane_bank);
  const int32_t vy_raw = TruncToPixel(at.Y);
  const int32_t vx_raw = TruncToPixel(at.X);
  const int32_t vy = std::clamp(vy_raw, -kFpvLimitY, kFpvLimitY);
  const int32_t vx = std::clamp(vx_raw, -kFpvLimitX, kFpvLimitX);
  // Pinned at a limit, it flashes.
  if ((vy != vy_raw || vx != vx_raw) && redraw_tick >= kFlashOnTicks) return;
  f.SetCanvas(g);
  g->DrawEllipse(&r.symbol, vx - 6, vy - 6, 12, 12);
  g->DrawLine(&r.symbol, vx, vy - 6, vx, vy - 12);
  g->DrawLine(&r.symbol, vx - 6, vy, vx - 12, vy);
  g->DrawLine(&r.symbol, vx + 6, vy, vx + 12, vy);
}

void DrawPfdDeviation(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  if (!IrsAligned()) return;
  f.SetCanvas(g);
  if (TestTokenVar46Bit40() != 0) {
    DeviationDots(g, &r.thick, {{88, -52}, {88, -27}, {88, 52}, {88, 27}});
    const int32_t gs = TruncToPixel(gsi_needle / kNeedleToUnits);
    Diamond(g, &r.magenta, {87, gs}, {91, gs - 5}, {95, gs}, {91, gs + 5});
    g->DrawLine(&r.thick, 86, 0, 98, 0);
  }
  if (TestTokenVar46Bit08() == 0) {
    DeviationDots(g, &r.thick, {{-27, 88}, {-52, 88}, {23, 88}, {48, 88}});
    const int32_t c = TruncToPixel(cdi_needle / kNeedleToUnits);
    Diamond(g, &r.magenta, {c, 86}, {c + 5, 90}, {c, 94}, {c - 5, 90});
    g->DrawLine(&r.thick, 0, 84, 0, 96);
  }
}

void DrawPfdMarkers(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetCanvas(g);
  struct Marker {
    const gfx::Pen* pen;
    const gfx::Brush* brush;
    const char* letter;
    int32_t x;
  };
  const Marker markers[] = {{&r.outer_marker, &r.red, "O", 60},
                            {&r.middle_marker, &r.amber, "M", 60},
                            {&r.thick, &r.white, "I", 65}};
  for (int32_t k = 1; k <= 3; ++k) {
    const double received = ReadTokenVar354();
    // Steady for the marker the lights show, flashing for the one received. The other two symbols
    // are not flashed over a steady one: they would share its place.
    const bool flashing = marker_state <= 0 && received == k && redraw_tick <= kMarkerFlashLastTick;
    if (marker_state != k && !flashing) continue;
    const Marker& m = markers[k - 1];
    g->DrawEllipse(m.pen, 60, -77, 20, 20);
    DrawTextAt(g, &r.canvas18, m.brush, m.x, -77, "%s", m.letter);
  }
  if (marker_state > 0) marker_state = 0;
}
