// Services of autoflight, panel controls, systems and sound that the frame calls (the gauge life
// cycle now, the update driver and the gauge callbacks later).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Will run the sound pass.
void ProcSounds();
// Will engage or disengage FLCH (the FLCH gauge's push button); returns 0.
int32_t ToggleFlch(const gauge::PixelPoint* point, uint32_t mouse_flags);

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
// Will step the autoland and the autobrake.
void ProcAutoland();
void ProcAutoBrake();
// Will toggle the SPD autothrottle mode (engaging it drops the competing thrust and pitch modes).
void ToggleSpdHold();
// Will clear the VNAV sub-modes (thrust hold, throttle release, "thrust" := 0), set vnav_init_flag,
// clear vnav_des_active and vnav_cruise, and clear vnav_armed at or above 10 ft radio height.
void ResetVnavSubmodes();
// Will react to a new nav_button value (NAV / GPS / off).
void AfdsLateralMode();
// Will engage, arm or drop VNAV (the VNAV button).
void AfdsVertModeSwitch();
// Will engage V/S at the present vertical speed, or drop it.
void ToggleVsMode();
// Will engage LNAV or arm its intercept (the LNAV button).
void LnavIntercept();
// Will set "apdisc" / "atdisc" to 1.0 for a non-zero value, else 0.0.
void SetApdisc(int32_t value);
void SetAtdisc(int32_t value);

// Will re-arm the low height callouts above 1000 ft or below 30 kt.
void RearmAltitudeCallouts();
// Will start and stop the equipment cooling, packs and speaker buzz loops.
void UpdateSoundLoops();
// Will stop the standby attitude spool sound and drop its buffer.
void StopStandbySpoolSound();
// Will set the economy climb, cruise and descent speeds from cost_index (pairs with a manual flag stay).
void InterpolateEconSpeeds();
// Will engage or drop THR, SPD and V/S (their buttons).
void ToggleThrustHold();
void EngageSpeedHold();
