#include "cdu/pages/ident_pages.h"
#include "cdu/pages/pos_init_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "sim/sim_globals.h"
#include "state/config_file.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace cdu_test {
namespace {

class IdentPagesTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    plane_lat = 47.0;
    plane_lon = -122.3;
    AddNavRow(nav_apts, &nav_apts_cnt, "KSEA", 47.4500, -122.3110, "APT", "", "433");
    AddNavRow(nav_apts, &nav_apts_cnt, "KPDX", 45.5890, -122.5970, "APT", "", "31");
    AddNavRow(nav_navaids, &nav_navaids_cnt, "SEA", 47.4354, -122.3097, "V", "116.80");
    AddNavRow(nav_ints, &nav_ints_cnt, "DUPLI", 47.1000, -122.1000, "I");
    AddNavRow(nav_ints, &nav_ints_cnt, "DUPLI", 45.0000, -120.0000, "I");
  }
};

// POS INIT from IDENT looks the nearest airport up only while the aircraft is nearly stopped, and
// then shows that airport's own position rather than the one entered last.
TEST_F(IdentPagesTest, PosInitPromptFindsTheNearestAirportBelow30Kt) {
  for (const double kt : {29.9, 30.0}) {
    std::tie(fms_page, nearest_apt_ident, found_apt_lat, ground_speed) = std::tuple(kCduPageIdent, "KPDX", 45.5890, kt);
    PressAndPaint("6R");
    const bool searched = kt < 30.0;
    EXPECT_EQ(std::tuple(fms_page, nearest_apt_ident, found_apt_lat),
              std::tuple(int32_t{kCduPagePosInit}, searched ? "KSEA" : "KPDX", searched ? 47.45 : 45.589)) << kt;
  }
}

// A navigation data header whose dates are cut short still names its cycle; the validity is blank.
TEST_F(IdentPagesTest, NavDataShowsTheCycleOfAHeaderWithoutValidDates) {
  testing_support::TempDir sim;
  sim.Write("Orvantel/Navdata/navs.txt", ";AIRAC CYCLE : 2401 (25-JAN TO 21-FEB\r\n");
  sim_root = sim.path();
  ReadConfigFile();
  fms_page = kCduPageIdent;
  Paint();
  EXPECT_EQ(Row(2), "AIRAC 2401 | ");
}

// Degrees and minutes with the tenth of a minute from the seconds (30" is .5, not .3).
TEST_F(IdentPagesTest, RefNavDataShowsDegreesMinutesAndTenths) {
  std::tie(fms_page, cur_fix_ident, cur_fix_info) = std::tuple(kCduPageRefNavData, "FIX", "433");
  // An airport's line shows its elevation.
  for (const auto& [lat, lon, type, shown] :
       {std::tuple{0.5, 5.0 + 30.0 / 60.0 + 30.5 / 3600.0, "I", "N00\xB0" "30.0 | E005\xB0" "30.5|"},
        std::tuple{-33.9461, 151.1772, "APT", "S33\xB0" "56.7 | E151\xB0" "10.6|433 FT"}}) {
    std::tie(cur_fix_lat, cur_fix_lon, cur_fix_type) = std::tuple(lat, lon, type);
    Paint();
    EXPECT_EQ(Row(2) + "|" + TextAt(142), shown);
  }
}

TEST_F(IdentPagesTest, RefNavDataLooksTheEntryUpOrHandsSeveralMatchesToSelectWaypoint) {
  fms_page = kCduPageRefNavData;
  cur_fix_ident = "----";
  EnterAt("NOSUCH", "1L");
  ExpectTaken("NOSUCH", false, "NOT IN DATABASE");
  EXPECT_EQ(cur_fix_ident, "----");
  EnterAt("DUPLI", "1L");
  EXPECT_EQ(fms_page, kCduPageSelectWaypoint);
  PressAndPaint("2L");  // the farther one
  Paint();
  EXPECT_EQ(Row(2), "N45\xB0" "00.0 | W120\xB0" "00.0");
}

// POS INIT with the aircraft at KSEA.
class PosInitTest : public IdentPagesTest {
 protected:
  void SetUp() override {
    IdentPagesTest::SetUp();
    fms_page = kCduPagePosInit;
    std::tie(plane_lat, plane_lon) = std::tuple(47.4500, -122.3110);
  }
  // Leaves `text` in the scratchpad and presses 4R while the left IRS aligns.
  void SetIrs(std::string text) {
    irs_l_align_count = 100;
    Entry(text);
    PressAndPaint("4R");
  }
};

// LAST POS offers the position in the entry form, which SET IRS POS takes back unchanged; minutes
// that would read 60.0 carry into the degree.
TEST_F(PosInitTest, LastPosOffersTheEntryFormThatSetIrsPosTakesBack) {
  for (const auto& [lat, lon, entry] :
       {std::tuple{-33.5, -5.0, "S3330.0W00500.0"}, std::tuple{47.99999, 5.999999, "N4800.0E00600.0"}}) {
    plane_lat = lat;
    plane_lon = lon;
    EnterAt("", "1R");
    EXPECT_EQ(cdu_scratchpad, entry);
    SetIrs(cdu_scratchpad);
    ExpectTaken("", true);
    PressAndPaint("3R");
    EXPECT_EQ(cdu_scratchpad, entry);
    EXPECT_EQ(Row(4), Row(3));
  }
}

TEST_F(PosInitTest, SetIrsPosRefusesMalformedEntriesAndWaitsForAnAligningIrs) {
  for (const char* text : {"N4727.0W12218", "N4727.0W12218.60", "4727.0NW12218.6"}) {
    SetIrs(text);
    ExpectTaken(text, false);
  }
  irs_l_align_count = 0;
  EnterAt("N4727.0W12218.6", "4R");
  PressAndPaint("1R");  // LAST POS does not overwrite a waiting entry either
  ExpectTaken("N4727.0W12218.6", false, "");
  EXPECT_EQ(irs_set_lat, 0.0);
}

// The set position is compared with the origin airport's only when the route has an origin.
TEST_F(PosInitTest, SetIrsPosFarFromTheOriginAsksForTheInertialPosition) {
  airport_recs[1].lat = 47.4500;
  airport_recs[1].lon = -122.3110;
  SetIrs("N4733.0W12218.6");  // 6 NM north: near enough
  EXPECT_EQ(cdu_message, "");
  orig_entry = "KSEA";
  SetIrs("N4733.1W12218.6");
  EXPECT_EQ(cdu_message, "ENTER INERTIAL POSITION");
  EXPECT_DOUBLE_EQ(irs_set_lat, 47.0 + 33.1 / 60.0);  // stored all the same
}

TEST_F(PosInitTest, RefAirportTakesAFourLetterAirportAndDeleteBlanksIt) {
  for (const char* text : {"KSEAX", "KBFI"}) {
    EnterAt(text, "2L");
    ExpectTaken(text, false);
  }
  EnterAt("KSEA", "2L");
  EXPECT_EQ(Row(2), "KSEA N47\xB0" "27.0 | W122\xB0" "18.6");
  PressAndPaint("DEL 2L");
  EXPECT_EQ(nearest_apt_ident + Row(2), " | ");
}

}  // namespace
}  // namespace cdu_test
