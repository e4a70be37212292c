// Sound files loaded into the stand-in's sound device and played.
#include <cstddef>
#include <cstdint>

#include "afds/sound_engine.h"
#include "afds/sound_globals.h"
#include "module/module_entry.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  ModuleInit();  // opens the sound device
  fuzz::WriteFile("Orvantel/Sounds/fuzz.wav", data, size);
  PlayGroupSound(SoundGroup::kGpws, "fuzz.wav", 0, false);
  PlayGroupSound(SoundGroup::kCooling, "fuzz.wav", -600, true);
  ModuleDeinit();
  return 0;
}
