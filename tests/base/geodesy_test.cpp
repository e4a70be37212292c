#include "base/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// Identical points give 0 and 0; due north is reported as 360, and so is any bearing below 1.0.
TEST(Geodesy, DistanceAndBearingWithTheNorthRule) {
  const struct {
    double lat1, lon1, lat2, lon2, dist, brg;
  } kCases[] = {{47.0, -122.0, 47.0, -122.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0, 60.0, 360.0},
                {0.0, 0.0, 0.0, -1.0, 60.0, 270.0}};
  double dist = -1.0, brg = -1.0, lat, lon;
  for (const auto& c : kCases) {
    CalcDistBrg(c.lat1, c.lon1, c.lat2, c.lon2, &dist, &brg);
    EXPECT_NEAR(dist, c.dist, 1e-6) << c.lat2 << " " << c.lon2;
    EXPECT_NEAR(brg, c.brg, 1e-6) << c.lat2 << " " << c.lon2;
    EXPECT_EQ(CalcDistNm(c.lat1, c.lon1, c.lat2, c.lon2), dist);
  }
  CalcDestPoint(0.0, 0.0, 0.4, 60.0, &lat, &lon);
  CalcDistBrg(0.0, 0.0, lat, lon, &dist, &brg);
  EXPECT_EQ(brg, 360.0);
  CalcDestPoint(0.0, 0.0, 1.2, 60.0, &lat, &lon);
  CalcDistBrg(0.0, 0.0, lat, lon, &dist, &brg);
  EXPECT_NEAR(brg, 1.2, 1e-9);
  // Nearly coincident points give no NaN.
  CalcDistBrg(47.123456789, -122.0, std::nextafter(47.123456789, 90.0), -122.0, &dist, &brg);
  EXPECT_TRUE(std::isfinite(dist));
  EXPECT_LT(dist, 1e-6);
}

TEST(Geodesy, DestPointFromTheOriginAndRoundTripOverLongLegs) {
  double lat, lon, dist, brg;
  CalcDestPoint(0.0, 0.0, 270.0, 5400.0, &lat, &lon);
  EXPECT_NEAR(lat, 0.0, 1e-9);
  EXPECT_NEAR(lon, -90.0, 1e-9);
  CalcDestPoint(47.45, -122.31, 45.0, 4200.0, &lat, &lon);
  CalcDistBrg(47.45, -122.31, lat, lon, &dist, &brg);
  EXPECT_NEAR(dist, 4200.0, 1e-6);
  EXPECT_NEAR(brg, 45.0, 1e-6);
  CalcDestPoint(0.0, 179.5, 90.0, 60.0, &lat, &lon);  // across the date line
  EXPECT_NEAR(lon, -179.5, 1e-9);
}

TEST(Geodesy, GreatCircleIntersection) {
  double lat = 99.0, lon = 99.0;
  ASSERT_EQ(CalcGreatCircle(0.0, 0.0, 135.0, 0.0, 1.0, 225.0, &lat, &lon), 0);
  EXPECT_NEAR(lat, -0.49998, 1e-5);
  EXPECT_NEAR(lon, 0.5, 1e-9);
}

// Parallel courses, coincident points, antipodal points and a point on a pole.
TEST(Geodesy, GreatCircleWithoutIntersectionReturnsTheSentinelAndLeavesTheOutputs) {
  const struct {
    double lat1, lon1, crs1, lat2, lon2, crs2;
  } kCases[] = {{0.0, 0.0, 90.0, 0.0, 1.0, 90.0},
                {10.0, 20.0, 30.0, 10.0, 20.0, 120.0},
                {0.0, 0.0, 10.0, 0.0, 180.0, 200.0},
                {90.0, 0.0, 180.0, 45.0, 10.0, 90.0}};
  for (const auto& c : kCases) {
    double lat = 12.0, lon = 34.0;
    EXPECT_EQ(CalcGreatCircle(c.lat1, c.lon1, c.crs1, c.lat2, c.lon2, c.crs2, &lat, &lon), kNoIntersection);
    EXPECT_EQ(std::tuple(lat, lon), std::tuple(12.0, 34.0));
  }
}

TEST(Geodesy, HeadingDifferenceTruncatesAndTurnDirectionFollowsTheShortWay) {
  const struct {
    double h1, h2;
    int32_t diff, dir;
  } kCases[] = {{350.0, 10.0, 20, 2}, {10.0, 190.0, 180, 2}, {10.0, 350.0, 20, 1}, {10.0, 10.9, 0, 2}};
  for (const auto& c : kCases) {
    EXPECT_EQ(CalcHeadingDiff(c.h1, c.h2), c.diff) << c.h1 << " " << c.h2;
    int32_t dir = 0, angle = -1;
    CalcTurnDirAndAngle(c.h1, c.h2, &dir, &angle);
    EXPECT_EQ(std::tuple(angle, dir), std::tuple(c.diff, c.dir)) << c.h1 << " " << c.h2;
  }
}

TEST(Geodesy, ConvertRadixReadsDigitsInTheOtherBase) {
  EXPECT_EQ(ConvertRadix(0x11890, 16, 10), 11890);
  EXPECT_EQ(ConvertRadix(0, 16, 10), 0);
  EXPECT_EQ(ConvertRadix(1234, 10, 16), 0x1234);
  // A base without digits would divide by zero or never finish.
  EXPECT_EQ(ConvertRadix(77, 1, 10), 0);
  EXPECT_EQ(ConvertRadix(77, 0, 10), 0);
}

TEST(Geodesy, HelpersStayInRangeForExtremeInputs) {
  EXPECT_EQ(norm360(-30.0), 330.0);
  EXPECT_EQ(norm360(720.0), 0.0);
  EXPECT_NEAR(norm360(1e12 + 30.0), std::fmod(1e12 + 30.0, 360.0), 1e-3);  // ends, same angle
  EXPECT_EQ(PressureRatioInverse(150000.0), 0.0);
  EXPECT_EQ(FmodPositive(-1.0, kTwoPi), kTwoPi - 1.0);
  EXPECT_EQ(TruncToI32(-2.7), -2);
  EXPECT_EQ(TruncToI32(1e20), INT32_MAX);
  char small[5];
  CopyCString("ABCDEFG", small);
  EXPECT_STREQ(small, "ABCD");
}

TEST(Geodesy, WideToMultiByteUsesTheAnsiCodePageAndRefusesWhatDoesNotFit) {
  char buf[8];
  ASSERT_EQ(WideToMultiByte(L"A\u00b0\u20ac\u4e2d", buf, sizeof buf), 5);
  EXPECT_EQ(std::tuple(static_cast<unsigned char>(buf[1]), static_cast<unsigned char>(buf[2])), std::tuple(0xB0, 0x80));
  EXPECT_EQ(std::tuple(buf[3], buf[4]), std::tuple('?', '\0'));
  EXPECT_EQ(WideToMultiByte(L"ABCDEFGHIJ", buf, sizeof buf), 0);
  EXPECT_EQ(WideToMultiByte(L"ABC", nullptr, 0), 4);
}

}  // namespace
