#include <gtest/gtest.h>

#include <tuple>

#include "sim/tcas_link.h"
#include "module/module_fixture.h"
#include "nd/efis_options.h"
#include "nd/nd_globals.h"

namespace {

using EfisOptionsTest = FrameTest;

// Each range steps on the ladder from its own rung and stops at its ends; an off-ladder range stays.
// The knob variable is written with the new index only when a range moved (-1: not written).
TEST_F(EfisOptionsTest, EachRangeStepsFromItsOwnRung) {
  for (const auto& [nd_from, fpnd_from, up, nd_to, fpnd_to, knob] :
       {std::tuple{320.0, 160.0, true, 320.0, 320.0, 5.0}, {320.0, 320.0, true, 320.0, 320.0, -1.0},
        {10.0, 10.0, false, 10.0, 10.0, -1.0}, {40.0, 80.0, false, 20.0, 40.0, 2.0},
        {15.0, 160.0, false, 15.0, 80.0, 3.0}}) {
    nd_rng_nm = nd_from;
    fpnd_rng_nm = fpnd_from;
    host().SetNamed("efis_range_switch", -1.0);
    up ? IncreaseNdRange() : DecreaseNdRange();
    EXPECT_EQ(nd_rng_nm, nd_to) << nd_from << " " << fpnd_from << " " << up;
    EXPECT_EQ(fpnd_rng_nm, fpnd_to) << nd_from << " " << fpnd_from << " " << up;
    EXPECT_EQ(host().Named("efis_range_switch"), knob) << nd_from << " " << fpnd_from << " " << up;
  }
}

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

}  // namespace
