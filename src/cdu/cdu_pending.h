// CDU services that the frame names or calls and the CDU builds later: the mouse functions of the
// "FMS" gauge's keys (each will record its key, or toggle the CDU pop-up window, and return 0) and
// the key-flag reset of the CDU paint.
#pragma once

#include <cstdint>

#include "frame/display_surface.h"
#include "platform/gauge.h"

#define CDU_KEY_FUNCTIONS(X)                                                               \
  X(CduKeyInitRef) X(CduKeyRte) X(CduKeyDepArr) X(CduKeyVnav) X(CduKeyFix) X(CduKeyLegs)   \
  X(CduKeyHold) X(CduKeyProg) X(CduKeyExec) X(CduKeyUnassigned) X(CduKeyNavRad)            \
  X(CduKeyPrevPage) X(CduKeyNextPage)                                                      \
  X(CduKeyLsk1L) X(CduKeyLsk2L) X(CduKeyLsk3L) X(CduKeyLsk4L) X(CduKeyLsk5L) X(CduKeyLsk6L) \
  X(CduKeyLsk1R) X(CduKeyLsk2R) X(CduKeyLsk3R) X(CduKeyLsk4R) X(CduKeyLsk5R) X(CduKeyLsk6R) \
  X(CduKeyA) X(CduKeyB) X(CduKeyC) X(CduKeyD) X(CduKeyE) X(CduKeyF) X(CduKeyG) X(CduKeyH)   \
  X(CduKeyI) X(CduKeyJ) X(CduKeyK) X(CduKeyL) X(CduKeyM) X(CduKeyN) X(CduKeyO) X(CduKeyP)   \
  X(CduKeyQ) X(CduKeyR) X(CduKeyS) X(CduKeyT) X(CduKeyU) X(CduKeyV) X(CduKeyW) X(CduKeyX)   \
  X(CduKeyY) X(CduKeyZ)                                                                    \
  X(CduKey0) X(CduKey1) X(CduKey2) X(CduKey3) X(CduKey4) X(CduKey5) X(CduKey6) X(CduKey7)  \
  X(CduKey8) X(CduKey9) X(CduKeyDot) X(CduKeySlash)                                        \
  X(CduKeyPlusMinus) X(CduKeySp) X(CduKeyDel) X(CduKeyClr)                                 \
  X(ToggleCduPopup)

#define RO_DECLARE_CDU_KEY_(name) int32_t name(const gauge::PixelPoint* point, uint32_t mouse_flags);
CDU_KEY_FUNCTIONS(RO_DECLARE_CDU_KEY_)
#undef RO_DECLARE_CDU_KEY_

// Will reset the one-shot key flags after a CDU page has run.
void ClearCduKeyFlags(DisplaySurface* surface);
