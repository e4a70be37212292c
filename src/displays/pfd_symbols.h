// The PFD's guidance symbols: the aircraft symbol, the flight-director bars (V-bar or crossed), the
// flight path vector, the localizer and glideslope deviation scales and the marker beacon.
//
// Reads FlightDirectorType, DispFPV, the attitude, the flight-director commands, the take-off modes,
// the NAV needles, ground speed, altitude, drift, redraw_tick and marker_state; tokens 792, 65, 46
// and 354. Writes fd_roll_bar, fd_pitch_bar (moved while the director shows), fd_pitch_cmd (-8 in
// the take-off pitch mode on the ground) and marker_state (back to 0 after each paint).
#pragma once

#include "displays/pfd_frame.h"

void DrawPfdAircraftSymbol(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
void DrawPfdFlightDirector(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
void DrawPfdFlightPathVector(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
void DrawPfdDeviation(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
void DrawPfdMarkers(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
