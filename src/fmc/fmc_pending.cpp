#include "fmc/fmc_pending.h"

#include <cmath>

#include "frame/pending_calls.h"

void InitPerformanceTables() { CountPendingCall(PendingCall::kInitPerformanceTables); }
void LoadFplList() { CountPendingCall(PendingCall::kLoadFplList); }
double GetThrustLimitEpr(double) { return 0.0; }
void InitThrustLimitTables() {}

// 1.5 % of the IAS per 1000 ft.
double ConvertIasToTas(double ias_kt, double alt_ft) { return ias_kt + ias_kt * 1.5 * (alt_ft / 1000.0) / 100.0; }

// 1.9 % per 1000 ft, over the speed of sound at 0 degrees C.
double ConvertIasToMach(double ias_kt, double alt_ft) {
  return (ias_kt + ias_kt * 0.019 * alt_ft / 1000.0) / (38.967854 * std::sqrt(273.15));
}
int32_t IsActiveWptPassed() { return 0; }
void ComputeRouteDistances() {}
int32_t PredictToc(int32_t) { return 0; }
void PredictTod(int32_t) {}
void get_vnav_info() {}
void BuildTrafficPattern() {}
void DeleteLegHolds(int32_t, int32_t) {}

int32_t DeleteRouteSegment(int32_t, RteRow&) { return 0; }

void InsertAirwayWpts() {}
