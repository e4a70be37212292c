#include "fmc/vertical_inputs_pending.h"

RO_DEFINE_GLOBALS(FMC_VERTICAL_PENDING_INPUTS)

void FsuipcClear310A() {}

void ResetVerticalPendingInputs() { RO_RESET_GLOBALS(FMC_VERTICAL_PENDING_INPUTS) }
