#include "platform/findfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

using testing_support::TempDir;

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool match;
};

TEST(Wildcard, MatchesLikeWindowsWithoutRegardToCase) {
  const WildcardCase cases[] = {
      {"*.pnl", "State1.PNL", true}, {"*.pnl", "state.pnl.bak", false}, {"*.*", "README", true},
      {"foo.*", "foo", true},        {"foo.*", "foobar", false},        {"?.txt", "ab.txt", false},
      {"a*b*c", "aXXbYYc", true},    {"a*b*c", "aXXbYYcd", false},      {"*", "", true},
      {"*.rte", ".rte", true},       {"abc?", "abc", false},            {"?.txt", "a.txt", true},
  };
  for (const WildcardCase& c : cases) {
    EXPECT_EQ(win32::MatchesWildcard(c.pattern, c.name), c.match) << c.pattern << " vs " << c.name;
  }
}

class FolderListing : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_.Write("Orvantel/PanelStates/b.pnl", "12345");
    sim_.Write("Orvantel/PanelStates/A.PNL", "");
    sim_.Write("Orvantel/PanelStates/c.txt", "");
    sim_.MakeDir("Orvantel/PanelStates/Sub.pnl");
    sim_.MakeDir("Orvantel/Sounds/RiVod/ORV");
  }

  std::vector<std::string> List(const std::string& pattern, std::vector<uint32_t>* attributes = nullptr) {
    std::vector<std::string> names;
    win32::FindData d{};
    win32::FindHandle h = win32::FindFirstFileA(pattern.c_str(), &d);
    if (h == win32::kInvalidFindHandle) return names;
    do {
      names.push_back(d.file_name);
      if (attributes != nullptr) attributes->push_back(d.file_attributes);
    } while (win32::FindNextFileA(h, &d) != 0);
    EXPECT_EQ(win32::FindClose(h), 1);
    return names;
  }

  TempDir sim_;
};

// A pattern lists its matches in name order with their attributes and sizes; "*.*" starts with the
// folder itself.
TEST_F(FolderListing, PatternListsMatchesInNameOrderWithAttributes) {
  std::vector<uint32_t> attrs;
  EXPECT_EQ(List(sim_ / "orvantel\\PANELSTATES\\*.pnl", &attrs),
            (std::vector<std::string>{"A.PNL", "b.pnl", "Sub.pnl"}));
  EXPECT_EQ(attrs, (std::vector<uint32_t>{win32::kFileAttributeNormal, win32::kFileAttributeNormal,
                                          win32::kFileAttributeDirectory}));
  sim_.Write("Orvantel/PanelStates/-.txt", "");  // sorts before "." by its bytes
  std::vector<std::string> all = List(sim_ / "Orvantel\\PanelStates\\*.*");
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(all[0] + all[1] + all[2], "...-.txt");
  win32::FindData d{};
  win32::FindHandle h = win32::FindFirstFileA((sim_ / "Orvantel\\PanelStates\\B.PNL").c_str(), &d);
  ASSERT_NE(h, win32::kInvalidFindHandle);
  EXPECT_EQ(d.file_size, 5u);
  EXPECT_EQ(win32::FindNextFileA(h, &d), 0);  // after the last entry, again and again
  EXPECT_EQ(win32::FindNextFileA(h, &d), 0);
  EXPECT_STREQ(d.file_name, "b.pnl");
  win32::FindClose(h);
}

TEST_F(FolderListing, NameWithoutWildcardsFindsThatEntry) {
  std::vector<uint32_t> attrs;
  EXPECT_EQ(List(sim_ / "Orvantel\\Sounds\\rivod\\orv", &attrs), std::vector<std::string>{"ORV"});
  EXPECT_EQ(attrs, std::vector<uint32_t>{win32::kFileAttributeDirectory});
  EXPECT_TRUE(List(sim_ / "Orvantel\\Sounds\\RiVod\\BAW").empty());
}

TEST_F(FolderListing, NothingToListGivesInvalidHandle) {
  win32::FindData d{};
  for (const std::string& p : {sim_ / "Orvantel\\PanelStates\\*.rte", sim_ / "Orvantel\\FlightPlans\\*.*",
                               sim_ / "Orvantel\\PanelStates\\", std::string()}) {
    EXPECT_EQ(win32::FindFirstFileA(p.c_str(), &d), win32::kInvalidFindHandle) << p;
  }
  EXPECT_EQ(win32::FindFirstFileA(nullptr, &d), win32::kInvalidFindHandle);
  EXPECT_EQ(win32::FindNextFileA(win32::kInvalidFindHandle, &d), 0);
  EXPECT_EQ(win32::FindClose(win32::kInvalidFindHandle), 0);
}

}  // namespace
