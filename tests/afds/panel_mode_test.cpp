#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/panel_mode.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"

namespace {

using PanelModeTest = ClickTest;

TEST_F(PanelModeTest, EnteringTheReducedModeHandsTheAutoflightToTheSimulator) {
  ac_power = 4;
  flch = hdg_sel_mode = vnav = to_roll_mode = to_pitch_mode = app_mode = thr_disc_set = 1;
  stdby_power_switch = 0;
  Click("panel_mode_clicked");
  EXPECT_EQ(std::tuple(lite_mode, Named("panel_mode") + Named("vs_show") + Named("ias_show")), std::tuple(1, 3.0));
  EXPECT_EQ(flch + hdg_sel_mode + to_roll_mode + to_pitch_mode + thr_disc_set + vnav, 0);
  EXPECT_EQ(std::tuple(Named("stdby_power_switch"), Named("beg_start_button")), std::tuple(1.0, 2.0));
  // Dropping VNAV hands the thrust to SPD at the present speed (airspeed target, Mach hold off,
  // airspeed hold on); then each simulator hold that no module mode claims is switched off: APP is
  // armed here.
  EXPECT_EQ(spd_hold, 1);
  EXPECT_EQ(SentSince(0), (std::vector<uint32_t>{0x101f5, 0x10231, 0x1022d, 0x10117, 0x10115, 0x10118}));
  // LNAV claims the heading hold it steers with.
  Click("panel_mode_clicked");
  lnav = 1;
  const size_t before = SentSince(0).size();
  Click("panel_mode_clicked");
  EXPECT_EQ(SentSince(before), (std::vector<uint32_t>{0x10115, 0x10118}));
}

// The uplink light needs the message line to go empty in between.
TEST_F(PanelModeTest, MessageAnnunciatorFollowsTheCduMessageLine) {
  const struct {
    const char* message;
    int32_t fmc, acars;
  } steps[] = {{"INVALID ENTRY", 1, 0}, {"RTE UPLINK OK", 1, 0}, {"", 0, 0}, {"RTE UPLINK OK", 1, 1}, {"", 0, 0}};
  for (const auto& s : steps) {
    cdu_message = s.message;
    WatchCduMessage();
    EXPECT_EQ(std::tuple(Named("fmc_anun"), Named("acars_anun")), std::tuple(s.fmc, s.acars)) << s.message;
  }
}

}  // namespace
