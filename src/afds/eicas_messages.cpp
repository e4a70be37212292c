#include "afds/eicas_messages.h"

#include <string_view>

#include "afds/afds_globals.h"
#include "afds/annunciators.h"
#include "afds/ap_engage.h"
#include "afds/hydraulic_pumps.h"
#include "afds/sound_globals.h"
#include "afds/systems_globals.h"
#include "sim/fuel_tanks.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

enum class List { kWarning, kCaution, kAdvisory };

List ListOf(int32_t id) { return id < 20 ? List::kWarning : id < 42 ? List::kCaution : List::kAdvisory; }

constexpr int32_t kWarningChime = 5;
constexpr int32_t kCautionChime = 1;
constexpr int32_t kDiscTimerSeconds = 6;
constexpr double kGearDown = 16000.0;
constexpr double kGearFullyDown = 16383.0;
constexpr double kSpoilerExtended = 1000.0;
constexpr double kLowFuelLb = 4400.0;
constexpr double kFuelConfigLb = 1800.0;

// --- inputs ---
bool Eng1Runs() { return ReadTokenVar566() != 0.0; }
bool Eng2Runs() { return ReadTokenVar576() != 0.0; }
bool OnGround() { return ReadOnGround() != 0; }
bool AnyGearBelow(double v) { return gear1_pos < v || gear2_pos < v || gear3_pos < v; }
bool AllGearAbove(double v) { return gear1_pos > v && gear2_pos > v && gear3_pos > v; }
bool SpoilersOut() { return ReadTokenVar326() > kSpoilerExtended && ReadTokenVar327() > kSpoilerExtended; }
// Take-off configuration is checked on the ground with a thrust lever advanced.
bool ConfigGuard() { return OnGround() && lite_mode != 1 && ReadEng1ThrottlePos() > 8191.0; }
bool Shown(int32_t id) { return id == 49 ? probe_heat_anun == 1 : eicas_msg_shown[id] == 1; }
bool AnyShown(std::initializer_list<int32_t> ids) {
  for (int32_t id : ids) {
    if (Shown(id)) return true;
  }
  return false;
}
bool XfeedOpen() { return fwd_xfeed_fuel_pump == 2 || aft_xfeed_fuel_pump == 2; }
bool BothXfeedOpen() { return fwd_xfeed_fuel_pump == 2 && aft_xfeed_fuel_pump == 2; }
bool LeftPumpOn() { return l_aft_fuel_pump == 1 || l_fwd_fuel_pump == 1; }
bool RightPumpOn() { return r_aft_fuel_pump == 1 || r_fwd_fuel_pump == 1; }
// A side without pumps has lost pressure while both crossfeeds are closed or opening, or while one
// is open and the other side has no pump on either. A closing valve (3) is neither: the caution
// waits until it has closed.
bool FuelSysPressLost(bool own_pumps, bool other_pumps) {
  const bool xfeeds_shut = fwd_xfeed_fuel_pump < 2 && aft_xfeed_fuel_pump < 2;
  return !own_pumps && (xfeeds_shut || (XfeedOpen() && !other_pumps));
}
// The standby and utility buses gate the electrical and later tests.
bool BusesNormal() { return stdby_power_light != 1 && l_utility_bus == 1 && r_utility_bus == 1; }
bool BatteryOn() { return ReadTokenVar364() != 0.0; }
bool ApJustDisconnected() { return ap_master == 1.0 && ReadApMaster() == 0.0; }
bool AtJustDisengaged() { return at_arm == 1.0 && ReadAtArm() == 0.0; }

// --- side effects ---
void SetConfigAnun(int32_t v) {
  config_anun = v;
  UpdateStatusAnun();
}
// The CONFIG light stays while another configuration warning stands.
void ClearConfigAnunUnless(std::initializer_list<int32_t> others) {
  if (!AnyShown(others)) SetConfigAnun(0);
}
void SetHydSysPress(int32_t& light, int32_t v) {
  light = v;
  UpdateOverheadLights();
}

struct Message {
  int32_t id;
  const char* text;
  bool (*add)();                     // null: never added
  bool (*clear)(int32_t candidate);  // null: leaves by its timer only
  void (*on_add)();
  void (*on_clear)();
};

#define ADD(expr) [] { return static_cast<bool>(expr); }
#define CLEAR(expr) [](int32_t candidate) { (void)candidate; return static_cast<bool>(expr); }
#define DO(stmts) [] { stmts; }

// In the order phase 1 tests them; the removal-only messages last.
const Message kMessages[] = {
    {2, "GEAR NOT DOWN",
     // Either lever closed: a single-engine approach keeps the live engine's lever open.
     ADD((flap_angle >= 25.0 && AnyGearBelow(kGearDown)) ||
         (vert_speed < 0.0 && radio_height <= 800.0 &&
          (ReadEng1ThrottlePos() < 1000.0 || ReadEng2ThrottlePos() < 1000.0) && AnyGearBelow(kGearFullyDown))),
     CLEAR((flap_angle < 25.0 || AllGearAbove(kGearDown)) &&
           (radio_height > 800.0 || (ReadEng1ThrottlePos() > 1000.0 && ReadEng2ThrottlePos() > 1000.0) ||
            AllGearAbove(kGearDown))),
     DO(SetConfigAnun(1)), DO(sound_event_code = 0; ClearConfigAnunUnless({4, 5, 6, 7}))},
    {1, "AUTOPILOT DISC", ADD(ApJustDisconnected() && ap_engage_low_ra == 0), nullptr, nullptr, nullptr},
    {24, "AUTOTHROT DISC", ADD(AtJustDisengaged() && (spd_hold == 1 || thrust_hold == 1)), nullptr, nullptr,
     nullptr},
    {3, "OVERSPEED", ADD(ReadTokenVar68() != 0), CLEAR(ReadTokenVar68() == 0), nullptr, nullptr},
    {20, "SPEEDBRAKES EXT",
     ADD(SpoilersOut() && !OnGround() && radio_height > 50.0 && (flap_angle >= 25.0 || radio_height <= 800.0)),
     CLEAR(ReadTokenVar326() < kSpoilerExtended && ReadTokenVar327() < kSpoilerExtended),
     DO(SetSpeedbrakeAnun(1)), DO(SetSpeedbrakeAnun(0))},
    {21, "L ENG SHUTDOWN", ADD(!Eng1Runs()), CLEAR(Eng1Runs()), nullptr, nullptr},
    {22, "R ENG SHUTDOWN", ADD(!Eng2Runs()), CLEAR(Eng2Runs()), nullptr, nullptr},
    {49, "PROBE HEAT", ADD(!Eng1Runs() && !Eng2Runs()), CLEAR(Eng1Runs() || Eng2Runs()), nullptr, nullptr},
    {63, "L HYD ELEC PUMP", ADD(!Shown(26) && l_elec_hyd_pump_mode == 0),
     CLEAR(Shown(26) || l_elec_hyd_pump_mode >= 1), nullptr, nullptr},
    {65, "L HYD ENG PUMP", ADD(!Shown(26) && l_eng_hyd_pump_mode == 0 && Eng1Runs()),
     CLEAR(Shown(26) || l_eng_hyd_pump_mode > 0 || !Eng1Runs()), nullptr, nullptr},
    {26, "L HYD SYS PRESS",
     ADD(!LeftHydSystemPumps() && (ac_power > 1 || BatteryOn())), CLEAR(LeftHydSystemPumps()),
     DO(SetHydSysPress(l_hyd_sys_press, 1)), DO(SetHydSysPress(l_hyd_sys_press, 0))},
    {64, "R HYD ELEC PUMP", ADD(!Shown(27) && r_elec_hyd_pump_mode == 0),
     CLEAR(Shown(27) || r_elec_hyd_pump_mode >= 1), nullptr, nullptr},
    {66, "R HYD ENG PUMP", ADD(!Shown(27) && r_eng_hyd_pump_mode == 0 && Eng2Runs()),
     CLEAR(Shown(27) || r_eng_hyd_pump_mode > 0 || !Eng2Runs()), nullptr, nullptr},
    {27, "R HYD SYS PRESS",
     ADD(!RightHydSystemPumps() && (ac_power > 1 || BatteryOn())), CLEAR(RightHydSystemPumps()),
     DO(SetHydSysPress(r_hyd_sys_press, 1)), DO(SetHydSysPress(r_hyd_sys_press, 0))},
    {50, "C HYD ELEC 1", ADD(!Shown(28) && c_elec_hyd1_pump_mode < 2),
     CLEAR(c_elec_hyd1_pump_mode >= 2 || (Shown(28) && candidate != 28)), nullptr, nullptr},
    {51, "C HYD ELEC 2",
     ADD((!Shown(28) && c_elec_hyd2_pump_mode == 0) ||
         (c_elec_hyd2_pump_mode == 1 && c_elec_hyd1_pump_mode == 2 && ReadTokenVar627() < 15.0 &&
          ReadTokenVar646() < 15.0)),
     CLEAR((c_elec_hyd2_pump_mode >= 1 && ReadTokenVar627() >= 15.0 && ReadTokenVar646() >= 15.0) ||
           (c_elec_hyd2_pump_mode >= 1 && c_elec_hyd1_pump_mode == 0 && ReadTokenVar627() < 15.0 &&
            ReadTokenVar646() < 15.0) ||
           (Shown(28) && candidate != 28)),
     nullptr, nullptr},
    {28, "C HYD SYS PRESS", ADD(c_elec_hyd1_pump_mode == 0 && c_elec_hyd2_pump_mode == 0),
     CLEAR(c_elec_hyd1_pump_mode > 0 || c_elec_hyd2_pump_mode >= 1), DO(SetHydSysPress(c_hyd_sys_press, 1)),
     DO(SetHydSysPress(c_hyd_sys_press, 0))},
    {42, "PARKING BRAKE", ADD(ReadParkingBrake() != 0.0), CLEAR(ReadParkingBrake() == 0.0), nullptr, nullptr},
    {52, "L YAW DAMPER", ADD(l_yaw_damper_mode < 3), CLEAR(l_yaw_damper_mode == 3), nullptr, nullptr},
    {53, "R YAW DAMPER", ADD(r_yaw_damper_mode < 3), CLEAR(r_yaw_damper_mode == 3), nullptr, nullptr},
    {71, "L AFT FUEL PUMP", ADD(l_aft_fuel_pump != 1 && !Shown(29)), CLEAR(l_aft_fuel_pump == 1 || Shown(29)),
     nullptr, nullptr},
    {72, "L FWD FUEL PUMP", ADD(l_fwd_fuel_pump != 1 && !Shown(29)), CLEAR(l_fwd_fuel_pump == 1 || Shown(29)),
     nullptr, nullptr},
    {54, "CTR L FUEL PUMP", ADD(l_ctr_fuel_pump == 2 && !Shown(29)), CLEAR(l_ctr_fuel_pump < 2 || Shown(29)),
     nullptr, nullptr},
    // Tested only when the left centre pump is not at 2 (then 54 takes its turn).
    {29, "L FUEL SYS PRESS",
     ADD(l_ctr_fuel_pump != 2 && FuelSysPressLost(LeftPumpOn(), RightPumpOn())),
     CLEAR(LeftPumpOn() || (BothXfeedOpen() && RightPumpOn())), nullptr, nullptr},
    // Skipped while the crossfeed feeds the left engine from a right aft pump.
    {73, "R AFT FUEL PUMP",
     ADD(!(XfeedOpen() && !LeftPumpOn() && r_aft_fuel_pump == 1) && r_aft_fuel_pump != 1 && !Shown(30)),
     CLEAR(r_aft_fuel_pump == 1 || Shown(30)), nullptr, nullptr},
    {74, "R FWD FUEL PUMP", ADD(r_fwd_fuel_pump != 1 && !Shown(30)), CLEAR(r_fwd_fuel_pump == 1 || Shown(30)),
     nullptr, nullptr},
    {55, "CTR R FUEL PUMP", ADD(r_ctr_fuel_pump == 2 && !Shown(30)), CLEAR(r_ctr_fuel_pump < 2 || Shown(30)),
     nullptr, nullptr},
    {30, "R FUEL SYS PRESS",
     ADD(r_ctr_fuel_pump != 2 && FuelSysPressLost(RightPumpOn(), LeftPumpOn())),
     CLEAR(RightPumpOn() || (BothXfeedOpen() && LeftPumpOn())), nullptr, nullptr},
    {56, "L PACK OFF", ADD(l_pack_switch == 0), CLEAR(l_pack_switch == 1), nullptr, nullptr},
    {57, "R PACK OFF", ADD(r_pack_switch == 0), CLEAR(r_pack_switch == 1), nullptr, nullptr},
    {4, "FLAPS", ADD(ConfigGuard() && (flap_angle < 4.9 || flap_angle > 20.5)),
     CLEAR(!ConfigGuard() || (flap_angle > 4.9 && flap_angle <= 20.5)), DO(SetConfigAnun(1)),
     DO(ClearConfigAnunUnless({2, 5, 6, 7}))},
    {5, "STABILIZER", ADD(ConfigGuard() && (ReadTokenVar783() < -0.116 || ReadTokenVar783() > 0.069)),
     CLEAR(!ConfigGuard() || (ReadTokenVar783() >= -0.11 && ReadTokenVar783() <= 0.06)), DO(SetConfigAnun(1)),
     DO(ClearConfigAnunUnless({2, 4, 6, 7}))},
    {6, "SPOILERS", ADD(ConfigGuard() && SpoilersOut()),
     CLEAR(!ConfigGuard() || (ReadTokenVar326() <= kSpoilerExtended && ReadTokenVar327() <= kSpoilerExtended)),
     DO(SetConfigAnun(1)), DO(ClearConfigAnunUnless({2, 4, 5, 7}))},
    {7, "PARKING BRAKE", ADD(ConfigGuard() && ReadParkingBrake() != 0.0),
     CLEAR(!ConfigGuard() || ReadParkingBrake() == 0.0), DO(SetConfigAnun(1)),
     DO(ClearConfigAnunUnless({2, 4, 5, 6}))},
    {58, "FMC", ADD(fmc_anun == 1), CLEAR(fmc_anun == 0), nullptr, nullptr},
    {60, "CARGO DOORS", ADD(cargo_doors_anun >= 1), CLEAR(cargo_doors_anun == 0), nullptr, nullptr},
    {61, "L ENTRY DOORS", ADD(l_entry_doors_anun == 1), CLEAR(l_entry_doors_anun == 0), nullptr, nullptr},
    {62, "R ENTRY DOORS", ADD(r_entry_doors_anun == 1), CLEAR(r_entry_doors_anun == 0), nullptr, nullptr},
    {8, "CABIN ALTITUDE", ADD(lite_mode != 1 && l_pack_reset == 0 && r_pack_reset == 0 && plane_alt > 10000.0),
     CLEAR(l_pack_reset == 2 || r_pack_reset == 2 || plane_alt < 10000.0),
     DO(cabalt_anun = 1; UpdateStatusAnun()), DO(cabalt_anun = 0; UpdateStatusAnun())},
    {25, "LOW FUEL", ADD(GetTotalFuelWeight() < kLowFuelLb), CLEAR(GetTotalFuelWeight() >= kLowFuelLb),
     DO(fuelcfg_anun = 1; UpdateStatusAnun()), nullptr},
    {67, "STANDBY BUS OFF", ADD(stdby_power_light == 1), CLEAR(stdby_power_light == 0), nullptr, nullptr},
    {68, "L UTIL BUS OFF", ADD(stdby_power_light != 1 && l_utility_bus != 1), CLEAR(l_utility_bus == 1), nullptr,
     nullptr},
    {69, "R UTIL BUS OFF", ADD(stdby_power_light != 1 && l_utility_bus == 1 && r_utility_bus != 1),
     CLEAR(r_utility_bus == 1), nullptr, nullptr},
    {70, "EMER LIGHTS", ADD(BusesNormal() && (emer_lights_switch == 0 || emer_lights_switch == 2)),
     CLEAR(emer_lights_switch == 1), nullptr, nullptr},
    {75, "WING ANTI-ICE", ADD(BusesNormal() && wing_anti_ice_valve >= 1 && OnGround()),
     CLEAR(wing_anti_ice_valve == 0 || !OnGround()), nullptr, nullptr},
    {76, "L ENG ANTI-ICE", ADD(BusesNormal() && l_eng_anti_ice_valve >= 1 && !Eng1Runs()),
     CLEAR(l_eng_anti_ice_valve == 0 || Eng1Runs()), nullptr, nullptr},
    {77, "R ENG ANTI-ICE", ADD(BusesNormal() && r_eng_anti_ice_valve >= 1 && !Eng2Runs()),
     CLEAR(r_eng_anti_ice_valve == 0 || Eng2Runs()), nullptr, nullptr},
    {78, "BATTERY OFF", ADD(BusesNormal() && !BatteryOn()), CLEAR(BatteryOn()), nullptr, nullptr},
    {79, "L GEN OFF", ADD(BusesNormal() && BatteryOn() && l_gen_cont < 2 && Eng1Runs()),
     CLEAR(l_gen_cont == 2 || !Eng1Runs()), nullptr, nullptr},
    {80, "R GEN OFF", ADD(BusesNormal() && BatteryOn() && r_gen_cont < 2 && Eng2Runs()),
     CLEAR(r_gen_cont == 2 || !Eng2Runs()), nullptr, nullptr},
    {81, "FUEL CONFIG",
     ADD(BusesNormal() && BatteryOn() &&
         (fuel_imbalance > kFuelConfigLb ||
          (FuelQtyA() > kFuelConfigLb && (l_ctr_fuel_pump == 0 || r_ctr_fuel_pump == 0)))),
     CLEAR(fuel_imbalance <= kFuelConfigLb &&
           ((l_ctr_fuel_pump >= 1 && r_ctr_fuel_pump >= 1) || FuelQtyA() <= 1000.0)),
     DO(fuelconfig_anun = 1; UpdateOverheadLights()), DO(fuelconfig_anun = 0; UpdateOverheadLights())},
    {31, "ALTITUDE ALERT", ADD(BusesNormal() && BatteryOn() && alt_alert_state == 3), CLEAR(alt_alert_state < 3),
     nullptr, nullptr},
    {43, "C HYD RVSR PRESS", nullptr, CLEAR(ReadTokenVar732() >= 500.0), nullptr, nullptr},
    {44, "L HYD RVSR PRESS", nullptr, CLEAR(ReadTokenVar734() >= 500.0), nullptr, nullptr},
    {45, "R HYD RVSR PRESS", nullptr, CLEAR(ReadTokenVar736() >= 500.0), nullptr, nullptr},
    {46, "C HYD QTY", nullptr, CLEAR(ReadTokenVar733() >= 0.2), nullptr, nullptr},
    {47, "L HYD QTY", nullptr, CLEAR(ReadTokenVar735() >= 0.2), nullptr, nullptr},
    {48, "R HYD QTY", nullptr, CLEAR(ReadTokenVar737() >= 0.2), nullptr, nullptr},
};

#undef ADD
#undef CLEAR
#undef DO

EicasMessage* Rows(List list) {
  return list == List::kWarning ? warning_msgs : list == List::kCaution ? caution_msgs : advisory_msgs;
}
int32_t& Count(List list) {
  return list == List::kWarning ? warning_msg_count : list == List::kCaution ? caution_msg_count : advisory_msg_count;
}

void SetShown(int32_t id, int32_t v) {
  if (id == 49) {
    probe_heat_anun = v;
  } else {
    eicas_msg_shown[id] = v;
  }
}

const Message* Find(int32_t id) {
  for (const Message& m : kMessages) {
    if (m.id == id) return &m;
  }
  return nullptr;
}

// The same text can stand in two lists (PARKING BRAKE), so the list picks the message.
const Message* FindByText(List list, std::string_view text) {
  for (const Message& m : kMessages) {
    if (ListOf(m.id) == list && text == m.text) return &m;
  }
  return nullptr;
}

// Rows move down one, row 1 takes the new text shown.
void InsertAtTop(List list, const char* text) {
  EicasMessage* rows = Rows(list);
  int32_t& count = Count(list);
  for (int32_t r = count; r >= 1; --r) rows[r + 1] = rows[r];
  ++count;
  rows[1].text = text;
  rows[1].inhibit = 0;
}

bool IsConfigWarning(int32_t id) { return id == 2 || (id >= 4 && id <= 7); }

void AddMessage(const Message& m) {
  const List list = ListOf(m.id);
  // A cold, parked aircraft stays silent; with either engine running the aurals sound.
  const bool engine_runs = Eng1Runs() || Eng2Runs();
  if (list == List::kWarning) {
    master_warning_req = 1;
    if (m.id == 8 && engine_runs) chime_code = kWarningChime;
    InsertAtTop(list, m.text);
    if (m.id == kMsgAutopilotDisc) {
      ap_disc_timer = kDiscTimerSeconds;
      SetApdisc(kDiscTimerSeconds);
    }
    SetShown(m.id, 1);
    if (IsConfigWarning(m.id) && engine_runs) chime_code = kWarningChime;
  } else {
    // The engine shutdown cautions come without master caution and aural.
    if (list == List::kCaution && m.id != 21 && m.id != 22) {
      master_caution_req = 1;
      if (engine_runs) chime_code = kCautionChime;
    }
    InsertAtTop(list, m.text);
    CountVisibleEicasMessages();
    if (m.id == kMsgAutothrotDisc) {
      at_disc_timer = kDiscTimerSeconds;
      SetAtdisc(kDiscTimerSeconds);
    }
    if (m.id == 31) chime_code = kCautionChime;
    SetShown(m.id, 1);
  }
  if (m.on_add != nullptr) m.on_add();
}

void AddOneMessage() {
  for (const Message& m : kMessages) {
    if (m.add == nullptr) break;
    if (m.id == kMsgAutothrotDisc && AtJustDisengaged() && spd_hold != 1 && thrust_hold != 1) return;
    if (Shown(m.id) || !m.add()) continue;
    // A full list takes nothing more; the message is tried again on later passes.
    if (Count(ListOf(m.id)) >= kEicasListCapacity) continue;
    AddMessage(m);
    return;
  }
}

int32_t FindClearedMessage() {
  int32_t candidate = 0;
  for (List list : {List::kWarning, List::kCaution, List::kAdvisory}) {
    const EicasMessage* rows = Rows(list);
    for (int32_t r = Count(list); r >= 1; --r) {
      const Message* m = FindByText(list, rows[r].text);
      if (m != nullptr && m->clear != nullptr && m->clear(candidate)) candidate = m->id;
    }
  }
  return candidate;
}

void RemoveRows(List list, std::string_view text) {
  EicasMessage* rows = Rows(list);
  int32_t& count = Count(list);
  int32_t kept = 0;
  for (int32_t r = 1; r <= count; ++r) {
    if (rows[r].text == text) continue;
    rows[++kept] = rows[r];
  }
  for (int32_t r = kept + 1; r <= count; ++r) rows[r] = EicasMessage{};
  count = kept;
  if (list != List::kWarning) CountVisibleEicasMessages();
}

void RemoveOneMessage() {
  int32_t candidate = 0;
  if (ap_disc_timer == 1) {
    ap_disc_timer = 0;
    SetApdisc(0);
    candidate = kMsgAutopilotDisc;
  } else if (at_disc_timer == 1) {
    at_disc_timer = 0;
    SetAtdisc(0);
    candidate = kMsgAutothrotDisc;
  } else {
    candidate = FindClearedMessage();
  }
  const Message* m = Find(candidate);
  if (m == nullptr) return;
  RemoveRows(ListOf(m->id), m->text);
  SetShown(m->id, 0);
  if (m->on_clear != nullptr) m->on_clear();
}

}  // namespace

void UpdateEicasMessages() {
  AddOneMessage();
  RemoveOneMessage();
}

void CancelEicasMessages() {
  int32_t cancelled = 0;
  for (List list : {List::kCaution, List::kAdvisory}) {
    EicasMessage* rows = Rows(list);
    for (int32_t r = 1; r <= Count(list); ++r) {
      if (rows[r].inhibit != 0) continue;
      if (warning_msg_count + cancelled >= 10) return;
      rows[r].inhibit = 1;
      ++cancelled;
    }
  }
}

void ResetEicasCancelFlags() {
  for (int32_t r = 1; r < kEicasMessageRows; ++r) {
    caution_msgs[r].inhibit = 0;
    advisory_msgs[r].inhibit = 0;
  }
  caution_visible_count = caution_msg_count;
  advisory_visible_count = advisory_msg_count;
}

void CountVisibleEicasMessages() {
  caution_visible_count = 0;
  for (int32_t r = 1; r <= caution_msg_count; ++r) caution_visible_count += caution_msgs[r].inhibit == 0 ? 1 : 0;
  advisory_visible_count = 0;
  for (int32_t r = 1; r <= advisory_msg_count; ++r) advisory_visible_count += advisory_msgs[r].inhibit == 0 ? 1 : 0;
}
