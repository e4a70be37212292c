// A DES speed entered and executed stays the descent speed: the plan does not put back the speed an
// earlier plan stored on a leg.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/route_pages_fixture.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

using DesSpeedEntryTest = RoutePagesTest;

// Seattle-Portland on the WILAM1 arrival (KELSO 12000, WILAM 10000, altitudes only), cost index 80
// (a faster descent) at FL200; then 280 on PATH DES and EXEC.
TEST_F(DesSpeedEntryTest, ExecutedDesSpeedStays) {
  TypeSeattlePortlandOnJ5();
  Keys("DEP_ARR 2R 1L 2L RTE 6R EXEC INIT_REF 6L 3L");
  EnterAt("FL200", "1R");
  EnterAt("80", "2R");
  Keys("EXEC");
  ASSERT_GT(descent_ias, 280);
  Keys("VNAV PREV_PAGE");
  EnterAt("280", "2L");
  Keys("EXEC");
  Paint();
  EXPECT_EQ(std::pair(descent_ias, Line(2).left.substr(0, 5)), std::pair(280, std::string("280 /")));
  Keys("LEGS");
  EXPECT_EQ(Line(3).left + " " + Line(3).right, "KELSO 280 / 12000");
}

}  // namespace
}  // namespace cdu_test
