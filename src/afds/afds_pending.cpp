#include "afds/afds_pending.h"

#include "frame/pending_calls.h"

int32_t ToggleFlch(const gauge::PixelPoint*, uint32_t) { return 0; }
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
void ProcAutoland() { CountPendingCall(PendingCall::kProcAutoland); }
void ProcAutoBrake() { CountPendingCall(PendingCall::kProcAutoBrake); }
void ToggleSpdHold() {}
void ResetVnavSubmodes() {}
void AfdsLateralMode() {}
void SetApdisc(int32_t) {}
void SetAtdisc(int32_t) {}
void RearmAltitudeCallouts() {}
void UpdateSoundLoops() {}
void InterpolateEconSpeeds() {}
void LnavIntercept() { CountPendingCall(PendingCall::kLnavIntercept); }
void AfdsVertModeSwitch() { CountPendingCall(PendingCall::kAfdsVertModeSwitch); }
void ToggleThrustHold() { CountPendingCall(PendingCall::kToggleThrustHold); }
void EngageSpeedHold() { CountPendingCall(PendingCall::kEngageSpeedHold); }
void ToggleVsMode() { CountPendingCall(PendingCall::kToggleVsMode); }
void StopStandbySpoolSound() { CountPendingCall(PendingCall::kStopStandbySpoolSound); }
