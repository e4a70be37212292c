#include "fmc/route_state.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/leg_constraint.h"
#include "fmc/route_edit.h"
#include "fmc/route_fixture.h"
#include "fmc/route_holds.h"
#include "frame/frame_globals.h"
#include "frame/module_state.h"
#include "frame/tick_globals.h"
#include "state/state_globals.h"

namespace {

using ::testing::ElementsAre;
using route_test::ModIdents;
using route_test::SetActLegs;
using route_test::SetCandidate;
using route_test::SetModLegs;

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;

using RouteState = route_test::RouteTest;

TEST_F(RouteState, StepTable) {
  const int32_t steps[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 3}, {5, 5}, {-1, -1}};
  for (const auto& s : steps) {
    fms_fpln_active = s[0];
    stpos = 7;
    StepFplnState();
    EXPECT_EQ(fms_fpln_active, s[1]) << "from " << s[0];
  }
  EXPECT_EQ(saved_stpos, 7);  // the first modification of the active route saved the active leg
}

// Only the first entry, on the ground, applies what a loaded plan left waiting, each by its switch.
TEST_F(RouteState, GroundLoadStepNeedsTheGroundTheFirstEntryAndItsSwitches) {
  struct Case {
    int32_t state;
    double gs_kt;
    int32_t fuel_switch;
    double fuel_lb;
    int32_t mcp_switch;
    int32_t cruise_alt_ft;
    bool fuel_applied;
    bool mcp_sent;
  };
  const Case cases[] = {
      {0, 4.9, 1, 20000.0, 1, 35000, true, true},   {0, 5.0, 1, 20000.0, 1, 35000, false, false},
      {1, 0.0, 1, 20000.0, 1, 35000, false, false}, {0, 0.0, 0, 20000.0, 1, 1000, false, true},
      {0, 0.0, 1, 5.0, 1, 999, false, false},       {0, 0.0, 1, 5.1, 0, 35000, true, false},
  };
  for (const Case& c : cases) {
    LoadFuelonFlightPlanLoad = c.fuel_switch;
    SetMCPCruiseAltonFlightPlanLoad = c.mcp_switch;
    plan_fuel = c.fuel_lb;
    plan_fuel_set = pending_cruise_alt_set = 1;
    pending_cruise_alt = c.cruise_alt_ft;
    fms_fpln_active = c.state;
    ground_speed = c.gs_kt;
    const int sent_before = KeyEvents(kMcpAltitudeEvent);
    StepFplnState();
    EXPECT_EQ(plan_fuel_set, c.fuel_applied ? 0 : 1) << c.state << " " << c.gs_kt << " " << c.fuel_lb;
    EXPECT_EQ(pending_cruise_alt_set, c.mcp_sent ? 0 : 1) << c.state << " " << c.cruise_alt_ft;
    ASSERT_EQ(KeyEvents(kMcpAltitudeEvent) - sent_before, c.mcp_sent ? 1 : 0);
    if (c.mcp_sent) {
      EXPECT_EQ(host_.key_events().back().value, c.cruise_alt_ft);
    }
  }
}

TEST_F(RouteState, ResetActiveRouteEmptiesTheRouteAndRestoresConfiguredValues) {
  SetActLegs({"KSEA", "A", "B", "KPDX"});
  fms_fpln_act[1].restr = 3;
  stpos = 2;
  fms_fpln_active = 3;
  cfg_v1 = 140;
  ClimbIas = 290;
  climb_ias = 250;
  cruise_alt = 35000;
  hold_cnt = 2;
  sid_sel = "WAVEY1";
  rte_row_cnt = 2;
  ResetActiveRoute();
  EXPECT_EQ(fp_cnt, 0);
  EXPECT_EQ(stpos, 999);
  EXPECT_EQ(fms_fpln_act[1].restr, 0);
  EXPECT_EQ(fms_fpln_active, 0);
  EXPECT_EQ(v1, 140);
  EXPECT_EQ(climb_ias, 290);
  EXPECT_NEAR(climb_mach, 0.7069, 1e-4);  // 290 kt at 30000 ft
  EXPECT_EQ(cruise_alt, 0);
  EXPECT_EQ(hold_cnt, 0);
  EXPECT_EQ(sid_sel, "------");
  EXPECT_EQ(rte_row_cnt, 0);
}

TEST_F(RouteState, ModuleResetRestoresTheRouteLoadValues) {
  climb_rate = 2000;
  hold_page_cnt = 4;
  plan_arr_texts[2] = "ILS16R";
  ResetModuleState();
  EXPECT_EQ(climb_rate, 3300);
  EXPECT_EQ(hold_page_cnt, 1);
  EXPECT_EQ(plan_arr_texts[2], "------");
}

// The state through an edit, ACTIVATE, EXEC and an edit of the active route; a hold entry never
// activates a route without EXEC and never takes a pending modification back to active.
TEST_F(RouteState, RouteStateThroughEditActivationAndExecution) {
  SetModLegs({"KSEA", "KPDX"});
  SetCandidate(1, "ALPHA", 46.5, -122.5);
  InsertTmpFplanWpt(1, 1);
  EXPECT_EQ(fms_fpln_active, 1);
  StepFplnState();  // ACTIVATE
  EXPECT_EQ(fms_fpln_active, 2);
  AddLegHold(1, 1);
  DeleteLegHolds(1, 1);
  EXPECT_EQ(fms_fpln_active, 2);

  // What EXEC leaves: the modified route active, leg 1 flown.
  for (int i = 0; i <= fp_mod_cnt; ++i) fms_fpln_act[i] = fms_fpln_mod[i];
  fp_cnt = fp_mod_cnt;
  stpos = 1;
  StepFplnState();
  EXPECT_EQ(fms_fpln_active, 3);

  cdu_scratchpad = "FL250";
  ParseLegConstraint(1);
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(fms_fpln_mod[1].alt, 25000.0);
  EXPECT_EQ(fms_fpln_act[1].alt, -999.0);  // only EXEC writes the active route
  AddLegHold(1, 1);
  DeleteLegHolds(1, 1);
  EXPECT_EQ(fms_fpln_active, 4);
}

class RouteModel : public route_test::RouteTest {
 protected:
  static std::vector<std::string> RteLines() {
    std::vector<std::string> out;
    for (int32_t n = 1; n <= rte_row_cnt; ++n) out.push_back(rte_rows[n].via + ">" + rte_rows[n].to_fix);
    return out;
  }
};

TEST_F(RouteModel, RteLinesGroupAirwaysAndGiveEachDirectLegItsOwnLine) {
  SetModLegs({"KSEA", "A", "B", "C", "THEN", "E", "F", "G", "KPDX"});
  for (int i : {2, 3, 4, 5}) fms_fpln_mod[i].via = "J5";  // the THEN row still opens its own line
  fms_fpln_mod[7].via = "V4";
  BuildRteRows();
  EXPECT_THAT(RteLines(), ElementsAre("DIRECT>A", "J5>C", "J5>E", "DIRECT>F", "V4>G"));
  fp_mod_cnt = 1;  // too short for a line: the stale lines are emptied
  BuildRteRows();
  EXPECT_EQ(rte_row_cnt, 0);
  EXPECT_EQ(rte_rows[2].to_fix, "");
}

TEST_F(RouteModel, CopyActiveToModRouteTakesCountsIndicesAndHoldsButNotTimes) {
  SetActLegs({"KSEA", "A", "B", "KPDX"});
  fms_fpln_act[1].eta = "12:30";
  stpos = 2;
  next_restr_leg = 3;
  hold_cnt = 1;
  route_holds[1].leg = 2;
  CopyActiveToModRoute();
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "B", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[1].eta, "");
  EXPECT_EQ(mod_stpos, 2);
  EXPECT_EQ(next_restr_leg_mod, 3);
  EXPECT_EQ(route_holds[1].saved_leg, 2);
  fp_cnt = -1;  // an empty active route copies no row
  fms_fpln_mod[0].ident = "KEEP";
  CopyActiveToModRoute();
  EXPECT_EQ(fp_mod_cnt, -1);
  EXPECT_EQ(fms_fpln_mod[0].ident, "KEEP");
}

}  // namespace
