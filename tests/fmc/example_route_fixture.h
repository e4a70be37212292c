// Test bed of route execution and the procedure pages: the route test bed on a scratch copy of the
// example simulator's navigation data (KSEA, KPDX and their procedures), so that the plan the
// hand-over writes stays in the scratch folder.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "fmc/plan_files_fixture.h"
#include "navdb/airport_loader.h"
#include "navdb/navdb_globals.h"

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

  // A leg of the modified route at a position, typed as the route code types it.
  static RouteLeg& ModLeg(int32_t row, const std::string& ident, double lat, double lon, const std::string& type = "") {
    RouteLeg& leg = fms_fpln_mod[row];
    ResetRouteLeg(leg);
    leg.ident = ident;
    leg.lat = lat;
    leg.lon = lon;
    leg.type = type;
    return leg;
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
