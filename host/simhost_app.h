// The simhost program: loads the module, builds the panel, runs the life cycle and a scenario, and
// reports what the host saw. main() only parses the command line and calls RunSimhost.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace simhost {

struct SimhostOptions {
  std::string sim_root;
  std::string scenario;
  std::string out_dir;
  std::string module;  // empty: libro757.so beside the simhost binary
  int64_t frames = 0;  // at least this many frames run in all
  bool help = false;
  bool version = false;
};

std::string SimhostUsage();

// False with *error for an unknown option, a missing value or a malformed frame count.
bool ParseSimhostOptions(int argc, const char* const* argv, SimhostOptions* out, std::string* error);

// Exit status: 0 success, 1 the scenario failed at run time, 2 the run could not start.
int RunSimhost(const SimhostOptions& options, std::ostream& out, std::ostream& err);

}  // namespace simhost
