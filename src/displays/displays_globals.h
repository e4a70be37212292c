// Global state of the flight and engine displays that other subsystems set.
#pragma once

#include <cstdint>
#include <string>

#include "frame/globals_macros.h"

#define DISPLAYS_SCALARS(X)                                                      \
  X(int32_t, lower_eicas_mode, 1)       /* 1 engine secondary, 2 status, else blank */ \
  X(std::string, baro_units, "INCHES")  /* standby altimeter units */         \
  X(double, pfd_ias_trend, 0.0)         /* kt per sample, kept by the PFD and EADI painters */ \
  X(double, pfd_ias_trend_sum, 0.0)     /* kt, the trend before its division */              \
  X(double, fd_bank_bar, 0.0)           /* deg, displayed roll of the command bars */         \
  X(double, fd_pitch_bar, 0.0)          /* deg, displayed pitch; 3 canvas units a degree */

// Smoothed airspeed samples of the attitude painters' trend (kt), slot 0 the newest.
inline constexpr int kIasHistorySlots = 16;
#define DISPLAYS_ARRAYS(X) X(double, pfd_ias_hist, kIasHistorySlots)

RO_DECLARE_GLOBALS(DISPLAYS_SCALARS)
RO_DECLARE_ARRAYS(DISPLAYS_ARRAYS)

void ResetDisplaysGlobals();
