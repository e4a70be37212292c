#include "cdu/cdu_pending.h"

#define RO_STUB_CDU_KEY_(name) \
  int32_t name(const gauge::PixelPoint*, uint32_t) { return 0; }
CDU_KEY_FUNCTIONS(RO_STUB_CDU_KEY_)

void ClearCduKeyFlags(DisplaySurface*) {}
