#include "nd/trend_vector.h"

#include <gtest/gtest.h>

#include <utility>

#include "nd/map_fixture.h"

namespace {

using gfx::OpKind;

TEST(TrendTurn, Bank25At250KnotsTurnsTwoDegreesASecond) {
  TrendTurn t{};
  ASSERT_TRUE(ComputeTrendTurn(250.0, 25.0, 236.0 / 40.0, &t));
  const double radius_ft = 62500.0 / (11.23 * std::tan(25.0 * 0.01745));
  EXPECT_NEAR(t.radius_nm, radius_ft / 6076.1, 1e-9);
  EXPECT_NEAR(t.rate_deg_s, 2.03, 0.01);
  EXPECT_EQ(t.diameter, std::trunc(2.0 * t.radius_nm * 236.0 / 40.0));
}

// No bank, no ground speed or a circle too big to draw: nothing.
TEST(TrendTurn, UndrawableTurnsAreRefused) {
  TrendTurn t{};
  EXPECT_FALSE(ComputeTrendTurn(250.0, 0.0, 5.9, &t));
  EXPECT_FALSE(ComputeTrendTurn(0.0, 20.0, 5.9, &t));
  EXPECT_FALSE(ComputeTrendTurn(-10.0, 20.0, 5.9, &t));
  EXPECT_FALSE(ComputeTrendTurn(250.0, 1e-6, 5.9, &t));   // diameter far above 100,000 units
  EXPECT_FALSE(ComputeTrendTurn(1e200, 20.0, 5.9, &t));   // beyond the doubles
  EXPECT_TRUE(ComputeTrendTurn(250.0, -20.0, 5.9, &t));
}

class TrendVectorTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    ground_speed = 250.0;
    plane_bank = 25.0;
  }
  std::vector<const gfx::Op*> Arcs() {
    fpnd_rng_nm = range_;
    map_px_per_nm = 236.0 / range_;
    RecordLayer(kFpNdCanvas, 159.0, 272.0, DrawTrendVectorFpNd);
    return Ops(OpKind::Stroke, kWhiteInk);
  }
  double range_ = 40.0;
};

// 0-30 s always, 33-60 s from 20 NM, 63-90 s above 20 NM.
TEST_F(TrendVectorTest, SegmentsByRange) {
  for (const auto& [range, arcs] : {std::pair{10.0, 1u}, {20.0, 2u}, {40.0, 3u}}) {
    range_ = range;
    EXPECT_EQ(Arcs().size(), arcs) << range;
  }
}

// A positive bank turns left: the circle lies left of the aircraft, and the other way round.
TEST_F(TrendVectorTest, CircleLiesOnTheSideOfTheTurn) {
  for (const gfx::Op* op : Arcs()) {
    EXPECT_LE(op->bounds.GetRight(), 159.0 + 1e-3);
    EXPECT_LE(op->bounds.GetBottom(), 272.0 + 1.0);  // forward of the aircraft (boxes are whole units)
  }
  plane_bank = -25.0;
  for (const gfx::Op* op : Arcs()) {
    EXPECT_GE(op->bounds.X, 159.0 - 1e-3);
    EXPECT_LE(op->bounds.GetBottom(), 272.0 + 1.0);
  }
  // The first segment starts at the aircraft.
  const auto first = rec().PointsOf(*Arcs().front());
  EXPECT_NEAR(first[0].x, 159.0, 0.01);
  EXPECT_NEAR(first[0].y, 272.0, 1.0);
}

// The radius and diameter are left in the scratch values; level wings or no speed draw nothing.
TEST_F(TrendVectorTest, LeavesTheTurnInTheScratchValuesAndDrawsNothingUndrawable) {
  Arcs();
  TrendTurn t{};
  ASSERT_TRUE(ComputeTrendTurn(250.0, 25.0, 236.0 / 40.0, &t));
  EXPECT_DOUBLE_EQ(calc_dist2, t.radius_nm);
  EXPECT_DOUBLE_EQ(calc_dist, t.diameter);
  plane_bank = 0.0;
  EXPECT_TRUE(Arcs().empty());
  plane_bank = 10.0;
  ground_speed = 0.0;
  EXPECT_TRUE(Arcs().empty());
}

}  // namespace
