// The PFD's altitude side: the moving scale right of the attitude display with its readout and
// selected-altitude bug, the MCP altitude window, the decision height and the radio altitude.
// Reads plane_alt, alt_sel_num, radio_height and the decision height.
#pragma once

#include "displays/pfd_frame.h"

void DrawPfdAltitudeTape(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
void DrawPfdAltitudeWindow(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);  // and decision height
void DrawPfdRadioAltitude(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
