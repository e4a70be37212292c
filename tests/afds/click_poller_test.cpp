#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/tick_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"

namespace {

using Ids = std::vector<uint32_t>;
constexpr uint32_t kApMasterOn = 0x10100;
using ClickPollerTest = ClickTest;

// Any non-zero value is one click, and the poller writes 0.0 back.
TEST_F(ClickPollerTest, AnyNonZeroValueIsOneClick) {
  int32_t engaged = 0;
  for (double value : {-1.0, 0.25, std::numeric_limits<double>::quiet_NaN()}) {
    Click("hdg_clicked", value);
    engaged = 1 - engaged;
    EXPECT_EQ(hdg_hold_mode, engaged) << value;
    EXPECT_EQ(Named("hdg_clicked"), 0.0);
  }
  const size_t mark = Mark();
  Click("hdg_clicked", 0.0);
  EXPECT_EQ(hdg_hold_mode, 1);
  EXPECT_TRUE(SentSince(mark).empty());
}

TEST_F(ClickPollerTest, ApButtonAtLowHeightWithTheAutopilotOffOnlyClicks) {
  radio_height = 300.0;
  SetNamed("apleft", -1.0);
  Click("apleft_clicked");
  EXPECT_EQ(sound_event_code, 2);
  EXPECT_TRUE(host().key_events().empty());
  EXPECT_EQ(Named("apleft"), 0.0);  // the channel is written back as it is
}

TEST_F(ClickPollerTest, LiteModeEngagesAtAnyHeightWithoutTheModuleModesAndDisconnectsTheSimulatorOnly) {
  lite_mode = 1;
  radio_height = 0.0;
  Click("apright_clicked");
  EXPECT_EQ(apright, 1);
  EXPECT_EQ(vs_hold_mode + hdg_hold_mode + hdg_sel_mode, 0);
  EXPECT_EQ(SentSince(0), Ids{kApMasterOn});
  for (const char* click : {"apleft_clicked", "apcenter_clicked"}) {
    const size_t mark = Mark();
    Click(click);
    EXPECT_EQ(SentSince(mark), (Ids{0x100ff, 0x10117, 0x10118})) << click;
  }
  EXPECT_EQ(apleft + apcenter + apright, 1);
}

struct ApproachCase {
  const char* click;
  int32_t left, center, right;
  double app_hold;
  int32_t left_to, center_to, right_to, autoland_to;
};

class ApButtonApproachTest : public ClickPollerTest, public ::testing::WithParamInterface<ApproachCase> {};

// With the autopilot already on, a channel joins only an approach, and the third channel in arms
// autoland; outside an approach nothing arms it.
TEST_P(ApButtonApproachTest, ChannelsJoinTheApproachAndTheThirdArmsAutoland) {
  const ApproachCase& c = GetParam();
  ap_master = 1.0;
  apleft = c.left;
  apcenter = c.center;
  apright = c.right;
  sim_app_hold = c.app_hold;
  autoland_spoiler_stage = 2;
  Click(c.click);
  EXPECT_EQ(apleft, c.left_to);
  EXPECT_EQ(apcenter, c.center_to);
  EXPECT_EQ(apright, c.right_to);
  EXPECT_EQ(autoland_mode, c.autoland_to);
  const bool left_arms = std::string(c.click) == "apleft_clicked" && c.autoland_to == 1;
  EXPECT_EQ(autoland_spoiler_stage, left_arms ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Channels, ApButtonApproachTest,
    ::testing::Values(ApproachCase{"apright_clicked", 1, 1, 0, 1.0, 1, 1, 1, 1},
                      ApproachCase{"apright_clicked", 1, 1, 0, 0.0, 1, 1, 0, 0},
                      ApproachCase{"apcenter_clicked", 1, 0, 1, 0.0, 1, 0, 1, 0},
                      ApproachCase{"apleft_clicked", 0, 1, 1, 1.0, 1, 1, 1, 1},
                      ApproachCase{"apright_clicked", 1, 0, 0, 1.0, 1, 0, 1, 0}));

// `observed` is a global the button's switch always changes from `before` (VNAV's controller
// reset runs even where VNAV cannot engage).
struct ModeButtonCase {
  const char* click;
  int32_t* observed;
  int32_t before;
  double at_arm, radio_height, ap_master;
  int32_t stpos, lite;
  bool calls;
};

class McpButtonTest : public ClickPollerTest, public ::testing::WithParamInterface<ModeButtonCase> {};

TEST_P(McpButtonTest, ButtonCallsItsSwitchWhenAllowedAndClicksEitherWay) {
  const ModeButtonCase& c = GetParam();
  at_arm = c.at_arm;
  radio_height = c.radio_height;
  ap_master = c.ap_master;
  stpos = c.stpos;
  lite_mode = c.lite;
  *c.observed = c.before;
  Click(c.click);
  EXPECT_EQ(*c.observed != c.before, c.calls);
  EXPECT_EQ(sound_event_code, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, McpButtonTest,
    ::testing::Values(ModeButtonCase{"lnav_clicked", &lnav, 1, 0, 0, 0, 999, 1, true},
                      ModeButtonCase{"vnav_clicked", &vnav_init_flag, 0, 0, 0, 0, 999, 1, false},
                      ModeButtonCase{"vnav_clicked", &vnav_init_flag, 0, 0, 0, 0, 3, 1, true},
                      ModeButtonCase{"thrust_clicked", &thrust_hold, 0, 1, 0, 0, 999, 0, true},
                      ModeButtonCase{"thrust_clicked", &thrust_hold, 0, 1, 0, 0, 999, 1, false},
                      ModeButtonCase{"spd_clicked", &spd_hold, 0, 1, 200, 0, 999, 0, false},
                      ModeButtonCase{"spd_clicked", &spd_hold, 0, 1, 401, 0, 999, 0, true},
                      ModeButtonCase{"alt_clicked", &alt_hold_mode, 0, 0, 0, 1, 999, 0, true},
                      ModeButtonCase{"alt_clicked", &alt_hold_mode, 0, 0, 0, 0, 999, 0, false}));

}  // namespace
