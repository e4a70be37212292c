#include "host/png_writer.h"

#include <cairo.h>
#include <unistd.h>

#include <cstdio>

namespace simhost {

bool WritePng(const gauge::DeviceContext& dc, const std::string& path, std::string* error) {
  if (dc.pixels == nullptr || dc.width <= 0 || dc.height <= 0 ||
      dc.stride_bytes < cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, dc.width)) {
    *error = "surface for '" + path + "' has no usable pixels";
    return false;
  }
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(dc.pixels), CAIRO_FORMAT_ARGB32, dc.width, dc.height, dc.stride_bytes);
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
