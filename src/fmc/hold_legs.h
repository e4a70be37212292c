// The leg numbers of the route's holds, which follow the legs: renumbered as the modified route's
// legs move, saved as pending numbers when a modification opens, made current at EXEC. The route
// model keeps them in step; the holds themselves are route_holds.h's.
//
// Reads and writes: the `leg` and `saved_leg` of route_holds rows 1..hold_cnt.
#pragma once

#include <cstdint>

#include "fmc/route_types.h"

inline constexpr int32_t kMaxHolds = kRouteHoldRows - 1;  // 10

// hold_cnt held to 0..kMaxHolds.
int32_t UsedHoldRows();

// The first row whose pending leg is old_leg gets new_leg.
void RenumberHoldLeg(int32_t new_leg, int32_t old_leg);
// The first row whose active leg is old_leg gets new_leg.
void RenumberActiveHoldLeg(int32_t new_leg, int32_t old_leg);

// Start of a modification: every pending leg := its active leg.
void SaveHoldLegs();
// EXEC: every row with a pending leg makes it active; the pending leg returns to 0.
void RestoreHoldLegs();
