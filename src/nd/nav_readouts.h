// Readouts that the route layer and the text overlays of the navigation displays share: the clock
// time of arrival at a waypoint, the NAV 1 receiver's label and frequency, and the heading value.
//
// Reads: zulu_hour, zulu_min, plane_hdg_mag, the NAV 1 receiver (flag word, signal, frequency word
// token 24). Writes: nothing.
#pragma once

#include <cstdint>

#include "platform/gfx/gfx.h"

struct ArrivalClock {
  double hours;    // 0..23, whole
  double minutes;  // 0..59, whole
};

// Zulu time after `dist_nm` at `ground_speed_kt`. The minutes are rounded before they carry into
// the hour, so 59.6 minutes past the hour shows as the next hour and never as ":60"; the hours wrap
// modulo 24. A negative distance counts as 0; a ground speed of 0 or less gives the present time.
ArrivalClock ArrivalClockAt(double dist_nm, double ground_speed_kt);

// "ILS 1" while the receiver reports a glideslope, else "VOR 1".
const char* Nav1ReceiverLabel();

// The NAV 1 frequency in MHz ("%3.2f") while its signal is usable, else "------".
void DrawNav1Frequency(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y);

// The magnetic heading for a readout: less 360 at 360 or more.
double HeadingReadout();
