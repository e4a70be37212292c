// The two Windows services the module entry uses, with the Windows calling shapes: the current
// directory (the simulator folder at load) and the lookup of a top-level window by class.
// Both reach the host through its extension slots; without a host the directory comes from the
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

}  // namespace win32
