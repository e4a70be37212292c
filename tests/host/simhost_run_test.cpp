// Runs the real simhost program on the real shared library, as the demo does.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/module_entry.h"
#include "host/panel_config.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempDir;

struct Result {
  int status = -1;
  std::string output;  // stdout and stderr together
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

Result RunSimhost(const std::string& args) {
  Result r;
  const std::string cmd = Quote(RO757_SIMHOST) + " --module " + Quote(RO757_MODULE_SO) + " " + args + " 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
  int raw = ::pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

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
  // Runs a scenario file of the test's own.
  Result Own(const std::string& scenario) {
    return RunSimhost("--sim-root " + Quote(sim_ / "sim") + " --scenario " + Quote(sim_ / scenario));
  }
  TempDir sim_;
};

// A PNG read back: its size and premultiplied ARGB32 pixels.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

bool ReadPng(const fs::path& path, Picture* out) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
                  cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
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
  }
  cairo_surface_destroy(s);
  return ok;
}

// The demo loads all 21 gauges and counts the key events it logs. Each display shows what its paint
// entry draws on a powered aircraft: black where it fills its background, transparent where it only
// clears; the maps draw their frames over that.
TEST_F(SimhostRun, DemoLoadsEveryGaugeAndWritesOnePictureOfEachDisplay) {
  Result r = Example("demo.scn", " --frames 200");
  ASSERT_EQ(r.status, 0) << r.output;
  ASSERT_EQ(simhost::CountLinkedGauges(&Linkage), 21);
  for (const char* text : {"21 gauges loaded, 21 instances", "200 frames run", "9 snapshots written"}) {
    EXPECT_NE(r.output.find(text), std::string::npos) << r.output;
  }
  const std::string log = ReadBytes(sim_ / "out/key_events.log");
  const auto lines = std::count(log.begin(), log.end(), '\n');
  EXPECT_NE(r.output.find(std::to_string(lines) + " key events sent by the module"), std::string::npos) << r.output;
  constexpr uint32_t kBlack = 0xFF000000u, kClear = 0u;
  constexpr uint32_t kPfdSky = 0xFF4143EEu, kPfdGround = 0xFF611F05u;  // the example configuration's
  constexpr uint32_t kStbySky = 0xFF0F9AF5u;
  const struct {
    const char* file;
    int width, height;
    int x, y;
    uint32_t pixel;
  } kProbes[] = {
      {"eadi.png", 217, 173, 108, 86, kBlack},           {"eadi.png", 217, 173, 2, 170, kBlack},
      {"cdu.png", 399, 320, 200, 160, kClear},           {"fp_ehsi.png", 358, 440, 5, 5, kClear},
      {"fp_nd.png", 358, 440, 120, 25, kClear},          {"fp_nd.png", 358, 440, 20, 420, kBlack},
      {"fp_pfd.png", 318, 232, 5, 5, kBlack},            {"lower_eicas.png", 250, 213, 125, 106, kClear},
      // Aligned and level on the runway: sky above the aircraft symbol, ground below.
      {"fp_pfd.png", 318, 232, 159, 116, kPfdSky},       {"fp_pfd.png", 318, 232, 159, 150, kPfdGround},
      {"nd.png", 358, 440, 8, 435, kClear},              {"stby_pfd.png", 101, 90, 60, 25, kStbySky},
      {"upper_eicas.png", 250, 213, 125, 106, kClear},
  };
  for (const auto& p : kProbes) {
    Picture pic;
    ASSERT_TRUE(ReadPng(fs::path(sim_ / "out") / p.file, &pic)) << p.file;
    EXPECT_EQ(pic.width, p.width) << p.file;
    EXPECT_EQ(pic.height, p.height) << p.file;
    EXPECT_EQ(pic.At(p.x, p.y), p.pixel) << p.file << " at " << p.x << ", " << p.y;
  }
  // The FP_ND map around Seattle: its track line runs up the middle from the aircraft symbol.
  Picture fp_nd;
  ASSERT_TRUE(ReadPng(fs::path(sim_ / "out") / "fp_nd.png", &fp_nd));
  EXPECT_NE(fp_nd.At(179, 200) | fp_nd.At(178, 200), kBlack);
}

// The flight example: the route built on the CDU is executed ("ACT" in the RTE title, which the
// activated route does not show yet), drawn on the ND, where it turns right of the heading bug's
// line towards CENTR, and, executed at the gate with a door open, starts the boarding announcement.
TEST_F(SimhostRun, FlightScenarioExecutesTheRouteItBuilds) {
  Result r = Example("flight.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  auto count = [&](const char* file, uint32_t colour, int x0, int y0, int x1, int y1) {
    Picture pic;
    EXPECT_TRUE(ReadPng(fs::path(sim_ / "out") / file, &pic)) << file;
    size_t n = 0;
    for (int y = y0; y < std::min(y1, pic.height); ++y) {
      for (int x = x0; x < std::min(x1, pic.width); ++x) n += pic.At(x, y) == colour ? 1 : 0;
    }
    return n;
  };
  constexpr uint32_t kGreen = 0xFF00FA00u, kMagenta = 0xFFFF13D5u;
  EXPECT_EQ(count("cdu_rte_activated.png", kGreen, 20, 0, 85, 25), 0u);
  EXPECT_GT(count("cdu_rte_executed.png", kGreen, 20, 0, 85, 25), 30u);
  EXPECT_GT(count("nd.png", kMagenta, 200, 0, 358, 440), 150u);
  EXPECT_NE(ReadBytes(sim_ / "out/sound_events.log").find("start #1 \"Announce - Boarding.wav\""), std::string::npos);
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

// The sound example: every start and end in the log with its frame, and a track of the whole run
// that is silent between the sounds.
TEST_F(SimhostRun, SoundScenarioLogsAndMixesDownItsSounds) {
  Result r = Example("sounds.scn");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("7 sounds started (sound_events.log, sound.wav)"), std::string::npos) << r.output;
  const std::string log = ReadBytes(sim_ / "out/sound_events.log");
  for (const char* line : {"frame 1: start #1 \"Pull Up.wav\" volume 0\n", "frame 55: start #2 \"Pull Up.wav\"",
                           "frame 71: start #3 \"Bank Angle, Bank Angle.wav\"", "\"OV Panel Click.wav\"",
                           "frame 171: start #6 \"Too Low, Terrain.wav\""}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
  }
  const std::string wav = ReadBytes(sim_ / "out/sound.wav");
  ASSERT_GT(wav.size(), 44u);
  const size_t frames = 250;
  EXPECT_EQ(wav.size(), 44 + frames * 1225 * 2);
  auto sample = [&](size_t frame) {
    const size_t at = 44 + (frame * 1225 + 300) * 2;
    return static_cast<int16_t>(static_cast<uint8_t>(wav[at]) | (static_cast<uint8_t>(wav[at + 1]) << 8));
  };
  EXPECT_EQ(sample(20), 0);  // between the first two calls of "Pull Up"
  int loud = 0;
  for (size_t f = 1; f < 8; ++f) loud += sample(f) != 0 ? 1 : 0;
  EXPECT_GT(loud, 3);
}

// A malformed line stops the run before it starts, a click on a gauge missing from the panel at
// its frame; both name file and line.
TEST_F(SimhostRun, BadScenarioFailsNamingFileAndLine) {
  sim_.Write("bad.scn", "frames 2\n# fine so far\nfly to KPDX\n");
  Result r = Own("bad.scn");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find(sim_ / "bad.scn" + ":3: unknown command 'fly'"), std::string::npos) << r.output;
  sim_.Write("click.scn", "frames 1\nclick RADIO_STACK VC 10 10\n");
  r = Own("click.scn");
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
