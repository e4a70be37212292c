// The primary engine dials of the upper EICAS and the thrust-reference line, together with the
// thrust-reference state that this painter keeps: assumed-temperature steps, the automatic switches
// to G/A and CLB, and the reference EPR refreshes.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "displays/displays_globals.h"
#include "displays/eicas_pages.h"
#include "fmc/engine_epr.h"
#include "fmc/thrust_limits.h"
#include "afds/vnav_targets.h"
#include "draw/draw_helpers.h"
#include "sim/sim_globals.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kGoAroundEvent = 0x101F4;
constexpr int32_t kTmspTo = 1;
constexpr int32_t kTmspGa = 2;
constexpr int32_t kTmspClb = 3;
constexpr int32_t kTmspCrz = 6;
constexpr int32_t kRefreshPeriod = 540;  // paints at 18 frames a second; the refresh falls on every 541st
constexpr double kLeverFullScale = 16383.0;

// Automatic G/A: flaps out, flying, low and descending.
constexpr double kGaMinFlapDeg = 19.0;
constexpr double kGaMinIasKt = 100.0;
constexpr double kGaMaxRadioFt = 2500.0;
constexpr double kGaMaxVsFpm = -200.0;
constexpr double kClbMinVsFpm = 500.0;

// Limits of the readouts: box and text change colour at slightly different values.
constexpr double kN1BoxLimit = 109.5;
constexpr double kN1TextLimit = 110.0;
constexpr double kEgtBoxLimit = 896.0;
constexpr double kEgtTextLimit = 897.0;
constexpr double kEgtFullScale = 897.0;  // deg C at the needle's 210 degrees
constexpr double kN1NeedleZero = 23.0;  // percent at the needle's 0 degrees
constexpr double kN1NeedleSpan = 87.0;

constexpr double kDialTop[3] = {10.0, 80.0, 150.0};  // EPR, N1, EGT
constexpr double kDialStep = 70.0;
constexpr double kEprCentreY = 38.0;

// EPR dial geometry of an engine family: full-scale EPR, its angle, the labels and the ticks.
struct EprScale {
  double full_scale;
  double angle_deg;
  double max_mark_deg;
  const char* mid_label;
  const char* top_label;
  int32_t ticks;
};
constexpr EprScale kPwScale{1.5, 131.0, 130.2, "1.4", "1.8", 8};
constexpr EprScale kRbScale{1.9, 189.0, 189.0, "1.5", "2.0", 10};

const char* ModeText(int32_t mode) {
  static constexpr const char* kTexts[] = {"TO", "G/A", "CLB", "CLB1", "CLB2", "CRZ", "CON"};
  return (mode >= 1 && mode <= 7) ? kTexts[mode - 1] : nullptr;
}

struct EngineValues {
  double epr;
  double n1;
  double egt;
  double running;
  double lever;
  int32_t anti_ice_valve;
};

// Everything one paint draws with.
struct Resources {
  gfx::SolidBrush white{gfx::Color(palette::kWhite)};
  gfx::SolidBrush green{gfx::Color(palette::kGreen)};
  gfx::SolidBrush cyan{gfx::Color(palette::kCyan)};
  gfx::SolidBrush amber{gfx::Color(palette::kAmber)};
  gfx::Pen white_pen = EicasLinePen(palette::kWhite);
  gfx::Pen green_pen = EicasLinePen(palette::kGreen);
  gfx::Pen amber_pen = EicasLinePen(palette::kAmber);
  gfx::Pen red_pen = EicasLinePen(palette::kRed);
  gfx::Pen magenta_pen = EicasLinePen(palette::kMagenta);
  gfx::Pen cyan_pen{gfx::Color(palette::kCyan), 1.0f};
  gfx::Font font7 = PixelFont(display_font.c_str(), 7);
  gfx::Font font8 = PixelFont(display_font.c_str(), 8);
  gfx::Font font10 = PixelFont(display_font.c_str(), 10);
};

void RefreshReference(double temperature_c) {
  epr_bug = GetThrustLimitEpr(temperature_c);
  epr_bug_2 = epr_bug;
}

void StepAssumedTemperature() {
  const bool lower = (tmsp == kTmspTo && to_temp_decr_req == 1) || (to_temp_incr_req == 1 && to_temp_decr_req == 1);
  if (lower) {
    if (to_epr_temp_sel > ReadTokenVar350()) to_epr_temp_sel -= 1.0;
    const double t = ReadTokenVar350();
    if (t > to_epr_temp_sel) to_epr_temp_sel = t;
  }
  if (to_temp_incr_req == 1 && to_temp_decr_req != 1) {
    const double t = ReadTokenVar350();
    // Below the measured temperature the first step lands on t + 1, and the step after it adds one more.
    if (t > to_epr_temp_sel) to_epr_temp_sel = t + 1.0;
    if (to_epr_temp_sel < kMaxAssumedTempC) to_epr_temp_sel += 1.0;
    if (to_epr_temp_sel > kMaxAssumedTempC) to_epr_temp_sel = kMaxAssumedTempC;
  }
}

// `ticks`: the paints this one stands for, so that the refresh keeps simulator time at any frame rate.
void SwitchThrustReference(int32_t ticks) {
  if (flap_angle >= kGaMinFlapDeg && tmsp != kTmspGa && ias > kGaMinIasKt && radio_height < kGaMaxRadioFt &&
      vert_speed < kGaMaxVsFpm) {
    tmsp = kTmspGa;
    RefreshReference(0.0);
    // The value is VNAV's own vertical speed: under V/S or any other mode it would overwrite the
    // autopilot's and level the aircraft off on the approach.
    if (vnav == 1 && vnav_armed == 0) host::TriggerKeyEvent(kGoAroundEvent, vnav_tgt_vs);
  }
  if (SetClbThrAtAccelHt == 1 && (tmsp == kTmspTo || tmsp == kTmspGa) && radio_height > accel_ht &&
      vert_speed >= kClbMinVsFpm) {
    tmsp = kTmspClb;
    RefreshReference(0.0);
  }
  if ((tmsp == kTmspTo && to_temp_decr_req == 1) || to_temp_incr_req == 1 || thr_ref_to_req == 1) {
    RefreshReference(to_epr_temp_sel);
  }
  // Due when one of the ticks the paint stands for is the cycle's first.
  const bool due = ticks > 0 && (thr_limit_refresh_cnt == 0 || thr_limit_refresh_cnt + ticks > kRefreshPeriod + 1);
  if (due && tmsp >= kTmspClb && tmsp <= kTmspCrz) RefreshReference(0.0);
  thr_limit_refresh_cnt = (thr_limit_refresh_cnt + ticks) % (kRefreshPeriod + 1);
}

void DrawReferenceLine(gfx::Graphics* g, const Resources& r) {
  if (tmsp == kTmspTo && to_epr_temp_sel > ReadTokenVar350() + 0.5) {
    DrawTextAt(g, &r.font8, &r.green, 172, 0, "%2.0fc", to_epr_temp_sel);
    DrawTextAt(g, &r.font8, &r.green, 166, 8, "D-");
  }
  DrawTextAt(g, &r.font8, &r.green, 142, 8, "%1.2f", epr_bug);
  if (const char* mode = ModeText(tmsp)) DrawTextAt(g, &r.font8, &r.green, 174, 8, "%s", mode);
  DrawTextAt(g, &r.font8, &r.green, 211, 8, "%1.2f", epr_bug_2);
}

// Faces, boxes and readouts of one engine's three dials.
void DrawDialFaces(const EicasCanvas& c, const Resources& r, const EngineValues& e, double x, double tai_x) {
  gfx::Graphics* g = c.g();
  const double b = EicasReadoutX(x);
  c.DialArc(&r.white_pen, x, kDialTop[0]);
  g->DrawRectangle(&r.white_pen, gfx::RectF(b, 18, 23, 17));
  DrawTextAt(g, &r.font10, &r.white, b, 21, "%1.2f", e.epr);

  c.DialArc(&r.white_pen, x, kDialTop[1]);
  if (e.anti_ice_valve == 2) DrawTextAt(g, &r.font8, &r.green, tai_x, 75, "TAI");
  g->DrawRectangle(e.n1 <= kN1BoxLimit ? &r.white_pen : &r.amber_pen, gfx::RectF(b, 88, 28, 17));
  DrawTextAt(g, &r.font10, e.n1 < kN1TextLimit ? &r.white : &r.amber, b, 91, "%3.1f", e.n1);

  g->DrawArc(&r.white_pen, gfx::RectF(x, kDialTop[2], kEicasDialSize, kEicasDialSize), 0.0f, 180.0f);
  g->DrawArc(&r.amber_pen, gfx::RectF(x, kDialTop[2], kEicasDialSize, kEicasDialSize), 181.0f, 29.0f);
  g->DrawRectangle(e.egt < kEgtBoxLimit ? &r.white_pen : &r.amber_pen, gfx::RectF(b, 158, 23, 17));
  DrawTextAt(g, &r.font10, e.egt < kEgtTextLimit ? &r.white : &r.amber, b, 161, "%3.0f", e.egt);
}

// Scale marks and needles, in the frames of the three dial centres of readout column b.
void DrawDialMarks(const EicasCanvas& c, const Resources& r, const EprScale& s, const EngineValues& e, double b,
                   bool second_engine) {
  gfx::Graphics* g = c.g();
  const double epr_y = kEprCentreY;
  const double n1_y = epr_y + kDialStep;
  const double egt_y = n1_y + kDialStep;
  const double per_epr = s.angle_deg / (s.full_scale - 1.0);

  c.AtDial(b, epr_y);
  DrawTextAt(g, &r.font7, &r.white, 10, 0, "1.0");
  DrawTextAt(g, &r.font7, &r.white, -10, 12, "%s", s.mid_label);
  DrawTextAt(g, &r.font7, &r.white, -20, -15, "%s", s.top_label);
  c.Mark(&r.amber_pen, b, epr_y, s.max_mark_deg, 19, 0, 27, 0);
  const double lever_deg = std::max(0.0, e.lever / kLeverFullScale * s.angle_deg);
  c.Mark(&r.white_pen, b, epr_y, lever_deg, 28, 0, 34, 0);

  const bool vnav_speed = vnav == 1 && vnav_armed == 0;
  const double ref = (second_engine && vnav_speed) ? epr_bug_2 : epr_bug;
  c.AtDial(b, epr_y, (ref - 1.0) * per_epr);
  const gfx::Pen* chevron = vnav_speed ? &r.magenta_pen : &r.green_pen;
  g->DrawLine(chevron, 29.0f, 0.0f, 31.0f, 0.0f);
  g->DrawLine(chevron, 31.0f, 0.0f, 37.0f, 3.0f);
  g->DrawLine(chevron, 31.0f, 0.0f, 37.0f, -3.0f);

  c.AtDial(b, n1_y, 118.0);
  g->DrawLine(&r.red_pen, 0.0f, 26.0f, 0.0f, 33.0f);
  g->DrawLine(&r.amber_pen, 2.0f, 27.0f, 2.0f, 31.0f);

  if (e.running == 0.0) c.Mark(&r.red_pen, b, egt_y, 45.0, 0, 21, 0, 27);
  c.Mark(&r.amber_pen, b, egt_y, 97.0, 2, 27, 2, 31);
  c.Mark(&r.red_pen, b, egt_y, 121.0, 0, 25, 0, 31);

  for (int32_t i = 1; i <= s.ticks; ++i) {
    c.Mark(&r.white_pen, b, epr_y, kEicasDialSweepDeg * i / s.ticks, 23, 0, 28, 0);
  }
  const double needle_deg = std::clamp((e.epr - 1.0) * per_epr, 0.0, kEicasDialSweepDeg);
  c.Mark(&r.white_pen, b, epr_y, needle_deg, 0, 0, 34, 0);
  c.AtDial(b, epr_y);
  g->DrawArc(&r.white_pen, gfx::RectF(-34, -34, 68, 68), static_cast<gfx::REAL>(std::min(needle_deg, lever_deg)),
             static_cast<gfx::REAL>(std::fabs(lever_deg - needle_deg)));

  constexpr double kSweep = kEicasDialSweepDeg;
  const double n1_deg = std::clamp((e.n1 - kN1NeedleZero) / kN1NeedleSpan * kSweep, 0.0, kSweep);
  c.Mark(&r.white_pen, b, n1_y, n1_deg, 0, 0, 28, 0);
  // No lower stop: the needle follows a cold engine below the scale's start.
  const double egt_deg = std::min(e.egt / kEgtFullScale * kSweep, kSweep);
  c.Mark(&r.white_pen, b, egt_y, egt_deg, 0, 0, 28, 0);
  c.Reset();
}

void DrawCuesAndTitles(gfx::Graphics* g, const Resources& r) {
  // The lower display shows the secondary page: cue it at the foot of this one.
  if (lower_eicas_mode == 1) {
    for (int32_t x = 3; x <= 99; x += 16) {
      const gfx::REAL xf = static_cast<gfx::REAL>(x);
      g->DrawLine(&r.cyan_pen, xf - 3.0f, 198.0f, xf, 208.0f);
      g->DrawLine(&r.cyan_pen, xf, 208.0f, xf + 3.0f, 198.0f);
    }
  }
  DrawTextAt(g, &r.font10, &r.cyan, 163, 60, "EPR");
  DrawTextAt(g, &r.font10, &r.cyan, 165, 130, "N");
  DrawTextAt(g, &r.font10, &r.cyan, 172, 133, "1");
  DrawTextAt(g, &r.font10, &r.cyan, 163, 198, "EGT");
}

}  // namespace

void DrawUpperEicasEngines(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr) return;
  epr1 = ComputeEngineEpr(ReadTokenVar627());
  epr2 = ComputeEngineEpr(ReadTokenVar646());
  const EngineValues engines[2] = {
      {epr1, ReadTokenVar626(), ReadTokenVar567(), ReadTokenVar566(), ReadEng1ThrottlePos(), l_eng_anti_ice_valve},
      {epr2, ReadTokenVar645(), ReadTokenVar577(), ReadTokenVar576(), ReadEng2ThrottlePos(), r_eng_anti_ice_valve},
  };
  StepAssumedTemperature();
  SwitchThrustReference(surface->paint_ticks);

  const EicasCanvas canvas(*surface, graphics);
  const Resources r;
  DrawReferenceLine(graphics, r);
  const EprScale& scale = IsPwEngine() ? kPwScale : kRbScale;
  constexpr double kTaiX[2] = {145.0, 220.0};
  for (int32_t i = 0; i < 2; ++i) {
    DrawDialFaces(canvas, r, engines[i], kEicasDialX[i], kTaiX[i]);
    DrawDialMarks(canvas, r, scale, engines[i], EicasReadoutX(kEicasDialX[i]), i == 1);
  }
  DrawCuesAndTitles(graphics, r);
}
