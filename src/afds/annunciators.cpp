#include "afds/annunciators.h"

#include "afds/afds_globals.h"
#include "afds/afds_services.h"
#include "afds/ap_key_events.h"
#include "afds/systems_globals.h"
#include "fmc/perf_tables.h"
#include "sim/fsuipc_client.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kYawDamperEngage = 0x10215;
constexpr uint32_t kTakeoffSpeed = 0x101F4;
constexpr int32_t kBrakeRelease = -16383;

constexpr uint32_t kOffsetHydFailures = 0x32F8;
constexpr uint8_t kHydFailLeft = 1;
constexpr uint8_t kHydFailCentreRight = 6;
constexpr int32_t kHydFailPsi = 150;
constexpr int32_t kHydRecoverPsi = 2500;

constexpr int32_t kPanelClick = 2;
constexpr int32_t kPushButton = 3;

bool AllIrsAligned() { return irs_l_anun_mode == 3 && irs_c_anun_mode == 3 && irs_r_anun_mode == 3; }

// A yaw damper moves under battery as well as under AC power.
bool YawDamperPowered() { return ReadTokenVar364() != 0.0 || ac_power > 1; }

void PublishYawDampers() {
  NV_SET(l_yaw_damper_mode, l_yaw_damper_mode);
  NV_SET(r_yaw_damper_mode, r_yaw_damper_mode);
}

void DropYawDamper(int32_t& mode) {
  if (mode == 2) mode = 1;
}

// Starts the alignment of a knob at 0; switches a knob at 1 off. Returns true when switched off.
bool ToggleIrsKnob(int32_t& knob, int32_t& mode, int32_t& count) {
  if (knob == 0) {
    knob = 1;
    mode = 1;
    count = IrsAlignSecs;
    return false;
  }
  if (knob == 1) {
    // Off ends the alignment too: a count left running would bring the IRS to NAV with its knob off.
    knob = 0;
    mode = 0;
    count = 0;
    return true;
  }
  return false;
}

void SyncYawDampersKeyedOn(int32_t keyed) {
  int32_t next = keyed;
  if (keyed == 0 || keyed == 1) {
    // Unpowered, the switch still moves to its on position with the light dark.
    next = AllIrsAligned() || !YawDamperPowered() ? 3 : 2;
  } else if (keyed == 2 || keyed == 3) {
    next = YawDamperPowered() ? 1 : 0;
  }
  l_yaw_damper_mode = next;
  r_yaw_damper_mode = next;
  PublishYawDampers();
  sound_event_code = kPushButton;
}

void WriteHydFailByte(uint8_t value) {
  FsuipcWrite(kOffsetHydFailures, 1, &value, &fsuipc_result);
  FsuipcProcess(&fsuipc_result);
}

bool OpenFsuipcLink() {
  return FsuipcOpen(0, &fsuipc_result, fsuipc_buffer, kFsuipcSharedBufferBytes);
}

void LatchHydFailures() {
  const bool cr_low = c_hyd_press < kHydFailPsi && r_hyd_press < kHydFailPsi;
  const bool cr_latched = hyd_fail_c_sent != 0 && hyd_fail_r_sent != 0;
  // The centre and right failure is written only while the left system is failed as well.
  if (l_hyd_press >= kHydFailPsi || !(hyd_fail_l_sent == 0 || (cr_low && !cr_latched))) return;
  if (!OpenFsuipcLink()) return;
  if (hyd_fail_l_sent == 0) {
    hyd_fail_l_sent = 1;
    flaps_angle = ReadFlapsAngle();
    WriteHydFailByte(kHydFailLeft);
    FsuipcClose();
    return;
  }
  hyd_fail_c_sent = hyd_fail_r_sent = 1;
  WriteHydFailByte(kHydFailCentreRight);
  FsuipcClose();
  FsuipcSet32F8();
}

void RecoverHydFailures() {
  const bool any_up = l_hyd_press >= kHydRecoverPsi || c_hyd_press >= kHydRecoverPsi || r_hyd_press >= kHydRecoverPsi;
  const bool left_due = l_hyd_press >= kHydRecoverPsi && hyd_fail_l_sent != 0;
  const bool cr_due = any_up && (hyd_fail_c_sent != 0 || hyd_fail_r_sent != 0);
  if (!left_due && !cr_due) return;
  if (!OpenFsuipcLink()) return;
  if (left_due) {
    WriteHydFailByte(0);
    hyd_fail_l_sent = 0;
  }
  if (cr_due) {
    WriteHydFailByte(0);
    hyd_fail_c_sent = hyd_fail_r_sent = 0;
  }
  FsuipcClose();
  if (cr_due) FsuipcClear32F8();
}

}  // namespace

void SyncYawIrsL() {
  if (ToggleIrsKnob(irs_l_anun_knob, irs_l_anun_mode, irs_l_align_count)) DropYawDamper(r_yaw_damper_mode);
  PublishYawDampers();
  NV_SET(irs_l_anun_knob, irs_l_anun_knob);
  NV_SET(irs_l_anun_mode, irs_l_anun_mode);
  sound_event_code = kPanelClick;
}

void SyncYawIrsC() {
  if (ToggleIrsKnob(irs_c_anun_knob, irs_c_anun_mode, irs_c_align_count)) {
    DropYawDamper(l_yaw_damper_mode);
    DropYawDamper(r_yaw_damper_mode);
  }
  PublishYawDampers();
  NV_SET(irs_c_anun_knob, irs_c_anun_knob);
  NV_SET(irs_c_anun_mode, irs_c_anun_mode);
  sound_event_code = kPanelClick;
}

void SyncYawIrsR() {
  if (ToggleIrsKnob(irs_r_anun_knob, irs_r_anun_mode, irs_r_align_count)) {
    DropYawDamper(l_yaw_damper_mode);
    DropYawDamper(r_yaw_damper_mode);
  }
  PublishYawDampers();
  NV_SET(irs_r_anun_knob, irs_r_anun_knob);
  NV_SET(irs_r_anun_mode, irs_r_anun_mode);
  sound_event_code = kPanelClick;
}

void SyncYawDampers2() { SyncYawDampersKeyedOn(l_yaw_damper_mode); }
void SyncYawDampersR() { SyncYawDampersKeyedOn(r_yaw_damper_mode); }

void SyncYawDamperVars() {
  if (!AllIrsAligned()) UpdateIrsAnnunciatorVars();
  l_yaw_damper_mode = 2;
  r_yaw_damper_mode = 2;
  PublishYawDampers();
  host::TriggerKeyEvent(kYawDamperEngage, 0);
}

void InitPacks() {
  l_pack_switch = 1;
  l_pack_reset = 2;
  r_pack_switch = 1;
  r_pack_reset = 2;
  NV_SET(l_pack_switch, l_pack_switch);
  NV_SET(r_pack_switch, r_pack_switch);
  NV_SET(l_pack_reset, l_pack_reset);
  NV_SET(r_pack_reset, r_pack_reset);
}

void UpdateHydPressVals() {
  if (startup_phase == 1) return;
  NV_SET(l_hyd_press_val, l_hyd_press);
  NV_SET(c_hyd_press_val, c_hyd_press);
  NV_SET(r_hyd_press_val, r_hyd_press);
  LatchHydFailures();
  RecoverHydFailures();
}

void UpdateLandingLightVars(int32_t which) {
  if (which == 1) NV_SET(wingldglt, wingldglt);
  if (which == 2) NV_SET(noseldglt, noseldglt);
}

void UpdateOverheadLights() {
  NV_SET(l_eng_bleed, l_eng_bleed);
  NV_SET(r_eng_bleed, r_eng_bleed);
  NV_SET(apu_fault_light, apu_fault_light);
  NV_SET(apu_run_light, apu_run_light);
  NV_SET(l_pack_reset, l_pack_reset);
  NV_SET(r_pack_reset, r_pack_reset);
  NV_SET(apu_bleed, apu_bleed);
  NV_SET(isol_air_valve, isol_air_valve);
  NV_SET(l_eng_start_light, l_eng_start_light);
  NV_SET(r_eng_start_light, r_eng_start_light);
  NV_SET(apu_switch, apu_switch);
  NV_SET(l_hyd_sys_press, l_hyd_sys_press);
  NV_SET(c_hyd_sys_press, c_hyd_sys_press);
  NV_SET(r_hyd_sys_press, r_hyd_sys_press);
  NV_SET(wing_anti_ice_valve, wing_anti_ice_valve);
  NV_SET(l_eng_anti_ice_valve, l_eng_anti_ice_valve);
  NV_SET(r_eng_anti_ice_valve, r_eng_anti_ice_valve);
  NV_SET(fuelconfig_anun, fuelconfig_anun);
  NV_SET(aft_xfeed_fuel_pump, aft_xfeed_fuel_pump);
  NV_SET(fwd_xfeed_fuel_pump, fwd_xfeed_fuel_pump);
}

void UpdateStatusAnun() {
  NV_SET(config_anun, config_anun);
  NV_SET(fmc_anun, fmc_anun);
  NV_SET(cabalt_anun, cabalt_anun);
  NV_SET(fuelcfg_anun, fuelcfg_anun);
  NV_SET(acars_anun, acars_anun);
}

void SetSpeedbrakeAnun(int32_t value) { NV_SET(speedbrake_anun, value); }

void UpdateMarkerLights() {
  int32_t value = 0;
  if (stdby_att_erecting == 1) {
    stdby_att_erect_count = stdby_att_erect_count >= 3 ? 0 : stdby_att_erect_count + 1;
    marker_state = stdby_att_erect_count;
    value = marker_state;
  } else {
    value = TruncToI32(ReadTokenVar354());
  }
  NV_SET(outer_marker, value == 1 ? 1.0 : 0.0);
  NV_SET(middle_marker, value == 2 ? 1.0 : 0.0);
  NV_SET(inner_marker, value == 3 ? 1.0 : 0.0);
}

void UpdateStbyAttVars() {
  NV_SET(stdby_plane_pitch, stdby_att_pitch);
  NV_SET(stdby_plane_bank, stdby_att_bank);
}

void SendTakeoffSpeedKey() {
  host::TriggerKeyEvent(kTakeoffSpeed, LookupSpeedByWeightFlapEpr());
  to_spd_key_sent = 1;
}

void ReleaseAutobrakeAxes() {
  ap_event::Send(ap_event::kLeftBrakeAxis, kBrakeRelease);
  ap_event::Send(ap_event::kRightBrakeAxis, kBrakeRelease);
}

void disengage_autobrakes() {
  auto_brake_switch = 1;
  NV_SET(auto_brake_switch, auto_brake_switch);
  auto_brake_status = 0;
  ReleaseAutobrakeAxes();
  autobrake_appl = 0;
  autobrake_holding = 0;
}
