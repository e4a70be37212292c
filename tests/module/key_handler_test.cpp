#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "sim/fsuipc_client.h"
#include "afds/tick_autoflight.h"
#include "sim/tick_globals.h"
#include "afds/panel_input_fixture.h"
#include "state/config_globals.h"

namespace {

using namespace key_event;
using KeyHandlerTest = PanelInputTest;
using Ids = std::vector<uint32_t>;

// The module's own action makes the next event of any number; only its sounds still count. The
// autobrake's application stays pending behind another event swallowed so (the disconnect's echo in
// the roll-out), so that its own brake event after it is not taken for the pilot's.
TEST_F(KeyHandlerTest, EchoRuleSwallowsTheNextEventButKeepsItsFlapSound) {
  own_key_event_pending = 1;
  auto_brake_status = autobrake_appl = 1;
  flaps_handle_pos_prev = 5000;
  SetToken(328, 8191.0);
  Key(kFlapsUpStep);
  EXPECT_EQ(sound_event_code, 11);
  EXPECT_EQ(flaps_handle_pos_prev, 8191);
  EXPECT_EQ(std::pair(own_key_event_pending, autobrake_appl), std::pair(0, 1));
  Key(kBrakes);
  EXPECT_EQ(std::pair(auto_brake_status, autobrake_appl), std::pair(1, 0));
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
    Key(kApMasterToggle);
    Key(kLnavButton);
    EXPECT_EQ(Named("lnav_clicked"), 0.0) << r.radio_height << r.ap_master_token << r.ap_master_sample << r.lite_mode;
  }
  EXPECT_EQ(SentSince(0).size(), 1u);
}

TEST_F(KeyHandlerTest, PilotBrakingDisarmsTheAutobrakeButItsOwnBrakeEventOnlyAcknowledges) {
  auto_brake_status = autobrake_appl = 1;
  auto_brake_switch = 3;
  Key(kBrakesAxis);
  EXPECT_EQ(auto_brake_status - autobrake_appl, 1);
  EXPECT_TRUE(SentSince(0).empty());
  Key(kBrakes);  // disarming turns the selector to OFF and lets both brakes go
  EXPECT_EQ(auto_brake_status, 0);
  EXPECT_EQ(Named("auto_brake_switch"), 1.0);
  EXPECT_EQ(SentSince(0), (Ids{0x10353, 0x10354}));
  EXPECT_EQ(ValuesOf(0x10354), std::vector<int32_t>{-16383});
}

// A cut-off sends the starter event of an armed engine even with its lever already cut.
TEST_F(KeyHandlerTest, FuelLeversMoveOnlyBetweenRunAndCutoff) {
  const struct {
    uint32_t event;
    int32_t eng1_from, eng2_from, eng1_to, eng2_to, sound;
  } rows[] = {{kEng1Cutoff, 2, 1, 2, 1, 13}, {kBothCutoff, 1, 0, 2, 0, 13}, {kBothRun, 0, 2, 0, 1, 12},
              {kThrottleCut, 2, 2, 2, 2, 12}};
  SetToken(563, 1.0);
  for (const auto& r : rows) {
    eng1_thrott = r.eng1_from;
    eng2_thrott = r.eng2_from;
    sound_event_code = 0;
    Key(r.event);
    EXPECT_EQ(std::make_pair(eng1_thrott, eng2_thrott), std::make_pair(r.eng1_to, r.eng2_to)) << std::hex << r.event;
    EXPECT_EQ(sound_event_code, r.sound) << std::hex << r.event;
  }
  EXPECT_EQ(ValuesOf(kEng1Starter).size(), 2u);
  EXPECT_TRUE(ValuesOf(kEng2Starter).empty());
}

// Without FSUIPC the request is still cleared and the echo armed.
TEST_F(KeyHandlerTest, ThrottleSetAfterTheDriversReleaseSetsTheDisconnectBitAndArmsTheEcho) {
  for (bool present : {true, false}) {
    host().fsuipc().set_present(present);
    own_key_event_pending = 0;
    thr_release_pending = 1;
    Key(kThrottleSet);
    EXPECT_EQ(thr_release_pending, 0);
    EXPECT_EQ(own_key_event_pending, 1);
  }
  EXPECT_EQ(host().fsuipc().Value(0x310A, 1), 8u);
}

TEST_F(KeyHandlerTest, SpeedbrakeAndFlapSoundsFollowTheirConditions) {
  const struct {
    uint32_t event;
    double on_ground;
    int32_t spoiler_stage, sound_stopped, flap_prev, sound;
  } rows[] = {{kSpeedbrake, 1.0, 0, 0, 0, 10},      {kSpoilersOn, 0.0, 1, 0, 0, 10}, {kSpeedbrake, 1.0, 0, 1, 0, 0},
              {kFlapsUpStep, 0.0, 0, 0, 0, 0},       {kFlapsUp, 0.0, 0, 0, 1, 11},   {kFlapsDown, 0.0, 0, 0, 16000, 0},
              {kFlapsDownStep, 0.0, 0, 0, 15999, 11}, {kFlapsSet, 0.0, 0, 0, 8000, 11}};
  SetToken(328, 4096.9);
  for (const auto& r : rows) {
    SetToken(60, r.on_ground);
    autoland_spoiler_stage = r.spoiler_stage;
    sim_sound_stopped = r.sound_stopped;
    flaps_handle_pos_prev = r.flap_prev;
    sound_event_code = 0;
    Key(r.event);
    EXPECT_EQ(sound_event_code, r.sound) << std::hex << r.event << " " << std::dec << r.flap_prev;
  }
  EXPECT_EQ(flaps_handle_pos_prev, 4096);
}

}  // namespace
