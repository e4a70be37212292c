// The map painters of the three moving maps: DrawFpNdMap (FP_ND, MAP and PLAN), DrawNdMap (classic
// ND in MAP, PLAN and the expanded rose presentations) and DrawEhsiMap (FP_EHSI in MAP). Each draws
// its frame (compass arc, range rings and marks, aircraft symbol, track line), sets the clip, sets
// map_px_per_nm and calls the map layers in their fixed order; the FP_ND adds its bearing pointers,
// the FP_EHSI its selected-heading marker, vertical-speed scale and heading pointer.
//
// Reads: display selections and ranges, the aircraft's heading, track, position and vertical state,
// the IRS modes, the selected heading, the FIX INFO identifiers, the first hold, the NAV receiver
// readers, MapModeDispHdgAlways, EfisLinesize and display_font. Writes: map_px_per_nm,
// fp_nd_radius_px, nd_radius_px (and what the layers write). Every painter leaves the clip reset.
#pragma once

#include <cstdint>

#include "draw/display_surface.h"

void DrawFpNdMap(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawNdMap(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawEhsiMap(DisplaySurface* surface, gfx::Graphics* graphics);
