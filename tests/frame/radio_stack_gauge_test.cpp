#include "frame/radio_stack_gauge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "frame/display_gauges.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/tcas_link.h"
#include "frame/panel_fixture.h"
#include "frame/panel_gauge_globals.h"

namespace {

class RadioStackTest : public PanelGaugeTest {
 protected:
  simhost::GaugeInstance* radio() {
    if (radio_ == nullptr) radio_ = Create("RADIO_STACK");
    return radio_;
  }
  void PreDraw() { Send(radio(), gauge::kPreDraw); }
  // Readouts 2..9 (readout 1 belongs to the displays).
  std::vector<std::string> Readouts() {
    std::vector<std::string> texts;
    for (int n = 2; n <= 9; ++n) texts.push_back(Readout(radio(), n));
    return texts;
  }
  void KnobClick(uint32_t flags) { ASSERT_TRUE(Click(radio(), 92 + 30, 813 + 30, flags)); }

 private:
  simhost::GaugeInstance* radio_ = nullptr;
};

struct PowerCase {
  double token364;
  int32_t power;
  bool blank;
};

class ReadoutPowerTest : public RadioStackTest, public ::testing::WithParamInterface<PowerCase> {};

// The blank rule needs both: token 364 exactly 0.0 and no electrical power.
TEST_P(ReadoutPowerTest, ReadoutsBlankOnlyWithoutAnyPower) {
  host().SetToken(364, GetParam().token364);
  ac_power = GetParam().power;
  host().SetToken(54, 7.0);
  for (const std::string& text : Readouts()) EXPECT_EQ(text.empty(), GetParam().blank) << text;
}

INSTANTIATE_TEST_SUITE_P(Power, ReadoutPowerTest,
                         ::testing::Values(PowerCase{0.0, 0, true}, PowerCase{0.0, -1, true},
                                           PowerCase{0.0, 1, false}, PowerCase{1.0, 0, false},
                                           PowerCase{1e-9, 0, false}));

TEST_F(RadioStackTest, ReadoutsPrintTheirReadersInTheirFormats) {
  host().SetToken(16, 0x0350);  // ADF 1: 350.0 kHz
  host().SetToken(18, 0x0000);
  host().SetExpression("(A:ADF ACTIVE FREQUENCY:2,number)", 1020500.0);  // ADF 2: 1020.5 kHz
  host().SetToken(38, 0x0700);   // transponder code
  host().SetToken(27, 0x1090);
  host().SetToken(54, 5.0);
  EXPECT_EQ(Readout(radio(), 5), "0350.0");
  EXPECT_EQ(Readout(radio(), 6), "1020.5");
  EXPECT_EQ(Readout(radio(), 7), "0700");
  EXPECT_EQ(Readout(radio(), 8), "110.90");
  EXPECT_EQ(Readout(radio(), 9), "005");
}

TEST_F(RadioStackTest, ReadoutStaysWithinItsElementsCapacity) {
  host().SetToken(54, 123456.0);  // three characters wide
  EXPECT_EQ(Readout(radio(), 9), "123");
  host().SetToken(16, 0x9999);  // ADF far beyond its six characters
  host().SetToken(18, 0x0109);
  EXPECT_EQ(Readout(radio(), 5), "10999.");
}

// Lamp pictures 13..17 follow tokens 877, 878, 881, 879 and 880 in that order.
TEST_F(RadioStackTest, LampPicturesFollowTheirTokens) {
  const struct {
    uint32_t token;
    int element;
  } kLamps[] = {{877, 13}, {878, 14}, {881, 15}, {879, 16}, {880, 17}};
  for (const auto& lamp : kLamps) {
    host().SetToken(lamp.token, 1.0);
    PreDraw();
    EXPECT_EQ(Shown(radio(), 10, 17), std::vector<int>{lamp.element}) << lamp.token;
    host().SetToken(lamp.token, 0.0);
  }
  PreDraw();
  EXPECT_TRUE(Shown(radio(), 10, 17).empty());
}

TEST_F(RadioStackTest, PreDrawMarksTheFirstReadoutForRedrawEveryFrame) {
  radio()->Element(1)->image_flags |= gauge::kImageDirty;
  Send(radio(), gauge::kPreUpdate);
  EXPECT_NE(radio()->Element(1)->image_flags & gauge::kImageDirty, 0u);
  PreDraw();
  EXPECT_EQ(radio()->Element(1)->image_flags & gauge::kImageDirty, 0u);
}

struct KnobCase {
  int32_t from;
  uint32_t flags;
  int32_t to;
  double published;
  std::vector<int> pictures;  // shown among 18 and 21..23
};

class XpdrKnobTest : public RadioStackTest, public ::testing::WithParamInterface<KnobCase> {};

TEST_P(XpdrKnobTest, ClickMovesWithinItsStopsAndAlwaysPublishes) {
  const KnobCase& c = GetParam();
  xpdr_mode = c.from;
  host().SetNamed("859mode", -5.0);
  KnobClick(c.flags);
  EXPECT_EQ(xpdr_mode, c.to);
  EXPECT_EQ(host().Named("859mode"), c.published);
  EXPECT_EQ(sound_event_code, 2);
  PreDraw();
  std::vector<int> shown = Shown(radio(), 18, 18);
  for (int n : Shown(radio(), 21, 23)) shown.push_back(n);
  EXPECT_EQ(shown, c.pictures);
}

INSTANTIATE_TEST_SUITE_P(
    Knob, XpdrKnobTest,
    ::testing::Values(KnobCase{0, gauge::kMouseLeftSingle, 0, 0.0, {21}},
                      KnobCase{0, gauge::kMouseRightSingle, 1, 1.0, {18, 22}},
                      KnobCase{1, gauge::kMouseRightSingle, 2, 1.0, {18, 23}},
                      KnobCase{2, gauge::kMouseRightSingle, 2, 1.0, {18, 23}},
                      KnobCase{2, gauge::kMouseLeftSingle, 1, 1.0, {18, 22}},
                      // Both buttons at once is neither click: the knob stays.
                      KnobCase{1, gauge::kMouseLeftSingle | gauge::kMouseRightSingle, 1, 1.0, {18, 22}}));

TEST_F(RadioStackTest, KnobPicturesKeepTheirStateForAPositionOffTheKnob) {
  xpdr_mode = 1;
  PreDraw();
  xpdr_mode = 7;
  PreDraw();
  EXPECT_EQ(Shown(radio(), 18, 23), (std::vector<int>{18, 22}));
}

// Without an FSUIPC server the link does not open, yet the panel's own effects all happen.
TEST_F(RadioStackTest, IdentWritesTheTransponderIdentByteForTheOutsideClient) {
  ASSERT_TRUE(Click(radio(), 273 + 15, 930 + 15));
  EXPECT_EQ(fsuipc_open_ok, 1);
  EXPECT_EQ(host().fsuipc().WritesTo(0x7B93).size(), 1u);
  EXPECT_EQ(host().Named("859id"), 1.0);
}

TEST_F(RadioStackTest, IdentWithoutFsuipcStillPublishesAndStartsItsTimer) {
  host().fsuipc().set_present(false);
  ASSERT_TRUE(Click(radio(), 273 + 15, 930 + 15));
  EXPECT_EQ(fsuipc_open_ok, 0);
  EXPECT_EQ(host().Named("859id"), 1.0);
  EXPECT_EQ(xpdr_ident_timer, 108);
  EXPECT_TRUE(host().key_events().empty());
}

TEST_F(RadioStackTest, LampButtonSendsItsKeyAtEachPressAndFlipsItsLamp) {
  ASSERT_TRUE(Click(radio(), 259 + 5, 54 + 5));
  PreDraw();
  EXPECT_EQ(Shown(radio(), 19, 20), std::vector<int>{19});
  ASSERT_TRUE(Click(radio(), 259 + 5, 54 + 5));
  PreDraw();
  EXPECT_TRUE(Shown(radio(), 19, 20).empty());
  EXPECT_EQ(KeyEvents(0x10344), 2);
  ASSERT_TRUE(Click(radio(), 259 + 70, 305 + 60));  // the lower one, at its far corner
  PreDraw();
  EXPECT_EQ(Shown(radio(), 19, 20), std::vector<int>{20});
  EXPECT_EQ(LastKey().event_id, 0x1038Cu);
  EXPECT_EQ(LastKey().value, 0);
}

TEST_F(RadioStackTest, EighthLampButtonAsksForTheOppositeOfItsLamp) {
  ASSERT_TRUE(Click(radio(), 468 + 5, 1330 + 5));
  EXPECT_EQ(LastKey().event_id, 0x1013Bu);
  EXPECT_EQ(LastKey().value, 1);
  host().SetToken(880, 1.0);
  ASSERT_TRUE(Click(radio(), 468 + 5, 1330 + 5));
  EXPECT_EQ(LastKey().value, 0);
}

TEST_F(RadioStackTest, PopupAreaTogglesTheRadioWindowUnlessBlocked) {
  ASSERT_TRUE(Click(radio(), 548 + 10, 10));
  EXPECT_TRUE(host().WindowShown(panel_window::kRadioStack));
  host().SetWindowShown(panel_window::kClickBlock, true);
  ASSERT_TRUE(Click(radio(), 548 + 10, 10));
  EXPECT_TRUE(host().WindowShown(panel_window::kRadioStack));
}

}  // namespace
