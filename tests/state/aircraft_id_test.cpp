#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "state/aircraft_id.h"
#include "state/config_globals.h"
#include "state/state_fixture.h"

namespace {

struct Section {
  std::string title, sim, model, panel = "", parking = "";
};

std::string SectionText(int n, const Section& s) {
  std::string t = "[fltsim." + std::to_string(n) + "]\n";
  t += "title=" + s.title + "\nsim=" + s.sim + "\n";
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
};

// Simulator version from the entries of the simulator folder.

struct RootCase {
  std::vector<std::string> entries;  // a trailing "/" makes a folder
  int32_t expected_simver;
};

class DetectSimVersionTest : public StateTest, public ::testing::WithParamInterface<RootCase> {};

TEST_P(DetectSimVersionTest, ScoresTheSimulatorFolder) {
  for (const std::string& e : GetParam().entries) {
    if (e.back() == '/') {
      dir_.MakeDir(e);
    } else {
      dir_.Write(e, "");
    }
  }
  DetectSimVersion();
  EXPECT_EQ(simver, GetParam().expected_simver);
}

INSTANTIATE_TEST_SUITE_P(
    Roots, DetectSimVersionTest,
    ::testing::Values(RootCase{{"fsx.exe"}, 10}, RootCase{{"Prepar3D.exe", "Orvantel/"}, 10},
                      RootCase{{"FSX.EXE"}, 10}, RootCase{{"ace.exe", "SimObjects/", "Missions/"}, 10},
                      RootCase{{"ACE.EXE", "simobjects/", "MISSIONS/", "fsx.exe"}, 10},
                      RootCase{{"SimObjects/", "Missions/"}, 9}, RootCase{{"ace.exe", "SimObjects/"}, 9},
                      RootCase{{"fsx.cfg", "prepar3d.ini", "SimObjects.txt/"}, 9}, RootCase{{}, 9}));

TEST_F(StateTest, MissingSimulatorFolderLeavesTheVersion) {
  SetSimRoot(dir_ / "gone");
  simver = 10;
  DetectSimVersion();
  EXPECT_EQ(simver, 10);
  simver = 9;
  DetectSimVersion();
  EXPECT_EQ(simver, 9);
}

// Variants from the "model=" and "sim=" values.

struct VariantCase {
  const char* model;
  const char* sim;
  const char* engine;
  const char* airframe;
  int32_t result;
};

class AircraftVariantTest : public AircraftIdTest, public ::testing::WithParamInterface<VariantCase> {};

TEST_P(AircraftVariantTest, IdentifiesEngineAndAirframe) {
  const VariantCase& c = GetParam();
  // Mixed case on disk and in the file; the simulator reports the title, lower-cased by the server.
  WriteAircraft("ORVANTEL 757 Test", SectionText(0, {"Orvantel 757 Test", c.sim, c.model}),
                "SIMOBJECTS/airplanes/", "AIRCRAFT.CFG");
  aircraft = "orvantel 757 test";
  EXPECT_EQ(FindAircraftCfg(), c.result);
  EXPECT_EQ(engine_type, c.engine);
  EXPECT_EQ(aircraft_model, c.airframe);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, AircraftVariantTest,
    ::testing::Values(VariantCase{"ro757_rr_200", "ro757-200", "RB211-535E4B", "757 - 200", 1},
                      VariantCase{"RO757_PW_200", "ro757-200", "PW2043", "757 - 200", 1},
                      VariantCase{"ro757_c32a", "ro757-200", "PW2043", "C-32A", 1},
                      VariantCase{"ro757_rr535c_200", "ro757-200", "RB211-535C", "757 - 200", 1},
                      VariantCase{"ro757_rr_300", "Ro757-300", "RB211-535E4B", "757 - 300", 1},
                      VariantCase{"ro757_c32a", "ro757-300", "PW2043", "757 - 300", 1},
                      VariantCase{"ro757_pw_300", "ro757-300-PW2037", "PW2037", "757 - 300", 1},
                      VariantCase{"ro757_pw_200", "ro757-200-pw2040", "PW2037", "757 - 200", 1},
                      VariantCase{"somebody_elses_757", "ro757-200", "RB211-535E4B", "757 - 200", 0},
                      VariantCase{"", "ro757-300", "RB211-535E4B", "757 - 300", 0},
                      VariantCase{"ro757_pw_200", "", "RB211-535E4B", "757 - 200", 0}));

TEST_F(AircraftIdTest, OlderLayoutLooksUnderAircraftOnly) {
  WriteAircraft("Orvantel", SectionText(0, {"orvantel", "ro757", "ro757_pw_200"}));
  aircraft = "orvantel";
  simver = 9;
  EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(engine_type, "RB211-535E4B");

  WriteAircraft("Orvantel", SectionText(0, {"orvantel", "ro757", "ro757_pw_200"}), "aircraft/");
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type, "PW2043");
}

TEST_F(AircraftIdTest, TitleWithBlanksAroundItsEqualsSignMatches) {
  WriteAircraft("A", "[fltsim.0]\n  Title = Orvantel 757 Test  \nsim=x\nmodel=ro757_pw_200\npanel=\n");
  aircraft = "orvantel 757 test";
  EXPECT_EQ(FindAircraftCfg(), 1);
}

TEST_F(AircraftIdTest, TitleWithBlanksOnlyAfterItsEqualsSignKeepsThemAndMisses) {
  WriteAircraft("A", "[fltsim.0]\ntitle= Orvantel 757 Test\nsim=x\nmodel=ro757_pw_200\npanel=\n");
  aircraft = "orvantel 757 test";
  EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(engine_type, "RB211-535E4B");
}

// Without "model=" the section still matches (its other values apply), but the model is unknown, so
// the caller tries again.
TEST_F(AircraftIdTest, SectionWithoutModelMatchesAndIsRetried) {
  dir_.MakeDir("Orvantel/Sounds/RiVod/ORV");
  WriteAircraft("A", SectionText(0, {"orvantel", "ro757-300", "", "", "ORV"}) +
                         SectionText(1, {"other", "ro757-200", "ro757_pw_200"}));
  aircraft = "orvantel";
  EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(aircraft_model, "757 - 300");
  EXPECT_EQ(pa_airline_code, "orv");
  EXPECT_EQ(engine_type, "RB211-535E4B");
}

TEST_F(AircraftIdTest, SectionWithoutPanelDoesNotMatch) {
  WriteAircraft("A", "[fltsim.0]\ntitle=orvantel\nsim=ro757-300\nmodel=ro757_pw_200\n");
  aircraft = "orvantel";
  EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(engine_type, "RB211-535E4B");
  EXPECT_EQ(aircraft_model, "757 - 200");
}

TEST_F(AircraftIdTest, LinesBeforeTheFirstSectionAreIgnored) {
  WriteText("SimObjects/Airplanes/A/aircraft.cfg", "title=orvantel\nsim=x\nmodel=ro757_pw_200\npanel=\n[fltsim.0]\n");
  aircraft = "orvantel";
  EXPECT_EQ(FindAircraftCfg(), 0);
}

TEST_F(AircraftIdTest, FirstFolderInListingOrderWins) {
  WriteAircraft("b plane", SectionText(0, {"orvantel", "x", "ro757_rr535c_200"}));
  WriteAircraft("A Plane", SectionText(0, {"orvantel", "x", "ro757_pw_200"}));
  aircraft = "orvantel";
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type, "PW2043");
}

TEST_F(AircraftIdTest, OverLongLinesAreReadInPiecesWithoutHarm) {
  WriteAircraft("A", "[fltsim.0]\ntitle=" + std::string(3000, 'x') + "\n" +
                         SectionText(1, {"orvantel", "x", "ro757_pw_200"}));
  aircraft = "orvantel";
  EXPECT_EQ(FindAircraftCfg(), 1);
}

TEST_F(AircraftIdTest, ClassicPanelSetsThePanelStatusVariable) {
  WriteAircraft("A", SectionText(0, {"orvantel", "x", "", "RO757_Classic"}));
  aircraft = "orvantel";
  FindAircraftCfg();
  EXPECT_EQ(host_.Named("ov_panelstatus_init"), 1.0);
  EXPECT_EQ(panelstatus_init_done, 1);
}

struct AirlineCase {
  std::string folder_on_disk;  // under Orvantel/Sounds/RiVod; empty for none
  std::string code;
  std::string expected;
};

class AirlineCodeTest : public AircraftIdTest, public ::testing::WithParamInterface<AirlineCase> {};

TEST_P(AirlineCodeTest, NamesAnExistingAnnouncementFolderOnly) {
  const AirlineCase& c = GetParam();
  dir_.MakeDir("Orvantel/Sounds/RiVod/Other");
  if (!c.folder_on_disk.empty()) dir_.MakeDir("Orvantel/Sounds/RiVod/" + c.folder_on_disk);
  WriteAircraft("A", SectionText(0, {"orvantel", "x", "ro757_pw_200", "", c.code}));
  aircraft = "orvantel";
  pa_airline_code = "earlier";
  FindAircraftCfg();
  EXPECT_EQ(pa_airline_code, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, AirlineCodeTest,
    ::testing::Values(AirlineCase{"ORV", "ORV", "orv"}, AirlineCase{"", "ORV", ""},
                      AirlineCase{std::string(59, 'a'), std::string(59, 'a'), std::string(59, 'a')},
                      AirlineCase{std::string(60, 'a'), std::string(60, 'a'), ""},
                      AirlineCase{"", "..", ""}, AirlineCase{"", "*", ""}, AirlineCase{"", "..\\RiVod\\Other", ""},
                      AirlineCase{"", "ot?er", ""}, AirlineCase{"", "/tmp", ""}));

// Calls made before the title is known do not count; ten scans, then the answer is 1 without a scan.
TEST_F(AircraftIdTest, AttemptsStopAfterTenScans) {
  for (int i = 0; i < 15; ++i) EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(acfg_attempts, 0);

  aircraft = "orvantel";
  for (int i = 0; i < 10; ++i) EXPECT_EQ(FindAircraftCfg(), 0);
  EXPECT_EQ(acfg_attempts, 10);

  WriteAircraft("A", SectionText(0, {"orvantel", "x", "ro757_pw_200"}));
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type, "RB211-535E4B");  // not scanned
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(acfg_attempts, 11);
}

TEST_F(AircraftIdTest, NameListsCanBeReplaced) {
  static constexpr std::string_view kPanels[] = {"my_panel"};
  static constexpr PwModelName kPw[] = {{"my_pw", true}};
  static constexpr RrModelName kRr[] = {{"my_rr", true}};
  static const AircraftNameLists kMine{kPanels, kPw, kRr};
  aircraft_name_lists = &kMine;
  WriteAircraft("A", SectionText(0, {"pw", "x", "my_pw", "my_panel"}) + SectionText(1, {"rr", "x", "my_rr"}) +
                         SectionText(2, {"stock", "x", "ro757_pw_200"}));
  aircraft = "pw";
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(aircraft_model, "C-32A");
  EXPECT_EQ(panelstatus_init_done, 1);
  aircraft = "rr";
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type, "RB211-535C");
  aircraft = "stock";
  EXPECT_EQ(FindAircraftCfg(), 0);

  ResetModuleState();
  EXPECT_EQ(aircraft_name_lists, &kOrvantelNameLists);
}

TEST(AircraftNameLists, OrvantelPackageHasTheListedShape) {
  const AircraftNameLists& l = kOrvantelNameLists;
  EXPECT_EQ(l.classic_panels.size(), 2u);
  EXPECT_EQ(l.pw_models.size(), 11u);
  EXPECT_EQ(std::count_if(l.pw_models.begin(), l.pw_models.end(), [](const PwModelName& m) { return m.c32a; }), 2);
  EXPECT_EQ(l.rr_models.size(), 13u);
  EXPECT_EQ(std::count_if(l.rr_models.begin(), l.rr_models.end(), [](const RrModelName& m) { return m.rb211_535c; }),
            4);
}

}  // namespace
