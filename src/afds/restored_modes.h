// The AFDS modes a panel state restores. The file sets the mode flags as they were saved; after the
// next tick, with the flight state sampled afresh, each mode stays engaged only where its MCP button
// would engage it, a beam's capture only on its beam, the autoland only where APP would arm it, and
// the simulator's autopilot is left as the buttons' presses of those modes leave it: its master,
// heading, altitude, speed and approach holds.
//
// Reads: restored_modes_pending, restored_ap_master, the mode flags, radio_height, at_arm, lite_mode,
// stpos, toc, tod, init_tod, nav_button, the NAV receiver (token 46, cdi_needle, gsi_needle), the
// simulator's on-ground flag (token 60) and its master and holds (tokens 103, 105, 106, 108, 112, 115,
// 117).
// Writes: ap_master, the channels, the flags of the modes refused, loc_capture, gs_capture,
// autoland_mode, vnav_armed, lnav_hdg_sent, their named variables, and the key events of the mode
// switches.
#pragma once

#include <cstdint>

// A panel state's autopilot master (1 engaged, anything else off), taken up with its modes.
void RestoreApMaster(int32_t saved);
// A panel state has been applied: its modes are taken up after the next tick; on the ground its
// thrust-driving modes are dropped at once, and its autoland is at most armed.
void RequestRestoredModes();

// Run by the SERVER frame after the tick, where the MCP's buttons are taken: resumes the modes of a
// panel state applied since.
void ResumeRestoredModes();
