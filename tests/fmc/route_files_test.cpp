#include "fmc/route_files.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using plan_files_test::PlanFilesTest;
using route_test::ModIdents;
using Idents = std::vector<std::string>;

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;
const std::string kKseaKpdx =
    "[FlightPlan]\n"
    "KSEA 47.45000 -122.31100 APT --- \n"
    "SEA 47.43540 -122.30970 VOR 116.80 J5 AWY\n"
    "KPDX 45.58900 -122.59700 APT ---\n";

void SetActLeg(int row, const std::string& ident, double lat, double lon, const std::string& type,
               const std::string& freq = "", const std::string& via = "", const std::string& proc = "") {
  RouteLeg& leg = plan_files_test::PlaceLeg(fms_fpln_act, row, ident, lat, lon, type);
  std::tie(leg.freq, leg.via, leg.proc) = std::tuple(freq, via, proc);
}

using RouteFiles = PlanFilesTest;

// Written with route-file types and read back without constraints; the active route keeps its types.
TEST_F(RouteFiles, WrittenRouteReadsBack) {
  SetActLeg(0, "KSEA", 47.45, -122.311, "APT");
  SetActLeg(1, "SEA", 47.4354, -122.3097, "V", "116.80", "J5", "AWY");
  SetActLeg(2, "NOLLA", 47.548, -122.495, "N", "362");
  SetActLeg(3, "TACMA", 47.201, -122.346, "INT", "", "", "SID");  // no airway: its tag is not written
  SetActLeg(4, "KPDX", 45.589, -122.597, "APT");
  std::tie(fms_fpln_act[1].alt, fms_fpln_act[1].restr, fp_cnt) = std::tuple(12000.0, 1, 4);

  ASSERT_EQ(WriteRouteFile("RT1.RTE"), 1);
  const std::string bytes = PlanBytes("RT1.RTE");
  EXPECT_NE(bytes.find("SEA" + std::string(13, ' ') + " 47.43540  -122.30970  WPT 116.80 J5      AWY\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(fms_fpln_act[1].type, "V");

  LoadFlightPlanFile("RT1.RTE", 0);
  ASSERT_EQ(fp_mod_cnt, 4);
  const char* types[] = {"APT", "WPT", "WPT", "INT", "APT"};
  for (int i = 0; i <= 4; ++i) {
    const RouteLeg& m = fms_fpln_mod[i];
    const RouteLeg& a = fms_fpln_act[i];
    EXPECT_EQ(m.ident + "|" + m.freq + "|" + m.via + "|" + m.type,
              a.ident + "|" + a.freq + "|" + a.via + "|" + types[i]);
    EXPECT_NEAR(m.lat, a.lat, 5e-6);
    EXPECT_NEAR(m.lon, a.lon, 5e-6);
    EXPECT_EQ(m.restr, 0);
  }
  EXPECT_EQ(fms_fpln_mod[1].proc + "|" + fms_fpln_mod[3].proc, "AWY|");
}

TEST_F(RouteFiles, WriterRefusesNamesOutsideThePlanFolderAndAMissingFolder) {
  SetActLeg(0, "KSEA", 47.45, -122.311, "APT");
  fp_cnt = 0;
  for (const std::string& name : Idents{"../x.rte", "a/b.rte", "a\\b.rte", "C:x.rte", "", "x\x01.rte", std::string(300, 'A')}) {
    EXPECT_EQ(WriteRouteFile(name), 0) << name;
  }
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/flightplans"), 0);
  sim_root = sim_ / "nowhere";
  EXPECT_EQ(WriteRouteFile("X.RTE"), 0);
}

// The route state after a load follows the state before and the file's cruise altitude; an active
// route keeps the leg being flown until EXEC, and in the air is never dropped.
TEST_F(RouteFiles, LoadStepsTheStateByTheTable) {
  // state before, header ("": no CruiseAlt key; 99999, which the CDU refuses, counts as none), on the
  // ground, state after, stpos after (7 before)
  for (auto [before, header, ground, after, stpos_after] :
       {std::tuple{0, "CruiseAlt=1000\n", 1, 1, 1}, {0, "cruisealt 1001\n", 1, 2, 1}, {1, "CruiseAlt=999\n", 1, 1, 1},
        {2, "CruiseAlt=1000\n", 1, 2, 7}, {3, "CruiseAlt=1000\n", 1, 4, 7}, {4, "", 1, 1, 7}, {3, "", 0, 4, 7},
        {4, "", 0, 4, 7}, {2, "", 0, 1, 1}, {0, "CruiseAlt=99999\n", 1, 1, 1}, {3, "CruiseAlt=99999\n", 1, 1, 7}}) {
    WritePlan("P.RTE", std::string(header) + kKseaKpdx);
    host_.SetToken(60, ground);
    fms_fpln_active = before;
    stpos = 7;
    LoadFlightPlanFile("P.RTE", 0);
    EXPECT_EQ(std::pair(fms_fpln_active, stpos), std::pair(after, stpos_after)) << before << " " << header << ground;
  }
  EXPECT_EQ(std::tuple(new_fpln_loaded, clear_holds_on_exec, mod_stpos), std::tuple(1, 1, 1));
}

// From no route with a high cruise altitude the first entry's ground-load step still runs.
TEST_F(RouteFiles, HighCruiseAltitudeFromNoRouteAppliesTheWaitingValuesOnTheGround) {
  std::tie(SetMCPCruiseAltonFlightPlanLoad, LoadFuelonFlightPlanLoad, ground_speed) = std::tuple(1, 1, 0.0);
  WritePlan("P.RTE", "CruiseAlt=35000\nTripFuel=20000\n" + kKseaKpdx);
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(std::pair(fms_fpln_active, plan_fuel_set), std::pair(2, 0));
  ASSERT_EQ(KeyEvents(kMcpAltitudeEvent), 1);
  EXPECT_EQ(host_.key_events().back().value, 35000);
}

// A waypoint named FUEL is no fuel entry; blank and comment lines add no leg.
TEST_F(RouteFiles, InsideTheSectionOnlyShortLinesAreHeaderLines) {
  WritePlan("P.RTE",
            "; saved by hand\r\n"
            "[flightplan]\r\n"
            "KSEA 47.45 -122.31 APT ---\r\n"
            "\r\n"
            "FUEL 47.30 -122.30 INT --- V4\r\n"
            "   \t \r\n"
            "CruiseAlt=33000\r\n"
            ";SEA 47.43 -122.30 VOR 116.80\r\n"
            "KPDX 45.59 -122.60 APT ---\r\n");
  fms_fpln_active = 1;
  LoadFlightPlanFile("p.rte", 0);
  EXPECT_EQ(std::tuple(ModIdents(), plan_fuel, pending_cruise_alt), std::tuple(Idents{"KSEA", "FUEL", "KPDX"}, 0.0, 33000));
}

// A header's cruise altitude below 0, which PERF INIT refuses, is none (it was shown as 0 until EXEC).
TEST_F(RouteFiles, HeaderCruiseAltitudeBelowZeroIsNone) {
  std::tie(fms_fpln_active, pending_cruise_alt) = std::pair(1, 31000);
  WritePlan("P.RTE", "CruiseAlt=-5000\n" + kKseaKpdx);
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(pending_cruise_alt, 0);
}

TEST_F(RouteFiles, OverLongLinesAndLegsBeyondRow200AreCut) {
  const std::string long_line = "LONG 47.1 -122.2 INT --- " + std::string(600, 'V');  // cut after 498 characters
  WritePlan("P.RTE", "[FlightPlan]\nKSEA 47.45 -122.31 APT ---\n" + long_line + " 1 2 INT\nKPDX 45.59 -122.60 APT ---\n");
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "LONG", "KPDX"}));
  EXPECT_EQ(fms_fpln_mod[1].via, long_line.substr(25, 498 - 25));

  std::string text = "[FlightPlan]\n";
  for (int i = 0; i < 250; ++i) text += "WP" + std::to_string(i) + " 47.0 -122.0 INT ---\n";
  WritePlan("BIG.RTE", text);
  LoadFlightPlanFile("BIG.RTE", 0);
  EXPECT_EQ(std::pair(fp_mod_cnt, fms_fpln_mod[200].ident), std::pair(200, std::string("WP200")));
}

TEST_F(RouteFiles, MissingFilesChangeNothingOrEmptyTheRoute) {
  route_test::SetModLegs({"KSEA", "SEA", "KPDX"});
  fms_fpln_active = 3;
  pending_cruise_alt = 31000;
  LoadFlightPlanFile("gone.pln", 0);  // a simulator plan that is not there changes nothing
  EXPECT_EQ(std::pair(fp_mod_cnt, fms_fpln_active), std::pair(2, 3));
  fms_fpln_active = 0;
  LoadFlightPlanFile("NEW FPL", 0);  // a missing route file empties the route and still steps
  EXPECT_EQ(std::pair(fp_mod_cnt, fms_fpln_active), std::pair(-1, 1));
}

using PlanList = PlanFilesTest;

// Route files and simulator plans with at least two legs, by name, then NEW FPL; building the list
// leaves a loaded plan's cruise altitude alone.
TEST_F(PlanList, ListsRouteAndSimulatorPlansThenNewFpl) {
  WritePlan("b.Rte", kKseaKpdx);
  WritePlan("A.pln",
            "[flightplan]\ndeparture_id=KPDX,\nwaypoint.0=KPDX, A, N45* 35.33', W122* 35.82',\n"
            "waypoint.1=KSEA, A, N47* 26.99', W122* 18.66',\n");
  for (const char* name : {"Temp.RTE", "notes.txt", "c.rte.bak"}) WritePlan(name, kKseaKpdx);
  WritePlan("ONE.RTE", "[FlightPlan]\nKSEA 47.45 -122.31 APT ---\n");
  sim_.MakeDir("Orvantel/flightplans/dir.rte");
  pending_cruise_alt = 35000;
  LoadFplList();
  ASSERT_EQ(fpl_list_loaded, 3);
  EXPECT_EQ(fpl_store[1].name + "|" + fpl_store[2].name + "|" + fpl_store[3].name, "A.pln|b.Rte|NEW FPL");
  EXPECT_EQ(std::pair(fpl_store[2].legs[1].via, pending_cruise_alt), std::pair(std::string("J5"), 35000));

  sim_root = sim_ / "nowhere";
  LoadFplList();
  EXPECT_EQ(fpl_list_loaded, 1);
}

TEST_F(PlanList, TakesAtMost199PlansThenNewFpl) {
  for (int i = 0; i < 250; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "P%03d.RTE", i);
    WritePlan(name, kKseaKpdx);
  }
  LoadFplList();
  ASSERT_EQ(fpl_list_loaded, 200);
  EXPECT_EQ(fpl_store[199].name + "|" + fpl_store[200].name, "P198.RTE|NEW FPL");
}

}  // namespace
