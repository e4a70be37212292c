#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "draw/display_surface.h"
#include "module/module_fixture.h"
#include "sim/sim_globals.h"
#include "sim/named_vars.h"
#include "sim/sim_access.h"
#include "sim/tcas_link.h"
#include "sim/tick_globals.h"
#include "nd/nd_globals.h"
#include "state/state_globals.h"

namespace {

using ModuleEntryTest = FrameTest;

TEST_F(ModuleEntryTest, InitTakesTheFolderOpensSoundAndSimConnectOnce) {
  host().set_current_directory("C:\\Sim");
  ModuleInit();
  ModuleInit();
  EXPECT_EQ(sim_root, "C:\\Sim");
  EXPECT_EQ(host().sound_devices_created(), 1);
  ModuleDeinit();
  EXPECT_EQ(host().sound_devices_released(), 1);
  EXPECT_EQ(host().simconnect_closes(), 1);
  EXPECT_EQ(dsound, nullptr);
}

TEST_F(ModuleEntryTest, FailedSoundDeviceLeavesSoundOffAndDeinitOnlyClosesSimConnect) {
  host().set_sound_device_fails(true);
  ModuleInit();
  EXPECT_EQ(sound_available, 0);
  EXPECT_EQ(dsound, nullptr);
  ModuleDeinit();
  EXPECT_EQ(host().sound_devices_released(), 0);
  EXPECT_EQ(host().simconnect_closes(), 1);
}

TEST_F(ModuleEntryTest, FolderThatDoesNotFitTheBufferLeavesSimRootEmpty) {
  host().set_current_directory(std::string(260, 'x'));
  ModuleInit();
  EXPECT_EQ(sim_root, "");
  FillSimRootIfEmpty();
  EXPECT_EQ(sim_root, "");
  host().set_current_directory(std::string(259, 'y'));
  FillSimRootIfEmpty();
  EXPECT_EQ(sim_root.size(), 259u);
  ModuleDeinit();
}

// The disconnect also drops the TCAS link, so the next connect tries it again.
TEST_F(ModuleEntryTest, DisconnectStuffDropsTheTcasLink) {
  connect_stuff();
  int tcas_record = 0;
  tcas_server_connect = 1;
  tcas_flag = 21;
  tcas_serv = &tcas_record;
  dis_connect_stuff();
  EXPECT_EQ(tcas_server_connect + tcas_flag, 0);
  EXPECT_EQ(tcas_serv, nullptr);
}

// ResetModuleState runs before every case: it must restore every subsystem's load values.
TEST(ModuleState, ResetRestoresChangedValuesInEverySubsystem) {
  ResetModuleState();
  sim_root = "C:\\Sim";
  server_phase = 9;
  last_tick18 = 12.0;
  stpos = 4;
  fms_fpln_act[200].ident = "DISCO";
  fms_page = 6;
  warning_msgs[29].text = "ENGINE FIRE";
  nd_rng_nm = 320.0;
  aircraft_model = "757 - 300";
  pnl_list[202] = "LAST";
  tcas_flag = 21;
  sim_vars.old = 65.0;
  cdu_surface.width = 399;

  ResetModuleState();

  EXPECT_EQ(sim_root, "");
  EXPECT_EQ(server_phase, 0);
  EXPECT_EQ(last_tick18, -999.0);
  EXPECT_EQ(stpos, 999);
  EXPECT_EQ(fms_fpln_act[200].ident, "");
  EXPECT_EQ(fms_page, 25);
  EXPECT_EQ(warning_msgs[29].text, "");
  EXPECT_EQ(nd_rng_nm, 10.0);
  EXPECT_EQ(aircraft_model, "757 - 200");
  EXPECT_EQ(pnl_list[202], "");
  EXPECT_EQ(tcas_flag, 0);
  EXPECT_EQ(sim_vars.old, 0.0);
  EXPECT_EQ(cdu_surface.width, 0u);
}

// The stored-plan tables build their rows on first use: a reset empties every row written since,
// wherever it lies, and a row never written reads as empty.
TEST(ModuleState, ResetEmptiesEveryWrittenStoredPlanRow) {
  ResetModuleState();
  EXPECT_EQ(fpl_store[7].legs[3].ident, "");
  EXPECT_EQ(fpl_edit_store[202].leg_cnt, 0);
  fpl_store[150].legs[200].ident = "KLAX";
  fpl_store[150].leg_cnt = 200;
  fpl_store[202].name = "X";
  fpl_store[0].legs[0].lat = 47.5;
  fpl_edit_store[0].orig = "KPHX";
  EXPECT_EQ(fpl_store[149].leg_cnt, 0);
  EXPECT_EQ(fpl_edit_store[150].leg_cnt, 0);
  ResetModuleState();
  EXPECT_EQ(fpl_store[150].legs[200].ident, "");
  EXPECT_EQ(fpl_store[150].leg_cnt, 0);
  EXPECT_EQ(fpl_store[202].name, "");
  EXPECT_EQ(fpl_store[0].legs[0].lat, 0.0);
  EXPECT_EQ(fpl_edit_store[0].orig, "");
}

}  // namespace
