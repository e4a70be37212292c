// Runs a fuzz target over files without libFuzzer: `ro757_fuzz_replay TARGET INPUT...`, where each
// input is a file or a folder whose files run in name order. The sanitizer build stops at the first
// fault; exit 0 when every input ran.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "replay_registry.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const ReplayTarget* target = nullptr;
  for (const ReplayTarget* t = kReplayTargets; argc > 1 && t->name != nullptr; ++t) {
    if (std::strcmp(t->name, argv[1]) == 0) target = t;
  }
  if (target == nullptr) {
    std::fprintf(stderr, "usage: ro757_fuzz_replay TARGET INPUT...; targets:");
    for (const ReplayTarget* t = kReplayTargets; t->name != nullptr; ++t) std::fprintf(stderr, " %s", t->name);
    std::fprintf(stderr, "\n");
    return 2;
  }
  std::vector<fs::path> inputs;
  for (int i = 2; i < argc; ++i) {
    const fs::path p = argv[i];
    if (fs::is_directory(p)) {
      std::vector<fs::path> in_dir;
      for (const auto& e : fs::recursive_directory_iterator(p)) {
        if (e.is_regular_file()) in_dir.push_back(e.path());
      }
      std::sort(in_dir.begin(), in_dir.end());
      inputs.insert(inputs.end(), in_dir.begin(), in_dir.end());
    } else if (fs::is_regular_file(p)) {
      inputs.push_back(p);
    } else {
      std::fprintf(stderr, "replay: no input %s\n", p.c_str());
      return 2;
    }
  }
  if (target->init != nullptr) target->init(&argc, &argv);
  for (const fs::path& p : inputs) {
    std::ifstream in(p, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    target->run(bytes.data(), bytes.size());
  }
  std::printf("replay %s: %zu inputs\n", target->name, inputs.size());
  return 0;
}
