#include "platform/findfile.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/paths.h"

namespace win32 {

namespace {

using platform::LowerAscii;

// Iterative glob with one backtrack point: after a '*', a mismatch retries one character further on.
bool Glob(std::string_view p, std::string_view n) {
  size_t pi = 0, ni = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || (p[pi] != '*' && LowerAscii(p[pi]) == LowerAscii(n[ni])))) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      resume = ni;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ni = ++resume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

bool NtfsOrder(const std::string& a, const std::string& b) {
  auto rank = [](const std::string& s) { return s == "." ? 0 : (s == ".." ? 1 : 2); };
  if (rank(a) != rank(b)) return rank(a) < rank(b);
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

}  // namespace

struct FindState {
  std::string folder;
  std::vector<std::string> names;
  size_t next = 0;
};

namespace {

void Fill(const FindState& s, const std::string& name, FindData* data) {
  std::string full = s.folder + "/" + name;
  struct stat st;
  bool have = ::stat(full.c_str(), &st) == 0;
  data->file_attributes = (have && S_ISDIR(st.st_mode)) ? kFileAttributeDirectory : kFileAttributeNormal;
  data->file_size = (have && !S_ISDIR(st.st_mode)) ? static_cast<uint64_t>(st.st_size) : 0;
  size_t len = std::min(name.size(), static_cast<size_t>(kMaxPath - 1));
  std::memcpy(data->file_name, name.data(), len);
  data->file_name[len] = '\0';
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  if (Glob(pattern, name)) return true;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos) {
    return Glob(pattern.substr(0, pattern.size() - 2), name);
  }
  return false;
}

FindHandle FindFirstFileA(const char* pattern, FindData* data) {
  if (pattern == nullptr || data == nullptr) return kInvalidFindHandle;
  std::string p(pattern);
  std::replace(p.begin(), p.end(), '\\', '/');
  size_t slash = p.rfind('/');
  // "\x.pnl" lists the root folder: keep its slash.
  std::string folder = (slash == std::string::npos) ? std::string(".") : p.substr(0, slash == 0 ? 1 : slash);
  std::string name_pattern = (slash == std::string::npos) ? p : p.substr(slash + 1);
  if (name_pattern.empty()) return kInvalidFindHandle;

  platform::ResolvedPath resolved = platform::ResolvePath(folder);
  if (!resolved.exists) return kInvalidFindHandle;
  DIR* dir = ::opendir(resolved.path.c_str());
  if (dir == nullptr) return kInvalidFindHandle;
  auto state = std::make_unique<FindState>();
  state->folder = resolved.path;
  while (const dirent* e = ::readdir(dir)) {
    std::string_view n(e->d_name);
    if (n.size() < static_cast<size_t>(kMaxPath) && MatchesWildcard(name_pattern, n)) state->names.emplace_back(n);
  }
  ::closedir(dir);
  if (state->names.empty()) return kInvalidFindHandle;
  std::sort(state->names.begin(), state->names.end(), NtfsOrder);
  Fill(*state, state->names[0], data);
  state->next = 1;
  return state.release();
}

int32_t FindNextFileA(FindHandle handle, FindData* data) {
  if (handle == kInvalidFindHandle || data == nullptr || handle->next >= handle->names.size()) return 0;
  Fill(*handle, handle->names[handle->next++], data);
  return 1;
}

int32_t FindClose(FindHandle handle) {
  if (handle == kInvalidFindHandle) return 0;
  delete handle;
  return 1;
}

}  // namespace win32
