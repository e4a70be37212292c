// Services of the flight and engine displays that the frame calls before that subsystem is built.
#pragma once

// Will step the standby attitude model from plane_pitch, plane_bank and the standby power state.
void UpdateStandbyGyro();
