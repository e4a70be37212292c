// The sound device's software mixer. It owns the device's buffers and advances their play cursors
// with the host's simulated time (extension slot 110), so one-shot buffers end by themselves. Time
// only moves when the module calls into the device; each call first catches up: it mixes every
// playing buffer from the last mixed sample to now into mono 16-bit output for the host (slot
// 111) and reports starts, stops, ends and volume changes with their sample time (slot 112). The
// result does not depend on how often the module calls, since nothing changes between its calls,
// as long as it calls at least every kMixHorizon: a call mixes no more than that, whatever the time
// since the last one.
//
// Its secondary sound buffers: PCM data that the module fills through Lock / Unlock and plays once
// or looping at a volume in hundredths of a decibel. A buffer keeps its play state and the mixer
// advances it, so a one-shot buffer stops by itself when its data has played; buffer and mixer
// drive each other, which is why they share this file.
//
// Results follow DirectSound: 0 success, negative error codes below. Positive volumes are refused,
// as DirectSound refuses them (the module relies on that for its louder-than-full settings).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host_api.h"

namespace directsound {

constexpr int32_t kErrInvalidParam = static_cast<int32_t>(0x80070057u);
constexpr int32_t kErrNoInterface = static_cast<int32_t>(0x80004002u);
constexpr int32_t kErrOutOfMemory = static_cast<int32_t>(0x8007000Eu);
constexpr int32_t kErrBadFormat = static_cast<int32_t>(0x88780064u);
constexpr int32_t kErrControlUnavailable = static_cast<int32_t>(0x8878001Eu);

constexpr uint32_t kBufferPrimary = 0x1;
constexpr uint32_t kBufferCtrlVolume = 0x80;
constexpr uint32_t kPlayLooping = 0x1;
constexpr uint32_t kLockFromWriteCursor = 0x1;
constexpr uint32_t kLockEntireBuffer = 0x2;
constexpr uint32_t kStatusPlaying = 0x1;
constexpr uint32_t kStatusLooping = 0x4;
constexpr int32_t kVolumeMin = -10000;  // silence
constexpr int32_t kVolumeMax = 0;       // full volume
constexpr uint32_t kBufferBytesMin = 4;
constexpr uint32_t kBufferBytesMax = 0x0FFFFFFF;
constexpr uint16_t kFormatPcm = 1;
constexpr uint32_t kRateMin = 100;
constexpr uint32_t kRateMax = 200000;

struct Guid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
  friend bool operator==(const Guid&, const Guid&) = default;
};

inline constexpr Guid kIidDirectSoundBuffer = {0x279AFA85, 0x4981, 0x11CE,
                                               {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
inline constexpr Guid kIidDirectSoundBuffer8 = {0x6825A449, 0x7524, 0x4D82,
                                                {0x92, 0x0F, 0x50, 0xE3, 0x6A, 0xB3, 0xAB, 0x1E}};
inline constexpr Guid kNullGuid = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

struct WaveFormat {
  uint16_t format_tag;
  uint16_t channels;
  uint32_t samples_per_sec;
  uint32_t avg_bytes_per_sec;
  uint16_t block_align;
  uint16_t bits_per_sample;
  uint16_t extra_bytes;
};

struct BufferDescription {
  uint32_t size;  // kBufferDescriptionSize
  uint32_t flags;
  uint32_t buffer_bytes;
  uint32_t reserved;
  const WaveFormat* format;
  Guid algorithm_3d;
};
// The size a 32-bit caller writes into the description (its own pointer is 4 bytes wide there).
constexpr uint32_t kBufferDescriptionSize = 36;

// Whether the device can play this format: 8- or 16-bit PCM, one or two channels, 100 to 200000
// samples per second, block align and byte rate consistent with them.
bool IsPlayableFormat(const WaveFormat& format);

class Mixer;

class DirectSoundBuffer {
 public:
  DirectSoundBuffer(const DirectSoundBuffer&) = delete;
  DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

  // Hands out this buffer again for kIidDirectSoundBuffer8 or kIidDirectSoundBuffer (one more
  // reference); anything else gives kErrNoInterface and a null *out.
  int32_t QueryInterface(const Guid& iid, void** out);
  uint32_t AddRef();
  // The last reference stops the buffer and deletes it. Returns the references left.
  uint32_t Release();

  // Two regions of `bytes` from `offset`, wrapping to the start when the span passes the end.
  int32_t Lock(uint32_t offset, uint32_t bytes, void** region1, uint32_t* bytes1, void** region2,
               uint32_t* bytes2, uint32_t flags);
  // The pointers and lengths must be those of a Lock of this buffer.
  int32_t Unlock(void* region1, uint32_t bytes1, void* region2, uint32_t bytes2);
  int32_t SetCurrentPosition(uint32_t offset_bytes);
  // Either output may be null; the write cursor equals the play cursor here.
  int32_t GetCurrentPosition(uint32_t* play_bytes, uint32_t* write_bytes);
  // kVolumeMin .. kVolumeMax; anything else (a positive value in particular) is refused and the
  // volume stays as it was.
  int32_t SetVolume(int32_t volume);
  int32_t GetVolume(int32_t* volume);
  // reserved and priority must be 0; flags kPlayLooping or 0. Playing an already playing buffer only
  // changes its looping flag.
  int32_t Play(uint32_t reserved, uint32_t priority, uint32_t flags);
  // Keeps the play cursor where it stopped.
  int32_t Stop();
  int32_t GetStatus(uint32_t* status);

  // Stand-in extras for the host's log and for tests.
  void SetLabel(std::string_view label) { label_ = label; }
  const std::string& label() const { return label_; }
  uint32_t id() const { return id_; }
  uint32_t size_bytes() const { return static_cast<uint32_t>(data_.size()); }
  const WaveFormat& format() const { return format_; }
  const uint8_t* data() const { return data_.data(); }

 private:
  friend class Mixer;
  DirectSoundBuffer(Mixer* mixer, uint32_t id, const WaveFormat& format, uint32_t flags, uint32_t bytes);
  ~DirectSoundBuffer() = default;

  Mixer* mixer_;
  uint32_t id_;
  WaveFormat format_;
  uint32_t flags_;
  std::vector<uint8_t> data_;
  uint32_t refs_ = 1;
  int32_t volume_ = kVolumeMax;
  double gain_ = 1.0;
  std::string label_;
  // Play state, kept by the mixer: while playing, the cursor stood at source frame anchor_frame_ at
  // output sample anchor_sample_; while stopped it is cursor_frame_.
  bool playing_ = false;
  bool looping_ = false;
  int64_t anchor_sample_ = 0;
  int64_t anchor_frame_ = 0;
  int64_t cursor_frame_ = 0;
};

// The module asks for the version-8 interface; both are one object here.
using DirectSoundBuffer8 = DirectSoundBuffer;

class Mixer {
 public:
  static constexpr int32_t kOutputRate = 22050;
  // The most output one call mixes: ten seconds. Called each pass, the mixer never reaches it.
  static constexpr int64_t kMixHorizon = 10LL * kOutputRate;

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
  // Mixes up to now, at most the last kMixHorizon of it, ending the one-shot buffers whose data has
  // played.
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
