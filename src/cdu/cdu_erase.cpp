// ERASE: the 6L action of every MOD page.
#include <cstdint>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "base/int_conversion.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"

namespace {

constexpr const char* kNoSelection = "------";
constexpr int32_t kDestinationBlock = 2;

// A pending speed entry keeps the values it replaced; each member comes back only when its own
// copy holds one (a speed-only entry saved no Mach, which must not become 0).
void RestoreSpeedPair(double* spd_prev, double* mach_prev, int32_t* ias, double* mach) {
  if (!(*spd_prev > 0.0 || *mach_prev > 0.0)) return;
  if (*spd_prev > 0.0) *ias = TruncToI32(*spd_prev);
  if (*mach_prev > 0.0) *mach = *mach_prev;
  *spd_prev = 0.0;
  *mach_prev = 0.0;
}

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
  cdu_prompt_mode = 0;
  TmpFrId.clear();
  clear_holds_on_exec = 0;
  new_fpln_loaded = 0;
  orig_entry.clear();
  // The entry loaded the new destination's block: the route flown gets its own back.
  if (!dest_entry.empty()) LoadAirport(dest_ident, kDestinationBlock);
  dest_entry.clear();

  sid_sel = sid_sel_act;
  sid_trans_sel = sid_trans_sel_act;
  dep_rwy_sel = dep_rwy_sel_act;
  star_sel = star_sel_act;
  star_trans_sel = star_trans_sel_act;
  arr_rwy_sel = arr_rwy_sel_act;
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
  arr_appr_sel = arr_appr_sel_saved;
  arr_appr_trans_sel = arr_appr_trans_sel_saved;
  arr_sel_state = 0;
  arr_rwy_chosen = 0;
  star_trans_chosen = 0;
  appr_chosen = 0;
  appr_trans_chosen = 0;
  cdu_prompt_mode = 0;
  edit_leg_idx = 0;

  RestoreSpeedPair(&clb_spd_prev, &clb_mach_prev, &climb_ias, &climb_mach);
  RestoreSpeedPair(&des_spd_prev, &des_mach_prev, &descent_ias, &descent_mach);
  RestoreSpeedPair(&crz_spd_prev, &crz_mach_prev, &cruise_ias, &cruise_mach);

  if (cruise_alt_prev > 0) {
    cruise_alt = cruise_alt_prev;
    cruise_alt_prev = 0;
  }
  if (cost_index_prev > -1) {
    cost_index = cost_index_prev;
    cost_index_prev = -1;
  }

  saved_stpos = 0;
  fms_fpln_active = 3;
  direct_pending = 0;

  DropHoldsOfModification();
  CopyActiveToModRoute();
  BuildRteRows();
}
