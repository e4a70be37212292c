// The simulator stand-in's scenario parser.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  simhost::Scenario scenario;
  std::string error;
  simhost::ParseScenario(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.scn", &scenario, &error);
  return 0;
}
