// The runway layer of the three moving maps: the selected departure runway of the origin and the
// selected arrival runway of the destination, each as two side lines 0.5 NM either side of the
// threshold, L long, and the 18 NM extended centreline ahead of (from 0.7 L) and behind (from 0.2 L
// before) the threshold; the arrival runway also gets its centreline and, with
// ShowExtDestCtrlineRwyId 1, its identifier near the outer end of the approach extension. One white
// dashed pen. L is the length in feet / 5280, taken as NM: the symbol is schematic.
//
// Called by the route layer of the same display, under the layer transform (factors fx, fy), with
// the map centre C and the up direction U (true degrees) the route layer uses; a runway whose
// threshold lies 100 NM or more from C is left out.
//
// Reads: airport_recs[1..2] runway rows fms_dep_rwy_pos / fms_dest_rwy_pos (1..22), stpos, mag_var,
// map_px_per_nm, ShowExtDestCtrlineRwyId, EfisLinesize, display_font. Writes: calc_dist, calc_dist2,
// calc_brg.
#pragma once

#include "draw/display_surface.h"
#include "navdb/nav_records.h"

void DrawMapRunwaysEhsi(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy, double centre_lat,
                        double centre_lon, double up_deg);
void DrawMapRunwaysFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy, double centre_lat,
                        double centre_lon, double up_deg);
void DrawMapRunwaysNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy, double centre_lat,
                      double centre_lon, double up_deg);

// The runway row `row` of airport block `block` (1 origin, 2 destination); null for a row outside
// 1..22.
const RunwayRecord* SelectedRunway(int block, int row);
