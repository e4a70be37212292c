// Test bed of the autoflight logic: the per-tick test bed with helpers to look at the key events
// sent since a mark, as (id, value) pairs in order, and to settle the sampled state with one tick
// before a switch is pressed (the panels press switches between ticks).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "support/tick_fixture.h"

namespace afds_test {

using Event = std::pair<uint32_t, int32_t>;
using Events = std::vector<Event>;

class AfdsTest : public tick_test::TickTest {
 protected:
  void SetUp() override {
    TickTest::SetUp();
    RunTicks(1);
    Mark();
  }

  void Mark() { mark_ = host_.key_events().size(); }
  Events Sent() const {
    Events v;
    for (size_t i = mark_; i < host_.key_events().size(); ++i) {
      v.emplace_back(host_.key_events()[i].event_id, host_.key_events()[i].value);
    }
    return v;
  }
  // The events since the mark whose ids are listed, in order.
  Events SentOf(std::initializer_list<uint32_t> ids) const {
    Events v;
    for (const Event& e : Sent()) {
      for (uint32_t id : ids) {
        if (e.first == id) v.push_back(e);
      }
    }
    return v;
  }
  int Count(uint32_t id) const { return static_cast<int>(SentOf({id}).size()); }
  double Named(const char* name) const { return host_.Named(name); }
  // Bytes written to the throttle-disconnect offset, in order.
  std::vector<uint64_t> ThrottleDisconnectWrites() const {
    std::vector<uint64_t> v;
    for (const auto& w : host_.fsuipc().WritesTo(0x310A)) v.push_back(w.bytes.empty() ? 999 : w.bytes[0]);
    return v;
  }

  size_t mark_ = 0;
};

}  // namespace afds_test
