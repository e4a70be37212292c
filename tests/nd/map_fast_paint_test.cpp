// The moving maps paint the fast way (compositing quality high speed): the same picture to the
// eye as the exact way that the drawing layer keeps as the reference. On the world database, every
// display, dense place and view is painted both ways at the gauge size; a few views again at the
// stand-in's snapshot sizes and at odd sizes a panel may give. No channel of a pixel may differ by
// more than 8 levels, and the mean difference over the surface must stay below 0.1 level. The
// other displays do not take the fast way: their pixels stay the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "module/paint_entries.h"
#include "nd/world_map_fixture.h"
#include "sim/sim_globals.h"

namespace {

using world_map::Display;
using world_map::Paint;
using world_map::Place;
using world_map::View;

struct Difference {
  int largest = 0;         // levels, any channel
  size_t pixels = 0;       // pixels with any channel different
  double mean = 0.0;       // levels per channel over the surface
};

Difference Compare(const Paint& a, const Paint& b) {
  Difference d;
  uint64_t sum = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    const uint32_t p = a.pixels[i], q = b.pixels[i];
    if (p == q) continue;
    ++d.pixels;
    for (int shift = 0; shift < 32; shift += 8) {
      const int diff = std::abs(static_cast<int>((p >> shift) & 0xFFu) - static_cast<int>((q >> shift) & 0xFFu));
      d.largest = std::max(d.largest, diff);
      sum += static_cast<uint64_t>(diff);
    }
  }
  d.mean = a.pixels.empty() ? 0.0 : static_cast<double>(sum) / (4.0 * static_cast<double>(a.pixels.size()));
  return d;
}

class MapFastPaintWorld : public world_map::WorldMapTest {
 protected:
  void TearDown() override {
    gfx::RasterBackend::SetReferenceRendering(false);
    WorldMapTest::TearDown();
  }

  // Paints the display both ways at the size and checks the difference; returns it.
  Difference PaintBothWays(const Display& d, int width, int height) {
    Paint fast(width, height), exact(width, height);
    PaintOn(d, &fast, false);
    gfx::RasterBackend::SetReferenceRendering(true);
    PaintOn(d, &exact, false);
    gfx::RasterBackend::SetReferenceRendering(false);
    const Difference diff = Compare(fast, exact);
    EXPECT_LE(diff.largest, 8);
    EXPECT_LT(diff.mean, 0.1);
    return diff;
  }
};

const Place kPlaces[] = {{"EDDF", "EDDM", 140.0}, {"KORD", "KMSP", 300.0}, {"KSEA", "KPDX", 180.0}};

TEST_F(MapFastPaintWorld, EveryViewLooksTheSameAsTheExactPaint) {
  const View views[] = {{3, 10.0}, {3, 40.0}, {3, 160.0}, {3, 320.0}, {4, 40.0}, {4, 320.0}};
  size_t differing = 0;
  for (const Display& d : world_map::kDisplays) {
    Difference worst;
    for (const Place& place : kPlaces) {
      for (const View& view : views) {
        const std::string name = std::string(d.name) + " " + (view.mode == 4 ? "PLAN " : "MAP ") +
                                 std::to_string(static_cast<int>(view.range_nm)) + " " + place.origin;
        SCOPED_TRACE(name);
        Fly(place, view);
        const Difference diff = PaintBothWays(d, world_map::kWidth, world_map::kHeight);
        std::printf("%-24s largest %2d  differing pixels %5zu  mean %.4f\n", name.c_str(), diff.largest, diff.pixels,
                    diff.mean);
        worst.largest = std::max(worst.largest, diff.largest);
        worst.mean = std::max(worst.mean, diff.mean);
        differing += diff.pixels;
      }
    }
    std::printf("%-24s largest %2d  largest mean %.4f\n", d.name, worst.largest, worst.mean);
  }
  EXPECT_GT(differing, 0u);  // the fast way is taken
}

// The stand-in's snapshot sizes (each canvas's aspect at the bitmap's width) and odd gauge sizes.
TEST_F(MapFastPaintWorld, AnySurfaceSizeLooksTheSame) {
  struct Size {
    int width, height;
  };
  const Size sizes[] = {{358, 420}, {358, 216}, {358, 477}, {201, 263}, {517, 631}, {97, 121}};
  const View views[] = {{3, 160.0}, {4, 40.0}};
  for (const Display& d : world_map::kDisplays) {
    for (const View& view : views) {
      for (const Size& s : sizes) {
        SCOPED_TRACE(std::string(d.name) + " mode " + std::to_string(view.mode) + " at " + std::to_string(s.width) +
                     "x" + std::to_string(s.height));
        Fly(kPlaces[0], view);
        PaintBothWays(d, s.width, s.height);
      }
    }
  }
}

// The other displays keep the exact way.
TEST_F(MapFastPaintWorld, OtherDisplaysKeepTheirPixels) {
  const struct {
    const char* name;
    PaintEntry paint;
    DisplaySurface* surface;
    int width, height;
  } others[] = {{"FP_PFD", PaintFpPfd, &fp_pfd_surface, 318, 232},
                {"EADI", PaintEadi, &eadi_surface, 217, 173},
                {"UPPER_EICAS", PaintUpperEicas, &upper_eicas_surface, 250, 213},
                {"CDU", PaintCdu, &cdu_surface, 399, 320}};
  Fly(kPlaces[0], {3, 40.0});
  for (const auto& o : others) {
    SCOPED_TRACE(o.name);
    const Display d{o.name, o.paint, o.surface};
    Paint fast(o.width, o.height), exact(o.width, o.height);
    PaintOn(d, &fast, false);
    gfx::RasterBackend::SetReferenceRendering(true);
    PaintOn(d, &exact, false);
    gfx::RasterBackend::SetReferenceRendering(false);
    EXPECT_TRUE(fast.pixels == exact.pixels);
  }
}

}  // namespace
