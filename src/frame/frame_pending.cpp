#include "frame/frame_pending.h"

#define RO_STUB_GAUGE_CALLBACK_(name) \
  void name(gauge::GaugeHeader*, int32_t, uintptr_t) {}
#define RO_STUB_MOUSE_FUNCTION_(name) \
  int32_t name(const gauge::PixelPoint*, uint32_t) { return 0; }
#define RO_STUB_STRING_CALLBACK_(name) \
  double name(gauge::ElementHeader*) { return 0.0; }
FRAME_PENDING_GAUGE_CALLBACKS(RO_STUB_GAUGE_CALLBACK_)
FRAME_PENDING_MOUSE_FUNCTIONS(RO_STUB_MOUSE_FUNCTION_)
FRAME_PENDING_STRING_CALLBACKS(RO_STUB_STRING_CALLBACK_)

void ResetFramePendingGlobals() {}


void StepHydraulicPressures() {}
void StepApuSpool() {}
void StepEarlyTurnSequencing() {}
void StepAbeamPassage() {}
void StepLookAhead() {}
void StepLegTimeStamp() {}
void StepHoldUpkeep() {}
void RunRouteBlock() {}
void RunTocTodBlock() {}
void StepLandingLightFollowUp() {}
void StepAutopilotFollowUp() {}
void StepSoundDelays() {}
void StepIrsAlignment() {}
void StepSystemsTimers() {}
void StepFmaAndToga() {}
void StepAutolandAndAutobrake() {}
void StepSimRateAndPauses() {}
void StepEndOfTick() {}
void StepOncePerSecondTimers() {}
