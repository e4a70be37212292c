#include "module/module_entry.h"

#include "afds/sound_engine.h"
#include "module/key_handler.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "sim/debug_log.h"
#include "sim/tcas_link.h"
#include "platform/gdiplus_session.h"
#include "platform/host_api.h"
#include "platform/win32.h"

namespace {

constexpr uint32_t kSimRootCapacity = 260;  // bytes, NUL included

// The current directory into *dir; left as it was when it cannot be read or does not fit.
void ReadCurrentDirectory(std::string* dir) {
  char buf[kSimRootCapacity];
  const uint32_t n = win32::GetCurrentDirectoryA(kSimRootCapacity, buf);
  if (n > 0 && n < kSimRootCapacity) dir->assign(buf, n);
}

}  // namespace

void FillSimRootIfEmpty() {
  if (sim_root.empty()) ReadCurrentDirectory(&sim_root);
}

void ModuleInit() {
  ReadCurrentDirectory(&sim_root);
  if (sound_available == 0) {
    sim_main_window = win32::FindWindowA("FS98MAIN", nullptr);
    if (directsound::DirectSoundCreate8(nullptr, &dsound, nullptr) >= 0) {
      // The level's result does not matter: the device plays either way.
      dsound->SetCooperativeLevel(sim_main_window, directsound::kCoopPriority);
      sound_available = 1;
    }
  }
  SimConnect_Open(&simconnect, "System Event", nullptr, 0, nullptr, 0);
}

void ModuleDeinit() {
  if (sound_available != 0) {
    ReleaseAllSoundBuffers();
    if (dsound != nullptr) dsound->Release();
    dsound = nullptr;
    sound_available = 0;
  }
  SimConnect_Close(simconnect);
  simconnect = nullptr;
}

uintptr_t StartGdiplus() {
  const gdiplus::StartupInput input = {1, nullptr, 0, 0};
  uintptr_t token = 0;
  gdiplus::GdiplusStartup(&token, &input, nullptr);
  gdiplus_session.token = static_cast<uint32_t>(token);
  return token;
}

uintptr_t StopGdiplus(uintptr_t token) {
  gdiplus::GdiplusShutdown(token);
  gdiplus_session.token = 0;
  return 0;
}

void TryConnectTcas(char attempt) {
  const int32_t result = ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0);
  if (result == 0) {
    LogLine("TCAS Connect Attempt-%c == %d - TCAS_Valid , tcas_flag=%d !\n", attempt, result, tcas_flag);
  } else if (result == 1) {
    LogLine("TCAS Connect Attempt-%c == %d - TCAS_LogicGaugeNotFound , tcas_flag=%d !\n", attempt, result,
            tcas_flag);
  } else {
    LogLine("TCAS Connect Attempt-%c == %d , tcas_flag=%d !\n", attempt, result, tcas_flag);
  }
}

void connect_stuff() {
  LogLine("connect_stuff(): \n\n");
  if (key_handler_registered == 0) {
    host::RegisterKeyHandler(&KeyEventHandler, nullptr);
    key_handler_registered = 1;
    LogLine("register_key_event_handler(): \n\n");
  }
  if (tcas_server_connect == 0) TryConnectTcas('A');
}

void dis_connect_stuff() {
  LogLine("dis_connect_stuff(): \n\n");
  pre_kill_seen = 0;
  if (key_handler_registered != 0) {
    host::UnregisterKeyHandler(&KeyEventHandler, nullptr);
    key_handler_registered = 0;
  }
  tcas_server_connect = 0;
  tcas_flag = 0;
  tcas_serv = nullptr;
}
