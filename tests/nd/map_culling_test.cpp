// The map layers leave out what the clip would cut away whole. On the world database, at dense
// places, in MAP and PLAN at several ranges, each map display is painted twice at its gauge size,
// pixels and recording together: as it paints, and on a recording that sees everything, so that
// nothing is left out. The pixels must be the same, and what the first paint left out must lie
// wholly outside the clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "nd/world_map_fixture.h"

namespace {

using world_map::Display;
using world_map::kHeight;
using world_map::kWidth;
using world_map::Paint;
using world_map::Place;
using world_map::View;

// What identifies a drawing operation.
std::string Describe(const gfx::Recording& rec, const gfx::Op& op) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%d/%d/%08X/%.3f,%.3f,%.3f,%.3f/%u", static_cast<int>(op.kind),
                static_cast<int>(op.shape), op.color, op.bounds.X, op.bounds.Y, op.bounds.Width, op.bounds.Height,
                op.point_count);
  const gfx::RecordedText* t = rec.TextOf(op);
  return std::string(buf) + (t != nullptr ? "/" + t->text : "");
}

// Wholly outside the clip (and the surface), with a pen's width and a glyph's spill to spare.
bool WhollyOutside(const gfx::Op& op) {
  const gfx::RectF area = op.clipped ? op.clip_bounds : gfx::RectF(0, 0, kWidth, kHeight);
  const float x0 = std::max(area.X, 0.0f), y0 = std::max(area.Y, 0.0f);
  const float x1 = std::min(area.GetRight(), static_cast<float>(kWidth));
  const float y1 = std::min(area.GetBottom(), static_cast<float>(kHeight));
  const float m = 4.0f;
  const gfx::RectF& b = op.bounds;
  return b.GetRight() + m < x0 || b.X - m > x1 || b.GetBottom() + m < y0 || b.Y - m > y1;
}

using MapCullingWorld = world_map::WorldMapTest;

TEST_F(MapCullingWorld, LeftOutIsOnlyWhatTheClipCutsAwayWhole) {
  const Place places[] = {{"EDDF", "EDDM", 140.0}, {"KORD", "KMSP", 300.0}};
  const View views[] = {{3, 40.0}, {3, 160.0}, {3, 320.0}, {4, 80.0}};
  size_t left_out = 0;
  for (const Place& place : places) {
    for (const View& view : views) {
      for (const Display& d : world_map::kDisplays) {
        SCOPED_TRACE(std::string(d.name) + " " + place.origin + " mode " + std::to_string(view.mode) + " range " +
                     std::to_string(view.range_nm));
        Fly(place, view);
        Paint culled, full;
        PaintOn(d, &culled, true, false);
        PaintOn(d, &full, true, true);
        EXPECT_TRUE(culled.pixels == full.pixels);
        // The culled operations, in order, are the full ones less some wholly outside the clip.
        const auto& ops = culled.rec.ops();
        size_t k = 0;
        for (const gfx::Op& op : full.rec.ops()) {
          if (k < ops.size() && Describe(culled.rec, ops[k]) == Describe(full.rec, op)) {
            ++k;
            continue;
          }
          EXPECT_TRUE(WhollyOutside(op)) << Describe(full.rec, op);
          ++left_out;
        }
        EXPECT_EQ(k, ops.size());
      }
    }
  }
  EXPECT_GT(left_out, 1000u);  // the layers do leave things out
}

}  // namespace
