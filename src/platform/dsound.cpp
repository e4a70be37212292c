#include "platform/dsound.h"

#include "platform/host_api.h"

namespace directsound {

int32_t DirectSound8::SetCooperativeLevel(void*, uint32_t) { return kOk; }

int32_t DirectSound8::CreateSoundBuffer(const BufferDescription* desc, DirectSoundBuffer** buffer, void* outer) {
  if (buffer == nullptr) return kErrInvalidParam;
  *buffer = nullptr;
  if (desc == nullptr || outer != nullptr) return kErrInvalidParam;
  if (desc->size != kBufferDescriptionSize && desc->size != sizeof(BufferDescription)) return kErrInvalidParam;
  if ((desc->flags & kBufferPrimary) != 0 || desc->format == nullptr) return kErrInvalidParam;
  if (desc->buffer_bytes < kBufferBytesMin || desc->buffer_bytes > kBufferBytesMax) return kErrInvalidParam;
  if (!IsPlayableFormat(*desc->format)) return kErrBadFormat;
  *buffer = mixer_.CreateBuffer(*desc->format, desc->flags, desc->buffer_bytes);
  return *buffer != nullptr ? kOk : kErrOutOfMemory;
}

uint32_t DirectSound8::Release() {
  mixer_.ReleaseAll();
  if (auto fn = host::SlotAs<host::SoundDeviceReleaseFn>(host::kSoundDeviceRelease)) fn(host_device_);
  delete this;
  return 0;
}

int32_t DirectSoundCreate8(const void* /*device_guid*/, DirectSound8** device, void* /*outer*/) {
  if (device == nullptr) return kErrNoDriver;
  *device = nullptr;
  auto create = host::SlotAs<host::SoundDeviceCreateFn>(host::kSoundDeviceCreate);
  if (create == nullptr) return kErrNoDriver;
  void* host_device = nullptr;
  const int32_t hr = create(&host_device);
  if (hr < 0 || host_device == nullptr) return hr < 0 ? hr : kErrNoDriver;
  *device = new DirectSound8(host_device);
  return kOk;
}

}  // namespace directsound
