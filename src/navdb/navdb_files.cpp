#include "navdb/navdb_files.h"

#include <cstring>

#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "platform/winfile.h"

// Bytes as they are: the navigation readers split lines themselves and drop the CR of CR LF. A byte
// order mark an editor saved is no part of the first line.
std::FILE* OpenModuleFileForReading(const std::string& module_path) {
  std::FILE* f = platform::OpenFile(module_path, "rb");
  if (f != nullptr && !platform::SkipByteOrderMark(f)) {
    std::fclose(f);
    return nullptr;
  }
  return f;
}

std::string SimRootPath(const char* suffix) {
  return sim_root + suffix;
}
