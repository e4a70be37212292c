#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "cdu/eta_text.h"
#include "cdu/pages/perf_texts.h"
#include "cdu/cdu_fixture.h"
#include "frame/tick_route.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class ProgressPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    SetFuelFlow(6000.0);
    zulu_hour = 12.0;
    zulu_min = 0.0;
    fms_page = 33;
  }
  // KSEA - SEA - TACMA - KPDX, 0.5 degrees (30 NM) apart along a meridian, SEA active.
  static void Route(const std::vector<std::string>& idents = {"KSEA", "SEA", "TACMA", "KPDX"}) {
    SetActiveRoute(idents);
    for (int32_t i = 0; i <= fp_cnt; ++i) {
      fms_fpln_act[i].lat = 47.0 - 0.5 * i;
      fms_fpln_act[i].lon = -122.0;
    }
  }
};

struct EtaCase {
  const char* name;
  double zulu_hour, zulu_min, minutes;
  const char* eta;
};

class ProgressEtaTest : public ProgressPageTest, public ::testing::WithParamInterface<EtaCase> {};

TEST_P(ProgressEtaTest, AddsTheTimeToGoToZulu) {
  const EtaCase& c = GetParam();
  zulu_hour = c.zulu_hour;
  zulu_min = c.zulu_min;
  EXPECT_EQ(EtaTextAfterMinutes(c.minutes), c.eta);
}

INSTANTIATE_TEST_SUITE_P(
    Progress, ProgressEtaTest,
    ::testing::Values(EtaCase{"PastMidnight", 23, 30, 45.0, "0015Z"},
                      EtaCase{"HoursAndMinutes", 10, 5, 135.0, "1220Z"},
                      // The whole minutes are printed: 59.6 reads 59, never "60".
                      EtaCase{"WholeMinutesOnly", 10, 0, 59.6, "1059Z"},
                      EtaCase{"DaysAheadWrapToTheHour", 22, 0, 50.0 * 60.0, "0000Z"},
                      EtaCase{"BehindNowIsNow", 9, 15, -0.2, "0915Z"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgressPageTest, ListsToNextAndDestinationWithEtaAndFuel) {
  Route();
  ground_speed = 360.0;  // 6 NM a minute
  dist_to_active_wpt = 12.0;
  dest_dtg = 72.0;
  Paint();
  EXPECT_EQ(TitleLine(), "PROGRESS 1 / 2");
  EXPECT_EQ(Line(1).left, "");  // nothing passed yet at the first leg
  EXPECT_EQ(Line(2).label, "T O D T G E T A F U E L");
  EXPECT_EQ(Line(2).left, "SEA 12");
  EXPECT_EQ(Line(2).right, "1202Z 19.8");
  EXPECT_EQ(Line(3).left, "TACMA 42");
  EXPECT_EQ(Line(3).right, "1206Z 19.3");
  EXPECT_EQ(Line(4).left, "KPDX 72");
  EXPECT_EQ(Line(4).right, "1212Z 18.8");
  EXPECT_EQ(Line(6).right, "20.0");

  ground_speed = 70.0;  // too slow for a time on the waypoint lines
  Paint();
  EXPECT_EQ(Line(2).right, "");
  EXPECT_EQ(Line(3).right, "");
  EXPECT_EQ(Line(4).right, "1301Z 13.8");  // the destination's own speed rule still gives one
}

TEST_F(ProgressPageTest, NextSkipsADiscontinuityAndIsBlankBeforeTheDestination) {
  Route({"KSEA", "SEA", "DISCO", "TACMA", "KPDX"});
  Paint();
  EXPECT_EQ(Line(3).left.substr(0, 5), "TACMA");
  Route({"KSEA", "SEA", "KPDX"});
  Paint();
  EXPECT_EQ(Line(3).label, "");
  EXPECT_EQ(Line(3).left, "");
}

TEST_F(ProgressPageTest, FromLineAfterTheFirstPassage) {
  Route();
  stpos = 2;
  trans_alt = 18000;
  prog_from_ident = "SEA";
  prog_from_alt = 21000.0;
  prog_from_ata = "1155Z";
  prog_from_fuel = 21500.0;
  Paint();
  EXPECT_EQ(Line(1).left, "SEA FL210");
  EXPECT_EQ(Line(1).right, "1155Z 21.5");
}

TEST_F(ProgressPageTest, TimeToTheTopOfClimbOrDescent) {
  Route();
  ground_speed = 300.0;
  route_dist_total = 25.0;
  Paint();
  EXPECT_EQ(TextAt(205), "T O  T/C");
  EXPECT_EQ(TextAt(220), "1205Z/25  NM");
  toc = 1;
  dist_to_tod = 150.0;
  ground_speed = 0.0;  // no time from a standstill
  Paint();
  EXPECT_EQ(TextAt(205), "T O  T/D");
  EXPECT_EQ(TextAt(220), "----Z/150 NM");
}

TEST_F(ProgressPageTest, PagingWrapsAndPrevWinsOverNext) {
  PressAndPaint("PREV_PAGE");
  EXPECT_EQ(prog_page, 2);
  PressAndPaint("NEXT_PAGE");
  EXPECT_EQ(prog_page, 1);
  Press("NEXT_PAGE PREV_PAGE");
  Paint();
  EXPECT_EQ(prog_page, 2);
  PressAndPaint("6L");
  EXPECT_EQ(fms_page, 23);
}

struct DeviationCase {
  double dev_ft;
  const char* text;
};

class VertDevTest : public ProgressPageTest, public ::testing::WithParamInterface<DeviationCase> {};

TEST_P(VertDevTest, ShowsHighOrLowBeyondThreeFeetUpTo9000) {
  plane_alt = 20000.0;
  vnav_path_alt = plane_alt - GetParam().dev_ft;
  tod = 1;
  prog_page = 2;
  Paint();
  EXPECT_EQ(TextAt(132), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Progress, VertDevTest,
                         ::testing::Values(DeviationCase{2.0, "----"}, DeviationCase{12000.0, "9000 HI"},
                                           DeviationCase{-450.0, "450 LO"}));

TEST_F(ProgressPageTest, SecondPageShowsWindComponentsTemperatureAndTrack) {
  Route();
  head_wind = -12.4;
  cross_wind = -7.6;
  wind_dir = 250.0;
  wind_speed = 15.0;
  static_air_temp = -20.0;
  plane_alt = 10000.0;  // ISA -4.8: 15 below it
  xtk_dist = 0.25;
  xtk_side = 1;
  true_airspeed = 312.0;
  prog_page = 2;
  Paint();
  EXPECT_EQ(Line(1).label, "T A I L W I N D C R O S S W I N D");
  EXPECT_EQ(TextAt(43), "12 KT R   7 KT");
  EXPECT_EQ(TextAt(88), "250\xB0/ 15 -20\xB0" "c /-15\xB0" "c");
  EXPECT_EQ(TextAt(132), "L 0.25 NM");
  EXPECT_EQ(TextAt(175), "312 KT");
}

}  // namespace
}  // namespace cdu_test
