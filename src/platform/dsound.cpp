#include "platform/dsound.h"

#include "platform/host_api.h"

namespace directsound {

int32_t DirectSound8::SetCooperativeLevel(void* window, uint32_t level) {
  window_ = window;
  level_ = level;
  return kOk;
}

uint32_t DirectSound8::Release() {
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
