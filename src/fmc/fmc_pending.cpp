#include "fmc/fmc_pending.h"

RO_DEFINE_GLOBALS(FMC_PENDING_GLOBALS)

void ResetFmcPendingGlobals() { RO_RESET_GLOBALS(FMC_PENDING_GLOBALS) }
