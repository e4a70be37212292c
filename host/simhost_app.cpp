#include "host/simhost_app.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <vector>

#include "host/gauge_picture.h"
#include "host/host.h"
#include "host/module_loader.h"
#include "host/paint_record.h"
#include "host/panel_config.h"
#include "host/png_writer.h"
#include "host/scenario.h"
#include "host/sim_reactions.h"

namespace simhost {

namespace fs = std::filesystem;

namespace {

constexpr size_t kSummaryKeyEvents = 20;
constexpr int kInterruptedStatus = 130;  // as a shell reports a program ended by SIGINT
// A running simulator's sound is on: FSUIPC 0x0B24 (two bytes) reads 1.
constexpr uint32_t kSoundOnOffset = 0x0B24;
constexpr uint32_t kSoundOnBytes = 2;

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) { g_interrupted = 1; }

std::string FormatNumber(double v, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  return buf;
}

// values.log keeps fewer digits than the summary: enough to compare runs, and the same from every
// build type and compiler.
constexpr int kSummaryDigits = 10;
constexpr int kValuesLogDigits = 6;

// "frame 12: event 0x101FA HEADING_BUG_SET (66042) value 92"; an event the stand-in does not list
// has no name.
std::string FormatKeyEvent(const KeyEventRecord& k) {
  const char* name = KeyEventName(k.event_id);
  char buf[128];
  std::snprintf(buf, sizeof buf, "frame %lld: event 0x%05X%s%s (%u) value %d", static_cast<long long>(k.frame),
                k.event_id, name != nullptr ? " " : "", name != nullptr ? name : "", k.event_id, k.value);
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

// The output folder exists, or is made, and takes a file.
bool PrepareOutputFolder(const std::string& dir, std::string* error) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir)) {
    *error = "simhost: cannot create output folder '" + dir + "': " + (ec ? ec.message() : "not a folder");
    return false;
  }
  std::string probe = (fs::path(dir) / ".simhost_XXXXXX").string();
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) {
    *error = "simhost: output folder '" + dir + "' is not writable: " + std::strerror(errno);
    return false;
  }
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

// One simhost run after its inputs have been checked.
class Run {
 public:
  Run(const SimhostOptions& options, const Scenario& scenario, LoadedModule& module, std::ostream& out,
      std::ostream& err, const FrameObserver& observer)
      : options_(options), scenario_(scenario), module_(module), out_(out), err_(err), observer_(observer) {}

  // Returns the exit status; *error holds the message of a failure.
  int Execute(std::string* error) {
    start_ = std::chrono::steady_clock::now();
    last_progress_ = start_;
    frames_planned_ = std::max(options_.frames, scenario_.frames);
    host_.set_current_directory(options_.sim_root);
    host_.set_simulator_model(true);
    host_.set_frame_rate(scenario_.frame_rate);
    host_.fsuipc().SetValue(kSoundOnOffset, kSoundOnBytes, 1);
    host_.Attach(module_.import_table(), module_.linkage());
    if (module_.linkage()->module_init != nullptr) module_.linkage()->module_init();

    int status = 0;
    if (!BuildPanel(error)) {
      status = 1;
    } else {
      if (options_.record || observer_) {
        recorder_.Attach(host_);
        host_.set_after_frame([this] {
          recorder_.EndFrame(host_.frame());
          if (observer_) observer_(host_, recorder_);
        });
      }
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
      for (size_t i = first; status == 0 && !g_interrupted && i < commands.size(); ++i) {
        const ScenarioCommand& c = commands[i];
        if (!Perform(c, error)) {
          *error = AtLine(scenario_.file, c.line, *error);
          status = 1;
          break;
        }
      }
      while (status == 0 && host_.frame() < options_.frames && Frame()) {
      }
      for (const ScenarioCommand* w : watches_) {
        WarnUnknownNamed(*w);
        watched_.push_back(Describe(*w, kSummaryDigits));
        values_.push_back("watch " + Describe(*w, kValuesLogDigits));
      }
      if (module_.status() != nullptr) {
        module_.status()(&status_);
        have_status_ = true;
      }
      ReleasePictureFonts();
      host_.Shutdown();
    }
    if (module_.linkage()->module_deinit != nullptr) module_.linkage()->module_deinit();
    names_registered_ = host_.registration_order().size();
    if (!WriteKeyLog(error) && status == 0) status = 1;
    if (!WriteSound(error) && status == 0) status = 1;
    if (!WriteValues(error) && status == 0) status = 1;
    if (!WritePlanLoads(error) && status == 0) status = 1;
    PrintSummary(status == 0);
    return status == 0 && g_interrupted ? kInterruptedStatus : status;
  }

 private:
  static bool IsSetting(CommandKind k) {
    return k == CommandKind::kSetToken || k == CommandKind::kSetTokenText || k == CommandKind::kSetExpression ||
           k == CommandKind::kSetExpressionText || k == CommandKind::kSetNamed || k == CommandKind::kSetFsuipc ||
           k == CommandKind::kFsuipcServer || k == CommandKind::kTcas || k == CommandKind::kGps;
  }

  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

  // One frame, with a progress line on standard error at most once a second; false once Ctrl-C has
  // asked the run to end.
  bool Frame() {
    if (g_interrupted) return false;
    host_.RunFrame();
    const auto now = std::chrono::steady_clock::now();
    if (now - last_progress_ >= std::chrono::seconds(1)) {
      last_progress_ = now;
      const int64_t total = std::max(frames_planned_, host_.frame());
      err_ << "simhost: frame " << host_.frame() << " of " << total << " (" << host_.frame() * 100 / total << "%), "
           << static_cast<int64_t>(Seconds()) << " s\n"
           << std::flush;
    }
    return !g_interrupted;
  }

  bool BuildPanel(std::string* error) {
    gauge::LinkageRecord* linkage = module_.linkage();
    gauges_loaded_ = CountLinkedGauges(linkage);
    std::vector<PanelEntry> base;
    if (!scenario_.custom_panel || scenario_.default_panel) base = DefaultPanel(linkage);
    for (const PanelEntry& e : base) Place(e);
    for (const ScenarioPanelEntry& e : scenario_.panel) {
      if (Place(e.entry) == nullptr) {
        *error = AtLine(scenario_.file, e.line, "the module has no gauge '" + e.entry.gauge + "'");
        return false;
      }
    }
    return true;
  }

  // A display's surface takes its canvas's aspect at its bitmap's width unless the panel line sizes it.
  GaugeInstance* Place(const PanelEntry& e) {
    gauge::PixelSize size = e.size;
    if (size.width <= 0 || size.height <= 0) {
      size = SurfaceSize(FindKnownGauge(e.gauge), SurfaceBitmap(Host::FindTemplate(module_.linkage(), e.gauge)));
    }
    return host_.CreateInstance(e.gauge, e.parameter, e.window, size);
  }

  GaugeInstance* Instance(const ScenarioCommand& c, std::string* error) {
    GaugeInstance* i = host_.FindInstance(c.name, c.parameter);
    if (i == nullptr) {
      *error = "no instance of gauge '" + c.name + "' with parameter \"" + c.parameter + "\" on the panel";
    }
    return i;
  }

  std::string Describe(const ScenarioCommand& c, int digits) const {
    switch (c.var) {
      case VarKind::kToken: return "token " + std::to_string(c.id) + " = " + FormatNumber(host_.Token(c.id), digits);
      case VarKind::kTokenText: return "tokentext " + std::to_string(c.id) + " = \"" + host_.TokenText(c.id) + "\"";
      case VarKind::kExpression: return "expr \"" + c.name + "\" = " + FormatNumber(host_.Expression(c.name), digits);
      case VarKind::kExpressionText: return "text \"" + c.name + "\" = \"" + host_.ExpressionText(c.name) + "\"";
      case VarKind::kNamed: return "named " + c.name + " = " + FormatNumber(host_.Named(c.name), digits);
      case VarKind::kFsuipc: {
        char head[32];
        std::snprintf(head, sizeof head, "fsuipc 0x%04X:%u = ", c.offset, c.size);
        return head + std::to_string(host_.fsuipc().Value(c.offset, c.size));
      }
    }
    return {};
  }

  void Warn(const ScenarioCommand& c, const std::string& message) {
    err_ << EscapeControlBytes("simhost: warning: " + AtLine(scenario_.file, c.line, message)) << "\n";
  }

  // A named variable the module never registered nor wrote is most likely a misspelt one.
  void WarnUnknownNamed(const ScenarioCommand& c) {
    if (c.var == VarKind::kNamed && !host_.ModuleUses(c.name)) {
      Warn(c, "the module never registered nor wrote the named variable '" + c.name + "'");
    }
  }

  bool Perform(const ScenarioCommand& c, std::string* error) {
    switch (c.kind) {
      case CommandKind::kFrames:
        for (int64_t n = 0; n < c.count && Frame(); ++n) {
        }
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
      case CommandKind::kGps: return Gps(c);
      case CommandKind::kKey: host_.SendKeyEvent(c.id, c.key_value); return true;
      case CommandKind::kWindow: return Window(c);
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
      case CommandKind::kPrint: {
        WarnUnknownNamed(c);
        const std::string frame = "frame " + std::to_string(host_.frame()) + ": ";
        out_ << EscapeControlBytes(frame + Describe(c, kSummaryDigits)) << "\n";
        values_.push_back(frame + Describe(c, kValuesLogDigits));
        return true;
      }
      case CommandKind::kWatch: watches_.push_back(&c); return true;
      case CommandKind::kSnapshot: return Snapshot(c, error);
      case CommandKind::kCdu: return TypeOnCdu(c, error);
    }
    return true;
  }

  bool Window(const ScenarioCommand& c) {
    const bool shown =
        c.action == WindowAction::kShow || (c.action == WindowAction::kToggle && !host_.WindowShown(c.id));
    host_.SetWindowShown(c.id, shown);
    if (shown) {
      bool used = false;
      for (const auto& i : host_.instances()) used = used || i->window == static_cast<int64_t>(c.id);
      if (!used) Warn(c, "no gauge instance of the panel sits in window " + std::to_string(c.id));
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

  bool Gps(const ScenarioCommand& c) {
    if (c.gps == GpsAction::kClear) {
      host_.gps().Clear();
    } else {
      const GpsWaypointSpec& w = c.waypoint;
      host_.gps().Add(w.ident, w.lat, w.lon, w.alt_ft);
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
      if (!k.applied_at_paint) continue;
      for (int32_t i = 0; i < FramesPerTick(host_.frame_rate()); ++i) {
        if (!Frame()) return true;
      }
    }
    return true;
  }

  // A display's surfaces as they were last painted; a gauge without one drawn by the stand-in now,
  // its strings asked for their texts as a simulator does when it draws them.
  bool Snapshot(const ScenarioCommand& c, std::string* error) {
    GaugeInstance* i = Instance(c, error);
    if (i == nullptr) return false;
    const bool drawn_here = i->surfaces.empty();
    if (drawn_here && !GaugePicture::HasBackground(*i)) {
      *error = "gauge '" + c.name + "' has neither a drawing surface nor a background bitmap";
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
    if (drawn_here) {
      host_.UpdateStrings(i);
      GaugePicture picture;
      picture.Paint(*i, options_.record);
      return WriteSnapshot(c, picture.dc(), stem, picture.recording(), host_.frame(), error);
    }
    for (size_t s = 0; s < i->surfaces.size(); ++s) {
      const gauge::DeviceContext& dc = *i->surfaces[s];
      const std::string surface_stem = s == 0 ? stem : stem + "_s" + std::to_string(s);
      if (!WriteSnapshot(c, dc, surface_stem, recorder_.Latest(&dc), recorder_.LatestFrame(&dc), error)) return false;
    }
    return true;
  }

  // STEM.png and, when recording, the drawing as text beside it (STEM.ops).
  bool WriteSnapshot(const ScenarioCommand& c, const gauge::DeviceContext& dc, const std::string& stem,
                     const gfx::Recording& drawing, int64_t painted_frame, std::string* error) {
    const std::string name = stem + ".png";
    const PngBackdrop backdrop = options_.transparent ? PngBackdrop::kTransparent : PngBackdrop::kBlack;
    if (!WritePng(dc, (fs::path(options_.out_dir) / name).string(), error, backdrop)) return false;
    snapshot_files_.push_back(name);
    if (!options_.record) return true;
    const std::string title = name + " (" + c.name + (c.parameter.empty() ? "" : " " + c.parameter) +
                              ", painted in frame " + std::to_string(painted_frame) + ")";
    return WriteText(stem + ".ops", FormatOpList(drawing, title, dc.width, dc.height), error);
  }

  bool WriteText(const std::string& file, const std::string& text, std::string* error) {
    const std::string path = (fs::path(options_.out_dir) / file).string();
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    if (!f) {
      if (error->empty()) *error = "simhost: cannot write '" + path + "'";
      return false;
    }
    return true;
  }

  // The printed values, then the watched ones at the end of the run.
  bool WriteValues(std::string* error) {
    if (!options_.record || options_.out_dir.empty()) return true;
    std::string text;
    for (const std::string& v : values_) text += v + "\n";
    return WriteText("values.log", text, error);
  }

  // Only a run that handed the simulator a plan has the file.
  bool WritePlanLoads(std::string* error) {
    if (options_.out_dir.empty() || host_.plan_loads().empty()) return true;
    std::string text;
    for (const PlanLoad& p : host_.plan_loads()) text += FormatPlanLoad(p) + "\n";
    return WriteText("plan_loads.log", text, error);
  }

  bool WriteKeyLog(std::string* error) {
    if (options_.out_dir.empty()) return true;
    const std::string path = (fs::path(options_.out_dir) / "key_events.log").string();
    std::ofstream log(path, std::ios::binary | std::ios::trunc);
    const int open_errno = errno;
    for (const KeyEventRecord& k : host_.key_events()) log << FormatKeyEvent(k) << "\n";
    log.close();
    if (!log) {
      if (error->empty()) *error = "simhost: cannot write '" + path + "': " + std::strerror(open_errno);
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
    out_ << "  output folder: " << (options_.out_dir.empty() ? "none (no --out: nothing written)" : options_.out_dir)
         << "\n";
    out_ << "  " << gauges_loaded_ << " gauges loaded, " << host_.instances().size() << " instances on the panel\n";
    out_ << "  " << names_registered_ << " named variables registered\n";
    if (have_status_) {
      out_ << "  server start-up state " << status_.server_start_state << ", configuration "
           << (status_.cfg_loaded != 0 ? "read" : "not read") << ", aircraft "
           << (status_.aircraft_identified != 0 ? "identified" : "not identified") << "\n";
      out_ << "  navigation database: " << status_.nav_ints_cnt << " fixes, " << status_.nav_navaids_cnt
           << " navaids, " << status_.nav_apts_cnt << " airports\n";
    }
    out_ << "  " << host_.frame() << " frames run" << (ok ? "" : " (scenario stopped by an error)")
         << (g_interrupted ? " (interrupted by Ctrl-C)" : "") << "\n";
    char run_time[48];
    std::snprintf(run_time, sizeof run_time, "  run time %.1f s\n", Seconds());
    out_ << run_time;
    const auto& keys = host_.key_events();
    out_ << "  " << keys.size() << " key events sent by the module\n";
    for (size_t k = 0; k < keys.size() && k < kSummaryKeyEvents; ++k) out_ << "    " << FormatKeyEvent(keys[k]) << "\n";
    if (keys.size() > kSummaryKeyEvents) {
      out_ << "    ... " << keys.size() - kSummaryKeyEvents << " more"
           << (options_.out_dir.empty() ? "" : " in key_events.log") << "\n";
    }
    out_ << "  " << host_.sound().starts() << " sounds started"
         << (options_.out_dir.empty() ? "" : " (sound_events.log, sound.wav)") << "\n";
    PrintWavLimit();
    if (!host_.plan_loads().empty()) {
      out_ << "  " << host_.plan_loads().size() << " flight plans handed to the simulator"
           << (options_.out_dir.empty() ? "" : " (plan_loads.log)") << "\n";
    }
    out_ << "  " << snapshot_files_.size() << " snapshots written";
    if (snapshots_skipped_ > 0) out_ << " (" << snapshots_skipped_ << " skipped: no --out)";
    out_ << (snapshot_files_.empty() ? "\n" : ":\n");
    for (const std::string& f : snapshot_files_) out_ << "    " << f << "\n";
    if (!watched_.empty()) {
      out_ << "  watched variables:\n";
      for (const std::string& w : watched_) out_ << "    " << EscapeControlBytes(w) << "\n";
    }
  }

  // sound.wav keeps at most SoundMixdown::kMaxSamples; a longer run is told so.
  void PrintWavLimit() {
    if (options_.out_dir.empty()) return;
    const SoundMixdown& sound = host_.sound();
    const int64_t rate = sound.sample_rate() > 0 ? sound.sample_rate() : 22050;
    const int64_t run_samples = host_.frame() * rate / host_.frame_rate();
    if (run_samples <= SoundMixdown::kMaxSamples && sound.dropped_samples() == 0) return;
    out_ << "  sound.wav stops at its limit of " << SoundMixdown::kMaxSamples / rate / 60 << " minutes; the last "
         << (std::max(run_samples, SoundMixdown::kMaxSamples) - SoundMixdown::kMaxSamples) / rate
         << " s of the run are not in it\n";
  }

  const SimhostOptions& options_;
  const Scenario& scenario_;
  LoadedModule& module_;
  std::ostream& out_;
  std::ostream& err_;
  const FrameObserver& observer_;
  Host host_;
  PaintRecorder recorder_;
  std::chrono::steady_clock::time_point start_, last_progress_;
  int64_t frames_planned_ = 0;
  int gauges_loaded_ = 0;
  size_t names_registered_ = 0;
  gauge::ModuleStatus status_{};
  bool have_status_ = false;
  std::vector<std::string> snapshot_files_;
  int snapshots_skipped_ = 0;
  std::vector<const ScenarioCommand*> watches_;
  std::vector<std::string> watched_;
  std::vector<std::string> values_;
};

}  // namespace

std::string EscapeControlBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      out += buf;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void InstallInterruptHandler() {
  struct sigaction sa {};
  sa.sa_handler = &OnInterrupt;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND;  // a second Ctrl-C ends the program at once
  ::sigaction(SIGINT, &sa, nullptr);
}

std::string SimhostUsage() {
  return "usage: simhost --sim-root DIR [--scenario FILE] [--frames N] [--out DIR] [--module PATH] [--record]\n"
         "                [--transparent]\n"
         "       simhost --list-gauges | --list-areas GAUGE [--module PATH]\n"
         "       simhost --version\n"
         "  --sim-root DIR     the simulator folder (becomes the current directory)\n"
         "  --scenario FILE    timed commands to run (see host/README.md)\n"
         "  --frames N         run at least N frames in all (default 0: the scenario's own)\n"
         "  --out DIR          write key_events.log, sound_events.log, sound.wav and snapshots there\n"
         "  --module PATH      the module library (default: libro757.so beside simhost)\n"
         "  --record           with --out: each snapshot's drawing as a text list of operations\n"
         "                     beside its PNG (.ops), and the printed and watched values (values.log)\n"
         "  --transparent      snapshots keep the displays' transparency (default: black behind)\n"
         "  --list-gauges      list the gauges, their parameters, windows and surfaces\n"
         "  --list-areas GAUGE list the gauge's mouse areas by the number clickfn takes\n"
         "  --version          print simhost's version and exit\n"
         "An option's value follows it or an '=' (--frames=200).\n";
}

bool ParseSimhostOptions(int argc, const char* const* argv, SimhostOptions* out, std::string* error) {
  SimhostOptions o;
  std::vector<std::string> seen;
  std::string frames_text;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string value;
    bool has_value = false;
    if (arg.starts_with("--")) {
      if (const size_t eq = arg.find('='); eq != std::string::npos) {
        value = arg.substr(eq + 1);
        arg.resize(eq);
        has_value = true;
      }
    }
    const std::string name = arg == "-h" ? "--help" : arg;
    for (const std::string& s : seen) {
      if (s == name) {
        *error = "option '" + name + "' is given twice";
        return false;
      }
    }
    seen.push_back(name);
    bool* flag = nullptr;
    if (name == "--help") flag = &o.help;
    if (name == "--list-gauges") flag = &o.list_gauges;
    if (name == "--record") flag = &o.record;
    if (name == "--transparent") flag = &o.transparent;
    if (name == "--version") flag = &o.version;
    if (flag != nullptr) {
      if (has_value) {
        *error = "option '" + name + "' takes no value";
        return false;
      }
      *flag = true;
      continue;
    }
    std::string* target = nullptr;
    if (name == "--sim-root") target = &o.sim_root;
    else if (name == "--scenario") target = &o.scenario;
    else if (name == "--out") target = &o.out_dir;
    else if (name == "--module") target = &o.module;
    else if (name == "--list-areas") target = &o.list_areas;
    else if (name == "--frames") target = &frames_text;
    else {
      *error = "unknown option '" + arg + "'";
      return false;
    }
    if (!has_value) {
      if (i + 1 >= argc) {
        *error = "option '" + name + "' needs a value";
        return false;
      }
      value = argv[++i];
    }
    if (value.empty()) {
      *error = "option '" + name + "' needs a value";
      return false;
    }
    *target = value;
  }
  if (!frames_text.empty()) {
    const char* end = frames_text.data() + frames_text.size();
    auto [p, ec] = std::from_chars(frames_text.data(), end, o.frames);
    if (ec != std::errc() || p != end || o.frames < 0 || o.frames > kMaxFrames) {
      *error = "--frames needs a count from 0 to " + std::to_string(kMaxFrames) + ", not '" + frames_text + "'";
      return false;
    }
  }
  if (!o.help && !o.version && !o.list_gauges && o.list_areas.empty() && o.sim_root.empty()) {
    *error = "--sim-root is required";
    return false;
  }
  *out = std::move(o);
  return true;
}

namespace {

// A run from its options; `linked` is the module when it need not be loaded.
int Start(const SimhostOptions& given, LoadedModule* linked, std::ostream& out, std::ostream& err,
          const FrameObserver& observer) {
  SimhostOptions options = given;
  options.module = options.module.empty() ? DefaultModulePath() : Absolute(options.module);
  if (options.list_gauges) return PrintGauges(options, out, err);
  if (!options.list_areas.empty()) return PrintMouseAreas(options, out, err);
  std::error_code ec;
  if (!fs::is_directory(options.sim_root, ec)) {
    err << EscapeControlBytes("simhost: simulator folder '" + options.sim_root + "' does not exist or is not a folder")
        << "\n";
    return 2;
  }
  options.sim_root = Absolute(options.sim_root);
  std::string error;
  if (!options.out_dir.empty()) {
    options.out_dir = Absolute(options.out_dir);
    if (!PrepareOutputFolder(options.out_dir, &error)) {
      err << EscapeControlBytes(error) << "\n";
      return 2;
    }
  }

  Scenario scenario;
  if (!options.scenario.empty() && !LoadScenarioFile(options.scenario, &scenario, &error)) {
    err << EscapeControlBytes(error) << "\n";
    return 2;
  }

  LoadedModule loaded;
  if (linked == nullptr && !loaded.Load(options.module, &error)) {
    err << EscapeControlBytes("simhost: " + error) << "\n";
    return 2;
  }
  LoadedModule& module = linked != nullptr ? *linked : loaded;
  // A simulator runs with its own folder as the current directory; the module takes its folder from it.
  if (::chdir(options.sim_root.c_str()) != 0) {
    err << EscapeControlBytes("simhost: cannot enter simulator folder '" + options.sim_root + "': " +
                              std::strerror(errno))
        << "\n";
    return 2;
  }
  int status = 0;
  {
    Run run(options, scenario, module, out, err, observer);
    status = run.Execute(&error);
  }
  if (status != 0 && !error.empty()) err << EscapeControlBytes(error) << "\n";
  return status;
}

}  // namespace

int RunSimhost(const SimhostOptions& options, std::ostream& out, std::ostream& err) {
  return Start(options, nullptr, out, err, {});
}

int RunModule(const SimhostOptions& options, LoadedModule& module, std::ostream& out, std::ostream& err,
              const FrameObserver& observer) {
  return Start(options, &module, out, err, observer);
}

}  // namespace simhost
