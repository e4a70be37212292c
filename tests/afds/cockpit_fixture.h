// Test bed of a cockpit as the simulator loads it: a scratch simulator folder with the
// configuration file, the example aircraft folders and a panel-state folder; the systems gauges of
// the panel and their start-up messages; then whole frames, with the simulator applying the key
// events the module sends. A boot may be repeated on the same folder, as a restart of the simulator.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "host/host.h"
#include "host/panel_config.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "support/temp_dir.h"

namespace cockpit_test {

class CockpitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path aircraft = RO757_SOURCE_DIR "/examples/sim/SimObjects";
    std::filesystem::copy(aircraft, dir_ / "SimObjects", std::filesystem::copy_options::recursive);
    dir_.MakeDir("Orvantel/PanelStates");
  }
  void TearDown() override {
    host_.reset();
    ResetModuleState();
  }

  // Boots the module with `config` (lines of the configuration file) under the aircraft `title`,
  // in the flight state Fly() gives.
  void Boot(const std::string& config, const std::string& title = "Orvantel 757-200 House") {
    host_.reset();
    ResetModuleState();
    dir_.Write("Orvantel/ro757.cfg", config);
    host_ = std::make_unique<simhost::Host>();
    host_->Attach(&ImportTable, &Linkage);
    host_->set_simulator_model(true);
    host_->set_current_directory(dir_.path());
    host_->SetExpressionText("(A:TITLE,string)", title);
    Fly();
    for (const char* gauge : Gauges()) {
      ASSERT_NE(host_->CreateInstance(gauge, "", simhost::kMainPanelWindow), nullptr) << gauge;
    }
    host_->Startup();
  }

  // The overhead's server, the thrust-mode panel and the upper EICAS that takes its requests; the
  // other displays only paint.
  virtual std::vector<const char*> Gauges() const { return {"SERVER", "TMSP", "UPPER_EICAS"}; }

  // Level at FL200 over Washington state, 318 kt, heading 184, engines running, battery on, the
  // autopilot's altitude lock and heading bug where the MCP shows them.
  virtual void Fly() {
    simhost::Host& h = *host_;
    h.SetToken(60, 0.0);
    h.SetToken(71, 47.107 * 111130.555557);
    h.SetToken(72, (360.0 - 122.3963) * 781874935307.4);
    h.SetToken(81, 184.0);
    h.SetToken(86, 200.0);
    h.SetToken(82, 16.0);
    h.SetExpression("(A:INDICATED ALTITUDE, feet)", 20000.0);
    h.SetToken(614, 5945.0);
    h.SetToken(61, 318.0);
    h.SetToken(551, 712.3);
    h.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 20000.0);
    h.SetToken(107, 184.0);
    h.SetToken(364, 1.0);
    h.SetToken(566, 1.0);
    h.SetToken(576, 1.0);
    h.SetToken(627, 92.0);
    h.SetToken(646, 92.0);
  }

  void RunFrames(int n) {
    for (int i = 0; i < n; ++i) host_->RunFrame();
  }
  // A switch of the overhead or the 3-D cockpit: its click variable, which the poller takes within
  // three frames.
  void Press(const std::string& click_variable) {
    host_->SetNamed(click_variable, 1.0);
    RunFrames(3);
  }
  // Runs frames until `done` holds, at most `limit` of them; false when it never did.
  template <typename Done>
  bool RunUntil(Done done, int limit) {
    for (int i = 0; i < limit; ++i) {
      if (done()) return true;
      host_->RunFrame();
    }
    return done();
  }
  // APU switch ON, then frames until the APU runs.
  void StartApu() {
    Press("apu_switch_clicked");
    ASSERT_TRUE(RunUntil([] { return apu_mode == 2; }, 400));
  }

  int KeyEvents(uint32_t id) const {
    int n = 0;
    for (const auto& e : host_->key_events()) n += e.event_id == id ? 1 : 0;
    return n;
  }

  testing_support::TempDir dir_;
  std::unique_ptr<simhost::Host> host_;
};

}  // namespace cockpit_test
