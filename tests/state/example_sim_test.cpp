// The example simulator folder that simhost's demo runs on: its aircraft folders are identified.
#include <gtest/gtest.h>

#include <string>

#include "state/aircraft_id.h"
#include "state/config_globals.h"
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

// Every livery of the example folder is identified (title lower-cased, as the server reads it).
TEST_F(ExampleSimTest, EveryAircraftIsIdentified) {
  const struct {
    const char *title, *engine, *airframe, *airline;
    bool classic;
  } cases[] = {{"orvantel 757-200 house", "RB211-535E4B", "757 - 200", "orv", false},
               {"orvantel 757-200 classic", "RB211-535C", "757 - 200", "", true},
               {"orvantel c-32a", "PW2043", "C-32A", "", false},
               {"orvantel 757-200 pw2040", "PW2037", "757 - 200", "", false}};
  for (const auto& a : cases) {
    Restart();
    SetSimRoot(kExampleSim);
    simver = 10;
    host_.SetNamed("ov_panelstatus_init", 0.0);
    aircraft = a.title;
    EXPECT_EQ(FindAircraftCfg(), 1) << a.title;
    EXPECT_EQ(engine_type + " / " + aircraft_model + " / " + pa_airline_code,
              std::string(a.engine) + " / " + a.airframe + " / " + a.airline);
    EXPECT_EQ(host_.Named("ov_panelstatus_init"), a.classic ? 1.0 : 0.0) << a.title;
  }
}

}  // namespace
