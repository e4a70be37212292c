// Test bed of the module frame: a freshly loaded module with the in-process host attached, and
// helpers to drive the gauges the way the host does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "module/module_entry.h"
#include "module/module_state.h"
#include "host/host.h"

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    host_ = std::make_unique<simhost::Host>();
    host_->Attach(&ImportTable, &Linkage);
  }
  void TearDown() override { host_.reset(); }

  simhost::Host& host() { return *host_; }

  simhost::GaugeInstance* Create(const std::string& name, const std::string& parameter = "", int32_t window = 0) {
    simhost::GaugeInstance* g = host_->CreateInstance(name, parameter, window);
    EXPECT_NE(g, nullptr) << name;
    return g;
  }
  simhost::GaugeInstance* Server(const std::string& parameter = "") { return Create("SERVER", parameter); }

  void Send(simhost::GaugeInstance* g, int32_t service) { host_->Message(g, service); }
  void Startup() { host_->Startup(); }
  void RunTicks(int n) {
    for (int i = 0; i < n; ++i) host_->RunFrame();
  }


  int KeyEvents(uint32_t event_id) const {
    int n = 0;
    for (const auto& e : host_->key_events()) n += (e.event_id == event_id) ? 1 : 0;
    return n;
  }

 private:
  std::unique_ptr<simhost::Host> host_;
};
