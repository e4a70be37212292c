// Full coarse lists in dense places: where more rows lie within 600 NM than a list holds, it keeps
// the nearest, in table order, read through the position index of a loaded database.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"
#include "navdb/nearby_lists.h"

namespace {

using NearestCoarseLists = NavdbTest;

// 3,000 airway lines 420 NM north of the centre come first in the file, each farther east than the
// last; two fixes near the centre come after them.
TEST_F(NearestCoarseLists, FullWaypointListKeepsTheNearestInTableOrder) {
  std::string text;
  char line[64];
  for (int i = 0; i < 3000; ++i) {
    std::snprintf(line, sizeof line, "J9 %d F%04d 54.0 %.3f\n", i + 1, i, -122.0 + 0.003 * i);
    text += line;
  }
  WriteNavFile("awys.txt", text + "J9 3001 NEARA 47.1 -122.0\nJ9 3002 NEARB 46.9 -122.1\n");
  LoadNavDatabase();
  FilterWaypointsCoarse(47.0, -122.0);
  ASSERT_EQ(near_wpts_coarse_cnt, 3000);
  EXPECT_EQ(Column(near_wpts_coarse + 2996, 4, &NavRecord::ident), "F2996|F2997|NEARA|NEARB");
  FilterWaypointsFine(47.0, -122.0);
  EXPECT_EQ(Column(near_wpts_fine, near_wpts_fine_cnt, &NavRecord::ident), "NEARA|NEARB");
}

}  // namespace
