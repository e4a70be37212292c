// Services that other subsystems (or later parts of this one) will provide are stand-ins for now;
// the few whose calls the frame's life cycle must be seen to make count them here. An entry goes
// when its service is built.
#pragma once

enum class PendingCall {
  // the per-tick driver's calls into systems, autoflight, VNAV and the log
  kProcVnavDescent,
  kProcFlch,
  kToggleHdgHold,
  kToggleHdgSel,
  kToggleAltHold,
  kDisconnectAutopilot,
  kClearAfdsModes,
  kProcAutoland,
  kProcAutoBrake,
  kDrawMapRoute,
  kDrawMapFixInfo,
  // the autoflight and sound services the panel input calls
  kLnavIntercept,
  kAfdsVertModeSwitch,
  kToggleThrustHold,
  kEngageSpeedHold,
  kToggleVsMode,
  kStopStandbySpoolSound,
  kCount
};

extern int pending_calls[static_cast<int>(PendingCall::kCount)];

inline void CountPendingCall(PendingCall c) { ++pending_calls[static_cast<int>(c)]; }
inline int PendingCalls(PendingCall c) { return pending_calls[static_cast<int>(c)]; }

void ResetPendingCalls();
