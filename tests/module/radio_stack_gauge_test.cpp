#include "module/radio_stack_gauge.h"

#include <gtest/gtest.h>

#include <vector>

#include "afds/afds_globals.h"
#include "sim/fsuipc_client.h"
#include "module/panel_fixture.h"
#include "module/panel_gauge_globals.h"

namespace {

class RadioStackTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    radio_ = Create("RADIO_STACK");
  }
  // Shown among the transponder knob's pictures 18 and 21..23.
  std::vector<int> KnobPictures() {
    Send(radio_, gauge::kPreDraw);
    std::vector<int> shown = Shown(radio_, 18, 18);
    for (int n : Shown(radio_, 21, 23)) shown.push_back(n);
    return shown;
  }

  simhost::GaugeInstance* radio_ = nullptr;
};

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

// The host redraws the first readout every frame, and only that one.
TEST_F(RadioStackTest, EveryPreDrawAsksForTheFirstReadoutAgain) {
  for (int frame = 0; frame < 2; ++frame) {
    radio_->Element(1)->image_flags |= gauge::kImageDirty;
    radio_->Element(2)->image_flags |= gauge::kImageDirty;
    Send(radio_, gauge::kPreDraw);
    EXPECT_EQ(radio_->Element(1)->image_flags & gauge::kImageDirty, 0u) << frame;
    EXPECT_NE(radio_->Element(2)->image_flags & gauge::kImageDirty, 0u) << frame;
  }
}

// The knob moves within its stops, always publishes, and both buttons at once is neither click.
TEST_F(RadioStackTest, TransponderKnobMovesWithinItsStops) {
  const struct {
    int32_t from;
    uint32_t flags;
    int32_t to;
    std::vector<int> pictures;
  } kCases[] = {{0, gauge::kMouseLeftSingle, 0, {21}},
                {0, gauge::kMouseRightSingle, 1, {18, 22}},
                {2, gauge::kMouseRightSingle, 2, {18, 23}},
                {1, gauge::kMouseLeftSingle | gauge::kMouseRightSingle, 1, {18, 22}}};
  for (const auto& c : kCases) {
    xpdr_mode = c.from;
    host().SetNamed("859mode", -5.0);
    ASSERT_TRUE(Click(radio_, 92 + 30, 813 + 30, c.flags));
    EXPECT_EQ(xpdr_mode, c.to) << c.from;
    EXPECT_EQ(host().Named("859mode"), c.to == 0 ? 0.0 : 1.0) << c.from;
    EXPECT_EQ(KnobPictures(), c.pictures) << c.from;
  }
  xpdr_mode = 7;  // off the knob: the pictures keep their state
  EXPECT_EQ(KnobPictures(), (std::vector<int>{18, 22}));
}

// Without an FSUIPC server the link does not open, yet the panel's own effects all happen.
TEST_F(RadioStackTest, IdentPublishesAndStartsItsTimerWithOrWithoutFsuipc) {
  ASSERT_TRUE(Click(radio_, 273 + 15, 930 + 15));
  EXPECT_EQ(host().fsuipc().WritesTo(0x7B93).size(), 1u);
  host().fsuipc().set_present(false);
  host().SetNamed("859id", 0.0);
  xpdr_ident_timer = 0;
  ASSERT_TRUE(Click(radio_, 273 + 15, 930 + 15));
  EXPECT_EQ(fsuipc_open_ok, 0);
  EXPECT_EQ(host().Named("859id"), 1.0);
  EXPECT_EQ(xpdr_ident_timer, 108);
}

}  // namespace
