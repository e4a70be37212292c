#include "fmc/route_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "sim/debug_log.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"
#include "navdb/mag_model.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

namespace {

void Refuse(const char* message) { cdu_message = message; }

// A direct-to from the present position, which EXEC takes as the LNAV from-point.
void StartDirectTo() {
  tmp_fr_lat = plane_lat;
  tmp_fr_lon = plane_lon;
  TmpFrId = "DIRECT";
  cdu_prompt_mode = 1;
}

void FillLegFromCandidate(RouteLeg& leg, const NavRecord& c) {
  ResetRouteLeg(leg);
  leg.ident = TextOf(c.ident);
  leg.lat = c.lat;
  leg.lon = c.lon;
  leg.type = TextOf(c.type);
  leg.freq = TextOf(c.extra);
  leg.intc_crs = kNoInterceptCourse;
}

bool AnyModRowNamed(const std::string& name, int32_t last) {
  for (int32_t i = 0; i <= ClampedLastRow(last); ++i) {
    if (fms_fpln_mod[i].ident == name) return true;
  }
  return false;
}

// "ABC01", "ABC02", ...: the first number no row of the modified route already bears.
std::string AlongTrackName(const std::string& ref_ident) {
  const std::string prefix = ref_ident.substr(0, 3);
  char name[32];
  for (int32_t n = 1;; ++n) {
    std::snprintf(name, sizeof name, "%s%02d", prefix.c_str(), n);
    if (!AnyModRowNamed(name, fp_mod_cnt)) return name;
  }
}

// The name of a place/bearing/distance point: the place's first three (or two) characters and one
// more than the highest number of the route's points already made from it.
std::string PlaceBearingName(std::string_view ident) {
  const std::string_view first2 = ident.substr(0, 2);
  const std::string_view first3 = ident.substr(0, 3);
  int32_t n = 1;
  bool two_chars = false;
  for (int32_t i = 1; i <= ClampedLastRow(fp_mod_cnt) - 1; ++i) {
    std::string_view leg = fms_fpln_mod[i].ident;
    // Past 99 the numbers grow a digit: "SEA100" counts as "SEA99" does.
    const int32_t n3 = first3.size() == 3 ? MadeNameNumber(leg, first3) : -1;
    const int32_t n2 = first2.size() == 2 ? MadeNameNumber(leg, first2) : -1;
    if (leg == first2) {
      n = 1;
      two_chars = true;
    } else if (leg == first3) {
      n = 1;
    } else if (n3 >= 0) {
      n = std::max(n, n3 + 1);
    } else if (n2 >= 0) {
      n = std::max(n, n2 + 1);
      two_chars = true;
    }
  }
  char name[32];
  const std::string prefix(two_chars ? first2 : first3);
  std::snprintf(name, sizeof name, two_chars ? "%2s%02d" : "%3s%02d", prefix.c_str(), n);
  return name;
}

void ClearEntryOffsets() {
  along_track_offset = 0.0;
  ClearPlaceOffset();
}

bool ValidModCount() { return fp_mod_cnt >= -1 && fp_mod_cnt <= kLastRouteRow; }

}  // namespace

void InsertTmpFplanWpt(int32_t ins_pos, int32_t sel) {
  const int32_t cnt = fp_mod_cnt;
  const bool along = along_track_offset != 0.0;
  // An along-track point is made into candidate row 1 whatever `sel` says. Rows past the list's count
  // are what an earlier search left there: no candidate of this one.
  bool ok = ValidModCount() && ins_pos >= 0 && ins_pos <= cnt + 1 &&
            (along || (sel >= 1 && sel <= std::min(nav_search_cnt, kNavSearchCapacity)));
  int32_t neighbour = 0;
  if (ok && along) {
    // The along-track point lies on the leg to the next or from the previous leg: both must exist,
    // a gap in the route is no leg to lie on, and a point past the leg's other end is on no leg
    // (10 NM typed as 100 put a point 84 NM beyond the next fix, the route doubling back to it).
    neighbour = along_track_offset > 0.0 ? ins_pos + 1 : ins_pos - 1;
    ok = ins_pos <= cnt && neighbour >= 0 && neighbour <= cnt && !IsPlaceholder(fms_fpln_mod[ins_pos]) &&
         !IsPlaceholder(fms_fpln_mod[neighbour]) &&
         std::fabs(along_track_offset) < CalcDistNm(fms_fpln_mod[ins_pos].lat, fms_fpln_mod[ins_pos].lon,
                                                    fms_fpln_mod[neighbour].lat, fms_fpln_mod[neighbour].lon);
  }
  int32_t pos = along && along_track_offset > 0.0 ? ins_pos + 1 : ins_pos;
  const bool hold_ppos = ok && !along && TextIs(nav_search_list[sel].ident, "HOLD PPOS");
  const bool disco_after = ok && !along && !hold_ppos && pos < cnt && !IsDisco(fms_fpln_mod[pos]);
  if (ok) ok = cnt + 1 + (disco_after ? 1 : 0) <= kLastRouteRow;
  if (!ok) {
    Refuse("INVALID ENTRY");
    ClearEntryOffsets();
    return;
  }

  if (along) {
    const RouteLeg& ref = fms_fpln_mod[ins_pos];
    const RouteLeg& next = fms_fpln_mod[neighbour];
    double dist_nm, brg_true;
    CalcDistBrg(ref.lat, ref.lon, next.lat, next.lon, &dist_nm, &brg_true);
    NavRecord& point = nav_search_list[1];
    // The bearing is already true: the point stays on the leg.
    CalcDestPoint(ref.lat, ref.lon, brg_true, std::fabs(along_track_offset), &point.lat, &point.lon);
    SetText(point.ident, AlongTrackName(ref.ident));
    sel = 1;
  }
  ins_pos = pos;
  if (mod_stpos == 999) mod_stpos = 1;

  // Named before the gap opens, so that every leg between origin and destination is looked at.
  NavRecord& cand = nav_search_list[sel];
  if (!along) {
    bool renamed = false;
    if (pbd_dist >= 1) {
      // The bearing is magnetic at the place, which may lie far from the aircraft.
      const int32_t place_var = GetMagVar(TruncToI32(cand.lat), TruncToI32(cand.lon));
      CalcDestPoint(cand.lat, cand.lon, norm360(pbd_brg + place_var), pbd_dist, &cand.lat, &cand.lon);
      renamed = true;
    } else if (pbd_brg2 >= 0.0) {
      renamed = true;
    }
    if (renamed) {
      // A point made from a place is neither navaid nor airport: no frequency or elevation of it.
      SetText(cand.ident, PlaceBearingName(TextOf(cand.ident)));
      SetText(cand.type, "WPT");
      ClearRecord(cand.extra);
      ClearRecord(cand.info);
    }
    if (hold_ppos) SetText(cand.ident, NextWaypointName());
  }
  ClearEntryOffsets();

  ShiftModLegsUp(ins_pos, 1);
  fp_mod_cnt = cnt + 1;
  FillLegFromCandidate(fms_fpln_mod[ins_pos], cand);

  if (ins_pos == stpos && fms_fpln_active >= 3) {
    StartDirectTo();
    LogLine("InsertTmpFplanWpt ins_pos =%d  - TmpFrId = 'DIRECT'\n", ins_pos);
  }

  if (disco_after) {
    ShiftModLegsUp(ins_pos + 1, 1);
    ++fp_mod_cnt;
    MakeDisco(fms_fpln_mod[ins_pos + 1]);
    CarryPlaceOfNextLeg(fms_fpln_mod, fp_mod_cnt, ins_pos + 1);
  }

  StepFplnStateAfterEdit();
  if (cdu_prompt_mode == 1) direct_pending = 1;
  if (cdu_prompt_mode == 2) cdu_prompt_mode = 1;
}

void NameCrossingCandidate() {
  if (pbd_dist >= 1 || pbd_brg2 < 0.0 || nav_search_cnt < 1) return;
  NavRecord& point = nav_search_list[1];
  SetText(point.ident, PlaceBearingName(TextOf(point.ident)));
}

void InsertDisco(int32_t pos) {
  if (pos == 0) pos = 1;
  const int32_t cnt = fp_mod_cnt;
  // In front of a gap the fix needs no second one.
  const bool disco_after = pos >= 1 && pos < cnt && !IsDisco(fms_fpln_mod[pos]);
  if (!ValidModCount() || pos < 1 || pos > cnt + 1 || cnt + 1 + (disco_after ? 1 : 0) > kLastRouteRow) {
    Refuse("INVALID ENTRY");
    return;
  }
  ShiftModLegsUp(pos, 1);
  fp_mod_cnt = cnt + 1;
  FillLegFromCandidate(fms_fpln_mod[pos], nav_search_list[1]);
  if (disco_after) {
    ShiftModLegsUp(pos + 1, 1);
    ++fp_mod_cnt;
    MakeDisco(fms_fpln_mod[pos + 1]);
    CarryPlaceOfNextLeg(fms_fpln_mod, fp_mod_cnt, pos + 1);
  }
  StepFplnStateAfterEdit();
}

void InsertAirwayJoin(int32_t pos) {
  const int32_t cnt = fp_mod_cnt;
  if (!ValidModCount() || pos < 0 || pos > cnt + 1 || cnt + 1 > kLastRouteRow) {
    Refuse("INVALID ENTRY");
    return;
  }
  ShiftModLegsUp(pos, 1);
  fp_mod_cnt = cnt + 1;
  // proc, freq, mach and intc_crs stay as the leg that moved up left them.
  RouteLeg& then = fms_fpln_mod[pos];
  then.ident = "THEN";
  then.type = "OAWY";
  then.lat = 0.0;
  then.lon = 0.0;
  then.leg_code = 0;
  then.aux_text.clear();
  then.eta.clear();
  then.restr = 0;
  then.alt = kNoConstraint;
  then.ias = -1.0;
  then.hold_idx = 0;
  then.via = cdu_scratchpad;
  StepFplnStateAfterEdit();
}

void RemoveThenRows() {
  if (fp_mod_cnt < 0) {
    fp_mod_cnt = -1;
  } else {
    int32_t k = 0;
    for (int32_t i = 0; i <= ClampedLastRow(fp_mod_cnt); ++i) {
      if (fms_fpln_mod[i].ident == "THEN") continue;
      if (i != k) MoveModLeg(i, k);
      ++k;
    }
    fp_mod_cnt = k - 1;
  }
  StepFplnStateAfterEdit();
}

void RemoveFPWpts(int32_t dlpos, int32_t to) {
  const int32_t cnt = fp_mod_cnt;
  if (!ValidModCount() || dlpos < 0 || dlpos > cnt || to < dlpos) {
    Refuse("INVALID DELETE");
    return;
  }
  const bool direct = dlpos == stpos && fms_fpln_active >= 3;
  if (direct) {
    StartDirectTo();
    LogLine("RemoveFPWpts() dlpos =%d  - TmpFrId = 'DIRECT'\n", dlpos);
  }
  if (to > cnt) {
    fp_mod_cnt = dlpos;
  } else {
    for (int32_t k = to; k <= cnt; ++k) MoveModLeg(k, dlpos + (k - to));
    fp_mod_cnt = dlpos + (cnt - to);
  }
  // A DIRECT TO flies from the aircraft: an intercept course an earlier edit gave the fix is not this one.
  if (direct && dlpos <= fp_mod_cnt) fms_fpln_mod[dlpos].intc_crs = kNoInterceptCourse;
  StepFplnStateAfterEdit();
  cdu_scratchpad.clear();
  BuildRteRows();
}

void CollapseFollowingLegs(int32_t n, const std::string& via) {
  if (ValidModCount() && n >= -1) {
    const int32_t next = n + 1;
    while (next < fp_mod_cnt && fms_fpln_mod[next].via == via) {
      for (int32_t k = next + 1; k <= fp_mod_cnt; ++k) MoveModLeg(k, k - 1);
      --fp_mod_cnt;
    }
  }
  StepFplnStateAfterEdit();
}
