#include "displays/standby_gyro.h"

#include <gtest/gtest.h>

#include <numbers>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/systems_globals.h"
#include "displays/displays_globals.h"
#include "frame/frame_fixture.h"
#include "frame/tick_globals.h"

namespace {

class StandbyGyroTest : public FrameTest {
 protected:
  void Rest() {
    stdby_att_pitch = -55.0;
    stdby_att_bank_deg = -30.0;
  }
  // Calls the model until the flag clears; returns the call on which it did (0: not within 100).
  int CallsUntilClear(const int32_t& flag) {
    for (int call = 1; call <= 100; ++call) {
      UpdateStandbyGyro();
      if (call == 55) pitch_at_55 = stdby_att_pitch;
      if (flag == 0) return call;
    }
    return 0;
  }
  double pitch_at_55 = 0.0;
};

TEST_F(StandbyGyroTest, ErectingFromRestToLevelTakesFiftyNineCalls) {
  Rest();
  stdby_att_erecting = 1;
  EXPECT_EQ(CallsUntilClear(stdby_att_erecting), 59);  // 58 half-degree steps to -1, then the snap
  EXPECT_EQ(pitch_at_55, 0.0);
  EXPECT_EQ(stdby_att_bank_deg, 0.0);
  EXPECT_EQ(stdby_att_bank, 6.3);  // a level bank is published as 6.3
}

TEST_F(StandbyGyroTest, RunningDownFromLevelTakesFiftyNineCalls) {
  stdby_power_switch = 0;
  stdby_att_toppling = 1;
  EXPECT_EQ(CallsUntilClear(stdby_att_toppling), 59);
  EXPECT_EQ(pitch_at_55, -55.0);
  EXPECT_EQ(stdby_att_bank_deg, -30.0);
}

TEST_F(StandbyGyroTest, ErectingPitchOvershootsByUnderAStepThenSettles) {
  stdby_att_erecting = 1;
  plane_pitch = 0.3;
  plane_bank = 0.5;  // within a degree: taken at once
  UpdateStandbyGyro();
  EXPECT_DOUBLE_EQ(stdby_att_pitch, 1.0);
  EXPECT_EQ(stdby_att_erecting, 1);
  UpdateStandbyGyro();
  EXPECT_EQ(stdby_att_pitch, 0.3);
  EXPECT_EQ(stdby_att_erecting, 0);
}

TEST_F(StandbyGyroTest, UnpoweredWithoutRunDownRestsAtOnce) {
  for (const int32_t power : {0, 5}) {
    ac_power = power;
    stdby_power_switch = power == 0 ? 1 : 0;  // either missing removes power
    stdby_att_pitch = 12.0;
    stdby_att_bank_deg = 40.0;
    UpdateStandbyGyro();
    EXPECT_EQ(stdby_att_pitch, -55.0);
    EXPECT_EQ(stdby_att_bank_deg, -30.0);
    EXPECT_EQ(stdby_att_bank, 5.776401224401701);
  }
}

// Whole frames: the main update steps the model after sampling the attitude, and the server's
// overhead pass publishes it.
TEST_F(StandbyGyroTest, CockpitInstrumentFollowsPowerOverTicks) {
  Server();
  host().SetToken(77, -5.0);  // 5 degrees nose up
  host().SetToken(80, 20.0);  // the bank token of the default simulator version
  RunTicks(1);
  EXPECT_EQ(host().Named("stdby_plane_pitch"), -5.0);
  EXPECT_DOUBLE_EQ(host().Named("stdby_plane_bank"), 20.0 * std::numbers::pi / 180.0);

  stdby_power_switch = 0;
  stdby_att_toppling = 1;
  RunTicks(10);
  EXPECT_EQ(host().Named("stdby_plane_pitch"), -15.0);
  EXPECT_DOUBLE_EQ(stdby_att_bank_deg, 15.0);
  EXPECT_EQ(stdby_att_toppling, 1);

  stdby_power_switch = 1;
  stdby_att_toppling = 0;
  stdby_att_erecting = 1;
  RunTicks(10);  // pitch climbs back a degree a tick, bank a half
  EXPECT_EQ(host().Named("stdby_plane_pitch"), -5.0);
  EXPECT_DOUBLE_EQ(stdby_att_bank_deg, 20.0);
  EXPECT_EQ(stdby_att_erecting, 0);
}

}  // namespace
