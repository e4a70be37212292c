// RTE LEGS keys act on the leg their line stands for: the intercept course on the leg to be flown,
// the constraint keys never on the end line or a discontinuity's line.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_pages.h"
#include "cdu/flown_route_fixture.h"
#include "navdb/path_legs.h"

namespace cdu_test {
namespace {

class LegsLineTargetsTest : public FlownRouteTest {
 protected:
  void SetUp() override {
    FlownRouteTest::SetUp();
    mag_var = 16.0;
    ExecuteRoute();  // RTE LEGS lines: SEA, TACMA, CENTR, KELSO, the end line (KPDX at 31 ft)
  }
};

// Flying to CENTR (SEA and TACMA passed): DIRECT TO WILAM, INTC CRS 090, EXEC. The course is
// WILAM's and the leg flown comes into WILAM on 090.
TEST_F(LegsLineTargetsTest, InterceptCourseIsTheActiveLegs) {
  stpos = 3;
  PressAndPaint("LEGS");
  EnterAt("WILAM", "1L");
  EnterAt("090", "6R");
  Press("EXEC");
  ASSERT_EQ(fms_fpln_act[stpos].ident, "WILAM");
  EXPECT_EQ(std::pair(fms_fpln_act[stpos].intc_crs, fms_fpln_act[1].intc_crs < 0.0), std::pair(90.0, true));
  const LnavLeg& lnav = lnav_leg[0];
  EXPECT_EQ(lnav.FrId, "DIRECT");
  EXPECT_NEAR(MagneticBearing(lnav.to_lat, lnav.to_lon, lnav.fr_lat, lnav.fr_lon, mag_var), 270.0, 0.01);
}

// Neither the gap's line (page 1, line 4) nor the end line (page 2, line 2) takes a constraint or its
// deletion; KPDX keeps its 31 ft after EXEC.
TEST_F(LegsLineTargetsTest, ConstraintKeysRefuseTheEndLineAndAGap) {
  EnterAt("OLM", "3L");  // SEA, TACMA, OLM, DISCO, CENTR; page 2: KELSO, the end line
  for (const auto& [page, key, row] : {std::tuple{"", "4R", 4}, std::tuple{"NEXT_PAGE", "2R", 8}}) {
    PressAndPaint(page);
    Paint();
    const RouteLeg before = fms_fpln_mod[row];
    EnterAt("250/12000", key);
    ExpectTaken("250/12000", false);
    Entry("");
    PressAndPaint(std::string("DEL ") + key);
    EXPECT_EQ(cdu_message, "INVALID DELETE");
    const RouteLeg& after = fms_fpln_mod[row];
    EXPECT_EQ(std::tuple(after.ident, after.alt, after.ias, after.restr),
              std::tuple(before.ident, before.alt, before.ias, before.restr))
        << key;
  }
  Press("EXEC");
  EXPECT_EQ(fms_fpln_act[fp_cnt].alt, 31.0);
}

}  // namespace
}  // namespace cdu_test
