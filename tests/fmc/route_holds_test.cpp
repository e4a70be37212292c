#include "fmc/route_holds.h"

#include <gtest/gtest.h>

#include "cdu/cdu_globals.h"
#include "fmc/route_edit.h"
#include "fmc/route_fixture.h"
#include "frame/tick_globals.h"

namespace {

using route_test::SetActLegs;
using route_test::SetCandidate;
using route_test::SetModLegs;

class RouteHolds : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetModLegs({"KSEA", "A", "B", "C", "D", "E", "KPDX"});
  }
  // Hold rows as "fix@leg", in table order.
  static std::string Rows() {
    std::string out;
    for (int32_t i = 1; i <= hold_cnt; ++i) out += route_holds[i].fix + "@" + std::to_string(route_holds[i].leg) + " ";
    return out;
  }
};

TEST_F(RouteHolds, NewHoldTakesTheLegsFixAndTheInboundCourse) {
  mag_var = 15.0;
  AddLegHold(2, 0);
  ASSERT_EQ(hold_cnt, 1);
  const RouteHold& h = route_holds[1];
  EXPECT_EQ(h.fix, "B");
  EXPECT_EQ(h.saved_leg, 2);
  EXPECT_EQ(h.lat, route_test::LegLat(2));
  EXPECT_NEAR(h.inbd_crs, 345.0, 1e-6);  // due north from leg 1, less 15 degrees of east variation
  EXPECT_EQ(fms_fpln_mod[2].hold_idx, 1);
  EXPECT_EQ(holds_present, 1);
}

TEST_F(RouteHolds, HoldsSortByLegAndTheLegsFollowTheirRows) {
  AddLegHold(4, 0);
  AddLegHold(5, 0);
  fms_fpln_active = 3;
  AddLegHold(2, 1);
  EXPECT_EQ(Rows(), "B@2 D@4 E@5 ");
  EXPECT_EQ(fms_fpln_mod[2].hold_idx, 1);
  EXPECT_EQ(fms_fpln_mod[4].hold_idx, 2);
  EXPECT_EQ(fms_fpln_mod[5].hold_idx, 3);
  EXPECT_EQ(hold_page, 1);  // the new hold, followed through the exchanges
  EXPECT_EQ(hold_page_cnt, 3);
  EXPECT_EQ(fms_fpln_active, 4);
}

TEST_F(RouteHolds, EleventhHoldAndHoldsOffTheRouteAreRefused) {
  for (int32_t leg : {0, 7, -1}) AddLegHold(leg, 0);
  EXPECT_EQ(hold_cnt, 0);
  for (int32_t i = 0; i < kMaxHolds; ++i) AddLegHold(1 + i % 5, 0);
  ASSERT_EQ(hold_cnt, 10);
  AddLegHold(3, 0);
  EXPECT_EQ(hold_cnt, 10);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
}

// Insertions in front of held legs carry the pending leg numbers; EXEC's restore makes them current.
TEST_F(RouteHolds, PendingLegsFollowInsertionsAndBecomeActiveOnRestore) {
  AddLegHold(3, 0);
  AddLegHold(5, 0);
  SetCandidate(1, "NEW", 47.6, -121.0);
  InsertTmpFplanWpt(2, 1);  // NEW and a DISCO in front of B
  EXPECT_EQ(route_holds[1].saved_leg, 5);
  EXPECT_EQ(route_holds[2].saved_leg, 7);
  EXPECT_EQ(fms_fpln_mod[5].hold_idx, 1);
  EXPECT_EQ(route_holds[1].leg, 3);
  route_holds[2].saved_leg = 0;
  RestoreHoldLegs();
  EXPECT_EQ(route_holds[1].leg, 5);
  EXPECT_EQ(route_holds[1].saved_leg, 0);
  EXPECT_EQ(route_holds[2].leg, 5);  // no pending leg: unchanged
}

TEST_F(RouteHolds, DeletingAHoldCompactsTheTableAndRenumbersTheLegsInBothRoutes) {
  AddLegHold(2, 0);
  AddLegHold(4, 0);
  AddLegHold(5, 0);
  SetActLegs({"KSEA", "A", "B", "C", "D", "E", "KPDX"});
  fms_fpln_act[2].hold_idx = 1;
  fms_fpln_act[4].hold_idx = 2;
  fms_fpln_act[5].hold_idx = 3;
  cdu_message = "DELETE";
  DeleteLegHolds(4, 0);
  EXPECT_EQ(Rows(), "B@2 E@5 ");
  EXPECT_EQ(fms_fpln_mod[4].hold_idx, 0);
  EXPECT_EQ(fms_fpln_mod[5].hold_idx, 2);
  EXPECT_EQ(fms_fpln_act[4].hold_idx, 0);
  EXPECT_EQ(fms_fpln_act[5].hold_idx, 2);
  EXPECT_EQ(fms_fpln_act[2].hold_idx, 1);
  EXPECT_EQ(route_holds[3].leg, 0);  // the vacated row is unused
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(hold_page_cnt, 2);
}

TEST_F(RouteHolds, DeletingTheLastHoldEndsThePatternAndLeavesTheHoldPage) {
  AddLegHold(3, 0);
  pattern_leg = 2;
  fms_page = 39;
  DeleteLegHolds(3, 0);
  EXPECT_EQ(hold_cnt, 0);
  EXPECT_EQ(holds_present, 0);
  EXPECT_EQ(pattern_phase, 4);
  EXPECT_EQ(fms_page, 6);
}

TEST_F(RouteHolds, DeletingOnALegWithoutHoldOrWithFlagTwoOnlyClearsTheLeg) {
  AddLegHold(3, 0);
  for (auto [leg, flag] : {std::pair{4, 0}, std::pair{3, 2}}) {
    fms_fpln_mod[leg].hold_idx = 5;
    DeleteLegHolds(leg, flag);
    EXPECT_EQ(hold_cnt, 1);
    EXPECT_EQ(fms_fpln_mod[leg].hold_idx, 0) << leg;
  }
}

}  // namespace
