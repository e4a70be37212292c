// Navigation-display services that the frame and the map painters call and the navigation displays
// build later: the text overlays the paint entries call after the map painters, and the route and
// FIX INFO layers the map painters call in their layer order.
#pragma once

#include "frame/display_surface.h"

// Each will draw its display's text overlay over the map or rose painted before it.
void DrawEhsiOverlay(DisplaySurface* surface, gfx::Graphics* graphics);  // flat-panel EHSI, over either
void DrawFpNdOverlay(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawNdOverlay(DisplaySurface* surface, gfx::Graphics* graphics);

// Will draw the active and modified routes, their runways and the T/C and T/D marks, under the
// layer transform with the layer factors fx and fy.
void DrawMapRouteEhsi(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapRouteFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawMapRouteNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);

// Will draw the FIX INFO fixes with their radials and distance circles, under the layer transform.
void DrawMapFixInfoEhsi(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawMapFixInfoFpNd(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawMapFixInfoNd(DisplaySurface* surface, gfx::Graphics* graphics);
