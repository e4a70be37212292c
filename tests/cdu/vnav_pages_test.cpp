#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "frame/frame_globals.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class VnavPagesTest : public CduTest {
 protected:
  void OnSubPage(int32_t sub_page) {
    fms_page = 15;
    vnav_page = sub_page;
  }
  void EnterOnSubPage(int32_t sub_page, const char* text, const char* key) {
    vnav_page = sub_page;
    EnterOn(15, text, key);
  }
};

struct CruiseAltCase {
  const char* text;
  bool taken;
  int32_t expected;
};

class VnavCruiseAltTest : public VnavPagesTest, public ::testing::WithParamInterface<CruiseAltCase> {};

TEST_P(VnavCruiseAltTest, SetsTheCruiseAndPendingAltitude) {
  const CruiseAltCase& c = GetParam();
  cruise_alt = 31000;
  EnterOnSubPage(2, c.text, "1L");
  ExpectTaken(c.text, c.taken);
  EXPECT_EQ(cruise_alt, c.expected);
  EXPECT_EQ(pending_cruise_alt, c.taken ? c.expected : 0);
  EXPECT_EQ(cruise_alt_prev, c.taken ? 31000 : 0);
}

INSTANTIATE_TEST_SUITE_P(Vnav, VnavCruiseAltTest,
                         ::testing::Values(CruiseAltCase{"FL350", true, 35000}, CruiseAltCase{"350", true, 35000},
                                           CruiseAltCase{"35000", true, 35000}, CruiseAltCase{"0", false, 31000},
                                           CruiseAltCase{"-5", false, 31000}, CruiseAltCase{"99999", false, 31000}));

struct SpeedCase {
  const char* name;
  int32_t sub_page;
  const char* key;
  const char* text;
  bool taken;
  double ias_kt, mach;           // the schedule after the entry (start: 280 / 0.74 on each)
  double ias_prev_kt, mach_prev;  // the saved copies after it (start: 0 / 0)
};

class VnavSpeedTest : public VnavPagesTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(VnavSpeedTest, TakesOrRefusesTheSpeedEntry) {
  const SpeedCase& c = GetParam();
  climb_ias = cruise_ias = descent_ias = 280;
  climb_mach = cruise_mach = descent_mach = 0.74;
  EnterOnSubPage(c.sub_page, c.text, c.key);
  ExpectTaken(c.text, c.taken);
  const bool clb = c.sub_page == 1, crz = c.sub_page == 2;
  EXPECT_EQ(clb ? climb_ias : crz ? cruise_ias : descent_ias, c.ias_kt);
  EXPECT_DOUBLE_EQ(clb ? climb_mach : crz ? cruise_mach : descent_mach, c.mach);
  EXPECT_EQ(clb ? clb_spd_prev : crz ? crz_spd_prev : des_spd_prev, c.ias_prev_kt);
  EXPECT_EQ(clb ? clb_mach_prev : crz ? crz_mach_prev : des_mach_prev, c.mach_prev);
}

INSTANTIATE_TEST_SUITE_P(
    Vnav, VnavSpeedTest,
    ::testing::Values(SpeedCase{"MachOnly", 2, "2L", "/.78", true, 280, 0.78, 0, 0.74},
                      SpeedCase{"DotWithoutSlashIsSpeedZero", 2, "2L", ".78", false, 280, 0.74, 0, 0},
                      SpeedCase{"CruiseMachTooHigh", 2, "2L", "300/1.3", false, 280, 0.74, 0, 0},
                      SpeedCase{"ClimbMachUpTo14", 1, "2L", "300/1.3", true, 300, 1.3, 280, 0.74},
                      SpeedCase{"SpeedTruncated", 3, "2L", "250.7", true, 250, 0.74, 280, 0},
                      SpeedCase{"SpeedBelow50", 3, "2L", "49", false, 280, 0.74, 0, 0},
                      SpeedCase{"SpeedAbove500", 1, "2L", "501", false, 280, 0.74, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RestrictionCase {
  const char* text;
  bool taken;
};

class VnavRestrictionTest : public VnavPagesTest, public ::testing::WithParamInterface<RestrictionCase> {};

TEST_P(VnavRestrictionTest, NeedsThreeCharactersBeforeTheSlashAndSaneValues) {
  const RestrictionCase& c = GetParam();
  DescSpdRest = 200.0;
  DescAltRest = 9000.0;
  EnterOnSubPage(3, c.text, "3L");
  ExpectTaken(c.text, c.taken);
  EXPECT_EQ(DescSpdRest, c.taken ? 240.0 : 200.0);
  EXPECT_EQ(DescAltRest, c.taken ? 10000.0 : 9000.0);
}

INSTANTIATE_TEST_SUITE_P(Vnav, VnavRestrictionTest,
                         ::testing::Values(RestrictionCase{"240/10000", true}, RestrictionCase{"99/8000", false},
                                           RestrictionCase{"250/900", false}, RestrictionCase{"240", false}));

TEST_F(VnavPagesTest, EmptyScratchpadIsRefusedOnlyAtTransAlt) {
  EnterOnSubPage(1, "", "3R");
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  for (const char* key : {"1L", "2L", "3L"}) {
    EnterOnSubPage(1, "", key);
    EXPECT_EQ(cdu_message, "") << key;
  }
  EnterOnSubPage(1, "5000", "3R");
  EXPECT_EQ(trans_alt, 5000);
}

TEST_F(VnavPagesTest, SpeedEntryModifiesAnActiveRouteAndEraseTakesItBack) {
  SetActiveRoute({"KSEA", "SEA", "KPDX"});
  cruise_ias = 300;
  EnterOnSubPage(2, "320", "2L");
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(Line(6).left, "< ERASE");
  PressAndPaint("6L");
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(cruise_ias, 300);
}

TEST_F(VnavPagesTest, ClimbPageShowsCruiseSpeedsRestrictionAndTransition) {
  trans_alt = 18000;
  cruise_alt = 0;
  pending_cruise_alt = 800;  // too low to stand for a cruise altitude
  climb_ias = 290;
  climb_mach = 0.78;
  OnSubPage(1);
  Paint();
  EXPECT_EQ(TitleLine(), "CLB 1 / 3");
  EXPECT_EQ(Line(1).left, "0");
  EXPECT_EQ(Line(2).left, "290 / 0.78");
  EXPECT_EQ(Line(3).left, "250 / 10000");
  EXPECT_EQ(Line(3).right, "18000");
  cruise_alt = 18000;  // at the transition altitude still feet
  Paint();
  EXPECT_EQ(Line(1).left, "18000");
  cruise_alt = 18100;
  Paint();
  EXPECT_EQ(Line(1).left, "FL181");
}

TEST_F(VnavPagesTest, PrevAndNextWrapAroundTheThreeSubPages) {
  OnSubPage(1);
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(vnav_page, 3);
  EXPECT_EQ(TitleLine(), "PATH  DES 3 / 3");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(vnav_page, 1);
}

TEST_F(VnavPagesTest, CruisePageEstimatesTheDestinationAndTheTopOfDescent) {
  SetActiveRoute({"KSEA", "SEA", "KPDX"});
  SetFuelLb(20000.0);
  SetFuelFlow(10000.0);
  ground_speed = 400.0;
  descent_ias = 280;
  dest_dtg = 200.0;  // 100 NM at 400 kt and 100 NM at 238 kt: 319 kt, 37.6 minutes
  dest_ident = "KPDX";
  zulu_hour = 12.0;
  zulu_min = 0.0;
  toc = 1;
  dist_to_tod = 80.0;
  cruise_mach = 0.57;
  OnSubPage(2);
  Paint();
  EXPECT_EQ(Line(1).right, "1212Z/80 NM");
  EXPECT_EQ(Line(2).left, "300 / 0.57");
  EXPECT_EQ(Line(4).label, "KPDX  E T A / F U E L");
  EXPECT_EQ(Line(4).right, "1237Z / 15.0");

  ground_speed = 0.0;  // standing: no time to the T/D
  Paint();
  EXPECT_EQ(Line(1).right, "----Z/80 NM");
  EXPECT_EQ(Line(4).right, "");
}

TEST_F(VnavPagesTest, PauseOptionsToggleOnlyWhenArmed) {
  OnSubPage(2);
  PressAndPaint("4L");
  EXPECT_EQ(PauseAtTod, 0);
  ArmPauseAtTod = 1;
  tod_pause_done = 1;
  PressAndPaint("4L");
  EXPECT_EQ(PauseAtTod, 1);
  EXPECT_EQ(tod_pause_done, 0);
  EXPECT_EQ(Line(4).left, "ARMED");
  PressAndPaint("4L");
  EXPECT_EQ(PauseAtTod, 0);

  SetActiveRoute({"KSEA", "KPDX"});
  ArmPauseAtDistFromDest = 1;
  dest_ident = "KPDX";
  OnSubPage(3);
  PressAndPaint("6R");
  EXPECT_EQ(pause_at_dist_on, 1);
  EXPECT_EQ(TextAt(263), "PAUSE 20 NM From (KPDX)(ON)");
}

TEST_F(VnavPagesTest, DescentPageShowsTheNextConstraint) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  fms_fpln_act[2].alt = 11000.0;
  next_restr_leg = 2;
  OnSubPage(3);
  Paint();
  EXPECT_EQ(Line(1).label, "E / D    A L T A T  TACMA");
  EXPECT_EQ(Line(1).left, "11000");
  EXPECT_EQ(Line(1).right, "11000");
  next_restr_leg = 500;  // out of the table: nothing to show
  Paint();
  EXPECT_EQ(Line(1).left, "");
}

}  // namespace
}  // namespace cdu_test
