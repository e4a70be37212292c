#include <gtest/gtest.h>

#include <tuple>

#include "afds/fuel_system.h"
#include "fmc/fmc_globals.h"
#include "sim/fuel_tanks.h"
#include "state/state_globals.h"
#include "systems_fixture.h"

namespace {

class FuelTest : public systems_test::SystemsFixture {
 protected:
  // Centre tank of 1000 gal at 5 lb/gal, holding `lb`.
  void SetCentreLb(double lb) {
    host_.SetToken(306, 5.0);
    host_.SetToken(290, 1000.0);
    host_.SetToken(289, lb / 5000.0 * 8388608.0);
  }
};

struct SelectorCase {
  const char* label;
  double centre_lb;
  int32_t l_ctr, r_ctr, fwd_xfeed, l_fwd, l_aft, r_fwd, r_aft;
  std::vector<int32_t> sent;  // engine 1 values, then engine 2 values
};

void PrintTo(const SelectorCase& c, std::ostream* os) { *os << c.label; }

class FuelSelectors : public FuelTest, public ::testing::WithParamInterface<SelectorCase> {};

TEST_P(FuelSelectors, FeedTheCentreTankFirst) {
  const SelectorCase& c = GetParam();
  SetCentreLb(c.centre_lb);
  std::tie(l_ctr_fuel_pump, r_ctr_fuel_pump, fwd_xfeed_fuel_pump) = std::tuple(c.l_ctr, c.r_ctr, c.fwd_xfeed);
  std::tie(l_fwd_fuel_pump, l_aft_fuel_pump, r_fwd_fuel_pump) = std::tuple(c.l_fwd, c.l_aft, c.r_fwd);
  r_aft_fuel_pump = c.r_aft;
  UpdateFuelSelectors();
  std::vector<int32_t> sent = KeyValues(0x101AA);
  for (int32_t v : KeyValues(0x103DB)) sent.push_back(v);
  EXPECT_EQ(sent, c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FuelSelectors,
    ::testing::Values(SelectorCase{"CentreAboveTwoHundred", 200.5, 1, 1, 0, 1, 1, 1, 1, {6, 6}},
                      SelectorCase{"ExactlyTwoHundredIsNotEnough", 200.0, 1, 1, 0, 1, 1, 1, 1, {1, 1}},
                      SelectorCase{"CentrePumpsOffOwnSides", 5000.0, 0, 0, 2, 0, 0, 1, 1, {2, 3}},
                      SelectorCase{"CrossfeedToTheLeftEngine", 0.0, 1, 1, 2, 0, 0, 1, 1, {15}},
                      SelectorCase{"CrossfeedWithAllPumpsOn", 0.0, 1, 1, 2, 1, 1, 1, 1, {1, 1}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FuelTest, QuantitiesSumTheirSidesAndNeedAWeightPerGallon) {
  const uint32_t tanks[][2] = {{289, 290}, {291, 292}, {293, 294}, {295, 296}, {297, 298}, {299, 300}, {301, 302}};
  double gal = 100.0;
  for (const auto& t : tanks) {
    host_.SetToken(t[0], 8388608.0 / 2.0);  // half full
    host_.SetToken(t[1], gal);
    gal += 100.0;
  }
  EXPECT_EQ(GetTotalFuelWeight(), 0.0);
  host_.SetToken(306, 6.0);
  EXPECT_DOUBLE_EQ(FuelQtyA(), 300.0);
  EXPECT_DOUBLE_EQ(GetFuelLeftTanks(), 600.0 + 900.0 + 1200.0);
  EXPECT_DOUBLE_EQ(GetFuel3tanks(), 1500.0 + 1800.0 + 2100.0);
  EXPECT_DOUBLE_EQ(GetTotalFuelWeight(), 8400.0);
}

}  // namespace
