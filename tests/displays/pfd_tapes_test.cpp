// The PFD's speed tape with its window and the shared airspeed trend, and the altitude tape with
// its window and the radio altitude.
#include "displays/pfd_speed_tape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "displays/display_fixtures.h"
#include "displays/eadi_speed_tape.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "base/geodesy.h"
#include "sim/derived_samples.h"

namespace {

using gfx::OpKind;

TEST(PfdPlacard, FirstRowWhoseBoundTheAngleReaches) {
  for (const auto& [deg, model, kt] : {std::tuple{30.0, "757 - 300", 168}, {4.99, "757 - 300", 225},
                                       {4.98, "757 - 300", 245}, {4.98, "757 - 200", 240}, {0.0, "757 - 300", 999}}) {
    EXPECT_EQ(FlapPlacardSpeed(deg, model), kt) << deg << model;
  }
}

class PfdSpeedTape : public PfdTest {
 protected:
  std::vector<const gfx::Op*> RedDashes() const { return Ops(OpKind::Stroke, kPfdRed); }
  std::vector<std::string> AmberTexts() const {
    std::vector<std::string> out;
    for (const gfx::Op* op : rec_.TextOps()) {
      if (op->color == kPfdAmber) out.push_back(rec_.TextOf(*op)->text);
    }
    return out;
  }
};

// At 0 kt the scale and readout are drawn as for 30 while the shared airspeed keeps its value.
TEST_F(PfdSpeedTape, ScaleStartsAt30Knots) {
  ias = 0.0;
  Paint();
  ExpectTextAt(Text(" 40"), FineX(-140), FineY(-10 * 1.55 - 5));
  EXPECT_EQ(Text(" 20"), nullptr);
  EXPECT_EQ(ias, 0.0);
}

// More than 70 kt above the speed: thirty dashes; gear down caps the maximum at
// 270. The minimum-speed bar stands 5 kt above the weight's reference speed. Neither at or below
// 100 kt over the ground.
TEST_F(PfdSpeedTape, SpeedLimitDashesAndMinimumSpeedBar) {
  ias = 250.0;
  ground_speed = 150.0;
  SetToken(63, 340.0 * 128.0);
  Paint();
  ASSERT_EQ(RedDashes().size(), 30u);
  gear1_pos = 16383.0;
  SetToken(63, 300.0 * 128.0);
  Paint();
  ASSERT_EQ(RedDashes().size(), 12u);  // (250 + 70 - 270) / 4
  EXPECT_NEAR(Points(RedDashes()[0])[0].y, FineY(-31), 1e-3);
  ias = 100.0;
  Paint();
  const double y = -((SelectRefSpeedsByWeight() + 5.0) - 100.0) * 1.55;
  const auto amber = Ops(OpKind::Stroke, kPfdAmber);
  ASSERT_EQ(amber.size(), 2u);
  EXPECT_NEAR(Points(amber[0])[0].y, FineY(y), 1e-3);
  ground_speed = 100.0;
  Paint();
  EXPECT_TRUE(RedDashes().empty());
  EXPECT_TRUE(Ops(OpKind::Stroke, kPfdAmber).empty());
}

// V1 left at 0 takes VR (the callouts read it); close speeds show only "R", at the VR position.
TEST_F(PfdSpeedTape, VSpeedLabelsBySpeedsAndHeight) {
  struct Case {
    int32_t v1, vr, v2;
    double radio_ft;
    std::vector<std::string> labels;
  };
  const Case cases[] = {{130, 140, 150, 0.0, {"V1", "VR", "V2"}}, {130, 140, 150, 500.0, {"V2"}},
                        {130, 140, 150, 900.0, {}},               {138, 140, 150, 0.0, {"R"}},
                        {0, 150, 160, 0.0, {"R"}},                {0, 0, 0, 0.0, {"NO", "V", "S", "P", "D"}},
                        {0, 0, 0, 40.0, {}}};
  for (const Case& c : cases) {
    ias = 120.0;
    std::tie(v1, vr, v2, radio_height) = std::tuple(c.v1, c.vr, c.v2, c.radio_ft);
    Paint();
    EXPECT_EQ(AmberTexts(), c.labels) << c.v1 << " " << c.vr << " " << c.radio_ft;
    EXPECT_EQ(v1, c.v1 != 0 ? c.v1 : c.vr);
    if (c.labels == std::vector<std::string>{"R"}) {
      ExpectTextAt(Text("R"), FineX(-102), FineY(-(c.vr - 120.0) * 1.55 - 3));
    }
  }
}

TEST_F(PfdSpeedTape, ReferenceSpeedAbove300Feet) {
  ias = 150.0;
  vref = 140;
  radio_height = 301.0;
  Paint();
  ExpectTextAt(Text("REF"), FineX(-105), FineY(15.5 - 3));
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

// From the centre toward the prediction, limited to 92 units; no head without a trend.
TEST_F(PfdSpeedTape, TrendArrowPointsTowardThePrediction) {
  for (const auto& [predicted, d] : {std::pair{10.0, -15.5}, {-100.0, 92.0}, {0.0, 0.0}}) {
    ias_predicted = predicted;  // the smoothed reads stay at 0
    Paint();
    const auto green = Ops(OpKind::Stroke, kPfdGreen);
    ASSERT_EQ(green.size(), d == 0.0 ? 1u : 3u) << predicted;
    EXPECT_NEAR(Points(green[0])[1].y, FineY(d), 1e-3);
    if (d == 0.0) continue;
    EXPECT_NEAR(Points(green[1])[1].y, FineY(d < 0 ? d - 1 : d + 1), 1e-3);
  }
}

// Near Mach 1 the short form would read ".1000": the window spells the number out instead.
TEST_F(PfdSpeedTape, WindowShowsTheMcpSpeedOrMach) {
  for (const auto& [mach_mode, mach, text, x] : {std::tuple{1, 0.9994, ".999", -130}, {1, 0.9996, "1.000", -130},
                                                 {0, 0.78, "250", -150}}) {
    speed_mode_select = mach_mode;
    ap_mach_bug = mach;
    ap_spdbug = 250.0;
    Paint();
    ExpectTextAt(Text(text), CanvasX(x), CanvasY(-110));
  }
}

TEST_F(PfdTest, RadioAltitudeAndDecisionHeightBelow2500InTensAbove10Feet) {
  SetToken(615, 250.0);  // the decision height where `simver` is 9
  for (const auto& [radio_ft, readout] : {std::pair{2500.0, ""}, {2499.0, " 2500"}, {10.5, "   10"}, {10.0, "  10"},
                                          {-9.0, "  -9"}}) {
    radio_height = radio_ft;
    Paint();
    if (*readout == '\0') {
      EXPECT_EQ(Text("RAD"), nullptr);
      EXPECT_EQ(Text("250"), nullptr);
      continue;
    }
    ExpectTextAt(Text(readout), CanvasX(-20), CanvasY(58));
    EXPECT_NE(Text("RAD"), nullptr);
    ExpectTextAt(Text("250"), CanvasX(80), CanvasY(90));
  }
}

// Below 0 ft the scale goes on as above it: a whole and a fractional altitude draw the same labels
// and ticks (every 200 and 100 ft), the fraction only moving them.
TEST_F(PfdTest, AltitudeScaleGoesOnBelowZeroFeet) {
  using Labels = std::vector<std::string>;
  for (const auto& [alt, labels] : {std::pair{-11.0, Labels{"400", "200", "00", "-200", "-400"}},
                                    {-11.3, Labels{"400", "200", "00", "-200", "-400"}},
                                    {123.0, Labels{"600", "400", "200", "00", "-200"}},
                                    {123.4, Labels{"600", "400", "200", "00", "-200"}}}) {
    plane_alt = alt;
    Paint();
    Labels seen;
    for (const gfx::Op* op : rec_.TextOps()) {
      const gfx::RecordedText* t = rec_.TextOf(*op);
      if (std::abs(t->position.X - FineX(120)) < 0.01) seen.push_back(t->text);
    }
    EXPECT_EQ(seen, labels) << alt;
    int ticks = 0;
    for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdWhite)) {
      const auto p = Points(op);
      ticks += p.size() == 2 && std::abs(p[0].x - FineX(108)) < 0.01 && std::abs(p[1].x - FineX(118)) < 0.01;
    }
    EXPECT_EQ(ticks, 10) << alt;
    ExpectTextAt(Text("-200"), FineX(120), FineY((std::floor(alt) + 200.0) * 0.2325 - 5));
  }
}

TEST_F(PfdTest, NonFiniteAltitudeStillEndsThePaint) {
  plane_alt = std::numeric_limits<double>::infinity();
  radio_height = 100.0;
  Paint();
  EXPECT_NE(Text("RAD"), nullptr);
}

}  // namespace
