#include "sim/fuel_tanks.h"

#include <algorithm>
#include <cstdio>

#include "afds/systems_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/fsuipc_client.h"
#include "sim/readers_systems.h"
#include "state/state_globals.h"

namespace {

constexpr double kFullTankLevel = 8388608.0;  // 2^23
constexpr double kKgPerLb = 0.45359237;

// A tank filled to `fraction` of its capacity (held to 0..1): its level is the fraction times the
// full level, truncated.
FuelTankLoad TankAtFraction(double fraction, double capacity_lb) {
  FuelTankLoad t;
  if (!(capacity_lb > 0.0)) return t;
  fraction = std::clamp(fraction, 0.0, 1.0);
  t.write = true;
  t.placed_lb = fraction * capacity_lb;
  t.level = static_cast<int32_t>(fraction * kFuelLevelFull);
  return t;
}

// Held to the tank before the division, so that no amount can overflow the fraction.
FuelTankLoad TankLoad(double amount_lb, double capacity_lb) {
  if (!(capacity_lb > 0.0)) return {};
  const double placed = std::clamp(amount_lb, 0.0, capacity_lb);
  FuelTankLoad t = TankAtFraction(placed / capacity_lb, capacity_lb);
  t.placed_lb = placed;
  return t;
}

double Capacity(double lb) { return lb > 0.0 ? lb : 0.0; }

void SumPlaced(FuelLoadPlan* p) {
  p->placed_lb = p->left.placed_lb + p->right.placed_lb + p->center.placed_lb;
}

// Reads the weight per gallon and the three capacities into their globals, as each load does.
FuelCapacities ReadCapacities() {
  fuel_weight_per_gal = ReadFuelWeightPerGallon();
  fuel_cap_l_main = ReadLeftMainTankCapacity();
  fuel_cap_r_main = ReadRightMainTankCapacity();
  fuel_cap_center = ReadCenterTankCapacity();
  return {fuel_cap_l_main * fuel_weight_per_gal, fuel_cap_r_main * fuel_weight_per_gal,
          fuel_cap_center * fuel_weight_per_gal};
}

bool OpenLink() {
  fsuipc_open_ok = FsuipcOpen(0, &fsuipc_result, fsuipc_buffer, sizeof fsuipc_buffer) ? 1 : 0;
  return fsuipc_open_ok != 0;
}

// Queues the plan's writes, sends them and closes the link; true when the server took them. The plan
// holds the levels until the requests are processed.
bool WritePlan(const FuelLoadPlan& plan) {
  const struct {
    uint32_t offset;
    const FuelTankLoad* tank;
  } writes[] = {{kFuelLevelLeftMain, &plan.left},
                {kFuelLevelRightMain, &plan.right},
                {kFuelLevelCenter, &plan.center}};
  for (const auto& w : writes) {
    // A refused write (buffer full) leaves that tank as it is; the others still go.
    if (w.tank->write) FsuipcWrite(w.offset, sizeof(int32_t), &w.tank->level, &fsuipc_result);
  }
  const bool processed = FsuipcProcess(&fsuipc_result);
  FsuipcClose();
  return processed;
}

}  // namespace

// Level / 2^23 x capacity x weight per gallon, in that order, as the tanks' own gauges compute it.
double TankLb(double level, double capacity_gal) {
  return level / kFullTankLevel * capacity_gal * ReadFuelWeightPerGallon();
}

double FuelQtyA() { return TankLb(ReadCenterTankLevel(), ReadCenterTankCapacity()); }

double GetFuelLeftTanks() {
  double lb = 0.0;
  lb += TankLb(ReadLeftMainTankLevel(), ReadLeftMainTankCapacity());
  lb += TankLb(ReadLeftAuxTankLevel(), ReadLeftAuxTankCapacity());
  lb += TankLb(ReadLeftTipTankLevel(), ReadLeftTipTankCapacity());
  return lb;
}

double GetFuel3tanks() {
  double lb = 0.0;
  lb += TankLb(ReadRightMainTankLevel(), ReadRightMainTankCapacity());
  lb += TankLb(ReadRightAuxTankLevel(), ReadRightAuxTankCapacity());
  lb += TankLb(ReadRightTipTankLevel(), ReadRightTipTankCapacity());
  return lb;
}

double GetTotalFuelWeight() {
  double lb = 0.0;
  lb += FuelQtyA();
  lb += TankLb(ReadLeftMainTankLevel(), ReadLeftMainTankCapacity());
  lb += TankLb(ReadRightMainTankLevel(), ReadRightMainTankCapacity());
  lb += TankLb(ReadLeftAuxTankLevel(), ReadLeftAuxTankCapacity());
  lb += TankLb(ReadRightAuxTankLevel(), ReadRightAuxTankCapacity());
  lb += TankLb(ReadLeftTipTankLevel(), ReadLeftTipTankCapacity());
  lb += TankLb(ReadRightTipTankLevel(), ReadRightTipTankCapacity());
  if (reserves > lb) reserves = lb;
  return lb;
}

FuelLoadPlan PlanTankAmounts(double left_lb, double right_lb, double center_lb, const FuelCapacities& cap) {
  FuelLoadPlan p;
  p.left = TankLoad(left_lb, cap.left_lb);
  p.right = TankLoad(right_lb, cap.right_lb);
  p.center = TankLoad(center_lb, cap.center_lb);
  SumPlaced(&p);
  return p;
}

FuelLoadPlan PlanTotalFuel(double total_lb, const FuelCapacities& cap) {
  const double left = Capacity(cap.left_lb);
  const double right = Capacity(cap.right_lb);
  const double center = Capacity(cap.center_lb);
  const double mains = left + right;
  FuelLoadPlan p;
  if (total_lb <= 0.0) {
    p.left = TankLoad(0.0, cap.left_lb);
    p.right = TankLoad(0.0, cap.right_lb);
  } else if (total_lb < mains) {
    // Both mains at the same fraction of their capacity.
    const double fraction = total_lb / mains;
    p.left = TankAtFraction(fraction, cap.left_lb);
    p.right = TankAtFraction(fraction, cap.right_lb);
  } else {
    p.left = TankLoad(left, cap.left_lb);
    p.right = TankLoad(right, cap.right_lb);
    const double rest = total_lb - mains;
    if (rest > 0.0) p.center = TankLoad(rest, center);
  }
  SumPlaced(&p);
  return p;
}

std::string FuelLoadedMessage(double lb) {
  const bool pounds = weight_unit != "KGS";  // as the pages: anything but KGS is pounds
  const char* format = pounds ? "%.0f Lbs of Fuel Loaded" : "%.0f Kgs of Fuel Loaded";
  const double amount = pounds ? lb : lb * kKgPerLb;
  // Sized for the widest "%.0f" of a double (309 digits and a sign).
  char text[360];
  std::snprintf(text, sizeof text, format, amount);
  return text;
}

void WriteFuelLoad(const std::function<FuelLoadPlan(const FuelCapacities&)>& plan_for) {
  const bool open = OpenLink();
  const FuelCapacities cap = ReadCapacities();
  // Reported only once the simulator has the levels.
  if (!open) return;
  const FuelLoadPlan plan = plan_for(cap);
  if (WritePlan(plan)) cdu_message = FuelLoadedMessage(plan.placed_lb);
}

void LoadFuel(double fuel_lb) {
  WriteFuelLoad([fuel_lb](const FuelCapacities& cap) { return PlanTotalFuel(fuel_lb, cap); });
}
