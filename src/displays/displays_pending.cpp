#include "displays/displays_pending.h"

void DrawEicasEngineSecondary(DisplaySurface*, gfx::Graphics*) {}
void DrawLowerEicasStatus(DisplaySurface*, gfx::Graphics*) {}
void DrawUpperEicasText(DisplaySurface*, gfx::Graphics*) {}
void DrawUpperEicasEngines(DisplaySurface*, gfx::Graphics*) {}
