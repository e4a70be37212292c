// Malformed and oversized procedure files: the loaders keep within their tables and never fail.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "module/module_state.h"
#include "navdb/procs_fixture.h"

namespace {

using ProcsBadInput = ProcsTest;

std::string Repeat(const std::string& s, int n) { return n > 0 ? s + Repeat(s, n - 1) : ""; }

TEST_F(ProcsBadInput, TruncatedLinesAddNothingOrEmptyLegs) {
  LoadOriginWith("[KTST]\nT\nT DEP1\nDEP1\nDEP1 /H180/UA\nDEP1 RW16L /H180/UA\nDEP1 FIX\n");
  ASSERT_EQ(Origin().sid_cnt, 2);
  EXPECT_EQ(Text(Sid(2).name) + ": " + LegIdents(Sid(2)), "DEP1: FIX");
  LoadDestWith("[KTST]\nT\nSTAR1\nSTAR1 FIX\nSTAR1 /H180/IC\n.\n",
               "[KTST]\n16L\n16L I16L\n16L I16L /\n16L I16L /RT\n16L I16L /LT/H\n16L I16L FIX IAF\n");
  // A STAR leg line needs only its first token (an empty leg, as the format allows); the waiting
  // intercept is dropped at the end.
  EXPECT_EQ(LegIdents(Star(2)), " FIX");
  EXPECT_EQ(Dest().appr_cnt, 1);
}

// Numbers beyond the double range read as 0; courses far outside 0..360 stay finite (the test main
// traps invalid operations and overflows).
TEST_F(ProcsBadInput, HugeAndMalformedNumbers) {
  WriteNavFile("apts.txt", "KTST T 1e999 45 -122 16L_1e99_45_-122_1e300_X_X_-1e300 16R_1_1e400_1e308_1_X_X_1\n");
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16L\nDEP1 RW16L /RT/H1e300/UA 2147483647 16L 1e300 -1e300\n"
      "DEP1 /LT/T-1e300/UD1e300 1 --- 1e300 1e300 FO\nDEP1 /RT/T1e300/IC1e300 1 --- 45 -122\n"
      "DEP1 /T1e300/UD1e300 1 --- 0 0\nDEP1 FIX nan inf 1e309 -1e309\n");
  EXPECT_GE(Sid(1).leg_cnt, 1);
  LoadDestWith("[KTST]\nS1 A 1 --- 1e300 1e300\nS1 /H1e300/IC1e300 1 --- 0 0\nS1 B 1 --- 45 -122\n",
               "[KTST]\n16L I /RT-H1e300/UD1e300 IAF 1 1e300 -1e300 - 1e300 -1e300\n"
               "16L I /LT-H-1e300/IC1e300 IAF 1 45 -122\n16L I /T1e300/XX1e300 IAF 1 45 -122\n");
  EXPECT_EQ(Dest().appr_cnt, 1);
}

// An over-long name is kept cut to its field, and later lines still find its record.
TEST_F(ProcsBadInput, OverLongTokensAreCutAndStillMatch) {
  std::string name = Repeat("N", 300);
  LoadOriginWith("[KTST]\n" + name + " FIX1 1 --- 1 1\n" + name + "." + Repeat("T", 100) + " FIX2 1 --- 1 1\n" +
                 name + " " + Repeat("F", 150) + " " + Repeat("9", 100) + " --- 1 1\n");
  ASSERT_EQ(Origin().sid_cnt, 1);
  EXPECT_EQ(Text(Sid(1).name), Repeat("N", 31));
  EXPECT_EQ(Joined(Sid(1), &ProcedureLeg::trans), "FIX1 " + Repeat("T", 23) + " " + Repeat("F", 23));
  LoadDestWith("[KTST]\n" + Repeat("X", 100) + "." + name + " FIX 1 --- 1 1\n" + name + " FIX 1 --- 1 1\n",
               "[KTST]\n" + Repeat("R", 100) + " " + Repeat("I", 100) + " FIX IAF 1 1 1\n" + Repeat("R", 100) + " " +
                   Repeat("I", 100) + " FIX2 IAF 1 1 1\n");
  EXPECT_EQ(std::tuple(Dest().star_cnt, Star(1).leg_cnt, Dest().appr_cnt, Appr(1).leg_cnt, Dest().trans_list_cnt),
            std::tuple(1, 2, 1, 2, 2));
}

// A line longer than the 499-character buffer is read in pieces, each taken as a line; a full
// runway table drops further groups.
TEST_F(ProcsBadInput, OverLongLinesAreReadInPieces) {
  WriteNavFile("apts.txt", std::string("KTST T 1 2 3 ") + Repeat("09_1_1_1_90_0_X_90 ", 120) + "\nKXYZ N 1 2 3\n");
  ASSERT_EQ(LoadAirport("KTST", 1), 1);
  EXPECT_EQ(Origin().rwy_cnt, 20);
  EXPECT_EQ(LoadAirport("KXYZ", 2), 1);
}

// 140 SIDs and 400 legs a record (in SID and STAR records alike); no leg or record beyond them.
TEST_F(ProcsBadInput, MoreSidsStarsAndLegsThanTheTablesHold) {
  std::string text = "[KTST]\n";
  for (int i = 1; i <= 150; ++i) text += "T S" + std::to_string(i) + " SID 16L\n";
  for (int i = 1; i <= 150; ++i) text += "X" + std::to_string(i) + " FIX 1 --- 1 1\n";
  text += Repeat("S1 FIX 1 --- 45 -122\nS1 /H180/UD1 1 16B 0 0\n", 210);
  LoadOriginWith(text);
  EXPECT_EQ(std::pair(Origin().sid_cnt, Sid(1).leg_cnt), std::pair(140, 400));
  EXPECT_EQ(Text(Sid(140).name), "S140");
  EXPECT_EQ(Text(Sid(1).legs[400].ident) + Sid(1).legs[400].marker, "HD180*");
  std::string stars = Repeat("S1 FIX 1 --- 45 -122\nS1 /H180/UD1 1 --- 0 0\n", 210);
  LoadDestWith("[KTST]\n" + stars + "S1 END 1 --- 44 -121\n", "");
  EXPECT_EQ(Star(1).leg_cnt, 400);
}

TEST_F(ProcsBadInput, MoreApproachesLegsAndIdentifiersThanTheTablesHold) {
  std::string apps = "[KTST]\n";
  for (int i = 1; i <= 150; ++i) apps += "R" + std::to_string(i) + " A" + std::to_string(i) + " FIX IAF 1 45 -122\n";
  apps += Repeat("R1 A1 FIX --- 1 45 -122\nR1 A1 FIX2 --- 1 45 -122\n", 199);  // 399 legs
  // No room for the three legs of the procedure turn, room for one more.
  apps += "R1 A1 /LT-H180/UD1.0 --- 1 45 -122\nR1 A1 LAST --- 1 45 -122\nR1 A1 OVER --- 1 45 -122\n";
  LoadDestWith("", apps);
  EXPECT_EQ(std::tuple(Dest().appr_cnt, Dest().appr_trans_cnt, Appr(1).leg_cnt, appr_list_cnt),
            std::tuple(140, 20, 400, 50));
  EXPECT_EQ(Text(Appr(1).legs[400].ident), "LAST");
  // A reset after full tables leaves every used row empty again.
  ResetModuleState();
  EXPECT_EQ(std::pair(Dest().appr_cnt, Dest().approaches[1].leg_cnt), std::pair(0, 0));
  EXPECT_EQ(Text(Dest().approaches[140].id) + Dest().approaches[140].runway + Dest().approaches[1].legs[400].ident, "");
}

}  // namespace
