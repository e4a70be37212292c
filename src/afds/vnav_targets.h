// VNAV targets: keeps the simulator's autopilot altitude and vertical speed on the vertical path in
// climb, cruise and descent (get_vnav_info, once per tick), and holds the descent speed with the
// throttles by a band controller on the speed error and the airspeed trend (VnavDescent), when the
// simulator's own autothrottle does not fly the VNAV descent.
//
// Reads: vnav, vnav_armed, startup_phase, toc, tod, init_tod, cruise_alt, cross_at_elev,
// dist_to_cross_at, alt_sel_num, ap_alt_lock, plane_alt, radio_height, ground_speed, ias,
// pfd_ias_trend, at_arm, redraw_tick, tick36_counter, DescSpdRest, DescAltRest, vnav_last_set_spd,
// descent_ias, and the simulator's autopilot altitude, airspeed and Mach holds, selected speed,
// throttle lever and speed-brake positions.
// Writes: the globals below, thr_disc_set and (ResetVnavSubmodes) the VNAV sub-mode flags; sends
// key events 0x1024C (autopilot altitude, ft), 0x101F4 (vertical speed, ft/min), 0x1022E / 0x10231
// (release the speed / Mach hold), 0x10040 / 0x1044A (one throttle step up / down) and 0x100A1
// (absolute throttle position); writes the throttle-disconnect byte 0x310A through FSUIPC.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

#define FMC_VNAV_TARGET_GLOBALS(X)

RO_DECLARE_GLOBALS(FMC_VNAV_TARGET_GLOBALS)

inline constexpr uint32_t kApAltitudeEvent = 0x1024C;
inline constexpr uint32_t kApVerticalSpeedEvent = 0x101F4;
inline constexpr uint32_t kApAirspeedHoldOffEvent = 0x1022E;
inline constexpr uint32_t kApMachHoldOffEvent = 0x10231;
inline constexpr uint32_t kThrottleStepUpEvent = 0x10040;
inline constexpr uint32_t kThrottleStepDownEvent = 0x1044A;
inline constexpr uint32_t kThrottleSetEvent = 0x100A1;

// Highest descent rate VNAV commands, and the speed below which it commands none.
inline constexpr int32_t kMaxVnavDescentFpm = 3000;
inline constexpr double kMinVnavDescentIasKt = 155.0;
// Vertical speed of the cruise descent towards a lower cruise altitude.
inline constexpr int32_t kCruiseDescentFpm = 1800;

void get_vnav_info();
void VnavDescent();

// The descent speed restriction: set when its speed is above 0; at or below its altitude (level at
// it included) no faster speed is commanded. kt.
bool DescentRestrictionSet();
bool AtOrBelowDescentRestriction();
double WithinDescentRestriction(double kt);
// The airspeed SPD takes over from VNAV after the top of descent: the speed VNAV was commanding
// (the descent speed when it has commanded none since its engagement), within the restriction. kt.
double SpeedHandedFromVnav();

// Leaves the VNAV sub-modes: thrust hold and its pending release off ("thrust" 0), descent and cruise
// flags off, the controller to start afresh, and VNAV unarmed in the air after start-up.
void ResetVnavSubmodes();

void ResetVnavTargetGlobals();
