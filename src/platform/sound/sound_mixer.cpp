#include "platform/sound/sound_mixer.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <utility>

namespace directsound {

namespace {

// Output samples mixed per step; the scratch lives in static storage (one device at a time mixes).
constexpr int64_t kChunk = 2048;
float g_mix[kChunk];
int16_t g_out[kChunk];

int64_t FrameCount(const DirectSoundBuffer& b) {
  return static_cast<int64_t>(b.size_bytes() / b.format().block_align);
}

// One source frame as a mono value in -1 .. 1.
float Decode(const DirectSoundBuffer& b, int64_t frame) {
  const WaveFormat& f = b.format();
  const uint8_t* p = b.data() + frame * f.block_align;
  float sum = 0.0f;
  for (int c = 0; c < f.channels; ++c) {
    if (f.bits_per_sample == 8) {
      sum += (static_cast<float>(p[c]) - 128.0f) / 128.0f;
    } else {
      const int16_t v = static_cast<int16_t>(static_cast<uint16_t>(p[2 * c]) | (static_cast<uint16_t>(p[2 * c + 1]) << 8));
      sum += static_cast<float>(v) / 32768.0f;
    }
  }
  return sum / static_cast<float>(f.channels);
}

}  // namespace

Mixer::~Mixer() {
  for (DirectSoundBuffer* b : buffers_) delete b;
}

DirectSoundBuffer* Mixer::CreateBuffer(const WaveFormat& format, uint32_t flags, uint32_t bytes) {
  DirectSoundBuffer* b = nullptr;
  try {
    b = new DirectSoundBuffer(this, next_id_, format, flags, bytes);
    buffers_.push_back(b);
  } catch (const std::bad_alloc&) {
    delete b;
    return nullptr;
  }
  ++next_id_;
  return b;
}

void Mixer::ReleaseAll() {
  Sync();
  for (DirectSoundBuffer* b : buffers_) Halt(b);
  for (DirectSoundBuffer* b : buffers_) delete b;
  buffers_.clear();
}

int64_t Mixer::Now() {
  if (auto clock = host::SlotAs<host::SoundClockFn>(host::kSoundClock)) {
    const int64_t t = clock(host_device_, kOutputRate);
    if (t > now_) now_ = t;  // time never runs backwards for the buffers
  }
  return now_;
}

int64_t Mixer::CursorFrame(const DirectSoundBuffer& b, int64_t sample) const {
  const int64_t elapsed = std::max<int64_t>(0, sample - b.anchor_sample_);
  const int64_t frame = b.anchor_frame_ + elapsed * b.format().samples_per_sec / kOutputRate;
  return b.looping_ ? frame % FrameCount(b) : frame;
}

// The first output sample at which a one-shot buffer's cursor has passed its last frame.
static int64_t EndSample(const DirectSoundBuffer& b, int64_t anchor_sample, int64_t anchor_frame) {
  const int64_t left = FrameCount(b) - anchor_frame;
  const int64_t rate = b.format().samples_per_sec;
  return anchor_sample + (left * Mixer::kOutputRate + rate - 1) / rate;
}

void Mixer::Start(DirectSoundBuffer* b, bool looping) {
  const int64_t now = Now();
  if (b->playing_) {
    // Only the looping flag changes; the cursor carries on from where it is.
    Reanchor(b, CursorFrame(*b, now));
    b->looping_ = looping;
    return;
  }
  b->playing_ = true;
  b->looping_ = looping;
  b->anchor_sample_ = now;
  b->anchor_frame_ = b->cursor_frame_;
  Report(host::kSoundStarted, *b, now);
}

void Mixer::Halt(DirectSoundBuffer* b) {
  if (!b->playing_) return;
  const int64_t now = Now();
  b->cursor_frame_ = CursorFrame(*b, now) % FrameCount(*b);
  b->playing_ = false;
  Report(host::kSoundStopped, *b, now);
}

void Mixer::Reanchor(DirectSoundBuffer* b, int64_t frame) {
  b->anchor_sample_ = Now();
  b->anchor_frame_ = frame;
}

void Mixer::Report(int32_t kind, const DirectSoundBuffer& b, int64_t sample) {
  auto event = host::SlotAs<host::SoundEventFn>(host::kSoundEvent);
  if (event == nullptr) return;
  const host::SoundEvent e{kind,         b.id_,      sample, kOutputRate, b.volume_,
                           b.looping_ ? 1 : 0, b.label_.c_str()};
  event(host_device_, &e);
}

void Mixer::Destroy(DirectSoundBuffer* b) {
  Sync();
  Halt(b);
  buffers_.erase(std::remove(buffers_.begin(), buffers_.end(), b), buffers_.end());
  delete b;
}

void Mixer::Sync() {
  const int64_t now = Now();
  if (now <= mixed_) return;
  // Output further back than the horizon is long past hearing: it is passed over unmixed (only the
  // one-shots that ended in it are ended, at their own time), so no call mixes more than that.
  if (now - mixed_ > kMixHorizon) {
    EndOneShots(now - kMixHorizon);
    mixed_ = now - kMixHorizon;
  }
  auto out = host::SlotAs<host::SoundOutputFn>(host::kSoundOutput);
  int64_t from = mixed_;
  while (from < now) {
    const bool any = std::any_of(buffers_.begin(), buffers_.end(), [](const DirectSoundBuffer* b) { return b->playing_; });
    if (!any) break;
    const int64_t to = std::min(now, from + kChunk);
    if (out != nullptr) MixSpan(from, to, out);
    EndOneShots(to);
    from = to;
  }
  mixed_ = now;
}

void Mixer::MixSpan(int64_t from, int64_t to, host::SoundOutputFn out) {
  const int64_t n = to - from;
  std::fill_n(g_mix, n, 0.0f);
  for (const DirectSoundBuffer* b : buffers_) {
    if (!b->playing_ || b->gain_ == 0.0) continue;
    int64_t stop = to;
    if (!b->looping_) stop = std::min(stop, EndSample(*b, b->anchor_sample_, b->anchor_frame_));
    const float gain = static_cast<float>(b->gain_);
    for (int64_t s = std::max(from, b->anchor_sample_); s < stop; ++s) {
      g_mix[s - from] += gain * Decode(*b, CursorFrame(*b, s));
    }
  }
  for (int64_t i = 0; i < n; ++i) {
    const float v = std::clamp(g_mix[i], -1.0f, 1.0f) * 32767.0f;
    g_out[i] = static_cast<int16_t>(std::lround(v));
  }
  out(host_device_, from, kOutputRate, g_out, static_cast<int32_t>(n));
}

void Mixer::EndOneShots(int64_t up_to) {
  std::vector<std::pair<int64_t, DirectSoundBuffer*>> ended;
  for (DirectSoundBuffer* b : buffers_) {
    if (!b->playing_ || b->looping_) continue;
    const int64_t end = EndSample(*b, b->anchor_sample_, b->anchor_frame_);
    if (end <= up_to) ended.emplace_back(end, b);
  }
  std::sort(ended.begin(), ended.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  for (auto& [end, b] : ended) {
    b->playing_ = false;
    b->cursor_frame_ = 0;
    Report(host::kSoundEnded, *b, end);
  }
}

bool IsPlayableFormat(const WaveFormat& f) {
  if (f.format_tag != kFormatPcm) return false;
  if (f.channels < 1 || f.channels > 2) return false;
  if (f.bits_per_sample != 8 && f.bits_per_sample != 16) return false;
  if (f.samples_per_sec < kRateMin || f.samples_per_sec > kRateMax) return false;
  const uint32_t block = static_cast<uint32_t>(f.channels) * (f.bits_per_sample / 8u);
  return f.block_align == block && f.avg_bytes_per_sec == block * f.samples_per_sec;
}

DirectSoundBuffer::DirectSoundBuffer(Mixer* mixer, uint32_t id, const WaveFormat& format, uint32_t flags,
                                     uint32_t bytes)
    : mixer_(mixer), id_(id), format_(format), flags_(flags), data_(bytes, format.bits_per_sample == 8 ? 0x80 : 0) {
  label_ = "buffer " + std::to_string(id);
}

int32_t DirectSoundBuffer::QueryInterface(const Guid& iid, void** out) {
  if (out == nullptr) return kErrInvalidParam;
  if (iid == kIidDirectSoundBuffer8 || iid == kIidDirectSoundBuffer) {
    ++refs_;
    *out = this;
    return 0;
  }
  *out = nullptr;
  return kErrNoInterface;
}

uint32_t DirectSoundBuffer::AddRef() { return ++refs_; }

uint32_t DirectSoundBuffer::Release() {
  if (--refs_ > 0) return refs_;
  mixer_->Destroy(this);
  return 0;
}

int32_t DirectSoundBuffer::Lock(uint32_t offset, uint32_t bytes, void** region1, uint32_t* bytes1,
                                void** region2, uint32_t* bytes2, uint32_t flags) {
  if (region1 == nullptr || bytes1 == nullptr) return kErrInvalidParam;
  const uint32_t size = size_bytes();
  if ((flags & kLockFromWriteCursor) != 0) GetCurrentPosition(nullptr, &offset);
  if ((flags & kLockEntireBuffer) != 0) bytes = size;
  if (offset >= size || bytes == 0 || bytes > size) return kErrInvalidParam;
  const uint32_t first = std::min(bytes, size - offset);
  if (first < bytes && (region2 == nullptr || bytes2 == nullptr)) return kErrInvalidParam;
  *region1 = data_.data() + offset;
  *bytes1 = first;
  if (region2 != nullptr) *region2 = first < bytes ? data_.data() : nullptr;
  if (bytes2 != nullptr) *bytes2 = bytes - first;
  return 0;
}

int32_t DirectSoundBuffer::Unlock(void* region1, uint32_t bytes1, void* region2, uint32_t bytes2) {
  const uint8_t* begin = data_.data();
  const uint8_t* end = begin + data_.size();
  auto inside = [&](void* p, uint32_t n) {
    const uint8_t* q = static_cast<const uint8_t*>(p);
    return q >= begin && q <= end && n <= static_cast<size_t>(end - q);
  };
  if (region1 == nullptr || !inside(region1, bytes1)) return kErrInvalidParam;
  if (region2 != nullptr && (region2 != begin || !inside(region2, bytes2))) return kErrInvalidParam;
  return 0;
}

int32_t DirectSoundBuffer::SetCurrentPosition(uint32_t offset_bytes) {
  if (offset_bytes >= size_bytes()) return kErrInvalidParam;
  mixer_->Sync();
  const int64_t frame = offset_bytes / format_.block_align;
  if (playing_) {
    mixer_->Reanchor(this, frame);
  } else {
    cursor_frame_ = frame;
  }
  return 0;
}

int32_t DirectSoundBuffer::GetCurrentPosition(uint32_t* play_bytes, uint32_t* write_bytes) {
  mixer_->Sync();
  const int64_t frame = playing_ ? mixer_->CursorFrame(*this, mixer_->Now()) : cursor_frame_;
  const uint32_t pos = static_cast<uint32_t>(frame * format_.block_align);
  if (play_bytes != nullptr) *play_bytes = pos;
  if (write_bytes != nullptr) *write_bytes = pos;
  return 0;
}

int32_t DirectSoundBuffer::SetVolume(int32_t volume) {
  if ((flags_ & kBufferCtrlVolume) == 0) return kErrControlUnavailable;
  if (volume > kVolumeMax || volume < kVolumeMin) return kErrInvalidParam;
  mixer_->Sync();
  if (volume == volume_) return 0;
  volume_ = volume;
  gain_ = volume <= kVolumeMin ? 0.0 : std::pow(10.0, volume / 2000.0);
  if (playing_) mixer_->Report(host::kSoundVolume, *this, mixer_->Now());
  return 0;
}

int32_t DirectSoundBuffer::GetVolume(int32_t* volume) {
  if (volume == nullptr) return kErrInvalidParam;
  if ((flags_ & kBufferCtrlVolume) == 0) return kErrControlUnavailable;
  *volume = volume_;
  return 0;
}

int32_t DirectSoundBuffer::Play(uint32_t reserved, uint32_t priority, uint32_t flags) {
  if (reserved != 0 || priority != 0) return kErrInvalidParam;
  mixer_->Sync();
  mixer_->Start(this, (flags & kPlayLooping) != 0);
  return 0;
}

int32_t DirectSoundBuffer::Stop() {
  mixer_->Sync();
  mixer_->Halt(this);
  return 0;
}

int32_t DirectSoundBuffer::GetStatus(uint32_t* status) {
  if (status == nullptr) return kErrInvalidParam;
  mixer_->Sync();
  *status = playing_ ? (kStatusPlaying | (looping_ ? kStatusLooping : 0u)) : 0u;
  return 0;
}

}  // namespace directsound
