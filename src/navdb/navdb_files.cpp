#include "navdb/navdb_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <string_view>

#include "navdb/navdb_pending.h"
#include "navdb/navdb_text.h"

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The directory entry of `dir` whose name equals `name` ignoring case, or `name` itself.
std::string MatchComponent(const std::string& dir, std::string_view name) {
  std::string exact = dir + std::string(name);
  if (Exists(exact)) return std::string(name);
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return std::string(name);
  std::string found(name);
  while (dirent* e = ::readdir(d)) {
    if (EqualsNoCase(e->d_name, name)) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

}  // namespace

std::FILE* OpenModuleFileForReading(const std::string& module_path) {
  std::string real;
  size_t i = 0;
  if (!module_path.empty() && (module_path[0] == '/' || module_path[0] == '\\')) real = "/";
  while (i < module_path.size()) {
    size_t j = module_path.find_first_of("/\\", i);
    if (j == std::string::npos) j = module_path.size();
    std::string_view component(module_path.data() + i, j - i);
    if (!component.empty()) {
      real += MatchComponent(real, component);
      if (j < module_path.size()) real += '/';
    }
    i = j + 1;
  }
  struct stat st;
  if (::stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  return std::fopen(real.c_str(), "rb");
}

std::string SimRootPath(const char* suffix) {
  return std::string(sim_root, strnlen(sim_root, sizeof sim_root)) + suffix;
}
