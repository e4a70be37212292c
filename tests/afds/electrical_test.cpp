#include <gtest/gtest.h>

#include "afds/electrical.h"
#include "afds/eicas_messages.h"
#include "displays/displays_globals.h"
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
  void KeepRightGenerator() {
    SetEngines(true, true);
    r_gen_cont = 2;
  }
  void AllSourcesOff() {
    SetEngines(false, false);
    apu_mode = 0;
    ext_power_avail = 0;
  }
};

TEST_F(ElectricalTest, RunsOnlyOnFrameZero) {
  ac_power = 0;
  SetBattery(true);
  server_phase = 3;
  RunElectricalPass();
  EXPECT_EQ(ac_power, 0);
  Pass();
  EXPECT_EQ(ac_power, 1);
}

TEST_F(ElectricalTest, ApuLevelHoldsWhileAnEngineGeneratorComesOnAndDropsThroughWhenTheApuStops) {
  ac_power = 3;
  apu_mode = 2;
  SetEngines(false, true);
  r_gen_cont = 2;
  Pass();
  EXPECT_EQ(ac_power, 3);
  apu_mode = 0;
  Pass();
  EXPECT_EQ(ac_power, 5);  // 3 -> 2 -> 1, then the highest source
}

TEST_F(ElectricalTest, ColdAircraftWaitsForTheBatteryThenErectsTheStandbyAttitude) {
  ac_power = 0;
  AllSourcesOff();
  SetBattery(false);
  stdby_att_pitch = -55.0;  // at rest
  stdby_att_bank_deg = -30.0;
  Pass();
  EXPECT_EQ(ac_power, 0);
  EXPECT_EQ(stdby_att_erecting, 0);
  SetBattery(true);
  Pass();
  EXPECT_EQ(ac_power, 1);
  EXPECT_EQ(stdby_att_erecting, 1);
  EXPECT_EQ(stdby_att_pitch, -54.0);  // its first step, at once
  EXPECT_EQ(sound_event_code, 7);
  EXPECT_EQ(stdby_att_erect_count, 0);
}

struct DropCase {
  const char* label;
  int32_t standby_switch;
  int32_t level_after;
  int32_t toppling_after;
};

class LevelDrop : public ElectricalTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(LevelDrop, EnginesStoppedDropsThroughToTheStandbyRecompute) {
  const DropCase& c = GetParam();
  AllSourcesOff();
  SetBattery(true);
  stdby_power_switch = c.standby_switch;
  Pass();
  EXPECT_EQ(ac_power, c.level_after);
  EXPECT_EQ(stdby_att_toppling, c.toppling_after);
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelDrop,
                         ::testing::Values(DropCase{"StandbyOff", 0, 0, 1}, DropCase{"StandbyOn", 1, 1, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ElectricalTest, ALoadedLevelHoldsDuringTheFirstTenSeconds) {
  host_.SetToken(604, 5.0);
  AllSourcesOff();
  Pass();
  EXPECT_EQ(ac_power, 5);
}

TEST_F(ElectricalTest, DropsTestTheSpoolAndTheRecomputeTestsTheRunningFlag) {
  AllSourcesOff();
  host_.SetToken(576, 1.0);  // still flagged running, spool below 10
  host_.SetToken(646, 5.0);
  r_gen_cont = 2;
  Pass();
  EXPECT_EQ(ac_power, 5);
}

TEST_F(ElectricalTest, BatteryLostOnStandbyPowerTopplesTheStandbyAttitude) {
  ac_power = 1;
  AllSourcesOff();
  SetBattery(false);
  stdby_att_erecting = 1;
  Pass();
  EXPECT_EQ(ac_power, 0);
  EXPECT_EQ(stdby_att_toppling, 1);
  EXPECT_EQ(stdby_att_erecting, 0);
  Pass();
  EXPECT_EQ(min_power, 0);
  EXPECT_EQ(gen_power, 0);
}

TEST_F(ElectricalTest, PowerFlagsArePublishedOnChange) {
  SetEngines(true, true);
  r_gen_cont = 2;
  SetBattery(true);
  host_.SetNamed("STBYPage", 3.0);
  Pass();
  EXPECT_EQ(Named("min_power"), 1.0);
  EXPECT_EQ(Named("gen_power"), 1.0);
  EXPECT_EQ(Named("flag_ac_power"), 1.0);
  EXPECT_EQ(Named("circuit_gen_pwr"), 1.0);
  EXPECT_EQ(Named("no_ac_power"), 0.0);

  // All power lost: the AC flag goes first, the circuit flag on the next pass.
  AllSourcesOff();
  SetBattery(false);
  stdby_power_switch = 0;
  Pass();
  EXPECT_EQ(ac_power, 0);
  EXPECT_EQ(flag_ac_power, 0);
  EXPECT_EQ(circuit_gen_pwr, 1);
  Pass();
  EXPECT_EQ(circuit_gen_pwr, 0);
  EXPECT_EQ(Named("min_power"), 0.0);
  EXPECT_EQ(Named("STBYPage"), 0.0);
}

TEST_F(ElectricalTest, BatteryOnlyLightsTheDischargeLightAndTheNoAcFlag) {
  ac_power = 1;
  AllSourcesOff();
  SetBattery(true);
  Pass();
  EXPECT_EQ(no_ac_power, 1);
  EXPECT_EQ(batdisch_light, 1);
  EXPECT_EQ(Named("batdisch_light"), 1.0);
}

struct YawCase {
  const char* label;
  int32_t level;
  bool battery;
  int32_t l_before, r_before;
  int32_t l_after, r_after;
};

class YawDamperPower : public ElectricalTest, public ::testing::WithParamInterface<YawCase> {};

TEST_P(YawDamperPower, MovesOnlyWithinTheSwitchPosition) {
  const YawCase& c = GetParam();
  ac_power = c.level;
  if (c.level <= 1) AllSourcesOff();
  if (c.level > 1) KeepRightGenerator();
  SetBattery(c.battery);
  l_yaw_damper_mode = c.l_before;
  r_yaw_damper_mode = c.r_before;
  Pass();
  Pass();
  EXPECT_EQ(l_yaw_damper_mode, c.l_after);
  EXPECT_EQ(r_yaw_damper_mode, c.r_after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, YawDamperPower,
    ::testing::Values(YawCase{"AcWorks", 5, true, 2, 2, 3, 3}, YawCase{"BatteryOnlyLights", 1, true, 3, 3, 2, 2},
                      YawCase{"UnpoweredNeedsBothOnOrLit", 1, false, 1, 0, 1, 0},
                      YawCase{"UnpoweredDarkens", 1, false, 1, 2, 0, 3}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ElectricalTest, IrsDropsOnPowerLossAndRealignsAtOnceWhenPowerReturns) {
  irs_l_anun_knob = irs_c_anun_knob = irs_r_anun_knob = 1;
  irs_l_anun_mode = 3;
  ac_power = 1;
  AllSourcesOff();
  SetBattery(true);
  Pass();
  EXPECT_EQ(irs_l_anun_mode, 0);
  EXPECT_EQ(irs_c_anun_mode, 0);
  EXPECT_EQ(irs_1_align, 0);
  SetEngines(true, true);
  r_gen_cont = 2;
  Pass();
  EXPECT_EQ(ac_power, 5);
  EXPECT_EQ(irs_l_anun_mode, 3);
  EXPECT_EQ(irs_c_anun_mode, 3);
  EXPECT_EQ(irs_r_anun_mode, 3);
  EXPECT_EQ(Named("irs_1_align"), 1.0);
}

TEST_F(ElectricalTest, AutomaticExternalPowerNeedsTheParkingBrakeOnTheGround) {
  AutoExtPwrAvail = 1;
  AllSourcesOff();
  host_.SetToken(60, 1.0);
  host_.SetToken(323, 30000.0);
  Pass();
  EXPECT_EQ(ext_power_avail, 0);
  host_.SetToken(323, 32767.0);
  Pass();
  EXPECT_EQ(ext_power_avail, 1);
  EXPECT_EQ(Named("ext_power_avail"), 1.0);
  host_.SetToken(551, 2.0 * 1.68781);  // ground speed samples on the next tick
  ground_speed = 2.0;
  Pass();
  EXPECT_EQ(ext_power_avail, 0);
  EXPECT_EQ(ext_power_button, 1);  // follows on the next pass
  Pass();
  EXPECT_EQ(ext_power_button, 0);
}

TEST_F(ElectricalTest, LeftChannelIsSparedForTenSecondsAfterSetUp) {
  init_sim_time = 95.0;  // the run time is 100 s
  apleft = apcenter = 1;
  vnav = 1;
  irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 1;
  Pass();
  EXPECT_EQ(apleft, 1);
  EXPECT_EQ(apcenter, 0);
  EXPECT_EQ(KeyEvents(kAutopilotOff), 0);
  EXPECT_EQ(vnav, 1);
  host_.SetToken(604, 106.0);
  Pass();
  EXPECT_EQ(apleft, 0);
  EXPECT_EQ(Named("apleft"), 0.0);
  EXPECT_EQ(KeyEvents(kAutopilotOff), 1);
  // The last channel out disconnects: the modes drop and the disconnect bar starts.
  EXPECT_EQ(vnav, 0);
  EXPECT_EQ(apdisc_bar_timer, 3);
}

TEST_F(ElectricalTest, ChannelDropsWithItsHydraulicCaution) {
  KeepRightGenerator();
  irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  apright = apcenter = 1;
  eicas_msg_shown[kMsgRHydSysPress] = 1;
  Pass();
  EXPECT_EQ(apright, 0);
  EXPECT_EQ(apcenter, 1);
  EXPECT_EQ(KeyEvents(kAutopilotOff), 0);  // another channel still holds
}

struct BatteryButtonCase {
  const char* label;
  int32_t before;
  bool battery;
  int32_t level;
  int32_t after;
};

class BatteryButton : public ElectricalTest, public ::testing::WithParamInterface<BatteryButtonCase> {};

TEST_P(BatteryButton, FollowsTheTable) {
  const BatteryButtonCase& c = GetParam();
  ac_power = c.level;
  if (c.level <= 1) AllSourcesOff();
  if (c.level > 1) KeepRightGenerator();
  SetBattery(c.battery);
  battery_button = c.before;
  Pass();
  EXPECT_EQ(battery_button, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatteryButton,
    ::testing::Values(BatteryButtonCase{"OffUnpowered", 3, false, 1, 7}, BatteryButtonCase{"OffAcBack", 7, false, 5, 1},
                      BatteryButtonCase{"BatteryBackStays", 1, true, 5, 1},
                      BatteryButtonCase{"ZeroUnpowered", 0, false, 1, 6}, BatteryButtonCase{"TwoOnAc", 2, false, 5, 4},
                      BatteryButtonCase{"FiveWithBattery", 5, true, 5, 3}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ElectricalTest, UnpoweredShedsPumpsPacksAndEmergencyLights) {
  ac_power = 1;
  AllSourcesOff();
  SetBattery(false);
  stdby_power_switch = 0;
  host_.SetNamed("emer_lights_switch", 2.0);
  l_pack_reset = 0;
  l_elec_hyd_pump_mode = 0;
  Pass();
  EXPECT_EQ(l_elec_hyd_pump_mode, 3);
  EXPECT_EQ(c_elec_hyd1_pump_mode, 2);
  EXPECT_EQ(emer_lights_switch, 0);
  EXPECT_EQ(l_pack_reset, 2);
  EXPECT_EQ(Named("l_elec_hyd_pump_mode"), 3.0);
  EXPECT_EQ(Named("r_pack_reset"), 2.0);
  EXPECT_EQ(l_gen_cont, 2);  // 1 (on, lit) goes dark
  EXPECT_EQ(l_utility_bus, 1);

  // Battery back: the lights come on again.
  SetBattery(true);
  Pass();
  EXPECT_EQ(l_elec_hyd_pump_mode, 0);
  EXPECT_EQ(c_elec_hyd1_pump_mode, 1);
  EXPECT_EQ(emer_lights_switch, 2);
  EXPECT_EQ(l_pack_reset, 0);
  EXPECT_EQ(l_hyd_sys_press, 1);
  EXPECT_EQ(c_hyd_sys_press, 1);
}

TEST_F(ElectricalTest, AcPowerLightsPackResetsByPackSwitch) {
  l_pack_switch = 0;
  l_pack_reset = 2;
  r_pack_switch = 1;
  r_pack_reset = 0;
  SetEngines(true, true);
  r_gen_cont = 2;
  Pass();
  EXPECT_EQ(l_pack_reset, 0);
  EXPECT_EQ(r_pack_reset, 2);
}

TEST_F(ElectricalTest, SimulatorSwitchesAreHeldOnOnlyWithPower) {
  AllSourcesOff();
  ac_power = 1;
  SetBattery(false);
  stdby_power_switch = 0;
  Pass();
  EXPECT_EQ(KeyEvents(0x102c2), 0);
  SetBattery(true);
  Pass();
  EXPECT_EQ(KeyEvents(0x102c2), 1);
  EXPECT_EQ(KeyEvents(0x102f5), 1);
  EXPECT_EQ(KeyEvents(0x10218), 2);  // token 13 reads 0 on both passes
}

}  // namespace
