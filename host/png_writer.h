// Writes a gauge's drawing surface (a premultiplied ARGB32 device context) to a PNG file.
#pragma once

#include <string>

#include "platform/gauge.h"

namespace simhost {

// What shows where a surface is transparent: black, as the panel behind a display (a picture a
// person can read whatever a viewer puts behind it), or the transparency itself.
enum class PngBackdrop { kBlack, kTransparent };

// The file is written whole or not at all; false with *error set when the surface is unusable or the
// file cannot be written.
bool WritePng(const gauge::DeviceContext& dc, const std::string& path, std::string* error,
              PngBackdrop backdrop = PngBackdrop::kBlack);

}  // namespace simhost
