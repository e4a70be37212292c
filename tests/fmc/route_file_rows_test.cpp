// Route-file lines that lost their coordinates.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "fmc/fmc_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/route_files.h"

namespace {

using Idents = std::vector<std::string>;
using RouteFileRows = plan_files_test::PlanFilesTest;

// A line cut after its latitude, or before it, adds no leg at 0 degrees: the plan ends at the last
// whole line, and a plan left with one leg is not listed.
TEST_F(RouteFileRows, LineWithoutCoordinatesAddsNoLeg) {
  const std::string head = "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nSEA 47.4354 -122.3097 VOR 116.80\n";
  for (const char* last : {"KPDX 45.589", "KPDX", "KPDX APT ---"}) {
    WritePlan("CUT.RTE", head + last + "\n");
    LoadFlightPlanFile("CUT.RTE", 0);
    EXPECT_EQ(route_test::ModIdents(), (Idents{"KSEA", "SEA"})) << last;
  }
  WritePlan("CUT.RTE", "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nKPDX 45.589\n");
  LoadFplList();
  EXPECT_EQ(std::pair(fpl_list_loaded, fpl_store[1].name), std::pair(1, std::string("NEW FPL")));
}

}  // namespace
