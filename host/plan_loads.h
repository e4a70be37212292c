// The flight plans the module hands to the simulator (SimConnect's plan load): each load with its
// frame, the path as the module gave it and the waypoints of the plan as the file stood then, since
// the module rewrites the same file at every hand-over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

struct PlanLoad {
  int64_t frame = 0;
  std::string path;                    // as the module gave it (backslashes, any case)
  bool readable = false;               // the file was found and read
  std::vector<std::string> waypoints;  // the ATCWaypoint ids, in file order
};

// Reads the plan `module_path` names: backslashes as folder separators, each folder and file name
// matched without regard to case, as the module's own files are.
PlanLoad ReadPlanLoad(int64_t frame, const std::string& module_path);

// One line a load: "frame F: PATH: N waypoints: A B C", or "PATH: not readable".
std::string FormatPlanLoad(const PlanLoad& load);

}  // namespace simhost
