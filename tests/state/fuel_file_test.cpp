#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "cdu/cdu_globals.h"
#include "sim/fuel_tanks.h"
#include "state/config_globals.h"
#include "state/fuel_file.h"
#include "state/state_fixture.h"
#include "state/state_globals.h"

namespace {

class FuelFileTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    host_.set_app_data_folder(app_data_.path());
  }
  void WriteFuelFile(const std::string& text) const { app_data_.Write("Orvantel/ro757_fuel.cfg", text); }

  testing_support::TempDir app_data_;
};

// Without the file nothing is asked of the simulator and nothing is reported. Keys without regard
// to case, the last line winning; a missing key or a value that is no number reads 0 (no Center
// line empties the centre tank).
TEST_F(FuelFileTest, FileKeysAndValues) {
  host_.SetToken(306, 6.7);
  FuelFileAmounts a;
  EXPECT_FALSE(ReadFuelLoadFile(&a));
  LoadFuelCfg();
  EXPECT_EQ(std::tuple(fuel_weight_per_gal, cdu_message), std::tuple(0.0, ""));
  WriteFuelFile(";Center=9\r\nleftmain=100\r\nLEFTMAIN=10000\r\nRightMain=10000\r\nCenter=5000\r\nTail=7\r\n");
  ASSERT_TRUE(ReadFuelLoadFile(&a));
  EXPECT_EQ(std::tuple(a.left_lb, a.right_lb, a.center_lb), std::tuple(10000.0, 10000.0, 5000.0));
  WriteFuelFile("LeftMain=\nRightMain=lots\n");
  ASSERT_TRUE(ReadFuelLoadFile(&a));
  EXPECT_EQ(std::tuple(a.left_lb, a.right_lb, a.center_lb), std::tuple(0.0, 0.0, 0.0));
}

// Every key of the file with the same values: the leading whole number of pounds (a letter after it
// ends it, one inside cuts it, none reads 0); blanks around "=" hide the key, a byte order mark
// hides nothing. A file from which no key was read loads nothing and says nothing (an empty one
// emptied the tanks and reported "0 Lbs of Fuel Loaded").
TEST_F(FuelFileTest, EveryKeySweptWithTheSameValues) {
  for (const auto& [token, value] : {std::pair{306, 6.5}, {292, 1000.0}, {298, 2000.0}, {290, 3000.0}}) {
    host_.SetToken(token, value);
  }
  for (const FuelFileKey& k : FuelFileKeys()) {
    const std::string key(k.key);
    for (const auto& [text, read, lb] :
         {std::tuple{key + "=10000", true, 10000.0}, {key + "=10O00", true, 10.0}, {key + "=10000lb", true, 10000.0},
          {key + "=-500", true, -500.0}, {key + "=", true, 0.0}, {"\xEF\xBB\xBF" + key + "=10000", true, 10000.0},
          {key + " = 10000", false, 0.0}, {"", false, 0.0}, {";" + key + "=10000", false, 0.0}}) {
      WriteFuelFile(text + "\r\n");
      FuelFileAmounts a{1.0, 2.0, 3.0};
      EXPECT_EQ(ReadFuelLoadFile(&a), read) << text;
      FuelFileAmounts expected = read ? FuelFileAmounts{} : FuelFileAmounts{1.0, 2.0, 3.0};
      if (read) expected.*k.amount = lb;
      EXPECT_EQ(std::tuple(a.left_lb, a.right_lb, a.center_lb),
                std::tuple(expected.left_lb, expected.right_lb, expected.center_lb)) << text;
      cdu_message.clear();
      LoadFuelCfg();
      EXPECT_EQ(cdu_message.empty(), !read) << text;
    }
  }
}

// Each tank takes its own fraction; the message reports the sum placed, in the configured unit.
TEST_F(FuelFileTest, EachTankGetsItsOwnFractionAndTheSumIsReported) {
  const FuelLoadPlan p = PlanTankAmounts(10000.0, 10000.0, 5000.0, {20000.0, 40000.0, 50000.0});
  EXPECT_EQ(std::tuple(p.left.level, p.right.level, p.center.level), std::tuple(0x400000, 0x200000, 0xCCCCC));
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "25000 Lbs of Fuel Loaded");
  weight_unit = "KGS";
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "11340 Kgs of Fuel Loaded");
  weight_unit = "KG";  // anything but KGS is pounds, as on the pages
  EXPECT_EQ(FuelLoadedMessage(p.placed_lb), "25000 Lbs of Fuel Loaded");
}

// Through the stand-in's FSUIPC server: the file's amounts, held to the tanks, become the simulator's
// levels and the message reports what was placed; without the link nothing is reported. Tanks of
// 1000, 2000 and 3000 gal at 6.5 lb/gal: 6500, 13000 and 19500 lb.
TEST_F(FuelFileTest, LoadsReachTheSimulatorAndReportOnlyWhatWasPlaced) {
  for (const auto& [token, value] : {std::pair{306, 6.5}, std::pair{292, 1000.0}, std::pair{298, 2000.0},
                                     std::pair{290, 3000.0}}) {
    host_.SetToken(token, value);
  }
  WriteFuelFile("LeftMain=99999\nRightMain=6500\nCenter=0\n");
  host_.fsuipc().set_present(false);
  LoadFuelCfg();
  LoadFuel(10000.0);
  EXPECT_EQ(cdu_message, "");
  host_.fsuipc().set_present(true);
  LoadFuelCfg();
  EXPECT_EQ(cdu_message, "13000 Lbs of Fuel Loaded");
  EXPECT_EQ(std::tuple(host_.fsuipc().Value(kFuelLevelLeftMain, 4), host_.fsuipc().Value(kFuelLevelRightMain, 4),
                       host_.fsuipc().Value(kFuelLevelCenter, 4)),
            std::tuple(uint64_t{kFuelLevelFull}, uint64_t{kFuelLevelFull / 2}, uint64_t{0}));
  LoadFuel(1e6);  // more than the three tanks hold
  EXPECT_EQ(cdu_message, "39000 Lbs of Fuel Loaded");
}

}  // namespace
