#include "host/simhost_app.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>

#include "host/host.h"
#include "host/module_loader.h"
#include "host/panel_config.h"
#include "host/png_writer.h"
#include "host/scenario.h"

namespace simhost {

namespace fs = std::filesystem;

namespace {

constexpr size_t kSummaryKeyEvents = 20;

std::string FormatNumber(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

std::string FormatKeyEvent(const KeyEventRecord& k) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "frame %lld: event 0x%05X (%u) value %d", static_cast<long long>(k.frame),
                k.event_id, k.event_id, k.value);
  return buf;
}

std::string DefaultModulePath() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "libro757.so";
  return (exe.parent_path() / "libro757.so").string();
}

std::string Absolute(const std::string& p) {
  std::error_code ec;
  fs::path a = fs::absolute(p, ec);
  return ec ? p : a.lexically_normal().string();
}

// One simhost run after its inputs have been checked.
class Run {
 public:
  Run(const SimhostOptions& options, const Scenario& scenario, LoadedModule& module, std::ostream& out)
      : options_(options), scenario_(scenario), module_(module), out_(out) {}

  // Returns the exit status; *error holds the message of a failure.
  int Execute(std::string* error) {
    host_.set_current_directory(options_.sim_root);
    host_.set_simulator_model(true);
    host_.Attach(module_.import_table(), module_.linkage());
    if (module_.linkage()->module_init != nullptr) module_.linkage()->module_init();

    int status = 0;
    if (!BuildPanel(error)) {
      status = 1;
    } else {
      // The leading settings describe the simulator as the module finds it when the panel loads.
      const auto& commands = scenario_.commands;
      size_t first = 0;
      for (; first < commands.size() && IsSetting(commands[first].kind) && status == 0; ++first) {
        if (!Perform(commands[first], error)) {
          *error = AtLine(scenario_.file, commands[first].line, *error);
          status = 1;
        }
      }
      host_.Startup();
      for (size_t i = first; status == 0 && i < commands.size(); ++i) {
        const ScenarioCommand& c = commands[i];
        if (!Perform(c, error)) {
          *error = AtLine(scenario_.file, c.line, *error);
          status = 1;
          break;
        }
      }
      while (status == 0 && host_.frame() < options_.frames) host_.RunFrame();
      for (const ScenarioCommand* w : watches_) watched_.push_back(Describe(*w));
      if (module_.status() != nullptr) {
        module_.status()(&status_);
        have_status_ = true;
      }
      host_.Shutdown();
    }
    if (module_.linkage()->module_deinit != nullptr) module_.linkage()->module_deinit();
    names_registered_ = host_.registration_order().size();
    if (!WriteKeyLog(error) && status == 0) status = 1;
    if (!WriteSound(error) && status == 0) status = 1;
    PrintSummary(status == 0);
    return status;
  }

 private:
  static bool IsSetting(CommandKind k) {
    return k == CommandKind::kSetToken || k == CommandKind::kSetTokenText || k == CommandKind::kSetExpression ||
           k == CommandKind::kSetExpressionText || k == CommandKind::kSetNamed || k == CommandKind::kSetFsuipc ||
           k == CommandKind::kFsuipcServer || k == CommandKind::kTcas;
  }

  bool BuildPanel(std::string* error) {
    gauge::LinkageRecord* linkage = module_.linkage();
    gauges_loaded_ = CountLinkedGauges(linkage);
    std::vector<PanelEntry> base;
    if (!scenario_.custom_panel || scenario_.default_panel) base = DefaultPanel(linkage);
    for (const PanelEntry& e : base) host_.CreateInstance(e.gauge, e.parameter, e.window);
    for (const ScenarioPanelEntry& e : scenario_.panel) {
      if (host_.CreateInstance(e.entry.gauge, e.entry.parameter, e.entry.window) == nullptr) {
        *error = AtLine(scenario_.file, e.line, "the module has no gauge '" + e.entry.gauge + "'");
        return false;
      }
    }
    return true;
  }

  GaugeInstance* Instance(const ScenarioCommand& c, std::string* error) {
    GaugeInstance* i = host_.FindInstance(c.name, c.parameter);
    if (i == nullptr) {
      *error = "no instance of gauge '" + c.name + "' with parameter \"" + c.parameter + "\" on the panel";
    }
    return i;
  }

  std::string Describe(const ScenarioCommand& c) const {
    switch (c.var) {
      case VarKind::kToken: return "token " + std::to_string(c.id) + " = " + FormatNumber(host_.Token(c.id));
      case VarKind::kTokenText: return "tokentext " + std::to_string(c.id) + " = \"" + host_.TokenText(c.id) + "\"";
      case VarKind::kExpression: return "expr \"" + c.name + "\" = " + FormatNumber(host_.Expression(c.name));
      case VarKind::kExpressionText: return "text \"" + c.name + "\" = \"" + host_.ExpressionText(c.name) + "\"";
      case VarKind::kNamed: return "named " + c.name + " = " + FormatNumber(host_.Named(c.name));
      case VarKind::kFsuipc: {
        char head[32];
        std::snprintf(head, sizeof head, "fsuipc 0x%04X:%u = ", c.offset, c.size);
        return head + std::to_string(host_.fsuipc().Value(c.offset, c.size));
      }
    }
    return {};
  }

  bool Perform(const ScenarioCommand& c, std::string* error) {
    switch (c.kind) {
      case CommandKind::kFrames:
        for (int64_t n = 0; n < c.count; ++n) host_.RunFrame();
        return true;
      case CommandKind::kSetToken: host_.SetToken(c.id, c.value); return true;
      case CommandKind::kSetTokenText: host_.SetTokenText(c.id, c.text); return true;
      case CommandKind::kSetExpression: host_.SetExpression(c.name, c.value); return true;
      case CommandKind::kSetExpressionText: host_.SetExpressionText(c.name, c.text); return true;
      case CommandKind::kSetNamed: host_.SetNamed(c.name, c.value); return true;
      case CommandKind::kSetFsuipc:
        host_.fsuipc().SetValue(c.offset, c.size, static_cast<uint64_t>(c.raw));
        return true;
      case CommandKind::kFsuipcServer: host_.fsuipc().set_present(c.on); return true;
      case CommandKind::kTcas: return Tcas(c, error);
      case CommandKind::kKey: host_.SendKeyEvent(c.id, c.key_value); return true;
      case CommandKind::kWindow: {
        bool shown = c.action == WindowAction::kShow ||
                     (c.action == WindowAction::kToggle && !host_.WindowShown(c.id));
        host_.SetWindowShown(c.id, shown);
        return true;
      }
      case CommandKind::kClick: {
        GaugeInstance* i = Instance(c, error);
        if (i == nullptr) return false;
        if (!host_.Click(i, c.x, c.y, c.mouse_flags)) {
          *error = "no mouse area of '" + c.name + "' at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
          return false;
        }
        return true;
      }
      case CommandKind::kClickFunction: {
        GaugeInstance* i = Instance(c, error);
        if (i == nullptr) return false;
        if (!host_.ClickFunction(i, c.function, c.mouse_flags)) {
          *error = "gauge '" + c.name + "' has no mouse function " + std::to_string(c.function);
          return false;
        }
        return true;
      }
      case CommandKind::kPrint: out_ << "frame " << host_.frame() << ": " << Describe(c) << "\n"; return true;
      case CommandKind::kWatch: watches_.push_back(&c); return true;
      case CommandKind::kSnapshot: return Snapshot(c, error);
      case CommandKind::kCdu: return TypeOnCdu(c, error);
    }
    return true;
  }

  bool Tcas(const ScenarioCommand& c, std::string* error) {
    TcasServer& t = host_.tcas();
    switch (c.tcas) {
      case TcasAction::kOn: t.Enable(); return true;
      case TcasAction::kOff: t.Disable(); return true;
      case TcasAction::kClear: t.Clear(); return true;
      case TcasAction::kAdd: {
        const TcasIntruderSpec& i = c.intruder;
        if (t.Add(i.dist_nm, i.rel_brg_deg, i.rel_alt_ft, i.threat, i.trend)) return true;
        *error = "the TCAS module lists 255 intruders already";
        return false;
      }
    }
    return true;
  }

  // Clicks the keys on the panel's "FMS" instance; a key the CDU applies at its next paint gets
  // that frame before the next key, as a pilot's pace gives it.
  bool TypeOnCdu(const ScenarioCommand& c, std::string* error) {
    GaugeInstance* fms = host_.FindInstance("FMS", "");
    if (fms == nullptr) {
      *error = "no instance of gauge 'FMS' with parameter \"\" on the panel";
      return false;
    }
    for (const CduKeyPoint& k : c.cdu_keys) {
      if (!host_.Click(fms, k.x, k.y)) {
        *error = "no mouse area of 'FMS' at (" + std::to_string(k.x) + ", " + std::to_string(k.y) + ")";
        return false;
      }
      if (k.applied_at_paint) host_.RunFrame();
    }
    return true;
  }

  bool Snapshot(const ScenarioCommand& c, std::string* error) {
    GaugeInstance* i = Instance(c, error);
    if (i == nullptr) return false;
    if (i->surfaces.empty()) {
      *error = "gauge '" + c.name + "' has no drawing surface";
      return false;
    }
    if (options_.out_dir.empty()) {
      ++snapshots_skipped_;
      return true;
    }
    std::string base = c.text;
    if (base.empty()) {
      char frame[32];
      std::snprintf(frame, sizeof frame, "_f%06lld.png", static_cast<long long>(host_.frame()));
      base = c.name + (c.parameter.empty() ? "" : "_" + c.parameter) + frame;
    }
    const std::string stem = base.substr(0, base.size() - 4);
    for (size_t s = 0; s < i->surfaces.size(); ++s) {
      std::string name = s == 0 ? base : stem + "_s" + std::to_string(s) + ".png";
      if (!WritePng(*i->surfaces[s], (fs::path(options_.out_dir) / name).string(), error)) return false;
      ++snapshots_written_;
    }
    return true;
  }

  bool WriteKeyLog(std::string* error) {
    if (options_.out_dir.empty()) return true;
    const std::string path = (fs::path(options_.out_dir) / "key_events.log").string();
    std::ofstream log(path, std::ios::binary | std::ios::trunc);
    for (const KeyEventRecord& k : host_.key_events()) log << FormatKeyEvent(k) << "\n";
    log.close();
    if (!log) {
      if (error->empty()) *error = "simhost: cannot write '" + path + "'";
      return false;
    }
    return true;
  }

  // The sound log and the run's mixed track, beside the key-event log.
  bool WriteSound(std::string* error) {
    if (options_.out_dir.empty()) return true;
    std::string e;
    const SoundMixdown& sound = host_.sound();
    bool ok = sound.WriteLog((fs::path(options_.out_dir) / "sound_events.log").string(), &e);
    ok = ok && sound.WriteWav((fs::path(options_.out_dir) / "sound.wav").string(), host_.frame(), &e);
    if (!ok && error->empty()) *error = "simhost: " + e;
    return ok;
  }

  void PrintSummary(bool ok) {
    out_ << "simhost summary\n";
    out_ << "  module: " << options_.module << "\n";
    out_ << "  simulator folder: " << options_.sim_root << "\n";
    out_ << "  " << gauges_loaded_ << " gauges loaded, " << host_.instances().size() << " instances on the panel\n";
    out_ << "  " << names_registered_ << " named variables registered\n";
    if (have_status_) {
      out_ << "  server start-up state " << status_.server_start_state << ", configuration "
           << (status_.cfg_loaded != 0 ? "read" : "not read") << ", aircraft "
           << (status_.aircraft_identified != 0 ? "identified" : "not identified") << "\n";
      out_ << "  navigation database: " << status_.nav_ints_cnt << " fixes, " << status_.nav_navaids_cnt
           << " navaids, " << status_.nav_apts_cnt << " airports\n";
    }
    out_ << "  " << host_.frame() << " frames run" << (ok ? "" : " (scenario stopped by an error)") << "\n";
    const auto& keys = host_.key_events();
    out_ << "  " << keys.size() << " key events sent by the module\n";
    for (size_t k = 0; k < keys.size() && k < kSummaryKeyEvents; ++k) out_ << "    " << FormatKeyEvent(keys[k]) << "\n";
    if (keys.size() > kSummaryKeyEvents) {
      out_ << "    ... " << keys.size() - kSummaryKeyEvents << " more"
           << (options_.out_dir.empty() ? "" : " in key_events.log") << "\n";
    }
    out_ << "  " << host_.sound().starts() << " sounds started"
         << (options_.out_dir.empty() ? "" : " (sound_events.log, sound.wav)") << "\n";
    out_ << "  " << snapshots_written_ << " snapshots written";
    if (snapshots_skipped_ > 0) out_ << " (" << snapshots_skipped_ << " skipped: no --out)";
    out_ << "\n";
    if (!watched_.empty()) {
      out_ << "  watched variables:\n";
      for (const std::string& w : watched_) out_ << "    " << w << "\n";
    }
  }

  const SimhostOptions& options_;
  const Scenario& scenario_;
  LoadedModule& module_;
  std::ostream& out_;
  Host host_;
  int gauges_loaded_ = 0;
  size_t names_registered_ = 0;
  gauge::ModuleStatus status_{};
  bool have_status_ = false;
  int snapshots_written_ = 0;
  int snapshots_skipped_ = 0;
  std::vector<const ScenarioCommand*> watches_;
  std::vector<std::string> watched_;
};

}  // namespace

std::string SimhostUsage() {
  return "usage: simhost --sim-root DIR [--scenario FILE] [--frames N] [--out DIR] [--module PATH]\n"
         "  --sim-root DIR   the simulator folder (becomes the current directory)\n"
         "  --scenario FILE  timed commands to run (see host/README.md)\n"
         "  --frames N       run at least N frames in all (default 0: the scenario's own)\n"
         "  --out DIR        write key_events.log, sound_events.log, sound.wav and snapshots there\n"
         "  --module PATH    the module library (default: libro757.so beside simhost)\n"
         "  --version        print simhost's version and exit\n";
}

bool ParseSimhostOptions(int argc, const char* const* argv, SimhostOptions* out, std::string* error) {
  SimhostOptions o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      o.help = true;
      continue;
    }
    if (arg == "--version") {
      o.version = true;
      continue;
    }
    std::string* target = nullptr;
    if (arg == "--sim-root") target = &o.sim_root;
    else if (arg == "--scenario") target = &o.scenario;
    else if (arg == "--out") target = &o.out_dir;
    else if (arg == "--module") target = &o.module;
    else if (arg != "--frames") {
      *error = "unknown option '" + arg + "'";
      return false;
    }
    if (i + 1 >= argc) {
      *error = "option '" + arg + "' needs a value";
      return false;
    }
    const std::string value = argv[++i];
    if (target != nullptr) {
      *target = value;
      continue;
    }
    const char* end = value.data() + value.size();
    auto [p, ec] = std::from_chars(value.data(), end, o.frames);
    if (ec != std::errc() || p != end || o.frames < 0 || o.frames > kMaxFrames) {
      *error = "--frames needs a count from 0 to " + std::to_string(kMaxFrames) + ", not '" + value + "'";
      return false;
    }
  }
  if (!o.help && !o.version && o.sim_root.empty()) {
    *error = "--sim-root is required";
    return false;
  }
  *out = std::move(o);
  return true;
}

int RunSimhost(const SimhostOptions& given, std::ostream& out, std::ostream& err) {
  SimhostOptions options = given;
  std::error_code ec;
  if (!fs::is_directory(options.sim_root, ec)) {
    err << "simhost: simulator folder '" << options.sim_root << "' does not exist or is not a folder\n";
    return 2;
  }
  options.sim_root = Absolute(options.sim_root);
  options.module = options.module.empty() ? DefaultModulePath() : Absolute(options.module);
  if (!options.out_dir.empty()) {
    options.out_dir = Absolute(options.out_dir);
    fs::create_directories(options.out_dir, ec);
    if (!fs::is_directory(options.out_dir, ec)) {
      err << "simhost: cannot create output folder '" << options.out_dir << "'\n";
      return 2;
    }
  }

  Scenario scenario;
  std::string error;
  if (!options.scenario.empty() && !LoadScenarioFile(options.scenario, &scenario, &error)) {
    err << error << "\n";
    return 2;
  }

  LoadedModule module;
  if (!module.Load(options.module, &error)) {
    err << "simhost: " << error << "\n";
    return 2;
  }
  // A simulator runs with its own folder as the current directory; the module takes its folder from it.
  if (::chdir(options.sim_root.c_str()) != 0) {
    err << "simhost: cannot enter simulator folder '" << options.sim_root << "'\n";
    return 2;
  }
  int status = 0;
  {
    Run run(options, scenario, module, out);
    status = run.Execute(&error);
  }
  if (status != 0) err << error << "\n";
  return status;
}

}  // namespace simhost
