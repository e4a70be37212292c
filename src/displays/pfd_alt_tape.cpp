#include "displays/pfd_alt_tape.h"

#include <cmath>

#include "afds/afds_globals.h"
#include "displays/eadi_parts.h"
#include "displays/pfd_frame.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

namespace {

using gfx::PointF;

constexpr double kAltUnitsPerFt = 0.2325;
constexpr double kHalfScaleFt = 500.0;
constexpr double kRadioShownBelowFt = 2500.0;

void DrawScale(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  WalkAltitudeScale(plane_alt, kHalfScaleFt, [&](double a, int32_t n) {
    const double y = (plane_alt - a) * kAltUnitsPerFt;
    if (n % 100 == 0) FineLine(g, f, &r.scale, 108, y, 118, y);
    if (n % 200 == 0) {
      const PointF p = f.Fine(120, y - 5);
      DrawTextAt(g, &r.fine11, &r.white, p.X, p.Y, "%02.0f", std::floor(a / 100.0) * 100.0);
    }
  });
}

void DrawReadout(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const PointF box[] = {f.Fine(106, 0),  f.Fine(116, -5), f.Fine(116, -15), f.Fine(156, -15),
                        f.Fine(156, 15), f.Fine(116, 15), f.Fine(116, 5),   f.Fine(106, 0)};
  g->FillPolygon(&r.black, box, 8);
  gfx::GraphicsPath clip;
  clip.AddPolygon(box, 8);
  g->SetClip(&clip);
  // Tens of feet and a fixed 0: at least five digits.
  const PointF p = f.Fine(115, -7);
  DrawTextAt(g, &r.fine13, &r.white, p.X, p.Y, "%04.0f0", plane_alt / 10.0);
  g->ResetClip();
  g->DrawPolygon(&r.scale, box, 8);
}

void DrawSelectedAltitudeBug(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  FineClipRect(g, f, 95, -94, 58, 188);
  const double y = TruncToPixel(-(alt_sel_num - plane_alt) * kAltUnitsPerFt);
  const PointF bug[] = {f.Fine(108, y),      f.Fine(103, y - 10), f.Fine(113, y - 10),
                        f.Fine(113, y + 10), f.Fine(103, y + 10), f.Fine(108, y)};
  g->DrawLines(&r.bug, bug, 6);
  g->ResetClip();
}

}  // namespace

void DrawPfdAltitudeTape(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetFine(g);
  FineClipRect(g, f, 95, -94, 58, 188);
  FineFillRect(g, f, &r.tape, 108, -94, 45, 188);
  // As on the standby tape: a non-finite altitude has no scale position to walk from.
  if (std::isfinite(plane_alt)) DrawScale(g, f, r);
  g->ResetClip();
  DrawReadout(g, f, r);
  DrawSelectedAltitudeBug(g, f, r);
}

void DrawPfdAltitudeWindow(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetCanvas(g);
  DrawTextAt(g, &r.canvas13, &r.magenta, 110, -110, "%d", alt_sel_num);
  if (radio_height < kRadioShownBelowFt) {
    DrawTextAt(g, &r.canvas9, &r.green, 75, 80, "RAD");
    DrawTextAt(g, &r.canvas9, &r.green, 80, 90, "%3.0f", GetDecisionHeight());
  }
}

void DrawPfdRadioAltitude(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  if (!(radio_height < kRadioShownBelowFt)) return;
  f.SetCanvas(g);
  g->FillRectangle(&r.black, -20, 58, 40, 15);
  char text[64];
  FormatRadioAltitudeText(radio_height, text, sizeof text);
  DrawTextAt(g, &r.canvas15, &r.white, -20, 58, "%s", text);
}
