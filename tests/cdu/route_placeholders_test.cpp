// "DISCO" and "THEN" rows are gaps in the route, never places: a discontinuity stands at the leg
// after it, and an airway still waiting for its exit fix is flown as a discontinuity.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "afds/route_progress_globals.h"
#include "cdu/cdu_pages.h"
#include "cdu/flown_route_fixture.h"
#include "fmc/route_holds.h"

namespace cdu_test {
namespace {

class RoutePlaceholdersTest : public FlownRouteTest {
 protected:
  void SetUp() override {
    FlownRouteTest::SetUp();
    mag_var = 16.0;
    ExecuteRoute();  // RTE LEGS lines: SEA, TACMA, CENTR, KELSO, the end line (KPDX)
  }
  // Row `row` of the modified route is a "DISCO" at the place, altitude and restriction of the leg
  // after it.
  static void ExpectDiscoAtNextLeg(int32_t row) {
    const RouteLeg& gap = fms_fpln_mod[row];
    const RouteLeg& next = fms_fpln_mod[row + 1];
    EXPECT_EQ(gap.ident, "DISCO");
    EXPECT_EQ(std::tuple(gap.lat, gap.lon, gap.alt, gap.restr), std::tuple(next.lat, next.lon, next.alt, next.restr))
        << "before " << next.ident;
  }
};

// A fix inserted in front of KELSO, CENTR deleted from the middle, an approach that adds no leg; and
// after EXEC, also where the destination moved to the runway threshold.
TEST_F(RoutePlaceholdersTest, EveryDiscontinuityStandsAtTheLegAfterIt) {
  const std::vector<std::tuple<const char*, std::function<void()>, Idents, int32_t>> edits{
      {"OLM", [&] { EnterAt("OLM", "4L"); }, {"KSEA", "SEA", "TACMA", "CENTR", "OLM", "DISCO", "KELSO", "KPDX"}, 5},
      {"DELETE", [&] { PressAndPaint("DEL 3L"); }, {"KSEA", "SEA", "TACMA", "DISCO", "KELSO", "KPDX"}, 3},
      {"ILS28R", [&] { PressAndPaint("DEP_ARR 2R"), Paint(), PressAndPaint("2R"); },
       {"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "DISCO", "KPDX"}, 5}};
  for (const auto& [name, edit, route, row] : edits) {
    PressAndPaint("LEGS");
    edit();
    EXPECT_EQ(ModIdents(), route) << name;
    ExpectDiscoAtNextLeg(row);
    Press("EXEC");
    EXPECT_EQ(std::tuple(fms_fpln_act[row].lat, fms_fpln_act[row].lon), std::tuple(fms_fpln_act[row + 1].lat,
                                                                                      fms_fpln_act[row + 1].lon));
    ExecuteRoute();
  }
}

// Behind a discontinuity there is no leg to measure along: the hold's inbound course comes from OLM,
// the place before the gap (305 from 0N 0E), an along-track point is refused, and the gap's own line
// holds nothing.
TEST_F(RoutePlaceholdersTest, NothingIsMeasuredFromADiscontinuity) {
  EnterAt("OLM", "3L");  // SEA, TACMA, OLM, DISCO, CENTR
  Press("EXEC");
  Keys("LEGS HOLD 5L 6L");
  Press("EXEC");
  EXPECT_EQ(std::tuple(hold_cnt, route_holds[1].fix), std::tuple(1, std::string("CENTR")));
  EXPECT_NEAR(route_holds[1].inbd_crs, 124.7, 0.1);

  EnterOn(kCduPageRteLegs, "CENTR/-5", "5L");
  ExpectTaken("-5", false);
  Entry("");
  for (const char* key : {"HOLD", "6L", "4L", "6L"}) PressAndPaint(key), Paint();  // NEXT HOLD, the gap
  EXPECT_EQ(std::tuple(hold_cnt, cdu_message), std::tuple(1, std::string("INVALID ENTRY")));
}

// Direct to OLM, in front of a gap that carries KELSO's 12000 ft, in cruise and then on the descent:
// the constraint to cross is KELSO's, before and after the gap is skipped; over OLM the FROM line
// becomes OLM and stays so, and the descent is still measured to KELSO.
TEST_F(RoutePlaceholdersTest, SkippingAGapPassesNoPlace) {
  EnterAt("OLM", "4L");
  Press("EXEC");
  PressAndPaint("LEGS");
  EnterAt("OLM", "1L");  // KSEA, OLM, DISCO, KELSO, KPDX
  cruise_alt = 20000;
  Press("EXEC");
  EXPECT_EQ(fms_fpln_act[next_restr_leg].ident, "KELSO");
  std::tie(init_tod, lnav, last_restr_lat) = std::tuple(1, 1, 0.0);
  const NavRecord& olm = Fix("OLM");
  PlaceAircraft(olm.lat, olm.lon, 230.0);
  RunTicks(36);
  ASSERT_EQ(fms_fpln_act[stpos].ident, "KELSO");
  EXPECT_EQ(std::tuple(prog_from_ident, last_restr_lat, fms_fpln_act[stpos].restr, fms_fpln_act[next_restr_leg].ident),
            std::tuple(std::string("OLM"), 0.0, 1, std::string("KELSO")));
}

// RTE: TACMA, then J5 with no exit fix. RTE LEGS shows the gap, not a leg to 0N 0E; EXEC flies
// TACMA and then nothing: a discontinuity before KPDX, at KPDX.
TEST_F(RoutePlaceholdersTest, AnAirwayWithoutItsExitFixIsExecutedAsADiscontinuity) {
  PressAndPaint("RTE");
  EnterAt("KSEA", "1L");
  EnterAt("KPDX", "1R");
  PressAndPaint("NEXT_PAGE");
  EnterAt("TACMA", "1R");
  EnterAt("J5", "2L");
  ASSERT_EQ(ModIdents(), (Idents{"KSEA", "TACMA", "THEN", "KPDX"}));
  PressAndPaint("6R LEGS");
  EXPECT_EQ(Line(2).label, "T H E N");
  EXPECT_EQ(Line(2).left, "");

  Press("EXEC");
  ASSERT_EQ(route_test::Idents(fms_fpln_act, fp_cnt), (Idents{"KSEA", "TACMA", "DISCO", "KPDX"}));
  EXPECT_EQ(std::tuple(fms_fpln_act[2].lat, fms_fpln_act[2].lon), std::tuple(fms_fpln_act[3].lat, fms_fpln_act[3].lon));
  EXPECT_EQ(stpos, 1);
  PressAndPaint("PROG");
  EXPECT_EQ(Line(3).left, "");  // no NEXT line: only the destination lies beyond the gap

  // A fix typed on the gap's row goes in front of it and leaves one gap, not a second one.
  PressAndPaint("RTE NEXT_PAGE");
  EnterAt("KELSO", "2R");
  EXPECT_EQ(ModIdents(), (Idents{"KSEA", "TACMA", "KELSO", "DISCO", "KPDX"}));
}

}  // namespace
}  // namespace cdu_test
