#include <gtest/gtest.h>

#include <tuple>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "afds/vnav_speed.h"
#include "afds/vnav_targets.h"
#include "afds_fixture.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/thrust_limits.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;

constexpr uint32_t kIas = 0x101F5, kMach = 0x101F6, kSpdOn = 0x1022D, kSpdOff = 0x1022E;
constexpr uint32_t kMachOn = 0x10230, kMachOff = 0x10231;

// VNAV engaged on an active northbound route; the active leg carries a (non-speed) profile value
// so that the speed pass runs.
class VnavSpeedTest : public afds_test::AfdsTest {
 protected:
  void SetUp() override {
    AfdsTest::SetUp();
    SetActiveRoute(NorthboundRoute(4));
    for (int i = 0; i <= 4; ++i) {
      std::tie(fms_fpln_act[i].alt, fms_fpln_act[i].ias) = std::tuple(0.0, 0.0);
    }
    std::tie(vnav, climb_ias, cruise_ias, descent_ias, climb_mach) = std::tuple(1, 290, 300, 290, 0.78);
    std::tie(cruise_mach, descent_mach, cross_at_elev, dist_to_active_wpt) = std::tuple(0.8, 0.76, 35000.0, 10.0);
    next_restr_leg = 4;
  }
  // A pass with the speed selection due.
  void Pass() {
    vnav_des_active = 0;
    ProcVnavDescent();
  }
};

TEST_F(VnavSpeedTest, CruiseHoldsTheCruiseSpeedOrStartsTheDescentSpeed) {
  const struct {
    double alt_ft, sim_vs_fpm;
    Events events;
  } rows[] = {{20000.0, 0.0, {{kMachOff, 0}, {kSpdOn, 0}, {kIas, 300}}},
              {35000.0, 0.0, {{kSpdOff, 0}, {kMachOn, 0}, {kMach, 80}}},
              {35000.0, -100.0, {{kMachOff, 0}, {kSpdOn, 0}, {kIas, 290}}}};
  toc = 1;
  for (const auto& c : rows) {
    plane_alt = c.alt_ft;
    host_.SetToken(120, c.sim_vs_fpm);
    vnav_last_set_spd = -999.0;
    Mark();
    Pass();
    EXPECT_EQ(SentOf({kIas, kMach, kSpdOn, kSpdOff, kMachOn, kMachOff}), c.events) << c.alt_ft << " " << c.sim_vs_fpm;
  }
}

// A speed typed on the climb, cruise or descent page is flown from its EXEC: till then VNAV flies the
// executed one the page keeps.
TEST_F(VnavSpeedTest, ASpeedTypedIsFlownOnlyFromItsExec) {
  const struct {
    int32_t toc, tod;
    int32_t* typed;
    double* executed;
  } rows[] = {{0, 0, &climb_ias, &clb_spd_prev}, {1, 0, &cruise_ias, &crz_spd_prev}, {1, 1, &descent_ias, &des_spd_prev}};
  plane_alt = 20000.0;
  for (const auto& c : rows) {
    std::tie(toc, tod, init_tod, *c.executed, *c.typed) = std::tuple(c.toc, c.tod, c.tod, *c.typed, 260);
    vnav_last_set_spd = -999.0;
    Mark();
    Pass();
    EXPECT_EQ(SentOf({kIas}), (Events{{kIas, TruncToI32(*c.executed)}})) << c.toc << c.tod;
    *c.executed = 0.0;
  }
}

// Once the descent is running the speed is chosen only within 25 NM of the waypoint, on VNAV's first pass or
// after a panel restore.
TEST_F(VnavSpeedTest, SpeedPassRunsOnlyWhenDue) {
  const struct {
    double dist_nm;
    int32_t init, des_active, restored;
    bool due;
  } rows[] = {{25.0, 0, 1, 0, false}, {24.9, 0, 1, 0, true}, {25.0, 1, 1, 0, true},
              {25.0, 0, 0, 0, true},  {25.0, 0, 1, 1, true}};
  std::tie(toc, plane_alt) = std::tuple(1, 20000.0);
  for (const auto& c : rows) {
    std::tie(dist_to_active_wpt, vnav_init_flag, vnav_des_active) = std::tuple(c.dist_nm, c.init, c.des_active);
    std::tie(vnav_pnl_restored, vnav_last_set_spd) = std::tuple(c.restored, -999.0);
    Mark();
    ProcVnavDescent();
    EXPECT_EQ(Count(kIas), c.due ? 1 : 0) << c.dist_nm << c.init << c.des_active << c.restored;
  }
}

TEST_F(VnavSpeedTest, DescentConstraintAheadLowersTheDescentSpeed) {
  std::tie(tod, plane_alt, cross_at_elev, dist_to_cross_at) = std::tuple(1, 14000.0, 11000.0, 15.0);
  std::tie(fms_fpln_act[1].restr, fms_fpln_act[1].ias, UseATForVnavDesc) = std::tuple(3, 240.0, 1);
  Pass();
  EXPECT_EQ(std::tuple(SentOf({kIas}), dist_to_desc_alt_rest), std::tuple((Events{{kIas, 240}}), 15.0));
  EXPECT_EQ(Count(kSpdOn), 1);  // the simulator's speed hold flies the descent
}

// At or below the restriction altitude, level at it included, no speed above the restriction speed
// is commanded: neither the descent speed nor a faster constraint of the active leg.
TEST_F(VnavSpeedTest, DescentAtOrBelowTheRestrictionAltitudeIsNoFasterThanTheRestriction) {
  const struct {
    double alt_ft, vs_fpm;
    int32_t restr;
    double leg_ias;
    int32_t commanded;
  } rows[] = {{10000.0, 0.0, 0, 0.0, 250},     {10020.0, 0.0, 0, 0.0, 250},     {11000.0, 0.0, 0, 0.0, 290},
              {9000.0, -1500.0, 3, 280.0, 250}, {9000.0, -1500.0, 3, 220.0, 220}};
  std::tie(tod, cross_at_elev, dist_to_cross_at, ground_speed) = std::tuple(1, 6000.0, 15.0, 300.0);
  for (const auto& c : rows) {
    std::tie(plane_alt, vert_speed, descent_ias, desc_spd_restr_set) = std::tuple(c.alt_ft, c.vs_fpm, 290, 0.0);
    std::tie(fms_fpln_act[1].restr, fms_fpln_act[1].ias) = std::tuple(c.restr, c.leg_ias);
    Mark();
    Pass();
    EXPECT_EQ(SentOf({kIas}), (Events{{kIas, c.commanded}})) << c.alt_ft << " ft, leg " << c.leg_ias;
  }
}

// A restriction speed of 0 (a configuration without one) restricts nothing: below its altitude the
// climb, descent or constraint speed is commanded, never 0 kt.
TEST_F(VnavSpeedTest, ARestrictionSpeedOfZeroIsNoRestriction) {
  std::tie(ClbSpdRest, DescSpdRest, cross_at_elev, dist_to_cross_at) = std::tuple(0.0, 0.0, 6000.0, 5.0);
  std::tie(ground_speed, fms_fpln_act[1].ias) = std::tuple(300.0, 280.0);
  // T/D reached, altitude, vertical speed, the active leg's restriction (3 with its speed), speed commanded
  for (const auto& [t, alt, vs, restr, kt] :
       {std::tuple{0, 8000.0, 2000.0, 0, 290}, {1, 9000.0, 0.0, 0, 290}, {1, 9000.0, -1500.0, 3, 280}}) {
    std::tie(tod, plane_alt, vert_speed, fms_fpln_act[1].restr) = std::tuple(t, alt, vs, restr);
    Mark();
    Pass();
    EXPECT_EQ(SentOf({kIas}), (Events{{kIas, kt}})) << t << " " << alt << " ft";
  }
}

// Fast in the descent, the throttle steps back at redraw slots 0, 6 and 12 of the route block's runs.
// A run of three ticks (6 frames a second) ending at slot 8 runs the block for slot 8 alone, as 18
// frames a second would, unless the 36-tick wrap fell on slot 6; a run of one tick steps where it is.
TEST_F(VnavSpeedTest, DescentThrottleStepsOnlyOnTicksItsRouteBlockRunsFor) {
  std::tie(tod, plane_alt, cross_at_elev, dist_to_cross_at) = std::tuple(1, 14000.0, 11000.0, 15.0);
  std::tie(UseATForVnavDesc, at_arm, ias) = std::tuple(0, 1.0, 300.0);
  host_.SetToken(116, 250.0);   // the speed bug
  host_.SetToken(128, 8000.0);  // the lever
  // the run's last redraw slot and 36-tick count, its ticks, steps
  for (const auto& [slot, t36, ticks, steps] :
       {std::tuple{8, 20, 3, 0}, {12, 24, 3, 1}, {8, 2, 3, 1}, {6, 18, 1, 1}, {9, 21, 3, 0}}) {
    std::tie(redraw_tick, tick36_counter) = std::tuple(slot, t36);
    RecordRun(ticks);
    Mark();
    Pass();
    EXPECT_EQ(Count(kThrottleStepDownEvent), steps) << slot << " " << t36 << " " << ticks;
  }
}

// A level aircraft never reaches the restriction altitude: no distance, no message.
TEST_F(VnavSpeedTest, LevelFlightAfterTheTodGivesNoDescentDistance) {
  std::tie(tod, plane_alt, cross_at_elev, ground_speed) = std::tuple(1, 15000.0, 10000.0, 300.0);
  vert_speed = 0.4;  // whole feet per minute: 0
  std::tie(dist_to_active_wpt, vnav_des_active) = std::tuple(40.0, 1);
  ProcVnavDescent();
  EXPECT_EQ(dist_to_desc_alt_rest, 999.0);
  vert_speed = 0.0;
  Pass();  // the descent speed pass measures it again
  EXPECT_EQ(std::tuple(dist_to_desc_alt_rest, cdu_message), std::tuple(999.0, std::string("")));
}

// 5000 ft to go at 2500 ft/min and 360 kt: 12 NM. 15 kt fast and still accelerating.
TEST_F(VnavSpeedTest, DragRequiredBlinksSixtyUnitsOnAndOffWhileTheAircraftIsTooFast) {
  std::tie(tod, plane_alt, cross_at_elev, vert_speed, ground_speed) = std::tuple(1, 15000.0, 10000.0, -2500.0, 360.0);
  std::tie(vnav_last_set_spd, ias, pfd_ias_trend, dist_to_active_wpt) = std::tuple(250.0, 265.0, 0.01, 40.0);
  vnav_des_active = 1;  // no speed pass: only the message logic runs
  struct Step {
    double token604;
    const char* message;
  };
  for (const Step& s : {Step{100.0, "DRAG REQUIRED"}, Step{160.0, "DRAG REQUIRED"}, Step{160.5, ""},
                        Step{221.0, "DRAG REQUIRED"}}) {
    host_.SetToken(604, s.token604);
    ProcVnavDescent();
    EXPECT_NEAR(dist_to_desc_alt_rest, 12.0, 1e-9);
    EXPECT_EQ(cdu_message, s.message) << s.token604;
  }
  ias = 255.0;  // slowed down: the message goes at its next change
  host_.SetToken(604, 290.0);
  ProcVnavDescent();
  EXPECT_EQ(cdu_message, "");
}

TEST_F(VnavSpeedTest, EconSpeedsAreInterpolatedByCostIndex) {
  const struct {
    int32_t cost_index, climb_ias;
    double climb_mach;
    int32_t descent_ias;
  } rows[] = {{15, 293, 0.7875, 250}, {999, 345, 0.847, 334}, {-1, 1, 0.1, 1}, {1000, 1, 0.1, 1}};
  InitThrustLimitTables();
  for (const auto& c : rows) {
    climb_ias = descent_ias = 1;
    std::tie(climb_mach, cruise_ias) = std::tuple(0.1, 300);
    cost_index = c.cost_index;
    InterpolateEconSpeeds();
    EXPECT_EQ(climb_ias, c.climb_ias) << c.cost_index;
    EXPECT_NEAR(climb_mach, c.climb_mach, 1e-9) << c.cost_index;
    EXPECT_EQ(cruise_ias, c.cost_index < 0 || c.cost_index > 999 ? 300 : c.climb_ias) << c.cost_index;
    EXPECT_EQ(descent_ias, c.descent_ias) << c.cost_index;
  }
}

}  // namespace
