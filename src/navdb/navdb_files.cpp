#include "navdb/navdb_files.h"

#include <cstring>

#include "navdb/navdb_pending.h"
#include "platform/winfile.h"

// Bytes as they are: the navigation readers split lines themselves and drop the CR of CR LF.
std::FILE* OpenModuleFileForReading(const std::string& module_path) {
  return platform::OpenFile(module_path, "rb");
}

std::string SimRootPath(const char* suffix) {
  return std::string(sim_root, strnlen(sim_root, sizeof sim_root)) + suffix;
}
