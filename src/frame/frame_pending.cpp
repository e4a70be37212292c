#include "frame/frame_pending.h"

#include <algorithm>
#include <iterator>

#include "frame/pending_calls.h"

RO_DEFINE_GLOBALS(FRAME_TCAS_SCALARS)

int32_t ConnectTcasModule(const void*, TcasCallback, uint32_t) {
  CountPendingCall(PendingCall::kConnectTcasModule);
  return 1;
}
void TcasConnectCallback(void*) {}
TcasTarget tcas_targets[kTcasTargetRows] = {};
int32_t tcas_target_cnt = 0;
void TakeTcasIntruderList() {}

FILE* log_file = nullptr;
void OpenDebugLogIfEnabled() {}
void LogLine(const char*, ...) {}
void WriteThrLog() {}

uint8_t fsuipc_buffer[1024] = {};
uint32_t fsuipc_result = 0;
int32_t fsuipc_open_ok = 0;
bool FsuipcOpen(uint32_t, uint32_t* error, void*, uint32_t) {
  if (error != nullptr) *error = 2;  // no server window
  return false;
}
bool FsuipcWrite(uint32_t, uint32_t, const void*, uint32_t* error) {
  if (error != nullptr) *error = 9;  // link closed
  return false;
}
bool FsuipcProcess(uint32_t* error) {
  if (error != nullptr) *error = 9;
  return false;
}
void FsuipcClose() {}
void FsuipcClear32F8() { CountPendingCall(PendingCall::kFsuipcClear32F8); }

#define RO_STUB_GAUGE_CALLBACK_(name) \
  void name(gauge::GaugeHeader*, int32_t, uintptr_t) {}
#define RO_STUB_MOUSE_FUNCTION_(name) \
  int32_t name(const gauge::PixelPoint*, uint32_t) { return 0; }
#define RO_STUB_STRING_CALLBACK_(name) \
  double name(gauge::ElementHeader*) { return 0.0; }
FRAME_PENDING_GAUGE_CALLBACKS(RO_STUB_GAUGE_CALLBACK_)
FRAME_PENDING_MOUSE_FUNCTIONS(RO_STUB_MOUSE_FUNCTION_)
FRAME_PENDING_STRING_CALLBACKS(RO_STUB_STRING_CALLBACK_)

void ResetFramePendingGlobals() {
  RO_RESET_GLOBALS(FRAME_TCAS_SCALARS)
  log_file = nullptr;
  std::fill(std::begin(fsuipc_buffer), std::end(fsuipc_buffer), uint8_t{0});
  fsuipc_result = 0;
  fsuipc_open_ok = 0;
  std::fill(std::begin(tcas_targets), std::end(tcas_targets), TcasTarget{});
  tcas_target_cnt = 0;
}


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
