#include "platform/win32_env.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/system_time.h"

namespace win32 {

namespace {

std::string DefaultAppDataFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  // The XDG rules ignore a relative value.
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config";
  return {};
}

}  // namespace

int32_t SHGetFolderPathA(void*, int32_t folder, void*, uint32_t, char* path) {
  if (path == nullptr) return kEFail;
  path[0] = '\0';
  if ((folder & kCsidlFlagMask) != kCsidlAppData) return kEFail;
  if (auto fn = host::SlotAs<host::GetAppDataFolderFn>(host::kGetAppDataFolder)) {
    char buffer[kMaxPath] = {};
    if (fn(buffer) == 0) {
      buffer[kMaxPath - 1] = '\0';
      std::memcpy(path, buffer, std::strlen(buffer) + 1);
      return kSOk;
    }
  }
  std::string dir = DefaultAppDataFolder();
  if (dir.empty() || dir.size() >= static_cast<size_t>(kMaxPath)) return kEFail;
  std::memcpy(path, dir.c_str(), dir.size() + 1);
  return kSOk;
}

void GetSystemTime(SystemTime* out) {
  if (out == nullptr) return;
  if (auto fn = host::SlotAs<host::GetSystemTimeFn>(host::kGetSystemTime)) {
    fn(out);
    return;
  }
  *out = host::ToSystemTime(std::chrono::system_clock::now());
}

}  // namespace win32
