#include "fmc/perf_tables.h"

#include "afds/afds_globals.h"
#include "fmc/engine_epr.h"
#include "fmc/fmc_globals.h"
#include "fmc/thrust_limits.h"
#include "platform/host_api.h"
#include "sim/fuel_tanks.h"
#include "sim/named_vars.h"
#include "sim/sim_globals.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"

RO_DEFINE_GLOBALS(PERF_TABLE_SCALARS)

namespace {

// clang-format off
constexpr PerfTables kPerfTables = {
    // Take-off temperature bands, each with its altitude bands (columns 1..5).
    {
        {{-100, 10}, 5, {{-1000, 700}, {701, 3800}, {3801, 6500}, {6501, 99000}, {99001, 99999}}},
        {{11, 20}, 5, {{-1000, 700}, {701, 3800}, {3801, 6000}, {6001, 99000}, {99001, 99999}}},
        {{21, 30}, 4, {{-1000, 700}, {701, 3000}, {3001, 4500}, {9001, 99000}}},
        {{31, 40}, 4, {{-1000, 0}, {1, 2000}, {2001, 4000}, {8001, 99000}}},
        {{41, 50}, 4, {{-2000, -1001}, {-1000, 1000}, {1001, 2200}, {5501, 99000}}},
        {{51, 60}, 4, {{-3000, -2001}, {-2000, -1001}, {-1000, 0}, {3001, 99000}}},
        {{61, 70}, 4, {{-4000, -3001}, {-3000, -2001}, {-2000, -1001}, {1501, 99000}}},
    },
    {260000, 240000, 220000, 200000, 180000, 160000, 140000},
    // V1/VR/V2, flaps 5
    {
        {{159, 164, 169}, {161, 166, 169}, {164, 167, 169}, {166, 169, 170}, {166, 169, 170}},  // 260000
        {{150, 156, 162}, {155, 158, 162}, {156, 160, 162}, {158, 161, 163}, {161, 163, 173}},  // 240000
        {{146, 152, 158}, {149, 154, 158}, {151, 156, 159}, {154, 158, 159}, {157, 159, 164}},  // 220000
        {{141, 148, 155}, {144, 150, 155}, {147, 151, 155}, {150, 155, 155}, {154, 156, 156}},  // 200000
        {{132, 139, 148}, {135, 141, 148}, {138, 143, 148}, {141, 145, 148}, {146, 148, 149}},  // 180000
        {{113, 121, 132}, {115, 123, 132}, {118, 124, 132}, {121, 126, 132}, {126, 129, 132}},  // 160000
        {{113, 121, 132}, {115, 123, 132}, {118, 124, 132}, {121, 126, 132}, {126, 129, 132}},  // 140000
    },
    // V1/VR/V2, flaps 15
    {
        {{150, 155, 160}, {153, 157, 160}, {155, 159, 160}, {158, 161, 161}, {161, 162, 172}},  // 260000
        {{142, 148, 154}, {145, 150, 154}, {148, 151, 154}, {150, 153, 154}, {153, 155, 155}},  // 240000
        {{138, 144, 151}, {141, 146, 151}, {144, 148, 151}, {146, 149, 151}, {149, 152, 152}},  // 220000
        {{131, 136, 145}, {133, 138, 145}, {135, 141, 145}, {138, 142, 145}, {142, 144, 145}},  // 200000
        {{125, 132, 140}, {128, 134, 140}, {131, 135, 140}, {133, 137, 140}, {138, 140, 141}},  // 180000
        {{107, 116, 125}, {109, 117, 125}, {112, 118, 125}, {114, 120, 125}, {119, 123, 125}},  // 160000
        {{107, 116, 125}, {109, 117, 125}, {112, 118, 125}, {114, 120, 125}, {119, 123, 125}},  // 140000
    },
    // V1/VR/V2, flaps 20
    {
        {{142, 147, 152}, {144, 149, 152}, {147, 150, 152}, {149, 151, 153}, {149, 151, 153}},  // 260000
        {{134, 140, 146}, {137, 142, 146}, {140, 143, 146}, {142, 145, 147}, {145, 147, 147}},  // 240000
        {{134, 140, 146}, {137, 142, 146}, {140, 143, 146}, {142, 145, 147}, {145, 147, 147}},  // 220000
        {{126, 133, 140}, {129, 134, 140}, {132, 136, 140}, {135, 138, 140}, {138, 139, 141}},  // 200000
        {{118, 125, 133}, {121, 127, 133}, {123, 128, 133}, {126, 130, 134}, {130, 132, 134}},  // 180000
        {{110, 117, 127}, {112, 119, 127}, {115, 120, 126}, {118, 122, 127}, {122, 125, 117}},  // 160000
        {{102, 110, 119}, {103, 111, 119}, {105, 112, 119}, {108, 113, 119}, {113, 116, 119}},  // 140000
    },
    // VREF flaps 20, 25, 30
    {260000, 240000, 220000, 200000, 180000},
    {{165, 157, 155}, {158, 150, 148}, {151, 142, 140}, {145, 142, 134}, {138, 135, 128}},
    // Flap reference speeds; the stored row order puts 255000 before 250000.
    {140000, 160000, 180000, 200000, 220000, 240000, 255000, 250000},
    {
        {120, 118, 114, 103, 101, 98, 94},  // above 26 the engine data give 30 kt, far below the
                                            // neighbours; 94 follows the rows above
        {130, 127, 120, 112, 108, 104, 100},
        {136, 134, 130, 119, 115, 110, 106},
        {145, 141, 135, 125, 122, 115, 111},
        {150, 148, 144, 129, 126, 121, 117},
        {158, 156, 147, 136, 131, 126, 123},
        {161, 159, 153, 138, 137, 129, 127},
        {164, 162, 156, 141, 140, 132, 130},
    },
    // Take-off climb rates
    {160000, 180000, 200000, 220000, 240000, 260000},
    {1.78, 1.74, 1.68},
    {
        {{5600, 5062, 3714}, {5500, 4500, 3336}, {5300, 4150, 3250}},  // 160000
        {{5000, 5000, 3081}, {4700, 4115, 2891}, {4494, 3596, 2875}},  // 180000
        {{5000, 4128, 2944}, {3809, 3656, 2507}, {3500, 2316, 2316}},  // 200000
        {{4450, 3486, 2411}, {4090, 3181, 2224}, {3791, 3108, 2177}},  // 220000
        {{4128, 3473, 2477}, {3362, 2879, 2018}, {3220, 2493, 1775}},  // 240000
        {{3423, 2889, 2221}, {3107, 2701, 1719}, {3031, 2407, 1447}},  // 260000
    },
};
// clang-format on

// The weight with fuel, from the simulator's values of this moment.
double FreshGrossWeight() { return GetTotalFuelWeight() + GetEmptyWeight() + GetPayloadWeight(); }

// The weight with fuel, on the stored weight without fuel (which the PERF INIT entry may have set).
double StoredGrossWeight() { return GetTotalFuelWeight() + gross_weight; }

// Column 1..5 (0-based here) of the take-off speed tables; a temperature or altitude that falls in no band
// gives the first column.
int32_t TakeoffColumn(double temp_c, double alt_ft) {
  for (const TakeoffTempBand& band : perf_tables.to_temp_band) {
    if (!(band.temp_c.low <= temp_c && temp_c <= band.temp_c.high)) continue;
    for (int32_t c = 0; c < band.alt_band_cnt; ++c) {
      if (band.alt_ft[c].low <= alt_ft && alt_ft <= band.alt_ft[c].high) return c;
    }
    return 0;
  }
  return 0;
}

int32_t FlapRefColumn(double flaps_deg) {
  if (flaps_deg > 26.0) return 6;
  if (flaps_deg > 21.0) return 5;
  if (flaps_deg > 16.0) return 4;
  if (flaps_deg > 6.0) return 3;
  if (flaps_deg > 2.0) return 2;
  if (flaps_deg <= 0.5) return 0;
  return 1;
}

int32_t ClimbFlapGroup(double flaps_deg) {
  if (flaps_deg < 11.5) return 0;
  if (flaps_deg < 16.5) return 1;
  return 2;
}

}  // namespace

void ResetPerfTableGlobals() { RO_RESET_GLOBALS(PERF_TABLE_SCALARS) }

void InitPerformanceTables() {
  gross_weight = GetEmptyWeight() + GetPayloadWeight();
  perf_tables = kPerfTables;
  FillN1EprTables();
}

void ComputeTakeoffSpeeds(int32_t flaps_deg) {
  const double weight_lb = FreshGrossWeight();
  const int32_t col = TakeoffColumn(ReadTokenVar341(), plane_alt);
  const auto& table = flaps_deg == 20   ? perf_tables.to_flaps20
                      : flaps_deg == 15 ? perf_tables.to_flaps15
                                        : perf_tables.to_flaps5;
  const int32_t row = NearestKeyIndex(perf_tables.to_weight, PerfTables::kTakeoffRows, weight_lb, 9999999.0);
  const TakeoffSpeeds& s = table[row][col];
  if (v1_set == 0) v1 = s.v1;
  if (vr_set == 0) vr = s.vr;
  if (v2_set == 0) v2 = s.v2;
  // The bug order of the TAKEOFF REF entries (VR on bug 2, V2 on bug 3), so that a flap entry does not swap
  // the speeds the pilot set.
  asi_bug1 = v1;
  asi_bug2 = vr;
  asi_bug3 = v2;
  UpdateAsiBugVars();
}

void SelectSpeedsByWeight() {
  const int32_t row = NearestKeyIndex(perf_tables.vref_weight, PerfTables::kVrefRows, FreshGrossWeight(), 9999999.0);
  const VrefSpeeds& s = perf_tables.vref[row];
  vref30 = TruncToI32(s.flaps30);
  vref25 = TruncToI32(s.flaps25);
  vref20 = TruncToI32(s.flaps20);
}

int32_t SelectRefSpeedsByWeight() {
  const double flaps_deg = ReadFlapsAngle();
  const int32_t row =
      NearestKeyIndex(perf_tables.flap_ref_weight, PerfTables::kFlapRefRows, StoredGrossWeight(), 999999.0);
  return perf_tables.flap_ref_kt[row][FlapRefColumn(flaps_deg)];
}

int32_t LookupSpeedByWeightFlapEpr() {
  const double weight_lb = StoredGrossWeight();
  const double flaps_deg = ReadFlapsAngle();
  double epr = epr_bug;
  // The table's EPR columns are on the default engine's scale.
  if (IsPwEngine()) epr = (epr - 1.0) * 2.0 * 0.9 + 1.0;
  const int32_t row = NearestKeyIndex(perf_tables.climb_weight, PerfTables::kClimbRows, weight_lb, 999999.0);
  const int32_t col = NearestKeyIndex(perf_tables.climb_epr, 3, epr, 10.0);
  return perf_tables.climb_fpm[row][ClimbFlapGroup(flaps_deg)][col];
}

void UpdateAsiBugVars() {
  // The panel reads the bugs as unsigned words.
  NV_SET(asi_bug1, static_cast<uint32_t>(asi_bug1));
  NV_SET(asi_bug2, static_cast<uint32_t>(asi_bug2));
  NV_SET(asi_bug3, static_cast<uint32_t>(asi_bug3));
  asi_bug1_incr_id = host::LookupNamedVar(nv::asi_bug1_incr);
  asi_bug2_incr_id = host::LookupNamedVar(nv::asi_bug2_incr);
  asi_bug3_incr_id = host::LookupNamedVar(nv::asi_bug3_incr);
}
