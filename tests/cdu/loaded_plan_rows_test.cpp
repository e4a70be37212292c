// Routes loaded over another one, read on the RTE page: its VIA/TO rows describe the route loaded,
// not the one it replaced.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "cdu/route_pages_fixture.h"

namespace cdu_test {
namespace {

class LoadedPlanRowsTest : public RoutePagesTest {
 protected:
  // The first rows of RTE page 2, reached from page 1 without the RTE key (which rebuilds them).
  std::string NextPageRows() {
    Keys("NEXT_PAGE");
    return Row(1) + " / " + Row(2) + " / " + Row(3);
  }
};

TEST_F(LoadedPlanRowsTest, StoredPlanListsItsOwnRows) {
  WritePlan("KSEAKGEG.PLN",
            testing_support::ReadBytes(RO757_SOURCE_DIR "/examples/sim/Orvantel/flightplans/KSEAKGEG.PLN"));
  TypeSeattlePortlandOnJ5();
  Keys("INIT_REF 6L 2R 1L");  // STORED FLIGHT PLANS; the loader opens RTE page 1
  EXPECT_EQ(NextPageRows(), "DIRECT | SEA / DIRECT | SNOQL / DIRECT | CLEEL");
}

// A company route of its two airports alone leaves no row of the typed route.
TEST_F(LoadedPlanRowsTest, CompanyRouteWithoutFixesLeavesNoRow) {
  WritePlan("AB.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT\nKPDX 45.589 -122.597 APT\n");
  Keys("INIT_REF 6L 2R");  // the stored plans listed
  TypeSeattlePortlandOnJ5();
  Keys("PREV_PAGE");
  EnterAt("AB", "2R");
  ASSERT_EQ(co_route, "AB");
  EXPECT_EQ(NextPageRows(), "------ | ----- /  |  /  | ");
}

// A plan with a waypoint it cannot place (no position, none with its degrees, cut before its closing
// tag) is not listed, as a route file whose line lost its coordinates: its place would be 0N 0E or the
// waypoint before.
TEST_F(LoadedPlanRowsTest, PlanWaypointWithoutPositionIsNotListed) {
  const auto wpt = [](const char* id, const std::string& pos) { return "<ATCWaypoint id=\"" + std::string(id) + "\">\n" + pos; };
  const std::string pos = "<WorldPosition>N47\xC2\xB0 27' 0.00\",W122\xC2\xB0 18' 39.60\"</WorldPosition>\n";
  const std::string end = "</ATCWaypoint>\n";
  const std::string ksea = "<DepartureID>KSEA</DepartureID>\n" + wpt("KSEA", pos) + end;
  for (const auto& [plan, listed] :
       {std::pair{ksea + wpt("CENTR", pos) + end + "</FlightPlan.FlightPlan>\n", "TRIP.PLN"},
        {ksea + wpt("CENTR", "") + end, "NEW FPL"},
        {"<DepartureID>KSEA</DepartureID>\n" + wpt("KSEA", "") + end + wpt("CENTR", pos) + end, "NEW FPL"},
        {ksea + wpt("CENTR", "<WorldPosition>N46\xC2\xB0 43'</WorldPosition>\n") + end, "NEW FPL"},
        {ksea + wpt("CENTR", pos) + end + wpt("KPDX", pos), "NEW FPL"}}) {
    WritePlan("TRIP.PLN", plan);
    Keys("INIT_REF 6L 2R");  // STORED FLIGHT PLANS, shown at the next paint
    Paint();
    EXPECT_EQ(Line(1).left, listed) << plan;
  }
}

// A listed plan damaged since the list was made is refused where it is picked, by name on CO ROUTE
// or by its line on STORED FLIGHT PLANS: neither reports a load, and the route typed stays.
TEST_F(LoadedPlanRowsTest, ListedPlanThatNoLongerReadsIsRefusedWherePicked) {
  WritePlan("AB.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT\nKPDX 45.589 -122.597 APT\n");
  Keys("INIT_REF 6L 2R");  // AB listed
  TypeSeattlePortlandOnJ5();
  WritePlan("AB.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT\nKPDX\n");
  Keys("PREV_PAGE");
  EnterAt("AB", "2R");
  ExpectTaken("AB", false, "NOT IN DATABASE");
  Keys("INIT_REF 6L 2R 1L");
  EXPECT_EQ(std::pair(TitleLine(), cdu_message), std::pair(std::string("STORED FLIGHT PLANS 1 / 1"),
                                                           std::string("NOT IN DATABASE")));
  EXPECT_EQ(std::pair(co_route, fms_fpln_mod[1].ident), std::pair(std::string("----------"), std::string("TACMA")));
}

// The route of a panel state, executed by the load without a cruise altitude, replaces the rows of
// the company route loaded before it.
TEST_F(LoadedPlanRowsTest, PanelStateLoadListsTheRestoredRoute) {
  sim_.MakeDir("Orvantel/PanelStates");
  WritePlan("GEG.RTE",
            "[FlightPlan]\nKSEA 47.45 -122.311 APT\nSEA 47.4354 -122.3097 VOR 116.80\n"
            "KGEG 47.62 -117.534 APT\n");
  TypeSeattlePortlandOnJ5();
  Keys("6R EXEC INIT_REF 6L");
  EnterAt("P", "5R");    // SAVE PNL
  Keys("2R RTE");        // the stored plans listed
  EnterAt("GEG", "2R");  // CO ROUTE
  ASSERT_EQ(rte_rows[1].to_fix, "SEA");
  Keys("INIT_REF 6L 4R 1L");  // LOAD PNL
  ASSERT_EQ(cdu_message, "PANEL STATE LOADED OK");
  Keys("LEGS 6R");  // RTE DATA
  EXPECT_EQ(NextPageRows(), "DIRECT | TACMA / J5 | KELSO / ------ | -----");
}

}  // namespace
}  // namespace cdu_test
