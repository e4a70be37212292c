#include "fmc/hold_legs.h"

#include <algorithm>

#include "fmc/fmc_globals.h"

int32_t UsedHoldRows() { return std::clamp(hold_cnt, 0, kMaxHolds); }

void RenumberHoldLeg(int32_t new_leg, int32_t old_leg) {
  for (int32_t i = 1; i <= UsedHoldRows(); ++i) {
    if (route_holds[i].saved_leg == old_leg) {
      route_holds[i].saved_leg = new_leg;
      return;
    }
  }
}

void RenumberActiveHoldLeg(int32_t new_leg, int32_t old_leg) {
  for (int32_t i = 1; i <= UsedHoldRows(); ++i) {
    if (route_holds[i].leg == old_leg) {
      route_holds[i].leg = new_leg;
      return;
    }
  }
}

void SaveHoldLegs() {
  for (int32_t i = 1; i <= UsedHoldRows(); ++i) route_holds[i].saved_leg = route_holds[i].leg;
}

void RestoreHoldLegs() {
  for (int32_t i = 1; i <= UsedHoldRows(); ++i) {
    RouteHold& h = route_holds[i];
    if (h.saved_leg > 0) {
      h.leg = h.saved_leg;
      h.saved_leg = 0;
    }
  }
}
