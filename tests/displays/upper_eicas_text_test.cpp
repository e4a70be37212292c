// The upper EICAS text layer: alert lists with CANCEL / RECALL, page cue, memo, TAT and reversers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/systems_globals.h"
#include "displays/eicas_fixture.h"
#include "fmc/fmc_globals.h"
#include "state/config_globals.h"

namespace {

class UpperEicasText : public EicasTest {
 protected:
  static void Fill(EicasMessage* rows, int32_t* count, int32_t n, const char* prefix) {
    for (int32_t i = 1; i <= n; ++i) rows[i] = {prefix + std::to_string(i), 0};
    *count = n;
  }
  std::vector<Shown> Lines(double y0 = 0, double y1 = 130) const {  // texts left of the TAT, between y0 and y1
    std::vector<Shown> out;
    for (const Shown& s : Texts()) {
      if (s.x < 100 && s.y >= y0 && s.y < y1) out.push_back(s);
    }
    return out;
  }
  bool Cue() const { return TextAt(0, 137).text == "        PAGE 1"; }
};

TEST_F(UpperEicasText, ListsInOrderWithoutGapsForInhibitedRows) {
  Fill(warning_msgs, &warning_msg_count, 1, "W");
  Fill(caution_msgs, &caution_msg_count, 3, "C");
  Fill(advisory_msgs, &advisory_msg_count, 1, "A");
  caution_msgs[2].inhibit = 1;
  PaintUpper();
  EXPECT_EQ(Lines(), (std::vector<Shown>{{"W1", 0, 7, palette::kRed},
                                         {"C1", 0, 20, palette::kAmber},
                                         {"C3", 0, 33, palette::kAmber},
                                         {"A1", 7, 46, palette::kAmber}}));
}

TEST_F(UpperEicasText, TwelveWarningsFillTenLinesAndCueOnlyForAWaitingCaution) {
  Fill(warning_msgs, &warning_msg_count, 12, "W");
  PaintUpper();
  ASSERT_EQ(Lines().size(), 10u);
  EXPECT_EQ(Lines().back().y, 124.0);
  EXPECT_FALSE(Cue());
  Fill(caution_msgs, &caution_msg_count, 1, "C");
  PaintUpper();
  EXPECT_TRUE(Cue());
}

TEST_F(UpperEicasText, CancelPagesOnceAndRecallShowsAllAgain) {
  Fill(warning_msgs, &warning_msg_count, 3, "W");
  Fill(caution_msgs, &caution_msg_count, 12, "C");
  eicas_cancel_req = 1;
  PaintUpper();
  PaintUpper();  // the request was spent by the first paint
  ASSERT_EQ(Lines().size(), 8u);  // three warnings and the five cautions left
  EXPECT_EQ(Lines()[3].text, "C8");
  EXPECT_FALSE(Cue());
  eicas_recall_req = 1;
  PaintUpper();
  EXPECT_EQ(Lines().back().text, "C7");
  EXPECT_TRUE(Cue());
}

struct MemoCase {
  int32_t messages, state;
  std::vector<gfx::ARGB> colours;  // title, speedbrakes, gear, flaps; empty: no memo
};
class LandingMemo : public UpperEicasText, public ::testing::WithParamInterface<MemoCase> {};

TEST_P(LandingMemo, ShowsBelowFewMessagesColouredByState) {
  DisplayLdgChkLst = 1;
  ldg_flaps = 30;
  ldg_checklist_mode = GetParam().state;
  Fill(caution_msgs, &caution_msg_count, GetParam().messages, "C");
  PaintUpper();
  std::vector<gfx::ARGB> colours;
  for (const Shown& s : Lines(140, 213)) colours.push_back(s.colour);
  EXPECT_EQ(colours, GetParam().colours);
  EXPECT_EQ(TextAt(0, 180).text, colours.empty() ? "" : "FLAPS 30");
}

constexpr gfx::ARGB W = palette::kWhite, G = palette::kGreen, Y = palette::kYellow;
INSTANTIATE_TEST_SUITE_P(States, LandingMemo,
                         ::testing::Values(MemoCase{6, 5, {W, G, Y, W}}, MemoCase{0, 7, {W, G, G, Y}},
                                           MemoCase{0, 9, {G, G, G, G}}, MemoCase{7, 5, {}}, MemoCase{0, 0, {}}));

TEST_F(UpperEicasText, TatAndReversers) {
  SetTat(-5.0);
  SetToken(641, 0.5);
  SetToken(660, 0.98);
  PaintUpper();
  EXPECT_EQ(TextAt(120, 0), (Shown{"-5c", 120, 0, palette::kWhite}));
  EXPECT_EQ(TextAt(140, 0).colour, palette::kAmber);
  EXPECT_EQ(TextAt(210, 0), (Shown{"REV", 210, 0, palette::kGreen}));
  SetToken(641, 0.01);
  PaintUpper();
  EXPECT_EQ(TextAt(140, 0).text, "");
}

}  // namespace
