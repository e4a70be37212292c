#include "cdu/cdu_pending.h"

#define RO_STUB_CDU_PAGE_(name) \
  void name(DisplaySurface*, gfx::Graphics*) {}
CDU_PENDING_PAGE_ROUTINES(RO_STUB_CDU_PAGE_)
