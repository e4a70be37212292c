// The user's application-data folder (SHGetFolderPathA with CSIDL_APPDATA) and the system clock
// (GetSystemTime). The host may answer both through its extension slots; without them the folder is
// $XDG_CONFIG_HOME, or ~/.config, and the clock is the real UTC clock.
#pragma once

#include <cstdint>

#include "platform/findfile.h"  // kMaxPath
#include "platform/host_api.h"

namespace win32 {

constexpr int32_t kCsidlAppData = 0x1A;
constexpr int32_t kCsidlFlagMask = 0xFF;  // the CSIDL_FLAG_* bits above it do not change the folder
constexpr int32_t kSOk = 0;
constexpr int32_t kEFail = static_cast<int32_t>(0x80004005u);

using SystemTime = host::SystemTime;

// Writes the folder (NUL-terminated, at most 259 characters) into path[260] and returns kSOk; any
// other folder, or no folder that fits, leaves path empty and returns kEFail.
int32_t SHGetFolderPathA(void* owner, int32_t folder, void* token, uint32_t flags, char* path);

void GetSystemTime(SystemTime* out);

}  // namespace win32
