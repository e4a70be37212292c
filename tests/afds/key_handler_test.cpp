#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "cdu/cdu_globals.h"
#include "frame/frame_globals.h"
#include "frame/fsuipc_client.h"
#include "frame/tick_autoflight.h"
#include "frame/tick_globals.h"
#include "nd/nd_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace {

using namespace key_event;
using KeyHandlerTest = PanelInputTest;

struct RequestCase {
  uint32_t event;
  const char* request;
};

class KeyRequestTest : public PanelInputTest, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(KeyRequestTest, SimulatorCommandSetsThePanelsRequest) {
  Key(GetParam().event);
  EXPECT_EQ(Named(GetParam().request), 1.0);
}

INSTANTIATE_TEST_SUITE_P(McpCommands, KeyRequestTest,
                         ::testing::Values(RequestCase{kAltitudeInc, "alt_sel_num_incr"},
                                           RequestCase{kAltitudeDec, "alt_sel_num_decr"},
                                           RequestCase{kHeadingHoldA, "hdg_sel_clicked"},
                                           RequestCase{kHeadingHoldB, "hdg_sel_clicked"},
                                           RequestCase{kAltitudeHoldA, "alt_clicked"},
                                           RequestCase{kAltitudeHoldB, "alt_clicked"},
                                           RequestCase{kApproachHold, "app_clicked"},
                                           RequestCase{kLnavButton, "lnav_clicked"},
                                           RequestCase{kVnavButton, "vnav_clicked"}));

TEST_F(KeyHandlerTest, EfisCommandsRunTheSelectorRoutines) {
  Key(kEfisTfc);
  Key(kEfisArpt);
  Key(kEfisSta);
  Key(kEfisWpt);
  EXPECT_EQ(nd_tfc_on + nd_arpt_on + nd_sta_on + nd_wpt_on, 4);
  Key(kEfisRangeInc);
  Key(kEfisRangeInc);
  Key(kEfisRangeDec);
  EXPECT_EQ(nd_rng_nm, 20.0);
  EXPECT_EQ(fpnd_rng_nm, 20.0);
  Key(kEfisModeInc);
  Key(kEfisModeInc);
  Key(kEfisModeDec);
  EXPECT_EQ(nd_mode, 2);
  EXPECT_EQ(Named("efis_mode_switch"), 1.0);
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
  EXPECT_EQ(own_key_event_pending, 0);
  EXPECT_EQ(autobrake_appl, 0);

  own_key_event_pending = 1;
  Key(kAltitudeInc);
  EXPECT_EQ(Named("alt_sel_num_incr"), 0.0);
  Key(kAltitudeInc);
  EXPECT_EQ(Named("alt_sel_num_incr"), 1.0);
}

TEST_F(KeyHandlerTest, ApToggleBelow400FtWithTheAutopilotOffIsRepeatedOnceAndItsEchoSwallowed) {
  radio_height = 250.0;
  const size_t mark = Mark();
  Key(kApMasterToggle);
  EXPECT_EQ(SentSince(mark), std::vector<uint32_t>{kApMasterToggle});
  EXPECT_EQ(own_key_event_pending, 0);  // the re-sent event came back and was taken as the echo
}

struct ApToggleCase {
  double radio_height;
  double ap_master_token;
  double ap_master_sample;
  int32_t lite_mode;
};

class ApToggleNoRepeatTest : public PanelInputTest, public ::testing::WithParamInterface<ApToggleCase> {};

TEST_P(ApToggleNoRepeatTest, SendsNothingButStillSwallowsTheNextEvent) {
  const ApToggleCase& c = GetParam();
  radio_height = c.radio_height;
  SetToken(103, c.ap_master_token);
  ap_master = c.ap_master_sample;
  lite_mode = c.lite_mode;
  Key(kApMasterToggle);
  EXPECT_TRUE(host().key_events().empty());
  EXPECT_EQ(own_key_event_pending, 1);
  Key(kLnavButton);
  EXPECT_EQ(Named("lnav_clicked"), 0.0);
  EXPECT_EQ(own_key_event_pending, 0);
}

INSTANTIATE_TEST_SUITE_P(Conditions, ApToggleNoRepeatTest,
                         ::testing::Values(ApToggleCase{400.0, 0.0, 0.0, 0}, ApToggleCase{100.0, 1.0, 0.0, 0},
                                           ApToggleCase{100.0, 0.0, 1.0, 0}, ApToggleCase{100.0, 0.0, 0.0, 1}));

TEST_F(KeyHandlerTest, ApMasterSetEngagesTheYawDamperOnlyWithTheMasterExactlyOn) {
  ap_master = 1.0;
  const size_t mark = Mark();
  Key(kApMasterSet);
  EXPECT_EQ(SentSince(mark), std::vector<uint32_t>{kYawDamperOn});
  EXPECT_EQ(own_key_event_pending, 0);  // taken by the echo of 0x10215

  const size_t none = Mark();
  ap_master = 0.999;
  Key(kApMasterSet);
  lite_mode = 1;
  ap_master = 1.0;
  Key(kApMasterSet);
  EXPECT_TRUE(SentSince(none).empty());
  EXPECT_EQ(own_key_event_pending, 0);
}

TEST_F(KeyHandlerTest, PilotBrakingDisarmsTheAutobrakeButItsOwnBrakeEventOnlyAcknowledges) {
  auto_brake_status = 1;
  auto_brake_switch = 3;
  autobrake_appl = 1;
  const size_t mark = Mark();
  Key(kBrakesAxis);
  EXPECT_EQ(auto_brake_status, 1);
  EXPECT_EQ(autobrake_appl, 0);
  EXPECT_TRUE(SentSince(mark).empty());

  // Disarming turns the selector to OFF and lets both brakes go.
  const size_t disarm = Mark();
  Key(kBrakes);
  EXPECT_EQ(auto_brake_status, 0);
  EXPECT_EQ(auto_brake_switch, 1);
  EXPECT_EQ(Named("auto_brake_switch"), 1.0);
  EXPECT_EQ(SentSince(disarm), (std::vector<uint32_t>{0x10353, 0x10354}));
  EXPECT_EQ(ValuesOf(0x10354), std::vector<int32_t>{-16383});

  const size_t disarmed = Mark();
  Key(kBrakes);
  EXPECT_TRUE(SentSince(disarmed).empty());
}

struct HeadingCase {
  int32_t lnav, lnav_init_mode, skip_once;
  bool follows;
};

class HeadingSyncTest : public PanelInputTest, public ::testing::WithParamInterface<HeadingCase> {};

TEST_P(HeadingSyncTest, HeadingBugFollowsUnlessLnavFliesOrTheModuleMovedItItself) {
  const HeadingCase& c = GetParam();
  lnav = c.lnav;
  lnav_init_mode = c.lnav_init_mode;
  hdg_sync_skip_once = c.skip_once;
  hdg_sel_dir = 90.0;
  SetToken(107, 123.7);
  Key(kHeadingBugInc);
  EXPECT_EQ(hdg_sel_dir, c.follows ? 123.7 : 90.0);
  EXPECT_EQ(Named("hdg_sel_dir"), c.follows ? 123.0 : 0.0);
  EXPECT_EQ(hdg_sync_skip_once, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, HeadingSyncTest,
                         ::testing::Values(HeadingCase{0, 0, 0, true}, HeadingCase{1, 1, 0, true},
                                           HeadingCase{1, 0, 0, false}, HeadingCase{0, 0, 1, false},
                                           HeadingCase{1, 0, 1, false}));

TEST_F(KeyHandlerTest, SpeedHoldCommandIsTheSpdButtonOnlyWithTheIasMachSelectorUnchanged) {
  speed_mode_select_prev = 0;
  SetNamed("SPEED MODE SELECT", 1.0);
  Key(kAirspeedHoldA);
  EXPECT_EQ(Named("spd_clicked"), 0.0);
  EXPECT_EQ(speed_mode_select_prev, 1);
  Key(kAirspeedHoldB);
  EXPECT_EQ(Named("spd_clicked"), 1.0);
}

struct LeverCase {
  uint32_t event;
  int32_t eng1_from, eng2_from;
  int32_t eng1_to, eng2_to;
  int32_t sound;
};

class FuelLeverTest : public PanelInputTest, public ::testing::WithParamInterface<LeverCase> {};

TEST_P(FuelLeverTest, LeversMoveOnlyBetweenRunAndCutoff) {
  const LeverCase& c = GetParam();
  eng1_thrott = c.eng1_from;
  eng2_thrott = c.eng2_from;
  Key(c.event);
  EXPECT_EQ(eng1_thrott, c.eng1_to);
  EXPECT_EQ(eng2_thrott, c.eng2_to);
  EXPECT_EQ(sound_event_code, c.sound);
}

INSTANTIATE_TEST_SUITE_P(Events, FuelLeverTest,
                         ::testing::Values(LeverCase{kEng1Cutoff, 1, 1, 2, 1, 13}, LeverCase{kEng1Cutoff, 2, 1, 2, 1, 13},
                                           LeverCase{kEng2Cutoff, 1, 1, 1, 2, 13}, LeverCase{kBothCutoff, 1, 0, 2, 0, 13},
                                           LeverCase{kBothRun, 2, 2, 1, 1, 12}, LeverCase{kBothRun, 0, 2, 0, 1, 12},
                                           LeverCase{kEng1Run, 2, 2, 1, 2, 12}, LeverCase{kEng2Run, 2, 2, 2, 1, 12},
                                           LeverCase{kThrottleCut, 2, 2, 2, 2, 12}));

TEST_F(KeyHandlerTest, CutoffSendsTheStarterEventOfAnArmedEngineEvenWithTheLeverAlreadyCut) {
  eng1_thrott = 2;
  SetToken(563, 1.0);
  SetToken(573, 0.0);
  Key(kBothCutoff);
  EXPECT_EQ(ValuesOf(kEng1Starter).size(), 1u);
  EXPECT_TRUE(ValuesOf(kEng2Starter).empty());
  EXPECT_EQ(eng2_thrott, 2);
}

TEST_F(KeyHandlerTest, ThrottleSetAfterTheDriversReleaseSetsTheDisconnectBitAndArmsTheEcho) {
  thr_release_pending = 1;
  Key(kThrottleSet);
  EXPECT_EQ(host().fsuipc().Value(0x310A, 1), 8u);
  EXPECT_EQ(thr_release_pending, 0);
  EXPECT_EQ(own_key_event_pending, 1);
}

TEST_F(KeyHandlerTest, ThrottleSetWithoutFsuipcStillClearsTheRequestAndArmsTheEcho) {
  host().fsuipc().set_present(false);
  thr_release_pending = 1;
  Key(kThrottleSet);
  EXPECT_EQ(host().fsuipc().sends(), 0);
  EXPECT_EQ(thr_release_pending, 0);
  EXPECT_EQ(own_key_event_pending, 1);
}

TEST_F(KeyHandlerTest, ThrottleSetWithoutAPendingReleaseDoesNothing) {
  Key(kThrottleSet);
  EXPECT_EQ(host().fsuipc().sends(), 0);
  EXPECT_EQ(own_key_event_pending, 0);
}

struct SpeedbrakeCase {
  uint32_t event;
  double on_ground;
  int32_t spoiler_stage;
  int32_t sound_stopped;
  int32_t sound;
};

class SpeedbrakeSoundTest : public PanelInputTest, public ::testing::WithParamInterface<SpeedbrakeCase> {};

TEST_P(SpeedbrakeSoundTest, SoundsOnTheGroundOrAfterTheAutolandsSpoilers) {
  const SpeedbrakeCase& c = GetParam();
  SetToken(60, c.on_ground);
  autoland_spoiler_stage = c.spoiler_stage;
  sim_sound_stopped = c.sound_stopped;
  Key(c.event);
  EXPECT_EQ(sound_event_code, c.sound);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpeedbrakeSoundTest,
                         ::testing::Values(SpeedbrakeCase{kSpeedbrake, 1.0, 0, 0, 10},
                                           SpeedbrakeCase{kSpoilersOn, 0.0, 1, 0, 10},
                                           SpeedbrakeCase{kSpoilersOff, 0.0, 2, 0, 0},
                                           SpeedbrakeCase{kSpeedbrake, 1.0, 0, 1, 0}));

struct FlapCase {
  uint32_t event;
  int32_t prev;
  bool sounds;
};

class FlapSoundTest : public PanelInputTest, public ::testing::WithParamInterface<FlapCase> {};

TEST_P(FlapSoundTest, HandleSoundsOnlyWhenItCanMoveFromItsLastPosition) {
  const FlapCase& c = GetParam();
  flaps_handle_pos_prev = c.prev;
  SetToken(328, 4096.9);
  Key(c.event);
  EXPECT_EQ(sound_event_code, c.sounds ? 11 : 0);
  EXPECT_EQ(flaps_handle_pos_prev, 4096);
}

INSTANTIATE_TEST_SUITE_P(Groups, FlapSoundTest,
                         ::testing::Values(FlapCase{kFlapsUpStep, 0, false}, FlapCase{kFlapsUp, 1, true},
                                           FlapCase{kFlapsDownStep, 16000, false}, FlapCase{kFlapsDown, 15999, true},
                                           FlapCase{kFlapsSet, 0, false}, FlapCase{kFlapsAxis, 16000, false},
                                           FlapCase{kFlapsSet, 8000, true}));

TEST_F(KeyHandlerTest, FlightSaveWritesTheLastSavedPanelStateWhenConfigured) {
  testing_support::TempDir dir;
  dir.MakeDir("Orvantel/PanelStates");
  sim_root = dir.path();
  const std::string folder = dir / "Orvantel/PanelStates";
  SavePanelStateonFlightSave = 0;
  Key(kFlightSaved);
  EXPECT_EQ(testing_support::CountEntries(folder), 0);
  EXPECT_EQ(cdu_message, "");
  SavePanelStateonFlightSave = 1;
  Key(kFlightSaved);
  EXPECT_EQ(testing_support::CountEntries(folder), 1);
  EXPECT_EQ(cdu_message, "LASTSAVEDPANELSTATE.PNL OK");
}

}  // namespace
