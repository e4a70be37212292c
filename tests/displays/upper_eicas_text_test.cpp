// The upper EICAS text layer: alert lists with CANCEL / RECALL, page cue, memo, TAT and reversers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/eicas_messages.h"
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
  // The message lines drawn (x below 100 and y above the memo), in order.
  std::vector<Shown> Lines() const {
    std::vector<Shown> out;
    for (const Shown& s : Texts()) {
      if (s.x < 100 && s.y < 130) out.push_back(s);
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
  EXPECT_FALSE(Cue());
}

TEST_F(UpperEicasText, TwelveWarningsFillTenLinesAndCueOnlyForAWaitingCaution) {
  Fill(warning_msgs, &warning_msg_count, 12, "W");
  PaintUpper();
  const std::vector<Shown> lines = Lines();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines.back().y, 124.0);
  EXPECT_FALSE(Cue());  // the eleventh and twelfth warnings alone raise no cue
  Fill(caution_msgs, &caution_msg_count, 1, "C");
  PaintUpper();
  EXPECT_TRUE(Cue());
  caution_msgs[1].inhibit = 1;
  PaintUpper();
  EXPECT_FALSE(Cue());
}

TEST_F(UpperEicasText, CancelPagesOnceAndRecallShowsAllAgain) {
  Fill(warning_msgs, &warning_msg_count, 3, "W");
  Fill(caution_msgs, &caution_msg_count, 12, "C");
  PaintUpper();
  EXPECT_EQ(Lines().back().text, "C7");
  EXPECT_TRUE(Cue());
  eicas_cancel_req = 1;
  PaintUpper();
  PaintUpper();  // the request was spent by the first paint
  std::vector<Shown> lines = Lines();
  ASSERT_EQ(lines.size(), 8u);  // three warnings and the five cautions left
  EXPECT_EQ(lines[3].text, "C8");
  EXPECT_FALSE(Cue());
  eicas_recall_req = 1;
  PaintUpper();
  EXPECT_EQ(Lines().back().text, "C7");
  EXPECT_EQ(eicas_recall_req, 0);
}

struct MemoCase {
  const char* name;
  int32_t messages;
  int32_t state;
  std::vector<EicasShown> memo;  // texts at y 140 and below
};

class LandingMemo : public UpperEicasText, public ::testing::WithParamInterface<MemoCase> {};

TEST_P(LandingMemo, ShowsBelowFewMessagesColouredByState) {
  const MemoCase& c = GetParam();
  DisplayLdgChkLst = 1;
  ldg_flaps = 30;
  ldg_checklist_mode = c.state;
  Fill(caution_msgs, &caution_msg_count, c.messages, "C");
  PaintUpper();
  std::vector<Shown> memo;
  for (const Shown& s : Texts()) {
    if (s.y >= 140 && s.x < 100) memo.push_back(s);
  }
  EXPECT_EQ(memo, c.memo);
}

constexpr gfx::ARGB W = palette::kWhite;
constexpr gfx::ARGB G = palette::kGreen;
constexpr gfx::ARGB Y = palette::kYellow;
INSTANTIATE_TEST_SUITE_P(
    States, LandingMemo,
    ::testing::Values(MemoCase{"GearPending",
                               6,
                               5,
                               {{"LANDING CHECKLIST", 0, 140, W},
                                {"SPEEDBRAKES ARMED", 0, 160, G},
                                {"GEAR DOWN", 0, 170, Y},
                                {"FLAPS 30", 0, 180, W}}},
                      MemoCase{"Complete",
                               0,
                               9,
                               {{"LANDING CHECKLIST", 0, 140, G},
                                {"SPEEDBRAKES ARMED", 0, 160, G},
                                {"GEAR DOWN", 0, 170, G},
                                {"FLAPS 30", 0, 180, G}}},
                      MemoCase{"SevenMessages", 7, 5, {}},
                      MemoCase{"Idle", 0, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpperEicasText, TatAndReversers) {
  SetTat(-5.0);
  SetToken(641, 0.5);
  SetToken(660, 0.98);
  PaintUpper();
  EXPECT_EQ(TextAt(120, 0), (Shown{"-5c", 120, 0, palette::kWhite}));
  EXPECT_EQ(TextAt(140, 0), (Shown{"REV", 140, 0, palette::kAmber}));
  EXPECT_EQ(TextAt(210, 0), (Shown{"REV", 210, 0, palette::kGreen}));
  SetToken(641, 0.01);
  PaintUpper();
  EXPECT_EQ(TextAt(140, 0).text, "");
}

}  // namespace
