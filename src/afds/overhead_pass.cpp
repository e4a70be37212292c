#include "afds/overhead_pass.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/annunciators.h"
#include "afds/ap_key_events.h"
#include "afds/panel_sounds.h"
#include "afds/phase0.h"
#include "afds/sound_globals.h"
#include "afds/systems_globals.h"
#include "afds/vnav_targets.h"
#include "displays/displays_globals.h"
#include "sim/derived_samples.h"
#include "sim/radio_readers.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/sim_access.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kPanelClick = 2;
constexpr int32_t kAcPowerSound = 9;
constexpr int32_t kSpeedbrakeSound = 10;
constexpr int32_t kHfStaticRequest = 8;

constexpr uint32_t kGearLeverUpOnGround = 0x10220;
constexpr double kParkingBrakeSet = 32000.0;
constexpr double kSpoilerStowed = 16000.0;

// Engine start: the spool values at which the starter and fuel act.
constexpr double kStarterCutInSpool = 23.0;
constexpr double kFuelOnSpool = 20.0;
constexpr double kStarterCutOutSpool = 25.0;
constexpr double kStartDoneSpool = 50.0;
constexpr double kSwitchReturnSpool = 42.0;
constexpr int32_t kFailedStartTicks = 36;

bool IsPhase(std::initializer_list<int32_t> phases) {
  for (int32_t p : phases) {
    if (server_phase == p) return true;
  }
  return false;
}

double ReadClick(const char* name, uint32_t* id) { return host::ReadNamedVar(name, id); }
void ClearClick(const char* name, uint32_t* id) { host::WriteNamedVar(name, id, 0.0); }

void UpdateSpeedbrakeTouchdown() {
  if (spoiler_touchdown_armed == 1) {
    if (ReadOnGround() != 0) {
      sound_event_code = kSpeedbrakeSound;
      spoiler_touchdown_armed = 0;
    }
    if (ReadTokenVar324() == 0.0) spoiler_touchdown_armed = 0;
  } else if (ReadTokenVar324() > 0.0 && radio_height > 50.0 && ReadTokenVar326() < kSpoilerStowed &&
             ReadTokenVar327() < kSpoilerStowed) {
    spoiler_touchdown_armed = 1;
  }
}

void PublishAligningIrs() {
  if (irs_l_align_count > 0) NV_SET(irs_l_anun_mode, irs_l_anun_mode);
  if (irs_c_align_count > 0) NV_SET(irs_c_anun_mode, irs_c_anun_mode);
  if (irs_r_align_count > 0) NV_SET(irs_r_anun_mode, irs_r_anun_mode);
}

void PublishSyncedYawDampers() {
  if (yaw_damper_sync_pending != 1) return;
  if (l_yaw_damper_mode == 2) NV_SET(l_yaw_damper_mode, l_yaw_damper_mode);
  if (r_yaw_damper_mode == 2) NV_SET(r_yaw_damper_mode, r_yaw_damper_mode);
  yaw_damper_sync_pending = 0;
}

bool SameHeading(int32_t sent, double value) { return std::fabs(std::remainder(value - sent, 360.0)) < 0.5; }
bool SameAltitude(int32_t sent, double value) { return std::fabs(value - sent) < 0.5; }

// Whether the simulator's value moved to `value` because the module sent it `event`: one of its
// sends from number `cursor` on carries it, and those up to the last such one are taken as applied.
// A move none explains is the simulator's own; the sends before the previous pass, which it has had
// time to apply, are then dropped.
bool SentByModule(uint32_t event, double value, bool (*same)(int32_t, double), uint32_t& cursor) {
  const uint32_t count = host::SentKeyEventCount();
  if (count - cursor > host::kSentKeyEventLog) cursor = count - host::kSentKeyEventLog;
  bool sent = false;
  for (uint32_t n = cursor; n != count; ++n) {
    const host::SentKeyEvent e = host::SentKeyEventAt(n);
    if (e.event_id == event && same(e.value, value)) {
      cursor = n + 1;
      sent = true;
    }
  }
  if (!sent && count - cursor > count - mcp_sync_sent_mark) cursor = mcp_sync_sent_mark;
  return sent;
}

// The simulator's own altitude knob also leaves the window's step request (its event reaches the
// key handler as one), which turns the window by the same step: copying the moved value as well
// would turn it twice.
bool AltitudeStepPending() {
  return std::isgreater(NV_GET(alt_sel_num_incr), 0.0) || std::isgreater(NV_GET(alt_sel_num_decr), 0.0);
}

// Only the simulator's own changes are followed: a knob step that sent no event leaves the
// simulator's value where it was, and the window keeps the pilot's step until the simulator moves;
// a value the module sent (VNAV's altitude, the heading of an engagement) is not the pilot's either.
void SyncMcpWindowsToAutopilot() {
  if (SynchMCPWinToAP != 1) return;
  const bool first = mcp_sync_seen == 0;
  const bool hdg_moved =
      first || (ap_hdg_bug != mcp_sync_hdg_seen &&
                !SentByModule(ap_event::kHeadingBug, ap_hdg_bug, SameHeading, mcp_sync_hdg_sent));
  const bool alt_moved =
      first || (ap_alt_lock != mcp_sync_alt_seen &&
                !SentByModule(ap_event::kAltitudeTarget, ap_alt_lock, SameAltitude, mcp_sync_alt_sent));
  mcp_sync_seen = 1;
  mcp_sync_hdg_seen = ap_hdg_bug;
  mcp_sync_alt_seen = ap_alt_lock;
  mcp_sync_sent_mark = host::SentKeyEventCount();
  if (hdg_moved && lnav == 0 && ap_hdg_bug != hdg_sel_dir) {
    hdg_sel_dir = ap_hdg_bug;
    NV_SET(hdg_sel_dir, TruncToI32(hdg_sel_dir));
  }
  if (alt_moved && ap_alt_lock != alt_sel_num && !AltitudeStepPending()) {
    alt_sel_num = TruncToI32(ap_alt_lock);
    NV_SET(alt_sel_num, alt_sel_num);
  }
}

struct EngineStart {
  int32_t& start_switch;
  int32_t& light;
  int32_t& light_timer;
  int32_t& phase;
  int32_t& count;
  int32_t& done;
  double (*spool)();
  double (*fuel_value)();
  double (*running)();
  uint32_t starter_event;
  uint32_t fuel_event;
  bool right;
  const char* switch_name;
  uint32_t* switch_id;
  const char* light_name;
  uint32_t* light_id;
  const char* click_name;
  uint32_t* click_id;
};

bool StartConditionsHold(const EngineStart& e) {
  const int32_t pack_reset = e.right ? r_pack_reset : l_pack_reset;
  if (pack_reset != 0 || apu_bleed != 2 || apu_mode != 2 || l_pack_switch != 0 || r_pack_switch != 0) return false;
  if (e.right && isol_air_valve != 2) return false;
  return e.running() == 0.0;
}

void ClickStartSwitch(EngineStart& e) {
  if (ReadClick(e.click_name, e.click_id) == 0.0) return;
  if (e.start_switch == 0) {
    e.start_switch = 1;
    sound_event_code = kPanelClick;
    // Putting the switch back ends a start whose starter is engaged, and releases the starter as
    // the cut-out above 25 % would.
    if (e.phase == 1) {
      e.phase = 0;
      if (simver == 10) host::TriggerKeyEvent(e.starter_event, 0);
    }
  } else if (e.start_switch == 1) {
    e.start_switch = 0;
    sound_event_code = kPanelClick;
    if (StartConditionsHold(e)) {
      e.light = 1;
      e.light_timer = kStartValveLightTicks;
      e.phase = 1;
      if (simver != 9 && e.spool() < kStarterCutInSpool) host::TriggerKeyEvent(e.starter_event, 0);
    } else {
      e.count = 1;
    }
  }
  host::WriteNamedVar(e.switch_name, e.switch_id, e.start_switch);
  host::WriteNamedVar(e.light_name, e.light_id, e.light);
  ClearClick(e.click_name, e.click_id);
}

void StepEngineStart(EngineStart& e) {
  ClickStartSwitch(e);
  if (e.phase == 1) {
    if (e.spool() < kStarterCutOutSpool) {
      if (EnableManualEngStart == 0 && e.spool() >= kFuelOnSpool && e.fuel_value() == 0.0) {
        host::TriggerKeyEvent(e.fuel_event, 0);
      }
      if (simver == 9) host::TriggerKeyEvent(e.starter_event, 0);
    } else {
      e.phase = 2;
      if (simver == 10) host::TriggerKeyEvent(e.starter_event, 0);
    }
  }
  if (e.phase == 2 && e.spool() >= kStartDoneSpool) {
    e.phase = 0;
    sound_event_code = kAcPowerSound;
    e.done = 1;
  }
  if (e.start_switch == 0 && ((e.spool() >= kSwitchReturnSpool && e.count == 0) || e.count > kFailedStartTicks)) {
    e.start_switch = 1;
    host::WriteNamedVar(e.switch_name, e.switch_id, e.start_switch);
    e.count = 0;
  }
}

#define RO_NV_REF(ident) nv::ident, &ident##_id

void StepEngineStarts() {
  EngineStart left{l_eng_start_switch, l_eng_start_light, l_eng_start_light_timer, l_eng_start_phase,
                   l_eng_start_count,  l_eng_start_done,  &ReadTokenVar627,        &ReadTokenVar560,
                   &ReadTokenVar566,   0x102FC,           0x101BF,                 false,
                   RO_NV_REF(l_eng_start_switch),         RO_NV_REF(l_eng_start_light),
                   RO_NV_REF(l_eng_start_switch_clicked)};
  EngineStart right{r_eng_start_switch, r_eng_start_light, r_eng_start_light_timer, r_eng_start_phase,
                    r_eng_start_count,  r_eng_start_done,  &ReadTokenVar646,        &ReadTokenVar570,
                    &ReadTokenVar576,   0x102FD,           0x101C4,                 true,
                    RO_NV_REF(r_eng_start_switch),         RO_NV_REF(r_eng_start_light),
                    RO_NV_REF(r_eng_start_switch_clicked)};
  StepEngineStart(left);
  StepEngineStart(right);
}

void StepTransponderIdent(int32_t ticks) {
  if (xpdr_ident_timer <= 0) return;
  xpdr_ident_timer = std::max(xpdr_ident_timer - ticks, 0);
  if (xpdr_ident_timer == 0) NV_SET(xpdr_ident, 0.0);
}

void PublishComDigits() {
  using Reader = double (*)();
  static constexpr Reader kReaders[8] = {
      &ReadCom1ActiveFreqDigit2, &ReadCom1StandbyFreqDigit2, &ReadCom2ActiveFreqDigit2, &ReadCom2StandbyFreqDigit2,
      &ReadCom1ActiveFreqDigit1, &ReadCom1StandbyFreqDigit1, &ReadCom2ActiveFreqDigit1, &ReadCom2StandbyFreqDigit1};
  static const char* const kNames[8] = {nv::com1_active_freq_digit_2,  nv::com1_standby_freq_digit_2,
                                        nv::com2_active_freq_digit_2,  nv::com2_standby_freq_digit_2,
                                        nv::com1_active_freq_digit_1,  nv::com1_standby_freq_digit_1,
                                        nv::com2_active_freq_digit_1,  nv::com2_standby_freq_digit_1};
  static uint32_t* const kIds[8] = {&com1_active_freq_digit_2_id, &com1_standby_freq_digit_2_id,
                                    &com2_active_freq_digit_2_id, &com2_standby_freq_digit_2_id,
                                    &com1_active_freq_digit_1_id, &com1_standby_freq_digit_1_id,
                                    &com2_active_freq_digit_1_id, &com2_standby_freq_digit_1_id};
  for (int i = 0; i < 8; ++i) {
    const double digit = kReaders[i]();
    if (digit == com_digits_published[i]) continue;
    host::WriteNamedVar(kNames[i], kIds[i], digit);
    com_digits_published[i] = digit;
  }
}

void StepAutoFuelLevers() {
  if (auto_eng_start_req != 1) return;
  const double spool1 = ReadTokenVar627();
  const double spool2 = ReadTokenVar646();
  if (spool1 >= 21.0 && spool1 < 25.0 && eng1_thrott == 2) {
    host::TriggerKeyEvent(0x101BF, 0);
    eng1_thrott = 1;
  }
  if (spool2 >= 21.0 && spool2 < 25.0 && eng2_thrott == 2) {
    host::TriggerKeyEvent(0x101C4, 0);
    eng2_thrott = 1;
  }
  if (spool1 > 30.0 && spool2 > 30.0) auto_eng_start_req = 0;
}

void StepSpeedBugResync() {
  if (spd_resync_state <= 0 || spd_resync_ticks <= 0) return;
  const double target = spd_resync_state == 1 ? DescSpdRest : spd_resync_state == 2 ? SpeedHandedFromVnav() : ias;
  if (std::fabs(ap_spdbug - target) > 5.0) ap_event::Send(ap_event::kAirspeedTarget, TruncToI32(target));
  if (--spd_resync_ticks == 0) spd_resync_state = 0;
}

void StepTakeoffCalloutArming() {
  if (fsuipc_poll_flag == 0 && vr > 0 && radio_height <= 10.0 && flap_angle > 4.9 && flap_angle <= 20.5 &&
      to_callout_mode == 0) {
    if (ias > 40.0 && pfd_ias_trend > 0.04) to_callout_mode = 1;
  } else if (to_callout_mode > 0 && (radio_height > 6000.0 || ias > 250.0 || vert_speed < -1500.0)) {
    to_callout_mode = 0;
  }
}

void StepMasterLight() {
  if (master_warning_req == 1) {
    // A caution lit and not reset waits under the warning.
    if (master_light_state == 1) master_caution_pending = 1;
    master_light_state = 2;
    NV_SET(master_warning_light, master_light_state);
    master_warning_req = 0;
  }
  if (master_light_state == 2 && warning_msg_count == 0) {
    master_light_state = master_caution_pending == 1 && caution_msg_count > 0 ? 1 : 0;
    master_caution_pending = 0;
    NV_SET(master_warning_light, master_light_state);
  }
  if (master_caution_req == 1) {
    // A caution never outranks a standing warning; it waits under it.
    if (master_light_state == 2) {
      master_caution_pending = 1;
    } else {
      master_light_state = 1;
      NV_SET(master_warning_light, master_light_state);
    }
    master_caution_req = 0;
  }
  if (master_light_state == 1 && caution_msg_count == 0) {
    master_light_state = 0;
    NV_SET(master_warning_light, master_light_state);
  }
}

void FollowLandingChecklistSwitch() {
  if (NV_GET(ldg_checklist) == static_cast<double>(ldg_checklist)) return;
  const int32_t was = ldg_checklist;
  ldg_checklist = ldg_checklist == 0 ? 1 : 0;
  if (was == 1 && ldg_checklist == 0) ldg_checklist_mode = 0;
  // Writing the new state back makes one press one flip, whatever value the button wrote.
  NV_SET(ldg_checklist, ldg_checklist);
}

void ClickExternalPower() {
  if (NV_GET(ext_power_avail_clicked) == 0.0) return;
  if (ext_power_avail == 1) {
    ext_power_avail = 0;
    NV_SET(ext_power_avail, ext_power_avail);
  } else if (ext_power_avail == 0 && ReadParkingBrake() > kParkingBrakeSet && ReadOnGround() != 0 &&
             ground_speed < 2.0) {
    ext_power_avail = 1;
    NV_SET(ext_power_avail, ext_power_avail);
  }
  if (ext_power_avail != 0) sound_event_code = kAcPowerSound;
  NV_SET(ext_power_avail_clicked, 0.0);
}

void ClickHf() {
  if (NV_GET(hf_comm_switch_clicked) == 0.0) return;
  if (hf_comm_switch == 0) {
    hf_comm_switch = 1;
  } else if (hf_comm_switch == 1) {
    hf_comm_switch = 0;
    StopSpoilerSound();
  }
  NV_SET(hf_comm_switch, hf_comm_switch);
  NV_SET(hf_comm_switch_clicked, 0.0);
  spoiler_sound_request = kHfStaticRequest;
}

void ClickNavButton() {
  if (NV_GET(nav_button_clicked) == 0.0) return;
  nav_button = (nav_button >= 0 && nav_button < 2) ? nav_button + 1 : 0;
  AfdsLateralMode();
  NV_SET(nav_button, nav_button);
  NV_SET(nav_button_clicked, 0.0);
  sound_event_code = kPanelClick;
}

// The first non-zero expression's value, else the last one's.
int32_t FirstOpen(std::initializer_list<const char*> expressions) {
  double v = 0.0;
  for (const char* e : expressions) {
    v = sim::ExpressionF64(e);
    if (v != 0.0) break;
  }
  return TruncToI32(v);
}

void UpdateDoorsAndGear() {
  l_entry_doors_anun = FirstOpen({"(A:EXIT OPEN:0,bool)", "(A:EXIT OPEN:1,bool)", "(A:EXIT OPEN:3,bool)"});
  r_entry_doors_anun = FirstOpen({"(L:ServiceDoorR1,bool)", "(L:ServiceDoorR2,bool)", "(L:ServiceDoorR4,bool)"});
  cargo_doors_anun = FirstOpen({"(A:EXIT OPEN:2, percent)", "(L:MainCargo,enum)"});
  const bool powered = ac_power >= 1;
  gear_left_position = powered ? GetGearLeftPosition() : 0;
  gear_center_position = powered ? GetGearCenterPosition() : 0;
  gear_right_position = powered ? GetGearRightPosition() : 0;
  NV_SET(gear_left_position, gear_left_position);
  NV_SET(gear_center_position, gear_center_position);
  NV_SET(gear_right_position, gear_right_position);
  if (NV_GET(gearleverpos) == 2.0 && gear_center_position == 0) NV_SET(gearleverpos, 1.0);
}

void StepThirtySixTickCheck() {
  if (!Tick36SlotPassed(35)) return;
  if (startup_phase == 1) startup_phase = 0;
  if (ReadOnGround() != 0 && NV_GET(gearleverpos) > 0.0) {
    NV_SET(gearleverpos, 0.0);
    host::TriggerKeyEvent(kGearLeverUpOnGround, 0);
  }
}

// The time bookkeeping the pass asks for at its start. Nothing in the module reads such a record, so
// it keeps none.
void StoreTimeEntry() {}

}  // namespace

// The windows a panel-state load sets are the crew's: the simulator's values as the load finds them
// are no move of its own, so that the next pass (the first one, after a start-up load) keeps them.
void TakeMcpSyncBaseline() {
  mcp_sync_seen = 1;
  mcp_sync_hdg_seen = ReadApHdgHold();
  mcp_sync_alt_seen = GetApAltLockVar();
}

void UpdateOverheadVars() {
  // The pass runs once a frame; what it counts in ticks takes the ticks of the run once.
  const int32_t ticks = TicksDue(&systems_pass_run);
  UpdateSpeedbrakeTouchdown();
  UpdateStbyAttVars();
  StoreTimeEntry();
  PublishAligningIrs();
  PublishSyncedYawDampers();
  SyncMcpWindowsToAutopilot();
  StepEngineStarts();
  StepTransponderIdent(ticks);

  if (server_phase % 2 == 0) PublishComDigits();
  if (IsPhase({0, 5, 10}) || RedrawSlotPassed(15)) StepAutoFuelLevers();
  if (server_phase % 3 == 0) {
    UpdateMarkerLights();
    StepSpeedBugResync();
    if (hyd_fail_l_sent == 0) flaps_angle = ReadFlapsAngle();
    NV_SET(flaps_angle, flaps_angle);
    ov_rudder_position = TruncToI32(NV_GET(ov_rudder_position));
    ov_l_aileron_position = TruncToI32(NV_GET(ov_l_aileron_position));
    ov_r_aileron_position = TruncToI32(NV_GET(ov_r_aileron_position));
    ov_elevator_position = TruncToI32(NV_GET(ov_elevator_position));
    StepTakeoffCalloutArming();
  }

  StepMasterLight();
  if (NV_GET(probe_heat_anun) != static_cast<double>(probe_heat_anun)) NV_SET(probe_heat_anun, probe_heat_anun);
  // The trend arrows of the PFD and EADI read this prediction; nothing else advances it. A pass of a
  // frame that sees no new tick leaves it, one after a run of two steps it twice.
  UpdateIasPrediction(ticks);
  FollowLandingChecklistSwitch();
  ClickExternalPower();
  ClickHf();
  ClickNavButton();

  if (IsPhase({0, 9})) UpdateDoorsAndGear();
  CountValveTimeouts(ticks);
  if (server_phase == 0) RunPhase0Housekeeping();
  StepThirtySixTickCheck();
}
