#include "afds/mcp_knobs.h"

#include <algorithm>
#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/annunciators.h"
#include "afds/ap_key_events.h"
#include "afds/click_poller.h"
#include "afds/click_protocol.h"
#include "afds/panel_input_globals.h"
#include "afds/setup_sequences.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using ap_event::Send;
using panel_input::ClearRequest;
using panel_input::OnRequest;
using panel_input::Positive;
using panel_input::ReadRequest;

constexpr uint32_t kCourseSet = 0x100b4;
constexpr uint32_t kMachInc = 0x1017c;
constexpr uint32_t kMachDec = 0x1017d;
constexpr uint32_t kVsInc = 0x10166;
constexpr uint32_t kVsDec = 0x10167;
constexpr uint32_t kLandingLightOn = 0x1020b;
constexpr uint32_t kLandingLightOff = 0x1020c;
constexpr uint32_t kRunwayTurnoffLight = 0x102c0;
constexpr uint32_t kAutobrakeUp = 0x102fa;
constexpr uint32_t kAutobrakeDown = 0x102fb;

constexpr int32_t kSoundClick = 2;
constexpr int32_t kSoundPush = 3;
constexpr int32_t kSoundSwitch = 6;
constexpr int32_t kSoundAcPowerOn = 9;
constexpr int32_t kChimeCabinSign = 4;

constexpr double kMaxMachEvent = 0.95;
constexpr double kMinMachEvent = 0.4;
constexpr double kMaxVsEventFpm = 6000.0;
constexpr double kMinVsEventFpm = -8000.0;
constexpr int32_t kBugMaxKt = 450;
constexpr int32_t kBugMinKt = 60;
constexpr int32_t kBugFastTicks = 4;  // a request within this many ticks of the last one is "fast"
constexpr int32_t kSeatbeltAnnounceDelayTicks = 50;
constexpr double kSeatbeltAnnounceMaxTodNm = 80.0;

enum Direction { kDown = -1, kUp = +1 };

// The step of a pending knob request (the large one when its value is 2); 0 when none is pending.
double KnobStep(const char* name, uint32_t* id, double small, double large) {
  const double v = ReadRequest(name, id);
  if (!Positive(v)) return 0.0;
  return TruncToI32(v) == 2 ? large : small;
}

// Course stays in 1..360, heading in 0..<360.
void StepCourse(const char* name, uint32_t* id, Direction dir) {
  const double step = KnobStep(name, id, 1.0, 10.0);
  if (step == 0.0) return;
  if (dir == kUp) {
    crs_dir += step;
    if (crs_dir > 360.0) crs_dir -= 360.0;
  } else {
    crs_dir -= step;
    if (crs_dir <= 0.0) crs_dir += 360.0;
  }
  ClearRequest(name, id);
  host::TriggerKeyEvent(kCourseSet, TruncToI32(crs_dir));
}

void StepHeading(const char* name, uint32_t* id, Direction dir) {
  const double step = KnobStep(name, id, 1.0, 10.0);
  if (step == 0.0) return;
  if (dir == kUp) {
    hdg_sel_dir += step;
    if (hdg_sel_dir >= 360.0) hdg_sel_dir -= 360.0;
  } else {
    hdg_sel_dir -= step;
    if (hdg_sel_dir < 0.0) hdg_sel_dir += 360.0;
  }
  const int32_t heading = TruncToI32(hdg_sel_dir);
  NV_SET(hdg_sel_dir, heading);
  ClearRequest(name, id);
  if (hdg_sel_mode == 1 || (ap_master == 0.0 && tok792_flag == 1.0)) Send(ap_event::kHeadingBug, heading);
}

bool AltitudeTargetMayMove() { return toc == 0 || (toc == 1 && tod == 1); }

// Outside VNAV an altitude step follows the simulator's V/S target into the V/S flag, but FLCH, ALT
// HOLD and a captured glideslope keep the pitch axis: a V/S flag beside them would leave two pitch
// modes lit, and on the glideslope the MCP altitude is only the missed approach's.
void FollowVsTargetAfterAltitudeStep() {
  const bool vs_target = ReadTokenVar120() != 0.0;
  if (flch != 1 && alt_hold_mode != 1 && !GlideslopeCaptured()) {
    const int32_t mode = vs_target ? 1 : 0;
    if (vs_hold_mode != mode) {
      vs_hold_mode = mode;
      NV_SET(vs_hold, vs_hold_mode);
    }
  }
  if (vs_target || lite_mode == 1) Send(ap_event::kAltitudeTarget, alt_sel_num);
}

void StepAltitude(const char* name, uint32_t* id, Direction dir) {
  // The large step comes unchecked from the configuration (even 0 or negative): sum in 64 bits so
  // that no value can overflow, and keep the result on the window's 0..50000 ft scale.
  const double v = ReadRequest(name, id);
  if (!Positive(v)) return;
  const int64_t step = TruncToI32(v) == 2 ? AltWinRightClickIncr : 100;
  const int64_t to = static_cast<int64_t>(alt_sel_num) + (dir == kUp ? step : -step);
  alt_sel_num = static_cast<int32_t>(std::clamp<int64_t>(to, 0, kMcpMaxAltitudeFt));
  NV_SET(alt_sel_num, alt_sel_num);
  ClearRequest(name, id);
  if (vnav == 1) {
    if (dir == kUp) {
      if (ReadTokenVar120() != static_cast<double>(vnav_tgt_vs)) vnav_vs_ref = -999;
      if (AltitudeTargetMayMove()) Send(ap_event::kAltitudeTarget, alt_sel_num);
    } else if (AltitudeTargetMayMove()) {
      Send(ap_event::kAltitudeTarget, alt_sel_num);
      vnav_vs_ref = -999;
    }
  } else {
    FollowVsTargetAfterAltitudeStep();
  }
  alt_alert_state = 0;
}

// The simulator's own bug is the base; nothing clamps ap_spdbug, only the event is refused.
void StepSpeed(const char* name, uint32_t* id, Direction dir) {
  const double step = KnobStep(name, id, 1.0, 10.0);
  if (step == 0.0) return;
  ap_spdbug = ReadApSpdBug() + (dir == kUp ? step : -step);
  const bool in_range = dir == kUp ? ap_spdbug <= kMcpMaxSpeedKt : ap_spdbug >= kMcpMinSpeedKt;
  if (vnav == 0 && in_range) Send(ap_event::kAirspeedTarget, TruncToI32(ap_spdbug));
  ClearRequest(name, id);
}

void StepMach(const char* name, uint32_t* id, Direction dir) {
  OnRequest(name, id, [dir](double) {
    ap_mach_bug = ReadApMachBug();
    if (vnav != 0) return;
    if (dir == kUp && ap_mach_bug < kMaxMachEvent) host::TriggerKeyEvent(kMachInc, 0);
    if (dir == kDown && ap_mach_bug > kMinMachEvent) host::TriggerKeyEvent(kMachDec, 0);
  });
}

// A V/S step toward the selected altitude first re-sends that altitude as the target.
void StepVerticalSpeed(const char* name, uint32_t* id, Direction dir) {
  OnRequest(name, id, [dir](double) {
    const double vs = ReadTokenVar120();
    if (vnav != 0) return;
    const double alt = static_cast<double>(alt_sel_num);
    if (dir == kUp && vs < kMaxVsEventFpm) {
      if (alt > plane_alt) Send(ap_event::kAltitudeTarget, alt_sel_num);
      host::TriggerKeyEvent(kVsInc, 0);
    } else if (dir == kDown && vs > kMinVsEventFpm) {
      if (plane_alt > alt) Send(ap_event::kAltitudeTarget, alt_sel_num);
      host::TriggerKeyEvent(kVsDec, 0);
    }
  });
}

// The cabin sign switches are positions, not requests: followed, never written back.
void FollowCabinSigns() {
  const double seatbelt = NV_GET(seatbelt_sign);
  if (seatbelt != static_cast<double>(seatbelt_sign)) {
    chime_code = kChimeCabinSign;
    if (seatbelt_sign == 0 && annuncement_mode == 7 && toc == 1 && dist_to_tod <= kSeatbeltAnnounceMaxTodNm &&
        seatbelt_announce_request == 0) {
      seatbelt_announce_request = 1;
      cabin_announce_delay = kSeatbeltAnnounceDelayTicks;
    }
    seatbelt_sign = TruncToI32(seatbelt);
  }
  const double no_smoking = NV_GET(no_smoking_sign);
  if (no_smoking != static_cast<double>(no_smoking_sign)) {
    chime_code = kChimeCabinSign;
    no_smoking_sign = TruncToI32(no_smoking);
  }
}

struct AsiBug {
  int32_t* bug;
  const char* name;
  uint32_t* id;
};

// A fast knob (a request within 4 ticks of the previous one) moves a bug in 10-kt steps between
// multiples of 10; otherwise, and from a value off the tens, by 1 kt.
void StepAsiBug(const AsiBug& b, const char* req, uint32_t* req_id, Direction dir) {
  OnRequest(req, req_id, [&b, dir](double) {
    int32_t& bug = *b.bug;
    const bool tens = mcp_knob_idle_ticks <= kBugFastTicks && bug % 10 == 0;
    if (dir == kUp && bug < kBugMaxKt) {
      bug += (tens && bug < kBugMaxKt - 10) ? 10 : 1;
      panel_input::Publish(b.name, b.id, bug);
    } else if (dir == kDown && bug > kBugMinKt) {
      bug -= (tens && bug > kBugMinKt + 10) ? 10 : 1;
      panel_input::Publish(b.name, b.id, bug);
    }
    mcp_knob_idle_ticks = 0;
  });
}

void StepAsiBugs() {
  const AsiBug bugs[] = {{&asi_bug1, RO_REQ(asi_bug1)}, {&asi_bug2, RO_REQ(asi_bug2)}, {&asi_bug3, RO_REQ(asi_bug3)}};
  StepAsiBug(bugs[0], RO_REQ(asi_bug1_incr), kUp);
  StepAsiBug(bugs[0], RO_REQ(asi_bug1_decr), kDown);
  StepAsiBug(bugs[1], RO_REQ(asi_bug2_incr), kUp);
  StepAsiBug(bugs[1], RO_REQ(asi_bug2_decr), kDown);
  StepAsiBug(bugs[2], RO_REQ(asi_bug3_incr), kUp);
  StepAsiBug(bugs[2], RO_REQ(asi_bug3_decr), kDown);
}

void LiteSetupButton() {
  OnRequest(RO_REQ(beg_start_button_clicked), [](double) {
    // The sequences move beg_start_button on themselves.
    if (beg_start_button == 1) {
      ProcOverheadClicksB();
    } else if (beg_start_button == 2) {
      OverheadClickA();
    }
    NV_SET(beg_start_button, beg_start_button);
    sound_event_code = kSoundPush;
  });
}

void PublishApproachModes() {
  NV_SET(loc, loc_mode);
  NV_SET(app, app_mode);
}

void LocButton() {
  OnRequest(RO_REQ(loc_clicked), [](double) {
    if (loc_mode == 0) {
      KeepLocalizerOnly();
    } else if (loc_mode == 1) {
      loc_mode = 0;
      Send(ap_event::kLocalizerHoldOff);
      loc_capture = 0;
    }
    ForgetApproachCapture();
    PublishApproachModes();
    sound_event_code = kSoundClick;
  });
}

// Arming APP with any autopilot channel engaged engages all three and arms autoland.
void AppButton() {
  OnRequest(RO_REQ(app_clicked), [](double) {
    if (app_mode == 0) {
      // The approach hold flies the localizer itself; LOC's hold would outlive APP given up later.
      if (loc_mode == 1) Send(ap_event::kLocalizerHoldOff);
      app_mode = 1;
      loc_mode = 0;
      Send(ap_event::kApproachHoldArm);
      if (lite_mode == 0 && (apleft == 1 || apcenter == 1 || apright == 1)) {
        apleft = apcenter = apright = 1;
        autoland_mode = 1;
        autoland_spoiler_stage = 0;
        NV_SET(apleft, apleft);
        NV_SET(apcenter, apcenter);
        NV_SET(apright, apright);
      }
    } else if (app_mode == 1) {
      app_mode = 0;
      Send(ap_event::kApproachHoldOff);
      gs_capture = 0;
      loc_capture = 0;
    }
    PublishApproachModes();
    sound_event_code = kSoundClick;
  });
}

void LandingLightSwitch(int32_t* sw, const char* name, uint32_t* id, const char* req, uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    if (*sw == 0) {
      *sw = 1;
      host::TriggerKeyEvent(kLandingLightOn, 0);
    } else if (*sw == 1) {
      *sw = 0;
      host::TriggerKeyEvent(kLandingLightOff, 0);
    }
    panel_input::Publish(name, id, *sw);
    ldg_light_clicked = 1;
    sound_event_code = kSoundClick;
  });
}

void LightSwitches() {
  LandingLightSwitch(&noseldglt, RO_REQ(noseldglt), RO_REQ(noseldglt_clicked));
  LandingLightSwitch(&wingldglt, RO_REQ(wingldglt), RO_REQ(wingldglt_clicked));
  OnRequest(RO_REQ(rwyturnoff_clicked), [](double) {
    host::TriggerKeyEvent(kRunwayTurnoffLight, 0);
    NV_SET(rwyturnoff, 0.0);  // the simulator keeps this switch's state
    ldg_light_clicked = 1;
    sound_event_code = kSoundClick;
  });
}

// Selector 0 RTO, 1 OFF, 2..5 levels 1..4, 6 MAX. With the simulator's own autobrake in use the
// selector stops at 4 (value 5) going up, though the event still goes out.
void MoveAutobrakeSelector(int32_t request) {
  const bool sim_autobrake = UseDefAutoBrakes == 1;
  int32_t& s = auto_brake_switch;
  bool moved = false;
  if (request == 2) {
    if (s == 0 || (s >= 2 && s <= 4)) {
      ++s;
      moved = true;
    } else if (s == 1) {
      s = 2;
      autobrake_appl = 0;
      moved = true;
    } else if (s == 5) {
      s = sim_autobrake ? 5 : 6;
      moved = true;
    }
    if (moved && sim_autobrake) host::TriggerKeyEvent(kAutobrakeUp, 0);
    return;
  }
  if (s == 6) {
    s = 5;
  } else if (s >= 2 && s <= 5) {
    --s;
    moved = true;
  } else if (s == 1 && ReadOnGround() != 0) {  // RTO only on the ground
    s = 0;
    autobrake_appl = 0;
    moved = true;
  }
  if (moved && sim_autobrake) host::TriggerKeyEvent(kAutobrakeDown, 0);
}

// Only 1 (down) and 2 (up) are selector moves; any other value stays in the request.
void AutobrakeSelector() {
  const double v = ReadRequest(RO_REQ(auto_brake_switch_clicked));
  const int32_t request = TruncToI32(v);
  if (request != 1 && request != 2) return;
  const int32_t before = auto_brake_switch;
  // Braking since the autobrake's first application, not only between a brake event and its echo
  // (inside the frame that ran the tick): the move may come in any frame, before or after the tick.
  const bool braking = auto_brake_status == 1 && autobrake_holding == 1 && UseDefAutoBrakes == 0;
  MoveAutobrakeSelector(request);
  // Any move disarms the module's autobrake: brakes it applied are let go, as at every other end of
  // it (with axis braking they would stay fully applied).
  if (braking && auto_brake_switch != before) {
    if (auto_brake_switch == 1) {
      disengage_autobrakes();
    } else {
      ReleaseAutobrakeAxes();
    }
  }
  NV_SET(auto_brake_switch, auto_brake_switch);
  ClearRequest(RO_REQ(auto_brake_switch_clicked));
  auto_brake_status = 0;
  autobrake_holding = 0;
}

void SoundRequest(const char* name, uint32_t* id, int32_t code) {
  OnRequest(name, id, [code](double) { sound_event_code = code; });
}

void PanelButtons() {
  PollClickedVars();
  OnRequest(RO_REQ(master_warning_light_clicked), [](double) {
    if (master_light_state == 1) {  // a caution is acknowledged; a warning stays
      master_light_state = 0;
      NV_SET(master_warning_light, 0.0);
    }
    master_caution_pending = 0;  // pressed under a warning, the caution waiting there is acknowledged
  });
  LocButton();
  AppButton();
  LightSwitches();
  AutobrakeSelector();
  SoundRequest(RO_REQ(play_click_sound), kSoundClick);
  SoundRequest(RO_REQ(play_push_sound), kSoundClick);
  SoundRequest(RO_REQ(play_push_slide_sound), kSoundPush);
  SoundRequest(RO_REQ(play_switch_click_sound), kSoundSwitch);
  OnRequest(RO_REQ(ext_power_button_clicked), [](double) {
    if (ext_power_button == 1) {
      ext_power_button = 2;
    } else if (ext_power_button == 2) {
      ext_power_button = 1;
    }
    NV_SET(ext_power_button, ext_power_button);
    sound_event_code = ext_power_avail != 0 ? kSoundAcPowerOn : kSoundPush;
  });
}

// The poller and the panel buttons run on six of the eighteen SERVER frames.
bool PanelButtonPhase() { return server_phase >= 0 && server_phase <= 15 && server_phase % 3 == 0; }

}  // namespace

void SendLoadedMcpAltitude() {
  const bool cruise_held = vnav == 1 && !AltitudeTargetMayMove() && cruise_alt >= 1000;
  Send(ap_event::kAltitudeTarget, cruise_held ? cruise_alt : alt_sel_num);
}

void ProcMcpKnobs() {
  StepCourse(RO_REQ(crs_dir_incr), kUp);
  StepCourse(RO_REQ(crs_dir_decr), kDown);
  StepHeading(RO_REQ(hdg_sel_dir_incr), kUp);
  StepHeading(RO_REQ(hdg_sel_dir_decr), kDown);
  StepAltitude(RO_REQ(alt_sel_num_incr), kUp);
  StepAltitude(RO_REQ(alt_sel_num_decr), kDown);
  StepSpeed(RO_REQ(spd_sel_num_incr), kUp);
  StepSpeed(RO_REQ(spd_sel_num_decr), kDown);
  StepMach(RO_REQ(mach_sel_num_incr), kUp);
  StepMach(RO_REQ(mach_sel_num_decr), kDown);
  StepVerticalSpeed(RO_REQ(vs_sel_num_incr), kUp);
  StepVerticalSpeed(RO_REQ(vs_sel_num_decr), kDown);
  if (initialize_server == 1) FollowCabinSigns();
  StepAsiBugs();
  if (PanelButtonPhase()) PanelButtons();
  // After the poller: the clicks the set-up sequences leave wait for its next pass, by when the
  // simulator has acted on the battery event they send (an APU clicked at once found no battery).
  if (lite_mode == 1) LiteSetupButton();
}
