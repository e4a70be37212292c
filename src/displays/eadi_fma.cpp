#include "displays/eadi_fma.h"

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

namespace {

using gfx::PointF;
using gfx::RectF;

// VNAV PTH while the aircraft is within this band of the descent path (bounds included).
constexpr double kPathBandFt = 400.0;
// Above the MCP altitude by more than this, VNAV is still working down to it.
constexpr double kAltTargetMarginFt = 100.0;
constexpr double kFlareArmHeightFt = 1500.0;

bool PathTracked() { return !(plane_alt < vnav_path_alt - kPathBandFt || plane_alt > vnav_path_alt + kPathBandFt); }

PitchActive VnavText(VnavRules rules) {
  if (toc == 0) return PitchActive::kVnavSpd;
  if (toc != 1) return PitchActive::kVnavPth;
  const double above = plane_alt - kAltTargetMarginFt;
  if (rules == VnavRules::kFormatA) {
    if (tod == 0 && above > ap_alt_lock) return PitchActive::kVnavSpd;
    if (above <= ap_alt_lock) return PitchActive::kVnavPth;
  } else {
    if (tod == 0 && above >= ap_alt_lock) return PitchActive::kVnavSpd;
    if (above < ap_alt_lock) return PitchActive::kVnavPth;
  }
  return PathTracked() ? PitchActive::kVnavPth : PitchActive::kVnavSpd;
}

bool LocalizerMode() { return loc_mode == 1 || app_mode == 1; }

PointF Canvas(PointF absolute) {
  return PointF(absolute.X - static_cast<gfx::REAL>(kEadiCentreX), absolute.Y - static_cast<gfx::REAL>(kEadiCentreY));
}

void DrawAt(const EadiFrames& f, const gfx::Font* font, const gfx::Brush* brush, PointF absolute, const char* text) {
  if (text == nullptr) return;
  f.g()->DrawString(text, -1, font, Canvas(absolute), brush);
}

void DrawBox(const EadiFrames& f, const EadiResources& r, int32_t timer, const RectF& box) {
  if (timer <= 0) return;
  const PointF corner = Canvas(PointF(box.X, box.Y));
  f.g()->DrawRectangle(&r.box, corner.X, corner.Y, box.Width, box.Height);
}

void DrawFd(const EadiFrames& f, const EadiResources& r, const FmaLayout& l) {
  if (ap_master == 0.0 && ReadTokenVar792() != 0) DrawAt(f, &r.text9, &r.green, l.cmd, "FD");
}

void DrawThrust(const EadiFrames& f, const EadiResources& r, const FmaLayout& l) {
  DrawAt(f, &r.text9, &r.green, l.thrust_active, FmaText(SelectThrustActive()));
  if (ReadAtArm() != 0.0) DrawAt(f, &r.text9, &r.green, l.autothrottle, "A/T");
}

}  // namespace

PitchActive SelectPitchActive(VnavRules rules) {
  if (to_pitch_mode == 1) return PitchActive::kTo;
  if (flch == 1) return PitchActive::kFlch;
  if (alt_hold_mode == 1) return PitchActive::kAltHold;
  if (vnav == 1 && vnav_armed == 0) return VnavText(rules);
  if (vs_hold_mode == 1) return PitchActive::kVs;
  if (autoland_mode >= 3) return PitchActive::kFlare;
  if (app_mode == 1 && gs_capture == 1) return PitchActive::kGs;
  return PitchActive::kNone;
}

PitchArmed SelectPitchArmed(bool gs_before_flare) {
  const bool flare =
      (autoland_mode == 1 || autoland_mode == 2) && radio_height < kFlareArmHeightFt && GlideslopeCaptured();
  const bool gs = app_mode == 1 && gs_capture == 0;
  if (gs_before_flare && gs) return PitchArmed::kGs;
  if (flare) return PitchArmed::kFlare;
  if (gs) return PitchArmed::kGs;
  if (vnav_armed == 1) return PitchArmed::kVnav;
  return PitchArmed::kNone;
}

RollActive SelectRollActive() {
  if (to_roll_mode == 1) return RollActive::kTo;
  if (nav_button == 1) return RollActive::kNav;
  if (nav_button == 2) return RollActive::kGps;
  if (lnav == 1 && lnav_init_mode == 0) return RollActive::kLnav;
  if (hdg_hold_mode == 1) return RollActive::kHdgHold;
  if (hdg_sel_mode == 1) return RollActive::kHdgSel;
  if (LocalizerMode() && loc_capture == 1) return RollActive::kLoc;
  return RollActive::kNone;
}

RollArmed SelectRollArmed() {
  if (LocalizerMode() && loc_capture == 0) return RollArmed::kLoc;
  if ((to_roll_mode == 1 && lnav == 1) || lnav_init_mode == 1) return RollArmed::kLnav;
  return RollArmed::kNone;
}

ThrustActive SelectThrustActive() {
  if (flch == 1) return ThrustActive::kFlch;
  if (spd_hold == 1 || (vnav == 1 && vnav_armed == 0)) return ThrustActive::kSpd;
  if (thrust_hold == 1) return ThrustActive::kEpr;
  return ThrustActive::kNone;
}

const char* FmaText(PitchActive m) {
  static constexpr const char* kTexts[] = {nullptr,    "TO",  "FLCH",  "ALT HOLD", "VNAV SPD",
                                           "VNAV PTH", "V/S", "FLARE", "G/S"};
  return kTexts[static_cast<int>(m)];
}

const char* FmaText(PitchArmed m) {
  static constexpr const char* kTexts[] = {nullptr, "FLARE", "G/S", "VNAV"};
  return kTexts[static_cast<int>(m)];
}

const char* FmaText(RollActive m) {
  static constexpr const char* kTexts[] = {nullptr, "TO", "NAV", "GPS", "LNAV", "HDG HOLD", "HDG SEL", "LOC"};
  return kTexts[static_cast<int>(m)];
}

const char* FmaText(RollArmed m) {
  static constexpr const char* kTexts[] = {nullptr, "LOC", "LNAV"};
  return kTexts[static_cast<int>(m)];
}

const char* FmaText(ThrustActive m) {
  static constexpr const char* kTexts[] = {nullptr, "FLCH", "SPD", "EPR"};
  return kTexts[static_cast<int>(m)];
}

// Rows of pitch_active and roll_active follow the order of PitchActive and RollActive.
const FmaLayout kFmaFormatA{
    .separators = true,
    .thrust_box = RectF(18, 1, 45, 10),
    .pitch_box = RectF(70, 1, 48, 10),
    .roll_box = RectF(122, 1, 49, 10),
    .cmd_box = RectF(178, 1, 30, 10),
    .cmd = PointF(178, 1),
    .thrust_active = PointF(18, 1),
    .autothrottle = PointF(18, 10),
    .pitch_active = {PointF(), PointF(75, 0), PointF(75, 0), PointF(69, 1), PointF(69, 1), PointF(69, 1),
                     PointF(78, 1), PointF(78, 1), PointF(78, 1)},
    .pitch_armed = PointF(78, 10),
    .roll_active = {PointF(), PointF(121, 1), PointF(121, 1), PointF(121, 1), PointF(121, 1), PointF(121, 1),
                    PointF(121, 1), PointF(121, 1)},
    .roll_active_small = {},
    .roll_armed = PointF(121, 10),
    .vnav_rules = VnavRules::kFormatA,
    .gs_armed_before_flare = false,
    .fd_before_thrust = false,
};

namespace {

// The format-A layout with the pitch column nudged and format B's rule differences.
FmaLayout UpperLayoutOfFormatB() {
  FmaLayout l = kFmaFormatA;
  l.pitch_box = RectF(71, 1, 47, 10);
  l.roll_box = RectF(122, 1, 48, 10);
  for (PitchActive m : {PitchActive::kTo, PitchActive::kFlch}) l.pitch_active[static_cast<int>(m)] = PointF(75, 1);
  l.pitch_active[static_cast<int>(PitchActive::kAltHold)] = PointF(70, 1);
  for (PitchActive m : {PitchActive::kVnavSpd, PitchActive::kVnavPth}) {
    l.pitch_active[static_cast<int>(m)] = PointF(72, 0);
  }
  l.vnav_rules = VnavRules::kFormatB;
  l.gs_armed_before_flare = true;
  l.fd_before_thrust = true;
  return l;
}

}  // namespace

const FmaLayout kFmaFormatBUpper = UpperLayoutOfFormatB();

const FmaLayout kFmaFormatBLower{
    .separators = false,
    .thrust_box = RectF(10, 139, 45, 10),
    .pitch_box = RectF(10, 159, 47, 10),
    .roll_box = RectF(168, 159, 46, 10),
    .cmd_box = RectF(148, 139, 30, 10),
    .cmd = PointF(148, 139),
    .thrust_active = PointF(10, 139),
    .autothrottle = PointF(40, 128),
    .pitch_active = {PointF(), PointF(10, 160), PointF(10, 160), PointF(10, 160), PointF(10, 160),
                     PointF(10, 160), PointF(10, 160), PointF(10, 160), PointF(10, 160)},
    .pitch_armed = PointF(10, 149),
    // TO, NAV, GPS, LNAV, HDG HOLD, HDG SEL, LOC
    .roll_active = {PointF(), PointF(178, 160), PointF(178, 160), PointF(178, 160), PointF(178, 160),
                    PointF(168, 160), PointF(168, 160), PointF(178, 160)},
    .roll_active_small = {false, false, true, true, false, true, false, false},
    .roll_armed = PointF(168, 149),
    .vnav_rules = VnavRules::kFormatB,
    .gs_armed_before_flare = false,
    .fd_before_thrust = true,
};

void DrawEadiFma(const EadiFrames& f, const EadiResources& r, const FmaLayout& l) {
  f.Canvas();
  if (l.separators) {
    for (double x : {68.0, 120.0, 174.0}) {
      const PointF top = Canvas(PointF(static_cast<gfx::REAL>(x), 0.0f));
      f.g()->DrawLine(&r.white_line, top.X, top.Y, top.X, top.Y + 14.0f);
    }
  }
  DrawBox(f, r, fma_thr_box_timer, l.thrust_box);
  DrawBox(f, r, fma_pitch_box_timer, l.pitch_box);
  DrawBox(f, r, fma_roll_box_timer, l.roll_box);
  DrawBox(f, r, ap_cmd, l.cmd_box);
  if (ap_master == 1.0) DrawAt(f, &r.text9, &r.green, l.cmd, "CMD");

  const PitchActive pitch = SelectPitchActive(l.vnav_rules);
  DrawAt(f, &r.text9, &r.green, l.pitch_active[static_cast<int>(pitch)], FmaText(pitch));
  DrawAt(f, &r.text9, &r.white, l.pitch_armed, FmaText(SelectPitchArmed(l.gs_armed_before_flare)));
  const RollActive roll = SelectRollActive();
  const int row = static_cast<int>(roll);
  DrawAt(f, l.roll_active_small[row] ? &r.small8 : &r.text9, &r.green, l.roll_active[row], FmaText(roll));
  DrawAt(f, &r.text9, &r.white, l.roll_armed, FmaText(SelectRollArmed()));

  if (l.fd_before_thrust) {
    DrawFd(f, r, l);
    DrawThrust(f, r, l);
  } else {
    DrawThrust(f, r, l);
    DrawFd(f, r, l);
  }
}
