#include "cdu/pages/ann_status_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// The distance to the departure runway shows within 8 NM while the announcements are early, to the
// arrival runway while the checklist is on; a runway row outside the table shows nothing.
TEST_F(AnnStatusTest, RunwayDistancesWhileTheAnnouncementsOrChecklistAreOn) {
  to_callout_mode = 3;
  fms_dep_rwy_pos = 2;
  NorthOfTheRunways(1.0);
  Paint();  // switches off: OFF and no distance, the take-off stage all the same
  EXPECT_EQ(Lefts(), (std::vector<std::string>{"OFF", "", "MODE: 3", "OFF", ""}));
  play_announcements = 1;
  for (const auto& [stage, row, nm, line2] :
       {std::tuple{4, 2, 8.0, "DIST FROM 16L 48608FT"}, std::tuple{1, 2, 9.0, ""}, std::tuple{5, 2, 1.0, ""},
        std::tuple{1, 0, 1.0, ""}, std::tuple{1, 40, 1.0, ""}}) {
    annuncement_mode = stage;
    fms_dep_rwy_pos = row;
    NorthOfTheRunways(nm);
    Paint();
    EXPECT_EQ(Line(1).left, "ON - MODE: " + std::to_string(stage));
    EXPECT_EQ(Line(2).left, line2) << stage << " " << row << " " << nm;
  }
  ldg_checklist = 1;
  ldg_checklist_mode = 2;
  fms_dest_rwy_pos = 3;
  NorthOfTheRunways(2.0);
  Paint();
  EXPECT_EQ(Line(4).left, "ON - MODE: 2");
  EXPECT_EQ(Line(5).left, "DIST FROM 10R - 12152FT");
  fms_dest_rwy_pos = -1;
  Paint();
  EXPECT_EQ(Line(5).left, "");
}

}  // namespace
}  // namespace cdu_test
