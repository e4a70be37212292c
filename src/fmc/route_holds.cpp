#include "fmc/route_holds.h"

#include <algorithm>
#include <utility>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/nav_records.h"
#include "navdb/path_legs.h"

namespace {

constexpr int32_t kRteHoldPage = 39;
constexpr int32_t kRteLegsPage = 6;

// The hold's own fields; the traffic-pattern points stay with their row.
void CopyHoldFields(const RouteHold& from, RouteHold& to) {
  to.fix = from.fix;
  to.leg = from.leg;
  to.saved_leg = from.saved_leg;
  to.turn = from.turn;
  to.leg_dist = from.leg_dist;
  to.leg_time = from.leg_time;
  to.inbd_crs = from.inbd_crs;
  to.leg_mode = from.leg_mode;
  to.lat = from.lat;
  to.lon = from.lon;
}

void SwapHoldFields(RouteHold& a, RouteHold& b) {
  std::swap(a.fix, b.fix);
  std::swap(a.leg, b.leg);
  std::swap(a.saved_leg, b.saved_leg);
  std::swap(a.turn, b.turn);
  std::swap(a.leg_dist, b.leg_dist);
  std::swap(a.leg_time, b.leg_time);
  std::swap(a.inbd_crs, b.inbd_crs);
  std::swap(a.leg_mode, b.leg_mode);
  std::swap(a.lat, b.lat);
  std::swap(a.lon, b.lon);
}

// Points the hold's leg in the modified route back at `row`. While a modification is open the
// pending leg is the one in the modified route; otherwise the active one.
void LinkModLegToHold(int32_t row) {
  const RouteHold& h = route_holds[row];
  int32_t leg = h.saved_leg > 0 ? h.saved_leg : h.leg;
  if (leg >= 0 && leg <= kLastRouteRow) fms_fpln_mod[leg].hold_idx = row;
}

// After row `removed` left the table, legs that named it name no hold and later rows move down.
void RenumberLegHoldRefs(RouteLeg* legs, int32_t count, int32_t removed) {
  for (int32_t i = 0; i <= ClampedLastRow(count); ++i) {
    int32_t& idx = legs[i].hold_idx;
    if (idx == removed) {
      idx = 0;
    } else if (idx > removed) {
      --idx;
    }
  }
}

// Rows a and b exchanged their holds: the active legs that named one name the other.
void SwapActiveLegHoldRefs(int32_t a, int32_t b) {
  for (int32_t i = 0; i <= ClampedLastRow(fp_cnt); ++i) {
    int32_t& idx = fms_fpln_act[i].hold_idx;
    if (idx == a) {
      idx = b;
    } else if (idx == b) {
      idx = a;
    }
  }
}

// With the last hold gone RTE HOLD has nothing to show: the CDU goes to RTE LEGS.
void LeaveEmptyHoldPage() {
  if (hold_cnt == 0 && fms_page == kRteHoldPage) fms_page = kRteLegsPage;
}

void RemoveHoldRow(int32_t r) {
  const int32_t last = UsedHoldRows();
  for (int32_t i = r; i < last; ++i) CopyHoldFields(route_holds[i + 1], route_holds[i]);
  // The vacated row is marked unused, as the removed hold's row would be.
  route_holds[last].leg = 0;
  route_holds[last].fix.clear();
  hold_cnt = last - 1;
  RenumberLegHoldRefs(fms_fpln_mod, fp_mod_cnt, r);
  RenumberLegHoldRefs(fms_fpln_act, fp_cnt, r);
  if (holds_present == 1) {
    if (pattern_leg >= 1) pattern_phase = 4;
    pattern_leg = 0;
    if (hold_cnt == 0) holds_present = 0;
  }
}

}  // namespace

void AddLegHold(int32_t leg_no, int32_t flag) {
  // A gap in the route is no fix to hold at.
  if (hold_cnt < 0 || hold_cnt >= kMaxHolds || leg_no < 1 || leg_no > ClampedLastRow(fp_mod_cnt) ||
      IsPlaceholder(fms_fpln_mod[leg_no])) {
    cdu_message = "INVALID ENTRY";
    return;
  }
  int32_t row = ++hold_cnt;
  const RouteLeg& leg = fms_fpln_mod[leg_no];
  // The inbound course comes from the last place before the fix, across any gap.
  const RouteLeg& prev = fms_fpln_mod[std::max(PreviousPlaceRow(fms_fpln_mod, leg_no), 0)];
  RouteHold& h = route_holds[row];
  h.leg = leg_no;
  h.saved_leg = leg_no;
  h.fix = leg.ident;
  h.lat = leg.lat;
  h.lon = leg.lon;
  h.inbd_crs = MagneticBearing(prev.lat, prev.lon, leg.lat, leg.lon, mag_var);
  fms_fpln_mod[leg_no].hold_idx = row;
  h.turn = 1;
  h.leg_mode = 1;
  h.leg_time = 1.0;
  holds_present = 1;

  // Neighbour exchanges until the rows are in ascending leg order; equal legs keep their order.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int32_t i = 1; i < hold_cnt; ++i) {
      if (route_holds[i].leg <= route_holds[i + 1].leg) continue;
      SwapHoldFields(route_holds[i], route_holds[i + 1]);
      LinkModLegToHold(i);
      LinkModLegToHold(i + 1);
      // The active route keeps naming its own holds, which ERASE relies on.
      SwapActiveLegHoldRefs(i, i + 1);
      if (row == i) {
        row = i + 1;
      } else if (row == i + 1) {
        row = i;
      }
      swapped = true;
    }
  }

  if (flag == 1 && (fms_fpln_active == 2 || fms_fpln_active == 3)) {
    // Only an active route becomes modified; an activated one stays waiting for EXEC.
    if (fms_fpln_active == 3) StepFplnState();
    hold_page = row;
  }
  hold_page_cnt = hold_cnt;
  hold_at_leg = 0;
}

void DeleteLegHolds(int32_t leg_no, int32_t flag) {
  if (flag < 2) {
    int32_t found = 0;
    for (int32_t i = 1; i <= UsedHoldRows() && found == 0; ++i) {
      if (route_holds[i].leg == leg_no) found = i;
    }
    if (found > 0) RemoveHoldRow(found);
    hold_page_cnt = hold_cnt;
    edit_leg_idx = 0;
  }
  if (leg_no >= 0 && leg_no <= kLastRouteRow) fms_fpln_mod[leg_no].hold_idx = 0;
  if (flag > 0 && fms_fpln_active == 3) StepFplnState();
  cdu_message.clear();
  LeaveEmptyHoldPage();
}

void DeleteHoldRow(int32_t row) {
  if (row < 1 || row > UsedHoldRows()) return;
  RemoveHoldRow(row);
  hold_page_cnt = hold_cnt;
  LeaveEmptyHoldPage();
}

void DropHoldsOffModifiedRoute() {
  const auto named = [](int32_t row) {
    for (int32_t i = 0; i <= ClampedLastRow(fp_mod_cnt); ++i) {
      if (fms_fpln_mod[i].hold_idx == row) return true;
    }
    return false;
  };
  // A removal moves the later rows down, so the same row is looked at again.
  for (int32_t row = 1; row <= UsedHoldRows();) {
    if (named(row)) {
      ++row;
    } else {
      DeleteHoldRow(row);
    }
  }
}

void ReattachModHolds(int32_t from) {
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  for (int32_t r = 1; r <= UsedHoldRows(); ++r) {
    RouteHold& h = route_holds[r];
    const int32_t leg = h.saved_leg > 0 ? h.saved_leg : h.leg;
    if (leg < std::max(from, 0) || (leg <= last && fms_fpln_mod[leg].hold_idx == r)) continue;
    for (int32_t i = std::max(from, 0); i <= last; ++i) {
      RouteLeg& m = fms_fpln_mod[i];
      if (m.hold_idx != 0 || m.ident != h.fix) continue;
      m.hold_idx = r;
      h.saved_leg = i;
      break;
    }
  }
}

void RemoveAllHolds() {
  while (hold_cnt > 0) {
    const int32_t before = hold_cnt;
    DeleteLegHolds(route_holds[1].leg, 0);
    if (hold_cnt >= before) break;  // a row that cannot be found must not keep the loop going
  }
}

void PlaceRestoredHolds(const RouteHold* saved, int32_t count, bool executed) {
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  int32_t placed_row[kRouteHoldRows] = {};  // by saved row
  int32_t placed = 0;
  for (int32_t r = 1; r <= std::min(count, kMaxHolds); ++r) {
    const RouteHold& h = saved[r - 1];
    // The hold stands at its fix: a hold saved somewhere else (0N 0E) would never be flown.
    const bool named = h.leg >= 1 && h.leg <= last && fms_fpln_mod[h.leg].hold_idx == r &&
                       fms_fpln_mod[h.leg].ident == h.fix &&
                       CalcDistNm(h.lat, h.lon, fms_fpln_mod[h.leg].lat, fms_fpln_mod[h.leg].lon) <= kSameFixNm;
    // The rows stay in the order of their legs, which the hold sequencing relies on.
    if (!named || (placed > 0 && route_holds[placed].leg >= h.leg)) continue;
    RouteHold& row = route_holds[++placed];
    CopyHoldFields(h, row);
    row.saved_leg = executed ? 0 : h.leg;
    placed_row[r] = placed;
  }
  for (int32_t i = 0; i <= last; ++i) {
    int32_t& idx = fms_fpln_mod[i].hold_idx;
    idx = (idx >= 1 && idx <= kMaxHolds) ? placed_row[idx] : 0;
    if (executed) fms_fpln_act[i].hold_idx = idx;
  }
  hold_cnt = hold_page_cnt = placed;
  hold_page = 1;
  holds_present = placed > 0 ? 1 : 0;
}

void ReleaseModLegHold(int32_t mod_leg) {
  if (mod_leg < 0 || mod_leg > kLastRouteRow) return;
  const int32_t row = fms_fpln_mod[mod_leg].hold_idx;
  fms_fpln_mod[mod_leg].hold_idx = 0;
  if (row < 1 || row > UsedHoldRows()) return;
  RouteHold& hold = route_holds[row];
  if (hold.leg < 0 || hold.leg > ClampedLastRow(fp_cnt) || fms_fpln_act[hold.leg].hold_idx != row) {
    DeleteHoldRow(row);
    return;
  }
  edit_leg_idx = hold.leg;
  hold.saved_leg = 0;  // the leg is gone: later moves of the modified route must not renumber it
}
