// Opening the navigation files: turns a module path ("<sim_root>\Orvantel\navdata\ints.txt") into a
// real path, backslashes as separators and each component matched without regard to case, and opens
// it for reading. A stand-in for the platform's path resolver and text files.
#pragma once

#include <cstdio>
#include <string>

// The file, or nullptr when it does not exist or cannot be read.
std::FILE* OpenModuleFileForReading(const std::string& module_path);

// sim_root followed by `suffix` (a module path relative to the simulator folder).
std::string SimRootPath(const char* suffix);
