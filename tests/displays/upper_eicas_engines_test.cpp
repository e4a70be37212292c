// The upper EICAS engine dials, the thrust-reference line and the thrust-reference state the painter
// keeps (automatic G/A and CLB, assumed temperature, reference refresh).
#include <gtest/gtest.h>

#include <string>

#include "displays/eicas_fixture.h"
#include "fmc/engine_epr.h"
#include "fmc/thrust_limits.h"
#include "fmc/vnav_targets.h"
#include "frame/frame_globals.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"

namespace {

constexpr double kEprCentreX = 138.0;  // engine 1
constexpr double kEprCentreY = 38.0;

class UpperEicasEngines : public EicasTest {
 protected:
  void SetUp() override {
    EicasTest::SetUp();
    InitThrustLimitTables();
    FillN1EprTables();
    thr_ref_to_req = 0;  // its load value asks the first paint for the take-off reference
  }
  int GoAroundEvents() const {
    int n = 0;
    for (const auto& e : host_.key_events()) n += e.event_id == 0x101F4 ? 1 : 0;
    return n;
  }
};

struct GaCase {
  const char* name;
  double flaps, ias_kt, radio_ft, vs_fpm;
  bool switches;
};

class AutomaticGoAround : public UpperEicasEngines, public ::testing::WithParamInterface<GaCase> {};

TEST_P(AutomaticGoAround, SwitchesOnceWithItsKeyEvent) {
  const GaCase& c = GetParam();
  tmsp = 3;
  flap_angle = c.flaps;
  ias = c.ias_kt;
  radio_height = c.radio_ft;
  vert_speed = c.vs_fpm;
  vnav_tgt_vs = -1800;
  thr_limit_refresh_cnt = 1;  // keep the periodic refresh out of the way
  epr_bug = epr_bug_2 = 9.99;
  PaintUpper();
  PaintUpper();
  EXPECT_EQ(tmsp, c.switches ? 2 : 3);
  EXPECT_EQ(GoAroundEvents(), c.switches ? 1 : 0);
  if (c.switches) {
    EXPECT_EQ(host_.key_events().front().value, -1800);
    EXPECT_DOUBLE_EQ(epr_bug, GetThrustLimitEpr(0.0));
    EXPECT_DOUBLE_EQ(epr_bug_2, epr_bug);
    EXPECT_TRUE(Has("G/A"));
  } else {
    EXPECT_EQ(epr_bug, 9.99);
  }
}

INSTANTIATE_TEST_SUITE_P(Conditions, AutomaticGoAround,
                         ::testing::Values(GaCase{"Descending", 20, 150, 1000, -700, true},
                                           GaCase{"AtRadioHeightLimit", 20, 150, 2500, -700, false},
                                           GaCase{"AtSpeedLimit", 20, 100, 1000, -700, false},
                                           GaCase{"AtVerticalSpeedLimit", 20, 150, 1000, -200, false},
                                           GaCase{"FlapsBelow19", 18.9, 150, 1000, -700, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpperEicasEngines, ClimbAboveAccelerationHeightSwitchesToClbWithoutKeyEvent) {
  tmsp = 1;
  accel_ht = 1000;
  radio_height = 1001.0;
  vert_speed = 499.0;
  PaintUpper();
  EXPECT_EQ(tmsp, 1);
  vert_speed = 500.0;
  PaintUpper();
  EXPECT_EQ(tmsp, 3);
  EXPECT_TRUE(host_.key_events().empty());
  SetClbThrAtAccelHt = 0;
  tmsp = 2;
  PaintUpper();
  EXPECT_EQ(tmsp, 2);
}

struct TempCase {
  const char* name;
  int32_t mode;
  int32_t incr, decr;
  double before, after;  // assumed temperature with a measured 15 C
};

class AssumedTemperature : public UpperEicasEngines, public ::testing::WithParamInterface<TempCase> {};

TEST_P(AssumedTemperature, StepsOncePerRequest) {
  const TempCase& c = GetParam();
  SetTat(15.0);
  tmsp = c.mode;
  to_epr_temp_sel = c.before;
  to_temp_incr_req = c.incr;
  to_temp_decr_req = c.decr;
  PaintUpper();
  PaintUpper();  // the entry spent the request
  EXPECT_DOUBLE_EQ(to_epr_temp_sel, c.after);
}

INSTANTIATE_TEST_SUITE_P(Requests, AssumedTemperature,
                         ::testing::Values(TempCase{"RaiseFromBelowMeasured", 3, 1, 0, 10.0, 17.0},
                                           TempCase{"RaiseAbove", 1, 1, 0, 40.0, 41.0},
                                           TempCase{"RaiseStopsAt71", 1, 1, 0, 70.5, 71.0},
                                           TempCase{"LowerInTakeoff", 1, 0, 1, 40.0, 39.0},
                                           TempCase{"LowerNeverBelowMeasured", 1, 0, 1, 15.5, 15.0},
                                           TempCase{"LowerIgnoredOutsideTakeoff", 3, 0, 1, 40.0, 40.0},
                                           TempCase{"BothRequestsLowerInAnyMode", 3, 1, 1, 40.0, 39.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpperEicasEngines, ReferenceLineShowsModeAndAssumedTemperature) {
  SetTat(15.0);
  to_epr_temp_sel = 40.0;
  PaintUpper();
  EXPECT_EQ(TextAt(172, 0), (Shown{"40c", 172, 0, palette::kGreen}));
  EXPECT_EQ(TextAt(166, 8).text, "D-");
  EXPECT_EQ(TextAt(174, 8).text, "TO");
  EXPECT_EQ(TextAt(142, 8).text, TextAt(211, 8).text);
  to_epr_temp_sel = 15.5;  // within half a degree of the measured temperature: no derate
  PaintUpper();
  EXPECT_FALSE(Has("D-"));
  const char* const kModes[] = {"", "TO", "G/A", "CLB", "CLB1", "CLB2", "CRZ", "CON", ""};
  for (int32_t mode = 0; mode <= 8; ++mode) {
    tmsp = mode;
    PaintUpper();
    EXPECT_EQ(TextAt(174, 8).text, kModes[mode]) << mode;
  }
}

TEST_F(UpperEicasEngines, ClimbReferenceRefreshesEvery541Paints) {
  tmsp = 3;
  thr_limit_refresh_cnt = 540;
  epr_bug = 9.99;
  PaintUpper();
  EXPECT_EQ(thr_limit_refresh_cnt, 0);
  EXPECT_EQ(epr_bug, 9.99);
  PaintUpper();
  EXPECT_DOUBLE_EQ(epr_bug, GetThrustLimitEpr(0.0));
  EXPECT_EQ(thr_limit_refresh_cnt, 1);
}

TEST_F(UpperEicasEngines, TakeoffRequestTakesTheAssumedTemperature) {
  to_epr_temp_sel = 40.0;
  thr_ref_to_req = 1;
  PaintUpper();
  EXPECT_DOUBLE_EQ(epr_bug, GetThrustLimitEpr(40.0));
  EXPECT_DOUBLE_EQ(epr_bug_2, epr_bug);
}

struct ScaleCase {
  const char* engine;
  double n1_for_full_scale;  // token 627 giving the scale's full EPR
  double full_scale_deg;
  const char* mid;
  const char* top;
  size_t ticks;
};

class EprScale : public UpperEicasEngines, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(EprScale, LabelsTicksAndNeedleByEngineFamily) {
  const ScaleCase& c = GetParam();
  engine_type = c.engine;
  SetToken(627, c.n1_for_full_scale);
  PaintUpper();
  EXPECT_EQ(TextAt(kEprCentreX - 10, kEprCentreY + 12).text, c.mid);
  EXPECT_EQ(TextAt(kEprCentreX - 20, kEprCentreY - 15).text, c.top);
  const size_t ticks = MarkAngles(kEprCentreX, kEprCentreY, 23, 28).size();
  EXPECT_EQ(ticks, c.ticks);
  EXPECT_NEAR(NeedleDeg(kEprCentreX, kEprCentreY, 34), c.full_scale_deg, 0.01);
  ResetEngineEprGlobals();  // no tables: EPR 0.00, below the scale's start
  PaintUpper();
  EXPECT_EQ(TextAt(kEprCentreX, 21).text, "0.00");
  EXPECT_NEAR(NeedleDeg(kEprCentreX, kEprCentreY, 34), 0.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Families, EprScale,
                         ::testing::Values(ScaleCase{"PW2037", 100.0, 131.0, "1.4", "1.8", 8},
                                           ScaleCase{"RB211-535E4B", 106.0, 189.0, "1.5", "2.0", 10}),
                         [](const auto& info) { return std::string(info.param.mid[2] == '4' ? "Pw" : "Rb"); });

TEST_F(UpperEicasEngines, N1AndEgtNeedlesAndLimits) {
  SetToken(626, 109.5);
  PaintUpper();
  EXPECT_EQ(BoxColour(138, 88), palette::kWhite);
  EXPECT_EQ(TextAt(138, 91), (Shown{"109.5", 138, 91, palette::kWhite}));
  SetToken(626, 110.0);
  SetToken(645, 120.0);
  PaintUpper();
  EXPECT_EQ(BoxColour(138, 88), palette::kAmber);
  EXPECT_EQ(TextAt(138, 91).colour, palette::kAmber);
  EXPECT_NEAR(NeedleDeg(138, 108, 28), 210.0, 0.01);
  EXPECT_NEAR(NeedleDeg(211, 108, 28), 210.0, 0.01);  // parked above 110
  // EGT: token 567 in Rankine; 0 C points at 0 degrees.
  SetToken(567, 491.69);
  PaintUpper();
  EXPECT_NEAR(NeedleDeg(138, 178, 28), 0.0, 0.01);
  EXPECT_EQ(TextAt(138, 161).text, "  0");
}

TEST_F(UpperEicasEngines, ReferenceChevronTurnsMagentaUnderVnavSpeed) {
  epr_bug = 1.5;      // the 1.9 scale: (1.5 - 1) / 0.9 x 189 = 105 degrees
  epr_bug_2 = 1.2;     // 42 degrees
  PaintUpper();
  EXPECT_EQ(MarkAngles(138, 38, 29, 31, palette::kGreen).size(), 1u);
  EXPECT_NEAR(MarkAngles(138, 38, 29, 31, palette::kGreen).at(0), 105.0, 0.01);
  EXPECT_NEAR(MarkAngles(211, 38, 29, 31, palette::kGreen).at(0), 105.0, 0.01);  // green: both on epr_bug
  vnav = 1;
  PaintUpper();
  EXPECT_NEAR(MarkAngles(138, 38, 29, 31, palette::kMagenta).at(0), 105.0, 0.01);
  EXPECT_NEAR(MarkAngles(211, 38, 29, 31, palette::kMagenta).at(0), 42.0, 0.01);
}

}  // namespace
