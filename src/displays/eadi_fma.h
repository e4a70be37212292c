// The EADI flight-mode annunciations: which text each column shows (autothrottle, pitch, roll, and
// the autopilot or flight-director status), in the active (green) and armed (white) rows, with the
// change boxes, in the layout of format A or one of format B's two layouts.
//
// Reads: the AFDS mode flags, toc, tod, plane_alt, ap_alt_lock, vnav_path_alt, radio_height,
// ap_master, nav_button, the box countdowns (ap_cmd boxes the autopilot column), ReadAtArm and
// ReadTokenVar792. Writes nothing.
#pragma once

#include "displays/eadi_parts.h"
#include "platform/gfx/gfx.h"

enum class PitchActive { kNone, kTo, kFlch, kAltHold, kVnavSpd, kVnavPth, kVs, kFlare, kGs, kCount };
enum class PitchArmed { kNone, kFlare, kGs, kVnav };
enum class RollActive { kNone, kTo, kNav, kGps, kLnav, kHdgHold, kHdgSel, kLoc, kCount };
enum class RollArmed { kNone, kLoc, kLnav };
enum class ThrustActive { kNone, kFlch, kSpd, kEpr };

// Format B settles the VNAV SPD / PTH choice at an altitude exactly 100 ft above the target
// differently from format A.
enum class VnavRules { kFormatA, kFormatB };

PitchActive SelectPitchActive(VnavRules rules);
PitchArmed SelectPitchArmed(bool gs_before_flare);
RollActive SelectRollActive();
RollArmed SelectRollArmed();
ThrustActive SelectThrustActive();

const char* FmaText(PitchActive m);
const char* FmaText(PitchArmed m);
const char* FmaText(RollActive m);
const char* FmaText(RollArmed m);
const char* FmaText(ThrustActive m);

// Positions are canvas coordinates from the canvas's top-left corner.
struct FmaLayout {
  bool separators;
  gfx::RectF thrust_box;
  gfx::RectF pitch_box;
  gfx::RectF roll_box;
  gfx::RectF cmd_box;
  gfx::PointF cmd;  // "CMD" and "FD"
  gfx::PointF thrust_active;
  gfx::PointF autothrottle;  // "A/T", green in the armed row
  gfx::PointF pitch_active[static_cast<int>(PitchActive::kCount)];
  gfx::PointF pitch_armed;
  gfx::PointF roll_active[static_cast<int>(RollActive::kCount)];
  bool roll_active_small[static_cast<int>(RollActive::kCount)];
  gfx::PointF roll_armed;
  VnavRules vnav_rules;
  bool gs_armed_before_flare;
  bool fd_before_thrust;
};

extern const FmaLayout kFmaFormatA;
extern const FmaLayout kFmaFormatBUpper;  // EadiFMA not 0
extern const FmaLayout kFmaFormatBLower;  // EadiFMA 0

// Draws in the canvas frame; leaves it set.
void DrawEadiFma(const EadiFrames& f, const EadiResources& r, const FmaLayout& layout);
