#include "frame/module_state.h"

void ResetModuleState() {}
