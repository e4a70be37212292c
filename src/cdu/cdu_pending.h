// CDU pages the CDU builds later: each routine of cdu_pages.h listed here has a stand-in that draws
// nothing and leaves the pending key to the paint's reset. One page a line: a page's author deletes
// its line when the page is built.
#pragma once

#include "cdu/cdu_pages.h"

#define CDU_PENDING_PAGE_ROUTINES(X) \
  X(DrawStoredFlightPlansPage)       \
  X(DrawPerfInitPage)                \
  X(DrawDeparturesPage)              \
  X(DrawArrivalsPage)                \
  X(DrawApproachRefPage)             \
  X(DrawVnavPage)                    \
  X(DrawStoredPanelsPage)            \
  X(DrawRtePage)                     \
  X(DrawInitRefIndexPage)            \
  X(DrawDepArrIndexPage)             \
  X(DrawIdentPage)                   \
  X(DrawPosInitPage)                 \
  X(DrawTakeoffRefPage)              \
  X(DrawRefNavDataPage)              \
  X(DrawProgressPage)                \
  X(DrawAnnouncementStatusPage)
