// Global state of the flight and engine displays that other subsystems set.
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"

#define DISPLAYS_SCALARS(X)                                                      \
  X(int32_t, lower_eicas_mode, 1)       /* 1 engine secondary, 2 status, else blank */ \
  X(std::string, baro_units, "INCHES")  /* standby altimeter units */         \
  X(double, pfd_ias_trend, 0.0)         /* kt per sample, kept by the PFD and EADI painters */ \
  X(double, epr1, 0.0)                  /* EPR of the upper EICAS, engine 1 */  \
  X(double, epr2, 0.0) \
  /* kept by the attitude painters from paint to paint, read by the callouts and VNAV */ \
  X(double, fd_roll_bar, 0.0)           /* deg, flight-director bars as last drawn */ \
  X(double, fd_pitch_bar, 0.0)          /* deg; 3 canvas units a degree on the EADI */ \
  X(double, pfd_ias_trend_sum, 0.0)     /* kt, the EADI trend before its division */ \
  X(int32_t, thr_limit_refresh_cnt, 0)  /* upper-EICAS paints 0..540 between climb/cruise reference refreshes */ \
  X(double, stdby_att_bank_deg, 0.0)    /* standby attitude model's bank, degrees */ \
  X(int32_t, attitude_paint_ticks, 1)   /* simulator ticks the attitude paint under way stands for */

inline constexpr int kPfdIasHistRows = 16;
#define DISPLAYS_ARRAYS(X) X(double, pfd_ias_hist, kPfdIasHistRows) /* kt, row 0 newest */

RO_DECLARE_GLOBALS(DISPLAYS_SCALARS)
RO_DECLARE_ARRAYS(DISPLAYS_ARRAYS)

void ResetDisplaysGlobals();
