#include "frame/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>

#include "frame/tick_globals.h"
#include "support/sim_fixture.h"

namespace {

struct DistBrgCase {
  double lat1, lon1, lat2, lon2;
  double dist, brg;
};

class CalcDistBrgTable : public ::testing::TestWithParam<DistBrgCase> {};

TEST_P(CalcDistBrgTable, DistanceAndBearing) {
  const DistBrgCase& c = GetParam();
  double dist = -1.0, brg = -1.0;
  CalcDistBrg(c.lat1, c.lon1, c.lat2, c.lon2, &dist, &brg);
  EXPECT_NEAR(dist, c.dist, 1e-6);
  EXPECT_NEAR(brg, c.brg, 1e-6);
  EXPECT_EQ(CalcDistNm(c.lat1, c.lon1, c.lat2, c.lon2), dist);
}

INSTANTIATE_TEST_SUITE_P(Geodesy, CalcDistBrgTable,
                         ::testing::Values(DistBrgCase{47.0, -122.0, 47.0, -122.0, 0.0, 0.0},  // same point
                                           DistBrgCase{0.0, 0.0, 1.0, 0.0, 60.0, 360.0},       // due north
                                           DistBrgCase{1.0, 0.0, 0.0, 0.0, 60.0, 180.0},
                                           DistBrgCase{0.0, 0.0, 0.0, -1.0, 60.0, 270.0}));

// A bearing below 1.0 is reported as north (360); nearly coincident points give no NaN.
TEST(Geodesy, BearingBelowOneDegreeIsNorthAndNearlyCoincidentPointsStayFinite) {
  double lat, lon, dist, brg;
  CalcDestPoint(0.0, 0.0, 0.4, 60.0, &lat, &lon);
  CalcDistBrg(0.0, 0.0, lat, lon, &dist, &brg);
  EXPECT_EQ(brg, 360.0);
  CalcDestPoint(0.0, 0.0, 1.2, 60.0, &lat, &lon);
  CalcDistBrg(0.0, 0.0, lat, lon, &dist, &brg);
  EXPECT_NEAR(brg, 1.2, 1e-9);
  CalcDistBrg(47.123456789, -122.0, std::nextafter(47.123456789, 90.0), -122.0, &dist, &brg);
  EXPECT_TRUE(std::isfinite(dist));
  EXPECT_LT(dist, 1e-6);
}

TEST(Geodesy, DestPointFromTheOriginAndRoundTripOverLongLegs) {
  const struct {
    double crs, dist, lat, lon;
  } kCases[] = {{360.0, 60.0, 1.0, 0.0}, {90.0, 60.0, 0.0, 1.0}, {180.0, 60.0, -1.0, 0.0}, {270.0, 5400.0, 0.0, -90.0}};
  double lat, lon, dist, brg;
  for (const auto& c : kCases) {
    CalcDestPoint(0.0, 0.0, c.crs, c.dist, &lat, &lon);
    EXPECT_NEAR(lat, c.lat, 1e-9) << c.crs;
    EXPECT_NEAR(lon, c.lon, 1e-9) << c.crs;
  }
  CalcDestPoint(47.45, -122.31, 45.0, 4200.0, &lat, &lon);
  CalcDistBrg(47.45, -122.31, lat, lon, &dist, &brg);
  EXPECT_NEAR(dist, 4200.0, 1e-6);
  EXPECT_NEAR(brg, 45.0, 1e-6);
  CalcDestPoint(0.0, 179.5, 90.0, 60.0, &lat, &lon);  // across the date line
  EXPECT_NEAR(lon, -179.5, 1e-9);
}

// With the intersection on the left both angles are negative: the point on the reciprocal of
// course 1 comes back (callers order their points for this).
TEST(Geodesy, GreatCircleIntersectionRightAndReciprocalLeft) {
  double lat = 99.0, lon = 99.0;
  ASSERT_EQ(CalcGreatCircle(0.0, 0.0, 135.0, 0.0, 1.0, 225.0, &lat, &lon), 0);
  EXPECT_NEAR(lat, -0.49998, 1e-5);
  EXPECT_NEAR(lon, 0.5, 1e-9);
  ASSERT_EQ(CalcGreatCircle(0.0, 0.0, 45.0, 0.0, 1.0, 315.0, &lat, &lon), 0);
  EXPECT_NEAR(lat, -0.49998, 1e-5);
  EXPECT_NEAR(lon, -0.5, 1e-9);
}

struct NoMeetCase {
  double lat1, lon1, crs1, lat2, lon2, crs2;
};

class GreatCircleWithoutIntersection : public ::testing::TestWithParam<NoMeetCase> {};

TEST_P(GreatCircleWithoutIntersection, ReturnsSentinelAndLeavesOutputs) {
  const NoMeetCase& c = GetParam();
  double lat = 12.0, lon = 34.0;
  EXPECT_EQ(CalcGreatCircle(c.lat1, c.lon1, c.crs1, c.lat2, c.lon2, c.crs2, &lat, &lon), kNoIntersection);
  EXPECT_EQ(lat, 12.0);
  EXPECT_EQ(lon, 34.0);
}

// Parallel courses, coincident points, antipodal points and a point on a pole.
INSTANTIATE_TEST_SUITE_P(Geodesy, GreatCircleWithoutIntersection,
                         ::testing::Values(NoMeetCase{0.0, 0.0, 90.0, 0.0, 1.0, 90.0},
                                           NoMeetCase{10.0, 20.0, 30.0, 10.0, 20.0, 120.0},
                                           NoMeetCase{0.0, 0.0, 10.0, 0.0, 180.0, 200.0},
                                           NoMeetCase{90.0, 0.0, 180.0, 45.0, 10.0, 90.0}));

TEST(Geodesy, HeadingDifferenceTruncatesAndTurnDirectionFollowsTheShortWay) {
  const struct {
    double h1, h2;
    int32_t diff, dir;
  } kCases[] = {{350.0, 10.0, 20, 2}, {10.0, 190.0, 180, 2}, {50.0, 10.0, 40, 1},
                {10.0, 10.0, 0, 2},   {10.0, 350.0, 20, 1},  {10.0, 10.9, 0, 2}};
  for (const auto& c : kCases) {
    EXPECT_EQ(CalcHeadingDiff(c.h1, c.h2), c.diff) << c.h1 << " " << c.h2;
    int32_t dir = 0, angle = -1;
    CalcTurnDirAndAngle(c.h1, c.h2, &dir, &angle);
    EXPECT_EQ(angle, c.diff);
    EXPECT_EQ(dir, c.dir) << c.h1 << " " << c.h2;
  }
}

TEST(Geodesy, MapPointAheadLeftAndBehindAndIntegerTruncation) {
  double x, y;
  CalcMapPoint(90.0, 90.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(x, 100.0, 1e-9);
  EXPECT_NEAR(y, 150.0, 1e-9);
  CalcMapPoint(90.0, 0.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(x, 50.0, 1e-9);
  EXPECT_NEAR(y, 200.0, 1e-9);
  CalcMapPoint(0.0, 180.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(y, 250.0, 1e-9);
  int32_t ix, iy;
  CalcMapPointInt(0.0, 315.0, 100, 200, 50.0, &ix, &iy);
  EXPECT_EQ(ix, 64);  // 100 - 35.36, truncated toward zero
  EXPECT_EQ(iy, 164);
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
  EXPECT_NEAR(PressureRatioInverse(36089.0), 1.0 / 0.2234, 0.02);
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
  EXPECT_EQ(static_cast<unsigned char>(buf[1]), 0xB0);
  EXPECT_EQ(static_cast<unsigned char>(buf[2]), 0x80);
  EXPECT_EQ(buf[3], '?');
  EXPECT_EQ(buf[4], '\0');
  EXPECT_EQ(WideToMultiByte(L"ABCDEFGHIJ", buf, sizeof buf), 0);
  EXPECT_EQ(WideToMultiByte(L"ABC", nullptr, 0), 4);
}

struct DateCase {
  double year;
  int32_t day;
  const char* month_name;
  int32_t month, day_of_month;
};

class DayOfYearTable : public testing_support::SimFixture, public ::testing::WithParamInterface<DateCase> {};

TEST_P(DayOfYearTable, MonthAndDay) {
  const DateCase& c = GetParam();
  host_.SetToken(9, c.year);
  ConvertDayOfYearToDate(c.day);
  EXPECT_EQ(date_month_name, c.month_name);
  EXPECT_EQ(date_month, c.month);
  EXPECT_EQ(date_day, c.day_of_month);
}

// The last day of a month stays in its month; leap years follow the calendar rule.
INSTANTIATE_TEST_SUITE_P(Geodesy, DayOfYearTable,
                         ::testing::Values(DateCase{2024, 59, "FEB", 2, 28}, DateCase{2023, 59, "FEB", 2, 28},
                                           DateCase{2024, 60, "FEB", 2, 29}, DateCase{2023, 60, "MAR", 3, 1},
                                           DateCase{2000, 60, "FEB", 2, 29}, DateCase{1900, 60, "MAR", 3, 1},
                                           DateCase{2028, 60, "FEB", 2, 29}, DateCase{2023, 1, "JAN", 1, 1},
                                           DateCase{2023, 365, "DEC", 12, 31}, DateCase{2024, 366, "DEC", 12, 31}));

using GeodesyState = testing_support::SimFixture;

TEST_F(GeodesyState, DayOutsideTheYearWritesNothing) {
  host_.SetToken(9, 2023);
  ConvertDayOfYearToDate(100);
  for (int32_t day : {366, 0, -5}) {
    ConvertDayOfYearToDate(day);
    EXPECT_EQ(date_month_name, "APR");
    EXPECT_EQ(date_day, 10);
  }
}

TEST_F(GeodesyState, IasPredictionFollowsTheRingAverageAndWritesNothingOutsideIt) {
  for (double& v : ias_ring) v = 180.0;
  ias_ring_avg = 200.0;
  ias_predicted_prev = 190.0;
  redraw_tick = 3;
  UpdateIasPrediction();
  const double avg = ((180.0 * 17) / 18.0 + 200.0) * 0.5;
  EXPECT_EQ(ias_ring[3], 0.0);  // the smoothed airspeed reads 0 before the frame's reader ran
  EXPECT_DOUBLE_EQ(ias_ring_avg, avg);
  EXPECT_DOUBLE_EQ(ias_predicted_60, (avg - 200.0) * 60.0);
  EXPECT_DOUBLE_EQ(ias_predicted, ((avg - 200.0) * 180.0 + avg + 190.0) * 0.5);
  redraw_tick = 18;
  UpdateIasPrediction();
  EXPECT_EQ(ias_ring[17], 180.0);
}

}  // namespace
