#include "cdu/pages/rte_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/route_progress_globals.h"
#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"
#include "fmc/route_files.h"
#include "navdb/airport_loader.h"
#include "navdb/airways.h"

namespace cdu_test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Legs = std::vector<std::pair<std::string, std::string>>;  // ident, airway

class RtePageTest : public RoutePagesTest {
 protected:
  // The modified route with airways (their legs tagged "AWY"), in `state`; from state 3 on it is
  // also the active route, flown from leg 1.
  void Route(const Legs& legs, int32_t state) {
    std::vector<std::string> idents;
    for (const auto& [ident, via] : legs) idents.push_back(ident);
    route_test::SetLegs(fms_fpln_mod, &fp_mod_cnt, idents);
    for (size_t i = 0; i < legs.size(); ++i) {
      fms_fpln_mod[i].via = legs[i].second;
      fms_fpln_mod[i].proc = legs[i].second.empty() ? "" : "AWY";
    }
    if (state >= 3) {
      for (int32_t i = 0; i <= fp_mod_cnt; ++i) fms_fpln_act[i] = fms_fpln_mod[i];
      fp_cnt = fp_mod_cnt;
      stpos = 1;
    }
    mod_stpos = 1;
    fms_fpln_active = state;
    BuildRteRows();
  }
  void OnPage(int32_t page) {
    fms_page = kCduPageRte;
    rte_page = page;
    Paint();
  }
};

const Legs kDirect{{"KSEA", ""}, {"SEA", ""}, {"TACMA", ""}, {"CENTR", ""}, {"KELSO", ""}, {"KPDX", ""}};
const Legs kAlongJ5{{"KSEA", ""}, {"SEA", ""}, {"TACMA", "J5"}, {"CENTR", "J5"}, {"KELSO", "J5"}, {"KPDX", ""}};

TEST_F(RtePageTest, PagingCountsTheRowsAndTheEntryLine) {
  for (const auto& [rows, pages] : std::vector<std::pair<int, int>>{{4, 2}, {5, 3}, {10, 4}}) {
    Legs legs{{"KSEA", ""}};
    for (int i = 0; i < rows; ++i) legs.push_back({"F" + std::to_string(i), ""});
    legs.push_back({"KPDX", ""});
    Route(legs, 1);
    OnPage(1);
    EXPECT_EQ(rte_page_cnt, pages) << rows;
  }
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(std::to_string(rte_page) + " " + Row(1), "4 ------ | -----");  // the entry line after row 10
}

TEST_F(RtePageTest, RefusedEntriesLeaveTheRouteAlone) {
  WritePlan("ALPHA.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nKPDX 45.589 -122.597 APT ---\n");
  LoadFplList();
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  orig_ident = "KSEA";
  const char* kNotIn = "NOT IN DATABASE";
  const char* kInvalid = "INVALID ENTRY";
  // Page, entry ("DEL": the DELETE request), key, message, scratchpad after.
  for (const auto& [page, entry, key, message, kept] : {
           std::tuple{1, "ZZZZ", "1L", kNotIn, "ZZZZ"}, std::tuple{1, "10R", "2L", kNotIn, "10R"},  // not the origin's
           std::tuple{1, "NEW", "2R", kNotIn, "NEW"},  // the list's "NEW FPL" row is no plan
           std::tuple{2, "V4", "2L", kInvalid, "V4"},  // V4 does not pass SEA
           std::tuple{2, "NOWHERE", "5R", kNotIn, "NOWHERE"}, std::tuple{2, "DEL", "6R", "INVALID DELETE", ""}}) {
    Route(kDirect, 3);
    const std::vector<std::string> before = ModIdents();
    OnPage(page);
    const bool del = std::string_view(entry) == "DEL";
    Entry(del ? "" : entry);
    PressAndPaint(del ? std::string("DEL ") + key : std::string(key));
    EXPECT_EQ(std::tuple(cdu_message, cdu_scratchpad, fms_fpln_active), std::tuple(message, kept, 3)) << entry;
    EXPECT_EQ(ModIdents(), before);
  }
}

// A new origin starts a new route: no active leg, no cruise altitude, the origin its only leg.
TEST_F(RtePageTest, NewOriginStartsANewRoute) {
  Route(kDirect, 3);
  cruise_alt = 35000;
  OnPage(1);
  EnterAt("KSEA", "1L");
  EXPECT_EQ(std::tuple(fp_cnt, stpos, cruise_alt, orig_ident, fms_fpln_act[0].ident),
            std::tuple(1, kNoActiveLeg, 0, std::string("KSEA"), std::string("KSEA")));
}

TEST_F(RtePageTest, DestinationKeepsTheLegsBuiltInTheModifiedRoute) {
  Route({{"KSEA", ""}, {"SEA", ""}, {"TACMA", ""}, {"KELSO", "WILAM1"}, {"KPDX", ""}}, 1);
  fms_fpln_mod[3].proc = "STAR";
  OnPage(1);
  EnterAt("KGEG", "1R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "KGEG"));
  EXPECT_EQ(std::pair(fp_cnt, dest_ident), std::pair(0, std::string("KGEG")));  // the active route not written
}

// The runway's row of the airport's runway table is kept wherever the runway is chosen.
TEST_F(RtePageTest, RunwayEntryBySelectionAndState) {
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);  // runways 16L 34R 16C 34C 16R 34L
  orig_ident = "KSEA";
  // State and runway before 16R; runway, its row, the RTE runway entry and the state after.
  for (const auto& [state, before, after] :
       {std::tuple{1, "------", std::tuple("16R", 5, "------", 1)}, std::tuple{2, "16L", std::tuple("16R", 5, "", 2)},
        std::tuple{3, "16L", std::tuple("16L", 1, "16R", 4)}}) {
    std::tie(fms_fpln_active, dep_rwy_sel, fms_dep_rwy_pos, rte_rwy_entry) = std::tuple(state, before, 1, "");
    OnPage(1);
    EnterAt("16R", "2L");
    EXPECT_EQ(std::tuple(dep_rwy_sel, fms_dep_rwy_pos, rte_rwy_entry, fms_fpln_active), after) << state;
  }
}

// A stored panel state brings its executed route back with the runways of its rows chosen: RTE
// shows the departure runway the maps draw, and the route starts at its threshold whatever runway
// was chosen before.
TEST_F(RtePageTest, StoredPanelStateShowsTheRunwaysOfItsRoute) {
  sim_.Write("Orvantel/PanelStates/TRIP.PNL",
             "[FLTPLN]\nstpos=1\nFPLN=KSEA,47.45,-122.311,APT\nFPLN=SEA,47.4354,-122.3097,VOR\n"
             "FPLN=KPDX,45.589,-122.597,APT\n[FMS]\nfms_dep_rwy_pos=1\nfms_dest_rwy_pos=1\n");
  dep_rwy_sel = "34R";
  fms_page = kCduPageInitRefIndex;
  PressAndPaint("4R");  // LOAD PNL>
  PressAndPaint("1L");
  ASSERT_EQ(cdu_message, "PANEL STATE LOADED OK");
  PressAndPaint("RTE");
  EXPECT_EQ(Line(2).left, "16L");
  EXPECT_EQ(std::tuple(dep_rwy_sel, dep_rwy_sel_act, arr_rwy_sel, arr_rwy_sel_act, fms_dep_rwy_pos, fms_dest_rwy_pos),
            std::tuple("16L", "16L", "10R", "10R", 1, 1));
  EXPECT_EQ(fms_fpln_act[0].lat, 47.4638);
}

TEST_F(RtePageTest, CompanyRouteByNameFirstThenByCityPair) {
  WritePlan("ALPHA.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nSEA 47.4354 -122.3097 VOR ---\n"
                         "KPDX 45.589 -122.597 APT ---\n");
  WritePlan("KSEAKPDX.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nKGEG 47.62 -117.534 APT ---\n");
  LoadFplList();
  OnPage(1);
  // The plan named so wins over the plan from KSEA to KPDX.
  EnterAt("KSEAKPDX", "2R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "KGEG"));
  EXPECT_EQ(std::pair(co_route, fms_fpln_active), std::pair(std::string("KSEAKPDX"), 1));
  fms_fpln_active = 3;
  EnterAt("KSEAKPDXX", "2R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "KPDX"));
  EXPECT_EQ(fms_fpln_active, 4);
}

TEST_F(RtePageTest, AirwayWithoutTheRowsFixWaitsForItsExit) {
  Route({{"KSEA", ""}, {"SEA", ""}, {"KPDX", ""}}, 1);
  PlaceSeaOnItsAirways(fms_fpln_mod, fp_mod_cnt);
  OnPage(2);
  EnterAt("J5", "2L");
  LoadAirway("#V4");  // another look-up used the search list meanwhile
  EnterAt("BTG", "2R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "BTG", "KPDX"));
  EXPECT_EQ(rte_row_cnt, 2);
  EXPECT_EQ(Row(2), "J5 | BTG");
}

// An airway row's exit moves along the airway from the fix the airway is joined at.
TEST_F(RtePageTest, NewExitOfAnAirwayRowKeepsItsFixes) {
  const std::vector<std::tuple<Legs, const char*, const char*, std::vector<std::string>>> cases{
      {kAlongJ5, "BTG", "2R", {"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "BTG", "KPDX"}},
      // A route read from a file carries the airway's first fix on the airway.
      {{{"KSEA", ""}, {"SEA", "J5"}, {"TACMA", "J5"}, {"KPDX", ""}}, "KELSO", "1R",
       {"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}}};
  for (const auto& [legs, exit, key, route] : cases) {
    Route(legs, 1);
    OnPage(2);
    EnterAt(exit, key);
    EXPECT_THAT(ModIdents(), ElementsAreArray(route)) << exit;
  }
}

TEST_F(RtePageTest, DirectFixGoesBeforeTheRowsFixAndALaterOneDropsTheLegsBetween) {
  Route(kDirect, 1);
  OnPage(2);
  EnterAt("OLM", "2R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "DISCO", "TACMA", "CENTR", "KELSO", "KPDX"));
  Route(kDirect, 1);
  OnPage(2);
  PressAndPaint("4R");  // copies the row's fix down
  PressAndPaint("2R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "KELSO", "KPDX"));
  EXPECT_EQ(cdu_scratchpad, "");
}

// A segment goes whole, a STAR one leg at a time, the destination never; only a deleted STAR leg
// takes the STAR choice with it.
TEST_F(RtePageTest, DeleteRouteSegmentDeletesWholeSegmentsButNeverTheEnd) {
  const Legs with_star{{"KSEA", ""}, {"SEA", ""}, {"TACMA", "J5"}, {"CENTR", "J5"},
                       {"KELSO", "WILAM1"}, {"WILAM", "WILAM1"}, {"KPDX", ""}};
  const Legs to_dest{{"KSEA", ""}, {"SEA", ""}, {"TACMA", "J5"}, {"CENTR", "J5"}, {"KPDX", "J5"}};
  for (const auto& [legs, n, result, route] : std::vector<std::tuple<Legs, int32_t, int32_t, std::vector<std::string>>>{
           {with_star, 2, 2, {"KSEA", "SEA", "KELSO", "WILAM", "KPDX"}},
           {with_star, 3, 4, {"KSEA", "SEA", "TACMA", "CENTR", "WILAM", "KPDX"}},
           {to_dest, 2, 0, {"KSEA", "SEA", "TACMA", "CENTR", "KPDX"}}}) {
    Route(legs, 3);
    for (int32_t i = 1; i < fp_mod_cnt; ++i) {
      if (fms_fpln_mod[i].via == "WILAM1") fms_fpln_mod[i].proc = "STAR";
    }
    star_sel = "WILAM1";
    EXPECT_EQ(DeleteRouteSegment(n), result) << n;
    EXPECT_THAT(ModIdents(), ElementsAreArray(route));
    EXPECT_EQ(fms_fpln_active, result > 0 ? 4 : 3);
    EXPECT_EQ(star_sel, result > 0 && legs[result].second == "WILAM1" ? "------" : "WILAM1");
  }
}

TEST_F(RtePageTest, RteKeyStartsFromTheActiveRoute) {
  Route(kDirect, 3);
  route_test::SetModLegs({"KSEA", "OLM", "KPDX"});
  PressAndPaint("RTE");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"));
}

TEST_F(RtePageTest, LineSixByState) {
  // Line 6 by state, then the state and page after 6R.
  for (const auto& [state, row6, after] :
       {std::tuple{1, " | ACTIVATE>", std::pair(2, 22)}, std::tuple{4, "<ERASE | PERF INIT>", std::pair(4, 3)}}) {
    Route(kDirect, state);
    OnPage(1);
    EXPECT_EQ(Row(6), row6) << state;
    PressAndPaint("6R");
    EXPECT_EQ(std::pair(fms_fpln_active, fms_page), after) << state;
  }
}

// However the departure runway is chosen, the route's origin stands on its threshold, where the
// maps draw the runway, and RTE LEGS lists the leg the maps show flown to: a route of an origin and
// a destination only is never executed, and is drawn and flown as it stands.
TEST_F(RtePageTest, OriginStandsOnTheChosenRunwayAndLegsListsTheLegFlownTo) {
  // The keys on RTE after the origin KSEA: the runway before or after the destination, or DEPARTURES.
  for (const auto& keys : {std::vector<std::pair<const char*, const char*>>{{"16L", "2L"}, {"KPDX", "1R"}},
                           {{"KPDX", "1R"}, {"16L", "2L"}}, {{"KPDX", "1R"}, {"", "DEP_ARR"}, {"", "1L"}, {"", "1R"}}}) {
    Keys("RTE");
    EnterAt("KSEA", "1L");
    for (const auto& [entry, key] : keys) EnterAt(entry, key);
    const RunwayRecord& rwy = airport_recs[1].runways[std::max(fms_dep_rwy_pos, 0)];
    ASSERT_EQ(std::string(rwy.ident) + " " + std::to_string(stpos), "16L 1") << keys.size();
    EXPECT_EQ(std::pair(fms_fpln_act[0].lat, fms_fpln_act[0].lon), std::pair(rwy.lat, rwy.lon)) << keys.size();
    Keys("LEGS");
    EXPECT_EQ(Line(1).left.substr(0, 4), "KPDX") << keys.size();
  }
}

}  // namespace
}  // namespace cdu_test
