// The performance pages: PERF INIT, TAKEOFF and APPROACH REF, and the VNAV pages.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_fixture.h"
#include "fmc/perf_tables.h"
#include "navdb/navdb_globals.h"
#include "sim/sim_globals.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class PerfInitTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    std::tie(gross_weight, reserves, cruise_alt, cost_index) = std::tuple(100000.0, 3000.0, 31000, 50);
  }
};

double Zfw() { return gross_weight; }
double Reserves() { return reserves; }
double CruiseAlt() { return cruise_alt; }
double CostIndex() { return cost_index; }

// A refused entry leaves its field as it was; a weight beyond 2,000,000 lb is never stored.
TEST_F(PerfInitTest, EntriesAreTakenOrRefusedWhole) {
  // Key, entry, in KGS, taken, the field after the entry (its start value when refused).
  using Case = std::tuple<const char*, const char*, bool, bool, double (*)(), double>;
  for (const auto& [key, text, kgs, taken, field, expected] :
       {Case{"3L", "999", true, false, Zfw, 100000.0},  // 999 t
        Case{"3L", "150.5", true, true, Zfw, 150500.0 * 2.20462262},
        Case{"4L", "0", false, true, Reserves, 0.0}, Case{"4L", "-1", false, false, Reserves, 0.0},
        Case{"1R", "370", false, true, CruiseAlt, 37000.0}, Case{"1R", "0", false, false, CruiseAlt, 37000.0},
        Case{"2R", "-1", false, true, CostIndex, -1.0}, Case{"2R", "1000", false, false, CostIndex, -1.0}}) {
    weight_unit = kgs ? "KGS" : "LBS";
    EnterOn(3, text, key);
    ExpectTaken(text, taken);
    EXPECT_DOUBLE_EQ(field(), expected) << key << " " << text;
  }
}

TEST_F(PerfInitTest, LimitsPageShowsEachPhasesMinimumAndMaximumSpeeds) {
  std::tie(fms_page, perf_page, clb_min_ias, clb_min_mach, clb_max_ias, clb_max_mach) = std::tuple(3, 2, 210, 0.6, 340, 0.82);
  std::tie(des_min_ias, des_min_mach, des_max_ias, des_max_mach) = std::tuple(220, 0.65, 330, 0.8);
  Paint();
  EXPECT_EQ(TextAt(88) + "|" + TextAt(175), "210 /.600 340 / .820|220 /.650 330 / .800");
}

class RefPagesTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    gross_weight = 130000.0;
    InitPerformanceTables();
    gross_weight = 130000.0;
  }
};

TEST_F(RefPagesTest, TakeoffEntriesAreTakenOrRefused) {
  // Key, entry, taken, the field and its value after the entry.
  using Case = std::tuple<const char*, const char*, bool, int32_t*, int32_t>;
  for (const auto& [key, text, taken, field, expected] :
       {Case{"1L", "25", false, &to_flaps, 0},        Case{"2L", "399", false, &accel_ht, 1000},
        Case{"2L", "2001", false, &accel_ht, 1000}, Case{"2L", "2000", true, &accel_ht, 2000},
        Case{"1R", "250", false, &v1, 0},           Case{"1R", "249", true, &v1, 249},
        Case{"2R", "0", false, &vr, 0},             Case{"3R", "265", true, &v2, 265},
        Case{"2L", "400", true, &accel_ht, 400}}) {
    EnterOn(27, text, key);
    ExpectTaken(text, taken);
    EXPECT_EQ(*field, expected) << key << " " << text;
  }
}

TEST_F(RefPagesTest, ApproachVrefOffersItselfForTheFlapSpeedLine) {
  vref25 = 142;
  EnterOn(12, "", "2R");
  EXPECT_EQ(cdu_scratchpad, "25/142");
  PressAndPaint("4R");
  EXPECT_EQ(std::tuple(ldg_flaps, vref, asi_bug1 + asi_bug2, asi_bug3, cdu_scratchpad), std::tuple(25, 142, 120, 142, ""));
}

TEST_F(RefPagesTest, ApproachEntriesAreRefusedOrIgnored) {
  vref20 = 145;
  vref30 = 134;
  for (const auto& [key, text, message, kept] :
       {std::tuple{"4R", "30/140", "INVALID ENTRY", true}, std::tuple{"4R", "5/140", "", true},
        std::tuple{"1R", "00", "INVALID ENTRY", true}, std::tuple{"1R", "0", "", false}}) {
    EnterOn(12, text, key);
    EXPECT_EQ(std::pair(cdu_message, cdu_scratchpad), std::pair(std::string(message), std::string(kept ? text : "")))
        << key << " " << text;
  }
  EXPECT_EQ(ldg_flaps, 0);
}

TEST_F(RefPagesTest, ApproachShowsTheChosenRunwayApproachAndElevation) {
  AirportRecord& dest = airport_recs[2];
  dest.rwy_cnt = 1;
  SetText(dest.runways[1].ident, "16R");
  std::tie(dest.runways[1].length_ft, dest.runways[1].heading) = std::tuple(8500, 163.0);
  SetText(dest.runways[1].ils_freq, "110.30");
  std::tie(dest_elev, dest_ident, fms_dest_rwy_pos, appr_list_cnt, arr_appr_sel, fms_page) =
      std::tuple(26, "KPDX", 1, 1, 1, 12);
  appr_list[1] = {"I16R", "16R"};
  Paint();
  const std::string shown = TextAt(220);
  fms_dest_rwy_pos = 5;  // a row the block does not hold
  Paint();
  EXPECT_EQ(shown + "|" + TextAt(220), "110.30 26 163\xB0|26");
}

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

// What the page takes it shows, at the lowest altitude and speed too, on CLB and DES alike.
TEST_F(VnavPagesTest, EveryRestrictionTakenIsShown) {
  for (const auto& [page, text, shown] : {std::tuple{1, "250/1000", "250 / 1000"}, {3, "050/5000", "50 / 5000"}}) {
    EnterOnSubPage(page, text, "3L");
    EXPECT_EQ(std::pair(cdu_scratchpad, Line(3).left), std::pair(std::string(), std::string(shown))) << text;
  }
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
  next_restr_leg = 3;  // past the last constraint: the destination row has no altitude
  fms_fpln_act[3].alt = -999.0;
  Paint();
  EXPECT_EQ(Line(1).left, "");
  next_restr_leg = 500;  // out of the table: nothing to show
  Paint();
  EXPECT_EQ(Line(1).left, "");
}

}  // namespace
}  // namespace cdu_test
