#include "fmc/fmc_pending.h"

#include "frame/pending_calls.h"

int32_t PredictToc(int32_t) { return 0; }
void PredictTod(int32_t) {}
void get_vnav_info() {}
void BuildTrafficPattern() {}

int32_t DeleteRouteSegment(int32_t, RteRow&) { return 0; }

void InsertAirwayWpts() {}

void ExecRoute() { CountPendingCall(PendingCall::kExecRoute); }
