#include "nd/trend_vector.h"

#include <gtest/gtest.h>

#include <utility>

#include "nd/map_fixture.h"

namespace {

using gfx::OpKind;

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

// 25 degrees of bank at 250 kt turn about two degrees a second; the painter leaves the radius and
// the diameter in the scratch values.
TEST_F(TrendVectorTest, Bank25At250KnotsTurnsTwoDegreesASecond) {
  Arcs();
  TrendTurn t{};
  ASSERT_TRUE(ComputeTrendTurn(250.0, 25.0, 236.0 / 40.0, &t));
  const double radius_ft = 62500.0 / (11.23 * std::tan(25.0 * 0.01745));
  EXPECT_NEAR(t.radius_nm, radius_ft / 6076.1, 1e-9);
  EXPECT_NEAR(t.rate_deg_s, 2.03, 0.01);
  EXPECT_EQ(t.diameter, std::trunc(2.0 * t.radius_nm * 236.0 / 40.0));
  EXPECT_DOUBLE_EQ(calc_dist2, t.radius_nm);
  EXPECT_DOUBLE_EQ(calc_dist, t.diameter);
}

}  // namespace
