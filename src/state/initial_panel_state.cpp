#include "state/initial_panel_state.h"

#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/annunciators.h"
#include "afds/fuel_system.h"
#include "afds/afds_services.h"
#include "sim/sim_globals.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_samples.h"
#include "platform/host_api.h"
#include "state/config_globals.h"
#include "state/fuel_file.h"
#include "state/panel_state_files.h"

namespace {

constexpr uint32_t kEventAltSel = 0x1024C;  // value: the MCP altitude, ft
// Autopilot holds and the autothrottle off, in this order, when the full panel starts.
constexpr uint32_t kStartupApEvents[] = {0x100FF, 0x10115, 0x10116, 0x10118, 0x10117, 0x1022E, 0x10231};
constexpr int32_t kGroundAltSel = 10000;  // ft

#define RO_PUBLISH_(ident) NV_SET(ident, ident);

// Switch states published in this order; the pressures go to their "_val" variables. The
// engine-driven pumps too: a switch shown OFF while the system holds it ON turns off when pressed.
#define INITIAL_SWITCHES(P)                                                                  \
  P(auto_brake_switch) P(l_eng_start_switch) P(r_eng_start_switch) P(l_elec_hyd_pump_mode)  \
  P(r_elec_hyd_pump_mode) P(c_elec_hyd1_pump_mode) P(c_elec_hyd2_pump_mode)                 \
  P(l_eng_hyd_pump_mode) P(r_eng_hyd_pump_mode)

#define INITIAL_FUEL_AND_BUS_SWITCHES(P)                                                     \
  P(l_utility_bus) P(r_utility_bus) P(l_gen_cont) P(r_gen_cont) P(l_aft_fuel_pump)          \
  P(r_aft_fuel_pump) P(l_fwd_fuel_pump) P(r_fwd_fuel_pump) P(aft_xfeed_fuel_pump)            \
  P(fwd_xfeed_fuel_pump) P(l_ctr_fuel_pump) P(r_ctr_fuel_pump) P(asi_bug1) P(asi_bug2)       \
  P(asi_bug3)

// Written only when it differs from what the panel already shows.
void PublishIfChanged(const char* name, uint32_t* id, double value) {
  if (host::ReadNamedVar(name, id) != value) host::WriteNamedVar(name, id, value);
}

void TakeOverMcpWindows() {
  if (hdg_sel_dir == -99.0) {
    hdg_sel_dir = ReadApHdgHold();
    NV_SET(hdg_sel_dir, TruncToI32(hdg_sel_dir));
  }
  if (alt_sel_num == -99) {
    alt_sel_num = (ReadOnGround() != 0 && ReadGroundSpeed() < 3.0) ? kGroundAltSel : TruncToI32(GetApAltLockVar());
    NV_SET(alt_sel_num, alt_sel_num);
    host::TriggerKeyEvent(kEventAltSel, alt_sel_num);
  }
  crs_dir = ReadTokenVar45();
}

void PublishSwitches() {
  INITIAL_SWITCHES(RO_PUBLISH_)
  NV_SET(l_hyd_press_val, l_hyd_press);
  NV_SET(c_hyd_press_val, c_hyd_press);
  NV_SET(r_hyd_press_val, r_hyd_press);
  INITIAL_FUEL_AND_BUS_SWITCHES(RO_PUBLISH_)
  PublishIfChanged(nv::ldg_checklist, &ldg_checklist_id, ldg_checklist);
}

// Every callout counts as given, so that none sounds on the way down from where the aircraft is;
// the 40 ft one keeps its state.
void MarkCalloutsGiven() {
  for (int32_t* flag : {&alt_call_appr_mins_done, &alt_call_mins_done, &alt_call_500_done, &alt_call_400_done,
                        &alt_call_300_done, &alt_call_200_done, &alt_call_100_done, &alt_call_50_done,
                        &alt_call_30_done, &alt_call_20_done, &alt_call_10_done, &alt_call_2500_done,
                        &alt_call_1000_done}) {
    *flag = 1;
  }
}

// The reduced panel takes the autopilot modes over from the simulator; the full one starts with
// them off.
void TakeOverAutopilotModes() {
  if (lite_mode == 0) {
    for (uint32_t event : kStartupApEvents) host::TriggerKeyEvent(event, 0);
    return;
  }
  if (ReadApMaster() == 1.0) {
    apleft = 1;
    NV_SET(apleft, apleft);
  }
  if (ReadApAppHold() == 1.0) {
    app_mode = 1;
    NV_SET(app, 1.0);
  }
  if (ReadApSpeed() == 1.0) EngageSpeedHold();
  if (ReadApAltHold() == 1.0) ToggleAltHold(0);
  if (stdby_power_switch == 0) {
    stdby_power_switch = 1;
    NV_SET(stdby_power_switch, stdby_power_switch);
  }
}

}  // namespace

void InitPanelState() {
  TakeOverMcpWindows();
  PublishSwitches();
  MarkCalloutsGiven();

  if (lite_mode == 1) {
    beg_start_button = 1;
    NV_SET(beg_start_button, beg_start_button);
    NV_SET(vs_show, 1.0);
    l_yaw_damper_mode = 2;
    r_yaw_damper_mode = 2;
    NV_SET(l_yaw_damper_mode, l_yaw_damper_mode);
    NV_SET(r_yaw_damper_mode, r_yaw_damper_mode);
  }
  PublishIfChanged(nv::panel_mode, &panel_mode_id, lite_mode);
  PublishIfChanged(nv::eadi_style, &eadi_style_id, EadiMode);
  PublishIfChanged(nv::fd_style, &fd_style_id, FlightDirectorType);
  NV_SET(seatbelt_sign, seatbelt_sign);
  NV_SET(no_smoking_sign, no_smoking_sign);
  NV_SET(stdby_power_switch, stdby_power_switch);

  if (ReadApMaster() != 0.0) {
    apleft = 1;
    NV_SET(apleft, apleft);
  } else {
    SetApDiscBar(0);
  }
  NV_SET(emer_lights_switch, emer_lights_switch);
  UpdateOverheadLights();
  TakeOverAutopilotModes();

  l_pack_switch = 1;
  r_pack_switch = 1;
  l_pack_reset = 2;  // the reset lights follow with the next overhead-light update
  r_pack_reset = 2;
  NV_SET(l_pack_switch, l_pack_switch);
  NV_SET(r_pack_switch, r_pack_switch);
  flaps_handle_pos_prev = TruncToI32(ReadFlapsPos());
  ReadSpeedModeSelect();

  if (LoadPanelStateonAcLoad == 1) {
    // The load rebuilds the saved route before the first tick has sampled the aircraft; its T/C
    // and T/D are measured from where the aircraft is, as a load later in the flight measures them.
    SampleAircraftBeforeFirstTick();
    if (LoadPanelState("") == 0 && !PanelState.empty()) LoadPanelState(PanelState);
  }
  if (BurnFuelFromCtrFirst == 1 && clock_second == 0.0) UpdateFuelSelectors();
  init_sim_time = ReadTokenVar604();
  initialize_server = 1;
  if (UseDefAutoBrakes == 1) {
    auto_brake_switch = ReadTokenVar743();
    NV_SET(auto_brake_switch, auto_brake_switch);
  }
  if (LoadFuelonAircraftLoad == 1 && ReadOnGround() != 0) LoadFuelCfg();
}
