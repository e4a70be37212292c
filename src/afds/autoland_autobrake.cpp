#include "afds/autoland_autobrake.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/annunciators.h"
#include "afds/ap_engage.h"
#include "afds/ap_key_events.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "state/config_globals.h"

namespace {

enum AutolandMode : int32_t { kArmed = 1, kBelow1500 = 2, kFlare = 3 };
enum AutolandCmd : int32_t {
  kCmdBelow1500 = 1,
  kCmdFlare = 2,
  kCmdApproachHold = 3,
  kCmdPitchUp = 4,
  kCmdPitchDown = 5,
  kCmdFlarePitchUp = 6,
  kCmdFlarePitchDown = 7,
  kCmdRetard = 8,
  kCmdRollout = 9,
  kCmdRolloutPitch = 10,
  kCmdRolloutHold = 11,
  kCmdSpoilersDeployed = 12,
  kCmdSpoilersStowed = 13,
  kCmdEnded = 14,
};

constexpr double kAutolandStartRaFt = 1500.0;
constexpr double kFlareRaFt = 55.0;
constexpr double kRetardRaFt = 10.0;
constexpr double kTouchdownRaFt = 5.0;
constexpr double kSpoilerRaFt = 3.0;
constexpr double kSpoilerStowIasKt = 60.0;
// Flare attitude band (negative nose up), pitch-rate and sink-rate limits.
constexpr double kMaxFlarePitchDeg = -3.7;
constexpr double kMinFlarePitchDeg = -3.0;
constexpr double kPitchingDownRate = -0.025;
constexpr double kFlareSinkMinFpm = -400.0;
constexpr double kFlareSinkMaxFpm = -700.0;
constexpr double kRolloutNoseDeg = 0.5;
// Off the ground above this the aircraft has lifted off again, not bounced in the flare.
constexpr double kLiftOffRaFt = 10.0;

constexpr int32_t kSwitchRto = 0;
constexpr int32_t kSwitchMax = 6;
constexpr double kArmGroundSpeedKt = 85.0;
constexpr double kStoppedGroundSpeedKt = 3.0;
constexpr double kRtoIdleLever = 1000.0;
constexpr double kRtoClimbRaFt = 300.0;
constexpr double kRtoThrustLever = 6000.0;
constexpr double kLandingThrustLever = 6500.0;
constexpr int32_t kFullBrakeAxis = 16383;
// Brake value limits of the landing levels 1..4 (selector 2..5).
constexpr double kLevelBrakeLimit[] = {3276.0, 6553.0, 13106.0, 19660.0};

using ap_event::Send;

// The pitch events go one for each tick the run stands for, all on its one reading.
void Flare() {
  if (sim_app_hold == 1.0) {
    Send(ap_event::kFlareApproachHold);
    autoland_cmd = kCmdApproachHold;
  }
  const int32_t owed = StepsOwed();
  if (plane_pitch < kMaxFlarePitchDeg) {
    ap_event::SendSteps(ap_event::kPitchUp, owed);
    autoland_cmd = kCmdPitchUp;
  } else if (plane_pitch > kMinFlarePitchDeg) {
    if (alt_rate < kPitchingDownRate) {
      ap_event::SendSteps(ap_event::kPitchUp, owed);
      autoland_cmd = kCmdPitchUp;
    } else {
      ap_event::SendSteps(ap_event::kPitchDown, owed);
      autoland_cmd = kCmdPitchDown;
    }
  } else if (vert_speed > kFlareSinkMinFpm) {
    ap_event::SendSteps(ap_event::kPitchUp, owed);
    autoland_cmd = kCmdFlarePitchUp;
  } else if (vert_speed < kFlareSinkMaxFpm) {
    const bool pitching_down = alt_rate < kPitchingDownRate;
    ap_event::SendSteps(pitching_down ? ap_event::kPitchUp : ap_event::kPitchDown, owed);
    autoland_cmd = pitching_down ? kCmdFlarePitchUp : kCmdFlarePitchDown;
  }

  if (radio_height < kRetardRaFt && autoland_retard_done == 0) {
    Send(ap_event::kAirspeedHoldOff);
    spd_hold = 0;
    thrust_hold = 0;
    FsuipcClear310A();
    thr_release_pending = 0;
    UpdateThrustModeLights();
    Send(ap_event::kThrottleCut);
    Send(ap_event::kThrottleSet, 0);
    autoland_retard_done = 1;
    autoland_cmd = kCmdRetard;
  }
  if (radio_height <= kTouchdownRaFt) {
    autoland_mode = 4;
    autoland_cmd = kCmdRollout;
  }
}

// The crew go again from the runway: thrust advanced for take-off, or the aircraft lifted off.
bool GoingAgain() {
  return ReadEng1ThrottlePos() > kLandingThrustLever || ReadEng2ThrottlePos() > kLandingThrustLever ||
         (ReadOnGround() == 0 && radio_height > kLiftOffRaFt);
}

void Rollout() {
  if (plane_pitch < kRolloutNoseDeg) {
    ap_event::SendSteps(ap_event::kPitchUp, StepsOwed());
    autoland_cmd = kCmdRolloutPitch;
  }
  if (ap_master == 1.0) {
    Send(ap_event::kRolloutHold);
    autoland_cmd = kCmdRolloutHold;
  }
  const bool going_again = GoingAgain();
  if (autoland_spoiler_stage == 0 && radio_height <= kSpoilerRaFt && !going_again) {
    Send(ap_event::kSpoilersDeploy);
    autoland_spoiler_stage = 1;
    autoland_cmd = kCmdSpoilersDeployed;
  }
  StowAutolandSpoilers();
  // A touch-and-go ends the rollout as the slow-down does: no pitch or rollout events in the climb.
  if (ias < AutoLandApDiscSpd || going_again) {
    autoland_mode = 0;
    Send(ap_event::kAutopilotOff);
    if (ReadAtArm() != 0.0) Send(ap_event::kAutothrottleDisconnect);
    autoland_cmd = kCmdEnded;
  }
}

// The brake axes are set full once; the brake event is a pulse, one for each tick the run stands
// for. autobrake_appl counts the pulses the key-event handler is still to receive.
void ApplyBrakes() {
  autobrake_holding = 1;
  if (UseAxisAutoBraking == 1) {
    autobrake_appl = 1;
    Send(ap_event::kLeftBrakeAxis, kFullBrakeAxis);
    Send(ap_event::kRightBrakeAxis, kFullBrakeAxis);
  } else {
    autobrake_appl = std::max(StepsOwed(), 1);
    ap_event::SendSteps(ap_event::kBrakes, autobrake_appl);
  }
}

void RejectedTakeoff(double left_lever, double right_lever) {
  if (auto_brake_status == 0 && ground_speed > kArmGroundSpeedKt && left_lever < kRtoIdleLever &&
      right_lever < kRtoIdleLever) {
    auto_brake_status = 1;
  }
  if (auto_brake_status == 1) {
    if (autobrake_appl == 0) ApplyBrakes();
    if (ground_speed < kStoppedGroundSpeedKt) {
      LogLine("#1F Bef disengage_autobrakes() ,auto_brake_status=%d autobrake_appl=%d\n", auto_brake_status,
              autobrake_appl);
      disengage_autobrakes();
    }
  }
  // Airborne with climb thrust: the take-off was not rejected.
  if (radio_height > kRtoClimbRaFt && (left_lever > kRtoThrustLever || right_lever > kRtoThrustLever)) {
    LogLine("#1A Bef disengage_autobrakes() ,auto_brake_status=%d autobrake_appl=%d, RA=radio_height=%.0f, "
            "L_THR_LVR=%.0f, R_THR_LVR=%.0f\n",
            auto_brake_status, autobrake_appl, radio_height, left_lever, right_lever);
    disengage_autobrakes();
  }
}

bool LandingArmConditions() {
  return ground_speed > kArmGroundSpeedKt && plane_pitch > -4.0 && plane_pitch <= 2.0 && plane_bank > -0.5 &&
         plane_bank < 0.5 && ReadOnGround() != 0;
}

void Landing(double left_lever, double right_lever) {
  if (auto_brake_status == 0) {
    if (!LandingArmConditions()) return;
    auto_brake_status = 1;
  }
  LogLine("#2C In ProcAutoBrake() auto_brake_status=%d,autobrake_appl=%d,auto_brake_switch=%d\n", auto_brake_status,
          autobrake_appl, auto_brake_switch);
  if (autobrake_appl != 0) return;
  LogLine("#3C In ProcAutoBrake() auto_brake_status=%d,autobrake_appl=%d,auto_brake_switch=%d\n", auto_brake_status,
          autobrake_appl, auto_brake_switch);
  if (UseAxisAutoBraking == 1) {
    ApplyBrakes();
    if (log_file != nullptr) {
      std::fprintf(log_file, "#4CB In ProcAutoBrake() auto_brake_status=%d,autobrake_appl=%d,auto_brake_switch=%d\n",
                   auto_brake_status, autobrake_appl, auto_brake_switch);
    }
  } else if (auto_brake_switch == kSwitchMax || ReadTokenVar320() < kLevelBrakeLimit[auto_brake_switch - 2]) {
    ApplyBrakes();
  }
  if (ground_speed < kStoppedGroundSpeedKt || left_lever > kLandingThrustLever || right_lever > kLandingThrustLever) {
    LogLine("#2 Bef disengage_autobrakes() ,gsp=%.0f L_THR_LVR=%.0f, R_THR_LVR=%.0f\n", ground_speed, left_lever,
            right_lever);
    disengage_autobrakes();
  }
}

}  // namespace

void ProcAutoland() {
  switch (autoland_mode) {
    case kArmed:
      autoland_retard_done = 0;
      autoland_spoiler_stage = 0;  // a new approach: the spoilers of the last landing are stowed
      // LAND, and the flare, retard and spoilers after it, only on a captured glideslope.
      if (radio_height < kAutolandStartRaFt && GlideslopeCaptured()) {
        autoland_mode = kBelow1500;
        autoland_cmd = kCmdBelow1500;
      }
      break;
    case kBelow1500:
      if (!GlideslopeCaptured()) {
        autoland_mode = kArmed;
      } else if (radio_height < kFlareRaFt) {
        autoland_mode = kFlare;
        autoland_cmd = kCmdFlare;
      }
      break;
    case kFlare:
      Flare();
      break;
    default:
      Rollout();
      break;
  }
  DumpFplVnavLog();
}

void StowAutolandSpoilers() {
  if (autoland_spoiler_stage == 1 && (ias < kSpoilerStowIasKt || GoingAgain())) {
    Send(ap_event::kSpoilersStow);
    autoland_spoiler_stage = 2;
    autoland_cmd = kCmdSpoilersStowed;
  }
}

void ProcAutoBrake() {
  const double left_lever = ReadEng1ThrottlePos();
  const double right_lever = ReadEng2ThrottlePos();
  if (auto_brake_switch == kSwitchRto) {
    RejectedTakeoff(left_lever, right_lever);
  } else if (auto_brake_switch >= 2 && auto_brake_switch <= kSwitchMax) {
    Landing(left_lever, right_lever);
  }
}
