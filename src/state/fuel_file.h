// The fuel-load file "\Orvantel\ro757_fuel.cfg" in the user's application-data folder (LoadFuelCfg,
// from the CDU's LOAD FUEL prompt and the initial panel state): its amounts are written to the three
// tanks as sim/fuel_tanks.h writes a load, and reported on the CDU message line.
//
// Reads: the file, and what a tank load reads. Writes: what a tank load writes.
#pragma once

#include <span>
#include <string_view>

#include "sim/fuel_tanks.h"

// The fuel-load file's amounts in pounds ("LeftMain", "RightMain", "Center"; a missing key is 0).
struct FuelFileAmounts {
  double left_lb = 0.0;
  double right_lb = 0.0;
  double center_lb = 0.0;
};

// The file's keys (without regard to case) and the amount each sets: a whole number of pounds, the
// leading integer of the value (0 without one).
struct FuelFileKey {
  std::string_view key;
  double FuelFileAmounts::*amount;
};
std::span<const FuelFileKey> FuelFileKeys();

// False when the file does not open, or when no line of it names a key (an empty file, one of
// comments, or keys written with blanks before "=", which the file's grammar does not read): such a
// file loads nothing, rather than empty tanks.
bool ReadFuelLoadFile(FuelFileAmounts* out);

// Reads the fuel-load file and writes the three tanks. A missing file, one from which no key was
// read, or no FSUIPC link, changes nothing and reports nothing.
void LoadFuelCfg();
