#include "module/checklist_gauges.h"

#include <gtest/gtest.h>

#include <vector>

#include "afds/afds_globals.h"
#include "module/panel_fixture.h"
#include "module/panel_gauge_globals.h"

namespace {

constexpr int kLeftX = 20, kRightX = 320, kPageY = 102;
constexpr int kItemY[8] = {0, 169, 232, 294, 358, 421, 483, 547};

class ChecklistTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    chk_ = Create("ELEC_CHKLIST");
  }
  void PressPage(int x) { ASSERT_TRUE(Click(chk_, x + 5, kPageY + 5)); }
  void TickItems(int x, int first, int last) {
    for (int k = first; k <= last; ++k) ASSERT_TRUE(Click(chk_, x + 5, kItemY[k] + 5));
  }
  void Pass() { Send(chk_, gauge::kPreUpdate); }
  std::vector<int> Shown(int first, int last) { return PanelGaugeTest::Shown(chk_, first, last); }

  simhost::GaugeInstance* chk_ = nullptr;
};

// Unticking clears the completion in the same pass; the open header shows from the next pass on.
TEST_F(ChecklistTest, UntickingACompletedPageReopensItsHeaderOnePassLater) {
  PressPage(kLeftX);
  TickItems(kLeftX, 1, 6);
  Pass();
  EXPECT_EQ(chk_left_done, 0);
  TickItems(kLeftX, 7, 7);
  Pass();
  EXPECT_EQ(chk_left_done, 1);
  EXPECT_EQ(Shown(1, 2), std::vector<int>{2});
  TickItems(kLeftX, 4, 4);
  Pass();
  EXPECT_EQ(chk_left_done, 0);
  EXPECT_EQ(Shown(1, 2), std::vector<int>{2});
  Pass();
  EXPECT_EQ(Shown(1, 2), std::vector<int>{1});
}

// Pages with five items complete whatever items 6 and 7 hold; a page change clears the page's ticks.
TEST_F(ChecklistTest, FiveItemPagesCompleteWithoutItemsSixAndSeven) {
  PressPage(kLeftX);
  TickItems(kLeftX, 1, 7);
  PressPage(kLeftX);  // to page 2: items 1..5 cleared, 6 and 7 kept
  EXPECT_EQ(std::vector<int32_t>(chk_left_item, chk_left_item + 7), (std::vector<int32_t>{0, 0, 0, 0, 0, 1, 1}));
  TickItems(kLeftX, 1, 5);
  PressPage(kRightX);
  TickItems(kRightX, 1, 5);
  Pass();
  EXPECT_EQ(chk_left_done, 1);
  EXPECT_EQ(chk_right_done, 1);
  PressPage(kLeftX);  // back to page 1: all seven cleared
  EXPECT_EQ(std::vector<int32_t>(chk_left_item, chk_left_item + 7), std::vector<int32_t>(7, 0));
}

using AutolandStatusTest = PanelGaugeTest;

TEST_F(AutolandStatusTest, AnnunciatorsFollowIrsPowerAndAutoland) {
  const struct {
    int32_t irs_c, power, autoland;
    std::vector<int> shown;
  } kCases[] = {{3, 5, 1, {}}, {1, 2, 0, {1}}, {1, 1, 0, {}}, {3, 0, 2, {2}}};
  simhost::GaugeInstance* g = Create("AUTOLAND_STATUS");
  irs_l_anun_mode = irs_r_anun_mode = 3;
  for (const auto& c : kCases) {
    irs_c_anun_mode = c.irs_c;
    ac_power = c.power;
    autoland_mode = c.autoland;
    Send(g, gauge::kPreUpdate);
    EXPECT_EQ(Shown(g, 1, 2), c.shown) << c.irs_c << " " << c.power << " " << c.autoland;
  }
}

}  // namespace
