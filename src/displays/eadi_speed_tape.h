// The airspeed tape at the left of EADI format A: the moving scale (1.39 units a knot), the
// maximum-speed and minimum-speed barber poles, the V-speed, REF and MCP speed markers and the trend
// arrow (1.4 units a knot), and the rolling-digit readout.
//
// Reads: ias, radio_height, gear1_pos, ap_spdbug, ias_predicted, v1, vr, vref, aircraft_model,
// ReadFlapsAngle, ReadAirspeedSmoothed. Writes: v1 (VR is copied into an unset V1) and, through
// StepIasTrend, the shared airspeed trend.
#pragma once

#include <cstdint>
#include <string_view>

#include "displays/eadi_parts.h"
#include "platform/gfx/gfx.h"

// The flap placard speed (kt) for a flap angle, 999 with the flaps up; the "757 - 300" has its own.
// The PFD's tape limits by it too.
int32_t FlapPlacardSpeed(double flap_angle_deg, std::string_view aircraft_model);

// Values the painter reads once at the start of its paint.
struct SpeedTapeInputs {
  double ias;              // kt
  double speed_limit;      // kt, token 63 / 128, before the gear and flap limits
  int32_t min_ref_speed;   // kt, the reference speed for the weight and flaps
};

// Resources of the tape besides the shared ones.
struct SpeedTapeResources {
  explicit SpeedTapeResources(const EadiFrames& f);
  gfx::Pen magenta_fine;  // MCP speed marker
  gfx::Pen green_fine;    // REF marker, trend arrow
  gfx::Pen red_fine;      // barber poles
  gfx::SolidBrush magenta;
  gfx::Font digits12;     // fine: scale labels, readout, MCP speed digits
  gfx::Font labels8;      // fine: V-speed labels, "REF"
};

// Draws from the frame lines to the rolling readout and leaves no clip behind.
void DrawEadiSpeedTape(const EadiFrames& f, const EadiResources& r, const SpeedTapeResources& t,
                       const SpeedTapeInputs& in);
