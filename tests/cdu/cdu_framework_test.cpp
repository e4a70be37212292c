#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
#include "fmc/route_holds.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class CduFrameworkTest : public CduTest {};

TEST_F(CduFrameworkTest, AKeyWaitsWithoutPowerAndIsAppliedWhenPowerReturns) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("LEGS");
  ac_power = 1;
  PressAndPaint("2L");
  EXPECT_EQ(cdu_lsk, 2);
  EXPECT_EQ(cdu_scratchpad, "");
  ac_power = 2;
  Paint();
  EXPECT_EQ(cdu_scratchpad, "TACMA");  // 2L with an empty scratchpad copies the leg
  EXPECT_EQ(cdu_lsk, 0);
}

// ERASE.

class EraseTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetActiveRoute({"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"});
    fms_fpln_active = 4;
    saved_stpos = 1;
  }
};

// A speed-only entry saved no Mach, which must not come back as 0 (and a Mach-only one no speed).
TEST_F(EraseTest, EachSavedSpeedMemberComesBackOnlyWhenItHoldsAValue) {
  for (const auto& [spd_prev, mach_prev, ias_after, mach_after] :
       {std::tuple{250.7, 0.0, 250, 0.80}, std::tuple{0.0, 0.74, 300, 0.74}, std::tuple{0.0, 0.0, 300, 0.80}}) {
    fms_fpln_active = 4;
    climb_ias = 300;
    climb_mach = 0.80;
    clb_spd_prev = spd_prev;
    clb_mach_prev = mach_prev;
    EraseRouteModification();
    EXPECT_EQ(climb_ias, ias_after) << spd_prev << " " << mach_prev;
    EXPECT_DOUBLE_EQ(climb_mach, mach_after) << spd_prev << " " << mach_prev;
    EXPECT_EQ(clb_spd_prev + clb_mach_prev, 0.0);
  }
}

TEST_F(EraseTest, RestoresThePendingValuesAndProcedureChoices) {
  cruise_alt = 35000;
  cruise_alt_prev = 31000;
  cost_index = 80;
  cost_index_prev = 40;
  sid_sel = "SUMMA1";
  sid_sel_act = "SEA1";
  arr_appr_sel = 3;
  arr_appr_sel_saved = 1;
  EraseRouteModification();
  EXPECT_EQ(cruise_alt, 31000);
  EXPECT_EQ(cost_index, 40);
  EXPECT_EQ(sid_sel, "SEA1");
  EXPECT_EQ(arr_appr_sel, 1);

  fms_fpln_active = 4;
  EraseRouteModification();
  EXPECT_EQ(cruise_alt, 31000);  // nothing pending: stays
  EXPECT_EQ(cost_index, 40);
}

TEST_F(EraseTest, HoldsAddedByTheModificationGoAndTheActiveRoutesStay) {
  // The active route holds at CENTR (leg 3); the modification adds holds at SEA and KELSO, so the
  // rows are re-sorted: SEA 1, CENTR 2, KELSO 3.
  fms_fpln_active = 3;
  AddLegHold(3, 0);
  fms_fpln_act[3].hold_idx = 1;
  CopyActiveToModRoute();
  AddLegHold(1, 1);
  AddLegHold(4, 1);
  ASSERT_EQ(hold_cnt, 3);
  ASSERT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(fms_fpln_act[3].hold_idx, 2);  // the active leg follows its row

  EraseRouteModification();
  EXPECT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].fix, "CENTR");
  EXPECT_EQ(fms_fpln_act[3].hold_idx, 1);
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
  EXPECT_EQ(fms_fpln_mod[1].hold_idx + fms_fpln_mod[4].hold_idx, 0);
}

TEST_F(EraseTest, ErasePromptTakesTheActiveRouteBack) {
  SetModLegs({"KSEA", "SEA", "OLM", "DISCO", "TACMA", "CENTR", "KELSO", "KPDX"});
  direct_pending = 1;
  TmpFrId = "DIRECT";
  fms_page = 6;
  Paint();
  EXPECT_EQ(Line(6).left, "<ERASE");
  PressAndPaint("6L");
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(ModIdents(), (std::vector<std::string>{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(saved_stpos + direct_pending, 0);
  EXPECT_EQ(TmpFrId, "");
  EXPECT_EQ(rte_rows[2].to_fix, "TACMA");
  Paint();
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 1 / 1");
}

}  // namespace
}  // namespace cdu_test
