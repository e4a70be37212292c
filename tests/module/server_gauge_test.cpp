#include "module/server_gauge.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "module/gauge_common.h"
#include "module/module_fixture.h"
#include "sim/named_vars.h"
#include "sim/sim_globals.h"
#include "sim/tcas_link.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "state/state_globals.h"
#include "support/temp_dir.h"

namespace {

using ServerGaugeTest = FrameTest;

// Start-up runs connect_stuff from several messages yet registers the key handler once; a pre-kill
// followed by connect-to-window (a panel reload), or a disconnect, makes it register again once.
TEST_F(ServerGaugeTest, KeyHandlerIsRegisteredOnceAtStartupAndOnceMoreAfterPreKillOrDisconnect) {
  simhost::GaugeInstance* s = Server();
  Create("FMS");
  Startup();
  EXPECT_EQ(host().key_handler_register_calls(), 1);
  EXPECT_EQ(server_start_state, 2);
  Send(s, gauge::kPreKill);
  Send(s, gauge::kConnectToWindow);
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().key_handler_register_calls(), 2);
  EXPECT_TRUE(host().key_handler_registered());
  Send(s, gauge::kDisconnect);
  EXPECT_FALSE(host().key_handler_registered());
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().key_handler_register_calls(), 3);
}

TEST_F(ServerGaugeTest, ServerPhaseWrapsAfterSeventeen) {
  Server();
  Startup();
  server_phase = 16;
  RunTicks(1);
  EXPECT_EQ(server_phase, 17);
  RunTicks(1);
  EXPECT_EQ(server_phase, 0);
}

// (parameter, 2-D panel shown, systems pass runs)
class ServerInstanceTest : public FrameTest,
                           public ::testing::WithParamInterface<std::tuple<std::string, bool, bool>> {};

// The sound pass runs in every instance (with a device); the systems pass counts the ident timer
// down and steps the phase.
TEST_P(ServerInstanceTest, OnlyTheVcInstanceBesideTheTwoDPanelSkipsTheSystemsPass) {
  const auto [parameter, main_panel_shown, systems_pass] = GetParam();
  simhost::GaugeInstance* s = Server(parameter);
  host().SetWindowShown(0, main_panel_shown);
  sound_available = 1;
  sound_event_code = 2;
  server_phase = 4;
  xpdr_ident_timer = 10;
  Send(s, gauge::kPreUpdate);
  EXPECT_EQ(last_tick18, 0.0);
  EXPECT_EQ(sound_event_code, 0);
  EXPECT_EQ(xpdr_ident_timer, systems_pass ? 9 : 10);
  EXPECT_EQ(server_phase, systems_pass ? 5 : 4);
}

INSTANTIATE_TEST_SUITE_P(Instances, ServerInstanceTest,
                         ::testing::Values(std::tuple{"VC", true, false}, std::tuple{"VC", false, true},
                                           std::tuple{"vc", true, true}));

class GroundKeyTest : public FrameTest, public ::testing::WithParamInterface<std::tuple<double, double, int>> {};

TEST_P(GroundKeyTest, SentAtMostOnceAndOnlyOnTheGroundBelowThreeKnots) {
  const auto [on_ground, ground_speed_kt, events] = GetParam();
  host().SetToken(60, on_ground);
  ground_speed = ground_speed_kt;
  simhost::GaugeInstance* s = Server();
  Startup();
  ground_key_sent = 0;  // even then, a pre-initialise after start-up sends nothing more
  Send(s, gauge::kPreInitialize);
  EXPECT_EQ(KeyEvents(0x101F5), events);
  if (events == 1) {
    EXPECT_EQ(host().key_events().front().value, 200);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GroundKeyTest,
                         ::testing::Values(std::tuple{1.0, 0.0, 1}, std::tuple{1.0, 2.9, 1}, std::tuple{1.0, 3.0, 0},
                                           std::tuple{0.0, 0.0, 0}));

// The airports file appears only after the server's start-up load found none: the FMS
// connect-to-window loads it. The stored-plan list is built once.
TEST_F(ServerGaugeTest, EmptyTablesAreLoadedOnceByTheServerAndAgainByTheFmsConnect) {
  testing_support::TempDir sim;
  host().set_current_directory(sim.path());
  simhost::GaugeInstance* server = Server();
  simhost::GaugeInstance* fms = Create("FMS");
  for (int32_t m : {gauge::kPreInstall, gauge::kPreInitialize}) {
    Send(server, m);
    Send(fms, m);
  }
  EXPECT_EQ(fpl_list_loaded, 1);  // an empty plan folder still gives its "NEW FPL" row
  sim.Write("Orvantel/Navdata/apts.txt", "KSEA SEATTLE 433 47.449 -122.309\n");
  sim.Write("Orvantel/flightplans/KSEAKPDX.rte", "[FlightPlan]\nKSEA 47.4 -122.3 APT\nKPDX 45.5 -122.5 APT\n");
  Send(server, gauge::kConnectToWindow);
  EXPECT_EQ(nav_apts_cnt, 0);
  Send(fms, gauge::kConnectToWindow);
  EXPECT_EQ(nav_apts_cnt, 1);
  EXPECT_EQ(fpl_list_loaded, 1);
}

TEST_F(ServerGaugeTest, TcasRetriesCountTwentyPostUpdatesInSlotZero) {
  Server();
  Startup();
  const int lookups = host().tcas().lookups();
  RunTicks(18 * 25);  // one retry per redraw cycle
  EXPECT_EQ(tcas_flag, 20);
  EXPECT_EQ(host().tcas().lookups(), lookups + 20);
}

TEST_F(ServerGaugeTest, TcasRetriesConnectOnceTheHostOffersTheModuleAndThenStop) {
  Server();
  Startup();
  host().tcas().Enable();
  RunTicks(18 * 3);
  EXPECT_EQ(host().tcas().connects(), 1);
  EXPECT_EQ(tcas_flag, 22);  // 21 from the callback, then the retry's own count
  EXPECT_EQ(tcas_serv, &host().tcas().record());
  const int lookups = host().tcas().lookups();
  RunTicks(18 * 3);
  EXPECT_EQ(host().tcas().lookups(), lookups);
}

// After the module withdraws, the retries connect again when it comes back; once they are used up,
// the TFC button reopens them. Each time the traffic is read again.
TEST_F(ServerGaugeTest, TcasReconnectsAfterTheModuleWithdraws) {
  Server();
  host().tcas().Enable();
  host().tcas().Add(5.0, 30.0, 500.0, 2, 0, true);
  Startup();
  ASSERT_EQ(tcas_serv, &host().tcas().record());
  for (bool by_tfc : {false, true}) {
    host().tcas().Disable();
    if (by_tfc) RunTicks(18 * 21);  // the module stays away longer than the retries last
    host().tcas().Enable();
    RunTicks(18 * 2);
    if (by_tfc) {
      EXPECT_EQ(tcas_serv, nullptr);
      host().SendKeyEvent(0x10339, 0);  // TFC
      RunTicks(18 * 2);
    }
    ASSERT_EQ(tcas_serv, &host().tcas().record()) << by_tfc;
    tcas_target_cnt = 0;
    TakeTcasTargets();
    EXPECT_EQ(tcas_target_cnt, 1) << by_tfc;
  }
}

TEST_F(ServerGaugeTest, IdentificationReadsTheTitleLowerCased) {
  testing_support::TempDir sim;  // a simulator folder with its executable and no aircraft
  sim.Write("fsx.exe", "");
  sim_root = sim.path();
  host().SetExpressionText("(A:TITLE,string)", "Orvantel 757-200 PAX");
  simhost::GaugeInstance* s = Server();
  Send(s, gauge::kPreUpdate);
  EXPECT_EQ(aircraft, "orvantel 757-200 pax");
  EXPECT_EQ(simver, 10);
  EXPECT_EQ(acfg_attempts, 1);
}

class FreighterTitleTest : public FrameTest, public ::testing::WithParamInterface<std::pair<std::string, int>> {};

TEST_P(FreighterTitleTest, FirstKnownTitleSwitchesCabinAnnouncementsOffForFreighters) {
  play_announcements = 1;
  host().SetExpressionText("(A:TITLE,string)", GetParam().first);
  Send(Server(), gauge::kConnectToWindow);
  EXPECT_EQ(play_announcements, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Titles, FreighterTitleTest,
                         ::testing::Values(std::pair{"Orvantel 757-200F Cargo", 0}, std::pair{"757-200SF DHL", 0},
                                           std::pair{"Orvantel 757-200 PAX", 1}, std::pair{"", 1}));

// The freighter's cabin switch goes off with its announcements, so the systems pass, which follows
// the switch once 15 s have run, leaves them off.
TEST_F(ServerGaugeTest, FreighterAnnouncementsStayOffOnceTheCabinSwitchIsFollowed) {
  testing_support::TempDir sim;
  sim.Write("Orvantel/ro757.cfg", "PlayAnnouncements=1\r\n");
  host().set_current_directory(sim.path());
  host().SetExpressionText("(A:TITLE,string)", "Orvantel 757-200F Cargo");
  Server();
  Startup();
  host().SetToken(604, 20.0);  // running time, s
  RunTicks(36);
  EXPECT_EQ(play_announcements, 0);
  EXPECT_EQ(host().Named("ov_cabin_announcements"), 0.0);
}

// The disconnect also gives the named variables back to the simulator.
TEST_F(ServerGaugeTest, DisconnectClearsTheHydraulicFailureBitsOnlyWhenTheLinkOpens) {
  host().fsuipc().set_present(false);
  hyd_fail_l_sent = 1;
  simhost::GaugeInstance* s = Server();
  RegisterNamedVars();
  ASSERT_TRUE(host().IsRegistered("ias_show"));
  Send(s, gauge::kDisconnect);
  EXPECT_FALSE(host().IsRegistered("ias_show"));
  EXPECT_EQ(hyd_fail_l_sent, 1);
  host().fsuipc().set_present(true);
  host().fsuipc().SetValue(0x32F8, 1, 0x42);
  Send(s, gauge::kDisconnect);
  EXPECT_EQ(host().fsuipc().Value(0x32F8, 1), 0u);
  EXPECT_EQ(host().fsuipc().WritesTo(0x32F8).size(), 3u);  // its own write, then FsuipcClear32F8 twice
  EXPECT_EQ(hyd_fail_l_sent, 0);
}

TEST_F(ServerGaugeTest, UnknownMessageNumbersAreIgnored) {
  simhost::GaugeInstance* s = Server();
  Send(s, 18);
  Send(s, -1);
  EXPECT_EQ(host().key_handler_register_calls(), 0);
  EXPECT_EQ(server_start_state, 0);
  gauge::GaugeHeader h{};
  EXPECT_FALSE(GaugeParameterIs(&h, "VC"));  // no parameter text at all
}

TEST_F(ServerGaugeTest, ExecLightShowsOnlyWhileARouteWaitsForExec) {
  simhost::GaugeInstance* fms = Create("FMS");
  for (int32_t state : {2, 0, 4, 3, 1}) {
    fms_fpln_active = state;
    Send(fms, gauge::kPreUpdate);
    EXPECT_EQ(!fms->ElementHidden(2), state == 2 || state == 4) << state;
  }
  EXPECT_EQ(last_tick18, 0.0);  // the update driver ran
}

}  // namespace
