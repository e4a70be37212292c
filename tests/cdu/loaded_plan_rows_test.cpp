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

// A simulator plan's waypoint, of the XML form; no position when `pos` is empty.
std::string Waypoint(const std::string& id, const std::string& type, const std::string& pos) {
  std::string w = "<ATCWaypoint id=\"" + id + "\">\n<ATCWaypointType>" + type + "</ATCWaypointType>\n";
  if (!pos.empty()) w += "<WorldPosition>" + pos + "</WorldPosition>\n";
  return w + "</ATCWaypoint>\n";
}

// A plan with a waypoint it cannot place, in either form, is not listed, as a route file with a line
// that lost its coordinates: taken, its place would be 0N 0E or the waypoint before.
TEST_F(LoadedPlanRowsTest, PlanWaypointWithoutPositionIsNotListed) {
  const std::string head = "<DepartureID>KSEA</DepartureID>\n";
  const std::string ksea = Waypoint("KSEA", "Airport", "N47\xC2\xB0 27' 0.00\",W122\xC2\xB0 18' 39.60\",+0");
  const std::string kpdx = Waypoint("KPDX", "Airport", "N45\xC2\xB0 35' 20.40\",W122\xC2\xB0 35' 49.20\",+0");
  const std::string ini = "departure_id=KSEA,\nwaypoint.0=KSEA, A, N47* 27.00', W122* 18.66',\n";
  for (const auto& [plan, listed] : {
           std::pair{head + ksea + Waypoint("CENTR", "Intersection", "N46\xC2\xB0 43' 8.40\",W122\xC2\xB0 36' 7.20\"") + kpdx,
                     "TRIP.PLN"},
           {head + Waypoint("KSEA", "Airport", "") + kpdx, "NEW FPL"},
           {head + ksea + Waypoint("CENTR", "Intersection", "") + kpdx, "NEW FPL"},
           {head + ksea + Waypoint("CENTR", "Intersection", "N46\xC2\xB0 43' 8.40\"") + kpdx, "NEW FPL"},
           {head + ksea + kpdx.substr(0, kpdx.size() - 15), "NEW FPL"},  // cut before its closing tag
           {ini + "waypoint.1=CENTR, I, N46* 43.14', ,\n", "NEW FPL"},
           {ini + "waypoint.1=CENTR, I,\n", "NEW FPL"}}) {
    WritePlan("TRIP.PLN", plan);
    Keys("INIT_REF 6L 2R");  // STORED FLIGHT PLANS, shown at the next paint
    Paint();
    EXPECT_EQ(Line(1).left, listed) << plan;
  }
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
