// The Windows services the module entry and the FSUIPC client use, with the Windows calling shapes:
// the current directory (the simulator folder at load), the lookup of a top-level window by class and
// a synchronous window message.
// They reach the host through its extension slots; without a host the directory comes from the
// process and no window is found.
#pragma once

#include <cstdint>

namespace win32 {

// Copies the current directory into buffer. Returns its length without the NUL; when the buffer
// (capacity bytes, NUL included) is too small, returns the size needed and leaves buffer untouched;
// 0 on failure.
uint32_t GetCurrentDirectoryA(uint32_t capacity, char* buffer);

// The window of the given class (and title, when not null); null when there is none.
void* FindWindowA(const char* class_name, const char* title);

// Sends a window message and waits for the answer; 0 when there is no host or no such window.
intptr_t SendMessageA(void* window, uint32_t message, uintptr_t wparam, intptr_t lparam);

}  // namespace win32
