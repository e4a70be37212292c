// Writes a gauge drawing surface (the ARGB32 pixels of a device context) to a PNG file. The file
// appears whole or not at all: the image goes to a temporary file beside it, renamed into place.
#pragma once

#include <string>

#include "platform/gauge.h"

namespace simhost {

// False when the surface has no usable pixels or the file cannot be written.
bool WritePng(const gauge::DeviceContext& dc, const std::string& path);

}  // namespace simhost
