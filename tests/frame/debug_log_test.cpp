#include "frame/debug_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "frame/frame_fixture.h"
#include "frame/server_gauge.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

// The log opens relative to the current directory: each test runs inside its own folder.
class DebugLogTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    saved_cwd_ = cwd;
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
  }
  void TearDown() override {
    ResetDebugLog();
    EXPECT_EQ(chdir(saved_cwd_.c_str()), 0);
    FrameTest::TearDown();
  }
  void OpenLog() {
    LogFlightData = 1;
    OpenDebugLogIfEnabled();
    ASSERT_NE(log_file, nullptr);
  }
  // The file's bytes so far (Windows text: lines end in CR LF).
  std::string Log() {
    if (log_file != nullptr) std::fflush(log_file);
    return ReadBytes(dir_ / "ze752_data.log");
  }
  // The first word of each line after the dump's route listing, or the mode word of a control line.
  std::vector<std::string> DumpKinds() {
    const std::string log = Log();
    std::istringstream lines(log.substr(log.rfind(std::string(86, '-')) + 88));
    std::vector<std::string> kinds;
    for (std::string line; std::getline(lines, line);) {
      std::string kind = line.substr(0, line.find(' '));
      for (const char* mode : {"FLCH", "VNAV"}) {
        if (line.find("  " + std::string(mode) + "  ") != std::string::npos) kind = mode;
      }
      kinds.push_back(kind);
    }
    return kinds;
  }

  TempDir dir_;
  std::string saved_cwd_;
};

// Kept as it is: without the log even the dump's reset of the two commands does not happen.
TEST_F(DebugLogTest, NothingIsOpenedOrWrittenWithLogFlightDataOff) {
  for (int value : {0, 2}) {
    LogFlightData = value;
    ServerGaugeCallback(nullptr, gauge::kPreInstall, 0);
    LogLine("x\n");
    vs_chg = 3;
    DumpFplVnavLog();
    EXPECT_EQ(log_file, nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ze752_data.log"));
    EXPECT_EQ(vs_chg, 3);
  }
}

TEST_F(DebugLogTest, EachLoadTruncatesTheLogAndAFailedOpenIsRetriedAtEveryServerCall) {
  dir_.MakeDir("ze752_data.log");  // a folder in the way: the open fails even for root
  LogFlightData = 1;
  ServerGaugeCallback(nullptr, gauge::kPreQuery, 0);
  EXPECT_EQ(log_file, nullptr);
  std::filesystem::remove(dir_ / "ze752_data.log");
  dir_.Write("ze752_data.log", "the previous flight\n");
  ServerGaugeCallback(nullptr, gauge::kPreQuery, 0);
  ASSERT_NE(log_file, nullptr);
  EXPECT_EQ(Log(), "PANEL_SERVICE_PRE_QUERY: \r\n\r\n");
}

struct DumpCase {
  const char* label;
  int32_t flch, vnav, autoland, app, loc;
  double radio_height;
  std::vector<std::string> kinds;
};

class DumpLineChoiceTest : public DebugLogTest, public ::testing::WithParamInterface<DumpCase> {};

// One control line (FLCH before VNAV before autoland from mode 2), then one approach line (APPR
// before LOC before the landing line below 20 ft), each a single line; the dump consumes the
// vertical-speed and autoland commands.
TEST_P(DumpLineChoiceTest, ModesPickTheLinesOfTheDump) {
  const DumpCase& c = GetParam();
  OpenLog();
  flch = c.flch;
  vnav = c.vnav;
  autoland_mode = c.autoland;
  app_mode = c.app;
  loc_mode = c.loc;
  radio_height = c.radio_height;
  vs_chg = 4;
  autoland_cmd = 9;
  DumpFplVnavLog();
  EXPECT_EQ(DumpKinds(), c.kinds);
  EXPECT_EQ(vs_chg, 0);
  EXPECT_EQ(autoland_cmd, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DumpLineChoiceTest,
    ::testing::Values(DumpCase{"FlchWinsOverVnav", 1, 1, 0, 0, 0, 500.0, {"FLCH"}},
                      DumpCase{"Vnav", 0, 1, 0, 0, 0, 500.0, {"VNAV"}},
                      DumpCase{"AutolandFromMode2", 0, 0, 2, 0, 0, 500.0, {"ALND"}},
                      DumpCase{"AutolandMode1", 0, 0, 1, 0, 0, 500.0, {}},
                      DumpCase{"ApproachWinsOverLocalizer", 0, 0, 0, 1, 1, 500.0, {"APPR"}},
                      DumpCase{"VnavAndLocalizer", 0, 1, 0, 0, 1, 500.0, {"VNAV", "LOC"}},
                      DumpCase{"LandingBelow20Ft", 0, 0, 0, 0, 0, 19.5, {"LND"}},
                      DumpCase{"NoLineAt20Ft", 0, 0, 0, 0, 0, 20.0, {}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
