// The aircraft identification: the aircraft.cfg whose section names the simulator's title.
#include <cstddef>
#include <cstdint>

#include "sim/sim_globals.h"
#include "fuzz_support.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile("SimObjects/Airplanes/Fuzz/aircraft.cfg", data, size);
  simver = 10;  // the SimObjects layout
  for (const char* title : {"orvantel 757-200 pw", "orvantel 757-300"}) {
    aircraft = title;
    acfg_attempts = 0;
    FindAircraftCfg();
  }
  return 0;
}
