#include "fmc/route_model.h"

#include <string_view>

#include "fmc/fmc_globals.h"
#include "fmc/hold_legs.h"

void ResetRouteLeg(RouteLeg& leg) {
  leg.ident.clear();
  leg.lat = 0.0;
  leg.lon = 0.0;
  leg.type.clear();
  leg.via.clear();
  leg.proc.clear();
  leg.aux_text.clear();
  leg.eta.clear();
  leg.alt = kNoConstraint;
  leg.ias = kNoConstraint;
  leg.intc_crs = kNoConstraint;
  leg.leg_code = 0;
  leg.restr = 0;
  leg.hold_idx = 0;
  leg.freq.clear();
}

void CopyLegForMove(const RouteLeg& from, RouteLeg& to) {
  to.ident = from.ident;
  to.lat = from.lat;
  to.lon = from.lon;
  to.type = from.type;
  to.via = from.via;
  to.proc = from.proc;
  to.aux_text = from.aux_text;
  to.eta = from.eta;
  to.alt = from.alt;
  to.ias = from.ias;
  to.intc_crs = from.intc_crs;
  to.leg_code = from.leg_code;
  to.restr = from.restr;
  to.hold_idx = from.hold_idx;
  to.freq = from.freq;
}

void MoveModLeg(int32_t from, int32_t to) {
  CopyLegForMove(fms_fpln_mod[from], fms_fpln_mod[to]);
  if (next_restr_leg_mod == from) next_restr_leg_mod = to;
  RenumberHoldLeg(to, from);
}

void ShiftModLegsUp(int32_t row, int32_t n) {
  for (int32_t k = ClampedLastRow(fp_mod_cnt); k >= row; --k) MoveModLeg(k, k + n);
}

void CopyActiveToModRoute() {
  for (int32_t i = 0; i <= ClampedLastRow(fp_cnt); ++i) {
    const RouteLeg& a = fms_fpln_act[i];
    RouteLeg& m = fms_fpln_mod[i];
    CopyLegForMove(a, m);
    m.mach = a.mach;
    m.eta.clear();
  }
  fp_mod_cnt = fp_cnt;
  mod_stpos = stpos;
  next_restr_leg_mod = next_restr_leg;
  SaveHoldLegs();
}

void ResetModRoute() {
  for (int32_t i = 0; i <= ClampedLastRow(fp_mod_cnt); ++i) ResetRouteLeg(fms_fpln_mod[i]);
  for (int32_t i = 0; i <= ClampedLastRow(rte_row_cnt); ++i) {
    rte_rows[i].to_fix.clear();
    rte_rows[i].via.clear();
  }
}

void BuildRteRows() {
  const int32_t old_cnt = ClampedLastRow(rte_row_cnt);
  rte_row_cnt = 0;
  std::string_view last_via;  // the via of the line being continued
  for (int32_t i = 1; i <= ClampedLastRow(fp_mod_cnt) - 1; ++i) {
    const RouteLeg& leg = fms_fpln_mod[i];
    if (leg.via.empty()) {
      RteRow& row = rte_rows[++rte_row_cnt];
      row.to_fix = leg.ident;
      row.via = "DIRECT";
      row.proc.clear();
      last_via = "DIRECT";
    } else if (leg.via == last_via && leg.ident != "THEN") {
      rte_rows[rte_row_cnt].to_fix = leg.ident;
    } else {
      RteRow& row = rte_rows[++rte_row_cnt];
      row.to_fix = leg.ident;
      row.via = leg.via;
      row.proc = leg.proc;
      last_via = leg.via;
    }
  }
  for (int32_t n = rte_row_cnt + 1; n <= old_cnt; ++n) {
    rte_rows[n].to_fix.clear();
    rte_rows[n].via.clear();
  }
}

int32_t PlaceRowOf(const RouteLeg* legs, int32_t last, int32_t row) {
  last = ClampedLastRow(last);
  if (row < 0 || row > last) return -1;
  for (int32_t i = row; i <= last; ++i) {
    if (!IsPlaceholder(legs[i])) return i;
  }
  return PreviousPlaceRow(legs, row);
}

int32_t PreviousPlaceRow(const RouteLeg* legs, int32_t row) {
  for (int32_t i = ClampedLastRow(row - 1); i >= 0; --i) {
    if (!IsPlaceholder(legs[i])) return i;
  }
  return -1;
}

void MakeDisco(RouteLeg& leg) {
  leg.ident = "DISCO";
  leg.via.clear();
  leg.proc.clear();
  leg.type.clear();
  leg.aux_text.clear();
  leg.eta.clear();
  leg.leg_code = 0;
  leg.hold_idx = 0;
  leg.intc_crs = kNoInterceptCourse;
}

void CarryPlaceOfNextLeg(RouteLeg* legs, int32_t last, int32_t row) {
  const int32_t from = PlaceRowOf(legs, last, row);
  if (from < 0 || from == row) return;
  RouteLeg& gap = legs[row];
  const RouteLeg& place = legs[from];
  gap.lat = place.lat;
  gap.lon = place.lon;
  gap.alt = place.alt;
  gap.ias = place.ias;
  gap.restr = place.restr;
}
