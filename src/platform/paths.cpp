#include "platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace platform {

namespace {

std::string Join(const std::string& folder, std::string_view name) {
  std::string out = folder;
  if (!out.empty() && out.back() != '/') out.push_back('/');
  out.append(name);
  return out;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The case-insensitive twin of `name` inside `folder`, or "" when there is none. Several twins (possible
// on a case-sensitive file system) resolve to the smallest name, so the choice does not depend on the
// order the file system lists them in.
std::string FindTwin(const std::string& folder, std::string_view name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return {};
  std::string best;
  while (const dirent* e = ::readdir(dir)) {
    std::string_view entry(e->d_name);
    if (EqualsIgnoreCase(entry, name) && (best.empty() || entry < best)) best.assign(entry);
  }
  ::closedir(dir);
  return best;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

ResolvedPath ResolvePath(std::string_view module_path) {
  std::string p(module_path);
  std::replace(p.begin(), p.end(), '\\', '/');
  ResolvedPath out;
  if (p.empty()) return out;

  std::string current = (p.front() == '/') ? "/" : "";
  bool found = true;
  size_t pos = 0;
  while (pos <= p.size()) {
    size_t end = p.find('/', pos);
    if (end == std::string::npos) end = p.size();
    std::string_view component(p.data() + pos, end - pos);
    pos = end + 1;
    if (component.empty() || component == ".") continue;
    std::string exact = Join(current, component);
    if (found && !Exists(exact)) {
      std::string twin = FindTwin(current, component);
      if (twin.empty()) {
        found = false;
      } else {
        exact = Join(current, twin);
      }
    }
    current = std::move(exact);
  }
  out.path = current.empty() ? "." : current;
  out.exists = found;
  return out;
}

}  // namespace platform
