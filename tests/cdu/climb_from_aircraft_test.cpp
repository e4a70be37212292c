// The climb planned in flight, read on RTE LEGS: it starts at the aircraft, not at the origin.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "cdu/route_pages_fixture.h"
#include "base/geodesy.h"
#include "fmc/profile_legs.h"
#include "module/main_update.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class ClimbFromAircraftTest : public RoutePagesTest {
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    host_.SetToken(60, 0.0);  // in the air
  }
  // The lowest planned altitude of the climb still to fly: the legs from the active one to the first
  // at the cruise level.
  static double LowestLegOfTheClimb() {
    double lowest = 1e9;
    for (int32_t i = stpos; i < fp_cnt; ++i) {
      lowest = std::min(lowest, fms_fpln_act[i].alt);
      if (fms_fpln_act[i].alt >= cruise_alt) break;
    }
    return lowest;
  }
  // Whole ticks at `alt_ft`, `nm` before the active leg's fix on the (short) leg to it.
  void ClimbBeforeActiveFix(double alt_ft, double nm) {
    const RouteLeg &from = fms_fpln_act[stpos - 1], &fix = fms_fpln_act[stpos];
    const double f = nm / CalcDistNm(from.lat, from.lon, fix.lat, fix.lon);
    InTheAir(alt_ft);
    host_.SetToken(71, (fix.lat + (from.lat - fix.lat) * f) * 111130.555557);
    host_.SetToken(72, (fix.lon + (from.lon - fix.lon) * f + 360.0) * 781874935307.4);
    for (int i = 0; i < 36; ++i) {
      host_.SetToken(1, ++tick_);
      MainUpdate();
    }
  }
  // Feet gained over the distance from the aircraft to active leg's fix at the planned rate.
  static double ClimbToActiveFixFt() {
    const RouteLeg& fix = fms_fpln_act[stpos];
    return profile::HeightOverNm(CalcDistNm(plane_lat, plane_lon, fix.lat, fix.lon), climb_rate, climb_tas);
  }
};

// At 15000 ft 12 NM before SNOQL, eastbound to Spokane, a first cruise altitude FL330: SNOQL is
// planned at 15000 ft and the climb to it, no leg ahead below 15000 ft.
TEST_F(ClimbFromAircraftTest, FirstCruiseAltitudeInFlight) {
  WritePlan("KSEAKGEG.PLN",
            testing_support::ReadBytes(RO757_SOURCE_DIR "/examples/sim/Orvantel/flightplans/KSEAKGEG.PLN"));
  std::tie(plane_lat, plane_lon, plane_alt) = std::tuple(47.42, -121.70, 15000.0);
  Keys("INIT_REF 6L 2R 1L 6R EXEC LEGS");
  EnterAt("SNOQL", "1L");
  Keys("EXEC INIT_REF 6L 3L");
  EnterAt("FL330", "1R");
  Keys("EXEC LEGS");
  ASSERT_EQ(fms_fpln_act[stpos].ident, "SNOQL");
  EXPECT_NEAR(fms_fpln_act[stpos].alt, 15000.0 + ClimbToActiveFixFt(), 100.0);
  EXPECT_GE(LowestLegOfTheClimb(), 15000.0);
}

// Just after an in-air start at 12000 ft, 10 NM before TACMA, the T/C not yet reached: a constraint
// executed at CENTR leaves TACMA planned above the aircraft.
TEST_F(ClimbFromAircraftTest, ConstraintExecutedAfterAnInAirStart) {
  std::tie(plane_lat, plane_lon, plane_alt) = std::tuple(47.368, -122.346, 12000.0);
  TypeSeattlePortlandOnJ5();
  Keys("6R EXEC INIT_REF 6L 3L");
  EnterAt("FL200", "1R");
  Keys("EXEC LEGS");
  EnterAt("/15000", "2R");
  Keys("EXEC");
  ASSERT_EQ(std::pair(fms_fpln_act[stpos].ident, toc), std::pair(std::string("TACMA"), 0));
  EXPECT_NEAR(fms_fpln_act[stpos].alt, 12000.0 + ClimbToActiveFixFt(), 100.0);
}

// Planned on the ground, climbing without an EXEC: passing the active leg's planned altitude plans
// the climb from the aircraft as an EXEC there would; climbing past none plans nothing again.
TEST_F(ClimbFromAircraftTest, PassingAPlannedAltitudePlansTheClimbFromTheAircraft) {
  host_.SetToken(60, 1.0);
  plane_alt = 433.0;
  TypeSeattlePortlandOnJ5();
  Keys("6R EXEC INIT_REF 6L 3L");
  EnterAt("FL190", "1R");
  Keys("EXEC LEGS");
  ClimbBeforeActiveFix(9400.0, 6.0);
  ASSERT_EQ(std::pair(fms_fpln_act[stpos].ident, toc), std::pair(std::string("TACMA"), 0));
  EXPECT_NEAR(fms_fpln_act[stpos].alt, 9400.0 + ClimbToActiveFixFt(), 100.0);
  std::vector<double> replanned;
  for (int32_t i = 0; i <= fp_cnt; ++i) replanned.push_back(fms_fpln_act[i].alt);
  Keys("INIT_REF 6L 3L");
  EnterAt("FL190", "1R");
  Keys("EXEC");
  for (int32_t i = 0; i <= fp_cnt; ++i) EXPECT_EQ(fms_fpln_act[i].alt, replanned[i]) << fms_fpln_act[i].ident;

  RouteLeg& descent_leg = fms_fpln_act[fp_cnt - 1];  // any plan writes it again
  descent_leg.alt = 1234.0;
  ClimbBeforeActiveFix(9500.0, 6.0);
  EXPECT_EQ(descent_leg.alt, 1234.0);
  const double passed_ft = fms_fpln_act[stpos].alt + 200.0;
  ClimbBeforeActiveFix(passed_ft, 5.0);
  EXPECT_EQ(descent_leg.alt, replanned[fp_cnt - 1]);
  EXPECT_GE(LowestLegOfTheClimb(), passed_ft - 100.0);
}

}  // namespace
}  // namespace cdu_test
