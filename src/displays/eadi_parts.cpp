#include "displays/eadi_parts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "afds/afds_globals.h"
#include "displays/attitude_state.h"
#include "displays/displays_globals.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "state/config_globals.h"

namespace {

using gfx::Point;
using gfx::REAL;

constexpr double kFineShare = 0.0625;
constexpr double kPitchUnitsPerDeg = 3.0;
constexpr int32_t kLadderStepDeg = 5;
constexpr int32_t kLadderLastDeg = 90;
// The flap bracket's scale: token 349 from 0 (base 37 units below the centre) to 25000 (40 above).
constexpr double kBracketFullScale = 25000.0;
constexpr double kBracketBaseLow = 37.0;
constexpr double kBracketBaseHigh = -40.0;
constexpr double kBracketTravel = 80.0;
// Needle counts per canvas unit of the deviation pointers.
constexpr double kNeedlePerUnit = 4.233333333333333;
constexpr double kRollBarUnitsPerDeg = 1.8;
constexpr double kRadioTextMaxFt = 2500.0;
constexpr double kRadioTensFromFt = 10.0;

REAL F(double v) { return static_cast<REAL>(v); }

// Size sums and sizes kept above zero so that a gauge without pixels draws nothing instead of
// dividing by zero.
double PixelsOf(uint32_t n) { return std::max(1.0, static_cast<double>(n)); }

void FillAndOutline(gfx::Graphics* g, const EadiResources& r, const Point* pts, int32_t count) {
  g->FillPolygon(&r.black, pts, count);
  g->DrawLines(&r.white_thin, pts, count);
}

void DrawLadderMark(const EadiFrames& f, const EadiResources& r, int32_t deg, double y, double tick_y) {
  const bool long_mark = deg % 10 == 0;
  const double half = long_mark ? 20.0 : 10.0;
  f.Line(&r.white_fine, -half, y, half, y);
  if (long_mark) {
    char label[8];
    std::snprintf(label, sizeof label, "%d", deg);
    f.Text(&r.ladder11, &r.white, 20.0, y - 5.0, label);
    f.Text(&r.ladder11, &r.white, -35.0, y - 5.0, label);
  }
  f.Line(&r.white_fine, -5.0, tick_y, 5.0, tick_y);
}

void DrawBracketHalf(const EadiFrames& f, const EadiResources& r, double side, double base) {
  const double top = base - 5.0;
  const double hatch = base - 12.0;
  f.Line(&r.amber_fine, 10.0 * side, base, 10.0 * side, top);
  f.Line(&r.amber_fine, 10.0 * side, top, 22.0 * side, top);
  for (double x : {13.0, 16.0, 19.0}) f.Line(&r.amber_fine, x * side, top, (x + 3.0) * side, hatch);
}

}  // namespace

gfx::ARGB ConfiguredColour(int32_t r, int32_t g, int32_t b) {
  const auto low = [](int32_t c) { return static_cast<uint32_t>(c) & 0xFFu; };
  return 0xFF000000u | (low(r) << 16) | (low(g) << 8) | low(b);
}

EadiFrames::EadiFrames(gfx::Graphics* g, const DisplaySurface* surface) : g_(g) {
  const double w = PixelsOf(surface->width);
  const double h = PixelsOf(surface->height);
  scale_x_ = static_cast<REAL>(w) / static_cast<REAL>(kEadiCanvasWidth);
  scale_y_ = static_cast<REAL>(h) / static_cast<REAL>(kEadiCanvasHeight);
  sx_ = w / (w + h) * kFineShare;
  sy_ = h / (w + h) * kFineShare;
  kx_ = scale_x_ / sx_;
  ky_ = scale_y_ / sy_;
}

void EadiFrames::Canvas(double rotation_deg) const {
  g_->ResetTransform();
  g_->ScaleTransform(scale_x_, scale_y_);
  g_->TranslateTransform(F(kEadiCentreX), F(kEadiCentreY));
  if (rotation_deg != 0.0) g_->RotateTransform(F(rotation_deg));
}

void EadiFrames::Fine(double rotation_deg) const {
  g_->ResetTransform();
  g_->ScaleTransform(F(sx_), F(sy_));
  g_->TranslateTransform(F(kEadiCentreX * kx_), F(kEadiCentreY * ky_));
  if (rotation_deg != 0.0) g_->RotateTransform(F(rotation_deg));
}

int32_t EadiFrames::X(double x) const { return TruncToPixel(x * kx_); }
int32_t EadiFrames::Y(double y) const { return TruncToPixel(y * ky_); }

gfx::PointF EadiFrames::Pf(double x, double y) const {
  return gfx::PointF(static_cast<REAL>(X(x)), static_cast<REAL>(Y(y)));
}

void EadiFrames::Line(const gfx::Pen* pen, double x1, double y1, double x2, double y2) const {
  g_->DrawLine(pen, X(x1), Y(y1), X(x2), Y(y2));
}

void EadiFrames::Text(const gfx::Font* font, const gfx::Brush* brush, double x, double y, const char* text) const {
  g_->DrawString(text, -1, font, Pf(x, y), brush);
}

EadiResources::EadiResources(const EadiFrames& f)
    : white_line(gfx::Color(palette::kWhite), F(EfisLinesize)),
      white_fine(gfx::Color(palette::kWhite), F(EfisLinesize * f.ky())),
      white_thin(gfx::Color(palette::kWhite), 1.0f),
      black_border(gfx::Color(palette::kBlack), 2.0f),
      amber_fine(gfx::Color(palette::kAmber), F(EfisLinesize * f.kx())),
      magenta_line(gfx::Color(palette::kMagenta), F(EfisLinesize)),
      magenta_thin(gfx::Color(palette::kMagenta), 1.0f),
      box(gfx::Color(palette::kGreen), 1.0f),
      sky(gfx::Color(ConfiguredColour(eadi_sky_color_r, eadi_sky_color_g, eadi_sky_color_b))),
      ground(gfx::Color(ConfiguredColour(eadi_gnd_color_r, eadi_gnd_color_g, eadi_gnd_color_b))),
      black(gfx::Color(palette::kBlack)),
      white(gfx::Color(palette::kWhite)),
      green(gfx::Color(palette::kGreen)),
      amber(gfx::Color(palette::kAmber)),
      text9(PixelFont(display_font.c_str(), 9.0)),
      small8(PixelFont(display_font.c_str(), 8.0)),
      ladder11(PixelFont(display_font.c_str(), 11.0 * f.kx())) {}

void DrawAttitudeSphere(const EadiFrames& f, const EadiResources& r) {
  f.Fine(plane_bank);
  const double h = -kPitchUnitsPerDeg * plane_pitch;
  const Point sky[] = {f.P(-508, -486), f.P(292, -86), f.P(292, h), f.P(-508, h), f.P(-508, -486)};
  const Point ground[] = {f.P(-508, h), f.P(292, h), f.P(292, 314), f.P(-508, 314), f.P(-508, h)};
  f.g()->FillPolygon(&r.sky, sky, 5);
  f.g()->FillPolygon(&r.ground, ground, 5);

  f.Line(&r.white_fine, -108.0, h, 108.0, h);
  for (int32_t deg = kLadderStepDeg; deg <= kLadderLastDeg; deg += kLadderStepDeg) {
    const double offset = kPitchUnitsPerDeg * deg;
    // Each mark's short tick lies 8 units nearer the horizon.
    DrawLadderMark(f, r, deg, h - offset, h - offset + 8.0);
    DrawLadderMark(f, r, deg, h + offset, h + offset - 8.0);
  }
}

void DrawFlapBracket(const EadiFrames& f, const EadiResources& r) {
  if (!(ReadFlapsAngle() > 0.0)) return;
  const double t = ReadTokenVar349();
  const double base = t >= kBracketFullScale ? kBracketBaseHigh : kBracketBaseLow - kBracketTravel * t / kBracketFullScale;
  f.Fine();
  DrawBracketHalf(f, r, -1.0, base);
  DrawBracketHalf(f, r, 1.0, base);
}

void DrawRollPointer(const EadiFrames& f, const EadiResources& r) {
  f.Canvas(plane_bank);
  const Point pointer[] = {{0, -65}, {3, -60}, {-3, -60}, {0, -65}};
  f.g()->DrawLines(&r.white_line, pointer, 4);
  f.Canvas();
}

void DrawRollScale(const EadiFrames& f, const EadiResources& r) {
  // 10-degree steps between -30 and 30, 15-degree steps outside.
  for (int32_t a = -60; a <= 60; a += (a >= -30 && a <= 29) ? 10 : 15) {
    f.Canvas(a);
    if (a == 0) {
      const Point index[] = {{0, -65}, {3, -70}, {-3, -70}, {0, -65}};
      f.g()->DrawLines(&r.white_line, index, 4);
    } else {
      f.g()->DrawLine(&r.white_line, 0, -65, 0, (a == 30 || a == -30) ? -75 : -70);
    }
  }
  f.Canvas();
}

void DrawAircraftSymbol(const EadiFrames& f, const EadiResources& r) {
  f.Canvas();
  if (FlightDirectorType == 1) {
    const Point chevron[] = {{0, 0}, {40, 15}, {30, 15}, {0, 5}, {-30, 15}, {-40, 15}, {0, 0}};
    FillAndOutline(f.g(), r, chevron, 7);
    return;
  }
  const Point left[] = {{-7, 0}, {-7, -2}, {-35, -2}, {-35, 2}, {-11, 2}, {-11, 10}, {-7, 10}, {-7, 0}};
  const Point centre[] = {{-2, -2}, {-2, 2}, {2, 2}, {2, -2}, {-2, -2}};
  const Point right[] = {{7, 0}, {7, -2}, {35, -2}, {35, 2}, {11, 2}, {11, 10}, {7, 10}, {7, 0}};
  FillAndOutline(f.g(), r, left, 8);
  FillAndOutline(f.g(), r, centre, 5);
  FillAndOutline(f.g(), r, right, 8);
}

void DrawCommandBars(const EadiFrames& f, const EadiResources& r) {
  if (!IrsAligned() || ReadTokenVar792() == 0) return;
  StepFdCommandBars();
  const double b = fd_roll_bar;
  const int32_t y = TruncToPixel(kPitchUnitsPerDeg * fd_pitch_bar);
  if (FlightDirectorType == 1) {
    f.Canvas(b);
    const Point cue[] = {{0, y},           {50, y + 10},  {45, y + 15},  {50, y + 15},  {50, y + 10},
                         {45, y + 15},     {0, y},        {-45, y + 15}, {-50, y + 10}, {-50, y + 15},
                         {-45, y + 15},    {-50, y + 10}, {0, y}};
    f.g()->DrawLines(&r.magenta_thin, cue, 13);
    f.Canvas();
    return;
  }
  f.Canvas();
  const int32_t x = TruncToPixel(kRollBarUnitsPerDeg * b);
  f.g()->DrawLine(&r.magenta_line, x, -33, x, 33);
  f.g()->DrawLine(&r.magenta_line, -33, y, 33, y);
}

void DrawDeviationScales(const EadiFrames& f, const EadiResources& r) {
  if (!IrsAligned()) return;
  f.Canvas();
  gfx::Graphics* g = f.g();
  if (TestTokenVar46Bit40() != 0) {
    for (int32_t y : {-32, -17, 17, 32}) g->DrawEllipse(&r.white_line, 83, y, 5, 5);
    g->DrawRectangle(&r.white_line, 83, -2, 10, 5);
    const int32_t d = TruncToPixel(gsi_needle / kNeedlePerUnit);
    const Point pointer[] = {{83, d}, {73, d - 5}, {73, d + 5}, {83, d}};
    g->DrawLines(&r.magenta_line, pointer, 4);
  }
  if (ReadVor1Signal() > 0.0) {
    for (int32_t x : {-32, -17, 13, 28}) g->DrawEllipse(&r.white_line, x, 74, 5, 5);
    g->DrawRectangle(&r.white_line, -2, 76, 3, 6);
    g->DrawRectangle(&r.magenta_line, TruncToPixel(cdi_needle / kNeedlePerUnit) - 2, 68, 3, 7);
  }
}

void DrawDecisionHeightAndRadioAltitude(const EadiFrames& f, const EadiResources& r, gfx::PointF dh,
                                        gfx::PointF ra) {
  if (!(radio_height <= kRadioTextMaxFt)) return;
  f.Canvas();
  DrawTextAt(f.g(), &r.text9, &r.green, dh.X, dh.Y, "DH%3.0f", GetDecisionHeight());
  char text[64];
  FormatRadioAltitudeText(radio_height, text, sizeof text);
  DrawTextAt(f.g(), &r.text9, &r.white, ra.X, ra.Y, "%s", text);
}

void FormatRadioAltitudeText(double radio_height_ft, char* buffer, int32_t size) {
  if (size <= 0) return;
  const size_t n = static_cast<size_t>(size);
  if (radio_height_ft > kRadioTensFromFt) {
    std::snprintf(buffer, n, "%4.0f0", radio_height_ft / 10.0);
  } else {
    std::snprintf(buffer, n, "%4.0f", radio_height_ft);
  }
}
