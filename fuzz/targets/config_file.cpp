// The configuration file ro757.cfg.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "state/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile("Orvantel/ro757.cfg", data, size);
  ReadConfigFile();
  return 0;
}
