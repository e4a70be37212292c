#include "navdb/mag_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "module/module_state.h"

namespace {

class MagModel : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }
  void TearDown() override { ResetModuleState(); }
};

float Declination(float alt_km, float lat, float lon, float year) {
  int max_degree = 12;
  InitMagModel(&max_degree);
  float dec, dip, ti, gv;
  EvalMagModel(alt_km, lat, lon, year, &dec, &dip, &ti, &gv);
  return dec;
}

// Declinations at sea level at the epoch, as the published model gives them; the poles and the
// south give finite results.
TEST_F(MagModel, DeclinationAtSeaLevel) {
  InitWmmCoefficients();
  EXPECT_NEAR(Declination(0.0f, 80.0f, 0.0f, 2005.0f), -7.95f, 0.02f);
  EXPECT_NEAR(Declination(0.0f, 0.0f, 120.0f, 2005.0f), 1.15f, 0.02f);
  for (float lat : {90.0f, -90.0f, -60.0f}) {
    EXPECT_TRUE(std::isfinite(Declination(0.0f, lat, 30.0f, 2005.0f))) << lat;
  }
}

// The field's dip and strength where it is nearly horizontal and where it is nearly vertical.
TEST_F(MagModel, DipAndStrength) {
  InitWmmCoefficients();
  int max_degree = 12;
  InitMagModel(&max_degree);
  for (const auto& [lat, lon, dip_deg, total_nt] :
       {std::tuple{0.0f, 120.0f, -16.95f, 41225.0f}, {80.0f, 0.0f, 82.94f, 54649.0f}}) {
    float dec, dip, ti, gv;
    EvalMagModel(0.0f, lat, lon, 2005.0f, &dec, &dip, &ti, &gv);
    EXPECT_NEAR(dip, dip_deg, 0.05f) << lat;
    EXPECT_NEAR(ti, total_nt, 5.0f) << lat;
  }
}

TEST(MagVarRounding, WholeDegrees) {
  const std::pair<float, int32_t> cases[] = {{15.20f, 16}, {-0.70f, 0}, {-15.70f, -15},
                                             {0.53f, 0},   {0.54f, 1}};  // 0.54f lies just above 0.54
  for (auto [dec, whole] : cases) EXPECT_EQ(WholeDegreesOfDeclination(dec), whole) << dec;
}

// GetMagVar rounds the model's declination at 1 km, gives the same answer on every call, and a
// caller before the database load (which builds the coefficient text) still gets the model.
TEST_F(MagModel, GetMagVarRoundsTheModelsDeclinationDeterministically) {
  ASSERT_EQ(wmm_cof_line_cnt, 0);
  EXPECT_EQ(GetMagVar(80, 0), -7);
  EXPECT_EQ(GetMagVar(0, 120), 2);
  for (auto [lat, lon] : {std::pair{80, 0}, std::pair{47, -122}, std::pair{-34, 151}}) {
    int32_t first = GetMagVar(lat, lon);
    float dec = Declination(1.0f, static_cast<float>(lat), static_cast<float>(lon), 2005.0f);
    EXPECT_EQ(first, WholeDegreesOfDeclination(dec)) << lat << " " << lon;
    EXPECT_EQ(GetMagVar(lat, lon), first);
  }
}

}  // namespace
