#include "cdu/cdu_keys.h"

#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class CduKeysTest : public CduTest {};

TEST_F(CduKeysTest, CharacterKeysStopAtTwentyFourButSpaceGoesOn) {
  Type("ABCDEFGHIJKLMNOPQRSTUVWXY");
  EXPECT_EQ(cdu_scratchpad, "ABCDEFGHIJKLMNOPQRSTUVWX");
  Press("SP");
  EXPECT_EQ(cdu_scratchpad, "ABCDEFGHIJKLMNOPQRSTUVWX ");
  Type("Z");
  EXPECT_EQ(cdu_scratchpad.size(), 25u);
}

TEST_F(CduKeysTest, EveryCharacterKeyTypesItsCharacter) {
  Type("0123456789./");
  EXPECT_EQ(cdu_scratchpad, "0123456789./");
  Entry("DZ");  // D reacts only in the top-left part of its box
  EXPECT_EQ(cdu_scratchpad, "DZ");
}

TEST_F(CduKeysTest, SignKeyAppendsAMinusAndThenTogglesIt) {
  Press("+/-");
  EXPECT_EQ(cdu_scratchpad, "-");
  Entry("250");
  const char* expected[] = {"250-", "250+", "250-"};
  for (const char* e : expected) {
    Press("+/-");
    EXPECT_EQ(cdu_scratchpad, e);
  }
  Entry("ABCDEFGHIJKLMNOPQRSTUVWX");
  Press("+/-");
  EXPECT_EQ(cdu_scratchpad.size(), 24u);  // full: no sign
}

TEST_F(CduKeysTest, ClrClearsTheMessageFirstThenOneCharacterAtATime) {
  Entry("AB");
  cdu_message = "NOT IN DATABASE";
  Press("CLR");
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(cdu_scratchpad, "AB");
  Press("CLR CLR CLR");
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(CduKeysTest, DelRequestsADeleteAndSpCancelsItWithTheScratchpad) {
  Entry("KSEA");
  Press("DEL");
  EXPECT_EQ(cdu_message, "DELETE");
  EXPECT_EQ(cdu_scratchpad, "KSEA");
  Press("SP");
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(cdu_scratchpad, "");
  cdu_message = "INVALID ENTRY";
  Press("DEL");
  EXPECT_EQ(cdu_message, "DELETE");
  Press("CLR");
  EXPECT_EQ(cdu_message, "");
}

struct PageKeyCase {
  const char* key;
  int32_t page;
  int32_t* sub_page;  // set to 1 by the key; null when the key has none
  int32_t* flag;      // one-shot flag set by the key; null when none
};

class PageKeyTest : public CduTest, public ::testing::WithParamInterface<PageKeyCase> {};

TEST_P(PageKeyTest, OpensItsPageAtSubPageOne) {
  const PageKeyCase& c = GetParam();
  if (c.sub_page != nullptr) *c.sub_page = 3;
  redraw_tick = 5;
  Press(c.key);
  EXPECT_EQ(fms_page, c.page);
  if (c.sub_page != nullptr) {
    EXPECT_EQ(*c.sub_page, 1);
  }
  if (c.flag != nullptr) {
    EXPECT_EQ(*c.flag, 1);
  }
  EXPECT_EQ(redraw_tick, 14);
}

INSTANTIATE_TEST_SUITE_P(Keys, PageKeyTest,
                         ::testing::Values(PageKeyCase{"RTE", 22, &rte_page, &cdu_rte_key},
                                           PageKeyCase{"DEP_ARR", 24, nullptr, nullptr},
                                           PageKeyCase{"FIX", 37, &fix_page, nullptr},
                                           PageKeyCase{"LEGS", 6, &legs_page, &cdu_legs_key},
                                           PageKeyCase{"PROG", 33, &prog_page, nullptr},
                                           PageKeyCase{"NAV_RAD", 49, nullptr, nullptr},
                                           PageKeyCase{"PREV_PAGE", 25, nullptr, &cdu_prev_page},
                                           PageKeyCase{"NEXT_PAGE", 25, nullptr, &cdu_next_page}),
                         [](const auto& info) { return std::string(info.param.key); });

TEST_F(CduKeysTest, LegsKeyDropsThePromptsOfRteLegs) {
  cdu_prompt_mode = 2;
  intc_leg = 3;
  hold_at_leg = 4;
  Press("LEGS");
  EXPECT_EQ(cdu_prompt_mode, 0);
  EXPECT_EQ(intc_leg, 0);
  EXPECT_EQ(hold_at_leg, 0);
}

TEST_F(CduKeysTest, HoldKeyOffersHoldAtWithoutHoldsAndRteHoldWithOne) {
  map_ctr_leg = 5;
  hold_page = 2;
  Press("HOLD");
  EXPECT_EQ(fms_page, 6);
  EXPECT_EQ(cdu_prompt_mode, 2);
  EXPECT_EQ(map_ctr_leg, 0);
  EXPECT_EQ(hold_page, 1);
  EXPECT_EQ(cdu_hold_key, 1);

  hold_cnt = 1;
  cdu_prompt_mode = 0;
  hold_page = 2;
  Press("HOLD");
  EXPECT_EQ(fms_page, 39);
  EXPECT_EQ(cdu_prompt_mode, 0);
  EXPECT_EQ(hold_page, 1);
}

TEST_F(CduKeysTest, InitRefOpensPerfInitOnTheGroundAndApproachRefInTheAir) {
  host_.SetToken(60, 1.0);
  perf_page = 2;
  Press("INIT_REF");
  EXPECT_EQ(fms_page, 3);
  EXPECT_EQ(perf_page, 1);
  host_.SetToken(60, 0.0);
  Press("INIT_REF");
  EXPECT_EQ(fms_page, 12);
}

struct VnavCase {
  int32_t toc, tod, before, expected;
};

class VnavKeyTest : public CduTest, public ::testing::WithParamInterface<VnavCase> {};

TEST_P(VnavKeyTest, OpensTheSubPageOfTheFlightPhase) {
  const VnavCase& c = GetParam();
  toc = c.toc;
  tod = c.tod;
  vnav_page = c.before;
  Press("VNAV");
  EXPECT_EQ(fms_page, 15);
  EXPECT_EQ(vnav_page, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Phases, VnavKeyTest,
                         ::testing::Values(VnavCase{0, 0, 3, 1}, VnavCase{1, 0, 1, 2}, VnavCase{1, 1, 1, 3},
                                           VnavCase{0, 1, 1, 3}, VnavCase{2, 0, 2, 2}));

TEST_F(CduKeysTest, VnavKeyOnTheVnavPageCyclesClimbCruiseDescent) {
  fms_page = 15;
  vnav_page = 2;
  std::vector<int32_t> seen;
  for (int i = 0; i < 3; ++i) {
    Press("VNAV");
    seen.push_back(vnav_page);
  }
  EXPECT_EQ(seen, (std::vector<int32_t>{3, 1, 2}));
}

TEST_F(CduKeysTest, LineSelectKeysStoreTheirCodeAndTheLastPressWins) {
  const char* names[] = {"1L", "2L", "3L", "4L", "5L", "1R", "2R", "3R", "4R", "5R", "6L", "6R"};
  for (int32_t code = 1; code <= 12; ++code) {
    Press(names[code - 1]);
    EXPECT_EQ(cdu_lsk, code) << names[code - 1];
  }
  Press("2L 4R");
  EXPECT_EQ(cdu_lsk, 9);
}

TEST_F(CduKeysTest, ExecInStateTwoTakesTheConfiguredTakeoffDataThenExecutes) {
  fp_mod_cnt = 1;  // an origin and one leg to execute
  fms_fpln_active = 2;
  cfg_v1 = 0;
  cfg_vr = 142;
  cfg_v2 = 150;
  cfg_vref = 131;
  ToFlaps = 5;
  LdgFlaps = 25;
  v1 = v1_set = 120;
  Press("EXEC");
  EXPECT_EQ(v1, 0);
  EXPECT_EQ(v1_set, 0);  // a V1 of 0 is not marked as set
  EXPECT_EQ(vr, 142);
  EXPECT_EQ(vr_set, 142);
  EXPECT_EQ(v2_set, 150);
  EXPECT_EQ(vref, 131);
  EXPECT_EQ(to_flaps, 5);
  EXPECT_EQ(ldg_flaps, 25);
  EXPECT_EQ(fms_fpln_active, 3);  // executed
  EXPECT_EQ(redraw_tick, 14);
}

TEST_F(CduKeysTest, ExecRunsOnlyWhileARouteWaitsForIt) {
  fp_mod_cnt = 1;  // an origin and one leg to execute
  cfg_vr = 142;
  for (int32_t state : {0, 1, 3, 4}) {
    fms_fpln_active = state;
    Press("EXEC");
    EXPECT_EQ(fms_fpln_active, state == 4 ? 3 : state);  // executed in state 4 only
  }
  EXPECT_EQ(vr, 0);  // no take-off data outside state 2
}

TEST_F(CduKeysTest, KeysWithoutAPageEffectLeaveTheRedrawSlot) {
  redraw_tick = 5;
  EXPECT_TRUE(host_.Click(fms(), 70 + 29, 519 + 18));  // the unassigned key
  EXPECT_EQ(redraw_tick, 5);
  EXPECT_FALSE(host_.Click(fms(), 286, 409));  // between DEP ARR and VNAV
  EXPECT_EQ(fms_page, 25);
  EXPECT_EQ(redraw_tick, 5);
}

TEST_F(CduKeysTest, ScreenAreaTogglesTheCduWindowWithoutARedraw) {
  redraw_tick = 5;
  ASSERT_TRUE(host_.Click(fms(), 200, 200));
  EXPECT_TRUE(host_.WindowShown(5000));
  ASSERT_TRUE(host_.Click(fms(), 200, 200));
  EXPECT_FALSE(host_.WindowShown(5000));
  EXPECT_EQ(redraw_tick, 5);
}

TEST_F(CduKeysTest, ClearingResetsOnlyFlagsOfOneAndPositiveLineKeys) {
  cdu_prev_page = cdu_next_page = cdu_legs_key = cdu_hold_key = cdu_key_spare = 1;
  cdu_rte_key = 2;
  cdu_lsk = 7;
  ClearCduKeyFlags(&cdu_surface);
  EXPECT_EQ(cdu_prev_page + cdu_next_page + cdu_legs_key + cdu_hold_key + cdu_key_spare, 0);
  EXPECT_EQ(cdu_rte_key, 2);
  EXPECT_EQ(cdu_lsk, 0);
  cdu_lsk = -1;
  ClearCduKeyFlags(&cdu_surface);
  EXPECT_EQ(cdu_lsk, -1);
}

}  // namespace
}  // namespace cdu_test
