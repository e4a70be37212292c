// Test bed of the vertical profile, VNAV and the traffic pattern: active routes laid out from small
// tables of legs, the execution sequence of the profile, and the key events the module sent.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "fmc/fmc_globals.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "fmc/vertical_profile.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "support/sim_fixture.h"

namespace vnav_test {

struct PlannedLeg {
  const char* ident;
  double lat;
  double lon;
  int32_t restr = 0;          // 1 altitude, 2 speed, 3 both
  double alt = kNoConstraint;  // ft
  double ias = kNoConstraint;  // kt
};

// Rows 0..n-1 of the active route; the first and last rows are airports. Leg 1 becomes active.
inline void SetActiveRoute(std::initializer_list<PlannedLeg> legs) {
  int32_t i = 0;
  for (const PlannedLeg& planned : legs) {
    RouteLeg& leg = fms_fpln_act[i];
    ResetRouteLeg(leg);
    std::tie(leg.ident, leg.lat, leg.lon) = std::tuple(planned.ident, planned.lat, planned.lon);
    std::tie(leg.restr, leg.alt, leg.ias) = std::tuple(planned.restr, planned.alt, planned.ias);
    leg.type = i == 0 || i + 1 == static_cast<int32_t>(legs.size()) ? "APT" : "INT";
    ++i;
  }
  std::tie(fp_cnt, stpos, fms_fpln_active) = std::tuple(i - 1, 1, 3);
}

// The first altitude-constrained leg from the active one on, or the destination.
inline int32_t FirstConstrainedLeg() {
  for (int32_t i = stpos; i <= fp_cnt; ++i) {
    if (fms_fpln_act[i].restr == 1 || fms_fpln_act[i].restr == 3) return i;
  }
  return fp_cnt;
}

// What route execution runs for a cruise altitude: the profile, the T/C, the distances, the T/D and
// the distances again.
inline void ExecuteProfile(int32_t cruise_ft) {
  cruise_alt = cruise_ft;
  if (init_tod == 0) init_cruise_alt = cruise_alt;
  next_restr_leg = FirstConstrainedLeg();
  CalcRouteProfile(cruise_alt);
  PredictToc(0);
  ComputeRouteDistances();
  PredictTod(0);
  ComputeRouteDistances();
}

inline double DistNm(double lat1, double lon1, double lat2, double lon2) {
  return CalcDistNm(lat1, lon1, lat2, lon2);
}

class VnavTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    gross_weight = 150000.0;  // with no fuel on board: a 3.0 degree climb
  }

  // Key events sent since the last Mark().
  void Mark() { mark_ = host_.key_events().size(); }
  std::vector<int32_t> Sent(uint32_t event_id) const {
    std::vector<int32_t> values;
    for (size_t i = mark_; i < host_.key_events().size(); ++i) {
      if (host_.key_events()[i].event_id == event_id) values.push_back(host_.key_events()[i].value);
    }
    return values;
  }
  size_t EventCount() const { return host_.key_events().size() - mark_; }
  const auto& Event(size_t i) const { return host_.key_events()[mark_ + i]; }

 private:
  size_t mark_ = 0;
};

}  // namespace vnav_test
