#include "displays/eadi_speed_tape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <string_view>

#include "displays/attitude_state.h"
#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/derived_samples.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::Point;

constexpr double kScaleUnitsPerKt = 1.39;   // the scale's own ticks
constexpr double kMarkerUnitsPerKt = 1.4;   // every marker and the trend arrow
constexpr int64_t kLowestTickKt = 30;
constexpr double kTapeTop = -60.0;
constexpr double kTapeBottom = 60.0;
constexpr double kDashSpacing = 8.0;
constexpr int32_t kMinSpeedDashes = 30;
constexpr double kMarkerRangeKt = 140.0;
constexpr double kGearDownLimitKt = 270.0;
constexpr double kGearDownPos = 16000.0;
constexpr double kLimitsAboveFt = 200.0;
constexpr double kTakeoffLabelsBelowFt = 30.0;
constexpr double kV1NearKt = 42.0;
constexpr double kRefAboveFt = 300.0;
constexpr double kTrendClipFrom = 50.0;  // longer arrows jump to the full length
constexpr double kTrendFull = 58.0;
constexpr double kBugDigitsBeyondKt = 44.0;
// The readout shows at most four digits before the point.
constexpr double kReadoutMaxKt = 9999.9;

struct PlacardRow {
  double from_deg;
  int32_t speed_kt;
  int32_t speed_300_kt;
};
constexpr PlacardRow kPlacards[] = {
    {29.99, 162, 168}, {24.99, 190, 190}, {19.99, 195, 205}, {14.99, 210, 215}, {4.99, 220, 225},
};
constexpr int32_t kFlapsOutPlacard = 240;
constexpr int32_t kFlapsOutPlacard300 = 245;
constexpr int32_t kFlapsUpPlacard = 999;

double MarkerY(double speed_kt, double ias) { return -kMarkerUnitsPerKt * (speed_kt - ias); }

// A column of red dashes from y, `count` of them `step` apart. Dashes beyond the tape ends cannot be
// seen; they are skipped so that an absurd speed cannot make the column endless.
void DrawDashColumn(const EadiFrames& f, const gfx::Pen* pen, double y, int32_t count, double step) {
  const double lowest = kTapeBottom + kDashSpacing;
  const double highest = kTapeTop - kDashSpacing;
  int32_t i = 0;
  if (step < 0.0 && y > lowest) i = std::min(count, TruncToI32(std::ceil((y - lowest) / -step)));
  for (y += step * i; i < count; ++i, y += step) {
    if (step < 0.0 ? y < highest : y > lowest) break;
    f.Line(pen, -72.0, y, -77.0, y);
  }
}

void DrawScale(const EadiFrames& f, const EadiResources& r, const SpeedTapeResources& t, double ias) {
  const int64_t base = std::max<int64_t>(kLowestTickKt, TruncToI32(ias));
  const double frac = ias - std::trunc(ias);  // from the real speed, also when the base was raised
  int64_t s = base - 50;
  s = (s >= 0) ? (s + 9) / 10 * 10 : -(-s / 10 * 10);  // first multiple of 10 from there
  for (; s <= base + 49; s += 10) {
    if (s < kLowestTickKt) continue;
    const double y = (static_cast<double>(base - s) + frac) * kScaleUnitsPerKt;
    f.Line(&r.white_fine, -78.0, y, -83.0, y);
    if (s % 20 == 0) {
      char label[24];
      std::snprintf(label, sizeof label, "%3lld", static_cast<long long>(s));
      f.Text(&t.digits12, &r.white, -108.0, y - 5.0, label);
    }
  }
}

void DrawSpeedLimits(const EadiFrames& f, const EadiResources& r, const SpeedTapeResources& t,
                     const SpeedTapeInputs& in) {
  double maximum = in.speed_limit;
  if (gear1_pos > kGearDownPos) maximum = std::min(kGearDownLimitKt, maximum);
  const double limit = std::min(static_cast<double>(FlapPlacardSpeed(ReadFlapsAngle(), aircraft_model)), maximum);
  if (limit - in.ias < kMarkerRangeKt) {
    int32_t n = TruncToI32((in.ias + 70.0 - limit) * 0.25);
    if (n < 0) n = 30;
    DrawDashColumn(f, &t.red_fine, MarkerY(limit, in.ias), n, -kDashSpacing);
  }
  const double m = in.min_ref_speed + 5.0;
  if (std::abs(m - in.ias) < kMarkerRangeKt) {
    const double y = MarkerY(m, in.ias);
    f.Line(&r.amber_fine, -74.0, y, -74.0, y - 20.0);
    f.Line(&r.amber_fine, -74.0, y - 19.0, -77.0, y - 19.0);
    DrawDashColumn(f, &t.red_fine, y, kMinSpeedDashes, kDashSpacing);
  }
}

void DrawTakeoffSpeeds(const EadiFrames& f, const EadiResources& r, const SpeedTapeResources& t, double ias) {
  const bool low = radio_height < kTakeoffLabelsBelowFt;
  if (vr <= 0) {
    if (!low) return;
    f.g()->ResetClip();  // and no clip for the rest of the tape
    f.Text(&t.labels8, &r.amber, -78.0, -58.0, "V1");
    f.Text(&t.labels8, &r.amber, -78.0, -48.0, "INOP");
    return;
  }
  if (v1 == 0) v1 = vr;  // also in flight: the callouts work with it
  if (!low) return;
  if (std::abs(v1 - ias) <= kV1NearKt) {
    if (std::llabs(int64_t{vr} - v1) < 4) {
      f.Text(&t.labels8, &r.green, -75.0, MarkerY(vr, ias) - 4.0, "-R");
    } else {
      f.Text(&t.labels8, &r.green, -78.0, MarkerY(v1, ias) - 4.0, "-1");
      f.Text(&t.labels8, &r.green, -78.0, MarkerY(vr, ias) - 4.0, "-R");
    }
    return;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%d", v1);
  f.Text(&t.labels8, &r.green, -75.0, -55.0, "V1");
  f.Text(&t.labels8, &r.green, -78.0, -45.0, text);
}

void DrawTrendArrow(const EadiFrames& f, const SpeedTapeResources& t) {
  StepIasTrend();
  double a = (ReadAirspeedSmoothed() - ias_predicted) * kMarkerUnitsPerKt;
  if (a > kTrendClipFrom) a = kTrendFull;
  a = std::max(a, -kTrendFull);
  f.Line(&t.green_fine, -81.0, 0.0, -81.0, a);
  if (a < 0.0) {
    f.Line(&t.green_fine, -83.0, a + 2.0, -81.0, a - 1.0);
    f.Line(&t.green_fine, -79.0, a + 2.0, -81.0, a - 1.0);
  } else if (a > 0.0) {
    f.Line(&t.green_fine, -83.0, a - 2.0, -81.0, a + 1.0);
    f.Line(&t.green_fine, -79.0, a - 2.0, -81.0, a + 1.0);
  }
}

void DrawSpeedBug(const EadiFrames& f, const SpeedTapeResources& t, double ias) {
  char text[64];
  std::snprintf(text, sizeof text, "%3.0f", ap_spdbug);
  if (ap_spdbug - ias > kBugDigitsBeyondKt || ias - ap_spdbug > kBugDigitsBeyondKt) {
    f.g()->ResetClip();
    f.Text(&t.digits12, &t.magenta, -110.0, ap_spdbug > ias ? -72.0 : 61.0, text);
    return;
  }
  const double y = TruncToPixel(MarkerY(ap_spdbug, ias));
  f.Line(&t.magenta_fine, -77.0, y, -70.0, y);
  f.Line(&t.magenta_fine, -77.0, y + 3.0, -70.0, y + 3.0);
  f.g()->ResetClip();
}

void DrawReadout(const EadiFrames& f, const EadiResources& r, const SpeedTapeResources& t, double ias) {
  const Point box[] = {f.P(-80, 0),   f.P(-85, -5), f.P(-85, -10), f.P(-108, -10),
                       f.P(-108, 10), f.P(-85, 10), f.P(-85, 5),   f.P(-80, 0)};
  f.g()->FillPolygon(&r.black, box, 8);
  f.g()->DrawLines(&r.white_fine, box, 8);
  gfx::GraphicsPath outline;
  outline.AddPolygon(box, 8);
  f.g()->SetClip(&outline);

  const double shown = std::min(std::max(30.0, ias), kReadoutMaxKt);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, shown < 100.0 ? " %03.1f" : "%03.1f", shown);
  // Hundreds (blank below 100), tens, units, point, tenths: the last five characters. A place before
  // the text's start wraps past its end and reads as nothing.
  const std::string_view text(buffer);
  const size_t n = text.size();
  const char hundreds[2] = {ReadoutChar(text, n - 5), '\0'};
  const char tens[2] = {ReadoutChar(text, n - 4), '\0'};
  const int32_t u = ReadoutDigit(text, n - 3);
  const int32_t tenths = ias < 1.0 ? 0 : ReadoutDigit(text, n - 1);
  const double off = tenths - 5;

  // The drum: a rising speed moves the digits down.
  const int32_t next = (u + 1) % 10;
  const int32_t prev = (u + 9) % 10;
  const int32_t drum[] = {(next + 1) % 10, next, u, prev, (prev + 9) % 10};
  for (int32_t i = 0; i < 5; ++i) {
    char digit[4];
    std::snprintf(digit, sizeof digit, "%d", drum[i]);
    f.Text(&t.digits12, &r.white, -94.0, off + 10.0 * (i - 2), digit);
  }

  f.g()->ResetClip();
  f.g()->SetClip(gfx::RectF(static_cast<gfx::REAL>(f.X(-108)), static_cast<gfx::REAL>(f.Y(-5)),
                            static_cast<gfx::REAL>(f.X(16)), static_cast<gfx::REAL>(f.Y(10))));
  char digit[4];
  const int32_t next_tens = (DigitValue(tens[0]) + 1) % 10;
  if (u == 9) {
    std::snprintf(digit, sizeof digit, "%d", next_tens);
    f.Text(&t.digits12, &r.white, -101.0, off - 10.0, digit);
    f.Text(&t.digits12, &r.white, -101.0, off, tens);
  } else {
    f.Text(&t.digits12, &r.white, -101.0, -5.0, tens);
  }
  if (u == 9 && next_tens == 0) {
    std::snprintf(digit, sizeof digit, "%d", (DigitValue(hundreds[0]) + 1) % 10);
    f.Text(&t.digits12, &r.white, -108.0, off - 10.0, digit);
    f.Text(&t.digits12, &r.white, -108.0, off, hundreds);
  } else {
    f.Text(&t.digits12, &r.white, -108.0, -5.0, hundreds);
  }
  f.g()->ResetClip();
}

}  // namespace

int32_t FlapPlacardSpeed(double flap_angle_deg, std::string_view aircraft_model) {
  const bool dash_300 = aircraft_model == "757 - 300";
  for (const PlacardRow& row : kPlacards) {
    if (flap_angle_deg >= row.from_deg) return dash_300 ? row.speed_300_kt : row.speed_kt;
  }
  if (flap_angle_deg > 0.0) return dash_300 ? kFlapsOutPlacard300 : kFlapsOutPlacard;
  return kFlapsUpPlacard;
}

SpeedTapeResources::SpeedTapeResources(const EadiFrames& f)
    : magenta_fine(gfx::Color(palette::kMagenta), static_cast<gfx::REAL>(EfisLinesize * f.kx())),
      green_fine(gfx::Color(palette::kGreen), static_cast<gfx::REAL>(2.0 * f.kx())),
      red_fine(gfx::Color(palette::kRed), static_cast<gfx::REAL>(3.0 * f.ky())),
      magenta(gfx::Color(palette::kMagenta)),
      digits12(PixelFont(display_font.c_str(), 12.0 * f.kx())),
      labels8(PixelFont(display_font.c_str(), 8.0 * f.kx())) {}

void DrawEadiSpeedTape(const EadiFrames& f, const EadiResources& r, const SpeedTapeResources& t,
                       const SpeedTapeInputs& in) {
  f.Canvas();
  gfx::Graphics* g = f.g();
  g->DrawLine(&r.white_line, -108, -60, -68, -60);
  g->DrawLine(&r.white_line, -78, -60, -78, 60);
  g->DrawLine(&r.white_line, -108, 60, -68, 60);
  g->DrawLine(&r.white_line, -66, 62, -66, 86);
  g->SetClip(gfx::RectF(-108.0f, -60.0f, 45.0f, 120.0f));

  f.Fine();
  DrawScale(f, r, t, in.ias);
  if (radio_height > kLimitsAboveFt) DrawSpeedLimits(f, r, t, in);
  DrawTakeoffSpeeds(f, r, t, in.ias);
  if (vref > 0 && radio_height > kRefAboveFt) {
    const double y = MarkerY(vref, in.ias);
    f.Text(&t.labels8, &r.green, -79.0, y - 3.0, "REF");
    f.Line(&t.green_fine, -82.0, y, -87.0, y);
  }
  DrawTrendArrow(f, t);
  DrawSpeedBug(f, t, in.ias);
  DrawReadout(f, r, t, in.ias);
}
