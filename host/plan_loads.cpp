#include "host/plan_loads.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace simhost {
namespace {

namespace fs = std::filesystem;

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// Each component as spelt when it exists, otherwise an entry of the folder equal to it without regard
// to case.
fs::path ResolveIgnoringCase(std::string module_path) {
  std::replace(module_path.begin(), module_path.end(), '\\', '/');
  const fs::path given(module_path);
  fs::path out = given.root_path();
  for (const fs::path& part : given.relative_path()) {
    fs::path next = out / part;
    std::error_code ec;
    if (!fs::exists(next, ec)) {
      for (fs::directory_iterator it(out.empty() ? "." : out, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameNameIgnoringCase(it->path().filename().string(), part.string())) {
          next = it->path();
          break;
        }
      }
    }
    out = next;
  }
  return out;
}

}  // namespace

PlanLoad ReadPlanLoad(int64_t frame, const std::string& module_path) {
  PlanLoad load{frame, module_path, false, {}};
  std::ifstream in(ResolveIgnoringCase(module_path), std::ios::binary);
  if (!in) return load;
  load.readable = true;
  static constexpr std::string_view kId = "<ATCWaypoint id=\"";
  for (std::string line; std::getline(in, line);) {
    const size_t at = line.find(kId);
    if (at == std::string::npos) continue;
    const size_t from = at + kId.size();
    const size_t quote = line.find('"', from);
    load.waypoints.push_back(line.substr(from, quote == std::string::npos ? std::string::npos : quote - from));
  }
  return load;
}

std::string FormatPlanLoad(const PlanLoad& load) {
  std::string text = "frame " + std::to_string(load.frame) + ": " + load.path + ": ";
  if (!load.readable) return text + "not readable";
  text += std::to_string(load.waypoints.size()) + " waypoints:";
  for (const std::string& w : load.waypoints) text += " " + w;
  return text;
}

}  // namespace simhost
