#include "fmc/route_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cdu/cdu_globals.h"
#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/route_model.h"
#include "frame/frame_globals.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

using plan_files_test::PlanFilesTest;

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;
const std::string kKseaKpdx =
    "[FlightPlan]\n"
    "KSEA 47.45000 -122.31100 APT --- \n"
    "SEA 47.43540 -122.30970 VOR 116.80 J5 AWY\n"
    "KPDX 45.58900 -122.59700 APT ---\n";

std::string Pad(const std::string& s, size_t width) { return s + std::string(width > s.size() ? width - s.size() : 0, ' '); }

void SetActLeg(int row, const std::string& ident, double lat, double lon, const std::string& type,
               const std::string& freq = "", const std::string& via = "", const std::string& proc = "") {
  RouteLeg& leg = fms_fpln_act[row];
  ResetRouteLeg(leg);
  leg.ident = ident;
  leg.lat = lat;
  leg.lon = lon;
  leg.type = type;
  leg.freq = freq;
  leg.via = via;
  leg.proc = proc;
}

class RouteFiles : public PlanFilesTest {};

TEST_F(RouteFiles, WrittenRouteReadsBackWithFileTypesAndNoConstraints) {
  SetActLeg(0, "KSEA", 47.45, -122.311, "APT");
  SetActLeg(1, "SEA", 47.4354, -122.3097, "V", "116.80", "J5", "AWY");
  SetActLeg(2, "NOLLA", 47.548, -122.495, "N", "362");
  SetActLeg(3, "TACMA", 47.201, -122.346, "INT", "", "", "SID");  // no airway: its tag is not written
  SetActLeg(4, "KPDX", 45.589, -122.597, "APT");
  fms_fpln_act[1].alt = 12000.0;
  fms_fpln_act[1].restr = 1;
  fms_fpln_act[2].ias = 250.0;
  fp_cnt = 4;

  ASSERT_EQ(WriteRouteFile("RT1.RTE"), 1);
  const std::string bytes = PlanBytes("RT1.RTE");
  const std::string sea_line = Pad("SEA", 16) + " 47.43540  -122.30970  WPT 116.80 J5      AWY\r\n";
  EXPECT_EQ(bytes.substr(0, 14), "[FlightPlan]\r\n");
  EXPECT_NE(bytes.find(sea_line), std::string::npos) << bytes;
  EXPECT_NE(bytes.find(Pad("KSEA", 16) + " 47.45000  -122.31100  APT ---" + std::string(12, ' ') + "\r\n"),
            std::string::npos);
  EXPECT_EQ(fms_fpln_act[1].type, "V");  // the active route keeps its own types

  LoadFlightPlanFile("RT1.RTE", 0);
  ASSERT_EQ(fp_mod_cnt, 4);
  const char* types[] = {"APT", "WPT", "WPT", "INT", "APT"};
  for (int i = 0; i <= 4; ++i) {
    const RouteLeg& m = fms_fpln_mod[i];
    const RouteLeg& a = fms_fpln_act[i];
    EXPECT_EQ(m.ident, a.ident);
    EXPECT_NEAR(m.lat, a.lat, 5e-6);
    EXPECT_NEAR(m.lon, a.lon, 5e-6);
    EXPECT_EQ(m.type, types[i]);
    EXPECT_EQ(m.freq, a.freq);
    EXPECT_EQ(m.via, a.via);
    EXPECT_EQ(m.alt, -999.0);
    EXPECT_EQ(m.ias, -999.0);
    EXPECT_EQ(m.restr, 0);
    EXPECT_EQ(m.intc_crs, -1.0);
  }
  EXPECT_EQ(fms_fpln_mod[1].proc, "AWY");
  EXPECT_EQ(fms_fpln_mod[3].proc, "");
}

TEST_F(RouteFiles, WriterRefusesNamesOutsideThePlanFolderAndAMissingFolder) {
  SetActLeg(0, "KSEA", 47.45, -122.311, "APT");
  fp_cnt = 0;
  for (const std::string& name :
       std::vector<std::string>{"../x.rte", "a/b.rte", "a\\b.rte", "C:x.rte", "", "x\x01.rte", std::string(300, 'A')}) {
    EXPECT_EQ(WriteRouteFile(name), 0) << name;
  }
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/flightplans"), 0);
  sim_root = sim_ / "nowhere";
  EXPECT_EQ(WriteRouteFile("X.RTE"), 0);
}

// The route state after a load: the state before, the file's cruise altitude and the active leg.
struct LoadStateCase {
  int32_t before;
  const char* header;  // "" = no CruiseAlt key
  int32_t after;
  int32_t stpos_after;  // stpos was 7 before the load
};

class LoadStateTest : public RouteFiles, public ::testing::WithParamInterface<LoadStateCase> {};

TEST_P(LoadStateTest, StateFollowsTheTable) {
  const LoadStateCase& c = GetParam();
  WritePlan("P.RTE", std::string(c.header) + kKseaKpdx);
  fms_fpln_active = c.before;
  stpos = 7;
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(fms_fpln_active, c.after);
  EXPECT_EQ(stpos, c.stpos_after);
  EXPECT_EQ(fp_mod_cnt, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, LoadStateTest,
    ::testing::Values(LoadStateCase{0, "", 1, 1}, LoadStateCase{0, "CruiseAlt=1000\n", 1, 1},
                      LoadStateCase{0, "CruiseAlt=1001\n", 2, 1}, LoadStateCase{0, "cruisealt 35000\n", 2, 1},
                      LoadStateCase{1, "CruiseAlt=1000\n", 2, 1}, LoadStateCase{1, "CruiseAlt=999\n", 1, 1},
                      LoadStateCase{2, "CruiseAlt=1000\n", 2, 7}, LoadStateCase{2, "", 1, 1},
                      // An active route keeps the leg being flown until EXEC.
                      LoadStateCase{3, "CruiseAlt=1000\n", 4, 7}, LoadStateCase{3, "", 1, 7},
                      LoadStateCase{4, "CruiseAlt=35000\n", 4, 7}, LoadStateCase{4, "CruiseAlt=0\n", 1, 7}));

TEST_F(RouteFiles, HighCruiseAltitudeFromNoRouteAppliesTheWaitingValuesOnTheGround) {
  SetMCPCruiseAltonFlightPlanLoad = 1;
  LoadFuelonFlightPlanLoad = 1;
  ground_speed = 0.0;
  WritePlan("P.RTE", "CruiseAlt=35000\nTripFuel=20000\n" + kKseaKpdx);
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(fms_fpln_active, 2);
  EXPECT_EQ(pending_cruise_alt, 35000);
  EXPECT_EQ(pending_cruise_alt_set, 0);
  EXPECT_EQ(plan_fuel_set, 0);
  ASSERT_EQ(KeyEvents(kMcpAltitudeEvent), 1);
  EXPECT_EQ(host_.key_events().back().value, 35000);
}

TEST_F(RouteFiles, LoadSetsTheFlagsThatExecConsumes) {
  WritePlan("P.RTE", kKseaKpdx);
  lnav_init_done = 1;
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(clear_holds_on_exec, 1);
  EXPECT_EQ(new_fpln_loaded, 1);
  EXPECT_EQ(mod_stpos, 1);
  EXPECT_EQ(lnav_init_done, 0);
}

struct FuelCase {
  const char* header;
  double fuel;
  int32_t fuel_set;  // plan_fuel_set was 0
};

class HeaderFuelTest : public RouteFiles, public ::testing::WithParamInterface<FuelCase> {};

TEST_P(HeaderFuelTest, FuelKeysSumOrReplace) {
  WritePlan("P.RTE", std::string(GetParam().header) + kKseaKpdx);
  ground_speed = 100.0;  // moving: the ground-load step leaves the fuel waiting
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_DOUBLE_EQ(plan_fuel, GetParam().fuel);
  EXPECT_EQ(plan_fuel_set, GetParam().fuel_set);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HeaderFuelTest,
    ::testing::Values(FuelCase{"TripFuel=20000\nResvFuel=5000\n", 25000.0, 1},
                      FuelCase{"TripFuel=20000\nResvFuel=5000\nFuel=30000\n", 30000.0, 1},
                      FuelCase{"Fuel=30000\nTripFuel=20000\n", 50000.0, 1},
                      FuelCase{"Fuel = 12000.5\n", 12000.5, 0},
                      FuelCase{"RESVFUEL 4000\nFlightLevel=350\n", 4000.0, 0}));

TEST_F(RouteFiles, InsideTheSectionOnlyShortLinesAreHeaderLines) {
  WritePlan("P.RTE",
            "[FlightPlan]\n"
            "KSEA 47.45 -122.31 APT ---\n"
            "FUEL 47.30 -122.30 INT --- V4\n"
            "CruiseAlt=33000\n"
            "KPDX 45.59 -122.60 APT ---\n");
  fms_fpln_active = 1;
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(route_test::ModIdents(), (std::vector<std::string>{"KSEA", "FUEL", "KPDX"}));
  EXPECT_EQ(plan_fuel, 0.0);
  EXPECT_EQ(pending_cruise_alt, 33000);
}

TEST_F(RouteFiles, BlankAndCommentLinesAddNoLeg) {
  WritePlan("P.RTE",
            "; saved by hand\r\n"
            "\r\n"
            "[flightplan]\r\n"
            "KSEA 47.45 -122.31 APT ---\r\n"
            "\r\n"
            "   \t \r\n"
            ";SEA 47.43 -122.30 VOR 116.80\r\n"
            "KPDX 45.59 -122.60 APT ---\r\n");
  LoadFlightPlanFile("p.rte", 0);
  EXPECT_EQ(route_test::ModIdents(), (std::vector<std::string>{"KSEA", "KPDX"}));
}

TEST_F(RouteFiles, OverLongLineKeepsItsFirst498CharactersAndNothingMore) {
  const std::string long_ident(600, 'X');
  WritePlan("P.RTE", "[FlightPlan]\nKSEA 47.45 -122.31 APT ---\n" + long_ident + " 1 2 INT\nKPDX 45.59 -122.60 APT ---\n");
  LoadFlightPlanFile("P.RTE", 0);
  ASSERT_EQ(fp_mod_cnt, 2);
  EXPECT_EQ(fms_fpln_mod[1].ident, std::string(498, 'X'));
  EXPECT_EQ(fms_fpln_mod[2].ident, "KPDX");
}

TEST_F(RouteFiles, LegsBeyondRow200AreIgnored) {
  std::string text = "[FlightPlan]\n";
  for (int i = 0; i < 250; ++i) text += "WP" + std::to_string(i) + " 47.0 -122.0 INT ---\n";
  WritePlan("BIG.RTE", text);
  LoadFlightPlanFile("BIG.RTE", 0);
  EXPECT_EQ(fp_mod_cnt, 200);
  EXPECT_EQ(fms_fpln_mod[200].ident, "WP200");
}

TEST_F(RouteFiles, SingleWaypointLoadsOneRowWithoutOriginOrDestination) {
  WritePlan("ONE.RTE", "[FlightPlan]\nKSEA 47.45 -122.31 APT ---\n");
  LoadFlightPlanFile("ONE.RTE", 0);
  EXPECT_EQ(fp_mod_cnt, 0);
  EXPECT_EQ(orig_ident, "------");
  EXPECT_EQ(dest_ident, "------");
}

TEST_F(RouteFiles, MissingFileEmptiesTheModifiedRouteAndStillStepsTheState) {
  route_test::SetModLegs({"KSEA", "SEA", "KPDX"});
  LoadFlightPlanFile("NEW FPL", 0);
  EXPECT_EQ(fp_mod_cnt, -1);
  EXPECT_EQ(fms_fpln_active, 1);
}

TEST_F(RouteFiles, MissingSimulatorPlanChangesNothing) {
  route_test::SetModLegs({"KSEA", "SEA", "KPDX"});
  fms_fpln_active = 3;
  pending_cruise_alt = 31000;
  LoadFlightPlanFile("gone.pln", 0);
  EXPECT_EQ(fp_mod_cnt, 2);
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(pending_cruise_alt, 0);
}

TEST_F(RouteFiles, AirportEndsBecomeOriginAndDestination) {
  WritePlan("P.RTE", kKseaKpdx);
  sid_sel = "SUMMA1";
  star_sel = "OLM5";
  plan_arr_texts[1] = "ILS10R";
  fms_page = 22;
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(orig_ident, "KSEA");
  EXPECT_EQ(orig_entry, "KSEA");
  EXPECT_EQ(plan_orig_key, "KSEA");
  EXPECT_EQ(sid_sel, "------");
  EXPECT_EQ(rte_rwy_entry, "------");
  EXPECT_EQ(dest_ident, "KPDX");
  EXPECT_EQ(dest_entry, "KPDX");
  EXPECT_EQ(plan_dest_key, "KPDX");
  EXPECT_EQ(star_sel, "------");
  EXPECT_EQ(plan_arr_texts[1], "------");
  // An airport the database does not know gives the destination no elevation.
  EXPECT_EQ(fms_fpln_mod[2].alt, -999.0);
}

TEST_F(RouteFiles, StoredPlansPageLeavesTheDestinationOfAnActiveRouteAlone) {
  WritePlan("P.RTE", "CruiseAlt=35000\n" + kKseaKpdx);
  fms_fpln_active = 4;
  dest_ident = "KGEG";
  fms_page = 1;
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(dest_ident, "KGEG");
  EXPECT_EQ(dest_entry, "KPDX");
  EXPECT_EQ(plan_dest_key, "KPDX");

  fms_page = 22;
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(dest_ident, "KPDX");
}

TEST_F(RouteFiles, NavaidCompletionGivesIntersectionsTheirVorAndFrequency) {
  AddNavaid("NOLLA", 47.548, -122.495, "N", "362");
  AddNavaid("SEA", 47.4354, -122.3097, "V", "116.80");
  WritePlan("P.RTE",
            "[FlightPlan]\n"
            "KSEA 47.45 -122.31 APT ---\n"
            "SEA 47.43 -122.30 INT ---\n"
            "NOLLA 47.54 -122.49 NDB ---\n"
            "SEA 46.90 -122.30 INT ---\n"  // another whole degree of latitude
            "NOLLA 47.54 -122.49 INT ---\n"
            "KPDX 45.59 -122.60 APT ---\n");
  LoadFlightPlanFile("P.RTE", 0);
  ASSERT_EQ(fp_mod_cnt, 5);
  EXPECT_EQ(fms_fpln_mod[1].type, "VOR");
  EXPECT_EQ(fms_fpln_mod[1].freq, "116.80");
  EXPECT_EQ(fms_fpln_mod[2].type, "NDB");
  EXPECT_EQ(fms_fpln_mod[2].freq, "362");
  EXPECT_EQ(fms_fpln_mod[3].type, "INT");
  EXPECT_EQ(fms_fpln_mod[3].freq, "");
  EXPECT_EQ(fms_fpln_mod[4].type, "INT");  // "INT" agrees with a VOR only
}

TEST_F(RouteFiles, WithoutANavaidIndexNoFrequencyIsCompleted) {
  AddNavaid("SEA", 47.4354, -122.3097, "V", "116.80");
  nav_name_index_cnt = 0;
  WritePlan("P.RTE", "[FlightPlan]\nKSEA 47.45 -122.31 APT ---\nSEA 47.43 -122.30 INT ---\nKPDX 45.59 -122.60 APT\n");
  LoadFlightPlanFile("P.RTE", 0);
  EXPECT_EQ(fms_fpln_mod[1].type, "INT");
  EXPECT_EQ(fms_fpln_mod[1].freq, "");
}

TEST_F(RouteFiles, SimulatorPlanLoadsThroughTempRte) {
  WritePlan("kseakpdx.pln",
            "[flightplan]\n"
            "departure_id=KSEA, N47* 26.99', W122* 18.66', +000433.00\n"
            "waypoint.0=KSEA, A, N47* 26.99', W122* 18.66', +000433.00,\n"
            "waypoint.1=SEA, V, N47* 26.12', W122* 18.58', +000000.00,\n"
            "waypoint.2=KPDX, A, N45* 35.33', W122* 35.82', +000031.00,\n");
  LoadFlightPlanFile("kseakpdx.pln", 0);
  EXPECT_EQ(route_test::ModIdents(), (std::vector<std::string>{"KSEA", "SEA", "KPDX"}));
  EXPECT_EQ(fms_fpln_mod[1].type, "VOR");
  EXPECT_NEAR(fms_fpln_mod[2].lat, 45.0 + 35.33 / 60.0, 1e-5);
  EXPECT_EQ(dest_ident, "KPDX");
}

class PlanList : public PlanFilesTest {};

TEST_F(PlanList, ListsRouteAndSimulatorPlansThenNewFpl) {
  WritePlan("b.Rte", kKseaKpdx);
  WritePlan("A.pln",
            "[flightplan]\ndeparture_id=KPDX,\nwaypoint.0=KPDX, A, N45* 35.33', W122* 35.82',\n"
            "waypoint.1=KSEA, A, N47* 26.99', W122* 18.66',\n");
  WritePlan("Temp.RTE", kKseaKpdx);
  WritePlan("notes.txt", kKseaKpdx);
  WritePlan("c.rte.bak", kKseaKpdx);
  WritePlan("ONE.RTE", "[FlightPlan]\nKSEA 47.45 -122.31 APT ---\n");
  WritePlan("X.RTE", "no section here\n");
  sim_.MakeDir("Orvantel/flightplans/dir.rte");
  pending_cruise_alt = 35000;

  LoadFplList();
  ASSERT_EQ(fpl_list_loaded, 3);
  EXPECT_EQ(fpl_store[1].name, "A.pln");
  EXPECT_EQ(fpl_store[1].orig, "KPDX");
  EXPECT_EQ(fpl_store[1].dest, "KSEA");
  EXPECT_EQ(fpl_store[1].leg_cnt, 1);
  EXPECT_EQ(fpl_store[1].legs[0].type, "APT");
  EXPECT_EQ(fpl_store[2].name, "b.Rte");
  EXPECT_EQ(fpl_store[2].leg_cnt, 2);
  EXPECT_EQ(fpl_store[2].legs[1].ident, "SEA");
  EXPECT_EQ(fpl_store[2].legs[1].freq, "116.80");
  EXPECT_EQ(fpl_store[2].legs[1].via, "J5");
  EXPECT_EQ(fpl_store[3].name, "NEW FPL");
  EXPECT_EQ(fpl_store[3].orig, "NEXT FPL");
  EXPECT_EQ(fpl_store[3].dest, "");
  EXPECT_EQ(pending_cruise_alt, 35000);  // building the list leaves a loaded plan's altitude
}

TEST_F(PlanList, EmptyOrMissingFolderGivesOnlyNewFpl) {
  LoadFplList();
  EXPECT_EQ(fpl_list_loaded, 1);
  EXPECT_EQ(fpl_store[1].name, "NEW FPL");
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
  EXPECT_EQ(fpl_store[199].name, "P198.RTE");
  EXPECT_EQ(fpl_store[200].name, "NEW FPL");
}

TEST_F(PlanList, ExamplePlansAreListedAndLoad) {
  for (const auto& e : std::filesystem::directory_iterator(RO757_SOURCE_DIR "/examples/sim/Orvantel/flightplans")) {
    std::filesystem::copy_file(e.path(), sim_ / ("Orvantel/flightplans/" + e.path().filename().string()));
  }
  LoadFplList();
  ASSERT_EQ(fpl_list_loaded, 4);
  const char* expected[][4] = {{"KPDXKSEA.PLN", "KPDX", "KSEA", "7"},
                               {"KSEAKGEG.PLN", "KSEA", "KGEG", "9"},
                               {"KSEAKPDX.RTE", "KSEA", "KPDX", "7"}};
  for (int i = 0; i < 3; ++i) {
    const FplStoreEntry& e = fpl_store[i + 1];
    EXPECT_EQ(e.name, expected[i][0]);
    EXPECT_EQ(e.orig, expected[i][1]);
    EXPECT_EQ(e.dest, expected[i][2]);
    EXPECT_EQ(e.leg_cnt, std::stoi(expected[i][3]));
    EXPECT_EQ(e.legs[0].type, "APT");
  }

  fms_page = 1;
  LoadFlightPlanFile(fpl_store[3].name, 0);
  EXPECT_EQ(fms_fpln_active, 2);
  EXPECT_EQ(pending_cruise_alt, 24000);
  EXPECT_DOUBLE_EQ(plan_fuel, 16000.0);
  EXPECT_EQ(fms_fpln_mod[6].ident, "BTG");
  EXPECT_EQ(fms_fpln_mod[6].via, "J5");
}

}  // namespace
