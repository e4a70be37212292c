// Flown through the CDU and the per-tick run: a hold steers only while its fix is the leg flown to,
// and a hold page with no hold takes nothing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "cdu/cdu_pages.h"
#include "cdu/flown_route_fixture.h"
#include "fmc/route_holds.h"
#include "navdb/path_legs.h"

namespace cdu_test {
namespace {

constexpr uint32_t kHeadingBug = 0x101FA;
constexpr double kNmPerDegLat = 60.0;

class HoldGuidanceTest : public FlownRouteTest {
 protected:
  void SetUp() override {
    FlownRouteTest::SetUp();
    mag_var = 16.0;
    ExecuteRoute();
  }
  // DIRECT TO `fix` (a leg further on, which moves up to the active line), executed.
  void DirectTo(const char* fix) {
    PressAndPaint("LEGS");
    EnterAt(fix, "1L");
    Press("EXEC");
  }
  // The aircraft `nm` south of `fix` (north when negative), at 230 kt.
  void SouthOf(const char* fix, double nm) {
    const NavRecord& f = Fix(fix);
    PlaceAircraft(f.lat - nm / kNmPerDegLat, f.lon, 230.0);
  }
  // Direct to `fix` from 10 NM north of it, seen by the route blocks since.
  void InboundTo(const char* fix) {
    SouthOf(fix, -10.0);
    RunTicks(1);
    DirectTo(fix);
    RunTicks(18);
  }
  // Direct to `fix`, HOLD AT `fix` executed; LNAV flies the aircraft over it into the first circuit.
  void HoldAt(const char* fix = "KELSO") {
    InboundTo(fix);
    Keys("HOLD 1L 6L");
    Press("EXEC");
    ASSERT_EQ(std::tuple(hold_cnt, route_holds[1].leg, stpos), std::tuple(1, 1, 1));
    lnav = 1;
    SouthOf(fix, 0.0);
    RunTicks(18);
    ASSERT_GE(pattern_leg, 1);
  }
  int KeyEvents(uint32_t id) const {
    int n = 0;
    for (const auto& e : host_.key_events()) n += e.event_id == id ? 1 : 0;
    return n;
  }
  int32_t LastHeadingSent() const {
    int32_t last = -1;
    for (const auto& e : host_.key_events()) last = e.event_id == kHeadingBug ? e.value : last;
    return last;
  }
};

// Circling KELSO 6 NM south of it: DIRECT TO OLM (behind), or to KELSO itself, and EXEC. The
// heading commands then steer to the new active waypoint, not round the racetrack.
TEST_F(HoldGuidanceTest, DirectToWhileHoldingSteersToTheNewWaypoint) {
  for (const char* fix : {"OLM", "KELSO"}) {
    HoldAt();
    SouthOf("KELSO", 6.0);
    RunTicks(18);
    DirectTo(fix);
    RunTicks(36);
    const NavRecord& to = Fix(fix);
    EXPECT_EQ(std::tuple(fms_fpln_act[stpos].ident, pattern_leg), std::tuple(std::string(fix), 0));
    EXPECT_NEAR(LastHeadingSent(), MagneticBearing(plane_lat, plane_lon, to.lat, to.lon, mag_var), 2.0) << fix;
    ExecuteRoute();
  }
}

// ERASE of the only hold, one at the present position not yet executed: RTE HOLD gives way to RTE
// LEGS, and with no hold it takes no entry.
TEST_F(HoldGuidanceTest, EraseOfTheLastHoldLeavesRteHoldAndItTakesNoEntry) {
  Keys("HOLD 6R");
  ASSERT_EQ(std::tuple(fms_page, hold_cnt, fms_fpln_active), std::tuple(kCduPageRteHold, 1, 4));
  PressAndPaint("6L");
  Paint();
  EXPECT_EQ(std::tuple(fms_page, hold_cnt, fms_fpln_active), std::tuple(kCduPageRteLegs, 0, 3));
  const RouteHold unused = route_holds[1];
  for (const auto& [entry, key] : {std::pair{"090/L", "3L"}, std::pair{"2.5", "4L"}, std::pair{"5", "5L"}}) {
    EnterOn(kCduPageRteHold, entry, key);
    ExpectTaken(entry, false);
  }
  EXPECT_EQ(std::tuple(route_holds[1].inbd_crs, route_holds[1].turn, route_holds[1].leg_time),
            std::tuple(unused.inbd_crs, unused.turn, unused.leg_time));
}

}  // namespace
}  // namespace cdu_test
