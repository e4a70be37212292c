#include "displays/standby_display.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "displays/displays_globals.h"
#include "displays/pfd_frame.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

namespace {

using gfx::Point;
using gfx::PointF;
using gfx::REAL;

constexpr double kCanvasWidth = 100.0;
constexpr double kCanvasHeight = 92.0;
constexpr double kCentreX = 47.0;
constexpr double kCentreY = 46.0;
constexpr char kFamily[] = "Arial";

constexpr gfx::ARGB kSky = 0xFF0F9AF5u;
constexpr gfx::ARGB kGround = 0xFF785013u;
constexpr gfx::ARGB kTape = 0xFF536279u;

constexpr double kPitchUnitsPerDeg = 1.5;
constexpr int32_t kLadderStepDeg = 5;
constexpr int32_t kLadderLastDeg = 90;
constexpr double kSlipCountsPerUnit = 127.0 / 6.0;
constexpr double kSpeedUnitsPerKt = 0.7;
constexpr int32_t kSpeedFloorKt = 30;
constexpr int64_t kSpeedHalfScaleKt = 70;
constexpr double kAltUnitsPerFt = 0.1;
constexpr double kAltHalfScaleFt = 500.0;
constexpr double kHdgUnitsPerDeg = 1.9;
constexpr int64_t kHdgHalfScaleDeg = 55;
constexpr double kRadioShownToFt = 2500.0;
constexpr double kDrumPitch = 12.0;  // between the digits of a drum column

REAL R(double v) { return static_cast<REAL>(v); }

// Pens, brushes and fonts of one paint. Fine-frame sizes are canvas sizes times fy.
struct StandbyResources {
  explicit StandbyResources(const PfdFrame& f)
      : thin(gfx::Color(palette::kWhite), 1.0f),
        thin_fine(gfx::Color(palette::kWhite), R(f.fy)),
        sky(gfx::Color(kSky)),
        ground(gfx::Color(kGround)),
        tape(gfx::Color(kTape)),
        white(gfx::Color(palette::kWhite)),
        black(gfx::Color(palette::kBlack)),
        data9(PixelFont(kFamily, 9)),
        unit5(PixelFont(kFamily, 5)),
        ladder6(PixelFont(kFamily, 6 * f.fy)),
        alt_label7(PixelFont(kFamily, 7 * f.fy)),
        alt_drum8(PixelFont(kFamily, 8 * f.fy)),
        hdg8(PixelFont(kFamily, 8 * f.fy)),
        speed_label9(PixelFont(kFamily, 9 * f.fy)),
        alt_digits10(PixelFont(kFamily, 10 * f.fy)),
        speed_digits12(PixelFont(kFamily, 12 * f.fy)) {}

  gfx::Pen thin;       // 1 canvas unit
  gfx::Pen thin_fine;  // the same in the fine frame
  gfx::SolidBrush sky;
  gfx::SolidBrush ground;
  gfx::SolidBrush tape;
  gfx::SolidBrush white;
  gfx::SolidBrush black;
  gfx::Font data9;  // canvas
  gfx::Font unit5;
  gfx::Font ladder6;  // fine
  gfx::Font alt_label7;
  gfx::Font alt_drum8;
  gfx::Font hdg8;
  gfx::Font speed_label9;
  gfx::Font alt_digits10;
  gfx::Font speed_digits12;
};

int32_t Wrap10(int32_t d) { return ((d % 10) + 10) % 10; }

// Character `index` of a readout, where the text has one.
void FineChar(gfx::Graphics* g, const PfdFrame& f, const gfx::Font* font, const StandbyResources& r, double x,
              double y, std::string_view text, size_t index) {
  const char c[2] = {ReadoutChar(text, index), '\0'};
  const PointF p = f.Fine(x, y);
  DrawTextCut(g, font, &r.white, p.X, p.Y, c, 1);
}

void FineOutline(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r, double x, double y, double w,
                 double h) {
  g->DrawRectangle(&r.thin_fine, f.FineX(x), f.FineY(y), f.FineX(w), f.FineY(h));
}

// A five-entry drum column: `d` at y = o, higher digits above it 12 units apart.
void DrawDrumColumn(gfx::Graphics* g, const PfdFrame& f, const gfx::Font* font, const StandbyResources& r,
                    double x, int32_t d, int32_t o, const char* format) {
  for (int32_t k = -2; k <= 2; ++k) {
    const PointF p = f.Fine(x, o + kDrumPitch * k);
    DrawTextAt(g, font, &r.white, p.X, p.Y, format, Wrap10(d - k));
  }
}

// The places of `text` left of a drum, `first` .. `first + count - 1`, at x0, x0 + dx, ... on row y.
// While the drum turns from 9 to 0 the places it carries into (each with only nines to its right)
// turn with it, `roll` below their row with their next digit a drum pitch above: the drum's next
// digit never stands beside the old higher places (39.9 kt read as 30, 2,999 ft as 2,900).
void DrawPlacesLeftOfDrum(gfx::Graphics* g, const PfdFrame& f, const gfx::Font* font, const StandbyResources& r,
                          std::string_view text, size_t first, size_t count, double x0, double dx, double y,
                          int32_t drum_digit, double roll) {
  size_t rolling_from = count;
  if (drum_digit == 9 && count > 0) {
    rolling_from = count - 1;
    while (rolling_from > 0 && ReadoutDigit(text, first + rolling_from) == 9) --rolling_from;
  }
  for (size_t k = 0; k < count; ++k) {
    const double x = x0 + dx * static_cast<double>(k);
    if (k < rolling_from) {
      FineChar(g, f, font, r, x, y, text, first + k);
      continue;
    }
    FineChar(g, f, font, r, x, y + roll, text, first + k);
    const PointF next = f.Fine(x, y + roll - kDrumPitch);
    DrawTextAt(g, font, &r.white, next.X, next.Y, "%d", Wrap10(ReadoutDigit(text, first + k) + 1));
  }
}

void DrawSkyAndGround(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r, double yh) {
  f.SetFine(g);
  FineClipRect(g, f, -30, -35, 60, 70);
  f.SetFine(g, plane_bank);
  // Both reach past the clip at every bank; the clip alone shapes the sphere.
  FillPolygon(g, &r.sky, {f.Fine(-147, -146), f.Fine(53, -46), f.Fine(53, yh), f.Fine(-147, yh), f.Fine(-147, -146)});
  FillPolygon(g, &r.ground, {f.Fine(-147, yh), f.Fine(53, yh), f.Fine(53, 54), f.Fine(-147, 54), f.Fine(-147, yh)});
  g->ResetClip();
}

// True when no part of a ladder mark at `y` (its texts and short line lie within 4 units of it) can
// reach the clip, whatever the bank: the mark is farther from the centre than the clip's corners.
bool LadderMarkOutsideClip(const PfdFrame& f, double y) {
  return (std::fabs(y) - 5.0) * f.fy > std::hypot(30.0 * f.fx, 23.0 * f.fy);
}

void DrawPitchLadder(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r, double yh) {
  f.SetFine(g);
  FineClipRect(g, f, -30, -23, 60, 46);
  f.SetFine(g, plane_bank);
  FineLine(g, f, &r.thin_fine, -60, yh, 60, yh);
  for (int32_t p = kLadderStepDeg; p <= kLadderLastDeg; p += kLadderStepDeg) {
    // -1 the nose-up side above the horizon, +1 the nose-down side below it.
    for (const double side : {-1.0, 1.0}) {
      const double y = yh + side * kPitchUnitsPerDeg * p;
      if (LadderMarkOutsideClip(f, y)) continue;
      const bool long_mark = p % 10 == 0;
      const double half = long_mark ? 16.0 : 8.0;
      FineLine(g, f, &r.thin_fine, -half, y, half, y);
      if (long_mark) {
        for (const double x : {16.0, -24.0}) {
          const PointF at = f.Fine(x, y - 3.0);
          DrawTextAt(g, &r.ladder6, &r.white, at.X, at.Y, "%d", p);
        }
      }
      // The short line sits 4 units nearer the horizon than its mark.
      FineLine(g, f, &r.thin_fine, -4, y - side * 4.0, 4, y - side * 4.0);
    }
  }
  g->ResetClip();
}

void FillAndOutline(gfx::Graphics* g, const StandbyResources& r, const Point* points, gfx::INT count) {
  g->FillPolygon(&r.black, points, count);
  g->DrawLines(&r.thin, points, count);
}

void DrawAircraftSymbol(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetCanvas(g);
  const Point left[] = {{-8, 0}, {-8, -2}, {-25, -2}, {-25, 2}, {-12, 2}, {-12, 6}, {-8, 6}, {-8, 0}};
  const Point centre[] = {{-2, -2}, {-2, 2}, {2, 2}, {2, -2}, {-2, -2}};
  const Point right[] = {{8, 0}, {8, -2}, {25, -2}, {25, 2}, {12, 2}, {12, 6}, {8, 6}, {8, 0}};
  FillAndOutline(g, r, left, 8);
  FillAndOutline(g, r, centre, 5);
  FillAndOutline(g, r, right, 8);
}

void DrawRollPointerAndSlip(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetCanvas(g, plane_bank);
  const Point pointer[] = {{0, -33}, {4, -27}, {-4, -27}};
  g->FillPolygon(&r.white, pointer, 3);
  const double slip = ReadTokenVar69() / kSlipCountsPerUnit;
  g->FillRectangle(&r.white, TruncToPixel(std::trunc(slip) - 4.0), -27, 8, 3);
}

void DrawBankScaleAndIndex(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  for (const int32_t a : {-60, -45, -30, -20, -10, 10, 20, 30, 45, 60}) {
    f.SetCanvas(g, a);
    g->DrawLine(&r.thin, 0, -30, 0, (a == 30 || a == -30) ? -38 : -34);
  }
  f.SetCanvas(g);
  const Point index[] = {{0, -30}, {3, -35}, {-3, -35}};
  g->FillPolygon(&r.white, index, 3);
}

void DrawSpeedTape(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetFine(g);
  int32_t is = TruncToI32(ias);
  double fs = ias - is;
  // The tape stops at 30 kt.
  if (is < kSpeedFloorKt) {
    is = kSpeedFloorKt;
    fs = 0.0;
  }
  FineClipRect(g, f, -50, -35, 21, 82);
  FineFillRect(g, f, &r.tape, -50, -35, 20, 82);
  FineLine(g, f, &r.thin_fine, -30, -35, -30, 45);
  FineLine(g, f, &r.thin_fine, -30, -35, -50, -35);
  const int64_t low = std::max<int64_t>(0, is - kSpeedHalfScaleKt);
  for (int64_t v = (low + 9) / 10 * 10; v < is + kSpeedHalfScaleKt; v += 10) {
    const double y = (static_cast<double>(is - v) + fs) * kSpeedUnitsPerKt;
    if (v % 20 == 0) {
      const PointF at = f.Fine(-46, y - 5.0);
      DrawTextAt(g, &r.speed_label9, &r.white, at.X, at.Y, "%3d", static_cast<int32_t>(v));
    } else {
      FineLine(g, f, &r.thin_fine, -30, y, -35, y);
    }
  }
  g->ResetClip();
}

void DrawSpeedDrum(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetFine(g);
  FineFillRect(g, f, &r.black, -60, -8, 32, 16);
  FineClipRect(g, f, -60, -8, 32, 16);
  char buffer[64];
  FormatStandbySpeedText(ias, buffer, sizeof buffer);
  const std::string_view t(buffer);
  // The column scrolls down as the tenths grow, from the places' row at a tenths digit of 0.
  const int32_t o = TruncToI32(1.5 * ReadoutDigit(t, 4) - 7.0);
  const int32_t units = ReadoutDigit(t, 2);
  DrawPlacesLeftOfDrum(g, f, &r.speed_digits12, r, t, 0, 2, -49, 6, -7, units, o + 7.0);
  DrawDrumColumn(g, f, &r.speed_digits12, r, -37, units, o, "%d");
  FineOutline(g, f, r, -60, -8, 32, 16);
  g->ResetClip();
}

void DrawAltitudeScale(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  WalkAltitudeScale(plane_alt, kAltHalfScaleFt, [&](double a, int32_t n) {
    if (n % 100 != 0) return;
    const double y = (plane_alt - a) * kAltUnitsPerFt;
    if (n % 200 != 0) {
      FineLine(g, f, &r.thin_fine, 30, y, 35, y);
      return;
    }
    const double hundreds = std::floor(a / 100.0) * 100.0;
    const PointF at = f.Fine(hundreds == 0.0 ? 40.0 : 32.0, y - 5.0);
    if (hundreds == 0.0) {
      DrawTextAt(g, &r.alt_label7, &r.white, at.X, at.Y, "000");
    } else {
      DrawTextAt(g, &r.alt_label7, &r.white, at.X, at.Y, "%5.0f", hundreds);
    }
  });
}

void DrawAltitudeTape(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetFine(g);
  FineClipRect(g, f, 30, -35, 24, 82);
  FineFillRect(g, f, &r.tape, 30, -35, 24, 82);
  FineLine(g, f, &r.thin_fine, 30, -35, 30, 45);
  FineLine(g, f, &r.thin_fine, 30, -35, 55, -35);
  if (std::isfinite(plane_alt)) DrawAltitudeScale(g, f, r);
  g->ResetClip();
}

void DrawAltitudeDrum(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetFine(g);
  FineFillRect(g, f, &r.black, 28, -8, 27, 16);
  FineClipRect(g, f, 28, -8, 27, 16);
  char buffer[64];
  FormatStandbyAltitudeText(plane_alt, buffer, sizeof buffer);
  const std::string_view a(buffer);
  // The tens column moves one unit a foot, from 4 above the centre at a units digit of 0.
  const int32_t units = ReadoutDigit(a, 4);
  const int32_t tens = ReadoutDigit(a, 3);
  DrawPlacesLeftOfDrum(g, f, &r.alt_digits10, r, a, 0, 3, 28, 5, -6, tens, units);
  DrawDrumColumn(g, f, &r.alt_drum8, r, 44, tens, units - 4, "%d0");
  FineOutline(g, f, r, 28, -8, 27, 16);
  g->ResetClip();
}

void DrawHeadingScale(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetFine(g);
  FineClipRect(g, f, -30, 30, 60, 20);
  FillPolygon(g, &r.white, {f.Fine(0, 35), f.Fine(-2, 28), f.Fine(2, 28)});
  // Whole degrees unwrapped around the heading, so the difference runs through north; labels wrap.
  const int64_t h0 = TruncToI32(plane_hdg_mag);
  for (int64_t i = h0 - kHdgHalfScaleDeg; i <= h0 + kHdgHalfScaleDeg; ++i) {
    const int64_t v = ((i % 360) + 360) % 360;
    if (v % 5 != 0) continue;
    const double dx = (static_cast<double>(i) - plane_hdg_mag) * kHdgUnitsPerDeg;
    FineLine(g, f, &r.thin_fine, dx, 35, dx, 37);
    if (v % 10 == 0) {
      const PointF at = f.Fine(dx - 8.0, 37);
      DrawTextAt(g, &r.hdg8, &r.white, at.X, at.Y, "%03d", static_cast<int32_t>(v));
    }
  }
  g->ResetClip();
}

void DrawDataLine(gfx::Graphics* g, const PfdFrame& f, const StandbyResources& r) {
  f.SetCanvas(g);
  char mach[64];
  FormatStandbyMachText(plane_mach, mach, sizeof mach);
  if (mach[0] != '\0') DrawTextAt(g, &r.data9, &r.white, -45, -45, "%s", mach);
  DrawTextAt(g, &r.data9, &r.white, -32, -45, "M");
  g->DrawRectangle(&r.thin, -50, -45, 28, 10);
  g->DrawRectangle(&r.thin, -10, -45, 30, 10);
  if (radio_height <= kRadioShownToFt) DrawTextAt(g, &r.data9, &r.white, -10, -45, "%4.0f", radio_height);
  if (baro_units == "INCHES") {
    DrawTextAt(g, &r.data9, &r.white, 23, -45, "%2.2f", baro_inhg);
    DrawTextAt(g, &r.unit5, &r.white, 47, -41, "IN");
  } else {
    DrawTextAt(g, &r.data9, &r.white, 23, -45, "%4.0f", baro_hpa);
    DrawTextAt(g, &r.unit5, &r.white, 44, -41, "HPa");
  }
}

}  // namespace

void FormatStandbySpeedText(double ias_kt, char* text, size_t size) {
  if (size == 0) return;
  const double s = ias_kt >= kSpeedFloorKt ? ias_kt : kSpeedFloorKt;
  if (s < 100.0) {
    std::snprintf(text, size, " %2.5f", s);
    if (ReadoutChar(text, 3) == '.') return;
  }
  std::snprintf(text, size, "%3.5f", s);
}

void FormatStandbyAltitudeText(double alt_ft, char* text, size_t size) {
  if (size == 0) return;
  // Rounded as "%.0f" rounds, so the form matches the digits printed.
  const double printed = std::nearbyint(alt_ft);
  if (printed >= 10000.0) {
    std::snprintf(text, size, "%5.0f", alt_ft);
  } else if (printed >= 1000.0) {
    std::snprintf(text, size, " %4.0f", alt_ft);
  } else if (printed >= 100.0) {
    std::snprintf(text, size, "  %3.0f", alt_ft);
  } else {
    std::snprintf(text, size, "   %02.0f", alt_ft);
  }
}

void FormatStandbyMachText(double mach, char* text, size_t size) {
  if (size == 0) return;
  text[0] = '\0';
  if (!(mach >= 0.4)) return;
  if (mach < 1.0) {
    std::snprintf(text, size, ".%2.0f", mach * 100.0);
    if (std::strlen(text) <= 3) return;
  }
  std::snprintf(text, size, "%.3f", mach);
}

void DrawStandbyDisplay(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr || surface->width == 0 || surface->height == 0) return;
  gfx::Graphics* g = graphics;
  const PfdFrame f = PfdFrame::Of(*surface, kCanvasWidth, kCanvasHeight, kCentreX, kCentreY);
  const StandbyResources r(f);
  const double yh = -kPitchUnitsPerDeg * plane_pitch;  // plane_pitch is negative nose up
  DrawSkyAndGround(g, f, r, yh);
  DrawPitchLadder(g, f, r, yh);
  DrawAircraftSymbol(g, f, r);
  DrawRollPointerAndSlip(g, f, r);
  DrawBankScaleAndIndex(g, f, r);
  DrawSpeedTape(g, f, r);
  DrawSpeedDrum(g, f, r);
  DrawAltitudeTape(g, f, r);
  DrawAltitudeDrum(g, f, r);
  DrawHeadingScale(g, f, r);
  DrawDataLine(g, f, r);
  g->ResetTransform();
}
