#include "fmc/thrust_limits.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "afds/afds_globals.h"
#include "base/int_conversion.h"
#include "fmc/fmc_globals.h"
#include "sim/fuel_tanks.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

RO_DEFINE_GLOBALS(THRUST_LIMIT_SCALARS)
RO_DEFINE_ARRAYS(THRUST_LIMIT_ARRAYS)

namespace {

// clang-format off
constexpr ThrustLimitTables kThrustLimitTables = {
    // TO: rows by temperature (°C), columns by altitude (ft)
    {12, 7,
     {71, 68, 66, 54, 49, 43, 38, 32, 27, 21, 16, 10},
     {-1000, 0, 2000, 4000, 6000, 8000, 10000},
     {
         {1.55, 1.56, 1.57, 1.59, 1.61, 1.63, 1.65},  // 71
         {1.57, 1.58, 1.59, 1.62, 1.64, 1.65, 1.67},  // 68
         {1.60, 1.63, 1.63, 1.64, 1.65, 1.68, 1.69},  // 66
         {1.68, 1.68, 1.69, 1.70, 1.70, 1.71, 1.72},  // 54
         {1.69, 1.70, 1.71, 1.71, 1.72, 1.72, 1.73},  // 49
         {1.71, 1.74, 1.74, 1.74, 1.74, 1.74, 1.75},  // 43
         {1.74, 1.76, 1.77, 1.78, 1.78, 1.78, 1.77},  // 38
         {1.76, 1.77, 1.77, 1.77, 1.77, 1.78, 1.78},  // 32
         {1.76, 1.77, 1.78, 1.78, 1.78, 1.78, 1.79},  // 27
         {1.77, 1.78, 1.78, 1.78, 1.78, 1.79, 1.79},  // 21
         {1.77, 1.78, 1.78, 1.78, 1.79, 1.79, 1.79},  // 16
         {1.77, 1.78, 1.78, 1.78, 1.78, 1.79, 1.79},  // 10
     }},
    // G/A and CON
    {10, 7,
     {55, 50, 45, 40, 35, 30, 25, 20, 15, 10},
     {-1000, 0, 2000, 4000, 6000, 8000, 10000},
     {
         {1.64, 1.64, 1.61, 1.59, 1.59, 1.58, 1.56},  // 55
         {1.66, 1.66, 1.64, 1.62, 1.61, 1.61, 1.59},  // 50
         {1.69, 1.69, 1.67, 1.65, 1.64, 1.64, 1.62},  // 45
         {1.72, 1.72, 1.70, 1.68, 1.67, 1.67, 1.65},  // 40
         {1.74, 1.74, 1.72, 1.70, 1.70, 1.70, 1.68},  // 35
         {1.75, 1.76, 1.75, 1.73, 1.73, 1.72, 1.70},  // 30
         {1.75, 1.76, 1.76, 1.75, 1.75, 1.75, 1.73},  // 25
         {1.75, 1.76, 1.76, 1.76, 1.77, 1.77, 1.75},  // 20
         {1.75, 1.76, 1.76, 1.76, 1.77, 1.79, 1.77},  // 15
         {1.75, 1.76, 1.76, 1.76, 1.77, 1.79, 1.79},  // 10
     }},
    // CLB
    {9, 9,
     {60, 50, 40, 30, 20, 10, 0, -10, -20},
     {0, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 40000},
     {
         {1.67, 1.66, 1.66, 1.64, 1.63, 1.63, 1.62, 1.62, 1.61},  // 60
         {1.67, 1.67, 1.66, 1.65, 1.64, 1.64, 1.64, 1.63, 1.62},  // 50
         {1.68, 1.68, 1.69, 1.69, 1.65, 1.64, 1.63, 1.64, 1.63},  // 40
         {1.68, 1.68, 1.69, 1.69, 1.68, 1.67, 1.66, 1.65, 1.64},  // 30
         {1.68, 1.68, 1.69, 1.69, 1.68, 1.67, 1.66, 1.66, 1.65},  // 20
         {1.68, 1.69, 1.69, 1.70, 1.71, 1.72, 1.72, 1.71, 1.71},  // 10
         {1.68, 1.69, 1.69, 1.71, 1.72, 1.74, 1.75, 1.75, 1.76},  // 0
         {1.67, 1.69, 1.69, 1.71, 1.73, 1.75, 1.76, 1.76, 1.76},  // -10
         {1.67, 1.68, 1.68, 1.71, 1.73, 1.75, 1.76, 1.76, 1.77},  // -20
     }},
    // CLB1
    {9, 9,
     {60, 50, 40, 30, 20, 10, 0, -10, -20},
     {0, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 40000},
     {
         {1.65, 1.64, 1.64, 1.63, 1.61, 1.61, 1.60, 1.60, 1.59},  // 60
         {1.65, 1.65, 1.64, 1.63, 1.62, 1.62, 1.62, 1.61, 1.61},  // 50
         {1.66, 1.66, 1.67, 1.67, 1.64, 1.63, 1.63, 1.62, 1.61},  // 40
         {1.66, 1.66, 1.67, 1.68, 1.66, 1.65, 1.64, 1.63, 1.62},  // 30
         {1.66, 1.66, 1.67, 1.67, 1.66, 1.65, 1.65, 1.64, 1.63},  // 20
         {1.66, 1.66, 1.67, 1.68, 1.69, 1.70, 1.70, 1.69, 1.69},  // 10
         {1.66, 1.67, 1.67, 1.70, 1.71, 1.72, 1.72, 1.72, 1.71},  // 0
         {1.65, 1.66, 1.67, 1.69, 1.71, 1.72, 1.73, 1.75, 1.75},  // -10
         {1.65, 1.66, 1.67, 1.69, 1.70, 1.72, 1.73, 1.75, 1.76},  // -20
     }},
    // CLB2
    {9, 9,
     {60, 50, 40, 30, 20, 10, 0, -10, -20},
     {0, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 40000},
     {
         {1.63, 1.62, 1.62, 1.61, 1.59, 1.59, 1.58, 1.58, 1.57},  // 60
         {1.63, 1.63, 1.62, 1.61, 1.60, 1.60, 1.60, 1.59, 1.59},  // 50
         {1.64, 1.64, 1.65, 1.65, 1.62, 1.61, 1.61, 1.60, 1.59},  // 40
         {1.64, 1.64, 1.65, 1.66, 1.64, 1.63, 1.62, 1.61, 1.60},  // 30
         {1.64, 1.64, 1.65, 1.65, 1.64, 1.63, 1.63, 1.62, 1.61},  // 20
         {1.64, 1.64, 1.65, 1.66, 1.67, 1.68, 1.68, 1.67, 1.67},  // 10
         {1.64, 1.65, 1.65, 1.68, 1.69, 1.70, 1.70, 1.70, 1.69},  // 0
         {1.63, 1.64, 1.65, 1.67, 1.69, 1.70, 1.71, 1.73, 1.73},  // -10
         {1.63, 1.64, 1.65, 1.67, 1.68, 1.70, 1.71, 1.73, 1.74},  // -20
     }},
    // CRZ: rows by gross weight (lb)
    {8, 11,
     {260000, 240000, 220000, 200000, 180000, 160000, 140000, 120000},
     {21000, 23000, 25000, 27000, 29000, 31000, 33000, 35000, 37000, 39000, 41000},
     {
         {1.69, 1.69, 1.70, 1.70, 1.71, 1.71, 1.73, 1.73, 1.74, 1.75, 1.75},  // 260000
         {1.68, 1.68, 1.69, 1.69, 1.69, 1.70, 1.70, 1.71, 1.72, 1.74, 1.74},  // 240000
         {1.67, 1.67, 1.68, 1.68, 1.69, 1.69, 1.70, 1.70, 1.72, 1.72, 1.73},  // 220000
         {1.67, 1.67, 1.67, 1.68, 1.68, 1.68, 1.70, 1.70, 1.70, 1.72, 1.72},  // 200000
         {1.67, 1.67, 1.67, 1.68, 1.68, 1.68, 1.69, 1.70, 1.70, 1.70, 1.71},  // 180000
         {1.66, 1.66, 1.67, 1.67, 1.68, 1.68, 1.69, 1.69, 1.69, 1.69, 1.70},  // 160000
         {1.65, 1.65, 1.66, 1.66, 1.67, 1.67, 1.68, 1.68, 1.68, 1.69, 1.69},  // 140000
         {1.64, 1.65, 1.65, 1.66, 1.66, 1.67, 1.67, 1.67, 1.68, 1.68, 1.68},  // 120000
     }},
};
// clang-format on

constexpr EconSpeedRow Econ(int32_t cost_index, int32_t climb_cruise_ias, int32_t descent_ias, double mach) {
  return {cost_index, climb_cruise_ias, mach, climb_cruise_ias, mach, descent_ias, mach};
}

// Row 0 is never used.
constexpr EconSpeedRow kEconSpeedTable[kEconSpeedRows + 1] = {
    {},
    Econ(0, 290, 250, 0.778),
    Econ(10, 292, 250, 0.784),
    Econ(20, 294, 250, 0.791),
    Econ(30, 297, 250, 0.796),
    Econ(40, 303, 255, 0.8),
    Econ(50, 308, 264, 0.804),
    Econ(60, 310, 273, 0.807),
    Econ(70, 314, 282, 0.81),
    Econ(80, 318, 292, 0.812),
    Econ(90, 320, 301, 0.814),
    Econ(100, 324, 310, 0.816),
    Econ(125, 332, 332, 0.816),
    Econ(130, 334, 334, 0.82),
    Econ(150, 341, 334, 0.823),
    Econ(155, 342, 334, 0.824),
    Econ(160, 345, 334, 0.824),
    Econ(175, 345, 334, 0.825),
    Econ(200, 345, 334, 0.828),
    Econ(300, 345, 334, 0.832),
    Econ(400, 345, 334, 0.835),
    Econ(500, 345, 334, 0.838),
    Econ(999, 345, 334, 0.847),
};

constexpr bool CostIndexAscends() {
  for (int32_t k = 2; k <= kEconSpeedRows; ++k) {
    if (kEconSpeedTable[k].cost_index <= kEconSpeedTable[k - 1].cost_index) return false;
  }
  return true;
}
static_assert(CostIndexAscends());

const ThrustLimitGrid* GridOfMode(int32_t mode) {
  switch (mode) {
    case 1:
      return &thrust_limit_tables.to;
    case 2:
    case 7:
      return &thrust_limit_tables.ga_con;
    case 3:
      return &thrust_limit_tables.clb;
    case 4:
      return &thrust_limit_tables.clb1;
    case 5:
      return &thrust_limit_tables.clb2;
    case 6:
      return &thrust_limit_tables.crz;
    default:
      return nullptr;
  }
}

// CRZ rows by gross weight, among the rows that hold a limit at this altitude; none gives row 0.
int32_t CruiseRowIndex(const ThrustLimitGrid& g, int32_t col, double gross_weight_lb) {
  double best = 99999.0;
  int32_t index = 0;
  for (int32_t r = 0; r < g.row_cnt; ++r) {
    if (!(g.epr[r][col] > 0.0)) continue;
    const double d = std::fabs(g.row_key[r] - gross_weight_lb);
    if (d < best) {
      best = d;
      index = r;
    }
  }
  return index;
}

}  // namespace

void ResetThrustLimitGlobals() {
  RO_RESET_GLOBALS(THRUST_LIMIT_SCALARS)
  RO_RESET_ARRAYS(THRUST_LIMIT_ARRAYS)
}

bool IsPwEngine() { return engine_type.starts_with("PW"); }

int32_t NearestKeyIndex(const double* keys, int32_t n, double x, double start_dist) {
  double best = start_dist;
  int32_t index = 0;
  for (int32_t i = 0; i < n; ++i) {
    const double d = std::fabs(keys[i] - x);
    if (d < best) {
      best = d;
      index = i;
    }
  }
  return index;
}

void InitThrustLimitTables() {
  thrust_limit_tables = kThrustLimitTables;
  std::copy(std::begin(kEconSpeedTable), std::end(kEconSpeedTable), econ_speed_table);
}

double GetThrustLimitEpr(double temperature_c) {
  // The total fuel is read on every call, as the fuel service also keeps the reserves in step.
  const double gross_weight_lb = GetTotalFuelWeight() + gross_weight;
  const ThrustLimitGrid* g = GridOfMode(tmsp);
  double cell = 0.0;
  if (g != nullptr) {
    const int32_t col = NearestKeyIndex(g->col_key, g->col_cnt, plane_alt, 99999.0);
    const int32_t row = tmsp == 6 ? CruiseRowIndex(*g, col, gross_weight_lb)
                                  : NearestKeyIndex(g->row_key, g->row_cnt, temperature_c, 99999.0);
    cell = g->epr[row][col];
  }
  // The grids are in the default engine's EPR; the "PW" engines run on a scale half as steep.
  if (IsPwEngine()) return (cell - 1.0) / 0.9 * 0.5 + 1.0;
  return cell;
}

void RecomputeThrustReference() {
  if (tmsp < 1 || tmsp > 7) return;
  epr_bug = GetThrustLimitEpr(tmsp == 1 ? to_epr_temp_sel : 0.0);
  epr_bug_2 = epr_bug;
}

void InterpolateEconSpeeds() {
  const int32_t ci = cost_index;
  if (ci < 0) return;
  int32_t k = 1;
  while (k <= kEconSpeedRows && econ_speed_table[k].cost_index < ci) ++k;
  if (k > kEconSpeedRows) return;

  EconSpeedRow row = econ_speed_table[k];
  if (row.cost_index != ci) {
    // Row 1 holds cost index 0, so an inexact match always has a row below it.
    const EconSpeedRow& lo = econ_speed_table[k - 1];
    const EconSpeedRow& hi = econ_speed_table[k];
    const double f = static_cast<double>(ci - lo.cost_index) / (hi.cost_index - lo.cost_index);
    const auto lerp = [f](double a, double b) { return a + (b - a) * f; };
    row.climb_ias = TruncToI32(lerp(lo.climb_ias, hi.climb_ias));
    row.climb_mach = lerp(lo.climb_mach, hi.climb_mach);
    row.cruise_ias = TruncToI32(lerp(lo.cruise_ias, hi.cruise_ias));
    row.cruise_mach = lerp(lo.cruise_mach, hi.cruise_mach);
    row.descent_ias = TruncToI32(lerp(lo.descent_ias, hi.descent_ias));
    row.descent_mach = lerp(lo.descent_mach, hi.descent_mach);
  }
  if (man_climb_spd == 0) {
    climb_ias = row.climb_ias;
    climb_mach = row.climb_mach;
  }
  if (man_cruise_spd == 0) {
    cruise_ias = row.cruise_ias;
    cruise_mach = row.cruise_mach;
  }
  if (man_descent_spd == 0) {
    descent_ias = row.descent_ias;
    descent_mach = row.descent_mach;
  }
}
