#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "afds/ap_engage.h"
#include "afds_fixture.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;
using ApEngageTest = afds_test::AfdsTest;

// The speed modes drop only when configured so (with the autothrottle armed).
TEST_F(ApEngageTest, DisconnectDropsTheChannelsAndGuidanceButKeepsHeadingAltitudeAndSpeedModes) {
  for (int32_t config : {0, 1}) {
    apleft = apcenter = apright = 1;
    lnav = lnav_init_mode = vnav = flch = loc_mode = app_mode = loc_capture = gs_capture = autoland_mode = 1;
    hdg_sel_mode = alt_hold_mode = spd_hold = thrust_hold = 1;
    SetSpdOffwhenAPMasterSetOff = config;
    at_arm = 1.0;
    DisconnectAutopilot();
    EXPECT_EQ(apleft + apcenter + apright + Named("apleft") + Named("apdisc_bar"), 0);
    EXPECT_EQ(lnav + lnav_init_mode + vnav + flch + loc_mode + app_mode + loc_capture + gs_capture + autoland_mode, 0);
    EXPECT_EQ(hdg_sel_mode + alt_hold_mode, 2);
    EXPECT_EQ(spd_hold + thrust_hold + Count(0x1022E), config == 1 ? 1 : 2) << config;
  }
  EXPECT_EQ(ThrottleDisconnectWrites(), std::vector<uint64_t>{0});  // THR keeps its byte unless it drops
}

TEST_F(ApEngageTest, MasterOffDropsAnArmedInterceptAndTheBarReturnsOnTheThirdClockSecond) {
  host_.SetToken(5, 10.0);
  RunTicks(1);
  ap_master = 1.0;
  host_.SetToken(103, 0.0);  // the autopilot goes off
  lnav = lnav_init_mode = 1;
  RunTicks(1);
  EXPECT_EQ(lnav_init_mode, 0);  // an armed intercept does not come back with the next LNAV
  for (double second : {11.0, 12.0, 12.0, 13.0}) {
    host_.SetToken(5, second);
    RunTicks(1);
    EXPECT_EQ(Named("apdisc_bar"), second < 13.0 ? 0.0 : 1.0) << second;
  }
}

}  // namespace
