#include "sim/derived_samples.h"

#include <cmath>

#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"

RO_DEFINE_GLOBALS(SIM_DERIVED_SCALARS)
RO_DEFINE_ARRAYS(SIM_DERIVED_ARRAYS)

void ResetDerivedSampleGlobals() {
  RO_RESET_GLOBALS(SIM_DERIVED_SCALARS)
  RO_RESET_ARRAYS(SIM_DERIVED_ARRAYS)
}

namespace {

void StepIasPrediction(int32_t slot, double s) {
  if (slot >= 0 && slot < 18) ias_ring[slot] = s;
  double sum = 0.0;
  for (double v : ias_ring) sum += v;
  double avg = (sum / 18.0 + ias_ring_avg) * 0.5;
  double delta = avg - ias_ring_avg;
  const double predicted_60 = delta * 60.0 + s;
  const double predicted = (delta * 180.0 + avg + ias_predicted_prev) * 0.5;
  // An airspeed near the largest double overflows these sums; an infinite average or prediction
  // would stay in the averages for good, so such an update is passed over until the ring holds
  // ordinary airspeeds again.
  if (!std::isfinite(predicted_60) || !std::isfinite(predicted)) return;
  ias_ring_avg = avg;
  ias_predicted_60 = predicted_60;
  ias_predicted = predicted;
  ias_predicted_prev = ias_predicted;
}

}  // namespace

void UpdateIasPrediction(int32_t ticks) {
  if (ticks <= 0) return;
  const double s = ReadAirspeedSmoothed();
  const int32_t before = RedrawSlotOfRun(ticks);
  const double previous = before >= 0 && before < 18 ? ias_ring[before] : s;
  for (int32_t k = 1; k <= ticks; ++k) StepIasPrediction(RedrawSlotOfRun(ticks - k), TickSample(previous, s, k, ticks));
}

void ConvertDayOfYearToDate(int32_t day_of_year) {
  static const char* const kMonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  if (day_of_year < 1) return;
  int32_t year = TruncToI32(ReadTokenVar9());
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int32_t lengths[12] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int32_t total = 0;
  for (int32_t m = 0; m < 12; ++m) {
    total += lengths[m];
    if (total >= day_of_year) {
      date_month_name = kMonthNames[m];
      date_month = m + 1;
      date_day = day_of_year - (total - lengths[m]);
      return;
    }
  }
}
