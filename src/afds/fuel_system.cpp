#include "afds/fuel_system.h"

#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/fuel_tanks.h"
#include "sim/readers_systems.h"
#include "platform/host_api.h"
#include "state/state_globals.h"

namespace {

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
