// Fuel loads: the fuel-load file "\Orvantel\ro757_fuel.cfg" in the user's application-data folder
// (LoadFuelCfg, from the CDU's LOAD FUEL prompt and the initial panel state) and the total fuel of a
// loaded route file (LoadFuel). Both write the three tank levels through the FSUIPC link and report
// the amount on the CDU message line.
//
// Reads: the tank capacities (gallons) and the fuel weight per gallon from the simulator, weight_unit.
// Writes: fuel_weight_per_gal, fuel_cap_l_main, fuel_cap_r_main, fuel_cap_center, cdu_message, and
// the FSUIPC levels at 0x0B7C (left main), 0x0B94 (right main), 0x0B74 (centre).
#pragma once

#include <cstdint>
#include <string>

inline constexpr uint32_t kFuelLevelLeftMain = 0x0B7C;
inline constexpr uint32_t kFuelLevelRightMain = 0x0B94;
inline constexpr uint32_t kFuelLevelCenter = 0x0B74;
inline constexpr int32_t kFuelLevelFull = 0x800000;  // a tank's level at its capacity

// What one load writes: per tank whether it is written, its level, and the pounds it then holds.
struct FuelTankLoad {
  bool write = false;
  int32_t level = 0;
  double placed_lb = 0.0;
};
struct FuelLoadPlan {
  FuelTankLoad left, right, center;
  double placed_lb = 0.0;  // the three tanks' placed pounds together
};

// Tank capacities in pounds. A tank whose capacity is 0 or less (a simulator that reports none) is
// never written: its level would divide by zero.
struct FuelCapacities {
  double left_lb = 0.0;
  double right_lb = 0.0;
  double center_lb = 0.0;
};

// The fuel-load file's amounts, each tank on its own; amounts beyond a tank's capacity, or below 0,
// fill or empty it.
FuelLoadPlan PlanTankAmounts(double left_lb, double right_lb, double center_lb, const FuelCapacities& cap);

// A total spread over the tanks, mains first and evenly by fraction, the rest into the centre; what
// the three tanks cannot hold is dropped. A total of 0 or less empties the mains; the centre keeps its
// fuel unless fuel is left over for it.
FuelLoadPlan PlanTotalFuel(double total_lb, const FuelCapacities& cap);

// The fuel-load file's amounts in pounds ("LeftMain", "RightMain", "Center"; a missing key is 0).
struct FuelFileAmounts {
  double left_lb = 0.0;
  double right_lb = 0.0;
  double center_lb = 0.0;
};
// False when the file does not open.
bool ReadFuelLoadFile(FuelFileAmounts* out);

// "%.0f Lbs of Fuel Loaded" when weight_unit is "LBS", else the kilograms "%.0f Kgs of Fuel Loaded".
std::string FuelLoadedMessage(double lb);

// Reads the fuel-load file and writes the three tanks. A missing file, or no FSUIPC link, changes
// nothing and reports nothing.
void LoadFuelCfg();

// Spreads `fuel_lb` over the tanks. No FSUIPC link: nothing changes and nothing is reported.
void LoadFuel(double fuel_lb);
