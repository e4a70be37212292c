// Texts of the string elements the host draws (radio-stack and decision-height readouts). A
// callback writes into the element's own buffer, never past its capacity, and returns 0.0.
#pragma once

#include "platform/gauge.h"

// Blank rule of the readouts: with token 364 exactly 0.0 and no electrical power (ac_power 0 or
// below) the readout shows the empty text. True when it did so.
bool BlankReadoutWhenUnpowered(gauge::ElementHeader* element);

// The common readout: blank without power, else the reader's value in the format (one double);
// returns 0.0 for the callback to hand back.
double FormatReadout(gauge::ElementHeader* element, const char* format, double (*reader)());

// printf-style text into the element's buffer, cut to its capacity; nothing without a buffer.
void WriteReadoutText(gauge::ElementHeader* element, const char* format, ...) __attribute__((format(printf, 2, 3)));
