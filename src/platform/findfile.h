// Folder listing in the manner of FindFirstFileA / FindNextFileA / FindClose. The pattern is a module
// path whose last component may hold the wildcards '*' (any run of characters) and '?' (one
// character), matched without regard to case; the folder part goes through the path resolver.
// Entries come in the order an NTFS folder gives them: "." and ".." first, then by name without
// regard to case. As on Windows, a pattern ending in ".*" also takes names without a dot ("*.*" lists
// everything), and a pattern without wildcards finds that one entry (a way to test that it exists).
#pragma once

#include <cstdint>
#include <string_view>

namespace win32 {

constexpr uint32_t kFileAttributeDirectory = 0x10;
constexpr uint32_t kFileAttributeNormal = 0x80;
constexpr int kMaxPath = 260;

struct FindData {
  uint32_t file_attributes;
  uint64_t file_size;
  char file_name[kMaxPath];
};

struct FindState;
using FindHandle = FindState*;
inline constexpr FindHandle kInvalidFindHandle = nullptr;

// The first matching entry into *data; kInvalidFindHandle when the folder is missing or nothing matches.
FindHandle FindFirstFileA(const char* pattern, FindData* data);
// The next entry into *data: 1, or 0 when there is none left.
int32_t FindNextFileA(FindHandle handle, FindData* data);
// Releases the listing: 1, or 0 for an invalid handle.
int32_t FindClose(FindHandle handle);

// The name test of the listing, on its own.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace win32
