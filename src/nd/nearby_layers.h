// The station (VOR and NDB) and waypoint (airway fix) layers of the three moving maps: the two-level
// nearby lists are rebuilt around the map centre after moves of 200 NM (coarse) and 50 NM (fine),
// then each fine-list item within 2 x range + 50 NM is drawn with its symbol and identifier. Map
// layers (origin at the map centre, factors fx, fy).
//
// Reads: the nearby lists, the display's mode and range, the aircraft's position, heading and drift,
// the active route (PLAN centre), map_px_per_nm, MapModeDispHdgAlways, display_font.
// Writes: the nearby lists (through their filters), calc_dist, calc_dist2, calc_brg.
#pragma once

#include "draw/display_surface.h"

void DrawMapStationsEhsi(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapStationsFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapStationsNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapWaypointsEhsi(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapWaypointsFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapWaypointsNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
