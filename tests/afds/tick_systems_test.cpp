#include "afds/tick_systems.h"

#include <gtest/gtest.h>

#include <tuple>

#include "afds/afds_globals.h"
#include "state/config_globals.h"
#include "support/tick_fixture.h"

namespace {

constexpr uint32_t kYawDamperEngage = 0x10215;
// Each electrical pass sends it while token variable 13 reads 0, as it does on the host's defaults.
constexpr uint32_t kElectricalPassEvent = 0x10218;

class SystemsTest : public tick_test::TickTest {};

// The load-time pumps (left and right electric on, centre pump 1 on, pump 2 at 1, engine pumps at 1).
TEST_F(SystemsTest, HydraulicPressureRampsToRestWithTheLoadTimePumps) {
  const struct {
    int32_t ac;
    int32_t start[3], end[3];
  } kCases[] = {
      {5, {100, 0, 50}, {2980, 3060, 3170}},  // rising, the last step may go past the target
      {0, {2960, 3040, 3150}, {80, 0, 30}}};  // without AC power all fall, engine pumps included; C stops at 0
  for (const auto& c : kCases) {
    std::tie(ac_power, l_hyd_press, c_hyd_press, r_hyd_press) = std::tuple(c.ac, c.start[0], c.start[1], c.start[2]);
    RunTicks(250);
    EXPECT_EQ(std::tuple(l_hyd_press, c_hyd_press, r_hyd_press), std::tuple(c.end[0], c.end[1], c.end[2])) << c.ac;
  }
}

// Ticks counted from the one in which the switch reaches START; then the spool-down.
TEST_F(SystemsTest, ApuStartRunsItsLightSequenceAndSpoolsDownToZero) {
  std::tie(apu_switch, apu_start_step_timer) = std::tuple(1, 1);
  RunTicks(1);
  ASSERT_EQ(apu_switch, 2);
  ASSERT_EQ(apu_mode, 1);

  struct Seen {
    int tick;
    int32_t switch_pos, run_light, spool_dir, mode;
  };
  const Seen expected[] = {{8, 2, 0, 0, 1},  {9, 1, 0, 0, 1},   {46, 1, 0, 0, 1}, {47, 1, 1, 0, 1},
                           {65, 1, 0, 0, 1}, {83, 1, 1, 1, 1},  {100, 1, 0, 1, 1}, {299, 1, 0, 0, 1},
                           {300, 1, 1, 0, 2}};
  int tick = 0;
  for (const Seen& s : expected) {
    RunTicks(s.tick - tick);
    tick = s.tick;
    EXPECT_EQ(std::tuple(apu_switch, apu_run_light), std::tuple(s.switch_pos, s.run_light)) << "tick " << tick;
    EXPECT_EQ(std::tuple(apu_spool_dir, apu_mode), std::tuple(s.spool_dir, s.mode)) << "tick " << tick;
  }
  apu_spool_dir = 2;  // spooling down stops at 0
  RunTicks(201);
  EXPECT_EQ(std::tuple(apu_egt + apu_rpm, apu_spool_dir), std::tuple(0.0, 0));
}

class IrsAlignment : public SystemsTest {
 protected:
  void StartAlignment(int32_t ticks) {
    IrsAlignSecs = ticks;
    for (int32_t* count : {&irs_l_align_count, &irs_c_align_count, &irs_r_align_count}) *count = ticks;
    for (int32_t* mode : {&irs_l_anun_mode, &irs_c_anun_mode, &irs_r_anun_mode}) *mode = 1;
  }
};

// The configuration stores "IrsAlignSecs" 30 as 540 ticks; two thirds of that is 361.8.
TEST_F(IrsAlignment, ModesFollowTheTickCountParked) {
  StartAlignment(540);
  std::tie(l_yaw_damper_mode, r_yaw_damper_mode) = std::tuple(1, 1);
  RunTicks(179);  // the count is 361 before the next tick
  EXPECT_EQ(irs_l_anun_mode, 1);
  RunTicks(1);
  EXPECT_EQ(std::tuple(irs_l_anun_mode, irs_r_anun_mode), std::tuple(2, 2));

  RunTicks(537 - 180);  // the count is 3 before the next tick
  EXPECT_EQ(irs_r_anun_mode, 2);
  // A click left for the poller waits for it: the alignment's completion runs a pass at once.
  host_.SetNamed("nav_radio_mode_clicked", 1.0);
  EXPECT_EQ(KeyEvents(kElectricalPassEvent), 0);
  RunTicks(1);
  EXPECT_EQ(host_.Named("nav_radio_mode_clicked"), 0.0);
  EXPECT_EQ(irs_l_anun_mode + irs_c_anun_mode + irs_r_anun_mode, 9);
  // The yaw dampers engage once all three are aligned, which the right IRS completes; the
  // electrical pass that ends its poller pass finds AC power and brings them to working (3).
  EXPECT_EQ(std::tuple(l_yaw_damper_mode, r_yaw_damper_mode, KeyEvents(kYawDamperEngage)), std::tuple(3, 3, 1));
  // One pass per IRS; with server_phase at 0 each ends in the electrical pass.
  EXPECT_EQ(KeyEvents(kElectricalPassEvent), 3);

  RunTicks(10);
  EXPECT_EQ(std::tuple(irs_l_align_count + irs_r_align_count, KeyEvents(kYawDamperEngage)), std::tuple(0, 1));
}

TEST_F(IrsAlignment, MovingStopsTheCountsExceptTheRightOneInLiteMode) {
  StartAlignment(540);
  SetGroundSpeedKt(150.0);
  lite_mode = 1;
  RunTicks(540);
  EXPECT_EQ(std::tuple(irs_l_align_count, irs_r_align_count, irs_r_anun_mode), std::tuple(540, 0, 3));
  EXPECT_EQ(beg_start_button, 2);  // the set-up sequence ran to its end
}

TEST_F(SystemsTest, ClickedLandingLightSkipsOneFollowUp) {
  ldg_light_clicked = 1;
  host_.SetToken(14, 1.0);
  RunTicks(1);
  EXPECT_EQ(std::tuple(wingldglt, ldg_light_clicked), std::tuple(0, 0));
  RunTicks(1);
  EXPECT_EQ(wingldglt, 1);
}

}  // namespace
