#include "platform/simconnect.h"

#include "platform/host_api.h"

int32_t SimConnect_Open(SimConnectHandle* handle, const char* name, void* /*window*/,
                        uint32_t /*user_event*/, void* /*event_handle*/, uint32_t /*config_index*/) {
  if (handle == nullptr) return kSimConnectFail;
  *handle = nullptr;
  auto fn = host::SlotAs<host::SimConnectOpenFn>(host::kSimConnectOpen);
  if (fn == nullptr) return kSimConnectFail;
  const int32_t hr = fn(handle, name);
  if (hr < 0) *handle = nullptr;
  return hr;
}

int32_t SimConnect_Close(SimConnectHandle handle) {
  if (handle == nullptr) return kSimConnectFail;
  auto fn = host::SlotAs<host::SimConnectCloseFn>(host::kSimConnectClose);
  return fn ? fn(handle) : kSimConnectFail;
}

int32_t SimConnect_FlightPlanLoad(SimConnectHandle handle, const char* path) {
  if (handle == nullptr || path == nullptr) return kSimConnectFail;
  auto fn = host::SlotAs<host::SimConnectFlightPlanLoadFn>(host::kSimConnectFlightPlanLoad);
  return fn ? fn(handle, path) : kSimConnectFail;
}
