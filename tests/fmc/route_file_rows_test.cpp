// Route-file lines that lost their coordinates.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
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

// The coordinate columns with the same values that give no place (a letter inside or after, off the
// globe, none; the columns swapped): the file is refused as one whose line lost them, where TACMA at
// latitude 97.2 was flown 3,000 NM away. A byte order mark before the section changes nothing (such a
// file was not listed).
TEST_F(RouteFileRows, CoordinatesThatGiveNoPlaceRefuseTheFile) {
  const std::string head = "[FlightPlan]\nKSEA 47.45 -122.311 APT ---\n";
  const std::string tail = "KPDX 45.589 -122.597 APT ---\n";
  std::vector<std::string> places{"-122.346 47.201", "97.2 -122.346"};
  for (const char* text : {"4O.2", "47.2X", "197.2", "-181", "N47", "1e1", "+", ""}) {
    places.push_back(std::string(text) + " -122.346");
    places.push_back("47.201 " + std::string(text));
  }
  for (const std::string& place : places) {
    route_test::SetModLegs({"KGEG", "GEG", "KBFI"});
    WritePlan("BAD.RTE", head + "TACMA " + place + " INT ---\n" + tail);
    EXPECT_FALSE(LoadFlightPlanFile("BAD.RTE", 0)) << place;
    EXPECT_EQ(route_test::ModIdents(), (Idents{"KGEG", "GEG", "KBFI"})) << place;
  }
  WritePlan("BAD.RTE", "\xEF\xBB\xBF" + head + "TACMA 47.201 -122.346 INT ---\n" + tail);
  LoadFplList();
  EXPECT_EQ(std::pair(fpl_store[1].name, fpl_store[1].leg_cnt), std::pair(std::string("BAD.RTE"), 2));
  EXPECT_TRUE(LoadFlightPlanFile("BAD.RTE", 0));
  EXPECT_EQ(route_test::ModIdents(), (Idents{"KSEA", "TACMA", "KPDX"}));
}

}  // namespace
