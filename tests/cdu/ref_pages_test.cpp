#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_fixture.h"
#include "fmc/perf_tables.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

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

}  // namespace
}  // namespace cdu_test
