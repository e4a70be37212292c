#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "fmc/fmc_globals.h"
#include "fmc/vertical_profile.h"
#include "navdb/procs_fixture.h"

namespace {

using AirportLoader = ProcsTest;

// The main file serves first (the user file only for an airport it lacks); only the origin sets
// the first route row's altitude. File lines are upper-cased before the comparison; the ident must
// be the line's whole first token.
TEST_F(AirportLoader, WhichLinesMatchMainFileFirst) {
  WriteNavFile("apts.txt", kTestAirportLine + std::string("KTSB\n KTSX X 1 2 3\nKTSYX X 1 2 3\n") +
                               "ksea seattle 433 47.45 -122.31 16l_1_1_1_1_1_x_1\n");
  WriteNavFile("apts_user.txt",
               "KTST USER_NAME 999 10.0 10.0 09_1000_10_10_90_0_X_90\n"
               "KUSR USER_FIELD 55 -33.5 151.25 07_1000_-33.5_151.2_70_0_X_70\n");
  EXPECT_EQ(LoadAirport("KTST", 1), 1);
  EXPECT_EQ(Text(Origin().name) + " " + Origin().lat_text, "TEST_FIELD N45:00:00");
  EXPECT_EQ(LoadAirport("KUSR", 2), 1);
  EXPECT_EQ(Text(Dest().name) + " " + Dest().lat_text + " " + Dest().lon_text, "USER_FIELD S33:30:00 E151:15:00");
  EXPECT_DOUBLE_EQ(fms_fpln_act[0].alt, 100.0);
  for (const char* ident : {"KTSB", "KTSX", "KTSY", ""}) EXPECT_EQ(LoadAirport(ident, 1), 0) << ident;
  EXPECT_EQ(LoadAirport("KSEA", 1), 1);
  EXPECT_EQ(Text(Origin().runways[1].ident), "16L");
}

// The airport block keeps the localizer course as written; the runway list takes the runway
// heading for a course of 0. Two '_' in a row move the later sub-fields forward.
TEST_F(AirportLoader, SubFieldsOfARunwayGroup) {
  const struct {
    const char* group;
    int32_t length_ft;
    double lat, loc_crs_record, loc_crs_info, recip;
  } cases[] = {{"34_8000_10.1_20.2_340_0_X_0", 8000, 10.1, 0, 340, 160},
               {"18_8000_1_2_180_110.1_X_181", 8000, 1, 181, 181, 0},
               {"09__45.1_7.2_90", 45, 7.2, 0, 0, 180}};
  for (const auto& c : cases) {
    WriteNavFile("apts.txt", std::string("KTST T 0 1.0 2.0 ") + c.group + "\n");
    ASSERT_EQ(LoadAirport("KTST", 1), 1);
    LoadAirportInfo("KTST", 0);
    const RunwayRecord& rec = Origin().runways[1];
    EXPECT_EQ(std::tuple(rec.length_ft, rec.lat, rec.loc_crs, rec.recip_heading, apt_rwys[1].loc_crs),
              std::tuple(c.length_ft, c.lat, c.loc_crs_record, c.recip, c.loc_crs_info))
        << c.group;
  }
}

// A missed airport leaves nothing of the airport loaded before on offer.
TEST_F(AirportLoader, AirportInNeitherFileEmptiesTheBlock) {
  WriteNavFile("sids.txt", "[KTST]\nSID1 FIX1 5000 --- 45.1 -122.1\nSID1.TR FIX2 6000 --- 45.2 -122.2\n");
  WriteNavFile("stars.txt", "[KTST]\nSTAR1 FIX1 5000 --- 45.1 -122.1\n");
  WriteNavFile("apps.txt", "[KTST]\n16L I16L FIX1 IAF 3000 45.1 -122.1\n");
  ASSERT_EQ(LoadAirport("KTST", 1), 1);
  ASSERT_EQ(LoadAirport("KTST", 2), 1);
  ASSERT_EQ(Origin().sid_cnt + Dest().star_cnt + Dest().appr_cnt, 3);
  Dest().iaf_cnt = 1;
  SetText(Dest().iaf_list[1].name, "FIX1");
  for (int selector : {1, 2}) {
    EXPECT_EQ(LoadAirport("KXXX", selector), 0);
    const AirportRecord& a = airport_recs[selector];
    EXPECT_EQ(a.rwy_cnt + a.sid_cnt + a.star_cnt + a.appr_cnt + a.appr_trans_cnt + a.iaf_cnt, 0);
    EXPECT_EQ(a.trans_list_cnt + a.sid_list_cnt + a.star_list_cnt + a.name_list_cnt + a.rwy_list_cnt, 0);
    EXPECT_EQ(Text(a.icao) + a.name + a.runways[1].ident, "");
  }
  // No stale rows behind the counts.
  EXPECT_EQ(Text(Origin().sids[1].legs[1].ident) + Dest().stars[1].name + Dest().iaf_list[1].name, "");
}

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
  std::string RightPatterns() {
    std::string s;
    for (int i = 1; i <= apt_rwy_cnt; ++i) s += std::to_string(apt_rwys[i].right_pattern);
    return s;
  }
};

// Sections match without regard to case and end at the next one; "RWY9" marks 09 and 9. An airport
// in no file changes nothing in any mode.
TEST_F(AirportInfo, RightPatternMarksPlainAndZeroPrefixedRunways) {
  LoadAirportInfo("KTST", 0);  // no file: every pattern left
  EXPECT_EQ(RightPatterns(), "0000");
  apt_info_loaded = 0;
  fp_cnt = 1;
  for (int mode = 0; mode <= 6; ++mode) LoadAirportInfo("KNONE", mode);
  EXPECT_EQ(std::tuple(apt_rwy_cnt, apt_info_loaded, fp_cnt, fp_mod_cnt, fms_fpln_act[0].ident), std::tuple(4, 0, 1, 0, ""));
  WriteNavFile("apt_additional_info.txt",
               "[KPDX]\nRWY27=RIGHTPATTERN\n"
               "[ktst] some text\nrwy9=rightpattern\nRWY27=LEFTPATTERN\nRWY16L=RIGHTPATTERN extra\n"
               "[KOTHER]\nRWY27=RIGHTPATTERN\n");
  LoadAirportInfo("KTST", 0);
  EXPECT_EQ(RightPatterns() + std::to_string(apt_info_loaded), "10111");
}

// A five-letter ident opens only its own section, not one whose code merely begins with it.
TEST_F(AirportInfo, SectionOpensOnTheWholeIdent) {
  WriteNavFile("apt_additional_info.txt", "[ABCDEF]\nRWY05=RIGHTPATTERN\n[ABCDE]\n");
  LoadAirportInfo("ABCDE", 0);
  EXPECT_EQ(RightPatterns(), "0");
  WriteNavFile("apt_additional_info.txt", "[ABCDE]\nRWY05=RIGHTPATTERN\n");
  LoadAirportInfo("ABCDE", 0);
  EXPECT_EQ(RightPatterns(), "1");
}

// Mode 1 gives the airport that is the active route's last row its elevation and drops the row's
// restriction (not to a row that is no airport).
TEST_F(AirportInfo, LastRowOfTheActiveRouteTakesTheElevation) {
  fp_cnt = 3;
  RouteLeg& last = fms_fpln_act[3];
  std::tie(last.ident, last.type, last.restr) = std::tuple("KPDX", "APT", 3);
  LoadAirportInfo("KPDX", 1);
  EXPECT_EQ(std::pair(last.alt, last.restr), std::pair(31.0, 0));
  std::tie(last.type, last.alt) = std::tuple("VOR", 5000.0);
  LoadAirportInfo("KPDX", 1);
  EXPECT_DOUBLE_EQ(last.alt, 5000.0);
}

// Mode 4 appends the airport to the active route as the crossing point, its row reset first; mode
// 6 appends it to the modified route; neither writes into a full route.
TEST_F(AirportInfo, AppendedRowButNotToAFullRoute) {
  fp_cnt = 4;
  fms_fpln_act[5].via = "J5";
  LoadAirportInfo("KPDX", 4);
  EXPECT_EQ(std::tuple(fp_cnt, fms_fpln_act[5].ident + fms_fpln_act[5].via, cross_at_lat, next_restr_leg),
            std::tuple(5, "KPDX", 45.589, 5));
  std::tie(fp_cnt, fp_mod_cnt, cross_at_lat) = std::tuple(200, 200, 0.0);
  LoadAirportInfo("KPDX", 4);
  LoadAirportInfo("KPDX", 6);
  EXPECT_EQ(std::tuple(fp_cnt, fp_mod_cnt, fms_fpln_act[200].ident + fms_fpln_mod[200].ident, cross_at_lat),
            std::tuple(200, 200, "", 0.0));
  fp_mod_cnt = 199;
  LoadAirportInfo("KPDX", 6);
  EXPECT_EQ(std::pair(fp_mod_cnt, fms_fpln_mod[200].ident), std::pair(200, std::string("KPDX")));
}

}  // namespace
