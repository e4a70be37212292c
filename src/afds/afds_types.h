// Records of the autoflight and systems subsystem shared with other subsystems.
#pragma once

#include <cstdint>
#include <string>

constexpr int kEicasMessageRows = 30;
constexpr int kIasTrendSamples = 16;

struct EicasMessage {
  std::string text;
  int32_t inhibit = 0;       // 1 = hidden by CANCEL
};
