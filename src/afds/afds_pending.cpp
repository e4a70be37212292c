#include "afds/afds_pending.h"

#include "frame/pending_calls.h"

void KeyEventHandler(uint32_t, uint32_t, void*) {}
void UpdateOverheadVars() { CountPendingCall(PendingCall::kUpdateOverheadVars); }
void ProcMcpKnobs() { CountPendingCall(PendingCall::kProcMcpKnobs); }
void ProcSounds() { CountPendingCall(PendingCall::kProcSounds); }
int32_t ToggleFlch(const gauge::PixelPoint*, uint32_t) { return 0; }
