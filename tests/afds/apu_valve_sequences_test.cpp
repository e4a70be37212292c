// The APU's start and bleed, and the valves and the APU across a restart with a saved panel state:
// no sequence is left stuck half-way, and none runs on once its switch is put off.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cockpit_fixture.h"

namespace {

using cockpit_test::CockpitTest;

// Bleed closed and opened again while the APU starts: it waits, and opens once the APU runs.
TEST_F(CockpitTest, ApuBleedReopenedDuringTheStartOpensOnceTheApuRuns) {
  Boot("");
  Press("apu_switch_clicked");
  RunFrames(60);
  ASSERT_EQ(std::tuple(apu_mode, apu_bleed), std::tuple(1, 2));
  Press("apu_bleed_clicked");
  Press("apu_bleed_clicked");
  ASSERT_EQ(apu_bleed, 1);
  ASSERT_TRUE(RunUntil([] { return apu_mode == 2; }, 400));
  RunFrames(40);
  EXPECT_EQ(std::tuple(apu_bleed, host_->Named("apu_bleed")), std::tuple(2, 2.0));
}

// OFF during the start: the run light stays dark and the APU spools down to nothing.
TEST_F(CockpitTest, ApuSwitchedOffDuringItsStartStopsAndSpoolsDown) {
  Boot("");
  Press("apu_switch_clicked");
  RunFrames(60);
  ASSERT_EQ(std::tuple(apu_switch, apu_mode), std::tuple(1, 1));
  Press("apu_switch_clicked");
  bool light_came_back = false;
  for (int i = 0; i < 400; ++i) {
    RunFrames(1);
    light_came_back = light_came_back || apu_run_light != 0;
  }
  EXPECT_FALSE(light_came_back);
  EXPECT_EQ(std::tuple(apu_switch, apu_mode, apu_egt, apu_rpm), std::tuple(0, 0, 0.0, 0.0));
}

}  // namespace
