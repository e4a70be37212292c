// The CDU's page routines, one per page id of fms_page: the table the CDU paint dispatches by. Each
// routine draws its page in the 399 x 320 canvas and applies the key pressed since the last CDU
// paint; ids without a routine show an empty screen.
#pragma once

#include <cstdint>

#include "draw/display_surface.h"

// Page ids (values of fms_page).
enum CduPageId : int32_t {
  kCduPageStoredFlightPlans = 1,
  kCduPagePerfInit = 3,
  kCduPageRteLegs = 6,
  kCduPageSelectWaypoint = 9,
  kCduPageDepartures = 10,
  kCduPageArrivals = 11,
  kCduPageApproachRef = 12,
  kCduPageVnav = 15,
  kCduPageStoredPanels = 20,
  kCduPageRte = 22,
  kCduPageInitRefIndex = 23,
  kCduPageDepArrIndex = 24,
  kCduPageIdent = 25,
  kCduPagePosInit = 26,
  kCduPageTakeoffRef = 27,
  kCduPageRefNavData = 28,
  kCduPageProgress = 33,
  kCduPageFixInfo = 37,
  kCduPageRteHold = 39,
  kCduPageNavRadio = 49,
  kCduPageAnnouncementStatus = 50,
};

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
