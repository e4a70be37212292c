// The performance look-ups: take-off and reference speeds, climb rates, thrust limits, N1 to EPR and
// the airspeed rules of thumb.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "fmc/airspeed.h"
#include "fmc/engine_epr.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "fmc/thrust_limits.h"
#include "sim/sim_globals.h"
#include "module/module_state.h"
#include "sim/tick_globals.h"
#include "state/aircraft_id_globals.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"
#include "support/digest.h"
#include "support/sim_fixture.h"

namespace {

constexpr const char* kEmptyWeight = "(A:EMPTY WEIGHT,pounds)";
// Token 342 above 3650 chooses the second N1 table; at 16383 it cancels its correction term.
constexpr double kLowToken = 3650.0;
constexpr double kHighToken = 16383.0;

class PerfLookups : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    InitPerformanceTables();
    InitThrustLimitTables();
  }
  // The simulator's weight without fuel, read afresh by the take-off and VREF picks.
  void SetSimWeight(double lb) { host_.SetExpression(kEmptyWeight, lb); }
  void SetFlaps(double deg) { host_.SetToken(907, deg); }
  static double Limit(int32_t mode, double temp_c, double alt_ft) {
    tmsp = mode;
    plane_alt = alt_ft;
    return GetThrustLimitEpr(temp_c);
  }
  double Epr(const std::string& engine, double token342, double n1_pct) {
    engine_type = engine;
    host_.SetToken(342, token342);
    return ComputeEngineEpr(n1_pct);
  }
};

// Nearest weight row, the temperature band's altitude column (outside every band: column 1); flap
// settings other than 15 and 20 use the flaps 5 table.
TEST_F(PerfLookups, TakeoffSpeedsByFlapsBandAndWeight) {
  // flaps, temperature C, altitude ft, weight lb; "V1 VR V2"
  for (auto [flaps, temp_c, alt_ft, weight_lb, speeds] : {std::tuple{10, 10.0, 5000.0, 200000.0, "147 151 155"},
                                                          {20, -100.0, 99500.0, 160000.0, "122 125 117"}}) {
    host_.SetToken(341, temp_c);
    plane_alt = alt_ft;
    SetSimWeight(weight_lb);
    ComputeTakeoffSpeeds(flaps);
    EXPECT_EQ(std::to_string(v1) + " " + std::to_string(vr) + " " + std::to_string(v2), speeds) << flaps;
  }
}

// Take-off and VREF go by the simulator's weight of the moment, the reference speed and the climb
// rate by the stored weight that a PERF INIT entry may have replaced. An entered speed is kept; the
// bugs follow the TAKEOFF REF entries' order, VR on bug 2, V2 on bug 3.
TEST_F(PerfLookups, PicksReadTheirOwnWeight) {
  SetSimWeight(260000.0);
  gross_weight = 140000.0;
  host_.SetToken(341, 15.0);
  SetFlaps(-5.0);  // below zero is the first column
  v2 = v2_set = 158;
  ComputeTakeoffSpeeds(15);
  SelectSpeedsByWeight();
  EXPECT_EQ(std::tuple(v1, v2, asi_bug1, asi_bug2, asi_bug3, vref30), std::tuple(150, 158, 150, 155, 158, 155));
  EXPECT_EQ(SelectRefSpeedsByWeight(), 120);
  epr_bug = 1.78;
  EXPECT_EQ(LookupSpeedByWeightFlapEpr(), 5600);  // the 160000 lb row is nearest
}

// Ties go to the earlier row or column; the PW scale is mapped back onto the climb table's EPR columns.
TEST_F(PerfLookups, ReferenceSpeedAndClimbRateTakeTheNearestCell) {
  gross_weight = 252500.0;  // 255000 and 250000 tie: 255000 is stored first
  SetFlaps(0.5);
  EXPECT_EQ(SelectRefSpeedsByWeight(), 161);
  SetFlaps(2.0);  // each band is closed above
  EXPECT_EQ(SelectRefSpeedsByWeight(), 159);
  gross_weight = 160000.0;
  SetFlaps(20.0);
  engine_type = "RB211-535E4B";
  epr_bug = 1.71;  // 1.74 and 1.68 tie
  EXPECT_EQ(LookupSpeedByWeightFlapEpr(), 4150);
  std::tie(engine_type, gross_weight, epr_bug) = std::tuple("PW2037", 220000.0, 1.0 + 0.78 / 1.8);
  EXPECT_EQ(LookupSpeedByWeightFlapEpr(), 3791);
}

// The tables as transcribed, every cell: a reviewed change of the data updates the digests.
TEST_F(PerfLookups, TablesAsTranscribed) {
  InitThrustLimitTables();
  testing_support::Digest limits;
  limits.Add(thrust_limit_tables);  // ints in pairs, then doubles: no padding
  for (const EconSpeedRow& r : econ_speed_table) {
    limits.Add(r.cost_index).Add(r.climb_ias).Add(r.climb_mach).Add(r.cruise_ias).Add(r.cruise_mach);
    limits.Add(r.descent_ias).Add(r.descent_mach);
  }
  const PerfTables& p = perf_tables;
  testing_support::Digest perf;
  perf.Add(p.to_temp_band).Add(p.to_weight).Add(p.to_flaps5).Add(p.to_flaps15).Add(p.to_flaps20);
  perf.Add(p.vref_weight).Add(p.vref).Add(p.flap_ref_weight).Add(p.flap_ref_kt);
  perf.Add(p.climb_weight).Add(p.climb_epr).Add(p.climb_fpm);
  testing_support::Digest epr;
  for (const N1EprTable& t : n1_epr_tables) epr.Add(t.row_cnt).Add(t.search_cnt).Add(t.row);
  EXPECT_EQ(limits.value(), 16627611837319298508u);
  EXPECT_EQ(perf.value(), 7480250563324542576u);
  EXPECT_EQ(epr.value(), 3800801584175547492u);
}

// The nearest cell of the mode's grid, ties to the earlier row or column; CON shares the G/A grid,
// cruise rows go by gross weight; modes outside 1..7 give 0.
TEST_F(PerfLookups, ThrustLimitTakesTheNearestCellOfTheModesGrid) {
  for (auto [mode, temp_c, alt_ft, epr] :
       {std::tuple{1, 69.5, 0.0, 1.56}, {7, 55.0, 10000.0, 1.56}, {0, 15.0, 0.0, 0.0}, {8, 15.0, 0.0, 0.0}}) {
    EXPECT_DOUBLE_EQ(Limit(mode, temp_c, alt_ft), epr) << mode << " " << temp_c << " " << alt_ft;
  }
  gross_weight = 130000.0;  // equidistant from 140000 and 120000: the earlier row
  EXPECT_DOUBLE_EQ(Limit(6, 60.0, 35000.0), 1.68);
  engine_type = "PW2043";
  EXPECT_NEAR(Limit(1, 71.0, -1000.0), 1.0 + 0.55 / 0.9 * 0.5, 1e-12);  // cell 1.55 on the PW scale
}

// Four tables by engine family and token; each clamps N1 to its rows and interpolates between them.
TEST_F(PerfLookups, EprInterpolatesBetweenRowsAndClampsTheInput) {
  // The PW top row is clamped to 99.3 on the extended top segment.
  for (auto [engine, token, n1_pct, epr] : {std::tuple{"PW2037", kLowToken, 50.0, 1.00},
                                            {"PW2037", kHighToken, 120.0, 1.42 + 0.01 / 1.2 * 9.8},
                                            {"RB211-535E4B", kLowToken, 115.0, 1.90}}) {
    EXPECT_NEAR(Epr(engine, token, n1_pct), epr, 1e-9) << engine << " " << token << " " << n1_pct;
  }
  // The second table adds the token term (16383 - 3651) x 5.01e-05 back to the N1, and the airspeed.
  EXPECT_NEAR(Epr("PW2037", 3651.0, 63.9 + 12732.0 * 5.01e-05), 1.04 + 0.02 / 1.0 * 0.8, 1e-9);
  true_airspeed = 300.0;                                                        // +1.6 % on B
  EXPECT_NEAR(Epr("PW2037", kHighToken, 80.0), 1.33 + 0.01 / 0.9 * 0.2, 1e-6);  // looked up at 81.6
  EXPECT_DOUBLE_EQ(Epr("RB211-535E4B", kLowToken, 70.1), 1.30);                 // not on the first tables
}

// A cost index past the table's last row, as a panel file may hold, leaves the speeds alone.
TEST_F(PerfLookups, CostIndexPastTheTableKeepsTheSpeeds) {
  std::tie(cost_index, climb_ias, cruise_mach) = std::tuple(1000, 290, 0.8);
  InterpolateEconSpeeds();
  EXPECT_EQ(std::pair(climb_ias, cruise_mach), std::pair(290, 0.8));
}

// The rules' own examples: 1.5 % per 1000 ft for the true airspeed, 1.9 % inside the Mach rule.
// Altitudes below sea level are not clamped.
TEST(Airspeed, RulesOfThumb) {
  EXPECT_DOUBLE_EQ(ConvertIasToTas(250.0, 10000.0), 287.5);
  EXPECT_DOUBLE_EQ(ConvertIasToTas(200.0, -1000.0), 197.0);
  EXPECT_NEAR(ConvertIasToMach(250.0, 10000.0), 0.4619, 1e-4);
  EXPECT_NEAR(ConvertIasToMach(290.0, 30000.0), 0.7069, 1e-4);
}

}  // namespace
