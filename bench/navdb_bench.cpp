// Navigation database on the world-size data set in ../shared/data/world (or $RO757_WORLD_DATA):
// the whole load, identifier searches and nearby-list rebuilds.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "module/module_state.h"
#include "navdb/nav_loader.h"
#include "navdb/nav_records.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "module/main_update.h"
#include "sim/tick_globals.h"
#include "navdb/nearby_lists.h"
#include "world_data.h"

namespace {

using world_bench::LoadWorld;
using world_bench::UseWorldData;

void BM_LoadNavDatabase(benchmark::State& state) {
  if (!UseWorldData(state)) return;
  for (auto _ : state) {
    LoadNavDatabase();
    benchmark::DoNotOptimize(nav_apts_cnt);
  }
  state.counters["rows"] = nav_ints_cnt + nav_awy_fixes_cnt + nav_apts_cnt + nav_navaids_cnt;
}
BENCHMARK(BM_LoadNavDatabase)->Unit(benchmark::kMillisecond);

// The load as a whole program from start to exit, the module's against the naive one (each line
// through getline and istringstream), both over the world data.
void BM_LoadProcess(benchmark::State& state, const char* program) {
  if (!UseWorldData(state)) return;
  const std::string dir = world_bench::WorldDataDir();
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(dir.c_str()), nullptr};
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, program, &quiet, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError((std::string(program) + " failed").c_str());
      break;
    }
  }
  posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK_CAPTURE(BM_LoadProcess, Module, RO757_NAVDB_LOAD)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadProcess, Naive, RO757_NAIVE_LOAD)->UseRealTime()->Unit(benchmark::kMillisecond);

// An identifier search ("MA" is among the most frequent idents of the world data, navaids and fixes
// alike) and the place-bearing-distance form.
void BM_FindWaypointCandidates(benchmark::State& state, const char* entry) {
  if (!LoadWorld(state)) return;
  plane_lat = 47.45;
  plane_lon = -122.31;
  for (auto _ : state) {
    cdu_lookup_ident = entry;
    FindWaypointCandidates(0);
    benchmark::DoNotOptimize(nav_search_cnt);
  }
  state.counters["candidates"] = nav_search_cnt;
}
BENCHMARK_CAPTURE(BM_FindWaypointCandidates, CommonIdent, "MA")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindWaypointCandidates, PlaceBearingDistance, "SEA330/10")->Unit(benchmark::kMicrosecond);

void BM_FindNearestAirport(benchmark::State& state) {
  if (!LoadWorld(state)) return;
  plane_lat = 47.45;
  plane_lon = -122.31;
  for (auto _ : state) benchmark::DoNotOptimize(FindNearestAirport());
}
BENCHMARK(BM_FindNearestAirport)->Unit(benchmark::kMicrosecond);

// Coarse rebuilds from the full tables around Frankfurt (a dense region).
void BM_FilterCoarse(benchmark::State& state) {
  if (!LoadWorld(state)) return;
  for (auto _ : state) {
    FilterWaypointsCoarse(50.03, 8.57);
    FilterStationsCoarse(50.03, 8.57);
    FilterAirportsCoarse(50.03, 8.57);
  }
  state.counters["wpts"] = near_wpts_coarse_cnt;
  state.counters["stations"] = near_stations_coarse_cnt;
  state.counters["apts"] = near_apts_coarse_cnt;
}
BENCHMARK(BM_FilterCoarse)->Unit(benchmark::kMillisecond);

void BM_FilterWaypointsCoarse(benchmark::State& state) {
  if (!LoadWorld(state)) return;
  for (auto _ : state) FilterWaypointsCoarse(50.03, 8.57);
  state.counters["wpts"] = near_wpts_coarse_cnt;
}
BENCHMARK(BM_FilterWaypointsCoarse)->Unit(benchmark::kMillisecond);

void BM_FilterFine(benchmark::State& state) {
  if (!LoadWorld(state)) return;
  FilterWaypointsCoarse(50.03, 8.57);
  FilterStationsCoarse(50.03, 8.57);
  FilterAirportsCoarse(50.03, 8.57);
  for (auto _ : state) {
    FilterWaypointsFine(50.5, 8.9);
    FilterStationsFine(50.5, 8.9);
    FilterAirportsFine(50.5, 8.9);
  }
  state.counters["wpts"] = near_wpts_fine_cnt;
}
BENCHMARK(BM_FilterFine)->Unit(benchmark::kMicrosecond);

}  // namespace
