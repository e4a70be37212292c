#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds_fixture.h"
#include "fmc/fmc_globals.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;

constexpr uint32_t kHdgHoldOn = 0x1010F, kHdgBug = 0x101FA, kNavHoldOff = 0x1011B, kGpsToggle = 0x10347;
constexpr uint32_t kAltHoldOn = 0x10110, kAltTarget = 0x1024C, kVs = 0x101F4;
constexpr uint32_t kIas = 0x101F5, kMach = 0x101F6, kSpdOff = 0x1022E, kMachOff = 0x10231;

class AfdsModesTest : public afds_test::AfdsTest {
 protected:
  void Airborne(double radio_height_ft = 5000.0) {
    SetRadioHeightFt(radio_height_ft);
    RunTicks(1);
    startup_phase = 0;
    Mark();
  }
};

TEST_F(AfdsModesTest, HdgHoldEngagesOnThePresentHeadingAndReleasesTheNavSource) {
  host_.SetToken(848, 1.0);  // the GPS drives NAV
  nav_button = 2;
  lnav = lnav_init_mode = hdg_sel_mode = 1;
  plane_hdg_mag = 123.7;
  ToggleHdgHold();
  EXPECT_EQ(Sent(), (Events{{kHdgHoldOn, 0}, {kHdgBug, 123}, {kNavHoldOff, 0}, {kGpsToggle, 0}}));
  EXPECT_EQ(hdg_sel_mode + lnav + lnav_init_mode + nav_button, 0);
  EXPECT_EQ(hdg_sync_skip_once, 1);
}

struct VsCase {
  const char* label;
  double vs_fpm;
  int32_t selected_ft;  // the aircraft is at 9000 ft
  Events events;
};

class VsEngagement : public AfdsModesTest, public ::testing::WithParamInterface<VsCase> {};

TEST_P(VsEngagement, TargetsThePresentVerticalSpeedTowardsTheSelectedAltitude) {
  const VsCase& c = GetParam();
  vert_speed = c.vs_fpm;
  plane_alt = 9000.0;
  alt_sel_num = c.selected_ft;
  alt_hold_mode = 1;
  ToggleVsMode();
  EXPECT_EQ(SentOf({kAltTarget, kVs}), c.events);
  EXPECT_EQ(vs_hold_mode - alt_hold_mode, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VsEngagement,
    ::testing::Values(VsCase{"FastClimbAwayFromSelected", 4000.0, 5000, {{kVs, 0}}},
                      VsCase{"FastDescentTowardsSelected", -4200.0, 5000, {{kAltTarget, 5000}, {kVs, -3000}}},
                      VsCase{"TruncatedTowardsZero", -1234.7, 5000, {{kAltTarget, 5000}, {kVs, -1234}}}),
    [](const auto& info) { return std::string(info.param.label); });

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
    EXPECT_EQ(vnav, 1);
    EXPECT_EQ(vnav_armed, air ? 0 : 1);
    EXPECT_EQ(spd_hold, air ? 0 : 1);
    EXPECT_EQ(Sent(), (Events{{kAltHoldOn, 0}}));
    EXPECT_EQ(vnav_last_set_spd, -999.0);  // the controller starts afresh
  }
}

// FLCH takes the present speed (in the Mach window as Mach) and clears the other modes.
TEST_F(AfdsModesTest, FlchTakesThePresentSpeedAndClearsTheOtherModes) {
  host_.SetNamed("SPEED MODE SELECT", 1.0);
  ias = 300.0;
  plane_mach = 0.89;
  plane_alt = 20000.0;
  alt_sel_num = 30000;
  vnav = spd_hold = thrust_hold = alt_hold_mode = app_mode = loc_mode = autoland_mode = 1;
  EXPECT_EQ(FlchMouseCallback(nullptr, 0), 0);
  EXPECT_EQ(Sent(), (Events{{kSpdOff, 0}, {kMachOff, 0}, {kMach, 87}, {0x10115, 0}, {0x10116, 0}, {kAltTarget, 30000},
                            {kVs, 0}}));
  EXPECT_EQ(vnav + spd_hold + thrust_hold + alt_hold_mode + app_mode + loc_mode + autoland_mode - flch, -1);
}

TEST_F(AfdsModesTest, FlchIsRefusedOutsideItsSpeedRangeAndInLiteMode) {
  plane_alt = 20000.0;
  ias = 139.0;  // below FlchMinIas
  FlchMouseCallback(nullptr, 0);
  ias = 250.0;
  lite_mode = 1;
  FlchMouseCallback(nullptr, 0);
  EXPECT_EQ(flch, 0);
  EXPECT_EQ(Sent(), Events{});
  EXPECT_EQ(sound_event_code, 2);  // the click is heard anyway
}

// Out of VNAV after T/D, SPD flies the restriction speed and V/S takes the pitch.
TEST_F(AfdsModesTest, SpdOutOfVnavFliesTheRestrictionSpeedAndHandsThePitchToVs) {
  Airborne();
  descent_ias = 290;
  plane_alt = 15000.0;
  vnav = tod = 1;
  desc_spd_restr_set = 1.0;
  EngageSpeedHold();
  EXPECT_EQ(spd_hold + vs_hold_mode - vnav, 2);
  EXPECT_EQ(SentOf({kIas}), (Events{{kIas, 250}}));
}

TEST_F(AfdsModesTest, ThrOutOfFlchHandsThePitchToVsAndForcesThe36TickCycle) {
  flch = spd_hold = 1;
  ToggleThrustHold();
  EXPECT_EQ(thrust_hold + vs_hold_mode - spd_hold - flch, 2);
  EXPECT_EQ(tick36_counter, 99);
  ToggleThrustHold();
  EXPECT_EQ(ThrottleDisconnectWrites(), std::vector<uint64_t>{0});
  for (int32_t armed : {1, 0}) {  // an armed VNAV survives THR, an engaged one does not
    vnav = 1;
    vnav_armed = armed;
    thrust_hold = 0;
    ToggleThrustHold();
    EXPECT_EQ(vnav, armed) << armed;
  }
}

}  // namespace
