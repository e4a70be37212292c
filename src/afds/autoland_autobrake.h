// The two state machines of the landing: the autoland (armed, below 1500 ft, flare, rollout) with
// its pitch events, thrust retard, ground spoilers and the autopilot disconnect at the end of the
// roll or at a touch-and-go; and the autobrake (RTO or landing levels 1..4 and MAX), which arms,
// brakes in pulses and disarms at the end of the roll or when thrust is advanced. Each pass is one
// step of the per-tick run; the key-event handler clears autobrake_appl when it receives the brake
// event, so that the next pass may brake again.
//
// Reads: autoland_mode, radio_height, plane_pitch (negative nose up), alt_rate, vert_speed, ias,
// ground_speed, plane_bank, sim_app_hold, ap_master, auto_brake_switch, auto_brake_status,
// autobrake_appl, AutoLandApDiscSpd, UseAxisAutoBraking, LogFlightData, tokens 60, 123, 128, 163, 320.
// Writes: autoland_mode, autoland_cmd, autoland_retard_done, autoland_spoiler_stage, the thrust
// modes at the retard, auto_brake_status, autobrake_appl; sends the autoland events 0x1010C,
// 0x10417, 0x10418, 0x1022E, 0x100E5, 0x100A1, 0x10114, 0x10210, 0x10211, 0x100FF, 0x10144 and
// the brake events 0x10034, 0x10353, 0x10354.
#pragma once

// One autoland pass (the per-tick run calls it while the autopilot is engaged and autoland_mode is
// above 0); one mode step per pass.
void ProcAutoland();
// Stows the ground spoilers the autoland deployed once the roll is below 60 kt, or at once when the
// crew go again (a thrust lever advanced for take-off, or the aircraft lifted off). The rollout calls
// it, and the per-tick run after it on every tick, as the autopilot disconnect that ends the
// autoland usually comes first.
void StowAutolandSpoilers();
// One autobrake pass (while the selector is not OFF and the simulator's own autobrake is not used).
void ProcAutoBrake();
