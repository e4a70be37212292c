// The cross-track PROGRESS shows is measured from the route typed on RTE, before its first EXEC too,
// and never from a leg that starts at an empty origin row's 0N 0E.
#include <gtest/gtest.h>

#include "afds/route_progress_globals.h"
#include "cdu/cdu_pages.h"
#include "cdu/flown_route_fixture.h"

namespace cdu_test {
namespace {

using CrossTrackFromRouteTest = FlownRouteTest;

TEST_F(CrossTrackFromRouteTest, BeforeTheFirstExecTheLegRunsFromTheOrigin) {
  PlaceAircraft(47.444, -122.301, 0.0);  // half a mile east of KSEA, on the way to KPDX
  EnterOn(kCduPageRte, "KSEA", "1L");
  EnterOn(kCduPageRte, "KPDX", "1R");
  RunTicks(36);  // two display cycles: every route slot has measured
  EXPECT_LT(xtk_dist, 1.0);
}

TEST_F(CrossTrackFromRouteTest, WithoutAnOriginTheLegStartsAtTheAircraft) {
  PlaceAircraft(47.444, -122.301, 0.0);
  EnterOn(kCduPageRte, "KPDX", "1R");
  EnterOn(kCduPageRteLegs, "CENTR", "1L");
  PressAndPaint("6R");
  Press("EXEC");
  RunTicks(36);
  EXPECT_LT(xtk_dist, 1.0);
}

}  // namespace
}  // namespace cdu_test
