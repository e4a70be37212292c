// What a panel-state load leaves in the cockpit beside the route: the freighter's cabin
// announcements.
#include <gtest/gtest.h>

#include <tuple>

#include "sim/sim_globals.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"
#include "state/state_fixture.h"

namespace {

using PanelCockpitTest = PanelStateTest;

// A state saved on a passenger aircraft, loaded on the freighter, leaves its cabin announcements off.
TEST_F(PanelCockpitTest, FreighterCabinStaysQuiet) {
  WritePanel("pax.pnl", "[OVCP]\nplay_announcements=1\n");
  for (const auto& [title, on] : {std::pair{"orvantel 757-200f cargo", 0}, {"orvantel 757-200 house", 1}}) {
    std::tie(aircraft, play_announcements) = std::tuple(title, 0);
    ASSERT_EQ(LoadPanelState("pax.pnl"), 1);
    EXPECT_EQ(std::pair(play_announcements, host_.Named("ov_cabin_announcements")), std::pair(on, on * 1.0)) << title;
  }
}

}  // namespace
