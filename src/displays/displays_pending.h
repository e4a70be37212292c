// Display services that the frame names or will call (gauge tables, update driver, readouts).
#pragma once

#include "frame/display_surface.h"
#include "platform/gauge.h"

// Painters of the flight and engine displays; each will draw its display on the graphics object.
// The EADI painters draw in the canvas their paint entry prepared; the others will set their own
// scale from the surface's size.
void DrawEicasEngineSecondary(DisplaySurface* surface, gfx::Graphics* graphics);  // lower EICAS page 1
void DrawLowerEicasStatus(DisplaySurface* surface, gfx::Graphics* graphics);      // lower EICAS page 2
// Will also run the EICAS CANCEL and RECALL requests.
void DrawUpperEicasText(DisplaySurface* surface, gfx::Graphics* graphics);
// Will also set the thrust reference mode automatically.
void DrawUpperEicasEngines(DisplaySurface* surface, gfx::Graphics* graphics);

// The flat-panel PFD painter draws in the canvas its paint entry prepared; the others will set
// their own scale from the surface's size.
