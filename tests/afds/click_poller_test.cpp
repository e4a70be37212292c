#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
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
    EXPECT_EQ(std::tuple(hdg_hold_mode, Named("hdg_clicked")), std::tuple(engaged, 0.0)) << value;
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
  std::tie(lite_mode, radio_height) = std::tuple(1, 0.0);
  Click("apright_clicked");
  EXPECT_EQ(std::tuple(apright, vs_hold_mode + hdg_hold_mode + hdg_sel_mode), std::tuple(1, 0));
  EXPECT_EQ(SentSince(0), Ids{kApMasterOn});
  for (const char* click : {"apleft_clicked", "apcenter_clicked"}) {
    const size_t mark = Mark();
    Click(click);
    EXPECT_EQ(SentSince(mark), (Ids{0x100ff, 0x10117, 0x10118})) << click;
  }
  EXPECT_EQ(apleft + apcenter + apright, 1);
}

// With the autopilot already on, a channel joins only an approach, and the third channel in arms
// autoland; outside an approach nothing arms it.
TEST_F(ClickPollerTest, ChannelsJoinTheApproachAndTheThirdArmsAutoland) {
  const struct {
    const char* click;
    int32_t left, center, right;
    double app_hold;
    int32_t left_to, center_to, right_to, autoland_to;
  } rows[] = {{"apright_clicked", 1, 1, 0, 1.0, 1, 1, 1, 1}, {"apright_clicked", 1, 1, 0, 0.0, 1, 1, 0, 0},
              {"apcenter_clicked", 1, 0, 1, 0.0, 1, 0, 1, 0},
              {"apcenter_clicked", 1, 0, 1, 1.0, 1, 1, 1, 1}, {"apleft_clicked", 0, 1, 1, 1.0, 1, 1, 1, 1},
              {"apright_clicked", 1, 0, 0, 1.0, 1, 0, 1, 0}};
  for (const auto& c : rows) {
    std::tie(ap_master, apleft, apcenter, apright) = std::tuple(1.0, c.left, c.center, c.right);
    std::tie(sim_app_hold, autoland_mode, autoland_spoiler_stage) = std::tuple(c.app_hold, 0, 2);
    Click(c.click);
    EXPECT_EQ(std::tuple(apleft, apcenter), std::tuple(c.left_to, c.center_to)) << c.click << c.app_hold;
    EXPECT_EQ(std::tuple(apright, autoland_mode), std::tuple(c.right_to, c.autoland_to)) << c.click << c.app_hold;
    const bool left_arms = std::string(c.click) == "apleft_clicked" && c.autoland_to == 1;
    EXPECT_EQ(autoland_spoiler_stage, left_arms ? 0 : 2) << c.click;
  }
}

// `observed` is a global the button's switch always changes from `before` (VNAV's controller
// reset runs even where VNAV cannot engage).
TEST_F(ClickPollerTest, McpButtonCallsItsSwitchWhenAllowedAndClicksEitherWay) {
  const struct {
    const char* click;
    int32_t* observed;
    int32_t before;
    double at_arm, radio_height, ap_master;
    int32_t stpos, lite;
    bool calls;
  } rows[] = {{"lnav_clicked", &lnav, 1, 0, 0, 0, 999, 1, true},
              {"vnav_clicked", &vnav_init_flag, 0, 0, 0, 0, 999, 1, false},
              {"vnav_clicked", &vnav_init_flag, 0, 0, 0, 0, 3, 1, true},
              {"thrust_clicked", &thrust_hold, 0, 1, 0, 0, 999, 0, true},
              {"thrust_clicked", &thrust_hold, 0, 1, 0, 0, 999, 1, false},
              {"spd_clicked", &spd_hold, 0, 1, 200, 0, 999, 0, false},
              {"spd_clicked", &spd_hold, 0, 1, 401, 0, 999, 0, true},
              {"alt_clicked", &alt_hold_mode, 0, 0, 0, 1, 999, 0, true},
              {"alt_clicked", &alt_hold_mode, 0, 0, 0, 0, 999, 0, false}};
  for (const auto& c : rows) {
    sound_event_code = 0;
    at_arm = c.at_arm;
    radio_height = c.radio_height;
    ap_master = c.ap_master;
    stpos = c.stpos;
    lite_mode = c.lite;
    *c.observed = c.before;
    Click(c.click);
    EXPECT_EQ(*c.observed != c.before, c.calls) << c.click << " " << c.stpos << c.lite << c.radio_height;
    EXPECT_EQ(sound_event_code, 2) << c.click;
  }
}

}  // namespace
