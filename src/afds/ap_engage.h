// Autopilot disconnect, the clearing of the roll and pitch modes, and the routines that republish
// the mode flags to the MCP lights and the disconnect lights. The channel flags follow the
// simulator's autopilot master in the per-tick run (afds/tick_autoflight); the channel buttons are
// the click poller's.
//
// Reads: ap_engage_low_ra, thrust_hold, at_arm, stpos, SetSpdOffwhenAPMasterSetOff and the mode
// flags. Writes: apleft, apcenter, apright, the dropped mode flags, apdisc_bar_timer, the thrust-mode
// state of a disconnect that also drops the speed, and the named variables apleft, apcenter,
// apright, loc, app, apdisc_bar, apdisc, atdisc, lnav, vnav, alt_hold, vs_hold, hdg_hold,
// spd_hold, thrust; sends key event 0x1022E (SetSpdOffwhenAPMasterSetOff only).
#pragma once

#include <cstdint>

// Drops all three channels, LNAV, VNAV, FLCH, LOC, APP and the autoland, starts the three-second
// disconnect bar (not while an engagement below 400 ft is being held off) and, with
// SetSpdOffwhenAPMasterSetOff and the autothrottle armed, the speed modes. HDG HOLD, HDG SEL,
// ALT HOLD, V/S and the simulator's own holds stay, but for its localizer and approach holds when
// LOC or APP goes.
void DisconnectAutopilot();
// Drops HDG SEL, HDG HOLD, ALT HOLD and V/S through their switches, then LOC and APP with their
// captures and the simulator's localizer and approach holds, then LNAV, VNAV and FLCH.
void ClearAfdsModes();
// Without an active route (stpos 999) LNAV and VNAV, engaged or armed, drop as their buttons drop
// them, autopilot or not: VNAV hands the thrust to SPD.
void DropRouteModesWithoutRoute();
// Named variables lnav, vnav, alt_hold, vs_hold, hdg_hold from the mode flags, in this order.
void UpdateModeButtonLights();
// Named variables vnav, spd_hold, thrust, in this order.
void UpdateThrustModeLights();
// "apdisc" / "atdisc" := 1.0 for a non-zero value, else 0.0.
void SetApdisc(int32_t value);
void SetAtdisc(int32_t value);
