// ResetModuleState() restores every global of every subsystem to its load value, as if the library
// had just been loaded. Tests call it before each case; nothing in the module calls it.
#pragma once

void ResetModuleState();
