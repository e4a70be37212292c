#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/mcp_knobs.h"
#include "afds/panel_input_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/tick_globals.h"
#include "panel_input_fixture.h"
#include "state/config_globals.h"

namespace {

using Ids = std::vector<uint32_t>;
constexpr uint32_t kAltitudeSet = 0x1024c;
constexpr uint32_t kCourseSet = 0x100b4, kHeadingBugSet = 0x101fa;

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

struct KnobCase {
  const char* request;
  double value;
  double from, to;  // the dial; for Mach and V/S the simulator's reading (its own step, so to == from)
  Ids sent;
  bool consumed;
};

class KnobRequestTest : public McpKnobsTest, public ::testing::WithParamInterface<KnobCase> {};

// Course and heading: 2 is the large step, any other positive value the small one, 0 or below
// waits untouched. Mach, V/S and the airspeed bugs take any non-zero value as one step.
TEST_P(KnobRequestTest, RequestValueChoosesTheStep) {
  const KnobCase& c = GetParam();
  const std::string r = c.request;
  const auto is = [&r](const char* prefix) { return r.rfind(prefix, 0) == 0; };
  hdg_sel_mode = 1;
  alt_sel_num = 10000;
  plane_alt = 5000.0;
  mcp_knob_idle_ticks = 5;  // a slow knob
  crs_dir = hdg_sel_dir = c.from;
  asi_bug1 = static_cast<int32_t>(c.from);
  SetToken(is("mach") ? 118 : 120, c.from);
  Request(r, c.value);
  const double dial = is("crs") ? crs_dir : is("hdg") ? hdg_sel_dir : is("asi") ? asi_bug1 : c.from;
  EXPECT_EQ(dial, c.to);
  EXPECT_EQ(SentSince(0), c.sent);
  EXPECT_EQ(Named(r), c.consumed ? 0.0 : c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, KnobRequestTest,
    ::testing::Values(KnobCase{"crs_dir_incr", 1, 360, 1, {kCourseSet}, true},
                      KnobCase{"crs_dir_decr", 2, 10, 360, {kCourseSet}, true},
                      KnobCase{"crs_dir_incr", 3, 100, 101, {kCourseSet}, true},
                      KnobCase{"crs_dir_incr", 0.5, 100, 101, {kCourseSet}, true},
                      KnobCase{"crs_dir_decr", -2, 100, 100, {}, false},
                      KnobCase{"hdg_sel_dir_incr", 0, 100, 100, {}, false},
                      KnobCase{"hdg_sel_dir_incr", 1, 359, 0, {kHeadingBugSet}, true},
                      KnobCase{"hdg_sel_dir_decr", 1, 0.5, 359.5, {kHeadingBugSet}, true},
                      KnobCase{"mach_sel_num_incr", 0.5, 0.94, 0.94, {0x1017c}, true},
                      KnobCase{"mach_sel_num_incr", 1, 0.95, 0.95, {}, true},
                      KnobCase{"mach_sel_num_decr", -1, 0.41, 0.41, {0x1017d}, true},
                      // climbing toward the selected altitude re-sends it first
                      KnobCase{"vs_sel_num_incr", 1, 5900, 5900, {kAltitudeSet, 0x10166}, true},
                      KnobCase{"vs_sel_num_decr", -3, -7900, -7900, {0x10167}, true},
                      KnobCase{"vs_sel_num_decr", 1, -8000, -8000, {}, true},
                      KnobCase{"asi_bug1_decr", -2, 80, 79, {}, true},
                      KnobCase{"asi_bug1_incr", 1, 450, 450, {}, true}));

// Turned fast, a bug moves in tens between multiples of ten, but never past its limit.
TEST_F(McpKnobsTest, FastTurnedAirspeedBugStepsInTensUntilNearItsLimit) {
  mcp_knob_idle_ticks = 0;
  asi_bug1 = 430;
  for (int32_t expected : {440, 441}) {
    Request("asi_bug1_incr", 1.0);
    EXPECT_EQ(Named("asi_bug1"), expected);
  }
}

struct AltitudeCase {
  const char* request;
  double value;
  int32_t from, large_step, to;
};

class AltitudeStepTest : public McpKnobsTest, public ::testing::WithParamInterface<AltitudeCase> {};

TEST_P(AltitudeStepTest, StaysOnTheWindowsScale) {
  const AltitudeCase& c = GetParam();
  alt_sel_num = c.from;
  AltWinRightClickIncr = c.large_step;
  Request(c.request, c.value);
  EXPECT_EQ(Named("alt_sel_num"), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AltitudeStepTest,
    ::testing::Values(AltitudeCase{"alt_sel_num_incr", 2, 49900, 500, 50000},
                      AltitudeCase{"alt_sel_num_decr", 1, 50, 500, 0},
                      // an unchecked configuration step can neither overflow nor leave the scale
                      AltitudeCase{"alt_sel_num_incr", 2, 30000, 2147483647, 50000},
                      AltitudeCase{"alt_sel_num_decr", 2, 30000, -2147483647 - 1, 50000}));

struct VsFollowCase {
  double vs_target;
  int32_t flch, alt_hold, vs_hold_from, vs_hold_to;
  bool altitude_sent;
};

class AltitudeStepVsTest : public McpKnobsTest, public ::testing::WithParamInterface<VsFollowCase> {};

// Outside VNAV the V/S flag follows the simulator's V/S target, except beside FLCH or ALT HOLD.
TEST_P(AltitudeStepVsTest, VsFlagFollowsTheSimulatorsTargetWithoutASecondPitchMode) {
  const VsFollowCase& c = GetParam();
  SetToken(120, c.vs_target);
  flch = c.flch;
  alt_hold_mode = c.alt_hold;
  vs_hold_mode = c.vs_hold_from;
  SetNamed("vs_hold", -1.0);
  Request("alt_sel_num_incr", 1.0);
  EXPECT_EQ(vs_hold_mode, c.vs_hold_to);
  EXPECT_EQ(Named("vs_hold"), c.vs_hold_to != c.vs_hold_from ? c.vs_hold_to : -1.0);
  EXPECT_EQ(ValuesOf(kAltitudeSet).size(), c.altitude_sent ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, AltitudeStepVsTest,
                         ::testing::Values(VsFollowCase{-500, 0, 0, 0, 1, true}, VsFollowCase{0, 0, 0, 1, 0, false},
                                           VsFollowCase{700, 1, 0, 0, 0, true}, VsFollowCase{0, 0, 1, 1, 1, false}));

// Seatbelts on within 80 NM of the descent request the cabin announcement.
TEST_F(McpKnobsTest, SeatbeltsOnNearTheDescentRequestTheCabinAnnouncement) {
  initialize_server = 1;
  annuncement_mode = 7;
  toc = 1;
  for (double tod_nm : {80.5, 80.0}) {
    SetNamed("Seatbelt sign", 0.0);
    ProcMcpKnobs();
    dist_to_tod = tod_nm;
    SetNamed("Seatbelt sign", 1.0);
    ProcMcpKnobs();
    EXPECT_EQ(seatbelt_announce_request, tod_nm <= 80.0 ? 1 : 0) << tod_nm;
  }
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

// APP with a channel engaged engages all three and arms autoland outside the reduced mode.
TEST_F(PanelButtonsTest, AppWithAChannelEngagedEngagesAllThreeAndArmsAutoland) {
  for (int32_t lite : {1, 0}) {
    lite_mode = lite;
    app_mode = apleft = apright = 0;
    apcenter = 1;
    Request("app_clicked", 1.0);
    EXPECT_EQ(apleft + apcenter + apright, lite == 1 ? 1 : 3) << lite;
    EXPECT_EQ(autoland_mode, 1 - lite) << lite;
  }
}

struct AutobrakeCase {
  int32_t request, from, sim_autobrake;
  double on_ground;
  int32_t to;
  Ids sent;
};

class AutobrakeSelectorTest : public PanelButtonsTest, public ::testing::WithParamInterface<AutobrakeCase> {};

// Only 1 (down) and 2 (up) move the selector; with the simulator's autobrake it stops at 4 (5).
TEST_P(AutobrakeSelectorTest, SelectorMovesAndDisarms) {
  const AutobrakeCase& c = GetParam();
  auto_brake_switch = c.from;
  UseDefAutoBrakes = c.sim_autobrake;
  SetToken(60, c.on_ground);
  auto_brake_status = autobrake_appl = 1;
  Request("auto_brake_switch_clicked", c.request);
  const bool consumed = c.request == 1 || c.request == 2;
  EXPECT_EQ(auto_brake_switch, c.to);
  EXPECT_EQ(Named("auto_brake_switch_clicked"), consumed ? 0.0 : c.request);
  EXPECT_EQ(auto_brake_status, consumed ? 0 : 1);
  EXPECT_EQ(SentSince(0), c.sent);
  EXPECT_EQ(autobrake_appl, c.from == 1 && c.to != 1 ? 0 : 1);  // leaving OFF clears its own brake marker
}

INSTANTIATE_TEST_SUITE_P(
    Moves, AutobrakeSelectorTest,
    ::testing::Values(AutobrakeCase{2, 0, 1, 1.0, 1, {0x102fa}}, AutobrakeCase{2, 5, 0, 1.0, 6, {}},
                      AutobrakeCase{2, 5, 1, 1.0, 5, {0x102fa}}, AutobrakeCase{1, 1, 1, 1.0, 0, {0x102fb}},
                      AutobrakeCase{1, 1, 1, 0.0, 1, {}}, AutobrakeCase{3, 3, 1, 1.0, 3, {}}));

// Whole SERVER frames: the systems pass advances server_phase before the knob pass. The poller
// runs on six of the eighteen frames, the electrical pass on one (it sends 0x10218 while token
// variable 13 reads 0, as on the host's defaults).
TEST_F(PanelInputTest, KnobRequestsActEveryFrameButClicksWaitForThePollersFrames) {
  Server();
  server_phase = 0;
  crs_dir = 100.0;
  SetNamed("crs_dir_incr", 1.0);
  RunTicks(1);  // phase 1
  EXPECT_EQ(crs_dir, 101.0);
  int polls = 0;
  for (int frame = 1; frame < 18; ++frame) {
    SetNamed("nav_radio_mode_clicked", 1.0);
    RunTicks(1);
    polls += Named("nav_radio_mode_clicked") == 0.0 ? 1 : 0;
    EXPECT_EQ(polls, frame < 17 ? (frame + 1) / 3 : 6) << frame;  // phases 3, 6, .. 15 and 0
  }
  EXPECT_EQ(KeyEvents(0x10218), 1);
  EXPECT_EQ(server_phase, 0);
}

}  // namespace
