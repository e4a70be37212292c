#include "fmc/thrust_limits.h"

#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "frame/module_state.h"
#include "frame/tick_globals.h"
#include "state/aircraft_id.h"
#include "support/sim_fixture.h"

namespace {

class ThrustLimitTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    InitThrustLimitTables();
  }

  static double Limit(int32_t mode, double temp_c, double alt_ft) {
    tmsp = mode;
    plane_alt = alt_ft;
    return GetThrustLimitEpr(temp_c);
  }
};

struct GridCase {
  int32_t tmsp;
  double temp_c;
  double alt_ft;
  double epr;
};

TEST_F(ThrustLimitTest, TakesTheNearestCellOfTheModesGrid) {
  const GridCase cases[] = {
      {1, 69.5, 0.0, 1.56},       // equidistant from 71 and 68: the earlier row
      {1, 30.0, 12000.0, 1.78},   // 32 °C row; above the last column takes 10000 ft
      {1, 20.0, -3000.0, 1.77},   // 21 °C row; below the first column takes -1000 ft
      {1, -40.0, 3000.0, 1.78},   // below the last row; 2000 and 4000 ft tie to 2000 ft
      {1, 90.0, 9000.0, 1.63},    // above the first row; 8000 and 10000 ft tie to 8000 ft
      {2, 55.0, 10000.0, 1.56},   // G/A
      {7, 55.0, 10000.0, 1.56},   // CON shares the G/A grid
      {7, 12.0, 7000.0, 1.77},    // 10 °C row, 6000 ft
      {3, 10.0, 25000.0, 1.72},   // CLB
      {4, 10.0, 25000.0, 1.70},   // CLB1
      {5, 10.0, 25000.0, 1.68},   // CLB2
      {3, -20.0, 40000.0, 1.77},  // the grid's last cell
      {5, 60.0, 0.0, 1.63},       // and its first
      {1, 10.0, 120000.0, 1.77},  // 99999 ft or more from every column: the first column
  };
  for (const GridCase& c : cases) {
    EXPECT_DOUBLE_EQ(Limit(c.tmsp, c.temp_c, c.alt_ft), c.epr)
        << "tmsp " << c.tmsp << " at " << c.temp_c << " C, " << c.alt_ft << " ft";
  }
}

TEST_F(ThrustLimitTest, ModesOutsideOneToSevenGiveZero) {
  for (int32_t mode : {0, 8, -1}) EXPECT_EQ(Limit(mode, 15.0, 0.0), 0.0) << mode;
}

TEST_F(ThrustLimitTest, CruiseRowsGoByGrossWeightNotTemperature) {
  struct Case {
    double weight_lb;
    double alt_ft;
    double epr;
  };
  const Case cases[] = {
      {130000.0, 35000.0, 1.68},  // equidistant from 140000 and 120000: the earlier row
      {400000.0, 41000.0, 1.75},  // above the first row
      {100000.0, 10000.0, 1.64},  // below the last row; below the first column
      {205000.0, 38500.0, 1.72},  // 200000 lb, 39000 ft
  };
  for (const Case& c : cases) {
    gross_weight = c.weight_lb;
    EXPECT_DOUBLE_EQ(Limit(6, 60.0, c.alt_ft), c.epr) << c.weight_lb << " lb at " << c.alt_ft << " ft";
  }
}

TEST_F(ThrustLimitTest, PwEnginesMapTheCellOntoTheirScale) {
  engine_type = "PW2043";
  EXPECT_NEAR(Limit(1, 71.0, -1000.0), 1.0 + 0.55 / 0.9 * 0.5, 1e-12);  // cell 1.55
  engine_type = "pw2043";                                               // the family test is exact
  EXPECT_DOUBLE_EQ(Limit(1, 71.0, -1000.0), 1.55);
  engine_type = "P";
  EXPECT_DOUBLE_EQ(Limit(1, 71.0, -1000.0), 1.55);
}

TEST_F(ThrustLimitTest, LookupsBeforeTheTablesAreFilledFindZeros) {
  ResetModuleState();
  EXPECT_EQ(Limit(1, 15.0, 0.0), 0.0);
  gross_weight = 150000.0;
  EXPECT_EQ(Limit(6, 15.0, 35000.0), 0.0);
  engine_type = "PW2040";
  EXPECT_NEAR(Limit(1, 15.0, 0.0), 1.0 - 0.5 / 0.9, 1e-12);
  EXPECT_EQ(econ_speed_table[1].climb_ias, 0);
}

TEST_F(ThrustLimitTest, EconomyTableRunsFromCostIndexZeroTo999) {
  const EconSpeedRow& first = econ_speed_table[1];
  EXPECT_EQ(first.cost_index, 0);
  EXPECT_EQ(first.climb_ias, 290);
  EXPECT_EQ(first.cruise_ias, 290);
  EXPECT_EQ(first.descent_ias, 250);
  EXPECT_DOUBLE_EQ(first.cruise_mach, 0.778);

  const EconSpeedRow& ci100 = econ_speed_table[11];
  EXPECT_EQ(ci100.cost_index, 100);
  EXPECT_EQ(ci100.climb_ias, 324);
  EXPECT_EQ(ci100.descent_ias, 310);

  const EconSpeedRow& last = econ_speed_table[kEconSpeedRows];
  EXPECT_EQ(last.cost_index, 999);
  EXPECT_EQ(last.climb_ias, 345);
  EXPECT_EQ(last.descent_ias, 334);
  for (double mach : {last.climb_mach, last.cruise_mach, last.descent_mach}) EXPECT_DOUBLE_EQ(mach, 0.847);
  EXPECT_EQ(econ_speed_table[kEconSpeedRows - 1].cost_index, 500);
}

TEST(NearestKeyIndex, TiesGoToTheEarlierKeyAndFarArgumentsToTheFirst) {
  const double keys[] = {10.0, 20.0, 30.0};
  EXPECT_EQ(NearestKeyIndex(keys, 3, 15.0, 100.0), 0);
  EXPECT_EQ(NearestKeyIndex(keys, 3, 25.0, 100.0), 1);
  EXPECT_EQ(NearestKeyIndex(keys, 3, 29.0, 100.0), 2);
  EXPECT_EQ(NearestKeyIndex(keys, 3, 500.0, 100.0), 0);  // nothing nearer than the start distance
  EXPECT_EQ(NearestKeyIndex(keys, 0, 15.0, 100.0), 0);
}

}  // namespace
