#include "state/state_pending.h"

#include "frame/pending_calls.h"

void ListPanelStates() { CountPendingCall(PendingCall::kListPanelStates); }
void InitPanelState() { CountPendingCall(PendingCall::kInitPanelState); }
void LoadFuel(double) {}
