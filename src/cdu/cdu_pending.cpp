#include "cdu/cdu_pending.h"

#include "frame/pending_calls.h"

#define RO_STUB_CDU_KEY_(name) \
  int32_t name(const gauge::PixelPoint*, uint32_t) { return 0; }
CDU_KEY_FUNCTIONS(RO_STUB_CDU_KEY_)

void ClearCduKeyFlags(DisplaySurface*) { CountPendingCall(PendingCall::kClearCduKeyFlags); }

#define RO_STUB_CDU_PAGE_(name, id) \
  void name(DisplaySurface*, gfx::Graphics*) {}
CDU_PAGE_ROUTINES(RO_STUB_CDU_PAGE_)
