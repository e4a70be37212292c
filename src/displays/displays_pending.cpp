#include "displays/displays_pending.h"

#include "frame/pending_calls.h"

double FormatTokenVar23Text(gauge::ElementHeader*) { return 0.0; }
void UpdateStandbyGyro() {}
double ReadFreqTokenVar23() { return 0.0; }
double ReadFreqTokenVar617() { return 0.0; }
double ReadFreqTokenVar870() { return 0.0; }
double ReadFreqTokenVar871() { return 0.0; }
double ReadTokenVar874() { return 0.0; }
double ReadTokenVar875() { return 0.0; }
double ReadTokenVar876() { return 0.0; }

void DrawFpPfd(DisplaySurface*, gfx::Graphics*) {}
void DrawEicasEngineSecondary(DisplaySurface*, gfx::Graphics*) {}
void DrawLowerEicasStatus(DisplaySurface*, gfx::Graphics*) {}
void DrawStandbyDisplay(DisplaySurface*, gfx::Graphics*) { CountPendingCall(PendingCall::kDrawStandbyDisplay); }
void DrawUpperEicasText(DisplaySurface*, gfx::Graphics*) {}
void DrawUpperEicasEngines(DisplaySurface*, gfx::Graphics*) {}
