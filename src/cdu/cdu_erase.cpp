// ERASE: the 6L action of every MOD page.
#include <cstdint>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "fmc/arr_proc.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"

namespace {

constexpr const char* kNoSelection = "------";
constexpr int32_t kOriginBlock = 1;
constexpr int32_t kDestinationBlock = 2;

bool ActiveRouteNamesHold(int32_t row) {
  for (int32_t i = 1; i <= ClampedLastRow(fp_cnt) - 1; ++i) {
    if (fms_fpln_act[i].hold_idx == row) return true;
  }
  return false;
}

// Only the holds that the active route carries stay; a removal moves the later rows down, so the
// same row is looked at again.
void DropHoldsOfModification() {
  for (int32_t h = 1; h <= hold_cnt && h <= kMaxHolds;) {
    if (ActiveRouteNamesHold(h)) {
      ++h;
    } else {
      DeleteHoldRow(h);
    }
  }
}

}  // namespace

void EraseRouteModification() {
  // The entry loaded the new airport's block: the route flown gets its own back.
  const bool destination_reloaded = !dest_entry.empty();
  if (destination_reloaded) LoadAirport(dest_ident, kDestinationBlock);
  if (!orig_entry.empty() && orig_ident != kNoSelection) LoadAirport(orig_ident, kOriginBlock);
  DiscardPendingEntries();
  // The reload lists every approach of the airport, but the chosen approach is counted in its
  // STAR's list: that list comes back, so the row marked is the approach flown.
  if (destination_reloaded && star_sel != kNoSelection) {
    SelectStar(star_sel);
    BuildStarApprList();
  }
  // The rows follow the runways given back, not those chosen in the modification.
  fms_dep_rwy_pos = dep_rwy_sel == kNoSelection ? 0 : RunwayTableRow(airport_recs[1], dep_rwy_sel);
  fms_dest_rwy_pos = arr_rwy_sel == kNoSelection ? 0 : RunwayTableRow(airport_recs[2], arr_rwy_sel);

  if (fms_page == kCduPageDepartures) {
    dep_page_no = 1;
    BuildSidList(kNoSelection);
    BuildDepRunwayList(kNoSelection);
  }
  dep_sel_state = 0;
  dep_trans_chosen = 0;
  dep_rwy_chosen = 0;

  if (fms_page == kCduPageArrivals) {
    arr_page = 1;
    BuildStarList(kNoSelection);
    BuildArrRunwayList(kNoSelection);
  }
  arr_sel_state = 0;
  arr_rwy_chosen = 0;
  star_trans_chosen = 0;
  appr_chosen = 0;
  appr_trans_chosen = 0;

  saved_stpos = 0;
  fms_fpln_active = 3;

  DropHoldsOfModification();
  CopyActiveToModRoute();
  BuildRteRows();
}
