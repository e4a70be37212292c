#include "platform/module_status.h"

#include "sim/sim_globals.h"
#include "navdb/navdb_globals.h"
#include "state/state_globals.h"

extern "C" __attribute__((visibility("default"))) void ro757_module_status(gauge::ModuleStatus* out) {
  out->server_start_state = server_start_state;
  out->named_vars_registered = named_vars_registered;
  out->cfg_loaded = cfg_loaded;
  out->aircraft_identified = aircraft_identified;
  out->nav_ints_cnt = nav_ints_cnt;
  out->nav_navaids_cnt = nav_navaids_cnt;
  out->nav_apts_cnt = nav_apts_cnt;
}
