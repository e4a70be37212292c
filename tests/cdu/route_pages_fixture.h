// Test bed of the RTE and DEP/ARR pages: the CDU test bed on a scratch simulator folder holding a
// copy of the example region's navigation data (files may be replaced per test) and an empty plan
// folder, with the navigation database loaded from it.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cdu/cdu_fixture.h"
#include "frame/frame_globals.h"
#include "navdb/nav_loader.h"
#include "support/temp_dir.h"

namespace cdu_test {

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

  void WriteNavFile(const std::string& name, const std::string& text) { sim_.Write("Orvantel/Navdata/" + name, text); }
  void WritePlan(const std::string& name, const std::string& text) { sim_.Write("Orvantel/flightplans/" + name, text); }

  // An entry typed into an empty scratchpad, then the keys, then one CDU paint.
  const gfx::Recording& EnterAt(std::string_view text, std::string_view keys) {
    Entry(text);
    return PressAndPaint(keys);
  }

  testing_support::TempDir sim_;
};

}  // namespace cdu_test
