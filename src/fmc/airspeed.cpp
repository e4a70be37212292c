#include "fmc/airspeed.h"

#include <cmath>

namespace {

// Speed of sound in kt is 38.967854 x sqrt(T in kelvin); the rule takes it at 0 degrees C.
const double kSoundSpeedAtZeroCKt = 38.967854 * std::sqrt(273.15);

constexpr double kTropopauseFt = 36089.0;
constexpr double kTropopauseTempC = -56.5;

}  // namespace

double ConvertIasToTas(double ias_kt, double alt_ft) { return ias_kt + ias_kt * 1.5 * (alt_ft / 1000.0) / 100.0; }

double ConvertIasToMach(double ias_kt, double alt_ft) {
  double raised_kt = ias_kt + ias_kt * 0.019 * alt_ft / 1000.0;
  return raised_kt / kSoundSpeedAtZeroCKt;
}

double IsaTemperatureC(double alt_ft) {
  if (alt_ft >= kTropopauseFt) return kTropopauseTempC;
  return 15.0 - 1.98 * alt_ft / 1000.0;
}
