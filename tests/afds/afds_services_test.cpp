#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "afds/afds_services.h"
#include "frame/frame_fixture.h"

namespace {

using AfdsServicesTest = FrameTest;

TEST_F(AfdsServicesTest, SpeedModeFollowsTheNamedVariable) {
  host().SetNamed("SPEED MODE SELECT", -0.5);
  ReadSpeedModeSelect();
  EXPECT_EQ(speed_mode_select, 1);
  host().SetNamed("SPEED MODE SELECT", 0.0);
  ReadSpeedModeSelect();
  EXPECT_EQ(speed_mode_select, 0);
}

TEST_F(AfdsServicesTest, TokenFlagTestsTheFirstThirtyTwoBits) {
  gauge::TokenVar tv{};
  tv.value.u = 0x48;
  EXPECT_EQ(TestTokenFlag(tv, 0x08), 1);
  EXPECT_EQ(TestTokenFlag(tv, 0x80), 0);
  EXPECT_EQ(TestTokenFlag(tv, 0), 0);
}

TEST_F(AfdsServicesTest, DisconnectBarIsLitOnlyByZero) {
  SetApDiscBar(0);
  EXPECT_EQ(host().Named("apdisc_bar"), 1.0);
  SetApDiscBar(3);
  EXPECT_EQ(host().Named("apdisc_bar"), 0.0);
}

TEST_F(AfdsServicesTest, LeftChannelAndPanelStatusPublishThemselves) {
  EngageApLeft();
  EXPECT_EQ(apleft, 1);
  EXPECT_EQ(host().Named("apleft"), 1.0);
  SetPanelStatusInit();
  EXPECT_EQ(panelstatus_init_done, 1);
  EXPECT_EQ(host().Named("ov_panelstatus_init"), 1.0);
}

// The configuration's "Irs" key and the click poller align all three at once and publish them.
TEST_F(AfdsServicesTest, InstantIrsAlignmentSetsAndPublishesAllThree) {
  UpdateIrsAnnunciatorVars();
  EXPECT_EQ(irs_l_anun_mode + irs_c_anun_mode + irs_r_anun_mode, 9);
  EXPECT_EQ(irs_l_anun_knob + irs_c_anun_knob + irs_r_anun_knob, 3);
  EXPECT_EQ(irs_1_align, 1);
  for (const char* name : {"irs_l_anun_mode", "irs_c_anun_mode", "irs_r_anun_mode"}) {
    EXPECT_EQ(host().Named(name), 3.0) << name;
  }
  for (const char* name : {"irs_l_anun_knob", "irs_c_anun_knob", "irs_r_anun_knob", "irs_1_align"}) {
    EXPECT_EQ(host().Named(name), 1.0) << name;
  }
}

}  // namespace
