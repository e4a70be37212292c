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

struct EntryCase {
  const char* name;
  const char* key;
  const char* text;
  bool kgs;
  bool taken;
  double (*field)();
  double expected;  // the field after the entry (its start value when refused)
};

double Zfw() { return gross_weight; }
double Reserves() { return reserves; }
double CruiseAlt() { return cruise_alt; }
double CostIndex() { return cost_index; }

class PerfInitEntryTest : public PerfInitTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(PerfInitEntryTest, TakesOrRefusesTheEntry) {
  const EntryCase& c = GetParam();
  weight_unit = c.kgs ? "KGS" : "LBS";
  EnterOn(3, c.text, c.key);
  ExpectTaken(c.text, c.taken);
  EXPECT_DOUBLE_EQ(c.field(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PerfInit, PerfInitEntryTest,
    ::testing::Values(EntryCase{"ZfwPounds", "3L", "150.5", false, true, Zfw, 150500.0},
                      EntryCase{"ZfwKilograms", "3L", "150.5", true, true, Zfw, 150500.0 * 2.20462262},
                      EntryCase{"ZfwZero", "3L", "0", false, false, Zfw, 100000.0},
                      EntryCase{"ZfwNegative", "3L", "-5", false, false, Zfw, 100000.0},
                      EntryCase{"ZfwThousand", "3L", "1000", false, false, Zfw, 100000.0},
                      // 999 t is more than 2,000,000 lb: refused and not stored.
                      EntryCase{"ZfwOverLimitNotStored", "3L", "999", true, false, Zfw, 100000.0},
                      EntryCase{"ReservesZero", "4L", "0", false, true, Reserves, 0.0},
                      EntryCase{"ReservesNegative", "4L", "-1", false, false, Reserves, 3000.0},
                      EntryCase{"ReservesHuge", "4L", "1E300", false, false, Reserves, 3000.0},
                      EntryCase{"CruiseFlightLevel", "1R", "FL350", false, true, CruiseAlt, 35000.0},
                      EntryCase{"CruiseHundreds", "1R", "350", false, true, CruiseAlt, 35000.0},
                      EntryCase{"CruiseFeet", "1R", "35000", false, true, CruiseAlt, 35000.0},
                      EntryCase{"Cruise999", "1R", "999", false, true, CruiseAlt, 99900.0},
                      EntryCase{"CruiseZero", "1R", "0", false, false, CruiseAlt, 31000.0},
                      EntryCase{"CostIndexZero", "2R", "0", false, true, CostIndex, 0.0},
                      EntryCase{"CostIndexNone", "2R", "-1", false, true, CostIndex, -1.0},
                      EntryCase{"CostIndexDoubleZero", "2R", "00", false, false, CostIndex, 50.0},
                      EntryCase{"CostIndexLetter", "2R", "A", false, false, CostIndex, 50.0},
                      EntryCase{"CostIndexThousand", "2R", "1000", false, false, CostIndex, 50.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PerfInitTest, ShowsWeightsFuelCruiseAndCostIndex) {
  fms_fpln_active = 3;
  fms_page = 3;
  Paint();
  EXPECT_EQ(TitleLine(), "ACT PERF INIT 1 / 2");
  EXPECT_EQ(Line(1).left, "120.0");
  EXPECT_EQ(Line(1).right, "FL310");
  EXPECT_EQ(Line(2).left, "20.0");
  EXPECT_EQ(Line(2).right, "50");
  EXPECT_EQ(Line(3).left, "100.0");
  EXPECT_EQ(Line(4).left, "3.0");
  EXPECT_EQ(Line(6).left, "<INDEX");
  EXPECT_EQ(Line(6).right, "TAKEOFF>");

  weight_unit = "KGS";
  Paint();
  EXPECT_EQ(Line(2).left, "9.1");
  EXPECT_EQ(Line(3).left, "45.4");
}

TEST_F(PerfInitTest, EmptyValuesShowBoxPrompts) {
  SetFuelLb(0.0);
  gross_weight = 0.0;
  reserves = 0.0;
  cruise_alt = 0;
  cost_index = -1;
  fms_page = 3;
  Paint();
  EXPECT_EQ(Line(1).right, "");
  EXPECT_EQ(Line(2).left, "");
  // Boxes of 5 (CRZ ALT), 3 (FUEL), 3 (COST INDEX), 4 (ZFW) and 3 (RESERVES) cells: a frame and
  // the dividers each.
  EXPECT_EQ(Count(gfx::OpKind::Stroke, cdu::kGreen), 5u + 3u + 3u + 4u + 3u);
}

TEST_F(PerfInitTest, CruiseEntryModifiesAnActiveRouteAndEraseTakesItBack) {
  SetActiveRoute({"KSEA", "SEA", "KPDX"});
  EnterOn(3, "FL370", "1R");
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(cruise_alt, 37000);
  EXPECT_EQ(TitleLine(), "MOD PERF INIT 1 / 2");
  EXPECT_EQ(Line(6).left, "<ERASE");
  PressAndPaint("6L");
  EXPECT_EQ(fms_fpln_active, 3);
  EXPECT_EQ(cruise_alt, 31000);
  EXPECT_EQ(fms_page, 3);  // ERASE stays on the page
}

TEST_F(PerfInitTest, SixLeftOpensTheIndexAndSixRightTakeoffRefWithSpeeds) {
  fms_page = 3;
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, 23);

  InitPerformanceTables();
  to_flaps = 15;
  fms_page = 3;
  PressAndPaint("6R");
  EXPECT_EQ(fms_page, 27);
  EXPECT_GT(v1, 0);
  EXPECT_EQ(asi_bug1, v1);
}

TEST_F(PerfInitTest, PrevPageShowsTheLimitsWhoseIndexKeyIgnoresTheRouteState) {
  clb_min_ias = 180.0;
  clb_min_mach = 0.55;
  clb_max_ias = 300.0;
  clb_max_mach = 0.8;
  fms_fpln_active = 4;
  fms_page = 3;
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(perf_page, 2);
  EXPECT_EQ(TitleLine(), "PERF  LIMITS 2 /  2");
  EXPECT_EQ(Line(2).left, "180 /.550");
  EXPECT_EQ(Line(2).right, "300 / .800");
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(perf_page, 1);
  perf_page = 2;
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, 23);
  EXPECT_EQ(fms_fpln_active, 4);
}

}  // namespace
}  // namespace cdu_test
