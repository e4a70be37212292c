// Navigation-display services that the frame calls and the navigation displays build later: the
// painters the paint entries call.
#pragma once

#include "frame/display_surface.h"

// Each will draw its part of the display on the graphics object, setting its own scale; the map
// painters will set map_px_per_nm and draw the route, waypoint and station layers.
void DrawEhsiRose(DisplaySurface* surface, gfx::Graphics* graphics);     // flat-panel EHSI, modes 1 and 2
void DrawEhsiMap(DisplaySurface* surface, gfx::Graphics* graphics);      // flat-panel EHSI, MAP
void DrawEhsiOverlay(DisplaySurface* surface, gfx::Graphics* graphics);  // flat-panel EHSI, over either
void DrawFpNdMap(DisplaySurface* surface, gfx::Graphics* graphics);      // around fp_nd_centre_y
void DrawFpNdOverlay(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawNdRose(DisplaySurface* surface, gfx::Graphics* graphics);       // classic ND, centred rose
void DrawNdMap(DisplaySurface* surface, gfx::Graphics* graphics);        // classic ND, the other modes
void DrawNdOverlay(DisplaySurface* surface, gfx::Graphics* graphics);
