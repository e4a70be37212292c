#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/mcp_knobs.h"
#include "afds/panel_input_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/frame_globals.h"
#include "frame/tick_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kCourseSet = 0x100b4;
constexpr uint32_t kHeadingBugSet = 0x101fa;
constexpr uint32_t kAltitudeSet = 0x1024c;
constexpr uint32_t kAirspeedSet = 0x101f5;
constexpr uint32_t kAutoEngineStart = 0x102b0;  // the last step of the start-up sequence
constexpr uint32_t kShutDownEvent = 0x103e3;
// Each electrical pass sends it while token variable 13 reads 0, as it does on the host's defaults.
constexpr uint32_t kElectricalPassEvent = 0x10218;

// Knob steps run on every pass; server_phase 1 keeps the panel buttons out of the way.
class McpKnobsTest : public PanelInputTest {
 protected:
  void SetUp() override {
    PanelInputTest::SetUp();
    server_phase = 1;
  }
  void Request(const std::string& name, double value) {
    SetNamed(name, value);
    ProcMcpKnobs();
  }
};

struct WrapCase {
  const char* request;
  double value;
  double from;
  double to;
};

class CourseHeadingWrapTest : public McpKnobsTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(CourseHeadingWrapTest, StepsWrapAroundTheDial) {
  const WrapCase& c = GetParam();
  const bool course = std::string(c.request).rfind("crs", 0) == 0;
  double& dial = course ? crs_dir : hdg_sel_dir;
  dial = c.from;
  hdg_sel_mode = 1;
  Request(c.request, c.value);
  EXPECT_EQ(dial, c.to);
  EXPECT_EQ(Named(c.request), 0.0);
  EXPECT_EQ(ValuesOf(course ? kCourseSet : kHeadingBugSet), std::vector<int32_t>{static_cast<int32_t>(c.to)});
  if (!course) {
    EXPECT_EQ(Named("hdg_sel_dir"), static_cast<int32_t>(c.to));  // whole degrees
  }
}

INSTANTIATE_TEST_SUITE_P(Dials, CourseHeadingWrapTest,
                         ::testing::Values(WrapCase{"crs_dir_incr", 1, 360, 1}, WrapCase{"crs_dir_decr", 1, 1, 360},
                                           WrapCase{"crs_dir_incr", 2, 355, 5}, WrapCase{"crs_dir_decr", 2, 10, 360},
                                           WrapCase{"hdg_sel_dir_incr", 1, 359, 0},
                                           WrapCase{"hdg_sel_dir_decr", 2, 0, 350},
                                           WrapCase{"hdg_sel_dir_incr", 2, 350, 0},
                                           WrapCase{"hdg_sel_dir_decr", 1, 0.5, 359.5}));

TEST_F(McpKnobsTest, KnobRequestsOfZeroOrBelowWaitUntouched) {
  crs_dir = 100.0;
  Request("crs_dir_incr", -1.0);
  Request("alt_sel_num_decr", -2.0);
  EXPECT_EQ(crs_dir, 100.0);
  EXPECT_EQ(Named("crs_dir_incr"), -1.0);
  EXPECT_EQ(Named("alt_sel_num_decr"), -2.0);
  EXPECT_TRUE(host().key_events().empty());
}

TEST_F(McpKnobsTest, HeadingStepMovesTheSimulatorBugOnlyInHdgSelOrOnTheFlightDirectorAlone) {
  hdg_sel_dir = 100.0;
  Request("hdg_sel_dir_incr", 1.0);
  EXPECT_TRUE(ValuesOf(kHeadingBugSet).empty());
  tok792_flag = 1.0;
  Request("hdg_sel_dir_incr", 1.0);
  EXPECT_EQ(ValuesOf(kHeadingBugSet), std::vector<int32_t>{102});
  ap_master = 1.0;
  Request("hdg_sel_dir_incr", 1.0);
  EXPECT_EQ(ValuesOf(kHeadingBugSet).size(), 1u);
}

struct AltitudeCase {
  const char* request;
  double value;
  int32_t from;
  int32_t large_step;
  int32_t to;
};

class AltitudeStepTest : public McpKnobsTest, public ::testing::WithParamInterface<AltitudeCase> {};

TEST_P(AltitudeStepTest, StaysOnTheWindowsScale) {
  const AltitudeCase& c = GetParam();
  alt_sel_num = c.from;
  AltWinRightClickIncr = c.large_step;
  alt_alert_state = 3;
  Request(c.request, c.value);
  EXPECT_EQ(alt_sel_num, c.to);
  EXPECT_EQ(Named("alt_sel_num"), c.to);
  EXPECT_EQ(alt_alert_state, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AltitudeStepTest,
    ::testing::Values(AltitudeCase{"alt_sel_num_incr", 2, 49900, 500, 50000},
                      AltitudeCase{"alt_sel_num_decr", 1, 50, 500, 0},
                      AltitudeCase{"alt_sel_num_incr", 1, 10000, 500, 10100},
                      AltitudeCase{"alt_sel_num_decr", 2, 10000, 1000, 9000},
                      // an unchecked configuration step can neither overflow nor leave the scale
                      AltitudeCase{"alt_sel_num_incr", 2, 30000, 2147483647, 50000},
                      AltitudeCase{"alt_sel_num_decr", 2, 30000, 2147483647, 0},
                      AltitudeCase{"alt_sel_num_decr", 2, 30000, -2147483647 - 1, 50000}));

TEST_F(McpKnobsTest, AltitudeStepInVnavResetsTheVsReferenceAndMovesTheTargetOnlyBeforeTocOrAfterTod) {
  vnav = 1;
  alt_sel_num = 20000;
  vnav_tgt_vs = 1800;
  SetToken(120, 1800.0);
  Request("alt_sel_num_incr", 1.0);
  EXPECT_EQ(vnav_vs_ref, 0);
  EXPECT_EQ(ValuesOf(kAltitudeSet), std::vector<int32_t>{20100});

  toc = 1;  // cruising: the target stays
  SetToken(120, 0.0);
  Request("alt_sel_num_incr", 1.0);
  EXPECT_EQ(vnav_vs_ref, -999);
  vnav_vs_ref = 0;
  Request("alt_sel_num_decr", 1.0);
  EXPECT_EQ(vnav_vs_ref, 0);
  EXPECT_EQ(ValuesOf(kAltitudeSet).size(), 1u);

  tod = 1;
  Request("alt_sel_num_decr", 1.0);
  EXPECT_EQ(vnav_vs_ref, -999);
  EXPECT_EQ(ValuesOf(kAltitudeSet), (std::vector<int32_t>{20100, 20000}));
}

struct VsFollowCase {
  double vs_target;
  int32_t flch, alt_hold, lite;
  int32_t vs_hold_from;
  int32_t vs_hold_to;
  bool altitude_sent;
};

class AltitudeStepVsTest : public McpKnobsTest, public ::testing::WithParamInterface<VsFollowCase> {};

// Outside VNAV the V/S flag follows the simulator's V/S target, except beside FLCH or ALT HOLD.
TEST_P(AltitudeStepVsTest, VsFlagFollowsTheSimulatorsTargetWithoutASecondPitchMode) {
  const VsFollowCase& c = GetParam();
  SetToken(120, c.vs_target);
  flch = c.flch;
  alt_hold_mode = c.alt_hold;
  lite_mode = c.lite;
  vs_hold_mode = c.vs_hold_from;
  SetNamed("vs_hold", -1.0);
  alt_sel_num = 8000;
  Request("alt_sel_num_incr", 1.0);
  EXPECT_EQ(vs_hold_mode, c.vs_hold_to);
  EXPECT_EQ(Named("vs_hold"), c.vs_hold_to != c.vs_hold_from ? c.vs_hold_to : -1.0);
  EXPECT_EQ(ValuesOf(kAltitudeSet).size(), c.altitude_sent ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, AltitudeStepVsTest,
                         ::testing::Values(VsFollowCase{-500, 0, 0, 0, 0, 1, true}, VsFollowCase{0, 0, 0, 0, 1, 0, false},
                                           VsFollowCase{0, 0, 0, 1, 0, 0, true}, VsFollowCase{700, 1, 0, 0, 0, 0, true},
                                           VsFollowCase{0, 0, 1, 0, 1, 1, false}, VsFollowCase{700, 0, 0, 0, 1, 1, true}));

struct SpeedCase {
  const char* request;
  double value;
  double bug;
  int32_t vnav;
  double to;
  bool sent;
};

class SpeedStepTest : public McpKnobsTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedStepTest, StepsFromTheSimulatorsBugAndRefusesEventsOutOfRange) {
  const SpeedCase& c = GetParam();
  SetToken(116, c.bug);
  vnav = c.vnav;
  Request(c.request, c.value);
  EXPECT_EQ(ap_spdbug, c.to);
  EXPECT_EQ(ValuesOf(kAirspeedSet).size(), c.sent ? 1u : 0u);
  EXPECT_EQ(Named(c.request), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Steps, SpeedStepTest,
                         ::testing::Values(SpeedCase{"spd_sel_num_incr", 1, 399, 0, 400, false},
                                           SpeedCase{"spd_sel_num_incr", 1, 398, 0, 399, true},
                                           SpeedCase{"spd_sel_num_incr", 2, 250, 0, 260, true},
                                           SpeedCase{"spd_sel_num_decr", 1, 100, 0, 99, false},
                                           SpeedCase{"spd_sel_num_decr", 2, 250, 0, 240, true},
                                           SpeedCase{"spd_sel_num_incr", 1, 250, 1, 251, false}));

struct SimStepCase {
  const char* request;
  double value;
  uint32_t token;
  double reading;
  int32_t vnav;
  std::vector<uint32_t> sent;
};

class SimulatorStepTest : public McpKnobsTest, public ::testing::WithParamInterface<SimStepCase> {};

// Mach and V/S steps are the simulator's own: the module only decides whether to send them.
TEST_P(SimulatorStepTest, MachAndVsStepsStopAtTheirLimits) {
  const SimStepCase& c = GetParam();
  SetToken(c.token, c.reading);
  vnav = c.vnav;
  alt_sel_num = 10000;
  plane_alt = 5000.0;
  Request(c.request, c.value);
  EXPECT_EQ(SentSince(0), c.sent);
  EXPECT_EQ(Named(c.request), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SimulatorStepTest,
    ::testing::Values(SimStepCase{"mach_sel_num_incr", 0.5, 118, 0.94, 0, {0x1017c}},
                      SimStepCase{"mach_sel_num_incr", 1, 118, 0.95, 0, {}},
                      SimStepCase{"mach_sel_num_decr", -1, 118, 0.41, 0, {0x1017d}},
                      SimStepCase{"mach_sel_num_decr", 1, 118, 0.4, 0, {}},
                      SimStepCase{"mach_sel_num_incr", 1, 118, 0.7, 1, {}},
                      // climbing toward the selected altitude re-sends it first
                      SimStepCase{"vs_sel_num_incr", 1, 120, 5900, 0, {0x1024c, 0x10166}},
                      SimStepCase{"vs_sel_num_incr", 2, 120, 6000, 0, {}},
                      SimStepCase{"vs_sel_num_decr", 1, 120, -7900, 0, {0x10167}},
                      SimStepCase{"vs_sel_num_decr", 1, 120, -8000, 0, {}},
                      SimStepCase{"vs_sel_num_decr", 1, 120, 0, 1, {}}));

TEST_F(McpKnobsTest, CabinSignsChimeOnlyOnceThePanelIsSetUp) {
  seatbelt_sign = 0;
  no_smoking_sign = 0;
  SetNamed("Seatbelt sign", 1.0);
  ProcMcpKnobs();
  EXPECT_EQ(chime_code, 0);
  EXPECT_EQ(seatbelt_sign, 0);

  initialize_server = 1;
  ProcMcpKnobs();
  EXPECT_EQ(chime_code, 4);
  EXPECT_EQ(seatbelt_sign, 1);
  EXPECT_EQ(Named("Seatbelt sign"), 1.0);  // a switch position, never written back
  chime_code = 0;
  ProcMcpKnobs();
  EXPECT_EQ(chime_code, 0);
  SetNamed("No smoking sign", 1.0);
  ProcMcpKnobs();
  EXPECT_EQ(chime_code, 4);
  EXPECT_EQ(no_smoking_sign, 1);
}

TEST_F(McpKnobsTest, SeatbeltsOnNearTheDescentRequestTheCabinAnnouncement) {
  initialize_server = 1;
  seatbelt_sign = 0;
  annuncement_mode = 7;
  toc = 1;
  dist_to_tod = 80.0;
  SetNamed("Seatbelt sign", 1.0);
  ProcMcpKnobs();
  EXPECT_EQ(seatbelt_announce_request, 1);
  EXPECT_EQ(crew_callout_delay, 50);

  seatbelt_announce_request = 0;
  crew_callout_delay = 0;
  dist_to_tod = 80.5;
  SetNamed("Seatbelt sign", 0.0);
  ProcMcpKnobs();
  SetNamed("Seatbelt sign", 1.0);
  ProcMcpKnobs();
  EXPECT_EQ(seatbelt_announce_request, 0);
}

// A fast knob moves in tens between multiples of ten, otherwise by one, within 60..450 kt.
TEST_F(McpKnobsTest, AirspeedBugsStepInTensWhenTurnedFastAndStopAtTheirLimits) {
  asi_bug1 = 430;
  mcp_knob_idle_ticks = 0;
  std::vector<int32_t> up;
  for (int i = 0; i < 12; ++i) {
    Request("asi_bug1_incr", 1.0);
    up.push_back(asi_bug1);
  }
  EXPECT_EQ(up, (std::vector<int32_t>{440, 441, 442, 443, 444, 445, 446, 447, 448, 449, 450, 450}));
  EXPECT_EQ(Named("asi_bug1"), 450.0);

  asi_bug3 = 80;
  std::vector<int32_t> down;
  for (int i = 0; i < 12; ++i) {
    Request("asi_bug3_decr", 2.0);
    down.push_back(asi_bug3);
  }
  EXPECT_EQ(down, (std::vector<int32_t>{70, 69, 68, 67, 66, 65, 64, 63, 62, 61, 60, 60}));
  EXPECT_EQ(Named("asi_bug3_decr"), 0.0);
}

TEST_F(McpKnobsTest, FirstAirspeedBugRequestAfterAPauseMovesOneKnot) {
  asi_bug2 = 150;
  mcp_knob_idle_ticks = 5;
  Request("asi_bug2_incr", 1.0);
  EXPECT_EQ(asi_bug2, 151);
  EXPECT_EQ(mcp_knob_idle_ticks, 0);
  asi_bug2 = 150;
  mcp_knob_idle_ticks = 4;
  Request("asi_bug2_decr", 1.0);
  EXPECT_EQ(asi_bug2, 140);
  EXPECT_EQ(Named("asi_bug2"), 140.0);
}

TEST_F(McpKnobsTest, LiteSetupButtonRunsTheSequenceOfItsState) {
  SetNamed("beg_start_button_clicked", 1.0);
  ProcMcpKnobs();
  EXPECT_EQ(Named("beg_start_button_clicked"), 1.0);  // only in the reduced panel mode

  EXPECT_EQ(KeyEvents(kAutoEngineStart) + KeyEvents(kShutDownEvent), 0);

  // The sequences move the button on; the handler publishes where they left it.
  lite_mode = 1;
  beg_start_button = 1;
  ProcMcpKnobs();
  EXPECT_EQ(KeyEvents(kAutoEngineStart), 1);
  EXPECT_EQ(beg_start_button, 2);
  EXPECT_EQ(Named("beg_start_button"), 2.0);
  EXPECT_EQ(sound_event_code, 3);
  EXPECT_EQ(Named("beg_start_button_clicked"), 0.0);
  Request("beg_start_button_clicked", 1.0);
  EXPECT_EQ(KeyEvents(kShutDownEvent), 1);
  EXPECT_EQ(beg_start_button, 1);
  EXPECT_EQ(Named("beg_start_button"), 1.0);
  beg_start_button = 0;
  Request("beg_start_button_clicked", 1.0);
  EXPECT_EQ(KeyEvents(kAutoEngineStart), 1);
  EXPECT_EQ(KeyEvents(kShutDownEvent), 1);
  EXPECT_EQ(Named("beg_start_button"), 0.0);
}

// The panel buttons: server_phase 3 so that they run with the poller, but without the electrical
// pass of frame 0 (it would drop the channels of unaligned IRS and send its own key events).
class PanelButtonsTest : public McpKnobsTest {
 protected:
  void SetUp() override {
    McpKnobsTest::SetUp();
    server_phase = 3;
  }
};

TEST_F(PanelButtonsTest, LocArmsAndDropsAndTakesApproachAndAutolandOut) {
  app_mode = 1;
  autoland_mode = 1;
  Request("loc_clicked", 1.0);
  EXPECT_EQ(loc_mode, 1);
  EXPECT_EQ(app_mode, 0);
  EXPECT_EQ(autoland_mode, 0);
  EXPECT_EQ(Named("loc"), 1.0);
  EXPECT_EQ(Named("app"), 0.0);
  EXPECT_EQ(sound_event_code, 2);
  loc_capture = 1;
  Request("loc_clicked", 1.0);
  EXPECT_EQ(loc_mode, 0);
  EXPECT_EQ(loc_capture, 0);
  EXPECT_EQ(SentSince(0), (std::vector<uint32_t>{0x1010d, 0x10115}));
}

TEST_F(PanelButtonsTest, AppWithAChannelEngagedEngagesAllThreeAndArmsAutoland) {
  apcenter = 1;
  autoland_spoiler_stage = 2;
  Request("app_clicked", 1.0);
  EXPECT_EQ(app_mode, 1);
  EXPECT_EQ(apleft + apcenter + apright, 3);
  EXPECT_EQ(autoland_mode, 1);
  EXPECT_EQ(autoland_spoiler_stage, 0);
  EXPECT_EQ(Named("apleft") + Named("apcenter") + Named("apright"), 3.0);
  gs_capture = 1;
  Request("app_clicked", 1.0);
  EXPECT_EQ(app_mode, 0);
  EXPECT_EQ(gs_capture, 0);
  EXPECT_EQ(SentSince(0), (std::vector<uint32_t>{0x1010e, 0x10116}));
}

TEST_F(PanelButtonsTest, AppInLiteModeLeavesTheChannelsAlone) {
  lite_mode = 1;
  apleft = 1;
  Request("app_clicked", 1.0);
  EXPECT_EQ(app_mode, 1);
  EXPECT_EQ(apcenter, 0);
  EXPECT_EQ(autoland_mode, 0);
}

TEST_F(PanelButtonsTest, LightSwitchesSendTheirEventsAndSkipOneLightSync) {
  wingldglt = 1;
  SetNamed("noseldglt_clicked", 1.0);
  SetNamed("wingldglt_clicked", 1.0);
  SetNamed("rwyturnoff_clicked", 1.0);
  ProcMcpKnobs();
  EXPECT_EQ(noseldglt, 1);
  EXPECT_EQ(wingldglt, 0);
  EXPECT_EQ(Named("noseldglt"), 1.0);
  EXPECT_EQ(Named("wingldglt"), 0.0);
  EXPECT_EQ(SentSince(0), (std::vector<uint32_t>{0x1020b, 0x1020c, 0x102c0}));
  EXPECT_EQ(ldg_light_clicked, 1);
  EXPECT_EQ(Named("rwyturnoff_clicked"), 0.0);
}

struct AutobrakeCase {
  int32_t request;
  int32_t from;
  int32_t sim_autobrake;
  double on_ground;
  int32_t to;
  std::vector<uint32_t> sent;
};

class AutobrakeSelectorTest : public PanelButtonsTest, public ::testing::WithParamInterface<AutobrakeCase> {};

TEST_P(AutobrakeSelectorTest, SelectorMovesAndDisarms) {
  const AutobrakeCase& c = GetParam();
  auto_brake_switch = c.from;
  UseDefAutoBrakes = c.sim_autobrake;
  SetToken(60, c.on_ground);
  auto_brake_status = 1;
  Request("auto_brake_switch_clicked", c.request);
  EXPECT_EQ(auto_brake_switch, c.to);
  EXPECT_EQ(Named("auto_brake_switch"), c.to);
  EXPECT_EQ(auto_brake_status, 0);
  EXPECT_EQ(SentSince(0), c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, AutobrakeSelectorTest,
    ::testing::Values(AutobrakeCase{2, 0, 1, 1.0, 1, {0x102fa}}, AutobrakeCase{2, 1, 0, 1.0, 2, {}},
                      AutobrakeCase{2, 4, 1, 1.0, 5, {0x102fa}}, AutobrakeCase{2, 5, 0, 1.0, 6, {}},
                      AutobrakeCase{2, 5, 1, 1.0, 5, {0x102fa}}, AutobrakeCase{2, 6, 1, 1.0, 6, {}},
                      AutobrakeCase{1, 6, 1, 1.0, 5, {}}, AutobrakeCase{1, 3, 1, 1.0, 2, {0x102fb}},
                      AutobrakeCase{1, 1, 1, 1.0, 0, {0x102fb}}, AutobrakeCase{1, 1, 1, 0.0, 1, {}},
                      AutobrakeCase{1, 0, 1, 1.0, 0, {}}));

TEST_F(PanelButtonsTest, AutobrakeRequestOtherThanUpOrDownStaysPending) {
  auto_brake_status = 1;
  Request("auto_brake_switch_clicked", 3.0);
  EXPECT_EQ(Named("auto_brake_switch_clicked"), 3.0);
  EXPECT_EQ(auto_brake_status, 1);
}

TEST_F(PanelButtonsTest, LeavingOffClearsTheAutobrakesOwnBrakeMarker) {
  auto_brake_switch = 1;
  autobrake_appl = 1;
  Request("auto_brake_switch_clicked", 2.0);
  EXPECT_EQ(autobrake_appl, 0);
}

struct SoundRequestCase {
  const char* request;
  int32_t code;
};

class SoundRequestTest : public PanelButtonsTest, public ::testing::WithParamInterface<SoundRequestCase> {};

TEST_P(SoundRequestTest, SoundRequestQueuesItsCode) {
  Request(GetParam().request, 1.0);
  EXPECT_EQ(sound_event_code, GetParam().code);
  EXPECT_EQ(Named(GetParam().request), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Codes, SoundRequestTest,
                         ::testing::Values(SoundRequestCase{"play_click_sound", 2}, SoundRequestCase{"play_push_sound", 2},
                                           SoundRequestCase{"play_push_slide_sound", 3},
                                           SoundRequestCase{"play_switch_click_sound", 6}));

TEST_F(PanelButtonsTest, ExternalPowerButtonTogglesAndSoundsThePowerOnlyWhenAvailable) {
  Request("ext_power_button_clicked", 1.0);
  EXPECT_EQ(ext_power_button, 2);
  EXPECT_EQ(sound_event_code, 3);
  ext_power_avail = 1;
  Request("ext_power_button_clicked", 1.0);
  EXPECT_EQ(ext_power_button, 1);
  EXPECT_EQ(Named("ext_power_button"), 1.0);
  EXPECT_EQ(sound_event_code, 9);
  ext_power_button = 0;
  Request("ext_power_button_clicked", 1.0);
  EXPECT_EQ(ext_power_button, 0);
}

TEST_F(PanelButtonsTest, MasterLightClickAcknowledgesACautionButNotAWarning) {
  master_light_state = 2;
  SetNamed("master_warning_light", 2.0);
  Request("master_warning_light_clicked", 1.0);
  EXPECT_EQ(master_light_state, 2);
  EXPECT_EQ(Named("master_warning_light"), 2.0);
  master_light_state = 1;
  Request("master_warning_light_clicked", 1.0);
  EXPECT_EQ(master_light_state, 0);
  EXPECT_EQ(Named("master_warning_light"), 0.0);
}

// Whole SERVER frames: the systems pass advances server_phase before the knob pass.
class ServerFramesTest : public PanelInputTest {
 protected:
  void SetUp() override {
    PanelInputTest::SetUp();
    Server();
  }
};

TEST_F(ServerFramesTest, KnobRequestsActEveryFrameButClicksWaitForEveryThirdOne) {
  server_phase = 0;
  crs_dir = 100.0;
  SetNamed("crs_dir_incr", 1.0);
  SetNamed("play_switch_click_sound", 1.0);
  RunTicks(1);  // phase 1
  EXPECT_EQ(crs_dir, 101.0);
  EXPECT_EQ(Named("play_switch_click_sound"), 1.0);
  RunTicks(1);  // phase 2
  EXPECT_EQ(Named("play_switch_click_sound"), 1.0);
  RunTicks(1);  // phase 3
  EXPECT_EQ(Named("play_switch_click_sound"), 0.0);
  EXPECT_EQ(sound_event_code, 6);
}

TEST_F(ServerFramesTest, PollerRunsSixTimesAndTheElectricalPassOncePerEighteenFrames) {
  server_phase = 0;
  int passes = 0;
  for (int frame = 0; frame < 18; ++frame) {
    SetNamed("nav_radio_mode_clicked", 1.0);
    RunTicks(1);
    passes += Named("nav_radio_mode_clicked") == 0.0 ? 1 : 0;
  }
  EXPECT_EQ(passes, 6);
  EXPECT_EQ(KeyEvents(kElectricalPassEvent), 1);
  EXPECT_EQ(server_phase, 0);
}

}  // namespace
