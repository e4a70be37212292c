#include "displays/displays_pending.h"

void UpdateStandbyGyro() {}
