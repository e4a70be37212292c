#include "displays/eadi_format_a.h"

#include "displays/eadi_fma.h"
#include "displays/eadi_parts.h"
#include "displays/eadi_speed_tape.h"
#include "fmc/perf_tables.h"
#include "draw/draw_helpers.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "platform/gfx/gfx.h"
#include "state/config_globals.h"

namespace {

constexpr double kSphereRadius = 65.0;
constexpr double kSpeedLimitScale = 128.0;  // token 63 counts 1/128 kt
constexpr double kMachShownFrom = 0.4;

// The circle of radius 65 with flat sides at x = +-56.
void SetSphereClip(gfx::Graphics* g) {
  const gfx::REAL d = static_cast<gfx::REAL>(2.0 * kSphereRadius);
  const gfx::REAL c = static_cast<gfx::REAL>(-kSphereRadius);
  gfx::GraphicsPath path;
  path.AddArc(c, c, d, d, 210.0f, 120.0f);
  path.AddLine(56, -33, 56, 33);
  path.AddArc(c, c, d, d, 30.0f, 120.0f);
  path.AddLine(-56, -33, -56, 33);
  path.CloseFigure();
  g->SetClip(&path);
}

void DrawSphereBorder(const EadiFrames& f, const EadiResources& r) {
  f.Canvas();
  gfx::Graphics* g = f.g();
  g->DrawArc(&r.black_border, -65, -65, 130, 130, 207.0f, 124.0f);
  g->DrawArc(&r.black_border, -65, -65, 130, 130, 29.0f, 124.0f);
  g->DrawLine(&r.black_border, 56, -33, 56, 33);
  g->DrawLine(&r.black_border, -56, -33, -56, 33);
}

void DrawReadouts(const EadiFrames& f, const EadiResources& r) {
  f.Canvas();
  if (plane_mach >= kMachShownFrom) {
    const gfx::Font mach_font = PixelFont(display_font.c_str(), 15.0);
    char text[64];
    FormatMachText(plane_mach, text, sizeof text);
    DrawTextAt(f.g(), &mach_font, &r.white, -106.0, 69.0, "%s", text);
  }
  DrawTextAt(f.g(), &r.text9, &r.white, -65.0, 66.0, "GS");
  DrawTextAt(f.g(), &r.text9, &r.white, -65.0, 76.0, "%3.0f", ground_speed);
  DrawDecisionHeightAndRadioAltitude(f, r, gfx::PointF(68, 63), gfx::PointF(68, 76));
}

}  // namespace

void DrawEadiFormatA(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr) return;
  const SpeedTapeInputs tape{ias, ReadTokenVar63() / kSpeedLimitScale, SelectRefSpeedsByWeight()};
  const EadiFrames f(graphics, surface);
  const EadiResources r(f);
  const SpeedTapeResources t(f);
  f.Canvas();

  const bool aligned = IrsAligned();
  if (aligned) {
    SetSphereClip(graphics);
    DrawAttitudeSphere(f, r);
    DrawFlapBracket(f, r);
    DrawRollPointer(f, r);
  }
  // With the IRS aligned the sphere's clip holds the symbol and the bars to the sphere.
  DrawAircraftSymbol(f, r);
  DrawCommandBars(f, r);
  graphics->ResetClip();
  DrawSphereBorder(f, r);
  DrawRollScale(f, r);
  DrawDeviationScales(f, r);
  DrawEadiSpeedTape(f, r, t, tape);
  DrawReadouts(f, r);
  DrawEadiFma(f, r, kFmaFormatA);
}
