// The SimConnect connection the module opens at load and closes at unload (host extension slots
// 105 and 106). The flight-plan load that uses the handle belongs to the route hand-over.
#pragma once

#include <cstdint>

using SimConnectHandle = void*;

constexpr int32_t kSimConnectFail = static_cast<int32_t>(0x80004005u);  // E_FAIL

// Opens a connection under the client name; the window, message id, event handle and
// configuration index are accepted for the call's shape and otherwise unused. Negative on failure,
// with *handle null.
int32_t SimConnect_Open(SimConnectHandle* handle, const char* name, void* window, uint32_t user_event,
                        void* event_handle, uint32_t config_index);
int32_t SimConnect_Close(SimConnectHandle handle);
