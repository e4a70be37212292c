#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
#include "sim/sim_globals.h"
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

TEST_F(VnavPagesTest, CruiseAltitudeEntrySetsTheCruiseAndPendingAltitude) {
  for (const auto& [text, taken] : {std::pair{"0", false}, std::pair{"99999", false}, std::pair{"FL350", true},
                                    std::pair{"370", true}}) {
    std::tie(cruise_alt, cruise_alt_prev, pending_cruise_alt) = std::tuple(31000, 0, 0);
    EnterOnSubPage(2, text, "1L");
    ExpectTaken(text, taken);
    const int32_t expected = !taken ? 31000 : std::string(text) == "370" ? 37000 : 35000;
    EXPECT_EQ(std::tuple(cruise_alt, pending_cruise_alt, cruise_alt_prev),
              std::tuple(expected, taken ? expected : 0, taken ? 31000 : 0))
        << text;
  }
}

// A speed entry saves the values it replaces for ERASE; a refused one changes nothing.
TEST_F(VnavPagesTest, SpeedEntriesAreTakenOrRefusedWithTheirSavedCopies) {
  // Sub-page, entry, taken; the schedule after the entry (start: 280 / 0.74 on each) and the saved
  // copies after it (start: 0 / 0).
  struct Case {
    int32_t sub_page;
    const char* text;
    bool taken;
    double ias_kt, mach, ias_prev_kt, mach_prev;
  };
  for (const Case& c : {Case{2, "/.78", true, 280, 0.78, 0, 0.74}, Case{2, ".78", false, 280, 0.74, 0, 0},
                        Case{2, "300/1.3", false, 280, 0.74, 0, 0}, Case{1, "300/1.3", true, 300, 1.3, 280, 0.74},
                        Case{3, "250.7", true, 250, 0.74, 280, 0}, Case{1, "501", false, 280, 0.74, 0, 0}}) {
    std::tie(climb_ias, cruise_ias, descent_ias) = std::tuple(280, 280, 280);
    std::tie(climb_mach, cruise_mach, descent_mach) = std::tuple(0.74, 0.74, 0.74);
    clb_spd_prev = crz_spd_prev = des_spd_prev = clb_mach_prev = crz_mach_prev = des_mach_prev = 0.0;
    EnterOnSubPage(c.sub_page, c.text, "2L");
    ExpectTaken(c.text, c.taken);
    const bool clb = c.sub_page == 1, crz = c.sub_page == 2;
    EXPECT_EQ(std::tuple(clb ? climb_ias : crz ? cruise_ias : descent_ias, clb ? climb_mach : crz ? cruise_mach : descent_mach,
                         clb ? clb_spd_prev : crz ? crz_spd_prev : des_spd_prev,
                         clb ? clb_mach_prev : crz ? crz_mach_prev : des_mach_prev),
              std::tuple(c.ias_kt, c.mach, c.ias_prev_kt, c.mach_prev))
        << c.text;
  }
}

TEST_F(VnavPagesTest, RestrictionNeedsThreeCharactersBeforeTheSlashAndSaneValues) {
  DescSpdRest = 200.0;
  DescAltRest = 9000.0;
  for (const char* text : {"99/8000", "250/900", "240"}) {
    EnterOnSubPage(3, text, "3L");
    ExpectTaken(text, false);
  }
  EXPECT_EQ(DescSpdRest + DescAltRest, 9200.0);
  EnterOnSubPage(3, "240/10000", "3L");
  ExpectTaken("", true);
  EXPECT_EQ(std::pair(DescSpdRest, DescAltRest), std::pair(240.0, 10000.0));
}

TEST_F(VnavPagesTest, CruiseAltitudeShowsAsAFlightLevelOnlyAboveTheTransition) {
  trans_alt = 18000;
  cruise_alt = 18000;
  OnSubPage(1);
  Paint();
  const std::string at_transition = Line(1).left;
  cruise_alt = 18100;
  Paint();
  EXPECT_EQ(at_transition + " " + Line(1).left, "18000 FL181");
}

TEST_F(VnavPagesTest, CruisePageEstimatesTheDestinationAndTheTopOfDescent) {
  SetActiveRoute({"KSEA", "SEA", "KPDX"});
  SetFuelLb(20000.0);
  SetFuelFlow(10000.0);
  // 100 NM at 400 kt and 100 NM at 238 kt: 319 kt, 37.6 minutes.
  std::tie(ground_speed, descent_ias, dest_dtg, dest_ident) = std::tuple(400.0, 280, 200.0, "KPDX");
  std::tie(zulu_hour, zulu_min, toc, dist_to_tod) = std::tuple(12.0, 0.0, 1, 80.0);
  OnSubPage(2);
  Paint();
  EXPECT_EQ(Line(1).right + "|" + Line(4).right, "1212Z/80 NM|1237Z / 15.0");
  ground_speed = 0.0;  // standing: no time to the T/D
  Paint();
  EXPECT_EQ(Line(1).right + "|" + Line(4).right, "----Z/80 NM|");
}

TEST_F(VnavPagesTest, DescentPageShowsTheNextConstraint) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  fms_fpln_act[2].alt = 11000.0;
  next_restr_leg = 2;
  OnSubPage(3);
  Paint();
  EXPECT_EQ(Row(1), "11000 | 11000");
  next_restr_leg = 500;  // out of the table: nothing to show
  Paint();
  EXPECT_EQ(Line(1).left, "");
}

}  // namespace
}  // namespace cdu_test
