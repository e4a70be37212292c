// Route files: reading a 150-leg route file into the modified route (as the STORED FLIGHT PLANS
// page does), and building the stored-plan list from a folder of 199 plan files (as start-up and
// the FLIGHT PLANS key do).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fmc/fmc_globals.h"
#include "fmc/route_files.h"
#include "sim/sim_globals.h"
#include "module/module_state.h"

namespace {

// A scratch simulator folder with plan files, removed at the end of the benchmark.
class PlanFolder {
 public:
  PlanFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "ro757_bench_XXXXXX").string();
    if (::mkdtemp(tmpl.data()) != nullptr) root_ = tmpl;
    std::filesystem::create_directories(root_ + "/Orvantel/flightplans");
  }
  ~PlanFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  const std::string& root() const { return root_; }

  // A route of `legs` legs from KSEA eastwards, in the writer's layout with CR LF line ends.
  void WriteRoute(const std::string& name, int legs) const {
    std::ofstream out(root_ + "/Orvantel/flightplans/" + name, std::ios::binary);
    out << "CruiseAlt=35000\r\nTripFuel=30000\r\n[FlightPlan]\r\n";
    char line[160];
    char ident[16];
    for (int i = 0; i < legs; ++i) {
      const bool end = i == 0 || i == legs - 1;
      std::snprintf(ident, sizeof ident, "%s", i == 0 ? "KSEA" : "KJFK");
      if (!end) std::snprintf(ident, sizeof ident, "F%04d", i);
      std::snprintf(line, sizeof line, "%-16s %-2.5f  %-3.5f  %-3s %-6s %-7s %s\r\n", ident, 47.449 - 0.045 * i,
                    -122.309 + 0.32 * i, end ? "APT" : "INT", "---", end ? "" : "J70", end ? "" : "AWY");
      out << line;
    }
  }

 private:
  std::string root_;
};

void BM_LoadRouteFile150Legs(benchmark::State& state) {
  ResetModuleState();
  PlanFolder folder;
  folder.WriteRoute("LONG.RTE", 150);
  sim_root = folder.root();
  for (auto _ : state) {
    fms_fpln_active = 0;
    LoadFlightPlanFile("LONG.RTE", 0);
    benchmark::DoNotOptimize(fp_mod_cnt);
  }
  if (fp_mod_cnt != 149) state.SkipWithError("route not read");
  state.SetItemsProcessed(state.iterations() * 150);
  ResetModuleState();
}
BENCHMARK(BM_LoadRouteFile150Legs)->Unit(benchmark::kMicrosecond);

void BM_BuildPlanList199Files(benchmark::State& state) {
  ResetModuleState();
  PlanFolder folder;
  for (int i = 0; i < 199; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "PLAN%03d.RTE", i);
    folder.WriteRoute(name, 20 + i % 60);
  }
  sim_root = folder.root();
  for (auto _ : state) {
    LoadFplList();
    benchmark::DoNotOptimize(fpl_list_loaded);
  }
  if (fpl_list_loaded != 200) state.SkipWithError("list not built");
  state.SetItemsProcessed(state.iterations() * 199);
  ResetModuleState();
}
BENCHMARK(BM_BuildPlanList199Files)->Unit(benchmark::kMillisecond);

}  // namespace
