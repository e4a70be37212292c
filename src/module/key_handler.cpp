#include "module/key_handler.h"

#include "afds/afds_globals.h"
#include "afds/annunciators.h"
#include "afds/click_protocol.h"
#include "afds/panel_input_globals.h"
#include "sim/fsuipc_client.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "nd/efis_options.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"

namespace {

using namespace key_event;

constexpr int32_t kSoundThrustIdle = 12;
constexpr int32_t kSoundThrustCutoff = 13;
constexpr int32_t kSoundSpeedbrake = 10;
constexpr int32_t kSoundFlapHandle = 11;
constexpr int32_t kFlapHandleDown = 16000;   // token 328 at the last detent, near 16383
constexpr int32_t kLeverRun = 1;
constexpr int32_t kLeverCutoff = 2;
constexpr uint32_t kOffsetThrottleDisconnect = 0x310A;
constexpr uint8_t kThrottleDisconnectBit = 8;

void SpeedbrakeSound(uint32_t id) {
  if (id != kSpeedbrake && id != kSpoilersOn && id != kSpoilersOff) return;
  if ((ReadOnGround() != 0 || autoland_spoiler_stage == 1) && sim_sound_stopped == 0) {
    sound_event_code = kSoundSpeedbrake;
  }
}

// The handle's sound only when the event can move it from where it was at the previous flap event.
void FlapHandleSound(uint32_t id) {
  const int32_t prev = flaps_handle_pos_prev;
  bool sounds = false;
  if (id == kFlapsUpStep || id == kFlapsUp) {
    sounds = prev > 0;
  } else if (id == kFlapsDownStep || id == kFlapsDown) {
    sounds = prev < kFlapHandleDown;
  } else if (id == kFlapsSet || id == kFlapsAxis) {
    sounds = prev > 0 && prev < kFlapHandleDown;
  } else {
    return;
  }
  if (sounds && PlayCockpitSounds == 1 && PlayFlapHandleSounds == 1) sound_event_code = kSoundFlapHandle;
  flaps_handle_pos_prev = TruncToI32(ReadFlapsPos());
}

void SetRequest(const char* name, uint32_t* id) { panel_input::Publish(name, id, 1.0); }

void FollowHeadingBug() {
  const bool lnav_engaged = lnav != 0 && !(lnav == 1 && lnav_init_mode == 1);
  if (!lnav_engaged && hdg_sync_skip_once == 0) {
    hdg_sel_dir = ReadApHdgHold();
    NV_SET(hdg_sel_dir, TruncToI32(hdg_sel_dir));
  }
  if (hdg_sync_skip_once == 1) hdg_sync_skip_once = 0;
}

// A press of the simulator's speed-hold command counts as the SPD button only when the panel's
// IAS/Mach selector did not change with it.
void SpeedHoldPressed() {
  if (NV_GET(speed_mode_select) == static_cast<double>(speed_mode_select_prev)) SetRequest(RO_REQ(spd_clicked));
  speed_mode_select_prev = TruncToI32(NV_GET(speed_mode_select));
}

void CutoffLever(int32_t* lever, int32_t starter_armed, uint32_t starter_event) {
  if (starter_armed != 0) host::TriggerKeyEvent(starter_event, 0);
  if (*lever == kLeverRun) *lever = kLeverCutoff;
}

void RunLever(int32_t* lever) {
  if (*lever == kLeverCutoff) *lever = kLeverRun;
}

void ReleaseThrottles() {
  if (thr_release_pending != 1) return;
  if (FsuipcOpen(0, &fsuipc_result, fsuipc_buffer, kFsuipcSharedBufferBytes)) {
    const uint8_t bit = kThrottleDisconnectBit;
    FsuipcWrite(kOffsetThrottleDisconnect, 1, &bit, &fsuipc_result);
    FsuipcProcess(&fsuipc_result);
    FsuipcClose();
  }
  thr_release_pending = 0;
  own_key_event_pending = 1;
}

// 0x1002c below 400 ft with the autopilot off is sent again so that the second toggle takes the
// first one back.
void ApMasterToggled() {
  if (radio_height < 400.0 && lite_mode == 0 && ReadApMaster() == 0.0 && ap_master == 0.0) {
    host::TriggerKeyEvent(kApMasterToggle, 0);
  }
  own_key_event_pending = 1;
}

void Dispatch(uint32_t id) {
  switch (id) {
    case kApMasterSet:
      if (lite_mode == 0 && ap_master == 1.0) {
        host::TriggerKeyEvent(kYawDamperOn, 0);
        own_key_event_pending = 1;
      }
      break;
    case kApMasterToggle: ApMasterToggled(); break;
    case kHeadingBugInc:
    case kHeadingBugDec:
    case kHeadingBugSet: FollowHeadingBug(); break;
    case kAltitudeInc: SetRequest(RO_REQ(alt_sel_num_incr)); break;
    case kAltitudeDec: SetRequest(RO_REQ(alt_sel_num_decr)); break;
    case kHeadingHoldA:
    case kHeadingHoldB: SetRequest(RO_REQ(hdg_sel_clicked)); break;
    case kAltitudeHoldA:
    case kAltitudeHoldB: SetRequest(RO_REQ(alt_clicked)); break;
    case kApproachHold: SetRequest(RO_REQ(app_clicked)); break;
    case kAirspeedHoldA:
    case kAirspeedHoldB: SpeedHoldPressed(); break;
    case kLnavButton: SetRequest(RO_REQ(lnav_clicked)); break;
    case kVnavButton: SetRequest(RO_REQ(vnav_clicked)); break;
    case kEfisTfc: ToggleEfisTfc(); break;
    case kEfisArpt: ToggleNdArpt(); break;
    case kEfisSta: ToggleNdSta(); break;
    case kEfisWpt: ToggleNdWpt(); break;
    case kEfisRangeInc: IncreaseNdRange(); break;
    case kEfisRangeDec: DecreaseNdRange(); break;
    case kEfisModeInc: IncrementEfisMode(); break;
    case kEfisModeDec: DecrementEfisMode(); break;
    case kAutoEngineStart: auto_eng_start_req = 1; break;
    case kEng1Cutoff:
      CutoffLever(&eng1_thrott, ReadTokenVar563(), kEng1Starter);
      sound_event_code = kSoundThrustCutoff;
      break;
    case kEng2Cutoff:
      CutoffLever(&eng2_thrott, ReadTokenVar573(), kEng2Starter);
      sound_event_code = kSoundThrustCutoff;
      break;
    case kBothCutoff:
      CutoffLever(&eng1_thrott, ReadTokenVar563(), kEng1Starter);
      CutoffLever(&eng2_thrott, ReadTokenVar573(), kEng2Starter);
      sound_event_code = kSoundThrustCutoff;
      break;
    case kBothRun:
      RunLever(&eng1_thrott);
      RunLever(&eng2_thrott);
      sound_event_code = kSoundThrustIdle;
      break;
    case kEng1Run:
      RunLever(&eng1_thrott);
      sound_event_code = kSoundThrustIdle;
      break;
    case kEng2Run:
      RunLever(&eng2_thrott);
      sound_event_code = kSoundThrustIdle;
      break;
    case kThrottleSet: ReleaseThrottles(); break;
    case kThrottleCut: sound_event_code = kSoundThrustIdle; break;
    case kFlightSaved:
      if (SavePanelStateonFlightSave == 1) SavePanelState("lastsaved");
      break;
    default: break;
  }
}

}  // namespace

void KeyEventHandler(uint32_t event_id, uint32_t, void*) {
  SpeedbrakeSound(event_id);
  FlapHandleSound(event_id);
  const bool brake_event = event_id == kBrakesAxis || event_id == kBrakes;
  // The module's own action has just made this event: only its sounds count. Only a brake event
  // is the autobrake's application: another one swallowed here (the echo of a disconnect in the
  // roll-out) must leave it pending, or its own brake event would be taken for the pilot's.
  if (own_key_event_pending != 0) {
    own_key_event_pending = 0;
    if (brake_event && autobrake_appl > 0) --autobrake_appl;
    return;
  }
  if (brake_event) {
    // The pilot braking while the autobrake is armed takes it out; the autobrake's own brake
    // events (several after a run of several ticks) are only acknowledged.
    if (auto_brake_status > 0 && autobrake_appl == 0) disengage_autobrakes();
    if (autobrake_appl > 0) --autobrake_appl;
    return;
  }
  Dispatch(event_id);
}
