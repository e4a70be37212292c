// Display services that the frame names or will call (gauge tables, update driver, readouts).
#pragma once

#include "frame/display_surface.h"
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
// Will return tokens 874, 875 and 876: the radio stack shows lamp pictures 10, 11, 12 while non-zero.
double ReadTokenVar874();
double ReadTokenVar875();
double ReadTokenVar876();

// Painters of the flight and engine displays; each will draw its display on the graphics object.
// The EADI painters draw in the canvas their paint entry prepared; the others will set their own
// scale from the surface's size.
void DrawStandbyDisplay(DisplaySurface* surface, gfx::Graphics* graphics);

// Will return a digit (0..9) of a COM frequency: Digit1 the 100 kHz digit, Digit2 the 10 kHz digit
// (4 reads as 5, 9 as 0).
double ReadCom1ActiveFreqDigit1();
double ReadCom1ActiveFreqDigit2();
double ReadCom1StandbyFreqDigit1();
double ReadCom1StandbyFreqDigit2();
double ReadCom2ActiveFreqDigit1();
double ReadCom2ActiveFreqDigit2();
double ReadCom2StandbyFreqDigit1();
double ReadCom2StandbyFreqDigit2();

// The flat-panel PFD painter draws in the canvas its paint entry prepared; the others will set
// their own scale from the surface's size.
