// The VOR and approach presentations: the FP_EHSI roses (mode 1 full rose, mode 2 expanded arc), the
// classic ND full rose (modes 1 and 2 with the centred presentation), and the course, deviation,
// TO/FROM and glideslope symbols the ND map painter adds to its expanded arc in those modes.
//
// Reads: heading, track, the NAV 1 course, relative bearing and needles, the selected heading, the
// vertical speed, the ranges, the IRS modes and the NAV receiver readers. Writes: map_px_per_nm
// (DrawNdRose when the IRS is aligned; DrawEhsiRose before its traffic).
#pragma once

#include <cstdint>

#include "draw/display_surface.h"

void DrawEhsiRose(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawNdRose(DisplaySurface* surface, gfx::Graphics* graphics);
// Called by DrawNdMap in ND modes 1 and 2 after its expanded compass arc and clip (IRS aligned).
void DrawNdExpandedNavSymbols(DisplaySurface* surface, gfx::Graphics* graphics);

// Lateral deviation in canvas units from the localizer / VOR needle, truncated.
int32_t LateralDeviation(double cdi_needle);
// TO when the station bearing (relative bearing + heading, less 360 from 360 on) lies within 90
// degrees of the course, either side and across north.
bool ShowsTo(double nav_rel_brg_deg, double heading_deg, double course_deg);
