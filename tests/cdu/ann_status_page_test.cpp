#include "cdu/pages/ann_status_page.h"

#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class AnnStatusTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    fms_page = kCduPageAnnouncementStatus;
    SetRunway(airport_recs[1], 2, "16L");
    SetRunway(airport_recs[2], 3, "10R");
    plane_lon = -122.0;
  }
  static void SetRunway(AirportRecord& apt, int32_t row, const char* ident) {
    SetText(apt.runways[row].ident, ident);
    apt.runways[row].lat = 47.0;
    apt.runways[row].lon = -122.0;
  }
  // The aircraft `nm` due north of both runways (one minute of latitude is one mile).
  static void NorthOfTheRunways(double nm) { plane_lat = 47.0 + nm / 60.0; }
};

TEST_F(AnnStatusTest, SwitchesOffShowOffAndStillTheTakeoffStage) {
  to_callout_mode = 3;
  fms_dep_rwy_pos = 2;
  NorthOfTheRunways(1.0);
  Paint();
  EXPECT_EQ(TitleLine(), "ANNOUNCEMENT STATUS 1 / 1");
  EXPECT_EQ(Line(1).left, "OFF");
  EXPECT_EQ(Line(2).left, "");
  EXPECT_EQ(Line(3).left, "MODE: 3");
  EXPECT_EQ(Line(4).left, "OFF");
  EXPECT_EQ(Line(5).left, "");
}

struct DepartureCase {
  const char* name;
  int32_t stage;
  int32_t rwy_row;
  double nm;
  const char* line2;
};

class AnnDepartureTest : public AnnStatusTest, public ::testing::WithParamInterface<DepartureCase> {};

TEST_P(AnnDepartureTest, DepartureDistanceWhileTheAnnouncementsAreEarly) {
  play_announcements = 1;
  annuncement_mode = GetParam().stage;
  fms_dep_rwy_pos = GetParam().rwy_row;
  NorthOfTheRunways(GetParam().nm);
  Paint();
  EXPECT_EQ(Line(1).left, "ON - MODE: " + std::to_string(GetParam().stage));
  EXPECT_EQ(Line(2).left, GetParam().line2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnnDepartureTest,
    ::testing::Values(DepartureCase{"EightMiles", 4, 2, 8.0, "DIST FROM 16L 48608FT"},
                      DepartureCase{"NineMilesIsTooFar", 1, 2, 9.0, ""},
                      DepartureCase{"StageFiveShowsNone", 5, 2, 1.0, ""},
                      DepartureCase{"NoRunwaySelected", 1, 0, 1.0, ""},
                      DepartureCase{"RowBeyondTheTable", 1, 40, 1.0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnnStatusTest, ArrivalDistanceWhileTheChecklistIsOn) {
  ldg_checklist = 1;
  ldg_checklist_mode = 2;
  fms_dest_rwy_pos = 3;
  NorthOfTheRunways(2.0);
  Paint();
  EXPECT_EQ(Line(4).left, "ON - MODE: 2");
  EXPECT_EQ(Line(5).left, "DIST FROM 10R - 12152FT");
  fms_dest_rwy_pos = -1;  // a row outside the table shows nothing
  Paint();
  EXPECT_EQ(Line(5).left, "");
}

}  // namespace
}  // namespace cdu_test
