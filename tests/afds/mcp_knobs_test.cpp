#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/mcp_knobs.h"
#include "afds/panel_input_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
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

// Course and heading: 2 is the large step, any other positive value the small one, 0 or below
// waits untouched. Mach, V/S and the airspeed bugs take any non-zero value as one step.
TEST_F(McpKnobsTest, RequestValueChoosesTheStep) {
  const struct {
    const char* request;
    double value;
    double from, to;  // the dial; for Mach and V/S the simulator's reading (its own step, so to == from)
    Ids sent;
    bool consumed;
  } rows[] = {{"crs_dir_incr", 1, 360, 1, {kCourseSet}, true},
              {"crs_dir_decr", 2, 10, 360, {kCourseSet}, true},
              {"crs_dir_incr", 0.5, 100, 101, {kCourseSet}, true},
              {"crs_dir_decr", -2, 100, 100, {}, false},
              {"hdg_sel_dir_incr", 0, 100, 100, {}, false},
              {"hdg_sel_dir_incr", 1, 359, 0, {kHeadingBugSet}, true},
              {"hdg_sel_dir_decr", 1, 0.5, 359.5, {kHeadingBugSet}, true},
              {"mach_sel_num_incr", 0.5, 0.94, 0.94, {0x1017c}, true},
              {"mach_sel_num_incr", 1, 0.95, 0.95, {}, true},
              {"mach_sel_num_decr", -1, 0.41, 0.41, {0x1017d}, true},
              // climbing toward the selected altitude re-sends it first
              {"vs_sel_num_incr", 1, 5900, 5900, {kAltitudeSet, 0x10166}, true},
              {"vs_sel_num_decr", 1, -8000, -8000, {}, true},
              {"asi_bug1_decr", -2, 80, 79, {}, true},
              {"asi_bug1_incr", 1, 450, 450, {}, true}};
  std::tie(hdg_sel_mode, alt_sel_num, plane_alt) = std::tuple(1, 10000, 5000.0);
  for (const auto& c : rows) {
    const std::string r = c.request;
    const auto is = [&r](const char* prefix) { return r.rfind(prefix, 0) == 0; };
    mcp_knob_idle_ticks = 5;  // a slow knob
    crs_dir = hdg_sel_dir = c.from;
    asi_bug1 = static_cast<int32_t>(c.from);
    SetToken(is("mach") ? 118 : 120, c.from);
    const size_t mark = Mark();
    Request(r, c.value);
    const double dial = is("crs") ? crs_dir : is("hdg") ? hdg_sel_dir : is("asi") ? asi_bug1 : c.from;
    EXPECT_EQ(std::tuple(dial, SentSince(mark)), std::tuple(c.to, c.sent)) << r << " " << c.value;
    EXPECT_EQ(Named(r), c.consumed ? 0.0 : c.value) << r << " " << c.value;
  }
}

// The altitude window stays on its scale; an unchecked configuration step can neither overflow
// nor leave it. Outside VNAV the V/S flag follows the simulator's V/S target, except beside FLCH or
// ALT HOLD (no second pitch mode).
TEST_F(McpKnobsTest, AltitudeStepsStayOnTheScaleAndTheVsFlagFollowsWithoutASecondPitchMode) {
  const struct {
    const char* request;
    double value;
    int32_t from, large_step, to;
  } steps[] = {{"alt_sel_num_incr", 2, 49900, 500, 50000},
               {"alt_sel_num_decr", 1, 50, 500, 0},
               {"alt_sel_num_incr", 2, 30000, 2147483647, 50000},
               {"alt_sel_num_decr", 2, 30000, -2147483647 - 1, 50000}};
  for (const auto& c : steps) {
    std::tie(alt_sel_num, AltWinRightClickIncr) = std::tuple(c.from, c.large_step);
    Request(c.request, c.value);
    EXPECT_EQ(Named("alt_sel_num"), c.to) << c.from << " " << c.large_step;
  }
  const struct {
    double vs_target;
    int32_t flch, alt_hold, vs_hold_from, vs_hold_to;
    bool altitude_sent;
  } rows[] = {{-500, 0, 0, 0, 1, true}, {0, 0, 0, 1, 0, false}, {700, 1, 0, 0, 0, true}, {0, 0, 1, 1, 1, false}};
  alt_sel_num = 10000;
  for (const auto& c : rows) {
    SetToken(120, c.vs_target);
    flch = c.flch;
    std::tie(alt_hold_mode, vs_hold_mode) = std::tuple(c.alt_hold, c.vs_hold_from);
    SetNamed("vs_hold", -1.0);
    const size_t sent_before = ValuesOf(kAltitudeSet).size();
    Request("alt_sel_num_incr", 1.0);
    EXPECT_EQ(vs_hold_mode, c.vs_hold_to) << c.vs_target << c.flch << c.alt_hold;
    EXPECT_EQ(Named("vs_hold"), c.vs_hold_to != c.vs_hold_from ? c.vs_hold_to : -1.0) << c.vs_target;
    EXPECT_EQ(ValuesOf(kAltitudeSet).size() - sent_before, c.altitude_sent ? 1u : 0u) << c.vs_target;
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
    EXPECT_EQ(std::tuple(apleft + apcenter + apright, autoland_mode), std::tuple(lite == 1 ? 1 : 3, 1 - lite)) << lite;
  }
}

// The master light's click acknowledges a caution and puts the light out; a warning stays.
TEST_F(PanelButtonsTest, MasterLightClickAcknowledgesACautionOnly) {
  for (const auto& [state, after] : {std::pair{1, 0}, std::pair{2, 2}}) {
    master_light_state = state;
    SetNamed("master_warning_light", state);
    Request("master_warning_light_clicked", 1.0);
    EXPECT_EQ(std::tuple(master_light_state, Named("master_warning_light")), std::tuple(after, after)) << state;
  }
}

// Only 1 (down) and 2 (up) move the selector; with the simulator's autobrake it stops at 4 (5).
TEST_F(PanelButtonsTest, AutobrakeSelectorMovesAndDisarms) {
  const struct {
    int32_t request, from, sim_autobrake;
    double on_ground;
    int32_t to;
    Ids sent;
  } rows[] = {{2, 0, 1, 1.0, 1, {0x102fa}}, {2, 5, 0, 1.0, 6, {0x10353, 0x10354}}, {2, 5, 1, 1.0, 5, {0x102fa}},
              {1, 1, 1, 1.0, 0, {0x102fb}}, {1, 1, 1, 0.0, 1, {}}, {3, 3, 1, 1.0, 3, {}}};
  for (const auto& c : rows) {
    std::tie(auto_brake_switch, UseDefAutoBrakes) = std::tuple(c.from, c.sim_autobrake);
    SetToken(60, c.on_ground);
    auto_brake_status = autobrake_appl = autobrake_holding = 1;
    const size_t mark = Mark();
    Request("auto_brake_switch_clicked", c.request);
    const bool consumed = c.request == 1 || c.request == 2;
    EXPECT_EQ(auto_brake_switch, c.to) << c.request << c.from << c.sim_autobrake << c.on_ground;
    EXPECT_EQ(Named("auto_brake_switch_clicked"), consumed ? 0.0 : c.request) << c.request;
    EXPECT_EQ(auto_brake_status, consumed ? 0 : 1) << c.request;
    EXPECT_EQ(SentSince(mark), c.sent) << c.request << c.from << c.sim_autobrake << c.on_ground;
    EXPECT_EQ(autobrake_appl, c.from == 1 && c.to != 1 ? 0 : 1);  // leaving OFF clears its own brake marker
    SetNamed("auto_brake_switch_clicked", 0.0);
  }
}

// A move of the selector while the autobrake brakes (landing or RTO) disarms it and releases both brake
// axes, to OFF or to another level, also after the simulator echoed its brake event (a move in a frame
// without a tick); a move while it only stands armed leaves the brakes alone.
TEST_F(PanelButtonsTest, AutobrakeMovedWhileBrakingLetsTheBrakesGo) {
  const Ids release = {0x10353, 0x10354};
  const struct {
    int32_t request, from, applied;
    Ids sent;
  } rows[] = {{1, 2, 1, release}, {2, 0, 1, release}, {1, 4, 1, release}, {1, 2, 0, {}}};
  SetToken(60, 1.0);
  for (const auto& c : rows) {
    std::tie(auto_brake_switch, UseDefAutoBrakes, auto_brake_status, autobrake_holding, autobrake_appl) =
        std::tuple(c.from, 0, 1, c.applied, 0);
    const size_t mark = Mark();
    Request("auto_brake_switch_clicked", c.request);
    EXPECT_EQ(SentSince(mark), c.sent) << c.request << c.from << c.applied;
    EXPECT_EQ(auto_brake_status, 0);
  }
}

// Whole SERVER frames: the systems pass advances server_phase before the knob pass. The poller
// runs on six of the eighteen frames, the electrical pass on one (it sends 0x10218 while token
// variable 13 reads 0, as on the host's defaults).
TEST_F(PanelInputTest, KnobRequestsActEveryFrameButClicksWaitForThePollersFrames) {
  Server();
  std::tie(server_phase, crs_dir) = std::tuple(0, 100.0);
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
  EXPECT_EQ(std::tuple(KeyEvents(0x10218), server_phase), std::tuple(1, 0));
}

}  // namespace
