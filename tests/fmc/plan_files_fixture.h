// Test beds of the route files, plan import and hand-over: a scratch simulator folder with
// "Orvantel/flightplans" and "Orvantel/Navdata", the latter, for route execution and the procedures,
// holding a copy of the example simulator's navigation data (KSEA, KPDX and their procedures).
#pragma once

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>

#include "fmc/fmc_globals.h"
#include "fmc/route_fixture.h"
#include "sim/sim_globals.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"
#include "support/temp_dir.h"

namespace plan_files_test {

// Row `row` of a route table reset to a leg at a position, typed as the route code types it.
inline RouteLeg& PlaceLeg(RouteLeg* table, int32_t row, const std::string& ident, double lat, double lon,
                          const std::string& type = "") {
  RouteLeg& leg = table[row];
  ResetRouteLeg(leg);
  std::tie(leg.ident, leg.lat, leg.lon, leg.type) = std::tuple(ident, lat, lon, type);
  return leg;
}

class PlanFilesTest : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    sim_.MakeDir("Orvantel/flightplans");
    sim_.MakeDir("Orvantel/Navdata");
    sim_root = sim_.path();
  }

  void WritePlan(const std::string& name, const std::string& bytes) { sim_.Write("Orvantel/flightplans/" + name, bytes); }
  std::string PlanBytes(const std::string& name) const {
    return testing_support::ReadBytes(sim_ / ("Orvantel/flightplans/" + name));
  }

  // A navaid of the loaded table, with the name index row of its first character (the table is
  // sorted by ident, as the index expects).
  static void AddNavaid(const std::string& ident, double lat, double lon, const std::string& type,
                        const std::string& freq) {
    const int32_t row = nav_navaids_cnt + 1;
    AddNavRow(nav_navaids, &nav_navaids_cnt, ident, lat, lon, type, freq);
    for (int32_t i = 1; i <= nav_name_index_cnt; ++i) {
      if (nav_name_index[i].name == ident.substr(0, 1)) return;
    }
    ++nav_name_index_cnt;
    nav_name_index[nav_name_index_cnt] = NavNameIndexEntry{ident.substr(0, 1), row};
  }

  testing_support::TempDir sim_;
};

}  // namespace plan_files_test

namespace example_route_test {

class ExampleRouteTest : public plan_files_test::PlanFilesTest {
 protected:
  void SetUp() override {
    PlanFilesTest::SetUp();
    const std::filesystem::path from = RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata";
    for (const auto& e : std::filesystem::directory_iterator(from)) {
      std::filesystem::copy_file(e.path(), std::filesystem::path(sim_ / "Orvantel/Navdata") / e.path().filename());
    }
  }

  static RouteLeg& ModLeg(int32_t row, const std::string& ident, double lat, double lon, const std::string& type = "") {
    return plan_files_test::PlaceLeg(fms_fpln_mod, row, ident, lat, lon, type);
  }

  // KSEA - SEA - TACMA - CENTR - KELSO - WILAM - KPDX as the modified route (a route not yet active).
  static void SeattlePortlandRoute() {
    ModLeg(0, "KSEA", 47.4500, -122.3110, "APT");
    ModLeg(1, "SEA", 47.4354, -122.3097, "VOR");
    ModLeg(2, "TACMA", 47.2010, -122.3460);
    ModLeg(3, "CENTR", 46.7190, -122.6020);
    ModLeg(4, "KELSO", 46.1480, -122.8830);
    ModLeg(5, "WILAM", 45.9050, -122.7040);
    ModLeg(6, "KPDX", 45.5890, -122.5970, "APT");
    fp_mod_cnt = 6;
  }
};

}  // namespace example_route_test
