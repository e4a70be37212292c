#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/engine_epr.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "frame/display_surface.h"
#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/tcas_link.h"
#include "frame/fsuipc_client.h"
#include "frame/tcas_link.h"
#include "frame/server_gauge.h"
#include "frame/frame_fixture.h"
#include "support/temp_dir.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_globals.h"
#include "platform/gdiplus_session.h"
#include "state/state_globals.h"

namespace {

using ServerGaugeTest = FrameTest;

constexpr uint32_t kGroundStart = 0x101F5;

TEST_F(ServerGaugeTest, StartupRegistersTheKeyHandlerOnceThoughConnectStuffRunsOften) {
  Server();
  Create("FMS");
  Startup();
  EXPECT_EQ(host().key_handler_register_calls(), 1);
  EXPECT_TRUE(host().key_handler_registered());
  EXPECT_EQ(server_start_state, 2);
}

TEST_F(ServerGaugeTest, PreKillThenConnectToWindowRegistersAgainExactlyOnce) {
  simhost::GaugeInstance* s = Server();
  Startup();
  Send(s, gauge::kPreKill);
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().key_handler_register_calls(), 2);
  EXPECT_TRUE(host().key_handler_registered());
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().key_handler_register_calls(), 2);
}

TEST_F(ServerGaugeTest, DisconnectThenConnectToWindowRegistersAgain) {
  simhost::GaugeInstance* s = Server();
  Startup();
  Send(s, gauge::kDisconnect);
  EXPECT_FALSE(host().key_handler_registered());
  EXPECT_EQ(disconnect_seen, 1);
  Send(s, gauge::kConnectToWindow);
  EXPECT_TRUE(host().key_handler_registered());
  EXPECT_EQ(host().key_handler_register_calls(), 2);
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

struct VcCase {
  const char* parameter;
  bool main_panel_shown;
  bool systems_pass;
};

class ServerInstanceTest : public FrameTest, public ::testing::WithParamInterface<VcCase> {};

TEST_P(ServerInstanceTest, OnlyTheVcInstanceBesideTheTwoDPanelSkipsTheSystemsPass) {
  const VcCase& c = GetParam();
  simhost::GaugeInstance* s = Server(c.parameter);
  host().SetWindowShown(0, c.main_panel_shown);
  sound_available = 1;
  sound_event_code = 2;  // a queued click: the sound pass serves it (no device, so nothing sounds)
  server_phase = 4;
  xpdr_ident_timer = 10;  // the systems pass counts it down
  host().SetNamed("crs_dir_incr", 1.0);  // a knob request that only the systems pass consumes
  Send(s, gauge::kPreUpdate);
  EXPECT_EQ(last_tick18, 0.0);  // the update driver ran
  EXPECT_EQ(sound_event_code, 0);
  const int pass = c.systems_pass ? 1 : 0;
  EXPECT_EQ(xpdr_ident_timer, 10 - pass);
  EXPECT_EQ(host().Named("crs_dir_incr"), c.systems_pass ? 0.0 : 1.0);
  EXPECT_EQ(server_phase, 4 + pass);
}

INSTANTIATE_TEST_SUITE_P(Instances, ServerInstanceTest,
                         ::testing::Values(VcCase{"VC", true, false}, VcCase{"VC", false, true},
                                           VcCase{"", true, true}, VcCase{"WN", true, true},
                                           VcCase{"vc", true, true}));

TEST_F(ServerGaugeTest, NoSoundPassWithoutASoundDevice) {
  sound_event_code = 2;
  Send(Server(), gauge::kPreUpdate);
  EXPECT_EQ(sound_event_code, 2);
}

TEST_F(ServerGaugeTest, WindowThirtySevenBesideTheMainPanelTogglesThePanel) {
  simhost::GaugeInstance* s = Server();
  host().SetWindowShown(37, true);
  Send(s, gauge::kPreUpdate);
  EXPECT_FALSE(host().WindowShown(0));
  Send(s, gauge::kPreUpdate);  // the panel is hidden now, so nothing toggles it back
  EXPECT_FALSE(host().WindowShown(0));
}

struct GroundCase {
  double on_ground;
  double ground_speed_kt;
  int events;
};

class GroundKeyTest : public FrameTest, public ::testing::WithParamInterface<GroundCase> {};

TEST_P(GroundKeyTest, SentAtMostOnceAndOnlyOnTheGroundBelowThreeKnots) {
  const GroundCase& c = GetParam();
  host().SetToken(60, c.on_ground);
  ground_speed = c.ground_speed_kt;
  simhost::GaugeInstance* s = Server();
  Startup();
  Send(s, gauge::kPreInitialize);
  ground_key_sent = 0;  // even then, a pre-initialise after start-up sends nothing more
  Send(s, gauge::kPreInitialize);
  EXPECT_EQ(KeyEvents(kGroundStart), c.events);
  if (c.events == 1) {
    EXPECT_EQ(host().key_events().front().value, 200);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GroundKeyTest,
                         ::testing::Values(GroundCase{1.0, 0.0, 1}, GroundCase{1.0, 2.9, 1},
                                           GroundCase{1.0, 3.0, 0}, GroundCase{0.0, 0.0, 0}));

TEST_F(ServerGaugeTest, LaterPreInitialiseOnlyConnectsAndRefreshesTheSpeedMode) {
  simhost::GaugeInstance* s = Server();
  Startup();
  climb_tas = -1.0;  // a second configuration read would derive it again
  const int register_calls = host().register_calls();
  host().SetNamed("SPEED MODE SELECT", 1.7);
  Send(s, gauge::kPreInitialize);
  EXPECT_EQ(speed_mode_select_prev, 1);
  EXPECT_EQ(climb_tas, -1.0);
  EXPECT_EQ(host().register_calls(), register_calls);
  EXPECT_EQ(server_start_state, 2);
}

TEST_F(ServerGaugeTest, StartupCopiesBuiltInTakeoffDataBeforeReadingTheConfiguration) {
  cfg_v1 = 140;
  cfg_vref = 132;
  host().SetExpression("(A:EMPTY WEIGHT,pounds)", 130000.0);
  host().SetExpression("(A:Payload Station Weight:3,pounds)", 20000.0);
  Server();
  Startup();
  EXPECT_EQ(to_flaps, 15);
  EXPECT_EQ(ldg_flaps, 30);
  EXPECT_EQ(v1, 140);
  EXPECT_EQ(v1_set, 140);
  EXPECT_EQ(vr_set, 0);
  EXPECT_EQ(vref, 132);
  EXPECT_EQ(cfg_loaded, 1);
  // The performance tables are filled after the read, and the weight without fuel taken.
  EXPECT_DOUBLE_EQ(gross_weight, 150000.0);
  EXPECT_EQ(perf_tables.vref_weight[0], 260000.0);
  EXPECT_GT(ComputeEngineEpr(80.0), 1.0);
  EXPECT_EQ(tmsp, 1);
  EXPECT_EQ(thr_ref_to_req, 1);
}

TEST_F(ServerGaugeTest, StartupSkipsWhatIsAlreadyLoaded) {
  cfg_loaded = 1;
  nav_apts_cnt = 12;
  fpl_list_loaded = 3;
  pnl_list_cnt = 2;
  Server();
  Startup();
  EXPECT_EQ(climb_tas, 0.0);  // the configuration was not read again
  EXPECT_EQ(fpl_list_loaded, 3);  // the stored-plan list was not rebuilt
  EXPECT_EQ(pnl_list_cnt, 2);  // not listed again (a listing here would find no folder)
  EXPECT_EQ(to_flaps, 0);  // the built-in data are copied only before a first read
}

TEST_F(ServerGaugeTest, EmptyTablesAreLoadedOnceByTheServerAndAgainByTheFmsConnect) {
  // The airports file appears only after the server's start-up load found none: the FMS
  // connect-to-window loads it. The stored-plan list is built once: an empty plan folder still
  // gives its "NEW FPL" row, so a plan saved later is listed only when the pilot asks.
  testing_support::TempDir sim;
  host().set_current_directory(sim.path());
  sim.Write("Orvantel/PanelStates/first.pnl", "");
  simhost::GaugeInstance* server = Server();
  simhost::GaugeInstance* fms = Create("FMS");
  for (int32_t m : {gauge::kPreInstall, gauge::kPreInitialize}) {
    Send(server, m);
    Send(fms, m);
  }
  EXPECT_EQ(nav_apts_cnt, 0);
  EXPECT_EQ(fpl_list_loaded, 1);
  sim.Write("Orvantel/Navdata/apts.txt", "KSEA SEATTLE 433 47.449 -122.309\n");
  sim.Write("Orvantel/PanelStates/second.pnl", "");
  sim.Write("Orvantel/flightplans/KSEAKPDX.rte", "[FlightPlan]\nKSEA 47.4 -122.3 APT\nKPDX 45.5 -122.5 APT\n");
  Send(server, gauge::kConnectToWindow);
  EXPECT_EQ(nav_apts_cnt, 0);
  Send(fms, gauge::kConnectToWindow);
  EXPECT_EQ(nav_apts_cnt, 1);
  EXPECT_EQ(fpl_list_loaded, 1);
  EXPECT_EQ(fpl_store[1].name, "NEW FPL");
  // The panel-state list was built once, at the server's pre-initialise.
  EXPECT_EQ(pnl_list_cnt, 1);
  EXPECT_EQ(pnl_list[1], "FIRST.PNL");
}

TEST_F(ServerGaugeTest, StartupWritesTheFirstValues) {
  host().SetNamed("vs_show", 5.0);
  ldg_checklist = 1;
  play_announcements = 1;
  DisplayWVOnLoad = 0;
  Server();
  Startup();
  EXPECT_EQ(host().Named("ias_show"), 1.0);
  EXPECT_EQ(host().Named("vs_show"), 0.0);
  EXPECT_EQ(host().Named("ldg_checklist"), 1.0);
  EXPECT_EQ(host().Named("ov_vc_show"), 1.0);
  EXPECT_EQ(host().Named("ov_wv_show"), 0.0);
  EXPECT_EQ(host().Named("ov_cabin_announcements"), 1.0);
  EXPECT_EQ(to_epr_temp_sel, 0.0);  // token 350, read after the -99 of state 0
}

TEST_F(ServerGaugeTest, StartupLeavesValuesOthersOwn) {
  host().SetNamed("vs_show", 5.0);
  host().SetNamed("ov_panelstatus_init", 1.0);
  lite_mode = 1;
  panelstatus_init_done = 1;
  simhost::GaugeInstance* s = Server();
  Send(s, gauge::kPreInstall);
  Send(s, gauge::kPreInitialize);
  EXPECT_EQ(host().Named("vs_show"), 5.0);
  EXPECT_EQ(host().Named("ov_panelstatus_init"), 1.0);
}

TEST_F(ServerGaugeTest, PostGenerateRunsTheInitialPanelStateUntilItIsDone) {
  constexpr uint32_t kStartupApOff = 0x100FF;  // the first start-up key event of the full panel
  simhost::GaugeInstance* s = Server();
  Send(s, gauge::kPostGenerate);
  EXPECT_EQ(initialize_server, 1);
  Send(s, gauge::kPostGenerate);
  EXPECT_EQ(KeyEvents(kStartupApOff), 1);
  initialize_server = 0;
  Send(s, gauge::kPostGenerate);
  EXPECT_EQ(KeyEvents(kStartupApOff), 2);
}

TEST_F(ServerGaugeTest, TcasRetriesCountTwentyPostUpdatesInSlotZeroEvenWithoutLog) {
  Server();
  Startup();
  const int attempts_a = host().tcas().lookups();
  RunTicks(18 * 25);  // one retry per redraw cycle, in slot 0
  EXPECT_EQ(tcas_flag, 20);
  EXPECT_EQ(host().tcas().lookups(), attempts_a + 20);
}

TEST_F(ServerGaugeTest, TcasRetriesWaitForSlotZeroAndStopOnceConnected) {
  simhost::GaugeInstance* s = Server();
  redraw_tick = 5;
  Send(s, gauge::kPostUpdate);
  EXPECT_EQ(tcas_flag, 0);
  redraw_tick = 0;
  tcas_server_connect = 1;  // reported, record not yet delivered: counted, not attempted
  Send(s, gauge::kPostUpdate);
  EXPECT_EQ(tcas_flag, 1);
  EXPECT_EQ(host().tcas().lookups(), 0);
  int record = 0;
  tcas_serv = &record;
  Send(s, gauge::kPostUpdate);
  EXPECT_EQ(tcas_flag, 1);
}

TEST_F(ServerGaugeTest, IdentificationReadsTheTitleLowerCasedWhileAttemptsRemain) {
  testing_support::TempDir sim;  // a simulator folder with its executable and no aircraft
  sim.Write("fsx.exe", "");
  sim_root = sim.path();
  host().SetExpressionText("(A:TITLE,string)", "Orvantel 757-200 PAX");
  simhost::GaugeInstance* s = Server();
  Send(s, gauge::kPreUpdate);
  EXPECT_EQ(aircraft, "orvantel 757-200 pax");
  EXPECT_EQ(simver, 10);
  EXPECT_EQ(acfg_attempts, 1);
  EXPECT_EQ(aircraft_identified, 0);
  acfg_attempts = 10;
  Send(s, gauge::kPreUpdate);
  EXPECT_EQ(acfg_attempts, 10);
  acfg_attempts = 0;
  aircraft_identified = 1;
  Send(s, gauge::kPreUpdate);
  EXPECT_EQ(acfg_attempts, 0);
}

struct TitleCase {
  const char* title;
  int announcements;
};

class FreighterTitleTest : public FrameTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(FreighterTitleTest, FirstKnownTitleSwitchesCabinAnnouncementsOffForFreighters) {
  play_announcements = 1;
  host().SetExpressionText("(A:TITLE,string)", GetParam().title);
  Send(Server(), gauge::kConnectToWindow);
  EXPECT_EQ(play_announcements, GetParam().announcements);
}

INSTANTIATE_TEST_SUITE_P(Titles, FreighterTitleTest,
                         ::testing::Values(TitleCase{"Orvantel 757-200F Cargo", 0}, TitleCase{"757-200SF DHL", 0},
                                           TitleCase{"Orvantel 757-200 PAX", 1}, TitleCase{"", 1}));

TEST_F(ServerGaugeTest, GdiplusStartsOnceAndStopsAtDisconnect) {
  simhost::GaugeInstance* s = Server();
  Create("FMS");
  Startup();
  EXPECT_EQ(gdiplus::OpenSessions(), 1);
  EXPECT_NE(gdiplus_token, 0u);
  Send(s, gauge::kDisconnect);
  EXPECT_EQ(gdiplus::OpenSessions(), 0);
  EXPECT_EQ(gdiplus_token, 0u);
}

TEST_F(ServerGaugeTest, DisconnectWithoutFsuipcLeavesTheFailureFlags) {
  host().fsuipc().set_present(false);
  hyd_fail_l_sent = 1;
  Send(Server(), gauge::kDisconnect);
  EXPECT_EQ(fsuipc_open_ok, 0);
  EXPECT_EQ(hyd_fail_l_sent, 1);
  EXPECT_EQ(host().fsuipc().sends(), 0);
}

TEST_F(ServerGaugeTest, DisconnectClearsTheHydraulicFailureBitsThisModuleSet) {
  host().fsuipc().SetValue(0x32F8, 1, 0x42);
  hyd_fail_c_sent = 1;
  Send(Server(), gauge::kDisconnect);
  EXPECT_EQ(host().fsuipc().Value(0x32F8, 1), 0u);
  EXPECT_EQ(host().fsuipc().WritesTo(0x32F8).size(), 3u);  // its own write, then FsuipcClear32F8 twice
  EXPECT_EQ(hyd_fail_c_sent, 0);
  EXPECT_EQ(fsuipc_open_ok, 1);
}

TEST_F(ServerGaugeTest, DisconnectWithoutFailureBitsOnlyOpensAndCloses) {
  Send(Server(), gauge::kDisconnect);
  EXPECT_EQ(fsuipc_open_ok, 1);
  EXPECT_TRUE(host().fsuipc().WritesTo(0x32F8).empty());
  EXPECT_EQ(host().fsuipc().sends(), 1);  // the open's own identification
}

TEST_F(ServerGaugeTest, TcasRetriesConnectOnceTheHostOffersTheModule) {
  Server();
  Startup();
  EXPECT_EQ(tcas_server_connect, 0);
  host().tcas().Enable();
  RunTicks(18 * 3);
  EXPECT_EQ(host().tcas().connects(), 1);
  EXPECT_EQ(tcas_server_connect, 1);
  EXPECT_EQ(tcas_flag, 22);  // 21 from the callback, then the retry's own count
  EXPECT_EQ(tcas_serv, &host().tcas().record());
  const int lookups = host().tcas().lookups();
  RunTicks(18 * 3);
  EXPECT_EQ(host().tcas().lookups(), lookups);
}

TEST_F(ServerGaugeTest, TcasConnectsAtStartupWhenOffered) {
  host().tcas().Enable();
  Server();
  Startup();
  EXPECT_EQ(host().tcas().connects(), 1);  // attempt A of the first connect_stuff; later ones skip
  EXPECT_EQ(tcas_server_connect, 1);
  EXPECT_NE(tcas_serv, nullptr);
}

TEST_F(ServerGaugeTest, UnknownMessageNumbersAreIgnored) {
  simhost::GaugeInstance* s = Server();
  Send(s, 18);
  Send(s, -1);
  EXPECT_EQ(host().key_handler_register_calls(), 0);
  EXPECT_EQ(server_start_state, 0);
}

// The "FMS" gauge.

class ExecLightTest : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExecLightTest, LitOnlyWhileARouteWaitsForExec) {
  simhost::GaugeInstance* fms = Create("FMS");
  fms_fpln_active = GetParam();
  Send(fms, gauge::kPreUpdate);
  const bool lit = GetParam() == 2 || GetParam() == 4;
  EXPECT_EQ(!fms->ElementHidden(2), lit);
  EXPECT_EQ(last_tick18, 0.0);  // the update driver ran
}

INSTANTIATE_TEST_SUITE_P(RouteStates, ExecLightTest, ::testing::Range(0, 5));

TEST_F(ServerGaugeTest, ExecLightGoesOutAfterExec) {
  simhost::GaugeInstance* fms = Create("FMS");
  fms_fpln_active = 4;
  Send(fms, gauge::kPreUpdate);
  fms_fpln_active = 3;
  Send(fms, gauge::kPreUpdate);
  EXPECT_TRUE(fms->ElementHidden(2));
}

TEST_F(ServerGaugeTest, FmsConnectOpensTheIdentPageOnlyFromPageZero) {
  simhost::GaugeInstance* fms = Create("FMS");
  fms_page = 0;
  Send(fms, gauge::kConnectToWindow);
  EXPECT_EQ(fms_page, 25);
  fms_page = 6;
  Send(fms, gauge::kConnectToWindow);
  EXPECT_EQ(fms_page, 6);
}

struct CduPaintCase {
  const char* parameter;
  bool main_panel, cdu_popup;
  int paints;
};

class CduPaintTest : public FrameTest, public ::testing::WithParamInterface<CduPaintCase> {};

TEST_P(CduPaintTest, PaintsUnlessTheVcInstanceIsHiddenByAPanel) {
  const CduPaintCase& c = GetParam();
  simhost::GaugeInstance* fms = Create("FMS", c.parameter);
  host().SetWindowShown(0, c.main_panel);
  host().SetWindowShown(5000, c.cdu_popup);
  fms->Element(1)->image_flags |= gauge::kImageDirty;
  Send(fms, gauge::kPreDraw);
  // A paint takes the screen's pixel size into the CDU surface.
  EXPECT_EQ(cdu_surface.width, c.paints == 1 ? 399u : 0u);
  EXPECT_EQ(fms->Element(1)->image_flags & gauge::kImageDirty, 0u);
}

INSTANTIATE_TEST_SUITE_P(Instances, CduPaintTest,
                         ::testing::Values(CduPaintCase{"", true, true, 1}, CduPaintCase{"WN", true, true, 1},
                                           CduPaintCase{"VC", true, false, 0}, CduPaintCase{"VC", false, true, 0},
                                           CduPaintCase{"VC", false, false, 1}));

TEST_F(ServerGaugeTest, CduScreenWithoutDeviceContextOnlyClearsItsMark) {
  simhost::GaugeInstance* fms = Create("FMS");
  fms->Element(1)->hdc = nullptr;
  fms->Element(1)->image_flags |= gauge::kImageDirty;
  Send(fms, gauge::kPreDraw);
  EXPECT_EQ(cdu_surface.width, 0u);
  EXPECT_EQ(fms->Element(1)->image_flags & gauge::kImageDirty, 0u);
}

TEST_F(ServerGaugeTest, GaugeParameterComparisonIsExact) {
  gauge::GaugeHeader h{};
  EXPECT_FALSE(GaugeParameterIs(&h, "VC"));  // no parameter text at all
  h.parameters = "VC";
  EXPECT_TRUE(GaugeParameterIs(&h, "VC"));
  h.parameters = "VC ";
  EXPECT_FALSE(GaugeParameterIs(&h, "VC"));
}

}  // namespace
