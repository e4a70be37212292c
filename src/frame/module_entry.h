// The library's face towards the host: the exported import and linkage records and the load and
// unload entries.
#pragma once

#include "platform/gauge.h"

extern "C" {
extern gauge::ImportTableRecord ImportTable;
extern gauge::LinkageRecord Linkage;
}

void ModuleInit();
void ModuleDeinit();
