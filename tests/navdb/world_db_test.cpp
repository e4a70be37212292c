// The loader on the world-size database, which lives outside the repository; its own file, so that
// CTest can run it alone or leave it out (label "world").
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"

namespace {

TEST(NavLoaderWorld, LoadsTheWorldDatabase) {
  std::string dir = WorldDataDir();
  if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
  ResetModuleState();
  sim_root = dir;
  LoadNavDatabase();
  EXPECT_EQ(std::tuple(nav_ints_cnt, nav_navaids_cnt, nav_apts_cnt, nav_awy_fixes_cnt),
            std::tuple(119720, 14987, 15358, 48813));  // airway lines whose fix has 4+ characters
  ResetModuleState();
}

}  // namespace
