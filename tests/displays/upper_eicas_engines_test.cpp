// The upper EICAS engine dials and the thrust-reference state the painter keeps.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/panel_input_globals.h"
#include "displays/eicas_fixture.h"
#include "fmc/engine_epr.h"
#include "fmc/thrust_limits.h"
#include "fmc/vnav_targets.h"
#include "frame/frame_globals.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"

namespace {

class UpperEicasEngines : public EicasTest {
 protected:
  void SetUp() override {
    EicasTest::SetUp();
    InitThrustLimitTables();
    FillN1EprTables();
    thr_ref_to_req = 0;  // its load value asks the first paint for the take-off reference
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
  std::tie(flap_angle, ias, radio_height, vert_speed) = std::tuple(c.flaps, c.ias_kt, c.radio_ft, c.vs_fpm);
  vnav_tgt_vs = -1800;
  thr_limit_refresh_cnt = 1;  // no periodic refresh
  epr_bug = epr_bug_2 = 9.99;
  PaintUpper();
  PaintUpper();
  EXPECT_EQ(tmsp, c.switches ? 2 : 3);
  ASSERT_EQ(host_.key_events().size(), c.switches ? 1u : 0u);
  EXPECT_DOUBLE_EQ(epr_bug, c.switches ? GetThrustLimitEpr(0.0) : 9.99);
  EXPECT_DOUBLE_EQ(epr_bug_2, epr_bug);
  if (c.switches) {
    EXPECT_EQ(host_.key_events()[0].event_id, 0x101F4u);
    EXPECT_EQ(host_.key_events()[0].value, -1800);
  }
}

INSTANTIATE_TEST_SUITE_P(Conditions, AutomaticGoAround,
                         ::testing::Values(GaCase{"Descending", 20, 150, 1000, -700, true},
                                           GaCase{"AtRadioHeightLimit", 20, 150, 2500, -700, false},
                                           GaCase{"AtSpeedLimit", 20, 100, 1000, -700, false},
                                           GaCase{"AtVerticalSpeedLimit", 20, 150, 1000, -200, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpperEicasEngines, ClimbAboveAccelerationHeightSwitchesToClb) {
  accel_ht = 1000;
  radio_height = 1001.0;
  vert_speed = 499.0;
  PaintUpper();
  EXPECT_EQ(tmsp, 1);
  vert_speed = 500.0;
  PaintUpper();
  EXPECT_EQ(tmsp, 3);
  EXPECT_TRUE(host_.key_events().empty());
}

struct TempCase {
  const char* name;
  int32_t mode, incr, decr;
  double before, after;  // assumed temperature, with 15 C measured
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
                                           TempCase{"RaiseStopsAt71", 1, 1, 0, 70.5, 71.0},
                                           TempCase{"LowerInTakeoff", 1, 0, 1, 40.0, 39.0},
                                           TempCase{"LowerNeverBelowMeasured", 1, 0, 1, 15.5, 15.0},
                                           TempCase{"LowerIgnoredOutsideTakeoff", 3, 0, 1, 40.0, 40.0},
                                           TempCase{"BothRequestsLowerInAnyMode", 3, 1, 1, 40.0, 39.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpperEicasEngines, ReferenceLineAndItsRefreshes) {
  SetTat(15.0);
  to_epr_temp_sel = 40.0;
  thr_ref_to_req = 1;
  PaintUpper();
  const double takeoff_ref = epr_bug;
  EXPECT_DOUBLE_EQ(takeoff_ref, GetThrustLimitEpr(40.0));
  EXPECT_EQ(TextAt(172, 0), (Shown{"40c", 172, 0, palette::kGreen}));
  EXPECT_EQ(TextAt(166, 8).text + TextAt(174, 8).text, "D-TO");
  to_epr_temp_sel = 15.5;  // within half a degree of the measured temperature: no derate
  tmsp = 3;                // and the climb reference is refreshed on every 541st paint
  thr_limit_refresh_cnt = 540;
  PaintUpper();
  EXPECT_FALSE(Has("D-"));
  EXPECT_EQ(epr_bug, takeoff_ref);
  PaintUpper();
  EXPECT_DOUBLE_EQ(epr_bug, GetThrustLimitEpr(0.0));
  EXPECT_EQ(TextAt(174, 8).text, "CLB");
}

struct ScaleCase {
  const char* engine;
  double n1_full_scale;  // token 627 giving the scale's top EPR
  double full_scale_deg;
  const char* mid;
  size_t ticks;
};
class EprScale : public UpperEicasEngines, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(EprScale, LabelsTicksAndNeedleByEngineFamily) {
  const ScaleCase& c = GetParam();
  engine_type = c.engine;
  SetToken(627, c.n1_full_scale);
  PaintUpper();
  EXPECT_EQ(TextAt(128, 50).text, c.mid);
  EXPECT_EQ(MarkAngles(138, 38, 23, 28).size(), c.ticks);
  EXPECT_NEAR(NeedleDeg(138, 38, 34), c.full_scale_deg, 0.01);
  ResetEngineEprGlobals();  // no tables: EPR 0.00 parks the needle at the start
  PaintUpper();
  EXPECT_EQ(TextAt(138, 21).text, "0.00");
  EXPECT_NEAR(NeedleDeg(138, 38, 34), 0.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Families, EprScale,
                         ::testing::Values(ScaleCase{"PW2037", 100.0, 131.0, "1.4", 8},
                                           ScaleCase{"RB211-535E4B", 106.0, 189.0, "1.5", 10}));

TEST_F(UpperEicasEngines, N1AndEgtLimitsAndNeedles) {
  SetToken(626, 109.5);
  SetToken(645, 120.0);
  SetToken(567, 491.69);  // 0 C (the token is in Rankine)
  PaintUpper();
  EXPECT_EQ(BoxColour(138, 88), palette::kWhite);
  EXPECT_EQ(TextAt(138, 91), (Shown{"109.5", 138, 91, palette::kWhite}));
  EXPECT_EQ(BoxColour(211, 88), palette::kAmber);
  EXPECT_EQ(TextAt(211, 91).colour, palette::kAmber);
  EXPECT_NEAR(NeedleDeg(211, 108, 28), 210.0, 0.01);
  EXPECT_NEAR(NeedleDeg(138, 178, 28), 0.0, 0.01);
}

TEST_F(UpperEicasEngines, ReferenceChevronsFollowEngine2sBugOnlyUnderVnavSpeed) {
  epr_bug = 1.5;    // 105 degrees on the 1.9 scale
  epr_bug_2 = 1.2;  // 42 degrees
  PaintUpper();
  EXPECT_NEAR(MarkAngles(211, 38, 29, 31, palette::kGreen).at(0), 105.0, 0.01);
  vnav = 1;
  PaintUpper();
  EXPECT_NEAR(MarkAngles(138, 38, 29, 31, palette::kMagenta).at(0), 105.0, 0.01);
  EXPECT_NEAR(MarkAngles(211, 38, 29, 31, palette::kMagenta).at(0), 42.0, 0.01);
}

}  // namespace
