#include "fmc/plan_import.h"

#include <gtest/gtest.h>

#include <string>

#include "fmc/plan_files_fixture.h"

namespace {

using plan_files_test::PlanFilesTest;

class PlanImport : public PlanFilesTest {
 protected:
  std::string Convert(const std::string& plan) {
    WritePlan("IN.PLN", plan);
    EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), 0);
    return PlanBytes("temp.rte");
  }
};

double Dms(double d, double m, double s) { return d + (m + s / 60.0) / 60.0; }

TEST_F(PlanImport, IniPlanTakesIdentsTypesAndDecimalMinutes) {
  const std::string out = Convert(
      "[flightplan]\r\n"
      "title=KSEA to KPDX\r\n"
      "departure_id=KSEA, N47* 26.99', W122* 18.66', +000433.00\r\n"
      "waypoint.0=KSEA, A, N47* 26.99', W122* 18.66', +000433.00,\r\n"
      "waypoint.1=SEA, V, N47* 26.07', W122* 18.58', +000000.00, J5\r\n"
      "waypoint.2=NOLLA, N, N47* 32.88', W122* 29.70', +000000.00,\r\n"
      "waypoint.3=TACMA, I, N7* 5.3', E8* 0.5', +000000.00,\r\n");
  EXPECT_EQ(out,
            "[FlightPlan]\r\n"
            "KSEA     47.44983 -122.31100  APT\r\n"
            "SEA      47.43450 -122.30967  VOR\r\n"
            "NOLLA    47.54800 -122.49500  NDB\r\n"
            "TACMA    7.08833 8.00833  INT\r\n");
}

TEST_F(PlanImport, WaypointZeroNotStartingWithTheDepartureTakesIdentsFromTheSecondField) {
  const std::string out = Convert(
      "departure_id=KSEA,\n"
      "waypoint.0=, KSEA, , KSEA, A, N47* 26.99', W122* 18.66', +000433.00,\n"
      "waypoint.1=K1, SEA, J5, SEA, V, N47* 26.07', W122* 18.58', +000000.00,\n");
  EXPECT_EQ(out,
            "[FlightPlan]\r\n"
            "KSEA     47.44983 -122.31100  APT\r\n"
            "SEA      47.43450 -122.30967  VOR\r\n");
}

TEST_F(PlanImport, IniLinesWithoutTheirClosingCommasGiveNoWaypoint) {
  const std::string out = Convert(
      "departure_id=KSEA,\n"
      "waypoint.0=KSEA\n"
      "waypoint.1=SEA, V, N47* 26.07'\n"
      "waypoint.2=OLM, V, N46* 58.26', W122* 54.12'\n"
      "waypoint.3=, V, N46* 58.26', W122* 54.12',\n");  // no ident at all
  EXPECT_EQ(out, "[FlightPlan]\r\n");
}

TEST_F(PlanImport, XmlPlanReadsUtf8DegreesAndCarriesUnknownTypes) {
  const std::string out = Convert(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<SimBase.Document Type=\"AceXML\" version=\"1,0\">\n"
      "    <FlightPlan.FlightPlan>\n"
      "        <DepartureID>KSEA</DepartureID>\n"
      "        <ATCWaypoint id=\"KSEA\">\n"
      "            <ATCWaypointType>Airport</ATCWaypointType>\n"
      "            <WorldPosition>N47\xC2\xB0 26' 42.00\",W122\xC2\xB0 18' 33.00\",+000433.00</WorldPosition>\n"
      "        </ATCWaypoint>\n"
      "        <ATCWaypoint id=\"USR01\">\n"
      "            <ATCWaypointType>User</ATCWaypointType>\n"
      "            <WorldPosition>N47\xC2\xB0 5' 3.99\",W122\xC2\xB0 8' 9.00\",+000000.00</WorldPosition>\n"
      "        </ATCWaypoint>\n"
      "        <ATCWaypoint id=\"BTG\">\n"
      "            <ATCWaypointType>VOR</ATCWaypointType>\n"
      "            <WorldPosition>N45\xB0 44' 51.36\",W122\xB0 35' 33.00\",+000000.00</WorldPosition>\n"
      "        </ATCWaypoint>\n"
      "        <ATCWaypoint id=\"SOUTH\">\n"
      "            <ATCWaypointType>NDB</ATCWaypointType>\n"
      "            <WorldPosition>S33\xC2\xB0 30' 00.00\",E151\xC2\xB0 15' 00.00\",+000000.00</WorldPosition>\n"
      "        </ATCWaypoint>\n"
      "    </FlightPlan.FlightPlan>\n"
      "</SimBase.Document>\n");
  char expected[512];
  std::snprintf(expected, sizeof expected,
                "[FlightPlan]\r\n%-8s %-3.5f %-3.5f  APT\r\n%-8s %-3.5f %-3.5f  APT\r\n%-8s %-3.5f %-3.5f  VOR\r\n"
                "%-8s %-3.5f %-3.5f  NDB\r\n",
                "KSEA", Dms(47, 26, 42), -Dms(122, 18, 33), "USR01", Dms(47, 5, 3), -Dms(122, 8, 9), "BTG",
                Dms(45, 44, 51), -Dms(122, 35, 33), "SOUTH", -33.5, 151.25);
  EXPECT_EQ(out, expected);
}

TEST_F(PlanImport, XmlWaypointWithoutPositionKeepsThePreviousOne) {
  const std::string out = Convert(
      "<DepartureID>KSEA</DepartureID>\n"
      "<ATCWaypoint id=\"A1\">\n<ATCWaypointType>Intersection</ATCWaypointType>\n"
      "<WorldPosition>N47\xB0 0' 0.00\",W122\xB0 0' 0.00\",+0</WorldPosition>\n</ATCWaypoint>\n"
      "<ATCWaypoint id=\"A2\">\n<WorldPosition>N48\xB0 0' 0.00\"</WorldPosition>\n</ATCWaypoint>\n");
  EXPECT_EQ(out,
            "[FlightPlan]\r\n"
            "A1       47.00000 -122.00000  INT\r\n"
            "A2       47.00000 -122.00000  INT\r\n");
}

TEST_F(PlanImport, PlanWithoutDepartureIdIsReadAsIniForm) {
  const std::string out = Convert(
      "<ATCWaypoint id=\"KSEA\">\n<ATCWaypointType>Airport</ATCWaypointType>\n"
      "<WorldPosition>N47\xB0 26' 42.00\",W122\xB0 18' 33.00\",+0</WorldPosition>\n</ATCWaypoint>\n");
  EXPECT_EQ(out, "[FlightPlan]\r\n");
}

TEST_F(PlanImport, OverLongLinesAreReadInPieces) {
  const std::string out = Convert("departure_id=KSEA,\n" + std::string(3000, ',') +
                                  "\nwaypoint.1=SEA, V, N47* 26.07', W122* 18.58',\n");
  EXPECT_EQ(out, "[FlightPlan]\r\nSEA      47.43450 -122.30967  VOR\r\n");
}

TEST_F(PlanImport, MissingPlanWritesNothing) {
  EXPECT_EQ(ImportPlnToTempRte("NONE.PLN"), kPlanNotFound);
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/flightplans"), 0);
}

TEST_F(PlanImport, UnwritableTempRteFailsTheImportRatherThanServingAnOldOne) {
  WritePlan("IN.PLN", "departure_id=KSEA,\nwaypoint.0=KSEA, A, N47* 26.99', W122* 18.66',\n");
  sim_.MakeDir("Orvantel/flightplans/temp.rte");
  EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), kPlanNotFound);
}

struct DmsTextCase {
  const char* lat;
  const char* lon;
  double lat_deg, lon_deg;
};

class ParseDmsTextTest : public ::testing::TestWithParam<DmsTextCase> {};

TEST_P(ParseDmsTextTest, ReadsFixedColumns) {
  double lat = -1.0;
  double lon = -1.0;
  ParseDmsText(GetParam().lat, GetParam().lon, &lat, &lon);
  EXPECT_DOUBLE_EQ(lat, GetParam().lat_deg);
  EXPECT_DOUBLE_EQ(lon, GetParam().lon_deg);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDmsTextTest,
    ::testing::Values(DmsTextCase{"N47:26:42", "W122:18:33", Dms(47, 26, 42), Dms(122, 18, 33)},
                      DmsTextCase{"S07:05:03", "E08:00:30", Dms(7, 5, 3), Dms(8, 0, 30)},  // two-digit lon
                      DmsTextCase{"N4", "W1", 4.0, 1.0},                                   // short texts
                      DmsTextCase{"", "", 0.0, 0.0}, DmsTextCase{"NAB:CD:EF", "W-12:18:33", 0.0, Dms(0, 18, 33)}));

TEST(ParseLatLonText, TenthsOfAMinuteBecomeWholeSeconds) {
  double lat = 0.0;
  double lon = 0.0;
  ParseLatLonText("N4726.7", "W12218.5", &lat, &lon);
  EXPECT_DOUBLE_EQ(lat, Dms(47, 26, 42));
  EXPECT_DOUBLE_EQ(lon, Dms(122, 18, 30));
  ParseLatLonText("N47", "", &lat, &lon);
  EXPECT_DOUBLE_EQ(lat, 47.0);
  EXPECT_DOUBLE_EQ(lon, 0.0);
}

TEST(ParseIniCoordinate, HemisphereDegreesAndDecimalMinutes) {
  EXPECT_DOUBLE_EQ(ParseIniCoordinate(" N47* 26.07'"), 47.0 + 26.07 / 60.0);
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("W122* 18.58'"), -(122.0 + 18.58 / 60.0));
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("N7* 5.3'"), Dms(7, 5, 18));
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("S12"), -12.0);
  EXPECT_DOUBLE_EQ(ParseIniCoordinate("N99999999999* 1e400'"), 2147483647.0);
}

}  // namespace
