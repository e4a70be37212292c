#include "platform/winfile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <string>

#include "support/temp_dir.h"

namespace {

using testing_support::CountEntries;
using testing_support::ReadBytes;
using testing_support::TempDir;

std::string ReadAll(FILE* f) {
  std::string out;
  char buf[64];
  while (std::fgets(buf, sizeof buf, f) != nullptr) out += buf;
  return out;
}

TEST(TextFileRead, CrLfBecomesLfAndLoneCrStays) {
  TempDir dir;
  dir.Write("Orvantel/ro757.cfg", "EadiMode=1\r\nLF=2\nc\r\r\nd\re\r");
  FILE* f = platform::OpenFile(dir / "ORVANTEL\\RO757.CFG", "r");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(ReadAll(f), "EadiMode=1\nLF=2\nc\r\nd\re\r");
  EXPECT_EQ(std::fclose(f), 0);
}

TEST(TextFileRead, CrLfSplitAcrossReadsStillBecomesLf) {
  TempDir dir;
  std::string crlf, lf;
  for (int i = 0; i < 3000; ++i) {
    std::string line(static_cast<size_t>(i % 97), static_cast<char>('a' + i % 26));
    crlf += line + "\r\n";
    lf += line + "\n";
  }
  dir.Write("big.txt", crlf);
  for (bool unbuffered : {false, true}) {
    FILE* f = platform::OpenFile(dir / "big.txt", "rt");
    ASSERT_NE(f, nullptr);
    // Unbuffered, every read asks for one byte: each CR meets its LF only in the next read.
    if (unbuffered) std::setvbuf(f, nullptr, _IONBF, 0);
    EXPECT_EQ(ReadAll(f), lf) << "unbuffered=" << unbuffered;
    std::fclose(f);
  }
}

TEST(TextFileRead, BinaryModePassesBytesThrough) {
  TempDir dir;
  dir.Write("a.wav", std::string("RIFF\r\n\0\x1A\r", 9));
  FILE* f = platform::OpenFile(dir / "A.WAV", "rb");
  ASSERT_NE(f, nullptr);
  char buf[16];
  EXPECT_EQ(std::fread(buf, 1, sizeof buf, f), 9u);
  EXPECT_EQ(std::string(buf, 9), std::string("RIFF\r\n\0\x1A\r", 9));
  std::fclose(f);
}

TEST(TextFileRead, MissingFileGivesNull) {
  TempDir dir;
  EXPECT_EQ(platform::OpenFile(dir / "Orvantel\\Navdata\\ints.txt", "r"), nullptr);
}

TEST(TextFileWrite, EachLfIsWrittenAsCrLf) {
  TempDir dir;
  dir.MakeDir("Orvantel/FlightPlans");
  FILE* f = platform::OpenFile(dir / "orvantel\\flightplans\\KSEAKPDX.rte", "w");
  ASSERT_NE(f, nullptr);
  std::fprintf(f, "[FlightPlan]\n%s=%d\n", "CruiseAlt", 35000);
  ASSERT_EQ(std::fclose(f), 0);
  EXPECT_EQ(ReadBytes(dir / "Orvantel/FlightPlans/KSEAKPDX.rte"), "[FlightPlan]\r\nCruiseAlt=35000\r\n");
}

TEST(TextFileWrite, BinaryWriteKeepsBytes) {
  TempDir dir;
  FILE* f = platform::OpenFile(dir / "raw.bin", "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("a\nb\r\n", f);
  ASSERT_EQ(std::fclose(f), 0);
  EXPECT_EQ(ReadBytes(dir / "raw.bin"), "a\nb\r\n");
}

TEST(TextFileWrite, TargetAppearsOnlyAtClose) {
  TempDir dir;
  dir.Write("LastSavedPanelState.pnl", "old\r\n");
  FILE* f = platform::OpenFile(dir / "lastsavedpanelstate.PNL", "w");
  ASSERT_NE(f, nullptr);
  std::fputs("new\n", f);
  std::fflush(f);
  EXPECT_EQ(ReadBytes(dir / "LastSavedPanelState.pnl"), "old\r\n");
  ASSERT_EQ(std::fclose(f), 0);
  EXPECT_EQ(ReadBytes(dir / "LastSavedPanelState.pnl"), "new\r\n");
  EXPECT_EQ(CountEntries(dir.path()), 1);  // no temporary left behind
}

TEST(TextFileWrite, FailedWriteLeavesTheOldFile) {
  TempDir dir;
  dir.Write("route.rte", "old route\r\n");
  // Let the file system refuse the write midway: files may not grow past 1 KB.
  struct rlimit saved;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct sigaction ignore{}, previous{};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &previous);
  struct rlimit small = saved;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

  FILE* f = platform::OpenFile(dir / "ROUTE.RTE", "w");
  int close_result = 0;
  if (f != nullptr) {
    for (int i = 0; i < 1000; ++i) std::fprintf(f, "leg %d\n", i);
    close_result = std::fclose(f);
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::sigaction(SIGXFSZ, &previous, nullptr);

  ASSERT_NE(f, nullptr);
  EXPECT_EQ(close_result, EOF);
  EXPECT_EQ(ReadBytes(dir / "route.rte"), "old route\r\n");
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(TextFileWrite, AppendKeepsWhatWasThere) {
  TempDir dir;
  dir.Write("list.txt", "a\r\n");
  FILE* f = platform::OpenFile(dir / "LIST.txt", "a");
  ASSERT_NE(f, nullptr);
  std::fputs("b\n", f);
  ASSERT_EQ(std::fclose(f), 0);
  EXPECT_EQ(ReadBytes(dir / "list.txt"), "a\r\nb\r\n");
}

TEST(TextFileWrite, MissingFolderGivesNull) {
  TempDir dir;
  EXPECT_EQ(platform::OpenFile(dir / "Orvantel\\PanelStates\\x.pnl", "w"), nullptr);
  EXPECT_EQ(CountEntries(dir.path()), 0);
}

TEST(TextFileWrite, UpdateAndUnknownModesAreRefused) {
  TempDir dir;
  dir.Write("a.txt", "x");
  for (const char* mode : {"r+", "w+", "a+", "x", "", "rq"}) {
    errno = 0;
    EXPECT_EQ(platform::OpenFile(dir / "a.txt", mode), nullptr) << mode;
    EXPECT_EQ(errno, EINVAL) << mode;
  }
  EXPECT_EQ(platform::OpenFile(dir / "a.txt", nullptr), nullptr);
}

TEST(StreamingFile, LinesAreOnDiskBeforeClose) {
  TempDir dir;
  FILE* f = platform::OpenStreamingFile(dir / "ze752_data.log", "w");
  ASSERT_NE(f, nullptr);
  std::fputs("PANEL_SERVICE_PRE_INSTALL: \n\n", f);
  std::fflush(f);
  EXPECT_EQ(ReadBytes(dir / "ze752_data.log"), "PANEL_SERVICE_PRE_INSTALL: \r\n\r\n");
  EXPECT_EQ(std::fclose(f), 0);
}

}  // namespace
