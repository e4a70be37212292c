#include <gtest/gtest.h>

#include <utility>

#include "afds/eicas_messages.h"
#include "afds/electrical.h"
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
  // A level and its sources: above 1 the right generator, at 1 or below none.
  void Power(int32_t level, bool battery) {
    ac_power = level;
    SetEngines(level > 1, level > 1);
    r_gen_cont = 2;
    apu_mode = 0;
    ext_power_avail = 0;
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
    apu_mode = r.apu;
    stdby_power_switch = r.standby;
    host_.SetToken(604, r.run_s);
    Pass();
    EXPECT_EQ(ac_power, r.after) << r.label;
  }
}

TEST_F(ElectricalTest, UnalignedIrsDropTheChannelsButTheLeftIsSparedForTenSecondsAfterSetUp) {
  init_sim_time = 95.0;  // the run time is 100 s
  apleft = apcenter = vnav = 1;
  irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 1;
  Pass();
  EXPECT_EQ(apleft - apcenter, 1);
  EXPECT_EQ(KeyEvents(kAutopilotOff), 0);
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
  EXPECT_EQ(l_elec_hyd_pump_mode, 3);
  EXPECT_EQ(c_elec_hyd1_pump_mode, 2);
  EXPECT_EQ(emer_lights_switch, 0);
  EXPECT_EQ(l_pack_reset, 2);
  SetBattery(true);
  Pass();
  EXPECT_EQ(l_elec_hyd_pump_mode, 0);
  EXPECT_EQ(c_elec_hyd1_pump_mode, 1);
  EXPECT_EQ(emer_lights_switch, 2);
}

}  // namespace
