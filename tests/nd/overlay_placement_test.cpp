// Overlays drawn on the maps lie where they say they are on the map they are drawn on: in PLAN
// about a route leg, and on a track-up map under drift and magnetic variation.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "nd/map_fixture.h"
#include "nd/map_frame.h"
#include "sim/tcas_link.h"

namespace {

class OverlayPlacementTest : public LayerTest {
 protected:
  void SetUp() override {
    LayerTest::SetUp();
    static tcas::ServiceRecord service{};
    tcas_serv = &service;
    tcas_server_connect = 1;
    tcas_take_tick = 0;  // the table below is the list last taken
  }
  // One intruder `dist_nm` dead ahead of the nose, 300 ft above.
  static void IntruderAhead(double dist_nm) {
    tcas_targets[1] = {plane_hdg_true, dist_nm, 3.0, 'R', 0, '-'};
    tcas_target_cnt = 1;
  }
};

// PLAN centred on DDD, 24 NM south of the aircraft: a resolution advisory 3 NM ahead (south) is drawn
// 21 NM north of DDD, not on it.
TEST_F(OverlayPlacementTest, PlanTrafficLiesWhereItIsFromTheAircraft) {
  SetRoute(1);
  map_ctr_leg = 4;
  nd_mode = 4;
  nd_tfc_on = 1;
  IntruderAhead(3.0);
  Record(kNdCanvas, DrawNdMap);
  const double px_per_nm = 189.0 / 40.0;
  ExpectTextAt("+3", gfx::PointF(107.0f - 13.0f, static_cast<float>(126.0 - 21.0 * px_per_nm + 12.0)), 0.6);
}

}  // namespace
