#include "frame/debug_log.h"
#include "frame/panel_gauge_globals.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/frame_fixture.h"
#include "frame/frame_globals.h"
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
  // What the log holds so far, with the file's CR LF read back as "\n".
  std::string Log() {
    if (log_file != nullptr) std::fflush(log_file);
    std::string bytes = ReadBytes(dir_ / "ze752_data.log");
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
      out.push_back(bytes[i]);
    }
    return out;
  }
  // The log's lines after the dump's route listing and table header.
  std::string DumpLines() {
    const std::string log = Log();
    const std::string last_dashes = std::string(86, '-') + "\n";
    const size_t at = log.find(last_dashes);
    return at == std::string::npos ? log : log.substr(at + last_dashes.size());
  }

  // The kind of each dumped line: the control line's mode word or the approach line's label.
  std::vector<std::string> DumpKinds() {
    std::vector<std::string> kinds;
    std::istringstream lines(DumpLines());
    for (std::string line; std::getline(lines, line);) {
      std::string kind = line.substr(0, line.find(' '));
      if (line.find("  FLCH  ") != std::string::npos) kind = "FLCH";
      if (line.find("  VNAV  ") != std::string::npos) kind = "VNAV";
      kinds.push_back(kind);
    }
    return kinds;
  }

  TempDir dir_;
  std::string saved_cwd_;
};

TEST_F(DebugLogTest, NothingIsOpenedOrWrittenWithLogFlightDataOff) {
  for (int value : {0, 2}) {
    LogFlightData = value;
    ServerGaugeCallback(nullptr, gauge::kPreInstall, 0);
    LogLine("x\n");
    vs_chg = 3;
    autoland_cmd = 4;
    DumpFplVnavLog();
    EXPECT_EQ(log_file, nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ze752_data.log"));
    EXPECT_EQ(vs_chg, 3);  // the dump's reset needs the log as well
    EXPECT_EQ(autoland_cmd, 4);
  }
}

TEST_F(DebugLogTest, EachLoadTruncatesTheLogAndWritesWindowsLines) {
  dir_.Write("ze752_data.log", "the previous flight\n");
  OpenLog();
  LogLine("tick=%d\n", 5);
  std::fflush(log_file);
  EXPECT_EQ(ReadBytes(dir_ / "ze752_data.log"), "tick=5\r\n");
}

TEST_F(DebugLogTest, FailedOpenIsRetriedAtEveryServerCall) {
  dir_.MakeDir("ze752_data.log");  // a folder in the way: the open fails even for root
  LogFlightData = 1;
  ServerGaugeCallback(nullptr, gauge::kPreQuery, 0);
  EXPECT_EQ(log_file, nullptr);
  std::filesystem::remove(dir_ / "ze752_data.log");
  ServerGaugeCallback(nullptr, gauge::kPreQuery, 0);
  ASSERT_NE(log_file, nullptr);
  EXPECT_EQ(Log(), "PANEL_SERVICE_PRE_QUERY: \n\n");
}

TEST_F(DebugLogTest, ServerStartupWritesItsLifeCycleAndTcasAttempts) {
  LogFlightData = 1;
  simhost::GaugeInstance* s = Create("SERVER");
  Send(s, gauge::kPreInstall);
  Send(s, gauge::kPostUpdate);
  EXPECT_EQ(Log(),
            "PANEL_SERVICE_PRE_INSTALL: \n\n"
            "connect_stuff(): \n\n"
            "register_key_event_handler(): \n\n"
            "TCAS Connect Attempt-A == 1 - TCAS_LogicGaugeNotFound , tcas_flag=0 !\n"
            "PANEL_SERVICE_POST_UPDATE: \n\n"
            "tcas_serv == NULL\n"
            "tcas_server_connect=0 , tcas_flag=0\n"
            "TCAS Connect Attempt-B == 1 - TCAS_LogicGaugeNotFound , tcas_flag=0 !\n");
}

// Several values print with integer conversions: a Mach of 0.78 shows as 1.
TEST_F(DebugLogTest, ThrLogBlockPrintsItsValuesInTheirConversions) {
  OpenLog();
  tick18 = 812;
  plane_mach = 0.7834;
  ap_mach_bug = 0.78;
  WriteThrLog();
  const std::string log = Log();
  EXPECT_EQ(log.rfind("THR_LOG  ---------------------------- \ntick18=812\n", 0), 0u);
  EXPECT_NE(log.find("\nplane_mach=0.783\n"), std::string::npos);
  EXPECT_NE(log.find("\nap_mach_bug=1\n"), std::string::npos);
  EXPECT_NE(log.find("\neng2_throttle_pos=0.000\n"), std::string::npos);
}

TEST_F(DebugLogTest, RouteListingComesOnceWithTheActiveLegMarked) {
  OpenLog();
  fp_cnt = 1;
  stpos = 1;
  fms_fpln_act[0].ident = "KSEA";
  fms_fpln_act[0].lat = 47.449;
  fms_fpln_act[0].lon = -122.309;
  fms_fpln_act[1].ident = "SEA";
  fms_fpln_act[1].lat = 47.435278;
  fms_fpln_act[1].lon = -122.309722;
  fms_fpln_act[1].restr = 3;
  fms_fpln_act[1].ias = 250;
  fms_fpln_act[1].alt = 10000;
  radio_height = 500;
  DumpFplVnavLog();
  DumpFplVnavLog();
  EXPECT_EQ(Log(),
            "0 -    KSEA 47.449000 -122.309000 Restr=0,IAS=0, ALT 0 \n"
            "***1 -     SEA 47.435278 -122.309722 Restr=3,IAS=250, ALT 10000 \n" +
                std::string(85, '-') +
                "\n"
                "IAS   ACCEL PITCH RATE PITCH  MODE VS_CHG TRGT IAS  ALT  THR_POS VS SPDHLD_VS, SPDHLD_FLSH_CTR   "
                "VSBG  AP MODE\n" +
                std::string(86, '-') + "\n");
}

struct DumpCase {
  const char* label;
  int32_t flch, vnav, autoland, app, loc;
  double radio_height;
  std::vector<std::string> kinds;
};

class DumpLineChoiceTest : public DebugLogTest, public ::testing::WithParamInterface<DumpCase> {};

// One control line (FLCH before VNAV before autoland from mode 2), then one approach line (APPR
// before LOC before the landing line below 20 ft).
TEST_P(DumpLineChoiceTest, ModesPickTheLinesOfTheDump) {
  const DumpCase& c = GetParam();
  OpenLog();
  flch = c.flch;
  vnav = c.vnav;
  autoland_mode = c.autoland;
  app_mode = c.app;
  loc_mode = c.loc;
  radio_height = c.radio_height;
  DumpFplVnavLog();
  EXPECT_EQ(DumpKinds(), c.kinds);
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
                      DumpCase{"LandingBelowZero", 0, 0, 0, 0, 0, -9.0, {"LND"}},
                      DumpCase{"NoLineAt20Ft", 0, 0, 0, 0, 0, 20.0, {}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DebugLogTest, FlchLineCarriesItsValuesAndTheDumpConsumesTheCommands) {
  OpenLog();
  flch = 1;
  ias = 250.456;
  ias_trend = 0.5;
  flch_pitch_rate = -0.25;
  flch_pitch = -3.5;
  vs_chg = 4;
  target_ias = 260;
  target_mach = 0.7;
  plane_mach = 0.65;
  plane_alt = 12000;
  ap_alt_lock = 15000;
  vert_speed = 1800;
  spdhld_vs = 1500;
  spdhld_flsh_ctr = 7;
  host().SetToken(120, 2000.0);
  host().SetToken(103, 1.0);
  radio_height = 500;
  autoland_cmd = 9;
  DumpFplVnavLog();
  EXPECT_EQ(DumpLines(),
            "250.46   0.500   -0.250    -3.50  1  FLCH  4  [260.0]-I [0.700]-M (0.650)M (12000FT) [15000]-A   0-T  "
            "1800-VS {1500}-V 7 (2000-VSB) AP=1\n");
  EXPECT_EQ(vs_chg, 0);
  EXPECT_EQ(autoland_cmd, 0);
}

TEST_F(DebugLogTest, ApproachLineIsOneLineFromTwoWrites) {
  OpenLog();
  app_mode = 1;
  plane_lat = 47.5;
  plane_lon = -122.25;
  gs_capture = 1;
  radio_height = 2000;
  host().SetExpressionText("(A:NAV IDENT:1,string)", "ISNQ");
  host().SetExpression("(A:NAV ACTIVE FREQUENCY:1,MHz)", 110.3);
  DumpFplVnavLog();
  const std::string line = DumpLines();
  EXPECT_EQ(line.rfind("APPR  lat=47.500000 , lon=-122.250000 AP=0,", 0), 0u) << line;
  EXPECT_NE(line.find("Ident=ISNQ,freq=110.30,LOC=0, GS=0, LocCap=0,GsCap=1,VSP=0,cdi=0.00,vdi=0.00 ,VS=0 , "
                      "WS=0,WD=000 ,HW=0 , OnGnd=0 ,ABS=0\n"),
            std::string::npos)
      << line;
  EXPECT_EQ(line.find('\n'), line.size() - 1);
}

}  // namespace
