#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class PerfInitTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    gross_weight = 100000.0;
    reserves = 3000.0;
    cruise_alt = 31000;
    cost_index = 50;
  }
};

double Zfw() { return gross_weight; }
double Reserves() { return reserves; }
double CruiseAlt() { return cruise_alt; }
double CostIndex() { return cost_index; }

// A refused entry leaves its field as it was; a weight beyond 2,000,000 lb is never stored.
TEST_F(PerfInitTest, EntriesAreTakenOrRefusedWhole) {
  // Key, entry, in KGS, taken, the field after the entry (its start value when refused).
  using Case = std::tuple<const char*, const char*, bool, bool, double (*)(), double>;
  for (const auto& [key, text, kgs, taken, field, expected] :
       {Case{"3L", "999", true, false, Zfw, 100000.0},  // 999 t
        Case{"3L", "150.5", true, true, Zfw, 150500.0 * 2.20462262},
        Case{"4L", "0", false, true, Reserves, 0.0}, Case{"4L", "-1", false, false, Reserves, 0.0},
        Case{"1R", "370", false, true, CruiseAlt, 37000.0}, Case{"1R", "0", false, false, CruiseAlt, 37000.0},
        Case{"2R", "-1", false, true, CostIndex, -1.0}, Case{"2R", "1000", false, false, CostIndex, -1.0}}) {
    weight_unit = kgs ? "KGS" : "LBS";
    EnterOn(3, text, key);
    ExpectTaken(text, taken);
    EXPECT_DOUBLE_EQ(field(), expected) << key << " " << text;
  }
}

}  // namespace
}  // namespace cdu_test
