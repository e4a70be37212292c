// Opening the navigation files by their module paths ("<sim_root>\Orvantel\navdata\ints.txt"),
// through the platform path resolver.
#pragma once

#include <cstdio>
#include <string>

// The file, or nullptr when it does not exist or cannot be read.
std::FILE* OpenModuleFileForReading(const std::string& module_path);

// sim_root followed by `suffix` (a module path relative to the simulator folder).
std::string SimRootPath(const char* suffix);
