#include "cdu/pages/legs_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"
#include "fmc/route_holds.h"
#include "base/geodesy.h"
#include "nd/nd_globals.h"

namespace cdu_test {
namespace {

class LegsPageTest : public RoutePagesTest {
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    std::tie(plane_lat, plane_lon, mag_var) = std::tuple(47.2, -122.0, 0.0);
  }
  void Legs(const Idents& idents = kRoute) {
    SetActiveRoute(idents);
    PressAndPaint("LEGS");
  }
};

TEST_F(LegsPageTest, ActiveRouteListsEachLegWithCourseDistanceAndConstraints) {
  Legs();
  // The active leg is flown from the aircraft: 0.3 degrees north is 18 NM.
  EXPECT_EQ(Line(1).label, "360\xB0 18 NM");
  mag_var = -15.0;  // west variation: a track due north is 015 magnetic
  Paint();
  EXPECT_EQ(Line(2).label, "015\xB0 30 NM");
  // The constraint column by restriction and route state.
  for (const auto& [alt, ias, mach, right] :
       {std::tuple{35000.0, 250.0, 0.80, "0.80 / FL350"}, std::tuple{12345.0, -999.0, 0.0, "---- / 12300"}}) {
    for (RouteLeg* legs : {fms_fpln_act, fms_fpln_mod}) {
      std::tie(legs[2].alt, legs[2].ias, legs[2].mach, legs[2].restr) = std::tuple(alt, ias, mach, 1);
    }
    Paint();
    EXPECT_EQ(Line(2).right, right);
  }
}

// A modification still lists the flown leg from the aircraft, not from the row behind it.
TEST_F(LegsPageTest, ModifiedListingKeepsTheFlownLegFromTheAircraft) {
  Legs();
  EnterAt("250/10000", "2R");
  ASSERT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(Line(1).label, "360\xB0 18 NM");
}

// LEGS starts the modification from the active route; its hold row follows the leg.
TEST_F(LegsPageTest, HoldRowFollowsItsLegAndDeleteTellsTheTwoApart) {
  SetActiveRoute(kRoute);
  AddLegHold(2, 0);
  fms_fpln_act[2].hold_idx = 1;
  route_test::SetModLegs({"KSEA", "OLM", "KPDX"});
  PressAndPaint("LEGS");
  EXPECT_EQ(Line(3).left, "TACMA - - - - / - - - - - -");

  PressAndPaint("DEL 3L");
  EXPECT_EQ(std::pair(fms_fpln_mod[2].hold_idx, edit_leg_idx), std::pair(0, 2));  // the leg forgets its hold
  EXPECT_EQ(ModIdents(), kRoute);
}

TEST_F(LegsPageTest, DeleteLeavesADiscontinuityWhereOneFitsButNeverTakesTheEnd) {
  for (const auto& [route, key, after] : std::vector<std::tuple<Idents, const char*, Idents>>{
           {kRoute, "2L", {"KSEA", "SEA", "DISCO", "CENTR", "KELSO", "KPDX"}},
           {{"KSEA", "SEA", "TACMA", "CENTR", "KPDX"}, "3L", {"KSEA", "SEA", "TACMA", "KPDX"}}}) {
    Legs(route);
    PressAndPaint(std::string("DEL ") + key);
    EXPECT_EQ(ModIdents(), after);
    EXPECT_EQ(fms_fpln_active, 4);
  }
  Legs({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("DEL 3L");  // the end line
  EXPECT_EQ(std::pair(cdu_message, fp_mod_cnt), std::pair(std::string("INVALID DELETE"), 3));
}

// A bad along-track entry keeps only the part after the slash; a slash after one or six characters
// makes an ident search.
TEST_F(LegsPageTest, LeftKeyCopiesTheLegOrTakesAnAlongTrackPointOrALaterLegAndRefusesBadEntries) {
  Legs();
  PressAndPaint("3L");
  EXPECT_EQ(BottomLine(), "CENTR");
  for (const auto& [entry, kept, message] :
       {std::tuple{"TACMA/1X", "1X", "INVALID ENTRY"}, std::tuple{"T/10", "T/10", "NOT IN DATABASE"},
        std::tuple{"TACMA/31", "31", "INVALID ENTRY"}}) {
    EnterAt(entry, "2L");
    ExpectTaken(kept, false, message);
    EXPECT_EQ(ModIdents(), kRoute) << entry;
  }
  EnterAt("TACMA/10", "2L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "TAC01", "CENTR", "KELSO", "KPDX"}));
  EnterAt("KELSO", "2L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "KELSO", "KPDX"}));
  ExpectTaken("", true);
}

TEST_F(LegsPageTest, OneMatchIsInsertedInFrontOfTheLineWithADiscontinuityAndSeveralGoToSelectWaypoint) {
  AddDuplicateFix();
  Legs();
  EnterAt("OLM", "3L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "OLM", "DISCO", "CENTR", "KELSO", "KPDX"}));
  EnterAt("DUPLI", "2L");
  EXPECT_EQ(std::tuple(fms_page, cdu_return_index, nav_search_cnt), std::tuple(9, 2, 2));
}

// A place/bearing/distance look-up that puts no point into the route leaves no offset for the next
// waypoint; the RTE page refuses the form.
TEST_F(LegsPageTest, PlaceBearingLookUpThatInsertsNothingLeavesTheNextWaypointAlone) {
  AddDuplicateFix();
  const std::vector<std::tuple<const char*, std::function<void()>, const char*>> lookups{
      {"FIX INFO", [&] { PressAndPaint("FIX"); EnterAt("SEA270/10", "1L"); }, ""},
      {"REF NAV DATA", [&] { EnterOn(kCduPageRefNavData, "SEA270/10", "1L"); }, ""},
      {"RTE LEGS", [&] { EnterAt("XYZ270/10", "2L"); }, "NOT IN DATABASE"},
      {"RTE", [&] { PressAndPaint("RTE NEXT_PAGE"); EnterAt("OLM270/10", "2R"); }, "INVALID ENTRY"},
      {"SELECT WAYPOINT", [&] { EnterAt("DUPLI270/10", "2L"); PressAndPaint("FIX"); }, ""}};
  const Idents route{"KSEA", "SEA", "CENTR", "KELSO", "KPDX"};
  for (const auto& [name, look_up, message] : lookups) {
    Legs(route);
    look_up();
    EXPECT_EQ(std::pair(cdu_message, ModIdents()), std::pair(std::string(message), route)) << name;
    Legs(route);
    EnterAt("TACMA", "2L");
    EXPECT_EQ(std::tuple(fms_fpln_mod[2].ident, fms_fpln_mod[2].lat, fms_fpln_mod[2].lon),
              std::tuple("TACMA", 47.2010, -122.3460)) << name;
  }
  // A HOLD AT fix given up for PPOS: the hold is at the aircraft.
  Legs();
  PressAndPaint("HOLD");
  EnterAt("SEA270/10", "6L");
  PressAndPaint("6R");
  EXPECT_EQ(std::tuple(fms_fpln_mod[1].ident, fms_fpln_mod[1].lat, fms_fpln_mod[1].lon),
            std::tuple("WPT01", plane_lat, plane_lon));
}

// An empty scratchpad copies a constraint with a speed back as an entry.
TEST_F(LegsPageTest, RightKeyEntersCopiesBackAndDeletesAConstraint) {
  Legs();
  EnterAt("250/10000", "2R");
  EXPECT_EQ(std::pair(fms_fpln_mod[2].alt + fms_fpln_mod[2].ias, fms_fpln_active), std::pair(10250.0, 4));
  std::tie(fms_fpln_mod[3].alt, fms_fpln_mod[3].mach, fms_fpln_mod[3].ias, fms_fpln_mod[4].alt) =
      std::tuple(35000.0, 0.80, 300.0, 12000.0);
  for (const auto& [key, copy] : {std::pair{"2R", "  250/10000"}, std::pair{"3R", "0.80/35000"}, std::pair{"4R", ""}}) {
    EnterAt("", key);
    EXPECT_EQ(cdu_scratchpad, copy) << key;
  }
  PressAndPaint("DEL 2R");
  EXPECT_EQ(fms_fpln_mod[2].restr, 0);
  EnterAt("600/5", "2R");
  ExpectTaken("600/5", false);
  Legs({"KSEA", "SEA", "KPDX"});  // lines past the route do nothing
  EnterAt("250/10000", "4R");
  PressAndPaint("4L");
  ExpectTaken("250/10000", false, "");
}

// Level at FL200 past the T/C, a constraint entered ahead and executed: the legs still to fly are
// planned at the cruise level, the constraint as entered, at the descent speed (it has none of its
// own); SEA, behind, keeps its climb.
TEST_F(LegsPageTest, ExecutedInCruiseTheLegsAheadStayAtTheCruiseLevel) {
  Legs({"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "OLM", "KPDX"});
  std::tie(fms_fpln_active, plane_alt, cruise_alt) = std::tuple(2, 0.0, 20000);
  PressAndPaint("EXEC");  // planned on the ground: 9200 at SEA, 18000 at TACMA, FL200 from CENTR
  std::tie(stpos, plane_lat, plane_alt, toc) = std::tuple(2, 47.9, 20000.0, 1);
  EnterAt("15000", "3R");
  PressAndPaint("EXEC");
  Paint();
  EXPECT_EQ(Line(1).right + " | " + Line(3).right, "300 / FL200 | 290 / 15000");
  EXPECT_EQ(fms_fpln_act[1].alt, 9200.0);
}

// A hold row before a page takes one of its lines: page 2 starts a leg earlier.
TEST_F(LegsPageTest, PagesWrapAndTheCounterMovesBeforeTheLegs) {
  SetActiveRoute({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "KPDX"});
  AddLegHold(2, 0);
  fms_fpln_act[2].hold_idx = 1;
  PressAndPaint("LEGS");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(TitleLine() + "|" + Line(1).left, "ACT RTE    LEGS 2 / 3|A1");  // page 2's legs come next paint
  Paint();
  const std::string page2 = Line(1).left;
  hold_cnt = 0;
  SetActiveRoute(kRoute);  // a page left over from the longer route starts again at 1
  Paint();
  EXPECT_EQ(page2 + "|" + Line(1).left, "A5|SEA");
}

// A hold row that ends one page and a hold row that spills onto the next: paged through, every leg
// and every hold is listed once.
TEST_F(LegsPageTest, PagingListsEveryLegAndHoldOnce) {
  for (const int32_t held : {4, 5}) {
    hold_cnt = 0;
    SetActiveRoute({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "KPDX"});
    AddLegHold(held, 0);
    fms_fpln_act[held].hold_idx = 1;
    PressAndPaint("LEGS");
    std::vector<std::string> listed;
    for (int page = 1; page <= legs_page_cnt; ++page) {
      for (int n = 1; n <= 5; ++n) {
        const LineText l = Line(n);
        const std::string ident = l.left.substr(0, l.left.find(' '));
        listed.push_back(l.label.starts_with("H O L D") ? "HOLD " + ident : ident);
      }
      PressAndPaint("NEXT_PAGE");
      Paint();
    }
    std::vector<std::string> expected{"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "-"};
    expected.insert(expected.begin() + held, "HOLD A" + std::to_string(held));  // the end line shows no leg
    listed.resize(expected.size());
    EXPECT_EQ(listed, expected) << "hold at A" << held;
  }
}

TEST_F(LegsPageTest, PlanModeStepWalksTheMapCentreAlongThePagesAndPagingRecentresIt) {
  nd_mode = 4;
  Legs({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "KPDX"});
  for (int i = 0; i < 4; ++i) PressAndPaint("6R");
  EXPECT_EQ(map_ctr_leg, 5);
  PressAndPaint("6R");  // past the fifth leg: the next page, centred on its first leg
  ASSERT_EQ(legs_page, 2);
  PressAndPaint("6R");
  PressAndPaint("6R");  // leg 8 is the destination: back to page 1 and the active leg
  EXPECT_EQ(std::pair(legs_page, map_ctr_leg), std::pair(1, 1));
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(map_ctr_leg, 6);
}

// A hold row leaves room for four legs: the STEP past the fourth turns the page, and <CTR> shows on
// the leg the map is centred on.
TEST_F(LegsPageTest, PlanModeStepTurnsThePageAtTheLastLegAHoldLeavesOnIt) {
  nd_mode = 4;
  SetActiveRoute({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "KPDX"});
  AddLegHold(2, 0);
  fms_fpln_act[2].hold_idx = 1;
  PressAndPaint("LEGS");
  for (int i = 0; i < 3; ++i) PressAndPaint("6R");
  Paint();
  EXPECT_EQ(std::tuple(legs_page, map_ctr_leg, Line(5).left), std::tuple(1, 4, std::string("A4 <CTR>")));
  PressAndPaint("6R");
  Paint();
  EXPECT_EQ(std::tuple(legs_page, map_ctr_leg, Line(1).left), std::tuple(2, 5, std::string("A5 <CTR>")));
}

// STEP over a discontinuity centres the plan map on the leg after it, where <CTR> shows.
TEST_F(LegsPageTest, PlanModeStepPassesOverADiscontinuity) {
  nd_mode = 4;
  Legs({"KSEA", "A1", "A2", "DISCO", "A4", "A5", "KPDX"});
  PressAndPaint("6R");
  PressAndPaint("6R");
  Paint();
  EXPECT_EQ(std::pair(map_ctr_leg, Line(4).left), std::pair(4, std::string("A4 <CTR>")));
}

TEST_F(LegsPageTest, HoldAtAFixTakesTheFixThenTheLine) {
  Legs();
  PressAndPaint("HOLD");
  EnterAt("OLM", "6L");
  EXPECT_EQ(cdu_scratchpad, "HOLD AT OLM");
  PressAndPaint("3L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "OLM", "DISCO", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
}

// A blank SELECT WAYPOINT line chooses nothing, and no pick of an earlier list stands in for one: the
// hold never goes on the SEA in Europe picked before.
TEST_F(LegsPageTest, HoldAtTakesNoPickOfAnEarlierList) {
  WriteNavFile("ints.txt",
               "SEA SEA 45 -110\nSEA SEA 40 -100\nSEA SEA 35 -90\nSEA SEA 50 10\nOLM OLM 46 -121\nOLM OLM 44 -120\n");
  LoadNavDatabase();
  Legs();
  PressAndPaint("HOLD");
  EnterAt("SEA", "6L");
  Keys("5L");  // the farthest of five
  EnterAt("OLM", "6L");
  Keys("6L");  // three OLMs: a blank line
  EXPECT_EQ(std::pair(fms_page, cdu_scratchpad), std::pair(int32_t{kCduPageSelectWaypoint}, std::string("OLM")));
  Keys("LEGS HOLD");
  EnterAt("HOLD AT OLM", "2L");
  EXPECT_EQ(std::pair(ModIdents(), hold_cnt), std::pair(kRoute, 0));
}

// PPOS holds on the route being flown as it is when the key is pressed.
TEST_F(LegsPageTest, HoldAtPresentPositionStartsFromTheActiveRoute) {
  Legs();
  PressAndPaint("HOLD");
  fms_fpln_act[3].ident = "OLM";
  PressAndPaint("6R");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "WPT01", "SEA", "TACMA", "OLM", "KELSO", "KPDX"}));
  EXPECT_EQ(std::tuple(fms_fpln_active, fms_page, fms_fpln_mod[1].hold_idx), std::tuple(4, 39, 1));
}

TEST_F(LegsPageTest, HoldAtALegOfTheRouteGoesToRteHold) {
  Legs();
  PressAndPaint("HOLD");
  PressAndPaint("2L");  // copies TACMA and chooses its leg
  EXPECT_EQ(hold_at_leg, 2);
  PressAndPaint("6L");
  EXPECT_EQ(std::pair(route_holds[1].fix, fms_page), std::pair(std::string("TACMA"), 39));
}

// HOLD AT offers PPOS> only with a leg being flown, as 6R holds there only then; otherwise 6R keeps
// its own prompt, never two printed over each other.
TEST_F(LegsPageTest, HoldAtShowsThePromptThatSixRightActsOn) {
  for (const auto& [active_leg, right] : {std::pair(1, "PPOS>"), std::pair(kNoActiveLeg, "RTE DATA>")}) {
    Legs();
    stpos = active_leg;
    PressAndPaint("HOLD");
    EXPECT_EQ(Line(6).right, right);
  }
  fms_fpln_active = 1;
  PressAndPaint("LEGS");
  PressAndPaint("HOLD");
  EXPECT_EQ(Line(6).right, "ACTIVATE>");
  PressAndPaint("6R");
  EXPECT_EQ(std::pair(fms_fpln_active, route_holds[1].fix), std::pair(2, std::string()));
}

TEST_F(LegsPageTest, InterceptCourseSetsLegOneAndTheFromPoint) {
  Legs();
  std::tie(cdu_prompt_mode, fms_fpln_active, saved_stpos, mag_var) = std::tuple(1, 4, 1, 10.0);
  EnterAt("090", "6R");
  EXPECT_EQ(std::pair(fms_fpln_mod[1].intc_crs, TmpFrId), std::pair(90.0, std::string("DIRECT")));
  // 25 NM beyond the aircraft's distance, back along the course (270 magnetic, 280 true).
  double d_nm = 0.0, brg = 0.0;
  CalcDistBrg(fms_fpln_mod[1].lat, fms_fpln_mod[1].lon, tmp_fr_lat, tmp_fr_lon, &d_nm, &brg);
  EXPECT_NEAR(d_nm, 18.0 + 25.0, 0.1);
  EXPECT_NEAR(brg, 280.0, 0.5);
}

TEST_F(LegsPageTest, InterceptOnAChosenLegGivesItTheCourseFromThePreviousLeg) {
  Legs();
  cdu_prompt_mode = 1;
  mag_var = 20.0;
  PressAndPaint("3L");  // copies CENTR and chooses leg 3
  EXPECT_EQ(intc_leg, 3);
  PressAndPaint("6L");
  EXPECT_EQ(std::tuple(fms_fpln_active, saved_stpos, intc_leg), std::tuple(4, 3, 0));
  EXPECT_NEAR(fms_fpln_mod[3].intc_crs, 340.0, 1e-6);  // due north, 20 degrees east variation
}

}  // namespace
}  // namespace cdu_test
