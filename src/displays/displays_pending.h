// Display services that the frame's gauge tables already name.
#pragma once

#include "platform/gauge.h"

// Will write the first radio readout (token 23 frequency, or empty without power); returns 0.0.
double FormatTokenVar23Text(gauge::ElementHeader* element);
