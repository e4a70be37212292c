// The procedure files read when the route's airports are chosen: SIDs of the origin (FUZZ_PROC_FILE
// sids.txt), STARs or approaches of the destination (stars.txt, apps.txt), each the only procedure
// file beside the example airports.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_support.h"
#include "navdb/airport_loader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::WriteFile("Orvantel/Navdata/apts.txt", fuzz::ExampleFile("Orvantel/Navdata/apts.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile(std::string("Orvantel/Navdata/") + FUZZ_PROC_FILE, data, size);
  if (std::strcmp(FUZZ_PROC_FILE, "sids.txt") == 0) {
    LoadAirport("KSEA", 1);
  } else {
    LoadAirport("KPDX", 2);
  }
  return 0;
}
