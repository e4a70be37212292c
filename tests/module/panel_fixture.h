// Test bed of the panel gauges: the frame's fixture with helpers that read an instance's pictures
// and readouts and click its areas as the host does.
#pragma once

#include <string>
#include <vector>

#include "module/module_fixture.h"
#include "module/main_update.h"

class PanelGaugeTest : public FrameTest {
 protected:
  // Numbers of the shown elements among first..last.
  static std::vector<int> Shown(simhost::GaugeInstance* g, int first, int last) {
    std::vector<int> shown;
    for (int n = first; n <= last; ++n) {
      if (!g->ElementHidden(n)) shown.push_back(n);
    }
    return shown;
  }
  // Runs the readout's string callback as the host does when it redraws the string.
  static std::string Readout(simhost::GaugeInstance* g, int n) {
    gauge::ElementHeader* e = g->Element(n);
    EXPECT_EQ(e->string_callback(e), 0.0);
    return e->string;
  }
  bool Click(simhost::GaugeInstance* g, int x, int y, uint32_t flags = gauge::kMouseLeftSingle) {
    return host().Click(g, x, y, flags);
  }
  // The last key event sent, or event 0 with value -1 when none was.
  simhost::KeyEventRecord LastKey() {
    const auto& events = host().key_events();
    return events.empty() ? simhost::KeyEventRecord{0, -1, 0} : events.back();
  }
  // Spends the simulator tick, so that the next callback's MainUpdate leaves the sampled state alone.
  static void SpendTick() { MainUpdate(); }
};
