// Writers that copy the systems' integer state into the named variables the cockpit's lights,
// switch animations and displays read; a few change the state on the way (IRS knobs, yaw dampers,
// the autobrake disarm, the hydraulic failure latches).
//
// Reads: switch and light globals, hydraulic pressures (psi), token 354 (marker), 364 (battery),
// 907 (flap angle). Writes: named variables of the same names, the hydraulic failure byte 0x32F8
// through FSUIPC, `sound_event_code`, `marker_state`, key events 0x10215, 0x101F4, 0x10353, 0x10354.
#pragma once

#include <cstdint>

// IRS knob clicks: knob 0 starts an alignment (mode 1, count := IrsAlignSecs); knob 1 switches the
// IRS off and drops the yaw dampers it feeds (left: right damper only; centre and right: both).
void SyncYawIrsL();
void SyncYawIrsC();
void SyncYawIrsR();
// Yaw damper switch keyed on the left / right mode; both dampers take the new mode.
void SyncYawDampers2();
void SyncYawDampersR();
// Configuration "YawDampers" = 1: aligns the IRSs when needed, engages both dampers (mode 2).
void SyncYawDamperVars();
// Configuration "Packs" = 1: both packs on with their reset lights dark.
void InitPacks();
// Publishes the three hydraulic pressures and latches or clears the failure byte by pressure.
void UpdateHydPressVals();
// which 1: "wingldglt"; which 2: "noseldglt"; other values nothing.
void UpdateLandingLightVars(int32_t which);
void UpdateOverheadLights();
void UpdateStatusAnun();
void SetSpeedbrakeAnun(int32_t value);
// Marker lights: the receiver's marker, or a 1-2-3-0 test cycle while the standby attitude erects
// (stdby_att_erect_count, which each erection restarts at the outer lamp).
void UpdateMarkerLights();
void UpdateStbyAttVars();
// Take-off speed to the simulator's autopilot (0x101F4); to_spd_key_sent := 1.
void SendTakeoffSpeedKey();
// Both brake axes released.
void ReleaseAutobrakeAxes();
// Autobrake OFF, both brakes released.
void disengage_autobrakes();
