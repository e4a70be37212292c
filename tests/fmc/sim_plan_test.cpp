// The simulator's plans: imported through temp.rte, the active route handed over as one, the GPS
// route uplinked, and the coordinate texts they use.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/gps_uplink.h"
#include "navdb/lat_lon_format.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/plan_handover.h"
#include "fmc/plan_import.h"
#include "fmc/route_exec.h"
#include "fmc/route_files.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"
#include "platform/simconnect.h"

namespace {

using plan_files_test::PlanFilesTest;
using Texts = std::vector<std::string>;

// Southern and eastern positions truncate and round on the magnitude, as northern and western ones;
// minutes to the tenth never reach 60.
TEST(PlanCoordinates, DegreeTextsOfPositions) {
  const struct {
    bool tenths;
    double lat, lon_west;
    int32_t unit;  // 1 degrees, 0 radians
    const char* lat_text;
    const char* lon_text;
  } cases[] = {
      {false, -33.5, -151.25, 1, "S33:30:00", "E151:15:00"}, {false, 0.5, 1.0, 0, "N28:38:52", "W57:17:44"},
      {false, -0.25, -9.999, 1, "S00:15:00", "E09:59:56"},    {true, 47.4459, 122.3097, 1, "N47:26:70", "W122:18:50"},
      {true, 47.9995, 9.9995, 1, "N48:00:00", "W10:00:00"},   {true, -47.9995, -9.9995, 1, "S48:00:00", "E10:00:00"},
  };
  for (const auto& c : cases) {
    std::string lat, lon;
    (c.tenths ? FormatLatLonDms2 : FormatLatLonDms)(c.lat, c.lon_west, &lat, &lon, c.unit);
    EXPECT_EQ(lat + " " + lon, std::string(c.lat_text) + " " + c.lon_text) << c.lat << " " << c.lon_west;
  }
}

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

// A waypoint line that gives no place refuses the plan and leaves temp.rte empty.
TEST_F(PlanImport, MalformedIniLinesRefuseThePlanAndLongLinesAreReadInPieces) {
  for (const char* line : {"waypoint.0=KSEA\n", "waypoint.1=SEA, V, N47* 26.07'\n",
                           "waypoint.2=OLM, V, N46* 58.26', W122* 54.12'\n",
                           "waypoint.3=, V, N46* 58.26', W122* 54.12',\n",  // no ident at all
                           "waypoint.4=OLM, V, N46* 58.26', ,\n", "waypoint.5=OLM, V, N91* 0.00', W122* 54.12',\n"}) {
    WritePlan("IN.PLN", std::string("departure_id=KSEA,\n") + line);
    EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), kPlanNotFound) << line;
    EXPECT_EQ(PlanBytes("temp.rte"), "") << line;
  }
  EXPECT_EQ(Convert("departure_id=KSEA,\n" + std::string(3000, ',') + "\nwaypoint.1=SEA, V, N47* 26.07', W122* 18.58',\n"),
            "[FlightPlan]\r\nSEA      47.43450 -122.30967  VOR\r\n");
}

// UTF-8 or single-byte degree signs; a waypoint without a type carries the previous one's.
TEST_F(PlanImport, XmlPlanReadsDegreesSecondsAndTypes) {
  const std::string out = Convert(
      "<DepartureID>KSEA</DepartureID>\n"
      "<ATCWaypoint id=\"KSEA\">\n<ATCWaypointType>Airport</ATCWaypointType>\n"
      "<WorldPosition>N47\xC2\xB0 26' 42.00\",W122\xC2\xB0 18' 33.00\",+000433.00</WorldPosition>\n</ATCWaypoint>\n"
      "<ATCWaypoint id=\"SOUTH\">\n<ATCWaypointType>NDB</ATCWaypointType>\n"
      "<WorldPosition>S33\xB0 30' 00.00\",E151\xB0 15' 00.00\",+0</WorldPosition>\n</ATCWaypoint>\n"
      "<ATCWaypoint id=\"A2\">\n<WorldPosition>N48\xB0 0' 0.00\",E9\xB0 0' 0.00\"</WorldPosition>\n</ATCWaypoint>\n"
      "</FlightPlan.FlightPlan>\n");
  char expected[256];
  std::snprintf(expected, sizeof expected,
                "[FlightPlan]\r\n%-8s %-3.5f %-3.5f  APT\r\n%-8s %-3.5f %-3.5f  NDB\r\n%-8s %-3.5f %-3.5f  NDB\r\n",
                "KSEA", Dms(47, 26, 42), -Dms(122, 18, 33), "SOUTH", -33.5, 151.25, "A2", 48.0, 9.0);
  EXPECT_EQ(out, expected);
}

// Every group of both forms' positions with the same values: a letter inside or after, a sign, 60 and
// more, a place off the globe, or a hemisphere letter of no hemisphere or of the other axis refuses
// the plan, as a waypoint without its position does (each was flown 50 to 6,300 NM away). Hemisphere
// letters in either case read alike (a lower-case "w" flipped to east). A plan cut between two
// waypoints is refused, as one cut inside a waypoint, and so, in either form, is one whose last
// waypoint is not the destination it names.
TEST_F(PlanImport, PlacesThatCannotBeReadAndPlansCutShortAreRefused) {
  const std::vector<std::string> xml_groups{"N", "47", "26", "42.00", "W", "122", "18", "33.00"};
  const std::vector<std::string> ini_groups{"N", "47", "26.70", "W", "122", "18.55"};
  const auto xml = [](const std::vector<std::string>& g) {
    return "<DepartureID>KSEA</DepartureID>\n<ATCWaypoint id=\"A\">\n<WorldPosition>" + g[0] + g[1] + "\xB0 " + g[2] +
           "' " + g[3] + "\"," + g[4] + g[5] + "\xB0 " + g[6] + "' " + g[7] +
           "\"</WorldPosition>\n</ATCWaypoint>\n</FlightPlan.FlightPlan>\n";
  };
  const auto ini = [](const std::vector<std::string>& g) {
    return "destination_id=A, N1* 0', W1* 0'\nwaypoint.0=A, I, " + g[0] + g[1] + "* " + g[2] + "', " + g[3] + g[4] +
           "* " + g[5] + "', +0,\n";
  };
  for (const auto& [form, groups] : {std::pair{+xml, xml_groups}, std::pair{+ini, ini_groups}}) {
    const size_t lon_at = groups.size() / 2;
    for (size_t g = 0; g < groups.size(); ++g) {
      const bool hemisphere = g == 0 || g == lon_at;
      for (std::string text : {"4O", "7X", "-5", "+5", "60.5", "190", "+", "X", "*"}) {
        if (hemisphere && text.size() > 1) text = g == 0 ? "E" : "S";  // the other axis's letter
        std::vector<std::string> bad = groups;
        bad[g] = text;
        WritePlan("IN.PLN", form(bad));
        EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), kPlanNotFound) << form(bad);
      }
    }
    std::vector<std::string> lower = groups;
    std::tie(lower[0], lower[lon_at]) = std::pair("s", "w");
    std::string south = Convert(form(groups));
    south.insert(south.find("47.445"), "-");
    EXPECT_EQ(Convert(form(lower)), south) << form(lower);
  }
  const std::string xml_text = xml(xml_groups);
  WritePlan("IN.PLN", xml_text.substr(0, xml_text.find("</FlightPlan")));
  EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), kPlanNotFound);
  for (const auto& [dest, result] : {std::pair{"KPDX", kPlanNotFound}, {" a ", 0}}) {
    WritePlan("IN.PLN", "<DepartureID>KSEA</DepartureID><DestinationID>" + std::string(dest) + "</DestinationID>\n" +
                            xml_text.substr(xml_text.find('\n') + 1));
    EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), result) << dest;
  }
  WritePlan("IN.PLN", "destination_id=KPDX, N45* 35.34', W122* 35.82'\n" + ini(ini_groups).substr(ini(ini_groups).find("waypoint")));
  EXPECT_EQ(ImportPlnToTempRte("IN.PLN"), kPlanNotFound);
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
  ParseDmsText("S07:05:03", "", &lat, &lon);  // a missing part counts 0
  EXPECT_EQ(std::pair(lat, lon), std::pair(Dms(7, 5, 3), 0.0));
  ParseLatLonText("N4726.7", "W12218.5", &lat, &lon);  // tenths of a minute become whole seconds
  EXPECT_EQ(std::pair(lat, lon), std::pair(Dms(47, 26, 42), Dms(122, 18, 30)));
  EXPECT_TRUE(ReadIniCoordinate("S12", CoordAxis::kLatitude, &lat));
  EXPECT_DOUBLE_EQ(lat, -12.0);
  EXPECT_FALSE(ReadIniCoordinate("N99999999999* 1e400'", CoordAxis::kLatitude, &lat));
}

struct Leg {
  const char* ident;
  double lat, lon;
  const char* type;
};

// The values of one tag of every waypoint block, in file order.
Texts Values(const std::string& text, const std::string& open, const std::string& close) {
  Texts out;
  for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
    const size_t start = at + open.size();
    out.push_back(text.substr(start, text.find(close, start) - start));
  }
  return out;
}

using PlanHandover = PlanFilesTest;

TEST_F(PlanHandover, DiscontinuitiesAreLeftOutAndRouteFileTypesMapLikeDatabaseTypes) {
  const Leg legs[] = {{"KSEA", 47.45, -122.311, "APT"}, {"SEA", 47.4354, -122.3097, "VOR"}, {"DISCO", 0.0, 0.0, ""},
                      {"NOLLA", 47.548, -122.495, "NDB"}, {"BTG", 45.7476, -122.5925, "V"}, {"LW", 45.6, -122.6, "N"},
                      {"USR1", 46.0, -122.0, "WPT"}, {"KPDX", 45.589, -122.597, "APT"}};
  for (int i = 0; i < 8; ++i) {
    plan_files_test::PlaceLeg(fms_fpln_act, i, legs[i].ident, legs[i].lat, legs[i].lon, legs[i].type);
  }
  std::tie(fp_cnt, fms_fpln_active, stpos, lnav_leg[0].FrId, lnav_leg[0].fr_lat) = std::tuple(7, 3, 1, "KSEA", 47.45);
  lnav_leg[0].fr_lon = -122.311;
  WriteAceXmlPlan();
  const std::string text = testing_support::ReadBytes(sim_ / "Orvantel/Navdata/tmpfplan.pln");
  EXPECT_NE(text.find("        <ATCWaypoint id=\"SEA\">\r\n"
                      "             <ATCWaypointType>VOR</ATCWaypointType>\r\n"
                      "             <WorldPosition>N47\xB0 26' 07.00\",W122\xB0 18' 34.00\",</WorldPosition>\r\n"
                      "             <ICAO>\r\n"
                      "                 <ICAOIdent>SEA</ICAOIdent>\r\n"
                      "             </ICAO>\r\n"
                      "        </ATCWaypoint>\r\n"),
            std::string::npos);
  EXPECT_EQ(Values(text, "<ATCWaypoint id=\"", "\">"), (Texts{"KSEA", "SEA", "NOLLA", "BTG", "LW", "USR1", "KPDX"}));
  EXPECT_EQ(Values(text, "<ATCWaypointType>", "</ATCWaypointType>"),
            (Texts{"Airport", "VOR", "NDB", "VOR", "NDB", "Intersection", "Airport"}));
}

// Idents from route files may hold the XML specials: escaped, the file stays well-formed.
TEST_F(PlanHandover, RouteTextsAreEscapedAsXml) {
  plan_files_test::PlaceLeg(fms_fpln_act, 0, "KSEA", 47.45, -122.311, "APT");
  plan_files_test::PlaceLeg(fms_fpln_act, 1, "A&B<C", 47.2, -122.3, "INT");
  plan_files_test::PlaceLeg(fms_fpln_act, 2, "K\"'>", 45.589, -122.597, "APT");
  std::tie(fp_cnt, fms_fpln_active, stpos) = std::tuple(2, 3, 2);
  lnav_leg[0].FrId = "A&B<C";
  ASSERT_TRUE(WriteAceXmlPlan());
  const std::string text = testing_support::ReadBytes(sim_ / "Orvantel/Navdata/tmpfplan.pln");
  EXPECT_EQ(Values(text, "<ATCWaypoint id=\"", "\">"), (Texts{"A&amp;B&lt;C", "K&quot;&apos;&gt;"}));
  EXPECT_EQ(Values(text, "<ICAOIdent>", "</ICAOIdent>"), (Texts{"A&amp;B&lt;C", "K&quot;&apos;&gt;"}));
  EXPECT_NE(text.find("<Title>KSEA to K&quot;&apos;&gt;</Title>"), std::string::npos);
}

int plan_loads = 0;
int32_t CountPlanLoad(void*, const char*) { return ++plan_loads; }

// Holds the size of the files this process writes, so that a write beyond it fails as on a full disk
// (also for root, whom permissions do not stop).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

// A plan that cannot be written whole (a full disk, a folder that is no folder) leaves the previous
// file as it was and is reported on the CDU; the simulator is not asked to load the old file.
TEST_F(PlanHandover, FailedWriteKeepsThePreviousPlanAndIsReportedNotHandedOver) {
  plan_files_test::PlaceLeg(fms_fpln_act, 0, "KSEA", 47.45, -122.311, "APT");
  plan_files_test::PlaceLeg(fms_fpln_act, 1, "KPDX", 45.589, -122.597, "APT");
  std::tie(fp_cnt, fms_fpln_active, stpos) = std::tuple(1, 3, 1);
  host_.table()->slot[host::kSimConnectFlightPlanLoad] = reinterpret_cast<host::AnyFn>(&CountPlanLoad);
  simconnect = &plan_loads;
  plan_loads = 0;
  LoadPlanIntoSim();
  const std::string path = sim_ / "Orvantel/Navdata/tmpfplan.pln";
  const std::string previous = testing_support::ReadBytes(path);
  ASSERT_EQ(std::pair(plan_loads, cdu_message), std::pair(1, std::string()));

  fms_fpln_act[1].ident = "KGEG";
  {
    FileSizeLimit full(previous.size() / 2);
    LoadPlanIntoSim();
  }
  EXPECT_EQ(testing_support::ReadBytes(path), previous);
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/Navdata"), 1);  // no temporary left behind
  EXPECT_EQ(std::pair(plan_loads, cdu_message), std::pair(1, std::string(kSimPlanFailedMessage)));

  cdu_message.clear();
  std::filesystem::remove_all(sim_ / "Orvantel/Navdata");
  sim_.Write("Orvantel/Navdata", "a file where the folder belongs");
  LoadPlanIntoSim();
  EXPECT_EQ(std::pair(plan_loads, cdu_message), std::pair(1, std::string(kSimPlanFailedMessage)));

  fms_fpln_active = 2;  // nothing to hand over, and no earlier file either
  cdu_message.clear();
  LoadPlanIntoSim();
  EXPECT_EQ(std::pair(plan_loads, cdu_message), std::pair(1, std::string()));
}

// The simulator's "FS2002 GPS DATA" block with its waypoint records, laid out byte for byte. The
// records sit in an allocation of exactly their size, so that a read past the last one is caught.
class GpsBlock {
 public:
  void Add(const std::string& ident, double lat, double lon, double alt_m) {
    uint8_t r[kGpsRecordSize] = {};
    const int32_t lat_v = static_cast<int32_t>(std::llround(lat / 360.0 * 40007000.0));
    const int64_t lon_v = static_cast<int64_t>(std::llround(lon / 360.0 * 18446744073709551616.0));
    std::memcpy(r + 12, &lat_v, 4);
    std::memcpy(r + 16, &lon_v, 8);
    std::memcpy(r + 48, &alt_m, 8);
    std::memcpy(r + 56, ident.data(), std::min<size_t>(ident.size(), 8));
    records_.insert(records_.end(), r, r + kGpsRecordSize);
  }

  // The block as the simulator publishes it; `size` and `count` may be set to what a test needs.
  const uint8_t* Publish(uint32_t size = kGpsBlockMinSize, int64_t count = -1, bool null_records = false) {
    storage_ = std::make_unique<uint8_t[]>(records_.size());
    std::memcpy(storage_.get(), records_.data(), records_.size());
    const uint32_t n = count < 0 ? static_cast<uint32_t>(records_.size() / kGpsRecordSize) : static_cast<uint32_t>(count);
    const uint8_t* p = null_records ? nullptr : storage_.get();
    std::memcpy(header_, &size, 4);
    std::memcpy(header_ + kGpsCountOffset, &n, 4);
    std::memcpy(header_ + kGpsRecordsOffset, &p, sizeof p);
    return header_;
  }

 private:
  std::vector<uint8_t> records_;
  std::unique_ptr<uint8_t[]> storage_;
  uint8_t header_[kGpsBlockMinSize] = {};
};

const uint8_t* g_published = nullptr;

void FakeQuery(host::ModuleInterfaceRecord* out, const char* identity) {
  *out = {};
  if (std::strcmp(identity, kGpsDataIdentity) == 0) out->word[1] = reinterpret_cast<uintptr_t>(g_published);
}

class GpsUplink : public PlanFilesTest {
 protected:
  void SetUp() override {
    PlanFilesTest::SetUp();
    g_published = nullptr;
    host_.table()->slot[host::kQueryModuleInterface] = reinterpret_cast<host::AnyFn>(&FakeQuery);
    AddNavRow(nav_apts, &nav_apts_cnt, "KBFI", 47.53, -122.302, "APT");
    AddNavRow(nav_apts, &nav_apts_cnt, "KPDX", 45.589, -122.597, "APT");
    AddNavRow(nav_apts, &nav_apts_cnt, "KSEA", 47.45, -122.311, "APT");
  }
  void Uplink(const uint8_t* block) {
    g_published = block;
    UplinkGpsRoute();
  }

  GpsBlock gps_;
};

// A SID chosen after the uplink inserts after the origin instead of wiping the route.
TEST_F(GpsUplink, TwoAirportsBecomeOriginAndDestination) {
  gps_.Add("KSEA", 47.45, -122.311, 130.0);
  gps_.Add("KPDX", 45.589, -122.597, 9.4);
  sid_sel = "SUMMA1";
  Uplink(gps_.Publish());
  EXPECT_EQ(route_test::ModIdents(), (Texts{"KSEA", "KPDX"}));
  EXPECT_NEAR(fms_fpln_mod[1].lon, -122.597, 1e-5);
  // 130 m, truncated feet.
  EXPECT_EQ(std::tuple(pending_cruise_alt, orig_ident + ">" + dest_ident, sid_sel, mod_stpos, cdu_message),
            std::tuple(426, "KSEA>KPDX", "------", 1, "RTE UPLINK OK"));
}

// A middle leg takes the type of the navaid of its ident near it, a VOR listed right after an NDB of
// the same ident winning; without a navaid it is a waypoint.
TEST_F(GpsUplink, MiddleLegsTakeTheTypeOfTheNavaidNearThem) {
  AddNavaid("LW", 45.6, -122.6, "N", "350");
  AddNavaid("OLM", 46.97, -122.9, "N", "338");
  AddNavaid("OLM", 46.97, -122.9, "V", "113.40");
  for (const auto& [ident, lat, lon] : {std::tuple{"KSEA", 47.45, -122.311}, {"LW", 45.6, -122.6},
                                        {"OLM", 46.97, -122.9}, {"FIXX", 46.5, -122.5}, {"KPDX", 45.589, -122.597}}) {
    gps_.Add(ident, lat, lon, 0.0);
  }
  Uplink(gps_.Publish());
  std::string types;
  for (int32_t i = 1; i <= 3; ++i) types += fms_fpln_mod[i].type + " " + fms_fpln_mod[i].freq + "|";
  EXPECT_EQ(types, "NDB 350|VOR 113.40|WPT |");
}

TEST_F(GpsUplink, EndsThatAreNoAirportsSetNoOriginAndBadAltitudesNoCruiseAltitude) {
  gps_.Add("FIXA", 47.0, -122.0, -10.0);
  gps_.Add("XX", 47.0, -122.0, std::numeric_limits<double>::quiet_NaN());
  gps_.Add("YY", 47.0, -122.0, 30480.0);  // 100,000 ft: past what the CDU takes
  gps_.Add("FIXB", 46.0, -122.0, 0.0);
  pending_cruise_alt = 31000;
  Uplink(gps_.Publish());
  EXPECT_EQ(std::pair(orig_ident + ">" + dest_ident, pending_cruise_alt), std::pair(std::string("------>------"), 0));
}

TEST_F(GpsUplink, IdentFillingAllEightBytesIsReadWithoutItsTerminator) {
  gps_.Add("KSEA", 47.45, -122.311, 0.0);
  gps_.Add("ABCDEFGH", 46.0, -122.0, 0.0);  // the last bytes of the records
  Uplink(gps_.Publish());
  EXPECT_EQ(fms_fpln_mod[1].ident, "ABCDEFGH");
}

TEST_F(GpsUplink, MissingShortOrEmptyBlocksChangeNothing) {
  route_test::SetModLegs({"KBFI", "SEA", "KGEG"});
  pending_cruise_alt = 31000;
  Uplink(nullptr);
  EXPECT_EQ(pending_cruise_alt, 0);
  gps_.Add("KSEA", 47.45, -122.311, 3000.0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  Uplink(gps_.Publish(kGpsBlockMinSize, -1, /*null_records=*/true));
  EXPECT_EQ(cdu_message, "NO ACTIVE GPS RTE");
  cdu_message.clear();
  Uplink(gps_.Publish(kGpsBlockMinSize - 1));
  EXPECT_EQ(std::tuple(cdu_message, route_test::ModIdents(), fms_fpln_active),
            std::tuple(std::string(), Texts{"KBFI", "SEA", "KGEG"}, 0));
}

// Steps only from no route, entered or active; the leg being flown stays; the block is looked up once.
TEST_F(GpsUplink, StateSteps) {
  gps_.Add("KSEA", 47.45, -122.311, 0.0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  Uplink(gps_.Publish());
  for (auto [before, after] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 2}, std::pair{3, 4}, std::pair{4, 4}}) {
    fms_fpln_active = before;
    stpos = 6;
    UplinkGpsRoute();
    EXPECT_EQ(std::pair(fms_fpln_active, stpos), std::pair(after, 6)) << before;
  }
}

// The RTE page the uplink opens lists the uplinked route, not the one it replaced.
TEST_F(GpsUplink, RteRowsDescribeTheUplinkedRoute) {
  route_test::SetModLegs({"KBFI", "SEA", "TACMA", "KGEG"});
  BuildRteRows();
  gps_.Add("KSEA", 47.45, -122.311, 0.0);
  gps_.Add("OLM", 46.97, -122.9, 0.0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  Uplink(gps_.Publish());
  EXPECT_EQ(std::tuple(rte_row_cnt, rte_rows[1].to_fix, rte_rows[2].to_fix), std::tuple(1, "OLM", ""));
}

TEST_F(GpsUplink, RecordsBeyondRow200AreIgnored) {
  for (int i = 0; i < 230; ++i) gps_.Add("WP" + std::to_string(i), 47.0, -122.0 + 0.01 * i, 100.0 + i);
  Uplink(gps_.Publish());
  // 300 m at row 200, truncated feet.
  EXPECT_EQ(std::tuple(fp_mod_cnt, fms_fpln_mod[200].ident, pending_cruise_alt), std::tuple(200, "WP200", 984));
}

// A plan taken over in the descent, loaded or uplinked, goes on with it: no climb to the plan's
// cruise level, the path on from the aircraft at its altitude there. After landing a plan starts anew.
TEST_F(GpsUplink, PlanTakenOverInTheDescentKeepsTheDescent) {
  gps_.Add("KELSO", 46.148, -122.883, 4876.8);  // 16,000 ft, the cruise level left behind
  gps_.Add("KPDX", 45.589, -122.597, 9.4);
  WritePlan("P.RTE", "CruiseAlt=24000\n[FlightPlan]\nKELSO 46.148 -122.883 INT ---\nKPDX 45.589 -122.597 APT ---\n");
  for (const int ground : {0, 1}) {
    host_.SetToken(60, ground);
    std::tie(fms_fpln_active, toc, tod, init_tod, cruise_alt, vnav_path_alt, route_dist_sum, plane_lat) =
        std::tuple(3, 1, 1, 1, 12000, 11500.0, 40.0, 46.0);
    LoadFlightPlanFile("P.RTE", 0);
    EXPECT_EQ(pending_cruise_alt, ground * 24000);
    Uplink(gps_.Publish());
    ExecRoute();
    const auto expected = ground ? std::tuple(0, 0, 16000, 0.0, 0.0) : std::tuple(1, 1, 12000, 11500.0, 46.0);
    EXPECT_EQ(std::tuple(toc, tod, cruise_alt, ground ? 0.0 : tod_alt, ground ? 0.0 : last_restr_lat), expected);
  }
}

// A plan's leg 1 is flown from the plan's first row: neither from a direct-to typed on the modification
// it replaces nor from one flown before it.
TEST_F(GpsUplink, PlanIsFlownFromItsFirstRowNotFromADirectToBeforeIt) {
  gps_.Add("TACMA", 47.201, -122.346, 0.0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  WritePlan("P.RTE", "[FlightPlan]\nTACMA 47.201 -122.346 INT ---\nKPDX 45.589 -122.597 APT ---\n");
  for (const bool uplink : {true, false}) {
    std::tie(TmpFrId, tmp_fr_lat, lnav_leg[0].FrId, lnav_leg[0].fr_lat) =
        std::tuple(uplink ? "DIRECT" : "", 47.9, "DIRECT", 47.8);
    uplink ? Uplink(gps_.Publish()) : void(LoadFlightPlanFile("P.RTE", 0));
    ExecRoute();
    EXPECT_EQ(lnav_leg[0].FrId, "TACMA") << uplink;
    EXPECT_NEAR(lnav_leg[0].fr_lat, 47.201, 1e-4) << uplink;
  }
}

}  // namespace
