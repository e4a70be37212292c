#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "frame/readers_flight.h"
#include "frame/readers_radio.h"
#include "frame/readers_systems.h"
#include "frame/sim_access.h"
#include "state/state_globals.h"
#include "support/sim_fixture.h"

namespace {

using testing_support::SimFixture;

// ---- Converted double readers ----

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
    ::testing::Values(
        ConversionCase{"VerticalSpeedFtPerMin", 65, 1300.48, &ReadTokenVar65, 1000.0},
        ConversionCase{"Latitude", 71, 45.0 * 111130.555557, &ReadPlaneLat, 45.0},
        ConversionCase{"LongitudeEast", 72, 10.0 * 781874935307.4, &ReadPlaneLon, 10.0},
        ConversionCase{"LongitudeWest", 72, 350.0 * 781874935307.4, &ReadPlaneLon, -10.0},
        ConversionCase{"TotalAirTemperature", 350, 0.0625, &ReadTokenVar350, 16.0},
        ConversionCase{"GroundSpeedKt", 551, 168.781, &ReadGroundSpeed, 100.0},
        ConversionCase{"RadioHeightFt", 614, 100.0, &ReadTokenVar614, 328.08399},
        ConversionCase{"OilTempUses49169", 561, 671.69, &ReadTokenVar561, 100.0},
        ConversionCase{"OilTempAtZero", 571, 0.0, &ReadTokenVar571, -273.1611111111111},
        ConversionCase{"EgtAtZero", 567, 0.0, &ReadTokenVar567, -273.1611111111111},
        ConversionCase{"OilPressurePsi", 572, 144.0 * 50.0, &ReadTokenVar572, 50.0},
        ConversionCase{"HydPressurePsi", 736, 144.0 * 3000.0, &ReadTokenVar736, 3000.0}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    AngleDecoding, ReaderConversion,
    ::testing::Values(ConversionCase{"ZeroIsReciprocal180", 25, 0.0, &ReadTokenVar25, 180.0},
                      ConversionCase{"QuarterTurn", 25, 4096.0, &ReadTokenVar25, 270.0},
                      ConversionCase{"HalfTurnWrapsToZeroNever360", 28, 8192.0, &ReadTokenVar28, 0.0},
                      ConversionCase{"ThreeQuarterTurnWraps", 28, 12288.0, &ReadTokenVar28, 90.0}),
    [](const auto& info) { return std::string(info.param.label); });

// A token the host does not know reads 0, and the converted readers apply their formula to it.
INSTANTIATE_TEST_SUITE_P(
    UnknownToken, ReaderConversion,
    ::testing::Values(ConversionCase{"RadioHeight", 9999, 0.0, &ReadTokenVar614, 0.0},
                      ConversionCase{"Longitude", 9999, 0.0, &ReadPlaneLon, 0.0},
                      ConversionCase{"NavFrequency", 9999, 0.0, &ReadFreqToken27, 100.0},
                      ConversionCase{"Course", 9999, 0.0, &ReadTokenVar25, 180.0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(SimFixture, LongitudeTurnsWestOnlyAboveTheThresholdWord) {
  constexpr double kThreshold = 140737488355332.0;
  host_.SetToken(72, kThreshold);
  const double at = ReadPlaneLon();
  EXPECT_DOUBLE_EQ(at, kThreshold / 781874935307.4);
  host_.SetToken(72, std::nextafter(kThreshold, 1e300));
  EXPECT_NEAR(ReadPlaneLon(), at - 360.0, 1e-9);
}

// ---- Packed-decimal radio words ----

struct PackedCase {
  uint32_t token;
  uint32_t word;
  double (*read)();
  double expected;
};

class PackedDecimalReader : public SimFixture, public ::testing::WithParamInterface<PackedCase> {};

TEST_P(PackedDecimalReader, ReadsHexDigitsAsDecimal) {
  const PackedCase& c = GetParam();
  host_.SetToken(c.token, c.word);
  EXPECT_DOUBLE_EQ(c.read(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Radio, PackedDecimalReader,
                         ::testing::Values(PackedCase{27, 0x1795, &ReadFreqToken27, 117.95},
                                           PackedCase{27, 0x1090, &ReadFreqToken27, 110.90},
                                           PackedCase{27, 0x0000, &ReadFreqToken27, 100.0},
                                           PackedCase{38, 0x7700, &ReadFreqToken38, 7700.0},
                                           PackedCase{38, 0x1200, &ReadFreqToken38, 1200.0}));

struct AdfCase {
  uint32_t digits;
  uint32_t tenths;
  double expected_khz;
};

class AdfFrequency : public SimFixture, public ::testing::WithParamInterface<AdfCase> {};

TEST_P(AdfFrequency, CombinesDigitsTenthsAndThousands) {
  host_.SetToken(16, GetParam().digits);
  host_.SetToken(18, GetParam().tenths);
  EXPECT_DOUBLE_EQ(ReadAdfFrequency(), GetParam().expected_khz);
}

INSTANTIATE_TEST_SUITE_P(Radio, AdfFrequency,
                         ::testing::Values(AdfCase{0x0350, 0x0105, 1350.5}, AdfCase{0x0350, 0x0005, 350.5},
                                           AdfCase{0x0350, 0x0100, 1350.0}, AdfCase{0, 0, 0.0}));

TEST_F(SimFixture, SecondAdfComesFromItsExpressionInKilohertz) {
  host_.SetExpression("(A:ADF ACTIVE FREQUENCY:2,number)", 415500.0);
  EXPECT_DOUBLE_EQ(GetAdf2ActiveFrequency(), 415.5);
}

// ---- Flag word and integer readers ----

struct FlagCase {
  uint32_t word;
  int32_t bit08, bit40, bit80;
};

class ReceiverFlags : public SimFixture, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(ReceiverFlags, EachTestSeesOnlyItsBit) {
  host_.SetToken(46, GetParam().word);
  EXPECT_EQ(TestTokenVar46Bit08(), GetParam().bit08);
  EXPECT_EQ(TestTokenVar46Bit40(), GetParam().bit40);
  EXPECT_EQ(TestTokenVar46Bit80(), GetParam().bit80);
}

INSTANTIATE_TEST_SUITE_P(Radio, ReceiverFlags,
                         ::testing::Values(FlagCase{0x00, 0, 0, 0}, FlagCase{0xC8, 1, 1, 1},
                                           FlagCase{0x40, 0, 1, 0}, FlagCase{0x88, 1, 0, 1},
                                           FlagCase{0x137, 0, 0, 0}));

struct IntCase {
  const char* label;
  uint32_t token;
  double raw;
  int32_t (*read)();
  int32_t expected;
};

class IntegerReader : public SimFixture, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IntegerReader, TruncatesTowardZeroWithinThirtyTwoBits) {
  host_.SetToken(GetParam().token, GetParam().raw);
  EXPECT_EQ(GetParam().read(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, IntegerReader,
    ::testing::Values(IntCase{"OnGround", 60, 1.0, &ReadOnGround, 1},
                      IntCase{"AlmostOnGroundIsAirborne", 60, 0.999, &ReadOnGround, 0},
                      IntCase{"NegativeTowardZero", 792, -2.7, &ReadTokenVar792, -2},
                      IntCase{"HugeSaturates", 773, 1e12, &ReadTokenVar773, INT32_MAX},
                      IntCase{"HugeNegativeSaturates", 848, -1e12, &ReadTokenVar848, INT32_MIN},
                      IntCase{"RawIntegerToken", 743, -5.0, &ReadTokenVar743, -5}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(SimFixture, IntegerExpressionReadersDropTheFraction) {
  host_.SetExpression("(A:Design Speed VS0, knots)", 112.8);
  host_.SetExpression("(A:GEAR CENTER POSITION,percent)", 99.6);
  EXPECT_DOUBLE_EQ(GetDesignSpeedVs0(), 112.0);
  EXPECT_EQ(GetGearCenterPosition(), 99);
}

// ---- Readers with a choice of source ----

class PlaneBankSource : public SimFixture, public ::testing::WithParamInterface<int32_t> {};

TEST_P(PlaneBankSource, ReadsToken80OnlyForSimver9) {
  host_.SetToken(79, -5.0);
  host_.SetToken(80, 7.0);
  simver = GetParam();
  EXPECT_DOUBLE_EQ(ReadPlaneBank(), simver == 9 ? 7.0 : -5.0);
}

INSTANTIATE_TEST_SUITE_P(Simver, PlaneBankSource, ::testing::Values(8, 9, 10, 11));

class DecisionHeightSource : public SimFixture, public ::testing::WithParamInterface<int32_t> {};

TEST_P(DecisionHeightSource, SwitchesToTheIntegerExpressionAtSimver10) {
  host_.SetToken(615, 250.5);
  host_.SetExpression("(A:DECISION HEIGHT,FEET)", 200.7);
  simver = GetParam();
  EXPECT_DOUBLE_EQ(GetDecisionHeight(), simver >= 10 ? 200.0 : 250.5);
}

INSTANTIATE_TEST_SUITE_P(Simver, DecisionHeightSource, ::testing::Values(9, 10, 11));

TEST_F(SimFixture, PayloadWeightIsZeroWithAllStationsEmpty) { EXPECT_DOUBLE_EQ(GetPayloadWeight(), 0.0); }

TEST_F(SimFixture, PayloadWeightSumsTwentyStations) {
  for (int i = 1; i <= 21; ++i) {
    host_.SetExpression("(A:Payload Station Weight:" + std::to_string(i) + ",pounds)", i * 10.0);
  }
  EXPECT_DOUBLE_EQ(GetPayloadWeight(), 2100.0);  // station 21 is not one of them
}

struct PairCase {
  double first, second;
  double expected;
};

class EngineFamilyChoice : public SimFixture, public ::testing::WithParamInterface<PairCase> {};

TEST_P(EngineFamilyChoice, FirstFamilyWinsOnlyAboveZero) {
  host_.SetToken(421, GetParam().first);
  host_.SetToken(638, GetParam().second);
  host_.SetToken(460, GetParam().first);
  host_.SetToken(657, GetParam().second);
  EXPECT_DOUBLE_EQ(ReadTokenVarPairA(), GetParam().expected);
  EXPECT_DOUBLE_EQ(ReadTokenVarPairB(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Engines, EngineFamilyChoice,
                         ::testing::Values(PairCase{0.0, -5.0, -5.0}, PairCase{3.0, 7.0, 3.0},
                                           PairCase{-1.0, 7.0, 7.0}));

TEST_F(SimFixture, EngineGroupSumsTheFamilyThatToken421Selects) {
  const uint32_t tokens[8] = {421, 460, 499, 538, 638, 657, 676, 695};
  const double values[8] = {0.0, 1.0, 2.0, 3.0, 10.0, 20.0, 30.0, 40.0};
  for (int i = 0; i < 8; ++i) host_.SetToken(tokens[i], values[i]);
  EXPECT_DOUBLE_EQ(ReadTokenVarGroup(), 100.0);  // 460, 499, 538 ignored though non-zero
  host_.SetToken(421, 5.0);
  EXPECT_DOUBLE_EQ(ReadTokenVarGroup(), 11.0);
}

// ---- The smoothed airspeed ----

TEST_F(SimFixture, SmoothedAirspeedStepsOncePerCallFromZero) {
  host_.SetToken(61, 100.0);
  EXPECT_NEAR(ReadAirspeedSmoothed(), 30.0, 1e-9);
  EXPECT_NEAR(ReadAirspeedSmoothed(), 51.0, 1e-9);
  EXPECT_NEAR(ReadAirspeedSmoothed(), 65.7, 1e-9);
  EXPECT_NEAR(sim_vars.old, 65.7, 1e-9);
  EXPECT_EQ(sim_vars.id, 61u);
}

TEST_F(SimFixture, OtherReadersLeaveTheSharedRecordAlone) {
  host_.SetToken(61, 100.0);
  host_.SetToken(3, 12.0);
  ReadAirspeedSmoothed();
  const gauge::TokenVar before = sim_vars;
  EXPECT_DOUBLE_EQ(ReadTokenVar3(), 12.0);
  EXPECT_DOUBLE_EQ(ReadGroundSpeed(), 0.0);
  EXPECT_EQ(sim_vars.id, before.id);
  EXPECT_EQ(sim_vars.value.n, before.value.n);
  EXPECT_EQ(sim_vars.old, before.old);
}

TEST_F(SimFixture, ResetRestoresTheSharedRecord) {
  host_.SetToken(61, 100.0);
  ReadAirspeedSmoothed();
  ResetModuleState();
  EXPECT_EQ(sim_vars.id, 61u);
  EXPECT_EQ(sim_vars.old, 0.0);
  EXPECT_EQ(sim_vars.value.n, 0.0);
}

}  // namespace
