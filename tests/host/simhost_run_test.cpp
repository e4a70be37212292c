// Runs the real simhost program on the real shared library, as the demo does.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "module/module_entry.h"
#include "host/panel_config.h"
#include "support/simhost_runner.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempDir;

using Result = testing_support::SimhostResult;
using testing_support::Quote;
using testing_support::RunSimhost;

// The example simulator folder, copied so that whatever the module writes stays out of the sources.
class SimhostRun : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(fs::path(RO757_SOURCE_DIR) / "examples/sim", sim_ / "sim", fs::copy_options::recursive);
  }
  // Runs an example scenario on the copied folder, pictures and logs going to "out".
  Result Example(const std::string& scenario, const std::string& extra = "") {
    return RunSimhost("--sim-root " + Quote(sim_ / "sim") + " --scenario " +
                      Quote(std::string(RO757_SOURCE_DIR) + "/examples/scenarios/" + scenario) + extra + " --out " +
                      Quote(sim_ / "out"));
  }
  // Runs a scenario file of the test's own, with pictures and logs going to "out" when asked.
  Result Own(const std::string& scenario, bool out = false, const std::string& extra = "") {
    return RunSimhost("--sim-root " + Quote(sim_ / "sim") + " --scenario " + Quote(sim_ / scenario) +
                      (out ? " --out " + Quote(sim_ / "out") : "") + extra);
  }
  TempDir sim_;
};

// A PNG read back: its size and premultiplied ARGB32 pixels (a picture without transparency is
// written without an alpha channel: opaque).
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

bool ReadPng(const fs::path& path, Picture* out) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
                  (cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32 ||
                   cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24);
  if (ok) {
    cairo_surface_flush(s);
    out->width = cairo_image_surface_get_width(s);
    out->height = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    out->pixels.resize(static_cast<size_t>(out->width) * static_cast<size_t>(out->height));
    for (int y = 0; y < out->height; ++y) {
      std::memcpy(&out->pixels[static_cast<size_t>(y) * static_cast<size_t>(out->width)], data + y * stride,
                  static_cast<size_t>(out->width) * 4);
    }
    if (cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24) {
      for (uint32_t& p : out->pixels) p |= 0xFF000000u;
    }
  }
  cairo_surface_destroy(s);
  return ok;
}

constexpr uint32_t kCduGreen = 0xFF00FA00u;

// Pixels of one colour in a box of a picture.
size_t CountColour(const std::string& file, uint32_t colour, int x0, int y0, int x1, int y1) {
  Picture pic;
  EXPECT_TRUE(ReadPng(file, &pic)) << file;
  size_t n = 0;
  for (int y = y0; y < std::min(y1, pic.height); ++y) {
    for (int x = x0; x < std::min(x1, pic.width); ++x) n += pic.At(x, y) == colour ? 1 : 0;
  }
  return n;
}

// The demo loads all 21 gauges and counts the key events it logs (their lines and the drawing are
// golden files). Each display's picture has its surface's size and shows what its paint entry
// draws on a powered aircraft: black where it fills its background, transparent where it only
// clears (kept by --transparent), sky and ground on the aligned PFD; the cabin's loops are heard.
TEST_F(SimhostRun, DemoLoadsEveryGaugeAndWritesOnePictureOfEachDisplay) {
  Result r = Example("demo.scn", " --frames 200 --transparent");
  ASSERT_EQ(r.status, 0) << r.output;
  ASSERT_EQ(simhost::CountLinkedGauges(&Linkage), 21);
  const std::string log = ReadBytes(sim_ / "out/key_events.log");
  const auto lines = std::count(log.begin(), log.end(), '\n');
  for (const std::string& text : {std::string("21 gauges loaded, 22 instances"), std::string("200 frames run"),
                                 "output folder: " + sim_ / "out", std::string("run time "),
                                 std::string("9 snapshots written:\n    eadi.png\n    cdu.png\n"),
                                 std::to_string(lines) + " key events sent by the module"}) {
    EXPECT_NE(r.output.find(text), std::string::npos) << text << "\n" << r.output;
  }
  const std::string wav = ReadBytes(sim_ / "out/sound.wav");
  double sum = 0.0;
  size_t n = 0;
  for (size_t at = 44; at + 1 < wav.size(); at += 2, ++n) {
    const auto v = static_cast<int16_t>(static_cast<uint8_t>(wav[at]) | (static_cast<uint8_t>(wav[at + 1]) << 8));
    sum += static_cast<double>(v) * v;
  }
  ASSERT_GT(n, 0u);
  EXPECT_GT(std::sqrt(sum / static_cast<double>(n)), 300.0);  // well above silence (0) and dither
  constexpr uint32_t kBlack = 0xFF000000u, kClear = 0u;
  const struct {
    const char* file;
    int width, height;
    int x, y;
    uint32_t pixel;
  } kProbes[] = {
      {"eadi.png", 217, 173, 108, 86, kBlack},           {"cdu.png", 399, 320, 200, 160, kClear},
      {"fp_ehsi.png", 358, 216, 5, 5, kClear},           {"fp_nd.png", 358, 477, 20, 420, kBlack},
      {"fp_pfd.png", 318, 232, 159, 116, 0xFF4143EEu},   {"fp_pfd.png", 318, 232, 159, 150, 0xFF611F05u},
      {"lower_eicas.png", 250, 213, 125, 106, kClear},   {"nd.png", 358, 420, 8, 415, kClear},
      {"stby_pfd.png", 101, 93, 60, 25, 0xFF0F9AF5u},    {"upper_eicas.png", 250, 213, 125, 106, kClear},
  };
  for (const auto& p : kProbes) {
    Picture pic;
    ASSERT_TRUE(ReadPng(fs::path(sim_ / "out") / p.file, &pic)) << p.file;
    EXPECT_EQ(pic.width, p.width) << p.file;
    EXPECT_EQ(pic.height, p.height) << p.file;
    EXPECT_EQ(pic.At(p.x, p.y), p.pixel) << p.file << " at " << p.x << ", " << p.y;
  }
}

// Snapshots show a display on black, as the panel behind it, unless --transparent keeps its
// transparency; the operation lists are the same either way. A gauge without a drawing surface is
// drawn by the stand-in: its background's size, opaque, its readouts from the tokens set.
TEST_F(SimhostRun, SnapshotsLieOnBlackUnlessTransparencyIsAsked) {
  sim_.Write("pictures.scn", "set token 23 6144\nframes 20\nsnapshot FMS_NB cdu.png\nsnapshot RADIO_STACK radio.png\n");
  std::string cdu_ops[2];
  for (int transparent = 0; transparent < 2; ++transparent) {
    Result r = RunSimhost("--sim-root " + Quote(sim_ / "sim") + " --scenario " + Quote(sim_ / "pictures.scn") +
                          " --out " + Quote(sim_ / "out") + " --record" + (transparent != 0 ? " --transparent" : ""));
    ASSERT_EQ(r.status, 0) << r.output;
    Picture cdu, radio;
    ASSERT_TRUE(ReadPng(sim_ / "out/cdu.png", &cdu));
    const auto clear = std::count_if(cdu.pixels.begin(), cdu.pixels.end(), [](uint32_t p) { return p >> 24 == 0; });
    const auto opaque = std::count_if(cdu.pixels.begin(), cdu.pixels.end(), [](uint32_t p) { return p >> 24 == 0xFF; });
    if (transparent != 0) {
      EXPECT_GT(clear, 1000);
    } else {
      EXPECT_EQ(opaque, static_cast<long>(cdu.pixels.size()));
    }
    cdu_ops[transparent] = ReadBytes(sim_ / "out/cdu.ops");
    ASSERT_TRUE(ReadPng(sim_ / "out/radio.png", &radio));
    EXPECT_EQ(std::tuple(radio.width, radio.height), std::tuple(579, 1385));
    EXPECT_EQ(radio.At(5, 5), 0xFF202020u);
    const std::string radio_ops = ReadBytes(sim_ / "out/radio.ops");
    EXPECT_NE(radio_ops.find("# radio.png (RADIO_STACK, painted in frame 20): 579x1385"), std::string::npos) << radio_ops;
    EXPECT_NE(radio_ops.find("text \"118.00\" \"Quartz\" 33 bold center/center #FF00FA00 at 77,62 in 165x44"),
              std::string::npos)
        << radio_ops;
  }
  EXPECT_FALSE(cdu_ops[0].empty());
  EXPECT_EQ(cdu_ops[0], cdu_ops[1]);
}

// The MCP's knobs and the autopilot engage button as the cockpit's panel sets their request
// variables: the module sends its key events, the stand-in applies them to the simulator's state
// before the echo reaches the module's handler, and the module reads back what it set.
TEST_F(SimhostRun, McpKnobsAndAutopilotEngageHoldAfterTheSimulatorEchoes) {
  sim_.Write("mcp.scn",
             "set token 60 0\n"
             "set token 614 1000\n"  // radio height 3,281 ft
             "set expr \"(A:INDICATED ALTITUDE, feet)\" 5000\n"
             "set token 81 90\n"
             "set token 107 90\n"
             "at 20 set named apleft_clicked 1\n"
             "at 40 set named hdg_sel_clicked 1\n"
             "at 60 print named hdg_sel_dir\n"
             "at 60 set named hdg_sel_dir_incr 1\n"
             "at 70 set named hdg_sel_dir_incr 1\n"
             "at 90 set named vs_sel_num_incr 1\n"
             "at 100 set named vs_sel_num_incr 1\n"
             "at 120 set named alt_sel_num_incr 1\n"
             "at 130 set named alt_sel_num_incr 1\n"
             "at 150 frames 0\n"
             "watch named hdg_sel_dir\n"
             "watch token 107\n"
             "watch token 120\n"
             "watch named alt_sel_num\n"
             "watch expr \"(A:AUTOPILOT ALTITUDE LOCK VAR, feet)\"\n"
             "watch token 103\n"
             "watch named apleft\n");
  Result r = Own("mcp.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("frame 60: named hdg_sel_dir = 90\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("  watched variables:\n"
                          "    named hdg_sel_dir = 92\n"
                          "    token 107 = 92\n"
                          "    token 120 = 200\n"
                          "    named alt_sel_num = 200\n"
                          "    expr \"(A:AUTOPILOT ALTITUDE LOCK VAR, feet)\" = 200\n"
                          "    token 103 = 1\n"
                          "    named apleft = 1\n"),
            std::string::npos)
      << r.output;
}

// The README's five-line scenario executes KSEA to KPDX: "ACT" stands in the RTE page's title.
TEST_F(SimhostRun, ReadmeRouteScenarioExecutesTheRoute) {
  const std::string readme = ReadBytes(std::string(RO757_SOURCE_DIR) + "/README.md");
  const size_t from = readme.find("      set token 60 1\n");
  const size_t to = readme.find("\n\n", from);
  ASSERT_NE(from, std::string::npos);
  std::string scenario;
  for (size_t at = from; at < to; at = readme.find('\n', at) + 1) {
    scenario += readme.substr(at + 6, readme.find('\n', at) - at - 6) + "\n";
  }
  EXPECT_EQ(std::count(scenario.begin(), scenario.end(), '\n'), 5) << scenario;
  sim_.Write("route.scn", scenario + "at 40 snapshot FMS_NB rte.png\n");
  Result r = Own("route.scn", true);
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_GT(CountColour(sim_ / "out/rte.png", kCduGreen, 20, 0, 85, 25), 30u);
}

// With the hand-over on, EXEC gives the simulator the plan, whose waypoints the stand-in records as the
// file stood then; with it off (the example folder) nothing is handed over and there is no log.
TEST_F(SimhostRun, ExecutedRouteIsRecordedAsThePlanHandedToTheSimulator) {
  const std::string route =
      "set token 60 1\nset token 71 5273144.861\nset token 72 185843071498280.6\n"
      "at 20 cdu RTE KSEA 1L KPDX 1R LEGS SEA 1L RTE 6R\nat 30 cdu EXEC RTE\n";
  sim_.Write("route.scn", route);
  Result off = Own("route.scn", true);
  ASSERT_EQ(off.status, 0) << off.output;
  EXPECT_FALSE(fs::exists(sim_ / "out/plan_loads.log"));

  std::string cfg = ReadBytes(sim_ / "sim/Orvantel/ro757.cfg");
  cfg.replace(cfg.find("synchfplanwithfsgps=0"), 21, "synchfplanwithfsgps=1");
  sim_.Write("sim/Orvantel/ro757.cfg", cfg);
  Result on = Own("route.scn", true);
  ASSERT_EQ(on.status, 0) << on.output;
  EXPECT_NE(on.output.find("1 flight plans handed to the simulator (plan_loads.log)"), std::string::npos) << on.output;
  const std::string log = ReadBytes(sim_ / "out/plan_loads.log");
  EXPECT_EQ(log, "frame 30: Orvantel\\Navdata\\tmpfplan.pln: 3 waypoints: KSEA SEA KPDX\n");
}

// At any frame rate a CDU key runs until a tick has moved the CDU's redraw slot on, so that the CDU
// paints and takes each key before the next: at 60 frames a second as at 18 the route takes both
// airports.
TEST_F(SimhostRun, CduKeysAreTakenOneByOneAtAnyFrameRate) {
  for (const char* fps : {"18", "60"}) {
    sim_.Write("fps.scn", std::string("fps ") + fps +
                              "\nset token 60 1\nset token 71 5273144.861\nset token 72 185843071498280.6\n"
                              "at 20 cdu RTE KSEA 1L KPDX 1R\nframes 8\nsnapshot FMS_NB rte.png\n");
    Result r = Own("fps.scn", true, " --record");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string ops = ReadBytes(sim_ / "out/rte.ops");
    for (const char* airport : {" KSEA\"", " KPDX\""}) {
      EXPECT_NE(ops.find(airport), std::string::npos) << fps << " " << airport;
    }
  }
}

// The flight-save key event keeps the panel state; loaded again at the same place (a new run of
// the module), the aircraft starts with it and the CDU says so.
TEST_F(SimhostRun, FlightSaveSnapshotComesBackAtTheNextLoad) {
  fs::create_directories(sim_ / "sim/Orvantel/PanelStates");
  const std::string at_the_gate =
      "set text \"(A:TITLE,string)\" \"Orvantel 757-200 House\"\n"
      "set token 60 1\nset token 71 5273144.861\nset token 72 185843071498280.6\nset token 81 160\n"
      "set expr \"(A:INDICATED ALTITUDE, feet)\" 433\n";
  sim_.Write("save.scn", at_the_gate + "at 10 set named alt_sel_num_incr 1\nat 20 key 0x10027\nat 30 frames 0\n");
  sim_.Write("load.scn", at_the_gate + "at 30 snapshot FMS cdu.png\nwatch named alt_sel_num\n");
  Result r = Own("save.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  r = Own("load.scn", true, " --record");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("named alt_sel_num = 10100\n"), std::string::npos) << r.output;  // not the start-up 10000
  EXPECT_NE(ReadBytes(sim_ / "out/cdu.ops").find("text \"PANEL STATE LOADED OK\""), std::string::npos);
}

// The traffic example with the debug log on: the TCAS module the host offers is connected at start-up
// and the log lands in the simulator folder.
TEST_F(SimhostRun, TrafficScenarioConnectsTheTcasModuleAndLogs) {
  const fs::path cfg = sim_ / "sim/Orvantel/ro757.cfg";
  std::string text = ReadBytes(cfg.string());
  const size_t at = text.find("LogFlightData=0");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 15, "LogFlightData=1");
  sim_.Write("sim/Orvantel/ro757.cfg", text);
  sim_.Write("more.scn", "set fsuipc 0x0B24 2 0x1234\nframes 3\nprint fsuipc 0x0B24 2\nfsuipc off\n");
  Result r = Example("traffic.scn", " --frames 100");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("fsuipc 0x32F8:1 = 0"), std::string::npos) << r.output;
  const std::string log = ReadBytes(sim_ / "sim/ze752_data.log");
  // Connected by the first attempt, before the configuration switched the log on.
  EXPECT_NE(log.find("tcas_serv != NULL ***\r\ntcas_server_connect=1 , tcas_flag=21\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("Attempt-"), std::string::npos);
  // The module never closes the log; what it wrote last is there all the same once it is unloaded.
  EXPECT_TRUE(log.ends_with("dis_connect_stuff(): \r\n\r\n")) << log.substr(log.size() > 200 ? log.size() - 200 : 0);

  r = Own("more.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("frame 3: fsuipc 0x0B24:2 = 4660"), std::string::npos) << r.output;
}

// The sound example (its log is a golden file): a track of the whole run that is silent between
// the sounds.
TEST_F(SimhostRun, SoundScenarioLogsAndMixesDownItsSounds) {
  Result r = Example("sounds.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("9 sounds started (sound_events.log, sound.wav)"), std::string::npos) << r.output;
  const std::string wav = ReadBytes(sim_ / "out/sound.wav");
  ASSERT_GT(wav.size(), 44u);
  const size_t frames = 250;
  EXPECT_EQ(wav.size(), 44 + frames * 1225 * 2);
  auto sample = [&](size_t frame) {
    const size_t at = 44 + (frame * 1225 + 300) * 2;
    return static_cast<int16_t>(static_cast<uint8_t>(wav[at]) | (static_cast<uint8_t>(wav[at + 1]) << 8));
  };
  EXPECT_EQ(sample(12), 0);  // after the first "Pull Up", before the cabin's loops start
  int loud = 0;
  for (size_t f = 1; f < 8; ++f) loud += sample(f) != 0 ? 1 : 0;
  EXPECT_GT(loud, 3);
}

// The simulator's clocks run at 18 frames a second from where the scenario starts them: one second
// takes the zulu clock over midnight into the next year and the local clock into the next hour; a
// later set starts that clock again from its value.
TEST_F(SimhostRun, FramesAdvanceTheClocksFromWhereTheScenarioSetsThem) {
  sim_.Write("clock.scn",
             "set token 604 100\nset token 3 15\nset token 4 59\nset token 5 59\nset token 6 23\nset token 7 59\n"
             "set token 8 365\nset token 9 2023\n"
             "at 18 print token 604\nprint token 5\nprint token 7\nprint token 6\nprint token 8\nprint token 9\n"
             "print token 4\nprint token 3\nset token 604 5\nset token 7 30\n"
             "at 27 print token 604\nat 36 print token 5\nprint token 7\nprint token 3\n");
  Result r = Own("clock.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char* line :
       {"frame 18: token 604 = 101\n", "frame 18: token 5 = 0\n", "frame 18: token 7 = 0\n", "frame 18: token 6 = 0\n",
        "frame 18: token 8 = 1\n", "frame 18: token 9 = 2024\n", "frame 18: token 4 = 0\n", "frame 18: token 3 = 16\n",
        "frame 27: token 604 = 5.5\n", "frame 36: token 5 = 1\n", "frame 36: token 7 = 30\n",
        "frame 36: token 3 = 16\n"}) {
    EXPECT_NE(r.output.find(line), std::string::npos) << line << r.output;
  }
}

// The example folder takes a panel state saved on the CDU (INIT/REF INDEX 5R), and LOAD PNL lists
// only panel-state files, not the note that keeps the folder.
TEST_F(SimhostRun, ExampleFolderKeepsSavedPanelStatesAndListsOnlyThem) {
  sim_.Write("pnl.scn", "at 20 cdu INIT_REF 6L MYSTATE 5R 4R\nframes 2\nsnapshot FMS list.png\n");
  Result r = RunSimhost("--sim-root " + Quote(sim_ / "sim") + " --scenario " + Quote(sim_ / "pnl.scn") + " --out " +
                        Quote(sim_ / "out") + " --record");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(fs::is_regular_file(sim_ / "sim/Orvantel/PanelStates/MYSTATE.PNL"));
  const std::string list = ReadBytes(sim_ / "out/list.ops");
  EXPECT_NE(list.find("\"MYSTATE.PNL OK\""), std::string::npos) << list;
  EXPECT_NE(list.find("\" 1 / 1 \""), std::string::npos) << list;
  EXPECT_EQ(list.find("README"), std::string::npos) << list;
}

// Every button and knob variable host/README.md lists for the MCP and the overhead is one the module
// takes as a request: set by the scenario, written back to 0 by the module.
TEST_F(SimhostRun, ReadmeClickVariablesAreRequestsTheModuleTakes) {
  const std::string readme = ReadBytes(std::string(RO757_SOURCE_DIR) + "/host/README.md");
  const size_t from = readme.find("## Pressing the MCP and overhead buttons");
  ASSERT_NE(from, std::string::npos);
  const std::string section = readme.substr(from, readme.find("\n## ", from + 1) - from);
  std::vector<std::string> names;
  for (size_t at = section.find('`'); at != std::string::npos; at = section.find('`', at + 1)) {
    const size_t end = section.find('`', at + 1);
    const std::string word = section.substr(at + 1, end - at - 1);
    at = end;
    for (const char* kind : {"_clicked", "_incr", "_decr"}) {
      if (word.size() > 6 && word.front() != '_' && word.ends_with(kind)) names.push_back(word);
    }
  }
  ASSERT_GE(names.size(), 40u);
  std::string scenario = "set token 60 1\n";
  for (const std::string& n : names) scenario += "at 20 set named " + n + " 1\n";
  for (const std::string& n : names) scenario += "at 60 print named " + n + "\n";
  sim_.Write("clicks.scn", scenario);
  Result r = Own("clicks.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  for (const std::string& n : names) {
    EXPECT_NE(r.output.find("frame 60: named " + n + " = 0\n"), std::string::npos) << n << "\n" << r.output;
  }
}

// The cabin-sign variables host/README.md names are the ones the module follows: each move chimes.
TEST_F(SimhostRun, ReadmeCabinSignVariablesChime) {
  const std::string readme = ReadBytes(std::string(RO757_SOURCE_DIR) + "/host/README.md");
  const size_t row = readme.find("| cabin signs |");
  ASSERT_NE(row, std::string::npos);
  const std::string line = readme.substr(row, readme.find('\n', row) - row);
  std::string scenario = "set token 60 1\nset token 364 1\n";
  int signs = 0;
  for (size_t at = line.find('`'); at != std::string::npos; at = line.find('`', line.find('`', at + 1) + 1)) {
    const size_t end = line.find('`', at + 1);
    scenario += "at " + std::to_string(20 * ++signs) + " set named " + line.substr(at + 1, end - at - 1) + " 1\n";
  }
  sim_.Write("signs.scn", scenario + "frames 20\n");
  ASSERT_EQ(Own("signs.scn", true).status, 0);
  const std::string log = ReadBytes(sim_ / "out/sound_events.log");
  int chimes = 0;
  for (size_t at = log.find("start #"); at != std::string::npos; at = log.find("start #", at + 1)) {
    chimes += log.compare(log.find('"', at), 13, "\"757Sign.wav\"") == 0;
  }
  EXPECT_EQ(std::pair(signs, chimes), std::pair(2, 2)) << scenario << log;
}

// A click on a gauge missing from the panel stops the run at its frame, naming file and line.
TEST_F(SimhostRun, ClickOnAMissingInstanceFailsNamingFileAndLine) {
  sim_.Write("click.scn", "frames 1\nclick RADIO_STACK VC 10 10\n");
  Result r = Own("click.scn");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("click.scn:2: no instance of gauge 'RADIO_STACK' with parameter \"VC\""), std::string::npos)
      << r.output;
}

TEST_F(SimhostRun, SetupErrorsAreReportedAndExitNonZero) {
  struct Case {
    std::string args;
    std::string message;
  };
  const Case cases[] = {
      {"--sim-root " + Quote(sim_ / "nowhere"), "simulator folder '" + sim_ / "nowhere" + "' does not exist"},
      {"--sim-root " + Quote(sim_ / "sim") + " --module " + Quote(sim_ / "none.so"), "cannot load module"},
      {"--sim-root " + Quote(sim_ / "sim") + " --frames many", "--frames needs a count"},
      {"--frames 3", "--sim-root is required"},
      {"--sim-root " + Quote(sim_ / "sim") + " --scenario " + Quote(sim_ / "none.scn"), "cannot open scenario file"},
  };
  for (const Case& c : cases) {
    Result r = RunSimhost(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
  }
}

// Asking for the version needs no simulator folder, as asking for help does.
TEST(SimhostVersion, PrintsTheProjectVersionAndExits) {
  const Result r = RunSimhost("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "simhost (ro757) " RO757_VERSION "\n");
}

}  // namespace
