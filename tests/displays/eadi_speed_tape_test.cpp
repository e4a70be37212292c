#include "displays/eadi_speed_tape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "displays/display_fixtures.h"
#include "displays/eadi_format_a.h"
#include "fmc/fmc_globals.h"
#include "base/geodesy.h"
#include "sim/derived_samples.h"
#include "state/aircraft_id_globals.h"

namespace {

using gfx::OpKind;

class SpeedTapeTest : public EadiTest {
 protected:
  void SetUp() override {
    EadiTest::SetUp();
    irs_l_anun_mode = 0;  // no sphere: the tape's own strokes only
  }
  void PaintAt(double kt, double bug_kt) {
    ias = kt;
    ap_spdbug = bug_kt;
    Paint(DrawEadiFormatA);
  }
  // Rows (y about the centre) of the horizontal strokes centred at x.
  std::vector<double> Rows(gfx::ARGB colour, double x) const {
    std::vector<double> ys;
    for (const gfx::Op* op : Ops(OpKind::Stroke, colour)) {
      if (op->bounds.Height < 0.05f && std::abs(op->bounds.X + op->bounds.Width / 2.0 - 108.0 - x) < 0.1) {
        ys.push_back(op->bounds.Y - 86.0);
      }
    }
    return ys;
  }
};

// The barber pole starts at the lowest limit: 20 kt below it, the first dash lies 28 units above
// the centre. None at or below 200 ft radio height.
TEST_F(SpeedTapeTest, BarberPoleStartsAtTheLowestLimit) {
  host_.SetToken(63, 300.0 * 128.0);
  for (const auto& [model, flaps, gear_down, radio_ft, limit_kt] :
       {std::tuple{"757 - 300", 30.0, false, 1000.0, 168.0}, {"757 - 300 ", 30.0, false, 1000.0, 162.0},
        {"757 - 200", 0.0, true, 1000.0, 270.0}, {"757 - 200", 30.0, false, 200.0, 0.0}}) {
    aircraft_model = model;
    host_.SetToken(907, flaps);
    gear1_pos = gear_down ? 16383.0 : 0.0;
    radio_height = radio_ft;
    PaintAt(limit_kt > 0.0 ? limit_kt - 20.0 : 150.0, 0.0);
    const auto dashes = Rows(palette::kRed, -74.5);
    ASSERT_EQ(dashes.empty(), limit_kt == 0.0) << model << flaps;
    EXPECT_TRUE(dashes.empty() || std::abs(dashes[0] + 28.0) < 0.05) << model << flaps;
  }
}

TEST_F(SpeedTapeTest, VrFillsAnUnsetV1AndCloseSpeedsShowOnlyR) {
  vr = 140;
  radio_height = 5000.0;
  PaintAt(250.0, 250.0);
  EXPECT_EQ(v1, 140);  // also in flight
  v1 = 130;
  vr = 133;
  radio_height = 0.0;
  PaintAt(120.0, 120.0);
  EXPECT_TRUE(TextNear("-R", -75.0, -1.4 * 13.0 - 4.0));
  EXPECT_TRUE(TextsAt("-1").empty());
}

// A panel-state file can restore any V speeds, and the simulator report any airspeed: V speeds at
// the ends of the range are far apart, not close.
TEST_F(SpeedTapeTest, AbsurdVSpeedsAreFarApart) {
  std::tie(v1, vr, radio_height) = std::tuple(-50, std::numeric_limits<int32_t>::max(), 0.0);
  PaintAt(-50.0, 0.0);
  EXPECT_EQ(TextsAt("-1").size(), 1u);
}

// The arrow is (smoothed airspeed - predicted) x 1.4 long, up to 50; beyond it takes 58.
TEST_F(SpeedTapeTest, TrendArrowLength) {
  for (const auto& [a, arrow_to] : {std::pair{49.9, 49.9}, {50.5, 58.0}, {-70.0, -58.0}}) {
    SteadyAirspeed(150.0);
    ias_predicted = 150.0 - a / 1.4;
    PaintAt(150.0, 150.0);
    const gfx::Op* shaft = Ops(OpKind::Stroke, kGreen)[0];
    EXPECT_NEAR(shaft->bounds.Y + shaft->bounds.Height - 86.0, std::max(0.0, arrow_to), 0.05) << a;
    EXPECT_NEAR(shaft->bounds.Y - 86.0, std::min(0.0, arrow_to), 0.05) << a;
  }
}

TEST_F(SpeedTapeTest, ReferenceMarkerAbove300Feet) {
  vref = 140;
  for (const auto& [radio_ft, shown] : {std::pair{300.0, 0u}, {300.5, 1u}}) {
    radio_height = radio_ft;
    PaintAt(150.0, 150.0);
    EXPECT_EQ(TextsAt("REF").size(), shown) << radio_ft;
  }
}

// Within 44 kt the bug is the marker lines; beyond, its digits at the top or the bottom.
TEST_F(SpeedTapeTest, SpeedBugMarkerWithin44KnotsElseDigits) {
  for (const auto& [above_kt, digits_y] : {std::pair{44.0, 0.0}, {44.5, -72.0}, {-44.5, 61.0}}) {
    PaintAt(200.0, 200.0 + above_kt);
    const auto digits = Ops(OpKind::Text, kMagenta);
    EXPECT_EQ(Ops(OpKind::Stroke, kMagenta).size(), digits_y == 0.0 ? 2u : 0u) << above_kt;
    ASSERT_EQ(digits.size(), digits_y == 0.0 ? 0u : 1u) << above_kt;
    EXPECT_TRUE(digits.empty() || std::abs(rec_.TextOf(*digits[0])->position.Y - 86.0 - digits_y) < 0.05);
  }
}

}  // namespace
