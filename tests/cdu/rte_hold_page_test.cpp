#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "cdu/cdu_fixture.h"
#include "fmc/hold_legs.h"
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

// The fix ETA shows the tenth of its minute (".5" of 8.57 minutes, not a fixed digit).
TEST_F(RteHoldPageTest, ShowsTheHoldOfTheSubPageAndItsFixEta) {
  Holds({2, 4});
  EXPECT_EQ(Row(1), "TACMA | ");
  EXPECT_EQ(Line(2).right, ". . / . . .");  // not moving
  zulu_hour = 12.0;
  ground_speed = 420.0;  // TACMA 60 NM north: 8.57 minutes
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(Line(1).left, "KELSO");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(Line(2).right, "1208.5Z");
  stpos = 999;
  Paint();
  EXPECT_EQ(Line(2).right, ". . / . . .");
}

// Course and turn change together or not at all; no word may pass its 19 characters.
TEST_F(RteHoldPageTest, CourseEntrySetsCourseAndTurnOrIsRefusedWhole) {
  Holds({2});
  for (const auto& [entry, course, turn] :
       {std::tuple{"361/L", -1.0, 0}, std::tuple{"12345678901234567890/L", -1.0, 0}, std::tuple{"090/r", 90.0, 1},
        std::tuple{"360/L", 360.0, 2}}) {
    const double course_before = route_holds[1].inbd_crs;
    const int32_t turn_before = route_holds[1].turn;
    EnterAt(entry, "3L");
    const bool refused = course < 0.0;
    ExpectTaken(entry, !refused);
    EXPECT_EQ(std::pair(route_holds[1].inbd_crs, route_holds[1].turn),
              std::pair(refused ? course_before : course, refused ? turn_before : turn)) << entry;
  }
  EXPECT_EQ(fms_fpln_active, 3);
}

TEST_F(RteHoldPageTest, LegDistanceAndLegTimeSwitchTheLegMode) {
  Holds({2});
  EnterAt("4", "5L");
  EXPECT_EQ(route_holds[1].leg_mode, 2);
  EnterAt("1.5", "4L");
  EXPECT_EQ(std::pair(route_holds[1].leg_mode, route_holds[1].leg_time), std::pair(1, 1.5));
  EnterAt("0", "5L");
  ExpectTaken("0", false);
  EXPECT_EQ(route_holds[1].leg_mode, 1);
}

TEST_F(RteHoldPageTest, NextHoldAndExitHoldReturnToRteLegs) {
  Holds({2, 4});
  PressAndPaint("6L");
  EXPECT_EQ(std::pair(fms_page, cdu_prompt_mode), std::pair(6, 2));
  Press("HOLD NEXT_PAGE");
  PressAndPaint("6R");
  EXPECT_EQ(std::tuple(edit_leg_idx, fms_fpln_mod[4].hold_idx, fms_fpln_active, fms_page), std::tuple(4, 0, 4, 6));
  EXPECT_EQ(hold_cnt, 2);  // EXEC removes it
}

}  // namespace
}  // namespace cdu_test
