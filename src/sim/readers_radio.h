// Readers of the simulator's radios and navigation receivers: frequencies (delivered as packed-decimal
// words, one digit per 4 bits), courses (delivered in the host's 2^14-per-turn angle encoding, read as
// the reciprocal), deviation needles, station bearings and distances, and the receiver flag word.
//
// Reads: host token variables and one expression. Writes: nothing.
#pragma once

#include <cstdint>
#include <string>

double ReadAdfFrequency();        // kHz, from tokens 16 (digits) and 18 (tenths, 100 = +1000 kHz)
double GetAdf2ActiveFrequency();  // kHz
double ReadTokenVar20();          // degrees
double ReadTokenVar25();          // degrees, decoded angle
double ReadFreqToken27();         // MHz
double ReadTokenVar28();          // degrees, decoded angle
double ReadDmeDistance();         // NM (token 31)
double ReadFreqToken38();         // the packed word's decimal digits, unscaled
double ReadTokenVar39();          // degrees, relative to the heading
double ReadTokenVar40();          // lateral deviation
double ReadTokenVar41();          // vertical deviation
double ReadTokenVar45();          // selected course, degrees
int32_t TestTokenVar46Bit08();
int32_t TestTokenVar46Bit40();
int32_t TestTokenVar46Bit80();
double ReadVor1Signal();          // token 49
double ReadTokenVar54();
double ReadTokenVar59();
double ReadTokenVar341();         // cross-track error, NM
double ReadTokenVar354();         // marker state
double ReadTokenVar550();         // relative bearing, degrees
double ReadTokenVar877();
double ReadTokenVar878();
double ReadTokenVar879();
double ReadTokenVar880();
double ReadTokenVar881();
double ReadFreqToken24();         // MHz, VOR 1 active frequency
std::string ReadVor1Ident();      // token 47, the received VOR 1 station's ident
