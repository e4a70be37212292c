// A seeded random soak of the module: the simulator stand-in drives the library frame by frame while
// the pilot and the simulator do random things to it (CDU keys, clicks, key events, windows, token,
// expression, named-variable and FSUIPC changes, TCAS intruders), with extreme finite values mixed
// among plausible ones. Under the sanitizers any undefined behaviour stops the run.
//
// Every action is also written as a simhost scenario line (--scenario-out), so that a failing seed
// can be replayed with `simhost --sim-root COPY --scenario FILE` and cut down by hand.
//
//   ro757_soak --module LIB --sim-root DIR --source-dir SRC [--seed N] [--frames N] [--seconds S]
//              [--scenario-out FILE]
//
// The simulator folder is copied to a scratch folder first: the module writes into it.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/cdu_keyboard.h"
#include "host/host.h"
#include "host/module_loader.h"
#include "host/panel_config.h"
#include "host/token_types.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kLastToken = 1000;  // the module reads tokens below 900
constexpr int kSweepEvery = 250;       // frames between two settings of every token

// splitmix64: the same sequence for a seed on every platform.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed) {}
  uint64_t Next() {
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint64_t Below(uint64_t n) { return n == 0 ? 0 : Next() % n; }
  bool Chance(int percent) { return Below(100) < static_cast<uint64_t>(percent); }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

 private:
  uint64_t s_;
};

// A value the simulator could hand over: mostly plausible, sometimes absurd but finite.
double RandomValue(Rng& rng) {
  static const double kExtremes[] = {
      0.0, -0.0, 1.0, -1.0, 1e300, -1e300, 1e308, -1e308, std::numeric_limits<double>::max(),
      -std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), 1e-300, -1e-300,
      2147483647.0, -2147483648.0, 2147483648.0, -2147483649.0, 4294967295.0, 4294967296.0, 1e9, -1e9, 1e15,
      -1e15, 9.2e18, -9.2e18, 65535.0, 65536.0, 32767.0, -32768.0, 360.0, -360.0, 720.5, 1e6, -1e6};
  switch (rng.Below(6)) {
    case 0: return kExtremes[rng.Below(std::size(kExtremes))];
    case 1: return (rng.Unit() - 0.5) * 2e6;
    case 2: return static_cast<double>(static_cast<int64_t>(rng.Below(2001)) - 1000);
    case 3: return rng.Unit() * 400.0;
    case 4: return (rng.Unit() - 0.5) * 40000.0;
    default: return rng.Unit();
  }
}

std::string Number(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

std::string Quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  return out + "\"";
}

// The expressions the module evaluates, as its sources spell them.
std::vector<std::string> ModuleExpressions(const std::string& source_dir) {
  std::set<std::string> found;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(fs::path(source_dir) / "src", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string ext = it->path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(it->path());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // String literals of the form "(X:...)" with X one of the variable kinds.
    for (size_t at = text.find("\"("); at != std::string::npos; at = text.find("\"(", at + 1)) {
      const size_t close = text.find('"', at + 1);
      if (close == std::string::npos || close - at < 5 || text[at + 3] != ':' || text[close - 1] != ')') continue;
      if (std::string_view("ALEP").find(text[at + 2]) == std::string_view::npos) continue;
      found.insert(text.substr(at + 1, close - at - 1));
    }
  }
  return {found.begin(), found.end()};
}

struct Options {
  std::string module, sim_root, source_dir, scenario_out;
  uint64_t seed = 1;
  int64_t frames = 5000;
  double seconds = 0.0;  // when set, the run ends at this time or at the frame count, whichever comes first
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return false;
    const char* v = argv[++i];
    if (a == "--module") {
      o->module = v;
    } else if (a == "--sim-root") {
      o->sim_root = v;
    } else if (a == "--source-dir") {
      o->source_dir = v;
    } else if (a == "--scenario-out") {
      o->scenario_out = v;
    } else if (a == "--seed") {
      o->seed = std::strtoull(v, nullptr, 0);
    } else if (a == "--frames") {
      o->frames = std::strtoll(v, nullptr, 0);
    } else if (a == "--seconds") {
      o->seconds = std::strtod(v, nullptr);
    } else {
      return false;
    }
  }
  return !o->module.empty() && !o->sim_root.empty() && !o->source_dir.empty();
}

const char* const kCduKeys[] = {"INIT_REF", "RTE", "DEP_ARR", "VNAV", "FIX", "LEGS", "HOLD", "PROG", "EXEC",
                                "NAV_RAD", "PREV_PAGE", "NEXT_PAGE", "1L", "2L", "3L", "4L", "5L", "6L", "1R",
                                "2R", "3R", "4R", "5R", "6R", "SP", "DEL", "CLR", "+/-", ".", "/"};
const char* const kCduWords[] = {"KSEA", "KPDX", "SEA", "J5", "BTG", "TACMA1", "16L", "FL350", "250/10000", "0",
                                 "99999", "-1", "N47000W122000", "SEA/270/10", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"};

class Soak {
 public:
  Soak(const Options& o, std::FILE* scn) : o_(o), rng_(o.seed), scn_(scn) {}

  int Run(simhost::LoadedModule& module) {
    expressions_ = ModuleExpressions(o_.source_dir);
    host_.set_current_directory(o_.sim_root);
    host_.set_simulator_model(true);
    host_.Attach(module.import_table(), module.linkage());
    if (module.linkage()->module_init != nullptr) module.linkage()->module_init();
    Line("panel default");
    for (const simhost::PanelEntry& e : simhost::DefaultPanel(module.linkage())) {
      host_.CreateInstance(e.gauge, e.parameter, e.window);
    }
    for (const simhost::KnownGauge& g : simhost::KnownGauges()) {
      if (g.name == nullptr || g.popup_window == simhost::kNoPopup) continue;
      if (host_.CreateInstance(g.name, "WN", g.popup_window) != nullptr) Line(std::string("gauge ") + g.name + " WN");
    }
    host_.Startup();
    Frames(1);

    const auto start = std::chrono::steady_clock::now();
    int64_t done = 0;
    for (; done < o_.frames; ++done) {
      if (o_.seconds > 0.0 && (done & 63) == 0 &&
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > o_.seconds) {
        break;
      }
      if (done % kSweepEvery == 0) Sweep();
      Act();
      Frames(1);
    }
    FlushFrames();
    host_.Shutdown();
    if (module.linkage()->module_deinit != nullptr) module.linkage()->module_deinit();
    std::printf("soak: seed %" PRIu64 ", %" PRId64 " frames, %zu scenario lines\n", o_.seed, done, lines_);
    return 0;
  }

 private:
  void Line(const std::string& text) {
    FlushFrames();
    Write(text);
  }
  void Write(const std::string& text) {
    ++lines_;
    if (scn_ == nullptr) return;
    std::fputs(text.c_str(), scn_);
    std::fputc('\n', scn_);
    std::fflush(scn_);  // a sanitizer stop must leave the lines up to the fault
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      host_.RunFrame();
      ++pending_frames_;
    }
  }
  void FlushFrames() {
    if (pending_frames_ == 0) return;
    const int64_t n = pending_frames_;
    pending_frames_ = 0;
    Write("frames " + std::to_string(n));
  }

  void SetToken(uint32_t id, double v) {
    Line("set token " + std::to_string(id) + " " + Number(v));
    host_.SetToken(id, v);
  }

  // Every token once, plausible or extreme.
  void Sweep() {
    for (uint32_t id = 1; id <= kLastToken; ++id) {
      if (simhost::IsTextToken(id)) continue;
      SetToken(id, RandomValue(rng_));
    }
  }

  void Act() {
    if (rng_.Chance(30)) {
      for (uint64_t n = 1 + rng_.Below(3); n > 0; --n) SetToken(1 + static_cast<uint32_t>(rng_.Below(kLastToken)), RandomValue(rng_));
    }
    if (rng_.Chance(2)) {
      const std::string text = rng_.Chance(50) ? "SEA" : std::string(1 + rng_.Below(70), static_cast<char>('A' + rng_.Below(26)));
      Line("set tokentext 47 " + Quoted(text));
      host_.SetTokenText(47, text);
    }
    if (rng_.Chance(15) && !expressions_.empty()) {
      const std::string& e = expressions_[rng_.Below(expressions_.size())];
      if (e.find(",string)") != std::string::npos || e.find(", string)") != std::string::npos) {
        const std::string text = rng_.Chance(50) ? "Orvantel 757-200" : std::string(rng_.Below(300), 'X');
        Line("set text " + Quoted(e) + " " + Quoted(text));
        host_.SetExpressionText(e, text);
      } else {
        const double v = RandomValue(rng_);
        Line("set expr " + Quoted(e) + " " + Number(v));
        host_.SetExpression(e, v);
      }
    }
    const auto& names = host_.registration_order();
    if (rng_.Chance(15) && !names.empty()) {
      const std::string& n = names[rng_.Below(names.size())];
      const double v = rng_.Chance(60) ? static_cast<double>(rng_.Below(4)) : RandomValue(rng_);
      Line("set named " + n + " " + Number(v));
      host_.SetNamed(n, v);
    }
    if (rng_.Chance(10)) {
      const uint32_t id = 0x10000 + static_cast<uint32_t>(rng_.Below(0x400));
      const uint32_t value = rng_.Chance(50) ? static_cast<uint32_t>(rng_.Below(3)) : static_cast<uint32_t>(rng_.Next());
      Line("key " + std::to_string(id) + " " + std::to_string(value));
      host_.SendKeyEvent(id, value);
    }
    if (rng_.Chance(8)) Click();
    if (rng_.Chance(25)) Cdu();
    if (rng_.Chance(1)) {
      const uint32_t w = simhost::kPopupWindows[rng_.Below(simhost::kPopupWindows.size())];
      Line("window toggle " + std::to_string(w));
      host_.SetWindowShown(w, !host_.WindowShown(w));
    }
    if (rng_.Chance(3)) {
      static const uint32_t kSizes[] = {1, 2, 4, 8};
      const uint32_t offset = static_cast<uint32_t>(rng_.Below(0x10000));
      const uint32_t size = kSizes[rng_.Below(4)];
      const int64_t raw = static_cast<int64_t>(rng_.Next());
      Line("set fsuipc " + std::to_string(offset) + " " + std::to_string(size) + " " + std::to_string(raw));
      host_.fsuipc().SetValue(offset, size, static_cast<uint64_t>(raw));
    }
    if (rng_.Chance(2)) Tcas();
  }

  void Click() {
    const auto& instances = host_.instances();
    if (instances.empty()) return;
    simhost::GaugeInstance* i = instances[rng_.Below(instances.size())].get();
    const int n = static_cast<int>(rng_.Below(40));
    const bool right = rng_.Chance(20);
    if (!host_.ClickFunction(i, n, right ? gauge::kMouseRightSingle : gauge::kMouseLeftSingle)) return;
    Line("clickfn " + i->name + (i->parameter.empty() ? "" : " " + Quoted(i->parameter)) + " " + std::to_string(n) +
         (right ? " right" : ""));
  }

  void Cdu() {
    simhost::GaugeInstance* fms = host_.FindInstance("FMS", "");
    if (fms == nullptr) return;
    std::string word;
    std::vector<simhost::CduKeyPoint> keys;
    if (rng_.Chance(70)) {
      word = kCduKeys[rng_.Below(std::size(kCduKeys))];
      simhost::CduKeyPoint k;
      if (!simhost::FindCduKey(word, &k)) return;
      keys.push_back(k);
    } else {
      word = kCduWords[rng_.Below(std::size(kCduWords))];
      if (!simhost::CduKeysOfText(word, &keys)) return;
    }
    Line("cdu " + word);
    for (const simhost::CduKeyPoint& k : keys) {
      host_.Click(fms, k.x, k.y);
      if (k.applied_at_paint) host_.RunFrame();
    }
  }

  void Tcas() {
    simhost::TcasServer& t = host_.tcas();
    switch (rng_.Below(4)) {
      case 0: Line("tcas on"); t.Enable(); break;
      case 1: Line("tcas off"); t.Disable(); break;
      case 2: Line("tcas clear"); t.Clear(); break;
      default: {
        const double d = std::fabs(RandomValue(rng_)), b = RandomValue(rng_), a = RandomValue(rng_);
        const int threat = static_cast<int>(rng_.Below(16)) - 8, trend = static_cast<int>(rng_.Below(16)) - 8;
        if (t.Add(d, b, a, threat, trend)) {
          Line("tcas add " + Number(d) + " " + Number(b) + " " + Number(a) + " " + std::to_string(threat) + " " +
               std::to_string(trend));
        }
      }
    }
  }

  const Options& o_;
  Rng rng_;
  std::FILE* scn_;
  simhost::Host host_;
  std::vector<std::string> expressions_;
  int64_t pending_frames_ = 0;
  size_t lines_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: ro757_soak --module LIB --sim-root DIR --source-dir SRC [--seed N] [--frames N] "
                 "[--seconds S] [--scenario-out FILE]\n");
    return 2;
  }
  std::string scratch = (fs::temp_directory_path() / "ro757_soak_XXXXXX").string();
  if (::mkdtemp(scratch.data()) == nullptr) {
    std::perror("ro757_soak: scratch folder");
    return 2;
  }
  std::error_code ec;
  fs::copy(o.sim_root, scratch, fs::copy_options::recursive, ec);
  if (ec) {
    std::fprintf(stderr, "ro757_soak: cannot copy %s: %s\n", o.sim_root.c_str(), ec.message().c_str());
    return 2;
  }
  o.sim_root = scratch;
  o.module = fs::absolute(o.module).string();
  if (!o.scenario_out.empty()) o.scenario_out = fs::absolute(o.scenario_out).string();
  if (::chdir(scratch.c_str()) != 0) return 2;

  simhost::LoadedModule module;
  std::string error;
  if (!module.Load(o.module, &error)) {
    std::fprintf(stderr, "ro757_soak: %s\n", error.c_str());
    return 2;
  }
  std::FILE* scn = o.scenario_out.empty() ? nullptr : std::fopen(o.scenario_out.c_str(), "w");
  int status;
  {
    Soak soak(o, scn);
    status = soak.Run(module);
  }
  if (scn != nullptr) std::fclose(scn);
  fs::remove_all(scratch, ec);
  return status;
}
