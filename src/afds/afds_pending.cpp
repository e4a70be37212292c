#include "afds/afds_pending.h"

#include "frame/pending_calls.h"

void KeyEventHandler(uint32_t, uint32_t, void*) {}
void UpdateOverheadVars() { CountPendingCall(PendingCall::kUpdateOverheadVars); }
void ProcMcpKnobs() { CountPendingCall(PendingCall::kProcMcpKnobs); }
void ProcSounds() { CountPendingCall(PendingCall::kProcSounds); }
int32_t ToggleFlch(const gauge::PixelPoint*, uint32_t) { return 0; }
void PollClickedVars() {}
void ProcFlch() {}
void UpdateSpeedTrend() {}
void ProcVnavDescent() {}
void ComputeLnavGeometry(int32_t*, double*, int32_t*, double*, int32_t*, double*, int32_t) {}
void ToggleHdgHold() {}
void ToggleHdgSel() {}
void ToggleAltHold(int32_t) {}
void ProcAutothrottle() {}
void DisconnectAutopilot() {}
void UpdateModeButtonLights() {}
void UpdateThrustModeLights() {}
void ClearAfdsModes() {}
void UpdateEicasMessages() {}
void ProcAutoland() {}
void ProcAutoBrake() {}
void UpdateHydPressVals() {}
void UpdateOverheadLights() {}
void UpdateLandingLightVars(int32_t) {}
void ProcOverheadClicksB() {}
double GetTotalFuelWeight() { return 0.0; }
void UpdateIrsAnnunciatorVars() {}
void SyncYawDamperVars() {}
void InitPacks() {}
void UpdateAsiBugVars() {}
void ResetVnavSubmodes() {}
