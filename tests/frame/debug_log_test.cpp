#include "frame/debug_log.h"
#include "frame/panel_gauge_globals.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

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

TEST_F(DebugLogTest, EachLoadTruncatesTheLog) {
  dir_.Write("ze752_data.log", "the previous flight\n");
  OpenLog();
  LogLine("tick=%d\n", 5);
  EXPECT_EQ(Log(), "tick=5\n");
  EXPECT_EQ(ReadBytes(dir_ / "ze752_data.log"), "tick=5\r\n");  // a Windows text file
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

TEST_F(DebugLogTest, ServerStartupWritesItsLifeCycleLines) {
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

TEST_F(DebugLogTest, ConnectedTcasAttemptIsLoggedValid) {
  OpenLog();
  host().tcas().Enable();
  connect_stuff();
  EXPECT_NE(Log().find("TCAS Connect Attempt-A == 0 - TCAS_Valid , tcas_flag=21 !\n"), std::string::npos);
}

TEST_F(DebugLogTest, ThrLogBlockListsItsValuesInOrder) {
  OpenLog();
  tick18 = 812;
  wind_speed = 25.4;
  wind_dir = 270;
  toc = 1;
  plane_alt = 35000;
  ias = 280.2;
  plane_mach = 0.7834;
  host().SetToken(123, 1.0);
  ap_mach = 1;
  ap_speed = 0;
  ap_spdbug = 290;
  ap_mach_bug = 0.78;
  vnav = 1;
  vnav_last_set_spd = 290;
  vnav_last_set_mach_spd = 0;
  cruise_ias = 300;
  target_mach = 0.78;
  cruise_mach = 0.8;
  WriteThrLog();
  EXPECT_EQ(Log(),
            "THR_LOG  ---------------------------- \n"
            "tick18=812\nwind_speed=25\nwind_dir=270\ntoc_reached=1\nplane_alt=35000\nias=280\n"
            "plane_mach=0.783\nat_arm=1\nap_mach=1\nap_speed=0\nap_spdbug=290\nap_mach_bug=1\nvnav_mode=1\n"
            "vnav_last_set_spd=290\nvnav_last_set_mach_spd=0\ncruise_ias=300\ntarget_mach=1\ncruise_mach=1\n"
            "eng1_throttle_pos=0.000\neng2_throttle_pos=0.000\n");
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
  EXPECT_EQ(log_header_done, 1);
}

TEST_F(DebugLogTest, RouteWithOnlyTheOriginStillListsRowZero) {
  OpenLog();
  fms_fpln_act[0].ident = "KBFI";
  radio_height = 500;
  DumpFplVnavLog();
  EXPECT_EQ(Log().rfind("0 -    KBFI ", 0), 0u);
}

TEST_F(DebugLogTest, FlchLineWinsOverVnavAndTheDumpConsumesTheCommands) {
  OpenLog();
  flch = 1;
  vnav = 1;
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

TEST_F(DebugLogTest, VnavLineCarriesTheRouteAndClimbState) {
  OpenLog();
  vnav = 1;
  ias = 280;
  ias_target_dev = 1.5;
  vs_chg = 2;
  target_ias = 280;
  plane_alt = 18000;
  toc = 0;
  clb_spd_restr_active = 1;
  fms_fpln_active = 3;
  climb_ias = 290;
  wind_speed = 40;
  wind_dir = 250;
  radio_height = 500;
  DumpFplVnavLog();
  const std::string line = DumpLines();
  EXPECT_EQ(line.rfind("280.00   0.000   1.500    0.00  2  VNAV   [280.0] [0.000] (0.000M) (18000FT)", 0), 0u) << line;
  EXPECT_NE(line.find(",WS=40,WD=250, HW=0,FLPS=0,SPDHLD=0,TOCR=0,FCSRA=1,FCAR=10000,FFA=3,CLBIAS=290\n"),
            std::string::npos)
      << line;
}

TEST_F(DebugLogTest, AutolandLineReportsDeployedSpoilers) {
  OpenLog();
  autoland_mode = 3;
  autoland_cmd = 12;
  ias = 140;
  radio_height = 30;
  plane_pitch = -2.5;
  alt_rate = 0.25;
  vert_speed = -700;
  wind_dir = 5;
  auto_brake_status = 1;
  host().SetToken(326, 1500.0);
  host().SetToken(327, 1200.0);
  DumpFplVnavLog();
  EXPECT_EQ(DumpLines(),
            "ALND  ALM=3 ALCMD=12, IAS=140 ,RA=30 ,PTH=2.5 , PTH_R = -0.25 , VS=-700 , WS=0,WD=005 ,HW=0,FLPS=0, "
            "GRWT=0.0,SPLRS=1 , OnGnd=0 , ABS=1\n");
}

TEST_F(DebugLogTest, ApproachLineIsOneLineFromTwoWrites) {
  OpenLog();
  app_mode = 1;
  loc_mode = 1;
  plane_lat = 47.5;
  plane_lon = -122.25;
  plane_alt = 2500;
  plane_hdg_mag = 163;
  gs_capture = 1;
  radio_height = 2000;
  host().SetExpressionText("(A:NAV IDENT:1,string)", "ISNQ");
  host().SetExpression("(A:NAV ACTIVE FREQUENCY:1,MHz)", 110.3);
  DumpFplVnavLog();
  const std::string line = DumpLines();
  EXPECT_EQ(line.rfind("APPR  lat=47.500000 , lon=-122.250000 AP=0, APALT=0,APAPP=0,APHDG=0 alt=2500,hdg=163,", 0),
            0u)
      << line;
  EXPECT_NE(line.find("Ident=ISNQ,freq=110.30,LOC=0, GS=0, LocCap=0,GsCap=1,VSP=0,cdi=0.00,vdi=0.00 ,VS=0 , "
                      "WS=0,WD=000 ,HW=0 , OnGnd=0 ,ABS=0\n"),
            std::string::npos)
      << line;
  EXPECT_EQ(line.find('\n'), line.size() - 1);
}

TEST_F(DebugLogTest, LocalizerLineHasNoAutobrakeField) {
  OpenLog();
  loc_mode = 1;
  radio_height = 2000;
  DumpFplVnavLog();
  const std::string line = DumpLines();
  EXPECT_EQ(line.rfind("LOC  lat=", 0), 0u) << line;
  EXPECT_NE(line.find(",GsCap=0, VSP=0,cdi=0.00,vdi=0.00 ,VS=0 , WS=0,WD=000 ,HW=0 , OnGnd=0\n"), std::string::npos)
      << line;
}

struct LandingCase {
  double radio_height;
  const char* line;
};

class LandingLineTest : public DebugLogTest, public ::testing::WithParamInterface<LandingCase> {};

TEST_P(LandingLineTest, LandingLineOnlyBelowTwentyFeet) {
  OpenLog();
  radio_height = GetParam().radio_height;
  ias = 130;
  DumpFplVnavLog();
  EXPECT_EQ(DumpLines(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Heights, LandingLineTest,
                         ::testing::Values(LandingCase{20.0, ""},
                                           LandingCase{19.5, "LND  IAS=130 ,RA=20 , pitch=0 , bank=0,OnGnd=0 , ABS=0\n"},
                                           LandingCase{-9.0, "LND  IAS=130 ,RA=-9 , pitch=0 , bank=0,OnGnd=0 , ABS=0\n"}));

}  // namespace
