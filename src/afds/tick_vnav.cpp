#include "afds/tick_vnav.h"

#include <cmath>

#include "afds/afds_globals.h"
#include "afds/flch_thrust.h"
#include "afds/route_progress_globals.h"
#include "afds/vnav_speed.h"
#include "cdu/cdu_globals.h"
#include "fmc/descent_altitude.h"
#include "fmc/fmc_globals.h"
#include "fmc/thrust_limits.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "fmc/traffic_pattern.h"
#include "fmc/vertical_profile.h"
#include "afds/vnav_targets.h"
#include "sim/debug_log.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

RO_DEFINE_GLOBALS(AFDS_TICK_VNAV_GLOBALS)

void ResetTickVnavGlobals() { RO_RESET_GLOBALS(AFDS_TICK_VNAV_GLOBALS) }

namespace {

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;
constexpr uint32_t kSpeedHoldOnEvent = 0x1022D;
constexpr uint32_t kMachHoldOffEvent = 0x1023E;
constexpr uint32_t kMcpSpeedEvent = 0x101F5;
constexpr uint32_t kPauseEvent = 0x10019;
constexpr uint32_t kSimRateDecreaseEvent = 0x100FE;

constexpr int32_t kCruiseThrustMode = 6;  // "CRZ"
// The T/D by position is taken this close to the predicted point.
constexpr double kTodCaptureNm = 1.5;
// After an early turn in cruise a T/D this close counts as reached at once.
constexpr double kEarlyTurnTodNm = 10.0;
// The T/D by distance needs the destination ahead on the active leg's course.
constexpr int32_t kTodCourseAgreementDeg = 20;
constexpr double kSimRateScaleV10 = 0.00390625;  // that generation reports the rate x 256


bool InTable(int32_t row) { return row >= 0 && row <= kLastRouteRow; }

// restr of the active leg; 0 when stpos is outside the table.
int32_t ActiveRestr() { return InTable(stpos) ? fms_fpln_act[stpos].restr : 0; }

void Send(uint32_t event, int32_t value) { host::TriggerKeyEvent(event, value); }

// A constraint below the aircraft belongs to the descent: the climb's target stays the T/C.
bool ClimbsTo(int32_t row) { return InTable(row) && fms_fpln_act[row].alt >= plane_alt; }

void CrossAtCruiseAltitude(double lat, double lon) {
  cross_at_elev = cruise_alt;
  cross_at_lat = lat;
  cross_at_lon = lon;
  cross_at_row = -1;
}

void ClearTodOnceFlags() {
  tod_1x_done = 0;
  tod_pause_done = 0;
  dest_dist_pause_done = 0;
}

void StepTopOfClimb() {
  if (toc != 0 || !CruiseAltitudeReached(cruise_alt)) return;
  last_restr_lat = tod_lat;
  last_restr_lon = tod_lon;
  toc = 1;
  toc_dist_done = 1;
  tmsp = kCruiseThrustMode;
  epr_bug = GetThrustLimitEpr(0.0);
  epr_bug_2 = epr_bug;
  vnav_page = 2;
  ClearTodOnceFlags();
  vnav_des_active = 0;
  tod_alt = cruise_alt;
  if (vnav == 1 && fms_fpln_active >= 3) {
    clb_spd_restr_active = 0;
    ProcVnavDescent();
    if (vnav == 1 && ap_speed == 0.0) Send(kSpeedHoldOnEvent, 0);
  }
  if (init_tod == 0) tod_alt = init_cruise_alt;
  SetCrossingRow(next_restr_leg);
  desc_spd_restr_set = 0.0;
  // The route block measured before the T/C: the distance to the T/D starts now, not at the next slot.
  ComputeRouteDistances();
}

void MarkFirstTodAtInitialCruise() {
  if (init_tod == 0 && init_cruise_alt == cruise_alt) init_tod = 1;
}

void TodByPosition() {
  tod = 1;
  if (init_tod == 0 && init_cruise_alt == cruise_alt) {
    init_tod = 1;
    tod_alt = init_cruise_alt;
    StartDescentAtTod();
  }
  ComputeRouteDistances();
  Send(kMcpAltitudeEvent, DescentAltitudeTarget().alt_ft);
  ++tod_alt_send_cnt;
  vnav_page = 3;
  if (plane_alt >= cruise_alt - 100.0 && alt_sel_num > init_cruise_alt - 100.0 && FmcShowResetMCPMsg == 1) {
    cdu_message = "RESET MCP";
  }
  vnav_des_active = 0;
  ProcVnavDescent();
}

// The destination lies ahead when the bearing to it agrees with the active leg's true course.
bool DestinationAlongActiveLeg() {
  const double leg_true_course = norm360(rel_leg_course + mag_var);
  return CalcHeadingDiff(act_leg_crs, leg_true_course) < kTodCourseAgreementDeg;
}

void TodByDistance() {
  tod = 1;
  LogLine("Main  (TOD Reached #2) plane_alt=%.0f , tomvek_cruise_alt=%d\n", plane_alt, cruise_alt);
  MarkFirstTodAtInitialCruise();
  Send(kMcpAltitudeEvent, DescentAltitudeTarget().alt_ft);
  ++tod_alt_send_cnt;
  LogLine("Main #2 tomvek_tod_reached=%d,init_tomvek_tod_reached%d,plane_alt=%.0f,tomvek_cruise_alt+50=%d,"
          "apalt=%.0f, alt_sel_num=%d\n ",
          tod, init_tod, plane_alt, SatAddI32(cruise_alt, 50), ap_alt_lock, alt_sel_num);
  vnav_page = 3;
  if (plane_alt >= cruise_alt - 50.0 && FmcShowResetMCPMsg == 1) cdu_message = "RESET MCP";
  vnav_des_active = 0;
  ProcVnavDescent();
}

// True when the T/D was reached in this run.
bool StepTopOfDescent() {
  if (tod != 0) return false;
  double brg_unused;
  CalcDistBrg(plane_lat, plane_lon, tod_lat, tod_lon, &calc_dist, &brg_unused);
  if (early_seq_in_cruise == 1) {
    if (calc_dist < kEarlyTurnTodNm) calc_dist = -1.0;
    early_seq_in_cruise = 0;
  }
  const bool by_position = calc_dist <= kTodCaptureNm;
  if (!by_position && !(route_dist_acc > to_wpt_dtg && DestinationAlongActiveLeg())) return false;
  // The descent runs down to the next constraint: the crossing point leaves the cruise level before
  // the T/D's altitude goes out, or the autopilot would be sent the level it is leaving.
  SetCrossingRow(next_restr_leg);
  if (by_position) {
    TodByPosition();
  } else {
    TodByDistance();
  }
  if (vnav == 1 && ap_speed == 0.0) Send(kSpeedHoldOnEvent, 0);
  return true;
}

void StepAfterTopOfDescent() {
  tod_alt = cruise_alt;
  if (toc == 0) {  // a descent without a T/C seen (route activated in cruise)
    toc = 1;
    ClearTodOnceFlags();
  }
  vnav_page = 3;
  // The path starts at the T/D: the aircraft, which takes it up to 1.5 NM early (or earlier by the
  // distance test), flies level to it.
  SetCrossingRow(next_restr_leg);
  StartDescentAtTod();
  ComputeRouteDistances();
  if (vnav != 1) return;
  vnav_cruise = 1;
  const bool near_wpt = dist_to_active_wpt < vnav_near_wpt_dist;
  if (near_wpt) vnav_des_active = 0;
  if (ap_mach > 0.0) {
    Send(kMachHoldOffEvent, 0);
    Send(kSpeedHoldOnEvent, 0);
  } else if (!near_wpt) {
    const double flown_kt = FlownDescentSpeeds().ias_kt;
    Send(kMcpSpeedEvent, TruncToI32(flown_kt));
    vnav_last_set_spd = flown_kt;
  }
}

void StepDescentRestriction() {
  if (vnav != 1 || tod != 1) return;
  if (DescAltRest > 0 && plane_alt > DescAltRest + 100) {
    const int32_t vs_fpm = TruncToI32(vert_speed);
    // Level flight never reaches the restriction altitude.
    dist_to_desc_alt_rest =
        vs_fpm == 0 ? 999.0 : (plane_alt - DescAltRest) / std::fabs(static_cast<double>(vs_fpm)) * (ground_speed / 60);
  }
  const bool due = (plane_alt < DescAltRest + 500 && dist_to_desc_alt_rest < 10) || plane_alt < DescAltRest;
  if (due && DescAltRest > 0 && DescSpdRest > 0 && ap_spdbug > DescSpdRest && fms_fpln_active >= 3 &&
      desc_spd_restr_set == 0.0) {
    Send(kMcpSpeedEvent, TruncToI32(DescSpdRest));
    vnav_last_set_spd = DescSpdRest;
    desc_spd_restr_set = 1.0;
  }
}

void StepClimbRestrictionEnd() {
  if (toc != 0 || clb_spd_restr_active != 1 || !(plane_alt > ClbAltRest) || vnav != 1 || fms_fpln_active < 3) return;
  if (IsSpeedConstraint(ActiveRestr())) {
    const double leg_ias = fms_fpln_act[stpos].ias;
    Send(kMcpSpeedEvent, TruncToI32(leg_ias));
    vnav_last_set_spd = leg_ias;
  } else {
    const double flown_kt = FlownClimbSpeeds().ias_kt;
    Send(kMcpSpeedEvent, TruncToI32(flown_kt));
    vnav_last_set_spd = flown_kt;
  }
  clb_spd_restr_active = 0;
  target_ias = vnav_last_set_spd;
  ProcFlch();
}

// The first row after `row` with an altitude constraint (a "DISCO" carries the next leg's), else the
// last row.
int32_t FirstConstraintAfter(int32_t row) {
  const int32_t last = ClampedLastRow(fp_cnt);
  for (int32_t i = row + 1; i <= last; ++i) {
    if (IsAltitudeConstraint(fms_fpln_act[i].restr) && !IsDisco(fms_fpln_act[i])) return i;
  }
  return last;
}

// A descent segment ends where the aircraft reaches its constraint along the route, not where the
// look-ahead sequences the waypoint half a minute before: the next segment starts there, at the
// constraint's altitude, and runs on down to the next constraint.
void StepDescentSegmentEnd() {
  if (toc != 1 || tod != 1 || init_tod != 1) return;
  const int32_t end = DescentPathEndRow();
  if (end < 0 || end >= ClampedLastRow(fp_cnt) || !DescentPathEndPassed()) return;
  const double reached_ft = cross_at_elev;
  next_restr_leg = FirstConstraintAfter(end);
  SetCrossingRow(next_restr_leg);
  StartDescentSegmentAt(end, reached_ft);
  if (vnav == 1) Send(kMcpAltitudeEvent, DescentAltitudeTarget().alt_ft);
}

}  // namespace

void UpdateCrossingPointAtLookAhead() {
  // Down a descent segment the crossing point stays its constraint until the aircraft reaches it
  // (StepDescentSegmentEnd), half a minute after the look-ahead.
  const bool descending = toc == 1 && tod == 1 && init_tod == 1;
  if (cruise_alt >= 1000 && !descending) {
    CrossAtCruiseAltitude(toc_lat, toc_lon);
    if (toc == 0) {
      const int32_t toc_row = PredictToc(1);
      CrossAtCruiseAltitude(toc_lat, toc_lon);
      if (next_restr_leg <= toc_row && ClimbsTo(next_restr_leg)) SetCrossingRow(next_restr_leg);
    } else if (toc == 1 && tod == 1) {
      // Past the T/D a constrained waypoint ahead opens the next descent segment.
      if (IsAltitudeConstraint(ActiveRestr())) PredictTod(1);
      SetCrossingRow(next_restr_leg);
      if (vnav == 1) Send(kMcpAltitudeEvent, DescentAltitudeTarget().alt_ft);
    } else if (toc == 1) {
      if (IsAltitudeConstraint(ActiveRestr())) PredictTod(1);
      cross_at_lat = tod_lat;
      cross_at_lon = tod_lon;
    }
  }
  if (toc != 0 && tod != 1) {
    vnav_cruise = 1;
  } else {
    vnav_cruise = 0;
    vnav_des_active = 0;
  }
}

void RunTocTodBlock() {
  ReplanClimbPassedByAircraft();
  StepDescentSegmentEnd();
  if (cruise_alt > 0) {
    StepTopOfClimb();
    if (StepTopOfDescent()) StepAfterTopOfDescent();
  }
  get_vnav_info();
  StepDescentRestriction();
  StepClimbRestrictionEnd();
  if (dist_to_active_wpt < vnav_near_wpt_dist && vnav == 1 && tod == 1 && vnav_near_restr_done == 0 &&
      IsSpeedConstraint(ActiveRestr())) {
    vnav_des_active = 0;
    vnav_near_restr_done = 1;
  }
  ProcVnavDescent();
}

void StepSimRateAndPauses() {
  sim_rate = ReadTokenVar336();
  if (simver == 10) sim_rate *= kSimRateScaleV10;
  if (PauseAtTod == 1 && tod == 1 && tod_pause_done == 0) {
    Send(kPauseEvent, 0);
    PauseAtTod = 0;
    tod_pause_done = 1;
  }
  if (one_x_at_tod == 1 && tod == 1 && tod_1x_done == 0) {
    if (sim_rate > 1.0) {
      Send(kSimRateDecreaseEvent, 0);
    } else {
      tod_1x_done = 1;
    }
  }
  if (init_tod == 1 && pause_at_dist_on == 1 && dest_dist_pause_done == 0 && PauseAtDistFromDest > to_wpt_dtg) {
    Send(kPauseEvent, 0);
    pause_at_dist_on = 0;
    dest_dist_pause_done = 1;
  }
}
