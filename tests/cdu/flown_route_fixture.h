// Test bed of a route flown through the CDU: the RTE and DEP/ARR test bed with the Seattle-Portland
// route entered and executed key by key (the example region's places), and whole ticks of the
// per-tick run with the aircraft placed where the flight has taken it.
#pragma once

#include <cstdint>

#include "cdu/route_pages_fixture.h"
#include "navdb/navdb_globals.h"

namespace cdu_test {

class FlownRouteTest : public RoutePagesTest {
 protected:
  // RTE: KSEA to KPDX through SEA, TACMA, CENTR and KELSO; ACTIVATE, EXEC; on RTE LEGS KELSO at
  // 12000 ft, executed. SEA is the active leg; the page shown is RTE LEGS.
  void ExecuteRoute() {
    PressAndPaint("RTE");
    EnterAt("KSEA", "1L");
    EnterAt("KPDX", "1R");
    PressAndPaint("NEXT_PAGE");
    EnterAt("SEA", "1R");
    EnterAt("TACMA", "2R");
    EnterAt("CENTR", "3R");
    EnterAt("KELSO", "4R");
    PressAndPaint("6R");
    Press("EXEC");
    PressAndPaint("LEGS");
    EnterAt("12000", "4R");
    Press("EXEC");
    PressAndPaint("LEGS");
  }

  // The aircraft at (lat, lon), in the air (5000 ft above the ground) at `gs_kt` over the ground,
  // with no wind and the example region's variation, in the units the simulator reports.
  void PlaceAircraft(double lat, double lon, double gs_kt) {
    host_.SetToken(60, 0.0);
    host_.SetToken(71, lat * 111130.555557);
    host_.SetToken(72, (lon < 0.0 ? lon + 360.0 : lon) * 781874935307.4);
    host_.SetToken(551, gs_kt * 1.68781);
    host_.SetToken(614, 5000.0 / 3.2808399);
    host_.SetToken(82, mag_var);
  }

  // Whole ticks of the per-tick run, each a new value of the simulator's tick counter.
  void RunTicks(int n) {
    for (int i = 0; i < n; ++i) {
      host_.SetToken(1, ++tick_);
      MainUpdate();
    }
  }

  // The place of a fix, navaid or airport of the example region.
  static const NavRecord& Fix(const char* ident) {
    for (int32_t i = 1; i <= nav_ints_cnt; ++i) {
      if (TextIs(nav_ints[i].ident, ident)) return nav_ints[i];
    }
    for (int32_t i = 1; i <= nav_navaids_cnt; ++i) {
      if (TextIs(nav_navaids[i].ident, ident)) return nav_navaids[i];
    }
    for (int32_t i = 1; i <= nav_apts_cnt; ++i) {
      if (TextIs(nav_apts[i].ident, ident)) return nav_apts[i];
    }
    ADD_FAILURE() << ident;
    return nav_ints[0];
  }
};

}  // namespace cdu_test
