#include "cdu/cdu_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
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

TEST_F(CduKeysTest, SignKeyAppendsAMinusAndThenTogglesIt) {
  Press("+/-");
  EXPECT_EQ(cdu_scratchpad, "-");
  Entry("250");
  for (const char* expected : {"250-", "250+", "250-"}) {
    Press("+/-");
    EXPECT_EQ(cdu_scratchpad, expected);
  }
  Entry("ABCDEFGHIJKLMNOPQRSTUVWX");
  Press("+/-");
  EXPECT_EQ(cdu_scratchpad.size(), 24u);  // full: no sign
}

TEST_F(CduKeysTest, MessageShowsOverTheScratchpadAndClrClearsItFirstThenOneCharacterAtATime) {
  Entry("AB");
  cdu_message = "NOT IN DATABASE";
  Paint();
  EXPECT_EQ(BottomLine(), "NOT IN DATABASE");
  PressAndPaint("CLR");
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(BottomLine(), "AB");
  Press("CLR CLR CLR");
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(CduKeysTest, DelRequestsADeleteAndSpCancelsItWithTheScratchpad) {
  Entry("KSEA");
  Press("DEL");
  EXPECT_EQ(cdu_message, "DELETE");
  EXPECT_EQ(cdu_scratchpad, "KSEA");
  Press("SP");
  EXPECT_EQ(cdu_message + cdu_scratchpad, "");
  cdu_message = "INVALID ENTRY";
  Press("DEL");
  EXPECT_EQ(cdu_message, "DELETE");
  Press("CLR");
  EXPECT_EQ(cdu_message, "");
}

// Each page key opens its page at sub-page 1, sets its one-shot flag and asks for a redraw.
TEST_F(CduKeysTest, PageKeysOpenTheirPageAtSubPageOne) {
  int32_t none = 0;  // stands for the sub-page or flag a key does not have
  for (const auto& [key, page, sub_page, flag] :
       {std::tuple{"RTE", 22, &rte_page, &cdu_rte_key}, std::tuple{"DEP_ARR", 24, &none, &none},
        std::tuple{"FIX", 37, &fix_page, &none}, std::tuple{"LEGS", 6, &legs_page, &cdu_legs_key},
        std::tuple{"PROG", 33, &prog_page, &none}, std::tuple{"NAV_RAD", 49, &none, &none},
        std::tuple{"PREV_PAGE", 49, &none, &cdu_prev_page}, std::tuple{"NEXT_PAGE", 49, &none, &cdu_next_page}}) {
    *sub_page = 3;
    none = 1;
    redraw_tick = 5;
    Press(key);
    EXPECT_EQ(fms_page, page) << key;
    EXPECT_EQ(*sub_page, 1) << key;
    EXPECT_EQ(*flag, 1) << key;
    EXPECT_EQ(redraw_tick, 14) << key;
  }
}

// HOLD offers HOLD AT on RTE LEGS without holds and RTE HOLD with one; LEGS drops the prompts.
TEST_F(CduKeysTest, HoldKeyOffersHoldAtWithoutHoldsAndRteHoldWithOneAndLegsDropsThePrompts) {
  map_ctr_leg = 5;
  Press("HOLD");
  EXPECT_EQ(fms_page, 6);
  EXPECT_EQ(cdu_prompt_mode, 2);
  EXPECT_EQ(map_ctr_leg, 0);
  EXPECT_EQ(cdu_hold_key, 1);
  intc_leg = 3;
  hold_at_leg = 4;
  Press("LEGS");
  EXPECT_EQ(cdu_prompt_mode + intc_leg + hold_at_leg, 0);
  hold_cnt = 1;
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

TEST_F(CduKeysTest, VnavKeyOpensTheSubPageOfTheFlightPhaseThenCycles) {
  struct Case {
    int32_t toc, tod, before, expected;
  };
  for (const Case& c : {Case{0, 0, 3, 1}, Case{1, 0, 1, 2}, Case{1, 1, 1, 3}, Case{0, 1, 1, 3}, Case{2, 0, 2, 2}}) {
    fms_page = 25;
    toc = c.toc;
    tod = c.tod;
    vnav_page = c.before;
    Press("VNAV");
    EXPECT_EQ(fms_page, 15);
    EXPECT_EQ(vnav_page, c.expected) << c.toc << c.tod;
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
  fms_fpln_active = 2;
  cfg_v1 = 0;
  cfg_vref = 131;
  ToFlaps = 5;
  v1 = v1_set = 120;
  Press("EXEC");
  EXPECT_EQ(v1, 0);
  EXPECT_EQ(v1_set, 0);  // a V1 of 0 is not marked as set
  EXPECT_EQ(vr_set, 142);
  EXPECT_EQ(vref, 131);
  EXPECT_EQ(to_flaps, 5);
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(redraw_tick, 14);
}

TEST_F(CduKeysTest, KeysWithoutAPageEffectLeaveTheRedrawSlotAndTheScreenTogglesTheWindow) {
  redraw_tick = 5;
  EXPECT_TRUE(host_.Click(fms(), 70 + 29, 519 + 18));  // the unassigned key
  EXPECT_FALSE(host_.Click(fms(), 286, 409));          // between DEP ARR and VNAV
  EXPECT_EQ(fms_page, 25);
  ASSERT_TRUE(host_.Click(fms(), 200, 200));
  EXPECT_TRUE(host_.WindowShown(5000));
  ASSERT_TRUE(host_.Click(fms(), 200, 200));
  EXPECT_FALSE(host_.WindowShown(5000));
  EXPECT_EQ(redraw_tick, 5);
}

}  // namespace
}  // namespace cdu_test
