// The per-pass dispatch of the one-shot sound players (GPWS, altitude callouts, crew callouts, panel
// events, chimes, spoiler and HF static), each under its gate. It sits above the players, which use
// only the sound engine's primitives.
//
// Reads: sim_sound_stopped, InhibitCockpitSoundsOnStopSound, the Play... switches, the re-trigger
// delays and the requests. Writes: what the players write.
#pragma once

// One pass, which also keeps the device's output current; the server gauge calls it while
// sound_available is 1.
void ProcSounds();
