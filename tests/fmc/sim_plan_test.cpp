// The simulator's plans: imported through temp.rte, and the active route handed over as one.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fmc/fmc_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/plan_handover.h"
#include "fmc/plan_import.h"
#include "fmc/route_files.h"
#include "fmc/route_model.h"
#include "frame/frame_globals.h"
#include "platform/simconnect.h"

namespace {

using plan_files_test::PlanFilesTest;
using Texts = std::vector<std::string>;

double Dms(double d, double m, double s) { return d + (m + s / 60.0) / 60.0; }

class PlanImport : public PlanFilesTest {
 protected:
  std::string Convert(const std::string& plan) {
    WritePlan("IN.PLN", plan);
    EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), 0);
    return PlanBytes("temp.rte");
  }
};

// Ini coordinates are degrees and decimal minutes; waypoint 0 may carry its ident in the second field.
TEST_F(PlanImport, IniPlanTakesIdentsTypesAndDecimalMinutes) {
  EXPECT_EQ(Convert("[flightplan]\r\n"
                    "title=KSEA to KPDX\r\n"
                    "departure_id=KSEA, N47* 26.99', W122* 18.66', +000433.00\r\n"
                    "waypoint.0=KSEA, A, N47* 26.99', W122* 18.66', +000433.00,\r\n"
                    "waypoint.1=SEA, V, N47* 26.07', W122* 18.58', +000000.00, J5\r\n"
                    "waypoint.2=NOLLA, N, N47* 32.88', W122* 29.70', +000000.00,\r\n"
                    "waypoint.3=TACMA, I, N7* 5.3', E8* 0.5', +000000.00,\r\n"),
            "[FlightPlan]\r\n"
            "KSEA     47.44983 -122.31100  APT\r\n"
            "SEA      47.43450 -122.30967  VOR\r\n"
            "NOLLA    47.54800 -122.49500  NDB\r\n"
            "TACMA    7.08833 8.00833  INT\r\n");
  EXPECT_EQ(Convert("departure_id=KSEA,\n"
                    "waypoint.0=, KSEA, , KSEA, A, N47* 26.99', W122* 18.66', +000433.00,\n"
                    "waypoint.1=K1, SEA, J5, SEA, V, N47* 26.07', W122* 18.58', +000000.00,\n"),
            "[FlightPlan]\r\nKSEA     47.44983 -122.31100  APT\r\nSEA      47.43450 -122.30967  VOR\r\n");
}

TEST_F(PlanImport, MalformedIniLinesGiveNoWaypointAndLongLinesAreReadInPieces) {
  EXPECT_EQ(Convert("departure_id=KSEA,\n"
                    "waypoint.0=KSEA\n"
                    "waypoint.1=SEA, V, N47* 26.07'\n"
                    "waypoint.2=OLM, V, N46* 58.26', W122* 54.12'\n"
                    "waypoint.3=, V, N46* 58.26', W122* 54.12',\n"),  // no ident at all
            "[FlightPlan]\r\n");
  EXPECT_EQ(Convert("departure_id=KSEA,\n" + std::string(3000, ',') + "\nwaypoint.1=SEA, V, N47* 26.07', W122* 18.58',\n"),
            "[FlightPlan]\r\nSEA      47.43450 -122.30967  VOR\r\n");
}

// UTF-8 or single-byte degree signs; a waypoint without a type or a whole position carries the
// previous one's.
TEST_F(PlanImport, XmlPlanReadsDegreesSecondsAndTypes) {
  const std::string out = Convert(
      "<DepartureID>KSEA</DepartureID>\n"
      "<ATCWaypoint id=\"KSEA\">\n<ATCWaypointType>Airport</ATCWaypointType>\n"
      "<WorldPosition>N47\xC2\xB0 26' 42.00\",W122\xC2\xB0 18' 33.00\",+000433.00</WorldPosition>\n</ATCWaypoint>\n"
      "<ATCWaypoint id=\"USR01\">\n<ATCWaypointType>User</ATCWaypointType>\n"
      "<WorldPosition>N47\xC2\xB0 5' 3.99\",W122\xC2\xB0 8' 9.00\",+000000.00</WorldPosition>\n</ATCWaypoint>\n"
      "<ATCWaypoint id=\"SOUTH\">\n<ATCWaypointType>NDB</ATCWaypointType>\n"
      "<WorldPosition>S33\xB0 30' 00.00\",E151\xB0 15' 00.00\",+0</WorldPosition>\n</ATCWaypoint>\n"
      "<ATCWaypoint id=\"A2\">\n<WorldPosition>N48\xB0 0' 0.00\"</WorldPosition>\n</ATCWaypoint>\n");
  char expected[256];
  std::snprintf(expected, sizeof expected,
                "[FlightPlan]\r\n%-8s %-3.5f %-3.5f  APT\r\n%-8s %-3.5f %-3.5f  APT\r\n%-8s %-3.5f %-3.5f  NDB\r\n"
                "%-8s %-3.5f %-3.5f  NDB\r\n",
                "KSEA", Dms(47, 26, 42), -Dms(122, 18, 33), "USR01", Dms(47, 5, 3), -Dms(122, 8, 9), "SOUTH", -33.5,
                151.25, "A2", -33.5, 151.25);
  EXPECT_EQ(out, expected);
  // Without a departure id the plan is read in the ini form.
  EXPECT_EQ(Convert("<ATCWaypoint id=\"KSEA\">\n<ATCWaypointType>Airport</ATCWaypointType>\n"
                    "<WorldPosition>N47\xB0 26' 42.00\",W122\xB0 18' 33.00\",+0</WorldPosition>\n</ATCWaypoint>\n"),
            "[FlightPlan]\r\n");
}

TEST_F(PlanImport, MissingPlanOrUnwritableTempRteFailsTheImport) {
  EXPECT_EQ(ImportPlnToTempRte("NONE.PLN"), kPlanNotFound);
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/flightplans"), 0);
  WritePlan("IN.PLN", "departure_id=KSEA,\nwaypoint.0=KSEA, A, N47* 26.99', W122* 18.66',\n");
  sim_.MakeDir("Orvantel/flightplans/temp.rte");
  EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), kPlanNotFound);
}

TEST(PlanCoordinates, TextsInTheirFixedForms) {
  double lat = -1.0, lon = -1.0;
  ParseDmsText("S07:05:03", "E08:00:30", &lat, &lon);
  EXPECT_DOUBLE_EQ(lat, Dms(7, 5, 3));
  EXPECT_DOUBLE_EQ(lon, Dms(8, 0, 30));
  ParseDmsText("NAB:CD:EF", "W-12:18:33", &lat, &lon);  // unreadable parts count 0
  EXPECT_DOUBLE_EQ(lat, 0.0);
  EXPECT_DOUBLE_EQ(lon, Dms(0, 18, 33));
  ParseDmsText("", "", &lat, &lon);
  EXPECT_DOUBLE_EQ(lat, 0.0);
  ParseLatLonText("N4726.7", "W12218.5", &lat, &lon);  // tenths of a minute become whole seconds
  EXPECT_DOUBLE_EQ(lat, Dms(47, 26, 42));
  EXPECT_DOUBLE_EQ(lon, Dms(122, 18, 30));
  EXPECT_DOUBLE_EQ(ParseIniCoordinate(" N47* 26.07'"), 47.0 + 26.07 / 60.0);
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("W122* 18.58'"), -(122.0 + 18.58 / 60.0));
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("N7* 5.3'"), Dms(7, 5, 18));
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("S12"), -12.0);
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("N99999999999* 1e400'"), 2147483647.0);
}

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
    lnav_leg[0].FrId = fms_fpln_act[0].ident;
    lnav_leg[0].fr_lat = fms_fpln_act[0].lat;
    lnav_leg[0].fr_lon = fms_fpln_act[0].lon;
  }
  void Route() {
    SetRoute({{"KSEA", 47.45, -122.311, "APT"}, {"SEA", 47.4354, -122.3097, "V"}, {"KPDX", 45.589, -122.597, "APT"}});
  }
  std::string PlanFile() const { return testing_support::ReadBytes(sim_ / "Orvantel/Navdata/tmpfplan.pln"); }

  // The values of one tag of every waypoint block, in file order.
  static Texts Values(const std::string& text, const std::string& open, const std::string& close) {
    Texts out;
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
      const size_t start = at + open.size();
      out.push_back(text.substr(start, text.find(close, start) - start));
    }
    return out;
  }
  static Texts Ids(const std::string& text) { return Values(text, "<ATCWaypoint id=\"", "\">"); }
  static Texts Types(const std::string& text) { return Values(text, "<ATCWaypointType>", "</ATCWaypointType>"); }
};

TEST_F(PlanHandover, FreshlyExecutedRouteWritesTheWholePlan) {
  Route();
  cruise_alt = 35000;
  WriteAceXmlPlan();
  const std::string text = PlanFile();
  const std::string header =
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
      "        <DepartureLLA>N47\xB0 27' 00.00\" , W122\xB0 18' 39.00\",</DepartureLLA>\r\n";
  EXPECT_EQ(text.substr(0, header.size()), header);
  EXPECT_NE(text.find("        <ATCWaypoint id=\"SEA\">\r\n"
                      "             <ATCWaypointType>VOR</ATCWaypointType>\r\n"
                      "             <WorldPosition>N47\xB0 26' 07.00\",W122\xB0 18' 34.00\",</WorldPosition>\r\n"
                      "             <ICAO>\r\n"
                      "                 <ICAOIdent>SEA</ICAOIdent>\r\n"
                      "             </ICAO>\r\n"
                      "        </ATCWaypoint>\r\n"),
            std::string::npos);
  EXPECT_EQ(Ids(text), (Texts{"KSEA", "SEA", "KPDX"}));
  const std::string tail = "    </FlightPlan.FlightPlan>\r\n</SimBase.Document>\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(PlanHandover, PlanStartsAtTheLegBeingFlownAndWithoutOneHasNoWaypoint) {
  SetRoute({{"KSEA", 47.45, -122.311, "APT"},
            {"SEA", 47.4354, -122.3097, "V"},
            {"TACMA", 47.201, -122.346, "INT"},
            {"KELSO", 46.148, -122.883, "INT"},
            {"KPDX", 45.589, -122.597, "APT"}});
  stpos = 3;
  lnav_leg[0].FrId = "DIRECT";
  lnav_leg[0].fr_lat = 47.0;
  lnav_leg[0].fr_lon = -122.5;
  WriteAceXmlPlan();
  EXPECT_EQ(Ids(PlanFile()), (Texts{"DIRECT", "KELSO", "KPDX"}));
  EXPECT_EQ(Types(PlanFile())[0], "Intersection");
  EXPECT_NE(PlanFile().find("<WorldPosition>N47\xB0 00' 00.00\",W122\xB0 30' 00.00\","), std::string::npos);
  stpos = 999;
  WriteAceXmlPlan();
  EXPECT_TRUE(Ids(PlanFile()).empty());
}

TEST_F(PlanHandover, DiscontinuitiesAreLeftOutAndRouteFileTypesMapLikeDatabaseTypes) {
  SetRoute({{"KSEA", 47.45, -122.311, "APT"},
            {"SEA", 47.4354, -122.3097, "VOR"},
            {"DISCO", 0.0, 0.0, ""},
            {"NOLLA", 47.548, -122.495, "NDB"},
            {"BTG", 45.7476, -122.5925, "V"},
            {"LW", 45.6, -122.6, "N"},
            {"USR1", 46.0, -122.0, "WPT"},
            {"KPDX", 45.589, -122.597, "APT"}});
  WriteAceXmlPlan();
  EXPECT_EQ(Ids(PlanFile()), (Texts{"KSEA", "SEA", "NOLLA", "BTG", "LW", "USR1", "KPDX"}));
  EXPECT_EQ(Types(PlanFile()), (Texts{"Airport", "VOR", "NDB", "VOR", "NDB", "Intersection", "Airport"}));
}

TEST_F(PlanHandover, ActiveRouteIsWrittenAndOfferedToAConnectedSimulator) {
  Route();
  fms_fpln_active = 2;
  LoadPlanIntoSim();  // no connection
  EXPECT_TRUE(host_.flight_plan_loads().empty());
  ASSERT_GE(SimConnect_Open(&simconnect, "System Event", nullptr, 0, nullptr, 0), 0);
  LoadPlanIntoSim();
  EXPECT_FALSE(std::filesystem::exists(sim_ / "Orvantel/Navdata/tmpfplan.pln"));
  fms_fpln_active = 3;
  LoadPlanIntoSim();
  EXPECT_EQ(Ids(PlanFile()).size(), 3u);
  const std::string path = sim_root + "\\Orvantel\\Navdata\\tmpfplan.pln";
  EXPECT_EQ(host_.flight_plan_loads(), (Texts{path, path}));
}

TEST_F(PlanHandover, HandedOverPlanImportsBackAsTheSameRoute) {
  Route();
  WriteAceXmlPlan();
  std::filesystem::copy_file(sim_ / "Orvantel/Navdata/tmpfplan.pln", sim_ / "Orvantel/flightplans/BACK.PLN");
  LoadFlightPlanFile("BACK.PLN", 0);
  ASSERT_EQ(route_test::ModIdents(), (Texts{"KSEA", "SEA", "KPDX"}));
  for (int i = 0; i <= 2; ++i) {
    EXPECT_NEAR(fms_fpln_mod[i].lat, fms_fpln_act[i].lat, 1.0 / 3600.0);
    EXPECT_NEAR(fms_fpln_mod[i].lon, fms_fpln_act[i].lon, 1.0 / 3600.0);
  }
  EXPECT_EQ(fms_fpln_mod[1].type, "VOR");
}

}  // namespace
