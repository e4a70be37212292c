// Panel states across restarts: the module runs a scenario on a copy of the example simulator folder,
// shuts down, and runs again on the same folder from a fresh start, as a user restarts the simulator.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "host/host.h"
#include "host/module_loader.h"
#include "host/simhost_app.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "sim/sim_globals.h"
#include "state/config_globals.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kRteHoldPage = 39;

// Parked at a Seattle gate, fuelled, with a passenger title.
const std::string kAtTheGate =
    "set text \"(A:TITLE,string)\" \"Orvantel 757-200 House\"\n"
    "set token 60 1\nset token 71 5273144.861\nset token 72 185843071498280.6\nset token 81 160\n"
    "set expr \"(A:INDICATED ALTITUDE, feet)\" 433\n"
    "set token 306 6.7\nset token 292 2087\nset token 298 2087\nset token 290 7292\n"
    "set token 291 8388608\nset token 297 8388608\n"
    "set expr \"(A:EMPTY WEIGHT,pounds)\" 128000\nset expr \"(A:Payload Station Weight:1,pounds)\" 30000\n";

class PanelStateRestartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(fs::path(RO757_SOURCE_DIR) / "examples/sim", dir_ / "sim", fs::copy_options::recursive);
    cwd_ = fs::current_path();
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr) xdg_ = xdg;
    dir_.MakeDir("config");
    ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
  }
  void TearDown() override {
    fs::current_path(cwd_);
    if (xdg_.has_value()) {
      ::setenv("XDG_CONFIG_HOME", xdg_->c_str(), 1);
    } else {
      ::unsetenv("XDG_CONFIG_HOME");
    }
    ResetModuleState();
  }

  // One run of the module from a fresh start to its shutdown; the globals stay as it left them.
  void Run(const std::string& scenario) {
    ResetModuleState();
    dir_.Write("run.scn", scenario);
    simhost::LoadedModule module;
    module.Adopt(&ImportTable, &Linkage, nullptr);
    simhost::SimhostOptions options;
    options.sim_root = dir_ / "sim";
    options.scenario = dir_ / "run.scn";
    std::ostringstream out, err;
    const int status = simhost::RunModule(options, module, out, err, [this](const simhost::Host& h, const auto&) {
      cabin_switch_ = h.Named("ov_cabin_announcements");
    });
    ASSERT_EQ(status, 0) << err.str() << out.str();
  }

  testing_support::TempDir dir_;
  fs::path cwd_;
  std::optional<std::string> xdg_;
  double cabin_switch_ = -1.0;
};

// A hold saved by the flight save comes back whole at the next start: the HOLD key opens it.
TEST_F(PanelStateRestartTest, HoldComesBackAfterARestart) {
  Run(kAtTheGate +
      "at 20 cdu RTE KSEA 1L KPDX 1R LEGS SEA 1L TACMA 2L CENTR 3L KELSO 4L RTE 6R EXEC\n"
      "cdu HOLD 4L 6L 270/L 3L 1.5 4L EXEC\nkey 0x10027\nframes 2\n");
  Run(kAtTheGate + "at 20 cdu HOLD\nframes 2\n");
  EXPECT_EQ(std::tuple(cdu_message, fms_page, hold_cnt), std::tuple("PANEL STATE LOADED OK", kRteHoldPage, 1));
  const RouteHold& h = route_holds[1];
  EXPECT_EQ(std::tie(h.fix, h.leg, h.turn, h.inbd_crs, h.leg_mode, h.leg_time),
            std::tuple("KELSO", 4, 2, 270.0, 1, 1.5));
  EXPECT_EQ(std::tie(fms_fpln_act[4].hold_idx, fms_fpln_mod[4].hold_idx), std::tuple(1, 1));
}

// The SID choice, the pilot's V1 and the reserves come back: TAKEOFF REF keeps V1, and another
// runway takes the SID's legs for that runway.
TEST_F(PanelStateRestartTest, SidChoiceVSpeedsAndReservesComeBackAfterARestart) {
  Run(kAtTheGate +
      "at 20 cdu RTE KSEA 1L KPDX 1R DEP_ARR 1L 1L 1R 2L RTE 6R EXEC\n"
      "cdu INIT_REF 6L 3L 158 3L 6.2 4L FL200 1R EXEC\ncdu 6L 4L 128 1R\ncdu 6L DEP 5R\nframes 2\n");
  Run(kAtTheGate + "at 20 cdu INIT_REF 6L 4R 1L INIT_REF 6L 4L\nframes 2\n");
  EXPECT_EQ(std::tuple(v1, v1_set, reserves, sid_sel, sid_sel_act, sid_trans_sel),
            std::tuple(128, 128, 6200.0, "TACMA1", "TACMA1", "CENTR"));
  EXPECT_EQ(fms_fpln_mod[1].ident, "HD162");
  Run(kAtTheGate + "at 20 cdu INIT_REF 6L 4R 1L DEP_ARR 1L 2R\nframes 2\n");  // runway 34R
  EXPECT_EQ(fms_fpln_mod[1].ident + " " + fms_fpln_mod[2].ident, "HD342 HD220");
}

// A state saved on a passenger aircraft and loaded at start-up by PanelState= leaves a freighter's
// cabin announcements off.
TEST_F(PanelStateRestartTest, FreighterCabinStaysQuietAfterAStartUpLoad) {
  Run(kAtTheGate + "at 20 cdu INIT_REF 6L PAX 5R\nframes 2\n");
  std::string cfg = testing_support::ReadBytes(dir_ / "sim/Orvantel/ro757.cfg");
  const size_t at = cfg.find("PanelState=\r\n");
  ASSERT_NE(at, std::string::npos);
  dir_.Write("sim/Orvantel/ro757.cfg", cfg.insert(at + 11, "PAX.PNL"));
  std::string freighter = kAtTheGate;
  freighter.replace(freighter.find("757-200 House"), 13, "757-200F Cargo");
  Run(freighter + "at 20 frames 2\n");
  EXPECT_EQ(std::tuple(cdu_message, play_announcements, cabin_switch_), std::tuple("PANEL STATE LOADED OK", 0, 0.0));
}

}  // namespace
