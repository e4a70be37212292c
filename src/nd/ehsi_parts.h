// Pieces of the FP_EHSI frame that its map (MAP) and its roses (VOR modes) share: the 134-unit arc
// with its clip, the compass arc, the aircraft symbol with track line and range marks, the
// selected-heading marker and the vertical-speed scale. Canvas 318 x 192, "Arial".
#pragma once

#include "draw/display_surface.h"
#include "draw/draw_helpers.h"
#include "platform/gfx/gfx.h"

struct EhsiResources {
  EhsiResources();
  gfx::Pen white1;
  gfx::Pen white2;
  gfx::Pen magenta2;
  gfx::Pen magenta2_dashed;
  gfx::Pen green2;
  gfx::SolidBrush white;
  gfx::SolidBrush magenta;
  gfx::Font font12;
  gfx::Font font8;
};

inline constexpr double kEhsiCentreX = 159.0;
inline constexpr double kEhsiMapCentreY = 170.0;

// The arc of radius 134 (225 degrees, sweep 88) about the map centre, then the clip outline.
void DrawEhsiArcAndClip(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r);
void DrawEhsiCompassArc(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r, bool track_up);
// Unrotated at the map centre: aircraft triangle, track line, range marks at 100, 67 and 33, and the
// half-range label at (label_x, -73).
void DrawEhsiAircraftAndMarks(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r, double label_x);
// The magenta heading bug on the circle whose top is at base_y, rotated by `rotation_deg` about
// (159, cy); with `with_line` also the dashed line from the centre to it.
void DrawEhsiSelectedHeading(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r, double cy,
                             double rotation_deg, double base_y, bool with_line);
// The curved scale right of the canvas (centre 330, 110) and its needle.
void DrawEhsiVsScale(gfx::Graphics* g, const DisplaySurface* s, const EhsiResources& r);

// Angle of the FP_EHSI vertical-speed needle, whole degrees: piecewise linear in |vertical speed|
// (500 ft/min 12, 1000 24, 1500 32, 2000 40, 4000 44, 6000 and above 48), truncated, negative for a
// descent.
int32_t VsNeedleAngle(double vert_speed_fpm);
