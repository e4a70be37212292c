#include "cdu/pages/legs_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cdu/cdu_fixture.h"
#include "fmc/route_holds.h"
#include "frame/debug_log.h"
#include "frame/geodesy.h"
#include "frame/frame_globals.h"
#include "navdb/nav_loader.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace cdu_test {
namespace {

using Idents = std::vector<std::string>;
const Idents kRoute{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"};

class LegsPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    plane_lat = 47.2;
    plane_lon = -122.0;
    mag_var = 0.0;
  }
  void Legs(const Idents& idents = kRoute) {
    SetActiveRoute(idents);
    PressAndPaint("LEGS");
  }
  // The example region's database with one more fix named DUPLI in two places.
  void LoadDatabase() {
    const std::filesystem::path src = RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata";
    for (const auto& f : std::filesystem::directory_iterator(src)) {
      std::ifstream in(f.path(), std::ios::binary);
      std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (f.path().filename() == "ints.txt") text += "DUPLI DUPLI 47.1000 -122.1000\nDUPLI DUPLI 45.0000 -120.0000\n";
      dir_.Write("Orvantel/Navdata/" + f.path().filename().string(), text);
    }
    sim_root = dir_.path();
    LoadNavDatabase();
  }
  testing_support::TempDir dir_;
};

TEST_F(LegsPageTest, ActiveRouteListsEachLegWithCourseDistanceAndConstraint) {
  Legs();
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 1 / 1");
  // The active leg is flown from the aircraft: 0.3 degrees north is 18 NM.
  EXPECT_EQ(Line(1).label, "360\xB0 18 NM");
  EXPECT_EQ(Line(1).left, "SEA");
  EXPECT_EQ(Line(1).right, "---- / ------");
  EXPECT_EQ(Line(2).label, "360\xB0 30 NM");
  EXPECT_EQ(Line(2).left, "TACMA");
  EXPECT_EQ(Line(4).left, "KELSO");
  EXPECT_EQ(Line(5).left, "- - - - - -");  // the destination is the end line
  EXPECT_EQ(Line(6).right, "RTE DATA>");
  EXPECT_EQ(rec().FindText("SEA  ")->color, cdu::kBlack);  // reverse video
  EXPECT_EQ(rec().FindText("TACMA")->color, cdu::kGreen);
}

TEST_F(LegsPageTest, CourseIsFoldedIntoOneTurnAndNorthShowsAs360) {
  mag_var = -15.0;  // west variation: a track due north is 015 magnetic
  Legs();
  EXPECT_EQ(Line(2).label, "015\xB0 30 NM");
  mag_var = 0.0;
  Paint();
  EXPECT_EQ(Line(2).label, "360\xB0 30 NM");
}

struct ConstraintCase {
  const char* name;
  double alt, ias, mach;
  int32_t restr;
  int32_t state;
  const char* right;
};

class ConstraintColumnTest : public LegsPageTest, public ::testing::WithParamInterface<ConstraintCase> {};

TEST_P(ConstraintColumnTest, ShowsSpeedAndAltitudeByRestriction) {
  const ConstraintCase& c = GetParam();
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  for (RouteLeg* legs : {fms_fpln_act, fms_fpln_mod}) {
    legs[2].alt = c.alt;
    legs[2].ias = c.ias;
    legs[2].mach = c.mach;
    legs[2].restr = c.restr;
  }
  fms_fpln_active = c.state;
  fms_page = 6;
  Paint();
  EXPECT_EQ(Line(2).right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Legs, ConstraintColumnTest,
    ::testing::Values(ConstraintCase{"None", -999.0, -999.0, 0.0, 0, 4, "---- / ------"},
                      ConstraintCase{"AltitudeOnly", 10000.0, -999.0, 0.0, 1, 4, "---- / 10000"},
                      ConstraintCase{"FlightLevel", 35000.0, -999.0, 0.0, 1, 4, "---- / FL350"},
                      ConstraintCase{"SpeedOnly", -999.0, 250.0, 0.0, 2, 4, "250 / -----"},
                      ConstraintCase{"SpeedNoRestriction", -999.0, 250.0, 0.0, 0, 4, "250 / ------"},
                      ConstraintCase{"Both", 10000.0, 250.0, 0.0, 3, 4, "250 / 10000"},
                      ConstraintCase{"BothAltitudeRestricted", 10000.0, 250.0, 0.0, 1, 4, "250 / 10000"},
                      ConstraintCase{"PlannedOnly", 10000.0, 250.0, 0.0, 0, 4, "250 / 10000"},
                      ConstraintCase{"PlannedLevel", 35000.0, 250.0, 0.0, 0, 4, "250 / FL350"},
                      ConstraintCase{"ActiveMachAtLevel", 35000.0, 250.0, 0.80, 1, 3, "0.80 / FL350"},
                      ConstraintCase{"ModListingShowsNoMach", 35000.0, 250.0, 0.80, 1, 4, "250 / FL350"},
                      ConstraintCase{"ActivePlannedMach", 35000.0, 250.0, 0.80, 0, 3, "0.80 / FL350"},
                      ConstraintCase{"ActiveRoundsDown", 12345.0, -999.0, 0.0, 1, 3, "---- / 12300"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LegsPageTest, HoldRowFollowsItsLegAndDeleteTellsTheTwoApart) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"});
  AddLegHold(2, 0);
  fms_fpln_act[2].hold_idx = 1;
  PressAndPaint("LEGS");
  EXPECT_EQ(Line(3).label, "H O L D   A T");
  EXPECT_EQ(Line(3).left, "TACMA - - - - / - - - - - -");
  EXPECT_EQ(Line(4).left, "CENTR");

  Press("DEL 3L");
  Paint();
  EXPECT_EQ(fms_fpln_mod[2].hold_idx, 0);  // the leg forgets its hold; EXEC removes it
  EXPECT_EQ(edit_leg_idx, 2);
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(ModIdents(), kRoute);
  EXPECT_EQ(cdu_message, "");
  EXPECT_NE(Line(3).label, "H O L D   A T");
}

TEST_F(LegsPageTest, DeletingAMiddleLegLeavesADiscontinuity) {
  Legs();
  Press("DEL 2L");
  Paint();
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "DISCO", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(Line(2).label, "T H E N");
  EXPECT_EQ(Line(3).label, ". .  R O U T E  D I S C O N T I N U I T Y  .");
  EXPECT_EQ(Count(gfx::OpKind::Stroke, cdu::kGreen), 5u);  // the entry box: frame and four dividers
}

struct DeleteCase {
  const char* name;
  std::vector<std::string> route;
  const char* key;
  std::vector<std::string> after;
};

class DeleteLegTest : public LegsPageTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteLegTest, LegLeavesTheRouteWhereNoDiscontinuityFits) {
  const DeleteCase& c = GetParam();
  SetActiveRoute(c.route);
  Press(std::string("LEGS DEL ") + c.key);
  Paint();
  EXPECT_EQ(ModIdents(), c.after);
  EXPECT_EQ(cdu_message, "");
}

INSTANTIATE_TEST_SUITE_P(
    Legs, DeleteLegTest,
    ::testing::Values(DeleteCase{"FirstLeg", {"KSEA", "SEA", "TACMA", "CENTR", "KPDX"}, "1L",
                                 {"KSEA", "TACMA", "CENTR", "KPDX"}},
                      DeleteCase{"NextToADiscontinuity", {"KSEA", "SEA", "DISCO", "TACMA", "CENTR", "KPDX"}, "3L",
                                 {"KSEA", "SEA", "DISCO", "CENTR", "KPDX"}},
                      DeleteCase{"TheDiscontinuityItself", {"KSEA", "SEA", "TACMA", "DISCO", "CENTR", "KELSO", "KPDX"},
                                 "3L", {"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}},
                      DeleteCase{"SecondToLast", {"KSEA", "SEA", "TACMA", "CENTR", "KPDX"}, "3L",
                                 {"KSEA", "SEA", "TACMA", "KPDX"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LegsPageTest, DeleteOnTheEndLineIsRefused) {
  Legs({"KSEA", "SEA", "TACMA", "KPDX"});
  Press("DEL 3L");
  Paint();
  EXPECT_EQ(cdu_message, "INVALID DELETE");
  EXPECT_EQ(fp_mod_cnt, 3);
  EXPECT_EQ(BottomLine(), "INVALID DELETE");
}

TEST_F(LegsPageTest, EmptyScratchpadCopiesTheLegsIdent) {
  Legs();
  PressAndPaint("3L");
  EXPECT_EQ(cdu_scratchpad, "CENTR");
  EXPECT_EQ(BottomLine(), "CENTR");
  EXPECT_EQ(fms_fpln_active, 3);
}

TEST_F(LegsPageTest, AnIdentLaterInTheRouteRemovesTheLegsBetween) {
  Legs();
  Entry("KELSO");
  PressAndPaint("2L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "KELSO", "KPDX"}));
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(Line(2).left, "KELSO");
}

TEST_F(LegsPageTest, AlongTrackEntryMakesAPointOnTheNextLeg) {
  Legs();
  Entry("TACMA/10");
  PressAndPaint("2L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "TAC01", "CENTR", "KELSO", "KPDX"}));
  EXPECT_NEAR(fms_fpln_mod[3].lat, 48.0 + 10.0 / 60.0, 1e-3);
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(cdu_message, "");
}

struct BadAlongTrackCase {
  const char* entry;
  const char* left_in_scratchpad;
};

class BadAlongTrackTest : public LegsPageTest, public ::testing::WithParamInterface<BadAlongTrackCase> {};

TEST_P(BadAlongTrackTest, IsRefusedKeepingThePartAfterTheSlash) {
  Legs();
  Entry(GetParam().entry);
  PressAndPaint("2L");
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(cdu_scratchpad, GetParam().left_in_scratchpad);
  EXPECT_EQ(ModIdents(), kRoute);
}

INSTANTIATE_TEST_SUITE_P(Entries, BadAlongTrackTest,
                         ::testing::Values(BadAlongTrackCase{"TACMA/0", "0"}, BadAlongTrackCase{"SEA/10", "10"},
                                           BadAlongTrackCase{"TACMA/", ""}, BadAlongTrackCase{"TACMA/1X", "1X"}));

TEST_F(LegsPageTest, SlashAfterOneOrSixCharactersIsAnIdentSearch) {
  LoadDatabase();
  Legs();
  for (const char* entry : {"T/10", "TACMAX/10"}) {
    Entry(entry);
    PressAndPaint("2L");
    EXPECT_EQ(cdu_message, "NOT IN DATABASE") << entry;
    EXPECT_EQ(cdu_scratchpad, entry);
  }
}

TEST_F(LegsPageTest, OneMatchIsInsertedInFrontOfTheLineWithADiscontinuity) {
  LoadDatabase();
  Legs();
  Entry("OLM");
  PressAndPaint("3L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "OLM", "DISCO", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(fms_fpln_mod[3].type, "V");
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(fms_fpln_active, 4);
  Paint();
  EXPECT_EQ(TitleLine(), "MOD RTE    LEGS 1 / 2");
  EXPECT_EQ(Line(3).left, "OLM");
  EXPECT_EQ(Line(4).label, "T H E N");
  EXPECT_EQ(Line(6).left, "<ERASE");
}

TEST_F(LegsPageTest, NoMatchKeepsTheEntry) {
  LoadDatabase();
  Legs();
  Entry("XYZZY");
  PressAndPaint("3L");
  EXPECT_EQ(cdu_message, "NOT IN DATABASE");
  EXPECT_EQ(cdu_scratchpad, "XYZZY");
  EXPECT_EQ(ModIdents(), kRoute);
}

TEST_F(LegsPageTest, SeveralMatchesGoToSelectWaypointForTheLine) {
  LoadDatabase();
  Legs();
  Entry("DUPLI");
  PressAndPaint("3L");
  EXPECT_EQ(fms_page, 9);
  EXPECT_EQ(cdu_return_page, 6);
  EXPECT_EQ(cdu_return_index, 3);
  EXPECT_EQ(nav_search_cnt, 2);
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(ModIdents(), kRoute);
}

TEST_F(LegsPageTest, RightKeyCopiesAConstraintBackAsAnEntry) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "CENTR", "KPDX"});
  fms_fpln_mod[1].alt = 10000;
  fms_fpln_mod[1].ias = 250;
  fms_fpln_mod[2].alt = 35000;
  fms_fpln_mod[2].mach = 0.80;
  fms_fpln_mod[2].ias = 300;
  fms_fpln_mod[3].alt = 12000;
  fms_fpln_active = 4;
  fms_page = 6;
  PressAndPaint("1R");
  EXPECT_EQ(cdu_scratchpad, "  250/10000");
  cdu_scratchpad.clear();
  PressAndPaint("2R");
  EXPECT_EQ(cdu_scratchpad, "0.80/35000");
  cdu_scratchpad.clear();
  PressAndPaint("3R");
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(LegsPageTest, RightKeyEntersAndDeletesAConstraint) {
  Legs();
  Entry("250/10000");
  PressAndPaint("2R");
  EXPECT_EQ(fms_fpln_mod[2].alt, 10000.0);
  EXPECT_EQ(fms_fpln_mod[2].ias, 250.0);
  EXPECT_EQ(fms_fpln_mod[2].restr, 3);
  EXPECT_EQ(fms_fpln_active, 4);
  Paint();
  EXPECT_EQ(Line(2).right, "250 / 10000");

  Press("DEL 2R");
  Paint();
  EXPECT_EQ(fms_fpln_mod[2].alt, -999.0);
  EXPECT_EQ(fms_fpln_mod[2].ias, -999.0);
  EXPECT_EQ(fms_fpln_mod[2].restr, 0);
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(Line(2).right, "---- / ------");

  Entry("600/5");
  PressAndPaint("2R");
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
}

TEST_F(LegsPageTest, KeysOnLinesPastTheRouteDoNothing) {
  Legs({"KSEA", "SEA", "KPDX"});
  Entry("250/10000");
  PressAndPaint("4R");
  PressAndPaint("4L");
  EXPECT_EQ(cdu_scratchpad, "250/10000");
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(fms_fpln_active, 3);
}

TEST_F(LegsPageTest, PagesWrapAndTheCounterMovesBeforeTheLegs) {
  Legs({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "KPDX"});
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 1 / 3");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 2 / 3");
  EXPECT_EQ(Line(1).left, "A1");  // the legs of page 2 come with the next paint
  Paint();
  EXPECT_EQ(Line(1).left, "A6");
  PressAndPaint("NEXT_PAGE");
  Paint();
  EXPECT_EQ(Line(1).left, "A11");
  EXPECT_EQ(Line(2).left, "- - - - - -");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(legs_page, 1);
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(legs_page, 3);
}

TEST_F(LegsPageTest, PageLeftFromALongerRouteStartsAgainAtOne) {
  SetActiveRoute(kRoute);
  legs_page = 3;
  fms_page = 6;
  Paint();
  EXPECT_EQ(TitleLine(), "ACT RTE    LEGS 1 / 1");
  EXPECT_EQ(Line(1).left, "SEA");
}

TEST_F(LegsPageTest, RouteWithoutActiveLegHasOnePage) {
  route_test::SetModLegs({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "KPDX"});
  fms_fpln_active = 1;
  fms_page = 6;
  Paint();
  EXPECT_EQ(TitleLine(), "RTE    LEGS 1 / 1");
  EXPECT_EQ(Line(1).left, "A1");
  EXPECT_EQ(Line(6).right, "ACTIVATE>");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(legs_page, 1);
}

TEST_F(LegsPageTest, ActivateStepsTheRouteAndLightsExec) {
  route_test::SetModLegs({"KSEA", "SEA", "KPDX"});
  fms_fpln_active = 1;
  fms_page = 6;
  PressAndPaint("6R");
  EXPECT_EQ(fms_fpln_active, 2);
  host_.Message(fms(), gauge::kPreUpdate);
  EXPECT_FALSE(fms()->ElementHidden(2));  // the EXEC light
  Paint();
  EXPECT_EQ(Line(6).right, "RTE DATA>");
  PressAndPaint("6R");
  EXPECT_EQ(fms_page, 22);
}

TEST_F(LegsPageTest, LegsKeyStartsTheModificationFromTheActiveRoute) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  route_test::SetModLegs({"KSEA", "OLM", "KPDX"});
  PressAndPaint("LEGS");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "KPDX"}));
}

class PlanMapTest : public LegsPageTest {
 protected:
  void SetUp() override {
    LegsPageTest::SetUp();
    nd_mode = 4;
    Legs({"KSEA", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "KPDX"});
  }
};

TEST_F(PlanMapTest, StepWalksTheCentreAlongThePageAndTurnsIt) {
  EXPECT_EQ(map_ctr_leg, 1);
  EXPECT_EQ(Line(1).left, "A1 <CTR>");
  EXPECT_EQ(Line(6).right, "STEP>");
  for (int i = 0; i < 4; ++i) PressAndPaint("6R");
  EXPECT_EQ(map_ctr_leg, 5);
  PressAndPaint("6R");  // past the fifth leg: the next page, centred on its first leg
  EXPECT_EQ(legs_page, 2);
  EXPECT_EQ(map_ctr_leg, 0);
  Paint();
  EXPECT_EQ(map_ctr_leg, 6);
  EXPECT_EQ(Line(1).left, "A6 <CTR>");
  PressAndPaint("6R");
  PressAndPaint("6R");  // leg 8 is the destination: back to page 1 and the active leg
  EXPECT_EQ(legs_page, 1);
  EXPECT_EQ(map_ctr_leg, 1);
}

TEST_F(PlanMapTest, PagingCentresOnTheNewPagesFirstLeg) {
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(map_ctr_leg, 6);
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(map_ctr_leg, 1);
}

TEST_F(LegsPageTest, HoldAtPresentPositionOpensRteHold) {
  Legs();
  PressAndPaint("HOLD");
  EXPECT_EQ(Line(6).label, "- - - - - - - H O L D  A T  - - - - - - - - - -");
  EXPECT_EQ(Line(6).right, "PPOS>");
  PressAndPaint("6R");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "WPT01", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(fms_fpln_mod[1].lat, plane_lat);
  EXPECT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].fix, "WPT01");
  EXPECT_EQ(fms_page, 39);
  EXPECT_EQ(fms_fpln_active, 4);
}

TEST_F(LegsPageTest, HoldAtAFixTakesTheFixThenTheLine) {
  LoadDatabase();
  Legs();
  PressAndPaint("HOLD");
  Entry("OLM");
  PressAndPaint("6L");
  EXPECT_EQ(cdu_scratchpad, "HOLD AT OLM");
  EXPECT_EQ(wpt_pick_row, 1);
  PressAndPaint("3L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "TACMA", "OLM", "DISCO", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].fix, "OLM");
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(LegsPageTest, HoldAtALegOfTheRouteGoesToRteHold) {
  Legs();
  PressAndPaint("HOLD");
  PressAndPaint("2L");  // copies TACMA and chooses its leg
  EXPECT_EQ(hold_at_leg, 2);
  PressAndPaint("6L");
  EXPECT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].fix, "TACMA");
  EXPECT_EQ(fms_page, 39);
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(LegsPageTest, InterceptCourseSetsLegOneAndTheFromPoint) {
  Legs();
  cdu_prompt_mode = 1;
  fms_fpln_active = 4;
  saved_stpos = 1;
  mag_var = 10.0;
  Entry("090");
  PressAndPaint("6R");
  EXPECT_EQ(fms_fpln_mod[1].intc_crs, 90.0);
  EXPECT_EQ(TmpFrId, "DIRECT");
  // 25 NM beyond the aircraft's distance, back along the course (270 magnetic, 280 true).
  double d_nm = 0.0, brg = 0.0;
  CalcDistBrg(fms_fpln_mod[1].lat, fms_fpln_mod[1].lon, tmp_fr_lat, tmp_fr_lon, &d_nm, &brg);
  EXPECT_NEAR(d_nm, 18.0 + 25.0, 0.1);
  EXPECT_NEAR(brg, 280.0, 0.5);
  Paint();
  EXPECT_EQ(Line(6).right, "090\xB0");
  EXPECT_EQ(Line(1).label, "090\xB0 30 NM");  // leg 1 of the MOD listing shows the course
}

TEST_F(LegsPageTest, InterceptPromptShowsAnEntryBoxUntilACourseIsGiven) {
  Legs();
  cdu_prompt_mode = 1;
  fms_fpln_active = 4;
  saved_stpos = 1;
  Paint();
  EXPECT_EQ(Line(6).right, "");
  EXPECT_EQ(Count(gfx::OpKind::Stroke, cdu::kGreen), 3u);  // a three-cell box
}

TEST_F(LegsPageTest, InterceptPromptLooksUpAFixForTheActiveLeg) {
  LoadDatabase();
  Legs();
  cdu_prompt_mode = 1;  // still active (state 3): 6L is no ERASE
  Entry("OLM");
  PressAndPaint("6L");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "OLM", "DISCO", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}));
  EXPECT_EQ(TmpFrId, "DIRECT");

  fms_fpln_active = 3;
  Entry("DUPLI");
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, 9);
  EXPECT_EQ(cdu_return_index, 1);  // the choice goes where a single match would
}

TEST_F(LegsPageTest, InterceptOnAChosenLegGivesItTheCourseFromThePreviousLeg) {
  Legs();
  cdu_prompt_mode = 1;
  mag_var = 20.0;
  PressAndPaint("3L");  // copies CENTR and chooses leg 3
  EXPECT_EQ(intc_leg, 3);
  PressAndPaint("6L");
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(saved_stpos, 3);
  EXPECT_EQ(direct_pending, 1);
  EXPECT_NEAR(fms_fpln_mod[3].intc_crs, 340.0, 1e-6);  // due north, 20 degrees east variation
  EXPECT_EQ(intc_leg, 0);
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(LegsPageTest, DeletionThatKeepsNoDiscontinuityOnRequest) {
  SetActiveRoute(kRoute);
  DeleteLegInsertDisco(2, 1);
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "CENTR", "KELSO", "KPDX"}));
  route_test::SetModLegs({"KSEA", "KPDX"});
  cdu_message = "DELETE";
  DeleteLegInsertDisco(1, 0);
  EXPECT_EQ(fp_mod_cnt, 1);  // a route of origin and destination keeps both
  EXPECT_EQ(cdu_message, "");
}

}  // namespace
}  // namespace cdu_test
