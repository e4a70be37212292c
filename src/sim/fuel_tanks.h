// The simulator's fuel tanks: their quantities in pounds (read afresh at each call, never cached) and
// loads of fuel written to the three main tanks through the FSUIPC link (the total of a loaded route
// file, LoadFuel; the fuel-load file's amounts, state/fuel_file.h), each reported on the CDU message
// line.
//
// Reads: tank levels (2^23 = full) and capacities (gal), weight per gallon (lb/gal), weight_unit.
// Writes: `reserves` (lowered to the fuel on board); for a load fuel_weight_per_gal, fuel_cap_l_main,
// fuel_cap_r_main, fuel_cap_center, cdu_message, and the FSUIPC levels at 0x0B7C (left main), 0x0B94
// (right main), 0x0B74 (centre).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// One tank's pounds from its level (2^23 = full) and capacity (gal).
double TankLb(double level, double capacity_gal);
// Centre tank, lb.
double FuelQtyA();
// Left main, second and third left tanks, lb.
double GetFuelLeftTanks();
// Right main, second and third right tanks, lb.
double GetFuel3tanks();
// All seven tanks, lb; a reserve above the total is lowered to it.
double GetTotalFuelWeight();

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

// "%.0f Lbs of Fuel Loaded" when weight_unit is "LBS", else the kilograms "%.0f Kgs of Fuel Loaded".
std::string FuelLoadedMessage(double lb);

// One load: opens the FSUIPC link and reads the capacities, then, when the link opened, writes the
// plan `plan_for` makes of them and reports the pounds placed. No link: nothing changes and nothing
// is reported.
void WriteFuelLoad(const std::function<FuelLoadPlan(const FuelCapacities&)>& plan_for);

// Spreads `fuel_lb` over the tanks.
void LoadFuel(double fuel_lb);
