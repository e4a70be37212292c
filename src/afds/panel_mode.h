// The reduced panel mode switch, the two display style switches, and the small watches the
// electrical pass runs between its power steps (SERVER frame 0 only).
//
// Reads: cdu_message, plane_alt, cruise_alt, tokens 103, 112, 604, 627, 646, the named variable
// "ov_cabin_announcements". Writes: lite_mode ("panel_mode"), beg_start_button, EadiMode
// ("eadi_style"), FlightDirectorType ("fd_style"), fmc_anun, acars_anun, the engine start latches,
// play_announcements, sound_event_code.
#pragma once

// Watches, in the electrical pass's order:
// fmc_anun follows whether the CDU message line holds a message (acars_anun when it was the
// uplink's "RTE UPLINK OK"), publishing the status annunciators on each change.
void WatchCduMessage();
// Empties a "RESET MCP" message once the aircraft is more than 50 ft below the cruise altitude.
void ClearResetMcpMessage();
// The engine start latches drop at or below 49 (queueing the AC power sound once) and rise at 65 or
// more of their engine's spool value.
void UpdateEngineStartLatches();
// Re-arms the simulator's approach hold while the autopilot flies APP without it, its localizer hold
// while it flies LOC alone without that.
void KeepApproachHoldAlive();
// More than 15 s after set-up, play_announcements follows the cabin announcement switch.
void FollowCabinAnnouncementSwitch();
