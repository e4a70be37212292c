#include "platform/win32.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/host_api.h"

namespace win32 {

uint32_t GetCurrentDirectoryA(uint32_t capacity, char* buffer) {
  if (auto fn = host::SlotAs<host::GetCurrentDirectoryFn>(host::kGetCurrentDirectory)) {
    return fn(capacity, buffer);
  }
  // No host: the process's own directory, with the same size contract.
  std::vector<char> cwd(4096);
  while (getcwd(cwd.data(), cwd.size()) == nullptr) {
    if (errno != ERANGE || cwd.size() >= (1u << 20)) return 0;
    cwd.resize(cwd.size() * 2);
  }
  const size_t len = std::strlen(cwd.data());
  if (buffer == nullptr || len + 1 > capacity) return static_cast<uint32_t>(len + 1);
  std::memcpy(buffer, cwd.data(), len + 1);
  return static_cast<uint32_t>(len);
}

void* FindWindowA(const char* class_name, const char* title) {
  auto fn = host::SlotAs<host::FindWindowFn>(host::kFindWindow);
  return fn ? fn(class_name, title) : nullptr;
}

intptr_t SendMessageA(void* window, uint32_t message, uintptr_t wparam, intptr_t lparam) {
  auto fn = host::SlotAs<host::SendWindowMessageFn>(host::kSendWindowMessage);
  return fn ? fn(window, message, wparam, lparam) : 0;
}

}  // namespace win32
