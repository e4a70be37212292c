// The MCP knob and panel request pass. The panels, the 3-D cockpit and the key-event handler leave
// requests in named variables ("_incr" / "_decr": 1 small step, 2 large step; "_clicked" and the
// sound requests: any non-zero value); one pass acts on each and writes 0.0 back.
//
// Reads: the request variables, tokens 60, 116, 118, 120, the cabin sign switches "Seatbelt sign"
// and "No smoking sign", the autoflight flags, server_phase. Writes: crs_dir, hdg_sel_dir,
// alt_sel_num (ft, 0..50000), ap_spdbug, ap_mach_bug, asi_bug1..3 (kt), the approach modes and
// channels, the light switches, the autobrake selector, ext_power_button, the cabin sign copies,
// sound and chime requests, and the key events to the simulator's autopilot.
#pragma once

#include <cstdint>

// The MCP altitude window's scale, and the speeds its knob sends to the simulator's autopilot.
inline constexpr int32_t kMcpMaxAltitudeFt = 50000;
inline constexpr double kMcpMinSpeedKt = 100.0;
inline constexpr double kMcpMaxSpeedKt = 399.0;

// One pass. Called by every SERVER instance that runs the systems pass, after UpdateOverheadVars; on
// server_phase 0, 3, ... 15 it also runs the click poller and the panel buttons that follow it.
void ProcMcpKnobs();

// A panel state has set the MCP altitude window: the simulator's autopilot gets it as the knob gives
// it, except under VNAV in the cruise, where the window moves nothing and the autopilot holds the
// cruise level.
void SendLoadedMcpAltitude();
