#include "state/aircraft_id_globals.h"

#include "state/aircraft_id.h"  // kOrvantelNameLists, the lists at load

RO_DEFINE_GLOBALS(AIRCRAFT_ID_GLOBALS)

void ResetAircraftIdGlobals() { RO_RESET_GLOBALS(AIRCRAFT_ID_GLOBALS) }
