#include "frame/module_entry.h"

#define RO_EXPORT __attribute__((visibility("default")))

extern "C" {
RO_EXPORT gauge::ImportTableRecord ImportTable = {0x0000000F, nullptr, 0, 0};
RO_EXPORT gauge::LinkageRecord Linkage = {0x00000013, &ModuleInit, &ModuleDeinit, 0, 0, 0x0900, {}};
}

void ModuleInit() {}
void ModuleDeinit() {}
