#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>

#include "frame/readers_flight.h"
#include "frame/readers_radio.h"
#include "frame/readers_systems.h"
#include "frame/sim_access.h"
#include "state/state_globals.h"
#include "support/sim_fixture.h"

namespace {

using testing_support::SimFixture;

struct ConversionCase {
  const char* label;
  uint32_t token;
  double raw;
  double (*read)();
  double expected;
};

class ReaderConversion : public SimFixture, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ReaderConversion, ConvertsRawTokenToItsUnit) {
  const ConversionCase& c = GetParam();
  host_.SetToken(c.token, c.raw);
  EXPECT_NEAR(c.read(), c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Scaled, ReaderConversion,
    ::testing::Values(ConversionCase{"VerticalSpeedFtPerMin", 65, 1300.48, &ReadTokenVar65, 1000.0},
                      ConversionCase{"Latitude", 71, 45.0 * 111130.555557, &ReadPlaneLat, 45.0},
                      ConversionCase{"LongitudeEast", 72, 10.0 * 781874935307.4, &ReadPlaneLon, 10.0},
                      ConversionCase{"LongitudeWest", 72, 350.0 * 781874935307.4, &ReadPlaneLon, -10.0},
                      ConversionCase{"TotalAirTemperature", 350, 0.0625, &ReadTokenVar350, 16.0},
                      ConversionCase{"GroundSpeedKt", 551, 168.781, &ReadGroundSpeed, 100.0},
                      ConversionCase{"RadioHeightFt", 614, 100.0, &ReadTokenVar614, 328.08399},
                      ConversionCase{"OilTempUses49169", 561, 671.69, &ReadTokenVar561, 100.0},
                      ConversionCase{"EgtAtZero", 567, 0.0, &ReadTokenVar567, -273.1611111111111},
                      ConversionCase{"OilPressurePsi", 572, 144.0 * 50.0, &ReadTokenVar572, 50.0},
                      ConversionCase{"HydPressurePsi", 736, 144.0 * 3000.0, &ReadTokenVar736, 3000.0},
                      ConversionCase{"CourseZeroIsReciprocal180", 25, 0.0, &ReadTokenVar25, 180.0},
                      ConversionCase{"CourseQuarterTurn", 25, 4096.0, &ReadTokenVar25, 270.0},
                      ConversionCase{"CourseHalfTurnWrapsToZeroNever360", 28, 8192.0, &ReadTokenVar28, 0.0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(SimFixture, LongitudeTurnsWestOnlyAboveTheThresholdWord) {
  constexpr double kThreshold = 140737488355332.0;
  host_.SetToken(72, kThreshold);
  const double at = ReadPlaneLon();
  EXPECT_DOUBLE_EQ(at, kThreshold / 781874935307.4);
  host_.SetToken(72, std::nextafter(kThreshold, 1e300));
  EXPECT_NEAR(ReadPlaneLon(), at - 360.0, 1e-9);
}

// Packed-decimal radio words: the hex digits read as decimal ones.
TEST_F(SimFixture, PackedDecimalRadioWordsReadAsDecimal) {
  const struct {
    uint32_t token, word;
    double (*read)();
    double expected;
  } kCases[] = {{27, 0x1795, &ReadFreqToken27, 117.95}, {27, 0x0000, &ReadFreqToken27, 100.0},
                {38, 0x7700, &ReadFreqToken38, 7700.0}, {38, 0x1200, &ReadFreqToken38, 1200.0}};
  for (const auto& c : kCases) {
    host_.SetToken(c.token, c.word);
    EXPECT_DOUBLE_EQ(c.read(), c.expected) << std::hex << c.word;
  }
  // ADF: digits, tenths and the thousands digit from the tenths word.
  const struct {
    uint32_t digits, tenths;
    double khz;
  } kAdf[] = {{0x0350, 0x0105, 1350.5}, {0x0350, 0x0005, 350.5}, {0x0350, 0x0100, 1350.0}};
  for (const auto& a : kAdf) {
    host_.SetToken(16, a.digits);
    host_.SetToken(18, a.tenths);
    EXPECT_DOUBLE_EQ(ReadAdfFrequency(), a.khz) << std::hex << a.tenths;
  }
}

TEST_F(SimFixture, ReceiverFlagTestsSeeOnlyTheirBit) {
  const struct {
    uint32_t word;
    int32_t bit08, bit40, bit80;
  } kCases[] = {{0x00, 0, 0, 0}, {0xC8, 1, 1, 1}, {0x40, 0, 1, 0}, {0x88, 1, 0, 1}, {0x137, 0, 0, 0}};
  for (const auto& c : kCases) {
    host_.SetToken(46, c.word);
    EXPECT_EQ(TestTokenVar46Bit08(), c.bit08) << std::hex << c.word;
    EXPECT_EQ(TestTokenVar46Bit40(), c.bit40) << std::hex << c.word;
    EXPECT_EQ(TestTokenVar46Bit80(), c.bit80) << std::hex << c.word;
  }
}

TEST_F(SimFixture, IntegerReadersTruncateTowardZeroAndSaturate) {
  const struct {
    uint32_t token;
    double raw;
    int32_t (*read)();
    int32_t expected;
  } kCases[] = {{60, 1.0, &ReadOnGround, 1},
                {60, 0.999, &ReadOnGround, 0},
                {792, -2.7, &ReadTokenVar792, -2},
                {773, 1e12, &ReadTokenVar773, INT32_MAX},
                {848, -1e12, &ReadTokenVar848, INT32_MIN}};
  for (const auto& c : kCases) {
    host_.SetToken(c.token, c.raw);
    EXPECT_EQ(c.read(), c.expected) << c.token << " " << c.raw;
  }
}

TEST_F(SimFixture, BankAndDecisionHeightSourcesDependOnTheSimulatorGeneration) {
  host_.SetToken(79, -5.0);
  host_.SetToken(80, 7.0);
  host_.SetToken(615, 250.5);
  host_.SetExpression("(A:DECISION HEIGHT,FEET)", 200.7);
  for (int32_t generation : {8, 9, 10, 11}) {
    simver = generation;
    EXPECT_DOUBLE_EQ(ReadPlaneBank(), generation == 9 ? 7.0 : -5.0) << generation;
    EXPECT_DOUBLE_EQ(GetDecisionHeight(), generation >= 10 ? 200.0 : 250.5) << generation;
  }
}

TEST_F(SimFixture, PayloadWeightSumsTwentyStations) {
  EXPECT_DOUBLE_EQ(GetPayloadWeight(), 0.0);
  for (int i = 1; i <= 21; ++i) {
    host_.SetExpression("(A:Payload Station Weight:" + std::to_string(i) + ",pounds)", i * 10.0);
  }
  EXPECT_DOUBLE_EQ(GetPayloadWeight(), 2100.0);  // station 21 is not one of them
}

TEST_F(SimFixture, FirstEngineFamilyWinsOnlyAboveZero) {
  for (const auto& [first, second, expected] : {std::tuple{0.0, -5.0, -5.0}, std::tuple{3.0, 7.0, 3.0},
                                                std::tuple{-1.0, 7.0, 7.0}}) {
    host_.SetToken(421, first);
    host_.SetToken(638, second);
    host_.SetToken(460, first);
    host_.SetToken(657, second);
    EXPECT_DOUBLE_EQ(ReadTokenVarPairA(), expected) << first;
    EXPECT_DOUBLE_EQ(ReadTokenVarPairB(), expected) << first;
  }
  const uint32_t tokens[8] = {421, 460, 499, 538, 638, 657, 676, 695};
  const double values[8] = {0.0, 1.0, 2.0, 3.0, 10.0, 20.0, 30.0, 40.0};
  for (int i = 0; i < 8; ++i) host_.SetToken(tokens[i], values[i]);
  EXPECT_DOUBLE_EQ(ReadTokenVarGroup(), 100.0);  // 460, 499, 538 ignored though non-zero
  host_.SetToken(421, 5.0);
  EXPECT_DOUBLE_EQ(ReadTokenVarGroup(), 11.0);
}

// The smoothed airspeed steps its filter once per call, in the shared record no other reader touches.
TEST_F(SimFixture, SmoothedAirspeedStepsOncePerCallAndOtherReadersLeaveItsRecord) {
  host_.SetToken(61, 100.0);
  host_.SetToken(3, 12.0);
  EXPECT_NEAR(ReadAirspeedSmoothed(), 30.0, 1e-9);
  EXPECT_NEAR(ReadAirspeedSmoothed(), 51.0, 1e-9);
  const gauge::TokenVar before = sim_vars;
  EXPECT_DOUBLE_EQ(ReadTokenVar3(), 12.0);
  EXPECT_DOUBLE_EQ(ReadGroundSpeed(), 0.0);
  EXPECT_EQ(sim_vars.id, before.id);
  EXPECT_EQ(sim_vars.value.n, before.value.n);
  EXPECT_EQ(sim_vars.old, before.old);
  EXPECT_NEAR(ReadAirspeedSmoothed(), 65.7, 1e-9);
}

}  // namespace
