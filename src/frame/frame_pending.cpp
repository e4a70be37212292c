#include "frame/frame_pending.h"

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
