// The FIX INFO layer of the three moving maps: for each fix of the CDU FIX INFO page (rows 1 and 2
// of fix_info) and each of its radial/distance lines that has a distance, the fix symbol with a
// small circle, a dashed green circle of that distance labelled with it, and, when a radial is
// entered, a dashed green line outward along the radial labelled with it. Fixes more than 380 NM
// from the map centre are left out.
//
// Draws in canvas units under its own transform (reset, scale to the canvas, translate to the map
// centre or the fix) and leaves its last transform in force. MAP places the fixes about the
// aircraft with the map's up direction; any other mode is north up about the PLAN centre leg
// (map_ctr_leg, else stpos; the aircraft without a route). The magnetic radials are made true with
// mag_var and turned like the map.
//
// Reads: fix_info[1..2], the aircraft's position, headings, drift and mag_var, stpos, map_ctr_leg,
// fms_fpln_act, the display's mode, range and pixel radius, MapModeDispHdgAlways, display_font.
// Writes: map_px_per_nm (the painter's value), calc_dist, calc_dist2, calc_brg.
#pragma once

#include "draw/display_surface.h"

void DrawMapFixInfoEhsi(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawMapFixInfoFpNd(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawMapFixInfoNd(DisplaySurface* surface, gfx::Graphics* graphics);
