// Global state of the cockpit sounds: the buffer of each sound group, the sound requests other
// logic raises, the loops' started flags and the take-off phase of the GPWS. (The re-trigger
// delays, the panel-sound queue, the callout once-flags and the crew sequences' states live in
// afds_globals.h, where the per-tick driver and the panel state reach them.)
#pragma once

#include <cstdint>

#include "base/globals_macros.h"
#include "platform/dsound.h"

#define SOUND_SCALARS(X)                                                                    \
  /* one buffer per sound group; null = none (a group's earlier buffers may still sound) */ \
  X(directsound::DirectSoundBuffer8*, gpws_buffer, nullptr)                                 \
  X(directsound::DirectSoundBuffer8*, alt_callout_buffer, nullptr)                          \
  X(directsound::DirectSoundBuffer8*, crew_buffer, nullptr)                                 \
  X(directsound::DirectSoundBuffer8*, event_buffer, nullptr)                                \
  X(directsound::DirectSoundBuffer8*, spool_buffer, nullptr)                                \
  X(directsound::DirectSoundBuffer8*, spoiler_buffer, nullptr)                              \
  X(directsound::DirectSoundBuffer8*, chime_buffer, nullptr)                                \
  X(directsound::DirectSoundBuffer8*, cooling_buffer, nullptr)                              \
  X(directsound::DirectSoundBuffer8*, packs_buffer, nullptr)                                \
  X(directsound::DirectSoundBuffer8*, buzz_buffer, nullptr)                                 \
  X(directsound::DirectSoundBuffer8*, gear_drag_buffer, nullptr)                            \
  /* requests: 0 = none */                                                                  \
  X(int32_t, spoiler_sound_request, 0)  /* 20 spoiler rumble, 8 HF static */                \
  X(int32_t, spoiler_sound_last, 0)     /* 20 or 8: the last of the two started */          \
  X(int32_t, hf_comm_switch, 0)         /* HF communication switch, 1 = on */               \
  /* loops: 1 = started (also when the file failed to load) */                             \
  X(int32_t, cooling_sound_on, 0)                                                           \
  X(int32_t, packs_sound_on, 0)                                                             \
  X(int32_t, buzz_sound_on, 0)                                                              \
  X(int32_t, gear_drag_sound_on, 0)                                                         \
  X(int32_t, gear_drag_step, 0)         /* 10 .. 100, 0 when stopped */                     \
  /* -1 until the first climb above 1300 ft RA; 0 ground, 1 initial climb, 2 above */      \
  X(int32_t, takeoff_phase, -1)

RO_DECLARE_GLOBALS(SOUND_SCALARS)

// The buffers belong to the sound device, which deletes whatever is left when it is released;
// a reset only forgets them.
void ResetSoundGlobals();
