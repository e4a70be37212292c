// Test bed of the aircraft systems: a freshly loaded module with the in-process host and one SERVER
// gauge, whole SERVER frames run through the host, and a quiet aircraft (engines running, pumps and
// generators on, aligned IRSs, fuel in the mains) in which no EICAS message stands.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "support/sim_fixture.h"

namespace systems_test {

class SystemsFixture : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    server_ = host_.CreateInstance("SERVER", "", 0);
    ASSERT_NE(server_, nullptr);
    host_.SetToken(604, 100.0);  // past the first 10 s of the run
  }

  void RunFrames(int n) {
    for (int i = 0; i < n; ++i) host_.RunFrame();
  }
  // Runs frames up to and including the next one whose systems pass runs with server_phase 0.
  void RunToPhase0() {
    for (int i = 0; i < 18; ++i) {
      RunFrames(1);
      if (server_phase == 0) return;
    }
    ADD_FAILURE() << "no phase 0 within 18 frames";
  }

  void SetBattery(bool on) { host_.SetToken(364, on ? 1.0 : 0.0); }
  void SetEngines(bool left, bool right) {
    host_.SetToken(566, left ? 1.0 : 0.0);
    host_.SetToken(576, right ? 1.0 : 0.0);
    host_.SetToken(627, left ? 80.0 : 0.0);
    host_.SetToken(646, right ? 80.0 : 0.0);
  }
  // Left and right mains 1000 gal each at 6.7 lb/gal (6700 lb a side), centre empty.
  void SetMainTanksFull() {
    host_.SetToken(306, 6.7);
    for (uint32_t capacity : {292u, 298u}) host_.SetToken(capacity, 1000.0);
    for (uint32_t level : {291u, 297u}) host_.SetToken(level, 8388608.0);
  }
  void QuietAircraft() {
    SetBattery(true);
    SetEngines(true, true);
    SetMainTanksFull();
    l_gen_cont = r_gen_cont = 2;
    c_elec_hyd1_pump_mode = 2;
    l_yaw_damper_mode = r_yaw_damper_mode = 3;
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  }

  int KeyEvents(uint32_t id) const {
    int n = 0;
    for (const auto& e : host_.key_events()) n += e.event_id == id ? 1 : 0;
    return n;
  }
  std::vector<int32_t> KeyValues(uint32_t id) const {
    std::vector<int32_t> v;
    for (const auto& e : host_.key_events()) {
      if (e.event_id == id) v.push_back(e.value);
    }
    return v;
  }
  double Named(const std::string& name) const { return host_.Named(name); }

  simhost::GaugeInstance* server_ = nullptr;
};

}  // namespace systems_test
