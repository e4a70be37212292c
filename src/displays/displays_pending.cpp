#include "displays/displays_pending.h"

double FormatTokenVar23Text(gauge::ElementHeader*) { return 0.0; }
void UpdateStandbyGyro() {}
double ReadFreqTokenVar23() { return 0.0; }
double ReadFreqTokenVar617() { return 0.0; }
double ReadFreqTokenVar870() { return 0.0; }
double ReadFreqTokenVar871() { return 0.0; }
