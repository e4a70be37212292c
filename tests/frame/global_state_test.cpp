#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/display_surface.h"
#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"
#include "frame/tcas_link.h"
#include "frame/module_state.h"
#include "frame/named_vars.h"
#include "frame/readers_flight.h"
#include "frame/sim_access.h"
#include "nd/nd_globals.h"
#include "state/state_globals.h"

namespace {

class GlobalStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }
};

TEST_F(GlobalStateTest, SelectionFieldsStartWithDashes) {
  for (const std::string* field : {&orig_ident, &dest_ident, &dep_rwy_sel, &arr_rwy_sel, &sid_sel, &sid_trans_sel,
                                   &star_sel, &star_trans_sel, &dep_rwy_sel_act, &arr_rwy_sel_act, &sid_sel_act,
                                   &sid_trans_sel_act, &star_sel_act, &star_trans_sel_act}) {
    EXPECT_EQ(*field, "------");
  }
  EXPECT_EQ(co_route, "----------");
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(appr_sel, "");
  EXPECT_EQ(aircraft, "");
}

TEST_F(GlobalStateTest, VariantAndUnitTextsHaveTheirDefaults) {
  EXPECT_EQ(aircraft_model, "757 - 200");
  EXPECT_EQ(engine_type, "RB211-535E4B");
  EXPECT_EQ(baro_units, "INCHES");
  EXPECT_EQ(weight_unit, "LBS");
  EXPECT_EQ(wind_vector_deg_var, "TRUE");
}

TEST_F(GlobalStateTest, NoRouteIsActiveAndTheCduOpensOnIdent) {
  EXPECT_EQ(stpos, 999);
  EXPECT_EQ(mod_stpos, 999);
  EXPECT_EQ(fms_fpln_active, 0);
  EXPECT_EQ(fms_page, 25);
  EXPECT_EQ(legs_page, 1);
  EXPECT_EQ(cost_index, -1);
  EXPECT_EQ(pattern_phase, 1);
  EXPECT_EQ(last_tick18, -999.0);
}

TEST_F(GlobalStateTest, DefaultFlapListAcceptsFiveFifteenTwentyOnly) {
  auto listed = [](const char* entry) {
    return to_flap_list.find("," + std::string(entry) + ",") != std::string::npos;
  };
  EXPECT_TRUE(listed("5"));
  EXPECT_TRUE(listed("15"));
  EXPECT_TRUE(listed("20"));
  EXPECT_FALSE(listed("1"));
  EXPECT_FALSE(listed("25"));
}

TEST_F(GlobalStateTest, EadiGroundBlueReachesTheColourAsTwentyFour) {
  EXPECT_EQ(eadi_gnd_color_b, 280);
  EXPECT_EQ(eadi_gnd_color_b & 0xFF, 24);
}

TEST_F(GlobalStateTest, DisplayAndSystemDefaults) {
  EXPECT_EQ(nd_mode, 1);
  EXPECT_EQ(fpnd_mode, 3);
  EXPECT_EQ(nd_rng_nm, 10.0);
  EXPECT_EQ(fp_nd_centre_y, 272);
  EXPECT_EQ(lower_eicas_mode, 1);
  EXPECT_EQ(FmsRefreshRate, 12);
  EXPECT_EQ(StdbyPfdRefreshRate, 9);
  EXPECT_EQ(ac_power, 5);
  EXPECT_EQ(r_hyd_press, 50);
  EXPECT_EQ(seatbelt_sign, -1);
  EXPECT_EQ(ov_elevator_position, 300);
  EXPECT_EQ(alt_sel_num, -99);
  EXPECT_EQ(asi_bug3, 150);
  EXPECT_EQ(VolumeStbyAttSpool, 300);
  EXPECT_EQ(climb_ias, 280);
  EXPECT_EQ(descent_ias, 290);
  EXPECT_EQ(simver, 9);
  EXPECT_EQ(plane_lat, 33.6229);
  EXPECT_EQ(sim_vars.id, 61u);
  EXPECT_EQ(mcp_knob_idle_ticks, 100);
}

TEST_F(GlobalStateTest, ResetRestoresChangedValuesInEverySubsystem) {
  sim_root = "C:\\Sim";
  server_phase = 9;
  stpos = 4;
  orig_ident = "KPHX";
  fms_fpln_act[200].ident = "DISCO";
  route_holds[3].pattern_pts[4].name = "Final";
  rte_rows[7].via = "J2";
  fms_page = 6;
  fix_info[2].ident = "PHX";
  warning_msgs[29].text = "ENGINE FIRE";
  ac_power = 0;
  lower_eicas_mode = 2;
  nd_rng_nm = 320.0;
  aircraft_model = "757 - 300";
  pnl_list[202] = "LAST";
  ehsi_mode_id = 17;
  tcas_flag = 21;
  sim_vars.value.n = 250.0;
  cdu_surface.width = 399;

  ResetModuleState();

  EXPECT_EQ(sim_root, "");
  EXPECT_EQ(server_phase, 0);
  EXPECT_EQ(stpos, 999);
  EXPECT_EQ(orig_ident, "------");
  EXPECT_EQ(fms_fpln_act[200].ident, "");
  EXPECT_EQ(route_holds[3].pattern_pts[4].name, "");
  EXPECT_EQ(rte_rows[7].via, "");
  EXPECT_EQ(fms_page, 25);
  EXPECT_EQ(fix_info[2].ident, "");
  EXPECT_EQ(warning_msgs[29].text, "");
  EXPECT_EQ(ac_power, 5);
  EXPECT_EQ(lower_eicas_mode, 1);
  EXPECT_EQ(nd_rng_nm, 10.0);
  EXPECT_EQ(aircraft_model, "757 - 200");
  EXPECT_EQ(pnl_list[202], "");
  EXPECT_EQ(ehsi_mode_id, 0u);
  EXPECT_EQ(tcas_flag, 0);
  EXPECT_EQ(sim_vars.value.n, 0.0);
  EXPECT_EQ(cdu_surface.width, 0u);
}

TEST_F(GlobalStateTest, ResetClearsNotedAndListedStoredPlanRows) {
  NoteFplStoreRow(&fpl_store_rows_used, 150);
  fpl_store[150].legs[200].ident = "KLAX";
  fpl_store[150].leg_cnt = 200;
  fpl_list_loaded = 4;  // rows 1..4 listed, row 5 the fixed row
  fpl_store[5].name = "NEXT PAGE";
  fpl_store[3].legs[12].alt = 9000.0;
  NoteFplStoreRow(&fpl_edit_store_rows_used, 0);
  fpl_edit_store[0].orig = "KPHX";

  ResetModuleState();

  EXPECT_EQ(fpl_store[150].legs[200].ident, "");
  EXPECT_EQ(fpl_store[150].leg_cnt, 0);
  EXPECT_EQ(fpl_store[5].name, "");
  EXPECT_EQ(fpl_store[3].legs[12].alt, 0.0);
  EXPECT_EQ(fpl_edit_store[0].orig, "");
  EXPECT_EQ(fpl_store_rows_used, 0);
  EXPECT_EQ(fpl_list_loaded, 0);
}

TEST_F(GlobalStateTest, ResetSurvivesANonsenseListCount) {
  fpl_list_loaded = 2147483647;
  fpl_store[202].name = "X";
  ResetModuleState();
  EXPECT_EQ(fpl_store[202].name, "");
  fpl_list_loaded = -50;
  ResetModuleState();
  EXPECT_EQ(fpl_list_loaded, 0);
}

}  // namespace
