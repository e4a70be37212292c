// Route files of the flight-plan folder: loaded as the modified route and as the next stored plan,
// beside the example database.
#include <cstddef>
#include <cstdint>

#include "fmc/route_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::WriteFile("Orvantel/Navdata/apts.txt", fuzz::ExampleFile("Orvantel/Navdata/apts.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile("Orvantel/flightplans/FUZZ.RTE", data, size);
  LoadFlightPlanFile("FUZZ.RTE", 0);
  LoadNextFplFile("FUZZ.RTE", 0);
  LoadFplList();
  return 0;
}
