// The RTE LEGS page's rows and what its keys act on, shared by its drawing and its key handling.
#pragma once

#include <cstdint>

#include "fmc/route_types.h"

namespace rte_legs {

inline constexpr int kRows = 5;
inline constexpr int32_t kPlanMode = 4;      // the map mode whose centre the page steps
inline constexpr double kMachAltFt = 30000.0;  // a constraint from here up shows its Mach

enum class RowKind {
  kNone,  // past the end of the listing
  kLeg,   // a leg (a discontinuity included)
  kHold,  // the hold of `leg`, drawn after it
  kEnd,   // the last leg, drawn as the end line
};

struct Row {
  RowKind kind = RowKind::kNone;
  int32_t leg = 0;
};

struct Layout {
  bool active_listing = false;  // state 3: the active route is listed
  int32_t first = 1;            // the page's first leg
  int32_t last = 0;             // the listed route's last leg (0..200)
  Row rows[kRows];
};

// Either map shows PLAN.
bool PlanMap();
// HOLD AT offers the present-position hold on 6R: only with a leg being flown.
bool PposHoldOn6R();

// The route listed in the current state.
const RouteLeg* ListedRoute();

// The leg EXEC makes active in the modified route (leg 1 before the first EXEC), or the leg after it
// when it is a discontinuity: the leg the intercept course is typed for and shown with.
int32_t ModActiveLeg();

// The five rows from `first`: each leg a row, followed by its hold's row when it carries one; with
// `hold_row_first` the hold row of the leg before `first` leads; the last leg ends the listing, after
// its own row when it is the leg flown to.
Layout WorkOutRows(int32_t first, bool hold_row_first);

// Applies the pending line-select key to the modified route (the page has worked out `layout`).
void ApplyLegsKey(const Layout& layout);

}  // namespace rte_legs
