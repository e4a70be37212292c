#include "fmc/route_state.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/airspeed.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "fmc/route_model.h"
#include "sim/fuel_tanks.h"
#include "sim/readers_flight.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "base/int_conversion.h"
#include "platform/host_api.h"
#include "state/state_globals.h"

namespace {

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;
constexpr double kGroundLoadMaxSpeedKt = 5.0;
constexpr double kDefaultMachAltFt = 30000.0;

// What a loaded plan left waiting is applied on the first entry while the aircraft stands.
void ApplyWaitingPlanValues() {
  if (!(ground_speed < kGroundLoadMaxSpeedKt)) return;
  if (LoadFuelonFlightPlanLoad == 1 && plan_fuel > 5.0 && plan_fuel_set == 1) {
    LoadFuel(plan_fuel);
    plan_fuel_set = 0;
  }
  if (SetMCPCruiseAltonFlightPlanLoad == 1 && pending_cruise_alt >= 1000 && pending_cruise_alt_set == 1) {
    host::TriggerKeyEvent(kMcpAltitudeEvent, pending_cruise_alt);
    pending_cruise_alt_set = 0;
  }
}

// A pending speed entry keeps the values it replaced; each member comes back only when its own
// copy holds one (a speed-only entry saved no Mach, which must not become 0).
void RestoreSpeedPair(double* spd_prev, double* mach_prev, int32_t* ias, double* mach) {
  if (!(*spd_prev > 0.0 || *mach_prev > 0.0)) return;
  if (*spd_prev > 0.0) *ias = TruncToI32(*spd_prev);
  if (*mach_prev > 0.0) *mach = *mach_prev;
  *spd_prev = 0.0;
  *mach_prev = 0.0;
}

FlownSpeeds Flown(int32_t ias_kt, double mach, double ias_prev_kt, double mach_prev) {
  return {ias_prev_kt > 0.0 ? ias_prev_kt : ias_kt, mach_prev > 0.0 ? mach_prev : mach};
}

}  // namespace

FlownSpeeds FlownClimbSpeeds() { return Flown(climb_ias, climb_mach, clb_spd_prev, clb_mach_prev); }
FlownSpeeds FlownCruiseSpeeds() { return Flown(cruise_ias, cruise_mach, crz_spd_prev, crz_mach_prev); }
FlownSpeeds FlownDescentSpeeds() { return Flown(descent_ias, descent_mach, des_spd_prev, des_mach_prev); }

void StepFplnState() {
  switch (fms_fpln_active) {
    case 0:
      fms_fpln_active = 1;
      ApplyWaitingPlanValues();
      break;
    case 1:
      fms_fpln_active = 2;
      break;
    case 2:
      fms_fpln_active = 3;
      break;
    case 3:
      fms_fpln_active = 4;
      saved_stpos = stpos;
      break;
    case 4:
      fms_fpln_active = 3;
      break;
    default:
      break;
  }
}

void StepFplnStateAfterEdit() {
  if (fms_fpln_active == 0 || fms_fpln_active == 3) StepFplnState();
}

void DiscardPendingEntries() {
  cdu_prompt_mode = 0;
  TmpFrId.clear();
  clear_holds_on_exec = 0;
  new_fpln_loaded = 0;
  orig_entry.clear();
  dest_entry.clear();
  rte_rwy_entry = kNoProcSelection;
  pending_cruise_alt = 0;
  // What a loaded plan left waiting for the next entry on the ground belongs to that plan.
  pending_cruise_alt_set = 0;
  plan_fuel_set = 0;

  sid_sel = sid_sel_act;
  sid_trans_sel = sid_trans_sel_act;
  dep_rwy_sel = dep_rwy_sel_act;
  star_sel = star_sel_act;
  star_trans_sel = star_trans_sel_act;
  arr_rwy_sel = arr_rwy_sel_act;
  arr_appr_sel = arr_appr_sel_saved;
  arr_appr_trans_sel = arr_appr_trans_sel_saved;

  RestoreSpeedPair(&clb_spd_prev, &clb_mach_prev, &climb_ias, &climb_mach);
  RestoreSpeedPair(&des_spd_prev, &des_mach_prev, &descent_ias, &descent_mach);
  RestoreSpeedPair(&crz_spd_prev, &crz_mach_prev, &cruise_ias, &cruise_mach);
  if (cruise_alt_prev != 0) {
    cruise_alt = cruise_alt_prev == kKeptNoCruiseAlt ? 0 : cruise_alt_prev;
    cruise_alt_prev = 0;
  }
  if (cost_index_prev != -1) {
    cost_index = cost_index_prev == kKeptNoCostIndex ? -1 : cost_index_prev;
    cost_index_prev = -1;
  }
  edit_leg_idx = 0;
  direct_pending = 0;
  saved_stpos = 0;
}

void FollowPassageInModification(int32_t passed) {
  if (fms_fpln_active != 4 || new_fpln_loaded == 1 || saved_stpos != passed) return;
  if (passed < 0 || passed >= ClampedLastRow(std::min(fp_mod_cnt, fp_cnt))) return;
  const RouteLeg& mod = fms_fpln_mod[passed];
  const RouteLeg& act = fms_fpln_act[passed];
  if (mod.ident == act.ident && mod.lat == act.lat && mod.lon == act.lon) saved_stpos = passed + 1;
}

int32_t ModifiedActiveLeg() {
  const bool left_behind = fms_fpln_active == 4 && stpos != kNoActiveLeg && saved_stpos >= 1 && saved_stpos < stpos;
  return left_behind ? saved_stpos : stpos;
}

void KeepCruiseAltForErase() {
  if (cruise_alt_prev == 0) cruise_alt_prev = cruise_alt > 0 ? cruise_alt : kKeptNoCruiseAlt;
}

void TakeCruiseAltEntry(int32_t ft) {
  // In flight the tick lowers the cruise altitude at each descent segment while the entry waits: a
  // value kept for ERASE would put the segment's start back.
  if (fms_fpln_active < 3) {
    KeepCruiseAltForErase();
    cruise_alt = ft;
  }
  pending_cruise_alt = ft;
}

bool DescentUnderway() { return fms_fpln_active >= 3 && init_tod == 1 && ReadOnGround() == 0; }

void KeepCostIndexForErase() {
  if (cost_index_prev == -1) cost_index_prev = cost_index > -1 ? cost_index : kKeptNoCostIndex;
}

void ClearDepartureSelections() {
  for (std::string* s : {&sid_sel, &sid_trans_sel, &dep_rwy_sel, &rte_rwy_entry}) *s = kNoProcSelection;
  std::fill(std::begin(plan_dep_texts), std::end(plan_dep_texts), kNoProcSelection);
  fms_dep_rwy_pos = 0;
}

const std::string& LoadedDestination() { return dest_entry.empty() ? dest_ident : dest_entry; }

void ClearArrivalSelections() {
  for (std::string* s : {&star_sel, &star_trans_sel, &arr_rwy_sel}) *s = kNoProcSelection;
  std::fill(std::begin(plan_arr_texts), std::end(plan_arr_texts), kNoProcSelection);
  fms_dest_rwy_pos = 0;
  // The ARRIVALS page marks its rows by number: at a new airport those numbers name other procedures.
  arr_rwy_chosen = appr_chosen = appr_trans_chosen = arr_appr_sel = arr_appr_trans_sel = star_trans_chosen = 0;
}

void ResetActiveRoute() {
  // The modification goes with the route, and what was typed or picked for it: its legs would
  // otherwise stay listed on RTE LEGS and come back as a route with no origin at the next EXEC.
  DiscardPendingEntries();
  ResetModRoute();
  fp_mod_cnt = -1;  // no rows, as after a panel state that holds no route
  mod_stpos = kNoActiveLeg;
  intc_leg = hold_at_leg = wpt_pick_row = 0;
  for (int32_t i = 0; i <= ClampedLastRow(fp_cnt); ++i) ResetRouteLeg(fms_fpln_act[i]);
  fp_cnt = 0;
  stpos = kNoActiveLeg;
  for (int32_t i = 0; i <= ClampedLastRow(rte_row_cnt); ++i) {
    rte_rows[i].to_fix.clear();
    rte_rows[i].via.clear();
  }

  v1 = v1_set = cfg_v1;
  vr = vr_set = cfg_vr;
  v2 = v2_set = cfg_v2;
  vref = cfg_vref;
  ldg_flaps = LdgFlaps;
  to_flaps = ToFlaps;

  rte_row_cnt = 0;
  clear_holds_on_exec = 0;
  hold_cnt = 0;
  route_holds[1].leg = 0;
  co_route = "----------";

  climb_ias = ClimbIas;
  cruise_ias = CruiseIas;
  descent_ias = DescentIas;
  climb_mach = ConvertIasToMach(climb_ias, kDefaultMachAltFt);
  cruise_mach = ConvertIasToMach(cruise_ias, kDefaultMachAltFt);
  descent_mach = ConvertIasToMach(descent_ias, kDefaultMachAltFt);
  climb_rate = 3300;

  cruise_alt = 0;
  init_cruise_alt = 0;
  man_climb_spd = man_cruise_spd = man_descent_spd = 0;
  tod_pause_done = dest_dist_pause_done = tod_1x_done = 0;
  toc = tod = init_tod = 0;

  ClearDepartureSelections();
  ClearArrivalSelections();
  orig_ident = dest_ident = plan_orig_key = kNoProcSelection;
  orig_entry.clear();
  dest_entry.clear();

  arr_sel_state = dep_sel_state = dep_rwy_chosen = arr_rwy_chosen = 0;
  fms_dep_rwy_pos = fms_dest_rwy_pos = 0;

  fms_fpln_active = 0;
  lnav_leg[0].FrId.clear();
  lnav_leg[0].ToId.clear();
  annuncement_mode = 0;
}

void ResetAltCalloutFlags() {
  for (int32_t* flag : {&alt_call_500_done, &alt_call_400_done, &alt_call_300_done, &alt_call_200_done,
                        &alt_call_100_done, &alt_call_50_done, &alt_call_40_done, &alt_call_30_done,
                        &alt_call_20_done, &alt_call_10_done, &alt_call_appr_mins_done, &alt_call_mins_done}) {
    *flag = 0;
  }
}

namespace {

const RunwayRecord* RunwayAt(const AirportRecord& apt, int32_t row) {
  if (row < 1 || row > apt.rwy_cnt || row >= kAirportRunwayRows) return nullptr;
  return &apt.runways[row];
}

void PlaceOn(RouteLeg& leg, const RunwayRecord* rwy) {
  if (rwy == nullptr) return;
  leg.lat = rwy->lat;
  leg.lon = rwy->lon;
}

}  // namespace

void PlaceRunwayThresholds(RouteLeg* legs, int32_t last) {
  PlaceOn(legs[0], RunwayAt(airport_recs[1], fms_dep_rwy_pos));
  PlaceOn(legs[ClampedLastRow(std::max(last, 0))], RunwayAt(airport_recs[2], fms_dest_rwy_pos));
}

void PlaceOriginOnChosenRunway() {
  const RunwayRecord* rwy = RunwayAt(airport_recs[1], fms_dep_rwy_pos);
  const std::string_view origin = TextOf(airport_recs[1].icao);
  for (RouteLeg* legs : {fms_fpln_act, fms_fpln_mod}) {
    // The route flown while a modification waits is placed by its EXEC.
    if (legs == fms_fpln_act && fms_fpln_active == 4) continue;
    if (legs[0].type == "APT" && legs[0].ident == origin) PlaceOn(legs[0], rwy);
  }
}
