// Test bed of the panel-state files: the state test bed with a panel-state folder, the simulator's
// position, altitude and heading as the panel-state checks read them, and the key events sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/state_fixture.h"

class PanelStateTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    dir_.MakeDir("Orvantel/PanelStates");
  }

  // Tokens 71 and 72 in the simulator's units (a west longitude counts on from 180 degrees east).
  void SetPosition(double lat, double lon) {
    host_.SetToken(71, lat * 111130.555557);
    host_.SetToken(72, (lon < 0.0 ? lon + 360.0 : lon) * 781874935307.4);
  }
  void SetAltitude(double ft) { host_.SetExpression("(A:INDICATED ALTITUDE, feet)", ft); }
  void SetHeading(double deg) { host_.SetToken(81, deg); }

  std::string PanelPath(const std::string& file) const { return dir_ / ("Orvantel/PanelStates/" + file); }
  void WritePanel(const std::string& file, const std::string& text) const {
    WriteText("Orvantel/PanelStates/" + file, text);
  }

  std::vector<int32_t> KeyEventValues(uint32_t event_id) const {
    std::vector<int32_t> v;
    for (const auto& e : host_.key_events()) {
      if (e.event_id == event_id) v.push_back(e.value);
    }
    return v;
  }
};
