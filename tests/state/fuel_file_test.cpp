#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_globals.h"
#include "state/config_globals.h"
#include "state/fuel_file.h"
#include "state/state_fixture.h"
#include "state/state_globals.h"

namespace {

class FuelFileTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    host_.set_app_data_folder(app_data_.path());
  }
  void WriteFuelFile(const std::string& text) const { app_data_.Write("Orvantel/ro757_fuel.cfg", text); }

  testing_support::TempDir app_data_;
};

TEST_F(FuelFileTest, FileKeysIgnoreCaseAndTheLastLineWins) {
  WriteFuelFile(";Center=9\r\nleftmain=100\r\nLEFTMAIN=10000\r\nRightMain=10000\r\nCenter=5000\r\nTail=7\r\n");
  FuelFileAmounts a;
  ASSERT_TRUE(ReadFuelLoadFile(&a));
  EXPECT_EQ(a.left_lb, 10000.0);
  EXPECT_EQ(a.right_lb, 10000.0);
  EXPECT_EQ(a.center_lb, 5000.0);
}

TEST_F(FuelFileTest, MissingKeysAndNonNumbersAreZero) {
  WriteFuelFile("LeftMain=\nRightMain=lots\n");
  FuelFileAmounts a{1.0, 1.0, 1.0};
  ASSERT_TRUE(ReadFuelLoadFile(&a));
  EXPECT_EQ(a.left_lb, 0.0);
  EXPECT_EQ(a.right_lb, 0.0);
  EXPECT_EQ(a.center_lb, 0.0);  // no Center line: the centre tank is emptied
}

TEST_F(FuelFileTest, MissingFileDoesNothing) {
  host_.SetToken(306, 6.7);
  FuelFileAmounts a;
  EXPECT_FALSE(ReadFuelLoadFile(&a));
  LoadFuelCfg();
  EXPECT_EQ(fuel_weight_per_gal, 0.0);  // the simulator was not even asked
  EXPECT_EQ(cdu_message, "");
}

TEST_F(FuelFileTest, EachTankGetsItsOwnFractionAndTheSumIsReported) {
  const FuelCapacities cap{20000.0, 40000.0, 50000.0};
  const FuelLoadPlan p = PlanTankAmounts(10000.0, 10000.0, 5000.0, cap);
  EXPECT_EQ(p.left.level, 0x400000);
  EXPECT_EQ(p.right.level, 0x200000);
  EXPECT_EQ(p.center.level, 0xCCCCC);  // a tenth, truncated
  EXPECT_EQ(p.placed_lb, 25000.0);
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "25000 Lbs of Fuel Loaded");
  weight_unit = "KGS";
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "11340 Kgs of Fuel Loaded");
  weight_unit = "lbs";  // only the configuration reader upper-cases
  EXPECT_EQ(FuelLoadedMessage(100.0), "45 Kgs of Fuel Loaded");
}

struct TankCase {
  double amount_lb;
  double capacity_lb;
  bool written;
  int32_t level;
  double placed_lb;
};

class FuelTankLevelTest : public ::testing::TestWithParam<TankCase> {};

TEST_P(FuelTankLevelTest, FileAmountsAreHeldToTheTank) {
  const TankCase& c = GetParam();
  const FuelLoadPlan p = PlanTankAmounts(c.amount_lb, 0.0, 0.0, {c.capacity_lb, 0.0, 0.0});
  EXPECT_EQ(p.left.write, c.written);
  EXPECT_EQ(p.left.level, c.level);
  EXPECT_EQ(p.placed_lb, c.placed_lb);
  EXPECT_FALSE(p.right.write);  // no capacity: never written
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FuelTankLevelTest,
    ::testing::Values(TankCase{5000.0, 20000.0, true, 0x200000, 5000.0},
                      TankCase{20000.0, 20000.0, true, kFuelLevelFull, 20000.0},
                      TankCase{99999.0, 20000.0, true, kFuelLevelFull, 20000.0},  // full, not beyond
                      TankCase{-300.0, 20000.0, true, 0, 0.0},                    // empty, not negative
                      TankCase{5000.0, 0.0, false, 0, 0.0},                       // would divide by zero
                      TankCase{5000.0, -10.0, false, 0, 0.0}));

struct TotalCase {
  const char* name;
  double total_lb;
  bool mains_written;
  int32_t main_level;
  bool center_written;
  int32_t center_level;
  double placed_lb;
};

class FuelDistributionTest : public ::testing::TestWithParam<TotalCase> {};

TEST_P(FuelDistributionTest, MainsFillFirstThenTheCentre) {
  const TotalCase& c = GetParam();
  // Mains of 8000 and 12000 lb take the same fraction; the centre holds 20000 lb.
  const FuelLoadPlan p = PlanTotalFuel(c.total_lb, {8000.0, 12000.0, 20000.0});
  EXPECT_EQ(p.left.write, c.mains_written);
  EXPECT_EQ(p.right.write, c.mains_written);
  EXPECT_EQ(p.left.level, c.main_level);
  EXPECT_EQ(p.right.level, c.main_level);
  EXPECT_EQ(p.center.write, c.center_written);
  EXPECT_EQ(p.center.level, c.center_level);
  EXPECT_DOUBLE_EQ(p.placed_lb, c.placed_lb);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, FuelDistributionTest,
    ::testing::Values(TotalCase{"Zero", 0.0, true, 0, false, 0, 0.0},
                      TotalCase{"Negative", -50.0, true, 0, false, 0, 0.0},
                      TotalCase{"HalfTheMains", 10000.0, true, 0x400000, false, 0, 10000.0},
                      TotalCase{"ExactlyTheMains", 20000.0, true, kFuelLevelFull, false, 0, 20000.0},
                      TotalCase{"OnePoundMore", 20001.0, true, kFuelLevelFull, true, 419, 20001.0},
                      TotalCase{"AllThree", 40000.0, true, kFuelLevelFull, true, kFuelLevelFull, 40000.0},
                      // What the tanks cannot hold is dropped and not reported as loaded.
                      TotalCase{"BeyondAllThree", 55000.0, true, kFuelLevelFull, true, kFuelLevelFull, 40000.0}),
    [](const ::testing::TestParamInfo<TotalCase>& i) { return std::string(i.param.name); });

TEST(FuelDistribution, TanksWithoutCapacityAreNeverWritten) {
  const FuelLoadPlan p = PlanTotalFuel(30000.0, {0.0, 10000.0, 0.0});
  EXPECT_FALSE(p.left.write);
  EXPECT_TRUE(p.right.write);
  EXPECT_EQ(p.right.level, kFuelLevelFull);
  EXPECT_FALSE(p.center.write);
  EXPECT_EQ(p.placed_lb, 10000.0);
}

}  // namespace
