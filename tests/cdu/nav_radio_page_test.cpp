#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

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
  EXPECT_EQ(TextAt(88), "");
  Receive(356.0);
  Paint();
  EXPECT_EQ(Line(1).left, "116.80   SEA");
  for (const auto& [var, bearing, radial] : {std::tuple{-6.0, 355.0, "001"}, std::tuple{5.0, 2.0, "357"}}) {
    mag_var = var;
    Receive(bearing);
    Paint();
    EXPECT_EQ(TextAt(88), radial);  // folded into one turn
  }
}

// Only three digits, a point and one or two digits go out as a frequency; anything else is refused,
// and so is any entry while tuned by hand.
TEST_F(NavRadioPageTest, TuningEntryIsSentOnlyWhenWellFormed) {
  for (const auto& [entry, event_value] : {std::pair{"113.5", 0x11350}, std::pair{"113", 0}, std::pair{"113.505", 0},
                                           std::pair{"11.350", 0}, std::pair{"1A3.50", 0}}) {
    const size_t before = TuneEvents();
    EnterAt(entry, "1L");
    ExpectTaken(entry, event_value != 0);
    ASSERT_EQ(TuneEvents(), before + (event_value != 0 ? 1 : 0)) << entry;
    if (event_value != 0) {
      EXPECT_EQ(std::pair(host_.key_events().back().event_id, host_.key_events().back().value),
                std::pair(0x100ACu, event_value));
    }
  }
  const size_t before = TuneEvents();
  nav_radio_mode = 0;  // manual
  EnterAt("113.50", "1L");
  ExpectTaken("113.50", false, "MANUALLY TUNED");
  EXPECT_EQ(TuneEvents(), before);
}

}  // namespace
}  // namespace cdu_test
