// The secondary engine page of the lower EICAS: core-speed and fuel-flow dials on the right, oil and
// vibration scales on the left.
#include <algorithm>
#include <cstdint>

#include "afds/afds_globals.h"
#include "displays/eicas_pages.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "sim/readers_systems.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

namespace {

// Full scales of this page: N2 110 percent, fuel flow 20 thousand, oil pressure 145, oil temperature
// 140, vibration 5.
constexpr double kN2FullScale = 110.0;
constexpr double kFfFullScale = 20.0;
constexpr double kN3OverN2 = 3.0;  // percent
constexpr double kSpeedBoxLimit = 109.5;
constexpr double kSpeedTextLimit = 110.0;
// Kept as the page has them although a fuel flow in thousands never comes near.
constexpr double kFfBoxLimit = 896.0;
constexpr double kFfTextLimit = 897.0;
constexpr double kOilQuantity = 21.0;

struct Resources {
  gfx::SolidBrush white{gfx::Color(palette::kWhite)};
  gfx::SolidBrush red{gfx::Color(palette::kRed)};
  gfx::SolidBrush cyan{gfx::Color(palette::kCyan)};
  gfx::SolidBrush green{gfx::Color(palette::kGreen)};
  gfx::Pen white_pen = EicasLinePen(palette::kWhite);
  gfx::Pen red_pen = EicasLinePen(palette::kRed);
  gfx::Pen amber_pen = EicasLinePen(palette::kAmber);
  gfx::Font font10 = PixelFont(display_font.c_str(), 10);
};

struct EngineValues {
  double n2;
  double ff;  // thousands
  double oil_press;
  double oil_temp;
  double vib;
};

using gfx::PointF;

gfx::REAL R(double v) { return static_cast<gfx::REAL>(v); }

// One dial row: arc, readout box and readout, each red once past its limit.
void DrawDialRow(const EicasCanvas& c, const Resources& r, double x, double top, double value, bool box_red,
                 bool text_red, const char* format) {
  gfx::Graphics* g = c.g();
  const double b = EicasReadoutX(x);
  c.DialArc(&r.white_pen, x, top);
  g->DrawRectangle(box_red ? &r.red_pen : &r.white_pen, gfx::RectF(R(b), R(top + 8), 28.0f, 17.0f));
  DrawTextAt(g, &r.font10, text_red ? &r.red : &r.white, b, top + 11, format, value);
}

void DrawSpeedRow(const EicasCanvas& c, const Resources& r, double x, double top, double pct) {
  DrawDialRow(c, r, x, top, pct, pct > kSpeedBoxLimit, pct >= kSpeedTextLimit, "%3.0f");
}

void DrawDials(const EicasCanvas& c, const Resources& r, const EngineValues& e, double x, bool two_rows) {
  const double b = EicasReadoutX(x);
  const double ff_top = two_rows ? 80.0 : 150.0;
  DrawSpeedRow(c, r, x, 10, e.n2);
  if (!two_rows) DrawSpeedRow(c, r, x, 80, e.n2 + kN3OverN2);
  DrawDialRow(c, r, x, ff_top, e.ff, e.ff >= kFfBoxLimit, e.ff >= kFfTextLimit, "%3.1f");

  constexpr double kSweep = kEicasDialSweepDeg;
  const double n2_y = 38.0;
  c.Mark(&r.red_pen, b, n2_y, 118.0, 0, 26, 0, 33);
  c.g()->DrawLine(&r.amber_pen, 2.0f, 27.0f, 2.0f, 31.0f);
  c.Mark(&r.white_pen, b, n2_y, std::clamp(e.n2 / kN2FullScale * kSweep, 0.0, kSweep), 0, 0, 28, 0);
  if (!two_rows) {
    c.Mark(&r.white_pen, b, n2_y + 70, std::clamp((e.n2 + kN3OverN2) / kN2FullScale * kSweep, 0.0, kSweep), 0, 0,
           28, 0);
  }
  c.Mark(&r.white_pen, b, ff_top + 28, std::min(e.ff / kFfFullScale * kSweep, kSweep), 0, 0, 28, 0);
  c.Reset();
}

// A scale pointer at height y with its tip at tip_x; `dir` +1 points right, -1 left.
void DrawPointer(gfx::Graphics* g, const gfx::Pen* pen, double tip_x, double y, double dir) {
  const double back = tip_x - 5.0 * dir;
  DrawPolyline(g, pen, {PointF(R(tip_x), R(y)), PointF(R(back), R(y - 3)), PointF(R(back), R(y + 3)),
                        PointF(R(tip_x), R(y))});
}

// One oil scale: its line from `top`, the two hooks below it (amber with a red limit line, or white
// without one), the engines' pointers at y1 / y2, the boxes and readouts, and the label.
struct OilScale {
  double top;
  bool limits;
  double box_y;
  double box_w;
  double label_y;
  const char* label;
};

void DrawOilScale(gfx::Graphics* g, const Resources& r, const OilScale& s, double v1, double v2, double y1,
                  double y2) {
  constexpr double kScaleX = 59.0;
  const double bottom = s.top + 25.0;
  DrawLineD(g, &r.white_pen, kScaleX, s.top, kScaleX, bottom);
  const gfx::Pen* hooks = s.limits ? &r.amber_pen : &r.white_pen;
  const gfx::REAL h0 = R(bottom + 3.0), h1 = R(bottom + 5.0), h2 = R(bottom + 15.0);
  DrawPolyline(g, hooks, {PointF(55, h0), PointF(58, h1), PointF(58, h2)});
  DrawPolyline(g, hooks, {PointF(64, h0), PointF(61, h1), PointF(61, h2)});
  if (s.limits) DrawLineD(g, &r.red_pen, 55, h2, 65, h2);
  DrawPointer(g, &r.white_pen, 57, y1, 1);
  DrawPointer(g, &r.white_pen, 62, y2, -1);
  g->DrawRectangle(&r.white_pen, gfx::RectF(20, R(s.box_y), R(s.box_w), 17));
  g->DrawRectangle(&r.white_pen, gfx::RectF(70, R(s.box_y), R(s.box_w), 17));
  DrawTextAt(g, &r.font10, &r.white, 22, s.box_y + 3, "%3.0f", v1);
  DrawTextAt(g, &r.font10, &r.white, 72, s.box_y + 3, "%3.0f", v2);
  DrawTextAt(g, &r.font10, &r.cyan, 30, s.label_y, "%s", s.label);
}

constexpr OilScale kOilPress{10, true, 18, 28, 40, "OIL       PRESS"};
constexpr OilScale kOilTemp{60, true, 68, 28, 91, "OIL       TEMP"};
constexpr OilScale kOilQty{110, false, 118, 23, 141, "OIL       QTY"};

double OilPressY(double psi) { return TruncToPixel(50.0 - psi / 145.0 * 40.0); }
double OilTempY(double deg_c) { return TruncToPixel(100.0 - deg_c / 140.0 * 41.0); }

void DrawVibration(gfx::Graphics* g, const Resources& r, const EngineValues (&e)[2]) {
  DrawLineD(g, &r.white_pen, 41, 155, 41, 198);
  DrawLineD(g, &r.white_pen, 77, 155, 77, 198);
  DrawPointer(g, &r.white_pen, 41, TruncToPixel(198.0 - e[0].vib / 5.0 * 43.0), -1);
  DrawPointer(g, &r.white_pen, 77, TruncToPixel(198.0 - e[1].vib / 5.0 * 43.0), 1);
  g->DrawRectangle(&r.white_pen, gfx::RectF(20, 168, 18, 17));
  g->DrawRectangle(&r.white_pen, gfx::RectF(80, 168, 18, 17));
  DrawTextAt(g, &r.font10, &r.white, 20, 171, "%1.1f", e[0].vib);
  DrawTextAt(g, &r.font10, &r.white, 80, 171, "%1.1f", e[1].vib);
  DrawTextAt(g, &r.font10, &r.cyan, 49, 191, "VIB");
}

}  // namespace

void DrawEicasEngineSecondary(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr) return;
  const EicasCanvas canvas(*surface, graphics);
  const Resources r;
  // Only this exact variant has no third spool; other "PW" types keep the N3 row.
  const bool two_rows = engine_type == "PW2043";
  const EngineValues engines[2] = {
      {ReadTokenVar627(), ReadTokenVarPairA() / 1000.0, ReadTokenVar562(), ReadTokenVar561(), ReadTokenVar642()},
      {ReadTokenVar646(), ReadTokenVarPairB() / 1000.0, ReadTokenVar572(), ReadTokenVar571(), ReadTokenVar661()},
  };
  for (int32_t i = 0; i < 2; ++i) DrawDials(canvas, r, engines[i], kEicasDialX[i], two_rows);

  DrawTextAt(graphics, &r.font10, &r.cyan, 165, 60, "N");
  DrawTextAt(graphics, &r.font10, &r.cyan, 172, 63, "2");
  if (two_rows) {
    DrawTextAt(graphics, &r.font10, &r.cyan, 165, 130, "FF");
  } else {
    DrawTextAt(graphics, &r.font10, &r.cyan, 165, 130, "N");
    DrawTextAt(graphics, &r.font10, &r.cyan, 172, 133, "3");
    DrawTextAt(graphics, &r.font10, &r.cyan, 165, 200, "FF");
  }
  DrawOilScale(graphics, r, kOilPress, engines[0].oil_press, engines[1].oil_press, OilPressY(engines[0].oil_press),
               OilPressY(engines[1].oil_press));
  DrawOilScale(graphics, r, kOilTemp, engines[0].oil_temp, engines[1].oil_temp, OilTempY(engines[0].oil_temp),
               OilTempY(engines[1].oil_temp));
  DrawOilScale(graphics, r, kOilQty, kOilQuantity, kOilQuantity, 122, 122);
  DrawVibration(graphics, r, engines);
  if (ShowLiteModeStatus == 1 && lite_mode == 1) DrawTextAt(graphics, &r.font10, &r.green, 200, 0, "(LM)");
}
