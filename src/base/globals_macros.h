// One list per subsystem names each global with its type and load value, so that the declaration,
// the definition and the reset that ResetModuleState() performs can never drift apart.
//
//   #define NAVDB_SCALARS(X) X(int32_t, nav_ints_cnt, 0) X(double, near_apt_ref_lat, -999.0)
//   RO_DECLARE_GLOBALS(NAVDB_SCALARS)   // in the subsystem's header
//   RO_DEFINE_GLOBALS(NAVDB_SCALARS)    // in its source
//   RO_RESET_GLOBALS(NAVDB_SCALARS)     // inside its Reset...Globals()
//
// Arrays of records use X(type, name, rows) with the RO_*_ARRAYS macros; a reset assigns every row
// its value-initialised record. Very large tables reset only their used rows in their own code.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#define RO_DECLARE_GLOBAL_(type, name, init) extern type name;
#define RO_DEFINE_GLOBAL_(type, name, init) type name = init;
#define RO_RESET_GLOBAL_(type, name, init) name = init;

#define RO_DECLARE_GLOBALS(LIST) LIST(RO_DECLARE_GLOBAL_)
#define RO_DEFINE_GLOBALS(LIST) LIST(RO_DEFINE_GLOBAL_)
#define RO_RESET_GLOBALS(LIST) LIST(RO_RESET_GLOBAL_)

#define RO_DECLARE_ARRAY_(type, name, rows) extern type name[rows];
#define RO_DEFINE_ARRAY_(type, name, rows) type name[rows];
#define RO_RESET_ARRAY_(type, name, rows) std::fill_n(name, rows, type{});

#define RO_DECLARE_ARRAYS(LIST) LIST(RO_DECLARE_ARRAY_)
#define RO_DEFINE_ARRAYS(LIST) LIST(RO_DEFINE_ARRAY_)
#define RO_RESET_ARRAYS(LIST) LIST(RO_RESET_ARRAY_)
