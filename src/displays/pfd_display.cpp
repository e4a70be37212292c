#include "displays/pfd_display.h"

#include "displays/pfd_alt_tape.h"
#include "displays/pfd_fma.h"
#include "displays/pfd_frame.h"
#include "displays/pfd_speed_tape.h"
#include "displays/pfd_symbols.h"
#include "nd/map_geometry.h"

void DrawFpPfd(DisplaySurface* surface, gfx::Graphics* g) {
  if (surface == nullptr || g == nullptr || surface->width == 0 || surface->height == 0) return;
  const PfdFrame f = PfdFrame::Of(*surface);
  const PfdResources r(f);
  f.SetCanvas(g);
  g->SetClip(&r.attitude_clip);
  if (IrsAligned()) DrawPfdAttitude(g, f, r);
  DrawPfdAircraftSymbol(g, f, r);
  DrawPfdFlightDirector(g, f, r);
  DrawPfdFlightPathVector(g, f, r);
  DrawPfdSpeedTape(g, f, r);
  DrawPfdAltitudeTape(g, f, r);
  DrawPfdBankScale(g, f, r);
  DrawPfdModeAnnunciations(g, f, r);
  DrawPfdSpeedWindow(g, f, r);
  DrawPfdAltitudeWindow(g, f, r);
  DrawPfdDeviation(g, f, r);
  DrawPfdRadioAltitude(g, f, r);
  DrawPfdMarkers(g, f, r);
  g->ResetClip();
  g->ResetTransform();
}
