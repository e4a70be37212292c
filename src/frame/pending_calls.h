// Services that other subsystems (or later parts of this one) will provide are stand-ins for now;
#include "fmc/traffic_pattern.h"
#include "fmc/vnav_targets.h"
#include "fmc/vertical_profile.h"
// the few whose calls the frame's life cycle must be seen to make count them here. An entry goes
// when its service is built.
#pragma once

enum class PendingCall {
  kProcMcpKnobs,
  kClearCduKeyFlags,
  kDrawStandbyDisplay,
  // the per-tick driver's calls into systems, autoflight, VNAV and the log
  kPollClickedVars,
  kProcVnavDescent,
  kProcFlch,
  kToggleHdgHold,
  kToggleHdgSel,
  kToggleAltHold,
  kDisconnectAutopilot,
  kClearAfdsModes,
  kProcAutoland,
  kProcAutoBrake,
  kCount
};

extern int pending_calls[static_cast<int>(PendingCall::kCount)];

inline void CountPendingCall(PendingCall c) { ++pending_calls[static_cast<int>(c)]; }
inline int PendingCalls(PendingCall c) { return pending_calls[static_cast<int>(c)]; }

void ResetPendingCalls();
