#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_fixture.h"
#include "fmc/perf_tables.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class PerfInitTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    gross_weight = 100000.0;
    reserves = 3000.0;
    cruise_alt = 31000;
    cost_index = 50;
  }
};

double Zfw() { return gross_weight; }
double Reserves() { return reserves; }
double CruiseAlt() { return cruise_alt; }
double CostIndex() { return cost_index; }

// A refused entry leaves its field as it was; a weight beyond 2,000,000 lb is never stored.
TEST_F(PerfInitTest, EntriesAreTakenOrRefusedWhole) {
  struct Case {
    const char* key;
    const char* text;
    bool kgs, taken;
    double (*field)();
    double expected;  // the field after the entry (its start value when refused)
  };
  for (const Case& c : {Case{"3L", "0", false, false, Zfw, 100000.0}, Case{"3L", "1000", false, false, Zfw, 100000.0},
                        Case{"3L", "999", true, false, Zfw, 100000.0},  // 999 t
                        Case{"3L", "150.5", false, true, Zfw, 150500.0},
                        Case{"3L", "150.5", true, true, Zfw, 150500.0 * 2.20462262},
                        Case{"4L", "0", false, true, Reserves, 0.0}, Case{"4L", "-1", false, false, Reserves, 0.0},
                        Case{"4L", "1E300", false, false, Reserves, 0.0},
                        Case{"1R", "FL350", false, true, CruiseAlt, 35000.0},
                        Case{"1R", "370", false, true, CruiseAlt, 37000.0},
                        Case{"1R", "35000", false, true, CruiseAlt, 35000.0},
                        Case{"1R", "0", false, false, CruiseAlt, 35000.0},
                        Case{"2R", "0", false, true, CostIndex, 0.0}, Case{"2R", "-1", false, true, CostIndex, -1.0},
                        Case{"2R", "00", false, false, CostIndex, -1.0},
                        Case{"2R", "1000", false, false, CostIndex, -1.0}}) {
    weight_unit = c.kgs ? "KGS" : "LBS";
    EnterOn(3, c.text, c.key);
    ExpectTaken(c.text, c.taken);
    EXPECT_DOUBLE_EQ(c.field(), c.expected) << c.key << " " << c.text;
  }
}

TEST_F(PerfInitTest, ShowsWeightsFuelCruiseAndCostIndexOrBoxPrompts) {
  fms_fpln_active = 3;
  fms_page = 3;
  Paint();
  EXPECT_EQ(TitleLine(), "ACT PERF INIT 1 / 2");
  EXPECT_EQ(Row(1), "120.0 | FL310");
  EXPECT_EQ(Row(2), "20.0 | 50");
  EXPECT_EQ(Line(3).left, "100.0");
  EXPECT_EQ(Line(4).left, "3.0");
  weight_unit = "KGS";
  Paint();
  EXPECT_EQ(Line(3).left, "45.4");

  SetFuelLb(0.0);
  gross_weight = reserves = 0.0;
  cruise_alt = 0;
  cost_index = -1;
  Paint();
  EXPECT_EQ(Row(2), " | ");
  // Boxes of 5 (CRZ ALT), 3 (FUEL), 3 (COST INDEX), 4 (ZFW) and 3 (RESERVES) cells: a frame and
  // the dividers each.
  EXPECT_EQ(Count(gfx::OpKind::Stroke, cdu::kGreen), 5u + 3u + 3u + 4u + 3u);
}

TEST_F(PerfInitTest, CruiseEntryModifiesAnActiveRouteAndEraseTakesItBack) {
  SetActiveRoute({"KSEA", "SEA", "KPDX"});
  EnterOn(3, "FL370", "1R");
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(TitleLine(), "MOD PERF INIT 1 / 2");
  EXPECT_EQ(Line(6).left, "<ERASE");
  PressAndPaint("6L");
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(cruise_alt, 31000);
  EXPECT_EQ(fms_page, 3);  // ERASE stays on the page
}

TEST_F(PerfInitTest, SixRightOpensTakeoffRefWithSpeedsAndPrevPageTheLimits) {
  InitPerformanceTables();
  to_flaps = 15;
  fms_page = 3;
  PressAndPaint("6R");
  EXPECT_EQ(fms_page, 27);
  EXPECT_GT(v1, 0);
  EXPECT_EQ(asi_bug1, v1);

  clb_min_ias = 180.0;
  clb_min_mach = 0.55;
  clb_max_ias = 300.0;
  clb_max_mach = 0.8;
  fms_fpln_active = 4;
  fms_page = 3;
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(perf_page, 2);
  EXPECT_EQ(TitleLine(), "PERF  LIMITS 2 /  2");
  EXPECT_EQ(Row(2), "180 /.550 | 300 / .800");
  PressAndPaint("6L");  // INDEX, whatever the route state
  EXPECT_EQ(fms_page, 23);
  EXPECT_EQ(fms_fpln_active, 4);
}

}  // namespace
}  // namespace cdu_test
