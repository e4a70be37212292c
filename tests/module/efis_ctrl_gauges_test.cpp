#include "module/efis_ctrl_gauges.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "module/panel_fixture.h"
#include "nd/nd_globals.h"

namespace {

class EfisCtrlTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    classic_ = Create("EFIS_CTRL");
    retro_ = Create("RETRO_EFIS_CTRL");
  }
  // Both panels update their pictures on pre-update.
  void Update(simhost::GaugeInstance* g) { Send(g, gauge::kPreUpdate); }

  simhost::GaugeInstance* classic_ = nullptr;
  simhost::GaugeInstance* retro_ = nullptr;
};

// Below 0 ft only the up half sends, at 990 ft only the down half.
TEST_F(EfisCtrlTest, DecisionHeightKnobHalvesSendOnlyInsideTheRange) {
  const std::pair<double, uint32_t> kCases[] = {{0.0, 0x10311}, {990.0, 0x10312}, {-10.0, 0x10311}};
  for (const auto& [dh_ft, sent] : kCases) {
    host().SetToken(615, dh_ft);
    for (simhost::GaugeInstance* g : {classic_, retro_}) {
      const size_t before = host().key_events().size();
      ASSERT_TRUE(Click(g, 183 + 10, 96 + 10));
      ASSERT_TRUE(Click(g, 183 + 60, 96 + 10));
      ASSERT_EQ(host().key_events().size(), before + 1) << dh_ft << " " << g->name;
      EXPECT_EQ(LastKey().event_id, sent) << dh_ft << " " << g->name;
    }
  }
}

// The EHSI range knob steps along the ladder, writes the switch only when it moves, and leaves the
// ND's range alone.
TEST_F(EfisCtrlTest, RetroRangeKnobStepsTheEhsiRangeAlongItsLadder) {
  const struct {
    double from;
    bool up;
    double to, switch_value;  // -1: not written
  } kSteps[] = {{10.0, false, 10.0, -1.0}, {160.0, true, 320.0, 5.0}, {80.0, false, 40.0, 2.0}, {25.0, true, 25.0, -1.0}};
  for (const auto& c : kSteps) {
    fp_ehsi_rng_nm = c.from;
    host().SetNamed("efis_range_switch", -1.0);
    ASSERT_TRUE(Click(retro_, c.up ? 22 + 100 : 22 + 10, 210 + 10));
    EXPECT_EQ(fp_ehsi_rng_nm, c.to) << c.from;
    EXPECT_EQ(host().Named("efis_range_switch"), c.switch_value) << c.from;
  }
  EXPECT_EQ(nd_rng_nm, 10.0);
}

TEST_F(EfisCtrlTest, RetroModeControlsStayWithinTheirModes) {
  const int down_x = 22 + 10, up_x = 22 + 100, y = 369 + 10;
  ASSERT_TRUE(Click(retro_, down_x, y));
  EXPECT_EQ(fp_ehsi_mode, 1);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(Click(retro_, up_x, y));
  EXPECT_EQ(fp_ehsi_mode, 3);
  fp_ehsi_mode = 0;  // off the knob: neither half moves it
  ASSERT_TRUE(Click(retro_, up_x, y));
  ASSERT_TRUE(Click(retro_, down_x, y));
  EXPECT_EQ(fp_ehsi_mode, 0);
}

// The option lamps (21..25) show the side the buttons act on, and the side switch (18, 19) moves
// them; a side other than 0 or 1 lights none.
TEST_F(EfisCtrlTest, RetroOptionLampsFollowTheSelectedSide) {
  efis_side = 1;
  nd_arpt_on = 1;
  ehsi_sta_on = 1;
  Update(retro_);
  EXPECT_EQ(Shown(retro_, 18, 25), (std::vector<int>{19, 20, 22}));
  ASSERT_TRUE(Click(retro_, 193 + 40, 427 + 40));  // side switch
  EXPECT_EQ(efis_side, 0);
  Update(retro_);
  EXPECT_EQ(Shown(retro_, 18, 25), (std::vector<int>{18, 20, 21}));
  efis_side = 2;
  Update(retro_);
  EXPECT_EQ(Shown(retro_, 18, 25), (std::vector<int>{19, 20}));
}

// The classic panel shows the picture of the selected range and of the mode, and a lamp for each
// map option that is on.
TEST_F(EfisCtrlTest, ClassicPicturesFollowRangeModeAndOptions) {
  std::tie(nd_rng_nm, nd_mode, nd_sta_on, nd_arpt_on, nd_wpt_on, nd_data_on) = std::tuple(40.0, 3, 0, 0, 1, 0);
  Update(classic_);
  EXPECT_EQ(Shown(classic_, 1, 14), (std::vector<int>{3, 9, 13}));
  std::tie(nd_rng_nm, nd_mode) = std::tuple(10.0, 1);
  Update(classic_);
  EXPECT_EQ(Shown(classic_, 1, 14), (std::vector<int>{1, 7, 13}));
}

}  // namespace
