// An approach or a runway chosen again on ARRIVALS while the aircraft flies the arrival: the fixes
// flown are not put back ahead and the active leg stays the fix ahead; past the last fix a new
// approach is flown from its first fix. A change of approach leaves nothing of the one before.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"

namespace cdu_test {
namespace {

class ArrivalWhileFlyingTest : public RoutePagesTest {
 protected:
  // KSEA, TACMA, J5 to KELSO, the WILAM1 arrival from KELSO and the ILS 10R from TIMBR (or the
  // arrival chosen by `arrival_keys`), executed at FL200, then flown to `fix`, the active leg.
  void FlyTo(const std::string& fix, std::string_view arrival_keys = "DEP_ARR 2R 1L 2L 1R 2R") {
    TypeSeattlePortlandOnJ5();
    Keys(arrival_keys);
    Keys("RTE 6R EXEC INIT_REF 6L 3L");
    EnterAt("FL200", "1R");
    Keys("EXEC");
    InTheAir(12000.0);
    while (stpos < fp_cnt && fms_fpln_act[stpos].ident != fix) FlyOverActiveFix();
    ASSERT_EQ(fms_fpln_act[stpos].ident, fix);
  }
  // The idents of the active route from the active leg on.
  static std::vector<std::string> Ahead() {
    std::vector<std::string> out;
    for (int32_t i = stpos; i <= fp_cnt; ++i) out.push_back(fms_fpln_act[i].ident);
    return out;
  }
};

using Texts = std::vector<std::string>;

// WILAM active, KELSO flown: the ILS 10R chosen again (its runway re-inserts the STAR) and executed.
TEST_F(ArrivalWhileFlyingTest, ApproachChosenAgainOnTheStar) {
  FlyTo("WILAM");
  Keys("DEP_ARR 2R 1R 2R EXEC");
  EXPECT_EQ(Ahead(), (Texts{"WILAM", "HD200", "TIMBR", "LAVAS", "KPDX"}));
  EXPECT_EQ(fms_fpln_act[stpos - 1].ident, "KELSO");
}

// LAVAS active on the approach: the approach chosen again keeps LAVAS the fix ahead.
TEST_F(ArrivalWhileFlyingTest, ApproachChosenAgainOnTheApproach) {
  FlyTo("LAVAS");
  Keys("DEP_ARR 2R 1R 2R EXEC");
  EXPECT_EQ(Ahead(), (Texts{"LAVAS", "KPDX"}));
}

// Past the approach, the destination active (a go-around): a second approach brings no STAR fix
// back ahead.
TEST_F(ArrivalWhileFlyingTest, SecondApproachAfterAGoAround) {
  FlyTo("KPDX");
  Keys("DEP_ARR 2R 1R 2R EXEC");
  for (const std::string& ident : Ahead()) {
    EXPECT_TRUE(ident != "KELSO" && ident != "WILAM" && ident != "HD200") << ident;
  }
}

// Past the approach, the destination active: the ILS 28R from BTG is listed on MOD RTE LEGS, and
// after EXEC BTG is the active leg, flown direct from the present position.
TEST_F(ArrivalWhileFlyingTest, ApproachChosenPastTheLastFixIsFlownFromItsFirstFix) {
  FlyTo("KPDX");
  Keys("DEP_ARR 2R 2R 2R LEGS");
  EXPECT_EQ(Line(1).left, "BTG");
  Keys("EXEC");
  EXPECT_EQ(Ahead(), (Texts{"BTG", "KPDX"}));
  EXPECT_EQ(fms_fpln_act[stpos - 1].ident, "LAVAS");
  EXPECT_EQ(std::tuple(lnav_leg[0].FrId, lnav_leg[0].ToId), std::tuple("DIRECT", "BTG"));
}

// WILAM active on the WILAM1 arrival for runway 10R without an approach, a hold at TIMBR, its last
// fix: the runway chosen again (which writes the arrival again) and then the ILS 10R from TIMBR (its
// first fix takes TIMBR's place), each executed, keep the hold at TIMBR.
TEST_F(ArrivalWhileFlyingTest, HoldAtTheArrivalsLastFixStaysWhenItsRunwayOrApproachIsChosen) {
  FlyTo("WILAM", "DEP_ARR 2R 1L 2L 3R");
  Keys("HOLD 3L 6L EXEC");
  ASSERT_EQ(std::tuple(hold_cnt, route_holds[1].fix), std::tuple(1, "TIMBR"));
  for (const char* keys : {"DEP_ARR 2R 3R EXEC", "DEP_ARR 2R 1R 2R EXEC"}) {
    Keys(keys);
    ASSERT_EQ(fms_fpln_act[stpos + 2].ident, "TIMBR") << keys;
    EXPECT_EQ(std::tuple(hold_cnt, route_holds[1].leg, fms_fpln_act[stpos + 2].hold_idx),
              std::tuple(1, stpos + 2, 1))
        << keys;
  }
  EXPECT_EQ(Ahead(), (Texts{"WILAM", "HD200", "TIMBR", "LAVAS", "KPDX"}));
}

// The twin on the departure side: a hold at TACMA, a fix of the TACMA1 departure, stays at TACMA when
// the departure is written again for its runway, for another runway, or chosen again whole.
TEST_F(ArrivalWhileFlyingTest, HoldAtADepartureFixStaysWhenTheDepartureIsChosenAgain) {
  TypeSeattlePortlandOnJ5();
  Keys("DEP_ARR 1L 1L 2L 1R RTE 6R EXEC LEGS HOLD 4L 6L EXEC");  // TACMA1.CENTR from 16L
  ASSERT_EQ(std::tuple(hold_cnt, route_holds[1].fix, fms_fpln_act[4].ident), std::tuple(1, "TACMA", "TACMA"));
  for (const char* keys : {"DEP_ARR 1L 1R EXEC", "DEP_ARR 1L 2R EXEC", "DEP_ARR 1L 1L 2L 1R EXEC"}) {
    Keys(keys);
    EXPECT_EQ(std::tuple(hold_cnt, route_holds[1].leg, fms_fpln_act[4].ident, fms_fpln_act[4].hold_idx),
              std::tuple(1, 4, "TACMA", 1))
        << keys;
  }
}

// ILS 10R executed, then the VOR-A, which names no runway: APPROACH REF, the map's runway and the
// landing checklist (all from the runway row) and the route's end hold what the VOR-A alone gives.
TEST_F(ArrivalWhileFlyingTest, ApproachWithoutARunwayLeavesNoRunwayOfTheOneBefore) {
  TypeSeattlePortlandOnJ5();
  Keys("DEP_ARR 2R 1R 2R RTE 6R EXEC");
  ASSERT_GT(fms_dest_rwy_pos, 0);
  Keys("DEP_ARR 2R 3R EXEC");
  fms_page = kCduPageApproachRef;
  Paint();
  EXPECT_EQ(Line(4).left + "|" + Line(5).label + "|" + Line(5).left, "|VORA E L E V|31");
  EXPECT_EQ(fms_dest_rwy_pos, 0);
  EXPECT_EQ(std::tuple(fms_fpln_act[fp_cnt].lat, fms_fpln_act[fp_cnt].lon), std::tuple(45.5890, -122.5970));
}

}  // namespace
}  // namespace cdu_test
