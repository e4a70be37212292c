#include "platform/winfile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <string>
#include <utility>

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

// A text file read to its end reads again from its start after rewind.
TEST(TextFileRead, RewindReadsTheFileAgain) {
  TempDir dir;
  dir.Write("a.pnl", "toc=1\r\nFPLN=A\r\n");
  FILE* f = platform::OpenFile(dir / "a.pnl", "r");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(ReadAll(f), "toc=1\nFPLN=A\n");
  std::rewind(f);
  EXPECT_EQ(ReadAll(f), "toc=1\nFPLN=A\n");
  std::fclose(f);
}

// A UTF-8 byte order mark an editor saved is no part of a text file's first line, also after a
// rewind; a binary reader that splits lines itself skips it on request. Other bytes stay.
TEST(TextFileRead, ByteOrderMarkIsNoPartOfTheText) {
  TempDir dir;
  for (const auto& [bytes, text] : {std::pair{"\xEF\xBB\xBFsimver=10\r\n", "simver=10\n"}, {"\xEF\xBB\xBF", ""},
                                    {"\xEF\xBBX\r\n", "\xEF\xBBX\n"}, {"\xEF", "\xEF"}, {"a\xEF\xBB\xBF", "a\xEF\xBB\xBF"}}) {
    dir.Write("a.cfg", bytes);
    FILE* f = platform::OpenFile(dir / "a.cfg", "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(ReadAll(f), text) << bytes;
    std::rewind(f);
    EXPECT_EQ(ReadAll(f), text) << bytes;
    std::fclose(f);
    f = platform::OpenFile(dir / "a.cfg", "rb");
    ASSERT_TRUE(platform::SkipByteOrderMark(f));
    EXPECT_EQ(ReadAll(f), std::string(bytes).substr(std::string(bytes).starts_with("\xEF\xBB\xBF") ? 3 : 0));
    std::fclose(f);
  }
}

TEST(TextFileRead, BinaryModePassesBytesThroughAndAMissingFileGivesNull) {
  TempDir dir;
  EXPECT_EQ(platform::OpenFile(dir / "Orvantel\\Navdata\\ints.txt", "r"), nullptr);
  dir.Write("a.wav", std::string("RIFF\r\n\0\x1A\r", 9));
  FILE* f = platform::OpenFile(dir / "A.WAV", "rb");
  ASSERT_NE(f, nullptr);
  char buf[16];
  EXPECT_EQ(std::fread(buf, 1, sizeof buf, f), 9u);
  EXPECT_EQ(std::string(buf, 9), std::string("RIFF\r\n\0\x1A\r", 9));
  std::fclose(f);
}

struct WriteCase {
  const char* before;  // file contents before, or null when there is no file
  const char* mode;
  const char* written;
  const char* after;
};

TEST(TextFileWrite, BytesOnDiskFollowTheMode) {
  const WriteCase cases[] = {
      {nullptr, "w", "[FlightPlan]\nCruiseAlt=35000\n", "[FlightPlan]\r\nCruiseAlt=35000\r\n"},
      {"old\r\n", "wt", "a\n\n", "a\r\n\r\n"},
      {nullptr, "wb", "a\nb\r\n", "a\nb\r\n"},
      {"a\r\n", "a", "b\n", "a\r\nb\r\n"},
      {"a\n", "ab", "b\n", "a\nb\n"},
  };
  for (const WriteCase& c : cases) {
    TempDir dir;
    dir.MakeDir("Orvantel/FlightPlans");
    if (c.before != nullptr) dir.Write("Orvantel/FlightPlans/KSEAKPDX.rte", c.before);
    FILE* f = platform::OpenFile(dir / "orvantel\\flightplans\\KSEAKPDX.rte", c.mode);
    ASSERT_NE(f, nullptr) << c.mode;
    std::fputs(c.written, f);
    ASSERT_EQ(std::fclose(f), 0);
    EXPECT_EQ(ReadBytes(dir / "Orvantel/FlightPlans/KSEAKPDX.rte"), c.after) << c.mode;
  }
}

// A whole-file write shows nothing until fclose; the streaming file (the debug log, never closed)
// has its lines on disk as soon as they are flushed.
TEST(TextFileWrite, WholeFileAppearsAtCloseStreamingFileAtOnce) {
  for (bool streaming : {false, true}) {
    TempDir dir;
    dir.Write("ze752_data.log", "old\r\n");
    FILE* f = streaming ? platform::OpenStreamingFile(dir / "ZE752_DATA.LOG", "w")
                        : platform::OpenFile(dir / "ZE752_DATA.LOG", "w");
    ASSERT_NE(f, nullptr);
    std::fputs("PANEL_SERVICE_PRE_INSTALL: \n\n", f);
    std::fflush(f);
    EXPECT_EQ(ReadBytes(dir / "ze752_data.log"), streaming ? "PANEL_SERVICE_PRE_INSTALL: \r\n\r\n" : "old\r\n");
    ASSERT_EQ(std::fclose(f), 0);
    EXPECT_EQ(ReadBytes(dir / "ze752_data.log"), "PANEL_SERVICE_PRE_INSTALL: \r\n\r\n");
    EXPECT_EQ(CountEntries(dir.path()), 1);  // no temporary left behind
  }
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

TEST(TextFileWrite, UpdateAndUnknownModesAndMissingFoldersAreRefused) {
  TempDir dir;
  dir.Write("a.txt", "x");
  for (const char* mode : {"r+", "w+", "a+", "x", "", "rq"}) {
    errno = 0;
    EXPECT_EQ(platform::OpenFile(dir / "a.txt", mode), nullptr) << mode;
    EXPECT_EQ(errno, EINVAL) << mode;
  }
  EXPECT_EQ(platform::OpenFile(dir / "a.txt", nullptr), nullptr);
  EXPECT_EQ(platform::OpenFile(dir / "Orvantel\\PanelStates\\x.pnl", "w"), nullptr);  // missing folder
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

}  // namespace
