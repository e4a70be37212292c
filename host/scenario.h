// Scenario files of simhost: a line-based script of what the simulator and the pilot do while the
// module runs (the format is described in host/README.md). Parsing checks every line completely, so a
// scenario that parses can only fail at run time on what the loaded module offers (a gauge missing
// from the panel, a click outside every mouse area).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/cdu_keyboard.h"
#include "host/panel_config.h"
#include "host/sim_clock.h"

namespace simhost {

enum class CommandKind {
  kFrames,
  kSetToken,
  kSetTokenText,
  kSetExpression,
  kSetExpressionText,
  kSetNamed,
  kKey,
  kClick,
  kClickFunction,
  kWindow,
  kPrint,
  kWatch,
  kSnapshot,
  kSetFsuipc,
  kFsuipcServer,
  kTcas,
  kGps,
  kCdu,
};

enum class VarKind { kToken, kTokenText, kExpression, kExpressionText, kNamed, kFsuipc };
enum class WindowAction { kShow, kHide, kToggle };
enum class TcasAction { kOn, kOff, kAdd, kClear };
enum class GpsAction { kAdd, kClear };

// One intruder of `tcas add`.
struct TcasIntruderSpec {
  double dist_nm = 0.0;
  double rel_brg_deg = 0.0;
  double rel_alt_ft = 0.0;
  int threat = 0;
  int trend = 0;
};

// One waypoint of `gps add`: degrees north and east, feet.
struct GpsWaypointSpec {
  std::string ident;
  double lat = 0.0;
  double lon = 0.0;
  double alt_ft = 0.0;
};

struct ScenarioCommand {
  CommandKind kind = CommandKind::kFrames;
  int line = 0;
  int64_t count = 0;        // kFrames; kCdu: the frames it runs
  VarKind var = VarKind::kToken;
  uint32_t id = 0;          // token id, key event id, window ident
  std::string name;         // expression text, named variable, gauge name
  std::string parameter;    // gauge parameter
  std::string text;         // text value, snapshot file name
  double value = 0.0;
  uint32_t key_value = 0;
  int32_t x = 0, y = 0;     // kClick
  int32_t function = 0;     // kClickFunction
  uint32_t mouse_flags = 0;
  WindowAction action = WindowAction::kShow;
  uint32_t offset = 0;      // FSUIPC offset (kFsuipc variables)
  uint32_t size = 0;        // its byte count
  int64_t raw = 0;          // kSetFsuipc: the value, taken modulo 2^(8 x size)
  bool on = true;           // kFsuipcServer
  TcasAction tcas = TcasAction::kOn;
  TcasIntruderSpec intruder;
  GpsAction gps = GpsAction::kAdd;
  GpsWaypointSpec waypoint;
  std::vector<CduKeyPoint> cdu_keys;  // kCdu, in order
};

struct ScenarioPanelEntry {
  PanelEntry entry;
  int line = 0;
};

struct Scenario {
  std::string file;
  bool custom_panel = false;   // the scenario defines the panel
  bool default_panel = false;  // ... starting from the default one
  std::vector<ScenarioPanelEntry> panel;
  std::vector<ScenarioCommand> commands;
  int64_t frames = 0;  // frames the commands run in all
  int32_t frame_rate = kTicksPerSecond;  // frames a second of simulator time (`fps N`)
  bool frame_rate_given = false;
};

constexpr int64_t kMaxFrames = 10'000'000;
constexpr int64_t kMaxSurfaceSide = 4096;  // pixels, a `gauge ... size` side
constexpr size_t kMaxScenarioBytes = size_t{16} << 20;

// The frames that bring at least one simulator tick at `frame_rate` frames a second: what a CDU key
// runs, so that the redraw slot moves on and the CDU paints it (1 up to 18 frames a second).
inline int32_t FramesPerTick(int32_t frame_rate) { return (frame_rate + kTicksPerSecond - 1) / kTicksPerSecond; }

// Parses scenario text (a leading UTF-8 byte-order mark is skipped); on failure returns false with
// *error = "FILE:LINE: what is wrong".
bool ParseScenario(std::string_view text, const std::string& file, Scenario* out, std::string* error);
// Reads and parses a regular file of at most kMaxScenarioBytes; a file error names the system's reason.
bool LoadScenarioFile(const std::string& path, Scenario* out, std::string* error);

// "FILE:LINE: message".
std::string AtLine(const std::string& file, int line, const std::string& message);

}  // namespace simhost
