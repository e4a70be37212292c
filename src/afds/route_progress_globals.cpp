#include "afds/route_progress_globals.h"

RO_DEFINE_GLOBALS(AFDS_ROUTE_PROGRESS_GLOBALS)

void ResetRouteProgressGlobals() { RO_RESET_GLOBALS(AFDS_ROUTE_PROGRESS_GLOBALS) }
