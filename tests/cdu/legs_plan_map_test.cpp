#include <gtest/gtest.h>

#include <tuple>

#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"
#include "nd/nd_globals.h"

namespace cdu_test {
namespace {

class LegsPlanMapTest : public RoutePagesTest {};

// STEP walks the plan centre over the pages alike whichever display is in PLAN: past the fifth leg
// the next page is shown centred on its first leg, marked <CTR>, and STEP goes on from there.
TEST_F(LegsPlanMapTest, EitherDisplayInPlanStepsOntoTheNextPage) {
  for (const auto& [nd, fpnd] : {std::tuple{4, 3}, std::tuple{3, 4}}) {
    std::tie(nd_mode, fpnd_mode, map_ctr_leg) = std::tuple(nd, fpnd, 0);
    SetActiveRoute({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "KPDX"});
    PressAndPaint("LEGS");
    for (int i = 0; i < 5; ++i) PressAndPaint("6R");
    Paint();
    EXPECT_EQ(std::tuple(legs_page, map_ctr_leg, Line(1).left), std::tuple(2, 6, "A6 <CTR>")) << nd << fpnd;
    PressAndPaint("6R");
    EXPECT_EQ(map_ctr_leg, 7) << nd << fpnd;
  }
}

}  // namespace
}  // namespace cdu_test
