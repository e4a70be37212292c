// The text overlays of the flat-panel FP_ND and the classic ND, drawn by their paint entries over
// the map or rose: the TCAS status box, the active waypoint with its distance (and on the FP_ND its
// identifier), ground speed and true airspeed, the ETA at the active waypoint, the heading or track
// readout (or the IRS failure flags), the NAV 1 (and on the ND the ADF) data, the wind text and
// arrow, the heading pointer and selected-heading marker, the VNAV path-deviation scale after the
// T/D and, on the ND in PLAN, the north arrow. Canvas units (FP_ND 318 x 424 in "Arial", ND
// 215 x 252 in display_font).
//
// Reads: the display selections (modes, ctr_mode, traffic options), tcas_server_connect, stpos and
// the active leg, dist_to_active_wpt (the real distance while it says "sequence now"), the aircraft's
// speeds, position, headings and altitude, zulu time, the IRS modes, hdg_sel_dir, the wind, mag_var,
// tod, vnav_path_alt, route_dist_sum, dme_dist, the NAV 1 and ADF receivers, MapModeDispHdgAlways,
// WindVectorDegVar, EfisLinesize, display_font.
// Writes: nothing (calc_dist2 and calc_brg are scratch).
#pragma once

#include <cstdint>

#include "draw/display_surface.h"

void DrawFpNdOverlay(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawNdOverlay(DisplaySurface* surface, gfx::Graphics* graphics);

// The magenta diamond's top on the VNAV deviation scale and whether the deviation (ft, limited to
// 9999) is written beside it: within 400 ft the diamond moves 30 units from the centre value, the
// lower way while the aircraft is above the path; beyond, it parks at the scale's end.
struct VnavDiamond {
  int32_t y;
  bool text;
  int32_t deviation_ft;
  bool above;
};
VnavDiamond PlaceVnavDiamond(int32_t centre_y, int32_t above_y, int32_t below_y);
