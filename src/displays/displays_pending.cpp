#include "displays/displays_pending.h"

#include "frame/pending_calls.h"

double FormatTokenVar23Text(gauge::ElementHeader*) { return 0.0; }
void UpdateStandbyGyro() { CountPendingCall(PendingCall::kUpdateStandbyGyro); }
double ReadFreqTokenVar23() { return 0.0; }
double ReadFreqTokenVar617() { return 0.0; }
double ReadFreqTokenVar870() { return 0.0; }
double ReadFreqTokenVar871() { return 0.0; }
double ReadTokenVar874() { return 0.0; }
double ReadTokenVar875() { return 0.0; }
double ReadTokenVar876() { return 0.0; }

void DrawStandbyDisplay(DisplaySurface*, gfx::Graphics*) { CountPendingCall(PendingCall::kDrawStandbyDisplay); }
double ReadCom1ActiveFreqDigit1() { return 0.0; }
double ReadCom1ActiveFreqDigit2() { return 0.0; }
double ReadCom1StandbyFreqDigit1() { return 0.0; }
double ReadCom1StandbyFreqDigit2() { return 0.0; }
double ReadCom2ActiveFreqDigit1() { return 0.0; }
double ReadCom2ActiveFreqDigit2() { return 0.0; }
double ReadCom2StandbyFreqDigit1() { return 0.0; }
double ReadCom2StandbyFreqDigit2() { return 0.0; }
