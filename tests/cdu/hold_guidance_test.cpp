// Flown through the CDU and the per-tick run: a hold steers only while its fix is the leg flown to,
// a hold page with no hold takes nothing, and the distance to a waypoint passed is the real one, with
// no key event every frame, also where nothing can be sequenced (a hold fix being circled, the last
// waypoint).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_pages.h"
#include "cdu/flown_route_fixture.h"
#include "fmc/route_holds.h"
#include "navdb/path_legs.h"

namespace cdu_test {
namespace {

constexpr uint32_t kHeadingBug = 0x101FA;
constexpr uint32_t kMcpAltitude = 0x1024C;
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

// The TO line on a tick between two route blocks: past a hold fix being circled, past the last
// waypoint (climbing out after a go-around) and just past a waypoint about to be sequenced, the real
// distance is shown, never the -1 that asks for the sequencing.
TEST_F(HoldGuidanceTest, DistanceToAWaypointPassedIsTheRealOne) {
  const std::vector<std::tuple<std::function<void()>, const char*, double, std::string>> flights{
      {[&] { HoldAt(), SouthOf("KELSO", 3.0), RunTicks(18); }, "KELSO", 3.0, "KELSO 3"},
      {[&] { InboundTo("KPDX"), SouthOf("KPDX", 4.0), RunTicks(18); }, "KPDX", 4.0, "KPDX 4"},
      {[&] { InboundTo("TACMA"); }, "TACMA", 2.0, "TACMA 2"}};
  for (const auto& [fly, fix, past_nm, to_line] : flights) {
    fly();
    while (tick36_counter == 35) RunTicks(1);  // the next tick must not be the 36-tick slot
    PressAndPaint("PROG");                     // the paint puts the display cycle on its slot 0
    SouthOf(fix, past_nm);
    RunTicks(1);
    Paint();
    EXPECT_EQ(Line(2).left.substr(0, to_line.size()), to_line);
    ExecuteRoute();
  }
}

// A hold entry turn at CENTR (no constraint) past the T/D with VNAV: the MCP altitude is not sent on
// every frame.
TEST_F(HoldGuidanceTest, HoldEntryTurnSendsNoAltitudeEveryFrame) {
  HoldAt("CENTR");
  std::tie(cruise_alt, toc, tod, vnav) = std::tuple(20000, 1, 1, 1);
  SouthOf("CENTR", 3.0);
  const int before = KeyEvents(kMcpAltitude);
  RunTicks(36);
  EXPECT_LT(KeyEvents(kMcpAltitude) - before, 36 / 3);  // at most on the route blocks' ticks
}

// Past the T/D with VNAV, 1.5 NM before CENTR with its hold executed: a hold fix is not about to be
// sequenced, so what the look-ahead sends until then does not go out on every frame.
TEST_F(HoldGuidanceTest, AHoldFixWithinTheLookAheadSendsNoAltitudeEveryFrame) {
  InboundTo("CENTR");
  Keys("HOLD 1L 6L");
  Press("EXEC");
  std::tie(cruise_alt, toc, tod, init_tod, vnav, lnav) = std::tuple(20000, 1, 1, 1, 1, 1);
  SouthOf("CENTR", -1.5);
  RunTicks(18);
  const int before = KeyEvents(kMcpAltitude);
  RunTicks(36);
  EXPECT_LT(KeyEvents(kMcpAltitude) - before, 36 / 3);
}

// HOLD at the present position, not executed: the heading commands keep to the route until EXEC.
TEST_F(HoldGuidanceTest, AHoldNotExecutedDoesNotSteer) {
  InboundTo("KELSO");
  lnav = 1;
  Keys("HOLD 6R");
  ASSERT_EQ(fms_fpln_active, 4);
  RunTicks(36);
  const NavRecord& kelso = Fix("KELSO");
  EXPECT_EQ(pattern_leg, 0);
  EXPECT_NEAR(LastHeadingSent(), MagneticBearing(plane_lat, plane_lon, kelso.lat, kelso.lon, mag_var), 2.0);
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
