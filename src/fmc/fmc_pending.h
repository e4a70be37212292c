// State and services of the flight management core that the configuration reader uses, declared here
// until the core lands; each moves to its owner at merge.
#pragma once

#include "frame/globals_macros.h"

// Speed limits of the PERF LIMITS page, knots.
#define FMC_PENDING_GLOBALS(X)   \
  X(double, clb_min_ias, 180.0)  \
  X(double, clb_max_ias, 300.0)  \
  X(double, crz_min_ias, 230.0)  \
  X(double, crz_max_ias, 330.0)  \
  X(double, des_min_ias, 180.0)  \
  X(double, des_max_ias, 300.0)

RO_DECLARE_GLOBALS(FMC_PENDING_GLOBALS)

void ResetFmcPendingGlobals();

// Will fill the EPR thrust-limit tables that GetThrustLimitEpr reads.
void InitThrustLimitTables();
// Will return the thrust-limit EPR of the thrust-reference mode for temp_c and the pressure altitude.
double GetThrustLimitEpr(double temp_c);

// The two fixed-rule airspeed conversions (they depend on the speed and the altitude alone).
double ConvertIasToTas(double ias_kt, double alt_ft);
double ConvertIasToMach(double ias_kt, double alt_ft);
