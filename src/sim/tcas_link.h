// The link to the external TCAS module: the module is looked up through the host (slot 39) by its
// identity and interface version 38, connected with TcasConnectCallback, and from then on delivers
// the address of its service record, which lists the intruders. TakeTcasTargets turns the newest
// list into the target table that the map displays' traffic layer draws.
//
// Reads: token variable 1 (the tick), plane_hdg_true, TcasVertRange. Writes: the link state and the
// target table.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"
#include "platform/tcas_module.h"

using TcasCallback = tcas::ServiceCallback;

constexpr int kTcasTargetRows = 6;  // rows 1..5 used
constexpr int kTcasMaxTargets = 5;

// One row of the target table (32 bytes).
struct TcasTarget {
  double brg_deg = 0.0;     // true; not folded below 0 (the map folds the difference itself)
  double dist_nm = 0.0;
  double rel_alt_hft = 0.0;  // hundreds of feet, positive above
  char threat = 0;           // 'O' other, 'P' proximate, 'T' traffic advisory, 'R' resolution advisory
  char zero = 0;
  char trend = 0;            // 'v' descending, '^' climbing; anything else draws no arrow
};
static_assert(sizeof(TcasTarget) == 32);

// Link state. tcas_take_tick is the tick of the last list taken, kept as a 16-bit integer; -1 before
// the first, so that a list delivered at tick 0 is taken too.
#define SIM_TCAS_SCALARS(X)                                                          \
  X(int32_t, tcas_server_connect, 0)  /* 1 once a service record was delivered */      \
  X(void*, tcas_serv, nullptr)        /* the TCAS module's service record */           \
  X(int32_t, tcas_flag, 0)            /* attempt counter of attempt B; 21 connected */ \
  X(int64_t, tcas_retry_run, -1)      /* driver run of the last attempt B */          \
  X(double, tcas_callback_tick, 0.0)  /* token variable 1 at the last callback */      \
  X(int16_t, tcas_take_tick, -1)                                                       \
  X(int32_t, tcas_target_cnt, 0)

#define SIM_TCAS_ARRAYS(X) X(TcasTarget, tcas_targets, kTcasTargetRows)

RO_DECLARE_GLOBALS(SIM_TCAS_SCALARS)
RO_DECLARE_ARRAYS(SIM_TCAS_ARRAYS)

// Looks the TCAS module up and calls its connect routine with the three arguments: its result, or 1
// when the module is not offered or offers another interface version than 38.
int32_t ConnectTcasModule(const void* client_arg, TcasCallback callback, uint32_t user_word);
// Keeps the delivered service record and marks the link connected (a null record only clears it).
void TcasConnectCallback(void* service_record);
// Takes the intruder list when a new one has arrived since the last take: at most five valid
// entries, newest first; when more are listed, those inside the vertical window (TcasVertRange)
// before any outside it, and within each resolution advisories, then traffic advisories, then the
// nearest. Otherwise the table stays as it was.
void TakeTcasTargets();

void ResetTcasLink();
