// The LOAD ATC RTE uplink: the flight plan of the simulator's GPS, read from the data block the
// simulator publishes as "FS2002 GPS DATA", becomes the modified route.
//
// Block (little-endian, read in place): u32 size at 0 (used from kGpsBlockMinSize bytes on), u32
// record count at 168, record pointer at 172 (pointer-sized). Record (64 bytes): i32 latitude at 12
// (distance along the meridian: deg = v / 40007000 x 360), i64 longitude at 16 (low 16 bits
// dropped, deg = v x 360 / 2^64, east positive), f64 altitude at 48 (metres), ident at 56 (8 bytes,
// NUL-terminated when shorter).
//
// Reads: the block, nav_apts, nav_navaids, nav_ints. Writes: gps_data_block, fms_fpln_mod and
// fp_mod_cnt, mod_stpos, pending_cruise_alt, the origin and destination selections, the route state,
// new_fpln_loaded, clear_holds_on_exec, tod_pause_done, tod_1x_done, cdu_message, fms_page, rte_page.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr size_t kGpsCountOffset = 168;
inline constexpr size_t kGpsRecordsOffset = 172;
inline constexpr size_t kGpsBlockMinSize = kGpsRecordsOffset + sizeof(void*);
inline constexpr size_t kGpsRecordSize = 64;
inline constexpr char kGpsDataIdentity[] = "FS2002 GPS DATA";

// Copies the GPS plan into the modified route (at most 201 legs) and reports "RTE UPLINK OK", or
// "NO ACTIVE GPS RTE" when the plan has fewer than two waypoints; nothing when there is no block.
void UplinkGpsRoute();

// Types the uplinked legs: the end rows "APT" when they are airports; middle rows of up to five
// characters "VOR"/"NDB" from a navaid of that ident within 5 NM, longer ones "INT" from an
// intersection within 5 NM; "WPT" otherwise.
void ClassifyUplinkLegs();
