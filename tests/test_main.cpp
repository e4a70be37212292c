// Test entry: floating-point faults trap, so a NaN or infinity in geodesy, VNAV or the magnetic model
// fails loudly instead of drawing nonsense.
#include <fenv.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

// CTest runs one entry per test file (see CMakeLists.txt): --test_file=navdb/nav_loader_test.cpp keeps
// the tests that file defines. A test defined elsewhere than in a *_test.cpp file would belong to no
// entry, and a file that defines none is a stale entry: both fail rather than pass on fewer tests.
bool KeepTestsOfFile(const std::string& file, std::string* error) {
  const std::string suffix = "/tests/" + file;
  std::string filter;
  const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
  for (int i = 0; i < unit.total_test_suite_count(); ++i) {
    const testing::TestSuite& suite = *unit.GetTestSuite(i);
    for (int j = 0; j < suite.total_test_count(); ++j) {
      const testing::TestInfo& test = *suite.GetTestInfo(j);
      const std::string name = std::string(suite.name()) + "." + test.name();
      const std::string_view defined_in = test.file();
      if (!defined_in.ends_with("_test.cpp")) {
        *error = name + " is defined in " + test.file() + ", which no CTest entry runs";
        return false;
      }
      if (defined_in.ends_with(suffix)) filter += (filter.empty() ? "" : ":") + name;
    }
  }
  if (filter.empty()) {
    *error = "tests/" + file + " defines no test";
    return false;
  }
  GTEST_FLAG_SET(filter, filter);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  ::testing::InitGoogleTest(&argc, argv);
  constexpr std::string_view kFileFlag = "--test_file=";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!arg.starts_with(kFileFlag)) continue;
    std::string error;
    if (!KeepTestsOfFile(std::string(arg.substr(kFileFlag.size())), &error)) {
      std::fprintf(stderr, "ro757_tests: %s\n", error.c_str());
      return 1;
    }
  }
  return RUN_ALL_TESTS();
}
