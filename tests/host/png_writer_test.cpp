#include "host/png_writer.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/temp_dir.h"

namespace {

TEST(PngWriter, WritesTheSurfacePixelForPixel) {
  testing_support::TempDir dir;
  std::vector<uint32_t> pixels(4 * 3, 0xFF000000u);
  pixels[1 * 4 + 2] = 0xFF00FF00u;  // green at (2, 1)
  gauge::DeviceContext dc{pixels.data(), 4, 3, 16, nullptr};
  std::string error;
  ASSERT_TRUE(simhost::WritePng(dc, dir / "eicas.png", &error)) << error;

  cairo_surface_t* s = cairo_image_surface_create_from_png((dir / "eicas.png").c_str());
  ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(s), 4);
  EXPECT_EQ(cairo_image_surface_get_height(s), 3);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  EXPECT_EQ(*reinterpret_cast<const uint32_t*>(data + 1 * stride + 2 * 4), 0xFF00FF00u);
  EXPECT_EQ(*reinterpret_cast<const uint32_t*>(data), 0xFF000000u);
  cairo_surface_destroy(s);
  EXPECT_EQ(testing_support::CountEntries(dir.path()), 1);
}

// Transparent and half-covered pixels come out as they look on black unless the transparency is
// asked for; the surface itself is left as it was.
TEST(PngWriter, CompositesOntoBlackUnlessAskedForTransparency) {
  testing_support::TempDir dir;
  std::vector<uint32_t> pixels = {0x00000000u, 0x80800000u, 0xFF00FA00u};  // premultiplied ARGB
  gauge::DeviceContext dc{pixels.data(), 3, 1, 12, nullptr};
  const struct {
    simhost::PngBackdrop backdrop;
    std::vector<uint32_t> written;
  } kCases[] = {{simhost::PngBackdrop::kBlack, {0xFF000000u, 0xFF800000u, 0xFF00FA00u}},
                {simhost::PngBackdrop::kTransparent, {0x00000000u, 0x80800000u, 0xFF00FA00u}}};
  for (const auto& c : kCases) {
    std::string error;
    ASSERT_TRUE(simhost::WritePng(dc, dir / "a.png", &error, c.backdrop)) << error;
    cairo_surface_t* s = cairo_image_surface_create_from_png((dir / "a.png").c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s));
    EXPECT_EQ(std::vector<uint32_t>(row, row + 3), c.written);
    cairo_surface_destroy(s);
  }
  EXPECT_EQ(pixels[0], 0u);
}

TEST(PngWriter, RefusesUnusableSurfacesAndFolders) {
  testing_support::TempDir dir;
  std::vector<uint32_t> pixels(4, 0);
  std::string error;
  gauge::DeviceContext narrow{pixels.data(), 4, 1, 8, nullptr};  // stride shorter than a row
  EXPECT_FALSE(simhost::WritePng(narrow, dir / "a.png", &error));
  gauge::DeviceContext empty{nullptr, 4, 1, 16, nullptr};
  EXPECT_FALSE(simhost::WritePng(empty, dir / "a.png", &error));
  gauge::DeviceContext ok{pixels.data(), 4, 1, 16, nullptr};
  EXPECT_FALSE(simhost::WritePng(ok, dir / "missing/a.png", &error));
  EXPECT_EQ(testing_support::CountEntries(dir.path()), 0);
}

}  // namespace
