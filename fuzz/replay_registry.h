// The fuzz targets compiled into the replay program, by name; the table ends with a null name.
#pragma once

#include <cstddef>
#include <cstdint>

struct ReplayTarget {
  const char* name;
  int (*run)(const uint8_t* data, size_t size);
  int (*init)(int* argc, char*** argv);  // null when the target has none
};

extern const ReplayTarget kReplayTargets[];
