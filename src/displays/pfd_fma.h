// The PFD's flight mode annunciator: four columns (autothrottle, roll, pitch, autopilot status),
// each with an engaged row and an armed row, and a green box round a column while its box timer
// runs. Chosen from the mode flags alone; the annunciator changes nothing.
#pragma once

#include "displays/pfd_frame.h"

void DrawPfdModeAnnunciations(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
