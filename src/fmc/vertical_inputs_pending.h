// Inputs of the vertical profile, the VNAV targets and the traffic pattern that the frame and the
// autoflight own. Their owners' lists do not carry them yet; each is declared here, with its load
// value, only until its owner's list does (then the line goes from here).
//
// at_arm: the simulator's autothrottle arm state sampled by the update driver (0 = not armed).
// active_wpt_brg: deg magnetic from the aircraft to the active waypoint, kept by the update driver.
// lnav, vnav_armed: LNAV engaged or armed, VNAV armed (autoflight modes).
#pragma once

#include <cstdint>

#include "frame/globals_macros.h"

#define FMC_VERTICAL_PENDING_INPUTS(X) \
  X(double, at_arm, 0.0)               \
  X(double, active_wpt_brg, 0.0)       \
  X(int32_t, lnav, 0)                  \
  X(int32_t, vnav_armed, 0)

RO_DECLARE_GLOBALS(FMC_VERTICAL_PENDING_INPUTS)

// Will write 0 to the throttle-disconnect byte 0x310A on a link of its own and clear thr_disc_set.
void FsuipcClear310A();

void ResetVerticalPendingInputs();
