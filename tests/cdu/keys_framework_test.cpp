// The CDU keys, the page framework that applies them, and ERASE.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_keys.h"
#include "fmc/route_holds.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class CduKeysTest : public CduTest {};

TEST_F(CduKeysTest, CharacterKeysStopAtTwentyFourButSpaceGoesOn) {
  Type("0123456789./DZABCDEFGHIJK");  // D reacts only in the top-left part of its box
  EXPECT_EQ(cdu_scratchpad, "0123456789./DZABCDEFGHIJ");
  Press("SP");
  Type("Z");
  EXPECT_EQ(cdu_scratchpad, "0123456789./DZABCDEFGHIJ ");
}

TEST_F(CduKeysTest, MessageShowsOverTheScratchpadAndClrClearsItFirstThenOneCharacterAtATime) {
  Entry("AB");
  cdu_message = "NOT IN DATABASE";
  Paint();
  EXPECT_EQ(BottomLine(), "NOT IN DATABASE");
  PressAndPaint("CLR");
  EXPECT_EQ(cdu_message + "|" + BottomLine(), "|AB");
  Press("CLR CLR CLR");
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(CduKeysTest, DelRequestsADeleteAndSpCancelsItWithTheScratchpad) {
  Entry("KSEA");
  Press("DEL");
  EXPECT_EQ(cdu_message + "|" + cdu_scratchpad, "DELETE|KSEA");
  Press("SP");
  EXPECT_EQ(cdu_message + cdu_scratchpad, "");
  cdu_message = "INVALID ENTRY";
  Press("DEL");
  EXPECT_EQ(cdu_message, "DELETE");
}

TEST_F(CduKeysTest, VnavKeyOpensTheSubPageOfTheFlightPhaseThenCycles) {
  for (const auto& [t_c, t_d, before, expected] : {std::tuple{0, 0, 3, 1}, std::tuple{1, 0, 1, 2},
                                                   std::tuple{1, 1, 1, 3}, std::tuple{2, 0, 2, 2}}) {
    std::tie(fms_page, toc, tod, vnav_page) = std::tuple(25, t_c, t_d, before);
    Press("VNAV");
    EXPECT_EQ(std::pair(fms_page, vnav_page), std::pair(15, expected)) << t_c << t_d;
  }
  for (const int32_t expected : {3, 1, 2}) {  // on the page: CLB, CRZ, DES in turn
    Press("VNAV");
    EXPECT_EQ(vnav_page, expected);
  }
}

// EXEC runs only while a route waits for it; in state 2 it first takes the configured take-off data.
TEST_F(CduKeysTest, ExecTakesTheConfiguredTakeoffDataInStateTwoAndExecutesInTwoAndFour) {
  fp_mod_cnt = 1;  // an origin and one leg to execute
  cfg_vr = 142;
  for (int32_t state : {0, 1, 3, 4}) {
    fms_fpln_active = state;
    Press("EXEC");
    EXPECT_EQ(fms_fpln_active, state == 4 ? 3 : state);
  }
  EXPECT_EQ(vr, 0);
  std::tie(fms_fpln_active, cfg_v1, cfg_vref, ToFlaps) = std::tuple(2, 0, 131, 5);
  v1 = v1_set = 120;
  Press("EXEC");
  EXPECT_EQ(std::tuple(v1, v1_set, vr_set, vref, to_flaps, fms_fpln_active),
            std::tuple(0, 0, 142, 131, 5, 3));  // a V1 of 0 is not marked as set
}

class CduFrameworkTest : public CduTest {};

TEST_F(CduFrameworkTest, AKeyWaitsWithoutPowerAndIsAppliedWhenPowerReturns) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("LEGS");
  ac_power = 1;
  PressAndPaint("2L");
  EXPECT_EQ(std::pair(cdu_lsk, cdu_scratchpad), std::pair(2, std::string()));
  ac_power = 2;
  Paint();
  EXPECT_EQ(std::pair(cdu_lsk, cdu_scratchpad), std::pair(0, std::string("TACMA")));  // 2L copies the leg
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

// A speed-only entry saved no Mach, which must not come back as 0 (and a Mach-only one no speed);
// nothing saved, nothing restored.
TEST_F(EraseTest, EachSavedSpeedMemberComesBackOnlyWhenItHoldsAValue) {
  for (const auto& [spd_prev, mach_prev, ias_after, mach_after] :
       {std::tuple{250.7, 0.0, 250, 0.80}, std::tuple{0.0, 0.74, 300, 0.74}, std::tuple{0.0, 0.0, 300, 0.80}}) {
    std::tie(fms_fpln_active, climb_ias, climb_mach, clb_spd_prev, clb_mach_prev) =
        std::tuple(4, 300, 0.80, spd_prev, mach_prev);
    EraseRouteModification();
    EXPECT_EQ(std::tuple(climb_ias, climb_mach, clb_spd_prev + clb_mach_prev), std::tuple(ias_after, mach_after, 0.0))
        << spd_prev << " " << mach_prev;
  }
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
  EXPECT_EQ(std::tuple(hold_cnt, route_holds[1].fix, fms_fpln_act[3].hold_idx, fms_fpln_mod[3].hold_idx),
            std::tuple(1, "CENTR", 1, 1));
  EXPECT_EQ(fms_fpln_mod[1].hold_idx + fms_fpln_mod[4].hold_idx, 0);
}

// ERASE takes the active route back with the pending values and procedure choices saved for it.
TEST_F(EraseTest, ErasePromptTakesTheActiveRouteBack) {
  SetModLegs({"KSEA", "SEA", "OLM", "DISCO", "TACMA", "CENTR", "KELSO", "KPDX"});
  direct_pending = 1;
  TmpFrId = "DIRECT";
  std::tie(cruise_alt, cruise_alt_prev, cost_index, cost_index_prev) = std::tuple(35000, 31000, 80, 40);
  std::tie(sid_sel, sid_sel_act, arr_appr_sel, arr_appr_sel_saved) = std::tuple("SUMMA1", "SEA1", 3, 1);
  std::tie(orig_entry, dest_entry) = std::tuple("KBFI", "KGEG");  // entries of the modification
  fms_page = 6;
  Paint();
  EXPECT_EQ(Line(6).left, "<ERASE");
  PressAndPaint("6L");
  EXPECT_EQ(ModIdents(), (std::vector<std::string>{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(std::tuple(fms_fpln_active, saved_stpos + direct_pending, TmpFrId, rte_rows[2].to_fix),
            std::tuple(3, 0, "", "TACMA"));
  EXPECT_EQ(std::tuple(cruise_alt, cost_index, sid_sel, arr_appr_sel, orig_entry + dest_entry),
            std::tuple(31000, 40, "SEA1", 1, ""));
  Paint();
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 1 / 1");
}

}  // namespace
}  // namespace cdu_test
