// The cockpit's starting state, set once per load on the server gauge's first post-generate, after
// the configuration has been read: publishes the start values of the overhead, MCP and display
// switches to the panels' named variables, takes the MCP heading and altitude and the autopilot
// state over from the simulator, sends the start-up key events, restores the last saved panel state
// (or the configured one), and on the ground loads the fuel-load file.
//
// Reads: the configuration (lite_mode, EadiMode, FlightDirectorType, LoadPanelStateonAcLoad,
// PanelState, BurnFuelFromCtrFirst, UseDefAutoBrakes, LoadFuelonAircraftLoad), the switch globals,
// clock_second and the simulator's autopilot, flap and time variables.
// Writes: hdg_sel_dir, alt_sel_num, crs_dir, the callout once-flags, the switch globals it sets,
// flaps_handle_pos_prev, init_sim_time, initialize_server and their named variables; before a
// panel state is loaded, the aircraft's sampled place, altitude and ground speed.
#pragma once

void InitPanelState();
