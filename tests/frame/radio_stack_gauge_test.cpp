#include "frame/radio_stack_gauge.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "frame/fsuipc_client.h"
#include "frame/panel_fixture.h"
#include "frame/panel_gauge_globals.h"

namespace {

class RadioStackTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    radio_ = Create("RADIO_STACK");
  }
  void PreDraw() { Send(radio_, gauge::kPreDraw); }

  simhost::GaugeInstance* radio_ = nullptr;
};

class ReadoutPowerTest : public RadioStackTest, public ::testing::WithParamInterface<std::tuple<double, int32_t, bool>> {};

// Kept as the panel has it: the readouts blank only with token 364 exactly 0.0 and no AC power.
TEST_P(ReadoutPowerTest, ReadoutsBlankOnlyWithoutAnyPower) {
  const auto [token364, power, blank] = GetParam();
  host().SetToken(364, token364);
  ac_power = power;
  host().SetToken(54, 7.0);
  for (int n = 2; n <= 9; ++n) EXPECT_EQ(Readout(radio_, n).empty(), blank) << n;
}

INSTANTIATE_TEST_SUITE_P(Power, ReadoutPowerTest,
                         ::testing::Values(std::tuple{0.0, 0, true}, std::tuple{0.0, -1, true}, std::tuple{0.0, 1, false},
                                           std::tuple{1e-9, 0, false}));

TEST_F(RadioStackTest, ReadoutsPrintTheirReadersWithinTheirCapacity) {
  host().SetToken(16, 0x0350);  // ADF 1: 350.0 kHz
  host().SetExpression("(A:ADF ACTIVE FREQUENCY:2,number)", 1020500.0);  // ADF 2: 1020.5 kHz
  EXPECT_EQ(Readout(radio_, 5), "0350.0");
  EXPECT_EQ(Readout(radio_, 6), "1020.5");
  host().SetToken(54, 123456.0);  // three characters wide
  EXPECT_EQ(Readout(radio_, 9), "123");
  host().SetToken(16, 0x9999);  // ADF far beyond its six characters
  host().SetToken(18, 0x0109);
  EXPECT_EQ(Readout(radio_, 5), "10999.");
}

struct KnobCase {
  int32_t from;
  uint32_t flags;
  int32_t to;
  std::vector<int> pictures;  // shown among 18 and 21..23
};

class XpdrKnobTest : public RadioStackTest, public ::testing::WithParamInterface<KnobCase> {};

TEST_P(XpdrKnobTest, ClickMovesWithinItsStopsAndAlwaysPublishes) {
  const KnobCase& c = GetParam();
  xpdr_mode = c.from;
  host().SetNamed("859mode", -5.0);
  ASSERT_TRUE(Click(radio_, 92 + 30, 813 + 30, c.flags));
  EXPECT_EQ(xpdr_mode, c.to);
  EXPECT_EQ(host().Named("859mode"), c.to == 0 ? 0.0 : 1.0);
  PreDraw();
  std::vector<int> shown = Shown(radio_, 18, 18);
  for (int n : Shown(radio_, 21, 23)) shown.push_back(n);
  EXPECT_EQ(shown, c.pictures);
}

INSTANTIATE_TEST_SUITE_P(
    Knob, XpdrKnobTest,
    ::testing::Values(KnobCase{0, gauge::kMouseLeftSingle, 0, {21}}, KnobCase{0, gauge::kMouseRightSingle, 1, {18, 22}},
                      KnobCase{2, gauge::kMouseRightSingle, 2, {18, 23}},
                      KnobCase{2, gauge::kMouseLeftSingle, 1, {18, 22}},
                      // Both buttons at once is neither click: the knob stays.
                      KnobCase{1, gauge::kMouseLeftSingle | gauge::kMouseRightSingle, 1, {18, 22}}));

TEST_F(RadioStackTest, KnobPicturesKeepTheirStateForAPositionOffTheKnob) {
  xpdr_mode = 1;
  PreDraw();
  xpdr_mode = 7;
  PreDraw();
  EXPECT_EQ(Shown(radio_, 18, 23), (std::vector<int>{18, 22}));
}

// The ident writes the transponder ident byte for the outside client; without an FSUIPC server the
// link does not open, yet the panel's own effects all happen.
TEST_F(RadioStackTest, IdentPublishesAndStartsItsTimerWithOrWithoutFsuipc) {
  ASSERT_TRUE(Click(radio_, 273 + 15, 930 + 15));
  EXPECT_EQ(host().fsuipc().WritesTo(0x7B93).size(), 1u);
  EXPECT_EQ(host().Named("859id"), 1.0);
  host().fsuipc().set_present(false);
  host().SetNamed("859id", 0.0);
  xpdr_ident_timer = 0;
  ASSERT_TRUE(Click(radio_, 273 + 15, 930 + 15));
  EXPECT_EQ(fsuipc_open_ok, 0);
  EXPECT_EQ(host().Named("859id"), 1.0);
  EXPECT_EQ(xpdr_ident_timer, 108);
}

// A lamp button sends its key at each press and flips its lamp; the eighth asks for the opposite
// of its lamp.
TEST_F(RadioStackTest, LampButtonsSendTheirKeyAndFlipTheirLamp) {
  ASSERT_TRUE(Click(radio_, 259 + 5, 54 + 5));
  ASSERT_TRUE(Click(radio_, 259 + 5, 54 + 5));
  PreDraw();
  EXPECT_TRUE(Shown(radio_, 19, 20).empty());
  EXPECT_EQ(KeyEvents(0x10344), 2);
  host().SetToken(880, 1.0);
  ASSERT_TRUE(Click(radio_, 468 + 5, 1330 + 5));
  EXPECT_EQ(LastKey().event_id, 0x1013Bu);
  EXPECT_EQ(LastKey().value, 0);
}

}  // namespace
