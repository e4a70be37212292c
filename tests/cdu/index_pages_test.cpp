#include "cdu/pages/ann_status_page.h"
#include "cdu/pages/index_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "sim/sim_globals.h"
#include "state/config_globals.h"
#include "state/state_globals.h"
#include "support/temp_dir.h"

namespace cdu_test {
namespace {

class IndexPagesTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    sim_.MakeDir("Orvantel/flightplans");
    sim_.MakeDir("Orvantel/PanelStates");
    sim_root = sim_.path();
    fms_page = kCduPageInitRefIndex;
  }
  bool PlanExists(const std::string& name) const {
    return std::filesystem::exists(sim_ / ("Orvantel/flightplans/" + name));
  }
  int PlanCount() const { return testing_support::CountEntries(sim_ / "Orvantel/flightplans"); }

  testing_support::TempDir sim_;
};

// POS on the ground looks the nearest airport up and shows that airport's own position.
TEST_F(IndexPagesTest, PosPromptFindsTheNearestAirportWithItsPosition) {
  SetCandidate(1, "KSEA", 47.45, 0.0);
  nav_apts[++nav_apts_cnt] = nav_search_list[1];
  found_apt_lat = 45.0;  // the last entered airport's
  PressAndPaint("2L");
  EXPECT_EQ(std::pair(nearest_apt_ident, found_apt_lat), std::pair(std::string("KSEA"), 47.45));
}

// A name that could leave the plan folder is refused and nothing is written.
TEST_F(IndexPagesTest, SaveFlightPlanSavesTheActiveRouteUnderASafeName) {
  SetActiveRoute({"KSEA", "SEA", "KPDX"});
  for (const auto& [state, entry, message, file] :
       {std::tuple{2, "MINE", "NO ACTIVE FLIGHT PLAN", ""}, std::tuple{3, "..X", "INVALID ENTRY", ""},
        std::tuple{3, "", "KSEAKPDX.RTE Saved", "KSEAKPDX.RTE"},
        std::tuple{4, "MY.RTE", "MY.RTE Saved", "MY.RTE"}}) {
    fms_fpln_active = state;
    const int before = PlanCount();
    EnterAt(entry, "6R");
    EXPECT_EQ(std::tuple(cdu_message, cdu_scratchpad, PlanCount()),
              std::tuple(message, *file == '\0' ? entry : "", before + (*file == '\0' ? 0 : 1)))
        << entry;
    EXPECT_TRUE(*file == '\0' || PlanExists(file)) << entry;
  }
  std::filesystem::remove_all(sim_ / "Orvantel/flightplans");
  EnterAt("", "6R");
  EXPECT_EQ(cdu_message, "KSEAKPDX.RTEUnable to Save");
}

TEST_F(IndexPagesTest, SevenStoredPlansMakeTwoSubPages) {
  for (int i = 1; i <= 7; ++i) fpl_store[i].name = "P" + std::to_string(i) + ".RTE";
  fpl_list_loaded = 7;
  fms_page = kCduPageStoredFlightPlans;
  PressAndPaint("NEXT_PAGE 2L");  // no plan on the line
  EXPECT_EQ(std::pair(Line(1).left, fms_page), std::pair(std::string("P7.RTE"), int32_t{kCduPageStoredFlightPlans}));
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(fpl_list_page, 1);
}

TEST_F(IndexPagesTest, ChosenPlanIsLoadedIntoTheModifiedRouteAndShownOnRte) {
  sim_.Write("Orvantel/flightplans/KSEAKPDX.RTE",
             "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nSEA 47.4354 -122.3097 VOR 116.80\n"
             "KPDX 45.589 -122.597 APT ---\n");
  rte_page = 3;
  PressAndPaint("2R");  // FLIGHT PLANS lists the folder
  PressAndPaint("1L");
  EXPECT_EQ(ModIdents(), (std::vector<std::string>{"KSEA", "SEA", "KPDX"}));
  // Set up as the list page's load does.
  EXPECT_EQ(std::tuple(fms_fpln_active, dest_entry, fms_page, rte_page), std::tuple(1, "KPDX", int32_t{kCduPageRte}, 1));
}

// A panel state of which the reader acts on no key (plain text; a section and a key it does not know)
// is listed, but LOAD fails and changes nothing, not even the speeds a load puts back.
TEST_F(IndexPagesTest, PanelStateWithNoKeyReadFailsToLoad) {
  std::tie(ClimbIas, climb_ias, startup_phase) = std::tuple(290, 250, 0);
  for (const char* text : {"notes for the flight\nfuel 42000\n", "[MCP]\nremark=none\n"}) {
    sim_.Write("Orvantel/PanelStates/NOTES.PNL", text);
    fms_page = kCduPageInitRefIndex;
    PressAndPaint("4R");  // LOAD PNL lists the folder
    PressAndPaint("1L");
    EXPECT_EQ(std::pair(cdu_message, climb_ias), std::pair(std::string("PANEL STATE LOAD FAIL"), 250)) << text;
  }
}

// ANNOUNCEMENT STATUS.

class AnnStatusTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    fms_page = kCduPageAnnouncementStatus;
    SetRunway(airport_recs[1], 2, "16L");
    SetRunway(airport_recs[2], 3, "10R");
    plane_lon = -122.0;
  }
  static void SetRunway(AirportRecord& apt, int32_t row, const char* ident) {
    SetText(apt.runways[row].ident, ident);
    std::tie(apt.runways[row].lat, apt.runways[row].lon) = std::tuple(47.0, -122.0);
  }
  // The aircraft `nm` due north of both runways (one minute of latitude is one mile).
  static void NorthOfTheRunways(double nm) { plane_lat = 47.0 + nm / 60.0; }
};

// The distance to the departure runway shows within 8 NM while the announcements are early, to the
// arrival runway while the checklist is on; a runway row outside the table shows nothing.
TEST_F(AnnStatusTest, RunwayDistancesWhileTheAnnouncementsOrChecklistAreOn) {
  fms_dep_rwy_pos = 2;
  NorthOfTheRunways(1.0);
  Paint();  // switches off: no distance
  EXPECT_EQ(Line(2).left, "");
  play_announcements = 1;
  for (const auto& [stage, row, nm, line2] :
       {std::tuple{4, 2, 8.0, "DIST FROM 16L 48608FT"}, std::tuple{1, 2, 9.0, ""}, std::tuple{5, 2, 1.0, ""},
        std::tuple{1, 40, 1.0, ""}}) {
    std::tie(annuncement_mode, fms_dep_rwy_pos) = std::tuple(stage, row);
    NorthOfTheRunways(nm);
    Paint();
    EXPECT_EQ(Line(2).left, line2) << stage << " " << row << " " << nm;
  }
  std::tie(ldg_checklist, ldg_checklist_mode, fms_dest_rwy_pos) = std::tuple(1, 2, 3);
  NorthOfTheRunways(2.0);
  Paint();
  const std::string shown = Line(5).left;
  fms_dest_rwy_pos = -1;
  Paint();
  EXPECT_EQ(shown + "|" + Line(5).left, "DIST FROM 10R - 12152FT|");
}

}  // namespace
}  // namespace cdu_test
