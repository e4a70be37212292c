#include "displays/pfd_speed_tape.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "displays/attitude_state.h"
#include "displays/displays_globals.h"
#include "displays/eadi_speed_tape.h"
#include "displays/pfd_frame.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/derived_samples.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/aircraft_id_globals.h"

namespace {

using gfx::PointF;

constexpr double kLowestSpeed = 30.0;     // the scale and readout never go below it
constexpr int64_t kHalfScaleKt = 70;      // the scale walks 70 kt either side
constexpr double kLimitRangeKt = 140.0;   // limit dashes and the minimum bar only within this
constexpr double kLimitGroundSpeed = 100.0;
constexpr double kGearDownLimitKt = 270.0;
constexpr double kGearDownPos = 16000.0;  // of 16383
constexpr int32_t kDashSpacing = 8;
constexpr int32_t kFarLimitDashes = 30;   // also the minimum bar's dash count
constexpr double kTrendLimit = 92.0;      // the arrow stays on the tape
constexpr double kMachShortLimit = 999.5;  // x 1000: the short Mach form would print four digits

double SpeedY(double kt) { return -(kt - ias) * kSpeedUnitsPerKt; }

void DrawScale(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const int64_t b = std::max<int64_t>(static_cast<int64_t>(kLowestSpeed), TruncToI32(ias));
  const double frac = ias - std::trunc(ias);
  // Steps of 1 find the first multiple of 10, then steps of 10.
  int64_t step = 1;
  for (int64_t n = b - kHalfScaleKt; n < b + kHalfScaleKt; n += step) {
    if (n % 10 != 0) continue;
    step = 10;
    if (n < static_cast<int64_t>(kLowestSpeed)) continue;
    const double y = (static_cast<double>(b - n) + frac) * kSpeedUnitsPerKt;
    FineLine(g, f, &r.scale, -116, y, -106, y);
    if (n % 20 == 0) {
      const PointF p = f.Fine(-140, y - 5);
      DrawTextAt(g, &r.fine11, &r.white, p.X, p.Y, "%3d", static_cast<int32_t>(n));
    }
  }
}

void DrawSpeedLimits(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  double limit = ReadTokenVar63() / 128.0;
  if (gear1_pos > kGearDownPos) limit = std::min(kGearDownLimitKt, limit);
  const double m = std::min(static_cast<double>(FlapPlacardSpeed(ReadFlapsAngle(), aircraft_model)), limit);
  if (std::fabs(m - ias) < kLimitRangeKt) {
    const int32_t yt = TruncToPixel(SpeedY(m));
    int32_t dashes = TruncToI32((ias + static_cast<double>(kHalfScaleKt) - m) * 0.25);
    if (dashes < 0) dashes = kFarLimitDashes;
    for (int32_t i = 0; i < dashes; ++i) {
      FineLine(g, f, &r.limit_dash, -100, yt - kDashSpacing * i, -105, yt - kDashSpacing * i);
    }
  }
  const double min_kt = SelectRefSpeedsByWeight() + 5.0;
  if (std::fabs(min_kt - ias) < kLimitRangeKt) {
    const double y = SpeedY(min_kt);
    FineLine(g, f, &r.bracket, -102, y, -102, y - 20);
    FineLine(g, f, &r.bracket, -102, y - 19, -105, y - 19);
    for (int32_t i = 0; i < kFarLimitDashes; ++i) {
      FineLine(g, f, &r.limit_dash, -100, y + kDashSpacing * i, -105, y + kDashSpacing * i);
    }
  }
}

void DrawSpeedBug(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const double y = TruncToPixel(SpeedY(ap_spdbug));
  const PointF bug[] = {f.Fine(-110, y),     f.Fine(-105, y - 5), f.Fine(-95, y - 5),
                        f.Fine(-95, y + 5),  f.Fine(-105, y + 5), f.Fine(-110, y)};
  g->DrawLines(&r.bug, bug, 6);
}

void Label(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r, const gfx::Brush* brush, double x, double y,
           const char* text) {
  const PointF p = f.Fine(x, y);
  DrawTextAt(g, &r.fine7, brush, p.X, p.Y, "%s", text);
}

void DrawVSpeeds(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  if (vr > 0) {
    // The V1 callout and the classic displays go by this substitute too.
    if (v1 == 0) v1 = vr;
    const int64_t r_v1 = std::llabs(static_cast<int64_t>(vr) - v1);
    const int64_t r_v2 = std::llabs(static_cast<int64_t>(vr) - v2);
    if (r_v1 >= 4 && r_v2 >= 4) {
      if (radio_height < 30.0) {
        Label(g, f, r, &r.amber, -105, SpeedY(v1) - 3, "V1");
        Label(g, f, r, &r.amber, -105, SpeedY(vr) - 3, "VR");
      }
      if (radio_height < 800.0 && v2 > 0) Label(g, f, r, &r.amber, -105, SpeedY(v2) - 3, "V2");
    } else if (radio_height < 30.0) {
      Label(g, f, r, &r.amber, -102, SpeedY(vr) - 3, "R");
    }
  } else if (radio_height < 30.0) {
    Label(g, f, r, &r.amber, -105, -67, "NO");
    Label(g, f, r, &r.amber, -102, -57, "V");
    Label(g, f, r, &r.amber, -102, -47, "S");
    Label(g, f, r, &r.amber, -102, -40, "P");
    Label(g, f, r, &r.amber, -102, -33, "D");
  }
  if (vref > 0 && radio_height > 300.0) {
    const double y = SpeedY(vref);
    Label(g, f, r, &r.green, -105, y - 3, "REF");
    FineLine(g, f, &r.trend, -105, y, -115, y);
  }
}

void DrawTrendArrow(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const double d = std::clamp((ReadAirspeedSmoothed() - ias_predicted) * kSpeedUnitsPerKt, -kTrendLimit, kTrendLimit);
  FineLine(g, f, &r.trend, -118, 0, -118, d);
  if (d < 0.0) {
    FineLine(g, f, &r.trend, -120, d + 2, -118, d - 1);
    FineLine(g, f, &r.trend, -116, d + 2, -118, d - 1);
  } else if (d > 0.0) {
    FineLine(g, f, &r.trend, -120, d - 2, -118, d + 1);
    FineLine(g, f, &r.trend, -116, d - 2, -118, d + 1);
  }
}

void DrawReadout(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const PointF box[] = {f.Fine(-116, 0),  f.Fine(-126, -5), f.Fine(-126, -15), f.Fine(-159, -15),
                        f.Fine(-159, 15), f.Fine(-126, 15), f.Fine(-126, 5),   f.Fine(-116, 0)};
  g->FillPolygon(&r.black, box, 8);
  gfx::GraphicsPath clip;
  clip.AddPolygon(box, 8);
  g->SetClip(&clip);
  const PointF p = f.Fine(-155, -8);
  DrawTextAt(g, &r.fine15, &r.white, p.X, p.Y, "%3.0f", std::max(ias, kLowestSpeed));
  g->ResetClip();
  g->DrawPolygon(&r.scale, box, 8);
}

}  // namespace

void DrawPfdSpeedTape(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetFine(g);
  FineClipRect(g, f, -159, -94, 70, 188);
  FineFillRect(g, f, &r.tape, -151, -94, 45, 188);
  DrawScale(g, f, r);
  if (ground_speed > kLimitGroundSpeed) DrawSpeedLimits(g, f, r);
  DrawSpeedBug(g, f, r);
  DrawVSpeeds(g, f, r);
  StepIasTrend();
  DrawTrendArrow(g, f, r);
  DrawReadout(g, f, r);
}

void DrawPfdSpeedWindow(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetCanvas(g);
  if (speed_mode_select == 1) {
    const double thousandths = ap_mach_bug * 1000.0;
    // The short form would print ".1000" from Mach 0.9995 on.
    if (thousandths >= kMachShortLimit) {
      DrawTextAt(g, &r.canvas13, &r.magenta, -130, -110, "%.3f", ap_mach_bug);
    } else {
      DrawTextAt(g, &r.canvas13, &r.magenta, -130, -110, ".%3.0f", thousandths);
    }
  } else {
    DrawTextAt(g, &r.canvas13, &r.magenta, -150, -110, "%3.0f", ap_spdbug);
  }
}
