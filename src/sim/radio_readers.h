// The radio panel's frequency readers. The cockpit's COM displays take two digits of each COM
// frequency from named variables (published by the overhead pass); the 2-D radio stack shows packed-
// decimal frequency words as text and lights three lamp pictures by plain token values.
//
// Reads: the four COM frequency expressions (MHz), tokens 23, 617, 870, 871 (packed decimal: 0x1835
// stands for 118.35 MHz), 874..876, and for the readout ReadTokenVar364 and ac_power. Writes: the
// readout element's text only.
#pragma once

#include "platform/gauge.h"

// The 100 kHz digit (0..9) of a COM frequency, taken from its text rounded to whole kHz.
double ReadCom1ActiveFreqDigit1();
double ReadCom1StandbyFreqDigit1();
double ReadCom2ActiveFreqDigit1();
double ReadCom2StandbyFreqDigit1();
// The 10 kHz digit, read arithmetically; 4 reads as 5 and 9 as 0 (on 25 kHz channels the second
// decimal is 0, 2, 5 or 7, so a 4 or 9 is a 5 or 0 a hair low).
double ReadCom1ActiveFreqDigit2();
double ReadCom1StandbyFreqDigit2();
double ReadCom2ActiveFreqDigit2();
double ReadCom2StandbyFreqDigit2();

// MHz of the packed-decimal word of the token: its digits / 100 + 100.
double ReadFreqTokenVar23();
double ReadFreqTokenVar617();
double ReadFreqTokenVar870();
double ReadFreqTokenVar871();
// Radio-stack lamp pictures 10, 11 and 12 show while these are non-zero.
double ReadTokenVar874();
double ReadTokenVar875();
double ReadTokenVar876();

// Token 23's frequency as "%03.2f", blank without power; returns 0.0. No element of the radio stack
// shows it today.
double FormatTokenVar23Text(gauge::ElementHeader* element);
