#include "afds/electrical.h"

#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/afds_services.h"
#include "afds/annunciators.h"
#include "afds/ap_key_events.h"
#include "afds/click_poller_steps.h"
#include "afds/ap_engage.h"
#include "afds/eicas_messages.h"
#include "afds/gpws_callouts.h"
#include "afds/panel_sounds.h"
#include "afds/panel_mode.h"
#include "afds/systems_globals.h"
#include "afds/standby_gyro.h"
#include "sim/fuel_tanks.h"
#include "sim/sim_globals.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kStandby = 1;
constexpr int32_t kExternal = 2;
constexpr int32_t kApuGenerator = 3;
constexpr int32_t kLeftGenerator = 4;
constexpr int32_t kRightGenerator = 5;

constexpr int32_t kStandbyAttSpoolSound = 7;
// A generator drops off line below this spool value.
constexpr double kGeneratorMinSpool = 10.0;
// Most drops wait until the simulator has run this long, so a loaded aircraft keeps its level while
// its engines come up.
constexpr double kSettleTimeS = 10.0;
constexpr double kParkingBrakeSet = 32000.0;
constexpr double kCentrePumpDryLb = 1.0;

constexpr uint32_t kToken13Event = 0x10218;
constexpr uint32_t kToken363Event = 0x102c2;
constexpr uint32_t kToken773Event = 0x102f5;

bool Engine1Runs() { return ReadTokenVar566() != 0.0; }
bool Engine2Runs() { return ReadTokenVar576() != 0.0; }
bool Settled() { return ReadTokenVar604() > kSettleTimeS; }

using click_poller::BatteryOn;
using click_poller::BatteryOnly;
using click_poller::Dead;
using click_poller::Powered;

bool ExternalOn() { return ext_power_avail > 0 && ext_power_button == 2; }
bool ApuGeneratorOn() { return apu_mode == 2; }
bool LeftGeneratorOn() { return Engine1Runs() && l_gen_cont == 2; }
bool RightGeneratorOn() { return Engine2Runs() && r_gen_cont == 2; }

// Moves v from `from` to `to`; true when it moved.
bool Move(int32_t& v, int32_t from, int32_t to) {
  if (v != from) return false;
  v = to;
  return true;
}

// The highest present source wins, starting from `base`.
int32_t HighestSource(int32_t base) {
  int32_t level = base;
  if (ExternalOn()) level = kExternal;
  if (ApuGeneratorOn()) level = kApuGenerator;
  if (LeftGeneratorOn()) level = kLeftGenerator;
  if (RightGeneratorOn()) level = kRightGenerator;
  return level;
}

void StartStandbyErecting() {
  stdby_att_erecting = 1;
  sound_event_code = kStandbyAttSpoolSound;
  stdby_att_erect_count = 0;
  UpdateStandbyGyro();
}

void ToppleStandbyAttitude() {
  stdby_att_toppling = 1;
  stdby_att_erecting = 0;
  StopSpoolSound();
  UpdateStandbyGyro();
}

void PowerUpFromNothing() {
  if (ac_power != 0) return;
  const bool standby = stdby_power_switch == 1 && BatteryOn();
  if (!standby && !ExternalOn() && !LeftGeneratorOn() && !RightGeneratorOn() && !ApuGeneratorOn()) return;
  ac_power = HighestSource(0);
  if (ac_power == 0 && BatteryOn() && stdby_power_switch == 1) ac_power = kStandby;
  if (ac_power > 0 && stdby_power_switch == 1 && stdby_att_erecting == 0) StartStandbyErecting();
}

void UpdateMinAndGenPower() {
  const int32_t min_now = (BatteryOn() || ac_power > 0) ? 1 : 0;
  if (min_now != min_power) {
    min_power = min_now;
    NV_SET(min_power, min_power);
    if (min_power == 0 && NV_GET(stby_page) != 0.0) NV_SET(stby_page, 0.0);
  }
  const int32_t gen_now = ac_power > 0 ? 1 : 0;
  if (gen_now != gen_power) {
    gen_power = gen_now;
    NV_SET(gen_power, gen_power);
  }
}

void SetAcFlagsOn() {
  if (ac_power < 2) return;
  if (Move(no_ac_power, 1, 0)) NV_SET(no_ac_power, no_ac_power);
  if (Move(flag_ac_power, 0, 1)) NV_SET(flag_ac_power, flag_ac_power);
}

// A level holds until its own source is lost; the drops fall through, so one pass may descend
// several levels, and level 1 then takes the highest present source again.
void DropLevels() {
  if (ac_power == kRightGenerator && Settled() && (ReadTokenVar646() < kGeneratorMinSpool || r_gen_cont < 2)) {
    ac_power = kLeftGenerator;
  }
  if (ac_power == kLeftGenerator && Settled() && (ReadTokenVar627() < kGeneratorMinSpool || l_gen_cont < 2)) {
    ac_power = kApuGenerator;
  }
  if (ac_power == kApuGenerator && apu_mode < 2) ac_power = kExternal;
  // Ground power holds the level only with its button on: at 0 (not available yet) it gives none.
  if (ac_power == kExternal && Settled() && !ExternalOn()) ac_power = kStandby;
  if (ac_power != kStandby) return;
  // Battery loss is left to the standby step.
  ac_power = HighestSource(stdby_power_switch == 0 ? 0 : kStandby);
  if (ac_power == 0) ToppleStandbyAttitude();
}

void UpdateCircuitFlags() {
  if (Powered() && Move(circuit_gen_pwr, 0, 1)) NV_SET(circuit_gen_pwr, circuit_gen_pwr);
  if (ac_power > 1) return;
  if (circuit_gen_pwr == 1 && !BatteryOn()) {
    if (Move(flag_ac_power, 1, 0)) {
      NV_SET(flag_ac_power, flag_ac_power);
    } else if (flag_ac_power == 0) {
      circuit_gen_pwr = 0;
      NV_SET(circuit_gen_pwr, circuit_gen_pwr);
    }
  } else if (Move(flag_ac_power, 1, 0)) {
    NV_SET(flag_ac_power, flag_ac_power);
  }
  if (BatteryOn() ? Move(no_ac_power, 0, 1) : Move(no_ac_power, 1, 0)) NV_SET(no_ac_power, no_ac_power);
}

void UpdateEngineDrivenPumps() {
  if (Engine1Runs() || Engine2Runs()) return;
  if (Move(l_eng_hyd_pump_mode, 2, 1)) NV_SET(l_eng_hyd_pump_mode, l_eng_hyd_pump_mode);
  if (Move(r_eng_hyd_pump_mode, 2, 1)) NV_SET(r_eng_hyd_pump_mode, r_eng_hyd_pump_mode);
}

void UpdateBleedLight(int32_t& bleed, bool engine_runs) {
  const bool moved = (engine_runs || Dead()) ? Move(bleed, 1, 2) : Powered() && Move(bleed, 2, 1);
  if (moved) UpdateOverheadLights();
}

// Returns true when the pump's light changed.
bool UpdateCentrePumpLight(int32_t& pump, bool engine_runs, double centre_lb) {
  if (pump == 1) return centre_lb <= kCentrePumpDryLb && Powered() && Move(pump, 1, 2);
  if (pump == 2) return ((engine_runs && centre_lb > kCentrePumpDryLb) || Dead()) && Move(pump, 2, 1);
  return false;
}

void UpdateCentrePumpLights() {
  const double centre_lb = FuelQtyA();
  if (UpdateCentrePumpLight(l_ctr_fuel_pump, Engine1Runs(), centre_lb)) NV_SET(l_ctr_fuel_pump, l_ctr_fuel_pump);
  if (UpdateCentrePumpLight(r_ctr_fuel_pump, Engine2Runs(), centre_lb)) NV_SET(r_ctr_fuel_pump, r_ctr_fuel_pump);
}

// With power back an IRS whose knob is in NAV is never OFF: one the loss caught aligning (its count
// waited) aligns again from the start; one aligned before the loss is aligned at once.
// Returns true when the mode moved.
bool RepowerIrs(int32_t knob, int32_t& mode, int32_t& count) {
  if (knob != 1 || mode != 0) return false;
  if (count > 0) {
    mode = 1;
    count = IrsAlignSecs;
  } else {
    mode = 3;
  }
  return true;
}

void UpdateIrsPower() {
  if (irs_1_align == 0 && irs_l_anun_mode == 3) {
    irs_1_align = 1;
    NV_SET(irs_1_align, irs_1_align);
  } else if (irs_1_align == 1 && irs_l_anun_mode < 3) {
    irs_1_align = 0;
    NV_SET(irs_1_align, irs_1_align);
  }
  const bool any_on = irs_l_anun_mode > 0 || irs_c_anun_mode > 0 || irs_r_anun_mode > 0;
  if (ac_power <= 1 && any_on && Settled()) {
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 0;
    NV_SET(irs_l_anun_mode, irs_l_anun_mode);
    NV_SET(irs_c_anun_mode, irs_c_anun_mode);
    NV_SET(irs_r_anun_mode, irs_r_anun_mode);
    irs_1_align = 0;
    NV_SET(irs_1_align, irs_1_align);
  }
  if (ac_power > 1) {
    const bool left = RepowerIrs(irs_l_anun_knob, irs_l_anun_mode, irs_l_align_count);
    const bool centre = RepowerIrs(irs_c_anun_knob, irs_c_anun_mode, irs_c_align_count);
    if (RepowerIrs(irs_r_anun_knob, irs_r_anun_mode, irs_r_align_count) || left || centre) {
      NV_SET(irs_l_anun_mode, irs_l_anun_mode);
      NV_SET(irs_c_anun_mode, irs_c_anun_mode);
      NV_SET(irs_r_anun_mode, irs_r_anun_mode);
    }
  }
  // With power back and the knobs on, the platforms are taken as still aligned.
  if (ac_power > 1 && irs_l_align_count == 0 && irs_c_align_count == 0 && irs_r_align_count == 0 &&
      irs_l_anun_knob == 1 && irs_c_anun_knob == 1 && irs_r_anun_knob == 1) {
    UpdateIrsAnnunciatorVars();
  }
}

bool OneOrTwo(int32_t m) { return m == 1 || m == 2; }
bool ZeroOrThree(int32_t m) { return m == 0 || m == 3; }

void UpdateYawDampers() {
  bool moved = false;
  if (Dead() && OneOrTwo(l_yaw_damper_mode) && OneOrTwo(r_yaw_damper_mode)) {
    for (int32_t* m : {&l_yaw_damper_mode, &r_yaw_damper_mode}) *m = *m == 1 ? 0 : 3;
    moved = true;
  } else if (BatteryOnly() && ZeroOrThree(l_yaw_damper_mode) && ZeroOrThree(r_yaw_damper_mode)) {
    for (int32_t* m : {&l_yaw_damper_mode, &r_yaw_damper_mode}) *m = *m == 0 ? 1 : 2;
    moved = true;
  }
  if (ac_power > 1) {
    moved = Move(l_yaw_damper_mode, 2, 3) || moved;
    moved = Move(r_yaw_damper_mode, 2, 3) || moved;
  }
  if (moved) {
    NV_SET(l_yaw_damper_mode, l_yaw_damper_mode);
    NV_SET(r_yaw_damper_mode, r_yaw_damper_mode);
  }
}

void SetAllHydSysPress(int32_t value) {
  l_hyd_sys_press = c_hyd_sys_press = r_hyd_sys_press = value;
  UpdateOverheadLights();
}

void UpdateHydSysPressLights() {
  if (l_hyd_sys_press == 1 && (l_elec_hyd_pump_mode > 0 || (l_eng_hyd_pump_mode > 0 && Engine1Runs()))) {
    l_hyd_sys_press = 0;
    UpdateOverheadLights();
  }
  if (r_hyd_sys_press == 1 && (r_elec_hyd_pump_mode > 0 || (r_eng_hyd_pump_mode > 0 && Engine2Runs()))) {
    r_hyd_sys_press = 0;
    UpdateOverheadLights();
  }
  if (c_hyd_sys_press == 1 && (c_elec_hyd1_pump_mode > 0 || c_elec_hyd2_pump_mode > 0)) {
    c_hyd_sys_press = 0;
    UpdateOverheadLights();
  }
  if (Dead() && (l_hyd_sys_press == 1 || c_hyd_sys_press == 1 || r_hyd_sys_press == 1)) {
    SetAllHydSysPress(0);
  } else if (BatteryOnly() && (l_hyd_sys_press == 0 || c_hyd_sys_press == 0 || r_hyd_sys_press == 0)) {
    SetAllHydSysPress(1);
  }
}

void PublishShedSwitches() {
  NV_SET(l_elec_hyd_pump_mode, l_elec_hyd_pump_mode);
  NV_SET(c_elec_hyd1_pump_mode, c_elec_hyd1_pump_mode);
  NV_SET(c_elec_hyd2_pump_mode, c_elec_hyd2_pump_mode);
  NV_SET(r_elec_hyd_pump_mode, r_elec_hyd_pump_mode);
  NV_SET(l_eng_hyd_pump_mode, l_eng_hyd_pump_mode);
  NV_SET(r_eng_hyd_pump_mode, r_eng_hyd_pump_mode);
  NV_SET(emer_lights_switch, emer_lights_switch);
  NV_SET(l_pack_reset, l_pack_reset);
  NV_SET(r_pack_reset, r_pack_reset);
}

void ShedPumpsPacksAndEmergencyLights() {
  emer_lights_switch = TruncToI32(NV_GET(emer_lights_switch));
  int32_t* const all_pumps[] = {&l_elec_hyd_pump_mode, &c_elec_hyd1_pump_mode, &c_elec_hyd2_pump_mode,
                                &r_elec_hyd_pump_mode, &l_eng_hyd_pump_mode,   &r_eng_hyd_pump_mode};
  bool moved = false;
  if (Dead()) {
    for (int32_t* p : all_pumps) moved = (Move(*p, 0, 3) || Move(*p, 1, 2)) || moved;
    moved = Move(emer_lights_switch, 2, 0) || moved;
    moved = Move(l_pack_reset, 0, 2) || moved;
    moved = Move(r_pack_reset, 0, 2) || moved;
  } else if (BatteryOnly()) {
    for (int32_t* p : all_pumps) moved = Move(*p, 3, 0) || moved;
    for (int i = 0; i < 4; ++i) moved = Move(*all_pumps[i], 2, 1) || moved;
    moved = Move(emer_lights_switch, 0, 2) || moved;
    moved = Move(l_pack_reset, 2, 0) || moved;
    moved = Move(r_pack_reset, 2, 0) || moved;
  } else {
    // A pump switched off in the dark is off, its light lit, once there is power to light it.
    for (int32_t* p : all_pumps) moved = Move(*p, 3, 0) || moved;
    // The second centre pump and the engine pumps follow their own switch logic under AC power.
    moved = Move(l_elec_hyd_pump_mode, 1, 2) || moved;
    moved = Move(c_elec_hyd1_pump_mode, 1, 2) || moved;
    moved = Move(r_elec_hyd_pump_mode, 1, 2) || moved;
    moved = Move(emer_lights_switch, 0, 2) || moved;
    moved = (l_pack_switch == 0 ? Move(l_pack_reset, 2, 0) : l_pack_switch == 1 && Move(l_pack_reset, 0, 2)) || moved;
    moved = (r_pack_switch == 0 ? Move(r_pack_reset, 2, 0) : r_pack_switch == 1 && Move(r_pack_reset, 0, 2)) || moved;
  }
  if (moved) PublishShedSwitches();
}

void UpdateExternalPower() {
  if (ext_power_avail == 0 && ext_power_button > 0) {
    ext_power_button = 0;
    NV_SET(ext_power_button, ext_power_button);
  } else if (ext_power_avail == 1 && ext_power_button == 0) {
    ext_power_button = 1;
    NV_SET(ext_power_button, ext_power_button);
  }
  const bool apu_allows = apu_mode == 0 || (ExtPwrAvailWithApuOn == 1 && apu_mode == 2);
  const bool engines_off = (!Engine1Runs() && !Engine2Runs()) || (l_gen_cont < 2 && r_gen_cont < 2);
  if (AutoExtPwrAvail == 1 && ext_power_avail == 0 && apu_allows && ReadParkingBrake() > kParkingBrakeSet &&
      ReadOnGround() != 0 && engines_off) {
    ext_power_avail = 1;
    NV_SET(ext_power_avail, ext_power_avail);
  }
  if (ext_power_avail == 1 && (ground_speed >= 2.0 || ReadParkingBrake() == 0.0 || ReadOnGround() == 0)) {
    ext_power_avail = 0;
    NV_SET(ext_power_avail, ext_power_avail);
  }
}

void UpdateStandbyPower() {
  int32_t light = stdby_power_light;
  if (light == 0 && stdby_power_switch == 0 && Powered()) {
    light = 1;
  } else if (light == 1 && stdby_power_switch == 1) {
    light = 0;
  } else if (light == 1 && stdby_power_switch == 0 && ac_power < 1 && !BatteryOn()) {
    light = 0;
  }
  if (light != stdby_power_light) {
    stdby_power_light = light;
    NV_SET(stdby_power_light, stdby_power_light);
  }
  if (stdby_power_switch == 1 && !BatteryOn() && ac_power == kStandby) {
    ac_power = 0;
    ToppleStandbyAttitude();
  }
}

void UpdateBatteryDischargeLight() {
  const bool moved = BatteryOnly() ? Move(batdisch_light, 0, 1)
                                   : (!BatteryOn() || ac_power > 1) && Move(batdisch_light, 1, 0);
  if (moved) NV_SET(batdisch_light, batdisch_light);
}

void UpdateBatteryButton() {
  const int32_t before = battery_button;
  int32_t& b = battery_button;
  if (BatteryOn()) {
    if (!Move(b, 0, 2) && !Move(b, 4, 2) && !Move(b, 5, 3) && !Move(b, 6, 0)) Move(b, 7, 1);
  } else if (ac_power <= 1) {
    if (!Move(b, 2, 6) && !Move(b, 3, 7) && !Move(b, 0, 6)) Move(b, 1, 7);
  } else {
    if (!Move(b, 2, 4) && !Move(b, 3, 5) && !Move(b, 6, 0)) Move(b, 7, 1);
  }
  if (b != before) NV_SET(battery_button, battery_button);
}

void UpdateGeneratorsAndUtilityBuses() {
  if (Dead()) {
    if (Move(l_gen_cont, 0, 3) || Move(l_gen_cont, 1, 2)) NV_SET(l_gen_cont, l_gen_cont);
    if (Move(r_gen_cont, 0, 3) || Move(r_gen_cont, 1, 2)) NV_SET(r_gen_cont, r_gen_cont);
  } else {
    if (Move(l_gen_cont, 3, 0)) NV_SET(l_gen_cont, l_gen_cont);
    if (Move(r_gen_cont, 3, 0)) NV_SET(r_gen_cont, r_gen_cont);
  }
  const int32_t from = Dead() ? 0 : 2;
  const int32_t to = Dead() ? 2 : 0;
  if (l_utility_bus == from || r_utility_bus == from) {
    Move(l_utility_bus, from, to);
    Move(r_utility_bus, from, to);
    NV_SET(l_utility_bus, l_utility_bus);
    NV_SET(r_utility_bus, r_utility_bus);
  }
}

void DisconnectIfNoChannel() {
  if (apleft == 0 && apcenter == 0 && apright == 0) {
    ap_event::Send(ap_event::kAutopilotOff);
    DisconnectAutopilot();
  }
}

// A channel drops when its hydraulic system fails or an IRS is not aligned; the last channel to
// drop disconnects the autopilot.
void DropAutopilotChannels() {
  const bool irs_unaligned = irs_l_anun_mode < 3 || irs_c_anun_mode < 3 || irs_r_anun_mode < 3;
  // The left channel is spared while the panel has just been set up.
  const bool left_may_drop = ReadTokenVar604() - init_sim_time > kSettleTimeS;
  if (apleft == 1 && left_may_drop && (eicas_msg_shown[kMsgLHydSysPress] == 1 || irs_unaligned)) {
    apleft = 0;
    NV_SET(apleft, apleft);
    DisconnectIfNoChannel();
  }
  if (apcenter == 1 && (eicas_msg_shown[kMsgCHydSysPress] == 1 || irs_unaligned)) {
    apcenter = 0;
    NV_SET(apcenter, apcenter);
    DisconnectIfNoChannel();
  }
  if (apright == 1 && (eicas_msg_shown[kMsgRHydSysPress] == 1 || irs_unaligned)) {
    apright = 0;
    NV_SET(apright, apright);
    DisconnectIfNoChannel();
  }
}

void HoldSimulatorSwitchesOn() {
  if (!Powered()) return;
  if (ReadTokenVar363() == 0.0) host::TriggerKeyEvent(kToken363Event, 0);
  if (ReadTokenVar773() == 0) host::TriggerKeyEvent(kToken773Event, 0);
}

}  // namespace

void RunElectricalPass() {
  PowerUpFromNothing();
  UpdateMinAndGenPower();
  SetAcFlagsOn();
  DropLevels();
  UpdateCircuitFlags();
  UpdateEngineDrivenPumps();
  UpdateBleedLight(l_eng_bleed, Engine1Runs());
  UpdateBleedLight(r_eng_bleed, Engine2Runs());
  if (ReadTokenVar13() == 0) host::TriggerKeyEvent(kToken13Event, 0);
  UpdateCentrePumpLights();
  UpdateIrsPower();
  UpdateYawDampers();
  UpdateHydSysPressLights();
  ShedPumpsPacksAndEmergencyLights();
  UpdateExternalPower();
  UpdateStandbyPower();
  WatchCduMessage();
  ReArmAltCallouts();
  ClearResetMcpMessage();
  UpdateSpoilerAndHfSounds();
  UpdateBatteryDischargeLight();
  UpdateBatteryButton();
  UpdateGeneratorsAndUtilityBuses();
  DropAutopilotChannels();
  UpdateEquipmentLoops();
  UpdateEngineStartLatches();
  UpdateGearDragLoop();
  KeepApproachHoldAlive();
  HoldSimulatorSwitchesOn();
  UpdateTakeoffPhase();
  FollowCabinAnnouncementSwitch();
}
