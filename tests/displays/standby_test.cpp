// The standby display, the standby attitude gyro model behind it, and the radio display's digit and
// frequency readers.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/overhead_pass.h"
#include "afds/systems_globals.h"
#include "displays/displays_globals.h"
#include "sim/radio_readers.h"
#include "displays/standby_display.h"
#include "afds/standby_gyro.h"
#include "module/module_fixture.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "platform/gfx/gfx_test_surface.h"
#include "support/sim_fixture.h"

namespace {

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

// The fixed digits left of the drum (blanks not looked for), the drum's digit at its offset and the
// next higher 12 above it.
TEST_F(StandbyDisplayTest, AirspeedDrumRollsWithTheTenths) {
  for (const auto& [kt, fixed, drum, o] : {std::tuple{10.0, " 3", 0, -7.0},  // held at 30 kt
                                           {99.999997, "10", 0, -7.0}}) {  // prints as 100.00000
    ias = kt;
    Paint();
    for (int i = 0; i < 2; ++i) {
      EXPECT_TRUE(fixed[i] == ' ' || TextNear(std::string(1, fixed[i]), -49 + 6 * i, -7)) << kt << " " << i;
    }
    EXPECT_TRUE(TextNear(std::to_string(drum), -37, o)) << kt;
    EXPECT_TRUE(TextNear(std::to_string((drum + 1) % 10), -37, o - 12)) << kt;
  }
}

TEST_F(StandbyDisplayTest, AltitudeDrumRollsWithTheUnits) {
  for (const auto& [alt, fixed, drum, o] : {std::tuple{999.6, " 10", 0, -4.0}}) {  // prints as 1000
    plane_alt = alt;
    Paint();
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(fixed[i] == ' ' || TextNear(std::string(1, fixed[i]), 28 + 5 * i, -6)) << alt << " " << i;
    }
    EXPECT_TRUE(TextNear(std::to_string(drum) + "0", 44, o)) << alt;
    EXPECT_TRUE(TextNear(std::to_string((drum + 1) % 10) + "0", 44, o - 12)) << alt;
  }
}

// From 9 a drum carries into the places left of it, which turn with it (next digit 12 above): 39.9 kt
// reads 40, not 30; 2,999 ft 3,000, not 2,900. A place with other than 9 to its right stays put.
TEST_F(StandbyDisplayTest, PlacesLeftOfADrumTurnWithItFromNine) {
  for (const auto& [speed, value, digit, x, y] :
       {std::tuple{true, 39.9, "4", -43, -6}, {true, 99.9, "1", -49, -6}, {false, 2999.0, "0", 38, -9},
        {false, 2999.0, "3", 33, -9}, {false, 2396.0, "4", 38, -12}, {false, 2396.0, "2", 33, -6}}) {
    (speed ? ias : plane_alt) = value;  // the airspeed's places at x -49, -43; the altitude's at 28, 33, 38
    Paint();
    EXPECT_TRUE(TextNear(digit, x, y)) << value << " " << digit << " at " << x << ", " << y;
  }
}

// The Mach short form stops where it would read ".100"; the altitude keeps five columns, its form
// chosen by the digits printed.
TEST_F(StandbyDisplayTest, MachShortFormAndFiveColumnAltitude) {
  char text[16];
  for (const auto& [mach, expected] : {std::pair{0.39, ""}, {0.40, ".40"}, {0.994, ".99"}, {0.996, "0.996"}}) {
    FormatStandbyMachText(mach, text, sizeof text);
    EXPECT_STREQ(text, expected) << mach;
  }
  for (const auto& [alt, expected] : {std::pair{9999.6, "10000"}, {999.6, " 1000"}, {99.6, "  100"}, {5.0, "   05"}}) {
    FormatStandbyAltitudeText(alt, text, sizeof text);
    EXPECT_STREQ(text, expected) << alt;
  }
}

// Below 0 ft the altitude tape keeps its labels, a fractional altitude as a whole one.
TEST_F(StandbyDisplayTest, AltitudeTapeLabelsBelowZeroFeet) {
  for (double alt : {-11.0, -11.3, 123.4}) {
    plane_alt = alt;
    Paint();
    // A label stands the whole feet between the altitude taken downward and its own.
    EXPECT_TRUE(TextNear(" -200", 32, (std::floor(alt) + 200.0) * 0.1 - 5)) << alt;
    EXPECT_TRUE(TextNear("000", 40, std::floor(alt) * 0.1 - 5)) << alt;
  }
}

// An absurd altitude still ends the paint; a surface without width or height gets none.
TEST_F(StandbyDisplayTest, AltitudeTooLargeForFootStepsStillEndsThePaint) {
  plane_alt = 1e17;
  Paint();
  EXPECT_TRUE(surface_->recording().HasText("M"));
  for (const auto& [w, h] : {std::pair{0u, 92u}, {100u, 0u}}) {
    gfx_test::TestSurface t(100, 92);
    DisplaySurface s{w, h};
    gfx::Graphics g(t.dc());
    DrawStandbyDisplay(&s, &g);
    EXPECT_TRUE(t.recording().ops().empty()) << w << "x" << h;
  }
}

// Sky above and ground below at x -27 and 27, y -20 and 20; upside down at 180 degrees of bank, and
// all sky with the horizon below the sphere.
TEST_F(StandbyDisplayTest, SkyAndGroundFillTheSphereAtEveryAttitude) {
  constexpr uint32_t kSky = 0xFF0F9AF5u, kGround = 0xFF785013u;
  for (const auto& [pitch, bank, upper, lower] :
       {std::tuple{0.0, 0.0, kSky, kGround}, {0.0, 180.0, kGround, kSky}, {-30.0, 0.0, kSky, kSky}}) {
    plane_pitch = pitch;
    plane_bank = bank;
    Paint();
    for (const int x : {-27, 27}) {
      EXPECT_EQ(surface_->At(47 + x, 26), upper) << pitch << " " << bank << " " << x;
      EXPECT_EQ(surface_->At(47 + x, 66), lower) << pitch << " " << bank << " " << x;
    }
  }
}

class StandbyGyroTest : public FrameTest {
 protected:
  // Calls the model until the flag clears; returns the call on which it did (0: not within 100).
  int CallsUntilClear(const int32_t& flag) {
    for (int call = 1; call <= 100; ++call) {
      UpdateStandbyGyro();
      if (call == 55) pitch_at_55 = stdby_att_pitch;
      if (flag == 0) return call;
    }
    return 0;
  }
  double pitch_at_55 = 0.0;
};

// From rest (pitch -55, bank -30) to level: 58 half-degree bank steps to -1, then the snap; pitch
// arrives on the 55th call. Running down takes the same way back. Pitch climbs past a target above it
// by under a step, then takes it; unpowered without a run-down, the gyro rests at once.
TEST_F(StandbyGyroTest, ErectsRunsDownAndRestsWithoutPower) {
  stdby_att_pitch = -55.0;
  stdby_att_bank_deg = -30.0;
  stdby_att_erecting = 1;
  EXPECT_EQ(CallsUntilClear(stdby_att_erecting), 59);
  EXPECT_EQ(pitch_at_55, 0.0);
  EXPECT_EQ(stdby_att_bank_deg, 0.0);
  EXPECT_EQ(stdby_att_bank, 6.3);  // a level bank is published as 6.3
  stdby_power_switch = 0;
  stdby_att_toppling = 1;
  EXPECT_EQ(CallsUntilClear(stdby_att_toppling), 59);
  EXPECT_EQ(pitch_at_55, -55.0);
  EXPECT_EQ(stdby_att_bank_deg, -30.0);
  std::tie(stdby_power_switch, stdby_att_erecting, stdby_att_pitch, plane_pitch, plane_bank) =
      std::tuple(1, 1, 0.0, 0.3, -29.5);
  UpdateStandbyGyro();
  EXPECT_DOUBLE_EQ(stdby_att_pitch, 1.0);
  UpdateStandbyGyro();
  EXPECT_EQ(stdby_att_pitch, 0.3);
  EXPECT_EQ(stdby_att_erecting, 0);
  ac_power = 0;
  std::tie(stdby_att_pitch, stdby_att_bank_deg) = std::pair(12.0, 40.0);
  UpdateStandbyGyro();
  EXPECT_EQ(stdby_att_pitch, -55.0);
  EXPECT_EQ(stdby_att_bank_deg, -30.0);
  EXPECT_EQ(stdby_att_bank, 5.776401224401701);
}

using RadioReadersTest = testing_support::SimFixture;

// 100 kHz and 10 kHz digits; the second decimal reads 4 as 5 and 9 as 0 (float error on the 25 kHz
// plan), the first is never corrected.
TEST_F(RadioReadersTest, ComDigitsAndPackedFrequencies) {
  for (const auto& [mhz, digit1, digit2] :
       {std::tuple{118.3499984741211, 3.0, 5.0}, {121.4999984741211, 5.0, 0.0},
        {0.0, 0.0, 0.0},     // a failed evaluation
        {99.15, 5.0, 5.0}}) {  // below 100 MHz index 4 is the second decimal
    host_.SetExpression("(A:COM2 STANDBY FREQUENCY, megahertz)", mhz);
    EXPECT_EQ(ReadCom2StandbyFreqDigit1(), digit1) << mhz;
    EXPECT_EQ(ReadCom2StandbyFreqDigit2(), digit2) << mhz;
  }
  // BCD words of the digits after the leading 1; a nibble above 9 counts 10.
  for (const auto& [word, mhz] : {std::pair{0x1835u, 118.35}, {0u, 100.0}, {0x1A00u, 120.0}}) {
    host_.SetToken(871, word);
    EXPECT_DOUBLE_EQ(ReadFreqTokenVar871(), mhz) << word;
  }
}

TEST_F(RadioReadersTest, OverheadPassPublishesTheComDigitsOnEvenPhases) {
  host_.SetExpression("(A:COM1 ACTIVE FREQUENCY, megahertz)", 118.275);
  server_phase = 1;
  UpdateOverheadVars();
  EXPECT_EQ(host_.Named("com1_active_freq_digit_1"), 0.0);
  server_phase = 2;
  UpdateOverheadVars();
  EXPECT_EQ(host_.Named("com1_active_freq_digit_1"), 2.0);
  EXPECT_EQ(host_.Named("com1_active_freq_digit_2"), 7.0);
}

}  // namespace
