// The lower EICAS pages: the secondary engine page by engine layout and limits, and the status page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "displays/eicas_fixture.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"

namespace {

class SecondaryPage : public EicasTest {
 protected:
  void SetUp() override {
    EicasTest::SetUp();
    lower_eicas_mode = 1;
  }
};

TEST_F(SecondaryPage, Pw2043HasNoN3Row) {
  SetToken(627, 80.0);
  SetToken(421, 4200.0);  // engine 1 fuel flow, from the first token family
  SetToken(657, 5100.0);  // engine 2, from the second while 460 reads 0
  engine_type = "PW2043";
  PaintLower();
  EXPECT_EQ(TextAt(138, 91).text, "4.2");  // fuel flow in the second row
  EXPECT_EQ(TextAt(211, 91).text, "5.1");
  EXPECT_EQ(TextAt(165, 130).text, "FF");
  EXPECT_FALSE(Has("3"));
  engine_type = "PW2037";  // not exactly PW2043: N3 = N2 + 3 and fuel flow at the bottom
  PaintLower();
  EXPECT_EQ(TextAt(138, 91).text, " 83");
  EXPECT_EQ(TextAt(138, 161).text, "4.2");
  EXPECT_EQ(TextAt(165, 200).text, "FF");
}

struct N2Case {
  double n2;
  gfx::ARGB box, text;
  double needle_deg;
};

class N2Limits : public SecondaryPage, public ::testing::WithParamInterface<N2Case> {};

TEST_P(N2Limits, BoxReadoutAndNeedle) {
  const N2Case& c = GetParam();
  SetToken(627, c.n2);
  PaintLower();
  EXPECT_EQ(BoxColour(138, 18), c.box);
  EXPECT_EQ(TextAt(138, 21).colour, c.text);
  EXPECT_NEAR(NeedleDeg(138, 38, 28), c.needle_deg, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Values, N2Limits,
                         ::testing::Values(N2Case{55.0, palette::kWhite, palette::kWhite, 105.0},
                                           N2Case{109.6, palette::kRed, palette::kWhite, 109.6 / 110 * 210},
                                           N2Case{110.0, palette::kRed, palette::kRed, 210.0},
                                           N2Case{120.0, palette::kRed, palette::kRed, 210.0}));

TEST_F(SecondaryPage, OilPointersFollowTheirScales) {
  SetToken(562, 0.0);            // engine 1 oil pressure 0 psi: on the red line
  SetToken(572, 145.0 * 144.0);  // engine 2 at full scale (token in pounds per square foot)
  SetToken(561, 491.69);         // engine 1 oil at 0 C (token in Rankine)
  PaintLower();
  EXPECT_EQ(PointerTipsAt(57), (std::vector<double>{50, 100, 122}));  // pressure, temperature 0 C, quantity
  EXPECT_EQ(PointerTipsAt(62).front(), 10.0);
  EXPECT_EQ(TextAt(22, 121).text, " 21");
  EXPECT_EQ(TextAt(72, 121).text, " 21");
  EXPECT_EQ(TextAt(30, 40).text, "OIL       PRESS");
}

TEST_F(SecondaryPage, LiteModeMarkOnlyWhenShown) {
  lite_mode = 1;
  PaintLower();
  EXPECT_FALSE(Has("(LM)"));
  ShowLiteModeStatus = 1;
  PaintLower();
  EXPECT_EQ(TextAt(200, 0), (Shown{"(LM)", 200, 0, palette::kGreen}));
}

class StatusPage : public EicasTest {
 protected:
  void SetUp() override {
    EicasTest::SetUp();
    lower_eicas_mode = 2;
  }
};

TEST_F(StatusPage, NeutralSurfacesCentreEveryPointer) {
  PaintLower();
  EXPECT_EQ(PointerTipsAt(80), (std::vector<double>{99}));  // the rudder's, along the bottom
  for (double x0 : {40.0, 80.0, 120.0}) {
    EXPECT_EQ(PointerTipsAt(x0 - 1), (std::vector<double>{155})) << x0;
    EXPECT_EQ(PointerTipsAt(x0 + 1), (std::vector<double>{155})) << x0;
  }
}

TEST_F(StatusPage, AileronsMoveInOppositeSensesAndTruncate) {
  ov_l_aileron_position = 371;
  ov_r_aileron_position = 371;
  ov_elevator_position = 229;
  ov_rudder_position = 331;  // 12.4 to the right
  PaintLower();
  EXPECT_EQ(PointerTipsAt(39).front(), 180.0);
  EXPECT_EQ(PointerTipsAt(119).front(), 129.0);
  EXPECT_EQ(PointerTipsAt(79).front(), 180.0);
  EXPECT_EQ(PointerTipsAt(92).size(), 1u);
}

TEST_F(StatusPage, FixedAndFormattedReadings) {
  l_hyd_press = 3150;
  c_hyd_press = 3040;
  r_hyd_press = 50;
  apu_egt = 412.4;
  PaintLower();
  EXPECT_EQ(TextAt(80, 26), (Shown{"3150  3040    50", 80, 26, palette::kWhite}));
  EXPECT_EQ(TextAt(75, 55).text, "1750");
  EXPECT_EQ(TextAt(180, 42).text, "FULL");
  EXPECT_EQ(TextAt(60, 42).text, "412");
  EXPECT_EQ(TextAt(0, 26).colour, palette::kCyan);
}

}  // namespace
