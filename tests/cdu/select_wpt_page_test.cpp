#include "cdu/pages/select_wpt_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "cdu/cdu_fixture.h"

namespace cdu_test {
namespace {

using Idents = std::vector<std::string>;

class SelectWaypointTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    fms_page = 9;
  }
  // n candidates C1..Cn, 0.1 degrees apart.
  static void Candidates(int n) {
    nav_search_cnt = 0;
    for (int i = 1; i <= n; ++i) SetCandidate(i, "C" + std::to_string(i), 47.0 + 0.1 * i, -122.0);
  }
  // The page opened by `page` for its line or leg `index`.
  void HandOff(int32_t page, int32_t index) {
    std::tie(fms_page, cdu_return_page, cdu_return_index) = std::tuple(9, page, index);
  }
};

// PREV moves forward on this page.
TEST_F(SelectWaypointTest, SixCandidatesFillOneSubPageAndASeventhMakesTwo) {
  Candidates(6);
  Paint();
  EXPECT_EQ(TitleLine(), "SELECT WAYPOINT 1/ 1");
  Candidates(7);
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(TitleLine() + "|" + Line(1).left, "SELECT WAYPOINT 2/ 2|C7      INT");
}

// A sub-page left over from a longer list starts again at 1; one in range is kept.
TEST_F(SelectWaypointTest, SubPageLeftFromALongerListStartsAgainAtOne) {
  for (const auto& [count, before, after] : {std::tuple{2, 3, 1}, std::tuple{14, 2, 2}}) {
    Candidates(count);
    sel_wpt_page = before;
    Paint();
    EXPECT_EQ(sel_wpt_page, after) << count;
  }
}

TEST_F(SelectWaypointTest, LineWithoutCandidateOrHandOffChoosesNothing) {
  Candidates(3);
  route_test::SetModLegs({"KSEA", "SEA", "KPDX"});
  for (const auto& [page, index, key] : {std::tuple{22, 1, "4L"}, std::tuple{6, 0, "1L"}}) {
    HandOff(page, index);
    PressAndPaint(key);
    EXPECT_EQ(fms_page, 9) << page;
  }
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "KPDX"}));
  EXPECT_EQ(cur_fix_ident, "");
}

// REF NAV DATA's hand-off is with the IDENT pages.
TEST_F(SelectWaypointTest, EachHandOffTakesTheChosenCandidate) {
  Candidates(8);
  cdu_prompt_mode = 2;  // HOLD AT, from sub-page 2
  HandOff(6, 0);
  sel_wpt_page = 2;
  cdu_scratchpad = "C";
  PressAndPaint("2L");
  EXPECT_EQ(std::tuple(wpt_pick_row, fms_page, cdu_scratchpad), std::tuple(8, 6, "HOLD AT C"));

  cdu_prompt_mode = 0;  // RTE LEGS line 2
  sel_wpt_page = 1;
  route_test::SetModLegs({"KSEA", "SEA", "TACMA", "KPDX"});
  fms_fpln_active = 1;
  HandOff(6, 2);
  PressAndPaint("3L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "C3", "DISCO", "TACMA", "KPDX"}));
  EXPECT_EQ(std::pair(fms_page, rte_rows[2].to_fix), std::pair(6, std::string("C3")));
}

}  // namespace
}  // namespace cdu_test
