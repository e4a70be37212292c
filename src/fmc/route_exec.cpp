#include "fmc/route_exec.h"

#include <algorithm>
#include <string>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/descent_altitude.h"
#include "fmc/fmc_globals.h"
#include "fmc/hold_legs.h"
#include "fmc/plan_handover.h"
#include "fmc/proc_route.h"
#include "fmc/route_following.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "fmc/thrust_limits.h"
#include "fmc/vertical_profile.h"
#include "sim/sim_globals.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;
// LoadAirportInfo modes: runways, then the origin row's altitude / the last row's constraint / the
// crossing altitude.
constexpr int32_t kInfoOrigin = 0;
constexpr int32_t kInfoDestination = 1;
constexpr int32_t kInfoNewDestination = 2;

// A pending edit of a speed pair makes that pair the pilot's own.
void SettlePendingSpeed(double* spd_prev, double* mach_prev, int32_t* manual_flag) {
  if (*spd_prev > 0.0 || *mach_prev > 0.0) {
    *spd_prev = 0.0;
    *mach_prev = 0.0;
    *manual_flag = 1;
  }
}

void ClearManualSpeeds() { man_climb_spd = man_cruise_spd = man_descent_spd = 0; }

void CopyPendingSelections() {
  if (rte_rwy_entry != kNoProcSelection && !rte_rwy_entry.empty()) {
    dep_rwy_sel = rte_rwy_entry;
    rte_rwy_entry = kNoProcSelection;
    sid_legs_rwy = kNoProcSelection;
  }
  sid_sel_act = sid_sel;
  sid_trans_sel_act = sid_trans_sel;
  dep_rwy_sel_act = dep_rwy_sel;
  star_sel_act = star_sel;
  star_trans_sel_act = star_trans_sel;
  arr_rwy_sel_act = arr_rwy_sel;
  if (dep_rwy_sel_act != kNoProcSelection) {
    if (int32_t row = RunwayTableRow(airport_recs[1], dep_rwy_sel_act)) fms_dep_rwy_pos = row;
  }
  if (arr_rwy_sel_act != kNoProcSelection) {
    if (int32_t row = RunwayTableRow(airport_recs[2], arr_rwy_sel_act)) fms_dest_rwy_pos = row;
  }
}

void SettlePendingPerformanceEdits(bool plan_in_descent) {
  SettlePendingSpeed(&clb_spd_prev, &clb_mach_prev, &man_climb_spd);
  SettlePendingSpeed(&crz_spd_prev, &crz_mach_prev, &man_cruise_spd);
  SettlePendingSpeed(&des_spd_prev, &des_mach_prev, &man_descent_spd);
  if (cruise_alt_prev != 0) {
    const int32_t old_alt = cruise_alt_prev;
    cruise_alt_prev = 0;
    if (old_alt > 0 && old_alt < cruise_alt) toc = 0;  // a higher cruise altitude re-arms the T/C
  }
  if (cost_index_prev != -1) {
    // Only a cost index that replaced another gives the speeds back to it.
    if (cost_index_prev > -1) ClearManualSpeeds();
    cost_index_prev = -1;
  }
  if (new_fpln_loaded == 1) {
    new_fpln_loaded = 0;
    // A plan taken over in the descent goes on with it, as any other EXEC there: its cruise level lies
    // behind, and a T/C armed again would level the aircraft off and plan a climb.
    if (fms_fpln_active >= 3 && !plan_in_descent) cruise_alt = 0;
    ClearManualSpeeds();
    stpos = 1;
    tod_pause_done = tod_1x_done = dest_dist_pause_done = 0;
    if (!plan_in_descent) toc = tod = init_tod = 0;
  }
  if (cost_index > -1) InterpolateEconSpeeds();
}

// An airway still waiting for its exit fix is flown as a discontinuity.
void TurnAirwayJoinsIntoDiscontinuities() {
  for (int32_t i = 0; i <= ClampedLastRow(fp_mod_cnt); ++i) {
    if (IsThen(fms_fpln_mod[i])) MakeDisco(fms_fpln_mod[i]);
  }
}

// Every discontinuity of the active route stands at the leg after it, whatever was edited around it
// since it was made or where the runway threshold has put that leg.
void PlaceDiscontinuities() {
  for (int32_t i = 0; i <= ClampedLastRow(fp_cnt); ++i) {
    if (IsDisco(fms_fpln_act[i])) CarryPlaceOfNextLeg(fms_fpln_act, fp_cnt, i);
  }
}

// A direct-to ends the circuit being flown, also one to the hold's own fix: the aircraft goes there
// first and the hold begins again at the fix. (A hold whose fix is no longer the leg flown to stops
// steering in the traffic pattern itself.)
void EndCircuitOnDirectTo() {
  if (TmpFrId == "DIRECT") pattern_leg = 0;
}

void CopyModifiedToActive() {
  stpos = ModifiedActiveLeg();
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  for (int32_t i = 0; i <= last; ++i) CopyLegForMove(fms_fpln_mod[i], fms_fpln_act[i]);
  if (clear_holds_on_exec == 1) {
    // A new plan flies none of the old route's holds, nor the circuit of one.
    RemoveAllHolds();
    clear_holds_on_exec = 0;
  }
  RestoreHoldLegs();
  if (stpos == kNoActiveLeg || stpos < 1) stpos = 1;
  fp_cnt = last;
  if (stpos < fp_cnt && IsDisco(fms_fpln_act[stpos])) ++stpos;
  // The active leg must lie on the route just executed.
  if (stpos > fp_cnt) stpos = fp_cnt;
}

void SettleLnavLeg(bool new_plan) {
  const RouteLeg& to = fms_fpln_act[stpos];
  LnavLeg& lnav = lnav_leg[0];
  act_wpt_lat = to.lat;
  act_wpt_lon = to.lon;
  lnav.ToId = to.ident;
  lnav.to_lat = to.lat;
  lnav.to_lon = to.lon;
  if (TmpFrId == "DIRECT") {
    lnav.FrId = "DIRECT";
    lnav.fr_lat = tmp_fr_lat;
    lnav.fr_lon = tmp_fr_lon;
    tmp_fr_lat = tmp_fr_lon = 0.0;
    TmpFrId.clear();
  } else if (lnav.FrId != "DIRECT" || new_plan) {
    // A new plan's leg 1 starts at its own first row, not at a direct-to flown on the route it replaces.
    SetLnavFromLeg(fms_fpln_act[stpos - 1]);
  }
}

void LoadChangedDestination() {
  const RouteLeg& last = fms_fpln_act[fp_cnt];
  if (last.type != "APT") return;
  if (fms_fpln_active < 3) {
    LoadAirportInfo(last.ident, kInfoDestination);
    ClearDisplayTables(0);
  }
  if (fms_fpln_active == 4 && !dest_entry.empty()) {
    dest_ident = dest_entry;
    dest_entry.clear();
    LoadAirportInfo(last.ident, kInfoNewDestination);
  }
  if (last.ident != dest_ident) {
    dest_ident = last.ident;
    LoadAirport(dest_ident, 2);
    ClearArrivalSelections();
    plan_dest_key = kNoProcSelection;
  }
}

void LoadChangedOrigin() {
  const RouteLeg& origin = fms_fpln_act[0];
  if (origin.type != "APT") return;
  if (fms_fpln_active < 3) {
    LoadAirportInfo(origin.ident, kInfoOrigin);
    apt_info_loaded = 1;
  }
  if (!orig_entry.empty()) {
    orig_ident = orig_entry;
    orig_entry.clear();
    if (fms_fpln_active == 3) LoadAirportInfo(origin.ident, kInfoOrigin);
  }
  if (origin.ident != orig_ident) {
    orig_ident = origin.ident;
    LoadAirport(orig_ident, 1);
    ClearDepartureSelections();
    plan_orig_key = kNoProcSelection;
    if (startup_phase == 0) {
      climb_ias = ClimbIas;
      cruise_ias = CruiseIas;
      descent_ias = DescentIas;
    }
    RemoveAllHolds();
  }
}

// A cruise altitude raised above the aircraft is a climb again: the T/C and T/D reached at the
// lower one, and the descent planned from them, no longer hold.
void RearmClimb() {
  toc = tod = init_tod = 0;
  toc_dist_done = 0;
}

void SetCrossingPoint(double alt_ft, double lat, double lon) {
  cross_at_elev = alt_ft;
  cross_at_lat = lat;
  cross_at_lon = lon;
  cross_at_row = -1;
}

void RecomputeProfile() {
  if (init_tod == 0) init_cruise_alt = cruise_alt;
  // Past the T/C the climb lies behind the active leg, and there is none left to place: a T/C row on
  // the legs ahead would keep the descent from planning them and end its segment before the active
  // leg's constraint.
  if (toc == 1) {
    toc_stpos = std::min(toc_stpos, stpos - 1);
  }
  CalcRouteProfile(cruise_alt);
  if (toc == 0) PredictToc(0);
  ComputeRouteDistances();
  PredictTod(0);
  ComputeRouteDistances();
  SetCrossingPoint(cruise_alt, toc_lat, toc_lon);
  if (stpos <= fp_cnt) {
    next_restr_leg = fp_cnt;
    for (int32_t i = stpos; i <= fp_cnt; ++i) {
      const int32_t r = fms_fpln_act[i].restr;
      if ((r == 1 || r == 3) && !IsDisco(fms_fpln_act[i])) {  // not the copy a "DISCO" carries
        next_restr_leg = i;
        break;
      }
    }
  }
  const bool restr_leg_valid = next_restr_leg >= 0 && next_restr_leg <= fp_cnt;
  const int32_t restr_row = restr_leg_valid ? next_restr_leg : fp_cnt;
  if (toc == 0) {
    // A constraint below the aircraft belongs to the descent: the climb's target stays the T/C.
    if (next_restr_leg < PredictToc(1) && fms_fpln_act[restr_row].alt >= plane_alt) SetCrossingRow(restr_row);
  } else {
    if (tod == 0) PredictTod(0);
    SetCrossingRow(restr_row);
    if (vnav == 1 && tod == 1) {
      host::TriggerKeyEvent(kMcpAltitudeEvent, DescentAltitudeTarget().alt_ft);
    }
  }
  CopyActiveToModRoute();
  BuildRteRows();
}

}  // namespace

void ClearDisplayTables(int32_t n) {
  for (int32_t row = 1; row <= 2; ++row) {
    if (n >= 1 && row != n) continue;
    FixInfoEntry& e = fix_info[row];
    const std::string type = e.type;
    e = FixInfoEntry{};
    e.type = type;
  }
}

void ExecRoute() {
  next_restr_leg = next_restr_leg == 0 ? fp_mod_cnt : next_restr_leg_mod;
  if (stpos != kNoActiveLeg) map_ctr_leg = stpos;
  CopyPendingSelections();
  cdu_prompt_mode = 0;
  if (edit_leg_idx > 0) DeleteLegHolds(edit_leg_idx, 0);
  if (fp_mod_cnt >= 1) DropHoldsOffModifiedRoute();
  const bool new_plan = new_fpln_loaded == 1;
  const bool plan_in_descent = new_plan && DescentUnderway();
  // The path VNAV flies before the EXEC: down from its start, or level to it; its altitude here.
  const bool path_flown = DescentUnderway() && toc == 1 && tod == 1;
  const bool level_to_path = path_start_ahead_nm > 0.0;
  const double path_alt_here = route_dist_sum > 0.0 ? vnav_path_alt : plane_alt;
  // A constraint the look-ahead has sequenced is still the path's end until the aircraft gets there
  // (its row, no longer constrained, may be planned anew below).
  const bool crossing_sequenced = path_flown && DescentPathEndRow() == stpos - 1;
  const double crossing[] = {cross_at_elev, cross_at_lat, cross_at_lon};
  const int32_t crossing_row = cross_at_row;
  SettlePendingPerformanceEdits(plan_in_descent);
  arr_appr_sel_saved = arr_appr_sel;
  arr_appr_trans_sel_saved = arr_appr_trans_sel;
  cdu_prompt_mode = 0;
  direct_pending = 0;

  if (fp_mod_cnt >= 1) {
    TurnAirwayJoinsIntoDiscontinuities();
    CopyModifiedToActive();
    EndCircuitOnDirectTo();
    SettleLnavLeg(new_plan);
    PlaceRunwayThresholds(fms_fpln_act, fp_cnt);
    PlaceDiscontinuities();
    LoadChangedDestination();
    LoadChangedOrigin();
    const int32_t old_state = fms_fpln_active;
    fms_fpln_active = 3;
    if (pending_cruise_alt > 0) {
      if (pending_cruise_alt > cruise_alt && !CruiseAltitudeReached(pending_cruise_alt)) RearmClimb();
      cruise_alt = pending_cruise_alt;
      pending_cruise_alt = 0;
    }
    if (cruise_alt >= 1000) RecomputeProfile();
    // VNAV flies from the aircraft to the crossing point of the route just executed, so the path does
    // too: on from where the aircraft is, or, still level short of the descent, from the T/D placed
    // on the new route. Short of a constraint already sequenced it runs on down to that constraint.
    if (path_flown) {
      if (crossing_sequenced && crossing_row == stpos - 1) {
        SetCrossingPoint(crossing[0], crossing[1], crossing[2]);
        cross_at_row = crossing_row;
      } else {
        level_to_path ? StartDescentAtTod() : StartDescentSegmentHere(path_alt_here);
      }
      ComputeRouteDistances();
    }
    if (vnav == 1 && old_state == 4) {
      vnav_des_active = 0;
      vnav_cruise = 0;
      vnav_init_flag = 1;
      exec_reset_word = -999;
      vnav_last_set_spd = -999.0;
    }
    pending_cruise_alt = 0;
    dist_to_active_wpt = kNoActiveWpt;
  }

  if (cdu_message == "RTE UPLINK OK") cdu_message.clear();
  if (fms_fpln_active == 3 && stpos != kNoActiveLeg && annuncement_mode == 0 && ReadOnGround() != 0) {
    annuncement_mode = 1;
  }
  if (synchfplanwithfsgps == 1) LoadPlanIntoSim();
}
