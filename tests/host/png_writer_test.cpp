#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/png_writer.h"

namespace {

TEST(PngWriter, WritesTheSurfaceAndReadsBackItsPixels) {
  std::vector<uint32_t> px(6 * 4, 0u);
  px[1 * 6 + 2] = 0xFF00FA00u;
  gauge::DeviceContext dc{px.data(), 6, 4, 24, nullptr};
  const std::string path = ::testing::TempDir() + "png_writer_test.png";
  ASSERT_TRUE(simhost::WritePng(dc, path));

  cairo_surface_t* back = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(back), 6);
  const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(back));
  const int stride = cairo_image_surface_get_stride(back) / 4;
  EXPECT_EQ(data[1 * stride + 2], 0xFF00FA00u);
  EXPECT_EQ(data[0], 0u);
  cairo_surface_destroy(back);
  std::remove(path.c_str());
}

TEST(PngWriter, UnusableSurfaceOrPathWritesNothing) {
  uint32_t px[4] = {};
  gauge::DeviceContext no_pixels{nullptr, 2, 2, 8, nullptr};
  gauge::DeviceContext short_stride{px, 4, 1, 8, nullptr};
  gauge::DeviceContext ok{px, 2, 2, 8, nullptr};
  const std::string path = ::testing::TempDir() + "png_writer_none.png";
  EXPECT_FALSE(simhost::WritePng(no_pixels, path));
  EXPECT_FALSE(simhost::WritePng(short_stride, path));
  EXPECT_FALSE(simhost::WritePng(ok, "/nonexistent-dir/x.png"));
  EXPECT_EQ(std::fopen(path.c_str(), "rb"), nullptr);
}

}  // namespace
