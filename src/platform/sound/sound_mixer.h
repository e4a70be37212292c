// The sound device's software mixer. It owns the device's buffers and advances their play cursors
// with the host's simulated time (extension slot 110), so one-shot buffers end by themselves. Time
// only moves when the module calls into the device; each call first catches up: it mixes every
// playing buffer from the last mixed sample to now into mono 16-bit output for the host (slot
// 111) and reports starts, stops, ends and volume changes with their sample time (slot 112). The
// result does not depend on how often the module calls, since nothing changes between its calls.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/host_api.h"
#include "platform/sound/sound_buffer.h"

namespace directsound {

class Mixer {
 public:
  static constexpr int32_t kOutputRate = 22050;

  explicit Mixer(void* host_device) : host_device_(host_device) {}
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;
  // Deletes the buffers still alive (the device is gone, and with it its buffers).
  ~Mixer();

  // A new buffer of this device (one reference, stopped, full volume); null for a failed allocation.
  DirectSoundBuffer* CreateBuffer(const WaveFormat& format, uint32_t flags, uint32_t bytes);
  // Stops every playing buffer and deletes all of them.
  void ReleaseAll();

  // Simulated time in output samples (the last reading when the host offers no clock).
  int64_t Now();
  // Mixes up to now, ending the one-shot buffers whose data has played.
  void Sync();

  int buffer_count() const { return static_cast<int>(buffers_.size()); }

 private:
  friend class DirectSoundBuffer;
  void Start(DirectSoundBuffer* b, bool looping);
  void Halt(DirectSoundBuffer* b);
  void Reanchor(DirectSoundBuffer* b, int64_t frame);
  int64_t CursorFrame(const DirectSoundBuffer& b, int64_t sample) const;
  void Report(int32_t kind, const DirectSoundBuffer& b, int64_t sample);
  void Destroy(DirectSoundBuffer* b);
  void MixSpan(int64_t from, int64_t to, host::SoundOutputFn out);
  void EndOneShots(int64_t up_to);

  void* host_device_;
  std::vector<DirectSoundBuffer*> buffers_;
  uint32_t next_id_ = 1;
  int64_t now_ = 0;
  int64_t mixed_ = 0;  // output samples mixed so far
};

}  // namespace directsound
