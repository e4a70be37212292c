#include "nd/nd_globals.h"

RO_DEFINE_GLOBALS(ND_SCALARS)

void ResetNdGlobals() { RO_RESET_GLOBALS(ND_SCALARS) }
