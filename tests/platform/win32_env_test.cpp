#include "platform/win32_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "module/module_entry.h"
#include "module/module_state.h"
#include "host/host.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string AppData(int32_t folder = win32::kCsidlAppData, int32_t* result = nullptr) {
  char path[win32::kMaxPath] = "garbage";
  int32_t r = win32::SHGetFolderPathA(nullptr, folder, nullptr, 0, path);
  if (result != nullptr) *result = r;
  return path;
}

// The host's answer comes first; without it an absolute XDG_CONFIG_HOME, then HOME/.config.
TEST(AppDataFolder, HostAnswerThenXdgThenHome) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  ScopedEnv home("HOME", "/home/pilot");
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/home/pilot/cfg");
    EXPECT_EQ(AppData(), "/home/pilot/cfg");
    h.set_app_data_folder("/sim/users/pilot/AppData/Roaming");
    EXPECT_EQ(AppData(), "/sim/users/pilot/AppData/Roaming");
    h.set_app_data_folder("");
  }
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "relative/cfg");  // not absolute: ignored
    EXPECT_EQ(AppData(), "/home/pilot/.config");
  }
  ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(AppData(win32::kCsidlAppData | 0x8000), "/home/pilot/.config");  // the create flag changes nothing
}

TEST(AppDataFolder, OtherFoldersAndOverlongPathsFail) {
  ResetModuleState();
  int32_t result = 0;
  EXPECT_EQ(AppData(0x05, &result), "");  // My Documents: not offered
  EXPECT_EQ(result, win32::kEFail);
  ScopedEnv xdg("XDG_CONFIG_HOME", ("/" + std::string(300, 'x')).c_str());
  ScopedEnv home("HOME", nullptr);
  EXPECT_EQ(AppData(win32::kCsidlAppData, &result), "");
  EXPECT_EQ(result, win32::kEFail);
}

TEST(SystemClock, HostClockComesFirst) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  h.set_system_time({2024, 2, 4, 29, 23, 59, 58, 999});
  win32::SystemTime t{};
  win32::GetSystemTime(&t);
  EXPECT_EQ(t.year, 2024);
  EXPECT_EQ(t.day, 29);
  EXPECT_EQ(t.milliseconds, 999);
}

}  // namespace
