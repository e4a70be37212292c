#include "host/scenario.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using simhost::CommandKind;
using simhost::Scenario;
using simhost::VarKind;

Scenario Parse(const std::string& text) {
  Scenario s;
  std::string error;
  EXPECT_TRUE(simhost::ParseScenario(text, "t.scn", &s, &error)) << error;
  return s;
}

TEST(ScenarioParse, TimedCommandsRunFramesUpToTheirFrame) {
  Scenario s = Parse(
      "# start-up values\n"
      "set token 61 250.5\n"
      "set expr \"(A:TOTAL WEIGHT, pounds)\" 210000   # trailing comment\n"
      "at 10 key 0x101F5 200\n"
      "at 10 print named ias_show\n"
      "frames 5\n"
      "at 40 window show 5000\n");
  ASSERT_EQ(s.commands.size(), 8u);
  EXPECT_EQ(s.commands[0].id, 61u);
  EXPECT_EQ(s.commands[0].value, 250.5);
  EXPECT_EQ(s.commands[2].kind, CommandKind::kFrames);
  EXPECT_EQ(s.commands[2].count, 10);
  EXPECT_EQ(s.commands[3].kind, CommandKind::kKey);
  EXPECT_EQ(s.commands[3].id, 0x101F5u);
  EXPECT_EQ(s.commands[4].kind, CommandKind::kPrint);  // same frame: no frames in between
  EXPECT_EQ(s.commands[6].count, 25);
  EXPECT_EQ(s.commands[7].kind, CommandKind::kWindow);
  EXPECT_EQ(s.commands[7].line, 7);
  EXPECT_EQ(s.frames, 40);
  EXPECT_EQ(s.frame_rate, 18);
  EXPECT_EQ(Parse("set token 61 250\nfps 60\nframes 3\n").frame_rate, 60);
}

// Clicks take an optional parameter and button; CR LF ends a line, and blank lines are passed over.
// (What the example scenarios use, the cdu typing, FSUIPC and traffic among it, the golden runs pin.)
TEST(ScenarioParse, ClicksTakeAnOptionalParameterAndButton) {
  Scenario s = Parse(
      "\r\n  \t\r\nclick FMS 120 700\r\n"
      "click FMS VC 120 700 right\n"
      "clickfn EFIS_CTRL \"\" 3\n"
      "snapshot FMS_NB WN cdu.png\n"
      "snapshot ND\n"
      "set text \"(A:TITLE,string)\" \"Orvantel 757-200 \\\"House\\\"\"\n"
      "set tokentext 47 \"SEA\"\n"
      "tcas clear\n"
      "gps add KSEA 47.45 -122.311 433\n");
  ASSERT_EQ(s.commands.size(), 9u);
  EXPECT_EQ(s.commands[0].parameter, "");
  EXPECT_EQ(s.commands[0].mouse_flags, gauge::kMouseLeftSingle);
  EXPECT_EQ(s.commands[1].parameter, "VC");
  EXPECT_EQ(s.commands[1].mouse_flags, gauge::kMouseRightSingle);
  EXPECT_EQ(s.commands[2].function, 3);
  EXPECT_EQ(s.commands[3].text, "cdu.png");
  EXPECT_EQ(s.commands[4].text, "");
  EXPECT_EQ(s.commands[5].text, "Orvantel 757-200 \"House\"");
  EXPECT_EQ(s.commands[6].kind, CommandKind::kSetTokenText);
  EXPECT_EQ(s.commands[6].id, 47u);
  EXPECT_EQ(s.commands[6].text, "SEA");
  EXPECT_EQ(s.commands[7].tcas, simhost::TcasAction::kClear);
  const simhost::GpsWaypointSpec& w = s.commands[8].waypoint;
  EXPECT_EQ(std::tuple(w.ident, w.lat, w.lon, w.alt_ft), std::tuple("KSEA", 47.45, -122.311, 433.0));
}

TEST(ScenarioParse, CduWordsWithoutAKeyAreRejected) {
  Scenario s;
  std::string error;
  EXPECT_FALSE(simhost::ParseScenario("cdu LEGS KS#A\n", "t.scn", &s, &error));
  EXPECT_FALSE(simhost::ParseScenario("cdu K_SEA\n", "t.scn", &s, &error));
  EXPECT_EQ(error, "t.scn:1: 'K_SEA' is neither a CDU key nor text the CDU keys can type");
  EXPECT_FALSE(simhost::ParseScenario("cdu\n", "t.scn", &s, &error));
  EXPECT_FALSE(simhost::ParseScenario("cdu =\n", "t.scn", &s, &error));
}

TEST(ScenarioParse, PanelLinesPlaceInstancesInTheirWindows) {
  Scenario s = Parse(
      "panel default\n"
      "gauge FMS_NB WN\n"
      "gauge ND VC\n"
      "gauge EADI \"\" window 20000\n"
      "gauge SERVER WN window 7\n"
      "gauge FP_EHSI WN size 400x240 window 3\n"
      "frames 1\n");
  EXPECT_TRUE(s.custom_panel);
  EXPECT_TRUE(s.default_panel);
  ASSERT_EQ(s.panel.size(), 5u);
  EXPECT_EQ(s.panel[4].entry.window, 3);
  EXPECT_EQ(s.panel[4].entry.size.width, 400);
  EXPECT_EQ(s.panel[4].entry.size.height, 240);
  EXPECT_EQ(s.panel[0].entry.size.width, 0);  // the canvas's aspect
  EXPECT_EQ(s.panel[0].entry.window, 5000);
  EXPECT_EQ(s.panel[2].entry.window, 20000);
  EXPECT_EQ(s.panel[3].entry.window, 7);
  EXPECT_EQ(s.panel[3].line, 5);
}

struct BadLine {
  const char* text;
  const char* message;  // expected "t.scn:LINE: ..." prefix of the error
};

TEST(ScenarioParse, MalformedLinesAreRejectedNamingFileAndLine) {
  const BadLine cases[] = {
      {"frames 2\njump 3\n", "t.scn:2: unknown command 'jump'"},
      {"click FMC 1 2\n", "t.scn:1: unknown gauge 'FMC'"},
      {"set token 61\n", "t.scn:1: missing value"},
      {"set token 61 fast\n", "t.scn:1: 'fast' is not a finite number"},
      {"set named x nan\n", "t.scn:1: 'nan' is not a finite number"},
      {"set token -1 3\n", "t.scn:1: '-1' is not a valid token id"},
      {"key 0x1zz\n", "t.scn:1: '0x1zz' is not a valid key event id"},
      {"key 5 1 2\n", "t.scn:1: unexpected '2' at the end of the line"},
      {"frames -4\n", "t.scn:1: 'frames' needs a count"},
      {"frames 99999999999\n", "t.scn:1: 'frames' needs a count"},
      {"at 20 frames 1\nat 5 key 1\n", "t.scn:2: frame 5 is already past"},
      {"at 3\n", "t.scn:1: 'at' needs a frame number"},
      {"at 3 at 4 key 1\n", "t.scn:1: 'at' cannot hold another 'at'"},
      {"set expr \"(A:TITLE,string) 3\n", "t.scn:1: unterminated quoted text"},
      {"click FMS 1\n", "t.scn:1: missing y"},
      {"snapshot ND ../x.png\n", "t.scn:1: snapshot file '../x.png' must be a plain name"},
      {"frames 1\ngauge ND\n", "t.scn:2: panel lines must come before the first command"},
      {"gauge SERVER WN\n", "t.scn:1: gauge 'SERVER' has no pop-up window"},
      {"set fsuipc 0x10000 1 3\n", "t.scn:1: '0x10000' is not an FSUIPC offset"},
      {"set fsuipc 0x32F8 3 1\n", "t.scn:1: '3' is not a byte count"},
      {"tcas fly\n", "t.scn:1: 'tcas' takes on, off, clear or add"},
      {"tcas add -1 0 0\n", "t.scn:1: an intruder's distance cannot be negative"},
      {"tcas add 5 10 100 9\n", "t.scn:1: '9' is not a threat index"},
      {"gps add KSEA 47.45\n", "t.scn:1: missing value"},
      {"gps add ABCDEFGHI 47 -122 0\n", "t.scn:1: a GPS waypoint's ident has 1 to 8 characters"},
      {"gps add KSEA 47 -190 0\n", "t.scn:1: a GPS waypoint lies at latitude -90 to 90"},
      {"click FMC 1 2\n", "t.scn:1: unknown gauge 'FMC'; did you mean 'FMS'? The gauges: SERVER, FMS, FMS_NB,"},
      {"set fsuipc 0x3300 8 1\n", "t.scn:1: FSUIPC offsets 0x3304 to 0x330B are read-only"},
      {"set fsuipc 0xFFFF 2 1\n", "t.scn:1: FSUIPC offset 0xFFFF with 2 bytes runs past the last offset 0xFFFF"},
      {"snapshot ND nd.jpg\n", "t.scn:1: snapshot file 'nd.jpg' must be a plain name ending in .png"},
      {"gauge ND size 358x0\n", "t.scn:1: '358x0' is not a surface size"},
      {"gauge ND WN size\n", "t.scn:1: expected 'window IDENT' or 'size WxH' after the gauge"},
      {"fps 0\n", "t.scn:1: 'fps' takes one number of frames a second, 1 to 1000"},
      {"fps 10 20\n", "t.scn:1: 'fps' takes one number"},
      {"at 5 key 1\nfps 10\n", "t.scn:2: 'fps' must come before the first frame runs"},
      {"fps 10\nfps 20\n", "t.scn:2: the frame rate is given twice"},
  };
  for (const BadLine& c : cases) {
    Scenario s;
    std::string error;
    EXPECT_FALSE(simhost::ParseScenario(c.text, "t.scn", &s, &error)) << c.text;
    EXPECT_EQ(error.rfind(c.message, 0), 0u) << "got: " << error;
  }
}

TEST(ScenarioParse, ByteOrderMarkIsSkippedAndFsuipcBesideTheIdentificationIsWritable) {
  Scenario s = Parse("\xEF\xBB\xBFset fsuipc 0x3300 4 1\nset fsuipc 0x330C 2 1\nsnapshot FP_EHSI WN\n");
  ASSERT_EQ(s.commands.size(), 3u);
  EXPECT_EQ(s.commands[0].offset, 0x3300u);
  EXPECT_EQ(s.commands[2].parameter, "WN");
}

TEST(ScenarioParse, MissingFileIsReported) {
  Scenario s;
  std::string error;
  EXPECT_FALSE(simhost::LoadScenarioFile("/nonexistent/x.scn", &s, &error));
  EXPECT_NE(error.find("/nonexistent/x.scn"), std::string::npos);
}

}  // namespace
