// Routes loaded over another one, read on the RTE page: its VIA/TO rows describe the route loaded,
// not the one it replaced.
#include <gtest/gtest.h>

#include <string>

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
