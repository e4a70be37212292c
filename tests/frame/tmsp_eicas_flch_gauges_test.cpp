#include "frame/tmsp_eicas_flch_gauges.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/thrust_limits.h"
#include "frame/frame_globals.h"
#include "frame/panel_fixture.h"
#include "frame/panel_gauge_globals.h"
#include "frame/tick_globals.h"
#include "state/aircraft_id.h"

namespace {

class ThrustModeTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    tmsp_ = Create("TMSP");
    thr_ref_to_req = 0;  // loads pending: the tests watch it being raised
    epr_bug = 9.0;
    epr_bug_2 = 8.0;
  }
  void Press(int x, int y) { ASSERT_TRUE(Click(tmsp_, x + 9, y + 9)); }

  simhost::GaugeInstance* tmsp_ = nullptr;
};

// In the air TO gives the go-around reference and keeps the assumed temperature; on the ground it
// resets the temperature from token 350. Both raise the TO request.
TEST_F(ThrustModeTest, TakeOffReferenceDependsOnBeingOnTheGround) {
  host().SetToken(350, 0.125);
  Press(20, 18);
  EXPECT_EQ(tmsp, 2);
  EXPECT_EQ(to_epr_temp_sel, -99.0);
  EXPECT_EQ(thr_ref_to_req, 1);
  host().SetToken(60, 1.0);
  Press(20, 18);
  EXPECT_EQ(tmsp, 1);
  EXPECT_EQ(to_epr_temp_sel, 32.0);
}

struct ModeButton {
  int x, y;
  int32_t mode;
  bool cruise_request;
};

class ModeButtonTest : public ThrustModeTest, public ::testing::WithParamInterface<ModeButton> {};

TEST_P(ModeButtonTest, ButtonSetsItsModeAndRecomputesBothReferences) {
  Press(GetParam().x, GetParam().y);
  EXPECT_EQ(tmsp, GetParam().mode);
  EXPECT_EQ(thr_ref_crz_req, GetParam().cruise_request ? 1 : 0);
  EXPECT_EQ(thr_ref_to_req, 0);
  EXPECT_EQ(epr_bug, GetThrustLimitEpr(0.0));
  EXPECT_EQ(epr_bug_2, epr_bug);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ModeButtonTest,
                         ::testing::Values(ModeButton{97, 18, 5, false}, ModeButton{45, 59, 6, true}));

TEST_F(ThrustModeTest, TemperatureSelectorRaisesItsRequestsWithAClick) {
  ASSERT_TRUE(Click(tmsp_, 79 + 5, 55 + 5));
  EXPECT_EQ(to_temp_decr_req, 1);
  EXPECT_EQ(to_temp_incr_req, 0);
  EXPECT_EQ(sound_event_code, 2);
  ASSERT_TRUE(Click(tmsp_, 79 + 25, 55 + 5));
  EXPECT_EQ(to_temp_incr_req, 1);
  EXPECT_EQ(tmsp, 1);  // the mode is not touched
  EXPECT_FALSE(Click(tmsp_, 79 + 15, 55 + 5));  // the gap between the halves
}

using EicasSwitchTest = PanelGaugeTest;

TEST_F(EicasSwitchTest, EngTogglesTheEnginePageAndStsAlwaysShowsStatus) {
  simhost::GaugeInstance* g = Create("EICAS_ENG_STS");
  const struct {
    int x;
    int32_t page;
  } kPresses[] = {{21, 2}, {0, 1}, {0, 0}, {0, 1}, {21, 2}, {21, 2}, {0, 1}};
  for (const auto& p : kPresses) {
    ASSERT_TRUE(Click(g, p.x + 10, 10));
    EXPECT_EQ(lower_eicas_mode, p.page);
  }
  EXPECT_EQ(host().Named("eng_lwr_eicas"), 1.0);
  EXPECT_EQ(host().Named("sts_lwr_eicas"), 2.0);
  lower_eicas_mode = 5;  // a page ENG does not know stays, and is published as it is
  ASSERT_TRUE(Click(g, 10, 10));
  EXPECT_EQ(lower_eicas_mode, 5);
  EXPECT_EQ(host().Named("eng_lwr_eicas"), 5.0);
}

// The message switch: cancel and recall raise their requests; its pre-initialise runs the
// connection chores and the data loads.
TEST_F(EicasSwitchTest, CancelAndRecallRaiseTheirRequestsAndPreInitialiseLoadsTheData) {
  host().set_current_directory("/sim");
  simhost::GaugeInstance* sw = Create("EICAS_MSG_SW");
  ASSERT_TRUE(Click(sw, 42 + 5, 28 + 5));
  EXPECT_EQ(eicas_cancel_req, 1);
  EXPECT_EQ(eicas_recall_req, 0);
  ASSERT_TRUE(Click(sw, 72 + 5, 28 + 5));
  EXPECT_EQ(eicas_recall_req, 1);
  Send(sw, gauge::kPreInstall);
  EXPECT_TRUE(host().key_handler_registered());
  EXPECT_TRUE(sim_root.empty());
  Send(sw, gauge::kPreInitialize);
  EXPECT_EQ(host().key_handler_register_calls(), 1);
  EXPECT_EQ(sim_root, "/sim");
  EXPECT_EQ(fpl_list_loaded, 1);  // built: an empty plan folder gives the "NEW FPL" row
}

class FlchGaugeTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    flch_gauge_ = Create("FLCH");
    SpendTick();
  }
  void PreUpdate() { Send(flch_gauge_, gauge::kPreUpdate); }
  std::vector<int> Lamps() { return Shown(flch_gauge_, 1, 2); }

  simhost::GaugeInstance* flch_gauge_ = nullptr;
};

// Switching airframes while FLCH is lit darkens the other airframe's lamp.
TEST_F(FlchGaugeTest, LampOfTheAirframeFollowsFlch) {
  flch = 1;
  PreUpdate();
  EXPECT_EQ(Lamps(), std::vector<int>{1});
  aircraft_model = "757 - 300";
  PreUpdate();
  EXPECT_EQ(Lamps(), std::vector<int>{2});
  flch = 0;
  PreUpdate();
  EXPECT_EQ(Lamps(), std::vector<int>{});
}

TEST_F(FlchGaugeTest, OnlyEngagedFlchFollowsTheMcpSpeedBugOfTheWindowsUnit) {
  ap_spdbug = 240.0;
  PreUpdate();
  EXPECT_EQ(target_ias, 0.0);
  flch = 1;
  redraw_tick = 5;
  ap_spdbug = 250.0;
  ap_mach_bug = 0.78;
  target_mach = 0.70;
  host().SetNamed("SPEED MODE SELECT", 1.0);  // read only on slot 0 of the redraw cycle
  PreUpdate();
  EXPECT_EQ(target_ias, 250.0);
  EXPECT_EQ(target_mach, 0.70);
  redraw_tick = 0;
  ap_spdbug = 260.0;
  PreUpdate();
  EXPECT_EQ(speed_mode_select, 1);
  EXPECT_EQ(target_mach, 0.78);
  EXPECT_EQ(target_ias, 250.0);
}

TEST_F(FlchGaugeTest, PitchRateIsTheChangeBetweenTwoPreUpdates) {
  host().SetToken(77, 2.0);
  PreUpdate();
  EXPECT_EQ(flch_pitch, 2.0);
  EXPECT_EQ(flch_pitch_rate, 2.0);
  host().SetToken(77, -1.5);
  PreUpdate();
  EXPECT_EQ(flch_pitch, -1.5);
  EXPECT_EQ(flch_pitch_rate, -3.5);
  Send(flch_gauge_, gauge::kPreDraw);  // other messages leave the samples still
  EXPECT_EQ(flch_pitch_rate, -3.5);
}

}  // namespace
