// POS INIT (page 26, DrawPosInitPage in cdu_pages.h): the aircraft position (LAST POS, GPS POS), a
// reference airport with its position, the zulu time and date, and the inertial position the pilot
// sets while an IRS aligns (SET IRS POS). The set position is shown back only; nothing navigates by it.
//
// Positions are typed and offered as "N4726.7W12218.3" (15 characters: hemisphere, degrees,
// minutes to a tenth) and shown as "N47°26.7 W122°18.3".
//
// Reads plane_lat / plane_lon, the zulu clock (tokens 6, 7, 8 and clock_second_b), the IRS
// alignment counts, the route's origin (orig_ident, orig_entry and its airport record) and the CDU
// key state. Writes nearest_apt_ident, found_apt_lat / found_apt_lon, irs_set_lat / irs_set_lon,
// the date globals, the scratchpad, the message line and fms_page.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// The position set at SET IRS POS (degrees, north and east positive); 0.0 until one is set.
#define POS_INIT_SCALARS(X)      \
  X(double, irs_set_lat, 0.0)    \
  X(double, irs_set_lon, 0.0)

RO_DECLARE_GLOBALS(POS_INIT_SCALARS)

void ResetPosInitGlobals();

// Makes the airport nearest to the aircraft the page's REF AIRPORT, with its own position (never
// the position of an airport entered before). Used by the prompts that open the page on the ground.
void FindNearestRefAirport();
