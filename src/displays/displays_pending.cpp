#include "displays/displays_pending.h"

double FormatTokenVar23Text(gauge::ElementHeader*) { return 0.0; }
