// Performance tables of the flight management computer and the picks over them: take-off speeds by
// temperature, altitude, weight and flaps; VREF by weight; the flap reference (minimum) speed by weight and
// flap angle; the take-off climb rate by weight, flaps and EPR. InitPerformanceTables fills them once at
// start-up (and the N1-to-EPR tables of the engine display); until then they hold zeros. Weights lb, speeds
// kt, altitudes ft, temperatures °C, climb rates ft/min. Reads: the fuel, empty and payload weights (fresh),
// gross_weight, plane_alt, the flap angle (token 907), the outside air temperature (token 341), epr_bug,
// engine_type, v1_set/vr_set/v2_set. Writes: gross_weight (at start-up), v1/vr/v2, the airspeed bugs,
// vref20/vref25/vref30.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// A closed interval [low, high].
struct TakeoffBand {
  int32_t low = 0;
  int32_t high = 0;
};

// A band of the take-off temperature with the altitude bands that number the speed columns.
struct TakeoffTempBand {
  TakeoffBand temp_c;
  int32_t alt_band_cnt = 0;
  TakeoffBand alt_ft[5];
};

struct TakeoffSpeeds {
  int32_t v1 = 0;
  int32_t vr = 0;
  int32_t v2 = 0;
};

struct VrefSpeeds {
  double flaps20 = 0.0;
  double flaps25 = 0.0;
  double flaps30 = 0.0;
};

struct PerfTables {
  static constexpr int32_t kTempBands = 7;
  static constexpr int32_t kTakeoffRows = 7;
  static constexpr int32_t kTakeoffCols = 5;
  static constexpr int32_t kVrefRows = 5;
  static constexpr int32_t kFlapRefRows = 8;
  static constexpr int32_t kFlapRefCols = 7;
  static constexpr int32_t kClimbRows = 6;

  TakeoffTempBand to_temp_band[kTempBands];
  double to_weight[kTakeoffRows] = {};
  TakeoffSpeeds to_flaps5[kTakeoffRows][kTakeoffCols];  // also every setting but 15 and 20
  TakeoffSpeeds to_flaps15[kTakeoffRows][kTakeoffCols];
  TakeoffSpeeds to_flaps20[kTakeoffRows][kTakeoffCols];

  double vref_weight[kVrefRows] = {};
  VrefSpeeds vref[kVrefRows];

  // Columns: flaps <= 0.5, <= 2, <= 6, <= 16, <= 21, <= 26, above 26 (degrees).
  double flap_ref_weight[kFlapRefRows] = {};
  int32_t flap_ref_kt[kFlapRefRows][kFlapRefCols] = {};

  // Flap groups 5, 15, 20; in each, one rate per EPR column.
  double climb_weight[kClimbRows] = {};
  double climb_epr[3] = {};
  int32_t climb_fpm[kClimbRows][3][3] = {};
};

#define PERF_TABLE_SCALARS(X)    \
  X(PerfTables, perf_tables, {}) \
  X(int32_t, vref20, 0) /* kt */ \
  X(int32_t, vref25, 0)          \
  X(int32_t, vref30, 0)

RO_DECLARE_GLOBALS(PERF_TABLE_SCALARS)

void ResetPerfTableGlobals();

// Sets gross_weight to the simulator's empty weight plus payload, then fills every table.
void InitPerformanceTables();

// Publishes the airspeed bugs 1, 2 and 3 ("asi_bug1".. as unsigned words) and renews the ids of
// their increment variables.
void UpdateAsiBugVars();

// Sets v1, vr and v2 (each unless the pilot entered it) for the present conditions and flaps_deg, copies them
// into the airspeed bugs 1, 2 and 3 and publishes the bugs.
void ComputeTakeoffSpeeds(int32_t flaps_deg);

// Sets vref20, vref25 and vref30 for the present weight.
void SelectSpeedsByWeight();

// The flap reference speed (kt) for the present weight and flap angle.
int32_t SelectRefSpeedsByWeight();

// The take-off climb rate (ft/min) for the present weight, flap angle and epr_bug.
int32_t LookupSpeedByWeightFlapEpr();
