#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "state/config_globals.h"
#include "state/initial_panel_state.h"
#include "state/state_fixture.h"
#include "state/state_globals.h"

namespace {

constexpr uint32_t kEventAltSel = 0x1024C;

class InitialPanelStateTest : public PanelStateTest {
 protected:
  void SetUp() override {
    PanelStateTest::SetUp();
    host_.set_app_data_folder(app_data_.path());
  }
  void OnGroundAtRest() {
    host_.SetToken(60, 1.0);
    host_.SetToken(551, 0.0);
  }
  // Events sent from the `from`th on (the host keeps them across restarts).
  std::vector<uint32_t> SentEvents(size_t from = 0) const {
    std::vector<uint32_t> v;
    for (size_t i = from; i < host_.key_events().size(); ++i) v.push_back(host_.key_events()[i].event_id);
    return v;
  }

  testing_support::TempDir app_data_;
};

// The altitude window shows 10000 on the ground at rest, the autopilot altitude in the air, and a
// window already set is left alone (nothing published, nothing sent).
TEST_F(InitialPanelStateTest, AltitudeAndHeadingWindows) {
  OnGroundAtRest();
  host_.SetToken(107, 273.9);
  InitPanelState();
  EXPECT_EQ(std::tuple(alt_sel_num, hdg_sel_dir), std::tuple(10000, 273.9));
  Restart();
  host_.SetToken(60, 0.0);
  host_.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 23000.7);
  InitPanelState();
  EXPECT_EQ(KeyEventValues(kEventAltSel), (std::vector<int32_t>{10000, 23000}));
  Restart();
  std::tie(alt_sel_num, hdg_sel_dir) = std::tuple(8000, 90.0);
  host_.SetNamed("alt_sel_num", 0.0);
  InitPanelState();
  EXPECT_EQ(std::tuple(alt_sel_num, host_.Named("alt_sel_num"), hdg_sel_dir), std::tuple(8000, 0.0, 90.0));
  EXPECT_EQ(KeyEventValues(kEventAltSel).size(), 2u);
}

// The full panel takes the simulator's autopilot holds and autothrottle off; the lite panel takes
// the simulator's modes over instead. The fuel selectors (0x101AA, 0x103DB) then take the centre
// tank first.
TEST_F(InitialPanelStateTest, FullPanelResetsTheSimulatorModesLitePanelTakesThemOver) {
  InitPanelState();
  EXPECT_EQ(SentEvents(), (std::vector<uint32_t>{kEventAltSel, 0x100FF, 0x10115, 0x10116, 0x10118, 0x10117,
                                                 0x1022E, 0x10231, 0x101AA, 0x103DB}));
  const size_t sent = host_.key_events().size();
  Restart();
  std::tie(lite_mode, stdby_power_switch) = std::tuple(1, 0);
  host_.SetToken(103, 1.0);  // autopilot master
  host_.SetToken(112, 1.0);  // approach hold
  InitPanelState();
  EXPECT_EQ(SentEvents(sent), (std::vector<uint32_t>{kEventAltSel, 0x101AA, 0x103DB}));
  EXPECT_EQ(std::tuple(apleft, app_mode, l_yaw_damper_mode, beg_start_button, stdby_power_switch),
            std::tuple(1, 1, 2, 1, 1));
}

// Every hydraulic pump switch starts on the overhead where the systems hold it, so that a press
// moves it from there.
TEST_F(InitialPanelStateTest, HydraulicPumpSwitchesShowTheSystemsPositions) {
  std::tie(l_eng_hyd_pump_mode, r_eng_hyd_pump_mode) = std::tuple(1, 3);
  InitPanelState();
  for (const auto& [name, mode] : {std::pair{"l_eng_hyd_pump_mode", l_eng_hyd_pump_mode},
                                   {"r_eng_hyd_pump_mode", r_eng_hyd_pump_mode},
                                   {"l_elec_hyd_pump_mode", l_elec_hyd_pump_mode},
                                   {"c_elec_hyd2_pump_mode", c_elec_hyd2_pump_mode}}) {
    EXPECT_EQ(host_.Named(name), mode) << name;
  }
}

// The configured panel state loads when its name has the extension and loading is switched on.
TEST_F(InitialPanelStateTest, ConfiguredPanelState) {
  WritePanel("stored.pnl", "cruise_alt=33000\n");
  for (auto [name, on, loaded, message] : {std::tuple{"Stored.pnl", 1, 33000, "PANEL STATE LOADED OK"},
                                           std::tuple{"stored", 1, 0, "PANEL STATE LOAD FAIL"},
                                           std::tuple{"stored.pnl", 0, 0, ""}}) {
    Restart();
    dir_.MakeDir("Orvantel/PanelStates");
    std::tie(PanelState, LoadPanelStateonAcLoad) = std::tuple(name, on);
    InitPanelState();
    EXPECT_EQ(std::pair(cruise_alt, cdu_message), std::pair(loaded, std::string(message))) << name;
  }
}

// With the simulator's autobrake configured the selector starts where the simulator's stands.
TEST_F(InitialPanelStateTest, AutobrakeSelectorFromTheSimulatorOnlyWhenConfigured) {
  for (auto [option, after] : {std::pair{1, 3}, std::pair{0, 5}}) {
    Restart();
    std::tie(UseDefAutoBrakes, auto_brake_switch) = std::tuple(option, 5);
    host_.SetToken(743, 3.0);
    InitPanelState();
    EXPECT_EQ(std::pair(auto_brake_switch, host_.Named("auto_brake_switch")), std::pair(after, after * 1.0)) << option;
  }
}

TEST_F(InitialPanelStateTest, FuelFileIsReadOnlyOnTheGround) {
  app_data_.Write("Orvantel/ro757_fuel.cfg", "LeftMain=1000\n");
  host_.SetToken(306, 6.7);  // lb per gallon, read by the fuel load
  BurnFuelFromCtrFirst = 0;  // the fuel selectors would read the tank data as well
  InitPanelState();
  const double in_the_air = fuel_weight_per_gal;
  OnGroundAtRest();
  initialize_server = 0;
  InitPanelState();
  EXPECT_EQ(std::pair(in_the_air, fuel_weight_per_gal), std::pair(0.0, 6.7));
}

}  // namespace
