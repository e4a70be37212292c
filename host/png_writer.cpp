#include "host/png_writer.h"

#include <cairo.h>

#include <cstdio>

namespace simhost {

bool WritePng(const gauge::DeviceContext& dc, const std::string& path) {
  if (dc.pixels == nullptr || dc.width <= 0 || dc.height <= 0 || dc.stride_bytes % 4 != 0 ||
      dc.stride_bytes / 4 < dc.width || path.empty()) {
    return false;
  }
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(dc.pixels), CAIRO_FORMAT_ARGB32, dc.width, dc.height,
      dc.stride_bytes);
  bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  const std::string tmp = path + ".tmp";
  if (ok) ok = cairo_surface_write_to_png(surface, tmp.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(tmp.c_str());
  return ok;
}

}  // namespace simhost
