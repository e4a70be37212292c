#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"
#include "state/state_fixture.h"
#include "state/panel_state_format.h"
#include "state/state_globals.h"

namespace {

using testing_support::ReadBytes;

RouteLeg Leg(const char* ident, double lat, double lon) {
  RouteLeg l;
  std::tie(l.ident, l.lat, l.lon, l.alt, l.ias, l.intc_crs) = std::tuple(ident, lat, lon, -999.0, -999.0, -1.0);
  return l;
}

void SetActiveRoute(int32_t rows) {
  for (int32_t i = 0; i < rows; ++i) fms_fpln_act[i] = Leg(("W" + std::to_string(i)).c_str(), 47.0 + i * 0.1, -122.0);
  std::tie(fp_cnt, stpos) = std::tuple(rows - 1, 1);
}

class PanelFilesTest : public PanelStateTest {
 protected:
  void SetUp() override {
    PanelStateTest::SetUp();
    aircraft = "orvantel 757 - 200 house";
    At(47.0, -122.0, 5000.0, 180.0);
    host_.set_system_time({2026, 12, 6, 5, 10, 30, 0, 0});  // Saturday 5 December 2026
  }
};

TEST_F(PanelFilesTest, SavedStateComesBackWhole) {
  SetActiveRoute(4);
  ParseFplnRow("ELN,47.023,-120.567,,117.00,IAF,J5,STAR,12:34,14000,3,250,-1,2", &fms_fpln_act[2]);
  std::tie(fms_fpln_act[1].ident, stpos, fms_fpln_active, lnav_leg[0].ToId) = std::tuple("RW 16L", 2, 3, "ELN");
  std::tie(nd_rng_nm, fms_page, ac_power, lnav_init_lat, lnav_init_lon) = std::tuple(40.0, 20, 4, 47.1234567, -122.7654321);
  host_.SetNamed("ias_show", 1.0);

  SavePanelState("trip");
  const std::string bytes = ReadBytes(PanelPath("TRIP.PNL"));
  EXPECT_EQ(bytes.rfind("[FLTSIM]\r\naircraft=orvantel 757 - 200 house\r\nalt=5000\r\n", 0), 0u);
  for (const char* line : {"\r\nlnav_init_lat=47.123457\r\nlnav_init_lon=-122.765432\r\n", "\r\nspd_window=1\r\n",
                           "\r\nFPLN=ELN,47.023000,-120.567000,,117.00,IAF,J5,STAR,12:34,14000,3,250,-1,2\r\n"}) {
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  }

  // Another state in between, then the file.
  std::tie(stpos, fms_fpln_active, lnav_leg[0].ToId, nd_rng_nm, fms_page) = std::tuple(999, 0, "", 10.0, 25);
  std::tie(ac_power, fms_fpln_mod[2].freq) = std::tuple(5, "999.99");
  ASSERT_EQ(LoadPanelState("TRIP.PNL"), 1);
  ASSERT_EQ(fp_mod_cnt, 3);
  for (int i = 0; i <= 3; ++i) {
    const RouteLeg& a = fms_fpln_act[i];
    const RouteLeg& m = fms_fpln_mod[i];
    EXPECT_EQ(std::tie(m.ident, m.type, m.freq, m.aux_text, m.via, m.proc, m.eta),
              std::tie(a.ident, a.type, a.freq, a.aux_text, a.via, a.proc, a.eta));
    EXPECT_EQ(std::tie(m.alt, m.restr, m.ias, m.intc_crs, m.hold_idx),
              std::tie(a.alt, a.restr, a.ias, a.intc_crs, a.hold_idx));
  }
  // The restored route is executed; the CDU shows the page of the save.
  EXPECT_EQ(std::tuple(stpos, fms_fpln_active, fp_cnt, dist_to_active_wpt, nd_rng_nm, fms_page, ac_power),
            std::tuple(2, 3, 3, 999.0, 40.0, 20, 4));
  EXPECT_EQ(lnav_leg[0].ToId + " " + lnav_leg[0].FrId, "ELN RW 16L");
}

// The file is named after the typed name, the route's airports or "SAVPNL" and the date, and the
// CDU reports it.
TEST_F(PanelFilesTest, SaveNamesTheFileAndReportsIt) {
  // Typed name, origin, destination, file.
  for (const auto& [name, orig, dest, file] :
       {std::tuple{"", "------", "------", "SAVPNL_261205.PNL"}, std::tuple{"", "KSEA", "KGEG", "KSEAKGEG_261205.PNL"},
        std::tuple{"lastsaved", "------", "------", "LASTSAVEDPANELSTATE.PNL"},
        std::tuple{"LASTSAVED", "------", "------", "LASTSAVED.PNL"},  // typed on the CDU
        std::tuple{"My Flight", "------", "------", "MY FLIGHT.PNL"}}) {
    std::tie(orig_ident, dest_ident) = std::tuple(orig, dest);
    SavePanelState(name);
    EXPECT_TRUE(std::filesystem::exists(PanelPath(file))) << file;
    EXPECT_EQ(cdu_message, std::string(file) + " OK");
  }
}

// Names that would leave the folder, paths over 259 characters and a missing folder are refused
// with the CDU's message, and nothing is written.
TEST_F(PanelFilesTest, UnsafeNamesAndFailedSavesAreReported) {
  for (const std::string& name : {std::string("../escape"), std::string("back\\slash"), std::string("tab\tname"),
                                  std::string(240, 'N'), std::string("nofolder")}) {
    if (name == "nofolder") std::filesystem::remove_all(dir_ / "Orvantel/PanelStates");  // the folder is not created
    cdu_message.clear();
    SavePanelState(name);
    EXPECT_EQ(cdu_message, "PANEL STATE SAVE FAIL") << name;
    const auto files = std::distance(std::filesystem::recursive_directory_iterator(dir_ / "Orvantel"), {});
    EXPECT_EQ(files, name == "nofolder" ? 0 : 1) << name;  // the folder alone
  }
}

// A failed load keeps the pending modified route: a missing named file or one with no key line
// (reported), no snapshot (silent), a path too long to open, a snapshot refused by its checks
// (nothing of it applied).
TEST_F(PanelFilesTest, FailedLoadsKeepTheModifiedRoute) {
  std::tie(fms_fpln_mod[0], fms_fpln_mod[1], fp_mod_cnt) = std::tuple(Leg("KSEA", 47.4, -122.3), Leg("ELN", 47.0, -120.6), 1);
  EXPECT_EQ(LoadPanelState("missing.pnl"), 0);
  EXPECT_EQ(cdu_message, "PANEL STATE LOAD FAIL");
  for (const char* text : {"", ";comment\n\n"}) {
    cdu_message.clear();
    WritePanel("empty.pnl", text);
    EXPECT_EQ(std::pair(LoadPanelState("empty.pnl"), cdu_message), std::pair(0, std::string("PANEL STATE LOAD FAIL")));
  }
  cdu_message.clear();
  EXPECT_EQ(LoadPanelState(""), 0);
  EXPECT_EQ(std::tuple(cdu_message, fp_mod_cnt, fms_fpln_mod[1].ident), std::tuple("", 1, "ELN"));
  stpos = 1;
  WritePanel("LastSavedPanelState.pnl",
             "[FLTSIM]\naircraft=another aircraft\nalt=5000\nhdg=180\nlat=47.000000\nlon=-122.000000\n"
             "[FLTPLN]\nstpos=1\nFPLN=A\nFPLN=B\nFPLN=C\n[FMS]\ncruise_alt=31000\n");
  EXPECT_EQ(LoadPanelState(""), 0);
  EXPECT_EQ(std::tuple(cdu_message, cruise_alt, fp_mod_cnt, fms_fpln_active, fp_cnt, fms_fpln_mod[1].ident),
            std::tuple("", 0, 1, 0, 0, "ELN"));
  // A snapshot that passes its checks and holds nothing else is no panel state either.
  WritePanel("LastSavedPanelState.pnl",
             "aircraft=orvantel 757 - 200 house\nalt=5000\nhdg=180\nlat=47.000000\nlon=-122.000000\n[MCP]\n");
  EXPECT_EQ(LoadPanelState(""), 0);
}

// The automatic snapshot applies only where it was saved: within 2 NM, 200 ft and 13 degrees, of
// the same aircraft (its title in lower case). A named file applies anywhere.
TEST_F(PanelFilesTest, SnapshotAppliesOnlyWhereItWasSaved) {
  for (const auto& [moved_nm, alt_delta_ft, hdg_delta_deg, applied] :
       {std::tuple{1.9, -150.0, 12.0, true}, std::tuple{2.01, 0.0, 0.0, false}, std::tuple{0.0, -200.0, 0.0, false},
        std::tuple{0.0, 0.0, -13.0, false}}) {
    At(47.0, -122.0, 5000.0, 180.0);
    cruise_alt = 31000;
    SavePanelState("lastsaved");
    cruise_alt = 0;
    double lat = 0.0, lon = 0.0;
    CalcDestPoint(47.0, -122.0, 90.0, moved_nm, &lat, &lon);
    At(lat, lon, 5000.0 + alt_delta_ft, 180.0 + hdg_delta_deg);
    EXPECT_EQ(LoadPanelState(""), applied ? 1 : 0) << moved_nm << " " << alt_delta_ft << " " << hdg_delta_deg;
    EXPECT_EQ(cruise_alt, applied ? 31000 : 0);
  }
  WritePanel("LastSavedPanelState.pnl",
             "aircraft=Orvantel 757 - 200 HOUSE\nalt=5100\nhdg=175\nlat=47.000000\nlon=-122.000000\nv2=150\n");
  At(47.0, -122.0, 5000.0, 180.0);
  EXPECT_EQ(LoadPanelState(""), 1);
  EXPECT_EQ(v2, 150);
  aircraft = "another aircraft";
  EXPECT_EQ(LoadPanelState(""), 0);
  aircraft = "orvantel 757 - 200 house";  // another line's value near the altitude does not count for it
  WritePanel("LastSavedPanelState.pnl", "aircraft=orvantel 757 - 200 house\nalt=5300\nv2=5000\nhdg=180\nlat=47\nlon=-122\n");
  EXPECT_EQ(LoadPanelState(""), 0);
  EXPECT_EQ(LoadPanelState("LASTSAVEDPANELSTATE.PNL"), 1);
}

// After start-up the configured speeds are put back before each applied line, so the lines after
// the speeds (in a saved file, the rest of it) bring them back.
TEST_F(PanelFilesTest, AfterStartUpTheConfiguredSpeedsWin) {
  WritePanel("s.pnl", "climb_ias=250\ncruise_ias=270\ndescent_ias=260\n[PEDESTAL]\n");
  std::tie(ClimbIas, CruiseIas, DescentIas, startup_phase) = std::tuple(290, 310, 280, 1);
  ASSERT_EQ(LoadPanelState("s.pnl"), 1);
  EXPECT_EQ(std::pair(climb_ias, descent_ias), std::pair(250, 260));
  startup_phase = 0;
  ASSERT_EQ(LoadPanelState("s.pnl"), 1);
  EXPECT_EQ(std::tuple(climb_ias, cruise_ias, descent_ias), std::tuple(290, 310, 280));
}

// A route saved active comes back executed (see the round trip); one of two rows saved before any
// EXEC does not, and stands as saved; without an active route no route or LNAV leg is written, and
// its load leaves none.
TEST_F(PanelFilesTest, RoutesThatComeBackExecuted) {
  SetActiveRoute(2);
  SavePanelState("two");
  stpos = 999;
  SavePanelState("plain");
  EXPECT_EQ(ReadBytes(PanelPath("PLAIN.PNL")).find("FPLN="), std::string::npos);
  fp_cnt = 0;
  ASSERT_EQ(LoadPanelState("TWO.PNL"), 1);
  EXPECT_EQ(std::tuple(fp_mod_cnt, fp_cnt, fms_fpln_active == 3), std::tuple(1, 1, false));
  lnav_leg[0].ToId = "KEEP";
  ASSERT_EQ(LoadPanelState("PLAIN.PNL"), 1);
  EXPECT_EQ(std::pair(fp_mod_cnt, lnav_leg[0].ToId), std::pair(-1, std::string()));
}

// The list holds at most 199 names, upper-cased, of ".pnl" files only; a missing folder gives none.
TEST_F(PanelFilesTest, PanelStateList) {
  dir_.Write("Orvantel/PanelStates/P000.Pnl", "");
  for (int i = 1; i < 250; ++i) dir_.Write("Orvantel/PanelStates/p" + std::to_string(1000 + i).substr(1) + ".pnl", "");
  dir_.Write("Orvantel/PanelStates/notes.txt", "");
  ListPanelStates();
  EXPECT_EQ(std::to_string(pnl_list_cnt) + " " + pnl_list[1] + " " + pnl_list[199] + " " + pnl_list[200],
            "199 P000.PNL P198.PNL ");
  std::filesystem::remove_all(dir_ / "Orvantel/PanelStates");
  ListPanelStates();
  EXPECT_EQ(pnl_list_cnt, 0);
}

}  // namespace
