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

// The page routines the CDU paint dispatches by fms_page (the id beside each): each will draw its
// page in the 399 x 320 canvas and apply the key pressed since the last CDU paint.
#define CDU_PAGE_ROUTINES(X)                                                                 \
  X(DrawStoredFlightPlansPage, 1) X(DrawPerfInitPage, 3) X(DrawLegsPage, 6)                  \
  X(DrawSelectWaypointPage, 9) X(DrawDeparturesPage, 10) X(DrawArrivalsPage, 11)             \
  X(DrawApproachRefPage, 12) X(DrawVnavPage, 15) X(DrawStoredPanelsPage, 20)                 \
  X(DrawRtePage, 22) X(DrawInitRefIndexPage, 23) X(DrawDepArrIndexPage, 24)                  \
  X(DrawIdentPage, 25) X(DrawPosInitPage, 26) X(DrawTakeoffRefPage, 27)                      \
  X(DrawRefNavDataPage, 28) X(DrawProgressPage, 33) X(DrawFixInfoPage, 37)                   \
  X(DrawRteHoldPage, 39) X(DrawNavRadioPage, 49) X(DrawAnnouncementStatusPage, 50)

#define RO_DECLARE_CDU_PAGE_(name, id) void name(DisplaySurface* surface, gfx::Graphics* graphics);
CDU_PAGE_ROUTINES(RO_DECLARE_CDU_PAGE_)
#undef RO_DECLARE_CDU_PAGE_
