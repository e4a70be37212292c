#include <gtest/gtest.h>

#include <vector>

#include "afds/afds_globals.h"
#include "afds/click_poller.h"
#include "afds/panel_input_globals.h"
#include "afds/panel_mode.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/frame_globals.h"
#include "frame/tick_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"

namespace {

class PanelModeTest : public PanelInputTest {
 protected:
  void SetUp() override {
    PanelInputTest::SetUp();
    server_phase = 3;
  }
  void Click(const char* name) {
    SetNamed(name, 1.0);
    PollClickedVars();
  }
};

TEST_F(PanelModeTest, LeavingTheReducedModeResetsTheSetupButton) {
  lite_mode = 1;
  beg_start_button = 2;
  Click("panel_mode_clicked");
  EXPECT_EQ(lite_mode, 0);
  EXPECT_EQ(beg_start_button, 0);
  EXPECT_EQ(Named("panel_mode"), 0.0);
  EXPECT_EQ(Named("beg_start_button"), 0.0);
  EXPECT_EQ(Named("panel_mode_clicked"), 0.0);
  EXPECT_TRUE(host().key_events().empty());
}

TEST_F(PanelModeTest, AnotherModeValueIsOnlyRepublished) {
  lite_mode = 2;
  beg_start_button = 1;
  Click("panel_mode_clicked");
  EXPECT_EQ(lite_mode, 2);
  EXPECT_EQ(Named("panel_mode"), 2.0);
  EXPECT_EQ(Named("beg_start_button"), 1.0);
  EXPECT_EQ(Named("panel_mode_clicked"), 0.0);
  EXPECT_EQ(sound_event_code, 0);
}

TEST_F(PanelModeTest, EnteringTheReducedModeHandsTheAutoflightToTheSimulator) {
  ac_power = 4;
  flch = 1;
  hdg_sel_mode = 1;
  vnav = 1;
  stdby_power_switch = 0;
  to_roll_mode = to_pitch_mode = 1;
  app_mode = 1;
  thr_disc_set = 1;
  Click("panel_mode_clicked");
  EXPECT_EQ(lite_mode, 1);
  EXPECT_EQ(Named("panel_mode"), 1.0);
  EXPECT_EQ(Named("vs_show"), 1.0);
  EXPECT_EQ(Named("ias_show"), 1.0);
  EXPECT_EQ(flch + hdg_sel_mode + to_roll_mode + to_pitch_mode, 0);
  EXPECT_EQ(thr_disc_set, 0);
  EXPECT_EQ(vnav, 0);
  EXPECT_EQ(Named("vnav"), 0.0);
  EXPECT_EQ(stdby_power_switch, 1);
  EXPECT_EQ(Named("stdby_power_switch"), 1.0);
  EXPECT_EQ(irs_l_anun_mode + irs_c_anun_mode + irs_r_anun_mode, 9);
  EXPECT_EQ(beg_start_button, 2);
  EXPECT_EQ(Named("beg_start_button"), 2.0);
  // Dropping VNAV hands the thrust to SPD at the present speed (airspeed target, Mach hold off,
  // airspeed hold on); then each simulator hold that no module mode claims is switched off: APP is
  // armed here.
  EXPECT_EQ(spd_hold, 1);
  EXPECT_EQ(SentSince(0), (std::vector<uint32_t>{0x101f5, 0x10231, 0x1022d, 0x10117, 0x10115, 0x10118}));
  EXPECT_EQ(l_yaw_damper_mode, 2);
  EXPECT_EQ(Named("r_yaw_damper_mode"), 2.0);
}

TEST_F(PanelModeTest, ReducedModeOnLowPowerStartsAtTheFirstSetupStep) {
  ac_power = 3;
  alt_hold_mode = 1;
  Click("panel_mode_clicked");
  EXPECT_EQ(beg_start_button, 1);
  EXPECT_EQ(vnav_init_flag, 0);  // VNAV's switch did not run
  EXPECT_EQ(SentSince(0), (std::vector<uint32_t>{0x10117, 0x10116, 0x10115}));
}

struct StyleCase {
  const char* click;
  int32_t* style;
  const char* variable;
  int32_t from;
  int32_t to;
};

class DisplayStyleTest : public PanelModeTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(DisplayStyleTest, StyleSwapsBetweenItsTwoValuesOnly) {
  const StyleCase& c = GetParam();
  *c.style = c.from;
  Click(c.click);
  EXPECT_EQ(*c.style, c.to);
  EXPECT_EQ(Named(c.variable), c.to);
  EXPECT_EQ(Named(c.click), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Switches, DisplayStyleTest,
                         ::testing::Values(StyleCase{"eadi_style_clicked", &EadiMode, "eadi_style", 0, 1},
                                           StyleCase{"eadi_style_clicked", &EadiMode, "eadi_style", 1, 0},
                                           StyleCase{"eadi_style_clicked", &EadiMode, "eadi_style", 5, 5},
                                           StyleCase{"fd_style_clicked", &FlightDirectorType, "fd_style", 0, 1},
                                           StyleCase{"fd_style_clicked", &FlightDirectorType, "fd_style", 1, 0}));

TEST_F(PanelModeTest, MessageAnnunciatorFollowsTheCduMessageLine) {
  cdu_message = "INVALID ENTRY";
  WatchCduMessage();
  EXPECT_EQ(fmc_anun, 1);
  EXPECT_EQ(acars_anun, 0);
  EXPECT_EQ(Named("fmc_anun"), 1.0);
  EXPECT_EQ(Named("acars_anun"), 0.0);
  cdu_message = "RTE UPLINK OK";  // changed without an empty line between: no uplink light
  WatchCduMessage();
  EXPECT_EQ(acars_anun, 0);
  EXPECT_EQ(Named("acars_anun"), 0.0);
  cdu_message.clear();
  WatchCduMessage();
  EXPECT_EQ(fmc_anun, 0);
  EXPECT_EQ(Named("fmc_anun"), 0.0);
  cdu_message = "RTE UPLINK OK";
  WatchCduMessage();
  EXPECT_EQ(fmc_anun, 1);
  EXPECT_EQ(acars_anun, 1);
  EXPECT_EQ(Named("acars_anun"), 1.0);
  cdu_message.clear();
  WatchCduMessage();
  EXPECT_EQ(acars_anun, 0);
  EXPECT_EQ(Named("acars_anun"), 0.0);
}

TEST_F(PanelModeTest, ResetMcpMessageClearsOnceWellBelowTheCruiseAltitude) {
  cruise_alt = 35000;
  plane_alt = 34950.0;
  cdu_message = "RESET MCP";
  ClearResetMcpMessage();
  EXPECT_EQ(cdu_message, "RESET MCP");
  plane_alt = 34949.0;
  ClearResetMcpMessage();
  EXPECT_EQ(cdu_message, "");
  cdu_message = "RESET MCP ";
  ClearResetMcpMessage();
  EXPECT_EQ(cdu_message, "RESET MCP ");
}

TEST_F(PanelModeTest, StartLatchesRiseAtSixtyFiveByTheirOwnEngine) {
  SetToken(627, 60.0);
  SetToken(646, 65.0);
  UpdateEngineStartLatches();
  EXPECT_EQ(l_eng_start_done, 0);
  EXPECT_EQ(r_eng_start_done, 1);
  EXPECT_EQ(sound_event_code, 0);
  SetToken(646, 50.0);  // between the thresholds a latch keeps its value
  UpdateEngineStartLatches();
  EXPECT_EQ(r_eng_start_done, 1);
}

TEST_F(PanelModeTest, EnginesRunningDownDropBothLatchesWithOneSound) {
  l_eng_start_done = r_eng_start_done = 1;
  SetToken(627, 49.0);
  SetToken(646, 20.0);
  UpdateEngineStartLatches();
  EXPECT_EQ(l_eng_start_done, 0);
  EXPECT_EQ(r_eng_start_done, 0);
  EXPECT_EQ(sound_event_code, 9);
}

TEST_F(PanelModeTest, ApproachHoldIsReArmedWhileTheAutopilotFliesLocOrApp) {
  SetToken(103, 1.0);
  loc_mode = 1;
  KeepApproachHoldAlive();
  SetToken(112, 1.0);
  KeepApproachHoldAlive();
  loc_mode = 0;
  SetToken(112, 0.0);
  KeepApproachHoldAlive();
  EXPECT_EQ(ValuesOf(0x1010e), std::vector<int32_t>{0});
}

TEST_F(PanelModeTest, CabinAnnouncementSwitchIsFollowedOnlyFifteenSecondsAfterSetup) {
  init_sim_time = 100.0;
  SetNamed("ov_cabin_announcements", 1.0);
  SetToken(604, 115.0);
  FollowCabinAnnouncementSwitch();
  EXPECT_EQ(play_announcements, 0);
  SetToken(604, 115.5);
  FollowCabinAnnouncementSwitch();
  EXPECT_EQ(play_announcements, 1);
}

}  // namespace
