#include <gtest/gtest.h>

#include <tuple>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/ap_engage.h"
#include "afds_fixture.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;

constexpr uint32_t kAltHoldOn = 0x10110, kAltTarget = 0x1024C, kVs = 0x101F4;

class AfdsModesTest : public afds_test::AfdsTest {
 protected:
  void Airborne(double radio_height_ft = 5000.0) {
    SetRadioHeightFt(radio_height_ft);
    RunTicks(1);
    startup_phase = 0;
    Mark();
  }
};

// The aircraft is at 9000 ft; a fast rate towards the selected altitude is limited to 3000 ft/min.
TEST_F(AfdsModesTest, VsTargetsThePresentVerticalSpeedTowardsTheSelectedAltitude) {
  const struct {
    double vs_fpm;
    int32_t selected_ft;
    Events events;
  } rows[] = {{4000.0, 5000, {{kVs, 0}}}, {-4200.0, 5000, {{kAltTarget, 5000}, {kVs, -3000}}},
              {-1234.7, 5000, {{kAltTarget, 5000}, {kVs, -1234}}}};
  for (const auto& c : rows) {
    std::tie(vert_speed, plane_alt, alt_sel_num, alt_hold_mode) = std::tuple(c.vs_fpm, 9000.0, c.selected_ft, 1);
    vs_hold_mode = 0;
    Mark();
    ToggleVsMode();
    EXPECT_EQ(std::tuple(SentOf({kAltTarget, kVs}), vs_hold_mode - alt_hold_mode), std::tuple(c.events, 1)) << c.vs_fpm;
  }
}

// On the ground VNAV only arms, and SPD and THR stay as they were; without a route it stays off.
TEST_F(AfdsModesTest, VnavEngagesInTheAirAndArmsOnTheGround) {
  AfdsVertModeSwitch();
  EXPECT_EQ(vnav, 0);
  for (double radio_height : {5000.0, 5.0}) {
    vnav = 0;
    SetActiveRoute(NorthboundRoute(3));
    Airborne(radio_height);
    spd_hold = alt_hold_mode = 1;
    AfdsVertModeSwitch();
    const bool air = radio_height > 10.0;
    EXPECT_EQ(std::tuple(vnav, vnav_armed, spd_hold), std::tuple(1, air ? 0 : 1, air ? 0 : 1));
    EXPECT_EQ(Sent(), (Events{{kAltHoldOn, 0}}));
    EXPECT_EQ(vnav_last_set_spd, -999.0);  // the controller starts afresh
  }
}

TEST_F(AfdsModesTest, FlchIsRefusedOutsideItsSpeedRangeAndInLiteMode) {
  plane_alt = 20000.0;
  ias = 139.0;  // below FlchMinIas
  FlchMouseCallback(nullptr, 0);
  std::tie(ias, lite_mode) = std::tuple(250.0, 1);
  FlchMouseCallback(nullptr, 0);
  EXPECT_EQ(std::tuple(flch, Sent()), std::tuple(0, Events{}));
  EXPECT_EQ(sound_event_code, 2);  // the click is heard anyway
}

TEST_F(AfdsModesTest, ThrOutOfFlchHandsThePitchToVsAndForcesThe36TickCycle) {
  flch = spd_hold = 1;
  ToggleThrustHold();
  EXPECT_EQ(std::tuple(thrust_hold + vs_hold_mode - spd_hold - flch, tick36_counter), std::tuple(2, 99));
  ToggleThrustHold();
  EXPECT_EQ(ThrottleDisconnectWrites(), std::vector<uint64_t>{0});
  for (int32_t armed : {1, 0}) {  // an armed VNAV survives THR, an engaged one does not
    std::tie(vnav, vnav_armed, thrust_hold) = std::tuple(1, armed, 0);
    ToggleThrustHold();
    EXPECT_EQ(vnav, armed) << armed;
  }
}

// The speed modes drop only when configured so (with the autothrottle armed).
TEST_F(AfdsModesTest, DisconnectDropsTheChannelsAndGuidanceButKeepsHeadingAltitudeAndSpeedModes) {
  for (int32_t config : {0, 1}) {
    apleft = apcenter = apright = 1;
    lnav = lnav_init_mode = vnav = flch = loc_mode = app_mode = loc_capture = gs_capture = autoland_mode = 1;
    hdg_sel_mode = alt_hold_mode = spd_hold = thrust_hold = 1;
    std::tie(SetSpdOffwhenAPMasterSetOff, at_arm) = std::tuple(config, 1.0);
    DisconnectAutopilot();
    EXPECT_EQ(apleft + apcenter + apright + Named("apleft") + Named("apdisc_bar"), 0);
    EXPECT_EQ(lnav + lnav_init_mode + vnav + flch + loc_mode + app_mode + loc_capture + gs_capture + autoland_mode, 0);
    EXPECT_EQ(hdg_sel_mode + alt_hold_mode, 2);
    EXPECT_EQ(spd_hold + thrust_hold + Count(0x1022E), config == 1 ? 1 : 2) << config;
  }
  EXPECT_EQ(ThrottleDisconnectWrites(), std::vector<uint64_t>{0});  // THR keeps its byte unless it drops
}

}  // namespace
