#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// Keys without regard to case, the last line winning; a missing key or a value that is no number
// reads 0 (no Center line empties the centre tank).
TEST_F(FuelFileTest, FileKeysAndValues) {
  WriteFuelFile(";Center=9\r\nleftmain=100\r\nLEFTMAIN=10000\r\nRightMain=10000\r\nCenter=5000\r\nTail=7\r\n");
  FuelFileAmounts a;
  ASSERT_TRUE(ReadFuelLoadFile(&a));
  EXPECT_EQ(std::tuple(a.left_lb, a.right_lb, a.center_lb), std::tuple(10000.0, 10000.0, 5000.0));
  WriteFuelFile("LeftMain=\nRightMain=lots\n");
  ASSERT_TRUE(ReadFuelLoadFile(&a));
  EXPECT_EQ(std::tuple(a.left_lb, a.right_lb, a.center_lb), std::tuple(0.0, 0.0, 0.0));
}

// Without the file nothing is asked of the simulator and nothing is reported.
TEST_F(FuelFileTest, MissingFileDoesNothing) {
  host_.SetToken(306, 6.7);
  FuelFileAmounts a;
  EXPECT_FALSE(ReadFuelLoadFile(&a));
  LoadFuelCfg();
  EXPECT_EQ(std::tuple(fuel_weight_per_gal, cdu_message), std::tuple(0.0, ""));
}

// Each tank takes its own fraction; the message reports the sum placed, in the configured unit.
TEST_F(FuelFileTest, EachTankGetsItsOwnFractionAndTheSumIsReported) {
  const FuelLoadPlan p = PlanTankAmounts(10000.0, 10000.0, 5000.0, {20000.0, 40000.0, 50000.0});
  EXPECT_EQ(std::tuple(p.left.level, p.right.level, p.center.level), std::tuple(0x400000, 0x200000, 0xCCCCC));
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "25000 Lbs of Fuel Loaded");
  weight_unit = "KGS";
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "11340 Kgs of Fuel Loaded");
}

// File amounts are held to the tank: full, not beyond; empty, not negative; a tank without
// capacity is not written (it would divide by zero).
TEST(FuelTankLevel, FileAmountsAreHeldToTheTank) {
  const struct {
    double amount_lb, capacity_lb;
    bool written;
    int32_t level;
    double placed_lb;
  } cases[] = {{99999.0, 20000.0, true, kFuelLevelFull, 20000.0}, {-300.0, 20000.0, true, 0, 0.0},
               {5000.0, 0.0, false, 0, 0.0}};
  for (const auto& c : cases) {
    const FuelLoadPlan p = PlanTankAmounts(c.amount_lb, 0.0, 0.0, {c.capacity_lb, 0.0, 0.0});
    EXPECT_EQ(std::tuple(p.left.write, p.left.level, p.placed_lb), std::tuple(c.written, c.level, c.placed_lb))
        << c.amount_lb << " in " << c.capacity_lb;
    EXPECT_FALSE(p.right.write);
  }
}

// A total fills both mains at one fraction first, then the centre; what the tanks cannot hold is
// dropped and not reported as loaded. Mains of 8000 and 12000 lb, a centre of 20000 lb.
TEST(FuelDistribution, MainsFillFirstThenTheCentre) {
  const struct {
    double total_lb;
    int32_t main_level;
    bool center_written;
    int32_t center_level;
    double placed_lb;
  } cases[] = {{-50.0, 0, false, 0, 0.0},
               {20000.0, kFuelLevelFull, false, 0, 20000.0},
               {20001.0, kFuelLevelFull, true, 419, 20001.0},
               {55000.0, kFuelLevelFull, true, kFuelLevelFull, 40000.0}};
  for (const auto& c : cases) {
    const FuelLoadPlan p = PlanTotalFuel(c.total_lb, {8000.0, 12000.0, 20000.0});
    EXPECT_EQ(std::tuple(p.left.write, p.right.write, p.left.level, p.right.level, p.center.write, p.center.level,
                         p.placed_lb),
              std::tuple(true, true, c.main_level, c.main_level, c.center_written, c.center_level, c.placed_lb))
        << c.total_lb;
  }
  const FuelLoadPlan p = PlanTotalFuel(30000.0, {0.0, 10000.0, 0.0});
  EXPECT_EQ(std::tuple(p.left.write, p.right.write, p.right.level, p.center.write, p.placed_lb),
            std::tuple(false, true, kFuelLevelFull, false, 10000.0));
}

}  // namespace
