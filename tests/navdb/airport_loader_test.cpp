#include <gtest/gtest.h>

#include <string>

#include "fmc/fmc_globals.h"
#include "fmc/vertical_profile.h"
#include "navdb/procs_fixture.h"

namespace {

using AirportLoader = ProcsTest;

TEST_F(AirportLoader, OriginFromMainFileOnlyWithRunwaysAndTexts) {
  WriteNavFile("apts_user.txt", "KTST USER_NAME 999 10.0 10.0 09_1000_10_10_90_0_X_90\n");
  EXPECT_EQ(LoadAirport("KTST", 1), 1);
  const AirportRecord& a = Origin();
  EXPECT_EQ(Text(a.name), "TEST_FIELD");
  EXPECT_EQ(a.elevation_ft, 100);
  EXPECT_EQ(Text(a.lat_text), "N45:00:00");
  EXPECT_EQ(Text(a.lon_text), "W122:00:00");
  ASSERT_EQ(a.rwy_cnt, 4);
  const RunwayRecord& rw = a.runways[1];
  EXPECT_EQ(Text(rw.ils_freq), "110.30");
  EXPECT_EQ(Text(rw.aux), "X");
  EXPECT_EQ(apt_elev_text, "100");
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].alt, 100.0);
  EXPECT_EQ(Text(nav_search_list[1].type), "APT");
  EXPECT_EQ(nav_search_cnt, 0);
}

TEST_F(AirportLoader, UserFileServesAnAirportTheMainFileLacks) {
  WriteNavFile("apts_user.txt", "KUSR USER_FIELD 55 -33.5 151.25 07_1000_-33.5_151.2_70_0_X_70\n");
  EXPECT_EQ(LoadAirport("KUSR", 2), 1);
  EXPECT_EQ(Text(Dest().name), "USER_FIELD");
  EXPECT_EQ(Dest().rwy_cnt, 1);
  EXPECT_EQ(Text(Dest().lat_text), "S33:30:00");
  EXPECT_EQ(Text(Dest().lon_text), "E151:15:00");
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].alt, 0.0);  // only the origin sets the first row's altitude
}

// File lines are upper-cased before the comparison; the argument is not (kept: callers pass upper
// case).
TEST_F(AirportLoader, LowerCaseLineMatchesButLowerCaseArgumentDoesNot) {
  WriteNavFile("apts.txt", "ksea seattle 433 47.45 -122.31 16l_11900_47.46_-122.30_180_110.3_x_180\n");
  EXPECT_EQ(LoadAirport("ksea", 1), 0);
  EXPECT_EQ(LoadAirport("KSEA", 1), 1);
  EXPECT_EQ(Text(Origin().name), "SEATTLE");
  EXPECT_EQ(Text(Origin().runways[1].ident), "16L");
}

TEST_F(AirportLoader, LineWithoutBlankOrStartingWithBlankDoesNotMatch) {
  WriteNavFile("apts.txt", "KTST\n KTST X 1 2 3\nKTSTX X 1 2 3\n");
  WriteNavFile("apts_user.txt", "");
  EXPECT_EQ(LoadAirport("KTST", 1), 0);
  EXPECT_EQ(LoadAirport("", 1), 0);
}

struct RunwayGroupCase {
  const char* group;
  const char* ident;
  int32_t length_ft;
  double lat, lon, heading, loc_crs_record, loc_crs_info, recip;
};
class RunwayGroups : public ProcsTest, public ::testing::WithParamInterface<RunwayGroupCase> {};

// The airport block keeps the localizer course as written; the runway list takes the runway
// heading for a course of 0.
TEST_P(RunwayGroups, SubFieldsOfAGroup) {
  const RunwayGroupCase& c = GetParam();
  WriteNavFile("apts.txt", std::string("KTST T 0 1.0 2.0 ") + c.group + "\n");
  ASSERT_EQ(LoadAirport("KTST", 1), 1);
  LoadAirportInfo("KTST", 0);
  const RunwayRecord& rec = Origin().runways[1];
  const RunwayRecord& info = apt_rwys[1];
  EXPECT_EQ(Text(rec.ident), c.ident);
  EXPECT_EQ(rec.length_ft, c.length_ft);
  EXPECT_DOUBLE_EQ(rec.lat, c.lat);
  EXPECT_DOUBLE_EQ(rec.lon, c.lon);
  EXPECT_DOUBLE_EQ(rec.heading, c.heading);
  EXPECT_DOUBLE_EQ(rec.loc_crs, c.loc_crs_record);
  EXPECT_DOUBLE_EQ(rec.recip_heading, c.recip);
  EXPECT_DOUBLE_EQ(info.loc_crs, c.loc_crs_info);
  EXPECT_DOUBLE_EQ(info.recip_heading, 0.0);
  EXPECT_EQ(Text(info.ident), c.ident);
}
INSTANTIATE_TEST_SUITE_P(
    Groups, RunwayGroups,
    ::testing::Values(RunwayGroupCase{"34_8000_10.1_20.2_340_0_X_0", "34", 8000, 10.1, 20.2, 340, 0, 340, 160},
                      RunwayGroupCase{"18_8000_1_2_180_110.1_X_181", "18", 8000, 1, 2, 180, 181, 181, 0},
                      RunwayGroupCase{"09_8000_1_2_90_0_X_90", "09", 8000, 1, 2, 90, 90, 90, 270},
                      // Two '_' in a row: the later sub-fields move forward.
                      RunwayGroupCase{"09__45.1_7.2_90", "09", 45, 7.2, 90, 0, 0, 0, 180},
                      RunwayGroupCase{"27", "27", 0, 0, 0, 0, 0, 0, 180}));

TEST_F(AirportLoader, TwentyRunwayGroupsAtMostAreRead) {
  std::string line = "KTST T 0 1.0 2.0";
  for (int i = 1; i <= 25; ++i) line += " R" + std::to_string(i) + "_100_1_2_10_0_X_10";
  WriteNavFile("apts.txt", line + "\n");
  ASSERT_EQ(LoadAirport("KTST", 1), 1);
  EXPECT_EQ(Origin().rwy_cnt, 20);
  EXPECT_EQ(Text(Origin().runways[20].ident), "R20");
  EXPECT_EQ(Text(Origin().runways[21].ident), "");
}

// A missed airport leaves nothing of the airport loaded before on offer.
TEST_F(AirportLoader, AirportInNeitherFileEmptiesTheBlock) {
  WriteNavFile("sids.txt", "[KTST]\nSID1 FIX1 5000 --- 45.1 -122.1\nSID1.TR FIX2 6000 --- 45.2 -122.2\n");
  WriteNavFile("stars.txt", "[KTST]\nSTAR1 FIX1 5000 --- 45.1 -122.1\n");
  WriteNavFile("apps.txt", "[KTST]\n16L I16L FIX1 IAF 3000 45.1 -122.1\n");
  ASSERT_EQ(LoadAirport("KTST", 1), 1);
  ASSERT_EQ(LoadAirport("KTST", 2), 1);
  ASSERT_EQ(Origin().sid_cnt, 1);
  ASSERT_EQ(Dest().star_cnt, 1);
  ASSERT_EQ(Dest().appr_cnt, 1);
  Dest().iaf_cnt = 1;
  SetText(Dest().iaf_list[1].name, "FIX1");

  for (int selector : {1, 2}) {
    EXPECT_EQ(LoadAirport("KXXX", selector), 0);
    const AirportRecord& a = airport_recs[selector];
    EXPECT_EQ(a.rwy_cnt, 0);
    EXPECT_EQ(a.sid_cnt + a.star_cnt + a.appr_cnt + a.appr_trans_cnt, 0);
    EXPECT_EQ(a.trans_list_cnt + a.sid_list_cnt + a.star_list_cnt + a.name_list_cnt + a.rwy_list_cnt, 0);
    EXPECT_EQ(a.iaf_cnt, 0);
    EXPECT_EQ(Text(a.icao), "");
    EXPECT_EQ(Text(a.name), "");
    EXPECT_EQ(Text(a.runways[1].ident), "");
  }
  EXPECT_EQ(Text(Origin().sids[1].legs[1].ident), "");  // no stale legs behind the counts
  EXPECT_EQ(Text(Dest().stars[1].name), "");
  EXPECT_EQ(Text(Dest().iaf_list[1].name), "");
}

// Runway pattern sides.

class AirportInfo : public ProcsTest {
 protected:
  void SetUp() override {
    ProcsTest::SetUp();
    WriteNavFile("apts.txt",
                 "KTST TEST 100 45.0 -122.0 09_1_1_1_90_0_X_90 27_1_1_1_270_0_X_270 9_1_1_1_90_0_X_90 "
                 "16L_1_1_1_160_0_X_160\n"
                 "KPDX PORTLAND 31 45.589 -122.597 10R_1_1_1_119_0_X_119\n"
                 "ABCDE FIVE 12 1.0 2.0 05_1_1_1_50_0_X_50\n");
  }
  int32_t Right(int row) { return apt_rwys[row].right_pattern; }
};

TEST_F(AirportInfo, RightPatternMarksPlainAndZeroPrefixedRunways) {
  WriteNavFile("apt_additional_info.txt",
               "[KPDX]\nRWY27=RIGHTPATTERN\n"
               "[ktst] some text\nrwy9=rightpattern\nRWY27=LEFTPATTERN\nRWY16L=RIGHTPATTERN extra\n"
               "[KOTHER]\nRWY27=RIGHTPATTERN\n");
  LoadAirportInfo("KTST", 0);
  ASSERT_EQ(apt_rwy_cnt, 4);
  EXPECT_EQ(Right(1), 1);  // 09 by RWY9
  EXPECT_EQ(Right(2), 0);  // 27: left pattern here, right only under other airports
  EXPECT_EQ(Right(3), 1);  // 9
  EXPECT_EQ(Right(4), 1);
  EXPECT_EQ(apt_info_loaded, 1);
  EXPECT_EQ(apt_elev_text, "100");
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].alt, 100.0);
}

TEST_F(AirportInfo, RunwayLinesEndAtTheNextSection) {
  WriteNavFile("apt_additional_info.txt", "[KTST]\n[KPDX]\nRWY09=RIGHTPATTERN\n");
  LoadAirportInfo("KTST", 0);
  EXPECT_EQ(Right(1), 0);
}

// A five-letter ident opens only its own section, not one whose code merely begins with it.
TEST_F(AirportInfo, SectionOpensOnTheWholeIdent) {
  WriteNavFile("apt_additional_info.txt", "[ABCDEF]\nRWY05=RIGHTPATTERN\n[ABCDE]\n");
  LoadAirportInfo("ABCDE", 0);
  EXPECT_EQ(Right(1), 0);
  WriteNavFile("apt_additional_info.txt", "[ABCDE]\nRWY05=RIGHTPATTERN\n");
  LoadAirportInfo("ABCDE", 0);
  EXPECT_EQ(Right(1), 1);
}

TEST_F(AirportInfo, MissingAdditionalInfoLeavesLeftPatterns) {
  LoadAirportInfo("KTST", 0);
  EXPECT_EQ(apt_rwy_cnt, 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(Right(i), 0);
}

TEST_F(AirportInfo, LastRowOfTheActiveRouteTakesTheElevation) {
  fp_cnt = 3;
  fms_fpln_act[3].ident = "KPDX";
  fms_fpln_act[3].type = "APT";
  fms_fpln_act[3].restr = 3;
  fms_fpln_act[3].ias = 250.0;
  LoadAirportInfo("KPDX", 1);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].alt, 31.0);
  EXPECT_EQ(fms_fpln_act[3].restr, 0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].ias, -999.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].alt, 0.0);

  fms_fpln_act[3].restr = 3;
  fms_fpln_act[3].alt = 5000.0;
  apt_info_loaded = 0;
  LoadAirportInfo("KPDX", 2);  // header only: crossing altitude and the row, restriction kept
  EXPECT_DOUBLE_EQ(cross_at_elev, 31.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].alt, 31.0);
  EXPECT_EQ(fms_fpln_act[3].restr, 3);
  EXPECT_EQ(apt_info_loaded, 0);
  EXPECT_EQ(Text(apt_rwys[1].ident), "10R");  // the runway list of the mode-1 read stays

  fms_fpln_act[3].type = "VOR";
  fms_fpln_act[3].alt = 5000.0;
  LoadAirportInfo("KPDX", 1);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].alt, 5000.0);
}

TEST_F(AirportInfo, AirportAsFirstRowOfEitherRoute) {
  fms_fpln_act[0].freq = "116.80";
  LoadAirportInfo("KPDX", 3);
  EXPECT_EQ(fms_fpln_act[0].ident, "KPDX");
  EXPECT_EQ(fms_fpln_act[0].type, "APT");
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].lat, 45.589);
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].lon, -122.597);
  EXPECT_EQ(fms_fpln_act[0].freq, "");
  LoadAirportInfo("KTST", 5);
  EXPECT_EQ(fms_fpln_mod[0].ident, "KTST");
  EXPECT_EQ(apt_rwy_cnt, 0);
  EXPECT_EQ(apt_info_loaded, 0);
}

TEST_F(AirportInfo, AirportAppendedToTheActiveRouteBecomesTheCrossingPoint) {
  fp_cnt = 4;
  fms_fpln_act[5].via = "J5";
  fms_fpln_act[5].restr = 3;
  LoadAirportInfo("KPDX", 4);
  ASSERT_EQ(fp_cnt, 5);
  const RouteLeg& r = fms_fpln_act[5];
  EXPECT_EQ(r.ident, "KPDX");
  EXPECT_EQ(r.type, "APT");
  EXPECT_DOUBLE_EQ(r.alt, 31.0);
  EXPECT_EQ(r.restr, 0);
  EXPECT_DOUBLE_EQ(r.ias, -999.0);
  EXPECT_DOUBLE_EQ(r.intc_crs, -1.0);
  EXPECT_EQ(r.via, "");
  EXPECT_DOUBLE_EQ(cross_at_elev, 31.0);
  EXPECT_DOUBLE_EQ(cross_at_lat, 45.589);
  EXPECT_DOUBLE_EQ(cross_at_lon, -122.597);
  EXPECT_EQ(next_restr_leg, 5);
}

// Appending stops at the last route row.
TEST_F(AirportInfo, AppendToAFullRouteWritesNothing) {
  fp_cnt = 200;
  fp_mod_cnt = 200;
  LoadAirportInfo("KPDX", 4);
  LoadAirportInfo("KPDX", 6);
  EXPECT_EQ(fp_cnt, 200);
  EXPECT_EQ(fp_mod_cnt, 200);
  EXPECT_EQ(fms_fpln_act[200].ident, "");
  EXPECT_DOUBLE_EQ(cross_at_elev, 0.0);

  fp_mod_cnt = 199;
  fms_fpln_mod[200].hold_idx = 4;
  LoadAirportInfo("KPDX", 6);
  EXPECT_EQ(fp_mod_cnt, 200);
  EXPECT_EQ(fms_fpln_mod[200].ident, "KPDX");
  EXPECT_EQ(fms_fpln_mod[200].hold_idx, 0);
}

TEST_F(AirportInfo, UnknownAirportChangesNothing) {
  LoadAirportInfo("KTST", 0);
  apt_info_loaded = 0;
  fp_cnt = 1;
  for (int mode = 0; mode <= 6; ++mode) LoadAirportInfo("KNONE", mode);
  EXPECT_EQ(apt_rwy_cnt, 4);
  EXPECT_EQ(apt_info_loaded, 0);
  EXPECT_EQ(fp_cnt, 1);
  EXPECT_EQ(fp_mod_cnt, 0);
  EXPECT_EQ(fms_fpln_act[0].ident, "");
}

}  // namespace
