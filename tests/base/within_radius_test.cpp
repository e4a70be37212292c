// The radius test of the nearby lists answers as CalcDistNm does, on the radius itself too.
#include "base/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/fp_traps.h"

namespace {

// Points on, just inside and just outside radii of every size around places from pole to pole,
// and the radii the quick test leaves to the distance: none, negative, half the globe and more.
TEST(WithinRadius, AnswersAsTheDistanceDoes) {
  int checked = 0;
  for (double lat : {-90.0, -45.3, 0.0, 50.03, 89.99}) {
    for (double radius : {0.0, 0.5, 200.0, 600.0, 10799.0, 10800.0, 20000.0, -1.0}) {
      const WithinRadius within(lat, 8.57, radius);
      EXPECT_EQ(within(lat, 8.57), 0.0 <= radius);
      for (double brg = 0.0; brg < 360.0; brg += 37.0) {
        for (double off : {-1e-6, -1e-9, 0.0, 1e-9, 1e-6, 5.0}) {
          double lat2 = 0.0, lon2 = 0.0;
          CalcDestPoint(lat, 8.57, brg, std::fabs(radius + off), &lat2, &lon2);
          ASSERT_EQ(within(lat2, lon2), CalcDistNm(lat, 8.57, lat2, lon2) <= radius) << lat << " " << radius;
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 2000);
  // A point or a radius that is not a number is never within, as no distance is.
  testing_support::FpTrapsOff traps_off;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(WithinRadius(50.0, 8.0, 600.0)(nan, 8.0));
  EXPECT_FALSE(WithinRadius(50.0, 8.0, nan)(50.1, 8.0));
}

}  // namespace
