#include "afds/afds_pending.h"

#include "frame/pending_calls.h"

void KeyEventHandler(uint32_t, uint32_t, void*) {}
void UpdateOverheadVars() { CountPendingCall(PendingCall::kUpdateOverheadVars); }
void ProcMcpKnobs() { CountPendingCall(PendingCall::kProcMcpKnobs); }
int32_t ToggleFlch(const gauge::PixelPoint*, uint32_t) { return 0; }
void PollClickedVars() { CountPendingCall(PendingCall::kPollClickedVars); }
void ProcFlch() { CountPendingCall(PendingCall::kProcFlch); }
void UpdateSpeedTrend() {}
void ProcVnavDescent() { CountPendingCall(PendingCall::kProcVnavDescent); }
void ComputeLnavGeometry(int32_t*, double*, int32_t*, double*, int32_t*, double*, int32_t) {}
void ToggleHdgHold() { CountPendingCall(PendingCall::kToggleHdgHold); }
void ToggleHdgSel() { CountPendingCall(PendingCall::kToggleHdgSel); }
void ToggleAltHold(int32_t) { CountPendingCall(PendingCall::kToggleAltHold); }
void ProcAutothrottle() {}
void DisconnectAutopilot() { CountPendingCall(PendingCall::kDisconnectAutopilot); }
void UpdateModeButtonLights() {}
void UpdateThrustModeLights() {}
void ClearAfdsModes() { CountPendingCall(PendingCall::kClearAfdsModes); }
void UpdateEicasMessages() { CountPendingCall(PendingCall::kUpdateEicasMessages); }
void ProcAutoland() { CountPendingCall(PendingCall::kProcAutoland); }
void ProcAutoBrake() { CountPendingCall(PendingCall::kProcAutoBrake); }
void UpdateHydPressVals() { CountPendingCall(PendingCall::kUpdateHydPressVals); }
void UpdateOverheadLights() { CountPendingCall(PendingCall::kUpdateOverheadLights); }
void UpdateLandingLightVars(int32_t) { CountPendingCall(PendingCall::kUpdateLandingLightVars); }
void ProcOverheadClicksB() { CountPendingCall(PendingCall::kProcOverheadClicksB); }
double GetTotalFuelWeight() { return 0.0; }
void SyncYawDamperVars() {}
void InitPacks() {}
void UpdateAsiBugVars() {}
void ToggleSpdHold() {}
void UpdateFuelSelectors() {}
