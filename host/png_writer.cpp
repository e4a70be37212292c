#include "host/png_writer.h"

#include <cairo.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace simhost {

bool WritePng(const gauge::DeviceContext& dc, const std::string& path, std::string* error, PngBackdrop backdrop) {
  if (dc.pixels == nullptr || dc.width <= 0 || dc.height <= 0 ||
      dc.stride_bytes < cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, dc.width)) {
    *error = "surface for '" + path + "' has no usable pixels";
    return false;
  }
  unsigned char* data = reinterpret_cast<unsigned char*>(dc.pixels);
  int stride = dc.stride_bytes;
  std::vector<uint32_t> opaque;
  if (backdrop == PngBackdrop::kBlack) {
    // Premultiplied colour over black keeps its channels and becomes opaque.
    opaque.resize(static_cast<size_t>(dc.width) * static_cast<size_t>(dc.height));
    for (int32_t y = 0; y < dc.height; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * dc.stride_bytes);
      for (int32_t x = 0; x < dc.width; ++x) {
        opaque[static_cast<size_t>(y) * static_cast<size_t>(dc.width) + x] = row[x] | 0xFF000000u;
      }
    }
    data = reinterpret_cast<unsigned char*>(opaque.data());
    stride = dc.width * 4;
  }
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, dc.width, dc.height, stride);
  const std::string temp = path + ".part";
  cairo_status_t status = cairo_surface_status(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_write_to_png(surface, temp.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS || std::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    *error = "cannot write '" + path + "': " + cairo_status_to_string(status);
    return false;
  }
  return true;
}

}  // namespace simhost
