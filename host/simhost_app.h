// The simhost program: loads the module, builds the panel, runs the life cycle and a scenario, and
// reports what the host saw. main() only parses the command line and calls RunSimhost.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace simhost {

class Host;
class LoadedModule;
class PaintRecorder;

struct SimhostOptions {
  std::string sim_root;
  std::string scenario;
  std::string out_dir;
  std::string module;  // empty: libro757.so beside the simhost binary
  int64_t frames = 0;  // at least this many frames run in all
  bool record = false;  // beside each snapshot its operation list; values.log
  bool transparent = false;  // snapshots keep the surfaces' transparency instead of black behind
  bool help = false;
  bool list_gauges = false;
  std::string list_areas;  // a gauge whose mouse areas to list
  bool version = false;
};

std::string SimhostUsage();

// False with *error for an unknown or repeated option, a missing value or a malformed frame count.
// Options take their value as the next word or after '=' (--frames=200).
bool ParseSimhostOptions(int argc, const char* const* argv, SimhostOptions* out, std::string* error);

// Exit status: 0 success, 1 the scenario failed at run time, 2 the run could not start, 130 stopped
// by Ctrl-C (the summary and every log are written all the same).
int RunSimhost(const SimhostOptions& options, std::ostream& out, std::ostream& err);

// From now on the first Ctrl-C (SIGINT) ends the run after the frame it falls in; a second one ends
// the program at once.
void InstallInterruptHandler();

// The text with control bytes written as \xNN, for messages that quote what a user wrote.
std::string EscapeControlBytes(std::string_view text);

// --list-gauges and --list-areas GAUGE: what the module's gauges are and where `click` and `clickfn`
// act. Exit status as RunSimhost's.
int PrintGauges(const SimhostOptions& options, std::ostream& out, std::ostream& err);
int PrintMouseAreas(const SimhostOptions& options, std::ostream& out, std::ostream& err);
// Sees the host and every surface's paints at the end of each frame of a run.
using FrameObserver = std::function<void(const Host&, const PaintRecorder&)>;

// The same run on a module already in hand (the tests' linked one), without loading a library;
// `observer`, when set, is called after every frame.
int RunModule(const SimhostOptions& options, LoadedModule& module, std::ostream& out, std::ostream& err,
              const FrameObserver& observer = {});

}  // namespace simhost
