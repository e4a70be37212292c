#include "displays/eadi_format_b.h"

#include <cmath>
#include <cstdlib>
#include <cstdio>

#include "displays/attitude_state.h"
#include "displays/eadi_fma.h"
#include "displays/eadi_parts.h"
#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "platform/gfx/gfx.h"
#include "state/config_globals.h"

namespace {

constexpr gfx::ARGB kMarkerGreen = 0xFF25C817u;
constexpr double kKtPerUnit = 1.25;      // speed deviation scale
constexpr double kScaleRangeKt = 50.0;   // pointer and markers only within this speed difference
constexpr double kTakeoffMarkersToFt = 50.0;
constexpr double kTakeoffReadoutBelowFt = 30.0;
constexpr double kV2MarkerToFt = 200.0;
constexpr double kRefFromFt = 300.0;
constexpr double kRefBelowFt = 4000.0;

struct FormatBResources {
  FormatBResources()
      : amber_marker(gfx::Color(palette::kAmber), static_cast<gfx::REAL>(EfisLinesize)),
        green_marker(gfx::Color(kMarkerGreen), 2.0f),
        scale12(PixelFont(display_font.c_str(), 12.0)) {}
  gfx::Pen amber_marker;  // V1 and VR
  gfx::Pen green_marker;  // V2 and REF
  gfx::Font scale12;      // "F" and "S"
};

void SetWindowClip(gfx::Graphics* g) {
  gfx::GraphicsPath path;
  path.AddArc(-60.0f, -60.0f, 120.0f, 120.0f, 360.0f, 360.0f);
  path.CloseFigure();
  g->SetClip(&path);
}

void DrawDiamond(gfx::Graphics* g, const gfx::Pen* pen, int32_t cx, int32_t cy, int32_t hw, int32_t hh) {
  g->DrawLine(pen, cx, cy - hh, cx + hw, cy);
  g->DrawLine(pen, cx + hw, cy, cx, cy + hh);
  g->DrawLine(pen, cx, cy + hh, cx - hw, cy);
  g->DrawLine(pen, cx - hw, cy, cx, cy - hh);
}

void DrawSpeedDeviationScale(gfx::Graphics* g, const EadiResources& r, const FormatBResources& b) {
  DrawTextAt(g, &b.scale12, &r.white, -103.0, -48.0, "F");
  DrawDiamond(g, &r.white_line, -98, -30, 4, 4);
  DrawDiamond(g, &r.white_line, -100, 0, 6, 8);
  DrawDiamond(g, &r.white_line, -98, 30, 4, 4);
  const double d = ap_spdbug - ias;
  if (std::abs(d) < kScaleRangeKt) {
    // The pointer sinks as the airspeed falls below the MCP speed.
    const int32_t p = TruncToPixel(std::trunc(d) / kKtPerUnit);
    const gfx::Point outline[] = {{-92, p}, {-92, p - 4}, {-80, p - 4}, {-80, p + 4}, {-92, p + 4}, {-92, p}};
    g->DrawLines(&r.magenta_line, outline, 6);
  }
  DrawTextAt(g, &b.scale12, &r.white, -103.0, 35.0, "S");
}

// A speed's marker, opposite to the pointer: above the centre for a speed above the airspeed.
// Returns false when the speed lies too far from the airspeed to be shown.
bool DrawSpeedMarker(gfx::Graphics* g, const EadiResources& r, const gfx::Pen* pen, const gfx::Brush* label_brush,
                     double speed_kt, const char* label) {
  if (!(std::abs(ias - speed_kt) < kScaleRangeKt)) return false;
  const int32_t m = TruncToPixel(std::trunc(ias - speed_kt) / kKtPerUnit);
  g->DrawLine(pen, -92, m, -80, m);
  DrawTextAt(g, &r.text9, label_brush, -78.0, m - 3.0, "%s", label);
  return true;
}

void DrawVSpeedMarkers(gfx::Graphics* g, const EadiResources& r, const FormatBResources& b) {
  if (radio_height <= kTakeoffMarkersToFt && vr > 0) {
    if (v1 == 0) v1 = vr;
    const bool rotate = std::llabs(int64_t{vr} - v1) < 4;
    const int32_t speed = rotate ? vr : v1;
    if (!DrawSpeedMarker(g, r, &b.amber_marker, &r.amber, speed, rotate ? "R" : "V1") &&
        radio_height < kTakeoffReadoutBelowFt && speed > ias) {
      DrawTextAt(g, &r.text9, &r.amber, -92.0, -48.0, rotate ? "VR %d" : "V1 %d", speed);
    }
  }
  if (v2 > 0 && radio_height <= kV2MarkerToFt) DrawSpeedMarker(g, r, &b.green_marker, &r.amber, v2, "V2");
  if (vref > 0 && radio_height > kRefFromFt && radio_height < kRefBelowFt &&
      !DrawSpeedMarker(g, r, &b.green_marker, &r.green, vref, "REF")) {
    DrawTextAt(g, &r.text9, &r.green, -92.0, vref > ias ? -48.0 : 35.0, "REF %d", vref);
  }
}

}  // namespace

void DrawEadiFormatB(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr) return;
  const EadiFrames f(graphics, surface);
  const EadiResources r(f);
  const FormatBResources b;
  f.Canvas();

  // The window's clip also holds the bracket, the aircraft symbol and the bars.
  const bool aligned = IrsAligned();
  if (aligned) {
    SetWindowClip(graphics);
    DrawAttitudeSphere(f, r);
  }
  DrawFlapBracket(f, r);
  DrawAircraftSymbol(f, r);
  DrawCommandBars(f, r);
  graphics->ResetClip();

  f.Canvas();
  if (aligned) {
    graphics->DrawArc(&r.black_border, -60, -60, 120, 120, 0.0f, 360.0f);
    DrawRollPointer(f, r);
  }
  DrawRollScale(f, r);
  DrawDeviationScales(f, r);
  f.Canvas();
  DrawSpeedDeviationScale(graphics, r, b);
  StepIasTrend();
  if (ShowRoundEadiVSpeeds == 1) DrawVSpeedMarkers(graphics, r, b);

  DrawTextAt(graphics, &r.text9, &r.white, -98.0, -66.0, "GS%3.0f", ground_speed);
  const bool lower = EadiFMA == 0;
  DrawDecisionHeightAndRadioAltitude(f, r, lower ? gfx::PointF(78, -76) : gfx::PointF(78, 63),
                                     lower ? gfx::PointF(78, -66) : gfx::PointF(80, 76));
  DrawEadiFma(f, r, lower ? kFmaFormatBLower : kFmaFormatBUpper);
}
