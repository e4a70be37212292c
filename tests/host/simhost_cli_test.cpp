// simhost as a new user meets it: its errors, its listings, its progress line and Ctrl-C.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "support/simhost_runner.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Quote;
using testing_support::ReadBytes;
using testing_support::RunSimhost;
using testing_support::TempDir;

class SimhostCli : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(fs::path(RO757_SOURCE_DIR) / "examples/sim", dir_ / "sim", fs::copy_options::recursive);
  }
  std::string Sim() const { return " --sim-root " + Quote(dir_ / "sim"); }
  TempDir dir_;
};

// What the system says when a file cannot be made in `folder`.
std::string ReasonForNewFileIn(const std::string& folder) {
  std::string probe = folder + "/probe_XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  ::unlink(probe.c_str());
  return "";
}

TEST_F(SimhostCli, ErrorsAndWarningsNameTheirCause) {
  dir_.MakeDir("a_folder");
  dir_.Write("bom.scn", "\xEF\xBB\xBF# comment\nframes 1\n");
  dir_.Write("named.scn", "frames 1\nprint named ias_shwo\nwatch named ias_show\n");
  dir_.Write("window.scn", "window show 4242\n");
  dir_.Write("control.scn", "fly\x01 home\n");
  dir_.Write("server.scn", "snapshot SERVER server.png\n");
  dir_.Write("big.scn", "");
  ::truncate((dir_ / "big.scn").c_str(), (16 << 20) + 1);
  dir_.Write("plain_file", "");
  const std::string sys_reason = ReasonForNewFileIn("/sys");
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {Sim() + " --scenario " + Quote(dir_ / "a_folder"), 2, "scenario file '" + dir_ / "a_folder" + "' is a folder"},
      {Sim() + " --scenario /dev/null", 2, "scenario file '/dev/null' is not a regular file"},
      {Sim() + " --scenario " + Quote(dir_ / "big.scn"), 2, "big.scn' is larger than 16 MiB"},
      {Sim() + " --scenario " + Quote(dir_ / "none.scn"), 2,
       "cannot open scenario file '" + dir_ / "none.scn" + "': No such file or directory"},
      {Sim() + " --scenario " + Quote(dir_ / "bom.scn"), 0, "1 frames run"},
      {Sim() + " --out " + Quote(dir_ / "plain_file/out"), 2,
       "cannot create output folder '" + dir_ / "plain_file/out" + "': Not a directory"},
      {Sim() + " --frames=2 --out=" + Quote(dir_ / "out"), 0, "2 frames run"},
      {Sim() + " --frames 2 --frames 3", 2, "simhost: option '--frames' is given twice"},
      {"--list-areas FP_ND_", 2, "simhost: unknown gauge 'FP_ND_'; did you mean 'FP_ND'?"},
      {Sim() + " --scenario " + Quote(dir_ / "named.scn"), 0,
       "simhost: warning: " + dir_ / "named.scn" +
           ":2: the module never registered nor wrote the named variable 'ias_shwo'"},
      {Sim() + " --scenario " + Quote(dir_ / "window.scn"), 0,
       "window.scn:1: no gauge instance of the panel sits in window 4242"},
      {Sim() + " --scenario " + Quote(dir_ / "control.scn"), 2, "control.scn:1: unknown command 'fly\\x01'"},
      {Sim() + " --scenario " + Quote(dir_ / "server.scn"), 1,
       "server.scn:1: gauge 'SERVER' has neither a drawing surface nor a background bitmap"},
  };
  for (const Case& c : cases) {
    const auto r = RunSimhost(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.message << "\n" << r.output;
  }
  // A folder nothing can be written in is refused before the run starts, with the system's reason.
  if (!sys_reason.empty()) {
    const auto r = RunSimhost(Sim() + " --out /sys");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("simhost: output folder '/sys' is not writable: " + sys_reason), std::string::npos)
        << r.output;
  }
  EXPECT_EQ(RunSimhost(Sim() + " --scenario " + Quote(dir_ / "named.scn")).output.find("'ias_show'"),
            std::string::npos);  // registered by the module: no warning
}

TEST_F(SimhostCli, ListsNameTheGaugesAndTheAreasClickfnTakes) {
  auto r = RunSimhost("--list-gauges");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("  FP_EHSI           5014     0      358 x 216 (bitmap 358 x 440, canvas 318 x 192)\n"),
            std::string::npos)
      << r.output;
  r = RunSimhost("--list-areas FMS");
  ASSERT_EQ(r.status, 0) << r.output;
  // The ninth area is EXEC, which `clickfn FMS 8` clicks in its middle.
  EXPECT_NE(r.output.find("    8  x  437..494  y  466..501  middle  466, 484  left; CDU key EXEC\n"), std::string::npos)
      << r.output;
  r = RunSimhost("--list-areas STBY_PFD");
  EXPECT_NE(r.output.find("    1  x   93..104  y   85..114  middle   99, 100  left, repeats while held\n"),
            std::string::npos)
      << r.output;
}

// A long run prints its progress at most once a second; Ctrl-C ends it after the frame at hand and
// the summary and every log are written all the same.
TEST_F(SimhostCli, CtrlCStillWritesTheSummaryAndEveryLog) {
  const std::string out = dir_ / "run.out", err = dir_ / "run.err";
  const auto started = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(o, 1);
    ::dup2(e, 2);
    const std::string sim = dir_ / "sim", out_dir = dir_ / "out";
    ::execl(RO757_SIMHOST, RO757_SIMHOST, "--module", RO757_MODULE_SO, "--sim-root", sim.c_str(), "--frames", "1000000",
            "--out", out_dir.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // Wait for the second progress line, then interrupt.
  for (int i = 0; i < 1200; ++i) {
    const std::string e = ReadBytes(err);
    if (e.find("simhost: frame ") != e.rfind("simhost: frame ")) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ::kill(pid, SIGINT);
  int raw = 0;
  ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 130);
  const std::string printed = ReadBytes(out), progress = ReadBytes(err);
  EXPECT_NE(printed.find("simhost summary\n"), std::string::npos) << printed;
  EXPECT_NE(printed.find(" (interrupted by Ctrl-C)\n"), std::string::npos) << printed;
  int lines = 0;
  for (size_t at = progress.find("simhost: frame "); at != std::string::npos;
       at = progress.find("simhost: frame ", at + 1)) {
    ++lines;
  }
  EXPECT_GE(lines, 2) << progress;
  EXPECT_LE(lines, static_cast<int>(seconds) + 1) << progress;
  EXPECT_NE(progress.find(" of 1000000 (0%), "), std::string::npos) << progress;
  for (const char* log : {"key_events.log", "sound_events.log", "sound.wav"}) {
    EXPECT_TRUE(fs::exists(dir_ / ("out/" + std::string(log)))) << log;
  }
  EXPECT_GT(ReadBytes(dir_ / "out/key_events.log").size(), 0u);
}

// The mixed track keeps 20 minutes; a longer run says so in the summary. A panel of only the server
// gauge keeps the run short.
TEST_F(SimhostCli, SummaryTellsWhenTheTrackReachedItsLimit) {
  dir_.Write("long.scn", "gauge SERVER\n");
  const auto r =
      RunSimhost(Sim() + " --scenario " + Quote(dir_ / "long.scn") + " --frames 21636 --out " + Quote(dir_ / "out"));
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("  sound.wav stops at its limit of 20 minutes; the last 2 s of the run are not in it\n"),
            std::string::npos)
      << r.output;
}

}  // namespace
