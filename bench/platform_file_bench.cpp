// Reading a world-size navigation file line by line through the module's text-file stand-in (path
// resolution with case-insensitive matching, CR LF handling), against plain stdio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/winfile.h"

namespace {

const std::string kWorld = std::string(RO757_SOURCE_DIR) + "/../shared/data/world";

int64_t CountLines(FILE* f) {
  char line[1699];
  int64_t n = 0;
  while (std::fgets(line, sizeof line, f) != nullptr) ++n;
  std::fclose(f);
  return n;
}

void BM_ReadIntsThroughTextFile(benchmark::State& state) {
  const std::string path = kWorld + "\\ORVANTEL\\navdata\\ints.txt";
  for (auto _ : state) {
    FILE* f = platform::OpenFile(path, "r");
    if (f == nullptr) {
      state.SkipWithError("world navigation data not found");
      return;
    }
    benchmark::DoNotOptimize(CountLines(f));
  }
}
BENCHMARK(BM_ReadIntsThroughTextFile)->Unit(benchmark::kMillisecond);

void BM_ReadIntsThroughStdio(benchmark::State& state) {
  const std::string path = kWorld + "/Orvantel/Navdata/ints.txt";
  for (auto _ : state) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) {
      state.SkipWithError("world navigation data not found");
      return;
    }
    benchmark::DoNotOptimize(CountLines(f));
  }
}
BENCHMARK(BM_ReadIntsThroughStdio)->Unit(benchmark::kMillisecond);

}  // namespace
