#include <gtest/gtest.h>

#include <vector>

#include "cdu/cdu_fixture.h"
#include "fmc/route_holds.h"

namespace cdu_test {
namespace {

class RteHoldPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetActiveRoute({"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "PDX", "KPDX"});
    plane_lat = 47.0;
    plane_lon = -122.0;
  }
  // Executed holds at the given legs of the active route, then the HOLD key.
  void Holds(const std::vector<int32_t>& legs) {
    for (int32_t leg : legs) {
      AddLegHold(leg, 0);
      fms_fpln_act[leg].hold_idx = fms_fpln_mod[leg].hold_idx;
    }
    RestoreHoldLegs();
    PressAndPaint("HOLD");
  }
};

TEST_F(RteHoldPageTest, ShowsTheHoldOfTheSubPageAndItsFixEta) {
  Holds({2, 4});
  EXPECT_EQ(TitleLine(), "ACT RTE    HOLD 1 / 2");
  EXPECT_EQ(Line(1).left, "TACMA");
  EXPECT_EQ(Line(2).right, ". . / . . .");  // not moving
  EXPECT_EQ(TextAt(132), "000 / R  T U R N");
  EXPECT_EQ(TextAt(175), "1.0   M I N");
  EXPECT_EQ(TextAt(220), "--.-  - N M 230 K T");
  EXPECT_EQ(Line(6).left, "< NEXT HOLD");
  EXPECT_EQ(Line(6).right, "EXIT HOLD >");
  zulu_hour = 12.0;
  ground_speed = 470.0;  // TACMA 60 NM north: 7.66 minutes
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(Line(1).left, "KELSO");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(Line(1).left, "TACMA");
  EXPECT_EQ(Line(2).right, "1207.6Z");
  stpos = 999;
  Paint();
  EXPECT_EQ(Line(2).right, ". . / . . .");
}

struct CourseCase {
  const char* entry;
  double course;  // -1: refused
  int32_t turn;
};

class RteHoldCourseTest : public RteHoldPageTest, public ::testing::WithParamInterface<CourseCase> {};

TEST_P(RteHoldCourseTest, CourseAndTurnChangeTogetherOrNotAtAll) {
  const CourseCase& c = GetParam();
  Holds({2});
  route_holds[1].inbd_crs = 180.0;
  cdu_scratchpad = c.entry;
  PressAndPaint("3L");
  const bool refused = c.course < 0.0;
  EXPECT_EQ(cdu_message, refused ? "INVALID ENTRY" : "");
  EXPECT_EQ(route_holds[1].inbd_crs, refused ? 180.0 : c.course);
  EXPECT_EQ(route_holds[1].turn, refused ? 1 : c.turn);
  EXPECT_EQ(fms_fpln_active, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RteHoldCourseTest,
    ::testing::Values(CourseCase{"090/r", 90.0, 1}, CourseCase{"360/L", 360.0, 2}, CourseCase{"361/L", -1, 0},
                      CourseCase{"090L", -1, 0}, CourseCase{"090/X", -1, 0}, CourseCase{"ABC/L", -1, 0},
                      CourseCase{"12345678901234567890/L", -1, 0}));  // a word beyond its 19 characters

TEST_F(RteHoldPageTest, LegDistanceAndLegTimeSwitchTheLegMode) {
  Holds({2});
  Entry("4");
  PressAndPaint("5L");
  PressAndPaint("");
  EXPECT_EQ(TextAt(175), "-.-  M I N");
  EXPECT_EQ(TextAt(220), "4.0 - N M 230 K T");
  Entry("1.5");
  PressAndPaint("4L");
  EXPECT_EQ(route_holds[1].leg_mode, 1);
  EXPECT_EQ(route_holds[1].leg_time, 1.5);
  Entry("0");
  PressAndPaint("5L");
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(route_holds[1].leg_mode, 1);
}

TEST_F(RteHoldPageTest, NextHoldAndExitHoldReturnToRteLegs) {
  Holds({2, 4});
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, 6);
  EXPECT_EQ(cdu_prompt_mode, 2);
  Press("HOLD NEXT_PAGE");
  PressAndPaint("6R");
  EXPECT_EQ(edit_leg_idx, 4);
  EXPECT_EQ(fms_fpln_mod[4].hold_idx, 0);
  EXPECT_EQ(hold_cnt, 2);  // EXEC removes it
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(fms_page, 6);
  EXPECT_EQ(cdu_prompt_mode, 0);
}

TEST_F(RteHoldPageTest, ModifiedRouteOffersEraseInsteadOfNextHoldAndStillExits) {
  Holds({2});
  fms_fpln_active = 4;
  Paint();
  EXPECT_EQ(TitleLine(), "MOD RTE    HOLD 1 / 1");
  EXPECT_EQ(Line(6).left, "< ERASE");
  EXPECT_EQ(Line(6).right, "");
  PressAndPaint("6L");
  EXPECT_EQ(fms_fpln_active, 3);
  fms_fpln_active = 4;
  PressAndPaint("6R");
  EXPECT_EQ(edit_leg_idx, 2);
  EXPECT_EQ(fms_page, 6);
}

TEST_F(RteHoldPageTest, FiveHoldsOfferNoNextHoldAndCannotBeExited) {
  Holds({1, 2, 3, 4, 5});
  EXPECT_EQ(Line(6).left, "");
  EXPECT_EQ(Line(6).right, "EXIT HOLD >");
  PressAndPaint("6L");
  PressAndPaint("6R");
  EXPECT_EQ(fms_page, 39);
  EXPECT_EQ(edit_leg_idx, 0);
  EXPECT_EQ(fms_fpln_active, 3);
}

}  // namespace
}  // namespace cdu_test
