#include "afds/afds_modes.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "afds/afds_services.h"
#include "afds/ap_key_events.h"
#include "afds/vnav_targets.h"
#include "fmc/fmc_globals.h"
#include "sim/fsuipc_client.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "sim/tick_samples.h"
#include "state/config_globals.h"

namespace {

// Above this the VNAV descent speed gives way to the Mach of the MCP window.
constexpr double kMachAltitudeFt = 29500.0;
// CMD and SPD engage only above this radio height (outside lite mode).
constexpr double kApEngageMinRadioHeightFt = 400.0;
constexpr double kSpdMinRadioHeightFt = 400.0;
// FLCH engages only this far from the sampled altitude-hold value (so above about 400 ft).
constexpr double kFlchAltitudeWindowFt = 400.0;
constexpr double kFlchMaxMach = 0.87;
constexpr double kFlchMaxIasKt = 300.0;
// VNAV engages in the air and only arms on the runway.
constexpr double kVnavArmRadioHeightFt = 10.0;
// A simulator V/S target this far from zero keeps the V/S window open when VNAV drops.
constexpr double kVsWindowFpm = 50.0;
constexpr int32_t kSpdResyncPasses = 4;
constexpr int32_t kFlchPassCounterStart = 21;
constexpr int32_t kPanelClickSound = 2;

enum SpdResync : int32_t { kResyncHandedSpeed = 2, kResyncIas = 3 };

using ap_event::Send;

void RequestSpeedResync(int32_t state) {
  spd_resync_state = state;
  spd_resync_ticks = kSpdResyncPasses;
}

// HDG HOLD's flags: the other roll modes give way.
void SetHeadingHoldFlags() {
  hdg_hold_mode = 1;
  hdg_sel_mode = 0;
  lnav = 0;
  lnav_init_mode = 0;
}

// The V/S target of an engagement at the present vertical speed, towards the selected altitude.
void SendVsTarget() {
  const double v = vert_speed;
  const double a = plane_alt;
  const double s = alt_sel_num;
  const bool climbing_to_sel = s > a && v > 0.0;
  const bool descending_to_sel = a > s && v < 0.0;
  int32_t target = 0;
  bool send_alt = false;
  if (v >= -100.0 && v <= 100.0) {
    target = 0;
  } else if ((s > a && v < 0.0) || (a > s && v > 0.0)) {
    target = 0;  // moving away from the selected altitude
  } else if (v > 3000.0) {
    send_alt = s > a;
    target = 3000;
  } else if (v < -3000.0) {
    send_alt = a > s;
    target = -3000;
  } else {
    send_alt = climbing_to_sel || descending_to_sel;
    target = TruncToI32(v);
  }
  if (send_alt) Send(ap_event::kAltitudeTarget, alt_sel_num);
  Send(ap_event::kVerticalSpeed, target);
}

void ResetVnavController() {
  if (toc == 0) clb_spd_restr_active = 1;
  vnav_last_set_spd = -999.0;
  vnav_last_set_mach_spd = -999.0;
  vnav_des_active = 0;
  vnav_cruise = 0;
  vnav_init_flag = 1;
  exec_reset_word = -999;
  desc_spd_restr_set = 0.0;
}

void EngageVnav() {
  vnav = 1;
  spdhld_flsh_ctr = kFlchPassCounterStart;
  fma_pitch_box_timer = kFmaBoxTicks;
  alt_hold_mode = 0;
  vs_hold_mode = 0;
  flch = 0;
  FlyVnav();
  NV_SET(vs_show, 0.0);
  NV_SET(alt_hold, alt_hold_mode);
  NV_SET(vs_hold, vs_hold_mode);
  NV_SET(ias_show, 0.0);
}

// After the top of descent below the Mach altitude SPD keeps the speed VNAV was flying, within the
// restriction: every hand-over (the VNAV button, the glideslope capture, SPD, V/S) sends the same.
void SendDescentSpeedForSpd() {
  Send(ap_event::kAirspeedTarget, TruncToI32(SpeedHandedFromVnav()));
  RequestSpeedResync(kResyncHandedSpeed);
}

// Dropping VNAV with its own button hands the thrust to SPD at a speed for the phase of flight.
void HandVnavThrustToSpd() {
  spd_hold = 1;
  NV_SET(spd_hold, spd_hold);
  ReadSpeedModeSelect();
  if (tod != 1 && init_tod != 1) {
    Send(ap_event::kAirspeedTarget, TruncToI32(ias));
    RequestSpeedResync(kResyncIas);
  } else if (plane_alt < kMachAltitudeFt) {
    SendDescentSpeedForSpd();
  }
  if (speed_mode_select != 0 && plane_alt >= kMachAltitudeFt) {
    Send(ap_event::kMachHoldOn);
  } else {
    Send(ap_event::kMachHoldOff);
    Send(ap_event::kAirspeedHoldOn);
  }
}

void DropVnav() {
  vnav = 0;
  fma_pitch_box_timer = 0;
  FsuipcClear310A();
  if (thrust_hold == 0) {
    NV_SET(ias_show, 1.0);
    if (vnav_armed == 0) HandVnavThrustToSpd();
  }
  if (std::fabs(ReadTokenVar120()) >= kVsWindowFpm) NV_SET(vs_show, 1.0);
  if (startup_phase == 0) vnav_armed = 0;
}

// Leaving FLCH (its own button, SPD or THR) hands the pitch axis to V/S at the present vertical speed.
void HandFlchPitchToVs() {
  flch = 0;
  ToggleVsMode();
  fma_pitch_box_timer = kFmaBoxTicks;
  NV_SET(vs_show, 1.0);
}

void EngageFlch() {
  SpeedHoldsOff();
  ReadSpeedModeSelect();
  if (speed_mode_select == 1) {
    target_mach = std::min(plane_mach, kFlchMaxMach);
    Send(ap_event::kMachTarget, TruncToI32(target_mach * 100.0));
  } else {
    target_ias = std::min(ias, kFlchMaxIasKt);
    Send(ap_event::kAirspeedTarget, TruncToI32(target_ias));
  }
  thrust_target = 0.0;
  thrust_target_prev = -1.0;
  flch = 1;
  fma_thr_box_timer = kFmaBoxTicks;
  fma_pitch_box_timer = kFmaBoxTicks;
  thr_release_pending = 0;

  NV_SET(vs_show, 0.0);
  NV_SET(ias_show, 1.0);
  vs_hold_mode = 0;
  NV_SET(vs_hold, vs_hold_mode);
  alt_hold_mode = 0;
  NV_SET(alt_hold, alt_hold_mode);
  vnav = 0;
  spd_hold = 0;
  NV_SET(vnav, 0.0);
  NV_SET(spd_hold, spd_hold);
  thrust_hold = 0;
  NV_SET(thrust, thrust_hold);

  // FLCH flies the MCP altitude: LOC, APP and the autoland give way.
  LeaveApproachModes();
  Send(ap_event::kAltitudeTarget, alt_sel_num);

  spdhld_vs = 0.0;
  Send(ap_event::kVerticalSpeed, 0);
  spdhld_flsh_ctr = kFlchPassCounterStart;
}

}  // namespace

bool AutopilotMayEngage() { return radio_height > kApEngageMinRadioHeightFt || lite_mode == 1; }
bool AltHoldMayEngage() { return ap_master == 1.0 || lite_mode == 1; }
bool SpeedHoldMayEngage() { return at_arm == 1.0 && (radio_height > kSpdMinRadioHeightFt || lite_mode == 1); }
bool ThrustHoldMayEngage() { return at_arm == 1.0 && lite_mode == 0; }
bool VnavMayEngage() { return lite_mode == 0 && stpos != kNoActiveLeg; }
bool FlchMayEngage() {
  return ias >= FlchMinIas && ias <= FlchMaxIas && lite_mode == 0 &&
         std::fabs(plane_alt - tok108_flag) > kFlchAltitudeWindowFt;
}
bool VnavOnlyArms() { return radio_height <= kVnavArmRadioHeightFt; }

bool LocalizerCaptured() { return (loc_mode == 1 || app_mode == 1) && loc_capture == 1; }
bool GlideslopeCaptured() { return app_mode == 1 && gs_capture == 1; }
bool PitchModeFlown() {
  return vnav == 1 || vs_hold_mode == 1 || flch == 1 || alt_hold_mode == 1 || GlideslopeCaptured();
}
bool RollModeFlown() {
  return lnav == 1 || hdg_hold_mode == 1 || hdg_sel_mode == 1 || nav_button > 0 || LocalizerCaptured();
}
bool FlchFliesThrust() { return (flch == 1 || (vnav == 1 && vnav_armed == 0)) && !VnavOnlyArms(); }

void HandFlchThrustToSpd() {
  flch = 0;
  FsuipcClear310A();
  if (spd_hold == 0 && SpeedHoldMayEngage()) EngageSpeedHold();
}

void FlyHdgHold() {
  Send(ap_event::kHeadingHoldOn);
  hdg_sync_skip_once = 1;  // the bug's echo is not a pilot's heading selection
  Send(ap_event::kHeadingBug, TruncToI32(plane_hdg_mag));
  DropNavSourceButton();
}

void FlyHdgSel() {
  Send(ap_event::kHeadingHoldOn);
  Send(ap_event::kHeadingBug, TruncToI32(hdg_sel_dir));
  DropNavSourceButton();
}

void FlyAltHold(int32_t altitude_ft) {
  Send(ap_event::kAltitudeHoldOn);
  if (lite_mode != 0) return;
  if (altitude_ft == 0) {
    Send(ap_event::kAltitudeTarget, TruncToI32(plane_alt));
    Send(ap_event::kVerticalSpeed, 0);
  } else {
    Send(ap_event::kAltitudeTarget, altitude_ft);
  }
}

void FlyVs() {
  Send(ap_event::kAltitudeHoldOn);
  SendVsTarget();
}

void FlyVnav() {
  FsuipcClear310A();
  Send(ap_event::kAltitudeHoldOn);
}

void SpeedHoldOn() {
  ReadSpeedModeSelect();
  Send(speed_mode_select != 0 ? ap_event::kMachHoldOn : ap_event::kAirspeedHoldOn);
}

void SpeedHoldsOff() {
  Send(ap_event::kAirspeedHoldOff);
  Send(ap_event::kMachHoldOff);
}

void ForgetApproachCapture() {
  if (loc_mode != 1 && app_mode != 1) loc_capture = 0;
  if (app_mode != 1) gs_capture = 0;
}

void TakeApproachHoldsOff() {
  Send(ap_event::kLocalizerHoldOff);
  Send(ap_event::kApproachHoldOff);
}

void LeaveApproachModes() {
  app_mode = 0;
  loc_mode = 0;
  autoland_mode = 0;
  ForgetApproachCapture();
  TakeApproachHoldsOff();
  NV_SET(app, app_mode);
  NV_SET(loc, loc_mode);
}

void KeepLocalizerOnly() {
  // The simulator's approach hold would go on flying the glideslope.
  if (app_mode == 1) Send(ap_event::kApproachHoldOff);
  loc_mode = 1;
  app_mode = 0;
  Send(ap_event::kLocalizerArm);
  autoland_mode = 0;
  ForgetApproachCapture();
  NV_SET(loc, loc_mode);
  NV_SET(app, app_mode);
}

void PressHeadingMode(void (*toggle)(), int32_t engaged) {
  if (engaged == 0 && (app_mode == 1 || loc_mode == 1)) LeaveApproachModes();
  toggle();
}

void PressVs() {
  if (vs_hold_mode == 0 && app_mode == 1) KeepLocalizerOnly();
  ToggleVsMode();
}

void DropNavSourceButton() {
  if (nav_button <= 0) return;
  nav_button = 0;
  NV_SET(nav_button, nav_button);
  Send(ap_event::kNavHoldOff);
  if (ReadTokenVar848() != 0) Send(ap_event::kToggleGpsDrivesNav);
}

void ToggleHdgHold() {
  if (lite_mode == 1) {
    // The reduced panel has one heading mode.
    ToggleHdgSel();
    hdg_hold_mode = hdg_sel_mode;
  } else if (hdg_hold_mode == 0) {
    SetHeadingHoldFlags();
    FlyHdgHold();
    NV_SET(lnav, lnav);
    fma_roll_box_timer = kFmaBoxTicks;
  } else {
    if (lnav == 0) Send(ap_event::kHeadingHoldOff);
    hdg_hold_mode = 0;
    fma_roll_box_timer = 0;
  }
  NV_SET(hdg_hold, hdg_hold_mode);
}

void ToggleHdgSel() {
  if (hdg_sel_mode == 0) {
    hdg_sel_mode = 1;
    hdg_hold_mode = 0;
    lnav = 0;
    lnav_init_mode = 0;
    FlyHdgSel();
    NV_SET(hdg_hold, hdg_hold_mode);
    NV_SET(lnav, lnav);
    fma_roll_box_timer = kFmaBoxTicks;
  } else {
    hdg_sel_mode = 0;
    fma_roll_box_timer = 0;
    if (lnav == 0) Send(ap_event::kHeadingHoldOff);
  }
  if (lite_mode == 1) {
    hdg_hold_mode = hdg_sel_mode;
    NV_SET(hdg_hold, hdg_hold_mode);
  }
}

void AfdsLateralMode() {
  if (nav_button > 0 && lite_mode == 0 && hdg_hold_mode == 0 && hdg_sel_mode == 0) {
    // A navigation source needs a heading mode to fly the aircraft until its course is captured.
    SetHeadingHoldFlags();
    Send(ap_event::kHeadingHoldOn);
    fma_roll_box_timer = kFmaBoxTicks;
    Send(ap_event::kHeadingBug, TruncToI32(plane_hdg_mag));
    NV_SET(lnav, lnav);
    NV_SET(hdg_hold, hdg_hold_mode);
  }
  const bool gps_drives_nav = ReadTokenVar848() != 0;
  if (nav_button == 1) {
    if (gps_drives_nav) Send(ap_event::kToggleGpsDrivesNav);
    Send(ap_event::kNavHoldOn);
  } else if (nav_button == 2) {
    if (!gps_drives_nav) Send(ap_event::kToggleGpsDrivesNav);
    Send(ap_event::kNavHoldOn);
  } else {
    if (ap_master == 1.0 && lite_mode == 0) ToggleHdgHold();
    Send(ap_event::kNavHoldOff);
    if (ReadTokenVar848() != 0) Send(ap_event::kToggleGpsDrivesNav);
  }
}

void ToggleAltHold(int32_t altitude_ft) {
  if (alt_hold_mode == 0) {
    if (vnav == 1) {
      vnav = 0;
      if (vnav_armed == 0) {
        spd_hold = 1;
        NV_SET(spd_hold, spd_hold);
        SpeedHoldOn();
        NV_SET(ias_show, 1.0);
      }
    }
    if (flch == 1) flch = 0;
    alt_hold_mode = 1;
    fma_pitch_box_timer = kFmaBoxTicks;
    FlyAltHold(altitude_ft);
    if (lite_mode == 0) {
      NV_SET(vnav, vnav);
      NV_SET(vs_show, 0.0);
      vs_hold_mode = 0;
    } else {
      vs_hold_mode = 1;  // the reduced panel lights V/S with ALT HOLD
    }
    NV_SET(vs_hold, vs_hold_mode);
  } else {
    Send(ap_event::kAltitudeHoldOff);
    alt_hold_mode = 0;
    fma_pitch_box_timer = 0;
    if (lite_mode == 1) {
      vs_hold_mode = 0;
      NV_SET(vs_hold, vs_hold_mode);
    }
  }
  NV_SET(alt_hold, alt_hold_mode);
}

void ToggleVsMode() {
  if (vs_hold_mode == 0) {
    // The speed mode takes the thrust over from VNAV or FLCH.
    if (vnav == 1 || flch == 1) EngageSpeedHold();
    vnav = 0;
    flch = 0;
    alt_hold_mode = 0;
    vs_hold_mode = 1;
    fma_pitch_box_timer = kFmaBoxTicks;
    FlyVs();
    NV_SET(alt_hold, alt_hold_mode);
    NV_SET(vnav, vnav);
    NV_SET(vs_show, 1.0);
  } else {
    vs_hold_mode = 0;
    fma_pitch_box_timer = 0;
    Send(ap_event::kVerticalSpeed, 0);
    NV_SET(vs_show, 0.0);
  }
  NV_SET(vs_hold, vs_hold_mode);
}

void AfdsVertModeSwitch() {
  if (vnav == 0) {
    const bool can_engage = VnavMayEngage();
    if (can_engage) EngageVnav();
    ResetVnavController();
    if (can_engage) {
      // The driver has run in this frame before any click reaches here, so what it would take now is
      // its head: fresh speeds and altitude.
      SampleTickHead();
      if (!VnavOnlyArms()) {
        spd_hold = 0;
        thrust_hold = 0;
        thr_release_pending = 0;
        NV_SET(spd_hold, spd_hold);
        NV_SET(thrust, thrust_hold);
        if (startup_phase == 0) vnav_armed = 0;
      } else {
        vnav_armed = 1;
      }
    }
  } else {
    DropVnav();
  }
  NV_SET(vnav, vnav);
}

int32_t FlchMouseCallback(const gauge::PixelPoint*, uint32_t) {
  sound_event_code = kPanelClickSound;
  if (flch == 0) {
    if (ias < FlchMinIas || ias > FlchMaxIas) return 0;
    target_mach = 0.0;
    if (!FlchMayEngage()) return 0;
    EngageFlch();
  } else {
    FsuipcClear310A();
    HandFlchPitchToVs();
  }
  return 0;
}

void EngageSpeedHold() {
  if (spd_hold == 0 && (radio_height > kSpdMinRadioHeightFt || lite_mode == 1)) {
    spd_hold = 1;
    fma_thr_box_timer = kFmaBoxTicks;
    thrust_hold = 0;
    thr_release_pending = 0;
    if (vnav == 1) {
      vnav = 0;
      if ((tod == 1 || init_tod == 1) && plane_alt < kMachAltitudeFt) {
        speed_mode_select = 0;
        Send(ap_event::kAirspeedHoldOn);
        SendDescentSpeedForSpd();
      }
      // Leaving VNAV through SPD hands the pitch axis to V/S.
      ToggleVsMode();
    }
    if (flch == 1) HandFlchPitchToVs();
    FsuipcClear310A();
    NV_SET(ias_show, 1.0);
    SpeedHoldOn();
    NV_SET(vnav, vnav);
    NV_SET(thrust, thrust_hold);
    NV_SET(spd_hold, spd_hold);
  } else {
    SpeedHoldsOff();
    spd_hold = 0;
    fma_thr_box_timer = 0;
    if (vnav == 1) NV_SET(ias_show, 0.0);
    NV_SET(spd_hold, spd_hold);
  }
}

void ToggleThrustHold() {
  if (thrust_hold == 0) {
    SpeedHoldsOff();
    fma_thr_box_timer = kFmaBoxTicks;
    if (vnav_armed != 1) vnav = 0;
    thrust_hold = 1;
    thr_roll_held = 0;  // engaged afresh, THR flies the levers up to the next 80 kt on the ground
    spd_hold = 0;
    if (flch == 1) HandFlchPitchToVs();
    if (vnav == 0) NV_SET(vnav, 0.0);
    NV_SET(spd_hold, spd_hold);
    NV_SET(ias_show, 1.0);
    Send(ap_event::kAirspeedHoldOff);
    tick36_counter = 99;  // the 36-tick cycle (and its FSUIPC write) completes on the next tick
  } else {
    thrust_hold = 0;
    FsuipcClear310A();
    thr_release_pending = 0;
    fma_thr_box_timer = 0;
  }
  NV_SET(thrust, thrust_hold);
}
