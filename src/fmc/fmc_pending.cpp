#include "fmc/fmc_pending.h"

#include "frame/pending_calls.h"

void InitPerformanceTables() { CountPendingCall(PendingCall::kInitPerformanceTables); }
void LoadFplList() { CountPendingCall(PendingCall::kLoadFplList); }
double GetThrustLimitEpr(double) { return 0.0; }
