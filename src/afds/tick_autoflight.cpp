#include "afds/tick_autoflight.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/eicas_messages.h"
#include "afds/ap_engage.h"
#include "afds/ap_key_events.h"
#include "afds/autoland_autobrake.h"
#include "afds/afds_services.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

RO_DEFINE_GLOBALS(AFDS_TICK_AUTOFLIGHT_GLOBALS)

void ResetTickAutoflightGlobals() { RO_RESET_GLOBALS(AFDS_TICK_AUTOFLIGHT_GLOBALS) }

namespace {

constexpr uint32_t kSimHeadingHoldOffEvent = 0x10117;
constexpr uint32_t kSimAltitudeHoldOffEvent = 0x10118;
constexpr uint32_t kSimTogaEvent = 0x10110;
constexpr uint32_t kFlapsUpOneEvent = 0x100DF;
constexpr uint32_t kFlapsDownOneEvent = 0x100DE;
constexpr uint32_t kDecisionHeightBelowEvent = 0x10311;  // sent while the setting is below 200 ft
constexpr uint32_t kDecisionHeightAboveEvent = 0x10312;
constexpr uint32_t kSpeedHoldOnEvent = 0x1022D;

// Below this radio height an engagement is held off: the autopilot must not fly the take-off.
constexpr double kLowEngageRadioHeightFt = 400.0;
constexpr int32_t kCmdShowTicks = 180;  // ten seconds
constexpr double kTakeoffModeEndRadioHeightFt = 10.0;
constexpr double kVsCaptureWindowFt = 35.0;
// Flaps 30 placard speed: above it the flaps go up one step; once below, they come back.
constexpr double kFlap30PlacardKt = 162.0;
constexpr double kFlap30Deg = 29.99;
constexpr double kFlap25BandDeg = 24.0;
constexpr double kWantedDecisionHeightFt = 200.0;
// A reading this close counts as 200 ft (the simulator may report it with a fraction).
constexpr double kDecisionHeightToleranceFt = 0.5;
// Enough for 1-ft steps over the whole 0..990 ft range of the setting.
constexpr int32_t kMaxDecisionHeightEvents = 1000;

void Send(uint32_t event) { host::TriggerKeyEvent(event, 0); }

void ClearIfSet(int32_t& flag) {
  if (flag == 1) flag = 0;
}

void CountDown(int32_t& timer) {
  if (timer > 0) --timer;
}

void AutopilotSwitchedOff() {
  DisconnectAutopilot();
  own_key_event_pending = 1;
  ClearIfSet(lnav);
  ClearIfSet(vnav);
  if (lite_mode == 0) {
    ClearIfSet(alt_hold_mode);
    ClearIfSet(vs_hold_mode);
    ClearIfSet(hdg_hold_mode);
    ClearIfSet(hdg_sel_mode);
  }
  UpdateModeButtonLights();
  ap_cmd = 0;
  fma_roll_box_timer = 0;
  fma_pitch_box_timer = 0;
}

void AutopilotSwitchedOn() {
  if (pattern_flag == 0) {
    // The module flies heading and altitude itself: the simulator's own holds go off, save those of
    // the modes the flight director has, which the autopilot flies on.
    if (lite_mode == 0) {
      if (!RollModeFlown()) Send(kSimHeadingHoldOffEvent);
      if (!PitchModeFlown()) Send(kSimAltitudeHoldOffEvent);
    }
    if (apleft == 0 && apcenter == 0 && apright == 0) {
      if (lite_mode == 0 && radio_height <= kLowEngageRadioHeightFt) {
        ap_engage_low_ra = 1;
      } else {
        apleft = 1;
      }
    }
    if (ap_engage_low_ra == 0) ap_cmd = kCmdShowTicks;
  }
  ClearIfSet(pattern_flag);
  if (lite_mode == 1 || radio_height > kLowEngageRadioHeightFt) EngageApLeft();
}

// In lite mode the simulator's heading and altitude holds lead; each toggle is preceded by setting
// the mode to the opposite state so that it ends where the simulator went.
void FollowLiteModeHolds() {
  if (lnav == 0 && ap_nav_hold == 0.0 && ReadApNavHold() == 1.0) {
    hdg_hold_mode = 0;
    hdg_sel_mode = 0;
    ToggleHdgHold();
  } else if (ap_nav_hold == 1.0 && ReadApNavHold() == 0.0) {
    hdg_hold_mode = 1;
    hdg_sel_mode = 1;
    ToggleHdgHold();
  }
  if (tok108_flag == 0.0 && ReadApAltHold() == 1.0) {
    alt_hold_mode = 0;
    ToggleAltHold(0);
  } else if (tok108_flag == 1.0 && ReadApAltHold() == 0.0) {
    alt_hold_mode = 1;
    ToggleAltHold(0);
  }
}

void AutothrottleDisarmed() {
  UpdateEicasMessages();
  spd_hold = 0;
  thrust_hold = 0;
  flch = 0;
  FsuipcClear310A();
  thr_release_pending = 0;
  fma_thr_box_timer = 0;
  UpdateThrustModeLights();
}

void FollowTakeoffGoAround() {
  const int32_t toga = ReadTokenVar792();
  if (tok792_flag == 1.0 && toga == 0) {
    if (ap_cmd > 0) ap_cmd = 0;
    if (ap_master == 0.0) ClearAfdsModes();
    if (to_pitch_mode == 1) {
      to_pitch_mode = 0;
      if (ReadOnGround() != 0) Send(kSimAltitudeHoldOffEvent);
    }
    ClearIfSet(to_roll_mode);
  }
  if (lite_mode == 0 && tok792_flag == 0.0 && toga != 0) {
    ap_cmd = kCmdShowTicks;
    if (ReadOnGround() != 0) {
      to_roll_mode = 1;
      to_pitch_mode = 1;
      to_spd_key_sent = 0;
      Send(kSimTogaEvent);
    }
  }
  // Once airborne, any roll or pitch mode the crew engages ends the take-off mode of that axis.
  if ((to_roll_mode == 1 || to_pitch_mode == 1) && radio_height > kTakeoffModeEndRadioHeightFt) {
    if (to_roll_mode == 1 &&
        (lnav == 1 || hdg_hold_mode == 1 || hdg_sel_mode == 1 || loc_mode == 1 || app_mode == 1)) {
      to_roll_mode = 0;
    }
    if (to_pitch_mode == 1 &&
        (vnav == 1 || flch == 1 || alt_hold_mode == 1 || vs_hold_mode == 1 || autoland_mode == 1)) {
      to_pitch_mode = 0;
    }
  }
  tok792_flag = ReadTokenVar792();
}

void StepFlapEvents() {
  if (flap30_latch == 0) {
    if (ReadFlapsAngle() >= kFlap30Deg && ias > kFlap30PlacardKt) {
      Send(kFlapsUpOneEvent);
      flap30_latch = 1;
    }
  } else if (flap30_latch == 1) {
    if (ReadFlapsAngle() < kFlap25BandDeg) {
      flap30_latch = 0;
    } else if (ias < kFlap30PlacardKt) {
      Send(kFlapsDownOneEvent);
      flap30_latch = 0;
    } else if (ReadFlapsAngle() >= kFlap30Deg && ias > kFlap30PlacardKt) {
      Send(kFlapsUpOneEvent);
    }
  }
}

// The decision-height events a run sends: one for each tick it stands for, but no more than reach
// 200 ft at the step the last run's events made (one while that is not known).
int32_t DecisionHeightSteps(double dh) {
  const double step = dh_prev_events > 0 ? std::fabs(dh - dh_prev_reading) / dh_prev_events : 0.0;
  const double reach = step > 0.0 ? std::floor(std::fabs(kWantedDecisionHeightFt - dh) / step) : 1.0;
  return std::clamp(StepsOwedWithin(reach), 1, kMaxDecisionHeightEvents - dh_event_cnt);
}

// Steps the simulator's decision height towards 200 ft once per load. It stops at 200 ft (within
// the tolerance), when the reading steps across 200 ft, or after enough events for the whole range,
// so a simulator that never reports exactly 200 ft does not receive events forever.
void StepDecisionHeight() {
  if (dh_set_done != 0) return;
  const double dh = GetDecisionHeight();
  const bool at_target = std::fabs(dh - kWantedDecisionHeightFt) < kDecisionHeightToleranceFt;
  const bool crossed = dh_event_cnt > 0 && ((dh_prev_reading < kWantedDecisionHeightFt && dh > kWantedDecisionHeightFt) ||
                                            (dh_prev_reading > kWantedDecisionHeightFt && dh < kWantedDecisionHeightFt));
  if (at_target || crossed || dh_event_cnt >= kMaxDecisionHeightEvents) {
    dh_set_done = 1;
    return;
  }
  const int32_t steps = DecisionHeightSteps(dh);
  ap_event::SendSteps(dh < kWantedDecisionHeightFt ? kDecisionHeightBelowEvent : kDecisionHeightAboveEvent, steps);
  dh_prev_reading = dh;
  dh_prev_events = steps;
  dh_event_cnt += steps;
  if (dh_event_cnt >= kMaxDecisionHeightEvents) dh_set_done = 1;
}

}  // namespace

void StepOncePerSecondTimers() {
  // The two warning timers stop at 1, not 0.
  if (ap_disc_timer > 1) --ap_disc_timer;
  if (apdisc_bar_timer > 0 && --apdisc_bar_timer == 0) SetApDiscBar(0);
  if (at_disc_timer > 1) --at_disc_timer;
}

void StepAutopilotFollowUp() {
  const double master_now = ReadApMaster();
  if (ap_master == 1.0 && master_now == 0.0) {
    AutopilotSwitchedOff();
  } else if (ap_master == 0.0 && master_now == 1.0) {
    AutopilotSwitchedOn();
  }

  if (lite_mode == 1) FollowLiteModeHolds();

  if (RedrawSlotPassed(0) || (ap_master == 1.0 && ReadApMaster() == 0.0)) UpdateEicasMessages();

  ap_nav_hold = ReadApNavHold();
  tok108_flag = ReadApAltHold();
  nav_rel_brg = ReadTokenVar550();
  gear1_pos = ReadTokenVar332();
  gear2_pos = ReadTokenVar333();
  gear3_pos = ReadTokenVar334();
  ap_nav_hold = ReadApNavHold();

  if (at_arm == 1.0 && ReadAtArm() != at_arm) AutothrottleDisarmed();
  at_arm = ReadAtArm();
  ap_master = ReadApMaster();

  if (ap_engage_low_ra == 1) {
    if (radio_height > kLowEngageRadioHeightFt) {
      ap_engage_low_ra = 0;
    } else {
      // Engaged too low: the module treats the autopilot as off until 400 ft.
      if (ap_master == 1.0) ap_master = 0.0;
      return;
    }
  }
  if (ap_master == 1.0 && pattern_flag == 1) pattern_flag = 0;
}

void StepFmaAndToga(int32_t ticks) {
  for (int32_t i = 0; i < ticks; ++i) {
    CountDown(fma_thr_box_timer);
    CountDown(fma_pitch_box_timer);
    CountDown(fma_roll_box_timer);
    CountDown(ap_cmd);
  }
  FollowTakeoffGoAround();
}

void StepAutolandAndAutobrake() {
  if (ap_master == 1.0) {
    if (autoland_mode > 0) ProcAutoland();
    const double to_selected = std::fabs(plane_alt - alt_sel_num);
    if (vs_hold_mode == 1 && lite_mode == 0 && to_selected > 0.0 && to_selected < kVsCaptureWindowFt) {
      ToggleAltHold(alt_sel_num);
    }
  }
  StowAutolandSpoilers();
  if (auto_brake_switch != 1) {
    LogLine("#0 Auto Brake Switch = %d, autobrake_appl=%d, autobrake_status=%d\n", auto_brake_switch, autobrake_appl,
            auto_brake_status);
    if (UseDefAutoBrakes == 0) ProcAutoBrake();
  }
}

void StepEndOfTick() {
  StepFlapEvents();
  StepDecisionHeight();
  if (LogFlightData == 1 && RedrawSlotPassed(0) && (app_mode == 1 || loc_mode == 1) && autoland_mode == 0 &&
      log_file != nullptr) {
    DumpFplVnavLog();
  }
  if (ap_engage_low_ra == 1 && ReadApMaster() == 0.0) ap_engage_low_ra = 0;
  if (vnav_mach_set_pending == 1) {
    vnav_mach_set_pending = 0;
    if (vnav == 1 && ap_speed == 0.0) Send(kSpeedHoldOnEvent);
  }
}
