#include "cdu/cdu_page_framework.h"

#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "fmc/route_holds.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class CduFrameworkTest : public CduTest {};

TEST_F(CduFrameworkTest, PageIdWithoutRoutineShowsAnEmptyScreenAndDropsTheKey) {
  fms_page = 34;  // the T/C page id of the main update: no page
  Press("1L");
  Paint();
  EXPECT_EQ(rec().ops().size(), 1u);  // the clear
  EXPECT_EQ(cdu_lsk, 0);
}

TEST_F(CduFrameworkTest, AKeyWaitsWithoutPowerAndIsAppliedWhenPowerReturns) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  Press("LEGS");
  Paint();
  ac_power = 1;
  Press("2L");
  Paint();
  EXPECT_EQ(cdu_lsk, 2);
  EXPECT_EQ(cdu_scratchpad, "");
  ac_power = 2;
  Paint();
  EXPECT_EQ(cdu_scratchpad, "TACMA");  // 2L with an empty scratchpad copies the leg
  EXPECT_EQ(cdu_lsk, 0);
}

struct PrefixCase {
  int32_t state;
  const char* title;
  bool highlight;
};

class RouteStatePrefixTest : public CduTest, public ::testing::WithParamInterface<PrefixCase> {};

TEST_P(RouteStatePrefixTest, TitleShowsTheRouteState) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  fms_fpln_active = GetParam().state;
  fms_page = 6;
  Paint();
  EXPECT_EQ(TitleLine(), GetParam().title);
  const gfx::Op* prefix = rec().FindText("MOD");
  const gfx::Op* act = rec().FindText("ACT");
  if (GetParam().highlight) {
    ASSERT_NE(prefix, nullptr);
    EXPECT_EQ(prefix->color, cdu::kBlack);
    // The box of three cells behind it: (28, 2) to (79, 25).
    bool box = false;
    for (const gfx::Op& op : rec().ops()) {
      box = box || (op.kind == gfx::OpKind::Fill && op.color == cdu::kGreen && op.bounds.X == 28.0f &&
                    op.bounds.Y == 2.0f && op.bounds.GetRight() == 79.0f && op.bounds.GetBottom() == 25.0f);
    }
    EXPECT_TRUE(box);
  } else if (act != nullptr) {
    EXPECT_EQ(act->color, cdu::kGreen);
  }
}

INSTANTIATE_TEST_SUITE_P(States, RouteStatePrefixTest,
                         ::testing::Values(PrefixCase{2, "RTE    LEGS 1 / 1", false},
                                           PrefixCase{3, "ACT RTE    LEGS 1 / 1", false},
                                           PrefixCase{4, "MOD RTE    LEGS 1 / 1", true}));

class ScreenTest : public CduTest {
 protected:
  // Runs `draw` on a fresh CDU screen of the recording surface.
  template <typename Draw>
  void DrawOnScreen(Draw draw) {
    fms_page = 2;  // only the test's drawing lands on the recording besides the clear
    Paint();
    gauge::DeviceContext dc{nullptr, 399, 320, 399 * 4, &rec_};
    rec_.Reset();
    gfx::Graphics g(&dc);
    DisplaySurface s{399, 320};
    cdu::CduScreen screen(&s, &g);
    draw(screen);
  }
  gfx::Recording rec_;
};

TEST_F(ScreenTest, RightFieldOfFiveCharactersEndsAt375) {
  DrawOnScreen([](cdu::CduScreen& s) { s.TextRight(43, "12345"); });
  ASSERT_EQ(rec_.TextOps().size(), 1u);
  const gfx::Op& op = *rec_.TextOps()[0];
  const gfx::RecordedText& t = *rec_.TextOf(op);
  EXPECT_TRUE(t.right_to_left);
  EXPECT_GE(op.bounds.X, 305.0f);
  EXPECT_NEAR(op.bounds.GetRight(), 375.0f, 4.0f);
}

TEST_F(ScreenTest, HighlightBoxIsSeventeenUnitsACell) {
  DrawOnScreen([](cdu::CduScreen& s) { s.Highlight(0, 43, 5); });
  ASSERT_EQ(rec_.ops().size(), 1u);
  const gfx::Op& op = rec_.ops()[0];
  EXPECT_EQ(op.kind, gfx::OpKind::Fill);
  EXPECT_EQ(op.color, cdu::kGreen);
  EXPECT_EQ(op.bounds.X, 2.0f);
  EXPECT_EQ(op.bounds.Y, 45.0f);
  EXPECT_EQ(op.bounds.GetRight(), 87.0f);
  EXPECT_EQ(op.bounds.GetBottom(), 68.0f);
}

TEST_F(ScreenTest, BottomLineShowsTheMessageOverTheScratchpad) {
  cdu_scratchpad = "KSEA";
  DrawOnScreen([](cdu::CduScreen& s) { s.ScratchpadLine(); });
  EXPECT_TRUE(rec_.HasText("KSEA"));
  cdu_message = "NOT IN DATABASE";
  DrawOnScreen([](cdu::CduScreen& s) { s.ScratchpadLine(); });
  EXPECT_TRUE(rec_.HasText("NOT IN DATABASE"));
  EXPECT_FALSE(rec_.HasText("KSEA"));
}

TEST_F(ScreenTest, FontsAreTheCduFamilyAndCourierForDashFields) {
  DrawOnScreen([](cdu::CduScreen& s) {
    s.Text(0, 0, "L");
    s.Text(0, 30, "S", cdu::Font::kSmall);
    s.Text(0, 60, "------", cdu::Font::kDash);
  });
  const auto* large = rec_.TextOf(*rec_.FindText("L"));
  const auto* small = rec_.TextOf(*rec_.FindText("S"));
  const auto* dash = rec_.TextOf(*rec_.FindText("------"));
  EXPECT_EQ(large->family, "Orvantel757CDU");
  EXPECT_EQ(large->em_size, 22.0f);
  EXPECT_EQ(large->style, gfx::FontStyleBold);
  EXPECT_EQ(small->em_size, 13.0f);
  EXPECT_EQ(dash->family, "Courier New");
  EXPECT_EQ(dash->em_size, 22.0f);
}

struct PagingCase {
  int32_t page, count;
  bool next, prev;
  int32_t expected;
};

class PagingTest : public CduTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(PagingTest, NextAndPrevWrapAround) {
  const PagingCase& c = GetParam();
  int32_t page = c.page;
  cdu_next_page = c.next ? 1 : 0;
  cdu_prev_page = c.prev ? 1 : 0;
  cdu::ApplyPaging(&page, c.count);
  EXPECT_EQ(page, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, PagingTest,
                         ::testing::Values(PagingCase{1, 3, true, false, 2}, PagingCase{3, 3, true, false, 1},
                                           PagingCase{1, 3, false, true, 3}, PagingCase{2, 3, false, true, 1},
                                           PagingCase{5, 3, false, false, 1}, PagingCase{1, 0, false, true, 1}));

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

struct SpeedCase {
  const char* name;
  double spd_prev, mach_prev;
  int32_t ias_after;
  double mach_after;
};

class EraseSpeedTest : public EraseTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(EraseSpeedTest, EachSavedMemberComesBackOnlyWhenItHoldsAValue) {
  const SpeedCase& c = GetParam();
  climb_ias = 300;
  climb_mach = 0.80;
  clb_spd_prev = c.spd_prev;
  clb_mach_prev = c.mach_prev;
  EraseRouteModification();
  EXPECT_EQ(climb_ias, c.ias_after);
  EXPECT_DOUBLE_EQ(climb_mach, c.mach_after);
  EXPECT_EQ(clb_spd_prev, 0.0);
  EXPECT_EQ(clb_mach_prev, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Entries, EraseSpeedTest,
                         ::testing::Values(SpeedCase{"SpeedOnly", 250.7, 0.0, 250, 0.80},
                                           SpeedCase{"MachOnly", 0.0, 0.74, 300, 0.74},
                                           SpeedCase{"Both", 250.0, 0.74, 250, 0.74},
                                           SpeedCase{"None", 0.0, 0.0, 300, 0.80}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EraseTest, RestoresThePendingSpeedsOfEveryPhase) {
  descent_ias = 300;
  des_spd_prev = 270.0;
  cruise_mach = 0.84;
  crz_mach_prev = 0.80;
  EraseRouteModification();
  EXPECT_EQ(descent_ias, 270);
  EXPECT_DOUBLE_EQ(cruise_mach, 0.80);
}

TEST_F(EraseTest, RestoresAPendingCruiseAltitudeAndCostIndex) {
  cruise_alt = 35000;
  cruise_alt_prev = 31000;
  cost_index = 80;
  cost_index_prev = 40;
  EraseRouteModification();
  EXPECT_EQ(cruise_alt, 31000);
  EXPECT_EQ(cruise_alt_prev, 0);
  EXPECT_EQ(cost_index, 40);
  EXPECT_EQ(cost_index_prev, -1);

  fms_fpln_active = 4;
  EraseRouteModification();
  EXPECT_EQ(cruise_alt, 31000);  // nothing pending: stays
  EXPECT_EQ(cost_index, 40);
}

TEST_F(EraseTest, TheModifiedRouteBecomesTheActiveOneAgain) {
  SetModLegs({"KSEA", "SEA", "OLM", "DISCO", "TACMA", "CENTR", "KELSO", "KPDX"});
  saved_stpos = 1;
  direct_pending = 1;
  cdu_prompt_mode = 1;
  TmpFrId = "DIRECT";
  EraseRouteModification();
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(ModIdents(), (std::vector<std::string>{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(saved_stpos, 0);
  EXPECT_EQ(direct_pending, 0);
  EXPECT_EQ(cdu_prompt_mode, 0);
  EXPECT_EQ(TmpFrId, "");
  EXPECT_EQ(rte_rows[2].to_fix, "TACMA");
}

TEST_F(EraseTest, ProcedureChoicesTakeBackTheirActiveCopies) {
  sid_sel = "SUMMA1";
  sid_sel_act = "SEA1";
  star_trans_sel = "OLM";
  arr_rwy_sel = "28L";
  arr_rwy_sel_act = "10R";
  arr_appr_sel = 3;
  arr_appr_sel_saved = 1;
  dep_sel_state = 1;
  appr_chosen = 1;
  EraseRouteModification();
  EXPECT_EQ(sid_sel, "SEA1");
  EXPECT_EQ(star_trans_sel, "------");
  EXPECT_EQ(arr_rwy_sel, "10R");
  EXPECT_EQ(arr_appr_sel, 1);
  EXPECT_EQ(dep_sel_state, 0);
  EXPECT_EQ(appr_chosen, 0);
}

TEST_F(EraseTest, OnlyTheDeparturesAndArrivalsPagesStartAgainAtTheirFirstPage) {
  dep_page_no = 3;
  arr_page = 2;
  fms_page = 6;
  EraseRouteModification();
  EXPECT_EQ(dep_page_no, 3);
  EXPECT_EQ(arr_page, 2);
  fms_fpln_active = 4;
  fms_page = 10;
  EraseRouteModification();
  EXPECT_EQ(dep_page_no, 1);
  fms_fpln_active = 4;
  fms_page = 11;
  EraseRouteModification();
  EXPECT_EQ(arr_page, 1);
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
  ASSERT_EQ(route_holds[2].fix, "CENTR");
  EXPECT_EQ(fms_fpln_act[3].hold_idx, 2);  // the active leg follows its row

  EraseRouteModification();
  EXPECT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].fix, "CENTR");
  EXPECT_EQ(fms_fpln_act[3].hold_idx, 1);
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
  EXPECT_EQ(fms_fpln_mod[1].hold_idx, 0);
  EXPECT_EQ(fms_fpln_mod[4].hold_idx, 0);
}

TEST_F(EraseTest, ErasePromptAppearsOnlyWithAPendingModification) {
  fms_page = 6;
  Paint();
  EXPECT_EQ(Line(6).left, "<ERASE");
  Press("6L");
  Paint();
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_NE(Line(6).left, "<ERASE");
  EXPECT_EQ(TitleLine(), "MOD RTE    LEGS 1 / 1");  // the title was drawn before the key
  Paint();
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 1 / 1");
}

}  // namespace
}  // namespace cdu_test
