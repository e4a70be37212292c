#include "fmc/plan_handover.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fmc/fmc_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/route_files.h"
#include "fmc/route_model.h"
#include "frame/frame_globals.h"
#include "platform/simconnect.h"

namespace {

using plan_files_test::PlanFilesTest;

struct Leg {
  const char* ident;
  double lat, lon;
  const char* type;
};

class PlanHandover : public PlanFilesTest {
 protected:
  void SetRoute(std::initializer_list<Leg> legs) {
    int i = 0;
    for (const Leg& l : legs) {
      RouteLeg& leg = fms_fpln_act[i++];
      ResetRouteLeg(leg);
      leg.ident = l.ident;
      leg.lat = l.lat;
      leg.lon = l.lon;
      leg.type = l.type;
    }
    fp_cnt = i - 1;
    fms_fpln_active = 3;
    stpos = 1;
    SetFrom(fms_fpln_act[0].ident, fms_fpln_act[0].lat, fms_fpln_act[0].lon);
  }
  static void SetFrom(const std::string& ident, double lat, double lon) {
    lnav_leg[0].FrId = ident;
    lnav_leg[0].fr_lat = lat;
    lnav_leg[0].fr_lon = lon;
  }
  std::string PlanFile() const { return testing_support::ReadBytes(sim_ / "Orvantel/Navdata/tmpfplan.pln"); }

  // The values of one tag of every waypoint block, in file order.
  static std::vector<std::string> Values(const std::string& text, const std::string& open, const std::string& close) {
    std::vector<std::string> out;
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
      const size_t start = at + open.size();
      out.push_back(text.substr(start, text.find(close, start) - start));
    }
    return out;
  }
  static std::vector<std::string> Ids(const std::string& text) { return Values(text, "<ATCWaypoint id=\"", "\">"); }
  static std::vector<std::string> Types(const std::string& text) {
    return Values(text, "<ATCWaypointType>", "</ATCWaypointType>");
  }

  void Route() {
    SetRoute({{"KSEA", 47.45, -122.311, "APT"}, {"SEA", 47.4354, -122.3097, "V"}, {"KPDX", 45.589, -122.597, "APT"}});
  }
};

TEST_F(PlanHandover, FreshlyExecutedRouteWritesTheWholePlan) {
  Route();
  cruise_alt = 35000;
  WriteAceXmlPlan();
  const std::string block_end = "             <ICAO>\r\n";
  EXPECT_EQ(PlanFile(),
            "<?xml version=\"1.0\" encoding=\"Windows-1252\"?>\r\n"
            "\r\n"
            "<SimBase.Document Type=\"AceXML\" version=\"1,0\">\r\n"
            "    <Descr>AceXML Document</Descr>\r\n"
            "    <FlightPlan.FlightPlan>\r\n"
            "        <Title>KSEA to KPDX</Title>\r\n"
            "        <FPType>IFR</FPType>\r\n"
            "        <RouteType>HighAlt</RouteType>\r\n"
            "        <CruisingAlt>35000</CruisingAlt>\r\n"
            "        <DepartureID>KSEA</DepartureID>\r\n"
            "        <DepartureLLA>N47\xB0 27' 00.00\" , W122\xB0 18' 39.00\",</DepartureLLA>\r\n"
            "        <DestinationID>KPDX</DestinationID>\r\n"
            "        <DestinationLLA>N45\xB0 35' 20.00\" , W122\xB0 35' 49.00\",</DestinationLLA>\r\n"
            "        <Descr>KSEA, KPDX</Descr>\r\n"
            "        <DeparturePosition></DeparturePosition>\r\n"
            "        <DepartureName>KSEA</DepartureName>\r\n"
            "        <DestinationName>KPDX</DestinationName>\r\n"
            "        <AppVersion>\r\n"
            "            <AppVersionMajor>10</AppVersionMajor>\r\n"
            "            <AppVersionBuild>60905</AppVersionBuild>\r\n"
            "        </AppVersion>\r\n"
            "        <ATCWaypoint id=\"KSEA\">\r\n"
            "             <ATCWaypointType>Airport</ATCWaypointType>\r\n"
            "             <WorldPosition>N47\xB0 27' 00.00\",W122\xB0 18' 39.00\",</WorldPosition>\r\n"
            "             <ICAO>\r\n"
            "                 <ICAOIdent>KSEA</ICAOIdent>\r\n"
            "             </ICAO>\r\n"
            "        </ATCWaypoint>\r\n"
            "        <ATCWaypoint id=\"SEA\">\r\n"
            "             <ATCWaypointType>VOR</ATCWaypointType>\r\n"
            "             <WorldPosition>N47\xB0 26' 07.00\",W122\xB0 18' 34.00\",</WorldPosition>\r\n"
            "             <ICAO>\r\n"
            "                 <ICAOIdent>SEA</ICAOIdent>\r\n"
            "             </ICAO>\r\n"
            "        </ATCWaypoint>\r\n"
            "        <ATCWaypoint id=\"KPDX\">\r\n"
            "             <ATCWaypointType>Airport</ATCWaypointType>\r\n"
            "             <WorldPosition>N45\xB0 35' 20.00\",W122\xB0 35' 49.00\",</WorldPosition>\r\n"
            "             <ICAO>\r\n"
            "                 <ICAOIdent>KPDX</ICAOIdent>\r\n"
            "             </ICAO>\r\n"
            "        </ATCWaypoint>\r\n"
            "    </FlightPlan.FlightPlan>\r\n"
            "</SimBase.Document>\r\n");
}

TEST_F(PlanHandover, PlanStartsAtTheLegBeingFlown) {
  SetRoute({{"KSEA", 47.45, -122.311, "APT"},
            {"SEA", 47.4354, -122.3097, "V"},
            {"TACMA", 47.201, -122.346, "INT"},
            {"CENTR", 46.719, -122.602, "INT"},
            {"KELSO", 46.148, -122.883, "INT"},
            {"KPDX", 45.589, -122.597, "APT"}});
  stpos = 4;
  SetFrom("DIRECT", 47.0, -122.5);
  WriteAceXmlPlan();
  const std::string text = PlanFile();
  EXPECT_EQ(Ids(text), (std::vector<std::string>{"DIRECT", "KELSO", "KPDX"}));
  EXPECT_EQ(Types(text)[0], "Intersection");
  EXPECT_NE(text.find("<WorldPosition>N47\xB0 00' 00.00\",W122\xB0 30' 00.00\","), std::string::npos);
}

TEST_F(PlanHandover, DiscontinuitiesAreLeftOutAndRouteFileTypesMapLikeDatabaseTypes) {
  SetRoute({{"KSEA", 47.45, -122.311, "APT"},
            {"SEA", 47.4354, -122.3097, "VOR"},
            {"DISCO", 0.0, 0.0, ""},
            {"NOLLA", 47.548, -122.495, "NDB"},
            {"BTG", 45.7476, -122.5925, "V"},
            {"LW", 45.6, -122.6, "N"},
            {"TACMA", 47.201, -122.346, "INT"},
            {"USR1", 46.0, -122.0, "WPT"},
            {"KPDX", 45.589, -122.597, "APT"}});
  WriteAceXmlPlan();
  const std::string text = PlanFile();
  EXPECT_EQ(Ids(text), (std::vector<std::string>{"KSEA", "SEA", "NOLLA", "BTG", "LW", "TACMA", "USR1", "KPDX"}));
  EXPECT_EQ(Types(text), (std::vector<std::string>{"Airport", "VOR", "NDB", "VOR", "NDB", "Intersection",
                                                    "Intersection", "Airport"}));
}

TEST_F(PlanHandover, NoActiveLegWritesOnlyTheHeader) {
  Route();
  stpos = 999;
  WriteAceXmlPlan();
  const std::string text = PlanFile();
  EXPECT_TRUE(Ids(text).empty());
  EXPECT_NE(text.find("<Title>KSEA to KPDX</Title>"), std::string::npos);
}

TEST_F(PlanHandover, ActiveRouteIsWrittenAndAlwaysOfferedToTheSimulator) {
  ASSERT_GE(SimConnect_Open(&simconnect, "System Event", nullptr, 0, nullptr, 0), 0);
  Route();
  fms_fpln_active = 2;
  LoadPlanIntoSim();
  EXPECT_FALSE(std::filesystem::exists(sim_ / "Orvantel/Navdata/tmpfplan.pln"));
  fms_fpln_active = 3;
  LoadPlanIntoSim();
  EXPECT_EQ(Ids(PlanFile()).size(), 3u);
  const std::string path = sim_root + "\\Orvantel\\Navdata\\tmpfplan.pln";
  EXPECT_EQ(host_.flight_plan_loads(), (std::vector<std::string>{path, path}));
}

TEST_F(PlanHandover, WithoutAConnectionNothingReachesTheSimulator) {
  Route();
  LoadPlanIntoSim();
  EXPECT_TRUE(host_.flight_plan_loads().empty());
}

TEST_F(PlanHandover, HandedOverPlanImportsBackAsTheSameRoute) {
  Route();
  WriteAceXmlPlan();
  std::filesystem::copy_file(sim_ / "Orvantel/Navdata/tmpfplan.pln", sim_ / "Orvantel/flightplans/BACK.PLN");
  LoadFlightPlanFile("BACK.PLN", 0);
  ASSERT_EQ(route_test::ModIdents(), (std::vector<std::string>{"KSEA", "SEA", "KPDX"}));
  for (int i = 0; i <= 2; ++i) {
    EXPECT_NEAR(fms_fpln_mod[i].lat, fms_fpln_act[i].lat, 1.0 / 3600.0);
    EXPECT_NEAR(fms_fpln_mod[i].lon, fms_fpln_act[i].lon, 1.0 / 3600.0);
  }
  EXPECT_EQ(fms_fpln_mod[1].type, "VOR");
}

}  // namespace
