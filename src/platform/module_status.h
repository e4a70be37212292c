// A few counters of the module's state that the simulator stand-in prints in its run summary, so a
// demo run shows how far the start-up got. Exported by the module as "ro757_module_status"; a real
// simulator never calls it.
#pragma once

#include <cstdint>

namespace gauge {

struct ModuleStatus {
  int32_t server_start_state;  // 0, 1, 2
  int32_t named_vars_registered;
  int32_t cfg_loaded;
  int32_t aircraft_identified;
  int32_t nav_ints_cnt;
  int32_t nav_navaids_cnt;
  int32_t nav_apts_cnt;
};

using ModuleStatusFn = void (*)(ModuleStatus* out);

}  // namespace gauge
