#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "state/state_globals.h"
#include "support/sim_fixture.h"

namespace {

using testing_support::SimFixture;

TEST_F(SimFixture, ReadersConvertRawTokensToTheirUnits) {
  const struct {
    uint32_t token;
    double raw;
    double (*read)();
    double expected;
  } kCases[] = {{65, 1300.48, &ReadTokenVar65, 1000.0},  // ft/min
                {71, 45.0 * 111130.555557, &ReadPlaneLat, 45.0},
                {72, 350.0 * 781874935307.4, &ReadPlaneLon, -10.0},
                {350, 0.0625, &ReadTokenVar350, 16.0},
                {551, 168.781, &ReadGroundSpeed, 100.0},
                {614, 100.0, &ReadTokenVar614, 328.08399},
                {561, 671.69, &ReadTokenVar561, 100.0},  // with 491.69
                {567, 0.0, &ReadTokenVar567, -273.1611111111111},
                {572, 144.0 * 50.0, &ReadTokenVar572, 50.0},
                {736, 144.0 * 3000.0, &ReadTokenVar736, 3000.0},
                {25, 0.0, &ReadTokenVar25, 180.0},  // a course of 0 is the reciprocal
                {28, 8192.0, &ReadTokenVar28, 0.0}};  // half a turn wraps to 0, never 360
  for (const auto& c : kCases) {
    host_.SetToken(c.token, c.raw);
    EXPECT_NEAR(c.read(), c.expected, 1e-9) << c.token;
  }
}

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
                {38, 0x7700, &ReadFreqToken38, 7700.0}};
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

// A flow in any of the first four tokens makes them the live engine family, else the second four:
// engine 1 shut down (token 421 at 0) leaves the other engines' flow counted.
TEST_F(SimFixture, TokenGroupSumsTheLiveEngineFamily) {
  const uint32_t tokens[8] = {421, 460, 499, 538, 638, 657, 676, 695};
  for (int i = 0; i < 8; ++i) host_.SetToken(tokens[i], i < 4 ? 0.0 : 1 << i);
  EXPECT_EQ(ReadTokenVarGroup(), 16.0 + 32.0 + 64.0 + 128.0);
  host_.SetToken(460, 2.0);
  EXPECT_EQ(ReadTokenVarGroup(), 2.0);
  host_.SetToken(421, 1.0);
  EXPECT_EQ(ReadTokenVarGroup(), 1.0 + 2.0);
}

TEST_F(SimFixture, PayloadWeightSumsTwentyStations) {
  EXPECT_DOUBLE_EQ(GetPayloadWeight(), 0.0);
  for (int i = 1; i <= 21; ++i) {
    host_.SetExpression("(A:Payload Station Weight:" + std::to_string(i) + ",pounds)", i * 10.0);
  }
  EXPECT_DOUBLE_EQ(GetPayloadWeight(), 2100.0);  // station 21 is not one of them
}

}  // namespace
