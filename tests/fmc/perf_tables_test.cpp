#include "fmc/perf_tables.h"

#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/frame_globals.h"
#include "frame/module_state.h"
#include "frame/tick_globals.h"
#include "state/aircraft_id.h"
#include "support/sim_fixture.h"

namespace {

constexpr const char* kEmptyWeight = "(A:EMPTY WEIGHT,pounds)";

class PerfTablesTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    InitPerformanceTables();
  }

  // The simulator's weight without fuel, read afresh by the take-off and VREF picks.
  void SetSimWeight(double lb) { host_.SetExpression(kEmptyWeight, lb); }
  void SetOutsideTemp(double c) { host_.SetToken(341, c); }
  void SetFlaps(double deg) { host_.SetToken(907, deg); }
};

TEST_F(PerfTablesTest, InitTakesTheWeightWithoutFuelFromTheSimulator) {
  ResetModuleState();
  host_.SetExpression(kEmptyWeight, 120000.0);
  host_.SetExpression("(A:Payload Station Weight:7,pounds)", 35000.0);
  InitPerformanceTables();
  EXPECT_DOUBLE_EQ(gross_weight, 155000.0);
}

struct TakeoffCase {
  int32_t flaps;
  double temp_c;
  double alt_ft;
  double weight_lb;
  TakeoffSpeeds speeds;
};

TEST_F(PerfTablesTest, TakeoffSpeedsByFlapsBandAndWeight) {
  const TakeoffCase cases[] = {
      {15, 15.0, 0.0, 250000.0, {150, 155, 160}},     // 260000 and 240000 tie: the earlier row
      {5, 25.0, 6000.0, 200000.0, {141, 148, 155}},   // 4501..9000 ft is in no band of 21..30: column 1
      {5, 25.0, 9500.0, 200000.0, {150, 155, 155}},   // column 4 of that band
      {5, 10.5, 5000.0, 200000.0, {141, 148, 155}},   // between two temperature bands: column 1
      {5, 10.0, 5000.0, 200000.0, {147, 151, 155}},   // column 3 of -100..10
      {10, 10.0, 5000.0, 200000.0, {147, 151, 155}},  // any other setting uses the flaps 5 table
      {20, 10.0, 5000.0, 200000.0, {132, 136, 140}},  {20, -100.0, 99500.0, 160000.0, {122, 125, 117}},  // column 5
      {15, 65.0, -3500.0, 100000.0, {107, 116, 125}},  // below the last row
      {15, 80.0, 0.0, 400000.0, {150, 155, 160}},      // above every band; above the first row
  };
  for (const TakeoffCase& c : cases) {
    v1 = vr = v2 = 0;
    SetOutsideTemp(c.temp_c);
    plane_alt = c.alt_ft;
    SetSimWeight(c.weight_lb);
    ComputeTakeoffSpeeds(c.flaps);
    const auto where = testing::Message() << "flaps " << c.flaps << " at " << c.temp_c << " C, " << c.alt_ft << " ft, "
                                          << c.weight_lb << " lb";
    EXPECT_EQ(v1, c.speeds.v1) << where;
    EXPECT_EQ(vr, c.speeds.vr) << where;
    EXPECT_EQ(v2, c.speeds.v2) << where;
  }
}

// The bugs follow the TAKEOFF REF entries' order, VR on bug 2 and V2 on bug 3.
TEST_F(PerfTablesTest, TakeoffSpeedsSetTheBugsInTheEntryOrder) {
  SetOutsideTemp(15.0);
  SetSimWeight(260000.0);
  ComputeTakeoffSpeeds(15);
  EXPECT_EQ(asi_bug1, 150);
  EXPECT_EQ(asi_bug2, 155);
  EXPECT_EQ(asi_bug3, 160);
}

TEST_F(PerfTablesTest, EnteredSpeedsAreKeptAndStillSetTheBugs) {
  v1 = v1_set = 140;
  v2 = v2_set = 158;
  SetOutsideTemp(15.0);
  SetSimWeight(260000.0);
  ComputeTakeoffSpeeds(15);
  EXPECT_EQ(v1, 140);
  EXPECT_EQ(vr, 155);
  EXPECT_EQ(v2, 158);
  EXPECT_EQ(asi_bug1, 140);
  EXPECT_EQ(asi_bug2, 155);
  EXPECT_EQ(asi_bug3, 158);
}

// Take-off and VREF go by the simulator's weight of the moment, the reference speed and the climb
// rate by the stored weight that a PERF INIT entry may have replaced.
TEST_F(PerfTablesTest, PicksReadTheirOwnWeight) {
  SetSimWeight(260000.0);
  gross_weight = 140000.0;
  SetOutsideTemp(15.0);
  SetFlaps(0.0);
  ComputeTakeoffSpeeds(15);
  SelectSpeedsByWeight();
  EXPECT_EQ(v1, 150);
  EXPECT_EQ(vref30, 155);
  EXPECT_EQ(SelectRefSpeedsByWeight(), 120);
  epr_bug = 1.78;
  EXPECT_EQ(LookupSpeedByWeightFlapEpr(), 5600);  // the 160000 lb row is nearest
}

TEST_F(PerfTablesTest, VrefSpeedsByWeight) {
  struct Case {
    double weight_lb;
    int32_t v20, v25, v30;
  };
  const Case cases[] = {
      {230000.0, 158, 150, 148},  // 240000 and 220000 tie: the earlier row
      {100000.0, 138, 135, 128},  // below the last row
      {300000.0, 165, 157, 155},  // above the first
      {201000.0, 145, 142, 134},
  };
  for (const Case& c : cases) {
    SetSimWeight(c.weight_lb);
    SelectSpeedsByWeight();
    EXPECT_EQ(vref20, c.v20) << c.weight_lb;
    EXPECT_EQ(vref25, c.v25) << c.weight_lb;
    EXPECT_EQ(vref30, c.v30) << c.weight_lb;
  }
}

TEST_F(PerfTablesTest, FlapReferenceSpeedByWeightAndFlapBand) {
  struct Case {
    double weight_lb;
    double flaps_deg;
    int32_t kt;
  };
  const Case cases[] = {
      {252500.0, 0.0, 161},   // 255000 and 250000 tie: 255000 is stored first
      {252500.0, 0.5, 161},   // 0.5 is still the first column
      {252500.0, 1.0, 159},   // the second
      {252500.0, 2.0, 159},   // each band is closed above
      {252500.0, 6.0, 153},   // 2 < f <= 6
      {252500.0, 16.0, 138},  // 6 < f <= 16
      {252500.0, 21.0, 137},  // 16 < f <= 21
      {252500.0, 26.0, 129},  // 21 < f <= 26
      {252500.0, 26.5, 127},  // above 26
      {250000.0, 30.0, 130},  // exactly on the last row
      {140000.0, 30.0, 94},   // the corrected cell
      {140000.0, -5.0, 120},  // below zero is the first column
      {0.0, 25.0, 98},        // below the first row
  };
  for (const Case& c : cases) {
    gross_weight = c.weight_lb;
    SetFlaps(c.flaps_deg);
    EXPECT_EQ(SelectRefSpeedsByWeight(), c.kt) << c.weight_lb << " lb, flaps " << c.flaps_deg;
  }
}

TEST_F(PerfTablesTest, ClimbRateByWeightFlapGroupAndEpr) {
  struct Case {
    const char* engine;
    double weight_lb;
    double flaps_deg;
    double epr;
    int32_t fpm;
  };
  const Case cases[] = {
      {"RB211-535E4B", 160000.0, 20.0, 1.71, 4150},        // 1.74 and 1.68 tie: the earlier column
      {"RB211-535E4B", 160000.0, 11.4, 1.78, 5600},        // group 5
      {"RB211-535E4B", 160000.0, 11.5, 1.78, 5500},        // group 15
      {"RB211-535E4B", 160000.0, 16.5, 1.78, 5300},        // group 20
      {"RB211-535E4B", 250000.0, 5.0, 1.60, 2477},         // 240000 and 260000 tie; below the last column
      {"RB211-535E4B", 300000.0, 15.0, 1.75, 2701},        // above the last row
      {"RB211-535E4B", 200000.0, 5.0, 12.0, 5000},         // 10 or more from every column: the first
      {"PW2037", 220000.0, 20.0, 1.0 + 0.7 / 1.8, 2177},   // the PW scale mapped back: 1.70 -> 1.68
      {"PW2037", 220000.0, 20.0, 1.0 + 0.78 / 1.8, 3791},  // 1.78
  };
  for (const Case& c : cases) {
    engine_type = c.engine;
    gross_weight = c.weight_lb;
    SetFlaps(c.flaps_deg);
    epr_bug = c.epr;
    EXPECT_EQ(LookupSpeedByWeightFlapEpr(), c.fpm)
        << c.engine << " " << c.weight_lb << " lb, flaps " << c.flaps_deg << ", EPR " << c.epr;
  }
}

TEST_F(PerfTablesTest, LookupsBeforeTheTablesAreFilledFindZeros) {
  ResetModuleState();
  SetSimWeight(200000.0);
  v1 = 99;
  ComputeTakeoffSpeeds(15);
  EXPECT_EQ(v1, 0);
  EXPECT_EQ(asi_bug3, 0);
  SelectSpeedsByWeight();
  EXPECT_EQ(vref30, 0);
  gross_weight = 200000.0;
  EXPECT_EQ(SelectRefSpeedsByWeight(), 0);
  EXPECT_EQ(LookupSpeedByWeightFlapEpr(), 0);
}

}  // namespace
