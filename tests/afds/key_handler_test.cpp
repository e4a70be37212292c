#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "frame/fsuipc_client.h"
#include "frame/tick_autoflight.h"
#include "frame/tick_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace {

using namespace key_event;
using KeyHandlerTest = PanelInputTest;
using Ids = std::vector<uint32_t>;

TEST_F(KeyHandlerTest, SimulatorCommandsSetThePanelsRequests) {
  const std::pair<uint32_t, const char*> rows[] = {{kAltitudeDec, "alt_sel_num_decr"}, {kHeadingHoldB, "hdg_sel_clicked"},
                                                   {kAltitudeHoldA, "alt_clicked"},     {kApproachHold, "app_clicked"},
                                                   {kVnavButton, "vnav_clicked"}};
  for (const auto& [event, request] : rows) {
    Key(event);
    EXPECT_EQ(Named(request), 1.0) << request;
  }
}

// The module's own action makes the next event of any number; only its sounds still count.
TEST_F(KeyHandlerTest, EchoRuleSwallowsTheNextEventButKeepsItsFlapSound) {
  own_key_event_pending = 1;
  autobrake_appl = 1;
  flaps_handle_pos_prev = 5000;
  SetToken(328, 8191.0);
  Key(kFlapsUpStep);
  EXPECT_EQ(sound_event_code, 11);
  EXPECT_EQ(flaps_handle_pos_prev, 8191);
  EXPECT_EQ(own_key_event_pending + autobrake_appl, 0);
  own_key_event_pending = 1;
  Key(kAltitudeInc);
  EXPECT_EQ(Named("alt_sel_num_incr"), 0.0);
  Key(kAltitudeInc);
  EXPECT_EQ(Named("alt_sel_num_incr"), 1.0);
}

// Below 400 ft with the autopilot off the toggle is sent again (and its echo swallowed); in every
// other case nothing is sent but the next event is still taken as the echo.
TEST_F(KeyHandlerTest, ApToggleIsRepeatedOnlyBelow400FtWithTheAutopilotOff) {
  radio_height = 250.0;
  Key(kApMasterToggle);
  EXPECT_EQ(SentSince(0), Ids{kApMasterToggle});
  EXPECT_EQ(own_key_event_pending, 0);
  const struct {
    double radio_height, ap_master_token, ap_master_sample;
    int32_t lite_mode;
  } rows[] = {{400.0, 0.0, 0.0, 0}, {100.0, 1.0, 0.0, 0}, {100.0, 0.0, 1.0, 0}, {100.0, 0.0, 0.0, 1}};
  for (const auto& r : rows) {
    radio_height = r.radio_height;
    SetToken(103, r.ap_master_token);
    ap_master = r.ap_master_sample;
    lite_mode = r.lite_mode;
    const size_t mark = Mark();
    Key(kApMasterToggle);
    EXPECT_TRUE(SentSince(mark).empty()) << r.radio_height << r.ap_master_token << r.ap_master_sample << r.lite_mode;
    Key(kLnavButton);
    EXPECT_EQ(Named("lnav_clicked"), 0.0);
    EXPECT_EQ(own_key_event_pending, 0);
  }
}

TEST_F(KeyHandlerTest, ApMasterSetEngagesTheYawDamperOnlyWithTheMasterExactlyOn) {
  ap_master = 1.0;
  Key(kApMasterSet);
  EXPECT_EQ(SentSince(0), Ids{kYawDamperOn});
  EXPECT_EQ(own_key_event_pending, 0);  // taken by the echo of the yaw-damper event
  ap_master = 0.999;
  Key(kApMasterSet);
  lite_mode = 1;
  ap_master = 1.0;
  Key(kApMasterSet);
  EXPECT_EQ(SentSince(1), Ids{});
}

TEST_F(KeyHandlerTest, PilotBrakingDisarmsTheAutobrakeButItsOwnBrakeEventOnlyAcknowledges) {
  auto_brake_status = autobrake_appl = 1;
  auto_brake_switch = 3;
  Key(kBrakesAxis);
  EXPECT_EQ(auto_brake_status, 1);
  EXPECT_EQ(autobrake_appl, 0);
  EXPECT_TRUE(SentSince(0).empty());
  // Disarming turns the selector to OFF and lets both brakes go.
  Key(kBrakes);
  EXPECT_EQ(auto_brake_status, 0);
  EXPECT_EQ(Named("auto_brake_switch"), 1.0);
  EXPECT_EQ(SentSince(0), (Ids{0x10353, 0x10354}));
  EXPECT_EQ(ValuesOf(0x10354), std::vector<int32_t>{-16383});
}

TEST_F(KeyHandlerTest, HeadingBugFollowsUnlessLnavFliesOrTheModuleMovedItItself) {
  const struct {
    int32_t lnav, lnav_init_mode, skip_once;
    bool follows;
  } rows[] = {{0, 0, 0, true}, {1, 1, 0, true}, {1, 0, 0, false}, {0, 0, 1, false}, {1, 0, 1, false}};
  SetToken(107, 123.7);
  for (const auto& r : rows) {
    lnav = r.lnav;
    lnav_init_mode = r.lnav_init_mode;
    hdg_sync_skip_once = r.skip_once;
    hdg_sel_dir = 90.0;
    SetNamed("hdg_sel_dir", 0.0);
    Key(kHeadingBugInc);
    EXPECT_EQ(hdg_sel_dir, r.follows ? 123.7 : 90.0) << r.lnav << r.lnav_init_mode << r.skip_once;
    EXPECT_EQ(Named("hdg_sel_dir"), r.follows ? 123.0 : 0.0);
    EXPECT_EQ(hdg_sync_skip_once, 0);
  }
}

TEST_F(KeyHandlerTest, SpeedHoldCommandIsTheSpdButtonOnlyWithTheIasMachSelectorUnchanged) {
  SetNamed("SPEED MODE SELECT", 1.0);
  Key(kAirspeedHoldA);
  EXPECT_EQ(Named("spd_clicked"), 0.0);
  Key(kAirspeedHoldB);
  EXPECT_EQ(Named("spd_clicked"), 1.0);
}

// A cut-off sends the starter event of an armed engine even with its lever already cut.
TEST_F(KeyHandlerTest, FuelLeversMoveOnlyBetweenRunAndCutoff) {
  const struct {
    uint32_t event;
    int32_t eng1_from, eng2_from, eng1_to, eng2_to, sound;
  } rows[] = {{kEng1Cutoff, 2, 1, 2, 1, 13}, {kEng2Cutoff, 1, 1, 1, 2, 13}, {kBothCutoff, 1, 0, 2, 0, 13},
              {kBothRun, 0, 2, 0, 1, 12},    {kEng1Run, 2, 2, 1, 2, 12},    {kThrottleCut, 2, 2, 2, 2, 12}};
  SetToken(563, 1.0);
  for (const auto& r : rows) {
    eng1_thrott = r.eng1_from;
    eng2_thrott = r.eng2_from;
    sound_event_code = 0;
    Key(r.event);
    EXPECT_EQ(eng1_thrott, r.eng1_to) << std::hex << r.event;
    EXPECT_EQ(eng2_thrott, r.eng2_to) << std::hex << r.event;
    EXPECT_EQ(sound_event_code, r.sound) << std::hex << r.event;
  }
  EXPECT_EQ(ValuesOf(kEng1Starter).size(), 2u);
  EXPECT_TRUE(ValuesOf(kEng2Starter).empty());
}

TEST_F(KeyHandlerTest, ThrottleSetAfterTheDriversReleaseSetsTheDisconnectBitAndArmsTheEcho) {
  Key(kThrottleSet);  // no release pending: nothing
  EXPECT_EQ(host().fsuipc().sends() + own_key_event_pending, 0);
  thr_release_pending = 1;
  Key(kThrottleSet);
  EXPECT_EQ(host().fsuipc().Value(0x310A, 1), 8u);
  EXPECT_EQ(thr_release_pending, 0);
  EXPECT_EQ(own_key_event_pending, 1);
  // Without FSUIPC the request is still cleared and the echo armed.
  own_key_event_pending = 0;
  host().fsuipc().set_present(false);
  thr_release_pending = 1;
  Key(kThrottleSet);
  EXPECT_EQ(thr_release_pending, 0);
  EXPECT_EQ(own_key_event_pending, 1);
}

TEST_F(KeyHandlerTest, SpeedbrakeSoundsOnTheGroundOrAfterTheAutolandsSpoilers) {
  const struct {
    uint32_t event;
    double on_ground;
    int32_t spoiler_stage, sound_stopped, sound;
  } rows[] = {{kSpeedbrake, 1.0, 0, 0, 10}, {kSpoilersOn, 0.0, 1, 0, 10}, {kSpoilersOff, 0.0, 2, 0, 0},
              {kSpeedbrake, 1.0, 0, 1, 0}};
  for (const auto& r : rows) {
    SetToken(60, r.on_ground);
    autoland_spoiler_stage = r.spoiler_stage;
    sim_sound_stopped = r.sound_stopped;
    sound_event_code = 0;
    Key(r.event);
    EXPECT_EQ(sound_event_code, r.sound) << std::hex << r.event;
  }
}

TEST_F(KeyHandlerTest, FlapHandleSoundsOnlyWhenItCanMoveFromItsLastPosition) {
  const struct {
    uint32_t event;
    int32_t prev;
    bool sounds;
  } rows[] = {{kFlapsUpStep, 0, false}, {kFlapsUp, 1, true},     {kFlapsDownStep, 16000, false},
              {kFlapsDown, 15999, true}, {kFlapsSet, 0, false}, {kFlapsAxis, 16000, false}, {kFlapsSet, 8000, true}};
  SetToken(328, 4096.9);
  for (const auto& r : rows) {
    flaps_handle_pos_prev = r.prev;
    sound_event_code = 0;
    Key(r.event);
    EXPECT_EQ(sound_event_code, r.sounds ? 11 : 0) << std::hex << r.event << " " << std::dec << r.prev;
    EXPECT_EQ(flaps_handle_pos_prev, 4096);
  }
}

TEST_F(KeyHandlerTest, FlightSaveWritesTheLastSavedPanelStateWhenConfigured) {
  testing_support::TempDir dir;
  dir.MakeDir("Orvantel/PanelStates");
  sim_root = dir.path();
  for (int32_t configured : {0, 1}) {
    SavePanelStateonFlightSave = configured;
    Key(kFlightSaved);
    EXPECT_EQ(testing_support::CountEntries(dir / "Orvantel/PanelStates"), configured);
  }
}

}  // namespace
