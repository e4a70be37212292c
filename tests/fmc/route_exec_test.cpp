#include "fmc/route_exec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/route_fixture.h"
#include "fmc/route_holds.h"
#include "fmc/vertical_profile.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using ::testing::ElementsAre;

class Exec : public example_route_test::ExampleRouteTest {
 protected:
  void SetUp() override {
    ExampleRouteTest::SetUp();
    SeattlePortlandRoute();
    fms_fpln_active = 2;  // activated, EXEC lit
    plane_lat = 47.44;
    plane_lon = -122.30;
  }
  // EXEC of a modification of the active route.
  static void ExecAgain() {
    fms_fpln_active = 4;
    ExecRoute();
  }
};

// New airports: their procedures are loaded and the pending choices start again, the executed ones
// stay with the active route. A new origin drops the holds and takes the configured speeds.
TEST_F(Exec, FirstActivationCopiesTheRouteAndLoadsItsAirports) {
  std::tie(sid_sel, hold_cnt, route_holds[1].leg, route_holds[2].leg, startup_phase) = std::tuple("TACMA1", 2, 2, 4, 0);
  ClimbIas = 270;
  ExecRoute();
  EXPECT_THAT(route_test::Idents(fms_fpln_act, fp_cnt),
              ElementsAre("KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(std::tuple(fms_fpln_active, stpos, lnav_leg[0].FrId + ">" + lnav_leg[0].ToId), std::tuple(3, 1, "KSEA>SEA"));
  EXPECT_EQ(std::tuple(airport_recs[1].sid_cnt, airport_recs[2].star_cnt, sid_sel, sid_sel_act, hold_cnt, climb_ias),
            std::tuple(2, 2, "------", "TACMA1", 0, 270));
}

// The active leg never is a DISCO nor lies beyond the route; from a DISCO the leg starts at the
// present position.
TEST_F(Exec, ActiveLegSkipsALeadingDiscontinuityAndStaysOnTheRoute) {
  ModLeg(1, "DISCO", 0.0, 0.0);
  ExecRoute();
  EXPECT_EQ(std::tuple(stpos, lnav_leg[0].FrId + ">" + lnav_leg[0].ToId, lnav_leg[0].fr_lat),
            std::tuple(2, "DIRECT>TACMA", 47.44));
  stpos = 6;
  fp_mod_cnt = 3;
  ModLeg(3, "KPDX", 45.5890, -122.5970, "APT");
  ExecAgain();
  EXPECT_EQ(std::pair(stpos, lnav_leg[0].ToId), std::pair(3, std::string("KPDX")));
}

// A loaded plan starts again from leg 1 only at EXEC; the leg being flown is kept until then.
TEST_F(Exec, NewPlanLoadMakesLegOneActiveAgain) {
  ExecRoute();
  std::tie(stpos, new_fpln_loaded, cruise_alt, toc) = std::tuple(4, 1, 31000, 1);
  ExecAgain();
  // An active route's cruise altitude is entered again.
  EXPECT_EQ(std::tuple(stpos, new_fpln_loaded, cruise_alt, toc), std::tuple(1, 0, 0, 0));
}

// A higher cruise altitude plans the climb again, a lower one does not; a pending direct-to starts
// the active leg from where it was entered; a new destination's elevation is the crossing altitude.
TEST_F(Exec, PendingEditsSettleAtExec) {
  ExecRoute();
  for (auto [before, toc_after] : {std::pair{31000, 0}, std::pair{39000, 1}}) {
    std::tie(cruise_alt_prev, cruise_alt, toc) = std::tuple(before, 35000, 1);
    ExecAgain();
    EXPECT_EQ(std::pair(toc, cruise_alt_prev), std::pair(toc_after, 0)) << before;
  }
  std::tie(TmpFrId, tmp_fr_lat, dest_entry, cross_at_elev) = std::tuple("DIRECT", 47.1, "KPDX", 0.0);
  ExecAgain();
  EXPECT_EQ(std::tuple(lnav_leg[0].FrId, lnav_leg[0].fr_lat, TmpFrId, cross_at_elev, fms_fpln_act[0].ident),
            std::tuple("DIRECT", 47.1, "", 31.0, "KSEA"));
}

// Runway positions are rows of the airports' runway tables, whatever list the runway came from.
TEST_F(Exec, ChosenRunwaysPlaceTheEndsOfTheRouteAtTheirThresholds) {
  ExecRoute();  // loads both airports
  dep_rwy_sel = "34R";
  arr_rwy_sel = "10R";
  ExecAgain();
  EXPECT_EQ(std::tuple(fms_dep_rwy_pos, fms_dest_rwy_pos, fms_fpln_act[0].lat, fms_fpln_act[6].lon),
            std::tuple(2, 1, 47.4312, -122.6210));
  rte_rwy_entry = "16L";  // the RTE page's runway
  ExecAgain();
  EXPECT_EQ(std::pair(dep_rwy_sel_act, fms_dep_rwy_pos), std::pair(std::string("16L"), 1));
  rte_rwy_entry = "";  // the empty entry of a fresh module is no runway
  ExecAgain();
  EXPECT_EQ(dep_rwy_sel_act, "16L");
}

}  // namespace
