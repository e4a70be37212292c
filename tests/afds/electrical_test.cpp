#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "afds/eicas_messages.h"
#include "afds/electrical.h"
#include "fmc/fmc_globals.h"
#include "state/config_globals.h"
#include "systems_fixture.h"

namespace {

constexpr uint32_t kAutopilotOff = 0x100ff;

class ElectricalTest : public systems_test::SystemsFixture {
 protected:
  // The pass as the click poller runs it on SERVER frame 0.
  void Pass() {
    server_phase = 0;
    RunElectricalPass();
  }
  // A level and its sources: above 1 the right generator, at 1 or below none.
  void Power(int32_t level, bool battery) {
    ac_power = level;
    SetEngines(level > 1, level > 1);
    std::tie(r_gen_cont, apu_mode, ext_power_avail) = std::tuple(2, 0, 0);
    SetBattery(battery);
  }
};

// One pass from a level: an APU level holds while an engine generator comes on and drops through
// to the highest source when the APU stops; without sources the level drops to the standby
// recompute; a loaded level holds during the first ten seconds; drops test the spool, the
// recompute the running flag.
TEST_F(ElectricalTest, PowerLevelTransitions) {
  const struct {
    const char* label;
    int32_t level, apu;
    bool right_running;
    double right_spool;
    bool battery;
    int32_t standby;
    double run_s;
    int32_t after;
  } rows[] = {{"Cold", 0, 0, false, 0, false, 0, 100, 0},          {"ColdBattery", 0, 0, false, 0, true, 1, 100, 1},
              {"ApuHolds", 3, 2, true, 80, true, 0, 100, 3},       {"ApuStops", 3, 0, true, 80, true, 0, 100, 5},
              {"NoSource", 5, 0, false, 0, true, 0, 100, 0},       {"NoSourceStandby", 5, 0, false, 0, true, 1, 100, 1},
              {"FirstTenSeconds", 5, 0, false, 0, true, 0, 5, 5}, {"SpoolBelowTen", 5, 0, true, 5, true, 0, 100, 5}};
  for (const auto& r : rows) {
    Power(r.level, r.battery);
    SetEngines(false, r.right_running);
    host_.SetToken(646, r.right_spool);
    std::tie(apu_mode, stdby_power_switch) = std::tuple(r.apu, r.standby);
    host_.SetToken(604, r.run_s);
    Pass();
    EXPECT_EQ(ac_power, r.after) << r.label;
  }
}

// The minimum-power flag needs the battery or any level: a level held through the first ten seconds
// counts without the battery.
TEST_F(ElectricalTest, MinimumPowerFlagFollowsTheBatteryOrAnyLevel) {
  for (const auto& [level, battery, run_s, flag] :
       {std::tuple{1, false, 5.0, 1}, std::tuple{0, true, 100.0, 1}, std::tuple{0, false, 100.0, 0}}) {
    Power(level, battery);
    host_.SetToken(604, run_s);
    min_power = 1 - flag;
    Pass();
    EXPECT_EQ(std::pair(min_power, Named("min_power")), std::pair(flag, flag * 1.0)) << level << battery;
  }
}

TEST_F(ElectricalTest, UnalignedIrsDropTheChannelsButTheLeftIsSparedForTenSecondsAfterSetUp) {
  init_sim_time = 95.0;  // the run time is 100 s
  apleft = apcenter = vnav = 1;
  irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 1;
  Pass();
  EXPECT_EQ(std::tuple(apleft - apcenter, KeyEvents(kAutopilotOff)), std::tuple(1, 0));
  host_.SetToken(604, 106.0);
  Pass();
  EXPECT_EQ(Named("apleft"), 0.0);
  EXPECT_EQ(KeyEvents(kAutopilotOff), 1);  // the last channel out disconnects
}

TEST_F(ElectricalTest, BatteryButtonFollowsThePower) {
  const struct {
    int32_t before;
    bool battery;
    int32_t level, after;
  } rows[] = {{3, false, 1, 7}, {7, false, 5, 1}, {0, false, 1, 6}, {5, true, 5, 3}};
  for (const auto& r : rows) {
    Power(r.level, r.battery);
    battery_button = r.before;
    Pass();
    EXPECT_EQ(battery_button, r.after) << r.before << r.battery << r.level;
  }
}

TEST_F(ElectricalTest, UnpoweredShedsPumpsPacksAndEmergencyLightsAndTheBatteryBringsThemBack) {
  Power(1, false);
  stdby_power_switch = 0;
  host_.SetNamed("emer_lights_switch", 2.0);
  l_pack_reset = l_elec_hyd_pump_mode = 0;
  Pass();
  EXPECT_EQ(std::tuple(l_elec_hyd_pump_mode, c_elec_hyd1_pump_mode, emer_lights_switch), std::tuple(3, 2, 0));
  EXPECT_EQ(l_pack_reset, 2);
  SetBattery(true);
  Pass();
  EXPECT_EQ(std::tuple(l_elec_hyd_pump_mode, c_elec_hyd1_pump_mode, emer_lights_switch), std::tuple(0, 1, 2));
}

// Each light and switch the pass moves on its own side, from one state of power and engines; the
// mirrored rows catch a left read for a right.
TEST_F(ElectricalTest, LightsAndSwitchesFollowTheirOwnSide) {
  enum Supply { kDead, kBatteryOnly, kApu };
  using Expect = std::vector<std::pair<int32_t*, int32_t>>;
  const struct {
    const char* label;
    Supply supply;
    bool left_engine, right_engine;
    void (*before)();
    Expect after;
  } rows[] = {
      {"LeftBleedOutWithItsEngine", kApu, true, false, [] { l_eng_bleed = r_eng_bleed = 1; },
       {{&l_eng_bleed, 2}, {&r_eng_bleed, 1}}},
      {"RightBleedOutWithItsEngine", kApu, false, true, [] { l_eng_bleed = r_eng_bleed = 1; },
       {{&l_eng_bleed, 1}, {&r_eng_bleed, 2}}},
      {"BleedsLitWhenTheirEnginesStop", kApu, false, false, [] { l_eng_bleed = r_eng_bleed = 2; },
       {{&l_eng_bleed, 1}, {&r_eng_bleed, 1}}},
      {"BleedsDarkUnpowered", kDead, false, false, [] { l_eng_bleed = r_eng_bleed = 1; },
       {{&l_eng_bleed, 2}, {&r_eng_bleed, 2}}},
      {"LeftElectricPumpPressurisesLeft", kApu, false, false,
       [] { l_elec_hyd_pump_mode = 2; },
       {{&l_hyd_sys_press, 0}, {&c_hyd_sys_press, 1}, {&r_hyd_sys_press, 1}}},
      {"RightElectricPumpPressurisesRight", kApu, false, false,
       [] { r_elec_hyd_pump_mode = 2; },
       {{&l_hyd_sys_press, 1}, {&c_hyd_sys_press, 1}, {&r_hyd_sys_press, 0}}},
      {"CentreFirstPump", kApu, false, false, [] { c_elec_hyd1_pump_mode = 2; },
       {{&l_hyd_sys_press, 1}, {&c_hyd_sys_press, 0}, {&r_hyd_sys_press, 1}}},
      {"CentreSecondPump", kApu, false, false, [] { c_elec_hyd2_pump_mode = 2; },
       {{&l_hyd_sys_press, 1}, {&c_hyd_sys_press, 0}, {&r_hyd_sys_press, 1}}},
      {"EnginePumpsNeedTheirOwnEngineLeft", kApu, true, false,
       [] { l_eng_hyd_pump_mode = r_eng_hyd_pump_mode = 1; },
       {{&l_hyd_sys_press, 0}, {&r_hyd_sys_press, 1}}},
      {"EnginePumpsNeedTheirOwnEngineRight", kApu, false, true,
       [] { l_eng_hyd_pump_mode = r_eng_hyd_pump_mode = 1; },
       {{&l_hyd_sys_press, 1}, {&r_hyd_sys_press, 0}}},
      {"PressureLightsOutUnpowered", kDead, false, false, [] { c_hyd_sys_press = 0; },
       {{&l_hyd_sys_press, 0}, {&c_hyd_sys_press, 0}, {&r_hyd_sys_press, 0}}},
      {"PressureLightsOnWithTheBattery", kBatteryOnly, false, false, [] { r_hyd_sys_press = 0; },
       {{&l_hyd_sys_press, 1}, {&c_hyd_sys_press, 1}, {&r_hyd_sys_press, 1}}},
      {"EmptyCentreLightsBothCentrePumps", kApu, true, true, [] { l_ctr_fuel_pump = r_ctr_fuel_pump = 1; },
       {{&l_ctr_fuel_pump, 2}, {&r_ctr_fuel_pump, 2}}},
      {"GeneratorsTripUnpowered", kDead, false, false, [] { l_gen_cont = 0, r_gen_cont = 1; },
       {{&l_gen_cont, 3}, {&r_gen_cont, 2}}},
      {"GeneratorsTripUnpoweredMirrored", kDead, false, false, [] { l_gen_cont = 1, r_gen_cont = 0; },
       {{&l_gen_cont, 2}, {&r_gen_cont, 3}}},
      {"GeneratorsResetWithPower", kBatteryOnly, false, false, [] { l_gen_cont = r_gen_cont = 3; },
       {{&l_gen_cont, 0}, {&r_gen_cont, 0}}},
      {"UtilityBusesTripUnpowered", kDead, false, false, [] { l_utility_bus = 2, r_utility_bus = 0; },
       {{&l_utility_bus, 2}, {&r_utility_bus, 2}}},
      {"UtilityBusesBackWithPower", kBatteryOnly, false, false, [] { l_utility_bus = 0, r_utility_bus = 2; },
       {{&l_utility_bus, 0}, {&r_utility_bus, 0}}},
      {"AcFlagsWithAc", kApu, true, true, [] { no_ac_power = 1, flag_ac_power = 0; },
       {{&no_ac_power, 0}, {&flag_ac_power, 1}}},
      {"CircuitDropsUnpowered", kDead, false, false, [] { circuit_gen_pwr = 1, flag_ac_power = 0, no_ac_power = 1; },
       {{&circuit_gen_pwr, 0}, {&flag_ac_power, 0}, {&no_ac_power, 0}}},
      {"StandbyLightOnWithTheSwitchOff", kApu, true, true, [] { stdby_power_light = 0; },
       {{&stdby_power_light, 1}}},
      {"StandbyLightOutUnpowered", kDead, false, false, [] { stdby_power_light = 1; }, {{&stdby_power_light, 0}}},
      {"DischargeLightOnBatteryOnly", kBatteryOnly, false, false, [] { batdisch_light = 0; },
       {{&batdisch_light, 1}}},
      {"DischargeLightOutWithAc", kApu, true, true, [] { batdisch_light = 1; }, {{&batdisch_light, 0}}},
      {"ExternalButtonFollowsTheCart", kApu, true, true, [] { ext_power_avail = 1, ext_power_button = 0; },
       {{&ext_power_button, 1}}},
      {"ExternalButtonOffWithoutTheCart", kApu, true, true, [] { ext_power_button = 2; },
       {{&ext_power_button, 0}}},
  };
  for (const auto& r : rows) {
    Power(r.supply == kApu ? 3 : 0, r.supply != kDead);
    apu_mode = r.supply == kApu ? 2 : 0;
    stdby_power_switch = 0;
    SetEngines(r.left_engine, r.right_engine);
    host_.SetToken(289, 0.0);  // centre tank empty
    l_hyd_sys_press = c_hyd_sys_press = r_hyd_sys_press = 1;
    l_elec_hyd_pump_mode = c_elec_hyd1_pump_mode = c_elec_hyd2_pump_mode = r_elec_hyd_pump_mode = 0;
    l_eng_hyd_pump_mode = r_eng_hyd_pump_mode = 0;
    r.before();
    Pass();
    for (const auto& [var, want] : r.after) EXPECT_EQ(*var, want) << r.label;
  }
}

TEST_F(ElectricalTest, CentrePumpLightsGoOutWithFuelAndTheirOwnEngine) {
  host_.SetToken(306, 6.7);
  host_.SetToken(290, 1000.0);
  host_.SetToken(289, 8388608.0);
  for (const auto& [left, right] : {std::pair{true, false}, std::pair{false, true}}) {
    Power(3, true);
    apu_mode = 2;
    SetEngines(left, right);
    l_ctr_fuel_pump = r_ctr_fuel_pump = 2;
    Pass();
    EXPECT_EQ(std::tuple(l_ctr_fuel_pump, r_ctr_fuel_pump), std::tuple(left ? 1 : 2, right ? 1 : 2)) << left;
  }
}

// With the option set, ground power comes while parked with the engines off (and the APU off unless
// allowed), and goes when the aircraft moves, leaves the ground or the brake is released.
TEST_F(ElectricalTest, GroundPowerComesWhenParkedAndGoesWhenMoving) {
  const struct {
    int32_t option, apu, avail;
    double brake, on_ground, speed_kt;
    bool engines;
    int32_t after;
  } rows[] = {{1, 0, 0, 32767, 1, 0, false, 1},   {0, 0, 0, 32767, 1, 0, false, 0}, {1, 2, 0, 32767, 1, 0, false, 0},
              {1, 0, 0, 32000, 1, 0, false, 0},   {1, 0, 0, 32767, 0, 0, false, 0}, {1, 0, 0, 32767, 1, 0, true, 0},
              {0, 0, 1, 32767, 1, 1.9, false, 1}, {0, 0, 1, 32767, 1, 2.0, false, 0}, {0, 0, 1, 0, 1, 0, false, 0},
              {0, 0, 1, 32767, 0, 0, false, 0}};
  for (const auto& r : rows) {
    Power(1, true);
    stdby_power_switch = 1;
    SetEngines(r.engines, r.engines);
    l_gen_cont = r_gen_cont = 2;
    std::tie(AutoExtPwrAvail, apu_mode, ext_power_avail) = std::tuple(r.option, r.apu, r.avail);
    host_.SetToken(323, r.brake);
    host_.SetToken(60, r.on_ground);
    ground_speed = r.speed_kt;
    Pass();
    EXPECT_EQ(ext_power_avail, r.after) << r.option << r.apu << r.avail << " " << r.brake << " " << r.speed_kt;
  }
}

// A hydraulic failure drops its own channel; the last one out disconnects.
TEST_F(ElectricalTest, HydraulicFailureDropsItsOwnChannel) {
  const int32_t messages[] = {kMsgLHydSysPress, kMsgCHydSysPress, kMsgRHydSysPress};
  int32_t* const channels[] = {&apleft, &apcenter, &apright};
  for (int failed = 0; failed < 3; ++failed) {
    Power(3, true);
    apu_mode = 2;
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
    apleft = apcenter = apright = 1;
    for (int32_t m : messages) eicas_msg_shown[m] = 0;
    eicas_msg_shown[messages[failed]] = 1;
    Pass();
    for (int c = 0; c < 3; ++c) EXPECT_EQ(*channels[c], c == failed ? 0 : 1) << failed << " " << c;
  }
  EXPECT_EQ(KeyEvents(kAutopilotOff), 0);
}

// The flight director alone flying LNAV and VNAV: both generators off and on again drop the route,
// and LNAV and VNAV with it (with CMD the disconnect does); SPD holds the speed.
TEST_F(ElectricalTest, LnavAndVnavEndWithTheRouteAPowerLossDrops) {
  QuietAircraft();
  std::tie(stpos, fms_fpln_active, lnav, vnav) = std::tuple(1, 3, 1, 1);
  for (const char* gen : {"l_gen_cont_clicked", "r_gen_cont_clicked", "l_gen_cont_clicked", "r_gen_cont_clicked"}) {
    host_.SetNamed(gen, 1.0);
    RunFrames(36);
  }
  EXPECT_EQ(std::tuple(stpos, lnav, vnav, spd_hold, ac_power > 1), std::tuple(kNoActiveLeg, 0, 0, 1, true));
}

// At the gate: the left IRS knob OFF then NAV (the right aligned, the centre OFF), ground power off
// past the alignment, the six hydraulic pumps clicked off in the dark, ground power on: the left IRS
// aligns again from the start, the right at once; each pump is off and gives no pressure.
TEST_F(ElectricalTest, WhatTheDarkLeftIsRightOnGroundPowerAgain) {
  IrsAlignSecs = 90;
  SetEngines(false, false);
  host_.SetToken(60, 1.0);
  host_.SetToken(323, 32767.0);  // parking brake
  std::tie(irs_l_anun_knob, irs_c_anun_knob, irs_r_anun_knob, irs_r_anun_mode) = std::tuple(0, 0, 1, 3);
  for (const char* press :
       {"ext_power_avail_clicked", "ext_power_button_clicked", "irs_l_anun_knob_clicked", "ext_power_button_clicked",
        "l_elec_hyd_pump_clicked", "c_elec_hyd1_pump_clicked", "c_elec_hyd2_pump_clicked", "r_elec_hyd_pump_clicked",
        "l_eng_hyd_pump_clicked", "r_eng_hyd_pump_clicked", "ext_power_button_clicked"}) {
    host_.SetNamed(press, 1.0);
    RunFrames(20);
  }
  EXPECT_EQ(std::tuple(irs_l_anun_mode, irs_c_anun_mode, irs_r_anun_mode, l_hyd_press, c_hyd_press, r_hyd_press),
            std::tuple(1, 0, 3, 100, 0, 50));
  EXPECT_EQ(l_elec_hyd_pump_mode + c_elec_hyd1_pump_mode + c_elec_hyd2_pump_mode + r_elec_hyd_pump_mode +
                l_eng_hyd_pump_mode + r_eng_hyd_pump_mode,
            0);
}

}  // namespace
