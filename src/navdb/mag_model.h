// Magnetic variation from the World Magnetic Model 2005: the coefficient text held in memory, the
// model's reference routine (spherical-harmonic synthesis of the main field with its secular
// variation, in single precision) and GetMagVar, which the procedure loaders and the place/bearing
// entries use to turn magnetic courses into true ones (true = magnetic + variation, east positive).
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

inline constexpr int kWmmCofSlots = 110;
inline constexpr int kWmmCofSlotChars = 70;
inline constexpr int kWmm2005CofLineCount = 92;

// The published coefficient lines (header, 90 rows, end mark), built into the module.
extern const char* const kWmm2005CofLines[kWmm2005CofLineCount];

// Coefficient text: one zero-terminated line per slot, lines 0..wmm_cof_line_cnt-1 in use.
extern char wmm_cof_text[kWmmCofSlots][kWmmCofSlotChars];
#define MAG_MODEL_SCALARS(X) X(int32_t, wmm_cof_line_cnt, 0)
RO_DECLARE_GLOBALS(MAG_MODEL_SCALARS)

void ResetMagModelGlobals();

// Fills wmm_cof_text with the 92 built-in lines.
void InitWmmCoefficients();

// The model routine. Entry 0 loads the model from wmm_cof_text up to degree *max_degree; entry 1
// evaluates it at altitude alt_km, geodetic latitude and longitude (degrees) and decimal year,
// giving declination, inclination (degrees), total intensity (nT) and grid variation (degrees;
// -999.0 below 55 degrees of latitude).
void RunMagModel(int entry, int* max_degree, float alt_km, float lat_deg, float lon_deg, float year,
                 float* dec_deg, float* dip_deg, float* total_nt, float* grid_var_deg);
void InitMagModel(int* max_degree);
void EvalMagModel(float alt_km, float lat_deg, float lon_deg, float year, float* dec_deg,
                  float* dip_deg, float* total_nt, float* grid_var_deg);

// What the model read from the header, and the yearly changes GetMagVar keeps from its second
// evaluation (declination and inclination in minutes of arc, total intensity in nT).
struct MagModelInfo {
  float epoch;
  char name[20];
  float dec_change_min;
  float dip_change_min;
  float total_change_nt;
};

// Magnetic variation in whole degrees, east positive, at whole-degree latitude and longitude.
int32_t GetMagVar(int32_t lat_deg, int32_t lon_deg);

// GetMagVar's rounding: the integer part toward zero, plus one above 0.54 degrees east.
int32_t WholeDegreesOfDeclination(float dec_deg);
