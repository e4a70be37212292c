#include "navdb/mag_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "frame/module_state.h"

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

TEST_F(MagModel, BuiltInTextIsThePublishedCoefficientFile) {
  InitWmmCoefficients();
  ASSERT_EQ(wmm_cof_line_cnt, 92);
  EXPECT_STREQ(wmm_cof_text[0], "  2005.0            WMM-2005        10/18/2004 ");
  EXPECT_EQ(std::string(wmm_cof_text[91]), std::string(48, '9') + " ");
  std::ifstream in(RO757_SOURCE_DIR "/../shared/data/WMM2005.COF");
  if (!in) GTEST_SKIP() << "WMM2005.COF not found next to the repository";
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ASSERT_LT(n, 92);
    EXPECT_EQ(std::string(wmm_cof_text[n]), line) << "line " << n;
    ++n;
  }
  EXPECT_EQ(n, 92);
}

TEST_F(MagModel, HeaderGivesEpochAndName) {
  InitWmmCoefficients();
  int max_degree = 12;
  InitMagModel(&max_degree);
  EXPECT_EQ(CurrentMagModelInfo().epoch, 2005.0f);
  EXPECT_STREQ(CurrentMagModelInfo().name, "WMM-2005");
}

struct PlaceCase {
  float lat, lon;
  float dec;
};

class MagModelPlaces : public MagModel, public ::testing::WithParamInterface<PlaceCase> {};

// Declinations at sea level at the epoch, as the published model gives them.
TEST_P(MagModelPlaces, DeclinationAtSeaLevel) {
  InitWmmCoefficients();
  EXPECT_NEAR(Declination(0.0f, GetParam().lat, GetParam().lon, 2005.0f), GetParam().dec, 0.02f);
}

INSTANTIATE_TEST_SUITE_P(WMM2005, MagModelPlaces,
                         ::testing::Values(PlaceCase{80.0f, 0.0f, -7.95f}, PlaceCase{0.0f, 120.0f, 1.15f}));

TEST_F(MagModel, PolesAndTheSouthGiveFiniteResults) {
  InitWmmCoefficients();
  for (float lat : {90.0f, -90.0f, -60.0f}) {
    int max_degree = 12;
    InitMagModel(&max_degree);
    float dec, dip, ti, gv;
    EvalMagModel(0.0f, lat, 30.0f, 2005.0f, &dec, &dip, &ti, &gv);
    EXPECT_TRUE(std::isfinite(dec) && std::isfinite(dip) && std::isfinite(ti)) << lat;
    EXPECT_GT(ti, 20000.0f);
    EXPECT_NE(gv, -999.0f);
  }
  float dec, dip, ti, gv;
  EvalMagModel(0.0f, 20.0f, 30.0f, 2005.0f, &dec, &dip, &ti, &gv);
  EXPECT_EQ(gv, -999.0f);  // grid variation only at 55 degrees and beyond
}

struct RoundingCase {
  float dec;
  int32_t whole;
};

class MagVarRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(MagVarRounding, WholeDegrees) { EXPECT_EQ(WholeDegreesOfDeclination(GetParam().dec), GetParam().whole); }

INSTANTIATE_TEST_SUITE_P(GetMagVar, MagVarRounding,
                         ::testing::Values(RoundingCase{0.30f, 0}, RoundingCase{0.60f, 1}, RoundingCase{1.20f, 2},
                                           RoundingCase{15.20f, 16}, RoundingCase{15.70f, 16},
                                           RoundingCase{-0.70f, 0}, RoundingCase{-15.70f, -15},
                                           RoundingCase{0.53f, 0}, RoundingCase{0.55f, 1},
                                           // 0.54 in single precision lies just above 0.54.
                                           RoundingCase{0.54f, 1}));

TEST_F(MagModel, GetMagVarRoundsTheModelsDeclination) {
  InitWmmCoefficients();
  for (auto [lat, lon] : {std::pair{80, 0}, std::pair{0, 120}, std::pair{47, -122}, std::pair{-34, 151}}) {
    float dec = Declination(1.0f, static_cast<float>(lat), static_cast<float>(lon), 2005.0f);
    EXPECT_EQ(GetMagVar(lat, lon), WholeDegreesOfDeclination(dec)) << lat << " " << lon;
  }
  EXPECT_EQ(GetMagVar(80, 0), -7);
  EXPECT_EQ(GetMagVar(0, 120), 2);
}

TEST_F(MagModel, GetMagVarIsDeterministic) {
  InitWmmCoefficients();
  int32_t first = GetMagVar(47, -122);
  int32_t other = GetMagVar(-40, 20);
  EXPECT_EQ(GetMagVar(47, -122), first);
  EXPECT_EQ(GetMagVar(-40, 20), other);
  EXPECT_GT(first, 10);  // Seattle: strongly east
}

TEST_F(MagModel, GetMagVarKeepsTheYearlyChanges) {
  InitWmmCoefficients();
  GetMagVar(47, -122);
  const MagModelInfo& info = CurrentMagModelInfo();
  EXPECT_NE(info.dec_change_min, 0.0f);
  EXPECT_LT(std::fabs(info.dec_change_min), 60.0f);  // well under a degree a year
  EXPECT_LT(std::fabs(info.total_change_nt), 500.0f);
}

// The coefficient text is built by the database load; a caller before it still gets the model.
TEST_F(MagModel, GetMagVarBeforeTheLoadUsesTheBuiltInText) {
  ASSERT_EQ(wmm_cof_line_cnt, 0);
  EXPECT_EQ(GetMagVar(80, 0), -7);
}

}  // namespace
