// Test bed of the panel input: a freshly loaded module on the in-process host with the key-event
// handler registered, helpers for named and token variables, and the key events sent since a mark.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "afds/click_poller.h"
#include "module/key_handler.h"
#include "module/module_fixture.h"
#include "sim/sim_globals.h"
#include "platform/host_api.h"

class PanelInputTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    host::RegisterKeyHandler(&KeyEventHandler, nullptr);
  }

  double Named(const std::string& name) { return host().Named(name); }
  void SetNamed(const std::string& name, double value) { host().SetNamed(name, value); }
  void SetToken(uint32_t id, double value) { host().SetToken(id, value); }
  // The simulator reports a key event; the module's own sends come back after it, one at a time.
  void Key(uint32_t event_id, uint32_t value = 0) { host().SendKeyEvent(event_id, value); }

  // Key events the module sent from the mark on, in order.
  size_t Mark() { return host().key_events().size(); }
  std::vector<uint32_t> SentSince(size_t mark) {
    std::vector<uint32_t> ids;
    const auto& events = host().key_events();
    for (size_t i = mark; i < events.size(); ++i) ids.push_back(events[i].event_id);
    return ids;
  }
  std::vector<int32_t> ValuesOf(uint32_t event_id) {
    std::vector<int32_t> v;
    for (const auto& e : host().key_events()) {
      if (e.event_id == event_id) v.push_back(e.value);
    }
    return v;
  }
};

// One click-poller pass per click, at a phase that leaves out the electrical pass of frame 0.
class ClickTest : public PanelInputTest {
 protected:
  void SetUp() override {
    PanelInputTest::SetUp();
    server_phase = 3;
  }
  void Click(const std::string& name, double value = 1.0) {
    SetNamed(name, value);
    PollClickedVars();
  }
};
