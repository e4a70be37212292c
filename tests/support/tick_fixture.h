// Test bed of the per-tick steps: a freshly loaded module with the in-process host, whole ticks run
// through MainUpdate (token 1 advancing), simulator values set in their raw units, and an active
// route laid out without the CDU.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "module/main_update.h"
#include "sim/sim_access.h"
#include "sim/tick_globals.h"
#include "support/sim_fixture.h"

namespace tick_test {

struct RoutePoint {
  std::string ident;
  double lat;
  double lon;
};

class TickTest : public testing_support::SimFixture {
 protected:
  void RunTicks(int n) {
    for (int i = 0; i < n; ++i) {
      tick_ += 1.0;
      host_.SetToken(1, tick_);
      MainUpdate();
    }
  }

  // Runs ticks up to and including the next one that runs the route block (a route not measured
  // since its EXEC is measured at the next tick).
  void RunToRouteSlot() {
    for (int i = 0; i < 18; ++i) {
      const bool unmeasured = dist_to_active_wpt == kNoActiveWpt;
      RunTicks(1);
      if (unmeasured || redraw_tick == 0 || redraw_tick == 8 || redraw_tick == 12 || tick36_counter == 0) return;
    }
    ADD_FAILURE() << "no route slot within a display cycle";
  }

  // Runs ticks that are not route slots (at most `n`; stops before a slot).
  void RunOffSlotTicks(int n) {
    for (int i = 0; i < n; ++i) {
      const int next = redraw_tick + 1 > 17 ? 0 : redraw_tick + 1;
      const int next36 = tick36_counter + 1 > 35 ? 0 : tick36_counter + 1;
      if (next == 0 || next == 8 || next == 12 || next36 == 0 || dist_to_active_wpt == kNoActiveWpt) return;
      RunTicks(1);
    }
  }

  void SetPosition(double lat, double lon) {
    host_.SetToken(71, lat * 111130.555557);
    host_.SetToken(72, (lon < 0.0 ? lon + 360.0 : lon) * 781874935307.4);
  }
  void SetGroundSpeedKt(double kt) { host_.SetToken(551, kt * 1.68781); }
  void SetRadioHeightFt(double ft) { host_.SetToken(614, (ft + 9.0) / 3.2808399); }
  void SetAltitudeFt(double ft) { host_.SetExpression("(A:INDICATED ALTITUDE, feet)", ft); }
  void SetVerticalSpeedFpm(double fpm) { host_.SetToken(65, fpm * 1.30048); }
  void SetMagVar(double deg) { host_.SetToken(82, deg); }
  // The airspeed filter starts at the value, so the first sample reads it.
  void SetIasKt(double kt) {
    host_.SetToken(61, kt);
    sim_vars.old = kt;
  }

  // An active route (state 3) through the points, row 0 the origin, the active leg `active` with
  // the LNAV leg from the row before it.
  void SetActiveRoute(const std::vector<RoutePoint>& points, int32_t active = 1) {
    for (size_t i = 0; i < points.size(); ++i) {
      RouteLeg& leg = fms_fpln_act[i];
      ResetRouteLeg(leg);
      leg.ident = points[i].ident;
      leg.lat = points[i].lat;
      leg.lon = points[i].lon;
    }
    fp_cnt = static_cast<int32_t>(points.size()) - 1;
    stpos = active;
    fms_fpln_active = 3;
    const RouteLeg& from = fms_fpln_act[active > 0 ? active - 1 : 0];
    const RouteLeg& to = fms_fpln_act[active];
    lnav_leg[0].FrId = from.ident;
    lnav_leg[0].fr_lat = from.lat;
    lnav_leg[0].fr_lon = from.lon;
    lnav_leg[0].ToId = to.ident;
    lnav_leg[0].to_lat = to.lat;
    lnav_leg[0].to_lon = to.lon;
  }

  // A northbound route on the 122 W meridian, legs 0.5 degrees (30 NM) apart from 47 N.
  static std::vector<RoutePoint> NorthboundRoute(int legs) {
    std::vector<RoutePoint> r;
    for (int i = 0; i <= legs; ++i) r.push_back({"WP" + std::to_string(i), 47.0 + 0.5 * i, -122.0});
    return r;
  }

  int KeyEvents(uint32_t id) const {
    int n = 0;
    for (const auto& e : host_.key_events()) n += e.event_id == id ? 1 : 0;
    return n;
  }
  std::vector<int32_t> KeyEventValues(uint32_t id) const {
    std::vector<int32_t> v;
    for (const auto& e : host_.key_events()) {
      if (e.event_id == id) v.push_back(e.value);
    }
    return v;
  }
  double tick_ = 1000.0;
};

}  // namespace tick_test
