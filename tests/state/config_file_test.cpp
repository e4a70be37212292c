#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <utility>

#include "fmc/airspeed.h"
#include "fmc/fmc_globals.h"
#include "state/config_file.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "state/state_fixture.h"

namespace {

using ConfigFileTest = StateTest;

// Without a file the built-in values stay and the derived values still follow from them.
TEST_F(ConfigFileTest, MissingFileKeepsBuiltInsAndStillDerives) {
  ReadConfigFile();
  EXPECT_EQ(std::tuple(cfg_loaded, EadiMode, TcasVertRange, IrsAlignSecs, cost_index, simver),
            std::tuple(1, 0, 30, 300, -1, 9));
  // Mach limits from the PERF LIMITS speeds at 30000 ft; reference TAS at 15000 ft.
  EXPECT_NEAR(clb_min_mach, 0.4388, 1e-4);
  EXPECT_NEAR(crz_max_mach, 0.8045, 1e-4);
  for (const auto& [ias, mach] : {std::pair{clb_max_ias, clb_max_mach}, {crz_min_ias, crz_min_mach},
                                  {des_min_ias, des_min_mach}, {des_max_ias, des_max_mach}}) {
    EXPECT_DOUBLE_EQ(mach, ConvertIasToMach(ias, 30000.0)) << ias;
  }
  EXPECT_EQ(std::tuple(climb_tas, descent_tas, navdata_cycle + navdata_valid), std::tuple(343.0, 355.25, ""));
}

// The last line of a key wins whatever its case; comment, blank, unknown and key-less lines are
// skipped; blanks before "=" hide the key, blanks after it only lead the value; a key without "="
// or value reads empty, except colours, which keep theirs, and keys with a CDU entry, whose entry
// takes no empty speed.
TEST_F(ConfigFileTest, LineGrammar) {
  WriteConfig(
      "EadiMode=1\neadimode=0\nEADIMODE=2\n;FlchMinIas=1\n\n   \nNoSuchKey=5\n=7\nFlchMinIas=150\nflchminias=160\n"
      "EadiFMA =1\nFlightDirectorType= 1\nEfisLinesize\nClbSpdRest=\nWeightUnit\nEADISkyColor=\nsimver\n");
  ReadConfigFile();
  EXPECT_EQ(std::tuple(EadiMode, FlchMinIas, EadiFMA, FlightDirectorType), std::tuple(2, 160, 0, 1));
  EXPECT_EQ(std::tuple(EfisLinesize, ClbSpdRest, weight_unit, eadi_sky_color_r, simver), std::tuple(0, 250.0, "", 40, 9));
}

// A line longer than a read arrives in pieces, each taken as a line: the tail of a long comment
// is read as a key line. The font name is cut to its field.
TEST_F(ConfigFileTest, OverLongLineIsReadInPieces) {
  WriteConfig(";" + std::string(297, 'x') + "EadiMode=1\nPanelState=" + std::string(5000, 'a') + "\nDisplayFont=" +
              std::string(80, 'F') + "\n");
  ReadConfigFile();
  EXPECT_EQ(std::tuple(EadiMode, PanelState, display_font),
            std::tuple(1, std::string(298 - 11, 'a'), std::string(51, 'F')));
}

// Values out of range are rounded, limited or replaced as each key says; numbers beyond the range
// saturate; aliases and the lite mode's checklist default apply in file order.
TEST_F(ConfigFileTest, IntegerKeysAndTheirRanges) {
  for (const auto& [line, global, expected] : {
           std::tuple{"TcasVertRange=900", &TcasVertRange, 30}, {"AltWinRightClickIncr=1050", &AltWinRightClickIncr, 1000},
           {"AltWinRightClickIncr=-1000", &AltWinRightClickIncr, 500},
           {"IrsAlignSecs=999999999", &IrsAlignSecs, INT32_MAX}, {"IrsAlignSecs=-5", &IrsAlignSecs, 300},
           {"EfisLinesize=-99999999999", &EfisLinesize, INT32_MIN},
           {"simver=11", &simver, 10}, {"DisplayLdgChkLst=0\nLiteMode=1", &DisplayLdgChkLst, 0},
           {"MapModeDispHdgAlways=2", &MapModeDispHdgAlways, 0}, {"MapModeDispHdgAlways=1", &MapModeDispHdgAlways, 1},
           {"LiteMode=2", &lite_mode, 0}, {"LiteMode=-1", &lite_mode, 0}, {"LiteMode=1", &lite_mode, 1},
           {"LdgChecklist=2", &ldg_checklist, 0}, {"LdgChecklist=1", &ldg_checklist, 1},
           {"PlayAnnouncements=2", &play_announcements, 0}, {"PlayAnnouncements=1", &play_announcements, 1},
           {"UseDefAutoBrakes=2", &UseDefAutoBrakes, 0}, {"UseDefAutoBrakes=1", &UseDefAutoBrakes, 1},
           {"CostIndex=1e300", &cost_index, -1}, {"CostIndex=-2", &cost_index, -1},
           {"CostIndex=999.9", &cost_index, 999}}) {
    Restart();
    WriteConfig(std::string(line) + "\n");
    ReadConfigFile();
    EXPECT_EQ(*global, expected) << line;
  }
}

// Reals take the longest leading decimal number; numbers a double cannot hold, and the "inf", "nan"
// and hexadecimal forms, give 0.0: nothing that would turn into an infinity or NaN downstream (here
// 0.0 and 12 ft, below what the SPD/REST entry takes, keep the built-in altitude).
TEST_F(ConfigFileTest, RealKeysTakeTheLeadingDecimalNumber) {
  for (auto [value, expected] : {std::pair{"1500.5", 1500.5}, {"12e+", 10000.0}, {"25e2", 2500.0}, {"nan", 10000.0},
                                 {"-1e999", 10000.0}}) {
    Restart();
    WriteConfig(std::string("ClbAltRest=") + value + "\n");
    ReadConfigFile();
    EXPECT_DOUBLE_EQ(ClbAltRest, expected) << value;
  }
}

// A pause distance of 0 switches the pause off and keeps the default; the speeds set their own
// default and the reference TAS from what the file left.
TEST_F(ConfigFileTest, DerivedValues) {
  WriteConfig("PauseAtDistFromDest=0\n");
  ReadConfigFile();
  EXPECT_EQ(std::tuple(pause_at_dist_on, PauseAtDistFromDest, ArmPauseAtDistFromDest), std::tuple(0, 20, 0));
  WriteConfig("PauseAtDistFromDest=35\nDescentIas=270\n");
  ReadConfigFile();
  EXPECT_EQ(std::tuple(pause_at_dist_on, PauseAtDistFromDest, ArmPauseAtDistFromDest, descent_ias, descent_tas),
            std::tuple(1, 35, 1, 270, 330.75));
}

// Speeds the CDU would refuse, and a descent angle that descends nothing, keep the value before the
// line: VNAV never commands 0 kt or Mach 0, nor takes a T/D never placed as reached.
TEST_F(ConfigFileTest, SpeedsAndPathAngleOutOfRangeKeepTheirValues) {
  WriteConfig("ClimbIas=250\nClimbIas=0\nCruiseIas=-5\nDescentIas=501\nClimbMach=1.3\nCruiseMach=1.3\n"
              "DescentMach=\nVnavDescFPA=0\n");
  ReadConfigFile();
  EXPECT_EQ(std::tuple(climb_ias, ClimbIas, cruise_ias, descent_ias), std::tuple(250, 250, 300, 290));
  EXPECT_EQ(std::tuple(climb_mach, cruise_mach, descent_mach, VnavDescFPA), std::tuple(1.3, 0.78, 0.74, 2.75));
  WriteConfig("DescentIas=50\nCruiseMach=0.4\nClimbMach=0\nVnavDescFPA=-3\n");
  ReadConfigFile();
  EXPECT_EQ(std::tuple(descent_ias, DescentIas, cruise_mach, climb_mach, VnavDescFPA),
            std::tuple(50, 50, 0.4, 1.3, 2.75));
}

// Every numeric key of the table with the same values: blanks around "=" hide the key, a byte order
// mark before it hides nothing; a key the crew also types on the CDU takes only what that entry takes
// (a letter after the number gives that number, as on the page), and what it refuses keeps the
// built-in value (V1 999, VR 5, flaps 99 and a restriction of 10 kt were shown and flown; a text
// without a number set the cost index 0).
TEST_F(ConfigFileTest, EveryKeySweptWithTheSameValues) {
  const char* values[] = {"-500", "-20", "-1", "0", "1", "5", "10", "15", "20", "25", "30", "150X", "1O0", " 7",
                          "249", "250", "269", "270", "399", "400", "999", "1000", "2001", "18000", "99998", "1e9"};
  int32_t limited = 0;
  for (const ConfigKey& row : ConfigKeyTable()) {
    if (row.held == nullptr) continue;
    const auto held_after = [&](const std::string& text) {
      Restart();
      WriteConfig(text + "\n");
      ReadConfigFile();
      return row.held();
    };
    const std::string key(row.key);
    const double built_in = held_after(";");
    EXPECT_EQ(held_after(key + " = 7"), built_in) << key;
    EXPECT_EQ(held_after("\xEF\xBB\xBF" + key + "=7"), held_after(key + "=7")) << key;
    if (row.limit == nullptr) continue;
    ++limited;
    for (const char* v : values) {
      const double x = row.read(v);
      EXPECT_EQ(held_after(key + "=" + v), row.limit(x) ? x : built_in) << key << "=" << v;
    }
    for (const char* no_number : {"", "abc", "-", "X5"}) {
      EXPECT_EQ(held_after(key + "=" + no_number), built_in) << key << "=" << no_number;
    }
  }
  EXPECT_GE(limited, 19);
}

// Colours set the components the value reaches; the others keep their values.
TEST_F(ConfigFileTest, ColourKeysSetTheComponentsReached) {
  const std::pair<const char*, std::tuple<int32_t, int32_t, int32_t>> cases[] = {
      {",5,6", {40, 117, 197}}, {"1,2,3,4", {1, 2, 3}}, {"1,,3", {1, 117, 197}}};
  for (const auto& [value, rgb] : cases) {
    Restart();
    WriteConfig(std::string("EADISkyColor=") + value + "\n");
    ReadConfigFile();
    EXPECT_EQ(std::tuple(eadi_sky_color_r, eadi_sky_color_g, eadi_sky_color_b), rgb) << value;
  }
}

// The navigation data header: the first ";AIRAC" line of navs.txt, without regard to case, gives
// the cycle and validity; over-long tokens are cut; date tokens too short for their cuts leave only
// the validity empty.
TEST_F(ConfigFileTest, AiracHeaderGivesCycleAndValidity) {
  WriteText("Orvantel/Navdata/navs.txt",
            "; Radio navaids\nSEA SEATTLE 47.4354 -122.3097 VOR 116.80\n;airac CYCLE : 2401 (25-JAN TO 21-FEB-2024)\n"
            ";AIRAC CYCLE : 2402 (22-FEB TO 20-MAR-2024)\n");
  ReadConfigFile();
  EXPECT_EQ(navdata_cycle + " " + navdata_valid, "AIRAC 2401 JAN25FEB21/24");
  WriteText("Orvantel/Navdata/navs.txt",
            ";AIRAC CYCLE : " + std::string(100, '9') + " (25-JAN" + std::string(100, 'x') + " TO 21-FEB-2024)\n");
  ReadConfigFile();
  EXPECT_EQ(navdata_cycle + " " + navdata_valid, "AIRAC " + std::string(39, '9') + " JAN25FEB21/24");
  const std::pair<const char*, const char*> cases[] = {
      {";AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-2024", "AIRAC 2401|JAN25FEB21/24"},
      {";AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-202", "AIRAC 2401|"},
      {";AIRAC CYCLE : 2401 (25-JA TO 21-FEB-2024)", "AIRAC 2401|"},
      {"AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-2024)", "|"}};
  for (const auto& [header, shown] : cases) {
    Restart();
    WriteText("Orvantel/Navdata/navs.txt", std::string(header) + "\n");
    ReadConfigFile();
    EXPECT_EQ(navdata_cycle + "|" + navdata_valid, shown) << header;
  }
}

}  // namespace
