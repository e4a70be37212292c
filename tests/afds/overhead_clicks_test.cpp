#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/systems_globals.h"
#include "panel_input_fixture.h"

namespace {

constexpr double kFullTank = 8388608.0;  // token level of a full tank

// Hydraulic, electrical, APU and fuel switches, with fuel in every tank (1000 gal at 6.7 lb). Power
// is set per test: AC (ac_power above 1), battery only (ac_power 1 with token 364 on) or dead.
class OverheadClicksTest : public ClickTest {
 protected:
  void SetUp() override {
    ClickTest::SetUp();
    Power(5, true);
    SetToken(306, 6.7);
    for (uint32_t tank : {289u, 291u, 297u}) SetToken(tank, kFullTank);
    for (uint32_t capacity : {290u, 292u, 298u}) SetToken(capacity, 1000.0);
  }
  void Power(int32_t level, bool battery) {
    ac_power = level;
    SetToken(364, battery ? 1.0 : 0.0);
  }
  void Dead() { Power(0, false); }
};

TEST_F(OverheadClicksTest, CrossfeedTravelsWithPowerJumpsWithoutAndIgnoresClicksInTransit) {
  Click("aft_xfeed_fuel_pump_clicked");
  EXPECT_EQ(aft_xfeed_on_timer, 36);
  Click("aft_xfeed_fuel_pump_clicked");
  EXPECT_EQ(std::tuple(aft_xfeed_fuel_pump, Named("aft_xfeed_fuel_pump_clicked")), std::tuple(1, 0.0));
  Dead();
  aft_xfeed_fuel_pump = 0;
  Click("aft_xfeed_fuel_pump_clicked");
  EXPECT_EQ(aft_xfeed_fuel_pump, 2);
  Click("aft_xfeed_fuel_pump_clicked");
  EXPECT_EQ(aft_xfeed_fuel_pump, 0);
}

// Pump switches: 0 off lit, 1 on lit, 2 on dark, 3 off dark; a pump whose system already has
// pressure comes on dark. The unpowered row comes last.
TEST_F(OverheadClicksTest, HydraulicPumpClickFlipsThePositionAndKeepsTheLight) {
  const struct {
    const char* pump;
    int32_t* mode;
    int32_t from;
    bool engine_runs;
    int32_t c1;
    bool dead;
    int32_t to;
  } rows[] = {{"l_eng_hyd_pump", &l_eng_hyd_pump_mode, 0, true, 2, false, 2},
              {"l_eng_hyd_pump", &l_eng_hyd_pump_mode, 0, false, 2, false, 1},
              {"r_elec_hyd_pump", &r_elec_hyd_pump_mode, 2, false, 2, false, 0},
              {"c_elec_hyd2_pump", &c_elec_hyd2_pump_mode, 0, false, 0, false, 1},
              {"r_eng_hyd_pump", &r_eng_hyd_pump_mode, 0, false, 2, false, 1},
              {"c_elec_hyd1_pump", &c_elec_hyd1_pump_mode, 1, false, 2, false, 0},
              {"l_elec_hyd_pump", &l_elec_hyd_pump_mode, 2, false, 2, true, 3}};
  SetToken(627, 30.0);  // engine values that leave the light logic alone
  SetToken(646, 30.0);
  for (const auto& c : rows) {
    if (c.dead) Dead();
    SetToken(566, c.engine_runs ? 1.0 : 0.0);
    c_elec_hyd1_pump_mode = c.c1;
    *c.mode = c.from;
    sound_event_code = 0;
    Click(std::string(c.pump) + "_clicked");
    EXPECT_EQ(Named(std::string(c.pump) + "_mode"), c.to) << c.pump << " " << c.from;
    EXPECT_EQ(sound_event_code, 3) << c.pump;
  }
}

// A generator drive light comes on below 15 on its engine's scale with power and goes out from 15
// or without power.
TEST_F(OverheadClicksTest, DriveLightsFollowTheirEngineAndThePower) {
  const struct {
    double spool;
    bool dead;
    int32_t from, to;
  } rows[] = {{14.9, false, 0, 1}, {15.0, false, 1, 0}, {14.9, true, 1, 0}, {15.0, false, 0, 0}, {14.9, false, 1, 1}};
  for (const auto& r : rows) {
    r.dead ? Dead() : Power(5, true);
    SetToken(627, r.spool);
    SetToken(646, 80.0 - r.spool);  // the right engine running: its light goes out
    std::tie(l_gen_disc_drive, r_gen_disc_drive) = std::tuple(r.from, 1);
    PollClickedVars();
    EXPECT_EQ(std::tuple(l_gen_disc_drive, r_gen_disc_drive), std::tuple(r.to, 0))
        << r.spool << r.dead << r.from;
  }
}

// 1 presses, 2 works the guard. A press toggles the simulator's battery only where it differs, and
// off without power ends at 7.
TEST_F(OverheadClicksTest, BatteryButtonNeedsItsGuardOpen) {
  SetToken(364, 0.0);
  Click("battery_button_clicked", 1.0);
  EXPECT_EQ(battery_button, 0);
  Click("battery_button_clicked", 2.0);
  EXPECT_EQ(battery_button, 1);
  Click("battery_button_clicked", 1.0);
  EXPECT_EQ(std::tuple(Named("battery_button"), sound_event_code), std::tuple(3.0, 3));
  Power(0, true);
  Click("battery_button_clicked", 1.0);
  EXPECT_EQ(std::tuple(battery_button, SentSince(0)), std::tuple(7, (std::vector<uint32_t>{0x102c1, 0x102c1})));
}

// The electrical pass takes the switches as the simulator has them: a battery pressed in the poller
// pass of SERVER frame 0 is taken by the next pass, once the simulator has switched it (ON, not OFF,
// with the battery on), and ground power whose button is not yet on (0) gives no AC power.
TEST_F(OverheadClicksTest, ElectricalPassTakesTheSwitchesAsTheSimulatorHasThem) {
  Dead();
  std::tie(battery_button, server_phase) = std::tuple(1, 0);
  Click("battery_button_clicked", 1.0);
  SetToken(364, 1.0);  // the simulator's toggle, once the pass has returned
  std::tie(server_phase, ac_power, ext_power_avail, ext_power_button) = std::tuple(3, 2, 1, 0);
  SetToken(604, 100.0);
  PollClickedVars();
  EXPECT_EQ(std::tuple(battery_button, ac_power, batdisch_light), std::tuple(3, 1, 1));
}

}  // namespace
