// Thrust-limit EPR grids of the thrust reference modes and the economy-speed table by cost index.
// InitThrustLimitTables fills both from the constants of the engine data (the configuration reader calls it
// each time it reads the file); until then they hold zeros, and a lookup gives 0.0. Reads: tmsp, plane_alt
// (ft), gross_weight (lb, without fuel), the total fuel, engine_type.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// One grid: EPR cells by a row axis (temperature in °C; gross weight in lb for CRZ) and an altitude column
// axis (ft). Lookups take the nearest cell and never interpolate.
struct ThrustLimitGrid {
  static constexpr int32_t kMaxRows = 12;
  static constexpr int32_t kMaxCols = 11;
  int32_t row_cnt = 0;
  int32_t col_cnt = 0;
  double row_key[kMaxRows] = {};
  double col_key[kMaxCols] = {};
  double epr[kMaxRows][kMaxCols] = {};
};

struct ThrustLimitTables {
  ThrustLimitGrid to;      // tmsp 1
  ThrustLimitGrid ga_con;  // tmsp 2 and 7
  ThrustLimitGrid clb;     // tmsp 3
  ThrustLimitGrid clb1;    // tmsp 4
  ThrustLimitGrid clb2;    // tmsp 5
  ThrustLimitGrid crz;     // tmsp 6, rows by gross weight
};

// The highest assumed temperature the thrust-mode panel's knob selects, °C: a take-off reference
// derated further than the knob can derate it comes from no control (a panel state's 150 did).
inline constexpr double kMaxAssumedTempC = 71.0;
constexpr bool AssumedTemperatureAccepted(double temp_c) { return temp_c <= kMaxAssumedTempC; }

// Economy speeds of one cost index (IAS in kt).
struct EconSpeedRow {
  int32_t cost_index = 0;
  int32_t climb_ias = 0;
  double climb_mach = 0.0;
  int32_t cruise_ias = 0;
  double cruise_mach = 0.0;
  int32_t descent_ias = 0;
  double descent_mach = 0.0;
};

// Rows 1..22 in ascending cost index, the last at 999 so that every enterable cost index has a row.
inline constexpr int32_t kEconSpeedRows = 22;

#define THRUST_LIMIT_SCALARS(X) X(ThrustLimitTables, thrust_limit_tables, {})
#define THRUST_LIMIT_ARRAYS(X) X(EconSpeedRow, econ_speed_table, kEconSpeedRows + 1)

RO_DECLARE_GLOBALS(THRUST_LIMIT_SCALARS)
RO_DECLARE_ARRAYS(THRUST_LIMIT_ARRAYS)

void ResetThrustLimitGlobals();

// The engine family is "PW" when engine_type begins with those two letters.
bool IsPwEngine();

// Index (0-based) of the key nearest to x. Keys are visited in table order and one replaces the best only
// when strictly nearer than it, starting from start_dist: ties go to the earlier key, and an x that far or
// farther from every key gives index 0.
int32_t NearestKeyIndex(const double* keys, int32_t n, double x, double start_dist);

void InitThrustLimitTables();

// The phase speeds of the cost index from the economy speed table (route activation); a cost index
// below 0 or above 999 changes nothing, and a phase whose speed the pilot entered keeps it.
void InterpolateEconSpeeds();

// The thrust-limit EPR of the present tmsp at temperature_c, plane_alt and (CRZ) the gross weight; 0.0 for a
// tmsp outside 1..7. For the "PW" family the cell is mapped onto that engine's EPR scale.
double GetThrustLimitEpr(double temperature_c);

// epr_bug and epr_bug_2 anew for the selected mode, as its button sets them: the take-off limit at the
// assumed temperature, the other limits at 0 °C. Without a selected mode they are left alone.
void RecomputeThrustReference();
