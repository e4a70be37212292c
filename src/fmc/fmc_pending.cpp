#include "fmc/fmc_pending.h"

#include <cmath>

RO_DEFINE_GLOBALS(FMC_PENDING_GLOBALS)

void ResetFmcPendingGlobals() { RO_RESET_GLOBALS(FMC_PENDING_GLOBALS) }

void InitThrustLimitTables() {}

double GetThrustLimitEpr(double) { return 0.0; }

// 1.5 % of the IAS per 1000 ft.
double ConvertIasToTas(double ias_kt, double alt_ft) { return ias_kt + ias_kt * 1.5 * (alt_ft / 1000.0) / 100.0; }

// 1.9 % per 1000 ft, over the speed of sound at 0 degrees C.
double ConvertIasToMach(double ias_kt, double alt_ft) {
  return (ias_kt + ias_kt * 0.019 * alt_ft / 1000.0) / (38.967854 * std::sqrt(273.15));
}
