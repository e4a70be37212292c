// The standby flight display ("STBY_PFD"): attitude sphere with pitch ladder, roll pointer and
// sideslip indicator, airspeed and altitude tapes with rolling-drum readouts, heading scale, and a
// data line of Mach, radio altitude and altimeter setting.
//
// Canvas 100 x 92 units, every position relative to the attitude centre (47, 46), drawn in the two
// frames of PfdFrame: the canvas frame for the fixed symbols and the data line, the fine frame for
// everything that moves. Sizes outside 0..99,999 ft and above 999 kt shift the drum digits.
//
// Reads: plane_pitch, plane_bank, ias, plane_alt, plane_hdg_mag, plane_mach, radio_height, baro_inhg,
// baro_hpa, baro_units and ReadTokenVar69 (the sideslip, 127 / 6 counts a unit). Writes nothing:
// it shows the aircraft's attitude, not the standby gyro model's.
#pragma once

#include <cstddef>

#include "draw/display_surface.h"
#include "platform/gfx/gfx.h"

// Paints on the graphics object of the paint entry, which decides whether the display has power.
void DrawStandbyDisplay(DisplaySurface* surface, gfx::Graphics* graphics);

// The readout texts, at least five characters so the drums' indexes hold: the airspeed (at least
// 30 kt) with its units digit at index 2 and the point at 3; the altitude with its tens digit at 3
// and units at 4 (a negative altitude keeps its sign there). The form is chosen by the value as
// printed, so a value that rounds up to the next decade keeps its digits in place.
void FormatStandbySpeedText(double ias_kt, char* text, size_t size);
void FormatStandbyAltitudeText(double alt_ft, char* text, size_t size);
// The Mach box: "" below 0.4, ".78" below 1.0, "%.3f" from where the short form would read ".100".
void FormatStandbyMachText(double mach, char* text, size_t size);
