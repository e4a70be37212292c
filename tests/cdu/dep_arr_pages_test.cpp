#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"
#include "fmc/arr_proc.h"
#include "navdb/airport_loader.h"

namespace cdu_test {
namespace {

// Twelve SIDs serving every runway; S01 has thirteen transitions T01..T13.
std::string TwelveSids() {
  std::string text = "[KSEA]\n";
  for (int i = 1; i <= 12; ++i) {
    const std::string name = cdu::Format("S%02d", i);
    text += "T " + name + " SID\n" + name + " SEA 5000 --- 47.4354 -122.3097\n";
    if (i == 1) {
      for (int t = 1; t <= 13; ++t) text += cdu::Format("S01.T%02d TACMA 6000 --- 47.2010 -122.3460\n", t);
    }
  }
  return text;
}

// ILS 10R with nine initial approach fixes, ILS 28R with one; KPDX's runways 10R 28L 10L 28R.
std::string Approaches() {
  std::string text = "[KPDX]\n";
  for (int i = 1; i <= 9; ++i) text += cdu::Format("10R I10R FIX%d IAF 5000 45.7 -122.6 - 0 0\n", i);
  text += "10R I10R LAVAS FAF 2200 45.6370 -122.7294 - 0 0\n10R I10R RW10R MAP 80 45.5950 -122.6210 - 0 0\n";
  text += "28R I28R BTG IAF 4000 45.7476 -122.5925 - 0 0\n28R I28R RW28R MAP 80 45.5842 -122.5683 - 0 0\n";
  return text;
}

class DepArrPagesTest : public RoutePagesTest {
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    WriteNavFile("sids.txt", TwelveSids());
    WriteNavFile("apps.txt", Approaches());
    route_test::SetModLegs({"KSEA", "SEA", "KPDX"});
    fms_fpln_active = 1;
  }
  void Origin() {
    ASSERT_EQ(LoadAirport("KSEA", 1), 1);
    orig_ident = "KSEA";
  }
  void Destination() {
    ASSERT_EQ(LoadAirport("KPDX", 2), 1);
    dest_ident = "KPDX";
  }
  void Index() {
    fms_page = kCduPageDepArrIndex;
    Paint();
  }
};

TEST_F(DepArrPagesTest, IndexOpensEachPageOnlyForAnAirportOfTheRoute) {
  Index();
  PressAndPaint("1L");
  PressAndPaint("2R");
  EXPECT_EQ(fms_page, kCduPageDepArrIndex);
  Origin();
  Destination();
  arr_sel_state = 1;
  PressAndPaint("2R");
  EXPECT_EQ(std::pair(fms_page, arr_sel_state), std::pair(int32_t{kCduPageArrivals}, 2));
  Index();
  PressAndPaint("1L");
  EXPECT_EQ(fms_page, kCduPageDepartures);
  PressAndPaint("6R");  // RTE
  EXPECT_EQ(fms_page, kCduPageRte);
  fms_page = kCduPageArrivals;
  PressAndPaint("6L");  // the index, no modification to erase
  EXPECT_EQ(fms_page, kCduPageDepArrIndex);
}

// A new destination typed over the active route and not yet executed: the index and ARRIVALS name
// the airport whose procedures they list, and ERASE gives both back to the active one.
TEST_F(DepArrPagesTest, PendingDestinationNamesTheArrivalsItLists) {
  SetActiveRoute(kRoute);
  Origin();
  Destination();
  fms_page = kCduPageRte;
  EnterAt("KSEA", "1R");
  ASSERT_EQ(std::tuple(fms_fpln_active, dest_ident, dest_entry), std::tuple(4, "KPDX", "KSEA"));
  Index();
  EXPECT_EQ(Row(2), "KSEA | ARR>");
  PressAndPaint("2R");
  Paint();
  EXPECT_EQ(TitleLine(), "KSEA ARRIVALS 1 / 2");
  PressAndPaint("6L");  // ERASE
  Index();
  EXPECT_EQ(Row(2), "KPDX | ARR>");
}

// ERASE of a new destination reloads the active one: the approach chosen keeps its row in the list
// of its STAR, whose runway order differs from the approach file's.
TEST_F(DepArrPagesTest, ErasedDestinationKeepsTheChosenApproachMarked) {
  WriteNavFile("stars.txt", "[KPDX]\nT ARR1 STAR 28R,10R\nARR1 BTG 5000 --- 45.7476 -122.5925\n");
  SetActiveRoute(kRoute);
  Origin();
  Destination();
  star_sel = star_sel_act = "ARR1";
  SelectStar(star_sel);
  BuildStarApprList();
  ASSERT_EQ(appr_list[2].identifier + appr_list[2].runway, "I10R10R");
  arr_appr_sel = arr_appr_sel_saved = 2;
  fms_page = kCduPageRte;
  EnterAt("KSEA", "1R");
  ASSERT_EQ(fms_fpln_active, 4);
  PressAndPaint("6L");  // ERASE
  EXPECT_EQ(std::tuple(appr_list_cnt, appr_list[arr_appr_sel].identifier + appr_list[arr_appr_sel].runway),
            std::tuple(2, "I10R10R"));
}

TEST_F(DepArrPagesTest, TwelveSidsMakeThreeSubPagesAndAChosenRunwayKeepsItsTableRow) {
  Origin();
  Index();
  PressAndPaint("1L");
  Paint();
  EXPECT_EQ(Row(1), "S01 | 16L");
  PressAndPaint("NEXT_PAGE");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(Row(2), "S12 | ");
  PressAndPaint("3L");  // past the list
  EXPECT_EQ(dep_sel_state, 0);
  PressAndPaint("NEXT_PAGE");
  PressAndPaint("5R");
  EXPECT_EQ(std::tuple(dep_rwy_sel, fms_dep_rwy_pos, Line(2).right), std::tuple("16R", 5, ""));  // shown alone
  PressAndPaint("1R");  // its own line, then a blank one: neither picks a row off the page
  PressAndPaint("3R");
  EXPECT_EQ(std::tuple(dep_rwy_sel, fms_dep_rwy_pos, Line(1).right), std::tuple("16R", 5, "<SEL> 16R"));
}

TEST_F(DepArrPagesTest, ChosenSidShowsItsTransitionsFourOnTheFirstSubPageThenFive) {
  Origin();
  Index();
  PressAndPaint("1L");
  PressAndPaint("1L");
  EXPECT_EQ(sid_sel, "S01");
  EXPECT_EQ(Line(5).left, "T04");
  PressAndPaint("NEXT_PAGE");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(Line(4).left, "T13");
  PressAndPaint("PREV_PAGE 2L");
  EXPECT_EQ(std::tuple(sid_trans_sel, dep_page_no, Line(2).left, Line(3).left), std::tuple("T06", 1, "T06 <SEL>", ""));
}

// A SID without transitions says so; a STAR without them shows nothing under the label.
TEST_F(DepArrPagesTest, OnlyDeparturesSayThereIsNoTransition) {
  Origin();
  Destination();
  Index();
  PressAndPaint("1L");
  PressAndPaint("2L");
  EXPECT_EQ(std::pair(Line(1).left, Line(2).left), std::pair(std::string("S02 <SEL>"), std::string("-NONE-")));
  Index();
  PressAndPaint("2R");
  PressAndPaint("1L");
  airport_recs[2].trans_list_cnt = 0;
  Paint();
  EXPECT_EQ(std::pair(Line(1).left, Line(2).left), std::pair(std::string("WILAM1 <SEL>"), std::string("")));
}

TEST_F(DepArrPagesTest, PagingWithoutAListStaysOnTheFirstSubPage) {
  fms_page = kCduPageArrivals;
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(std::pair(arr_page, Line(1).left), std::pair(1, std::string("- N O N E -")));
}

TEST_F(DepArrPagesTest, ArrivalsListApproachesThenRunwaysAndAChosenRunwayKeepsItsTableRow) {
  Destination();
  Index();
  PressAndPaint("2R");
  Paint();
  EXPECT_EQ(Row(1), "WILAM1 | I10R10R");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(Line(1).right, "28R");
  PressAndPaint("1R");
  EXPECT_EQ(std::tuple(arr_rwy_sel, fms_dest_rwy_pos, Line(2).right), std::tuple("28R", 4, ""));
  PressAndPaint("1R");
  PressAndPaint("2R");
  EXPECT_EQ(std::tuple(arr_rwy_sel, fms_dest_rwy_pos, Line(1).right), std::tuple("28R", 4, "<SEL> 28R"));
}

TEST_F(DepArrPagesTest, ChosenApproachOffersItsTransitionsFourASubPage) {
  Destination();
  Index();
  PressAndPaint("2R");
  PressAndPaint("1R");
  EXPECT_EQ(std::tuple(appr_sel, arr_rwy_sel, Line(5).right, arr_page_cnt), std::tuple("I10R", "10R", "FIX4", 3));
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(Line(2).right, "FIX9");
  PressAndPaint("2R");
  EXPECT_EQ(std::tuple(appr_trans_sel, arr_appr_trans_sel, fms_fpln_mod[fp_mod_cnt].ident), std::tuple("FIX9", 9, "KPDX"));
}

// A panel state whose destination the navigation data does not hold, loaded on the KSEA-KPDX
// route: its ARRIVALS page offers none of KPDX's approaches.
TEST_F(DepArrPagesTest, DestinationMissingFromTheDataOffersNoApproaches) {
  SetActiveRoute(kRoute);
  Origin();
  Destination();
  ASSERT_EQ(appr_list_cnt, 2);
  std::string file = "[FLTPLN]\nfp_cnt=2\nstpos=1\n";
  for (const char* row : {"KSEA,47.45,-122.31,APT", "SEA,47.43,-122.30", "YYYY,45.6,-122.6,APT"}) {
    file += "FPLN=" + std::string(row) + "\n";
  }
  sim_.Write("Orvantel/PanelStates/NODEST.PNL", file);
  Keys("INIT_REF 6L 4R 1L");  // LOAD PNL
  ASSERT_EQ(cdu_message, "PANEL STATE LOADED OK");
  Index();
  PressAndPaint("2R");
  Paint();
  EXPECT_EQ(std::tuple(appr_list_cnt, TitleLine(), Row(1)), std::tuple(0, "YYYY ARRIVALS 1 / 1", "- N O N E - | "));
}

// On a route that already holds row 200, a SID, a STAR and an approach are each refused whole: the
// page, the selections, the pick lists, the route and its state stay as they were before the key
// (the approach's runway choice included), and the pilot reads "INVALID ENTRY".
TEST_F(DepArrPagesTest, ChoicesThatWouldPassRow200AreRefusedWhole) {
  Origin();
  Destination();
  std::vector<std::string> idents{"KSEA"};
  for (int i = 1; i <= 199; ++i) idents.push_back(cdu::Format("F%03d", i));
  idents.push_back("KPDX");
  SetActiveRoute(idents);  // a key on an active route starts from the active table
  auto choices = [this] {
    const AirportRecord& o = airport_recs[1];
    const AirportRecord& d = airport_recs[2];
    std::string s = TitleLine();
    for (int n = 1; n <= 5; ++n) s += "\n" + Row(n);
    for (const std::string* sel : {&sid_sel, &sid_trans_sel, &dep_rwy_sel, &star_sel, &star_trans_sel, &arr_rwy_sel,
                                   &appr_sel, &appr_trans_sel}) {
      s += " " + *sel;
    }
    s += cdu::Format("\nstates %d %d %d %d %d %d, lists %d %d %d %d %d %d %d, route %d rows, state %d", dep_sel_state,
                     arr_sel_state, arr_rwy_chosen, appr_chosen, fms_dest_rwy_pos, arr_appr_sel, o.sid_list_cnt,
                     o.trans_list_cnt, o.rwy_list_cnt, d.star_list_cnt, d.trans_list_cnt, d.rwy_list_cnt,
                     appr_list_cnt, fp_mod_cnt, fms_fpln_active);
    return s + " " + fms_fpln_mod[fp_mod_cnt].ident;
  };

  for (const char* page_and_choice : {"1L 2L", "2R 1L", "2R 1R"}) {  // SID S02, STAR WILAM1, approach I10R
    const std::string keys = page_and_choice;
    Index();
    PressAndPaint(keys.substr(0, 2));
    Paint();
    const std::string before = choices();
    cdu_message.clear();
    PressAndPaint(keys.substr(3));
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << keys;
    EXPECT_EQ(choices(), before) << keys;
  }
}

}  // namespace
}  // namespace cdu_test
