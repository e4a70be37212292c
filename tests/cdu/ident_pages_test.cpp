#include "cdu/pages/ident_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

// A row of one of the navigation tables.
void AddNav(NavRecord* table, int32_t* count, const char* ident, double lat, double lon, const char* type,
            const char* extra = "", const char* info = "") {
  NavRecord& r = table[++*count];
  ClearRecord(r);
  SetText(r.ident, ident);
  r.lat = lat;
  r.lon = lon;
  SetText(r.type, type);
  SetText(r.extra, extra);
  SetText(r.info, info);
}

class IdentPagesTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    plane_lat = 47.0;
    plane_lon = -122.3;
    AddNav(nav_apts, &nav_apts_cnt, "KSEA", 47.4500, -122.3110, "APT", "", "433");
    AddNav(nav_apts, &nav_apts_cnt, "KPDX", 45.5890, -122.5970, "APT", "", "31");
    AddNav(nav_navaids, &nav_navaids_cnt, "SEA", 47.4354, -122.3097, "V", "116.80");
    AddNav(nav_ints, &nav_ints_cnt, "DUPLI", 47.1000, -122.1000, "I");
    AddNav(nav_ints, &nav_ints_cnt, "DUPLI", 45.0000, -120.0000, "I");
  }
};

TEST_F(IdentPagesTest, IdentShowsTheVariantsTheDataCycleAndItsPrompts) {
  aircraft_model = "757 - 300";
  engine_type = "PW2043";
  navdata_cycle = "AIRAC 2401";
  navdata_valid = "JAN25FEB21/24";
  cdu_scratchpad = "ABC";
  Paint();
  EXPECT_EQ(Row(1), "757 - 300 | PW2043");
  EXPECT_EQ(Line(2).label, "N A V    D A T A A C T I V E");
  EXPECT_EQ(Row(2), "AIRAC 2401 | JAN25FEB21/24");
  EXPECT_EQ(Line(4).left, "2478485-2-10  (OV 1.4.2)");
  EXPECT_EQ(Row(6), "<INDEX | <POS INIT");  // drawn right to left: a prompt pointing right
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, kCduPageInitRefIndex);
  EXPECT_EQ(cdu_scratchpad, "ABC");  // IDENT never reads it
}

// POS INIT from IDENT looks the nearest airport up only while the aircraft is nearly stopped, and
// then shows that airport's own position rather than the one entered last.
TEST_F(IdentPagesTest, PosInitPromptFindsTheNearestAirportBelow30Kt) {
  for (const double kt : {29.9, 30.0}) {
    fms_page = kCduPageIdent;
    nearest_apt_ident = "KPDX";
    found_apt_lat = 45.5890;
    ground_speed = kt;
    PressAndPaint("6R");
    EXPECT_EQ(fms_page, kCduPagePosInit);
    const bool searched = kt < 30.0;
    EXPECT_EQ(nearest_apt_ident, searched ? "KSEA" : "KPDX") << kt;
    EXPECT_DOUBLE_EQ(found_apt_lat, searched ? 47.45 : 45.589) << kt;
  }
}

// Degrees and minutes with the tenth of a minute from the seconds (30" is .5, not .3).
TEST_F(IdentPagesTest, RefNavDataShowsDegreesMinutesAndTenths) {
  struct Case {
    double lat, lon;
    const char* type;
    const char* position;
    const char* elevation;  // "" = no elevation line
  };
  fms_page = kCduPageRefNavData;
  cur_fix_ident = "FIX";
  cur_fix_extra = "116.80";
  cur_fix_info = "433";
  for (const Case& c : {Case{47.4354, -122.3097, "V", "N47\xB0" "26.1 | W122\xB0" "18.5", ""},
                        Case{0.5, 5.0 + 30.0 / 60.0 + 30.5 / 3600.0, "I", "N00\xB0" "30.0 | E005\xB0" "30.5", ""},
                        Case{-33.9461, 151.1772, "APT", "S33\xB0" "56.7 | E151\xB0" "10.6", "433 FT"}}) {
    cur_fix_lat = c.lat;
    cur_fix_lon = c.lon;
    cur_fix_type = c.type;
    Paint();
    EXPECT_EQ(Line(1).right, "116.80");
    EXPECT_EQ(Row(2), c.position);
    EXPECT_EQ(TextAt(142), c.elevation);
  }
}

TEST_F(IdentPagesTest, RefNavDataLooksTheEntryUpOrHandsSeveralMatchesToSelectWaypoint) {
  fms_page = kCduPageRefNavData;
  cur_fix_ident = "----";
  Paint();
  EXPECT_EQ(Row(2), " | ");  // no fix: only the ident line
  EnterAt("NOSUCH", "1L");
  ExpectTaken("NOSUCH", false, "NOT IN DATABASE");
  EXPECT_EQ(cur_fix_ident, "----");
  EnterAt("KSEA", "1L");
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(Line(1).left, "KSEA");
  EXPECT_EQ(TextAt(142), "433 FT");

  EnterAt("DUPLI", "1L");
  EXPECT_EQ(fms_page, kCduPageSelectWaypoint);
  PressAndPaint("2L");  // the farther one
  EXPECT_EQ(fms_page, kCduPageRefNavData);
  Paint();
  EXPECT_EQ(Row(2), "N45\xB0" "00.0 | W120\xB0" "00.0");
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, kCduPageInitRefIndex);
}

}  // namespace
}  // namespace cdu_test
