#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/frame_globals.h"
#include "frame/geodesy.h"
#include "frame/tick_route.h"
#include "frame/tick_globals.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"
#include "state/panel_state_fixture.h"
#include "state/state_globals.h"

namespace {

using testing_support::ReadBytes;

RouteLeg Leg(const char* ident, double lat, double lon) {
  RouteLeg l;
  l.ident = ident;
  l.lat = lat;
  l.lon = lon;
  l.alt = -999.0;
  l.ias = -999.0;
  l.intc_crs = -1.0;
  return l;
}

void SetActiveRoute(int32_t rows) {
  for (int32_t i = 0; i < rows; ++i) fms_fpln_act[i] = Leg(("W" + std::to_string(i)).c_str(), 47.0 + i * 0.1, -122.0);
  fp_cnt = rows - 1;
  stpos = 1;
}

class PanelFilesTest : public PanelStateTest {
 protected:
  void SetUp() override {
    PanelStateTest::SetUp();
    aircraft = "orvantel 757 - 200 house";
    SetPosition(47.0, -122.0);
    SetAltitude(5000.0);
    SetHeading(180.0);
    host_.set_system_time({2026, 12, 6, 5, 10, 30, 0, 0});  // Saturday 5 December 2026
  }
};

TEST_F(PanelFilesTest, SavedStateComesBackWhole) {
  SetActiveRoute(4);
  RouteLeg& eln = fms_fpln_act[2];
  eln = Leg("ELN", 47.023, -120.567);
  eln.freq = "117.00";
  eln.aux_text = "IAF";
  eln.via = "J5";
  eln.proc = "STAR";
  eln.eta = "12:34";
  eln.alt = 14000.0;
  eln.restr = 3;
  eln.ias = 250.0;
  eln.hold_idx = 2;
  fms_fpln_act[1].ident = "RW 16L";
  stpos = 2;
  fms_fpln_active = 3;
  lnav_leg[0].ToId = "ELN";
  nd_rng_nm = 40.0;
  fms_page = 20;
  lnav_init_lat = 47.1234567;
  ac_power = 4;
  host_.SetNamed("ias_show", 1.0);

  SavePanelState("trip");
  EXPECT_EQ(cdu_message, "TRIP.PNL OK");
  const std::string bytes = ReadBytes(PanelPath("TRIP.PNL"));
  EXPECT_EQ(bytes.rfind("[FLTSIM]\r\naircraft=orvantel 757 - 200 house\r\nalt=5000\r\n", 0), 0u);
  for (const char* line : {"\r\nhdg=180\r\n", "\r\n\r\n[FLTPLN]\r\n", "\r\nnd_rng_nm=40.0\r\n",
                           "\r\nlnav_init_lat=47.123457\r\n", "\r\nspd_window=1\r\n",
                           "\r\nFPLN=ELN,47.023000,-120.567000,,117.00,IAF,J5,STAR,12:34,14000,3,250,-1,2\r\n"}) {
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
  std::string headers;
  for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    if (bytes[start] == '[') headers += bytes.substr(start, end - start);
  }
  EXPECT_EQ(headers, "[FLTSIM][FLTPLN][EFIS][FMS][PEDESTAL][MCP][MAIN][OVERHEAD][OVCP]");

  // Another state in between, then the file.
  stpos = 999;
  fms_fpln_active = 0;
  lnav_leg[0] = {};
  nd_rng_nm = 10.0;
  fms_page = 25;
  ac_power = 5;
  fms_fpln_mod[2].freq = "999.99";

  ASSERT_EQ(LoadPanelState("TRIP.PNL"), 1);
  EXPECT_EQ(cdu_message, "PANEL STATE LOADED OK");
  ASSERT_EQ(fp_mod_cnt, 3);
  for (int i = 0; i <= 3; ++i) {
    const RouteLeg& a = fms_fpln_act[i];
    const RouteLeg& m = fms_fpln_mod[i];
    EXPECT_EQ(std::tie(m.ident, m.type, m.freq, m.aux_text, m.via, m.proc, m.eta),
              std::tie(a.ident, a.type, a.freq, a.aux_text, a.via, a.proc, a.eta));
    EXPECT_EQ(std::tie(m.alt, m.restr, m.ias, m.intc_crs, m.hold_idx),
              std::tie(a.alt, a.restr, a.ias, a.intc_crs, a.hold_idx));
  }
  EXPECT_EQ(stpos, 2);
  EXPECT_EQ(fms_fpln_active, 3);  // the restored route is executed
  EXPECT_EQ(fp_cnt, 3);
  EXPECT_EQ(dist_to_active_wpt, 999.0);
  EXPECT_EQ(lnav_leg[0].ToId, "ELN");
  EXPECT_EQ(lnav_leg[0].FrId, "RW 16L");
  EXPECT_EQ(nd_rng_nm, 40.0);
  EXPECT_EQ(fms_page, 20);  // the CDU shows the page of the save
  EXPECT_EQ(ac_power, 4);
}

TEST_F(PanelFilesTest, WithoutAnActiveRouteNoRouteOrLnavLegIsWritten) {
  stpos = 999;
  fp_cnt = 3;
  SavePanelState("plain");
  const std::string bytes = ReadBytes(PanelPath("PLAIN.PNL"));
  EXPECT_EQ(bytes.find("FPLN="), std::string::npos);
  EXPECT_NE(bytes.find("\r\nman_descent_spd=0\r\n\r\n[PEDESTAL]\r\n"), std::string::npos);
  lnav_leg[0].ToId = "KEEP";
  ASSERT_EQ(LoadPanelState("PLAIN.PNL"), 1);
  EXPECT_EQ(fp_mod_cnt, -1);
  EXPECT_EQ(lnav_leg[0].ToId, "KEEP");
}

struct SaveNameCase {
  const char* name;
  const char* orig;
  const char* dest;
  const char* file;
};

class PanelSaveNameTest : public PanelFilesTest, public ::testing::WithParamInterface<SaveNameCase> {};

TEST_P(PanelSaveNameTest, NamesTheFileAndReportsIt) {
  const SaveNameCase& c = GetParam();
  orig_ident = c.orig;
  dest_ident = c.dest;
  SavePanelState(c.name);
  EXPECT_TRUE(std::filesystem::exists(PanelPath(c.file))) << c.file;
  EXPECT_EQ(cdu_message, std::string(c.file) + " OK");
}

INSTANTIATE_TEST_SUITE_P(
    Names, PanelSaveNameTest,
    ::testing::Values(SaveNameCase{"", "------", "------", "SAVPNL_261205.PNL"},
                      SaveNameCase{"", "AAAA", "------", "AAAA------_261205.PNL"},
                      SaveNameCase{"", "KSEA", "KGEG", "KSEAKGEG_261205.PNL"},
                      SaveNameCase{"lastsaved", "------", "------", "LASTSAVEDPANELSTATE.PNL"},
                      SaveNameCase{"LASTSAVED", "------", "------", "LASTSAVED.PNL"},  // typed on the CDU
                      SaveNameCase{"My Flight", "------", "------", "MY FLIGHT.PNL"}));

TEST_F(PanelFilesTest, TwoDigitYearsOfTheLastCentury) {
  host_.set_system_time({1999, 7, 0, 4, 0, 0, 0, 0});
  SavePanelState("");
  EXPECT_EQ(cdu_message, "SAVPNL_990704.PNL OK");
}

TEST_F(PanelFilesTest, UnsafeNamesAndFailedSavesAreReported) {
  for (const char* name : {"../escape", "sub/dir", "back\\slash", "c:drive", "tab\tname", "x..y"}) {
    cdu_message.clear();
    SavePanelState(name);
    EXPECT_EQ(cdu_message, "PANEL STATE SAVE FAIL") << name;
  }
  EXPECT_EQ(testing_support::CountEntries(dir_ / "Orvantel/PanelStates"), 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Orvantel/ESCAPE.PNL"));

  SavePanelState(std::string(240, 'N'));  // the path would pass 259 characters
  EXPECT_EQ(cdu_message, "PANEL STATE SAVE FAIL");

  std::filesystem::remove_all(dir_ / "Orvantel/PanelStates");  // the folder is not created
  SavePanelState("nofolder");
  EXPECT_EQ(cdu_message, "PANEL STATE SAVE FAIL");
}

TEST_F(PanelFilesTest, MissingNamedFileFailsAndKeepsTheModifiedRoute) {
  fms_fpln_mod[0] = Leg("KSEA", 47.4, -122.3);
  fms_fpln_mod[1] = Leg("ELN", 47.0, -120.6);
  fp_mod_cnt = 1;
  EXPECT_EQ(LoadPanelState("missing.pnl"), 0);
  EXPECT_EQ(cdu_message, "PANEL STATE LOAD FAIL");
  EXPECT_EQ(fp_mod_cnt, 1);
  EXPECT_EQ(fms_fpln_mod[1].ident, "ELN");

  cdu_message.clear();
  EXPECT_EQ(LoadPanelState(""), 0);  // no snapshot: silent
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(fp_mod_cnt, 1);

  EXPECT_EQ(LoadPanelState(std::string(300, 'n') + ".pnl"), 0);  // a path too long is not opened
  EXPECT_EQ(cdu_message, "PANEL STATE LOAD FAIL");
}

TEST_F(PanelFilesTest, RefusedSnapshotAppliesNothingAndKeepsThePendingRoute) {
  fms_fpln_mod[0] = Leg("KSEA", 47.4, -122.3);
  fp_mod_cnt = 0;
  stpos = 1;
  WritePanel("LastSavedPanelState.pnl",
             "[FLTSIM]\naircraft=another aircraft\nalt=5000\nhdg=180\nlat=47.000000\nlon=-122.000000\n"
             "[FLTPLN]\nstpos=1\nFPLN=A\nFPLN=B\nFPLN=C\n[FMS]\ncruise_alt=31000\n");
  EXPECT_EQ(LoadPanelState(""), 0);
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(cruise_alt, 0);
  EXPECT_EQ(fp_mod_cnt, 0);
  EXPECT_EQ(fms_fpln_mod[0].ident, "KSEA");
  EXPECT_EQ(fms_fpln_active, 0);  // nothing was executed
  EXPECT_EQ(fp_cnt, 0);
}

struct SnapshotCase {
  const char* name;
  double moved_nm;
  double alt_delta_ft;
  double hdg_delta_deg;
  bool applied;
};

class PanelSnapshotTest : public PanelFilesTest, public ::testing::WithParamInterface<SnapshotCase> {};

TEST_P(PanelSnapshotTest, AppliesOnlyWhereItWasSaved) {
  const SnapshotCase& c = GetParam();
  cruise_alt = 31000;
  SavePanelState("lastsaved");
  cruise_alt = 0;
  double lat = 0.0, lon = 0.0;
  CalcDestPoint(47.0, -122.0, 90.0, c.moved_nm, &lat, &lon);
  SetPosition(lat, lon);
  SetAltitude(5000.0 + c.alt_delta_ft);
  SetHeading(180.0 + c.hdg_delta_deg);
  EXPECT_EQ(LoadPanelState(""), c.applied ? 1 : 0);
  EXPECT_EQ(cruise_alt, c.applied ? 31000 : 0);
  EXPECT_EQ(cdu_message, c.applied ? "PANEL STATE LOADED OK" : "LASTSAVEDPANELSTATE.PNL OK");
}

INSTANTIATE_TEST_SUITE_P(
    Checks, PanelSnapshotTest,
    ::testing::Values(SnapshotCase{"WithinAllLimits", 1.9, -150.0, 12.0, true},
                      SnapshotCase{"TwoMilesAway", 2.01, 0.0, 0.0, false},
                      SnapshotCase{"TwoHundredFeetAbove", 0.0, 200.0, 0.0, false},
                      SnapshotCase{"TwoHundredFeetBelow", 0.0, -200.0, 0.0, false},
                      SnapshotCase{"ThirteenDegreesOff", 0.0, 0.0, -13.0, false}),
    [](const ::testing::TestParamInfo<SnapshotCase>& i) { return std::string(i.param.name); });

TEST_F(PanelFilesTest, SnapshotOfAnotherAircraftOrOnTheEquatorIsRefused) {
  SavePanelState("lastsaved");
  aircraft = "another aircraft";
  EXPECT_EQ(LoadPanelState(""), 0);

  aircraft = "orvantel 757 - 200 house";
  SetPosition(0.0, 10.0);  // a saved latitude of 0.0 is taken as no position
  SavePanelState("lastsaved");
  EXPECT_EQ(LoadPanelState(""), 0);
}

TEST_F(PanelFilesTest, SnapshotTitleComparesInLowerCase) {
  WritePanel("LastSavedPanelState.pnl",
             "aircraft=Orvantel 757 - 200 HOUSE\nalt=5100\nhdg=175\nlat=47.000000\nlon=-122.000000\nv2=150\n");
  EXPECT_EQ(LoadPanelState(""), 1);
  EXPECT_EQ(v2, 150);
}

TEST_F(PanelFilesTest, NamedFileAppliesWhereverTheAircraftIs) {
  SavePanelState("away");
  SetPosition(10.0, 10.0);
  aircraft = "another aircraft";
  EXPECT_EQ(LoadPanelState("AWAY.PNL"), 1);
}

TEST_F(PanelFilesTest, AfterStartUpTheConfiguredSpeedsWin) {
  // The configured speeds are put back before each applied line, so the lines after the speeds
  // (in a saved file, the rest of it) bring them back.
  WritePanel("s.pnl", "climb_ias=250\ncruise_ias=270\ndescent_ias=260\n[PEDESTAL]\n");
  ClimbIas = 290;
  CruiseIas = 310;
  DescentIas = 280;
  startup_phase = 1;
  ASSERT_EQ(LoadPanelState("s.pnl"), 1);
  EXPECT_EQ(climb_ias, 250);
  EXPECT_EQ(descent_ias, 260);
  startup_phase = 0;
  ASSERT_EQ(LoadPanelState("s.pnl"), 1);
  EXPECT_EQ(climb_ias, 290);
  EXPECT_EQ(cruise_ias, 310);
  EXPECT_EQ(descent_ias, 280);
}

TEST_F(PanelFilesTest, ARouteOfThreeRowsIsExecutedOneOfTwoIsNot) {
  SetActiveRoute(2);
  SavePanelState("two");
  SetActiveRoute(3);
  SavePanelState("three");
  fp_cnt = 0;
  ASSERT_EQ(LoadPanelState("TWO.PNL"), 1);
  EXPECT_EQ(fp_mod_cnt, 1);
  EXPECT_EQ(fp_cnt, 0);  // not executed
  EXPECT_NE(fms_fpln_active, 3);
  ASSERT_EQ(LoadPanelState("THREE.PNL"), 1);
  EXPECT_EQ(fp_mod_cnt, 2);
  EXPECT_EQ(fp_cnt, 2);
  EXPECT_EQ(fms_fpln_active, 3);
}

TEST_F(PanelFilesTest, ListHoldsAtMost199UpperCasedNames) {
  for (int i = 0; i < 250; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "Orvantel/PanelStates/p%03d.pnl", i);
    dir_.Write(name, "");
  }
  dir_.Write("Orvantel/PanelStates/notes.txt", "");
  ListPanelStates();
  EXPECT_EQ(pnl_list_cnt, 199);
  EXPECT_EQ(pnl_list[1], "P000.PNL");
  EXPECT_EQ(pnl_list[199], "P198.PNL");
  EXPECT_EQ(pnl_list[200], "");
}

TEST_F(PanelFilesTest, ListOfAMissingFolderIsEmpty) {
  dir_.Write("Orvantel/PanelStates/Mixed.Pnl", "");
  ListPanelStates();
  EXPECT_EQ(pnl_list_cnt, 1);
  EXPECT_EQ(pnl_list[1], "MIXED.PNL");
  std::filesystem::remove_all(dir_ / "Orvantel/PanelStates");
  ListPanelStates();
  EXPECT_EQ(pnl_list_cnt, 0);
}

}  // namespace
