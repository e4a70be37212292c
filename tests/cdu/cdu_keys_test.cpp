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
  fms_fpln_active = 2;
  cfg_v1 = 0;
  cfg_vref = 131;
  ToFlaps = 5;
  v1 = v1_set = 120;
  Press("EXEC");
  EXPECT_EQ(std::tuple(v1, v1_set, vr_set, vref, to_flaps, fms_fpln_active),
            std::tuple(0, 0, 142, 131, 5, 3));  // a V1 of 0 is not marked as set
}

}  // namespace
}  // namespace cdu_test
