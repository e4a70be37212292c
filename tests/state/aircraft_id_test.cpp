#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "fmc/thrust_limits.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"
#include "state/state_fixture.h"
#include "state/state_globals.h"
#include "state/title_rules.h"

namespace {

struct Section {
  std::string title, sim, model, panel = "", parking = "";
};

std::string SectionText(int n, const Section& s) {
  std::string t = "[fltsim." + std::to_string(n) + "]\ntitle=" + s.title + "\nsim=" + s.sim + "\n";
  if (!s.model.empty()) t += "model=" + s.model + "\n";
  t += "panel=" + s.panel + "\n";
  if (!s.parking.empty()) t += "atc_parking_codes=" + s.parking + "\n";
  return t + "texture=\n\n";
}

class AircraftIdTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    simver = 10;
  }
  // An aircraft folder under the layout of simver 10, spelled on disk as given.
  void WriteAircraft(const std::string& folder, const std::string& cfg_text,
                     const std::string& layout = "SimObjects/Airplanes/", const std::string& file = "aircraft.cfg") {
    WriteText(layout + folder + "/" + file, "[General]\natc_type=ORVANTEL\n\n" + cfg_text);
  }
  // Writes one aircraft folder with the given sections and identifies `title` in it.
  int32_t Identify(const std::string& title, const std::string& sections) {
    WriteAircraft("A", sections);
    aircraft = title;
    return FindAircraftCfg();
  }
};

// A freighter's title silences the cabin once, on the first title known: an empty title waits.
TEST_F(StateTest, FreighterTitleSilencesTheCabinOnceTheTitleIsKnown) {
  std::tie(play_announcements, aircraft) = std::tuple(1, "");
  ApplyFreighterTitleRuleOnFirstTitle();
  EXPECT_EQ(freighter_rule_applied, 0);
  aircraft = "orvantel 757-200sf cargo";
  ApplyFreighterTitleRuleOnFirstTitle();
  EXPECT_EQ(std::tuple(freighter_rule_applied, play_announcements), std::tuple(1, 0));
  play_announcements = 1;  // the crew turns them back on: the rule does not run again
  ApplyFreighterTitleRuleOnFirstTitle();
  EXPECT_EQ(play_announcements, 1);
}

// The simulator version from the entries of the simulator folder (a trailing "/" makes a folder);
// a missing folder leaves the version.
TEST_F(StateTest, SimulatorVersionScoresTheSimulatorFolder) {
  for (const auto& [entries, expected] : std::vector<std::pair<std::vector<std::string>, int32_t>>{
           {{"FSX.EXE"}, 10}, {{"ACE.EXE", "simobjects/", "MISSIONS/"}, 10}, {{"ace.exe", "SimObjects/"}, 9},
           {{"fsx.cfg", "prepar3d.ini", "SimObjects.txt/"}, 9}}) {
    testing_support::TempDir root;
    for (const std::string& e : entries) e.back() == '/' ? root.MakeDir(e) : root.Write(e, "");
    SetSimRoot(root.path());
    simver = 9;
    DetectSimVersion();
    EXPECT_EQ(simver, expected) << entries[0];
  }
  SetSimRoot(dir_ / "gone");
  simver = 10;
  DetectSimVersion();
  EXPECT_EQ(simver, 10);
}

// Each airframe and engine variant from the "model=" and "sim=" values, with mixed case on disk and
// in the file (the simulator reports the title, lower-cased by the server).
TEST_F(AircraftIdTest, IdentifiesEngineAndAirframe) {
  // Model, sim, then the result and the engine / airframe found.
  for (const auto& [model, sim, result, found] :
       {std::tuple{"RO757_PW_200", "ro757-200", 1, "PW2043 / 757 - 200"},
        std::tuple{"ro757_rr_300", "Ro757-300", 1, "RB211-535E4B / 757 - 300"},
        std::tuple{"ro757_c32a", "ro757-300", 1, "PW2043 / 757 - 300"},
        std::tuple{"ro757_pw_300", "ro757-300-PW2037", 1, "PW2037 / 757 - 300"},
        std::tuple{"somebody_elses_757", "ro757-200", 0, "RB211-535E4B / 757 - 200"},
        std::tuple{"ro757_pw_200", "", 0, "RB211-535E4B / 757 - 200"}}) {
    Restart();
    simver = 10;
    WriteAircraft("ORVANTEL 757 Test", SectionText(0, {"Orvantel 757 Test", sim, model}), "SIMOBJECTS/airplanes/",
                  "AIRCRAFT.CFG");
    aircraft = "orvantel 757 test";
    EXPECT_EQ(FindAircraftCfg(), result) << model << " " << sim;
    EXPECT_EQ(engine_type + " / " + aircraft_model, found) << model;
  }
}

// The older layout looks under "aircraft" only; the first folder in listing order wins; a classic
// panel tells the server.
TEST_F(AircraftIdTest, FoldersSearched) {
  WriteAircraft("b plane", SectionText(0, {"orvantel", "x", "ro757_rr535c_200"}));
  WriteAircraft("A Plane", SectionText(0, {"orvantel", "x", "ro757_pw_200"}));
  aircraft = "orvantel";
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type, "PW2043");
  simver = 9;
  EXPECT_EQ(FindAircraftCfg(), 0);
  WriteAircraft("Orvantel", SectionText(0, {"orvantel", "ro757", "ro757_rr535c_200", "ro757_classic"}), "aircraft/");
  host_.SetNamed("ov_panelstatus_init", 0.0);
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type + " " + std::to_string(host_.Named("ov_panelstatus_init")), "RB211-535C 1.000000");
}

// Which sections match: blanks around the title's "=" are cut, but blanks only after it stay and
// miss; a section needs "panel=" and lies after a header; over-long lines do no harm.
TEST_F(AircraftIdTest, WhichSectionsMatch) {
  const std::pair<const char*, int32_t> cases[] = {
      {"[fltsim.0]\n  Title = Orvantel  \nsim=x\nmodel=ro757_pw_200\npanel=\n", 1},
      {"[fltsim.0]\ntitle= Orvantel\nsim=x\nmodel=ro757_pw_200\npanel=\n", 0},
      {"[fltsim.0]\ntitle=orvantel\nsim=ro757-300\nmodel=ro757_pw_200\n", 0}};
  for (auto [sections, result] : cases) {
    Restart();
    simver = 10;
    EXPECT_EQ(Identify("orvantel", sections), result) << sections;
    EXPECT_EQ(engine_type, result == 1 ? "PW2043" : "RB211-535E4B") << sections;
  }
  EXPECT_EQ(Identify("orvantel", "[fltsim.0]\ntitle=" + std::string(3000, 'x') + "\n" +
                                     SectionText(1, {"orvantel", "x", "ro757_pw_200"})),
            1);
  WriteText("SimObjects/Airplanes/A/aircraft.cfg", "title=orvantel\nsim=x\nmodel=ro757_pw_200\npanel=\n[fltsim.0]\n");
  EXPECT_EQ(FindAircraftCfg(), 0);  // lines before the first section
  // A byte order mark an editor saved before the first section hides nothing.
  WriteText("SimObjects/Airplanes/A/aircraft.cfg", "\xEF\xBB\xBF[fltsim.0]\ntitle=orvantel\nsim=x\nmodel=ro757_pw_200\npanel=\n");
  EXPECT_EQ(FindAircraftCfg(), 1);
}

// Without "model=" the section still matches (its other values apply), but the model is unknown, so
// the caller tries again.
TEST_F(AircraftIdTest, SectionWithoutModelMatchesAndIsRetried) {
  dir_.MakeDir("Orvantel/Sounds/RiVod/ORV");
  EXPECT_EQ(Identify("orvantel", SectionText(0, {"orvantel", "ro757-300", "", "", "ORV"}) +
                                     SectionText(1, {"other", "ro757-200", "ro757_pw_200"})),
            0);
  EXPECT_EQ(aircraft_model + " " + pa_airline_code + " " + engine_type, "757 - 300 orv RB211-535E4B");
}

// The airline code names an existing announcement folder only: no other folder, no path out of
// it, nothing over 59 characters.
TEST_F(AircraftIdTest, AirlineCodeNamesAnExistingAnnouncementFolderOnly) {
  const std::string a59(59, 'a'), a60(60, 'a');
  // The folder on disk, the code in the file, the code taken.
  for (const auto& [folder, code, expected] : {std::tuple{std::string("ORV"), std::string("ORV"), std::string("orv")},
                                               {"", "ORV", ""}, {a59, a59, a59}, {a60, a60, ""},
                                               {"", "..\\RiVod\\Other", ""}}) {
    Restart();
    simver = 10;
    std::filesystem::remove_all(dir_ / "Orvantel/Sounds/RiVod");
    dir_.MakeDir("Orvantel/Sounds/RiVod/Other");
    if (!folder.empty()) dir_.MakeDir("Orvantel/Sounds/RiVod/" + folder);
    pa_airline_code = "earlier";
    Identify("orvantel", SectionText(0, {"orvantel", "x", "ro757_pw_200", "", code}));
    EXPECT_EQ(pa_airline_code, expected) << code;
  }
}

// Calls made before the title is known do not count; ten scans, then the answer is 1 without a scan.
TEST_F(AircraftIdTest, AttemptsStopAfterTenScans) {
  for (int i = 0; i < 15; ++i) EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(acfg_attempts, 0);
  aircraft = "orvantel";
  for (int i = 0; i < 10; ++i) EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(acfg_attempts, 10);
  WriteAircraft("A", SectionText(0, {"orvantel", "x", "ro757_pw_200"}));
  EXPECT_EQ(FindAircraftCfg() + FindAircraftCfg(), 2);
  EXPECT_EQ(engine_type + std::to_string(acfg_attempts), "RB211-535E4B11");  // one more count, no scan
}

// A title known after start-up, or a panel state saved on the other engine family, leaves the
// reference EPR of the selected mode on this engine's scale (TO at the assumed temperature).
TEST_F(AircraftIdTest, ReferenceEprFollowsTheEngineFamily) {
  InitThrustLimitTables();
  std::tie(tmsp, to_epr_temp_sel, epr_bug) = std::tuple(1, 50.0, 1.70);
  Identify("orvantel", SectionText(0, {"orvantel", "x", "ro757_pw_200"}));
  EXPECT_NEAR(epr_bug, 1.0 + 0.70 / 0.9 * 0.5, 1e-9);
  WriteText("Orvantel/PanelStates/rb.pnl", "tmsp=3\nepr_bug=1.68\n");
  ASSERT_EQ(LoadPanelState("rb.pnl"), 1);
  EXPECT_NEAR(epr_bug_2, 1.0 + 0.68 / 0.9 * 0.5, 1e-9);
}

}  // namespace
