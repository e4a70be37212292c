// The simhost program: loads the module, builds the panel, runs the life cycle and a scenario, and
// reports what the host saw. main() only parses the command line and calls RunSimhost.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

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
  bool help = false;
};

std::string SimhostUsage();

// False with *error for an unknown option, a missing value or a malformed frame count.
bool ParseSimhostOptions(int argc, const char* const* argv, SimhostOptions* out, std::string* error);

// Exit status: 0 success, 1 the scenario failed at run time, 2 the run could not start.
int RunSimhost(const SimhostOptions& options, std::ostream& out, std::ostream& err);

// Sees the host and every surface's paints at the end of each frame of a run.
using FrameObserver = std::function<void(const Host&, const PaintRecorder&)>;

// The same run on a module already in hand (the tests' linked one), without loading a library;
// `observer`, when set, is called after every frame.
int RunModule(const SimhostOptions& options, LoadedModule& module, std::ostream& out, std::ostream& err,
              const FrameObserver& observer = {});

}  // namespace simhost
