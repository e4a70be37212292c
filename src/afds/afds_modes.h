// The AFDS mode switches: HDG HOLD, HDG SEL, the NAV source button, ALT HOLD, V/S, VNAV, FLCH, SPD
// and THR. The module's modes sit on top of the simulator's own autopilot, which it drives only by
// key events. Each switch tests its own flag, engages the mode when it is off and drops it when it
// is on, keeps the modes of its axis exclusive, sends its key events at once, publishes the MCP
// lights and windows and starts (or ends) the FMA box of its axis.
//
// Reads: plane_hdg_mag, plane_alt, vert_speed, ias, plane_mach, radio_height, ap_master, hdg_sel_dir,
// alt_sel_num, stpos, toc, tod, init_tod, descent_ias, vnav_last_set_spd, DescSpdRest, DescAltRest,
// FlchMinIas, FlchMaxIas, lite_mode, startup_phase, tok108_flag (the sampled simulator altitude
// hold), tokens 120 and 848. Writes: the mode flags, the FMA box timers, the VNAV and FLCH
// controller state at engagement, spd_resync_state / spd_resync_ticks, hdg_sync_skip_once,
// sound_event_code, and the named variables hdg_hold, lnav, nav_button, vnav, alt_hold, vs_hold,
// spd_hold, thrust, app, loc, ias_show, vs_show. Altitudes ft, speeds kt, vertical speeds ft/min,
// headings deg magnetic.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Ticks an FMA change box stays up (ten seconds).
inline constexpr int32_t kFmaBoxTicks = 180;

void ToggleHdgHold();
void ToggleHdgSel();
// Reaction to a new nav_button value (the overhead pass cycles it 0, 1, 2, 0 first).
void AfdsLateralMode();
// altitude_ft 0 holds the present altitude; any other value becomes the altitude target.
void ToggleAltHold(int32_t altitude_ft);
void ToggleVsMode();
// VNAV: engages in the air, arms on the ground (10 ft radio height or less), or drops.
void AfdsVertModeSwitch();
// The FLCH push button of the gauge "FLCH"; the arguments are unused. Returns 0.
int32_t FlchMouseCallback(const gauge::PixelPoint* point, uint32_t mouse_flags);
// SPD.
void EngageSpeedHold();
// THR (EPR).
void ToggleThrustHold();

// A capture lives only while the mode that armed it does: with LOC and APP both off the localizer
// counts as not captured, with APP off the glideslope, so the next LOC or APP arms and captures afresh.
void ForgetApproachCapture();

// The simulator's localizer and approach holds off: with the module's LOC and APP gone they would
// go on capturing and flying the beams once its autopilot or flight director follows them again.
void TakeApproachHoldsOff();
// LOC, APP and the autoland dropped with their captures and the simulator's localizer and approach
// holds.
void LeaveApproachModes();
// APP given up for LOC alone: the localizer is flown on, the glideslope forgotten.
void KeepLocalizerOnly();

// The MCP's heading and V/S buttons as the pilot presses them: a heading mode engaged over LOC or
// APP leaves both (`engaged` is the mode's flag before the press); V/S engaged over APP leaves the
// glideslope and keeps the localizer. The routines the AFDS runs itself stay the plain switches.
void PressHeadingMode(void (*toggle)(), int32_t engaged);
void PressVs();

// The beams and modes the AFDS flies on each axis, engaged and not only armed where a mode arms: a
// captured localizer or glideslope (with its LOC or APP still on); any pitch mode (VNAV armed
// included); any roll mode, the NAV source flying its course included. The take-off modes are not
// counted: the autopilot does not fly them.
bool LocalizerCaptured();
bool GlideslopeCaptured();
bool PitchModeFlown();
bool RollModeFlown();
// The FLCH and VNAV controller drives the levers while its mode is engaged in the air, with or
// without CMD; on the runway, where VNAV only arms, it moves none.
bool FlchFliesThrust();
// FLCH given up to a mode that flies the speed by the pitch (the glideslope): the levers are let go
// and SPD takes the thrust where the autothrottle may fly it.
void HandFlchThrustToSpd();

// Engaging a heading mode or LNAV releases the NAV source button and the simulator's NAV hold (and
// its GPS source when that drives NAV).
void DropNavSourceButton();

// Where the MCP's buttons engage a mode: CMD above 400 ft radio height; ALT HOLD with the autopilot
// on; SPD with the autothrottle armed above 400 ft; THR with it armed; VNAV with an active route,
// and below 10 ft only armed. The reduced panel lifts the height and autopilot rules and has no
// VNAV or THR. FLCH engages within its speed range, away from the altitude hold's sampled value (so
// above about 400 ft), outside the reduced panel.
bool AutopilotMayEngage();
bool AltHoldMayEngage();
bool SpeedHoldMayEngage();
bool ThrustHoldMayEngage();
bool VnavMayEngage();
bool VnavOnlyArms();
bool FlchMayEngage();

// What an engaged mode asks of the simulator's autopilot, as its switch sends it: the heading hold
// with the bug at the present heading (HDG HOLD) or the selected one (HDG SEL); the altitude hold at
// `altitude_ft` or level where the aircraft is (0) (ALT HOLD), at the vertical speed of the V/S
// target table (V/S), or for VNAV's own targets; the speed hold in the window the MCP shows (SPD),
// or no speed hold for a mode that flies the thrust itself.
void FlyHdgHold();
void FlyHdgSel();
void FlyAltHold(int32_t altitude_ft);
void FlyVs();
void FlyVnav();
void SpeedHoldOn();
void SpeedHoldsOff();
