#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "afds/ap_engage.h"
#include "afds_fixture.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;

using ApEngageTest = afds_test::AfdsTest;

TEST_F(ApEngageTest, DisconnectDropsTheChannelsAndGuidanceButKeepsHeadingAndAltitudeModes) {
  apleft = apcenter = apright = 1;
  lnav = lnav_init_mode = vnav = flch = loc_mode = app_mode = loc_capture = gs_capture = 1;
  autoland_mode = 3;
  hdg_sel_mode = alt_hold_mode = spd_hold = 1;
  DisconnectAutopilot();
  EXPECT_EQ(apleft + apcenter + apright, 0);
  EXPECT_EQ(lnav + lnav_init_mode + vnav + flch + loc_mode + app_mode + loc_capture + gs_capture + autoland_mode, 0);
  EXPECT_EQ(hdg_sel_mode + alt_hold_mode + spd_hold, 3);
  EXPECT_EQ(Named("apleft") + Named("apright") + Named("loc") + Named("app") + Named("apdisc_bar"), 0.0);
  EXPECT_EQ(ThrottleDisconnectWrites(), std::vector<uint64_t>{0});
  EXPECT_EQ(Sent(), Events{});
}

TEST_F(ApEngageTest, DisconnectOfAnEngagementHeldOffBelow400FtLeavesTheBarAtRest) {
  host_.SetNamed("apdisc_bar", 1.0);
  ap_engage_low_ra = 1;
  thrust_hold = 1;  // THR keeps its throttle-disconnect byte
  DisconnectAutopilot();
  EXPECT_EQ(Named("apdisc_bar"), 1.0);
  EXPECT_EQ(ThrottleDisconnectWrites(), std::vector<uint64_t>{});
}

TEST_F(ApEngageTest, DisconnectDropsTheSpeedModesOnlyWhenConfiguredWithTheAutothrottleArmed) {
  for (int32_t config : {0, 1}) {
    for (double armed : {0.0, 1.0}) {
      SetSpdOffwhenAPMasterSetOff = config;
      at_arm = armed;
      spd_hold = thrust_hold = 1;
      Mark();
      DisconnectAutopilot();
      const int32_t dropped = config == 1 && armed == 1.0 ? 1 : 0;
      EXPECT_EQ(spd_hold + thrust_hold + Count(0x1022E), 2 - dropped) << config << armed;
    }
  }
}

TEST_F(ApEngageTest, DisconnectBarReturnsOnTheThirdClockSecond) {
  host_.SetToken(5, 10.0);
  RunTicks(1);
  ap_master = 1.0;
  host_.SetToken(103, 0.0);  // the autopilot goes off
  lnav = lnav_init_mode = 1;
  RunTicks(1);
  EXPECT_EQ(lnav_init_mode, 0);  // an armed intercept does not come back with the next LNAV
  for (double second : {11.0, 12.0, 12.0}) {
    host_.SetToken(5, second);
    RunTicks(1);
    EXPECT_EQ(Named("apdisc_bar"), 0.0) << second;
  }
  host_.SetToken(5, 13.0);
  RunTicks(1);
  EXPECT_EQ(Named("apdisc_bar"), 1.0);
}

TEST_F(ApEngageTest, ClearAfdsModesDropsEachModeThroughItsSwitch) {
  hdg_sel_mode = alt_hold_mode = vs_hold_mode = loc_mode = app_mode = 1;
  ClearAfdsModes();
  EXPECT_EQ(hdg_sel_mode + alt_hold_mode + vs_hold_mode + loc_mode + app_mode, 0);
  EXPECT_EQ(Sent(), (Events{{0x10117, 0}, {0x10118, 0}, {0x101F4, 0}}));
}

}  // namespace
