// Test bed of the configuration and identification: a freshly reset module on an in-process host,
// whose simulator folder is a scratch directory the tests lay their files into.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "module/module_entry.h"
#include "module/module_state.h"
#include "host/host.h"
#include "sim/sim_globals.h"
#include "support/temp_dir.h"

class StateTest : public ::testing::Test {
 protected:
  void SetUp() override { Restart(); }
  // A fresh module on the same host and folder, for cases that run one after another.
  void Restart() {
    ResetModuleState();
    host_.Attach(&ImportTable, &Linkage);
    SetSimRoot(dir_.path());
  }
  void TearDown() override { ResetModuleState(); }

  static void SetSimRoot(const std::string& path) { sim_root = path; }

  // Writes a file of the simulator folder as a Windows text file: every "\n" becomes CR LF.
  void WriteText(const std::string& rel, std::string_view text) const {
    std::string bytes;
    for (char c : text) {
      if (c == '\n') bytes += '\r';
      bytes += c;
    }
    dir_.Write(rel, bytes);
  }
  void WriteConfig(std::string_view text) const { WriteText("Orvantel/ro757.cfg", text); }

  testing_support::TempDir dir_;
  simhost::Host host_;
};

// The panel-state files' test bed: a panel-state folder, the simulator's position, altitude and
// heading as the panel-state checks read them, and the key events sent.
class PanelStateTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    dir_.MakeDir("Orvantel/PanelStates");
  }

  // Tokens 71 and 72 in the simulator's units (a west longitude counts on from 180 degrees east).
  void At(double lat, double lon, double alt_ft, double hdg_deg) {
    host_.SetToken(71, lat * 111130.555557);
    host_.SetToken(72, (lon < 0.0 ? lon + 360.0 : lon) * 781874935307.4);
    host_.SetExpression("(A:INDICATED ALTITUDE, feet)", alt_ft);
    host_.SetToken(81, hdg_deg);
  }

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
