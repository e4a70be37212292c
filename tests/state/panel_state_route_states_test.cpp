// A route in each state the crew can leave it in, typed on the CDU, saved as a panel state and loaded
// into a fresh module: the RTE and RTE LEGS pages, the airports, the runway and the route the maps
// draw come back as they were, in the route state saved; a file written by hand, without its route
// state, stands by its rows over a route flown before it too.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cdu/pages/perf_texts.h"
#include "cdu/route_pages_fixture.h"
#include "fmc/route_files.h"
#include "state/panel_state_files.h"

namespace cdu_test {
namespace {

struct SavedRoute {
  const char* name;
  std::string typed;  // keys, and "ENTRY>KEY" for an entry typed into the scratchpad first
  const char* then;   // typed after the route is read and before the save: not in the file
  int32_t loaded_state;
  bool names_no_state = false;  // the file as written by hand, without its route state
  std::string flown_before = "";  // typed before the load: the route the file replaces
};

// What the crew sees of the route: both pages (title and lines 1 to 6), the airports, runway and
// cruise level, the route the maps draw with the modification over it, the first hold.
using RouteSeen = std::tuple<std::vector<std::string>, std::string, Idents, int32_t, Idents, std::string>;

class PanelRouteStatesTest : public RoutePagesTest {
 protected:
  void Type(const std::string& typed) {
    std::istringstream words(typed);
    for (std::string w; words >> w;) {
      const size_t at = w.find('>');
      if (at == std::string::npos) {
        Keys(w);
      } else {
        EnterAt(w.substr(0, at), w.substr(at + 1));
      }
    }
  }
  RouteSeen Seen() {
    std::vector<std::string> pages;
    for (const char* page : {"RTE", "LEGS"}) {
      Keys(page);
      pages.push_back(TitleLine());
      for (int n = 1; n <= 6; ++n) pages.push_back(Line(n).label + " / " + Row(n));
    }
    const bool modification_drawn = fms_fpln_active == 1 || fms_fpln_active == 2 || fms_fpln_active == 4;
    return {pages, orig_ident + " " + dest_ident + " " + dep_rwy_sel + " " + cdu_perf::CruiseAltText(),
            route_test::Idents(fms_fpln_act, fp_cnt), stpos,
            modification_drawn ? ModIdents() : Idents{}, std::to_string(hold_cnt) + " " + route_holds[1].fix};
  }
  // The simulator started again on the same folder.
  void Restart() {
    ResetModuleState();
    host_.Attach(&ImportTable, &Linkage);
    sim_root = sim_.path();
    LoadNavDatabase();
    LoadFplList();
    std::tie(plane_lat, plane_lon) = std::tuple(47.45, -122.31);
  }
};

TEST_F(PanelRouteStatesTest, RouteComesBackInTheStateSaved) {
  sim_.MakeDir("Orvantel/PanelStates");
  WritePlan("KSEAKPDX.RTE",
            "[FlightPlan]\nKSEA 47.45 -122.311 APT\nSEA 47.4354 -122.3097 VOR\nKPDX 45.589 -122.597 APT\n");
  WritePlan("HIGH.RTE", "CruiseAlt=24000\n[FlightPlan]\nKSEA 47.45 -122.311 APT\nKPDX 45.589 -122.597 APT\n");
  const std::string typed = "RTE KSEA>1L KPDX>1R 16L>2L";
  const std::string built = typed + " LEGS SEA>1L TACMA>2L";
  const SavedRoute kRoutes[] = {
      {"origin alone", "RTE KSEA>1L 16L>2L", "", 0},
      {"origin and destination", typed, "", 0},
      {"a fix that did not take", typed + " LEGS KPDX>1L", "", 1},
      {"origin and a fix", "RTE KSEA>1L 16L>2L LEGS SEA>1L", "", 1},
      {"built", built, "", 1},
      {"company route", "RTE KSEAKPDX>2R", "", 1},
      {"company route with its cruise level", "RTE HIGH>2R", "", 1},
      {"built with a hold", built + " HOLD 2L 6L", "", 1},
      {"activated", built + " RTE 6R", "", 2},
      {"executed", built + " RTE 6R EXEC", "", 3},
      {"executed with no fix between", typed + " LEGS KPDX>1L RTE 6R EXEC", "", 3},
      // The modification is not in the file: the route flown comes back.
      {"modified", built + " RTE 6R EXEC", "LEGS CENTR>3L", 3},
      // Written by hand: three rows or more are executed, fewer stand as typed, over a route flown too.
      {"no state, executed", built + " RTE 6R EXEC", "", 3, true, built + " RTE 6R EXEC"},
      {"no state, origin and destination", typed, "", 0, true, built + " RTE 6R EXEC"},
  };
  for (const SavedRoute& r : kRoutes) {
    Restart();
    Type(r.typed);
    const RouteSeen before = Seen();
    Type(r.then);
    SavePanelState("trip");
    if (r.names_no_state) {
      const std::string file = "Orvantel/PanelStates/TRIP.PNL";
      std::string text = testing_support::ReadBytes(sim_.path() + "/" + file);
      const size_t at = text.find("fms_fpln_active=");
      sim_.Write(file, text.erase(at, text.find('\n', at) + 1 - at));
    }
    Restart();
    Type(r.flown_before);
    ASSERT_EQ(LoadPanelState("TRIP.PNL"), 1) << r.name;
    cdu_message.clear();
    EXPECT_EQ(fms_fpln_active, r.loaded_state) << r.name;
    EXPECT_EQ(Seen(), before) << r.name;
  }
}

}  // namespace
}  // namespace cdu_test
