// A hint for the module's largest tables (the navigation tables, about 100 MB, filled once): let
// the system back them with large pages, so that filling them takes a few page faults instead of
// thousands and reading them misses the address cache less. Only whole large pages inside the range
// are advised; where the system has no such hint nothing happens.
#pragma once

#include <cstddef>

namespace platform {

void AdviseLargePages(const void* data, size_t bytes);

}  // namespace platform
