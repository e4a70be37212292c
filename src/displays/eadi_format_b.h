// EADI format B (EadiMode not 0): the attitude sphere in a round window, the bank scale, the aircraft
// symbol and command bars, the flap bracket, the deviation scales, the fast/slow speed deviation scale
// with optional V-speed markers (no airspeed tape), ground speed, decision height, radio altitude and
// the flight-mode annunciations in the lower (EadiFMA 0) or upper layout.
//
// Reads: see eadi_parts.h and eadi_fma.h; besides them ias, ap_spdbug, ground_speed, v1, vr, v2,
// vref, ShowRoundEadiVSpeeds and EadiFMA. Writes: the command bars and take-off pitch command (IRS
// aligned, flight director on), the airspeed trend, and v1 when VR is copied into it.
#pragma once

#include "draw/display_surface.h"

void DrawEadiFormatB(DisplaySurface* surface, gfx::Graphics* graphics);
