// Values derived from the simulator's readings outside the per-tick run: the airspeed trend
// prediction of the speed tapes (once per systems pass) and the date of the POS INIT page.
//
// Reads: `redraw_tick` and the slots of the driver's run, the smoothed airspeed, the simulator's zulu
// year. Writes: the globals below.
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"

// Airspeed prediction state (kt) and the date written by ConvertDayOfYearToDate.
#define SIM_DERIVED_SCALARS(X)        \
  X(double, ias_ring_avg, 0.0)        \
  X(double, ias_predicted_60, 0.0)    \
  X(double, ias_predicted, 0.0)       \
  X(double, ias_predicted_prev, 0.0)  \
  X(std::string, date_month_name, "") \
  X(int32_t, date_month, 0)           \
  X(int32_t, date_day, 0)

#define SIM_DERIVED_ARRAYS(X) X(double, ias_ring, 18)

RO_DECLARE_GLOBALS(SIM_DERIVED_SCALARS)
RO_DECLARE_ARRAYS(SIM_DERIVED_ARRAYS)

void ResetDerivedSampleGlobals();

// Advances the airspeed trend prediction by one update for each of the last `ticks` ticks of the
// driver's run (the systems pass gives the ticks of the run once, 0 after), each in its redraw slot;
// the ticks before the last take samples on the line from the ring's previous sample. An update whose
// results would not be finite stores only its ring sample.
void UpdateIasPrediction(int32_t ticks);

// Sets date_month_name, date_month and date_day from the zulu day of the year (1-based) and the
// simulator's year; a day outside the year writes nothing.
void ConvertDayOfYearToDate(int32_t day_of_year);
