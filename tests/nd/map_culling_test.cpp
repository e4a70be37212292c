// The map layers leave out what the clip would cut away whole. On the world database, at dense
// places, in MAP and PLAN at several ranges, each map display is painted twice at its gauge size,
// pixels and recording together: as it paints, and on a recording that sees everything, so that
// nothing is left out. The pixels must be the same, and what the first paint left out must lie
// wholly outside the clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "afds/afds_services.h"
#include "fmc/fmc_globals.h"
#include "draw/display_surface.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "afds/tick_route.h"
#include "navdb/airport_loader.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"
#include "support/sim_fixture.h"

namespace {

struct Place {
  const char* origin;
  const char* destination;
  double track_true;
};

struct Display {
  const char* name;
  PaintEntry paint;
  DisplaySurface* surface;
};

struct View {
  int32_t mode;
  double range_nm;
};

constexpr int kWidth = 358;  // the gauge bitmaps of the three maps
constexpr int kHeight = 440;

struct Paint {
  std::vector<uint32_t> pixels = std::vector<uint32_t>(static_cast<size_t>(kWidth) * kHeight, 0u);
  gfx::Recording rec;
};

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

class MapCullingWorld : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    const std::string dir = WorldDataDir();
    if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
    sim_root = dir;
    LoadNavDatabase();
  }
  void TearDown() override { ResetModuleState(); }

  // A 30-leg route every 8 NM from the origin along the track, active on row 2; the aircraft 3 NM
  // short of it; a modified copy pending; both runways chosen; every map option on.
  static void Fly(const Place& p, const View& v) {
    LoadAirport(p.origin, 1);
    LoadAirport(p.destination, 2);
    for (int i = 0; i <= 30; ++i) {
      RouteLeg& leg = fms_fpln_act[i];
      leg = RouteLeg{};
      leg.ident = "WP" + std::to_string(i);
      CalcDestPoint(airport_recs[1].lat, airport_recs[1].lon, p.track_true, 8.0 * i, &leg.lat, &leg.lon);
      leg.alt = 10000.0;
      leg.restr = i % 3 == 0 ? 1 : 0;
      leg.intc_crs = -1.0;
      fms_fpln_mod[i] = leg;
    }
    fp_cnt = fp_mod_cnt = 30;
    stpos = mod_stpos = 2;
    fms_fpln_active = 4;
    fms_dep_rwy_pos = fms_dest_rwy_pos = 1;
    CalcDestPoint(airport_recs[1].lat, airport_recs[1].lon, p.track_true, 13.0, &plane_lat, &plane_lon);
    plane_hdg_true = plane_hdg_mag = plane_trk_mag = p.track_true;
    dist_to_active_wpt = 3.0;
    UpdateIrsAnnunciatorVars();
    ground_speed = 250.0;
    nd_mode = fpnd_mode = fp_ehsi_mode = v.mode;
    nd_rng_nm = fpnd_rng_nm = fp_ehsi_rng_nm = v.range_nm;
    nd_sta_on = nd_arpt_on = nd_wpt_on = ehsi_sta_on = ehsi_arpt_on = ehsi_wpt_on = 1;
    nd_range_rings_on = ehsi_range_rings_on = nd_data_on = 1;
    redraw_tick = 0;
  }

  static void PaintOn(const Display& d, Paint* p, bool sees_everything) {
    p->rec.set_sees_everything(sees_everything);
    gauge::DeviceContext dc{p->pixels.data(), kWidth, kHeight, kWidth * 4, &p->rec};
    const gauge::PixelSize size{kWidth, kHeight};
    d.paint(d.surface, &dc, &size, kPaintNormal);
  }
};

TEST_F(MapCullingWorld, LeftOutIsOnlyWhatTheClipCutsAwayWhole) {
  const Display displays[] = {{"FP_ND", PaintFpNd, &fp_nd_surface},
                              {"ND", PaintNd, &nd_surface},
                              {"FP_EHSI", PaintFpEhsi, &fp_ehsi_surface}};
  const Place places[] = {{"EDDF", "EDDM", 140.0}, {"KORD", "KMSP", 300.0}};
  const View views[] = {{3, 40.0}, {3, 160.0}, {3, 320.0}, {4, 80.0}};
  size_t left_out = 0;
  for (const Place& place : places) {
    for (const View& view : views) {
      for (const Display& d : displays) {
        SCOPED_TRACE(std::string(d.name) + " " + place.origin + " mode " + std::to_string(view.mode) + " range " +
                     std::to_string(view.range_nm));
        Fly(place, view);
        Paint culled, full;
        PaintOn(d, &culled, false);
        PaintOn(d, &full, true);
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
