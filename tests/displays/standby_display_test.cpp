#include "displays/standby_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "displays/displays_globals.h"
#include "frame/display_surface.h"
#include "frame/tick_globals.h"
#include "platform/gfx/gfx_test_surface.h"
#include "support/sim_fixture.h"

namespace {

constexpr uint32_t kSky = 0xFF0F9AF5u;
constexpr uint32_t kGround = 0xFF785013u;

// A surface the size of the canvas: a point (x, y) about the attitude centre lands at (47 + x,
// 46 + y), give or take a fine step (0.03 units).
class StandbyDisplayTest : public testing_support::SimFixture {
 protected:
  void Paint() {
    surface_.emplace(100, 92);
    DisplaySurface s{100, 92};
    gfx::Graphics g(surface_->dc());
    DrawStandbyDisplay(&s, &g);
  }
  bool TextNear(const std::string& text, double x, double y) const {
    const gfx::Recording& rec = surface_->recording();
    for (const gfx::Op* op : rec.TextOps()) {
      const gfx::RecordedText* t = rec.TextOf(*op);
      if (t->text == text && std::abs(t->position.X - 47.0 - x) < 0.06 && std::abs(t->position.Y - 46.0 - y) < 0.06) {
        return true;
      }
    }
    return false;
  }
  std::optional<gfx_test::TestSurface> surface_;
};

struct DrumCase {
  double ias, alt;
  const char* fixed;  // the fixed digits left of the drum; blanks are not looked for
  int32_t drum;       // the drum's digit and the y of its text; the next higher stands 12 above
  double o;
};
class DrumTest : public StandbyDisplayTest, public ::testing::WithParamInterface<DrumCase> {};

TEST_P(DrumTest, AirspeedDrumRollsWithTheTenths) {
  const DrumCase& c = GetParam();
  ias = c.ias;
  Paint();
  for (int i = 0; i < 2; ++i) {
    if (c.fixed[i] != ' ') {
      EXPECT_TRUE(TextNear(std::string(1, c.fixed[i]), -49 + 6 * i, -7)) << i;
    }
  }
  EXPECT_TRUE(TextNear(std::to_string(c.drum), -37, c.o));
  EXPECT_TRUE(TextNear(std::to_string((c.drum + 1) % 10), -37, c.o - 12));
}

INSTANTIATE_TEST_SUITE_P(Standby, DrumTest,
                         ::testing::Values(DrumCase{10.0, 0, " 3", 0, -7},  // held at 30 kt
                                           DrumCase{249.95, 0, "24", 9, 6},
                                           DrumCase{99.999997, 0, "10", 0, -7},  // prints as 100.00000
                                           DrumCase{1234.5, 0, "12", 3, -7}));   // above 999 kt digits shift

class AltitudeDrumTest : public DrumTest {};

TEST_P(AltitudeDrumTest, AltitudeDrumRollsWithTheUnits) {
  const DrumCase& c = GetParam();
  plane_alt = c.alt;
  Paint();
  for (int i = 0; i < 3; ++i) {
    if (c.fixed[i] != ' ') {
      EXPECT_TRUE(TextNear(std::string(1, c.fixed[i]), 28 + 5 * i, -6)) << i;
    }
  }
  EXPECT_TRUE(TextNear(std::to_string(c.drum) + "0", 44, c.o));
  EXPECT_TRUE(TextNear(std::to_string((c.drum + 1) % 10) + "0", 44, c.o - 12));
}

INSTANTIATE_TEST_SUITE_P(Standby, AltitudeDrumTest,
                         ::testing::Values(DrumCase{0, 5.0, "   ", 0, 1}, DrumCase{0, 12345.0, "123", 4, 1},
                                           DrumCase{0, -20.0, "   ", 0, -2},  // "-" reads as 0
                                           DrumCase{0, 999.6, " 10", 0, -4}));  // prints as 1000

struct TapeLabelCase {
  double ias, alt;
  const char* text;
  double x, y;
};
class TapeLabelTest : public StandbyDisplayTest, public ::testing::WithParamInterface<TapeLabelCase> {};

TEST_P(TapeLabelTest, LabelSitsAtItsDistanceFromTheReading) {
  ias = GetParam().ias;
  plane_alt = GetParam().alt;
  Paint();
  EXPECT_TRUE(TextNear(GetParam().text, GetParam().x, GetParam().y));
}

// 0.7 units a knot and 0.1 a foot; labels 5 units above their mark.
INSTANTIATE_TEST_SUITE_P(Standby, TapeLabelTest,
                         ::testing::Values(TapeLabelCase{10.0, 5000.0, " 40", -46, -10 * 0.7 - 5},  // from 30
                                           TapeLabelCase{249.95, 5000.0, "240", -46, 9.95 * 0.7 - 5},
                                           TapeLabelCase{250.0, 100.0, "000", 40, 100 * 0.1 - 5},
                                           TapeLabelCase{250.0, 100.0, " -200", 32, 300 * 0.1 - 5}));

TEST_F(StandbyDisplayTest, MachShortFormUntilItWouldReadOneHundred) {
  char text[16];
  for (const auto& [mach, expected] : {std::pair{0.39, ""}, {0.40, ".40"}, {0.994, ".99"}, {0.996, "0.996"}}) {
    FormatStandbyMachText(mach, text, sizeof text);
    EXPECT_STREQ(text, expected) << mach;
  }
}

TEST_F(StandbyDisplayTest, DataLineShowsRadioAltitudeToTwentyFiveHundredAndTheAltimeter) {
  radio_height = 2500.0;
  baro_inhg = 29.92;
  Paint();
  EXPECT_TRUE(TextNear("2500", -10, -45));
  EXPECT_TRUE(TextNear("29.92", 23, -45));
  EXPECT_TRUE(TextNear("IN", 47, -41));
  radio_height = 2501.0;
  Paint();
  EXPECT_FALSE(surface_->recording().HasText("2501"));
}

TEST_F(StandbyDisplayTest, HeadingScaleRunsThroughNorth) {
  plane_hdg_mag = 358.5;
  Paint();
  EXPECT_TRUE(TextNear("000", 2.85 - 8.0, 37));
  EXPECT_TRUE(TextNear("350", -16.15 - 8.0, 37));
  EXPECT_FALSE(surface_->recording().HasText("355"));  // a tick only
}

TEST_F(StandbyDisplayTest, AltitudeTooLargeForFootStepsStillEndsThePaint) {
  plane_alt = 1e17;
  Paint();
  EXPECT_TRUE(surface_->recording().HasText("M"));
}

struct SphereCase {
  double pitch, bank;
  uint32_t upper, lower;  // at x -27 and 27, y -20 and 20
};
class SphereTest : public StandbyDisplayTest, public ::testing::WithParamInterface<SphereCase> {};

TEST_P(SphereTest, SkyAndGroundFillTheSphereAtEveryAttitude) {
  plane_pitch = GetParam().pitch;
  plane_bank = GetParam().bank;
  Paint();
  for (const int x : {-27, 27}) {
    EXPECT_EQ(surface_->At(47 + x, 26), GetParam().upper) << x;
    EXPECT_EQ(surface_->At(47 + x, 66), GetParam().lower) << x;
  }
}

INSTANTIATE_TEST_SUITE_P(Standby, SphereTest,
                         ::testing::Values(SphereCase{0.0, 0.0, kSky, kGround}, SphereCase{0.0, 180.0, kGround, kSky},
                                           SphereCase{-30.0, 0.0, kSky, kSky}));  // horizon below the sphere

}  // namespace
