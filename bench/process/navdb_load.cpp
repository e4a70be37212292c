// The module's navigation database load as a whole program, for the load benchmark: the tables
// start empty as in a freshly loaded module, LoadNavDatabase fills them from SIM_ROOT.
// Usage: ro757_navdb_load SIM_ROOT
#include <cstdio>

#include "sim/sim_globals.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_globals.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ro757_navdb_load SIM_ROOT\n");
    return 2;
  }
  sim_root = argv[1];
  LoadNavDatabase();
  std::printf("%d %d %d %d\n", nav_ints_cnt, nav_awy_fixes_cnt, nav_apts_cnt, nav_navaids_cnt);
  return nav_apts_cnt == 0 ? 1 : 0;
}
