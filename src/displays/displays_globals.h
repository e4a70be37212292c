// Global state of the flight and engine displays that other subsystems set.
#pragma once

#include <cstdint>
#include <string>

#include "frame/globals_macros.h"

#define DISPLAYS_SCALARS(X)                                                      \
  X(int32_t, lower_eicas_mode, 1)       /* 1 engine secondary, 2 status, else blank */ \
  X(std::string, baro_units, "INCHES")  /* standby altimeter units */ \
  X(double, pfd_ias_trend, 0.0)         /* kt per sample, positive accelerating; PFD and EADI paints */

RO_DECLARE_GLOBALS(DISPLAYS_SCALARS)

void ResetDisplaysGlobals();
