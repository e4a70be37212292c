#include "displays/displays_globals.h"

RO_DEFINE_GLOBALS(DISPLAYS_SCALARS)

void ResetDisplaysGlobals() { RO_RESET_GLOBALS(DISPLAYS_SCALARS) }
