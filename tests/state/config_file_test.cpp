#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "state/config_file.h"
#include "state/config_globals.h"
#include "state/state_fixture.h"

namespace {

using ConfigFileTest = StateTest;

TEST_F(ConfigFileTest, MissingFileKeepsBuiltInsAndStillDerives) {
  ReadConfigFile();

  EXPECT_EQ(cfg_loaded, 1);
  EXPECT_EQ(EadiMode, 0);
  EXPECT_EQ(TcasVertRange, 30);
  EXPECT_EQ(IrsAlignSecs, 300);  // already ticks
  EXPECT_EQ(eadi_gnd_color_b, 280);
  EXPECT_EQ(VolumeStbyAttSpool, 300);
  EXPECT_EQ(cost_index, -1);
  EXPECT_EQ(simver, 9);
  EXPECT_EQ(display_font, "Orvantel757");
  EXPECT_EQ(weight_unit, "LBS");
  EXPECT_EQ(wind_vector_deg_var, "TRUE");
  EXPECT_EQ(ClimbIas, 280);
  EXPECT_EQ(climb_ias, 280);
  // Mach limits from the PERF LIMITS speeds at 30000 ft; reference TAS at 15000 ft.
  EXPECT_NEAR(clb_min_mach, 0.4388, 1e-4);
  EXPECT_NEAR(clb_max_mach, 0.7313, 1e-4);
  EXPECT_NEAR(crz_min_mach, 0.5607, 1e-4);
  EXPECT_NEAR(crz_max_mach, 0.8045, 1e-4);
  EXPECT_NEAR(des_min_mach, 0.4388, 1e-4);
  EXPECT_NEAR(des_max_mach, 0.7313, 1e-4);
  EXPECT_DOUBLE_EQ(climb_tas, 343.0);
  EXPECT_DOUBLE_EQ(descent_tas, 355.25);
  EXPECT_EQ(navdata_cycle, "");
  EXPECT_EQ(navdata_valid, "");
}

TEST_F(ConfigFileTest, LastLineOfAKeyWinsWhateverItsCase) {
  WriteConfig("EadiMode=1\neadimode=0\nEADIMODE=2\nFlchMinIas=150\nflchminias=160\n");
  ReadConfigFile();
  EXPECT_EQ(EadiMode, 2);
  EXPECT_EQ(FlchMinIas, 160);
}

TEST_F(ConfigFileTest, BlanksBeforeTheEqualsSignHideTheKey) {
  WriteConfig("EadiMode = 1\nEadiFMA =1\nFlightDirectorType= 1\n");
  ReadConfigFile();
  EXPECT_EQ(EadiMode, 0);            // key read as "EadiMode*"
  EXPECT_EQ(EadiFMA, 0);
  EXPECT_EQ(FlightDirectorType, 1);  // a blank after "=" is only leading white space of the value
}

TEST_F(ConfigFileTest, CommentsBlankLinesAndUnknownKeysAreSkipped) {
  WriteConfig(";EadiMode=1\n\n   \nNoSuchKey=5\n=7\nEfisLinesize=2\n");
  ReadConfigFile();
  EXPECT_EQ(EadiMode, 0);
  EXPECT_EQ(EfisLinesize, 2);
}

TEST_F(ConfigFileTest, KeyWithoutAValueReadsEmpty) {
  WriteConfig("EfisLinesize\nClbSpdRest=\nWeightUnit\nEADISkyColor=\nPfdSkyColor\nIrs\nsimver\n");
  ReadConfigFile();
  EXPECT_EQ(EfisLinesize, 0);
  EXPECT_EQ(ClbSpdRest, 0.0);
  EXPECT_EQ(weight_unit, "");
  EXPECT_EQ(eadi_sky_color_r, 40);  // colours keep their values
  EXPECT_EQ(pfd_sky_color_b, 238);
  EXPECT_EQ(simver, 9);
}

// A line longer than a read arrives in pieces, each taken as a line: the tail of a long comment
// is read as a key line.
TEST_F(ConfigFileTest, OverLongLineIsReadInPieces) {
  WriteConfig(";" + std::string(297, 'x') + "EadiMode=1\nPanelState=" + std::string(5000, 'a') + "\n");
  ReadConfigFile();
  EXPECT_EQ(EadiMode, 1);
  EXPECT_EQ(PanelState, std::string(298 - 11, 'a'));
}

struct IntKeyCase {
  const char* line;
  int32_t* global;
  int32_t expected;
};

class ConfigIntKeyTest : public StateTest, public ::testing::WithParamInterface<IntKeyCase> {};

TEST_P(ConfigIntKeyTest, StoresTheConvertedValue) {
  WriteConfig(std::string(GetParam().line) + "\n");
  ReadConfigFile();
  EXPECT_EQ(*GetParam().global, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConfigIntKeyTest,
    ::testing::Values(
        IntKeyCase{"TcasVertRange=900", &TcasVertRange, 30}, IntKeyCase{"TcasVertRange=4000", &TcasVertRange, 40},
        IntKeyCase{"TcasVertRange=4550", &TcasVertRange, 45},
        IntKeyCase{"AltWinRightClickIncr=1050", &AltWinRightClickIncr, 1000},
        IntKeyCase{"AltWinRightClickIncr=50", &AltWinRightClickIncr, 0},
        IntKeyCase{"IrsAlignSecs=60", &IrsAlignSecs, 1080},
        IntKeyCase{"IrsAlignSecs=999999999", &IrsAlignSecs, INT32_MAX},
        IntKeyCase{"simver=7", &simver, 9}, IntKeyCase{"simver=11", &simver, 10},
        IntKeyCase{"simver=10", &simver, 10}, IntKeyCase{"CostIndex=45.9", &cost_index, 45},
        IntKeyCase{"CostIndex=-3.7", &cost_index, -3}, IntKeyCase{"CostIndex=1e20", &cost_index, INT32_MAX},
        IntKeyCase{"VolumeGpws=0", &VolumeGpws, 0}, IntKeyCase{"EfisLinesize=12abc", &EfisLinesize, 12},
        IntKeyCase{"EfisLinesize=-7", &EfisLinesize, -7}, IntKeyCase{"EfisLinesize=+5", &EfisLinesize, 5},
        IntKeyCase{"EfisLinesize=x", &EfisLinesize, 0},
        IntKeyCase{"EfisLinesize=99999999999", &EfisLinesize, INT32_MAX},
        IntKeyCase{"EfisLinesize=-99999999999", &EfisLinesize, INT32_MIN},
        IntKeyCase{"V1=\t140", &cfg_v1, 140}, IntKeyCase{"LiteMode=1", &DisplayLdgChkLst, 1},
        IntKeyCase{"LiteMode=1\nDisplayLdgChkLst=0", &DisplayLdgChkLst, 0},
        IntKeyCase{"DisplayLdgChkLst=0\nLiteMode=1", &DisplayLdgChkLst, 0},
        IntKeyCase{"1xAtTod=1", &Arm1xAtTod, 1}, IntKeyCase{"PauseAtTod=0", &ArmPauseAtTod, 1}));

struct F64KeyCase {
  const char* value;
  double expected;
};

class ConfigF64KeyTest : public StateTest, public ::testing::WithParamInterface<F64KeyCase> {};

TEST_P(ConfigF64KeyTest, TakesTheLongestLeadingDecimalNumber) {
  WriteConfig(std::string("ClbAltRest=") + GetParam().value + "\n");
  ReadConfigFile();
  EXPECT_DOUBLE_EQ(ClbAltRest, GetParam().expected);
}

// Numbers a double cannot hold, and the "inf", "nan" and hexadecimal forms, give 0.0: nothing that
// would turn into an infinity or NaN downstream.
INSTANTIATE_TEST_SUITE_P(Values, ConfigF64KeyTest,
                         ::testing::Values(F64KeyCase{"2.5e3", 2500.0}, F64KeyCase{"-.5", -0.5},
                                           F64KeyCase{"7.", 7.0}, F64KeyCase{"12000ft", 12000.0},
                                           F64KeyCase{"1e", 1.0}, F64KeyCase{"1e+", 1.0},
                                           F64KeyCase{".", 0.0}, F64KeyCase{"inf", 0.0},
                                           F64KeyCase{"nan", 0.0}, F64KeyCase{"0x10", 0.0},
                                           F64KeyCase{"1e999", 0.0}, F64KeyCase{"-1e999", 0.0}));

TEST_F(ConfigFileTest, PauseAtDistanceTakesOnlyPositiveDistances) {
  WriteConfig("PauseAtDistFromDest=0\n");
  ReadConfigFile();
  EXPECT_EQ(pause_at_dist_on, 0);
  EXPECT_EQ(PauseAtDistFromDest, 20);
  EXPECT_EQ(ArmPauseAtDistFromDest, 0);

  WriteConfig("PauseAtDistFromDest=35\n");
  ReadConfigFile();
  EXPECT_EQ(pause_at_dist_on, 1);
  EXPECT_EQ(PauseAtDistFromDest, 35);
  EXPECT_EQ(ArmPauseAtDistFromDest, 1);
}

TEST_F(ConfigFileTest, EachIasKeySetsItsOwnSpeedAndDefault) {
  WriteConfig("ClimbIas=250\nDescentIas=270\nCruiseIas=310\n");
  ReadConfigFile();
  EXPECT_EQ(climb_ias, 250);
  EXPECT_EQ(ClimbIas, 250);
  EXPECT_EQ(descent_ias, 270);
  EXPECT_EQ(DescentIas, 270);
  EXPECT_EQ(cruise_ias, 310);
  EXPECT_EQ(CruiseIas, 310);
  EXPECT_DOUBLE_EQ(climb_tas, 306.25);  // from the speeds the file left
  EXPECT_DOUBLE_EQ(descent_tas, 330.75);
}

struct ColourCase {
  const char* value;
  int32_t r, g, b;
};

class ConfigColourTest : public StateTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ConfigColourTest, SetsTheComponentsReached) {
  WriteConfig(std::string("EADISkyColor=") + GetParam().value + "\n");
  ReadConfigFile();
  EXPECT_EQ(eadi_sky_color_r, GetParam().r);
  EXPECT_EQ(eadi_sky_color_g, GetParam().g);
  EXPECT_EQ(eadi_sky_color_b, GetParam().b);
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigColourTest,
                         ::testing::Values(ColourCase{"10, 20, 30", 10, 20, 30}, ColourCase{"10,20,30", 10, 20, 30},
                                           ColourCase{"10,20", 10, 20, 197}, ColourCase{"200", 200, 117, 197},
                                           ColourCase{",5,6", 40, 117, 197}, ColourCase{"1,2,3,4", 1, 2, 3},
                                           ColourCase{"1,,3", 1, 117, 197}));

TEST_F(ConfigFileTest, TextKeysKeepTheirBlanksAndCaseUnlessUpperCased) {
  WriteConfig("DisplayFont=Orvantel Sans\nWeightUnit=kgs\nWindVectorDegVar=mag\nPanelState=Morning Gate\n");
  ReadConfigFile();
  EXPECT_EQ(display_font, "Orvantel Sans");
  EXPECT_EQ(weight_unit, "KGS");
  EXPECT_EQ(wind_vector_deg_var, "MAG");
  EXPECT_EQ(PanelState, "Morning Gate");
}

TEST_F(ConfigFileTest, OverLongFontNameIsCut) {
  WriteConfig("DisplayFont=" + std::string(80, 'F') + "\n");
  ReadConfigFile();
  EXPECT_EQ(display_font, std::string(51, 'F'));
}

class ConfigFreighterTitleTest : public StateTest,
                           public ::testing::WithParamInterface<std::pair<const char*, int32_t>> {};

TEST_P(ConfigFreighterTitleTest, AnnouncementsFollowTheTitle) {
  aircraft = GetParam().first;
  WriteConfig("PlayAnnouncements=1\n");
  ReadConfigFile();
  EXPECT_EQ(play_announcements, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Titles, ConfigFreighterTitleTest,
                         ::testing::Values(std::make_pair("orvantel 757-200f cargo", 0),
                                           std::make_pair("orvantel 757-200sf", 0),
                                           std::make_pair("orvantel 757-200 house", 1),
                                           std::make_pair("", 1)));

// The navigation data header.

TEST_F(ConfigFileTest, AiracHeaderGivesCycleAndValidity) {
  WriteText("Orvantel/Navdata/navs.txt",
            "; Radio navaids\nSEA SEATTLE 47.4354 -122.3097 VOR 116.80\n"
            ";airac CYCLE : 2401 (25-JAN TO 21-FEB-2024)\n"
            ";AIRAC CYCLE : 2402 (22-FEB TO 20-MAR-2024)\n");
  ReadConfigFile();
  EXPECT_EQ(navdata_cycle, "AIRAC 2401");
  EXPECT_EQ(navdata_valid, "JAN25FEB21/24");
}

TEST_F(ConfigFileTest, OverLongHeaderTokensAreCut) {
  WriteText("Orvantel/Navdata/navs.txt",
            ";AIRAC CYCLE : " + std::string(100, '9') + " (25-JAN" + std::string(100, 'x') + " TO 21-FEB-2024)\n");
  ReadConfigFile();
  EXPECT_EQ(navdata_cycle, "AIRAC " + std::string(39, '9'));
  EXPECT_EQ(navdata_valid, "JAN25FEB21/24");
}

class ShortAiracHeaderTest : public StateTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShortAiracHeaderTest, LeavesBothTextsEmpty) {
  WriteText("Orvantel/Navdata/navs.txt", std::string(GetParam()) + "\n");
  ReadConfigFile();
  EXPECT_EQ(navdata_cycle, "");
  EXPECT_EQ(navdata_valid, "");
}

INSTANTIATE_TEST_SUITE_P(Headers, ShortAiracHeaderTest,
                         ::testing::Values(";AIRAC CYCLE : 2401 (25-JA TO 21-FEB-2024)",
                                           ";AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-202",
                                           ";AIRAC CYCLE : 2401", ";AIRAC", "AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-2024)"));

}  // namespace
