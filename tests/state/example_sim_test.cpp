// The example simulator folder that simhost's demo runs on: its configuration loads cleanly and its
// aircraft folders take every path of the identification.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/winfile.h"
#include "state/aircraft_id.h"
#include "state/config_file.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "state/state_fixture.h"

namespace {

const std::string kExampleSim = RO757_SOURCE_DIR "/examples/sim";

class ExampleSimTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    SetSimRoot(kExampleSim);
  }
};

TEST_F(ExampleSimTest, EveryConfigurationLineIsACommentOrAKnownKey) {
  FILE* f = platform::OpenFile(kExampleSim + "/Orvantel/ro757.cfg", "r");
  ASSERT_NE(f, nullptr);
  char buf[300];
  KeyValueLine line;
  int keys = 0;
  while (std::fgets(buf, sizeof buf, f) != nullptr) {
    std::string text(buf);
    ASSERT_EQ(text.back(), '\n') << "line too long: " << text;
    if (!line.Split(text)) continue;
    ASSERT_FALSE(line.key().empty()) << "blank line in the example";
    EXPECT_NE(FindConfigKey(line.key()), nullptr) << line.key();
    ++keys;
  }
  std::fclose(f);
  EXPECT_GT(keys, 60);
}

TEST_F(ExampleSimTest, ConfigurationAndNavigationHeaderLoad) {
  ReadConfigFile();
  EXPECT_EQ(simver, 10);
  EXPECT_EQ(TcasVertRange, 30);
  EXPECT_EQ(AltWinRightClickIncr, 1000);
  EXPECT_EQ(IrsAlignSecs, 1080);
  EXPECT_EQ(VolumeCrewCallouts, 80);
  EXPECT_EQ(play_announcements, 1);
  EXPECT_EQ(eadi_gnd_color_b, 280);  // not in the file
  EXPECT_EQ(navdata_cycle, "AIRAC 2401");
  EXPECT_EQ(navdata_valid, "JAN25FEB21/24");
}

struct ExampleAircraft {
  const char* title;  // lower-cased, as the server gauge reads it
  const char* engine;
  const char* airframe;
  const char* airline;
  bool classic;
};

class ExampleAircraftTest : public ExampleSimTest, public ::testing::WithParamInterface<ExampleAircraft> {};

TEST_P(ExampleAircraftTest, IsIdentified) {
  const ExampleAircraft& a = GetParam();
  simver = 10;
  aircraft = a.title;
  EXPECT_EQ(FindAircraftCfg(), 1);
  EXPECT_EQ(engine_type, a.engine);
  EXPECT_EQ(aircraft_model, a.airframe);
  EXPECT_EQ(pa_airline_code, a.airline);
  EXPECT_EQ(host_.Named("ov_panelstatus_init"), a.classic ? 1.0 : 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Liveries, ExampleAircraftTest,
    ::testing::Values(ExampleAircraft{"orvantel 757-200 house", "RB211-535E4B", "757 - 200", "orv", false},
                      ExampleAircraft{"orvantel 757-200 pw", "PW2043", "757 - 200", "orv", false},
                      ExampleAircraft{"orvantel 757-200 classic", "RB211-535C", "757 - 200", "", true},
                      ExampleAircraft{"orvantel c-32a", "PW2043", "C-32A", "", false},
                      ExampleAircraft{"orvantel 757-200 pw2040", "PW2037", "757 - 200", "", false},
                      ExampleAircraft{"orvantel 757-300 house", "RB211-535E4B", "757 - 300", "orv", false},
                      ExampleAircraft{"orvantel 757-300 pw2037", "PW2037", "757 - 300", "", false}));

}  // namespace
