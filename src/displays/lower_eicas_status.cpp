// The STATUS page of the lower EICAS: hydraulics, APU, oxygen and the flight-control surface positions.
#include <cstdint>

#include "afds/afds_globals.h"
#include "displays/eicas_pages.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "sim/readers_systems.h"
#include "state/config_globals.h"

namespace {

using gfx::PointF;

constexpr double kSurfaceNeutral = 300.0;  // positions are i32; differences taken in double
constexpr double kRudderUnitsPerPx = 2.5;
constexpr double kRudderCentreX = 80.0;
constexpr double kVerticalUnitsPerPx = 200.0 / 71.0;
constexpr double kVerticalCentreY = 155.0;
// The oxygen bottle and the APU oil are not modelled: fixed readings.
constexpr double kOxygenPsi = 1750.0;

struct Resources {
  gfx::SolidBrush white{gfx::Color(palette::kWhite)};
  gfx::SolidBrush cyan{gfx::Color(palette::kCyan)};
  gfx::SolidBrush green{gfx::Color(palette::kGreen)};
  gfx::Pen pen = EicasLinePen(palette::kWhite);
  gfx::Font font12 = PixelFont(display_font.c_str(), 12, false);
};

gfx::REAL R(double v) { return static_cast<gfx::REAL>(v); }

void DrawTextBlock(gfx::Graphics* g, const Resources& r) {
  const gfx::Brush* label = &r.cyan;
  const gfx::Brush* value = &r.white;
  const gfx::Font* f = &r.font12;
  DrawTextAt(g, f, label, 90, 0, "L");
  DrawTextAt(g, f, label, 124, 0, "C");
  DrawTextAt(g, f, label, 164, 0, "R");
  DrawTextAt(g, f, label, 0, 13, "HYD QTY");
  DrawTextAt(g, f, value, 80, 13, "%1.2f", ReadTokenVar733());
  DrawTextAt(g, f, value, 114, 13, "%1.2f", ReadTokenVar735());
  DrawTextAt(g, f, value, 152, 13, "%1.2f", ReadTokenVar737());
  DrawTextAt(g, f, label, 0, 26, "HYD PRESS");
  DrawTextAt(g, f, value, 80, 26, "%4d  %4d  %4d", l_hyd_press, c_hyd_press, r_hyd_press);
  DrawTextAt(g, f, label, 0, 42, "APU EGT");
  DrawTextAt(g, f, value, 60, 42, "%3.0f", apu_egt);
  DrawTextAt(g, f, label, 87, 42, "RPM");
  DrawTextAt(g, f, value, 120, 42, "%3.0f", apu_rpm);
  DrawTextAt(g, f, label, 140, 42, "OIL Q");
  DrawTextAt(g, f, value, 180, 42, "FULL");
  DrawTextAt(g, f, label, 0, 55, "OXY PRESS");
  DrawTextAt(g, f, value, 75, 55, "%4.0f", kOxygenPsi);
}

void DrawRudder(gfx::Graphics* g, const Resources& r) {
  DrawLineD(g, &r.pen, 40, 95, 40, 100);
  DrawLineD(g, &r.pen, 40, 100, 120, 100);
  DrawLineD(g, &r.pen, 120, 95, 120, 100);
  const double x = TruncToPixel((ov_rudder_position - kSurfaceNeutral) / kRudderUnitsPerPx + kRudderCentreX);
  DrawPolyline(g, &r.pen, {PointF(R(x), 99), PointF(R(x - 3), 94), PointF(R(x + 3), 94), PointF(R(x), 99)});
  DrawTextAt(g, &r.font12, &r.cyan, 65, 103, "RUD");
}

// A vertical surface scale at x0 with its pointer pair; `sense` +1 moves the pointer down as the
// position grows (left aileron), -1 up (elevator, right aileron).
void DrawVerticalScale(gfx::Graphics* g, const Resources& r, double x0, int32_t position, double sense) {
  DrawLineD(g, &r.pen, x0 - 5, 120, x0 + 5, 120);
  DrawLineD(g, &r.pen, x0, 120, x0, 191);
  DrawLineD(g, &r.pen, x0 - 3, 155, x0 + 3, 155);
  DrawLineD(g, &r.pen, x0 - 5, 191, x0 + 5, 191);
  const double y = TruncToPixel(kVerticalCentreY + sense * (position - kSurfaceNeutral) / kVerticalUnitsPerPx);
  for (double side : {-1.0, 1.0}) {
    const double tip = x0 + side;
    const double back = x0 + 6.0 * side;
    DrawPolyline(g, &r.pen, {PointF(R(tip), R(y)), PointF(R(back), R(y - 3)), PointF(R(back), R(y + 3)),
                             PointF(R(tip), R(y))});
  }
}

}  // namespace

void DrawLowerEicasStatus(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr) return;
  const EicasCanvas canvas(*surface, graphics);  // the plain canvas scale for the whole page
  const Resources r;
  DrawTextBlock(graphics, r);
  DrawRudder(graphics, r);
  DrawVerticalScale(graphics, r, 40, ov_l_aileron_position, 1.0);
  DrawVerticalScale(graphics, r, 80, ov_elevator_position, -1.0);
  DrawVerticalScale(graphics, r, 120, ov_r_aileron_position, -1.0);
  DrawTextAt(graphics, &r.font12, &r.cyan, 30, 195, "AIL    ELEV    AIL");
  if (ShowLiteModeStatus == 1 && lite_mode == 1) DrawTextAt(graphics, &r.font12, &r.green, 200, 0, "(LM)");
}
