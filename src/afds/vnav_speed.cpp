#include "afds/vnav_speed.h"

#include <cmath>
#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/ap_key_events.h"
#include "afds/flch_thrust.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "fmc/thrust_limits.h"
#include "afds/vnav_targets.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "state/config_globals.h"

namespace {

constexpr const char* kDragRequired = "DRAG REQUIRED";
constexpr double kNoConstraint = -999.0;
constexpr double kClimbMachAltitudeFt = 29500.0;
constexpr double kDescentMachAltitudeFt = 30000.0;
// The pilot's Mach counts as moved beyond this.
constexpr double kPilotMachChange = 0.008;
// A climb Mach this far from the last one is sent afresh.
constexpr double kMachResendGap = 0.1;
// Speed passes run near the active waypoint even while the speed stands.
constexpr double kNearWptNm = 25.0;
// The restriction altitude counts as reached this close.
constexpr double kRestrictionMarginFt = 25.0;
constexpr double kDescentAboveTargetFt = 300.0;
constexpr double kLevelOffBandFt = 400.0;
constexpr double kDragDistNm = 20.0;
constexpr double kDragExcessKt = 10.0;
// Samples of airspeed trend ahead the drag prediction looks (one minute of painted frames).
constexpr double kDragTrendSamples = 1080.0;
// Units of token 604 the message stays on and off.
constexpr double kDragBlinkUnits = 60.0;
constexpr double kSpeedConstraintNearNm = 20.0;
constexpr double kRestrictionSpeedNearNm = 10.0;
constexpr double kCruiseDescentVsFpm = -100.0;
constexpr double kNoDistance = 999.0;
constexpr double kMinConstraintIasKt = 50.0;

using ap_event::Send;

bool InRoute(int32_t row) { return row >= 0 && row <= kLastRouteRow; }

void CommandIas(double kt) {
  Send(ap_event::kAirspeedTarget, TruncToI32(kt));
  vnav_last_set_spd = kt;
}

void CommandMach(double mach) {
  Send(ap_event::kMachTarget, TruncToI32(mach * 100.0));
  vnav_mach_set_pending = 1;
  vnav_last_set_mach_spd = mach;
}

void AirspeedHoldIfOff() {
  if (ap_speed == 0.0) {
    Send(ap_event::kMachHoldOff);
    Send(ap_event::kAirspeedHoldOn);
  }
}

void MachHoldIfOff() {
  if (ap_mach == 0.0) {
    Send(ap_event::kAirspeedHoldOff);
    Send(ap_event::kMachHoldOn);
  }
}

double DistanceFromAircraftTo(const RouteLeg& leg) {
  double dist = 0.0, brg_unused = 0.0;
  CalcDistBrg(plane_lat, plane_lon, leg.lat, leg.lon, &dist, &brg_unused);
  return dist;
}

// Distance to descend from the present altitude to alt_ft at the present rates; none when level.
double DescentDistanceTo(double alt_ft, double vs_fpm) {
  if (vs_fpm == 0.0) return kNoDistance;
  return (plane_alt - alt_ft) / std::fabs(vs_fpm) * ground_speed / 60.0;
}

void DetectPilotSpeedChange() {
  if (vnav_des_active != 1 || !Tick36SlotPassed(0)) return;
  if (plane_alt >= kDescentMachAltitudeFt) {
    if (std::fabs(ap_mach_bug - vnav_last_set_mach_spd) > kPilotMachChange) {
      vnav_last_set_mach_spd = 0.0;
      vnav_des_active = 0;
    }
  } else if (ap_spdbug != vnav_last_set_spd) {
    vnav_des_active = 0;
  }
}

// The message alternates (shown, then empty) while the aircraft will not slow down in time; each
// change waits for the stamp to age.
void UpdateDragMessage() {
  const double predicted = ias + kDragTrendSamples * pfd_ias_trend;
  const bool drag = dist_to_desc_alt_rest < kDragDistNm && ias > vnav_last_set_spd + kDragExcessKt &&
                    predicted > vnav_last_set_spd + kDragExcessKt;
  const double now = ReadTokenVar604();
  if (!(now - drag_msg_stamp > kDragBlinkUnits)) return;
  if (drag) {
    cdu_message = cdu_message != kDragRequired ? kDragRequired : "";
    drag_msg_stamp = now;
  } else if (cdu_message == kDragRequired) {
    cdu_message = "";
    drag_msg_stamp = now;
  }
}

void StepDescentDistance() {
  const bool applies = vnav == 1 &&
                       (plane_alt < kClimbMachAltitudeFt || (cross_at_elev >= kClimbMachAltitudeFt && init_tod == 1)) &&
                       tod == 1 &&
                       (plane_alt > cross_at_elev + kDescentAboveTargetFt || plane_alt > DescAltRest + kDescentAboveTargetFt);
  if (!applies) {
    dist_to_desc_alt_rest = kNoDistance;
    return;
  }
  const double target = plane_alt > DescAltRest && DescAltRest >= cross_at_elev ? DescAltRest : cross_at_elev;
  dist_to_desc_alt_rest = DescentDistanceTo(target, TruncToI32(vert_speed));
  if (FmcDispDragReqMsg == 1) UpdateDragMessage();
}

bool SpeedPassDue() {
  return dist_to_active_wpt < kNearWptNm || vnav_init_flag == 1 || vnav_des_active == 0 || vnav_pnl_restored == 1;
}

// Below the restriction altitude a faster candidate gives way to the climb restriction speed. A
// restriction speed of 0 or less (a configuration without one) restricts nothing, as in the plan.
bool ClimbRestrictionApplies(double candidate_kt) {
  return ClbSpdRest > 0.0 && plane_alt < ClbAltRest - kRestrictionMarginFt && candidate_kt > ClbSpdRest;
}

void CommandClimbSpeed(double candidate_kt) {
  if (ClimbRestrictionApplies(candidate_kt)) {
    CommandIas(ClbSpdRest);
    clb_spd_restr_active = 1;
  } else {
    CommandIas(candidate_kt);
  }
}

void ClimbSpeed(const RouteLeg& active) {
  const FlownSpeeds climb = FlownClimbSpeeds();
  const RouteLeg* next = InRoute(next_restr_leg) ? &fms_fpln_act[next_restr_leg] : nullptr;
  if (active.restr == 3 || (active.restr == 2 && dist_to_active_wpt >= 0.0)) {
    CommandClimbSpeed(active.ias);
  } else if (next != nullptr && IsAltitudeConstraint(next->restr) && next->ias > kMinConstraintIasKt &&
             DistanceFromAircraftTo(*next) < route_dist_total) {
    CommandClimbSpeed(next->ias);
  } else if (ClimbRestrictionApplies(climb.ias_kt)) {
    CommandClimbSpeed(climb.ias_kt);
  } else if (plane_alt >= kClimbMachAltitudeFt) {
    if (std::fabs(vnav_last_set_mach_spd - climb.mach) > kMachResendGap) vnav_last_set_mach_spd = 0.0;
    if (vnav_last_set_mach_spd != climb.mach) CommandMach(climb.mach);
  } else {
    CommandIas(climb.ias_kt);
  }
}

// Well below the next altitude target the FLCH controller climbs; near it the simulator's speed or
// Mach hold takes over.
void ClimbPitch() {
  if (cross_at_elev - kLevelOffBandFt > plane_alt) {
    if (plane_alt >= kClimbMachAltitudeFt) {
      target_mach = FlownClimbSpeeds().mach;
    } else {
      if (target_mach > 0.0) target_mach = 0.0;
      target_ias = vnav_last_set_spd;
    }
    ProcFlch();
  } else if (plane_alt >= kClimbMachAltitudeFt) {
    MachHoldIfOff();
  } else {
    AirspeedHoldIfOff();
  }
}

void CruiseSpeed(const RouteLeg& active) {
  const FlownSpeeds cruise = FlownCruiseSpeeds();
  const RouteLeg* next = InRoute(next_restr_leg) ? &fms_fpln_act[next_restr_leg] : nullptr;
  if (next != nullptr && DistanceFromAircraftTo(*next) < kNearWptNm && IsSpeedConstraint(active.restr)) {
    CommandIas(active.ias);
  } else if (ReadTokenVar120() <= kCruiseDescentVsFpm) {
    AirspeedHoldIfOff();
    CommandIas(FlownDescentSpeeds().ias_kt);
  } else if (plane_alt >= kClimbMachAltitudeFt) {
    MachHoldIfOff();
    if (vnav_last_set_mach_spd != cruise.mach) CommandMach(cruise.mach);
  } else {
    AirspeedHoldIfOff();
    CommandIas(cruise.ias_kt);
  }
}

// Once the descent restriction speed has been taken it stays taken: deciding again on each pass, on a
// distance that follows the vertical speed and an altitude near the restriction's, flipped the target
// between the two speeds.
bool DescentRestrictionTaken() {
  return DescentRestrictionSet() && (desc_spd_restr_set == 1.0 || AtOrBelowDescentRestriction());
}

void CommandDescentRestriction() {
  CommandIas(DescSpdRest);
  desc_spd_restr_set = 1.0;
}

// A speed constraint lowers the descent and cruise speeds, the flown ones with an entry waiting for
// EXEC too.
void LowerPhaseSpeedsTo(double kt) {
  descent_ias = TruncToI32(kt);
  cruise_ias = descent_ias;
  for (double* kept : {&des_spd_prev, &crz_spd_prev}) {
    if (*kept > descent_ias) *kept = descent_ias;
  }
}

// Returns false when the Mach is flown (no descent thrust step then).
bool DescentSpeed(const RouteLeg& active) {
  const FlownSpeeds descent = FlownDescentSpeeds();
  double target = cross_at_elev;
  double d = dist_to_cross_at;
  if (plane_alt > DescAltRest && DescAltRest >= cross_at_elev) {
    target = DescAltRest;
    d = DescentDistanceTo(DescAltRest, vert_speed);
  }
  dist_to_desc_alt_rest = d;

  if (dist_to_active_wpt > 0.0 && d <= kSpeedConstraintNearNm && target == cross_at_elev &&
      IsSpeedConstraint(active.restr)) {
    if (DescentRestrictionSet() && active.ias > DescSpdRest &&
        ((d < kRestrictionSpeedNearNm && DescAltRest >= target) || DescentRestrictionTaken())) {
      CommandDescentRestriction();
    } else {
      CommandIas(active.ias);
      if (descent.ias_kt > active.ias) LowerPhaseSpeedsTo(active.ias);
    }
  } else if (DescentRestrictionSet() && descent.ias_kt > DescSpdRest &&
             ((d < kRestrictionSpeedNearNm && DescAltRest >= cross_at_elev) || DescentRestrictionTaken())) {
    CommandDescentRestriction();
  } else if (plane_alt >= kDescentMachAltitudeFt) {
    if (vnav_last_set_mach_spd != descent.mach) CommandMach(descent.mach);
    MachHoldIfOff();
    return false;
  } else {
    const RouteLeg* next = InRoute(next_restr_leg) ? &fms_fpln_act[next_restr_leg] : nullptr;
    const bool lower = dist_to_cross_at != 0.0 && dist_to_cross_at < kSpeedConstraintNearNm && next != nullptr &&
                       IsSpeedConstraint(next->restr) && descent.ias_kt > next->ias;
    if (lower) LowerPhaseSpeedsTo(next->ias);
    CommandIas(lower ? FlownDescentSpeeds().ias_kt : descent.ias_kt);
  }
  return true;
}

void DescentThrust() {
  if (UseATForVnavDesc == 1) {
    AirspeedHoldIfOff();
  } else {
    VnavDescent();
  }
}

void SpeedPass() {
  if (vnav_pnl_restored == 1) {
    redraw_tick = 0;
    tick36_counter = 0;
  }
  const RouteLeg& active = fms_fpln_act[stpos];
  if (active.alt != kNoConstraint && active.ias != kNoConstraint) {
    if (tod == 0 && init_tod == 0 && toc == 0) {
      ClimbSpeed(active);
      ClimbPitch();
    } else if (tod == 0 && init_tod == 0) {
      CruiseSpeed(active);
    } else if (DescentSpeed(active)) {
      DescentThrust();
    }
  }
  vnav_des_active = 1;
}

}  // namespace

void ProcVnavDescent() {
  DetectPilotSpeedChange();
  StepDescentDistance();
  if (!SpeedPassDue()) return;
  if (stpos != kNoActiveLeg && InRoute(stpos) && vnav == 1 && fms_fpln_active >= 3) SpeedPass();
  if (vnav_pnl_restored == 1) vnav_pnl_restored = 0;
}
