#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/tcas_link.h"
#include "frame/fsuipc_client.h"
#include "frame/tcas_link.h"
#include "frame/module_entry.h"
#include "frame/module_state.h"
#include "frame/frame_fixture.h"
#include "platform/gdiplus_session.h"

namespace {

using ModuleEntryTest = FrameTest;

TEST_F(ModuleEntryTest, InitTakesTheFolderOpensSoundAndSimConnect) {
  host().set_current_directory("C:\\Sim");
  ModuleInit();
  EXPECT_EQ(sim_root, "C:\\Sim");
  EXPECT_EQ(sound_available, 1);
  ASSERT_NE(dsound, nullptr);
  EXPECT_EQ(dsound->cooperative_level(), 2u);
  EXPECT_NE(dsound->window(), nullptr);  // the "FS98MAIN" window
  EXPECT_EQ(host().sound_devices_created(), 1);
  EXPECT_EQ(host().simconnect_opens(), 1);
  EXPECT_NE(simconnect, nullptr);
  ModuleDeinit();
  EXPECT_EQ(host().sound_devices_released(), 1);
  EXPECT_EQ(host().simconnect_closes(), 1);
  EXPECT_EQ(sound_available, 0);
  EXPECT_EQ(dsound, nullptr);
}

TEST_F(ModuleEntryTest, SecondInitCreatesNoSecondSoundDevice) {
  ModuleInit();
  ModuleInit();
  EXPECT_EQ(host().sound_devices_created(), 1);
  ModuleDeinit();
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

TEST(ModuleEntryWithoutHost, FolderComesFromTheProcessAndNothingElseOpens) {
  ResetModuleState();
  ModuleInit();
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  if (std::string(cwd).size() < 260) {
    EXPECT_EQ(sim_root, cwd);
  }
  EXPECT_EQ(sound_available, 0);
  EXPECT_EQ(simconnect, nullptr);
  ModuleDeinit();
}

TEST_F(ModuleEntryTest, ConnectStuffRegistersTheKeyHandlerOnceButTriesTcasEachTime) {
  for (int i = 0; i < 5; ++i) connect_stuff();
  EXPECT_EQ(host().key_handler_register_calls(), 1);
  EXPECT_TRUE(host().key_handler_registered());
  EXPECT_EQ(host().tcas().lookups(), 5);
}

TEST_F(ModuleEntryTest, ConnectedTcasIsNotTriedAgain) {
  tcas_server_connect = 1;
  connect_stuff();
  EXPECT_EQ(host().tcas().lookups(), 0);
}

TEST_F(ModuleEntryTest, DisconnectStuffThenConnectStuffRegistersAgain) {
  connect_stuff();
  int tcas_record = 0;
  tcas_server_connect = 1;
  tcas_flag = 21;
  tcas_serv = &tcas_record;
  pre_kill_seen = 1;
  dis_connect_stuff();
  EXPECT_FALSE(host().key_handler_registered());
  EXPECT_EQ(key_handler_registered, 0);
  EXPECT_EQ(pre_kill_seen, 0);
  EXPECT_EQ(tcas_server_connect, 0);
  EXPECT_EQ(tcas_flag, 0);
  EXPECT_EQ(tcas_serv, nullptr);
  connect_stuff();
  EXPECT_EQ(host().key_handler_register_calls(), 2);
  EXPECT_TRUE(host().key_handler_registered());
}

TEST_F(ModuleEntryTest, DrawingLibrarySessionsStartAndStopByToken) {
  const uintptr_t a = StartGdiplus();
  const uintptr_t b = StartGdiplus();
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(gdiplus::OpenSessions(), 2);
  EXPECT_EQ(StopGdiplus(a), 0u);
  EXPECT_EQ(gdiplus::OpenSessions(), 1);
  StopGdiplus(b);
  EXPECT_EQ(gdiplus::OpenSessions(), 0);
  EXPECT_EQ(gdiplus_session.token, 0u);
}

}  // namespace
