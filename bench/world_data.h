// The world-size navigation data set the benchmarks measure on: ../shared/data/world beside the
// repository by default, or $RO757_WORLD_DATA. A benchmark without it is skipped with a message.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "sim/sim_globals.h"
#include "module/module_state.h"
#include "navdb/nav_loader.h"

namespace world_bench {

inline std::string WorldDataDir() {
  const char* env = std::getenv("RO757_WORLD_DATA");
  return env != nullptr ? env : RO757_SOURCE_DIR "/../shared/data/world";
}

// A freshly reset module whose simulator folder is the world data set; false (the benchmark
// skipped) when the data set is absent.
inline bool UseWorldData(benchmark::State& state) {
  const std::string dir = WorldDataDir();
  struct stat st;
  if (::stat(dir.c_str(), &st) != 0) {
    state.SkipWithError(("world navigation data not found at " + dir).c_str());
    return false;
  }
  ResetModuleState();
  sim_root = dir;
  return true;
}

inline bool LoadWorld(benchmark::State& state) {
  if (!UseWorldData(state)) return false;
  LoadNavDatabase();
  return true;
}

}  // namespace world_bench
