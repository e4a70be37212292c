#include "displays/pfd_speed_tape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "displays/pfd_fixture.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "frame/geodesy.h"
#include "frame/sim_access.h"
#include "state/aircraft_id.h"

namespace {

using gfx::OpKind;

struct PlacardCase {
  double flap_deg;
  const char* model;
  int32_t kt;
};

class PfdPlacard : public ::testing::TestWithParam<PlacardCase> {};

TEST_P(PfdPlacard, FirstRowWhoseBoundTheAngleReaches) {
  EXPECT_EQ(PfdPlacardSpeed(GetParam().flap_deg, GetParam().model), GetParam().kt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PfdPlacard,
    ::testing::Values(PlacardCase{30.0, "757 - 300", 168}, PlacardCase{29.99, "757 - 200", 162},
                      PlacardCase{29.98, "757 - 300", 190}, PlacardCase{24.99, "757 - 200", 190},
                      PlacardCase{19.99, "757 - 300", 205}, PlacardCase{19.99, "757 - 200", 195},
                      PlacardCase{14.99, "757 - 300", 215}, PlacardCase{14.99, "757 - 200", 210},
                      PlacardCase{4.99, "757 - 300", 225}, PlacardCase{4.98, "757 - 300", 245},
                      PlacardCase{4.98, "757 - 200", 240}, PlacardCase{0.01, "757 - 300", 245},
                      PlacardCase{0.0, "757 - 300", 999}, PlacardCase{-2.0, "757 - 200", 999}));

class PfdSpeedTape : public PfdTest {
 protected:
  // White tape ticks: the scale pen's strokes from -116 to -106.
  std::vector<double> TickYs() const {
    std::vector<double> ys;
    for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdWhite)) {
      const auto p = Points(op);
      if (p.size() == 2 && std::fabs(p[0].x - FineX(-116)) < 1e-3 && std::fabs(p[1].x - FineX(-106)) < 1e-3) {
        ys.push_back(p[0].y);
      }
    }
    return ys;
  }
  std::vector<const gfx::Op*> RedDashes() const { return Ops(OpKind::Stroke, kPfdRed); }
  std::vector<std::string> AmberTexts() const {
    std::vector<std::string> out;
    for (const gfx::Op* op : rec_.TextOps()) {
      if (op->color == kPfdAmber) out.push_back(rec_.TextOf(*op)->text);
    }
    return out;
  }
};

// At 0 kt the scale is drawn as for 30: its lowest tick on the centre line, the readout 30; the
// shared airspeed keeps its value.
TEST_F(PfdSpeedTape, StandingStillDrawsTheScaleAsFor30Knots) {
  ias = 0.0;
  Paint();
  const auto ticks = TickYs();
  ASSERT_EQ(ticks.size(), 7u);  // 30 .. 90
  EXPECT_NEAR(ticks.front(), FineY(0), 1e-3);
  EXPECT_NE(Text(" 40"), nullptr);
  EXPECT_NE(Text(" 80"), nullptr);
  EXPECT_EQ(Text("100"), nullptr);
  EXPECT_NE(Text(" 30"), nullptr);
  EXPECT_EQ(ias, 0.0);
}

TEST_F(PfdSpeedTape, LabelsEveryTwentyKnotsAroundTheSpeed) {
  ias = 250.4;
  Paint();
  for (int kt = 180; kt <= 300; kt += 20) {
    const gfx::RecordedText* t = Text(std::to_string(kt));
    ASSERT_NE(t, nullptr) << kt;
    EXPECT_TEXT_AT(t, FineX(-140), FineY((250 - kt + 0.4) * 1.55 - 5));
  }
  EXPECT_EQ(Text("160"), nullptr);
  EXPECT_EQ(Text("320"), nullptr);
  EXPECT_NE(Text("250"), nullptr);  // the readout
}

TEST_F(PfdSpeedTape, GearDownCapsTheMaximumAt270) {
  ias = 250.0;
  ground_speed = 150.0;
  gear1_pos = 16383.0;
  SetToken(63, 300.0 * 128.0);
  Paint();
  const auto dashes = RedDashes();
  ASSERT_EQ(dashes.size(), 12u);  // (250 + 70 - 270) / 4
  EXPECT_NEAR(Points(dashes[0])[0].y, FineY(-31), 1e-3);
  EXPECT_NEAR(Points(dashes[1])[0].y, FineY(-39), 1e-3);
  EXPECT_NEAR(Points(dashes[0])[0].x, FineX(-100), 1e-3);
}

TEST_F(PfdSpeedTape, MaximumFarAboveGivesThirtyDashesOffTheTape) {
  ias = 250.0;
  ground_speed = 150.0;
  SetToken(63, 340.0 * 128.0);
  Paint();
  const auto dashes = RedDashes();
  ASSERT_EQ(dashes.size(), 30u);
  EXPECT_NEAR(Points(dashes[0])[0].y, FineY(-139), 1e-3);
}

TEST_F(PfdSpeedTape, MinimumSpeedBarAboveTheReferenceSpeed) {
  ias = 100.0;
  ground_speed = 150.0;
  SetToken(63, 999.0 * 128.0);
  Paint();
  const double y = -((SelectRefSpeedsByWeight() + 5.0) - 100.0) * 1.55;
  const auto amber = Ops(OpKind::Stroke, kPfdAmber);
  ASSERT_EQ(amber.size(), 2u);
  EXPECT_NEAR(Points(amber[0])[0].y, FineY(y), 1e-3);
  EXPECT_NEAR(Points(amber[0])[1].y, FineY(y - 20), 1e-3);
  const auto dashes = RedDashes();
  ASSERT_EQ(dashes.size(), 30u);
  EXPECT_NEAR(Points(dashes[29])[0].y, FineY(y + 232), 1e-3);
}

TEST_F(PfdSpeedTape, NoLimitsAtOrBelow100KnotsOverTheGround) {
  ias = 100.0;
  ground_speed = 100.0;
  gear1_pos = 16383.0;
  SetToken(63, 150.0 * 128.0);
  Paint();
  EXPECT_TRUE(RedDashes().empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kPfdAmber).empty());
}

struct VSpeedCase {
  int32_t v1, vr, v2;
  double radio_ft;
  std::vector<std::string> labels;
};

class PfdVSpeeds : public PfdSpeedTape, public ::testing::WithParamInterface<VSpeedCase> {};

TEST_P(PfdVSpeeds, LabelsByTheSpeedsAndHeight) {
  const VSpeedCase& c = GetParam();
  ias = 120.0;
  v1 = c.v1;
  vr = c.vr;
  v2 = c.v2;
  radio_height = c.radio_ft;
  Paint();
  EXPECT_EQ(AmberTexts(), c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PfdVSpeeds,
    ::testing::Values(VSpeedCase{130, 140, 150, 0.0, {"V1", "VR", "V2"}},
                      VSpeedCase{130, 140, 150, 500.0, {"V2"}},
                      VSpeedCase{130, 140, 150, 900.0, {}},
                      VSpeedCase{138, 140, 150, 0.0, {"R"}},
                      VSpeedCase{130, 140, 142, 0.0, {"R"}},
                      VSpeedCase{130, 140, 0, 0.0, {"V1", "VR"}},
                      VSpeedCase{0, 0, 0, 0.0, {"NO", "V", "S", "P", "D"}},
                      VSpeedCase{0, 0, 0, 40.0, {}}));

TEST_F(PfdSpeedTape, VrStandsInForAMissingV1) {
  ias = 120.0;
  vr = 150;
  v2 = 160;
  radio_height = 0.0;
  Paint();
  EXPECT_EQ(v1, 150);
  EXPECT_EQ(AmberTexts(), std::vector<std::string>{"R"});
  EXPECT_TEXT_AT(Text("R"), FineX(-102), FineY(-(150 - 120.0) * 1.55 - 3));
}

TEST_F(PfdSpeedTape, ReferenceSpeedAbove300Feet) {
  ias = 150.0;
  vref = 140;
  radio_height = 301.0;
  Paint();
  EXPECT_EQ(TextColour("REF"), kPfdGreen);
  EXPECT_TEXT_AT(Text("REF"), FineX(-105), FineY(15.5 - 3));
  radio_height = 300.0;
  Paint();
  EXPECT_EQ(Text("REF"), nullptr);
}

TEST_F(PfdSpeedTape, HistoryShiftsAndTrendComparesNewestWithOldest) {
  for (int i = 0; i < kPfdIasHistRows; ++i) pfd_ias_hist[i] = 110.0 - 4.0 * i;  // oldest 50
  SetToken(61, 100.0);
  const double smoothed = 0.7 * sim_vars.old + 0.3 * 100.0;
  Paint();
  EXPECT_DOUBLE_EQ(pfd_ias_trend, (110.0 - 50.0) / 14.0);
  EXPECT_DOUBLE_EQ(pfd_ias_hist[0], smoothed);
  EXPECT_DOUBLE_EQ(pfd_ias_hist[1], 110.0);
  EXPECT_DOUBLE_EQ(pfd_ias_hist[15], 54.0);
}

struct TrendCase {
  double predicted;
  double d;      // arrow length, units (negative up)
  size_t heads;  // 0 or 2
};

class PfdTrendArrow : public PfdSpeedTape, public ::testing::WithParamInterface<TrendCase> {};

TEST_P(PfdTrendArrow, PointsFromTheCentreTowardThePrediction) {
  ias_predicted = GetParam().predicted;  // the smoothed reads stay at 0
  Paint();
  const auto green = Ops(OpKind::Stroke, kPfdGreen);
  ASSERT_EQ(green.size(), 1u + GetParam().heads);
  const double d = GetParam().d;
  EXPECT_NEAR(Points(green[0])[1].y, FineY(d), 1e-3);
  if (GetParam().heads == 0) return;
  const double tip = d < 0 ? d - 1 : d + 1;
  EXPECT_NEAR(Points(green[1])[1].y, FineY(tip), 1e-3);
  EXPECT_NEAR(Points(green[1])[0].y, FineY(d < 0 ? d + 2 : d - 2), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Cases, PfdTrendArrow,
                         ::testing::Values(TrendCase{10.0, -15.5, 2}, TrendCase{-10.0, 15.5, 2},
                                           TrendCase{100.0, -92.0, 2}, TrendCase{-100.0, 92.0, 2},
                                           TrendCase{0.0, 0.0, 0}));

struct WindowCase {
  int32_t mach_mode;
  double mach, kt;
  const char* text;
  double x;
};

class PfdSpeedWindow : public PfdSpeedTape, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(PfdSpeedWindow, ShowsTheMcpSpeedOrMach) {
  const WindowCase& c = GetParam();
  speed_mode_select = c.mach_mode;
  ap_mach_bug = c.mach;
  ap_spdbug = c.kt;
  Paint();
  EXPECT_EQ(TextColour(c.text), kPfdMagenta) << c.text;
  EXPECT_TEXT_AT(Text(c.text), CanvasX(c.x), CanvasY(-110));
}

// Near Mach 1 the short form would read ".1000": the window spells the number out instead.
INSTANTIATE_TEST_SUITE_P(Cases, PfdSpeedWindow,
                         ::testing::Values(WindowCase{1, 0.78, 250.0, ".780", -130},
                                           WindowCase{1, 0.9994, 250.0, ".999", -130},
                                           WindowCase{1, 0.9996, 250.0, "1.000", -130},
                                           WindowCase{0, 0.78, 250.0, "250", -150},
                                           WindowCase{0, 0.78, 99.0, " 99", -150}));

}  // namespace
