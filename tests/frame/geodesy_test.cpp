#include "frame/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>

#include "frame/module_entry.h"
#include "frame/module_state.h"
#include "host/host.h"
#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"

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

// 0.4 degrees of bearing truncates to 0 and is reported as north (360); a point 0.4 degrees east of
// north at 60 NM lies 0.4 * pi/180 * 60 NM east, i.e. about 0.41887 NM, at 1 degree of latitude.
INSTANTIATE_TEST_SUITE_P(
    Geodesy, CalcDistBrgTable,
    ::testing::Values(DistBrgCase{47.0, -122.0, 47.0, -122.0, 0.0, 0.0},  // same point
                      DistBrgCase{0.0, 0.0, 1.0, 0.0, 60.0, 360.0},       // due north
                      DistBrgCase{1.0, 0.0, 0.0, 0.0, 60.0, 180.0},       // due south
                      DistBrgCase{0.0, 0.0, 0.0, 1.0, 60.0, 90.0},
                      DistBrgCase{0.0, 0.0, 0.0, -1.0, 60.0, 270.0}));

TEST(Geodesy, BearingBelowOneDegreeIsReportedAsNorth) {
  double lat, lon, dist, brg;
  CalcDestPoint(0.0, 0.0, 0.4, 60.0, &lat, &lon);
  CalcDistBrg(0.0, 0.0, lat, lon, &dist, &brg);
  EXPECT_EQ(brg, 360.0);
  CalcDestPoint(0.0, 0.0, 1.2, 60.0, &lat, &lon);
  CalcDistBrg(0.0, 0.0, lat, lon, &dist, &brg);
  EXPECT_NEAR(brg, 1.2, 1e-9);
}

TEST(Geodesy, NearlyCoincidentPointsGiveAFiniteDistance) {
  double dist, brg;
  CalcDistBrg(47.123456789, -122.0, std::nextafter(47.123456789, 90.0), -122.0, &dist, &brg);
  EXPECT_TRUE(std::isfinite(dist));
  EXPECT_LT(dist, 1e-6);
}

struct DestCase {
  double crs, dist, lat, lon;
};

class CalcDestPointTable : public ::testing::TestWithParam<DestCase> {};

TEST_P(CalcDestPointTable, FromTheOrigin) {
  double lat, lon;
  CalcDestPoint(0.0, 0.0, GetParam().crs, GetParam().dist, &lat, &lon);
  EXPECT_NEAR(lat, GetParam().lat, 1e-9);
  EXPECT_NEAR(lon, GetParam().lon, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Geodesy, CalcDestPointTable,
                         ::testing::Values(DestCase{360.0, 60.0, 1.0, 0.0}, DestCase{0.0, 60.0, 1.0, 0.0},
                                           DestCase{90.0, 60.0, 0.0, 1.0}, DestCase{180.0, 60.0, -1.0, 0.0},
                                           DestCase{270.0, 5400.0, 0.0, -90.0}));

TEST(Geodesy, DestPointAndDistBrgAgreeOverLongLegs) {
  double lat, lon, dist, brg;
  CalcDestPoint(47.45, -122.31, 45.0, 4200.0, &lat, &lon);
  CalcDistBrg(47.45, -122.31, lat, lon, &dist, &brg);
  EXPECT_NEAR(dist, 4200.0, 1e-6);
  EXPECT_NEAR(brg, 45.0, 1e-6);
  // Across the date line the longitude stays within [-180, 180).
  CalcDestPoint(0.0, 179.5, 90.0, 60.0, &lat, &lon);
  EXPECT_NEAR(lon, -179.5, 1e-9);
}

TEST(Geodesy, GreatCircleIntersectionToTheRight) {
  double lat = 99.0, lon = 99.0;
  ASSERT_EQ(CalcGreatCircle(0.0, 0.0, 135.0, 0.0, 1.0, 225.0, &lat, &lon), 0);
  EXPECT_NEAR(lat, -0.49998, 1e-5);
  EXPECT_NEAR(lon, 0.5, 1e-9);
}

// With the intersection on the left both angles are negative: the point on the reciprocal of
// course 1 comes back (callers order their points for this).
TEST(Geodesy, GreatCircleLeftIntersectionGivesReciprocalPoint) {
  double lat = 99.0, lon = 99.0;
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

// Parallel courses, coincident points, antipodal points and a point on a pole: none has one
// computable crossing.
INSTANTIATE_TEST_SUITE_P(Geodesy, GreatCircleWithoutIntersection,
                         ::testing::Values(NoMeetCase{0.0, 0.0, 90.0, 0.0, 1.0, 90.0},
                                           NoMeetCase{10.0, 20.0, 30.0, 10.0, 20.0, 120.0},
                                           NoMeetCase{0.0, 0.0, 10.0, 0.0, 180.0, 200.0},
                                           NoMeetCase{90.0, 0.0, 180.0, 45.0, 10.0, 90.0}));

struct HeadingCase {
  double h1, h2;
  int32_t diff, dir;
};

class HeadingTable : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(HeadingTable, DifferenceAndTurnDirection) {
  const HeadingCase& c = GetParam();
  EXPECT_EQ(CalcHeadingDiff(c.h1, c.h2), c.diff);
  int32_t dir = 0, angle = -1;
  CalcTurnDirAndAngle(c.h1, c.h2, &dir, &angle);
  EXPECT_EQ(angle, c.diff);
  EXPECT_EQ(dir, c.dir);
}

INSTANTIATE_TEST_SUITE_P(Geodesy, HeadingTable,
                         ::testing::Values(HeadingCase{350.0, 10.0, 20, 2}, HeadingCase{10.0, 190.0, 180, 2},
                                           HeadingCase{50.0, 10.0, 40, 1}, HeadingCase{10.0, 50.0, 40, 2},
                                           HeadingCase{10.0, 10.0, 0, 2}, HeadingCase{10.0, 350.0, 20, 1},
                                           HeadingCase{10.0, 10.9, 0, 2}));

TEST(Geodesy, MapPointAheadLeftRightAndBehind) {
  double x, y;
  CalcMapPoint(90.0, 90.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(x, 100.0, 1e-9);
  EXPECT_NEAR(y, 150.0, 1e-9);
  CalcMapPoint(90.0, 0.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(x, 50.0, 1e-9);
  EXPECT_NEAR(y, 200.0, 1e-9);
  CalcMapPoint(350.0, 20.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(x, 100.0 + 25.0, 1e-9);
  CalcMapPoint(0.0, 180.0, 100.0, 200.0, 50.0, &x, &y);
  EXPECT_NEAR(y, 250.0, 1e-9);

  int32_t ix, iy;
  CalcMapPointInt(0.0, 315.0, 100, 200, 50.0, &ix, &iy);
  EXPECT_EQ(ix, 64);  // 100 - 35.36, truncated toward zero
  EXPECT_EQ(iy, 164);
  CalcMapPointInt(0.0, 135.0, 100, 200, 50.0, &ix, &iy);
  EXPECT_EQ(ix, 135);
  EXPECT_EQ(iy, 235);
}

TEST(Geodesy, ConvertRadixReadsDigitsInTheOtherBase) {
  EXPECT_EQ(ConvertRadix(0x11890, 16, 10), 11890);
  EXPECT_EQ(ConvertRadix(0x1234, 16, 10), 1234);
  EXPECT_EQ(ConvertRadix(0, 16, 10), 0);
  EXPECT_EQ(ConvertRadix(1234, 10, 16), 0x1234);
  // A base without digits would divide by zero or never finish.
  EXPECT_EQ(ConvertRadix(77, 1, 10), 0);
  EXPECT_EQ(ConvertRadix(77, 0, 10), 0);
}

TEST(Geodesy, Norm360AndSmallHelpers) {
  EXPECT_EQ(norm360(-30.0), 330.0);
  EXPECT_EQ(norm360(720.0), 0.0);
  EXPECT_EQ(norm360(359.5), 359.5);
  EXPECT_NEAR(norm360(1e12 + 30.0), std::fmod(1e12 + 30.0, 360.0), 1e-3);  // ends, same angle
  EXPECT_DOUBLE_EQ(rad2deg(kPi), 180.0);
  EXPECT_DOUBLE_EQ(PressureRatioInverse(0.0), 1.0);
  EXPECT_NEAR(PressureRatioInverse(36089.0), 1.0 / 0.2234, 0.02);
  EXPECT_EQ(PressureRatioInverse(150000.0), 0.0);
  EXPECT_EQ(FmodPositive(-1.0, kTwoPi), kTwoPi - 1.0);
  EXPECT_EQ(TruncToI32(-2.7), -2);
  EXPECT_EQ(TruncToI32(1e20), INT32_MAX);
}

TEST(Geodesy, CopyCStringStaysInsideTheDestination) {
  char small[5];
  CopyCString("ABCDEFG", small);
  EXPECT_STREQ(small, "ABCD");
  char big[16];
  CopyCString("FUEL", big);
  EXPECT_STREQ(big, "FUEL");
}

TEST(Geodesy, WideToMultiByteUsesTheAnsiCodePage) {
  char buf[8];
  ASSERT_EQ(WideToMultiByte(L"A\u00b0\u20ac\u4e2d", buf, sizeof buf), 5);
  EXPECT_EQ(buf[0], 'A');
  EXPECT_EQ(static_cast<unsigned char>(buf[1]), 0xB0);
  EXPECT_EQ(static_cast<unsigned char>(buf[2]), 0x80);
  EXPECT_EQ(buf[3], '?');
  EXPECT_EQ(buf[4], '\0');
  EXPECT_EQ(WideToMultiByte(L"ABCDEFGHIJ", buf, sizeof buf), 0);
  EXPECT_EQ(WideToMultiByte(L"ABC", nullptr, 0), 4);
}

class GeodesyState : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    host_.Attach(&ImportTable, &Linkage);
  }
  void TearDown() override { ResetModuleState(); }
  simhost::Host host_;
};

struct DateCase {
  double year;
  int32_t day;
  const char* month_name;
  int32_t month, day_of_month;
};

class DayOfYearTable : public GeodesyState, public ::testing::WithParamInterface<DateCase> {};

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
                                           DateCase{2023, 31, "JAN", 1, 31}, DateCase{2023, 365, "DEC", 12, 31},
                                           DateCase{2024, 366, "DEC", 12, 31}));

TEST_F(GeodesyState, DayOutsideTheYearWritesNothing) {
  host_.SetToken(9, 2023);
  ConvertDayOfYearToDate(100);
  for (int32_t day : {366, 400, 0, -5}) {
    ConvertDayOfYearToDate(day);
    EXPECT_EQ(date_month_name, "APR");
    EXPECT_EQ(date_month, 4);
    EXPECT_EQ(date_day, 10);
  }
}

TEST_F(GeodesyState, IasPredictionFollowsTheRingAverage) {
  // The smoothed airspeed reads 0 until the frame's reader lands; seed the ring instead.
  for (double& v : ias_ring) v = 180.0;
  ias_ring_avg = 200.0;
  ias_predicted_prev = 190.0;
  redraw_tick = 3;
  UpdateIasPrediction();
  double avg = ((180.0 * 17) / 18.0 + 200.0) * 0.5;
  EXPECT_EQ(ias_ring[3], 0.0);
  EXPECT_DOUBLE_EQ(ias_ring_avg, avg);
  EXPECT_DOUBLE_EQ(ias_predicted_60, (avg - 200.0) * 60.0);
  EXPECT_DOUBLE_EQ(ias_predicted, ((avg - 200.0) * 180.0 + avg + 190.0) * 0.5);
  EXPECT_EQ(ias_predicted_prev, ias_predicted);
  redraw_tick = 18;  // outside the ring: nothing written past it
  UpdateIasPrediction();
  EXPECT_EQ(ias_ring[17], 180.0);
}

}  // namespace
