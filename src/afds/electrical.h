// The electrical pass: recomputes the power level `ac_power` from its sources, publishes the power
// flags, and sheds or restores the overhead lights and switch states that depend on power. It is
// the tail of the click poller and runs once per 18 SERVER frames (server_phase 0); between its
// power steps it runs the poller's watches and the sound rules of the panel-input and sound code.
//
// Reads: tokens 13, 60, 323, 363, 364 (battery), 566 / 576 (engines running), 604 (running time, s),
// 627 / 646 (engine spool), 773, the centre tank; the source switches, init_sim_time, ground_speed.
// Writes: ac_power, the power flags and lights, pump, bleed, pack, IRS (and its alignment count),
// yaw damper, generator, utility bus, battery and external power switch states with their named
// variables, the standby attitude flags, autopilot channels; key events 0x10218, 0x100ff, 0x102c2,
// 0x102f5.
#pragma once

// One pass; the click poller runs it (see PollClickedVars).
void RunElectricalPass();
