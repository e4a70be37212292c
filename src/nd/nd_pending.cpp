#include "nd/nd_pending.h"

void DrawEhsiRose(DisplaySurface*, gfx::Graphics*) {}
void DrawEhsiMap(DisplaySurface*, gfx::Graphics*) {}
void DrawEhsiOverlay(DisplaySurface*, gfx::Graphics*) {}
void DrawFpNdMap(DisplaySurface*, gfx::Graphics*) {}
void DrawFpNdOverlay(DisplaySurface*, gfx::Graphics*) {}
void DrawNdRose(DisplaySurface*, gfx::Graphics*) {}
void DrawNdMap(DisplaySurface*, gfx::Graphics*) {}
void DrawNdOverlay(DisplaySurface*, gfx::Graphics*) {}
