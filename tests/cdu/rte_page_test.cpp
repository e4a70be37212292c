#include "cdu/pages/rte_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"
#include "fmc/route_files.h"
#include "frame/tick_route.h"
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
  EXPECT_EQ(rte_page, 4);
  EXPECT_EQ(Row(1), "------ | -----");  // the entry line after row 10
}

TEST_F(RtePageTest, RefusedEntriesLeaveTheRouteAlone) {
  struct Case {
    int32_t page;
    const char* entry;  // "DEL": the DELETE request
    const char* key;
    const char* message;
    const char* kept;  // the scratchpad after
  };
  WritePlan("ALPHA.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nKPDX 45.589 -122.597 APT ---\n");
  LoadFplList();
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  orig_ident = "KSEA";
  const char* kNotIn = "NOT IN DATABASE";
  const char* kInvalid = "INVALID ENTRY";
  for (const Case& c : {
           Case{1, "ZZZZ", "1L", kNotIn, "ZZZZ"}, Case{1, "10R", "2L", kNotIn, "10R"},  // not a runway of the origin
           Case{1, "NEW", "2R", kNotIn, "NEW"},   // the list's "NEW FPL" row is no plan
           Case{2, "V4", "2L", kInvalid, "V4"},   // V4 does not pass SEA
           Case{2, "NOWHERE", "5R", kNotIn, "NOWHERE"}, Case{2, "DEL", "6R", "INVALID DELETE", ""}}) {
    Route(kDirect, 3);
    const std::vector<std::string> before = ModIdents();
    OnPage(c.page);
    const bool del = std::string_view(c.entry) == "DEL";
    Entry(del ? "" : c.entry);
    PressAndPaint(del ? std::string("DEL ") + c.key : std::string(c.key));
    EXPECT_EQ(std::tuple(cdu_message, cdu_scratchpad, fms_fpln_active), std::tuple(c.message, c.kept, 3)) << c.entry;
    EXPECT_EQ(ModIdents(), before);
  }
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
  struct Case {
    int32_t state;
    const char* before;  // dep_rwy_sel
    const char* sel;     // dep_rwy_sel after 16R
    int32_t row;         // fms_dep_rwy_pos after
    const char* entry;   // rte_rwy_entry after
    int32_t state_after;
  };
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);  // runways 16L 34R 16C 34C 16R 34L
  orig_ident = "KSEA";
  for (const Case& c : {Case{1, "------", "16R", 5, "------", 1}, Case{2, "16L", "16R", 5, "", 2},
                        Case{3, "16L", "16L", 1, "16R", 4}}) {
    fms_fpln_active = c.state;
    dep_rwy_sel = c.before;
    fms_dep_rwy_pos = 1;
    rte_rwy_entry.clear();
    OnPage(1);
    EnterAt("16R", "2L");
    EXPECT_EQ(std::tuple(dep_rwy_sel, fms_dep_rwy_pos, rte_rwy_entry, fms_fpln_active),
              std::tuple(c.sel, c.row, c.entry, c.state_after))
        << c.state;
  }
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
  struct Case {
    Legs legs;
    const char* exit;
    const char* key;
    std::vector<std::string> route;
  };
  const std::vector<Case> cases{
      {kAlongJ5, "BTG", "2R", {"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "BTG", "KPDX"}},
      // A route read from a file carries the airway's first fix on the airway.
      {{{"KSEA", ""}, {"SEA", "J5"}, {"TACMA", "J5"}, {"KPDX", ""}}, "KELSO", "1R",
       {"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"}}};
  for (const Case& c : cases) {
    Route(c.legs, 1);
    OnPage(2);
    EnterAt(c.exit, c.key);
    EXPECT_THAT(ModIdents(), ElementsAreArray(c.route)) << c.exit;
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

TEST_F(RtePageTest, LineSixByState) {
  struct Case {
    int32_t state;
    const char* left;
    const char* right;
    int32_t state_after_6r;
    int32_t page_after_6r;
  };
  for (const Case& c : {Case{1, "", "ACTIVATE>", 2, 22}, Case{4, "<ERASE", "PERF INIT>", 4, 3}}) {
    Route(kDirect, c.state);
    OnPage(1);
    EXPECT_EQ(Row(6), std::string(c.left) + " | " + c.right) << c.state;
    PressAndPaint("6R");
    EXPECT_EQ(std::pair(fms_fpln_active, fms_page), std::pair(c.state_after_6r, c.page_after_6r)) << c.state;
  }
}

}  // namespace
}  // namespace cdu_test
