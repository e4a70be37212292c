#include "navdb/navdb_files.h"

#include <cstring>

#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "platform/winfile.h"

// Bytes as they are: the navigation readers split lines themselves and drop the CR of CR LF.
std::FILE* OpenModuleFileForReading(const std::string& module_path) {
  return platform::OpenFile(module_path, "rb");
}

std::string SimRootPath(const char* suffix) {
  return sim_root + suffix;
}
