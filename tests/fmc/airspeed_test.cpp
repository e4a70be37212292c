#include "fmc/airspeed.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
  double ias_kt;
  double alt_ft;
  double expected;
};

// The rules' own examples: 1.5 % per 1000 ft for the true airspeed, 1.9 % inside the Mach rule.
// Altitudes below sea level are not clamped.
TEST(Airspeed, TasRuleOfThumb) {
  for (const Conversion& c : {Conversion{250.0, 10000.0, 287.5}, Conversion{250.0, 0.0, 250.0},
                              Conversion{300.0, 35000.0, 457.5}, Conversion{200.0, -1000.0, 197.0}}) {
    EXPECT_DOUBLE_EQ(ConvertIasToTas(c.ias_kt, c.alt_ft), c.expected) << c.ias_kt << " kt at " << c.alt_ft;
  }
}

TEST(Airspeed, MachRuleOfThumb) {
  for (const Conversion& c : {Conversion{250.0, 10000.0, 0.4619}, Conversion{290.0, 30000.0, 0.7069},
                              Conversion{250.0, 0.0, 0.3882}}) {
    EXPECT_NEAR(ConvertIasToMach(c.ias_kt, c.alt_ft), c.expected, 1e-4) << c.ias_kt << " kt at " << c.alt_ft;
  }
  EXPECT_LT(ConvertIasToMach(250.0, -2000.0), ConvertIasToMach(250.0, 0.0));
}

}  // namespace
