// INIT/REF INDEX (page 23) and the two stored-list pages it opens, STORED FLIGHT PLANS (page 1) and
// STORED PANELS (page 20): DrawInitRefIndexPage, DrawStoredFlightPlansPage and DrawStoredPanelsPage
// in cdu_pages.h.
//
// The index leads to the reference and initialisation pages and carries the module's file
// operations: the stored plans, the simulator's GPS route, panel states saved and restored, the
// active route saved as a route file (SAVE FPL) and, on its second sub-page, the fuel-load file. The
// list pages show six names a sub-page; a line key loads its plan into the modified route (the route
// state is the loader's) or restores its panel state.
//
// Reads fpl_store / fpl_list_loaded, pnl_list / pnl_list_cnt, the active route and its state,
// to_flaps, ground_speed and the CDU key state. Writes the sub-pages below, init_ref_page, fms_page,
// perf_page, rte_page, cur_fix_ident, the scratchpad and the message line, and through the file
// operations the lists, the modified route, the panel state and the fuel.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// Sub-pages of the two lists (1-based) and their counts, six names a sub-page (0 for an empty list).
#define INDEX_PAGE_SCALARS(X)          \
  X(int32_t, fpl_list_page, 1)         \
  X(int32_t, fpl_list_page_cnt, 0)     \
  X(int32_t, pnl_list_page, 1)         \
  X(int32_t, pnl_list_page_cnt, 0)

RO_DECLARE_GLOBALS(INDEX_PAGE_SCALARS)

void ResetIndexPageGlobals();
