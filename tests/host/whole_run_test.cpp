// Every example scenario run in-process on the linked module, checked after every frame for what a
// user expects of any frame: no published named variable and no sampled value the displays read is
// NaN or infinite, every powered display draws something within one redraw cycle, and the
// speed-trend arrow stays short while the airspeed is steady. (The test main traps NaN and
// infinity where the module's own arithmetic makes them.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "base/geodesy.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "sim/derived_samples.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "host/module_loader.h"
#include "host/paint_record.h"
#include "host/panel_config.h"
#include "host/simhost_app.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRedrawCycle = 18;             // frames: every display paints at least once in them
constexpr int kSteadyFrames = 3 * 18;        // the airspeed unchanged this long counts as steady
constexpr double kSteadyTrendMaxKt = 1.0;    // predicted minus present airspeed then (1.55 PFD units)
constexpr uint32_t kAirspeedToken = 61;

// A line or a text: a background fill alone leaves the display blank to the eye.
bool ShowsSomething(const gfx::Recording& rec) {
  return std::any_of(rec.ops().begin(), rec.ops().end(),
                     [](const gfx::Op& op) { return op.kind == gfx::OpKind::Stroke || op.kind == gfx::OpKind::Text; });
}

// The checks of one run, fed frame by frame; keeps the first ten faults it finds.
class Invariants {
 public:
  void Check(const simhost::Host& h, const simhost::PaintRecorder& rec) {
    frame_ = h.frame();
    for (const std::string& name : h.registration_order()) {
      const double v = h.Named(name);
      if (!std::isfinite(v)) Fault("named variable " + name + " = " + std::to_string(v));
    }
#define RO_CHECK_SCALAR_(type, name, init) Finite(#name, name);
#define RO_CHECK_ARRAY_(type, name, rows) \
  for (int i = 0; i < (rows); ++i) Finite(#name "[" + std::to_string(i) + "]", name[i]);
    SIM_TICK_SAMPLE_GLOBALS(RO_CHECK_SCALAR_)
    GEODESY_SCALARS(RO_CHECK_SCALAR_)
    SIM_DERIVED_SCALARS(RO_CHECK_SCALAR_)
    SIM_DERIVED_ARRAYS(RO_CHECK_ARRAY_)
    DISPLAYS_SCALARS(RO_CHECK_SCALAR_)
    DISPLAYS_ARRAYS(RO_CHECK_ARRAY_)
#undef RO_CHECK_SCALAR_
#undef RO_CHECK_ARRAY_
    CheckDisplays(h, rec);
    CheckTrend(h);
  }

  const std::vector<std::string>& faults() const { return faults_; }
  int fault_count() const { return fault_count_; }
  int display_paints_seen() const { return paints_seen_; }

 private:
  template <typename T>
  void Finite(const std::string& name, const T& v) {
    if constexpr (std::is_floating_point_v<T>) {
      if (!std::isfinite(v)) Fault(name + " = " + std::to_string(v));
    }
  }

  void Fault(const std::string& what) {
    ++fault_count_;
    if (faults_.size() < 10) faults_.push_back("frame " + std::to_string(frame_) + ": " + what);
  }

  // A display whose window is shown, with no pop-up of its own open elsewhere, paints in full on
  // its redraw slots while the aircraft is powered; a blank lower EICAS is a page choice.
  void CheckDisplays(const simhost::Host& h, const simhost::PaintRecorder& rec) {
    powered_frames_ = ac_power >= 2 ? powered_frames_ + 1 : 0;
    for (const auto& i : h.instances()) {
      const simhost::KnownGauge* known = simhost::FindKnownGauge(i->name);
      const bool popup_elsewhere = known != nullptr && known->popup_window != simhost::kNoPopup &&
                                   i->parameter != "WN" && h.WindowShown(static_cast<uint32_t>(known->popup_window));
      const bool shown = i->window < 0 || h.WindowShown(static_cast<uint32_t>(i->window));
      for (size_t s = 0; s < i->surfaces.size(); ++s) {
        const gauge::DeviceContext* dc = i->surfaces[s].get();
        const std::string key = i->name + (i->parameter.empty() ? "" : " " + i->parameter) +
                                (s > 0 ? " surface " + std::to_string(s) : "");
        int64_t& last = last_drawn_[key];
        if (rec.PaintedLastFrame(dc) && ShowsSomething(rec.Latest(dc))) {
          last = frame_;
          ++paints_seen_;
        }
        const bool exempt = !shown || popup_elsewhere || (i->name == "LOWER_EICAS" && lower_eicas_mode != 1 &&
                                                          lower_eicas_mode != 2);
        if (exempt) last = frame_;
        if (powered_frames_ > kRedrawCycle && frame_ - last >= kRedrawCycle) {
          Fault(key + " powered but has drawn nothing since frame " + std::to_string(last));
          last = frame_;  // one fault a cycle
        }
      }
    }
  }

  void CheckTrend(const simhost::Host& h) {
    const double airspeed = h.Token(kAirspeedToken);
    steady_for_ = airspeed == last_airspeed_ ? steady_for_ + 1 : 0;
    last_airspeed_ = airspeed;
    if (steady_for_ < kSteadyFrames) return;
    if (std::fabs(ias_predicted - ias) > kSteadyTrendMaxKt) {
      Fault("steady airspeed " + std::to_string(airspeed) + " kt but the trend predicts " +
            std::to_string(ias_predicted) + " kt from " + std::to_string(ias) + " kt");
    }
  }

  int64_t frame_ = 0;
  std::vector<std::string> faults_;
  int fault_count_ = 0;
  int powered_frames_ = 0;
  std::map<std::string, int64_t> last_drawn_;
  int paints_seen_ = 0;
  double last_airspeed_ = -1.0;
  int steady_for_ = 0;
};

std::vector<std::string> ScenarioNames() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(fs::path(RO757_SOURCE_DIR) / "examples/scenarios")) {
    if (e.path().extension() == ".scn") names.push_back(e.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A run of its own: a fresh module, a copy of the example simulator folder as the current
// directory, and an empty application-data folder; all put back afterwards.
class WholeRun : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    ResetModuleState();
    fs::copy(fs::path(RO757_SOURCE_DIR) / "examples/sim", dir_ / "sim", fs::copy_options::recursive);
    cwd_ = fs::current_path();
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    had_xdg_ = xdg != nullptr;
    if (had_xdg_) xdg_ = xdg;
    dir_.MakeDir("config");
    ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
  }
  void TearDown() override {
    fs::current_path(cwd_);
    if (had_xdg_) {
      ::setenv("XDG_CONFIG_HOME", xdg_.c_str(), 1);
    } else {
      ::unsetenv("XDG_CONFIG_HOME");
    }
  }

  testing_support::TempDir dir_;
  fs::path cwd_;
  bool had_xdg_ = false;
  std::string xdg_;
};

TEST_P(WholeRun, EveryFrameKeepsTheInvariants) {
  simhost::LoadedModule module;
  module.Adopt(&ImportTable, &Linkage, nullptr);
  simhost::SimhostOptions options;
  options.sim_root = dir_ / "sim";
  options.scenario = (fs::path(RO757_SOURCE_DIR) / "examples/scenarios" / (GetParam() + ".scn")).string();
  std::ostringstream out, err;
  Invariants inv;
  const int status = simhost::RunModule(options, module, out, err,
                                        [&](const simhost::Host& h, const simhost::PaintRecorder& r) { inv.Check(h, r); });
  ASSERT_EQ(status, 0) << err.str() << out.str();
  std::string faults;
  for (const std::string& f : inv.faults()) faults += "  " + f + "\n";
  EXPECT_EQ(inv.fault_count(), 0) << GetParam() << ", the first faults:\n" << faults;
  EXPECT_GT(inv.display_paints_seen(), 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, WholeRun, ::testing::ValuesIn(ScenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& p) { return p.param; });

}  // namespace
