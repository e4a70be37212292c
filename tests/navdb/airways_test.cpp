#include "navdb/airways.h"

#include <gtest/gtest.h>

#include <string>

#include "navdb/navdb_fixture.h"

namespace {

class Airways : public NavdbTest {
 protected:
  void SetUp() override {
    NavdbTest::SetUp();
    WriteNavFile("awys.txt",
                 "J1 1 ALPHA 45.0 -120.0\n"
                 "J501 1 BRAVO 46.0 -121.0\n"
                 "J501 2 SEA 47.0 -122.0\n"
                 "J501 3 DELTA 48.0 -123.0\n"
                 "J501 4 BRAVO 49.0 -124.0\n"
                 "J2 1 ECHO 50.0 -125.0\n"
                 "J501 1 LATER 51.0 -126.0\n");
    JoinAt("SEA");
  }

  void JoinAt(const std::string& fix) {
    mod_stpos = 3;
    fms_fpln_mod[3].ident = fix;
  }

  std::string Ident(int i) { return std::string(TextOf(nav_search_list[i].ident)); }
};

TEST_F(Airways, HashPrefixedNameLoadsTheAirwayUpToTheEndOfItsBlock) {
  LoadAirway("#J501");
  // Fixes before the joining fix are kept; reading stops at the first other airway after it.
  ASSERT_EQ(nav_search_cnt, 4);
  EXPECT_EQ(Ident(1), "BRAVO");
  EXPECT_EQ(Ident(4), "BRAVO");
  EXPECT_EQ(awy_entry_idx, 2);
  EXPECT_EQ(awy_exit_idx, 2);
  EXPECT_TRUE(TextIs(nav_search_list[2].airway, "J501"));
  EXPECT_TRUE(TextIs(nav_search_list[2].type, ""));
  EXPECT_DOUBLE_EQ(nav_search_list[3].lat, 48.0);
  EXPECT_DOUBLE_EQ(nav_search_list[3].lon, -123.0);
}

TEST_F(Airways, JoiningFixNotOnTheAirwayKeepsEveryMatchingLine) {
  JoinAt("NOWHERE");
  LoadAirway("J501");
  EXPECT_EQ(nav_search_cnt, 5);
  EXPECT_EQ(Ident(5), "LATER");
  EXPECT_EQ(awy_entry_idx, 0);
  EXPECT_EQ(awy_exit_idx, 0);
}

TEST_F(Airways, NoModifiedRouteMeansNoJoiningFix) {
  mod_stpos = 999;
  LoadAirway("J501");
  EXPECT_EQ(nav_search_cnt, 5);
  EXPECT_EQ(awy_entry_idx, 0);
}

TEST_F(Airways, UnknownAirwayAndMissingFileLeaveTheListEmpty) {
  nav_search_cnt = 7;
  LoadAirway("Q99");
  EXPECT_EQ(nav_search_cnt, 0);
  LoadAirway("j501");  // names compare with case
  EXPECT_EQ(nav_search_cnt, 0);
  std::filesystem::remove(root_ / "Orvantel" / "Navdata" / "awys.txt");
  LoadAirway("J501");
  EXPECT_EQ(nav_search_cnt, 0);
  EXPECT_EQ(awy_entry_idx, 0);
}

// The file's rows reach only the main file; a line too short for its five tokens is passed over.
TEST_F(Airways, ShortLinesAndUserFileAreIgnored) {
  WriteNavFile("awys.txt", "J9 1 AAAA 1 1\nJ9 2 BBBB 2\n\nJ9 3 SEA 3 3\n");
  WriteNavFile("awys_user.txt", "J9 4 USER 4 4\n");
  LoadAirway("J9");
  ASSERT_EQ(nav_search_cnt, 2);
  EXPECT_EQ(Ident(2), "SEA");
  EXPECT_EQ(awy_entry_idx, 2);
}

TEST_F(Airways, MoreThan250FixesAreDropped) {
  std::string text;
  for (int i = 1; i <= 260; ++i) text += "LONG " + std::to_string(i) + " F" + std::to_string(i) + " 1 1\n";
  WriteNavFile("awys.txt", text);
  JoinAt("F255");  // beyond the list: there is no entry row for it
  LoadAirway("LONG");
  EXPECT_EQ(nav_search_cnt, 250);
  EXPECT_EQ(Ident(250), "F250");
  EXPECT_EQ(awy_entry_idx, 0);
}

TEST_F(Airways, FindAirwayFixGivesTheFirstRow) {
  LoadAirway("J501");
  EXPECT_EQ(FindAirwayFix("BRAVO"), 1);
  EXPECT_EQ(FindAirwayFix2("BRAVO"), 1);
  EXPECT_EQ(FindAirwayFix("DELTA"), 3);
  EXPECT_EQ(FindAirwayFix("ECHO"), 0);
}

TEST_F(Airways, ExitFixSkipsTheEntryRow) {
  WriteNavFile("awys.txt", "J7 1 SEA 1 1\nJ7 2 MID 2 2\nJ7 3 SEA 3 3\n");
  LoadAirway("J7");
  ASSERT_EQ(awy_entry_idx, 3);  // the last occurrence of the joining fix
  rte_rows[2].to_fix = "SEA";
  EXPECT_EQ(SelectAirwayExitFix(2), 1);
  EXPECT_EQ(awy_exit_idx, 1);
  EXPECT_EQ(awy_exit_set, 1);
}

TEST_F(Airways, ExitFixNotOnTheAirway) {
  LoadAirway("J501");
  rte_rows[1].to_fix = "ECHO";
  EXPECT_EQ(SelectAirwayExitFix(1), 0);
  EXPECT_EQ(awy_exit_set, 0);
  EXPECT_EQ(awy_exit_idx, 2);
  rte_rows[1].to_fix = "DELTA";
  for (int32_t bad_row : {-1, 201, 999}) EXPECT_EQ(SelectAirwayExitFix(bad_row), 0);
  EXPECT_EQ(SelectAirwayExitFix(1), 1);
  EXPECT_EQ(awy_exit_idx, 3);
  nav_search_cnt = 0;
  EXPECT_EQ(SelectAirwayExitFix(1), 0);
}

}  // namespace
