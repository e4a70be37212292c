// The PFD's speed side: the moving scale left of the attitude display with its limit dashes,
// minimum-speed bar, MCP speed bug, V-speed and reference labels, trend arrow and readout, and the
// MCP speed or Mach window above it. Its paint also keeps the airspeed history and trend.
//
// Reads ias, ias_predicted, ground_speed, gear1_pos, radio_height, the MCP speed and Mach bugs and
// speed_mode_select, v1 / vr / v2 / vref, aircraft_model; token 63 (speed limit x 128), the flap
// angle, the smoothed airspeed (two filter steps per paint) and the weight's reference speed.
// Writes pfd_ias_hist, pfd_ias_trend and v1 := vr while v1 is 0.
#pragma once

#include "displays/pfd_frame.h"

void DrawPfdSpeedTape(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
void DrawPfdSpeedWindow(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);

inline constexpr double kSpeedUnitsPerKt = 1.55;
