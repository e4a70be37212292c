#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "displays/displays_globals.h"
#include "frame/tcas_link.h"
#include "nd/nd_globals.h"
#include "panel_input_fixture.h"

namespace {

// Battery on; Dead() takes every source away.
class AirClicksTest : public ClickTest {
 protected:
  void SetUp() override {
    ClickTest::SetUp();
    SetToken(364, 1.0);
  }
  void Dead() {
    ac_power = 0;
    SetToken(364, 0.0);
  }
};

struct ApuBleedCase {
  int32_t from, apu_mode;
  bool dead;
  int32_t to, on_timer, off_timer;
};

class ApuBleedTest : public AirClicksTest, public ::testing::WithParamInterface<ApuBleedCase> {};

TEST_P(ApuBleedTest, ValveWaitsForTheApu) {
  const ApuBleedCase& c = GetParam();
  if (c.dead) Dead();
  apu_bleed = c.from;
  apu_mode = c.apu_mode;
  Click("apu_bleed_clicked");
  EXPECT_EQ(apu_bleed, c.to);
  EXPECT_EQ(apu_bleed_on_timer, c.on_timer);
  EXPECT_EQ(apu_bleed_off_timer, c.off_timer);
}

INSTANTIATE_TEST_SUITE_P(States, ApuBleedTest,
                         ::testing::Values(ApuBleedCase{0, 0, false, 1, 0, 0}, ApuBleedCase{0, 2, false, 1, 36, 0},
                                           ApuBleedCase{0, 2, true, 2, 0, 0}, ApuBleedCase{2, 2, false, 3, 0, 36},
                                           ApuBleedCase{2, 1, false, 0, 0, 0}, ApuBleedCase{2, 2, true, 0, 0, 0}));

struct RangeCase {
  double value, from_nm, to_nm;
  double position;  // -1: not written
  bool consumed;
};

class EfisRangeSelectorTest : public AirClicksTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(EfisRangeSelectorTest, RangeWrapsAtEitherEnd) {
  const RangeCase& c = GetParam();
  nd_rng_nm = c.from_nm;
  SetNamed("efis_range_switch", -1.0);
  Click("efis_range_switch_clicked", c.value);
  EXPECT_EQ(nd_rng_nm, c.to_nm);
  EXPECT_EQ(Named("efis_range_switch"), c.position);
  EXPECT_EQ(Named("efis_range_switch_clicked"), c.consumed ? 0.0 : c.value);
  EXPECT_EQ(fpnd_rng_nm, 10.0);  // the 3-D selector moves the classic ND only
}

INSTANTIATE_TEST_SUITE_P(Values, EfisRangeSelectorTest,
                         ::testing::Values(RangeCase{2, 320, 10, 0, true}, RangeCase{1, 10, 320, 5, true},
                                           RangeCase{2, 40, 80, 3, true}, RangeCase{1, 15, 320, 5, true},
                                           RangeCase{3, 40, 40, -1, true}));

}  // namespace
