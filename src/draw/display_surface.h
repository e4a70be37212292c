// One object per display the module draws, handed to the display's paint entry and painters. The
// entry stores the bitmap's pixel size and the simulator ticks the paint stands for at every paint;
// the painters own anything further.
#pragma once

#include <cstdint>

namespace gfx {
class Graphics;
}

struct DisplaySurface {
  uint32_t width;   // pixels of the gauge bitmap
  uint32_t height;
  int32_t paint_ticks = 1;   // the display's refresh slots the driver passed since its last paint
  int64_t painted_run = -1;  // the driver run (tick_runs) of the last paint
};

extern DisplaySurface eadi_surface;
extern DisplaySurface cdu_surface;  // shared by the "FMS" and "FMS_NB" gauges
extern DisplaySurface fp_ehsi_surface;
extern DisplaySurface fp_nd_surface;
extern DisplaySurface fp_pfd_surface;
extern DisplaySurface lower_eicas_surface;
extern DisplaySurface nd_surface;
extern DisplaySurface stby_pfd_surface;
extern DisplaySurface upper_eicas_surface;

void ResetDisplaySurfaces();

// A painter or CDU page routine: draws its display on the graphics object of one paint.
using DisplayPainter = void (*)(DisplaySurface* surface, gfx::Graphics* graphics);
