// Sounds other logic asks for by code, and the background loops that follow the aircraft state:
// panel sound events (clicks, switches, levers, spool, power transfer), the three chimes, the
// spoiler rumble and HF static, and the equipment-cooling, packs, speaker-buzz and gear-drag loops.
// The players run from ProcSounds; the request, stop and loop rules from the electrical pass of the
// click poller.
//
// Reads: sound_event_code / sound_event_followup, chime_code, spoiler_sound_request, hf_comm_switch,
// ac_power, the pack switches and states, ias, sim_sound_stopped, sound_available, tokens 60, 326,
// 327, 332, 364, the sound switches and volumes. Writes: the requests it serves, chime_delay,
// spoiler_sound_last, spoiler_sound_delay, the loop flags, gear_drag_step.
#pragma once

#include <cstdint>

// Plays the queued panel event once, then moves the follow-up (if any) into the queue.
void play_sound_event();
// Plays the queued chime (the warning chime at most once per 54 ticks) and clears the request.
void PlayChime();
// Plays the spoiler rumble (at 180 kt or more, once per 25 ticks) or the HF static, and clears the
// request.
void PlaySpoilerOrHfStatic();

// The loops' players: each loads its file, plays it looping and marks it started (also when the
// file did not load).
void PlayEquipmentCoolingLoop();
void PlayPacksLoop();
void PlaySpeakerBuzzLoop();
void PlayGearDragLoop();

// Electrical pass, in this order within it: the spoiler and HF static request and stop rules; the
// cooling, packs and speaker-buzz loops; the gear-drag loop and its volume steps.
void UpdateSpoilerAndHfSounds();
void UpdateEquipmentLoops();
void UpdateGearDragLoop();

// Cuts the spoiler rumble or HF static short (spoiler_sound_last and the delay back to 0): the HF
// switch going off.
void StopSpoilerSound();
// Cuts a standby-attitude spool or speedbrake sound short: the standby attitude losing power.
void StopSpoolSound();

// The gear-drag volume for a step (10 .. 100) and setting: trunc(-30 x (100 - setting x step / 100)).
int32_t GearDragAttenuation(int32_t setting, int32_t step);
