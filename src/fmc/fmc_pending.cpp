#include "fmc/fmc_pending.h"

#include "frame/pending_calls.h"

int32_t PredictToc(int32_t) {
  CountPendingCall(PendingCall::kPredictToc);
  return 0;
}
void PredictTod(int32_t) { CountPendingCall(PendingCall::kPredictTod); }
void get_vnav_info() { CountPendingCall(PendingCall::kGetVnavInfo); }
void BuildTrafficPattern() { CountPendingCall(PendingCall::kBuildTrafficPattern); }

int32_t DeleteRouteSegment(int32_t, RteRow&) { return 0; }

void CalcRouteProfile(int32_t) {}
