// Overhead hydraulic pumps, APU, utility buses, generators, battery and standby power: the click
// handlers and the light logic between them. Switch values encode position and light together;
// a click flips the position and keeps the light, the light steps then correct the light.
#include "afds/afds_globals.h"
#include "afds/annunciators.h"
#include "afds/click_poller_steps.h"
#include "afds/click_protocol.h"
#include "afds/panel_input_globals.h"
#include "afds/panel_sounds.h"
#include "afds/standby_gyro.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readers_systems.h"

namespace click_poller {

namespace {

using panel_input::OnRequest;
using panel_input::Publish;

constexpr uint32_t kBatteryToggle = 0x102c1;
constexpr double kPumpSpoolMin = 15.0;      // engine value below which its pump gives no pressure
constexpr double kGeneratorSpoolMin = 50.0;  // below which the generator is off line

// Pump and generator control switches: 0 off lit, 1 on lit, 2 on dark, 3 off dark.
constexpr int32_t kOffLit = 0;
constexpr int32_t kOnLit = 1;
constexpr int32_t kOnDark = 2;
constexpr int32_t kOffDark = 3;

bool EngineRuns() { return ReadTokenVar566() != 0.0 || ReadTokenVar576() != 0.0; }

// Writes the variable only when the light step changed the switch.
void SetLight(int32_t* sw, int32_t to, const char* name, uint32_t* id) {
  if (*sw == to) return;
  *sw = to;
  Publish(name, id, to);
}

void EngineDrivenPumpLight(int32_t* mode, double spool, bool battery, const char* name, uint32_t* id) {
  if (*mode == kOnDark && spool < kPumpSpoolMin && battery) {
    SetLight(mode, kOnLit, name, id);
  } else if (*mode == kOnLit && spool >= kPumpSpoolMin) {
    SetLight(mode, kOnDark, name, id);
  }
}

// `on_value` gives what an off-lit pump turns into: a pump whose system already has pressure comes
// on dark.
template <typename OnValue>
void HydraulicPumpClick(int32_t* mode, OnValue on_value, const char* name, uint32_t* id, const char* req,
                        uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    switch (*mode) {
      case kOffLit: *mode = on_value(); break;
      case kOnLit: *mode = kOffLit; break;
      case kOnDark: *mode = Dead() ? kOffDark : kOffLit; break;
      case kOffDark: *mode = kOnDark; break;
      default: break;
    }
    Publish(name, id, *mode);
    sound_event_code = kSoundPush;
  });
}

int32_t EnginePumpOn() { return EngineRuns() ? kOnDark : kOnLit; }
int32_t ElectricPumpOn() { return kOnDark; }
int32_t CentreSecondPumpOn() { return (EngineRuns() || c_elec_hyd1_pump_mode == kOnLit) ? kOnDark : kOnLit; }

void ApuSwitchClick() {
  OnRequest(RO_REQ(apu_switch_clicked), [](double) {
    if (apu_switch == 0) {
      apu_switch = 1;
      if (BatteryOn()) {
        apu_fault_light = 1;
        apu_start_timer = 40;
        apu_start_step_timer = 9;
      }
      if (apu_mode < 2) {
        apu_bleed = kValveOpening;
        apu_bleed_on_timer = kValveTransitTicks;
      }
    } else if (apu_switch == 1) {
      apu_switch = 0;
      apu_mode = 0;
      apu_run_delay = 0;
      // OFF ends a start under way: its run-light sequence would light the lamp and spool the APU up.
      apu_run_light_seq = 0;
      apu_run_light = 0;
      apu_spool_dir = 2;  // spool down
      if (apu_bleed == kValveOpen) {
        apu_bleed = kValveClosing;
        apu_bleed_off_timer = kValveTransitTicks;
      }
    }
    // The overhead lights publish the APU switch with the rest; this click makes no sound.
    UpdateOverheadLights();
  });
}

// Utility bus: 1 on, 0 off lit, 2 off dark.
void UtilityBusClick(int32_t* bus, const char* name, uint32_t* id, const char* req, uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    if (*bus == 0) {
      *bus = BatteryOnly() ? 2 : 1;
    } else if (*bus == 1) {
      *bus = 0;
    }
    Publish(name, id, *bus);
    sound_event_code = kSoundPush;
  });
}

void GeneratorLights(int32_t* gen_cont, int32_t* drive, double spool, bool battery, bool powered,
                     const char* gen_name, uint32_t* gen_id, const char* drive_name, uint32_t* drive_id) {
  if (*gen_cont == kOnDark && spool < kGeneratorSpoolMin && battery) {
    SetLight(gen_cont, kOnLit, gen_name, gen_id);
  } else if (*gen_cont == kOnLit && spool > kGeneratorSpoolMin) {
    SetLight(gen_cont, kOnDark, gen_name, gen_id);
  }
  if (*drive == 0 && spool < kPumpSpoolMin && powered) {
    SetLight(drive, 1, drive_name, drive_id);
  } else if (*drive == 1 && (spool >= kPumpSpoolMin || !powered)) {
    SetLight(drive, 0, drive_name, drive_id);
  }
}

void GeneratorClick(int32_t* gen_cont, double (*engine_runs)(), const char* name, uint32_t* id, const char* req,
                    uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    switch (*gen_cont) {
      case kOffLit: *gen_cont = kOnLit; break;
      case kOnLit: *gen_cont = kOffLit; break;
      case kOnDark: *gen_cont = kOffDark; break;
      case kOffDark: *gen_cont = kOnDark; break;
      default: break;
    }
    Publish(name, id, *gen_cont);
    sound_event_code = kSoundPush;
    if (engine_runs() != 0.0) sound_event_followup = kSoundAcPowerOn;
  });
}

// battery_button = 2 x state + guard; guard 1 = open. States 1 and 2 are on.
void BatteryPress() {
  const int32_t before = battery_button;
  const bool went_on = before == 1 || before == 7;
  const bool went_off = before == 3 || before == 5;
  if (went_on) battery_button = 3;
  if (went_off) battery_button = 1;
  const bool battery = BatteryOn();
  if ((went_on && !battery) || (went_off && battery)) {
    host::TriggerKeyEvent(kBatteryToggle, 0);
    battery_toggle_sent = 1;
    sound_event_code = kSoundPush;
  }
  if (battery_button == 1 && ac_power <= 1) battery_button = 7;
}

void BatteryGuard() {
  if (battery_button >= 0 && battery_button <= 7) battery_button ^= 1;
}

// Values other than 1 (press) and 2 (guard) stay in the request.
void BatteryButtonClick() {
  const double v = panel_input::ReadRequest(RO_REQ(battery_button_clicked));
  const int32_t action = TruncToI32(v);
  if (action != 1 && action != 2) return;
  if (action == 1) {
    BatteryPress();
  } else {
    BatteryGuard();
  }
  NV_SET(battery_button, battery_button);
  panel_input::ClearRequest(RO_REQ(battery_button_clicked));
}

void StandbyPowerClick() {
  OnRequest(RO_REQ(stdby_power_switch_clicked), [](double) {
    if (stdby_power_switch == 0) {
      stdby_power_switch = 1;
      stdby_att_erecting = 1;
      stdby_att_toppling = 0;
      sound_event_followup = kSoundStbyAttSpool;
      stdby_att_erect_count = 0;
      UpdateStandbyGyro();
      if (ac_power == 0) ac_power = 1;
    } else if (stdby_power_switch == 1) {
      stdby_power_switch = 0;
      stdby_att_toppling = 1;
      stdby_att_erecting = 0;
      StopSpoolSound();
      UpdateStandbyGyro();
    }
    NV_SET(stdby_power_switch, stdby_power_switch);
    sound_event_code = kSoundClick;
  });
}

}  // namespace

void UpdateHydraulicPumpLights() {
  const double left = ReadTokenVar627();
  const double right = ReadTokenVar646();
  const bool battery = BatteryOn();
  EngineDrivenPumpLight(&l_eng_hyd_pump_mode, left, battery, RO_REQ(l_eng_hyd_pump_mode));
  EngineDrivenPumpLight(&r_eng_hyd_pump_mode, right, battery, RO_REQ(r_eng_hyd_pump_mode));
  // The centre system's second pump lights when neither engine nor generator supplies it.
  if (left < kPumpSpoolMin && right < kPumpSpoolMin && l_gen_cont < kOnDark && r_gen_cont < kOnDark &&
      c_elec_hyd2_pump_mode == kOnDark && c_elec_hyd1_pump_mode == kOnDark && battery) {
    SetLight(&c_elec_hyd2_pump_mode, kOnLit, RO_REQ(c_elec_hyd2_pump_mode));
  } else if (left >= kPumpSpoolMin && right >= kPumpSpoolMin && l_gen_cont == kOnDark && r_gen_cont == kOnDark) {
    if (c_elec_hyd2_pump_mode == kOnLit) SetLight(&c_elec_hyd2_pump_mode, kOnDark, RO_REQ(c_elec_hyd2_pump_mode));
  } else if (c_elec_hyd2_pump_mode == kOnLit && c_elec_hyd1_pump_mode == kOffLit) {
    SetLight(&c_elec_hyd2_pump_mode, kOnDark, RO_REQ(c_elec_hyd2_pump_mode));
  }
}

void PollHydraulicApuBusClicks() {
  HydraulicPumpClick(&l_eng_hyd_pump_mode, EnginePumpOn, RO_REQ(l_eng_hyd_pump_mode), RO_REQ(l_eng_hyd_pump_clicked));
  HydraulicPumpClick(&l_elec_hyd_pump_mode, ElectricPumpOn, RO_REQ(l_elec_hyd_pump_mode),
                     RO_REQ(l_elec_hyd_pump_clicked));
  HydraulicPumpClick(&c_elec_hyd1_pump_mode, ElectricPumpOn, RO_REQ(c_elec_hyd1_pump_mode),
                     RO_REQ(c_elec_hyd1_pump_clicked));
  HydraulicPumpClick(&c_elec_hyd2_pump_mode, CentreSecondPumpOn, RO_REQ(c_elec_hyd2_pump_mode),
                     RO_REQ(c_elec_hyd2_pump_clicked));
  HydraulicPumpClick(&r_elec_hyd_pump_mode, ElectricPumpOn, RO_REQ(r_elec_hyd_pump_mode),
                     RO_REQ(r_elec_hyd_pump_clicked));
  HydraulicPumpClick(&r_eng_hyd_pump_mode, EnginePumpOn, RO_REQ(r_eng_hyd_pump_mode), RO_REQ(r_eng_hyd_pump_clicked));
  ApuSwitchClick();
  UtilityBusClick(&l_utility_bus, RO_REQ(l_utility_bus), RO_REQ(l_utility_bus_clicked));
  UtilityBusClick(&r_utility_bus, RO_REQ(r_utility_bus), RO_REQ(r_utility_bus_clicked));
}

void UpdateGeneratorLights() {
  const bool battery = BatteryOn();
  const bool powered = AcPowered() || battery;
  GeneratorLights(&l_gen_cont, &l_gen_disc_drive, ReadTokenVar627(), battery, powered, RO_REQ(l_gen_cont),
                  RO_REQ(l_gen_disc_drive));
  GeneratorLights(&r_gen_cont, &r_gen_disc_drive, ReadTokenVar646(), battery, powered, RO_REQ(r_gen_cont),
                  RO_REQ(r_gen_disc_drive));
}

void PollGeneratorBatteryFuelClicks() {
  GeneratorClick(&l_gen_cont, ReadTokenVar566, RO_REQ(l_gen_cont), RO_REQ(l_gen_cont_clicked));
  GeneratorClick(&r_gen_cont, ReadTokenVar576, RO_REQ(r_gen_cont), RO_REQ(r_gen_cont_clicked));
  BatteryButtonClick();
  StandbyPowerClick();
  PollFuelClicks();
}

}  // namespace click_poller
