// Loading a route's origin and destination with their SIDs, STARs and approaches: from the example
// simulator folder, and from generated world-size procedure files in which the two airports come
// last (the loaders read every section before theirs).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "sim/sim_globals.h"
#include "module/module_state.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"

namespace {

constexpr int kAirports = 15000;    // lines of apts.txt
constexpr int kSections = 2000;     // airports with procedures
constexpr int kProcedures = 20;     // SIDs, STARs and approaches per airport
constexpr int kTargetProcedures = 60;

std::string AirportIdent(int i) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "Q%04d", i);
  return buf;
}

// One airport's section of each procedure file; the two targets get more procedures.
void WriteSection(std::ofstream& sids, std::ofstream& stars, std::ofstream& apps, const std::string& icao, int n) {
  sids << "[" << icao << "]\n";
  stars << "[" << icao << "]\n";
  apps << "[" << icao << "]\n";
  for (int p = 1; p <= n; ++p) {
    std::string sid = "D";
    sid += std::to_string(p);
    sids << "T " << sid << " SID 09B\n"
         << sid << " RW09 /H090/UA 3000 09 45.00 -122.00\n"
         << sid << " /RT/H150/UA 5000 09 0 0\n"
         << sid << " /T180/IC200 6000 09 44.80 -121.80\n"
         << sid << " FIX" << p << " 7000 --- 44.70 -121.90 FO\n"
         << sid << " /RT/T240/UD20.0 8000 --- 45.00 -122.00\n";
    for (int k = 1; k <= 6; ++k) sids << sid << " W" << k << " 9000 --- " << 44.6 - 0.05 * k << " -122.1\n";
    sids << sid << ".EAST E1 10000 --- 44.5 -121.5\n" << sid << ".WEST W9 10000 --- 44.5 -122.5\n";

    std::string star = "A";
    star += std::to_string(p);
    stars << "T " << star << " STAR ALL\n"
          << "NORTH." << star << " N1 16000 --- 46.0 -122.0\n"
          << "NORTH." << star << " N2 12000 --- 45.6 -122.0\n"
          << "SOUTH." << star << " S1 16000 --- 44.0 -122.0\n"
          << star << " M1 10000 --- 45.3 -122.1\n"
          << star << " /T260/UD10.0 8000 --- 45.0 -122.0\n"
          << star << " /H200/IC090 6000 09 0 0\n"
          << star << " F1 4000 09 45.0 -122.2\n";
    for (int k = 1; k <= 6; ++k) stars << star << " V" << k << " 4000 --- 45.0 " << -122.2 - 0.02 * k << "\n";

    std::string app = "I";
    app += std::to_string(p);
    apps << "09 " << app << " IAF1 IAF 5000 45.20 -122.30\n"
         << "09 " << app << " IF1 IAF1 4000 45.05 -122.25\n"
         << "09 " << app << " IAF2 IAF 4000 45.00 -122.40\n"
         << "09 " << app << " /LT-H090/UD4.0 --- 3500 45.00 -122.20 IAF2\n"
         << "09 " << app << " FAF1 FAF 2500 45.00 -122.15\n"
         << "09 " << app << " RW09 MAP 100 45.00 -122.00\n"
         << "09 " << app << " /H090/UD8.0 --- 3000 45.00 -122.00\n"
         << "09 " << app << " HOLD1 HP 4000 45.00 -121.80\n";
  }
}

// The generated folder, written once per run.
const std::string& GeneratedRoot() {
  static std::string root;
  if (!root.empty()) return root;
  root = (std::filesystem::temp_directory_path() / "ro757_procs_bench").string();
  std::filesystem::path nav = std::filesystem::path(root) / "Orvantel" / "Navdata";
  std::filesystem::create_directories(nav);
  std::ofstream apts(nav / "apts.txt");
  for (int i = 1; i <= kAirports; ++i) {
    apts << AirportIdent(i) << " FIELD_" << i << " 100 45.0 -122.0 09_9000_45.00_-122.00_90_110.1_X_90 "
         << "27_9000_45.00_-121.90_270_0_X_270 18_7000_45.05_-121.95_180_0_X_180\n";
  }
  std::ofstream sids(nav / "sids.txt"), stars(nav / "stars.txt"), apps(nav / "apps.txt");
  for (int s = 1; s < kSections; ++s) WriteSection(sids, stars, apps, AirportIdent(s), kProcedures);
  WriteSection(sids, stars, apps, AirportIdent(kAirports - 1), kTargetProcedures);
  WriteSection(sids, stars, apps, AirportIdent(kAirports), kTargetProcedures);
  return root;
}

void LoadRoute(benchmark::State& state, const std::string& root, const std::string& origin, const std::string& dest) {
  ResetModuleState();
  sim_root = root;
  for (auto _ : state) {
    LoadAirport(origin, 1);
    LoadAirport(dest, 2);
    benchmark::DoNotOptimize(airport_recs[2].appr_cnt);
  }
  state.counters["sids"] = airport_recs[1].sid_cnt;
  state.counters["stars"] = airport_recs[2].star_cnt;
  state.counters["apprs"] = airport_recs[2].appr_cnt;
  ResetModuleState();
}

void BM_LoadExampleOriginAndDestination(benchmark::State& state) {
  LoadRoute(state, RO757_SOURCE_DIR "/examples/sim", "KSEA", "KPDX");
}
BENCHMARK(BM_LoadExampleOriginAndDestination)->Unit(benchmark::kMicrosecond);

void BM_LoadGeneratedOriginAndDestination(benchmark::State& state) {
  LoadRoute(state, GeneratedRoot(), AirportIdent(kAirports - 1), AirportIdent(kAirports));
}
BENCHMARK(BM_LoadGeneratedOriginAndDestination)->Unit(benchmark::kMillisecond);

// A reset after the two large airports: only their used rows are cleared. Each reset needs the two
// airports loaded again (about 0.1 s, outside the timing), so a few resets are measured rather than
// as many as the timing would take.
void BM_ResetAfterLoadedAirports(benchmark::State& state) {
  sim_root = GeneratedRoot();
  for (auto _ : state) {
    state.PauseTiming();
    LoadAirport(AirportIdent(kAirports - 1), 1);
    LoadAirport(AirportIdent(kAirports), 2);
    state.ResumeTiming();
    ResetModuleState();
    sim_root = GeneratedRoot();
  }
}
BENCHMARK(BM_ResetAfterLoadedAirports)->Iterations(8)->Unit(benchmark::kMicrosecond);

}  // namespace
