// The ND readouts of the active waypoint just after it was passed, before the route block sequences
// it: the real distance and time, never the -1 that asks for the sequencing.
#include <gtest/gtest.h>

#include <tuple>

#include "afds/route_progress_globals.h"
#include "nd/map_fixture.h"
#include "nd/nd_overlay.h"

namespace {

class PassedWaypointReadoutTest : public MapTest {};

// AAA 2 NM behind the aircraft at 120 kt (a minute): "2.0" NM and, on the ND, 1001 at 10:00, also
// while the distance is not yet measured after an EXEC.
TEST_F(PassedWaypointReadoutTest, DistanceAndTimeAreTheRealOnes) {
  fms_fpln_act[1].ident = "AAA";
  fms_fpln_act[1].lat = plane_lat + 2.0 / 60.0;
  fms_fpln_act[1].lon = plane_lon;
  for (const double stored : {kSequenceNow, kNoActiveWpt}) {
    std::tie(fp_cnt, stpos, dist_to_active_wpt) = std::tuple(1, 1, stored);
    std::tie(ground_speed, zulu_hour, zulu_min, nd_mode, fpnd_mode) = std::tuple(120.0, 10.0, 0.0, 3, 3);
    using Painter = void (*)(DisplaySurface*, gfx::Graphics*);
    for (const auto& [canvas, painter] : {std::pair<MapCanvas, Painter>{kFpNdCanvas, DrawFpNdOverlay},
                                          std::pair<MapCanvas, Painter>{kNdCanvas, DrawNdOverlay}}) {
      Record(canvas, painter);
      EXPECT_NE(Text("2.0"), nullptr) << stored;
      EXPECT_EQ(Text("-1.0"), nullptr);
      EXPECT_EQ(Text("999.0"), nullptr);
    }
    EXPECT_NE(Text("1001.0"), nullptr) << stored;
  }
}

}  // namespace
