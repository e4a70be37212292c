#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_globals.h"
#include "navdb/approach_lists.h"
#include "navdb/procs_fixture.h"

namespace {

// Two ILS approaches with IAF transitions and a missed approach, and a circling approach without a
// runway.
constexpr const char* kApps =
    "[KTST]\n"
    "16L I16L AAA IAF 5000 45.5 -122.0\n"
    "16L I16L BBB AAA 4000 45.4 -122.0\n"
    "16L I16L CCC IAF 4000 45.4 -122.2\n"
    "16L I16L DDD FAF 3000 45.2 -122.0\n"
    "16L I16L RW16L MAP 100 45.01 -122.0\n"
    "16L I16L EEE HP 3000 44.8 -122.0\n"
    "34R I34R AAA IAF 5000 44.5 -122.0\n"
    "34R I34R FFF --- 3000 44.8 -122.0\n"
    "34R I34R GGG ARC 3000 44.9 -122.0 AAA\n"
    "--- VORA AAA IAFX 5000 45.5 -122.0\n"
    "--- VORA RW34L MAP 700 44.99 -122.01\n";

class ApproachLists : public ProcsTest {
 protected:
  void SetUp() override {
    ProcsTest::SetUp();
    LoadDestWith("", kApps);
  }
  std::string IafList() {
    std::string s;
    for (int i = 1; i <= Dest().iaf_cnt; ++i) s += std::string(i > 1 ? " " : "") + Dest().iaf_list[i].name;
    return s;
  }
  std::string LegList() {
    std::string s;
    for (int i = 1; i <= appr_leg_cnt; ++i) {
      s += std::string(i > 1 ? " " : "") + appr_legs[i].ident;
      if (!appr_legs[i].role.empty()) s += "/" + appr_legs[i].role;
    }
    return s;
  }
  void Choose(const char* appr, const char* rwy, const char* trans) {
    appr_sel = appr;
    arr_rwy_cur = rwy;
    appr_trans_sel = trans;
  }
};

TEST_F(ApproachLists, OneRowPerApproachAfterLoading) {
  ASSERT_EQ(appr_list_cnt, 3);
  EXPECT_EQ(appr_list[1].identifier, "I16L");
  EXPECT_EQ(appr_list[1].runway, "16L");
  EXPECT_EQ(appr_list[2].identifier, "I34R");
  EXPECT_EQ(appr_list[3].identifier, "VORA");
  EXPECT_EQ(appr_list[3].runway, "");
  BuildApproachList("34R");
  ASSERT_EQ(appr_list_cnt, 1);
  EXPECT_EQ(appr_list[1].identifier, "I34R");
  EXPECT_EQ(appr_list[2].identifier, "");
}

TEST_F(ApproachLists, IafListOfTheChosenApproach) {
  Choose("I16L", "16L", "------");
  BuildIafList();
  EXPECT_EQ(IafList(), "AAA CCC");
  // Every approach: the same IAF name gives one row; a role that begins with IAF qualifies (its
  // transition is the role itself).
  Choose("------", "------", "------");
  BuildIafList();
  EXPECT_EQ(IafList(), "AAA CCC IAFX");
  Choose("VORA", "16R", "------");
  BuildIafList();
  EXPECT_EQ(IafList(), "IAFX");  // no runway: belongs to every runway
  Choose("I34R", "16L", "------");
  BuildIafList();
  EXPECT_EQ(IafList(), "");
}

TEST_F(ApproachLists, LegListWithoutTransitionHoldsTheCommonPart) {
  Choose("I16L", "16L", "------");
  BuildApproachLegList();
  EXPECT_EQ(LegList(), "DDD/FAF RW16L/MAP");
  EXPECT_EQ(appr_legs_pending, 1);
  EXPECT_EQ(appr_legs[1].alt_text, "3000");
  EXPECT_DOUBLE_EQ(appr_legs[1].lat, 45.2);
  EXPECT_EQ(appr_legs[1].name, "");
}

TEST_F(ApproachLists, LegListWithTransitionKeepsFileOrder) {
  Choose("I16L", "16L", "AAA");
  BuildApproachLegList();
  EXPECT_EQ(LegList(), "AAA/IAF BBB DDD/FAF RW16L/MAP");
  Choose("I34R", "34R", "------");
  BuildApproachLegList();
  EXPECT_EQ(LegList(), "FFF");
  Choose("I34R", "34R", "AAA");
  BuildApproachLegList();
  EXPECT_EQ(LegList(), "AAA/IAF FFF GGG/ARC");
}

// "------" as runway lets only legs without a runway through the leg list; a role that merely
// begins with IAF gives no role.
TEST_F(ApproachLists, LegListRunwayAndRoleTests) {
  Choose("I16L", "------", "AAA");
  BuildApproachLegList();
  EXPECT_EQ(appr_leg_cnt, 0);
  EXPECT_EQ(appr_legs[1].ident, "");  // rows of the previous list are emptied
  Choose("VORA", "------", "IAFX");
  BuildApproachLegList();
  EXPECT_EQ(LegList(), "AAA RW34L/MAP");
  appr_legs_pending = 0;
  Choose("NONE", "16L", "------");
  BuildApproachLegList();
  EXPECT_EQ(appr_leg_cnt, 0);
  EXPECT_EQ(appr_legs_pending, 1);
}

// Lists stop at their capacities: 50 approach rows, 40 IAFs, 80 legs.
TEST_F(ApproachLists, ListsStopAtCapacity) {
  std::string apps = "[KTST]\n";
  for (int i = 1; i <= 60; ++i) {
    apps += "16L A" + std::to_string(i) + " F" + std::to_string(i) + " IAF 1 45 -122\n";
  }
  for (int i = 1; i <= 90; ++i) apps += "16L A1 L" + std::to_string(i) + " --- 1 45 -122\n";
  LoadDestWith("", apps);
  EXPECT_EQ(appr_list_cnt, 50);
  EXPECT_EQ(appr_list[50].identifier, "A50");
  Choose("------", "------", "------");
  BuildIafList();
  EXPECT_EQ(Dest().iaf_cnt, 40);
  EXPECT_EQ(Text(Dest().iaf_list[40].name), "F40");
  Choose("A1", "16L", "F1");
  BuildApproachLegList();
  EXPECT_EQ(appr_leg_cnt, 80);
  EXPECT_EQ(appr_legs[80].ident, "L79");
}

}  // namespace
