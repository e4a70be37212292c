// Services of autoflight, panel controls, systems and sound that the frame already calls.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Will turn the simulator's MCP, EFIS and pedestal key events into click and request variables.
void KeyEventHandler(uint32_t event_id, uint32_t event_data, void* user_data);
// Will publish the systems' named variables (once per frame, not from a "VC" instance).
void UpdateOverheadVars();
// Will act on the knob, sound and click requests of the panels.
void ProcMcpKnobs();
// Will run the sound pass.
void ProcSounds();
// Will engage or disengage FLCH (the FLCH gauge's push button); returns 0.
int32_t ToggleFlch(const gauge::PixelPoint* point, uint32_t mouse_flags);
