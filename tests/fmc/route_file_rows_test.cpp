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

// A line cut after its latitude, or before it, marks a file cut short or damaged: nothing of it
// loads over the route, not even the whole lines before it, and the file is not listed.
TEST_F(RouteFileRows, LineWithoutCoordinatesAddsNoLeg) {
  const std::string head = "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\nSEA 47.4354 -122.3097 VOR 116.80\n";
  for (const char* last : {"KPDX 45.589", "KPDX", "KPDX APT ---"}) {
    route_test::SetModLegs({"KGEG", "GEG", "KBFI"});
    fms_fpln_active = 1;
    WritePlan("CUT.RTE", head + last + "\nKPDX 45.589 -122.597 APT ---\nCruiseAlt=31000\n");
    LoadFlightPlanFile("CUT.RTE", 0);
    EXPECT_EQ(route_test::ModIdents(), (Idents{"KGEG", "GEG", "KBFI"})) << last;
    EXPECT_EQ(std::tuple(fms_fpln_active, pending_cruise_alt), std::tuple(1, 0)) << last;
  }
  WritePlan("CUT.RTE", head + "KPDX 45.589\n");
  WritePlan("WHOLE.RTE", head + "KPDX 45.589 -122.597 APT ---\n");
  LoadFplList();
  EXPECT_EQ(std::tuple(fpl_list_loaded, fpl_store[1].name, fpl_store[2].name),
            std::tuple(2, std::string("WHOLE.RTE"), std::string("NEW FPL")));
  LoadFlightPlanFile("WHOLE.RTE", 0);
  EXPECT_EQ(route_test::ModIdents(), (Idents{"KSEA", "SEA", "KPDX"}));
}

}  // namespace
