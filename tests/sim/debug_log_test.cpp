#include "sim/debug_log.h"

#include <gtest/gtest.h>
#include <tuple>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>

#include "module/module_fixture.h"
#include "module/server_gauge.h"
#include "cdu/cdu_globals.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace {

// The log opens relative to the current directory: the test runs inside its own folder.
class DebugLogTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    saved_cwd_ = cwd;
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
  }
  void TearDown() override {
    ResetDebugLog();
    EXPECT_EQ(chdir(saved_cwd_.c_str()), 0);
    FrameTest::TearDown();
  }

  testing_support::TempDir dir_;
  std::string saved_cwd_;
};

TEST_F(DebugLogTest, EachLoadTruncatesTheLogAndAFailedOpenIsRetriedAtEveryServerCall) {
  dir_.MakeDir("ze752_data.log");  // a folder in the way: the open fails even for root
  LogFlightData = 1;
  ServerGaugeCallback(nullptr, gauge::kPreQuery, 0);
  EXPECT_EQ(log_file, nullptr);
  std::filesystem::remove(dir_ / "ze752_data.log");
  dir_.Write("ze752_data.log", "the previous flight\n");
  ServerGaugeCallback(nullptr, gauge::kPreQuery, 0);
  ASSERT_NE(log_file, nullptr);
  std::fflush(log_file);
  EXPECT_EQ(testing_support::ReadBytes(dir_ / "ze752_data.log"), "PANEL_SERVICE_PRE_QUERY: \r\n\r\n");
}

// A full disk: the first failed write closes the log, nothing more is written or reopened, and the
// pilot sees nothing of it. A fresh load starts a new log.
TEST_F(DebugLogTest, AFailedWriteStopsTheLogSilently) {
  std::filesystem::create_symlink("/dev/full", dir_ / "ze752_data.log");
  LogFlightData = 1;
  OpenDebugLogIfEnabled();
  ASSERT_NE(log_file, nullptr);
  const std::string line(100, 'x');
  for (int i = 0; i < 100 && log_file != nullptr; ++i) LogLine("%s\n", line.c_str());  // past the stream's buffer
  EXPECT_EQ(std::pair(log_file, log_write_failed), std::pair(static_cast<FILE*>(nullptr), 1));
  OpenDebugLogIfEnabled();
  LogLine("after the failure\n");
  EXPECT_EQ(std::tuple(log_file, cdu_message), std::tuple(nullptr, std::string("")));

  ResetDebugLog();
  std::filesystem::remove(dir_ / "ze752_data.log");
  LogFlightData = 1;
  OpenDebugLogIfEnabled();
  EXPECT_NE(log_file, nullptr);
}

}  // namespace
