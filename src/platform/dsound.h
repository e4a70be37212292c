// The DirectSound 8 device: creation on the default device, the cooperative level on the
// simulator's window, secondary buffers (platform/sound/) and release. The host gives the device
// (extension slots 108 and 109; creation fails when it has none to give), keeps its clock and takes
// its mixed output (slots 110 to 112, see sound_mixer.h).
#pragma once

#include <cstdint>

#include "platform/sound/sound_mixer.h"

namespace directsound {

constexpr int32_t kOk = 0;
constexpr int32_t kErrNoDriver = static_cast<int32_t>(0x88780078u);  // negative, as an HRESULT
constexpr uint32_t kCoopNormal = 1;
constexpr uint32_t kCoopPriority = 2;

class DirectSound8 {
 public:
  explicit DirectSound8(void* host_device) : host_device_(host_device), mixer_(host_device) {}
  DirectSound8(const DirectSound8&) = delete;
  DirectSound8& operator=(const DirectSound8&) = delete;

  // The stand-in mixes for the host whatever the level: it only accepts the call.
  int32_t SetCooperativeLevel(void* window, uint32_t level);
  // A secondary buffer of desc->buffer_bytes (kBufferBytesMin .. kBufferBytesMax) in a playable
  // format (IsPlayableFormat), empty (silence), stopped, at full volume; outer must be null. On
  // failure *buffer is null: kErrInvalidParam, kErrBadFormat or kErrOutOfMemory.
  int32_t CreateSoundBuffer(const BufferDescription* desc, DirectSoundBuffer** buffer, void* outer);
  // Stops and deletes the buffers still alive, gives the device back to the host and deletes this
  // object; returns the remaining references (0).
  uint32_t Release();

  void* host_device() const { return host_device_; }
  Mixer& mixer() { return mixer_; }

 private:
  ~DirectSound8() = default;
  void* host_device_;
  Mixer mixer_;
};

// device_guid null = the default device; outer must be null. A negative result is a failure, and
// *device is then null.
int32_t DirectSoundCreate8(const void* device_guid, DirectSound8** device, void* outer);

}  // namespace directsound
