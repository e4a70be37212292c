#include "displays/radio_readers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "afds/afds_globals.h"
#include "afds/overhead_pass.h"
#include "afds/systems_globals.h"
#include "frame/frame_globals.h"
#include "support/sim_fixture.h"

namespace {

constexpr char kCom1Active[] = "(A:COM1 ACTIVE FREQUENCY, megahertz)";

class RadioReadersTest : public testing_support::SimFixture {};

struct ComCase {
  double mhz;
  double digit1;  // 100 kHz
  double digit2;  // 10 kHz, on the 25 kHz channel rule
};
class ComDigitTest : public RadioReadersTest, public ::testing::WithParamInterface<ComCase> {};

TEST_P(ComDigitTest, DigitsOfEveryComFrequency) {
  const char* const kExpressions[] = {kCom1Active, "(A:COM1 STANDBY FREQUENCY, megahertz)",
                                      "(A:COM2 ACTIVE FREQUENCY, megahertz)",
                                      "(A:COM2 STANDBY FREQUENCY, megahertz)"};
  double (*const kDigit1[])() = {&ReadCom1ActiveFreqDigit1, &ReadCom1StandbyFreqDigit1, &ReadCom2ActiveFreqDigit1,
                                 &ReadCom2StandbyFreqDigit1};
  double (*const kDigit2[])() = {&ReadCom1ActiveFreqDigit2, &ReadCom1StandbyFreqDigit2, &ReadCom2ActiveFreqDigit2,
                                 &ReadCom2StandbyFreqDigit2};
  for (int radio = 0; radio < 4; ++radio) {
    host_.SetExpression(kExpressions[radio], GetParam().mhz);
    EXPECT_EQ(kDigit1[radio](), GetParam().digit1) << radio;
    EXPECT_EQ(kDigit2[radio](), GetParam().digit2) << radio;
    host_.SetExpression(kExpressions[radio], 0.0);  // no radio reads another's frequency
  }
}

INSTANTIATE_TEST_SUITE_P(
    Radio, ComDigitTest,
    ::testing::Values(ComCase{118.35, 3, 5}, ComCase{118.3499984741211, 3, 5},  // 4 reads as 5
                      ComCase{121.5, 5, 0}, ComCase{121.4999984741211, 5, 0},   // 9 reads as 0
                      ComCase{118.025, 0, 2}, ComCase{118.075, 0, 7},
                      ComCase{136.975, 9, 7},  // the first decimal is never corrected
                      ComCase{0.0, 0, 0},      // a failed evaluation
                      ComCase{99.15, 5, 5}));  // below 100 MHz index 4 is the second decimal

struct PackedCase {
  uint32_t word;
  double mhz;
};
class PackedFrequencyTest : public RadioReadersTest, public ::testing::WithParamInterface<PackedCase> {};

TEST_P(PackedFrequencyTest, PackedWordsReadAsMegahertz) {
  const std::array<uint32_t, 4> tokens = {23, 617, 870, 871};
  double (*const kReaders[])() = {&ReadFreqTokenVar23, &ReadFreqTokenVar617, &ReadFreqTokenVar870,
                                  &ReadFreqTokenVar871};
  for (size_t i = 0; i < tokens.size(); ++i) {
    host_.SetToken(tokens[i], GetParam().word);
    EXPECT_DOUBLE_EQ(kReaders[i](), GetParam().mhz) << tokens[i];
    host_.SetToken(tokens[i], 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Radio, PackedFrequencyTest,
                         ::testing::Values(PackedCase{0x1835, 118.35}, PackedCase{0x2150, 121.50},
                                           PackedCase{0, 100.0},
                                           PackedCase{0x1A00, 120.0}));  // a nibble above 9 counts 10

TEST_F(RadioReadersTest, OverheadPassPublishesTheComDigitsOnEvenPhases) {
  host_.SetExpression(kCom1Active, 118.275);
  server_phase = 1;
  UpdateOverheadVars();
  EXPECT_EQ(host_.Named("com1_active_freq_digit_1"), 0.0);
  server_phase = 2;
  UpdateOverheadVars();
  EXPECT_EQ(host_.Named("com1_active_freq_digit_1"), 2.0);
  EXPECT_EQ(host_.Named("com1_active_freq_digit_2"), 7.0);
}

}  // namespace
