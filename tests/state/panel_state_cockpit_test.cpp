// What a panel-state load leaves in the cockpit beside the route: the simulator's autopilot as the
// MCP shows it, and the freighter's cabin announcements.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/overhead_pass.h"
#include "afds/systems_globals.h"
#include "afds/restored_modes.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"
#include "state/state_fixture.h"

namespace {

constexpr uint32_t kEventApOff = 0x100FF;
constexpr uint32_t kEventApOn = 0x10100;
constexpr uint32_t kEventApAltitude = 0x1024C;

using PanelCockpitTest = PanelStateTest;

// CMD L at FL200, a state saved on the ground with 10000 selected: the simulator's autopilot goes off
// and takes 10000 with the panel; a state saved engaged engages it. A disengaged simulator gets no
// second disconnection. The master follows once the SERVER frame takes the loaded modes up.
TEST_F(PanelCockpitTest, SimulatorAutopilotFollowsTheLoadedMcp) {
  host_.SetToken(103, 1.0);
  std::tie(ap_master, apleft, alt_sel_num, radio_height) = std::tuple(1.0, 1, 20000, 19000.0);
  WritePanel("gate.pnl", "[MCP]\nap_master=0\nalt_sel_num=10000\napleft=0\n");
  ASSERT_EQ(LoadPanelState("gate.pnl"), 1);
  ResumeRestoredModes();
  EXPECT_EQ(std::tuple(KeyEventValues(kEventApOff).size(), KeyEventValues(kEventApAltitude), ap_master, apleft),
            std::tuple(1u, std::vector<int32_t>{10000}, 0.0, 0));
  host_.SetToken(103, 0.0);
  ASSERT_EQ(LoadPanelState("gate.pnl"), 1);
  ResumeRestoredModes();
  EXPECT_EQ(KeyEventValues(kEventApOff).size(), 1u);
  WritePanel("cruise.pnl", "[MCP]\nap_master=1\nalt_sel_num=20000\napleft=1\n");
  ASSERT_EQ(LoadPanelState("cruise.pnl"), 1);
  ResumeRestoredModes();
  EXPECT_EQ(std::tuple(KeyEventValues(kEventApOn).size(), KeyEventValues(kEventApAltitude), ap_master),
            std::tuple(1u, std::vector<int32_t>{10000, 10000, 20000}, 1.0));
}

// A state saved on a passenger aircraft, loaded on the freighter, leaves its cabin announcements off.
TEST_F(PanelCockpitTest, FreighterCabinStaysQuiet) {
  WritePanel("pax.pnl", "[OVCP]\nplay_announcements=1\n");
  for (const auto& [title, on] : {std::pair{"orvantel 757-200f cargo", 0}, {"orvantel 757-200 house", 1}}) {
    std::tie(aircraft, play_announcements) = std::tuple(title, 0);
    ASSERT_EQ(LoadPanelState("pax.pnl"), 1);
    EXPECT_EQ(std::pair(play_announcements, host_.Named("ov_cabin_announcements")), std::pair(on, on * 1.0)) << title;
  }
}

// With synced MCP windows the loaded heading stands through the first pass after the
// load (as after a start-up load), until the simulator moves its own bug.
TEST_F(PanelCockpitTest, SyncedWindowsKeepTheLoadedSelections) {
  std::tie(SynchMCPWinToAP, mcp_sync_seen, lnav) = std::tuple(1, 0, 0);
  host_.SetToken(107, 90.0);
  WritePanel("hdg.pnl", "[MCP]\nhdg_sel_dir=204\n");
  ASSERT_EQ(LoadPanelState("hdg.pnl"), 1);
  ap_hdg_bug = 90.0;
  UpdateOverheadVars();
  EXPECT_EQ(hdg_sel_dir, 204.0);
  ap_hdg_bug = 100.0;
  UpdateOverheadVars();
  EXPECT_EQ(hdg_sel_dir, 100.0);
}

}  // namespace
