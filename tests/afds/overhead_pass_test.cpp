#include <gtest/gtest.h>

#include <tuple>

#include "afds/overhead_pass.h"
#include "afds/sound_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "base/geodesy.h"
#include "sim/derived_samples.h"
#include "sim/tick_globals.h"
#include "sim/fsuipc_client.h"
#include "host/panel_config.h"
#include "state/config_globals.h"
#include "systems_fixture.h"

namespace {

constexpr uint32_t kStarter1 = 0x102FC;
constexpr uint32_t kSpeedBug = 0x101F5;

class OverheadPassTest : public systems_test::SystemsFixture {
 protected:
  void Click(const char* name) { host_.SetNamed(name, 1.0); }
  // Start conditions of the left engine: APU running with its bleed, packs off, resets lit.
  void ReadyForLeftStart() {
    std::tie(apu_mode, apu_bleed) = std::tuple(2, 2);
    l_pack_switch = r_pack_switch = 0;
    l_pack_reset = r_pack_reset = 0;
  }
};

TEST_F(OverheadPassTest, FailedStartSwitchReturnsAfterThirtySixTicks) {
  Click("l_eng_start_switch_clicked");
  RunFrames(1);
  EXPECT_EQ(l_eng_start_switch, 0);
  EXPECT_EQ(l_eng_start_count, 1);  // the APU bleed is not there
  RunFrames(35);
  EXPECT_EQ(l_eng_start_switch, 0);
  RunFrames(2);
  EXPECT_EQ(std::tuple(l_eng_start_switch, l_eng_start_count, Named("l_eng_start_switch")), std::tuple(1, 0, 1.0));
}

TEST_F(OverheadPassTest, StartRunsThroughItsPhasesToTheLatch) {
  ReadyForLeftStart();
  simver = 10;
  Click("l_eng_start_switch_clicked");
  RunFrames(1);
  EXPECT_EQ(l_eng_start_phase, 1);
  EXPECT_EQ(KeyEvents(kStarter1), 1);  // on the click below 23
  host_.SetToken(627, 21.0);
  RunFrames(1);
  EXPECT_EQ(KeyEvents(0x101BF), 1);  // fuel on from 20
  host_.SetToken(627, 30.0);
  RunFrames(1);
  EXPECT_EQ(l_eng_start_phase, 2);
  EXPECT_EQ(KeyEvents(kStarter1), 2);  // cut-out for this simulator version
  host_.SetToken(627, 55.0);
  RunFrames(1);
  EXPECT_EQ(std::tuple(l_eng_start_phase, l_eng_start_done), std::tuple(0, 1));
  EXPECT_EQ(l_eng_start_switch, 1);  // back to normal above 42
}

// It stops at once when the bug is within 5 kt of the speed.
TEST_F(OverheadPassTest, SpeedBugResyncSendsTheRestrictionSpeedForAtMostFourPasses) {
  std::tie(spd_resync_state, spd_resync_ticks) = std::tuple(1, 4);
  RunFrames(18 * 2);
  EXPECT_EQ(KeyValues(kSpeedBug), (std::vector<int32_t>{250, 250, 250, 250}));
  EXPECT_EQ(spd_resync_state, 0);
}

TEST_F(OverheadPassTest, MasterWarningIsNotLoweredByACautionInTheSamePass) {
  warning_msg_count = caution_msg_count = 1;
  master_warning_req = master_caution_req = 1;
  RunFrames(1);
  EXPECT_EQ(std::tuple(master_light_state, Named("master_warning_light"), master_caution_req), std::tuple(2, 2.0, 0));
  warning_msg_count = 0;
  RunFrames(1);
  EXPECT_EQ(master_light_state, 1);  // the caution raised under the warning still stands
  caution_msg_count = 0;
  RunFrames(1);
  EXPECT_EQ(master_light_state, 0);
  // A caution alone lights the caution light until the last one goes.
  std::tie(caution_msg_count, master_caution_req) = std::tuple(1, 1);
  RunFrames(1);
  EXPECT_EQ(Named("master_warning_light"), 1.0);
  caution_msg_count = 0;
  RunFrames(1);
  EXPECT_EQ(Named("master_warning_light"), 0.0);
}

TEST_F(OverheadPassTest, ExternalPowerConnectsOnlyParkedOnTheGround) {
  const struct {
    double brake, on_ground, ground_speed_kt;
    int32_t avail_after;
  } rows[] = {{32767.0, 1.0, 2.0, 0}, {32767.0, 0.0, 0.0, 0}, {32000.0, 1.0, 0.0, 0}, {32767.0, 1.0, 0.0, 1}};
  for (const auto& r : rows) {
    host_.SetToken(323, r.brake);
    host_.SetToken(60, r.on_ground);
    ground_speed = r.ground_speed_kt;
    host_.SetToken(551, r.ground_speed_kt * 1.68781);
    sound_event_code = 0;
    Click("ext_power_avail_clicked");
    RunFrames(1);
    EXPECT_EQ(ext_power_avail, r.avail_after) << r.brake << r.on_ground << r.ground_speed_kt;
    EXPECT_EQ(sound_event_code, r.avail_after == 1 ? 9 : 0);
    EXPECT_EQ(Named("ext_power_avail_clicked"), 0.0);
  }
  Click("ext_power_avail_clicked");
  RunFrames(1);
  EXPECT_EQ(ext_power_avail, 0);  // a second click disconnects
}

// Take-off calls arm on the runway with take-off flaps once accelerating past 40 kt, and disarm
// above 6000 ft, past 250 kt or sinking faster than 1500 ft/min.
TEST_F(OverheadPassTest, TakeoffCallsArmOnTheRunwayAndDisarmOutOfTheTakeoff) {
  const struct {
    int32_t poll, vr_kt, mode;
    double ra_ft, flaps, kt, trend, vs_fpm;
    int32_t after;
  } rows[] = {{0, 140, 0, 10.0, 5.0, 41, 0.05, 0, 1},     {0, 0, 0, 10.0, 5.0, 41, 0.05, 0, 0},
              {1, 140, 0, 10.0, 5.0, 41, 0.05, 0, 0},     {0, 140, 0, 10.1, 5.0, 41, 0.05, 0, 0},
              {0, 140, 0, 10.0, 4.9, 41, 0.05, 0, 0},     {0, 140, 0, 10.0, 20.5, 41, 0.05, 0, 1},
              {0, 140, 0, 10.0, 20.6, 41, 0.05, 0, 0},    {0, 140, 0, 10.0, 5.0, 40, 0.05, 0, 0},
              {0, 140, 0, 10.0, 5.0, 41, 0.04, 0, 0},     {0, 140, 3, 6000, 0.0, 250, 0.0, -1500, 3},
              {0, 140, 3, 6001, 0.0, 250, 0.0, -1500, 0}, {0, 140, 3, 6000, 0.0, 251, 0.0, -1500, 0},
              {0, 140, 3, 6000, 0.0, 250, 0.0, -1501, 0}};
  for (const auto& r : rows) {
    std::tie(server_phase, fsuipc_poll_flag, vr, to_callout_mode) = std::tuple(3, r.poll, r.vr_kt, r.mode);
    std::tie(radio_height, flap_angle, ias, pfd_ias_trend) = std::tuple(r.ra_ft, r.flaps, r.kt, r.trend);
    vert_speed = r.vs_fpm;
    UpdateOverheadVars();
    EXPECT_EQ(to_callout_mode, r.after) << r.mode << " " << r.ra_ft << " " << r.flaps << " " << r.kt << " " << r.vs_fpm;
  }
}

// With the option set the MCP windows follow the autopilot: the altitude always, the heading outside
// LNAV.
TEST_F(OverheadPassTest, McpWindowsFollowTheAutopilotWhenConfigured) {
  for (const auto& [option, lnav_on, hdg_after, alt_after] :
       {std::tuple{1, 0, 120.0, 12000}, std::tuple{1, 1, 100.0, 12000}, std::tuple{0, 0, 100.0, 10000}}) {
    std::tie(SynchMCPWinToAP, lnav, ap_hdg_bug, hdg_sel_dir) = std::tuple(option, lnav_on, 120.0, 100.0);
    std::tie(ap_alt_lock, alt_sel_num) = std::tuple(12000.0, 10000);
    mcp_sync_seen = 0;  // each case the pass's first sight of the simulator's values
    host_.SetNamed("hdg_sel_dir", 100.0);
    UpdateOverheadVars();
    EXPECT_EQ(std::tuple(hdg_sel_dir, Named("hdg_sel_dir"), alt_sel_num), std::tuple(hdg_after, hdg_after, alt_after))
        << option << lnav_on;
  }
}

TEST_F(OverheadPassTest, LandingChecklistButtonFlipsTheSwitchOnce) {
  std::tie(ldg_checklist, ldg_checklist_mode) = std::tuple(1, 4);
  host_.SetNamed("ldg_checklist", 5.0);  // the EFIS control's centre button
  RunFrames(3);
  EXPECT_EQ(std::tuple(ldg_checklist, ldg_checklist_mode, Named("ldg_checklist")), std::tuple(0, 0, 0.0));
  host_.SetNamed("ldg_checklist", 1.0);  // a panel switch
  RunFrames(3);
  EXPECT_EQ(ldg_checklist, 1);
}

// The trend arrows' prediction on the whole default panel, frame after frame: it settles on a
// steady airspeed and runs ahead of a changing one, by about ten knots at one knot a second.
class IasPredictionOnPanel : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    for (const simhost::PanelEntry& e : simhost::DefaultPanel(&Linkage)) {
      ASSERT_NE(host_.CreateInstance(e.gauge, e.parameter, e.window), nullptr) << e.gauge;
    }
    host_.Startup();
  }
  // Airspeed (token 61) from `start` kt changing by `kt_per_s`, for `seconds` of frames.
  void Fly(double start, double kt_per_s, int seconds) {
    for (int f = 0; f < seconds * 18; ++f) {
      host_.SetToken(61, start + kt_per_s * f / 18.0);
      host_.RunFrame();
    }
  }
};

TEST_F(IasPredictionOnPanel, SettlesOnASteadySpeedAndLeadsAChangingOne) {
  const struct {
    double kt_per_s;
    double lead_min, lead_max;  // ias_predicted - ias
  } rows[] = {{0.0, -2.0, 2.0}, {1.0, 7.0, 12.0}, {-1.0, -12.0, -7.0}};
  for (const auto& r : rows) {
    Fly(250.0, 0.0, 3);
    Fly(250.0, r.kt_per_s, 4);
    EXPECT_NEAR(ias, 250.0 + r.kt_per_s * 4.0, 1.0) << r.kt_per_s;
    EXPECT_GE(ias_predicted - ias, r.lead_min) << r.kt_per_s;
    EXPECT_LE(ias_predicted - ias, r.lead_max) << r.kt_per_s;
  }
}

}  // namespace
