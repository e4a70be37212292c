#include "navdb/navdb_pending.h"

#include "platform/host_api.h"

char sim_root[260];

RO_DEFINE_GLOBALS(NAVDB_PENDING_FRAME)
RO_DEFINE_GLOBALS(NAVDB_PENDING_FMC)
RO_DEFINE_ARRAYS(NAVDB_PENDING_FMC_ARRAYS)
RO_DEFINE_GLOBALS(NAVDB_PENDING_CDU)

void ResetNavdbPendingGlobals() {
  sim_root[0] = '\0';
  RO_RESET_GLOBALS(NAVDB_PENDING_FRAME)
  RO_RESET_GLOBALS(NAVDB_PENDING_FMC)
  RO_RESET_ARRAYS(NAVDB_PENDING_FMC_ARRAYS)
  RO_RESET_GLOBALS(NAVDB_PENDING_CDU)
}

// Reads token 9 straight from the host until the frame's reader exists.
double ReadTokenVar9() {
  gauge::TokenVar var{};
  var.id = 9;
  host::ReadToken(&var);
  return var.value.n;
}

double ReadAirspeedSmoothed() { return 0.0; }

int32_t DeleteRouteSegment(int32_t, RteRow&) { return 0; }

void InsertAirwayWpts() {}
