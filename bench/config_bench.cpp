// Start-up reads: the configuration file with every key (and the navigation data header), the header
// scan of a navs.txt that has none, and one identification scan across many aircraft folders.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "module/module_state.h"
#include "state/aircraft_id.h"
#include "state/config_file.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "sim/sim_globals.h"
#include "tests/support/temp_dir.h"

namespace {

void UseSimRoot(const testing_support::TempDir& dir) { sim_root = dir.path(); }

// Every key with a comment line above it, CR LF line ends, as a user's full file would be.
std::string FullConfigText() {
  std::string text;
  for (const ConfigKey& row : ConfigKeyTable()) {
    std::string value = "1";
    if (row.key.find("Color") != std::string_view::npos) value = "40, 117, 197";
    if (row.key == "DisplayFont") value = "Orvantel757";
    if (row.key == "WeightUnit") value = "KGS";
    if (row.key == "ClimbMach" || row.key == "CruiseMach") value = "0.78";
    text += "; " + std::string(row.key) + ": what this key sets, in a sentence or two.\r\n";
    text += std::string(row.key) + "=" + value + "\r\n";
  }
  return text;
}

void BM_ReadFullConfigFile(benchmark::State& state) {
  testing_support::TempDir dir;
  dir.Write("Orvantel/ro757.cfg", FullConfigText());
  dir.Write("Orvantel/Navdata/navs.txt",
            "; Radio navaids\r\n;AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-2024)\r\nSEA SEATTLE 47.4 -122.3 VOR 116.80\r\n");
  ResetModuleState();
  UseSimRoot(dir);
  for (auto _ : state) {
    ReadConfigFile();
    benchmark::DoNotOptimize(cfg_loaded);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ConfigKeyTable().size()));
  ResetModuleState();
}
BENCHMARK(BM_ReadFullConfigFile)->Unit(benchmark::kMicrosecond);

// A navs.txt of world size (15,000 stations) without the header line is read to its end.
void BM_ReadConfigWithHeaderlessNavs(benchmark::State& state) {
  testing_support::TempDir dir;
  std::string navs;
  for (int i = 0; i < 15000; ++i) navs += "ABC" + std::to_string(i) + " SOME_STATION 47.4354 -122.3097 VOR 116.80\r\n";
  dir.Write("Orvantel/Navdata/navs.txt", navs);
  ResetModuleState();
  UseSimRoot(dir);
  for (auto _ : state) ReadConfigFile();
  ResetModuleState();
}
BENCHMARK(BM_ReadConfigWithHeaderlessNavs)->Unit(benchmark::kMillisecond);

// One attempt that reads 200 aircraft folders and finds the title in the last one.
void BM_FindAircraftCfgAcross200Folders(benchmark::State& state) {
  testing_support::TempDir dir;
  for (int i = 0; i < 200; ++i) {
    std::string cfg = "[General]\r\natc_type=OTHER\r\n";
    for (int s = 0; s < 8; ++s) {
      std::string title = i == 199 && s == 7 ? "Orvantel 757-200 House" : "Other " + std::to_string(i * 8 + s);
      cfg += "[fltsim." + std::to_string(s) + "]\r\ntitle=" + title +
             "\r\nsim=ro757-200\r\nmodel=ro757_pw_200\r\npanel=\r\ntexture=t" + std::to_string(s) +
             "\r\nui_manufacturer=Other\r\nui_type=Airliner\r\n\r\n";
    }
    char folder[32];
    std::snprintf(folder, sizeof folder, "Plane %03d", i);
    dir.Write(std::string("SimObjects/Airplanes/") + folder + "/aircraft.cfg", cfg);
  }
  ResetModuleState();
  UseSimRoot(dir);
  for (auto _ : state) {
    simver = 10;
    aircraft = "orvantel 757-200 house";
    acfg_attempts = 0;
    benchmark::DoNotOptimize(FindAircraftCfg());
  }
  ResetModuleState();
}
BENCHMARK(BM_FindAircraftCfgAcross200Folders)->Unit(benchmark::kMillisecond);

}  // namespace
