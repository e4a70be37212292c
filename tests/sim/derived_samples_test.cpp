#include "sim/derived_samples.h"

#include <gtest/gtest.h>

#include <tuple>

#include "sim/tick_globals.h"
#include "support/sim_fixture.h"

namespace {

using DerivedSamples = testing_support::SimFixture;

// The last day of a month stays in its month; leap years follow the calendar rule; a day outside
// the year writes nothing.
TEST_F(DerivedSamples, DayOfYearGivesMonthAndDay) {
  const struct {
    double year;
    int32_t day;
    const char* month_name;
    int32_t month, day_of_month;
  } kCases[] = {{2023, 59, "FEB", 2, 28}, {2024, 60, "FEB", 2, 29}, {2000, 60, "FEB", 2, 29},
                {1900, 60, "MAR", 3, 1},  {2023, 1, "JAN", 1, 1},   {2024, 366, "DEC", 12, 31}};
  for (const auto& c : kCases) {
    host_.SetToken(9, c.year);
    ConvertDayOfYearToDate(c.day);
    EXPECT_EQ(std::tuple(date_month_name, date_month), std::tuple(c.month_name, c.month)) << c.year << " " << c.day;
    EXPECT_EQ(date_day, c.day_of_month) << c.year << " " << c.day;
  }
  host_.SetToken(9, 2023);
  ConvertDayOfYearToDate(100);
  for (int32_t day : {366, 0, -5}) {
    ConvertDayOfYearToDate(day);
    EXPECT_EQ(std::tuple(date_month_name, date_day), std::tuple(std::string("APR"), 10));
  }
}

TEST_F(DerivedSamples, IasPredictionWritesNothingOutsideItsRing) {
  for (double& v : ias_ring) v = 180.0;
  std::tie(ias_ring_avg, redraw_tick) = std::tuple(200.0, 3);
  UpdateIasPrediction(1);
  EXPECT_DOUBLE_EQ(ias_ring_avg, ((180.0 * 17) / 18.0 + 200.0) * 0.5);
  redraw_tick = 18;
  UpdateIasPrediction(1);
  EXPECT_EQ(ias_ring[17], 180.0);
}

}  // namespace
