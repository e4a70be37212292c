#include "state/state_pending.h"

#include "frame/pending_calls.h"

void ReadConfigFile() { CountPendingCall(PendingCall::kReadConfigFile); }
int32_t FindAircraftCfg() {
  CountPendingCall(PendingCall::kFindAircraftCfg);
  return 0;
}
void DetectSimVersion() { CountPendingCall(PendingCall::kDetectSimVersion); }
void ListPanelStates() { CountPendingCall(PendingCall::kListPanelStates); }
void InitPanelState() { CountPendingCall(PendingCall::kInitPanelState); }
void LoadFuel(double) {}
