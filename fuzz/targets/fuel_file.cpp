// The fuel-load file ro757_fuel.cfg, loaded into the stand-in's tanks through FSUIPC.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "state/fuel_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile("Orvantel/ro757_fuel.cfg", data, size);
  LoadFuelCfg();
  return 0;
}
