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
  struct Case {
    const char* key;
    const char* text;
    bool taken;
    int32_t* field;
    int32_t expected;  // the field after the entry
  };
  for (const Case& c : {Case{"1L", "25", false, &to_flaps, 0},
                        Case{"1L", "15X", false, &to_flaps, 0}, Case{"2L", "399", false, &accel_ht, 1000},
                        Case{"2L", "2001", false, &accel_ht, 1000}, Case{"2L", "400", true, &accel_ht, 400},
                        Case{"2L", "2000", true, &accel_ht, 2000}, Case{"1R", "250", false, &v1, 0},
                        Case{"1R", "249", true, &v1, 249}, Case{"2R", "0", false, &vr, 0},
                        Case{"3R", "270", false, &v2, 0}, Case{"3R", "265", true, &v2, 265}}) {
    EnterOn(27, c.text, c.key);
    ExpectTaken(c.text, c.taken);
    EXPECT_EQ(*c.field, c.expected) << c.key << " " << c.text;
  }
}

TEST_F(RefPagesTest, ApproachVrefOffersItselfForTheFlapSpeedLine) {
  vref25 = 142;
  EnterOn(12, "", "2R");
  EXPECT_EQ(cdu_scratchpad, "25/142");
  PressAndPaint("4R");
  EXPECT_EQ(ldg_flaps, 25);
  EXPECT_EQ(vref, 142);
  EXPECT_EQ(asi_bug1 + asi_bug2, 120);
  EXPECT_EQ(asi_bug3, 142);
  EXPECT_EQ(cdu_scratchpad, "");
}

TEST_F(RefPagesTest, ApproachEntriesAreRefusedOrIgnored) {
  vref20 = 145;
  vref30 = 134;
  for (const auto& [key, text, message, kept] :
       {std::tuple{"4R", "30/140", "INVALID ENTRY", true}, std::tuple{"4R", "5/140", "", true},
        std::tuple{"1R", "00", "INVALID ENTRY", true}, std::tuple{"1R", "0", "", false}}) {
    EnterOn(12, text, key);
    EXPECT_EQ(cdu_message, message) << key << " " << text;
    EXPECT_EQ(cdu_scratchpad, kept ? text : "") << key << " " << text;
  }
  EXPECT_EQ(ldg_flaps, 0);
}

TEST_F(RefPagesTest, ApproachShowsTheChosenRunwayApproachAndElevation) {
  AirportRecord& dest = airport_recs[2];
  dest.rwy_cnt = 1;
  SetText(dest.runways[1].ident, "16R");
  dest.runways[1].length_ft = 8500;
  dest.runways[1].heading = 163.0;
  SetText(dest.runways[1].ils_freq, "110.30");
  dest_elev = 26;
  dest_ident = "KPDX";
  fms_dest_rwy_pos = 1;
  appr_list_cnt = 1;
  appr_list[1] = {"I16R", "16R"};
  arr_appr_sel = 1;
  fms_page = 12;
  Paint();
  EXPECT_EQ(TextAt(220), "110.30 26 163\xB0");
  fms_dest_rwy_pos = 5;  // a row the block does not hold
  Paint();
  EXPECT_EQ(TextAt(220), "26");
}

}  // namespace
}  // namespace cdu_test
