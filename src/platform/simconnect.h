// The SimConnect connection the module opens at load and closes at unload (host extension slots
// 105 and 106), and the flight-plan load of the route hand-over (slot 107).
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

// Asks the simulator to load the flight plan at `path` (a module path). Negative on failure: no
// connection, or no host service.
int32_t SimConnect_FlightPlanLoad(SimConnectHandle handle, const char* path);
