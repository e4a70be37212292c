// Panel states: a saved .pnl file loaded by name and as the last snapshot (which must pass its
// checks against the simulator's state first), and the folder listed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "state/panel_state_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::WriteFile("Orvantel/PanelStates/FUZZ.PNL", data, size);
  fuzz::WriteFile(std::string("Orvantel/PanelStates/") + kPanelStateSnapshotFile, data, size);
  LoadPanelState("FUZZ.PNL");
  LoadPanelState("");
  ListPanelStates();
  return 0;
}
