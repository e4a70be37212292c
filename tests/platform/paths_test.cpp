#include "platform/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace {

using testing_support::TempDir;

class PathResolver : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_.Write("Orvantel/Navdata/ints.txt", "X\n");
    sim_.Write("Orvantel/ro757.cfg", "");
    sim_.MakeDir("Orvantel/flightplans");
  }
  TempDir sim_;
};

struct Case {
  const char* module_path;  // appended to the simulator folder
  const char* real_path;
  bool exists;
};

TEST_F(PathResolver, MapsModulePathsOntoTheFileSystem) {
  const Case cases[] = {
      {"\\Orvantel\\Navdata\\ints.txt", "/Orvantel/Navdata/ints.txt", true},
      {"\\orvantel\\navdata\\INTS.TXT", "/Orvantel/Navdata/ints.txt", true},
      {"\\ORVANTEL\\FlightPlans\\", "/Orvantel/flightplans", true},
      {"/Orvantel\\NAVDATA/./ints.txt", "/Orvantel/Navdata/ints.txt", true},
      // A file about to be created keeps the spelling the module gave it.
      {"\\orvantel\\FlightPlans\\KSEAKPDX.rte", "/Orvantel/flightplans/KSEAKPDX.rte", false},
      // From the first missing folder on, the rest stays as given.
      {"\\orvantel\\PanelStates\\Last.pnl", "/Orvantel/PanelStates/Last.pnl", false},
      {"\\Missing\\navdata\\ints.txt", "/Missing/navdata/ints.txt", false},
  };
  for (const Case& c : cases) {
    platform::ResolvedPath r = platform::ResolvePath(sim_.path() + c.module_path);
    EXPECT_EQ(r.path, sim_.path() + c.real_path) << c.module_path;
    EXPECT_EQ(r.exists, c.exists) << c.module_path;
  }
}

TEST_F(PathResolver, ExactNameWinsOverItsCaseTwins) {
  sim_.Write("Sounds/Ding.wav", "1");
  sim_.Write("Sounds/ding.wav", "2");
  EXPECT_EQ(platform::ResolvePath(sim_ / "Sounds\\ding.wav").path, sim_ / "Sounds/ding.wav");
  EXPECT_EQ(platform::ResolvePath(sim_ / "Sounds\\Ding.wav").path, sim_ / "Sounds/Ding.wav");
  // Neither spelling given: the smallest name, whatever order the folder lists them in.
  EXPECT_EQ(platform::ResolvePath(sim_ / "SOUNDS\\DING.WAV").path, sim_ / "Sounds/Ding.wav");
}

TEST_F(PathResolver, RelativePathStartsFromTheCurrentDirectory) {
  char saved[4096];
  ASSERT_NE(::getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(::chdir(sim_.path().c_str()), 0);
  platform::ResolvedPath r = platform::ResolvePath("ORVANTEL\\RO757.CFG");
  platform::ResolvedPath log = platform::ResolvePath("ze752_data.log");
  ASSERT_EQ(::chdir(saved), 0);
  EXPECT_EQ(r.path, "Orvantel/ro757.cfg");
  EXPECT_TRUE(r.exists);
  EXPECT_EQ(log.path, "ze752_data.log");
  EXPECT_FALSE(log.exists);
}

TEST(PathResolverInput, EmptyOrOverlongPathResolvesToNothing) {
  EXPECT_EQ(platform::ResolvePath("").path, "");
  for (const std::string& p : {std::string(), "/tmp\\" + std::string(5000, 'a') + "\\b.txt"}) {
    EXPECT_FALSE(platform::ResolvePath(p).exists);
  }
}

}  // namespace
