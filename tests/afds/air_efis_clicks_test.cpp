#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
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

// Rows without power last: Dead() takes every source away for good.
TEST_F(AirClicksTest, ApuBleedValveWaitsForTheApu) {
  const struct {
    int32_t from, apu_mode;
    bool dead;
    int32_t to, on_timer, off_timer;
  } rows[] = {{0, 0, false, 1, 0, 0}, {0, 2, false, 1, 36, 0}, {2, 2, false, 3, 0, 36},
              {2, 1, false, 0, 0, 0}, {0, 2, true, 2, 0, 0},   {2, 2, true, 0, 0, 0}};
  for (const auto& c : rows) {
    if (c.dead) Dead();
    apu_bleed = c.from;
    apu_mode = c.apu_mode;
    apu_bleed_on_timer = apu_bleed_off_timer = 0;
    Click("apu_bleed_clicked");
    EXPECT_EQ(apu_bleed, c.to) << c.from << c.apu_mode << c.dead;
    EXPECT_EQ(apu_bleed_on_timer, c.on_timer) << c.from << c.apu_mode << c.dead;
    EXPECT_EQ(apu_bleed_off_timer, c.off_timer) << c.from << c.apu_mode << c.dead;
  }
}

TEST_F(AirClicksTest, EfisRangeWrapsAtEitherEnd) {
  panelstatus_init_done = 1;  // the classic cockpit's selector drives the classic ND
  const struct {
    double value, from_nm, to_nm;
    double position;  // -1: not written
  } rows[] = {{2, 320, 10, 0}, {1, 10, 320, 5}, {1, 15, 320, 5}, {3, 40, 40, -1}};
  for (const auto& c : rows) {
    nd_rng_nm = c.from_nm;
    SetNamed("efis_range_switch", -1.0);
    Click("efis_range_switch_clicked", c.value);
    EXPECT_EQ(nd_rng_nm, c.to_nm) << c.value << " " << c.from_nm;
    EXPECT_EQ(Named("efis_range_switch"), c.position) << c.value << " " << c.from_nm;
    EXPECT_EQ(Named("efis_range_switch_clicked"), 0.0);
  }
  EXPECT_EQ(fpnd_rng_nm, 10.0);  // the classic cockpit's selector moves the classic ND only
}

// 1 turns the mode selector down, 2 up, stopping at either end; a value below 1 stays in the request.
TEST_F(AirClicksTest, EfisModeStopsAtEitherEnd) {
  panelstatus_init_done = 1;
  const struct {
    double value;
    int32_t from, to;
    double position, request_after;  // position -1: not written
  } rows[] = {{2, 3, 4, 3, 0}, {2, 4, 4, -1, 0}, {1, 2, 1, 0, 0}, {1, 1, 1, -1, 0}, {-1, 2, 2, -1, -1}};
  for (const auto& c : rows) {
    nd_mode = c.from;
    SetNamed("efis_mode_switch", -1.0);
    Click("efis_mode_switch_clicked", c.value);
    EXPECT_EQ(std::tuple(nd_mode, Named("efis_mode_switch")), std::tuple(c.to, c.position)) << c.value << " " << c.from;
    EXPECT_EQ(Named("efis_mode_switch_clicked"), c.request_after) << c.value;
  }
}

// The flat-panel cockpit's selectors drive its own ND, the FP_ND (MAP and PLAN only); the classic
// ND stays as it is.
TEST_F(AirClicksTest, FlatPanelEfisSelectorsDriveTheFpNd) {
  Click("efis_range_switch_clicked", 2);
  Click("efis_mode_switch_clicked", 1);  // nothing below MAP
  EXPECT_EQ(std::tuple(fpnd_rng_nm, fpnd_mode, nd_rng_nm, nd_mode), std::tuple(20.0, 3, 10.0, 1));
  Click("efis_mode_switch_clicked", 2);
  EXPECT_EQ(std::tuple(fpnd_mode, Named("efis_mode_switch"), Named("efis_range_switch")), std::tuple(4, 3.0, 1.0));
}

}  // namespace
