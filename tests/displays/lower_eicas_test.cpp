// The lower EICAS pages: the secondary engine page by engine layout and limits, and the status page.
#include <gtest/gtest.h>

#include <vector>

#include "displays/eicas_fixture.h"
#include "state/aircraft_id.h"

namespace {

using LowerEicas = EicasTest;

TEST_F(LowerEicas, OnlyPw2043DropsTheN3Row) {
  SetToken(627, 80.0);
  SetToken(421, 4200.0);  // engine 1 fuel flow, from the first token family
  SetToken(657, 5100.0);  // engine 2, from the second while 460 reads 0
  engine_type = "PW2043";
  PaintLower();
  EXPECT_EQ(TextAt(138, 91).text + TextAt(211, 91).text + TextAt(165, 130).text, "4.25.1FF");
  engine_type = "PW2037";
  PaintLower();
  EXPECT_EQ(TextAt(138, 91).text + TextAt(138, 161).text + TextAt(165, 200).text, " 834.2FF");
}

struct N2Case {
  double n2;
  gfx::ARGB box, text;
  double needle_deg;
};
class N2Limits : public EicasTest, public ::testing::WithParamInterface<N2Case> {};

TEST_P(N2Limits, BoxReadoutAndNeedle) {
  SetToken(627, GetParam().n2);
  PaintLower();
  EXPECT_EQ(BoxColour(138, 18), GetParam().box);
  EXPECT_EQ(TextAt(138, 21).colour, GetParam().text);
  EXPECT_NEAR(NeedleDeg(138, 38, 28), GetParam().needle_deg, 0.01);
}

constexpr gfx::ARGB W = palette::kWhite, R = palette::kRed;
INSTANTIATE_TEST_SUITE_P(Values, N2Limits,
                         ::testing::Values(N2Case{55.0, W, W, 105.0}, N2Case{109.6, R, W, 109.6 / 110 * 210},
                                           N2Case{110.0, R, R, 210.0}, N2Case{120.0, R, R, 210.0}));

TEST_F(LowerEicas, OilPointersFollowTheirScales) {
  SetToken(562, 0.0);            // engine 1 oil pressure 0 psi: on the red line
  SetToken(572, 145.0 * 144.0);  // engine 2 at full scale (pounds per square foot)
  SetToken(561, 491.69);         // engine 1 oil at 0 C (Rankine)
  PaintLower();
  EXPECT_EQ(PointerTipsAt(57), (std::vector<double>{50, 100, 122}));  // pressure, temperature, quantity
  EXPECT_EQ(PointerTipsAt(62).front(), 10.0);
  EXPECT_EQ(TextAt(22, 121).text + TextAt(72, 121).text, " 21 21");
}

TEST_F(LowerEicas, StatusPointersCentreAtNeutralAndAileronsMoveOppositely) {
  lower_eicas_mode = 2;
  PaintLower();
  EXPECT_EQ(PointerTipsAt(80), std::vector<double>{99});  // rudder
  for (double tip : {39.0, 41.0, 79.0, 81.0, 119.0, 121.0}) EXPECT_EQ(PointerTipsAt(tip), std::vector<double>{155});
  ov_l_aileron_position = ov_r_aileron_position = 371;
  ov_elevator_position = 229;
  ov_rudder_position = 331;  // 92.4: truncated
  PaintLower();
  EXPECT_EQ(PointerTipsAt(39).front(), 180.0);
  EXPECT_EQ(PointerTipsAt(119).front(), 129.0);
  EXPECT_EQ(PointerTipsAt(79).front(), 180.0);
  EXPECT_EQ(PointerTipsAt(92).size(), 1u);
}

TEST_F(LowerEicas, StatusReadings) {
  lower_eicas_mode = 2;
  l_hyd_press = 3150;
  c_hyd_press = 3040;
  r_hyd_press = 50;
  PaintLower();
  EXPECT_EQ(TextAt(80, 26), (Shown{"3150  3040    50", 80, 26, palette::kWhite}));
  EXPECT_EQ(TextAt(75, 55).text + TextAt(180, 42).text, "1750FULL");
}

}  // namespace
