// EADI format A (EadiMode 0): the attitude sphere with flat sides, the roll pointer and scale, the
// aircraft symbol and command bars, the deviation scales, the airspeed tape, the Mach, ground-speed,
// decision-height and radio-altitude readouts and the flight-mode annunciations across the top.
//
// Reads: see eadi_parts.h, eadi_speed_tape.h and eadi_fma.h; besides them plane_mach, ground_speed,
// ReadTokenVar63 and SelectRefSpeedsByWeight. Writes: the command bars and take-off pitch command
// (IRS aligned, flight director on), the airspeed trend, and v1 when VR is copied into it.
#pragma once

#include "draw/display_surface.h"

void DrawEadiFormatA(DisplaySurface* surface, gfx::Graphics* graphics);
