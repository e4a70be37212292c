// The per-frame pass of the overhead and pedestal systems, spread over the 18 values of
// server_phase: the engine start, external power, HF and NAV button clicks; the speedbrake, speed-bug
// resynchronisation and master light state machines; the publication of system values to the
// panel's named variables; the airspeed prediction of the trend arrows (geodesy.h); and, on phase 0,
// the slower housekeeping (phase0.h).
//
// Reads: server_phase, redraw_tick, tick36_counter, the sampled flight state, tokens 60, 323, 324,
// 326, 327, 560 / 570, 566 / 576, 627 / 646, 907, door and gear expressions, click variables.
// Writes: the pass's own state (systems_globals.h), the airspeed prediction (ias_ring, ias_predicted),
// sound_event_code, spoiler_sound_request, to_callout_mode, ldg_checklist, ldg_checklist_mode,
// hdg_sel_dir, alt_sel_num, eng1_thrott, eng2_thrott, startup_phase, named variables; key events
// 0x102FC / 0x102FD, 0x101BF / 0x101C4, 0x101F5, 0x10220.
#pragma once

#include <cstdint>

// Ticks a START VALVE light stays lit after its start switch opens the valve.
inline constexpr int32_t kStartValveLightTicks = 36;

void UpdateOverheadVars();

// After a panel-state load: the MCP sync follows only the simulator's later changes.
void TakeMcpSyncBaseline();
