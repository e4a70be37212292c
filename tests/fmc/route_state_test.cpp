#include "fmc/route_state.h"

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

using route_test::SetActLegs;
using route_test::SetCandidate;
using route_test::SetModLegs;

constexpr uint32_t kMcpAltitudeEvent = 0x1024C;

class RouteState : public route_test::RouteTest {
 protected:
  void ArmPlanValues() {
    LoadFuelonFlightPlanLoad = 1;
    SetMCPCruiseAltonFlightPlanLoad = 1;
    plan_fuel = 20000.0;
    plan_fuel_set = 1;
    pending_cruise_alt = 35000;
    pending_cruise_alt_set = 1;
  }
};

TEST_F(RouteState, StepTable) {
  const int32_t steps[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 3}, {5, 5}, {-1, -1}};
  for (const auto& s : steps) {
    fms_fpln_active = s[0];
    StepFplnState();
    EXPECT_EQ(fms_fpln_active, s[1]) << "from " << s[0];
  }
}

TEST_F(RouteState, FirstModificationOfTheActiveRouteSavesTheActiveLeg) {
  fms_fpln_active = 3;
  stpos = 7;
  StepFplnState();
  EXPECT_EQ(saved_stpos, 7);
}

TEST_F(RouteState, FirstEntryOnTheGroundAppliesThePlansFuelAndCruiseAltitude) {
  ArmPlanValues();
  ground_speed = 4.9;
  StepFplnState();
  EXPECT_EQ(plan_fuel_set, 0);
  EXPECT_EQ(pending_cruise_alt_set, 0);
  ASSERT_EQ(KeyEvents(kMcpAltitudeEvent), 1);
  EXPECT_EQ(host_.key_events().back().value, 35000);
}

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
      {0, 5.0, 1, 20000.0, 1, 35000, false, false},  // moving: both wait
      {1, 0.0, 1, 20000.0, 1, 35000, false, false},  // not the first entry
      {0, 0.0, 0, 20000.0, 1, 1000, false, true},
      {0, 0.0, 1, 5.0, 1, 999, false, false},
      {0, 0.0, 1, 5.1, 0, 35000, true, false},
  };
  for (const Case& c : cases) {
    ArmPlanValues();
    LoadFuelonFlightPlanLoad = c.fuel_switch;
    plan_fuel = c.fuel_lb;
    SetMCPCruiseAltonFlightPlanLoad = c.mcp_switch;
    pending_cruise_alt = c.cruise_alt_ft;
    fms_fpln_active = c.state;
    ground_speed = c.gs_kt;
    const int sent_before = KeyEvents(kMcpAltitudeEvent);
    StepFplnState();
    EXPECT_EQ(plan_fuel_set, c.fuel_applied ? 0 : 1) << c.state << " " << c.gs_kt << " " << c.fuel_lb;
    EXPECT_EQ(pending_cruise_alt_set, c.mcp_sent ? 0 : 1) << c.state << " " << c.cruise_alt_ft;
    EXPECT_EQ(KeyEvents(kMcpAltitudeEvent) - sent_before, c.mcp_sent ? 1 : 0);
  }
}

TEST_F(RouteState, ResetActiveRouteEmptiesTheRouteAndRestoresConfiguredValues) {
  SetActLegs({"KSEA", "A", "B", "KPDX"});
  fms_fpln_act[1].restr = 3;
  stpos = 2;
  fms_fpln_active = 3;
  cfg_v1 = 140;
  cfg_vr = 145;
  cfg_v2 = 150;
  cfg_vref = 135;
  ClimbIas = 290;
  climb_ias = 250;
  cruise_alt = 35000;
  toc = tod = init_tod = 1;
  hold_cnt = 2;
  route_holds[1].leg = 3;
  sid_sel = "WAVEY1";
  plan_dep_texts[1] = "16L";
  dest_entry = "KPDX";
  rte_row_cnt = 2;
  rte_rows[2].via = "J5";
  annuncement_mode = 3;
  lnav_leg[0].ToId = "B";
  ResetActiveRoute();
  EXPECT_EQ(fp_cnt, 0);
  EXPECT_EQ(stpos, 999);
  EXPECT_EQ(fms_fpln_act[1].ident, "");
  EXPECT_EQ(fms_fpln_act[1].restr, 0);
  EXPECT_EQ(fms_fpln_act[1].alt, -999.0);
  EXPECT_EQ(fms_fpln_active, 0);
  EXPECT_EQ(v1, 140);
  EXPECT_EQ(vr_set, 145);
  EXPECT_EQ(v2, 150);
  EXPECT_EQ(vref, 135);
  EXPECT_EQ(climb_ias, 290);
  EXPECT_NEAR(climb_mach, 0.7069, 1e-4);  // 290 kt at 30000 ft
  EXPECT_EQ(climb_rate, 3300);
  EXPECT_EQ(cruise_alt, 0);
  EXPECT_EQ(toc + tod + init_tod, 0);
  EXPECT_EQ(hold_cnt, 0);
  EXPECT_EQ(route_holds[1].leg, 0);
  EXPECT_EQ(sid_sel, "------");
  EXPECT_EQ(plan_dep_texts[1], "------");
  EXPECT_EQ(dest_entry, "");
  EXPECT_EQ(co_route, "----------");
  EXPECT_EQ(rte_row_cnt, 0);
  EXPECT_EQ(rte_rows[2].via, "");
  EXPECT_EQ(annuncement_mode, 0);
  EXPECT_EQ(lnav_leg[0].ToId, "");
}

TEST_F(RouteState, ModuleResetRestoresTheRouteLoadValues) {
  climb_rate = 2000;
  hold_page_cnt = 4;
  plan_arr_texts[2] = "ILS16R";
  plan_orig_key = "KSEA";
  ResetModuleState();
  EXPECT_EQ(climb_rate, 3300);
  EXPECT_EQ(hold_page_cnt, 1);
  EXPECT_EQ(plan_arr_texts[2], "------");
  EXPECT_EQ(plan_orig_key, "------");
}

TEST_F(RouteState, AltCalloutResetLeavesTheHighCallouts) {
  alt_call_500_done = alt_call_10_done = alt_call_mins_done = alt_call_appr_mins_done = 1;
  ResetAltCalloutFlags();
  EXPECT_EQ(alt_call_500_done + alt_call_10_done + alt_call_mins_done + alt_call_appr_mins_done, 0);
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
  EXPECT_EQ(fms_fpln_active, 2);
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
  EXPECT_EQ(saved_stpos, 1);
  EXPECT_EQ(fms_fpln_mod[1].alt, 25000.0);
  EXPECT_EQ(fms_fpln_act[1].alt, -999.0);  // only EXEC writes the active route
  AddLegHold(1, 1);
  EXPECT_EQ(fms_fpln_active, 4);
  DeleteLegHolds(1, 1);
  EXPECT_EQ(fms_fpln_active, 4);
}

}  // namespace
