#include "afds/tick_route.h"

#include <cstdio>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/lnav_engage.h"
#include "afds/vnav_speed.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_following.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "fmc/traffic_pattern.h"
#include "fmc/vertical_profile.h"
#include "afds/vnav_targets.h"
#include "sim/fuel_tanks.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "afds/tick_vnav.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kHeadingBugEvent = 0x101FA;

// Passages are acted on only in the air; on the ground the route waits.
constexpr double kMinPassageRadioHeightFt = 400.0;
// The abeam test needs a steady track; below this speed the aircraft may still be manoeuvring.
constexpr double kMinAbeamGroundSpeedKt = 100.0;
// The leg time is a time of passage, not of taxi.
constexpr double kMinStampGroundSpeedKt = 65.0;
// An early turn is considered this close to the waypoint only.
constexpr double kEarlyTurnRangeNm = 10.0;
constexpr double kAimPointAheadNm = 3.0;
constexpr double kLookAheadSeconds = 30.0;
constexpr double kKgPerLb = 0.45359237;


// The active leg, or nullptr when stpos lies outside the table (999 included).
RouteLeg* ActiveLeg() {
  if (stpos < 0 || stpos > kLastRouteRow) return nullptr;
  return &fms_fpln_act[stpos];
}

// The row LNAV flies from: the leg before the active one (the origin row when the origin is active).
const RouteLeg& FromLeg() { return fms_fpln_act[stpos > 0 ? stpos - 1 : 0]; }

// A wrapped bearing: below `floor` it gets 360 added, otherwise from 360 on 360 is taken off.
double WrapBearing(double brg, double floor) {
  if (brg < floor) return brg + 360.0;
  if (brg >= 360.0) return brg - 360.0;
  return brg;
}

// The heading modes that flew the aircraft to an LNAV intercept are dropped through their switches.
void DropInterceptHeadingModes() {
  if (hdg_hold_mode == 1) ToggleHdgHold();
  if (hdg_sel_mode == 1) ToggleHdgSel();
}

void RecordProgressFrom(const RouteLeg& passed) {
  prog_from_ident = passed.ident;
  char ata[32];
  std::snprintf(ata, sizeof ata, "%02.0f%02.0fZ", zulu_hour, zulu_min);
  prog_from_ata = ata;
  prog_from_alt = plane_alt;
  prog_from_fuel = GetTotalFuelWeight();
  if (weight_unit == "KGS") prog_from_fuel *= kKgPerLb;
}

// The passed leg's constraint is used up. In the descent VNAV still flies down to it until the
// aircraft gets there, half a minute after this passage at the look-ahead; the next segment starts
// there (RunTocTodBlock).
void ClearPassedConstraint(RouteLeg& passed) {
  if (passed.restr > 0) passed.restr = 0;
}

void SequenceLeg() {
  vnav_near_restr_done = 0;
  if (pattern_phase == 4) pattern_phase = 0;
  if (stpos >= ClampedLastRow(fp_cnt)) {
    lnav = 0;  // past the last row: nothing left to fly
    lnav_init_mode = 0;  // nor anything to arm
    return;
  }
  RouteLeg& passed = fms_fpln_act[stpos];
  if (IsDisco(passed)) {
    // A discontinuity is no place passed: the FROM line and the start of a descent segment stay
    // with the last waypoint (the constraint it carries is the next leg's).
    passed.restr = 0;
  } else {
    RecordProgressFrom(passed);
    ClearPassedConstraint(passed);
  }
  ++stpos;
  FollowPassageInModification(stpos - 1);

  const RouteLeg& to = fms_fpln_act[stpos];
  SetLnavLegToRow(stpos);

  ComputeRouteDistances();
  vnav_des_active = 0;
  ProcVnavDescent();

  // Sequencing while an intercept is armed engages LNAV on the new leg.
  lnav_init_done = 1;
  if (lnav_init_mode == 1) {
    lnav_init_mode = 0;
    DropInterceptHeadingModes();
  }
  act_wpt_lat = to.lat;
  act_wpt_lon = to.lon;
}

bool SequencingAllowedByPattern() { return holds_present == 0 || pattern_leg == 0 || pattern_phase == 4; }

void ComputeAimPointOnIntercept() {
  // Along the intercept course from where LNAV was armed, measured on its great circle (the distance
  // still to go to the intercept point says where the aircraft is only while it flies that course).
  const double crs_true = lnav_join_trk + mag_var;
  double along_nm = 0.0, cross_unused = 0.0;
  CalcTrackOffsets(lnav_init_lat, lnav_init_lon, crs_true, plane_lat, plane_lon, &along_nm, &cross_unused);
  CalcDestPoint(lnav_init_lat, lnav_init_lon, crs_true, along_nm + kAimPointAheadNm, &lnav_aim_pt.lat,
                &lnav_aim_pt.lon);
  CalcDistBrg(plane_lat, plane_lon, lnav_aim_pt.lat, lnav_aim_pt.lon, &calc_dist, &calc_brg);
  lnav_aim_brg = WrapBearing(calc_brg - mag_var + drift_angle, 0.5);
  calc_brg = lnav_aim_brg;

  // Within 30 seconds of the leg the intercept is complete.
  if (dist_per_tick >= xtk_dist) {
    lnav_init_mode = 0;
    DropInterceptHeadingModes();
    SetLnavFromLeg(FromLeg());
  }
  // In lite mode the simulator's heading hold flies the intercept itself.
  if (lite_mode == 1) lnav_init_mode = 0;
}

// The aim point lies ahead of the aircraft's abeam place on the great circle of the leg of the route
// ahead, however far off the leg: the heading to it turns towards the leg ahead, less than 90 degrees
// off its course, and past a waypoint onto the route beyond it, not along the passed leg's extension.
void ComputeAimPointOnLeg() {
  const LegEnds leg = RouteAheadLeg();
  double along_nm = 0.0, cross_unused = 0.0;
  const double crs_true = LnavLegOffsets(&along_nm, &cross_unused);
  CalcDestPoint(leg.fr_lat, leg.fr_lon, crs_true, along_nm + kAimPointAheadNm, &lnav_aim_pt.lat, &lnav_aim_pt.lon);
  CalcDistBrg(plane_lat, plane_lon, lnav_aim_pt.lat, lnav_aim_pt.lon, &calc_dist, &calc_brg);
  lnav_aim_brg = WrapBearing(calc_brg - mag_var + drift_angle, 0.0);
  calc_brg = lnav_aim_brg;
}

void SendHeadingCommand() {
  if (lnav != 1 || lnav_init_mode != 0) return;
  if (holds_present != 0 && pattern_leg != 0) return;  // the pattern logic steers
  // A "DISCO" has no position to steer to: the heading flown is kept until the next slot skips it.
  if (IsDisco(fms_fpln_act[stpos])) return;
  if (!HeadingCommandDue(lnav_aim_brg, lnav_hdg_sent)) return;
  const int32_t hdg = TruncToI32(lnav_aim_brg);
  host::TriggerKeyEvent(kHeadingBugEvent, hdg);
  lnav_hdg_sent = hdg;
}

}  // namespace

void StepEarlyTurnSequencing() {
  if (stpos == kNoActiveLeg) return;
  if (!RedrawSlotPassed(0) && !RedrawSlotPassed(8) && !Tick36SlotPassed(0)) return;
  if (lnav != 1 || ap_nav_hold != 1.0 || dist_to_active_wpt >= kEarlyTurnRangeNm) return;
  // A waypoint already passed abeam waits for the route block: it was not turned short of, and a T/D
  // within the early turn's range of it is not yet reached.
  if (dist_to_active_wpt == kSequenceNow) return;
  if (stpos >= fp_cnt - 1 || route_holds[1].leg == stpos) return;

  // The active waypoint has fallen more than 90 degrees off the leg: the turn onto the next leg
  // began before the waypoint, so the waypoint counts as passed. The leg's course is taken where the
  // aircraft is: on a long or polar leg the course at its from-point may point anywhere.
  if (CalcHeadingDiff(active_wpt_brg, norm360(ActiveLegCourseHere() - mag_var)) <= 90) return;
  dist_to_active_wpt = kSequenceNow;
  vnav_cruise = 0;
  vnav_des_active = 0;
  if (toc == 1 && tod == 0) early_seq_in_cruise = 1;
}

void StepAbeamPassage() {
  if (radio_height <= kMinPassageRadioHeightFt || fms_fpln_active < 3) return;
  if (ground_speed <= kMinAbeamGroundSpeedKt || dist_to_active_wpt == kNoActiveWpt) return;
  // "Sequence now" only where the route block can sequence: a hold fix being circled, or the last
  // waypoint, keeps its real distance (the route block's own test still switches LNAV off there).
  if (!SequencingAllowedByPattern() || stpos >= fp_cnt) return;
  if (IsActiveWptPassed() == 1) dist_to_active_wpt = kSequenceNow;
}

void StepLookAhead() {
  dist_per_tick = ground_speed / 3600.0 * kLookAheadSeconds;
  if (!(dist_per_tick > dist_to_active_wpt) || stpos < 0 || stpos >= fp_cnt) return;
  // A hold fix being circled is not about to be sequenced: what the look-ahead sends until the
  // sequencing would go out on every tick of the circuit near the fix.
  if (!SequencingAllowedByPattern()) return;
  const int32_t last = ClampedLastRow(fp_cnt);
  next_restr_leg = last;
  for (int32_t i = stpos + 1; i <= last; ++i) {
    // A "DISCO" carries the constraint of the leg after it; the leg itself is the one to cross.
    if (IsAltitudeConstraint(fms_fpln_act[i].restr) && !IsDisco(fms_fpln_act[i])) {
      next_restr_leg = i;
      break;
    }
  }
  UpdateCrossingPointAtLookAhead();
}

void StepLegTimeStamp() {
  if (!(dist_per_tick > dist_to_active_wpt)) return;
  RouteLeg* leg = ActiveLeg();
  if (leg == nullptr || !leg->eta.empty() || ground_speed <= kMinStampGroundSpeedKt) return;
  char eta[32];
  std::snprintf(eta, sizeof eta, "%02.0f:%02.0f", clock_hour, clock_minute);
  leg->eta = eta;
}

void StepHoldUpkeep() {
  if (hold_cnt <= 0) return;
  if (route_holds[1].leg > 0) BuildTrafficPattern();
  if (route_holds[1].leg >= stpos || stpos == kNoActiveLeg) return;

  // After a removal the scan goes on at row 2, so a hold that moved up into row 1 waits a tick.
  int32_t row = 1;
  while (row <= hold_cnt && row <= kMaxHolds) {
    const int32_t leg = route_holds[row].leg;
    if (leg >= stpos) {
      ++row;
      continue;
    }
    const int32_t before = hold_cnt;
    DeleteLegHolds(leg, 0);
    if (hold_cnt >= before) break;  // nothing was removed: the scan would never end
    row = 2;
  }
}

void RunRouteBlock() {
  RouteLeg* active = ActiveLeg();
  if (active == nullptr) return;

  if (radio_height > kMinPassageRadioHeightFt && dist_to_active_wpt != kNoActiveWpt && IsActiveWptPassed() == 1) {
    dist_to_active_wpt = kSequenceNow;
  }
  if (IsDisco(*active)) dist_to_active_wpt = kSequenceNow;

  if (dist_per_tick > dist_to_active_wpt && radio_height > kMinPassageRadioHeightFt && SequencingAllowedByPattern()) {
    SequenceLeg();
  }
  const RouteLeg& to = fms_fpln_act[stpos];

  CalcDistBrg(plane_lat, plane_lon, to.lat, to.lon, &dist_to_active_wpt, &active_wpt_brg);
  active_wpt_brg = WrapBearing(active_wpt_brg - mag_var, 0.5);
  CalcDistBrg(lnav_leg[0].fr_lat, lnav_leg[0].fr_lon, to.lat, to.lon, &active_leg_dist, &rel_leg_course);
  rel_leg_course = WrapBearing(rel_leg_course - mag_var, 0.5);
  // The cross-track reads the leg just measured: after an EXEC or a passage the distances of the
  // last slot belong to another leg, or are EXEC's "not measured" mark.
  ComputeLnavGeometry(&xtk_side, &xtk_dist);

  if (lnav_init_mode == 1) {
    ComputeAimPointOnIntercept();
  } else {
    ComputeAimPointOnLeg();
  }
  SendHeadingCommand();
  ComputeRouteDistances();
}
