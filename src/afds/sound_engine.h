// The sound engine: .wav files into device buffers, and the sound groups with their common play and
// stop rules, on which the players (callouts, panel sounds; sound_dispatch.h runs them) are built.
//
// Reads: dsound, sim_root (the sound folder is sim_root + "\Orvantel\Sounds\"), sim_sound_stopped,
// InhibitCockpitSoundsOnStopSound, the Play... switches, the re-trigger delays and the requests.
// Writes: the group buffers (sound_globals.h).
//
// A group keeps one buffer pointer. A new play replaces it without cutting the previous sound: the
// replaced buffer is kept aside and released once it has finished, checked at the group's next
// play or stop; whatever is left goes at shut-down (ReleaseAllSoundBuffers).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/dsound.h"

// The canonical 44-byte header of the .wav files the engine accepts (little-endian on disk).
struct WavHeader {
  uint32_t riff_tag;
  uint32_t riff_size;
  uint32_t wave_tag;
  uint32_t fmt_tag;
  uint32_t fmt_size;
  uint16_t audio_format;
  uint16_t channels;
  uint32_t sample_rate;
  uint32_t byte_rate;
  uint16_t block_align;
  uint16_t bits_per_sample;
  uint32_t data_tag;
  uint32_t data_size;
};
static_assert(sizeof(WavHeader) == 44);

constexpr uint32_t kWavHeaderBytes = 44;
constexpr uint32_t kWavTagRiff = 0x46464952;  // "RIFF"
constexpr uint32_t kWavTagWave = 0x45564157;  // "WAVE"
constexpr uint32_t kWavTagFmt = 0x20746D66;   // "fmt "
constexpr uint32_t kWavTagData = 0x61746164;  // "data"
// Longest path a player may compose (a 260-byte buffer with its terminator).
constexpr size_t kSoundPathMaxChars = 259;

// The whole file in a buffer, or null: missing or unreadable file, a header failing its tag checks,
// a format the device refuses, no data after the header. The buffer holds the data chunk up to its
// stated size, but never more than the file has after the header.
directsound::DirectSoundBuffer8* LoadWavBuffer(const std::string& path);
// Reads the header from the start of the open file into *header, checks the four tags and makes an
// empty buffer of min(data size, bytes after the header); null on any failure.
directsound::DirectSoundBuffer8* LoadWavToBuffer(FILE* file, WavHeader* header);
// Copies `size` bytes from the file's current position into the buffer from `offset`; bytes the
// file no longer has are left silent. 1 on success, 0 for a size of 0 or a refused Lock.
int32_t FillSoundBuffer(directsound::DirectSoundBuffer8* buffer, uint32_t offset, FILE* file, uint32_t size);

enum class SoundGroup {
  kGpws,
  kAltCallout,
  kCrew,
  kEvent,
  kSpool,
  kSpoiler,
  kChime,
  kCooling,
  kPacks,
  kBuzz,
  kGearDrag,
  kCount
};

// The group's buffer global (gpws_buffer, ...).
directsound::DirectSoundBuffer8*& GroupBuffer(SoundGroup group);

// sim_root + "\Orvantel\Sounds\" + file.
std::string SoundFolderPath(const char* file);
// The common play rule: loads the file (a path longer than kSoundPathMaxChars counts as missing)
// into the group's buffer and, when it loaded, plays it from the start at `volume` (hundredths of a
// decibel; a positive value is refused by the device and the sound plays at full volume).
void PlayGroupFile(SoundGroup group, const std::string& path, int32_t volume, bool looping);
void PlayGroupSound(SoundGroup group, const char* file, int32_t volume, bool looping);
// Stops the group's buffer and forgets it (nothing when there is none).
void StopGroupSound(SoundGroup group);

// Volume settings: clamped in place (written back) and returned.
int32_t ClampVolumeAtLeast1(int32_t* setting);
int32_t ClampVolume1To100(int32_t* setting);
// (setting - 100) x 30 hundredths of a decibel: 100 is full volume, 1 gives -2970. A setting above
// 100 gives a positive value (refused by the device); huge settings saturate instead of wrapping.
int32_t VolumeAttenuation(int32_t setting);

// Sound may play: the simulator's sound is on, or stopping it is not to silence the cockpit.
bool SoundPermitted();

// Brings the device's mixed output up to now. The device mixes only when called, so a pass that
// calls it keeps each call's share to one pass, however long nothing else is played.
void KeepSoundOutputCurrent();
// Module shut-down: releases every buffer of every group, sounding or not, and forgets them.
void ReleaseAllSoundBuffers();
// Forgets the replaced buffers without touching them (a fresh load; their device owns them).
void ForgetRetiredSoundBuffers();
// Replaced buffers not yet released (they are still sounding or their group has not played since).
int RetiredSoundBufferCount();
