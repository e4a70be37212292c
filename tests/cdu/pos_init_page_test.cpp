#include "cdu/pages/pos_init_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"

namespace cdu_test {
namespace {

class PosInitTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    fms_page = kCduPagePosInit;
    plane_lat = 47.4500;
    plane_lon = -122.3110;
    NavRecord& ksea = nav_apts[++nav_apts_cnt];
    ClearRecord(ksea);
    SetText(ksea.ident, "KSEA");
    ksea.lat = 47.4500;
    ksea.lon = -122.3110;
  }
  // Leaves `text` in the scratchpad and presses 4R while the left IRS aligns.
  void SetIrs(std::string text) {
    irs_l_align_count = 100;
    Entry(text);
    PressAndPaint("4R");
  }
};

TEST_F(PosInitTest, ShowsThePositionsTheZuluTimeAndTheEmptyIrsField) {
  host_.SetToken(6, 14.0);
  host_.SetToken(7, 5.0);
  host_.SetToken(8, 100.0);  // 9 April in a leap year
  host_.SetToken(9, 2024.0);
  clock_second_b = 30.0;
  Paint();
  // 18.66 minutes: the tenth is taken after adding five thousandths, as the formula gives it.
  EXPECT_EQ(Row(1), "N47\xB0" "27.0 | W122\xB0" "18.6");
  EXPECT_EQ(Row(2), " | ");  // no reference airport position yet
  EXPECT_EQ(Row(3), "N47\xB0" "27.0 | W122\xB0" "18.6");
  EXPECT_EQ(Line(5).left, "1405.5z  04/09");
}

// LAST POS offers the position in the entry form, which SET IRS POS takes back unchanged; minutes
// that would read 60.0 carry into the degree.
TEST_F(PosInitTest, LastPosOffersTheEntryFormThatSetIrsPosTakesBack) {
  for (const auto& [lat, lon, entry] :
       {std::tuple{47.4500, -122.3110, "N4727.0W12218.6"}, std::tuple{0.0, 0.0, "N0000.0W00000.0"},
        std::tuple{-33.5, -5.0, "S3330.0W00500.0"}, std::tuple{10.2525, 151.125, "N1015.1E15107.5"},
        std::tuple{47.99999, 5.999999, "N4800.0E00600.0"}}) {
    plane_lat = lat;
    plane_lon = lon;
    EnterAt("", "1R");
    EXPECT_EQ(cdu_scratchpad, entry);
    SetIrs(cdu_scratchpad);
    EXPECT_EQ(cdu_scratchpad, "");
    PressAndPaint("3R");
    EXPECT_EQ(cdu_scratchpad, entry);
    if (lat != 0.0) {  // a latitude of exactly 0.0 counts as not set
      EXPECT_EQ(Row(4), Row(3));
    }
  }
}

TEST_F(PosInitTest, SetIrsPosRefusesMalformedEntriesAndWaitsForAnAligningIrs) {
  for (const char* text : {"N4727.0W12218", "N4727.0W12218.60", "4727.0NW12218.6", "N4727.0X12218.6",
                           "N4727.0 12218.6"}) {
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
  EXPECT_DOUBLE_EQ(irs_set_lon, -(122.0 + 18.6 / 60.0));
  orig_entry.clear();
  SetIrs("S3330.0E15107.5");
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(Row(4), "S33\xB0" "30.0 | E151\xB0" "07.5");
}

TEST_F(PosInitTest, RefAirportTakesAFourLetterAirportAndDeleteBlanksIt) {
  for (const char* text : {"", "KSE", "KSEAX", "KBFI"}) {
    EnterAt(text, "2L");
    ExpectTaken(text, false);
  }
  EnterAt("KSEA", "2L");
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(Row(2), "KSEA N47\xB0" "27.0 | W122\xB0" "18.6");
  PressAndPaint("DEL 2L");
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(nearest_apt_ident, "");
  EXPECT_EQ(Row(2), " | ");
}

}  // namespace
}  // namespace cdu_test
