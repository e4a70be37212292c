#include "nd/nd_pending.h"

#include "frame/pending_calls.h"

void DrawEhsiOverlay(DisplaySurface*, gfx::Graphics*) {}
void DrawFpNdOverlay(DisplaySurface*, gfx::Graphics*) {}
void DrawNdOverlay(DisplaySurface*, gfx::Graphics*) {}

void DrawMapRouteEhsi(DisplaySurface*, gfx::Graphics*, double, double) { CountPendingCall(PendingCall::kDrawMapRoute); }
void DrawMapRouteFpNd(DisplaySurface*, gfx::Graphics*, double, double) { CountPendingCall(PendingCall::kDrawMapRoute); }
void DrawMapRouteNd(DisplaySurface*, gfx::Graphics*, double, double) { CountPendingCall(PendingCall::kDrawMapRoute); }

void DrawMapFixInfoEhsi(DisplaySurface*, gfx::Graphics*) { CountPendingCall(PendingCall::kDrawMapFixInfo); }
void DrawMapFixInfoFpNd(DisplaySurface*, gfx::Graphics*) { CountPendingCall(PendingCall::kDrawMapFixInfo); }
void DrawMapFixInfoNd(DisplaySurface*, gfx::Graphics*) { CountPendingCall(PendingCall::kDrawMapFixInfo); }
