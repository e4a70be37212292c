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

void InsertAirwayWpts() {}

void ExecRoute() { CountPendingCall(PendingCall::kExecRoute); }

void BuildSidList(std::string) {}
void BuildDepRunwayList(std::string) {}
void BuildStarList(std::string) {}
void BuildArrRunwayList(std::string) {}
