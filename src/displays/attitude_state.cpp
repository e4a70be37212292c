#include "displays/attitude_state.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"

namespace {

constexpr double kBankTargetLimitDeg = 25.0;
constexpr double kBankBarStepDeg = 0.33;
constexpr double kPitchBarStepDeg = 0.11;
// Take-off modes hold the bars on the runway up to this radio height (ft).
constexpr double kTakeoffHoldHeightFt = 10.0;
constexpr double kTakeoffPitchCmdDeg = -8.0;  // 8 degrees nose up
// The trend divides the fifteen intervals of the history by 14; the gains that read it are tuned to that.
constexpr double kTrendDivisor = 14.0;

}  // namespace

double ApproachValue(double x, double target, double step) {
  if (x > target) return (x - target >= step) ? x - step : target;
  if (x < target) return (target - x >= step) ? x + step : target;
  return x;
}

// The command and the attitude share the host's sign (negative nose up), so their difference is the
// pitch change still to fly whatever their signs; the bar settles where it shows exactly that.
double PitchBarTarget(double plane_pitch_deg, double fd_pitch_cmd_deg) { return fd_pitch_cmd_deg - plane_pitch_deg; }

namespace {

// One tick's step of the bars.
void StepFdCommandBarsOnce() {
  const double bank_target =
      std::clamp(std::trunc(plane_bank - std::trunc(fd_bank_cmd)), -kBankTargetLimitDeg, kBankTargetLimitDeg);
  fd_roll_bar = ApproachValue(fd_roll_bar, bank_target, kBankBarStepDeg);
  if (to_roll_mode == 1 && radio_height <= kTakeoffHoldHeightFt) fd_roll_bar = 0.0;
  // Every later reader in this tick sees the forced command, until the next sample replaces it.
  if (to_pitch_mode == 1 && radio_height <= kTakeoffHoldHeightFt) fd_pitch_cmd = kTakeoffPitchCmdDeg;
  fd_pitch_bar = ApproachValue(fd_pitch_bar, PitchBarTarget(plane_pitch, fd_pitch_cmd), kPitchBarStepDeg);
}

}  // namespace

void BeginAttitudePaint(int32_t ticks) { attitude_paint_ticks = ticks; }

void StepFdCommandBars() {
  for (int32_t i = 0; i < attitude_paint_ticks; ++i) StepFdCommandBarsOnce();
}

void StepIasTrend() {
  if (attitude_paint_ticks <= 0) return;
  const double sample = ReadAirspeedSmoothed();
  ShiftInSkippedTicks(pfd_ias_hist, kPfdIasHistRows, sample, attitude_paint_ticks);
  // The sum of the neighbouring differences of the history before the shift: oldest less newest.
  double sum = 0.0;
  for (int i = 0; i + 1 < kPfdIasHistRows; ++i) sum += pfd_ias_hist[i + 1] - pfd_ias_hist[i];
  for (int i = kPfdIasHistRows - 1; i > 0; --i) pfd_ias_hist[i] = pfd_ias_hist[i - 1];
  pfd_ias_trend_sum = -sum;
  pfd_ias_trend = -sum / kTrendDivisor;
  pfd_ias_hist[0] = sample;
}
