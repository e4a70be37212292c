#include <gtest/gtest.h>

#include <cmath>

#include "cdu/cdu_fixture.h"

namespace cdu_test {
namespace {

class NavRadioPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    host_.SetToken(24, 0x1680);  // 116.80
    host_.SetToken(27, 0x1350);  // 113.50
    host_.SetTokenText(47, "SEA");
    Press("NAV_RAD");
  }
  // VOR L receives a station whose bearing the simulator reports as `true_deg`.
  void Receive(double true_deg) {
    host_.SetToken(49, 1.0);
    host_.SetToken(25, std::fmod(true_deg + 180.0, 360.0) * 16384.0 / 360.0);
  }
  size_t TuneEvents() const { return host_.key_events().size(); }
};

TEST_F(NavRadioPageTest, IdentAndRadialShowOnlyWhileAStationIsReceived) {
  Paint();
  EXPECT_EQ(Line(1).left, "116.80");
  EXPECT_EQ(Line(1).right, "M 113.50");
  EXPECT_EQ(TextAt(88), "");
  mag_var = 16.0;
  Receive(356.0);
  Paint();
  EXPECT_EQ(Line(1).left, "116.80   SEA");
  EXPECT_EQ(TextAt(88), "340");
  mag_var = -6.0;
  Receive(355.0);  // 361 folds to 001
  Paint();
  EXPECT_EQ(TextAt(88), "001");
  mag_var = 5.0;
  Receive(2.0);  // -3 folds to 357
  Paint();
  EXPECT_EQ(TextAt(88), "357");
}

struct TuneCase {
  const char* entry;
  int32_t event_value;  // 0: refused with INVALID ENTRY
};

class NavRadioTuneTest : public NavRadioPageTest, public ::testing::WithParamInterface<TuneCase> {};

TEST_P(NavRadioTuneTest, OnlyThreeDigitsPointAndOneOrTwoDigitsAreSent) {
  const TuneCase& c = GetParam();
  const size_t before = TuneEvents();
  Entry(c.entry);
  PressAndPaint("1L");
  if (c.event_value != 0) {
    ASSERT_EQ(TuneEvents(), before + 1);
    EXPECT_EQ(host_.key_events().back().event_id, 0x100ACu);
    EXPECT_EQ(host_.key_events().back().value, c.event_value);
    EXPECT_EQ(cdu_scratchpad, "");
  } else {
    EXPECT_EQ(TuneEvents(), before);
    EXPECT_EQ(cdu_message, "INVALID ENTRY");
    EXPECT_EQ(cdu_scratchpad, c.entry);
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, NavRadioTuneTest,
                         ::testing::Values(TuneCase{"113.50", 0x11350}, TuneCase{"113.5", 0x11350},
                                           TuneCase{"113", 0}, TuneCase{"113.505", 0}, TuneCase{"11.350", 0},
                                           TuneCase{"1A3.50", 0}));

TEST_F(NavRadioPageTest, ManualModeRefusesAndOtherKeysDoNothing) {
  const size_t before = TuneEvents();
  nav_radio_mode = 0;
  Entry("113.50");
  PressAndPaint("1R");
  EXPECT_EQ(cdu_message, "");
  PressAndPaint("1L");
  EXPECT_EQ(cdu_message, "MANUALLY TUNED");
  EXPECT_EQ(cdu_scratchpad, "113.50");
  EXPECT_EQ(TuneEvents(), before);
}

}  // namespace
}  // namespace cdu_test
