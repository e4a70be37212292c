#include "sim/fuel_tanks.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// File amounts are held to the tank: full, not beyond; empty, not negative; a tank without
// capacity is not written (it would divide by zero).
TEST(FuelTankLevel, FileAmountsAreHeldToTheTank) {
  // Amount and capacity; then written, level and amount placed.
  for (const auto& [amount_lb, capacity_lb, expected] :
       {std::tuple{99999.0, 20000.0, std::tuple(true, kFuelLevelFull, 20000.0)},
        std::tuple{-300.0, 20000.0, std::tuple(true, 0, 0.0)}, std::tuple{5000.0, 0.0, std::tuple(false, 0, 0.0)}}) {
    const FuelLoadPlan p = PlanTankAmounts(amount_lb, 0.0, 0.0, {capacity_lb, 0.0, 0.0});
    EXPECT_EQ(std::tuple(p.left.write, p.left.level, p.placed_lb), expected) << amount_lb << " in " << capacity_lb;
    EXPECT_FALSE(p.right.write);
  }
}

// A total fills both mains at one fraction first, then the centre; what the tanks cannot hold is
// dropped and not reported as loaded. Mains of 8000 and 12000 lb, a centre of 20000 lb.
TEST(FuelDistribution, MainsFillFirstThenTheCentre) {
  // Total; then the mains' level, centre written, centre level and amount placed.
  for (const auto& [total_lb, main_level, center_written, center_level, placed_lb] :
       {std::tuple{-50.0, 0, false, 0, 0.0}, std::tuple{20000.0, kFuelLevelFull, false, 0, 20000.0},
        std::tuple{20001.0, kFuelLevelFull, true, 419, 20001.0},
        std::tuple{55000.0, kFuelLevelFull, true, kFuelLevelFull, 40000.0}}) {
    const FuelLoadPlan p = PlanTotalFuel(total_lb, {8000.0, 12000.0, 20000.0});
    EXPECT_EQ(std::tuple(p.left.write, p.right.write, p.left.level, p.right.level, p.center.write, p.center.level,
                         p.placed_lb),
              std::tuple(true, true, main_level, main_level, center_written, center_level, placed_lb))
        << total_lb;
  }
  const FuelLoadPlan p = PlanTotalFuel(30000.0, {0.0, 10000.0, 0.0});
  EXPECT_EQ(std::tuple(p.left.write, p.right.write, p.right.level, p.center.write, p.placed_lb),
            std::tuple(false, true, kFuelLevelFull, false, 10000.0));
}

}  // namespace
