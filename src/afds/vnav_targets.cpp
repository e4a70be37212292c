#include "afds/vnav_targets.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "afds/ap_key_events.h"
#include "afds/panel_input_globals.h"
#include "afds/route_progress_globals.h"
#include "displays/displays_globals.h"
#include "fmc/descent_altitude.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_state.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

RO_DEFINE_GLOBALS(FMC_VNAV_TARGET_GLOBALS)

void ResetVnavTargetGlobals() { RO_RESET_GLOBALS(FMC_VNAV_TARGET_GLOBALS) }

namespace {

constexpr uint32_t kThrottleDisconnectOffset = 0x310A;
constexpr uint8_t kThrottleDisconnectBit = 8;
// Speed-brake positions at or above this count as extended.
constexpr double kSpeedBrakeExtended = 1000.0;
// The restriction altitude counts as reached this close.
constexpr double kRestrictionMarginFt = 25.0;

void Send(uint32_t event_id, int32_t value) { host::TriggerKeyEvent(event_id, value); }

bool LogIsOpen() { return LogFlightData == 1 && log_file != nullptr; }

// alt_sel_num holds this until the pilot or the initial panel state sets an MCP altitude; it is no
// altitude to fly to, so the crossing altitude alone applies then.
constexpr int32_t kNoMcpAltitude = -99;

// Without a cruise altitude the path has no crossing point: cross_at_elev then holds 0 or whatever the
// route loader left (the destination's elevation), which is nothing to fly to.
constexpr int32_t kLowestCruiseAltFt = 1000;

// Climb: the autopilot levels at the MCP altitude or the next constraint, whichever comes first.
void HoldLowerOfMcpAndCrossing() {
  const double ap_alt = GetApAltLockVar();
  const bool crossing_planned = cruise_alt >= kLowestCruiseAltFt;
  if (crossing_planned && (alt_sel_num > cross_at_elev || alt_sel_num == kNoMcpAltitude)) {
    if (ap_alt != cross_at_elev) Send(kApAltitudeEvent, TruncToI32(cross_at_elev));
  } else if (ap_alt != alt_sel_num && alt_sel_num != kNoMcpAltitude) {
    Send(kApAltitudeEvent, alt_sel_num);
  }
}

// Descent: the altitude of the descent rule (fmc/descent_altitude.h), sent when the autopilot holds
// another.
void HoldDescentAltitude(const DescentAltitude& target) {
  if (GetApAltLockVar() != target.alt_ft) Send(kApAltitudeEvent, target.alt_ft);
}

// A descent rate in ft/min (positive down) as the target vertical speed; never a climb.
void SetDescentTarget(double rate_fpm) {
  double v = std::max(0.0, std::trunc(rate_fpm / 100.0) * 100.0);
  if (v > kMaxVnavDescentFpm) v = kMaxVnavDescentFpm;
  if (ias < kMinVnavDescentIasKt) v = 0.0;
  vnav_tgt_vs = TruncToI32(-v);
}

// The descent path is rejoined within this many minutes: the 100 ft/min steps of the vertical speed
// and the turns then leave the aircraft on the path the displays measure, not above it until the
// crossing point.
constexpr double kPathRejoinMin = 0.5;

// The rate that flies the descent path (tod_alt over route_dist_sum down to cross_at_elev, measured
// where the aircraft is: vnav_path_alt) at the pace the aircraft goes along the route (turned back
// towards it from far off, or circling a hold, it comes down no faster than it comes along), back onto
// it within half a minute, and in the last half minute to the crossing point. Short of the path's start
// (a T/D taken early) the path is level: the aircraft flies on at its start's altitude, or down to it.
// Without a distance or a ground speed to go on the aircraft still above the target descends at the
// highest rate.
double RequiredDescentRateFpm() {
  if (dist_to_cross_at <= 0.0 || ground_speed <= 0.0) return plane_alt > cross_at_elev ? kMaxVnavDescentFpm : 0.0;
  const bool path = init_tod == 1 && route_dist_sum > 0.0;
  const double along = path ? path_along_kt / 60.0 : ground_speed / 60.0;
  if (path_start_ahead_nm > 0.0) return std::max(0.0, plane_alt - tod_alt) / kPathRejoinMin;
  if (!path || dist_to_cross_at <= along * kPathRejoinMin)
    return (plane_alt - cross_at_elev) / (dist_to_cross_at / along);
  const double path_ft_per_nm = (tod_alt - cross_at_elev) / route_dist_sum;
  return path_ft_per_nm * along + (plane_alt - vnav_path_alt) / kPathRejoinMin;
}

// A new target goes out while the aircraft is above the altitude held; a level-off also where it is
// not, so that no descent rate is left with the altitude held above the aircraft.
void SendVerticalSpeedOnChange() {
  const bool levels_off = vnav_tgt_vs == 0 && vnav_vs_ref < 0;
  if (vnav_tgt_vs != vnav_vs_ref && (plane_alt > ap_alt_lock || levels_off)) {
    Send(kApVerticalSpeedEvent, vnav_tgt_vs);
    vnav_vs_ref = vnav_tgt_vs;
  }
}

// One row of the descent speed controller: the band number that the log shows and what to do.
struct ThrottleCommand {
  enum Kind { kNone, kStepUp, kStepDown, kSet };
  int32_t band = 0;
  Kind kind = kNone;
  double set_delta = 0.0;  // lever change of kSet
};

bool SpeedBrakesStowed() {
  return ReadTokenVar326() < kSpeedBrakeExtended && ReadTokenVar327() < kSpeedBrakeExtended;
}

// Speed error e (kt, positive fast) and airspeed trend r: outside 1 kt the throttle steps against
// the error unless the trend already corrects it, with a trend dead band that narrows as the error
// shrinks; within 1 kt the lever is nudged against the trend. A trend exactly on a threshold does
// nothing.
ThrottleCommand ChooseThrottleCommand(double e, double r) {
  using C = ThrottleCommand;
  const double a = std::fabs(e);
  if (a > 1.0) {
    double dead_band;
    int32_t first_band;
    if (a > 6.0) {
      dead_band = 0.075;
      first_band = 1;
    } else if (a == 6.0) {
      dead_band = 0.02;
      first_band = 1;
    } else {
      dead_band = 0.0125;
      first_band = 5;
    }
    if (e > 0.0) {
      if (r > -dead_band) return {first_band, C::kStepDown};
      if (r < -dead_band) {
        // Fast and slowing with the speed brakes out: more thrust would only fight them.
        if (a > 6.0 && !SpeedBrakesStowed()) return {-1, C::kNone};
        return {first_band + 1, C::kStepUp};
      }
    } else {
      if (r < dead_band) return {first_band + 2, C::kStepUp};
      if (r > dead_band) return {first_band + 3, C::kStepDown};
    }
    return {};
  }
  if (r < -0.01) return {9, C::kSet, 150.0};
  if (r > 0.01) return {10, C::kSet, -150.0};
  if (r >= -0.01 && r < -0.005) return {11, C::kSet, 50.0};
  if (r > 0.005 && r <= 0.01) return {12, C::kSet, -50.0};
  return {};
}

void ApplyThrottleCommand(const ThrottleCommand& c, double lever) {
  switch (c.kind) {
    case ThrottleCommand::kNone:
      return;
    case ThrottleCommand::kStepUp:
      if (lever < ap_event::kFullLever) Send(kThrottleStepUpEvent, 0);
      return;
    case ThrottleCommand::kStepDown:
      if (lever > 0.0) Send(kThrottleStepDownEvent, 0);
      return;
    case ThrottleCommand::kSet:
      if (c.set_delta < 0.0 && lever <= 0.0) return;
      if (c.set_delta > 0.0 && lever >= ap_event::kFullLever) return;
      // An absolute lever position takes the throttles back from the disconnect.
      if (thr_disc_set == 1) FsuipcClear310A();
      Send(kThrottleSetEvent, TruncToI32(ap_event::WithinLeverTravel(lever + c.set_delta)));
      return;
  }
}

void WriteThrottleDisconnect() {
  if (!FsuipcOpen(0, &fsuipc_result, fsuipc_buffer, sizeof fsuipc_buffer)) return;
  const uint8_t value = kThrottleDisconnectBit;
  FsuipcWrite(kThrottleDisconnectOffset, 1, &value, &fsuipc_result);
  FsuipcProcess(&fsuipc_result);
  FsuipcClose();
  thr_disc_set = 1;
}

}  // namespace

void get_vnav_info() {
  if (vnav != 1) return;
  if (radio_height > 10.0 && vnav_armed == 1 && startup_phase == 0) ResetVnavSubmodes();

  if (toc == 0) {
    HoldLowerOfMcpAndCrossing();
    return;
  }
  if (toc != 1 || init_tod != 1) return;
  const DescentAltitude target = DescentAltitudeTarget();
  if (tod == 1) {
    HoldDescentAltitude(target);
    SetDescentTarget(target.level ? 0.0 : RequiredDescentRateFpm());
    SendVerticalSpeedOnChange();
    return;
  }
  if (tod == 0 && plane_alt >= cruise_alt + 50.0) {
    SetDescentTarget(target.level ? 0.0 : kCruiseDescentFpm);
    if (ap_alt_lock > alt_sel_num && ap_alt_lock > cross_at_elev) {
      if (LogIsOpen()) {
        LogLine("#7 get_vnav_info() tomvek_tod_reached=%d,init_tomvek_tod_reached%d,plane_alt=%.0f,"
                "tomvek_cruise_alt+50=%d,apalt=%.0f, alt_sel_num=%d\n",
                tod, init_tod, plane_alt, SatAddI32(cruise_alt, 50), ap_alt_lock, alt_sel_num);
      }
      HoldDescentAltitude(target);
    }
    SendVerticalSpeedOnChange();
  }
}

void VnavDescent() {
  if (ReadApSpeed() != 0.0) Send(kApAirspeedHoldOffEvent, 0);
  if (ReadApMach() != 0.0) Send(kApMachHoldOffEvent, 0);
  if (at_arm == 0.0) return;
  if (Tick36SlotPassed(0)) WriteThrottleDisconnect();
  // Slot 6 never falls on a tick the route block runs at, save where the 36-tick wrap meets it.
  constexpr uint32_t kThrottleSlots = 1u << 0 | 1u << 6 | 1u << 12;
  if ((RouteBlockSlotsPassed() & kThrottleSlots) == 0) return;

  const double selected_kt = ReadApSpdBug();
  const double e = ias - selected_kt;
  const double r = pfd_ias_trend;
  const double lever = ReadEng1ThrottlePos();
  const ThrottleCommand command = ChooseThrottleCommand(e, r);
  ApplyThrottleCommand(command, lever);
  if (LogIsOpen()) {
    LogLine("VNAV DESC - diff=%.1f v_gsp_diff_avg=%.4f , ias=%.1f , ias_bug=%.0f, v_vs_chg=%d,   thr_pos=%3.3f, "
            "plane_alt=%.0f\n",
            std::fabs(e), r, ias, selected_kt, command.band, lever, plane_alt);
  }
}

bool DescentRestrictionSet() { return DescSpdRest > 0.0; }

bool AtOrBelowDescentRestriction() { return plane_alt <= DescAltRest + kRestrictionMarginFt; }

double WithinDescentRestriction(double kt) {
  return DescentRestrictionSet() && kt > DescSpdRest && AtOrBelowDescentRestriction() ? DescSpdRest : kt;
}

double SpeedHandedFromVnav() {
  return WithinDescentRestriction(vnav_last_set_spd > 0.0 ? vnav_last_set_spd : FlownDescentSpeeds().ias_kt);
}

void ResetVnavSubmodes() {
  thrust_hold = 0;
  thr_release_pending = 0;
  NV_SET(thrust, 0.0);
  vnav_des_active = 0;
  vnav_cruise = 0;
  vnav_init_flag = 1;
  if (radio_height >= 10.0 && startup_phase == 0) vnav_armed = 0;
}
