// Simulator samples that are not finite (or so large that a filter's sums overflow) reaching the
// filters and models that keep state from sample to sample: each is passed over, so that the good
// samples after it give exactly what they give alone.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/standby_gyro.h"
#include "afds/systems_globals.h"
#include "displays/displays_globals.h"
#include "sim/derived_samples.h"
#include "support/fp_traps.h"
#include "support/tick_fixture.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

class NonFiniteSamples : public tick_test::TickTest {
 protected:
  testing_support::FpTrapsOff traps_off_;
};

// Whole ticks from a filter at 150 kt; a bad sample reads as the airspeed before it.
TEST_F(NonFiniteSamples, AirspeedFilterPassesOverABadSample) {
  const auto fly = [&](const std::vector<double>& samples) {
    SetIasKt(150.0);
    std::vector<double> seen;
    for (const double kt : samples) {
      host_.SetToken(61, kt);
      RunTicks(1);
      seen.push_back(ias);
    }
    return seen;
  };
  const std::vector<double> good = fly({160.0, 170.0, 180.0});
  for (const double bad : {kNan, kInf, -kInf}) {
    EXPECT_EQ(fly({bad, 160.0, 170.0, 180.0}), (std::vector<double>{150.0, good[0], good[1], good[2]})) << bad;
  }
}

// Steady at 250 kt, then a few systems passes at an airspeed near the largest double (its ring sums
// overflow), then one ring of 250 kt again: the prediction is where it was.
TEST_F(NonFiniteSamples, AirspeedPredictionOutlivesAnOverflowingAirspeed) {
  const auto passes = [&](double kt, int n) {
    SetIasKt(kt);
    for (int i = 0; i < n; ++i, redraw_tick = (redraw_tick + 1) % 18) UpdateIasPrediction(1);
  };
  for (double& v : ias_ring) v = 250.0;
  ias_ring_avg = ias_predicted_prev = 250.0;
  passes(250.0, 18);
  const auto steady = std::tuple(ias_ring_avg, ias_predicted_60, ias_predicted, ias_predicted_prev);
  ASSERT_EQ(steady, std::tuple(250.0, 250.0, 250.0, 250.0));
  passes(1.7e308, 5);
  passes(250.0, 18);
  EXPECT_EQ(std::tuple(ias_ring_avg, ias_predicted_60, ias_predicted, ias_predicted_prev), steady);
}

// Erecting from rest with power; one attitude sample that is not finite, then level flight at 2.5
// degrees nose down: the gyro erects in as many calls, to the same attitude, as without it.
TEST_F(NonFiniteSamples, StandbyGyroErectsPastABadAttitude) {
  const auto erect = [&](std::optional<double> bad) {
    std::tie(ac_power, stdby_power_switch, stdby_att_erecting, stdby_att_toppling) = std::tuple(3, 1, 1, 0);
    std::tie(stdby_att_pitch, stdby_att_bank_deg) = std::pair(-55.0, -30.0);
    if (bad.has_value()) {
      plane_pitch = plane_bank = *bad;
      UpdateStandbyGyro();
    }
    std::tie(plane_pitch, plane_bank) = std::pair(2.5, 0.0);
    int calls = 0;
    for (; stdby_att_erecting == 1 && calls < 100; ++calls) UpdateStandbyGyro();
    return std::tuple(calls, stdby_att_pitch, stdby_att_bank_deg, stdby_att_bank);
  };
  const auto good = erect(std::nullopt);
  for (const double bad : {kNan, kInf, -kInf}) EXPECT_EQ(erect(bad), good) << bad;
}

}  // namespace
