// The route layer of the three moving maps (FP_EHSI, FP_ND, classic ND): the active route from the
// leg before the active one (in PLAN from the origin) as a magenta line with a star and the
// identifier at each waypoint (the active one magenta), the start of a direct-to ("DCT"), on the
// FP_ND and ND the intercept course into the active waypoint and, with the route-data option, the
// altitude constraint and ETA of each waypoint ahead; on the ND the LNAV aim line and point when
// configured; the modified route dashed cyan while it waits for EXEC; the runway identifiers at the
// route's ends. Then the runway layer and, in MAP, the T/C and T/D marks. "DISCO" rows break the
// active route's line and show nothing.
//
// Map layers (origin at the map centre, factors fx, fy). Map centre: the aircraft, in PLAN the
// active route's row map_ctr_leg (north up). Nothing is drawn without an active route.
//
// Reads: fms_fpln_act / fp_cnt / stpos, map_ctr_leg, fms_fpln_mod / fp_mod_cnt / mod_stpos,
// fms_fpln_active, lnav_leg[0], the selected runways, the aircraft's position, heading, drift and
// ground speed, mag_var, zulu time, lnav_aim_pt, lnav, nd_data_on, the display's
// mode and range, map_px_per_nm, MapModeDispHdgAlways, DrawAPTarget, EfisLinesize, display_font.
// Writes: calc_dist, calc_dist2, calc_brg, map_px_per_nm (through DrawRouteMarks, same value).
#pragma once

#include "draw/display_surface.h"

void DrawMapRouteEhsi(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapRouteFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapRouteNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
