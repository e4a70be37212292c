// The text overlay of the flat-panel FP_EHSI, drawn by its paint entry over the rose or map: the
// TCAS status, the Mach number, the altimeter setting, the heading or track readout (or the heading
// failure flag), the NAV 1 and DME data and, in the rose presentations, the heading pointer.
// Canvas 318 x 192, "Arial".
//
// Reads: tcas_server_connect, fp_ehsi_mode, tcas_display_on, plane_mach, baro_hpa, baro_inhg, the
// IRS modes, plane_hdg_mag, plane_trk_mag, dme_dist, the NAV 1 receiver, MapModeDispHdgAlways.
// Writes: nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "draw/display_surface.h"

void DrawEhsiOverlay(DisplaySurface* surface, gfx::Graphics* graphics);
