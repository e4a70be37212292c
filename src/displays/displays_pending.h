// Display services that the frame names or will call (gauge tables, update driver, readouts).
#pragma once

#include "platform/gauge.h"

// Will write the first radio readout (token 23 frequency, or empty without power); returns 0.0.
double FormatTokenVar23Text(gauge::ElementHeader* element);

// Will step the standby attitude model once per tick.
void UpdateStandbyGyro();
// Will return the frequency (MHz) of the BCD word of token 23, 617, 870 or 871.
double ReadFreqTokenVar23();
double ReadFreqTokenVar617();
double ReadFreqTokenVar870();
double ReadFreqTokenVar871();
