// The simulator's plan files (ini and XML forms) converted into temp.rte.
#include <cstddef>
#include <cstdint>

#include "fmc/plan_import.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile("Orvantel/flightplans/FUZZ.PLN", data, size);
  ImportPlnToTempRte("FUZZ.PLN");
  return 0;
}
