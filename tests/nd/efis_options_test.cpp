#include <gtest/gtest.h>

#include "frame/tcas_link.h"
#include "frame/frame_fixture.h"
#include "nd/efis_options.h"
#include "nd/nd_globals.h"

namespace {

using EfisOptionsTest = FrameTest;

struct RangeCase {
  double nd_from, fpnd_from;
  int direction;
  double nd_to, fpnd_to;
  int switch_writes;  // how often "efis_range_switch" was written
  double switch_value;
};

class RangeStepTest : public FrameTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeStepTest, EachRangeStepsFromItsOwnRung) {
  const RangeCase& c = GetParam();
  nd_rng_nm = c.nd_from;
  fpnd_rng_nm = c.fpnd_from;
  host().SetNamed("efis_range_switch", -1.0);
  if (c.direction > 0) {
    IncreaseNdRange();
  } else {
    DecreaseNdRange();
  }
  EXPECT_EQ(nd_rng_nm, c.nd_to);
  EXPECT_EQ(fpnd_rng_nm, c.fpnd_to);
  EXPECT_EQ(host().Named("efis_range_switch"), c.switch_writes > 0 ? c.switch_value : -1.0);
}

INSTANTIATE_TEST_SUITE_P(Ladder, RangeStepTest,
                         ::testing::Values(RangeCase{10, 10, +1, 20, 20, 2, 1.0},
                                           RangeCase{320, 160, +1, 320, 320, 1, 5.0},
                                           RangeCase{320, 320, +1, 320, 320, 0, 0.0},
                                           RangeCase{10, 10, -1, 10, 10, 0, 0.0},
                                           RangeCase{40, 80, -1, 20, 40, 2, 2.0},
                                           RangeCase{15, 15, +1, 15, 15, 0, 0.0},
                                           RangeCase{15, 160, -1, 15, 80, 1, 3.0}));

TEST_F(EfisOptionsTest, ModeStepsWriteTheKnobOnlyWhenTheyMoveButAlwaysTheEhsiMode) {
  nd_mode = 4;
  host().SetNamed("efis_mode_switch", -1.0);
  IncrementEfisMode();
  EXPECT_EQ(nd_mode, 4);
  EXPECT_EQ(host().Named("efis_mode_switch"), -1.0);
  EXPECT_EQ(host().Named("ehsi_mode"), 4.0);
  DecrementEfisMode();
  EXPECT_EQ(nd_mode, 3);
  EXPECT_EQ(host().Named("efis_mode_switch"), 2.0);
  EXPECT_EQ(host().Named("ehsi_mode"), 3.0);
  nd_mode = 1;
  DecrementEfisMode();
  EXPECT_EQ(nd_mode, 1);
  nd_mode = 7;  // off the scale: stays
  IncrementEfisMode();
  EXPECT_EQ(nd_mode, 7);
}

TEST_F(EfisOptionsTest, TrafficToggleFlipsEachFlagAndReopensTcasAttempts) {
  nd_tfc_on = 1;
  fp_nd_tfc_on = 0;
  tcas_flag = 20;
  ToggleEfisTfc();
  EXPECT_EQ(nd_tfc_on, 0);
  EXPECT_EQ(fp_nd_tfc_on, 1);
  EXPECT_EQ(host().Named("efis_TFC_switch"), 0.0);
  EXPECT_EQ(host().Named("tcas_knob"), 0.0);
  EXPECT_EQ(tcas_flag, 10);
  int record = 0;
  tcas_serv = &record;
  tcas_flag = 21;
  ToggleEfisTfc();
  EXPECT_EQ(host().Named("tcas_knob"), 2.0);
  EXPECT_EQ(tcas_flag, 21);
}

TEST_F(EfisOptionsTest, OptionButtonsActOnTheSelectedSide) {
  efis_side = 0;
  EXPECT_EQ(ToggleArptBySide(), 1);
  EXPECT_EQ(ehsi_arpt_on, 1);
  EXPECT_EQ(nd_arpt_on, 0);
  efis_side = 1;
  EXPECT_EQ(ToggleRangeRingsBySide(), 1);
  EXPECT_EQ(nd_range_rings_on, 1);
  EXPECT_EQ(ehsi_range_rings_on, 0);
  nd_sta_on = 5;  // any non-zero value flips to 0
  EXPECT_EQ(ToggleNdSta(), 0);
  EXPECT_EQ(ToggleNdSta(), 1);
}

}  // namespace
