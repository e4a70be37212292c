#include "frame/module_state.h"

#include "frame/geodesy.h"
#include "navdb/mag_model.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_pending.h"

void ResetModuleState() {
  ResetGeodesyGlobals();
  ResetNavdbGlobals();
  ResetMagModelGlobals();
  ResetNavdbPendingGlobals();
}
