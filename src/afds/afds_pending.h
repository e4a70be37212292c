// Services of autoflight, panel controls, systems and sound that the frame calls (the gauge life
// cycle now, the update driver and the gauge callbacks later).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Will turn the simulator's MCP, EFIS and pedestal key events into click and request variables.
void KeyEventHandler(uint32_t event_id, uint32_t event_data, void* user_data);
// Will publish the systems' named variables (once per frame, not from a "VC" instance).
void UpdateOverheadVars();
// Will act on the knob, sound and click requests of the panels.
void ProcMcpKnobs();
// Will engage or disengage FLCH (the FLCH gauge's push button); returns 0.
int32_t ToggleFlch(const gauge::PixelPoint* point, uint32_t mouse_flags);

// Will run one pass of the panel click poller.
void PollClickedVars();
// Will run one pass of the FLCH speed and thrust control.
void ProcFlch();
// Will keep the 15-sample airspeed history and trend.
void UpdateSpeedTrend();
// Will run the VNAV descent pass.
void ProcVnavDescent();
// Will compute the LNAV geometry of the active leg into the six out-values (xtk_dist among them).
void ComputeLnavGeometry(int32_t* wpt_brg_side, double* wpt_brg_angle, int32_t* xtk_side, double* xtk_dist,
                         int32_t* track_side, double* track_angle, int32_t flag);
// Will toggle HDG HOLD / HDG SEL.
void ToggleHdgHold();
void ToggleHdgSel();
// Will engage or disengage ALT HOLD (altitude in ft, 0 for the present one).
void ToggleAltHold(int32_t altitude_ft);
// Will drive the throttles while the thrust hold is on.
void ProcAutothrottle();
// Will clear the autopilot channels and modes and start the disconnect warning.
void DisconnectAutopilot();
// Will publish the mode globals to the MCP lights.
void UpdateModeButtonLights();
void UpdateThrustModeLights();
// Will drop the heading, altitude, V/S, LOC and APP modes.
void ClearAfdsModes();
// Will run the EICAS alert manager pass.
void UpdateEicasMessages();
// Will step the autoland and the autobrake.
void ProcAutoland();
void ProcAutoBrake();
// Will publish the hydraulic pressures and overhead lights.
void UpdateHydPressVals();
void UpdateOverheadLights();
// Will publish the wing (1) or nose (2) landing light.
void UpdateLandingLightVars(int32_t which);
// Will run the overhead click handler pass.
void ProcOverheadClicksB();
// Will return the total fuel in pounds.
double GetTotalFuelWeight();
// Will engage both yaw dampers (aligning the IRSs first when needed) and publish them.
void SyncYawDamperVars();
// Will switch both packs on and publish them.
void InitPacks();
// Will publish asi_bug1..asi_bug3 as the named variables of the same names.
void UpdateAsiBugVars();
// Will toggle the SPD autothrottle mode (engaging it drops the competing thrust and pitch modes).
void ToggleSpdHold();
// Will set the simulator's fuel selectors from the pump and crossfeed switches by key events.
void UpdateFuelSelectors();
