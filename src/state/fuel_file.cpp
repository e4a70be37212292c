#include "state/fuel_file.h"

#include <cstdio>

#include "platform/paths.h"
#include "platform/win32_env.h"
#include "platform/winfile.h"
#include "state/config_file.h"
#include "state/config_globals.h"
#include "state/config_keys.h"

namespace {

// Reads of the file take at most 298 characters; the rest of a longer line comes as the next line.
constexpr int kFuelReadChars = 299;

std::string FuelFilePath() {
  char folder[win32::kMaxPath] = {};
  if (win32::SHGetFolderPathA(nullptr, win32::kCsidlAppData, nullptr, 0, folder) != win32::kSOk) {
    folder[0] = '\0';
  }
  return std::string(folder) + "\\Orvantel\\ro757_fuel.cfg";
}

}  // namespace

std::span<const FuelFileKey> FuelFileKeys() {
  static constexpr FuelFileKey kKeys[] = {
      {"LeftMain", &FuelFileAmounts::left_lb},
      {"RightMain", &FuelFileAmounts::right_lb},
      {"Center", &FuelFileAmounts::center_lb},
  };
  return kKeys;
}

bool ReadFuelLoadFile(FuelFileAmounts* out) {
  FILE* f = platform::OpenFile(FuelFilePath(), "r");
  if (f == nullptr) return false;
  FuelFileAmounts read;
  bool any = false;
  char buf[kFuelReadChars + 1];
  KeyValueLine line;
  while (std::fgets(buf, kFuelReadChars, f) != nullptr) {
    if (!line.Split(buf)) continue;
    for (const FuelFileKey& k : FuelFileKeys()) {
      if (!platform::EqualsIgnoreCase(line.key(), k.key)) continue;
      read.*k.amount = ParseConfigI32(line.value());
      any = true;
    }
  }
  std::fclose(f);
  if (any) *out = read;
  return any;
}

void LoadFuelCfg() {
  FuelFileAmounts amounts;
  if (!ReadFuelLoadFile(&amounts)) return;
  WriteFuelLoad([&amounts](const FuelCapacities& cap) {
    return PlanTankAmounts(amounts.left_lb, amounts.right_lb, amounts.center_lb, cap);
  });
}
