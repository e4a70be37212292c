#include "fmc/route_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fmc/route_fixture.h"

namespace {

using ::testing::ElementsAre;
using route_test::ModIdents;
using route_test::SetActLegs;
using route_test::SetModLegs;

class RouteModel : public route_test::RouteTest {
 protected:
  static std::vector<std::string> RteLines() {
    std::vector<std::string> out;
    for (int32_t n = 1; n <= rte_row_cnt; ++n) out.push_back(rte_rows[n].via + ">" + rte_rows[n].to_fix);
    return out;
  }
};

TEST_F(RouteModel, RteLinesGroupAirwaysAndGiveEachDirectLegItsOwnLine) {
  SetModLegs({"KSEA", "A", "B", "C", "THEN", "E", "F", "G", "KPDX"});
  for (int i : {2, 3, 4, 5}) fms_fpln_mod[i].via = "J5";  // the THEN row still opens its own line
  fms_fpln_mod[2].proc = "AWY";
  fms_fpln_mod[7].via = "V4";
  BuildRteRows();
  EXPECT_THAT(RteLines(), ElementsAre("DIRECT>A", "J5>C", "J5>E", "DIRECT>F", "V4>G"));
  EXPECT_EQ(rte_rows[2].proc, "AWY");
}

TEST_F(RouteModel, ShortRoutesGiveNoLineAndStaleLinesAreEmptied) {
  SetModLegs({"KSEA", "A", "B", "KPDX"});
  BuildRteRows();
  ASSERT_EQ(rte_row_cnt, 2);
  rte_rows[2].proc = "SID";
  for (int32_t count : {1, 0, -1}) {
    fp_mod_cnt = count;
    BuildRteRows();
    EXPECT_EQ(rte_row_cnt, 0) << count;
  }
  EXPECT_EQ(rte_rows[2].to_fix, "");
  EXPECT_EQ(rte_rows[2].via, "");
  EXPECT_EQ(rte_rows[2].proc, "SID");  // the proc column is left as it was
}

TEST_F(RouteModel, CopyActiveToModRouteTakesCountsIndicesAndHoldsButNotTimes) {
  SetActLegs({"KSEA", "A", "B", "KPDX"});
  fms_fpln_act[1].eta = "12:30";
  fms_fpln_act[1].mach = 0.78;
  fms_fpln_act[1].dep_position = "GATE";
  fms_fpln_mod[5].ident = "OLD";
  stpos = 2;
  next_restr_leg = 3;
  hold_cnt = 1;
  route_holds[1].leg = 2;
  CopyActiveToModRoute();
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "B", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[1].eta, "");
  EXPECT_EQ(fms_fpln_mod[1].mach, 0.78);
  EXPECT_EQ(fms_fpln_mod[1].dep_position, "");
  EXPECT_EQ(fms_fpln_mod[5].ident, "OLD");  // rows past the count stay
  EXPECT_EQ(mod_stpos, 2);
  EXPECT_EQ(next_restr_leg_mod, 3);
  EXPECT_EQ(route_holds[1].saved_leg, 2);
}

TEST_F(RouteModel, CopyOfAnEmptyActiveRouteCopiesNoRow) {
  SetModLegs({"KSEA", "A", "KPDX"});
  fp_cnt = -1;
  CopyActiveToModRoute();
  EXPECT_EQ(fp_mod_cnt, -1);
  EXPECT_EQ(fms_fpln_mod[0].ident, "KSEA");
  EXPECT_EQ(mod_stpos, 999);
}

TEST_F(RouteModel, ResetModRouteKeepsCountsMachAndDepPosition) {
  SetModLegs({"KSEA", "A", "KPDX"});
  fms_fpln_mod[1].mach = 0.8;
  fms_fpln_mod[1].restr = 3;
  rte_row_cnt = 1;
  rte_rows[1].to_fix = "A";
  ResetModRoute();
  EXPECT_EQ(fp_mod_cnt, 2);
  EXPECT_EQ(rte_row_cnt, 1);
  EXPECT_EQ(rte_rows[1].to_fix, "");
  const RouteLeg& leg = fms_fpln_mod[1];
  EXPECT_EQ(leg.ident, "");
  EXPECT_EQ(leg.alt, -999.0);
  EXPECT_EQ(leg.ias, -999.0);
  EXPECT_EQ(leg.intc_crs, -999.0);
  EXPECT_EQ(leg.restr, 0);
  EXPECT_EQ(leg.mach, 0.8);
}

TEST_F(RouteModel, MovedLegCarriesItsConstraintIndexAndHold) {
  SetModLegs({"KSEA", "A", "B", "KPDX"});
  fms_fpln_mod[2].hold_idx = 1;
  fms_fpln_mod[2].mach = 0.7;
  fms_fpln_mod[3].mach = 0.5;
  next_restr_leg_mod = 2;
  hold_cnt = 1;
  route_holds[1].saved_leg = 2;
  MoveModLeg(2, 3);
  EXPECT_EQ(fms_fpln_mod[3].ident, "B");
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
  EXPECT_EQ(fms_fpln_mod[3].mach, 0.5);  // not moved with the leg
  EXPECT_EQ(next_restr_leg_mod, 3);
  EXPECT_EQ(route_holds[1].saved_leg, 3);
}

}  // namespace
