// Test bed of the RTE and DEP/ARR pages: the CDU test bed on a scratch simulator folder holding a
// copy of the example region's navigation data (files may be replaced per test) and an empty plan
// folder, with the navigation database loaded from it.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cdu/cdu_fixture.h"
#include "module/main_update.h"
#include "sim/sim_globals.h"
#include "navdb/nav_loader.h"
#include "support/temp_dir.h"

namespace cdu_test {

using Idents = std::vector<std::string>;
// Seattle to Portland along J5 in the example region, the route most page tests fly.
inline const Idents kRoute{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"};

class RoutePagesTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    const std::filesystem::path src = RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata";
    for (const auto& f : std::filesystem::directory_iterator(src)) {
      std::ifstream in(f.path(), std::ios::binary);
      sim_.Write("Orvantel/Navdata/" + f.path().filename().string(),
                 std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    }
    sim_.MakeDir("Orvantel/flightplans");
    sim_root = sim_.path();
    LoadNavDatabase();
    plane_lat = 47.45;
    plane_lon = -122.31;
  }

  // Each key on a paint of its own, as a pilot presses them.
  void Keys(std::string_view names) {
    for (size_t i = 0; i < names.size();) {
      const size_t j = std::min(names.find(' ', i), names.size());
      PressAndPaint(names.substr(i, j - i));
      i = j + 1;
    }
  }

  // KSEA to KPDX typed on RTE: direct TACMA, then J5 to KELSO; not yet activated.
  void TypeSeattlePortlandOnJ5() {
    Keys("RTE");
    EnterAt("KSEA", "1L");
    EnterAt("KPDX", "1R");
    Keys("NEXT_PAGE");
    EnterAt("TACMA", "1R");
    EnterAt("J5", "2L");
    EnterAt("KELSO", "2R");
  }
  // In the air at `alt_ft` and 400 kt over the ground.
  void InTheAir(double alt_ft) {
    host_.SetToken(60, 0.0);
    host_.SetExpression("(A:INDICATED ALTITUDE, feet)", alt_ft);
    host_.SetToken(614, alt_ft / 3.2808399);  // radio height, m
    host_.SetToken(551, 400.0 * 1.68781);     // ground speed, ft/s
  }
  // Frames with the aircraft 1 NM north of the active leg's fix: within the look-ahead, so the leg is
  // sequenced.
  void FlyOverActiveFix() {
    const RouteLeg& fix = fms_fpln_act[stpos];
    host_.SetToken(71, (fix.lat + 1.0 / 60.0) * 111130.555557);
    host_.SetToken(72, (fix.lon < 0.0 ? fix.lon + 360.0 : fix.lon) * 781874935307.4);
    for (int i = 0; i < 40; ++i) {
      host_.SetToken(1, ++tick_);
      MainUpdate();
    }
  }

  // The route helpers lay fixes out on a meridian; an airway is joined only at the route's fix
  // itself, so SEA goes where the example data's airways have it.
  static void PlaceSeaOnItsAirways(RouteLeg* legs, int32_t last) {
    for (int32_t i = 0; i <= last; ++i) {
      if (legs[i].ident == "SEA") std::tie(legs[i].lat, legs[i].lon) = std::tuple(47.4354, -122.3097);
    }
  }

  void WriteNavFile(const std::string& name, const std::string& text) { sim_.Write("Orvantel/Navdata/" + name, text); }
  void WritePlan(const std::string& name, const std::string& text) { sim_.Write("Orvantel/flightplans/" + name, text); }

  // One more fix named DUPLI in two places, and the database read again.
  void AddDuplicateFix() {
    WriteNavFile("ints.txt", testing_support::ReadBytes(RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata/ints.txt") +
                                 "DUPLI DUPLI 47.1000 -122.1000\nDUPLI DUPLI 45.0000 -120.0000\n");
    LoadNavDatabase();
  }

  testing_support::TempDir sim_;
  double tick_ = 1000.0;
};

}  // namespace cdu_test
