// Ground-proximity aurals and radio-altitude callouts: the two players ProcSounds runs, and the
// take-off phase and once-flag rules that the electrical pass of the click poller runs.
//
// Reads: radio_height, vert_speed, ias, plane_bank, flap_angle, gear1_pos, cdi_needle, gsi_needle,
// ground_speed, the decision height, token 46's NAV flags, tokens 60 and 604, init_sim_time, the
// AltCall... switches and VolumeGpws (clamped to at least 1). Writes: gpws_sound_delay,
// alt_callout_delay, the alt_call_..._done once-flags, takeoff_phase.
#pragma once

// At most one GPWS alert per call (gpws_sound_delay := 54 when one is chosen): the don't-sink mode
// alone during the initial climb (takeoff_phase 1), otherwise pull up, sink rate, too low and
// glideslope by radio height, vertical speed, speed, gear and flaps.
void PlayGpws();
// At most one callout per call: bank angle beyond 45 degrees (every 54 ticks while it lasts), else,
// descending outside the initial climb, the first due height callout whose switch is 1 and which
// has not been called on this approach.
void PlayAltitudeCallouts();

// Electrical pass: re-arms the low callouts above 1000 ft or below 30 kt, the 1000 ft callout above
// 1500 ft and the 2500 ft callout above 3000 ft.
void ReArmAltCallouts();
// Electrical pass: 2 above 1300 ft RA, 1 in the climb between 30 and 1300 ft out of the landing
// configuration (gear down, flaps 25 or 30), back to 0 in that configuration and on the ground more
// than 15 s after the initial panel state (the initial -1 stays until 1300 ft).
void UpdateTakeoffPhase();
