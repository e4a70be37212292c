#include "platform/sound/sound_buffer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/sound/sound_mixer.h"

namespace directsound {

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
