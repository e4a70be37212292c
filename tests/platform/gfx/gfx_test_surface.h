// A drawing surface for the drawing-layer tests: pixels and a recording behind one device context,
// with pixel probes. A failing test leaves its picture as <test name>.png in the working directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/png_writer.h"
#include "platform/gfx/gfx.h"

namespace gfx_test {

struct Ink {
  bool any = false;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // inclusive pixel bounds
};

class TestSurface {
 public:
  TestSurface(int width, int height, bool with_pixels = true, bool with_recording = true)
      : pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), 0u) {
    dc_.pixels = with_pixels ? pixels_.data() : nullptr;
    dc_.width = width;
    dc_.height = height;
    dc_.stride_bytes = width * 4;
    dc_.recording = with_recording ? &recording_ : nullptr;
  }
  ~TestSurface() {
    if (::testing::Test::HasFailure() && dc_.pixels != nullptr) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      if (info != nullptr) {
        std::string error;
        simhost::WritePng(dc_, std::string(info->name()) + ".png", &error);
      }
    }
  }

  gauge::DeviceContext* dc() { return &dc_; }
  const gfx::Recording& recording() const { return recording_; }
  gfx::Recording& recording() { return recording_; }
  uint32_t At(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(dc_.width) + static_cast<size_t>(x)];
  }
  // Bounds of the pixels whose colour is `argb` (opaque colours are stored as they are).
  Ink InkOf(uint32_t argb) const { return Find([argb](uint32_t p) { return p == argb; }); }
  // Bounds of every pixel that is not fully transparent.
  Ink AnyInk() const { return Find([](uint32_t p) { return (p >> 24) != 0; }); }

 private:
  std::vector<uint32_t> pixels_;
  gauge::DeviceContext dc_{};
  gfx::Recording recording_;

  template <typename Pred>
  Ink Find(Pred pred) const {
    Ink ink;
    for (int y = 0; y < dc_.height; ++y) {
      for (int x = 0; x < dc_.width; ++x) {
        if (!pred(At(x, y))) continue;
        if (!ink.any) {
          ink = Ink{true, x, y, x, y};
          continue;
        }
        ink.x0 = std::min(ink.x0, x);
        ink.y0 = std::min(ink.y0, y);
        ink.x1 = std::max(ink.x1, x);
        ink.y1 = std::max(ink.y1, y);
      }
    }
    return ink;
  }
};

}  // namespace gfx_test
