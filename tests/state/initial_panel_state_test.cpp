#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/frame_globals.h"
#include "state/config_globals.h"
#include "state/initial_panel_state.h"
#include "state/panel_state_fixture.h"
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
  std::vector<uint32_t> SentEvents() const {
    std::vector<uint32_t> v;
    for (const auto& e : host_.key_events()) v.push_back(e.event_id);
    return v;
  }

  testing_support::TempDir app_data_;
};

TEST_F(InitialPanelStateTest, OnTheGroundAtRestTheAltitudeWindowShows10000) {
  OnGroundAtRest();
  host_.SetToken(107, 273.9);
  InitPanelState();
  EXPECT_EQ(alt_sel_num, 10000);
  EXPECT_EQ(host_.Named("alt_sel_num"), 10000.0);
  EXPECT_EQ(KeyEventValues(kEventAltSel), std::vector<int32_t>{10000});
  EXPECT_EQ(hdg_sel_dir, 273.9);
  EXPECT_EQ(host_.Named("hdg_sel_dir"), 273.0);
  EXPECT_EQ(initialize_server, 1);
}

TEST_F(InitialPanelStateTest, AirborneTheAltitudeWindowTakesTheAutopilotAltitude) {
  host_.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 23000.7);
  InitPanelState();
  EXPECT_EQ(alt_sel_num, 23000);
  EXPECT_EQ(KeyEventValues(kEventAltSel), std::vector<int32_t>{23000});
}

TEST_F(InitialPanelStateTest, SetWindowsAreLeftAlone) {
  alt_sel_num = 8000;
  hdg_sel_dir = 90.0;
  host_.SetToken(107, 273.0);
  InitPanelState();
  EXPECT_EQ(alt_sel_num, 8000);
  EXPECT_EQ(host_.Named("alt_sel_num"), 0.0);  // not published
  EXPECT_TRUE(KeyEventValues(kEventAltSel).empty());
  EXPECT_EQ(hdg_sel_dir, 90.0);
}

TEST_F(InitialPanelStateTest, PublishesTheStartValuesAndTakesOverTheSimulator) {
  host_.SetToken(45, 123.0);
  host_.SetToken(328, 2.9);
  host_.SetToken(604, 812.5);
  EadiMode = 1;
  InitPanelState();
  EXPECT_EQ(host_.Named("l_hyd_press_val"), 100.0);
  EXPECT_EQ(host_.Named("r_hyd_press_val"), 50.0);
  EXPECT_EQ(host_.Named("c_elec_hyd2_pump_mode"), 1.0);
  EXPECT_EQ(host_.Named("asi_bug3"), 150.0);
  EXPECT_EQ(host_.Named("Seatbelt sign"), -1.0);
  EXPECT_EQ(host_.Named("eadi_style"), 1.0);
  EXPECT_EQ(host_.Named("l_pack_switch"), 1.0);
  EXPECT_EQ(host_.Named("apdisc_bar"), 1.0);  // the autopilot is off: the bar at rest
  EXPECT_EQ(apleft, 0);
  EXPECT_EQ(crs_dir, 123.0);
  EXPECT_EQ(flaps_handle_pos_prev, 2);
  EXPECT_EQ(init_sim_time, 812.5);
  // The full panel starts with the simulator's autopilot holds and autothrottle off; the fuel
  // selectors (0x101AA, 0x103DB) then take the centre tank first.
  EXPECT_EQ(SentEvents(), (std::vector<uint32_t>{kEventAltSel, 0x100FF, 0x10115, 0x10116, 0x10118, 0x10117,
                                                 0x1022E, 0x10231, 0x101AA, 0x103DB}));
}

TEST_F(InitialPanelStateTest, AllCalloutsButForty) {
  alt_call_40_done = 0;
  InitPanelState();
  for (int32_t flag : {alt_call_appr_mins_done, alt_call_mins_done, alt_call_2500_done, alt_call_1000_done,
                       alt_call_500_done, alt_call_400_done, alt_call_300_done, alt_call_200_done, alt_call_100_done,
                       alt_call_50_done, alt_call_30_done, alt_call_20_done, alt_call_10_done}) {
    EXPECT_EQ(flag, 1);
  }
  EXPECT_EQ(alt_call_40_done, 0);
}

TEST_F(InitialPanelStateTest, LiteModeTakesTheModesOverInsteadOfResettingThem) {
  lite_mode = 1;
  stdby_power_switch = 0;
  host_.SetToken(103, 1.0);  // autopilot master
  host_.SetToken(112, 1.0);  // approach hold
  InitPanelState();
  EXPECT_EQ(SentEvents(), (std::vector<uint32_t>{kEventAltSel, 0x101AA, 0x103DB}));
  EXPECT_EQ(apleft, 1);
  EXPECT_EQ(host_.Named("apleft"), 1.0);
  EXPECT_EQ(app_mode, 1);
  EXPECT_EQ(host_.Named("app"), 1.0);
  EXPECT_EQ(host_.Named("vs_show"), 1.0);
  EXPECT_EQ(l_yaw_damper_mode, 2);
  EXPECT_EQ(host_.Named("r_yaw_damper_mode"), 2.0);
  EXPECT_EQ(beg_start_button, 1);
  EXPECT_EQ(stdby_power_switch, 1);
  EXPECT_EQ(host_.Named("panel_mode"), 1.0);
}

TEST_F(InitialPanelStateTest, ConfiguredPanelStateNeedsItsExtension) {
  PanelState = "Stored.pnl";
  WritePanel("stored.pnl", "cruise_alt=33000\n");
  InitPanelState();
  EXPECT_EQ(cruise_alt, 33000);
  EXPECT_EQ(cdu_message, "PANEL STATE LOADED OK");

  cruise_alt = 0;
  PanelState = "stored";
  InitPanelState();
  EXPECT_EQ(cruise_alt, 0);
  EXPECT_EQ(cdu_message, "PANEL STATE LOAD FAIL");
}

TEST_F(InitialPanelStateTest, NoSavedStateIsTriedWhenSwitchedOff) {
  LoadPanelStateonAcLoad = 0;
  PanelState = "stored.pnl";
  WritePanel("stored.pnl", "cruise_alt=33000\n");
  InitPanelState();
  EXPECT_EQ(cruise_alt, 0);
  EXPECT_EQ(cdu_message, "");
}

TEST_F(InitialPanelStateTest, AutobrakeSelectorFromTheSimulator) {
  UseDefAutoBrakes = 1;
  host_.SetToken(743, 4.0);
  InitPanelState();
  EXPECT_EQ(auto_brake_switch, 4);
  EXPECT_EQ(host_.Named("auto_brake_switch"), 4.0);
}

TEST_F(InitialPanelStateTest, FuelFileIsReadOnlyOnTheGround) {
  app_data_.Write("Orvantel/ro757_fuel.cfg", "LeftMain=1000\n");
  host_.SetToken(306, 6.7);  // lb per gallon, read by the fuel load
  BurnFuelFromCtrFirst = 0;  // the fuel selectors would read the tank data as well
  InitPanelState();
  EXPECT_EQ(fuel_weight_per_gal, 0.0);
  OnGroundAtRest();
  initialize_server = 0;
  InitPanelState();
  EXPECT_EQ(fuel_weight_per_gal, 6.7);
}

}  // namespace
