// Small services of the autoflight and systems logic that other subsystems call: the speed-mode
// read, the token flag test, the autopilot disconnect bar and left channel, the retro-panel
// status and the instant IRS alignment.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// speed_mode_select := 1 when the named variable "SPEED MODE SELECT" is not 0.0, else 0.
void ReadSpeedModeSelect();
// "apdisc_bar" := 1.0 when value is 0, else 0.0.
void SetApDiscBar(int32_t value);
// apleft := 1 and "apleft" := 1.0.
void EngageApLeft();
// "ov_panelstatus_init" := 1.0; panelstatus_init_done := 1 (the server's start-up then leaves it).
void SetPanelStatusInit();
// The three IRS selectors := 1, modes := 3 (aligned) and irs_1_align := 1, each published as its
// named variable.
void UpdateIrsAnnunciatorVars();
