// Test bed of the route files, plan import and hand-over: the route test bed with a scratch
// simulator folder holding "Orvantel/flightplans" and "Orvantel/Navdata".
#pragma once

#include <cstring>
#include <string>

#include "fmc/fmc_globals.h"
#include "fmc/route_fixture.h"
#include "frame/frame_globals.h"
#include "navdb/navdb_globals.h"
#include "support/temp_dir.h"

namespace plan_files_test {

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
    const int32_t row = ++nav_navaids_cnt;
    NavRecord& n = nav_navaids[row];
    ClearRecord(n);
    SetText(n.ident, ident);
    n.lat = lat;
    n.lon = lon;
    SetText(n.type, type);
    SetText(n.extra, freq);
    for (int32_t i = 1; i <= nav_name_index_cnt; ++i) {
      if (nav_name_index[i].name == ident.substr(0, 1)) return;
    }
    ++nav_name_index_cnt;
    nav_name_index[nav_name_index_cnt] = NavNameIndexEntry{ident.substr(0, 1), row};
  }

  static void AddRecord(NavRecord* table, int32_t* count, const std::string& ident, double lat, double lon,
                        const std::string& type) {
    NavRecord& r = table[++*count];
    ClearRecord(r);
    SetText(r.ident, ident);
    r.lat = lat;
    r.lon = lon;
    SetText(r.type, type);
  }

  testing_support::TempDir sim_;
};

}  // namespace plan_files_test
