#include "fmc/engine_epr.h"

#include <gtest/gtest.h>

#include <string>

#include "fmc/perf_tables.h"
#include "frame/module_state.h"
#include "frame/tick_globals.h"
#include "state/aircraft_id.h"
#include "support/sim_fixture.h"

namespace {

// Token 342 at 16383 cancels the correction term of tables B and D.
constexpr double kLowToken = 3650.0;
constexpr double kHighToken = 16383.0;

class EngineEprTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    InitPerformanceTables();
  }

  double Epr(const std::string& engine, double token342, double n1_pct) {
    engine_type = engine;
    host_.SetToken(342, token342);
    return ComputeEngineEpr(n1_pct);
  }
};

struct EprCase {
  const char* engine;
  double token342;
  double n1_pct;
  double epr;
};

TEST_F(EngineEprTest, InterpolatesBetweenRowsAndClampsTheInput) {
  const EprCase cases[] = {
      // A
      {"PW2037", kLowToken, 50.0, 1.00},   // clamped up to the first row
      {"PW2037", kLowToken, 64.3, 1.01},   // half way along the first segment
      {"PW2037", kLowToken, 80.6, 1.30},   // on a row
      {"PW2037", kLowToken, 100.0, 1.50},  // the top row itself
      {"PW2037", kLowToken, 120.0, 1.50},  // clamped down to it
      // B
      {"PW2037", kHighToken, 50.0, 1.004},  // clamped to 61.2
      {"PW2037", kHighToken, 89.5, 1.42},
      {"PW2037", kHighToken, 95.0, 1.42 + 0.01 / 1.2 * 5.5},   // the top segment extended
      {"PW2037", kHighToken, 120.0, 1.42 + 0.01 / 1.2 * 9.8},  // clamped to 99.3 on it
      // C
      {"RB211-535E4B", kLowToken, 50.0, 1.005},  // clamped to 63.0
      {"RB211-535E4B", kLowToken, 70.1, 1.30},
      {"RB211-535E4B", kLowToken, 104.1, 1.86},
      // D
      {"RB211-535E4B", kHighToken, 50.0, 1.00},  // clamped to 59.2, the first row
      {"RB211-535E4B", kHighToken, 92.6, 1.745},
      {"RB211-535E4B", kHighToken, 93.0, 1.75},                       // the end row of the top segment
      {"RB211-535E4B", kHighToken, 110.0, 1.74 + 0.01 / 0.8 * 12.1},  // clamped to 104.3, extended
  };
  for (const EprCase& c : cases) {
    EXPECT_NEAR(Epr(c.engine, c.token342, c.n1_pct), c.epr, 1e-9)
        << c.engine << " token " << c.token342 << " N1 " << c.n1_pct;
  }
}

// The rows left out of table C leave straight segments over them, and the top row holds above 106.
TEST_F(EngineEprTest, DefaultEngineTableSpansItsUnsettledRows) {
  const EprCase cases[] = {
      {"RB211-535E4B", kLowToken, 74.0, 1.42 + 0.04 / 1.6 * 0.2},   // 73.8 .. 75.4
      {"RB211-535E4B", kLowToken, 87.0, 1.62 + 0.04 / 3.4 * 1.4},   // 85.6 .. 89.0
      {"RB211-535E4B", kLowToken, 105.0, 1.86 + 0.04 / 1.9 * 0.9},  // 104.1 .. 106.0
      {"RB211-535E4B", kLowToken, 106.0, 1.90},
      {"RB211-535E4B", kLowToken, 106.5, 1.90},
      {"RB211-535E4B", kLowToken, 107.0, 1.90},
      {"RB211-535E4B", kLowToken, 115.0, 1.90},
  };
  for (const EprCase& c : cases) EXPECT_NEAR(Epr(c.engine, c.token342, c.n1_pct), c.epr, 1e-9) << c.n1_pct;
}

TEST_F(EngineEprTest, RisesWithN1OverTheWholeRangeOfEveryTable) {
  for (const char* engine : {"PW2040", "RB211-535E4B"}) {
    for (double token : {kLowToken, kHighToken}) {
      double previous = Epr(engine, token, 40.0);
      EXPECT_GE(previous, 1.0);
      for (int32_t tenth = 401; tenth <= 1200; ++tenth) {
        const double epr = Epr(engine, token, tenth / 10.0);
        ASSERT_GE(epr, previous) << engine << " token " << token << " N1 " << tenth / 10.0;
        previous = epr;
      }
      EXPECT_LT(previous, 2.0);
    }
  }
}

TEST_F(EngineEprTest, TokenAbove3650ChoosesTheSecondTable) {
  EXPECT_DOUBLE_EQ(Epr("PW2037", 3650.0, 63.9), 1.00);  // A
  // B, with the token term (16383 - 3651) x 5.01e-05 added back to the N1
  EXPECT_NEAR(Epr("PW2037", 3651.0, 63.9 + 12732.0 * 5.01e-05), 1.04 + 0.02 / 1.0 * 0.8, 1e-9);
}

TEST_F(EngineEprTest, HighTokenTablesCorrectForAirspeedAndToken) {
  true_airspeed = 300.0;                                                               // +1.6 % on B, +0.76 % on D
  EXPECT_NEAR(Epr("PW2037", kHighToken, 80.0), 1.33 + 0.01 / 0.9 * 0.2, 1e-6);         // looked up at 81.6
  EXPECT_NEAR(Epr("RB211-535E4B", kHighToken, 70.0), 1.34 + 0.02 / 0.7 * 0.16, 1e-6);  // at 70.76
  true_airspeed = 0.0;
  // Token 6383: 10000 below 16383 takes 0.501 % on B and 0.251 % on D.
  EXPECT_NEAR(Epr("PW2037", 6383.0, 81.401), 1.32, 1e-9);
  EXPECT_NEAR(Epr("RB211-535E4B", 6383.0, 70.251), 1.32, 1e-9);
  // The airspeed term does not reach the low-token tables.
  true_airspeed = 300.0;
  EXPECT_DOUBLE_EQ(Epr("RB211-535E4B", kLowToken, 70.1), 1.30);
}

TEST_F(EngineEprTest, EmptyTablesGiveZero) {
  ResetModuleState();
  for (const char* engine : {"PW2040", "RB211-535E4B"}) {
    for (double token : {kLowToken, kHighToken}) EXPECT_EQ(Epr(engine, token, 85.0), 0.0) << engine << token;
  }
}

}  // namespace
