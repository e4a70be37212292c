// The moving maps on the world navigation database: a 30-leg route every 8 NM from a dense
// place's airport along a track, active on row 2 with the aircraft 3 NM short of it, a modified
// copy pending, both runways chosen and every map option on; the three map displays, and a paint
// into pixels (with a recording beside them when asked).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_services.h"
#include "afds/tick_route.h"
#include "base/geodesy.h"
#include "draw/display_surface.h"
#include "fmc/fmc_globals.h"
#include "module/paint_entries.h"
#include "navdb/airport_loader.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "support/sim_fixture.h"

namespace world_map {

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
  int32_t mode;  // 3 MAP, 4 PLAN
  double range_nm;
};

inline const Display kDisplays[] = {{"FP_ND", PaintFpNd, &fp_nd_surface},
                                    {"ND", PaintNd, &nd_surface},
                                    {"FP_EHSI", PaintFpEhsi, &fp_ehsi_surface}};

constexpr int kWidth = 358;  // the gauge bitmaps of the three maps
constexpr int kHeight = 440;

struct Paint {
  explicit Paint(int w = kWidth, int h = kHeight)
      : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), 0u) {}
  int width;
  int height;
  std::vector<uint32_t> pixels;
  gfx::Recording rec;
};

class WorldMapTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    const std::string dir = WorldDataDir();
    if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
    sim_root = dir;
    LoadNavDatabase();
  }
  void TearDown() override { ResetModuleState(); }

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

  // Paints into p's pixels, and into its recording when `record` (seeing everything when asked).
  static void PaintOn(const Display& d, Paint* p, bool record = true, bool sees_everything = false) {
    p->rec.set_sees_everything(sees_everything);
    gauge::DeviceContext dc{p->pixels.data(), p->width, p->height, p->width * 4, record ? &p->rec : nullptr};
    const gauge::PixelSize size{p->width, p->height};
    d.paint(d.surface, &dc, &size, kPaintNormal);
  }
};

}  // namespace world_map
