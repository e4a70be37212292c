#include "afds/fuel_system.h"

#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/readers_systems.h"
#include "platform/host_api.h"
#include "state/state_globals.h"

namespace {

constexpr double kFullTankLevel = 8388608.0;  // 2^23
constexpr double kCentreFirstLb = 200.0;

constexpr uint32_t kEngine1Selector = 0x101AA;
constexpr uint32_t kEngine2Selector = 0x103DB;
// The simulator's selector codes.
constexpr int32_t kSelectLeft = 2;
constexpr int32_t kSelectRight = 3;
constexpr int32_t kSelectCentre = 6;
constexpr int32_t kSelectDefault = 1;
constexpr int32_t kSelectCrossfeedLeft = 15;
constexpr int32_t kSelectCrossfeedRight = 14;

void ReadTankData() {
  fuel_weight_per_gal = ReadFuelWeightPerGallon();
  fuel_cap_center = ReadCenterTankCapacity();
  fuel_cap_l_main = ReadLeftMainTankCapacity();
  fuel_cap_r_main = ReadRightMainTankCapacity();
  fuel_cap_l_aux = ReadLeftAuxTankCapacity();
  fuel_cap_r_aux = ReadRightAuxTankCapacity();
  fuel_cap_l_tip = ReadLeftTipTankCapacity();
  fuel_cap_r_tip = ReadRightTipTankCapacity();
}

void SendSelectors(int32_t engine1, int32_t engine2) {
  host::TriggerKeyEvent(kEngine1Selector, engine1);
  host::TriggerKeyEvent(kEngine2Selector, engine2);
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

void UpdateFuelSelectors() {
  if (fuel_weight_per_gal == 0.0) ReadTankData();
  const double centre_lb = FuelQtyA();
  if (l_ctr_fuel_pump == 0 && r_ctr_fuel_pump == 0) {
    SendSelectors(kSelectLeft, kSelectRight);
    return;
  }
  if (centre_lb > kCentreFirstLb) {
    SendSelectors(kSelectCentre, kSelectCentre);
    return;
  }
  if (fwd_xfeed_fuel_pump == 2 || aft_xfeed_fuel_pump == 2) {
    if (l_fwd_fuel_pump != 1 && l_aft_fuel_pump != 1) {
      host::TriggerKeyEvent(kEngine1Selector, kSelectCrossfeedLeft);
      return;
    }
    if (r_fwd_fuel_pump != 1 && r_aft_fuel_pump != 1) {
      host::TriggerKeyEvent(kEngine2Selector, kSelectCrossfeedRight);
      return;
    }
  }
  SendSelectors(kSelectDefault, kSelectDefault);
}
