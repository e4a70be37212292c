// The flat-panel PFD ("FP_PFD"): the painter that draws its sections in order (pfd_frame.h gives the
// frames they share).
//
// Reads the sampled flight state, the mode flags, the route's reference speeds and the PFD colour
// keys of the configuration. Writes pfd_ias_hist, pfd_ias_trend, fd_roll_bar, fd_pitch_bar,
// fd_pitch_cmd (take-off on the ground), v1 (from vr when unset) and marker_state (back to 0).
#pragma once

#include "draw/display_surface.h"

// Paints the whole display on a graphics object whose transform the paint entry left alone.
void DrawFpPfd(DisplaySurface* surface, gfx::Graphics* graphics);
