// Test bed of the route core: a freshly loaded module with the in-process host attached, and
// helpers that lay out routes and search candidates without the CDU.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "navdb/navdb_fixture.h"
#include "navdb/navdb_globals.h"
#include "support/sim_fixture.h"

namespace route_test {

// Leg i of a test route lies on the 122 W meridian at 47 N + 0.5 i; "DISCO" rows at 0, 0.
inline double LegLat(int i) { return 47.0 + 0.5 * i; }
inline constexpr double kLegLon = -122.0;

inline void SetLegs(RouteLeg* table, int32_t* count, const std::vector<std::string>& idents) {
  int i = 0;
  for (const std::string& ident : idents) {
    RouteLeg& leg = table[i];
    ResetRouteLeg(leg);
    leg.ident = ident;
    const bool disco = ident == "DISCO";
    leg.lat = disco ? 0.0 : LegLat(i);
    leg.lon = disco ? 0.0 : kLegLon;
    leg.type = i == 0 || i + 1 == static_cast<int>(idents.size()) ? "APT" : "INT";
    ++i;
  }
  *count = i - 1;
}

inline void SetModLegs(std::initializer_list<std::string> idents) { SetLegs(fms_fpln_mod, &fp_mod_cnt, idents); }
inline void SetActLegs(std::initializer_list<std::string> idents) { SetLegs(fms_fpln_act, &fp_cnt, idents); }

inline std::vector<std::string> Idents(const RouteLeg* table, int32_t count) {
  std::vector<std::string> out;
  for (int32_t i = 0; i <= count; ++i) out.push_back(table[i].ident);
  return out;
}
inline std::vector<std::string> ModIdents() { return Idents(fms_fpln_mod, fp_mod_cnt); }

inline void SetCandidate(int row, const std::string& ident, double lat, double lon, const std::string& type = "I",
                         const std::string& extra = "") {
  SetNavRow(nav_search_list[row], ident, lat, lon, type, extra);
  if (nav_search_cnt < row) nav_search_cnt = row;
}

class RouteTest : public testing_support::SimFixture {
 protected:
  int KeyEvents(uint32_t event_id) const {
    int n = 0;
    for (const auto& e : host_.key_events()) n += e.event_id == event_id ? 1 : 0;
    return n;
  }
};

}  // namespace route_test
