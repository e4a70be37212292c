// State of the per-tick driver MainUpdate: its own memory between runs and the simulator values it
// samples into the shared state (read by every subsystem). Units: kt, ft, degrees, NM, hPa.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// Driver state. last_tick18 starts at -999.0 so that the first call always runs. A run stands for
// the simulator ticks elapsed since the last one (run_ticks, see tick_span.h); the run_end_ values
// are the counters as that run left them.
#define SIM_TICK_DRIVER_GLOBALS(X)     \
  X(double, last_tick18, -999.0)         \
  X(double, last_clock_second, -99.0)    \
  X(int32_t, redraw_tick, 0)             \
  X(int32_t, tick36_counter, 0)          \
  X(int32_t, mcp_knob_idle_ticks, 100)   \
  X(int64_t, tick_runs, 0)               \
  X(int32_t, run_ticks, 1)               \
  X(int32_t, run_end_redraw_tick, 0)     \
  X(int32_t, run_end_tick36, 0)          \
  X(double, last_pitch_time_s, -1.0)  /* simulator running time of the last pitch sample; -1 none */

// Samples. Gear positions run 0 (up) .. 16383 (down); plane_pitch is negative nose up; alt_rate is
// the change of pitch over one tick; magnetic = true - mag_var.
#define SIM_TICK_SAMPLE_GLOBALS(X)   \
  X(double, ground_speed, 0.0)         \
  X(double, ias, 0.0)                  \
  X(double, plane_alt, 0.0)            \
  X(double, tick18, 0.0)               \
  X(double, mag_var, 0.0)              \
  X(double, plane_hdg_mag, 0.0)        \
  X(double, plane_lat, 33.6229)        \
  X(double, plane_lon, -111.9104)      \
  X(double, plane_hdg_true, 0.0)       \
  X(double, ap_alt_lock, 0.0)          \
  X(double, zulu_hour, 0.0)            \
  X(double, zulu_min, 0.0)             \
  X(double, clock_second, 0.0)         \
  X(double, baro_hpa, 0.0)             \
  X(double, baro_inhg, 0.0)            \
  X(double, xtk_error, 0.0)            \
  X(double, nav_rel_brg, 0.0)          \
  X(double, gear1_pos, 0.0)            \
  X(double, gear2_pos, 0.0)            \
  X(double, gear3_pos, 0.0)            \
  X(double, plane_mach, 0.0)           \
  X(double, plane_pitch, 0.0)          \
  X(double, alt_rate, 0.0)             \
  X(double, plane_bank, 0.0)           \
  X(double, fd_pitch_cmd, 0.0)         \
  X(double, fd_bank_cmd, 0.0)          \
  X(double, radio_height, 0.0)         \
  X(double, ap_spdbug, 0.0)            \
  X(double, ap_mach_bug, 0.0)          \
  X(double, ap_mach, 0.0)              \
  X(double, ap_speed, 0.0)             \
  X(double, clock_second_b, 0.0)       \
  X(double, flap_angle, 0.0)           \
  X(double, clock_minute, 0.0)         \
  X(double, clock_hour, 0.0)           \
  X(double, clock_second_c, 0.0)       \
  X(double, dme_dist, 0.0)             \
  X(double, gsi_needle, 0.0)           \
  X(double, nav_obs_crs, 0.0)          \
  X(double, cdi_needle, 0.0)           \
  X(double, vert_speed, 0.0)           \
  X(double, ap_hdg_bug, 0.0)           \
  X(double, sim_app_hold, 0.0)         \
  X(double, wind_speed, 0.0)           \
  X(double, wind_dir, 0.0)             \
  X(double, head_wind, 0.0)            \
  X(double, cross_wind, 0.0)           \
  X(double, true_airspeed, 0.0)        \
  X(double, drift_angle, 0.0)          \
  X(double, plane_trk_mag, 0.0)        \
  X(double, gross_weight, 0.0)         \
  X(double, ap_master, 0.0)            /* token 103: exactly 1.0 engaged, 0.0 off */

// Samples taken late in the run: until then each holds the previous run's reading, so that the
// autoflight follow-up can act on a change. 1.0 = on.
#define SIM_TICK_LATE_SAMPLE_GLOBALS(X) \
  X(double, at_arm, 0.0)                  \
  X(double, ap_nav_hold, 0.0)             \
  X(double, tok108_flag, 0.0)  /* the simulator's altitude hold */ \
  X(double, tok792_flag, 0.0)  /* take-off/go-around state */

RO_DECLARE_GLOBALS(SIM_TICK_DRIVER_GLOBALS)
RO_DECLARE_GLOBALS(SIM_TICK_SAMPLE_GLOBALS)
RO_DECLARE_GLOBALS(SIM_TICK_LATE_SAMPLE_GLOBALS)

// The token-341 sample under the name the CDU's PROGRESS page reads it by: the outside air
// temperature, deg C (the take-off speeds read the same token as such).
inline double& static_air_temp = xtk_error;

void ResetTickGlobals();
